// Descriptors as data: how the fields of a record are found, as constant tables. A record that is
// a sequence of fields is a table of FieldDesc, one entry per field in walk order; a choice is a
// ChoiceDesc, its selector's place and a table of alternatives. The tables sit below the value
// layer (they name nothing but the public records and type codes), so that the type catalogue can
// point at them; the walker reads them (walk/field_table.cpp).
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// The enumeration of property identifiers, which Enumerated fields naming a property carry.
inline constexpr uint32_t kPropertyIdentifierEnum = 49;

// Where a field's value lives in its record.
enum class FieldMode : uint8_t {
    Member,           // the payload of `type` in place at `offset`
    Nested,           // an embedded BACnetDataType at `offset` holding a value of `type` (bind_nested_value)
    WholeRecord,      // an embedded choice type: src/dest are the parent's whole record (offset unused)
    NoMember,         // walked as a Null value; nothing is read or stored (src/dest null)
    BoundValue,       // an embedded BACnetDataType bound with bind_cursor to `type` on both sides: unlike
                      // Nested, an empty source is refused rather than described as Null
    PropertyValue,    // an embedded BACnetDataType whose type is looked up from the property identifier
                      // and object type the record holds or inherits (`property` says where they are)
    ApplicationValue, // an embedded BACnetDataType holding an application value (codes 0..12); the
                      // alternative chosen is its type code, and enumId is the choice identifier
};

// Where a record keeps what the lookup of a property value's type needs (FieldMode::PropertyValue).
struct PropertyValueDesc {
    uint32_t nameId;
    int32_t tag;
    int32_t objectTypeOffset;  // offset of the object type (an object identifier's first word),
                               // or -1 to use the object type inherited by the cursor
    uint32_t propertyOffset;   // the 32-bit property identifier
    uint32_t arrayIndexOffset; // the 32-bit property array index
    uint32_t valueOffset;      // the embedded BACnetDataType
    bool sourceOwnTypeFirst;   // a non-empty source value keeps its own type code
};

// The absent sentinel of an optional field (written into a destination before it is read).
enum class Sentinel : uint8_t {
    None,         // not optional
    AllOnes32,    // a 32-bit member equal to 0xFFFFFFFF (property array indexes)
    Zero32,       // a 32-bit member equal to 0
    DeviceAbsent, // an object identifier of type 8 with instance 0xFFFFFFFF
};

struct FieldDesc {
    uint32_t nameId;
    int32_t tag; // -1 when application-tagged
    int32_t type;
    uint32_t enumId;
    uint32_t offset;
    FieldMode mode;
    Sentinel sentinel;
    // The object type the field's values inherit for their property lookups: the 32-bit member
    // at this offset of the record (an object identifier's first word), or -1 to pass on what the
    // record itself inherited.
    int32_t objectTypeOffset;
    const PropertyValueDesc* property; // where the lookup's inputs are (PropertyValue only)
};

// One alternative of a choice: `number` is what chooseAlternative answers and what the record's
// selector holds; the rest describes the alternative's field as in FieldDesc (enumId verbatim).
struct AlternativeDesc {
    int32_t number;
    FieldDesc field;
};

struct ChoiceDesc {
    uint32_t choiceId;
    uint32_t selectorOffset; // the record's alternative number (signed 32-bit)
    const AlternativeDesc* alternatives;
    size_t alternativeCount;
    bool sourceOnly; // the recorded alternative is read only from the source (0 without)
    // Called on a destination record that holds another alternative than the one chosen, when its
    // alternatives own more than strings and nested values (typically the record's Clear); null
    // to release the old alternative's member by its field.
    void (*release)(void* record);
};

// Table-building helpers, so that a table reads as the production it describes.
constexpr FieldDesc member_field(uint32_t nameId, int32_t tag, int32_t type, size_t offset, uint32_t enumId = 0,
                                 Sentinel sentinel = Sentinel::None)
{
    return FieldDesc{nameId,   tag, type,   enumId, static_cast<uint32_t>(offset), FieldMode::Member,
                     sentinel, -1,  nullptr};
}
constexpr FieldDesc nested_field(uint32_t nameId, int32_t tag, int32_t type, size_t offset, uint32_t enumId = 0)
{
    return FieldDesc{nameId,         tag, type,   enumId, static_cast<uint32_t>(offset), FieldMode::Nested,
                     Sentinel::None, -1,  nullptr};
}
constexpr FieldDesc bound_field(uint32_t nameId, int32_t tag, int32_t type, size_t offset, uint32_t enumId = 0)
{
    return FieldDesc{nameId,         tag, type,   enumId, static_cast<uint32_t>(offset), FieldMode::BoundValue,
                     Sentinel::None, -1,  nullptr};
}
constexpr FieldDesc whole_record_field(uint32_t nameId, int32_t tag, int32_t type, uint32_t enumId = 0)
{
    return FieldDesc{nameId, tag, type, enumId, 0, FieldMode::WholeRecord, Sentinel::None, -1, nullptr};
}
constexpr FieldDesc null_field(uint32_t nameId, int32_t tag, uint32_t enumId = 0)
{
    return FieldDesc{nameId, tag, 0, enumId, 0, FieldMode::NoMember, Sentinel::None, -1, nullptr};
}

// A property value: name, tag and where the lookup's inputs lie come from `property`.
constexpr FieldDesc property_value_field(const PropertyValueDesc& property)
{
    return FieldDesc{0, 0, 0, 0, 0, FieldMode::PropertyValue, Sentinel::None, -1, &property};
}
constexpr FieldDesc application_value_field(uint32_t nameId, int32_t tag, size_t offset, uint32_t choiceId)
{
    return FieldDesc{nameId,         tag, 0,      choiceId, static_cast<uint32_t>(offset), FieldMode::ApplicationValue,
                     Sentinel::None, -1,  nullptr};
}
// The same field, whose values inherit the object type held at `objectTypeOffset` of the record.
constexpr FieldDesc inheriting_object_type(FieldDesc field, size_t objectTypeOffset)
{
    field.objectTypeOffset = static_cast<int32_t>(objectTypeOffset);
    return field;
}

// A choice table from its array of alternatives.
template <size_t N>
constexpr ChoiceDesc make_choice_desc(uint32_t choiceId, size_t selectorOffset,
                                      const AlternativeDesc (&alternatives)[N], bool sourceOnly,
                                      void (*release)(void* record) = nullptr)
{
    return ChoiceDesc{choiceId, static_cast<uint32_t>(selectorOffset), alternatives, N, sourceOnly, release};
}

// An alternative whose field is a member of the record at `offset`, tagged with its own number
// and carrying the choice identifier as its enumId.
constexpr AlternativeDesc member_alternative(int32_t number, uint32_t nameId, int32_t type, size_t offset,
                                             uint32_t choiceId)
{
    return AlternativeDesc{number, member_field(nameId, number, type, offset, choiceId)};
}

} // namespace bacnapi
