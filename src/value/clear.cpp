// Clear by type: releases everything a value owns, recursively, and leaves it Null.
#include "value/clear_internal.h"
#include "value/type_catalogue.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

void release_record_parts(int32_t type, void* record)
{
    ClearScope scope;
    release_record_parts(type, record, scope);
    finish_clear(scope);
}

// Releases what the record of a constructed value owns (not the record itself), as its row in
// the type catalogue says. Records whose members are all inline own nothing and have no table.
void release_record_parts(int32_t type, void* record, ClearScope& scope)
{
    const TypeRow* row = type_row(type);
    if (row != nullptr && row->owns != nullptr) clear_owned(*row->owns, record, scope);
}

namespace {

void clear_part(const OwnedPart& part, void* member, ClearScope& scope)
{
    switch (part.kind) {
    case Part::Block: {
        void** block = static_cast<void**>(member);
        std::free(*block);
        *block = nullptr;
        break;
    }
    case Part::Bits: {
        auto* bits = static_cast<BACnetBitString*>(member);
        std::free(bits->bits);
        std::memset(bits, 0, sizeof *bits);
        break;
    }
    case Part::Octets: {
        auto* octets = static_cast<BACnetOctetString*>(member);
        std::free(octets->data);
        std::memset(octets, 0, sizeof *octets);
        break;
    }
    case Part::Characters: bacnapi_ClearCharacterString(static_cast<BACnetCharacterString*>(member)); break;
    case Part::Value: clear_nested(static_cast<BACnetDataType*>(member), scope); break;
    case Part::Record: clear_owned(*part.inner, member, scope); break;
    case Part::Zeroed: std::memset(member, 0, part.size); break;
    case Part::Copied: // plain bytes: nothing to release
        break;
    }
}

// Element 0 lies in the sequence itself, element i >= 1 in slot i of the overflow array (slot 0
// unused); a negative count means no element, a missing array that only the inline one exists.
void clear_sequence(const Ownership& sequence, void* record, ClearScope& scope)
{
    const Ownership& element = *sequence.element;
    int32_t count = 0;
    std::memcpy(&count, owned_member(record, sequence.countOffset), sizeof count);
    auto* overflow = *static_cast<unsigned char**>(owned_member(record, sequence.elementsOffset));
    if (element.count > 0 || element.shape == Shape::Sequence) { // elements that own nothing are not read
        if (count > 0) clear_owned(element, record, scope);
        if (overflow != nullptr)
            for (int32_t i = 1; i < count; ++i) clear_owned(element, overflow + size_t(i) * element.size, scope);
    }
    std::free(overflow);
}

} // namespace

void clear_owned(const Ownership& ownership, void* record, ClearScope& scope)
{
    if (record == nullptr) return;
    if (ownership.shape == Shape::Sequence) {
        clear_sequence(ownership, record, scope);
    } else {
        const int32_t selector = selector_of(ownership, record);
        for (size_t i = 0; i < ownership.count; ++i) {
            const OwnedPart& part = ownership.parts[i];
            if (part_present(part, selector)) clear_part(part, owned_member(record, part.offset), scope);
        }
    }
    if (ownership.after == Afterwards::Zeroed) std::memset(record, 0, ownership.size);
    if (ownership.resetOffset != kNoReset)
        std::memcpy(owned_member(record, static_cast<uint32_t>(ownership.resetOffset)), &ownership.resetValue,
                    sizeof ownership.resetValue);
}

int32_t clear_record(const Ownership& ownership, void* record)
{
    ClearScope scope;
    clear_owned(ownership, record, scope);
    finish_clear(scope);
    return BACNAPI_S_OK;
}

namespace {

// Releases a list value's list: the elements, the slot storage, then the list record.
void release_list(BACnetValueList* list, ClearScope& scope)
{
    if (list == nullptr) return;
    clear_array_at(list, scope);
    std::free(list);
}

} // namespace

void clear_value(BACnetDataType* value)
{
    ClearScope scope;
    clear_value_at(value, scope);
    finish_clear(scope);
}

