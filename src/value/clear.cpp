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

// Releases what the record of a constructed value owns (not the record itself). Records whose
// members are all inline (addresses, dates, identifiers, numbers) own nothing and fall through.
void release_record_parts(int32_t type, void* record, ClearScope& scope)
{
    switch (type) {
    case BACNAPI_TYPE_BACnetTimeValue:
        clear_nested(&static_cast<BACnetTimeValue*>(record)->value, scope);
        break;
    case BACNAPI_TYPE_BACnetNestedValue:
        clear_nested(&static_cast<BACnetNestedValue*>(record)->value, scope);
        break;
    case BACNAPI_TYPE_BACnetDailySchedule:
        clear_nested(&static_cast<BACnetDailySchedule*>(record)->daySchedule, scope);
        break;
    case BACNAPI_TYPE_BACnetConstructed:
        (void)clear_parts(static_cast<BACnetConstructed*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetObjectPropertyValue:
        clear_nested(&static_cast<BACnetObjectPropertyValue*>(record)->value, scope);
        break;
    case BACNAPI_TYPE_BACnetActionCommand:
        (void)clear_parts(static_cast<BACnetActionCommand*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetSessionKey:
        bacnapi_ClearBACnetSessionKey(static_cast<BACnetSessionKey*>(record));
        break;
    case BACNAPI_TYPE_BACnetLogRecord:
        (void)clear_parts(static_cast<BACnetLogRecord*>(record), scope);
        break;
    case BACNAPI_TYPE_ReadAccessSpecification:
        bacnapi_ClearReadAccessSpecification(static_cast<ReadAccessSpecification*>(record));
        break;
    case BACNAPI_TYPE_WriteAccessSpecification:
        (void)clear_parts(static_cast<WriteAccessSpecification*>(record), scope);
        break;
    case BACNAPI_TYPE_AlarmSummaryAckElement:
        bacnapi_ClearAlarmSummaryAckElement(static_cast<AlarmSummaryAckElement*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessResult:
        (void)clear_parts(static_cast<ReadAccessResult*>(record), scope);
        break;
    case BACNAPI_TYPE_ReadAccessPropertyValue:
        (void)clear_parts(static_cast<ReadAccessPropertyValue*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetDestination:
        bacnapi_ClearBACnetDestination(static_cast<BACnetDestination*>(record));
        break;
    case BACNAPI_TYPE_BACnetSpecialEvent:
        (void)clear_parts(static_cast<BACnetSpecialEvent*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetPriorityValue:
        (void)clear_parts(static_cast<BACnetPriorityValue*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetPropertyValue:
        (void)clear_parts(static_cast<BACnetPropertyValue*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetEventParameter:
        (void)clear_parts(static_cast<BACnetEventParameter*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetNotificationParameters:
        (void)clear_parts(static_cast<BACnetNotificationParameters*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetSelectionCriteria:
        (void)clear_parts(static_cast<BACnetSelectionCriteria*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetActionList:
        (void)clear_parts(static_cast<BACnetActionList*>(record), scope);
        break;
    case BACNAPI_TYPE_SequenceOfReadAccessSpecification:
        bacnapi_ClearSequenceOfReadAccessSpecification(static_cast<SequenceOfReadAccessSpecification*>(record));
        break;
    case BACNAPI_TYPE_SequenceOfReadAccessResult:
        (void)clear_parts(static_cast<SequenceOfReadAccessResult*>(record), scope);
        break;
    case BACNAPI_TYPE_EventSummaryElement:
        (void)clear_parts(static_cast<EventSummaryElement*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetDeviceObjectPropertyValue:
        (void)clear_parts(static_cast<BACnetDeviceObjectPropertyValue*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetEventLogRecord:
        (void)clear_parts(static_cast<BACnetEventLogRecord*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetLogData:
        (void)clear_parts(static_cast<BACnetLogData*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetLogMultipleRecord:
        (void)clear_parts(static_cast<BACnetLogMultipleRecord*>(record), scope);
        break;
    case BACNAPI_TYPE_BACnetLogDataElement:
        (void)clear_parts(static_cast<BACnetLogDataElement*>(record), scope);
        break;
    default:
        break;
    }
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
    case BACNAPI_TYPE_OctetString:
        std::free(value->payload.octetString.data);
        break;
    case BACNAPI_TYPE_CharacterString:
        bacnapi_ClearCharacterString(&value->payload.characterString);
        break;
    case BACNAPI_TYPE_BitString:
        std::free(value->payload.bitString.bits);
        break;
    default:
        // Only lists and owned records are released. Every other payload is dropped unread:
        // the embedded members, the reserved codes and the records a value never owns (the
        // property-reference run, 91, and the service records, 150..152) are never made by
        // initialise; a host that holds one points it at a record of its own and keeps it.
        switch (storage_of(type)) {
        case Storage::List:
            release_list(value->payload.list, scope);
            break;
        case Storage::Record:
            if (value->payload.record == nullptr) break;
            if (!has_flag(type, kPlain)) release_record_parts(type, value->payload.record, scope);
            std::free(value->payload.record);
            break;
        default:
            break;
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
BACNAPI_API int32_t bacnapi_ClearGetAlarmSummaryAck(BACnetDataType* value) { return bacnapi_ClearBACnetDataType(value); }
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryAck(BACnetDataType* value) { return bacnapi_ClearBACnetDataType(value); }
BACNAPI_API int32_t bacnapi_ClearGetEventInformationAck(BACnetDataType* value) { return bacnapi_ClearBACnetDataType(value); }

// The priority array and the event time stamps are list values: their elements, the slot storage
// and the list record go, and the value is left Null. A value of another type passed here is
// cleared by its own type rather than read as a list.
BACNAPI_API int32_t bacnapi_ClearBACnetPriorityArray(BACnetDataType* value) { return bacnapi_ClearBACnetDataType(value); }
BACNAPI_API int32_t bacnapi_ClearBACnetEventTimeStamps(BACnetDataType* value) { return bacnapi_ClearBACnetDataType(value); }

BACNAPI_API int32_t bacnapi_ClearArray(BACnetValueList* list)
{
    bacnapi::ClearScope scope;
    bacnapi::clear_array_at(list, scope);
    bacnapi::finish_clear(scope);
    return BACNAPI_S_OK;
}

} // extern "C"
