// The display-text printer's catalogue of forms.
//
// A form says how one kind of datum prints. Most forms are data: a record printed as its fields
// in order, each field preceded by a fixed literal (its "lead": "{", ",", ", " ...), then a
// closing literal; a choice printed as the form of its alternative, with or without the
// "k {" ... "}" label; a value list printed element by element. Only the forms that no table
// can say (runs of records, the property list of a WriteAccessSpecification, log data, a
// reference that may be absent, a MAC address) are functions.
//
// Every form reads a record through a base address and the byte offsets of its fields, so one
// generic routine prints any of them. Nothing here changes the value printed.
#pragma once

#include <bacnapi/bacnapi.h>

#include "text/text_sink.h"
#include "value/limits.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bacnapi::display {

// The text being built and the nesting depth reached. Pieces of no bytes are not appended, so a
// value that prints as nothing leaves the caller's text pointer as it was.
class Printer {
public:
    explicit Printer(char** text) : sink_(text) {}

    int32_t put(const char* piece, size_t n) { return n == 0 ? BACNAPI_S_OK : sink_.append(piece, n); }
    int32_t put(const char* piece) { return piece ? put(piece, std::strlen(piece)) : BACNAPI_E_FAIL; }
    int32_t put_int(int32_t value);
    void finish() { sink_.finish(); }

    // Entering a nested value: false past the deepest nesting followed.
    bool enter() { return ++depth_ <= kMaxNestingDepth; }
    void leave() { --depth_; }

private:
    TextSink sink_;
    int depth_ = 0;
};

struct Form;

// A function for a form or a field that no table can say; field is the address of the datum.
using Handler = int32_t (*)(Printer& printer, const uint8_t* field);

enum class Kind : uint8_t {
    Literal,    // the lead alone
    Word,       // 32-bit word through "%d" (Unsigned, Signed, Enumerated alike)
    Octet,      // one octet through "%d" (Booleans, presence octets, week-and-day octets)
    YesNo,      // one octet as "Y" (not 0) or "N"
    Real,       // float, rounded to five decimals, "%f"
    Double,     // double, "%f"
    Octets,     // BACnetOctetString, "%02X" per octet
    Characters, // BACnetCharacterString, as UTF-8
    Bits,       // BACnetBitString, "1" or "0" per bit
    Date,       // BACnetDate, "mm/dd/yyyy" with "*" for unspecified parts
    Time,       // BACnetTime, "hh:mm:s.ss" with "*" for unspecified parts
    ObjectId,   // BACnetObjectIdentifier, "%d,%d"
    Error,      // BACnetError pair, "{class,code}"
    Value,      // a nested BACnetDataType, printed by its own type code
    Index,      // optional array index: the lead, then the index when present
    IndexComma, // optional array index: the lead, then index and "," when present
    CommaIndex, // optional array index: the lead, then "," and index when present
    Nested,     // an embedded record printed in the item's form
    Custom,     // the item's handler
};

struct Item {
    Kind kind = Kind::Literal;
    uint32_t offset = 0; // of the field from the record's base
    const char* lead = "";
    const Form* form = nullptr; // Nested
    Handler handler = nullptr;  // Custom
};

enum class Shape : uint8_t {
    Absent, // no such form (a choice number that the type does not have): printing fails
    Single, // one item, then close
    Fields, // items in order, then close
    Choice, // the alternative named by the selector, labelled "k {" ... "}" or bare
    List,   // a BACnetValueList: every element in braces, separated; or the empty text
    Custom, // the handler, given the record
};

struct Form {
    Shape shape = Shape::Absent;
    Item only{};                  // Single
    const Item* items = nullptr;  // Fields
    uint32_t count = 0;           // Fields: items; Choice: alternatives
    const char* close = "";       // Single, Fields
    const Form* alternatives = nullptr; // Choice: indexed by the selector
    uint32_t selector = 0;        // Choice: offset of the signed 32-bit alternative number
    bool labelled = false;        // Choice
    const char* separator = "";   // List: between elements
    const char* empty = "";       // List: the text of no elements
    Handler handler = nullptr;    // Custom
};

// ---- Building forms (used by the tables) ----

