// The records that are a sequence of fields and own members (strings, nested values, records in
// place that do), or that no value owns: each is a constant field table, named by the record's
// row in the type catalogue and read by the walker's generic table walk. The plain records' tables
// are records/plain_fields.h.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>

namespace bacnapi {

namespace sequence_records {

inline constexpr FieldDesc kSessionKey[] = {
    member_field(266, -1, BACNAPI_TYPE_OctetString, offsetof(BACnetSessionKey, sessionKey)),
    member_field(213, -1, BACNAPI_TYPE_BACnetAddress, offsetof(BACnetSessionKey, peerAddress)),
};

// The presence octet in front of the recipient is not part of the walk.
inline constexpr FieldDesc kRecipientProcess[] = {
    member_field(250, 0, BACNAPI_TYPE_BACnetRecipient, offsetof(BACnetRecipientProcess, recipient)),
    member_field(225, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetRecipientProcess, processIdentifier)),
};

inline constexpr FieldDesc kError[] = {
    member_field(92, -1, BACNAPI_TYPE_Enumerated, offsetof(BACnetError, errorClass), 19),
    member_field(93, -1, BACNAPI_TYPE_Enumerated, offsetof(BACnetError, errorCode), 20),
};

// Field 1 is the log datum, an embedded choice that finds its alternative in this record.
inline constexpr FieldDesc kLogRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetLogRecord, timestamp)),
    whole_record_field(156, 1, BACNAPI_TYPE_BACnetLogDatum),
    member_field(276, 2, BACNAPI_TYPE_BitString, offsetof(BACnetLogRecord, statusFlags)),
};

inline constexpr FieldDesc kReadAccessSpecification[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(ReadAccessSpecification, objectIdentifier)),
    member_field(145, 1, BACNAPI_TYPE_SequenceOfBACnetPropertyReference,
                 offsetof(ReadAccessSpecification, listOfPropertyReferences)),
};

inline constexpr FieldDesc kAlarmSummaryAckElement[] = {
    member_field(201, -1, BACNAPI_TYPE_ObjectIdentifier, offsetof(AlarmSummaryAckElement, objectIdentifier)),
    member_field(14, -1, BACNAPI_TYPE_Enumerated, offsetof(AlarmSummaryAckElement, alarmState), 21),
    member_field(4, -1, BACNAPI_TYPE_BitString, offsetof(AlarmSummaryAckElement, acknowledgedTransitions)),
};

inline constexpr FieldDesc kEnrolmentSummaryAckElement[] = {
    member_field(201, -1, BACNAPI_TYPE_ObjectIdentifier, offsetof(EnrolmentSummaryAckElement, objectIdentifier)),
    member_field(102, -1, BACNAPI_TYPE_Enumerated, offsetof(EnrolmentSummaryAckElement, eventType), 23),
    member_field(100, -1, BACNAPI_TYPE_Enumerated, offsetof(EnrolmentSummaryAckElement, eventState), 21),
    member_field(222, -1, BACNAPI_TYPE_Unsigned, offsetof(EnrolmentSummaryAckElement, priority)),
    member_field(194, -1, BACNAPI_TYPE_Unsigned, offsetof(EnrolmentSummaryAckElement, notificationClass)),
};

inline constexpr FieldDesc kDestination[] = {
    member_field(299, -1, BACNAPI_TYPE_BitString, offsetof(BACnetDestination, validDays)),
    member_field(120, -1, BACNAPI_TYPE_Time, offsetof(BACnetDestination, fromTime)),
    member_field(289, -1, BACNAPI_TYPE_Time, offsetof(BACnetDestination, toTime)),
    member_field(250, -1, BACNAPI_TYPE_BACnetRecipient, offsetof(BACnetDestination, recipient)),
    member_field(225, -1, BACNAPI_TYPE_Unsigned, offsetof(BACnetDestination, processIdentifier)),
    member_field(130, -1, BACNAPI_TYPE_Boolean, offsetof(BACnetDestination, issueConfirmedNotifications)),
    member_field(291, -1, BACNAPI_TYPE_BitString, offsetof(BACnetDestination, transitions)),
};

inline constexpr FieldDesc kDailySchedule[] = {
    nested_field(70, 0, BACNAPI_TYPE_ListOfBACnetTimeValue, offsetof(BACnetDailySchedule, daySchedule)),
};

// Field 0 is the period, an embedded choice that finds its alternative in this record; the
// second nested value of the record (extraValue) is not walked.
inline constexpr FieldDesc kSpecialEvent[] = {
    whole_record_field(214, 0, BACNAPI_TYPE_BACnetSpecialEventPeriod),
    nested_field(149, 2, BACNAPI_TYPE_ListOfBACnetTimeValue, offsetof(BACnetSpecialEvent, listOfTimeValues)),
    member_field(98, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetSpecialEvent, eventPriority)),
};

// 59: the list of action commands, held as a nested value.
inline constexpr FieldDesc kActionList[] = {
    nested_field(6, 0, BACNAPI_TYPE_ListOfBACnetActionCommand, offsetof(BACnetActionList, action)),
};

// 105: the element of the GetEventInformation acknowledgement; time stamps and priorities are
// nested lists.
inline constexpr FieldDesc kEventSummaryElement[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(EventSummaryElement, objectIdentifier)),
    member_field(100, 1, BACNAPI_TYPE_Enumerated, offsetof(EventSummaryElement, eventState), 21),
    member_field(4, 2, BACNAPI_TYPE_BitString, offsetof(EventSummaryElement, acknowledgedTransitions)),
    nested_field(101, 3, BACNAPI_TYPE_ListOfBACnetTimeStamp, offsetof(EventSummaryElement, eventTimeStamps)),
    member_field(196, 4, BACNAPI_TYPE_Enumerated, offsetof(EventSummaryElement, notifyType), 37),
    member_field(95, 5, BACNAPI_TYPE_BitString, offsetof(EventSummaryElement, eventEnable)),
    nested_field(97, 6, BACNAPI_TYPE_ListOfUnsigned, offsetof(EventSummaryElement, eventPriorities)),
};

// 116: the log datum is an embedded choice that reads its alternative from this record.
inline constexpr FieldDesc kEventLogRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetEventLogRecord, timestamp)),
    whole_record_field(156, 1, BACNAPI_TYPE_BACnetEventLogDatum),
};

// 118
inline constexpr FieldDesc kLogMultipleRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetLogMultipleRecord, timestamp)),
    member_field(351, 1, BACNAPI_TYPE_BACnetLogData, offsetof(BACnetLogMultipleRecord, logData)),
};

} // namespace sequence_records

} // namespace bacnapi
