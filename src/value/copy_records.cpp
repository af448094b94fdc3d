// Record copies: the dispatch by type code, and the copies of the records that own at most a
// nested value or a string each. The logs, the parameter choices and the read-access records
// have files of their own.
#include "copy_internal.h"
#include "record_size.h"
#include "type_catalogue.h"
#include "value_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

// Calls the typed record copy f on untyped record pointers (with the nesting scope when the
// record holds nested values).
template <class Record>
int32_t dispatch(int32_t (*f)(Record*, const Record*), void* d, const void* s, NestingScope&)
{
    return f(static_cast<Record*>(d), static_cast<const Record*>(s));
}

template <class Record>
int32_t dispatch(int32_t (*f)(Record*, const Record*, NestingScope&), void* d, const void* s, NestingScope& nest)
{
    return f(static_cast<Record*>(d), static_cast<const Record*>(s), nest);
}

} // namespace

bool is_plain_record(int32_t type) { return has_flag(type, kPlain); }

int32_t copy_record(int32_t type, void* d, const void* s)
{
    NestingScope nest;
    const int32_t status = copy_record(type, d, s, nest);
    return status == BACNAPI_S_OK && nest.exceeded ? BACNAPI_E_NOTSUPPORTED : status;
}

int32_t copy_record(int32_t type, void* d, const void* s, NestingScope& nest)
{
    if (d == nullptr || s == nullptr) return BACNAPI_E_INVALIDARG;
    if (is_plain_record(type)) return copy_plain(d, s, record_size_of(type));
    switch (type) {
    case BACNAPI_TYPE_BACnetTimeValue: return dispatch(copy_time_value, d, s, nest);
    case BACNAPI_TYPE_BACnetActionCommand: return dispatch(copy_action_command, d, s, nest);
    case BACNAPI_TYPE_BACnetSessionKey: return dispatch(copy_session_key, d, s, nest);
    case BACNAPI_TYPE_BACnetRecipient: return dispatch(copy_recipient, d, s, nest);
    case BACNAPI_TYPE_BACnetRecipientProcess: return dispatch(copy_recipient_process, d, s, nest);
    case BACNAPI_TYPE_BACnetLogRecord: return dispatch(copy_log_record, d, s, nest);
    case BACNAPI_TYPE_ReadAccessSpecification: return dispatch(copy_read_access_specification, d, s, nest);
    case BACNAPI_TYPE_WriteAccessSpecification: return dispatch(copy_write_access_specification, d, s, nest);
    case BACNAPI_TYPE_ReadAccessResult: return dispatch(copy_read_access_result, d, s, nest);
    case BACNAPI_TYPE_ReadAccessPropertyValue: return dispatch(copy_read_access_property_value, d, s, nest);
    case BACNAPI_TYPE_BACnetDestination: return dispatch(copy_destination, d, s, nest);
    case BACNAPI_TYPE_BACnetDailySchedule: return dispatch(copy_daily_schedule, d, s, nest);
    case BACNAPI_TYPE_BACnetSpecialEvent: return dispatch(copy_special_event, d, s, nest);
    case BACNAPI_TYPE_BACnetPriorityValue: return dispatch(copy_priority_value, d, s, nest);
    case BACNAPI_TYPE_BACnetPropertyValue: return dispatch(copy_property_value, d, s, nest);
    case BACNAPI_TYPE_BACnetEventParameter: return dispatch(copy_event_parameter, d, s, nest);
    case BACNAPI_TYPE_BACnetNotificationParameters: return dispatch(copy_notification_parameters, d, s, nest);
    case BACNAPI_TYPE_BACnetObjectPropertyValue: return dispatch(copy_object_property_value, d, s, nest);
    case BACNAPI_TYPE_BACnetNestedValue: return dispatch(copy_nested_value, d, s, nest);
    case BACNAPI_TYPE_BACnetActionList: return dispatch(copy_action_list, d, s, nest);
    case BACNAPI_TYPE_SequenceOfReadAccessSpecification:
        return dispatch(copy_read_access_specification_sequence, d, s, nest);
    case BACNAPI_TYPE_SequenceOfReadAccessResult: return dispatch(copy_read_access_result_sequence, d, s, nest);
    case BACNAPI_TYPE_SequenceOfBACnetPropertyReference: return dispatch(copy_property_reference_sequence, d, s, nest);
    case BACNAPI_TYPE_BACnetConstructed: return dispatch(copy_constructed, d, s, nest);
    case BACNAPI_TYPE_EventSummaryElement: return dispatch(copy_event_summary_element, d, s, nest);
    case BACNAPI_TYPE_BACnetDeviceObjectPropertyValue: return dispatch(copy_device_object_property_value, d, s, nest);
    case BACNAPI_TYPE_BACnetEventLogRecord: return dispatch(copy_event_log_record, d, s, nest);
    case BACNAPI_TYPE_BACnetLogData: return dispatch(copy_log_data, d, s, nest);
    case BACNAPI_TYPE_BACnetLogMultipleRecord: return dispatch(copy_log_multiple_record, d, s, nest);
    case BACNAPI_TYPE_BACnetLogDataElement: return dispatch(copy_log_data_element, d, s, nest);
    case BACNAPI_TYPE_BACnetShedLevel: return dispatch(copy_shed_level, d, s, nest);
    case BACNAPI_TYPE_ReadAccessResultList: return dispatch(copy_read_access_result_list, d, s, nest);
    case BACNAPI_TYPE_ReadPropertyMultipleAck: {
        auto* dst = static_cast<ReadPropertyMultipleAck*>(d);
        const auto* src = static_cast<const ReadPropertyMultipleAck*>(s);
        return copy_read_access_result_sequence(&dst->listOfReadAccessResults, &src->listOfReadAccessResults, nest);
    }
    default:
        return BACNAPI_E_NOTSUPPORTED;
    }
}

