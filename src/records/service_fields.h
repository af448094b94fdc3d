// Walk tables of the service records: the ReadPropertyMultiple acknowledgement, the
// ConfirmedEventNotification request and the event-log datum that can carry one.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>

namespace bacnapi {

namespace service_records {

// 151: the results are a typed run of ReadAccessResult records in place.
inline constexpr FieldDesc kReadPropertyMultipleAck[] = {
    member_field(146, -1, BACNAPI_TYPE_SequenceOfReadAccessResult,
                 offsetof(ReadPropertyMultipleAck, listOfReadAccessResults)),
};

// 152: every field is present; the time stamp and the event values are records in place.
using EventNotification = BACnetServiceConfirmedEventNotificationRequest;
inline constexpr FieldDesc kEventNotification[] = {
    member_field(225, 0, BACNAPI_TYPE_Unsigned, offsetof(EventNotification, processIdentifier)),
    member_field(355, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(EventNotification, initiatingDeviceIdentifier)),
    member_field(356, 2, BACNAPI_TYPE_ObjectIdentifier, offsetof(EventNotification, eventObjectIdentifier)),
    member_field(286, 3, BACNAPI_TYPE_BACnetTimeStamp, offsetof(EventNotification, timestamp)),
    member_field(194, 4, BACNAPI_TYPE_Unsigned, offsetof(EventNotification, notificationClass)),
    member_field(222, 5, BACNAPI_TYPE_Unsigned, offsetof(EventNotification, priority)),
    member_field(102, 6, BACNAPI_TYPE_Enumerated, offsetof(EventNotification, eventType), 23),
    member_field(357, 7, BACNAPI_TYPE_CharacterString, offsetof(EventNotification, messageText)),
    member_field(196, 8, BACNAPI_TYPE_Enumerated, offsetof(EventNotification, notifyType), 37),
    member_field(5, 9, BACNAPI_TYPE_Boolean, offsetof(EventNotification, ackRequired)),
    member_field(358, 10, BACNAPI_TYPE_Enumerated, offsetof(EventNotification, fromState), 21),
    member_field(359, 11, BACNAPI_TYPE_Enumerated, offsetof(EventNotification, toState), 21),
    member_field(360, 12, BACNAPI_TYPE_BACnetNotificationParameters, offsetof(EventNotification, eventValues)),
};

// 153: embedded in the event-log record; its alternative number and value member stand in that
// record after the time stamp.
inline constexpr uint32_t kEventLogDatumChoice = 78;
inline constexpr size_t kEventLogDatumValue = offsetof(BACnetEventLogRecord, logDatum);

inline constexpr FieldDesc in_choice(FieldDesc field)
{
    field.enumId = kEventLogDatumChoice;
    return field;
}

inline constexpr AlternativeDesc kEventLogDatumAlternatives[] = {
    {0, in_choice(member_field(30, 0, BACNAPI_TYPE_BitString, kEventLogDatumValue))},
    {1,
     in_choice(member_field(349, 1, BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest, kEventLogDatumValue))},
    {2, in_choice(member_field(281, 2, BACNAPI_TYPE_Real, kEventLogDatumValue))},
};
inline constexpr ChoiceDesc kEventLogDatum = make_choice_desc(
    kEventLogDatumChoice, offsetof(BACnetEventLogRecord, logDatumChoice), kEventLogDatumAlternatives, false);

} // namespace service_records

} // namespace bacnapi
