// Equality and order of the constructed records (codes 21 to 124).
//
// Most records are compared only on the fields that identify them; the rest of the record is
// ignored. Choice records compare their selectors first and then the alternative the selector
// names; an alternative without a rule cannot be compared (-1).
#include "compare_internal.h"

namespace bacnapi {
namespace compare {
namespace {

template <typename Record>
const Record& as(const void* record)
{
    return *static_cast<const Record*>(record);
}

// Choice selectors are ordered as signed or as unsigned numbers depending on the record.
int32_t signed_selector(int32_t a, int32_t b) { return order(a, b); }
int32_t unsigned_selector(int32_t a, int32_t b)
{
    return as_unsigned(static_cast<uint32_t>(a), static_cast<uint32_t>(b));
}

// The address is compared as the octets it is stored in, padding and unused MAC octets included.
static_assert(sizeof(BACnetAddress) == 12, "an address is compared as twelve stored octets");
int32_t address(const BACnetAddress& a, const BACnetAddress& b) { return bytes(&a, &b, sizeof a); }

int32_t date_range(const BACnetDateRange& a, const BACnetDateRange& b)
{
    return first_difference({date(a.startDate, b.startDate), date(a.endDate, b.endDate)});
}

int32_t week_n_day(const BACnetWeekNDay& a, const BACnetWeekNDay& b)
{
    return first_difference(
        {order(a.month, b.month), order(a.weekOfMonth, b.weekOfMonth), order(a.dayOfWeek, b.dayOfWeek)});
}

int32_t calendar_entry(const BACnetCalendarEntry& a, const BACnetCalendarEntry& b)
{
    if (int32_t r = signed_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return date(a.date, b.date);
    case 1: return date_range(a.dateRange, b.dateRange);
    case 2: return week_n_day(a.weekNDay, b.weekNDay);
    default: return -1;
    }
}

int32_t time_value(const BACnetTimeValue& a, const BACnetTimeValue& b, NestingScope& nest)
{
    if (int32_t r = time(a.time, b.time)) return r;
    return compare_nested(&a.value, &b.value, nest);
}

int32_t time_stamp(const BACnetTimeStamp& a, const BACnetTimeStamp& b)
{
    if (int32_t r = unsigned_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return time(a.value.time, b.value.time);
    case 1: return as_unsigned(a.value.sequenceNumber, b.value.sequenceNumber);
    case 2: return date_time(a.value.dateTime, b.value.dateTime);
    default: return -1;
    }
}

int32_t action_command(const BACnetActionCommand& a, const BACnetActionCommand& b)
{
    return first_difference({object_identifier(a.deviceIdentifier, b.deviceIdentifier),
                             object_identifier(a.objectIdentifier, b.objectIdentifier),
                             as_signed(a.propertyIdentifier, b.propertyIdentifier)});
}

int32_t session_key(const BACnetSessionKey& a, const BACnetSessionKey& b)
{
    const BACnetOctetString& ka = a.sessionKey;
    const BACnetOctetString& kb = b.sessionKey;
    if (int32_t r = order(ka.length, kb.length)) return r;
    if (ka.length > 0) {
        if (ka.data == nullptr || kb.data == nullptr) return -1;
        if (int32_t r = bytes(ka.data, kb.data, ka.length)) return r;
    }
    return address(a.peerAddress, b.peerAddress);
}

int32_t recipient(const BACnetRecipient& a, const BACnetRecipient& b)
{
    if (int32_t r = signed_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return object_identifier(a.value.device, b.value.device);
    case 1: return address(a.value.address, b.value.address);
    default: return -1; // includes "no recipient"
    }
}

int32_t recipient_process(const BACnetRecipientProcess& a, const BACnetRecipientProcess& b)
{
    if (int32_t r = first_difference(
            {order(a.present, b.present), as_unsigned(a.processIdentifier, b.processIdentifier)}))
        return r;
    return recipient(a.recipient, b.recipient);
}

int32_t object_property_reference(const BACnetObjectPropertyReference& a, const BACnetObjectPropertyReference& b)
{
    return first_difference({object_identifier(a.objectIdentifier, b.objectIdentifier),
                             as_signed(a.propertyIdentifier, b.propertyIdentifier),
                             as_signed(a.propertyArrayIndex, b.propertyArrayIndex)});
}

int32_t destination(const BACnetDestination& a, const BACnetDestination& b)
{
    if (int32_t r = recipient(a.recipient, b.recipient)) return r;
    return as_unsigned(a.processIdentifier, b.processIdentifier);
}

// A calendar-entry period is compared as a calendar entry and nothing more, so the day of week of
// its dates is ignored as in every other date.
int32_t special_event(const BACnetSpecialEvent& a, const BACnetSpecialEvent& b, NestingScope& nest)
{
    if (int32_t r = signed_selector(a.periodChoice, b.periodChoice)) return r;
    int32_t r = -1;
    switch (a.periodChoice) {
    case 0: r = calendar_entry(a.period.calendarEntry, b.period.calendarEntry); break;
    case 1: r = object_identifier(a.period.calendarReference, b.period.calendarReference); break;
    default: return -1;
    }
    if (r != 0) return r;
    if ((r = compare_nested(&a.listOfTimeValues, &b.listOfTimeValues, nest)) != 0) return r;
    return as_unsigned(a.eventPriority, b.eventPriority);
}

int32_t priority_value(const BACnetPriorityValue& a, const BACnetPriorityValue& b, NestingScope& nest)
{
    if (int32_t r = unsigned_selector(a.kind, b.kind)) return r;
    switch (a.kind) {
    case 0: return 0;
    case 1: return real(a.value.real, b.value.real);
    case 2: case 3: case 4: return as_unsigned(a.value.unsignedValue, b.value.unsignedValue);
    case 5: return compare_nested(&a.value.constructedValue, &b.value.constructedValue, nest);
    default: return -1;
    }
}

int32_t property_value(const BACnetPropertyValue& a, const BACnetPropertyValue& b, NestingScope& nest)
{
    if (int32_t r = first_difference({as_unsigned(a.priority, b.priority),
                                      as_signed(a.propertyArrayIndex, b.propertyArrayIndex),
                                      as_unsigned(a.propertyIdentifier, b.propertyIdentifier)}))
        return r;
    return compare_nested(&a.value, &b.value, nest);
}

// Selector and value as the eight octets they are stored in.
static_assert(sizeof(BACnetPropertyStates) == 8, "property states are compared as eight stored octets");
int32_t property_states(const BACnetPropertyStates& a, const BACnetPropertyStates& b)
{
    return bytes(&a, &b, sizeof a);
}

int32_t selection_criteria(const BACnetSelectionCriteria& a, const BACnetSelectionCriteria& b, NestingScope& nest)
{
    if (int32_t r = first_difference({as_unsigned(a.propertyIdentifier, b.propertyIdentifier),
                                      as_signed(a.propertyArrayIndex, b.propertyArrayIndex),
                                      as_unsigned(a.relationSpecifier, b.relationSpecifier)}))
        return r;
    return compare_nested(&a.comparisonValue, &b.comparisonValue, nest);
}

int32_t client_cov(const BACnetClientCOV& a, const BACnetClientCOV& b)
{
    if (int32_t r = unsigned_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return real(a.value.realIncrement, b.value.realIncrement);
    case 1: return as_unsigned(a.value.defaultIncrement, b.value.defaultIncrement);
    default: return -1;
    }
}

int32_t object_property_value(const BACnetObjectPropertyValue& a, const BACnetObjectPropertyValue& b)
{
    return first_difference({object_identifier(a.objectIdentifier, b.objectIdentifier),
                             as_signed(a.propertyIdentifier, b.propertyIdentifier),
                             as_signed(a.propertyArrayIndex, b.propertyArrayIndex)});
}

int32_t constructed(const BACnetConstructed& a, const BACnetConstructed& b, NestingScope& nest)
{
    if (int32_t r = as_unsigned(a.leadingField, b.leadingField)) return r;
    return compare_nested(&a.value, &b.value, nest);
}

int32_t cov_subscription(const BACnetCOVSubscription& a, const BACnetCOVSubscription& b)
{
    if (int32_t r = recipient_process(a.recipient, b.recipient)) return r;
    return object_property_reference(a.monitoredPropertyReference, b.monitoredPropertyReference);
}

// Only the first value's selector is looked at: the second is read as the same alternative.
int32_t scale(const BACnetScale& a, const BACnetScale& b)
{
    switch (a.choice) {
    case 0: return real(a.value.floatScale, b.value.floatScale);
    case 1: return as_unsigned(a.value.integerScale, b.value.integerScale);
    default: return -1;
    }
}

int32_t accumulator_record(const BACnetAccumulatorRecord& a, const BACnetAccumulatorRecord& b)
{
    if (int32_t r = date_time(a.timestamp, b.timestamp)) return r;
    return first_difference({as_unsigned(a.presentValue, b.presentValue),
                             as_unsigned(a.accumulatedValue, b.accumulatedValue)});
}

int32_t device_object_property_value(const BACnetDeviceObjectPropertyValue& a,
                                     const BACnetDeviceObjectPropertyValue& b, NestingScope& nest)
{
    if (int32_t r = first_difference({object_identifier(a.deviceIdentifier, b.deviceIdentifier),
                                      object_identifier(a.objectIdentifier, b.objectIdentifier),
                                      as_signed(a.propertyIdentifier, b.propertyIdentifier),
                                      as_signed(a.propertyArrayIndex, b.propertyArrayIndex)}))
        return r;
    return compare_nested(&a.value, &b.value, nest);
}

int32_t setpoint_reference(const BACnetSetpointReference& a, const BACnetSetpointReference& b)
{
    if (a.present == 0 || b.present == 0) return -1;
    return object_property_reference(a.setpointReference, b.setpointReference);
}

// A logged notification has no comparison.
int32_t event_log_record(const BACnetEventLogRecord& a, const BACnetEventLogRecord& b)
{
    if (int32_t r = date_time(a.timestamp, b.timestamp)) return r;
    if (int32_t r = unsigned_selector(a.logDatumChoice, b.logDatumChoice)) return r;
    switch (a.logDatumChoice) {
    case 0: return bit_string(a.logDatum.logStatus, b.logDatum.logStatus);
    case 2: return real(a.logDatum.timeChange, b.logDatum.timeChange);
    default: return -1;
    }
}

int32_t log_data(const BACnetLogData& a, const BACnetLogData& b, NestingScope& nest)
{
    if (int32_t r = unsigned_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return bit_string(a.value.logStatus, b.value.logStatus);
    case 1: return compare_nested(&a.value.logData, &b.value.logData, nest);
    case 2: return real(a.value.timeChange, b.value.timeChange);
    default: return -1;
    }
}

int32_t log_multiple_record(const BACnetLogMultipleRecord& a, const BACnetLogMultipleRecord& b, NestingScope& nest)
{
    if (int32_t r = date_time(a.timestamp, b.timestamp)) return r;
    return log_data(a.logData, b.logData, nest);
}

int32_t log_data_element(const BACnetLogDataElement& a, const BACnetLogDataElement& b, NestingScope& nest)
{
    if (int32_t r = signed_selector(a.choice, b.choice)) return r;
    const auto& va = a.value;
    const auto& vb = b.value;
    switch (a.choice) {
    case 0: return order(va.booleanValue, vb.booleanValue);
    case 1: return real(va.realValue, vb.realValue);
    case 2: case 3: case 6: return as_unsigned(va.unsignedValue, vb.unsignedValue); // 6: the stored word
    case 4: return order(va.signedValue, vb.signedValue);
    case 5: return bit_string(va.bitstringValue, vb.bitstringValue);
    case 7:
        return first_difference({as_signed(va.failure.errorClass, vb.failure.errorClass),
                                 as_signed(va.failure.errorCode, vb.failure.errorCode)});
    case 8: return compare_nested(&va.anyValue, &vb.anyValue, nest);
    default: return -1;
    }
}

int32_t shed_level(const BACnetShedLevel& a, const BACnetShedLevel& b)
{
    if (int32_t r = unsigned_selector(a.choice, b.choice)) return r;
    switch (a.choice) {
    case 0: return as_unsigned(a.value.percent, b.value.percent);
    case 1: return as_unsigned(a.value.level, b.value.level);
    case 2: return real(a.value.amount, b.value.amount);
    default: return -1;
    }
}

int32_t device_object_reference(const BACnetDeviceObjectReference& a, const BACnetDeviceObjectReference& b)
{
    return first_difference({object_identifier(a.deviceIdentifier, b.deviceIdentifier),
                             object_identifier(a.objectIdentifier, b.objectIdentifier)});
}

} // namespace

int32_t record(int32_t type, const void* a, const void* b, NestingScope& nest)
{
    switch (type) {
    case BACNAPI_TYPE_BACnetAddress: return address(as<BACnetAddress>(a), as<BACnetAddress>(b));
    case BACNAPI_TYPE_BACnetDateTime: return date_time(as<BACnetDateTime>(a), as<BACnetDateTime>(b));
    case BACNAPI_TYPE_BACnetCalendarEntry:
        return calendar_entry(as<BACnetCalendarEntry>(a), as<BACnetCalendarEntry>(b));
    case BACNAPI_TYPE_BACnetDateRange: return date_range(as<BACnetDateRange>(a), as<BACnetDateRange>(b));
    case BACNAPI_TYPE_BACnetWeekNDay: return week_n_day(as<BACnetWeekNDay>(a), as<BACnetWeekNDay>(b));
    case BACNAPI_TYPE_BACnetTimeValue: return time_value(as<BACnetTimeValue>(a), as<BACnetTimeValue>(b), nest);
    case BACNAPI_TYPE_BACnetTimeStamp: return time_stamp(as<BACnetTimeStamp>(a), as<BACnetTimeStamp>(b));
    case BACNAPI_TYPE_BACnetActionCommand:
        return action_command(as<BACnetActionCommand>(a), as<BACnetActionCommand>(b));
    case BACNAPI_TYPE_BACnetSessionKey: return session_key(as<BACnetSessionKey>(a), as<BACnetSessionKey>(b));
    case BACNAPI_TYPE_BACnetRecipient: return recipient(as<BACnetRecipient>(a), as<BACnetRecipient>(b));
    case BACNAPI_TYPE_BACnetRecipientProcess:
        return recipient_process(as<BACnetRecipientProcess>(a), as<BACnetRecipientProcess>(b));
    case BACNAPI_TYPE_BACnetAddressBinding:
        return as_signed(as<BACnetAddressBinding>(a).deviceObjectIdentifier.instance,
                         as<BACnetAddressBinding>(b).deviceObjectIdentifier.instance);
    case BACNAPI_TYPE_BACnetObjectPropertyReference:
        return object_property_reference(as<BACnetObjectPropertyReference>(a),
                                         as<BACnetObjectPropertyReference>(b));
    case BACNAPI_TYPE_BACnetDeviceObjectPropertyReference:
        return device_object_property_reference(as<BACnetDeviceObjectPropertyReference>(a),
                                                as<BACnetDeviceObjectPropertyReference>(b));
    case BACNAPI_TYPE_BACnetLogRecord:
        return date_time(as<BACnetLogRecord>(a).timestamp, as<BACnetLogRecord>(b).timestamp);
    case BACNAPI_TYPE_BACnetDestination:
        return destination(as<BACnetDestination>(a), as<BACnetDestination>(b));
    case BACNAPI_TYPE_BACnetDailySchedule:
        return compare_nested(&as<BACnetDailySchedule>(a).daySchedule, &as<BACnetDailySchedule>(b).daySchedule, nest);
    case BACNAPI_TYPE_BACnetSpecialEvent:
        return special_event(as<BACnetSpecialEvent>(a), as<BACnetSpecialEvent>(b), nest);
    case BACNAPI_TYPE_BACnetPriorityValue:
        return priority_value(as<BACnetPriorityValue>(a), as<BACnetPriorityValue>(b), nest);
    case BACNAPI_TYPE_BACnetPropertyValue:
        return property_value(as<BACnetPropertyValue>(a), as<BACnetPropertyValue>(b), nest);
    case BACNAPI_TYPE_BACnetPropertyStates:
        return property_states(as<BACnetPropertyStates>(a), as<BACnetPropertyStates>(b));
    case BACNAPI_TYPE_BACnetEventParameter:
        return event_parameter(as<BACnetEventParameter>(a), as<BACnetEventParameter>(b), nest);
    case BACNAPI_TYPE_BACnetNotificationParameters:
        return notification_parameters(as<BACnetNotificationParameters>(a), as<BACnetNotificationParameters>(b), nest);
    case BACNAPI_TYPE_BACnetSelectionCriteria:
        return selection_criteria(as<BACnetSelectionCriteria>(a), as<BACnetSelectionCriteria>(b), nest);
    case BACNAPI_TYPE_BACnetClientCOV: return client_cov(as<BACnetClientCOV>(a), as<BACnetClientCOV>(b));
    case BACNAPI_TYPE_BACnetObjectPropertyValue:
        return object_property_value(as<BACnetObjectPropertyValue>(a), as<BACnetObjectPropertyValue>(b));
    case BACNAPI_TYPE_BACnetActionList:
        return compare_nested(&as<BACnetActionList>(a).action, &as<BACnetActionList>(b).action, nest);
    case BACNAPI_TYPE_BACnetConstructed: return constructed(as<BACnetConstructed>(a), as<BACnetConstructed>(b), nest);
    case BACNAPI_TYPE_BACnetCOVSubscription:
        return cov_subscription(as<BACnetCOVSubscription>(a), as<BACnetCOVSubscription>(b));
    case BACNAPI_TYPE_BACnetScale: return scale(as<BACnetScale>(a), as<BACnetScale>(b));
    case BACNAPI_TYPE_BACnetPrescale: {
        const auto& pa = as<BACnetPrescale>(a);
        const auto& pb = as<BACnetPrescale>(b);
        return first_difference(
            {as_unsigned(pa.multiplier, pb.multiplier), as_unsigned(pa.moduloDivide, pb.moduloDivide)});
    }
    case BACNAPI_TYPE_BACnetAccumulatorRecord:
        return accumulator_record(as<BACnetAccumulatorRecord>(a), as<BACnetAccumulatorRecord>(b));
    case BACNAPI_TYPE_EventSummaryElement:
        return object_identifier(as<EventSummaryElement>(a).objectIdentifier,
                                 as<EventSummaryElement>(b).objectIdentifier);
    case BACNAPI_TYPE_BACnetDeviceObjectPropertyValue:
        return device_object_property_value(as<BACnetDeviceObjectPropertyValue>(a),
                                            as<BACnetDeviceObjectPropertyValue>(b), nest);
    case BACNAPI_TYPE_BACnetSetpointReference:
        return setpoint_reference(as<BACnetSetpointReference>(a), as<BACnetSetpointReference>(b));
    case BACNAPI_TYPE_BACnetEventLogRecord:
        return event_log_record(as<BACnetEventLogRecord>(a), as<BACnetEventLogRecord>(b));
    case BACNAPI_TYPE_BACnetLogData: return log_data(as<BACnetLogData>(a), as<BACnetLogData>(b), nest);
    case BACNAPI_TYPE_BACnetLogMultipleRecord:
        return log_multiple_record(as<BACnetLogMultipleRecord>(a), as<BACnetLogMultipleRecord>(b), nest);
    case BACNAPI_TYPE_BACnetLogDataElement:
        return log_data_element(as<BACnetLogDataElement>(a), as<BACnetLogDataElement>(b), nest);
    case BACNAPI_TYPE_BACnetShedLevel: return shed_level(as<BACnetShedLevel>(a), as<BACnetShedLevel>(b));
    case BACNAPI_TYPE_BACnetDeviceObjectReference:
        return device_object_reference(as<BACnetDeviceObjectReference>(a), as<BACnetDeviceObjectReference>(b));
    default: return -1;
    }
}

} // namespace compare
} // namespace bacnapi
