// The display forms that no table can say: the MAC address of a BACnetAddress, the runs of
// records held in place (property references, read results, ReadAccessSpecifications), the property
// list of a WriteAccessSpecification, the log data of BACnetLogData and the reference of a
// BACnetSetpointReference that may be absent.
#include "display/form.h"

#include "text/number_format.h"
#include "value/copy_internal.h"

namespace bacnapi::display {

namespace {

// Every element of a head-inline run in the given form, between separator and wrapping literals.
// A negative count, one above the run limit or a missing overflow array fails.
template <class Run>
int32_t print_run(Printer& p, const uint8_t* field, const Form& element, const char* separator, const char* open,
                  const char* close)
{
    const auto* run = reinterpret_cast<const Run*>(field);
    if (run->count < 0 || run->count > kSequenceMaxCount) return BACNAPI_E_FAIL;
    for (int32_t i = 0; i < run->count; ++i) {
        const auto* record = sequence_element(run, i);
        if (!record) return BACNAPI_E_FAIL;
        if ((i != 0 && p.put(separator) != 0) || p.put(open) != 0 ||
            print_form(p, element, reinterpret_cast<const uint8_t*>(record)) != 0 || p.put(close) != 0)
            return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}

// Opens a nested value that a handler prints itself; the printer's depth limit applies to it as
// to any value.
class Nesting {
public:
    explicit Nesting(Printer& p) : p_(p), ok_(p.enter()) {}
    ~Nesting() { p_.leave(); }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    bool ok() const { return ok_; }

private:
    Printer& p_;
    bool ok_;
};

// The elements of a list value, checked: null when the record is missing or its count does not
// fit its capacity.
const BACnetValueList* checked_list(const BACnetDataType& value)
{
    const BACnetValueList* list = value.payload.list;
    if (!list || list->count > list->capacity || (list->count != 0 && !list->elements)) return nullptr;
    return list;
}

// The nested value of a BACnetNestedValue element, in braces.
int32_t print_braced_nested(Printer& p, const BACnetDataType& element)
{
    if (element.type != BACNAPI_TYPE_BACnetNestedValue || !element.payload.record) return BACNAPI_E_FAIL;
    const auto* nested = static_cast<const BACnetNestedValue*>(element.payload.record);
    if (p.put("{", 1) != 0 || print_value(p, &nested->value) != 0) return BACNAPI_E_FAIL;
    return p.put("}", 1);
}

} // namespace

// The first macLength octets, "%02X" each; a length beyond the six octets held fails.
int32_t print_mac_address(Printer& p, const uint8_t* field)
{
    const auto* address = reinterpret_cast<const BACnetAddress*>(field);
    if (address->macLength > sizeof address->macAddress) return BACNAPI_E_FAIL;
    char buf[2 * sizeof address->macAddress];
    size_t n = 0;
    for (uint8_t i = 0; i < address->macLength; ++i) n += format_hex_octet(buf + n, address->macAddress[i]);
    return p.put(buf, n);
}

int32_t print_property_reference_run(Printer& p, const uint8_t* field)
{
    return print_run<SequenceOfBACnetPropertyReference>(p, field, kPropertyReferenceForm, ",", "", "");
}

int32_t print_result_run(Printer& p, const uint8_t* field)
{
    return print_run<ReadAccessResultList>(p, field, kReadAccessPropertyValueForm, "", "{", "}");
}

int32_t print_specification_sequence(Printer& p, const uint8_t* record)
{
    return print_run<SequenceOfReadAccessSpecification>(p, record, kReadAccessSpecificationForm, "", "", "");
}

int32_t print_result_sequence(Printer& p, const uint8_t* record)
{
    return print_run<SequenceOfReadAccessResult>(p, record, kReadAccessResultForm, "", "", "");
}

// Null: nothing; one BACnetPropertyValue: its form; a ListOfBACnetPropertyValue: its property
// values with "<PROPERTY>" between them. An empty or missing list, an element of another type,
// and any other type fail.
int32_t print_property_list(Printer& p, const uint8_t* field)
{
    const auto& value = *reinterpret_cast<const BACnetDataType*>(field);
    if (value.type == BACNAPI_TYPE_Null) return BACNAPI_S_OK;
    if (value.type == BACNAPI_TYPE_BACnetPropertyValue) return print_value(p, &value);
    if (value.type != BACNAPI_TYPE_ListOfBACnetPropertyValue) return BACNAPI_E_FAIL;
    const Nesting nesting(p);
    const BACnetValueList* list = checked_list(value);
    if (!nesting.ok() || !list || list->count == 0) return BACNAPI_E_FAIL;
    for (uint32_t i = 0; i < list->count; ++i) {
        const BACnetDataType& element = list->elements[i];
        if (element.type != BACNAPI_TYPE_BACnetPropertyValue) return BACNAPI_E_FAIL;
        if ((i != 0 && p.put("<PROPERTY>", 10) != 0) || print_value(p, &element) != 0) return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}

// The log data of BACnetLogData: Null "{}"; a BACnetNestedValue its nested value in braces; a
// ReservedList95 of BACnetNestedValue elements each element's nested value in braces, nothing
// between; a ListOfBACnetLogDataElement (what the reader makes of this field) in its own list
// form. Any other type fails.
int32_t print_log_data(Printer& p, const uint8_t* field)
{
    const auto& value = *reinterpret_cast<const BACnetDataType*>(field);
    switch (value.type) {
    case BACNAPI_TYPE_Null: return p.put("{}", 2);
    case BACNAPI_TYPE_ListOfBACnetLogDataElement: return print_value(p, &value);
    case BACNAPI_TYPE_BACnetNestedValue: {
        const Nesting nesting(p);
        return nesting.ok() ? print_braced_nested(p, value) : BACNAPI_E_FAIL;
    }
    case BACNAPI_TYPE_ReservedList95: {
        const Nesting nesting(p);
        const BACnetValueList* list = checked_list(value);
        if (!nesting.ok() || !list) return BACNAPI_E_FAIL;
        for (uint32_t i = 0; i < list->count; ++i) {
            const Nesting element(p);
            if (!element.ok() || print_braced_nested(p, list->elements[i]) != 0) return BACNAPI_E_FAIL;
        }
        return BACNAPI_S_OK;
    }
    default: return BACNAPI_E_FAIL;
    }
}

// Present: the BACnetObjectPropertyReference form; absent (presence octet 0): "{}".
int32_t print_setpoint_reference(Printer& p, const uint8_t* record)
{
    const auto* reference = reinterpret_cast<const BACnetSetpointReference*>(record);
    if (!reference->present) return p.put("{}", 2);
    return print_form(p, kObjectPropertyReferenceForm,
                      reinterpret_cast<const uint8_t*>(&reference->setpointReference));
}

} // namespace bacnapi::display