void clear_value_at(BACnetDataType* value, ClearScope& scope)
{
    if (value == nullptr) return;
    const int32_t type = value->type;
    switch (type) {
    case BACNAPI_TYPE_OctetString: std::free(value->payload.octetString.data); break;
    case BACNAPI_TYPE_CharacterString: bacnapi_ClearCharacterString(&value->payload.characterString); break;
    case BACNAPI_TYPE_BitString: std::free(value->payload.bitString.bits); break;
    default:
        // Only lists and owned records are released. Every other payload is dropped unread:
        // the embedded members, the reserved codes and the records a value never owns (the
        // property-reference run, 91, and the service records, 150..152) are never made by
        // initialise; a host that holds one points it at a record of its own and keeps it.
        switch (storage_of(type)) {
        case Storage::List: release_list(value->payload.list, scope); break;
        case Storage::Record:
            if (value->payload.record == nullptr) break;
            if (!has_flag(type, kPlain)) release_record_parts(type, value->payload.record, scope);
            std::free(value->payload.record);
            break;
        default: break;
        }
        break;
    }
    std::memset(value, 0, sizeof *value);
}

namespace {

// Moves a value onto the scope's set-aside list and leaves its place Null. False when the list
// cannot grow (the value is then left where it is).
bool set_aside(BACnetDataType* value, ClearScope& scope)
{
    if (scope.count == scope.capacity) {
        const size_t grown = scope.capacity == 0 ? 16 : scope.capacity * 2;
        void* block = std::realloc(scope.setAside, grown * sizeof(BACnetDataType));
        if (block == nullptr) return false;
        scope.setAside = static_cast<BACnetDataType*>(block);
        scope.capacity = grown;
    }
    scope.setAside[scope.count++] = *value;
    std::memset(value, 0, sizeof *value);
    return true;
}

} // namespace

void clear_nested(BACnetDataType* value, ClearScope& scope)
{
    if (value == nullptr) return;
    const NestingLevel level(scope.nest);
    if (!level.too_deep()) {
        clear_value_at(value, scope);
        return;
    }
    // Values that own nothing beyond their payload are cleared here at no depth cost.
    if (value->type <= BACNAPI_TYPE_SignedLong) {
        clear_value_at(value, scope);
        return;
    }
    if (!set_aside(value, scope)) std::memset(value, 0, sizeof *value); // left unreleased
}

void finish_clear(ClearScope& scope)
{
    while (scope.count > 0) {
        BACnetDataType value = scope.setAside[--scope.count];
        clear_value_at(&value, scope);
    }
    // Almost every clear sets nothing aside, and a list read clears each element's place: no
    // call to free for nothing each time.
    if (scope.setAside == nullptr) return;
    std::free(scope.setAside);
    scope.setAside = nullptr;
    scope.capacity = 0;
}

void clear_array_at(BACnetValueList* list, ClearScope& scope)
{
    if (list == nullptr) return;
    if (list->elements != nullptr) {
        // Only the slots that exist are read, even if the count claims more.
        const uint32_t used = list->count < list->capacity ? list->count : list->capacity;
        for (uint32_t i = 0; i < used; ++i) clear_nested(&list->elements[i], scope);
        std::free(list->elements);
    }
    list->elements = nullptr;
    list->capacity = 0;
    list->count = 0;
}

} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnapi_ClearBACnetDataType(BACnetDataType* value)
{
    bacnapi::clear_value(value);
    return BACNAPI_S_OK;
}

// These acknowledgements are held as list values: clearing one is clearing a value.
BACNAPI_API int32_t bacnapi_ClearGetAlarmSummaryAck(BACnetDataType* value)
{
    return bacnapi_ClearBACnetDataType(value);
}
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryAck(BACnetDataType* value)
{
    return bacnapi_ClearBACnetDataType(value);
}
BACNAPI_API int32_t bacnapi_ClearGetEventInformationAck(BACnetDataType* value)
{
    return bacnapi_ClearBACnetDataType(value);
}

// The priority array and the event time stamps are list values: their elements, the slot storage
// and the list record go, and the value is left Null. A value of another type passed here is
// cleared by its own type rather than read as a list.
BACNAPI_API int32_t bacnapi_ClearBACnetPriorityArray(BACnetDataType* value)
{
    return bacnapi_ClearBACnetDataType(value);
}
BACNAPI_API int32_t bacnapi_ClearBACnetEventTimeStamps(BACnetDataType* value)
{
    return bacnapi_ClearBACnetDataType(value);
}

BACNAPI_API int32_t bacnapi_ClearArray(BACnetValueList* list)
{
    bacnapi::ClearScope scope;
    bacnapi::clear_array_at(list, scope);
    bacnapi::finish_clear(scope);
    return BACNAPI_S_OK;
}

} // extern "C"