int32_t copy_plain(void* dst, const void* src, size_t size)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst != src) std::memcpy(dst, src, size);
    return BACNAPI_S_OK;
}

int32_t copy_recipient(BACnetRecipient* dst, const BACnetRecipient* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    std::memset(dst, 0, sizeof(*dst));
    dst->choice = src->choice;
    if (src->choice == 0) dst->value.device = src->value.device;
    else if (src->choice == 1) dst->value.address = src->value.address;
    return BACNAPI_S_OK; // an unknown alternative keeps only its number
}

int32_t copy_recipient_process(BACnetRecipientProcess* dst, const BACnetRecipientProcess* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    std::memset(dst, 0, sizeof(*dst));
    dst->present = src->present;
    dst->processIdentifier = src->processIdentifier;
    return copy_recipient(&dst->recipient, &src->recipient);
}

int32_t copy_shed_level(BACnetShedLevel* dst, const BACnetShedLevel* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    std::memset(dst, 0, sizeof(*dst));
    dst->choice = src->choice;
    if (src->choice >= 0 && src->choice <= 2) dst->value = src->value;
    return BACNAPI_S_OK;
}

int32_t copy_time_value(BACnetTimeValue* dst, const BACnetTimeValue* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetTimeValue(dst);
    dst->time = src->time;
    return copy_nested(&dst->value, &src->value, nest);
}

int32_t copy_action_command(BACnetActionCommand* dst, const BACnetActionCommand* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetActionCommand(dst);
    *dst = *src;
    dst->propertyValue = BACnetDataType{}; // the source's value is duplicated below, never shared
    return copy_nested(&dst->propertyValue, &src->propertyValue, nest);
}

int32_t copy_session_key(BACnetSessionKey* dst, const BACnetSessionKey* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetSessionKey(dst);
    copy_octets(&dst->sessionKey, &src->sessionKey);
    dst->peerAddress = src->peerAddress;
    return BACNAPI_S_OK;
}

int32_t copy_write_access_specification(WriteAccessSpecification* dst, const WriteAccessSpecification* src,
                                        NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearWriteAccessSpecification(dst);
    // A list that cannot be copied is left Null; the WriteAccessSpecification copy itself still succeeds.
    (void)copy_nested(&dst->listOfProperties, &src->listOfProperties, nest);
    dst->objectIdentifier = src->objectIdentifier;
    return BACNAPI_S_OK;
}

int32_t copy_destination(BACnetDestination* dst, const BACnetDestination* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetDestination(dst);
    copy_bits(&dst->validDays, &src->validDays);
    dst->fromTime = src->fromTime;
    dst->toTime = src->toTime;
    dst->processIdentifier = src->processIdentifier;
    dst->issueConfirmedNotifications = src->issueConfirmedNotifications;
    copy_bits(&dst->transitions, &src->transitions);
    return copy_recipient(&dst->recipient, &src->recipient);
}