constexpr Item item(Kind kind, size_t offset, const char* lead = "")
{
    return Item{.kind = kind, .offset = static_cast<uint32_t>(offset), .lead = lead};
}
constexpr Item nested(const Form& form, size_t offset, const char* lead = "")
{
    return Item{.kind = Kind::Nested, .offset = static_cast<uint32_t>(offset), .lead = lead, .form = &form};
}
constexpr Item custom_item(Handler handler, size_t offset, const char* lead = "")
{
    return Item{.kind = Kind::Custom, .offset = static_cast<uint32_t>(offset), .lead = lead, .handler = handler};
}
constexpr Item literal(const char* text) { return Item{.kind = Kind::Literal, .lead = text}; }

constexpr Form single(const Item& only, const char* close = "")
{
    return Form{.shape = Shape::Single, .only = only, .close = close};
}
constexpr Form single(Kind kind, size_t offset) { return single(item(kind, offset)); }
template <size_t N>
constexpr Form fields(const Item (&items)[N], const char* close)
{
    return Form{.shape = Shape::Fields, .items = items, .count = N, .close = close};
}
constexpr Form nothing() { return Form{.shape = Shape::Fields}; }
constexpr Form absent() { return Form{}; }
template <size_t N>
constexpr Form choice(size_t selector, const Form (&alternatives)[N], bool labelled)
{
    return Form{.shape = Shape::Choice,
                .count = N,
                .alternatives = alternatives,
                .selector = static_cast<uint32_t>(selector),
                .labelled = labelled};
}
constexpr Form list(const char* separator, const char* empty)
{
    return Form{.shape = Shape::List, .separator = separator, .empty = empty};
}
constexpr Form custom(Handler handler) { return Form{.shape = Shape::Custom, .handler = handler}; }

// ---- Printing ----

// Appends the display text of value. 0, or BACNAPI_E_FAIL for anything without a form (type
// codes, choice numbers), a missing record, an inconsistent count, nesting past the limit, a
// string that does not convert, or a refused allocation.
int32_t print_value(Printer& printer, const BACnetDataType* value);
// Appends a record (or list, or inline payload) at base in the given form.
int32_t print_form(Printer& printer, const Form& form, const uint8_t* base);

// The form of a type code that prints on its own, or null (codes without a display form).
const Form* form_of_type(int32_t type);

// One row of the catalogue: a type code and the form its values print in. Each table file lists
// the rows of the forms it defines.
struct TypeForm {
    int32_t type;
    const Form* form;
};
struct TypeFormTable {
    const TypeForm* rows;
    size_t count;
};
extern const TypeFormTable kApplicationTypeForms; // 0..12
extern const TypeFormTable kRecordTypeForms;      // records printed as their fields
extern const TypeFormTable kChoiceTypeForms;      // choice records
extern const TypeFormTable kParameterTypeForms;   // event and notification parameters
extern const TypeFormTable kListTypeForms;        // value lists and read-access sequences

// ---- The forms that other tables refer to ----
extern const Form kAddressForm;                      // 21
extern const Form kDateTimeForm;                     // 22
extern const Form kDateRangeForm;                    // 24
extern const Form kWeekNDayForm;                     // 25
extern const Form kCalendarEntryForm;                // 23
extern const Form kTimeStampForm;                    // 27
extern const Form kRecipientForm;                    // 30
extern const Form kObjectPropertyReferenceForm;      // 33
extern const Form kDeviceObjectPropertyReferenceForm; // 36
extern const Form kReadAccessSpecificationForm;      // 38
extern const Form kReadAccessResultForm;             // 42
extern const Form kReadAccessPropertyValueForm;      // 43
extern const Form kPropertyReferenceForm;            // 44
extern const Form kPropertyStatesForm;               // 50
extern const Form kLogDataForm;                      // 117
extern const Form kEventParameterForm;               // 51
extern const Form kNotificationParametersForm;       // 52
extern const Form kEventNotificationForm;            // inside BACnetEventLogRecord

// The hand-written forms and fields.
int32_t print_mac_address(Printer& printer, const uint8_t* address);
int32_t print_property_reference_run(Printer& printer, const uint8_t* sequence);
int32_t print_result_run(Printer& printer, const uint8_t* sequence);
int32_t print_specification_sequence(Printer& printer, const uint8_t* sequence);
int32_t print_result_sequence(Printer& printer, const uint8_t* sequence);
int32_t print_property_list(Printer& printer, const uint8_t* value);
int32_t print_log_data(Printer& printer, const uint8_t* value);
int32_t print_setpoint_reference(Printer& printer, const uint8_t* record);

} // namespace bacnapi::display
