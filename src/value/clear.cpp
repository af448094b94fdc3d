// Clear by type: releases everything a value owns, recursively, and leaves it Null.
#include "value/list_types.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {
namespace {

} // namespace

// Releases what the record of a constructed value owns (not the record itself). Records whose
// members are all inline (addresses, dates, identifiers, numbers) own nothing and fall through.
void release_record_parts(int32_t type, void* record)
{
    switch (type) {
    case BACNAPI_TYPE_BACnetTimeValue:
        clear_value(&static_cast<BACnetTimeValue*>(record)->value);
        break;
    case BACNAPI_TYPE_BACnetNestedValue:
        clear_value(&static_cast<BACnetNestedValue*>(record)->value);
        break;
    case BACNAPI_TYPE_BACnetDailySchedule:
        clear_value(&static_cast<BACnetDailySchedule*>(record)->daySchedule);
        break;
    case BACNAPI_TYPE_BACnetConstructed:
        bacnapi_ClearBACnetConstructed(static_cast<BACnetConstructed*>(record));
        break;
    case BACNAPI_TYPE_BACnetObjectPropertyValue:
        clear_value(&static_cast<BACnetObjectPropertyValue*>(record)->value);
        break;
    case BACNAPI_TYPE_BACnetActionCommand:
        bacnapi_ClearBACnetActionCommand(static_cast<BACnetActionCommand*>(record));
        break;
    case BACNAPI_TYPE_BACnetSessionKey:
        bacnapi_ClearBACnetSessionKey(static_cast<BACnetSessionKey*>(record));
        break;
    case BACNAPI_TYPE_BACnetLogRecord:
        bacnapi_ClearBACnetLogRecord(static_cast<BACnetLogRecord*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessSpecification:
        bacnapi_ClearReadAccessSpecification(static_cast<ReadAccessSpecification*>(record));
        break;
    case BACNAPI_TYPE_WriteAccessSpecification:
        bacnapi_ClearWriteAccessSpecification(static_cast<WriteAccessSpecification*>(record));
        break;
    case BACNAPI_TYPE_AlarmSummaryAckElement:
        bacnapi_ClearAlarmSummaryAckElement(static_cast<AlarmSummaryAckElement*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessResult:
        bacnapi_ClearReadAccessResult(static_cast<ReadAccessResult*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessPropertyValue:
        bacnapi_ClearReadAccessPropertyValue(static_cast<ReadAccessPropertyValue*>(record));
        break;
    case BACNAPI_TYPE_BACnetDestination:
        bacnapi_ClearBACnetDestination(static_cast<BACnetDestination*>(record));
        break;
    case BACNAPI_TYPE_BACnetSpecialEvent:
        bacnapi_ClearBACnetSpecialEvent(static_cast<BACnetSpecialEvent*>(record));
        break;
    case BACNAPI_TYPE_BACnetPriorityValue:
        bacnapi_ClearBACnetPriorityValue(static_cast<BACnetPriorityValue*>(record));
        break;
    case BACNAPI_TYPE_BACnetPropertyValue:
        bacnapi_ClearBACnetPropertyValue(static_cast<BACnetPropertyValue*>(record));
        break;
    case BACNAPI_TYPE_BACnetEventParameter:
        bacnapi_ClearBACnetEventParameter(static_cast<BACnetEventParameter*>(record));
        break;
    case BACNAPI_TYPE_BACnetNotificationParameters:
        bacnapi_ClearBACnetNotificationParameters(static_cast<BACnetNotificationParameters*>(record));
        break;
    case BACNAPI_TYPE_BACnetSelectionCriteria:
        bacnapi_ClearBACnetSelectionCriteria(static_cast<BACnetSelectionCriteria*>(record));
        break;
    case BACNAPI_TYPE_BACnetActionList:
        bacnapi_ClearBACnetActionList(static_cast<BACnetActionList*>(record));
        break;
    case BACNAPI_TYPE_SequenceOfReadAccessSpecification:
        bacnapi_ClearSequenceOfReadAccessSpecification(static_cast<SequenceOfReadAccessSpecification*>(record));
        break;
    case BACNAPI_TYPE_SequenceOfReadAccessResult:
        bacnapi_ClearSequenceOfReadAccessResult(static_cast<SequenceOfReadAccessResult*>(record));
        break;
    case BACNAPI_TYPE_EventSummaryElement:
        bacnapi_ClearBACnetEventSummaryElement(static_cast<EventSummaryElement*>(record));
        break;
    case BACNAPI_TYPE_BACnetDeviceObjectPropertyValue:
        bacnapi_ClearBACnetDeviceObjectPropertyValue(static_cast<BACnetDeviceObjectPropertyValue*>(record));
        break;
    case BACNAPI_TYPE_BACnetEventLogRecord:
        bacnapi_ClearBACnetEventLogRecord(static_cast<BACnetEventLogRecord*>(record));
        break;
    case BACNAPI_TYPE_BACnetLogData:
        bacnapi_ClearBACnetLogData(static_cast<BACnetLogData*>(record));
        break;
    case BACNAPI_TYPE_BACnetLogMultipleRecord:
        bacnapi_ClearBACnetLogMultipleRecord(static_cast<BACnetLogMultipleRecord*>(record));
        break;
    case BACNAPI_TYPE_BACnetLogDataElement:
        bacnapi_ClearBACnetLogDataElement(static_cast<BACnetLogDataElement*>(record));
        break;
    default:
        break;
    }
}

namespace {

// True for the constructed codes whose value owns a heap record that clear releases. The
// embedded members (34, 35, 66), the reserved codes, the property-reference run (91) and every
// code from 126 up are left alone: their payload is dropped without being read. Initialise never
// creates values of these codes; a host that holds one points it at a record of its own (to
// write it as brace text, say) and keeps that record.
bool owns_record(int32_t type)
{
    if (type < 21 || type > 125) return false;
    switch (type) {
    case 34: case 35: case 66: case 67: case 68: case 85: case 86: case 91:
    case 99: case 100: case 108: case 109: case 115:
        return false;
    default:
        return true;
    }
}

// Releases a list value's list: the elements, the slot storage, then the list record.
void release_list(BACnetValueList* list)
{
    if (list == nullptr) return;
    bacnapi_ClearArray(list);
    std::free(list);
}

} // namespace

void clear_value(BACnetDataType* value)
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
        if (is_list_type(type)) {
            release_list(value->payload.list);
        } else if (owns_record(type) && value->payload.record != nullptr) {
            release_record_parts(type, value->payload.record);
            std::free(value->payload.record);
        }
        break;
    }
    std::memset(value, 0, sizeof *value);
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
    if (list == nullptr) return BACNAPI_S_OK;
    if (list->elements != nullptr) {
        // Only the slots that exist are read, even if the count claims more.
        const uint32_t used = list->count < list->capacity ? list->count : list->capacity;
        for (uint32_t i = 0; i < used; ++i) bacnapi::clear_value(&list->elements[i]);
        std::free(list->elements);
    }
    list->elements = nullptr;
    list->capacity = 0;
    list->count = 0;
    return BACNAPI_S_OK;
}

} // extern "C"
