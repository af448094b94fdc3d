// bacnapi_initialize_data: a fresh value of any type code that has an initial form.
#include "value/type_catalogue.h"
#include "value/value_internal.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace bacnapi {
namespace {

constexpr uint32_t kAbsent = BACNAPI_ARRAY_INDEX_ABSENT;
constexpr uint32_t kDeviceObjectType = 8;
constexpr uint32_t kAnalogValueObjectType = 5;
constexpr uint32_t kPresentValueProperty = 85;
constexpr uint32_t kListReserve = 4;
// Bit counts of the two bit strings of a BACnetDestination: the seven days of the week and the
// three event transitions (to-offnormal, to-fault, to-normal).
constexpr uint64_t kValidDaysBits = 7;
constexpr uint64_t kTransitionsBits = 3;

// A zero-filled list with four empty slots. The list itself is attached to the value as soon as
// it exists, so a refused slot allocation still leaves a clearable empty list behind.
int32_t initialize_list(BACnetDataType* value)
{
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    if (list == nullptr) return BACNAPI_E_OUTOFMEMORY;
    value->payload.list = list;
    return array_reserve(list, kListReserve) == BACNAPI_S_OK ? BACNAPI_S_OK : BACNAPI_E_OUTOFMEMORY;
}

// A bit string of count clear bits; a refused allocation leaves it empty. Both counts are set so
// that the record keeps the rule that holds everywhere else: bitCount == usedCount.
void initialize_bits(BACnetBitString* bits, uint64_t count)
{
    bits->bits = static_cast<uint8_t*>(std::calloc(count, 1));
    if (bits->bits == nullptr) return;
    bits->bitCount = count;
    bits->usedCount = count;
}

// The initial content of the records that are not all zero, as data: 32-bit words set in a fresh
// record (absent array indexes, "no alternative" selectors, default identifiers), and the nested
// lists a fresh record holds.
struct InitialWord {
    int32_t type;
    size_t offset;
    uint32_t value;
};
#define WORD(Record, member, value) {BACNAPI_TYPE_##Record, offsetof(Record, member), value}
constexpr InitialWord kInitialWords[] = {
    WORD(BACnetActionCommand, deviceIdentifier.objectType, kDeviceObjectType),
    WORD(BACnetActionCommand, deviceIdentifier.instance, kAbsent),
    WORD(BACnetActionCommand, objectIdentifier.objectType, kAnalogValueObjectType),
    WORD(BACnetActionCommand, propertyIdentifier, kPresentValueProperty),
    WORD(BACnetActionCommand, propertyArrayIndex, kAbsent),
    WORD(BACnetActionCommand, propertyValue.type, BACNAPI_TYPE_Enumerated),
    WORD(BACnetRecipient, choice, 0xFFFFFFFFu), // no recipient
    WORD(BACnetObjectPropertyReference, propertyArrayIndex, kAbsent),
    WORD(BACnetDeviceObjectPropertyReference, objectIdentifier.objectType, kAnalogValueObjectType),
    WORD(BACnetDeviceObjectPropertyReference, propertyIdentifier, kPresentValueProperty),
    WORD(BACnetDeviceObjectPropertyReference, propertyArrayIndex, kAbsent),
    WORD(BACnetDeviceObjectPropertyReference, deviceIdentifier.objectType, kDeviceObjectType),
    WORD(BACnetDeviceObjectPropertyReference, deviceIdentifier.instance, kAbsent),
    WORD(ReadAccessPropertyValue, propertyArrayIndex, kAbsent),
    WORD(BACnetPropertyReference, propertyArrayIndex, kAbsent),
    WORD(BACnetPropertyValue, propertyArrayIndex, kAbsent),
    WORD(BACnetObjectPropertyValue, propertyArrayIndex, kAbsent),
    WORD(BACnetSelectionCriteria, propertyArrayIndex, kAbsent),
    WORD(BACnetEventParameter, choice, 999), // no alternative
    WORD(BACnetConstructed, leadingField, kAbsent),
    WORD(BACnetDeviceObjectPropertyValue, deviceIdentifier.objectType, kDeviceObjectType),
};
#undef WORD

struct InitialList {
    int32_t type;
    size_t offset;
    int32_t listType;
};
constexpr InitialList kInitialLists[] = {
    {BACNAPI_TYPE_BACnetDailySchedule, offsetof(BACnetDailySchedule, daySchedule), BACNAPI_TYPE_ListOfBACnetTimeValue},
    {BACNAPI_TYPE_BACnetSpecialEvent, offsetof(BACnetSpecialEvent, listOfTimeValues),
     BACNAPI_TYPE_ListOfBACnetTimeValue},
    {BACNAPI_TYPE_BACnetActionList, offsetof(BACnetActionList, action), BACNAPI_TYPE_ListOfBACnetActionCommand},
};

// Puts the initial content of the record of type in place; the record is zero-filled already.
// Only the records that hold a nested list can fail here.
int32_t fill_record(int32_t type, void* record)
{
    auto* bytes = static_cast<unsigned char*>(record);
    for (const InitialWord& word : kInitialWords)
        if (word.type == type) std::memcpy(bytes + word.offset, &word.value, sizeof word.value);
    if (type == BACNAPI_TYPE_BACnetDestination) {
        // A refused bit buffer is not an error: the destination is usable with an empty string.
        auto* r = static_cast<BACnetDestination*>(record);
        initialize_bits(&r->validDays, kValidDaysBits);
        initialize_bits(&r->transitions, kTransitionsBits);
    }
    for (const InitialList& list : kInitialLists)
        if (list.type == type)
            return bacnapi_initialize_data(reinterpret_cast<BACnetDataType*>(bytes + list.offset), list.listType);
    return BACNAPI_S_OK;
}

} // namespace
} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnapi_initialize_data(BACnetDataType* value, int32_t typeCode)
{
    using namespace bacnapi;
    if (value == nullptr) return BACNAPI_E_INVALIDARG;
    // The old content is dropped, not released: callers clear a value before re-initialising it.
    std::memset(value, 0, sizeof *value);
    // Unassigned and reserved codes, members that live only inside another record and the
    // records a value never owns have no initial form.
    if (!has_initial_form(typeCode)) return BACNAPI_E_INVALIDARG;

    // From here on the type code is set whatever happens, so a value whose allocation failed is
    // still a value of the requested type (with no record) and clears like any other.
    value->type = typeCode;
    const TypeRow& row = kTypeCatalogue[typeCode];
    if (row.storage == Storage::Inline) return BACNAPI_S_OK;
    if (row.storage == Storage::List) return initialize_list(value);

    void* record = std::calloc(1, row.recordSize);
    if (record == nullptr) return BACNAPI_E_OUTOFMEMORY;
    if (fill_record(typeCode, record) != BACNAPI_S_OK) {
        // Only a nested list can fail; whatever part of it was made goes with the record, which
        // is not attached.
        BACnetDataType orphan{};
        orphan.type = typeCode;
        orphan.payload.record = record;
        clear_value(&orphan);
        return BACNAPI_E_OUTOFMEMORY;
    }
    value->payload.record = record;
    return BACNAPI_S_OK;
}

} // extern "C"