int32_t copy_daily_schedule(BACnetDailySchedule* dst, const BACnetDailySchedule* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetDailySchedule(dst);
    return copy_nested(&dst->daySchedule, &src->daySchedule, nest);
}

int32_t copy_special_event(BACnetSpecialEvent* dst, const BACnetSpecialEvent* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetSpecialEvent(dst);
    dst->eventPriority = src->eventPriority;
    const int32_t status = copy_nested(&dst->listOfTimeValues, &src->listOfTimeValues, nest);
    if (status != BACNAPI_S_OK) return status;
    dst->periodChoice = src->periodChoice;
    switch (src->periodChoice) {
    case 0: dst->period.calendarEntry = src->period.calendarEntry; return BACNAPI_S_OK;
    case 1: dst->period.calendarReference = src->period.calendarReference; return BACNAPI_S_OK;
    default: return BACNAPI_E_NOTSUPPORTED;
    }
}

int32_t copy_priority_value(BACnetPriorityValue* dst, const BACnetPriorityValue* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetPriorityValue(dst);
    if (src->kind >= 0 && src->kind <= 4) {
        dst->kind = src->kind;
        std::memcpy(&dst->value, &src->value, 4);
        return BACNAPI_S_OK;
    }
    if (src->kind == 5) {
        dst->kind = 5;
        return copy_nested(&dst->value.constructedValue, &src->value.constructedValue, nest);
    }
    return BACNAPI_E_INVALIDARG;
}

int32_t copy_property_value(BACnetPropertyValue* dst, const BACnetPropertyValue* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetPropertyValue(dst);
    dst->propertyIdentifier = src->propertyIdentifier;
    dst->propertyArrayIndex = src->propertyArrayIndex;
    dst->priority = src->priority;
    return copy_nested(&dst->value, &src->value, nest);
}

int32_t copy_object_property_value(BACnetObjectPropertyValue* dst, const BACnetObjectPropertyValue* src,
                                   NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetObjectPropertyValue(dst);
    dst->objectIdentifier = src->objectIdentifier;
    dst->propertyIdentifier = src->propertyIdentifier;
    dst->propertyArrayIndex = src->propertyArrayIndex;
    dst->priority = src->priority;
    return copy_nested(&dst->value, &src->value, nest);
}

int32_t copy_nested_value(BACnetNestedValue* dst, const BACnetNestedValue* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    clear_value(&dst->value);
    return copy_nested(&dst->value, &src->value, nest);
}

int32_t copy_action_list(BACnetActionList* dst, const BACnetActionList* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetActionList(dst);
    return copy_nested(&dst->action, &src->action, nest);
}

int32_t copy_constructed(BACnetConstructed* dst, const BACnetConstructed* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetConstructed(dst);
    dst->leadingField = src->leadingField;
    (void)copy_nested(&dst->value, &src->value, nest); // a value that cannot be copied stays Null
    return BACNAPI_S_OK;
}

int32_t copy_event_summary_element(EventSummaryElement* dst, const EventSummaryElement* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetEventSummaryElement(dst);
    dst->objectIdentifier = src->objectIdentifier;
    dst->eventState = src->eventState;
    dst->notifyType = src->notifyType;
    copy_bits(&dst->acknowledgedTransitions, &src->acknowledgedTransitions);
    copy_bits(&dst->eventEnable, &src->eventEnable);
    // The two lists are copied as far as they can be; their statuses are not reported.
    (void)copy_nested(&dst->eventTimeStamps, &src->eventTimeStamps, nest);
    (void)copy_nested(&dst->eventPriorities, &src->eventPriorities, nest);
    return BACNAPI_S_OK;
}

int32_t copy_device_object_property_value(BACnetDeviceObjectPropertyValue* dst,
                                          const BACnetDeviceObjectPropertyValue* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetDeviceObjectPropertyValue(dst);
    dst->deviceIdentifier = src->deviceIdentifier;
    dst->objectIdentifier = src->objectIdentifier;
    dst->propertyIdentifier = src->propertyIdentifier;
    dst->propertyArrayIndex = src->propertyArrayIndex;
    return copy_nested(&dst->value, &src->value, nest);
}

} // namespace bacnapi
