// The ownership of every record that has a Clear or that a value may own: which members hold
// heap storage, under which alternative, and what the record holds once they are released.
// The generic Clear (value/clear.cpp) follows these tables; the type catalogue points at the
// ones of the records a value owns.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/ownership.h"

namespace bacnapi::owned {

using A = Afterwards;

// ---- Strings: the buffer is released and the string left zero-filled ----
inline constexpr OwnedPart kBitsParts[] = {bits(0)};
inline constexpr Ownership kBitString = owns(sizeof(BACnetBitString), kBitsParts, A::Zeroed);
inline constexpr OwnedPart kOctetsParts[] = {octets(0)};
inline constexpr Ownership kOctetString = owns(sizeof(BACnetOctetString), kOctetsParts, A::Zeroed);
inline constexpr OwnedPart kBufferParts[] = {block(offsetof(BACnetByteBuffer, data))};
inline constexpr Ownership kByteBuffer = owns(sizeof(BACnetByteBuffer), kBufferParts, A::Zeroed);

// ---- Records that own nothing ----
template <class Record>
inline constexpr Ownership kZeroFilled = owns_nothing(sizeof(Record), A::Zeroed);
template <class Record>
inline constexpr Ownership kUntouched = owns_nothing(sizeof(Record), A::Kept);

// ---- Records with nested values and strings ----
#define BACNAPI_OWN(name, Record, after, ...)                                                                          \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name = owns(sizeof(Record), name##Parts, after)
#define BACNAPI_OWN_COPIED(name, Record, after, rule, ...)                                                             \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name = copied_by(owns(sizeof(Record), name##Parts, after), CopyRule::rule)
#define BACNAPI_OWN_CHOICE(name, Record, after, selector, ...)                                                         \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name = owns(sizeof(Record), name##Parts, after, offsetof(Record, selector))
#define AT(Record, member) offsetof(Record, member)

// Time, identifiers and priority stay; only the value goes.
BACNAPI_OWN_COPIED(kTimeValue, BACnetTimeValue, A::Kept, Members, value(AT(BACnetTimeValue, value)));
BACNAPI_OWN_COPIED(kObjectPropertyValue, BACnetObjectPropertyValue, A::Kept, Members,
                   value(AT(BACnetObjectPropertyValue, value)));
BACNAPI_OWN_COPIED(kNestedValue, BACnetNestedValue, A::Kept, Members, value(AT(BACnetNestedValue, value)));
BACNAPI_OWN_COPIED(kActionCommand, BACnetActionCommand, A::Zeroed, Members,
                   value(AT(BACnetActionCommand, propertyValue)));
BACNAPI_OWN_COPIED(kDeviceObjectPropertyValue, BACnetDeviceObjectPropertyValue, A::Zeroed, Members,
                   value(AT(BACnetDeviceObjectPropertyValue, value)));
BACNAPI_OWN_COPIED(kPropertyValue, BACnetPropertyValue, A::Zeroed, Members, value(AT(BACnetPropertyValue, value)));
BACNAPI_OWN(kSelectionCriteria, BACnetSelectionCriteria, A::Zeroed,
            value(AT(BACnetSelectionCriteria, comparisonValue)));
BACNAPI_OWN_COPIED(kDailySchedule, BACnetDailySchedule, A::Zeroed, Members,
                   value(AT(BACnetDailySchedule, daySchedule)));
BACNAPI_OWN_COPIED(kActionList, BACnetActionList, A::Zeroed, Members, value(AT(BACnetActionList, action)));
BACNAPI_OWN_COPIED(kWriteAccessSpecification, WriteAccessSpecification, A::Zeroed, MembersBestEffort,
                   value(AT(WriteAccessSpecification, listOfProperties)));
BACNAPI_OWN(kSpecialEvent, BACnetSpecialEvent, A::Zeroed, value(AT(BACnetSpecialEvent, listOfTimeValues)),
            value(AT(BACnetSpecialEvent, extraValue)));
BACNAPI_OWN_COPIED(kSessionKey, BACnetSessionKey, A::Zeroed, Members, octets(AT(BACnetSessionKey, sessionKey)));
BACNAPI_OWN(kAlarmSummaryAckElement, AlarmSummaryAckElement, A::Zeroed,
            bits(AT(AlarmSummaryAckElement, acknowledgedTransitions)));
BACNAPI_OWN_COPIED(kEventSummaryElement, EventSummaryElement, A::Zeroed, MembersBestEffort,
                   bits(AT(EventSummaryElement, acknowledgedTransitions)), bits(AT(EventSummaryElement, eventEnable)),
                   value(AT(EventSummaryElement, eventTimeStamps)), value(AT(EventSummaryElement, eventPriorities)));
// The leading member goes back to its "absent" mark, as in a fresh record.
inline constexpr OwnedPart kConstructedParts[] = {value(AT(BACnetConstructed, value))};
inline constexpr Ownership kConstructed =
    copied_by(owns_then(sizeof(BACnetConstructed), kConstructedParts, A::Kept, kNoSelector,
                        AT(BACnetConstructed, leadingField), BACNAPI_ARRAY_INDEX_ABSENT),
              CopyRule::MembersBestEffort);

// ---- Records copied member by member: a copy takes only the members of the alternative the
// source holds, so that the destination's other bytes are zero whatever the source's were ----
#define BACNAPI_OWN_MEMBERWISE(name, Record, selector, ...)                                                            \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name =                                                                                  \
        copied_by(owns(sizeof(Record), name##Parts, A::Zeroed, selector), CopyRule::MemberWise)
#define COPIED(Record, member, ...) copied(AT(Record, member), sizeof(Record::member) __VA_OPT__(, ) __VA_ARGS__)
// An unknown alternative keeps only its number.
BACNAPI_OWN_MEMBERWISE(kRecipient, BACnetRecipient, AT(BACnetRecipient, choice), COPIED(BACnetRecipient, choice),
                       COPIED(BACnetRecipient, value.device, 0), COPIED(BACnetRecipient, value.address, 1));
BACNAPI_OWN_MEMBERWISE(kRecipientProcess, BACnetRecipientProcess, kNoSelector, COPIED(BACnetRecipientProcess, present),
                       record(AT(BACnetRecipientProcess, recipient), kRecipient),
                       COPIED(BACnetRecipientProcess, processIdentifier));
BACNAPI_OWN_MEMBERWISE(kShedLevel, BACnetShedLevel, AT(BACnetShedLevel, choice), COPIED(BACnetShedLevel, choice),
                       COPIED(BACnetShedLevel, value, 0), COPIED(BACnetShedLevel, value, 1),
                       COPIED(BACnetShedLevel, value, 2));
BACNAPI_OWN_MEMBERWISE(kDestination, BACnetDestination, kNoSelector, bits(AT(BACnetDestination, validDays)),
                       COPIED(BACnetDestination, fromTime), COPIED(BACnetDestination, toTime),
                       COPIED(BACnetDestination, processIdentifier),
                       COPIED(BACnetDestination, issueConfirmedNotifications), bits(AT(BACnetDestination, transitions)),
                       record(AT(BACnetDestination, recipient), kRecipient));
// Kinds 0..4 hold a four-octet number, 5 a nested value; another kind is refused.
inline constexpr OwnedPart kPriorityValueParts[] = {COPIED(BACnetPriorityValue, kind),
                                                    copied(AT(BACnetPriorityValue, value), 4, 0),
                                                    copied(AT(BACnetPriorityValue, value), 4, 1),
                                                    copied(AT(BACnetPriorityValue, value), 4, 2),
                                                    copied(AT(BACnetPriorityValue, value), 4, 3),
                                                    copied(AT(BACnetPriorityValue, value), 4, 4),
                                                    value(AT(BACnetPriorityValue, value.constructedValue), 5)};
inline constexpr Ownership kPriorityValue =
    knowing(copied_by(owns(sizeof(BACnetPriorityValue), kPriorityValueParts, A::Zeroed, AT(BACnetPriorityValue, kind)),
                      CopyRule::MemberWise),
            0x3F, Unknown::Refused);
#undef COPIED
#undef BACNAPI_OWN_MEMBERWISE

// ---- Choices: only the alternative the selector names is read ----
BACNAPI_OWN_CHOICE(kReadAccessPropertyValue, ReadAccessPropertyValue, A::Zeroed, choice,
                   value(AT(ReadAccessPropertyValue, result.propertyValue), 0));
// The status flags always; of the datum, log-status and bitstring-value own bits, any-value a value.
#define BACNAPI_OWN_KNOWING(name, Record, selector, known, unknown, ...)                                               \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name = knowing(                                                                         \
        copied_by(owns(sizeof(Record), name##Parts, A::Zeroed, offsetof(Record, selector)), CopyRule::Members), known, \
        Unknown::unknown)
// Of the datum, log-status and bitstring-value own bits, any-value a value; the status flags
// always (after the datum: a datum that cannot be copied stops the copy before them).
// Alternatives 0..10 are known to the copy.
BACNAPI_OWN_KNOWING(kLogRecord, BACnetLogRecord, logDatumChoice, 0x7FF, Refused,
                    bits(AT(BACnetLogRecord, logDatum.logStatus), 0),
                    bits(AT(BACnetLogRecord, logDatum.bitstringValue), 6),
                    value(AT(BACnetLogRecord, logDatum.anyValue), 10), bits(AT(BACnetLogRecord, statusFlags)));
// An unknown alternative of log data keeps only its number.
BACNAPI_OWN_KNOWING(kLogData, BACnetLogData, choice, 0x7, NumberOnly, bits(AT(BACnetLogData, value.logStatus), 0),
                    value(AT(BACnetLogData, value.logData), 1));
BACNAPI_OWN_COPIED(kLogMultipleRecord, BACnetLogMultipleRecord, A::Zeroed, Members,
                   record(AT(BACnetLogMultipleRecord, logData), kLogData));
BACNAPI_OWN_KNOWING(kLogDataElement, BACnetLogDataElement, choice, 0x1FF, Refused,
                    bits(AT(BACnetLogDataElement, value.bitstringValue), 5),
                    value(AT(BACnetLogDataElement, value.anyValue), 8));
#undef BACNAPI_OWN_KNOWING

// Change-of-value: only the bitmask criterion owns bits.
inline constexpr OwnedPart kCovCriteriaParts[] = {bits(AT(BACnetCOVCriteria, value.bitmask), 0)};
inline constexpr Ownership kCovCriteria =
    knowing(owns(sizeof(BACnetCOVCriteria), kCovCriteriaParts, A::Kept, AT(BACnetCOVCriteria, choice)), 0x3,
            Unknown::NumberOnlyUnsupported);
// Left zero-filled with the "no alternative" selector, as a fresh record.
inline constexpr uint32_t kNoEventParameter = 999;
inline constexpr OwnedPart kEventParameterParts[] = {
    bits(AT(BACnetEventParameter, parameters.changeOfBitstring.bitmask), 0),
    value(AT(BACnetEventParameter, parameters.changeOfBitstring.listOfBitstringValues), 0),
    value(AT(BACnetEventParameter, parameters.changeOfState.listOfValues), 1),
    record(AT(BACnetEventParameter, parameters.changeOfValue.covCriteria), kCovCriteria, 2),
    value(AT(BACnetEventParameter, parameters.changeOfLifeSafety.listOfLifeSafetyAlarmValues), 8),
    value(AT(BACnetEventParameter, parameters.changeOfLifeSafety.listOfAlarmValues), 8),
};
// A copy knows alternatives 0..11; another keeps its number and is not supported.
inline constexpr Ownership kEventParameter =
    knowing(copied_by(owns_then(sizeof(BACnetEventParameter), kEventParameterParts, A::Zeroed,
                                AT(BACnetEventParameter, choice), AT(BACnetEventParameter, choice), kNoEventParameter),
                      CopyRule::Members),
            0xFFF, Unknown::NumberOnlyUnsupported);

// Unlike the other records the notification parameters are not zero-filled: the selector and the
// plain members of the alternative stay, and only what was released is left empty.
inline constexpr OwnedPart kChangedValueParts[] = {bits(AT(NotificationChangedValue, value.changedBits), 0)};
inline constexpr Ownership kChangedValue =
    knowing(owns(sizeof(NotificationChangedValue), kChangedValueParts, A::Kept, AT(NotificationChangedValue, choice)),
            0x3, Unknown::NumberOnly);
BACNAPI_OWN_CHOICE(kNotificationExtended, NotificationExtended, A::Kept, parametersChoice,
                   record(AT(NotificationExtended, parameters.propertyValue), kDeviceObjectPropertyValue, 8));
// A copy knows alternatives 0..11; another keeps only its number.
#define BACNAPI_OWN_NOTIFICATION(name, Record, after, selector, ...)                                                   \
    inline constexpr OwnedPart name##Parts[] = {__VA_ARGS__};                                                          \
    inline constexpr Ownership name =                                                                                  \
        knowing(copied_by(owns(sizeof(Record), name##Parts, after, offsetof(Record, selector)), CopyRule::Members),    \
                0xFFF, Unknown::NumberOnly)
#define NP(member) AT(BACnetNotificationParameters, parameters.member)
BACNAPI_OWN_NOTIFICATION(kNotificationParameters, BACnetNotificationParameters, A::Kept, choice,
                         bits(NP(changeOfBitstring.referencedBitstring), 0), bits(NP(changeOfBitstring.statusFlags), 0),
                         bits(NP(changeOfState.statusFlags), 1),
                         zeroed(NP(changeOfState.newState), sizeof(BACnetPropertyStates), 1),
                         bits(NP(changeOfValue.statusFlags), 2), record(NP(changeOfValue.newValue), kChangedValue, 2),
                         bits(NP(commandFailure.statusFlags), 3), value(NP(commandFailure.commandValue), 3),
                         value(NP(commandFailure.feedbackValue), 3), bits(NP(floatingLimit.statusFlags), 4),
                         bits(NP(outOfRange.statusFlags), 5), value(NP(complexEventType), 6),
                         bits(NP(changeOfLifeSafety.statusFlags), 8), record(NP(extended), kNotificationExtended, 9),
                         bits(NP(unsignedRange.statusFlags), 11));
#undef NP
#undef BACNAPI_OWN_NOTIFICATION

// Clear releases the event values (which keep their selector) and the message text; the rest is
// kept. A copy takes the members in this order, and one that fails at the event values or the
// message text leaves the members after them as they were.
#define EN(member) AT(BACnetServiceConfirmedEventNotificationRequest, member)
#define COPIED_EN(member) copied(EN(member), sizeof(BACnetServiceConfirmedEventNotificationRequest::member))
inline constexpr OwnedPart kEventNotificationParts[] = {
    COPIED_EN(ackRequired),       COPIED_EN(eventObjectIdentifier),
    COPIED_EN(eventType),         record(EN(eventValues), kNotificationParameters),
    COPIED_EN(fromState),         COPIED_EN(initiatingDeviceIdentifier),
    characters(EN(messageText)),  COPIED_EN(notificationClass),
    COPIED_EN(notifyType),        COPIED_EN(priority),
    COPIED_EN(processIdentifier), COPIED_EN(timestamp),
    COPIED_EN(toState)};
#undef COPIED_EN
#undef EN
inline constexpr Ownership kEventNotification =
    copied_by(owns(sizeof(BACnetServiceConfirmedEventNotificationRequest), kEventNotificationParts, A::Kept),
              CopyRule::MemberWise);
// A notification datum owns its message text and its event values. A copy knows alternatives
// 0..2 and refuses another; the time stamp comes last, so that a notification that cannot be
// copied leaves it empty.
inline constexpr OwnedPart kEventLogRecordParts[] = {
    copied(AT(BACnetEventLogRecord, logDatumChoice), sizeof(int32_t)),
    bits(AT(BACnetEventLogRecord, logDatum.logStatus), 0),
    record(AT(BACnetEventLogRecord, logDatum.notification), kEventNotification, 1),
    copied(AT(BACnetEventLogRecord, logDatum.timeChange), sizeof(float), 2),
    copied(AT(BACnetEventLogRecord, timestamp), sizeof(BACnetDateTime))};
inline constexpr Ownership kEventLogRecord =
    knowing(copied_by(owns(sizeof(BACnetEventLogRecord), kEventLogRecordParts, A::Zeroed,
                           AT(BACnetEventLogRecord, logDatumChoice)),
                      CopyRule::MemberWise),
            0x7, Unknown::Refused);

// ---- Head-inline sequences and the read-access records ----
inline constexpr Ownership kPropertyReference = owns_nothing(sizeof(BACnetPropertyReference), A::Zeroed);
inline constexpr Ownership kPropertyReferences = sequence_of<SequenceOfBACnetPropertyReference>(kPropertyReference);
BACNAPI_OWN(kReadAccessSpecification, ReadAccessSpecification, A::Zeroed,
            record(AT(ReadAccessSpecification, listOfPropertyReferences), kPropertyReferences));
inline constexpr Ownership kReadAccessSpecifications =
    sequence_of<SequenceOfReadAccessSpecification>(kReadAccessSpecification);
inline constexpr Ownership kReadAccessResultList = sequence_of<ReadAccessResultList>(kReadAccessPropertyValue);
BACNAPI_OWN(kReadAccessResult, ReadAccessResult, A::Zeroed,
            record(AT(ReadAccessResult, listOfResults), kReadAccessResultList));
inline constexpr Ownership kReadAccessResults = sequence_of<SequenceOfReadAccessResult>(kReadAccessResult);

// ---- Service records ----
// Only the addresses (or the enrolment filter) are emptied; the identifiers and filters are kept.
inline constexpr OwnedPart kRequestKeyParts[] = {
    zeroed(AT(RequestKeyRequest, requestingDeviceAddress), sizeof(BACnetAddress)),
    zeroed(AT(RequestKeyRequest, remoteDeviceAddress), sizeof(BACnetAddress))};
inline constexpr Ownership kRequestKey = owns(sizeof(RequestKeyRequest), kRequestKeyParts, A::Kept);
inline constexpr OwnedPart kEnrolmentSummaryParts[] = {
    zeroed(AT(GetEnrolmentSummaryRequest, enrollmentFilter), sizeof(BACnetRecipientProcess))};
inline constexpr Ownership kEnrolmentSummary =
    owns(sizeof(GetEnrolmentSummaryRequest), kEnrolmentSummaryParts, A::Kept);

BACNAPI_OWN(kPrivateTransferRequest, ConfirmedPrivateTransferRequest, A::Kept,
            value(AT(ConfirmedPrivateTransferRequest, serviceParameters)));
BACNAPI_OWN(kPrivateTransferAck, ConfirmedPrivateTransferAck, A::Kept,
            value(AT(ConfirmedPrivateTransferAck, resultBlock)));
BACNAPI_OWN(kListElement, AddListElementRequest, A::Kept, value(AT(AddListElementRequest, listOfElements)));
BACNAPI_OWN(kCovNotification, ConfirmedCOVNotificationRequest, A::Kept,
            value(AT(ConfirmedCOVNotificationRequest, listOfValues)));
BACNAPI_OWN(kWriteProperty, WritePropertyRequest, A::Zeroed, value(AT(WritePropertyRequest, propertyValue)));
BACNAPI_OWN(kCreateObject, CreateObjectRequest, A::Zeroed, value(AT(CreateObjectRequest, listOfInitialValues)));
BACNAPI_OWN(kReadPropertyAck, ReadPropertyAck, A::Zeroed, value(AT(ReadPropertyAck, propertyValue)));
BACNAPI_OWN(kWritePropertyMultiple, WritePropertyMultipleRequest, A::Zeroed,
            value(AT(WritePropertyMultipleRequest, listOfWriteAccessSpecifications)));
// The error PDU: the nested value of the two services whose error carries one.
BACNAPI_OWN_CHOICE(kServiceError, BACnetServiceError, A::Zeroed, serviceChoice,
                   value(AT(BACnetServiceError, details.errorParameters), 18),
                   value(AT(BACnetServiceError, details.listOfVTSessionIdentifiers), 22));
BACNAPI_OWN(kReadPropertyMultipleRequest, ReadPropertyMultipleRequest, A::Zeroed,
            record(AT(ReadPropertyMultipleRequest, listOfReadAccessSpecs), kReadAccessSpecifications));
BACNAPI_OWN(kReadPropertyMultipleAck, ReadPropertyMultipleAck, A::Zeroed,
            record(AT(ReadPropertyMultipleAck, listOfReadAccessResults), kReadAccessResults));
BACNAPI_OWN(kReadPropertyConditionalAck, ReadPropertyConditionalAck, A::Zeroed,
            record(AT(ReadPropertyConditionalAck, listOfReadAccessResults), kReadAccessResults));
// The property references (left empty) and the selection criteria; the selection logic is kept.
BACNAPI_OWN(kReadPropertyConditionalRequest, ReadPropertyConditionalRequest, A::Kept,
            record(AT(ReadPropertyConditionalRequest, listOfPropertyReferences), kPropertyReferences),
            value(AT(ReadPropertyConditionalRequest, listOfSelectionCriteria)));
BACNAPI_OWN_CHOICE(kTextMessage, TextMessageRequest, A::Kept, messageClassChoice,
                   characters(AT(TextMessageRequest, message)),
                   characters(AT(TextMessageRequest, messageClass.character), 1));
BACNAPI_OWN_CHOICE(kWhoHas, WhoHasRequest, A::Kept, objectChoice, characters(AT(WhoHasRequest, object.objectName), 1));
BACNAPI_OWN(kReinitializeDevice, ReinitializeDeviceRequest, A::Kept,
            characters(AT(ReinitializeDeviceRequest, password)));
BACNAPI_OWN(kCommunicationControl, DeviceCommunicationControlRequest, A::Kept,
            characters(AT(DeviceCommunicationControlRequest, password)));
BACNAPI_OWN(kLifeSafetyOperation, LifeSafetyOperationRequest, A::Kept,
            characters(AT(LifeSafetyOperationRequest, requestingSource)));
BACNAPI_OWN(kAuthenticate, AuthenticateRequest, A::Kept, characters(AT(AuthenticateRequest, operatorName)),
            characters(AT(AuthenticateRequest, operatorPassword)));
BACNAPI_OWN(kIHave, IHaveRequest, A::Zeroed, characters(AT(IHaveRequest, objectName)));
BACNAPI_OWN(kAcknowledgeAlarm, AcknowledgeAlarmRequest, A::Zeroed,
            characters(AT(AcknowledgeAlarmRequest, acknowledgmentSource)));
BACNAPI_OWN(kReadRangeAck, ReadRangeAck, A::Kept, value(AT(ReadRangeAck, itemData)),
            bits(AT(ReadRangeAck, resultFlags)));
// Stream (0) and record (1) access hold file data.
BACNAPI_OWN_CHOICE(kReadFileAck, AtomicReadFileAck, A::Kept, accessMethod, octets(AT(AtomicReadFileAck, fileData), 0),
                   octets(AT(AtomicReadFileAck, fileData), 1));
BACNAPI_OWN_CHOICE(kWriteFileRequest, AtomicWriteFileRequest, A::Kept, accessMethod,
                   octets(AT(AtomicWriteFileRequest, fileData), 0), octets(AT(AtomicWriteFileRequest, fileData), 1));

#undef AT
#undef BACNAPI_OWN_CHOICE
#undef BACNAPI_OWN_COPIED
#undef BACNAPI_OWN

} // namespace bacnapi::owned
