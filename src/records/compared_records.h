// The comparison of every record that has one by table, apart from the plain records (whose
// comparisons come from their field tables): the members that identify the record, in the order
// they decide. Members not listed are not part of a record's identity. The type catalogue points
// at these; only the setpoint reference keeps a rule of its own.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/comparison.h"
#include "records/plain_fields.h"

namespace bacnapi::compared {

#define AT(Record, member) offsetof(Record, member)
#define BACNAPI_COMPARE(name, ...)                                                                                     \
    inline constexpr CompareKey name##Keys[] = {__VA_ARGS__};                                                          \
    inline constexpr Comparison name = compares(name##Keys)

// An address and property states are compared as the octets they are stored in, padding and
// unused MAC octets included.
static_assert(sizeof(BACnetAddress) == 12, "an address is compared as twelve stored octets");
static_assert(sizeof(BACnetPropertyStates) == 8, "property states are compared as eight stored octets");
BACNAPI_COMPARE(kAddress, bytes_key(0, sizeof(BACnetAddress)));
BACNAPI_COMPARE(kPropertyStates, bytes_key(0, sizeof(BACnetPropertyStates)));

// The plain records' comparisons are derived from their field tables; the ones other tables
// compare inside their records are named here.
inline constexpr const Comparison& kDateRange = *plain_comparison<plain_fields::kDateRange>;
inline constexpr const Comparison& kObjectPropertyReference = *plain_comparison<plain_fields::kObjectPropertyReference>;
inline constexpr const Comparison& kDeviceObjectPropertyReference =
    *plain_comparison<plain_fields::kDeviceObjectPropertyReference>;

BACNAPI_COMPARE(kWeekNDay, key(Key::Octet, AT(BACnetWeekNDay, month)), key(Key::Octet, AT(BACnetWeekNDay, weekOfMonth)),
                key(Key::Octet, AT(BACnetWeekNDay, dayOfWeek)));
BACNAPI_COMPARE(kCalendarEntry, key(Key::SignedSelector, AT(BACnetCalendarEntry, choice)),
                key(Key::Date, AT(BACnetCalendarEntry, date), 0),
                record_key(AT(BACnetCalendarEntry, dateRange), kDateRange, 1),
                record_key(AT(BACnetCalendarEntry, weekNDay), kWeekNDay, 2));
BACNAPI_COMPARE(kTimeValue, key(Key::Time, AT(BACnetTimeValue, time)), key(Key::Value, AT(BACnetTimeValue, value)));
BACNAPI_COMPARE(kTimeStamp, key(Key::UnsignedSelector, AT(BACnetTimeStamp, choice)),
                key(Key::Time, AT(BACnetTimeStamp, value.time), 0),
                key(Key::Unsigned, AT(BACnetTimeStamp, value.sequenceNumber), 1),
                key(Key::DateTime, AT(BACnetTimeStamp, value.dateTime), 2));
BACNAPI_COMPARE(kActionCommand, key(Key::ObjectIdentifier, AT(BACnetActionCommand, deviceIdentifier)),
                key(Key::ObjectIdentifier, AT(BACnetActionCommand, objectIdentifier)),
                key(Key::Signed, AT(BACnetActionCommand, propertyIdentifier)));
BACNAPI_COMPARE(kSessionKey, key(Key::OctetString, AT(BACnetSessionKey, sessionKey)),
                bytes_key(AT(BACnetSessionKey, peerAddress), sizeof(BACnetAddress)));
// "No recipient" and unknown alternatives cannot be compared.
BACNAPI_COMPARE(kRecipient, key(Key::SignedSelector, AT(BACnetRecipient, choice)),
                key(Key::ObjectIdentifier, AT(BACnetRecipient, value.device), 0),
                bytes_key(AT(BACnetRecipient, value.address), sizeof(BACnetAddress), 1));
BACNAPI_COMPARE(kRecipientProcess, key(Key::Octet, AT(BACnetRecipientProcess, present)),
                key(Key::Unsigned, AT(BACnetRecipientProcess, processIdentifier)),
                record_key(AT(BACnetRecipientProcess, recipient), kRecipient));
BACNAPI_COMPARE(kLogRecord, key(Key::DateTime, AT(BACnetLogRecord, timestamp)));
BACNAPI_COMPARE(kDestination, record_key(AT(BACnetDestination, recipient), kRecipient),
                key(Key::Unsigned, AT(BACnetDestination, processIdentifier)));
BACNAPI_COMPARE(kDailySchedule, key(Key::Value, AT(BACnetDailySchedule, daySchedule)));
// A calendar-entry period is compared as a calendar entry and nothing more.
BACNAPI_COMPARE(kSpecialEvent, key(Key::SignedSelector, AT(BACnetSpecialEvent, periodChoice)),
                record_key(AT(BACnetSpecialEvent, period.calendarEntry), kCalendarEntry, 0),
                key(Key::ObjectIdentifier, AT(BACnetSpecialEvent, period.calendarReference), 1),
                key(Key::Value, AT(BACnetSpecialEvent, listOfTimeValues)),
                key(Key::Unsigned, AT(BACnetSpecialEvent, eventPriority)));
BACNAPI_COMPARE(kPriorityValue, key(Key::UnsignedSelector, AT(BACnetPriorityValue, kind)), key(Key::Nothing, 0, 0),
                key(Key::Real, AT(BACnetPriorityValue, value.real), 1),
                key(Key::Unsigned, AT(BACnetPriorityValue, value.unsignedValue), 2),
                key(Key::Unsigned, AT(BACnetPriorityValue, value.unsignedValue), 3),
                key(Key::Unsigned, AT(BACnetPriorityValue, value.unsignedValue), 4),
                key(Key::Value, AT(BACnetPriorityValue, value.constructedValue), 5));
BACNAPI_COMPARE(kPropertyValue, key(Key::Unsigned, AT(BACnetPropertyValue, priority)),
                key(Key::Signed, AT(BACnetPropertyValue, propertyArrayIndex)),
                key(Key::Unsigned, AT(BACnetPropertyValue, propertyIdentifier)),
                key(Key::Value, AT(BACnetPropertyValue, value)));
BACNAPI_COMPARE(kSelectionCriteria, key(Key::Unsigned, AT(BACnetSelectionCriteria, propertyIdentifier)),
                key(Key::Signed, AT(BACnetSelectionCriteria, propertyArrayIndex)),
                key(Key::Unsigned, AT(BACnetSelectionCriteria, relationSpecifier)),
                key(Key::Value, AT(BACnetSelectionCriteria, comparisonValue)));
BACNAPI_COMPARE(kClientCOV, key(Key::UnsignedSelector, AT(BACnetClientCOV, choice)),
                key(Key::Real, AT(BACnetClientCOV, value.realIncrement), 0),
                key(Key::Unsigned, AT(BACnetClientCOV, value.defaultIncrement), 1));
BACNAPI_COMPARE(kObjectPropertyValue, key(Key::ObjectIdentifier, AT(BACnetObjectPropertyValue, objectIdentifier)),
                key(Key::Signed, AT(BACnetObjectPropertyValue, propertyIdentifier)),
                key(Key::Signed, AT(BACnetObjectPropertyValue, propertyArrayIndex)));
BACNAPI_COMPARE(kActionList, key(Key::Value, AT(BACnetActionList, action)));
BACNAPI_COMPARE(kConstructed, key(Key::Unsigned, AT(BACnetConstructed, leadingField)),
                key(Key::Value, AT(BACnetConstructed, value)));
BACNAPI_COMPARE(kCOVSubscription, record_key(AT(BACnetCOVSubscription, recipient), kRecipientProcess),
                record_key(AT(BACnetCOVSubscription, monitoredPropertyReference), kObjectPropertyReference));
// Only the first value's selector is looked at: the second is read as the same alternative.
BACNAPI_COMPARE(kScale, key(Key::UnreadSelector, AT(BACnetScale, choice)),
                key(Key::Real, AT(BACnetScale, value.floatScale), 0),
                key(Key::Unsigned, AT(BACnetScale, value.integerScale), 1));
BACNAPI_COMPARE(kEventSummaryElement, key(Key::ObjectIdentifier, AT(EventSummaryElement, objectIdentifier)));
BACNAPI_COMPARE(kDeviceObjectPropertyValue,
                key(Key::ObjectIdentifier, AT(BACnetDeviceObjectPropertyValue, deviceIdentifier)),
                key(Key::ObjectIdentifier, AT(BACnetDeviceObjectPropertyValue, objectIdentifier)),
                key(Key::Signed, AT(BACnetDeviceObjectPropertyValue, propertyIdentifier)),
                key(Key::Signed, AT(BACnetDeviceObjectPropertyValue, propertyArrayIndex)),
                key(Key::Value, AT(BACnetDeviceObjectPropertyValue, value)));
// A logged notification has no comparison.
BACNAPI_COMPARE(kEventLogRecord, key(Key::DateTime, AT(BACnetEventLogRecord, timestamp)),
                key(Key::UnsignedSelector, AT(BACnetEventLogRecord, logDatumChoice)),
                key(Key::BitString, AT(BACnetEventLogRecord, logDatum.logStatus), 0),
                key(Key::Real, AT(BACnetEventLogRecord, logDatum.timeChange), 2));
BACNAPI_COMPARE(kLogData, key(Key::UnsignedSelector, AT(BACnetLogData, choice)),
                key(Key::BitString, AT(BACnetLogData, value.logStatus), 0),
                key(Key::Value, AT(BACnetLogData, value.logData), 1),
                key(Key::Real, AT(BACnetLogData, value.timeChange), 2));
BACNAPI_COMPARE(kLogMultipleRecord, key(Key::DateTime, AT(BACnetLogMultipleRecord, timestamp)),
                record_key(AT(BACnetLogMultipleRecord, logData), kLogData));
// A null (6) is compared as the word it is stored in.
#define LDE(member) AT(BACnetLogDataElement, value.member)
BACNAPI_COMPARE(kLogDataElement, key(Key::SignedSelector, AT(BACnetLogDataElement, choice)),
                key(Key::Octet, LDE(booleanValue), 0), key(Key::Real, LDE(realValue), 1),
                key(Key::Unsigned, LDE(unsignedValue), 2), key(Key::Unsigned, LDE(unsignedValue), 3),
                key(Key::Signed, LDE(signedValue), 4), key(Key::BitString, LDE(bitstringValue), 5),
                key(Key::Unsigned, LDE(unsignedValue), 6), key(Key::Signed, LDE(failure.errorClass), 7),
                key(Key::Signed, LDE(failure.errorCode), 7), key(Key::Value, LDE(anyValue), 8));
#undef LDE
BACNAPI_COMPARE(kShedLevel, key(Key::UnsignedSelector, AT(BACnetShedLevel, choice)),
                key(Key::Unsigned, AT(BACnetShedLevel, value.percent), 0),
                key(Key::Unsigned, AT(BACnetShedLevel, value.level), 1),
                key(Key::Real, AT(BACnetShedLevel, value.amount), 2));

// ---- The event and notification parameters ----
// The selectors are compared first, as unsigned numbers; equal selectors then compare the members
// of that alternative in a fixed order. Alternatives without keys (extended, buffer-ready with a
// property reference in a notification, selectors above 11) cannot be compared.
BACNAPI_COMPARE(kCovCriteriaValue, key(Key::UnreadSelector, AT(BACnetCOVCriteria, choice)),
                key(Key::BitString, AT(BACnetCOVCriteria, value.bitmask), 0),
                key(Key::Real, AT(BACnetCOVCriteria, value.referencedPropertyIncrement), 1));
#define EP(member) AT(BACnetEventParameter, parameters.member)
BACNAPI_COMPARE(kEventParameter, key(Key::UnsignedSelector, AT(BACnetEventParameter, choice)),
                key(Key::BitString, EP(changeOfBitstring.bitmask), 0),
                key(Key::Unsigned, EP(changeOfBitstring.timeDelay), 0),
                key(Key::Value, EP(changeOfBitstring.listOfBitstringValues), 0),
                key(Key::Unsigned, EP(changeOfState.timeDelay), 1), key(Key::Value, EP(changeOfState.listOfValues), 1),
                key(Key::Unsigned, EP(changeOfValue.covCriteria.choice), 2),
                key(Key::Unsigned, EP(changeOfValue.timeDelay), 2),
                record_key(EP(changeOfValue.covCriteria), kCovCriteriaValue, 2),
                record_key(EP(commandFailure.feedbackPropertyReference), kDeviceObjectPropertyReference, 3),
                key(Key::Unsigned, EP(commandFailure.timeDelay), 3), key(Key::Real, EP(floatingLimit.deadband), 4),
                key(Key::Real, EP(floatingLimit.highDiffLimit), 4), key(Key::Real, EP(floatingLimit.lowDiffLimit), 4),
                record_key(EP(floatingLimit.setpointReference), kDeviceObjectPropertyReference, 4),
                key(Key::Unsigned, EP(floatingLimit.timeDelay), 4), key(Key::Real, EP(outOfRange.highLimit), 5),
                key(Key::Real, EP(outOfRange.lowLimit), 5), key(Key::Real, EP(outOfRange.deadband), 5),
                key(Key::Unsigned, EP(outOfRange.timeDelay), 5), key(Key::Nothing, 0, 6),
                key(Key::Unsigned, EP(bufferReady.notificationThreshold), 7),
                key(Key::Unsigned, EP(bufferReady.previousNotificationCount), 7),
                // The time delay is not part of a life-safety parameter's identity.
                key(Key::Value, EP(changeOfLifeSafety.listOfLifeSafetyAlarmValues), 8),
                key(Key::Value, EP(changeOfLifeSafety.listOfAlarmValues), 8),
                record_key(EP(changeOfLifeSafety.modePropertyReference), kDeviceObjectPropertyReference, 8),
                key(Key::Unsigned, EP(bufferReady2.notificationThreshold), 10),
                key(Key::Unsigned, EP(bufferReady2.previousNotificationCount), 10),
                key(Key::Unsigned, EP(unsignedRange.highLimit), 11), key(Key::Unsigned, EP(unsignedRange.lowLimit), 11),
                key(Key::Unsigned, EP(unsignedRange.timeDelay), 11));
#undef EP

// The selector of a changed value is compared as its stored octets (the word after it is padding
// that carries no data); the status flags count unless the value is a real.
BACNAPI_COMPARE(kNotificationChangeOfValue, bytes_key(AT(NotificationChangeOfValue, newValue.choice), sizeof(int32_t)),
                key(Key::UnreadSelector, AT(NotificationChangeOfValue, newValue.choice)),
                key(Key::BitString, AT(NotificationChangeOfValue, newValue.value.changedBits), 0),
                key(Key::BitString, AT(NotificationChangeOfValue, statusFlags), 0),
                key(Key::Real, AT(NotificationChangeOfValue, newValue.value.changedValue), 1),
                key(Key::BitString, AT(NotificationChangeOfValue, statusFlags), kOtherAlternative));
#define NP(member) AT(BACnetNotificationParameters, parameters.member)
BACNAPI_COMPARE(
    kNotificationParameters, key(Key::UnsignedSelector, AT(BACnetNotificationParameters, choice)),
    key(Key::BitString, NP(changeOfBitstring.referencedBitstring), 0),
    key(Key::BitString, NP(changeOfBitstring.statusFlags), 0),
    // The new state is compared as the octets it is stored in, as the record type does.
    bytes_key(NP(changeOfState.newState), sizeof(BACnetPropertyStates), 1),
    key(Key::BitString, NP(changeOfState.statusFlags), 1), record_key(NP(changeOfValue), kNotificationChangeOfValue, 2),
    key(Key::Value, NP(commandFailure.commandValue), 3), key(Key::Value, NP(commandFailure.feedbackValue), 3),
    key(Key::BitString, NP(commandFailure.statusFlags), 3), key(Key::Real, NP(floatingLimit.errorLimit), 4),
    key(Key::Real, NP(floatingLimit.referenceValue), 4), key(Key::Real, NP(floatingLimit.setpointValue), 4),
    key(Key::BitString, NP(floatingLimit.statusFlags), 4), key(Key::Real, NP(outOfRange.deadband), 5),
    key(Key::Real, NP(outOfRange.exceededLimit), 5), key(Key::Real, NP(outOfRange.exceedingValue), 5),
    key(Key::BitString, NP(outOfRange.statusFlags), 5), key(Key::Value, NP(complexEventType), 6),
    key(Key::ObjectIdentifier, NP(bufferReady.bufferDevice), 7),
    key(Key::ObjectIdentifier, NP(bufferReady.bufferObject), 7),
    key(Key::Unsigned, NP(bufferReady.currentNotification), 7),
    key(Key::Unsigned, NP(bufferReady.previousNotification), 7),
    // Status flags and the expected operation are not part of the comparison.
    key(Key::Signed, NP(changeOfLifeSafety.newState), 8), key(Key::Signed, NP(changeOfLifeSafety.newMode), 8),
    key(Key::Unsigned, NP(unsignedRange.exceededLimit), 11), key(Key::Unsigned, NP(unsignedRange.exceedingValue), 11),
    key(Key::BitString, NP(unsignedRange.statusFlags), 11));
#undef NP

#undef BACNAPI_COMPARE
#undef AT

} // namespace bacnapi::compared
