// The exported Clear of every record: each releases what its record owns, as the record's
// ownership table (records/owned_records.h) says, in the caller's memory, and leaves the record
// zero-filled or with only the released members emptied, as the table says. Null records are
// ignored; every Clear answers 0. Those of values, lists and character strings live with them.
#include "records/owned_records.h"
#include "value/clear_internal.h"

using namespace bacnapi::owned;
using bacnapi::clear_record;

// clang-format off
BACNAPI_API int32_t bacnapi_ClearBitString(BACnetBitString* record) { return clear_record(kBitString, record); }
BACNAPI_API int32_t bacnapi_ClearOctet(BACnetOctetString* record) { return clear_record(kOctetString, record); }
BACNAPI_API int32_t bacnapi_ClearBuffer(BACnetByteBuffer* record) { return clear_record(kByteBuffer, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetAddress(BACnetAddress* record) { return clear_record(kZeroFilled<BACnetAddress>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetRecipient(BACnetRecipient* record) { return clear_record(kRecipient, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetRecipientProcess(BACnetRecipientProcess* record) { return clear_record(kRecipientProcess, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetCOVSubscription(BACnetCOVSubscription* record) { return clear_record(kZeroFilled<BACnetCOVSubscription>, record); }
BACNAPI_API int32_t bacnapi_ClearEnrolmentSummaryAckElement(EnrolmentSummaryAckElement* record) { return clear_record(kZeroFilled<EnrolmentSummaryAckElement>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetAccumulatorRecord(BACnetAccumulatorRecord* record) { return clear_record(kZeroFilled<BACnetAccumulatorRecord>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetAddressBinding(BACnetAddressBinding* record) { return clear_record(kZeroFilled<BACnetAddressBinding>, record); }
BACNAPI_API int32_t bacnapi_ClearDateTime(BACnetDateTime* record) { return clear_record(kZeroFilled<BACnetDateTime>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetPrescale(BACnetPrescale* record) { return clear_record(kZeroFilled<BACnetPrescale>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetPropertyStates(BACnetPropertyStates* record) { return clear_record(kZeroFilled<BACnetPropertyStates>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetScale(BACnetScale* record) { return clear_record(kZeroFilled<BACnetScale>, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetConstructed(BACnetConstructed* record) { return clear_record(kConstructed, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetTimeValue(BACnetTimeValue* record) { return clear_record(kTimeValue, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetObjectPropertyValue(BACnetObjectPropertyValue* record) { return clear_record(kObjectPropertyValue, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetActionCommand(BACnetActionCommand* record) { return clear_record(kActionCommand, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetDeviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* record) { return clear_record(kDeviceObjectPropertyValue, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetPropertyValue(BACnetPropertyValue* record) { return clear_record(kPropertyValue, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetSelectionCriteria(BACnetSelectionCriteria* record) { return clear_record(kSelectionCriteria, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetDailySchedule(BACnetDailySchedule* record) { return clear_record(kDailySchedule, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetActionList(BACnetActionList* record) { return clear_record(kActionList, record); }
BACNAPI_API int32_t bacnapi_ClearWriteAccessSpecification(WriteAccessSpecification* record) { return clear_record(kWriteAccessSpecification, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetSpecialEvent(BACnetSpecialEvent* record) { return clear_record(kSpecialEvent, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetSessionKey(BACnetSessionKey* record) { return clear_record(kSessionKey, record); }
BACNAPI_API int32_t bacnapi_ClearAlarmSummaryAckElement(AlarmSummaryAckElement* record) { return clear_record(kAlarmSummaryAckElement, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetDestination(BACnetDestination* record) { return clear_record(kDestination, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetEventSummaryElement(EventSummaryElement* record) { return clear_record(kEventSummaryElement, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetPriorityValue(BACnetPriorityValue* record) { return clear_record(kPriorityValue, record); }
BACNAPI_API int32_t bacnapi_ClearReadAccessPropertyValue(ReadAccessPropertyValue* record) { return clear_record(kReadAccessPropertyValue, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetLogRecord(BACnetLogRecord* record) { return clear_record(kLogRecord, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetEventLogRecord(BACnetEventLogRecord* record) { return clear_record(kEventLogRecord, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetLogData(BACnetLogData* record) { return clear_record(kLogData, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetLogMultipleRecord(BACnetLogMultipleRecord* record) { return clear_record(kLogMultipleRecord, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetLogDataElement(BACnetLogDataElement* record) { return clear_record(kLogDataElement, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetEventParameter(BACnetEventParameter* record) { return clear_record(kEventParameter, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetNotificationParameters(BACnetNotificationParameters* record) { return clear_record(kNotificationParameters, record); }
BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetPropertyReference(SequenceOfBACnetPropertyReference* record) { return clear_record(kPropertyReferences, record); }
BACNAPI_API int32_t bacnapi_ClearReadAccessSpecification(ReadAccessSpecification* record) { return clear_record(kReadAccessSpecification, record); }
BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessSpecification(SequenceOfReadAccessSpecification* record) { return clear_record(kReadAccessSpecifications, record); }
BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(ReadAccessResultList* record) { return clear_record(kReadAccessResultList, record); }
BACNAPI_API int32_t bacnapi_ClearReadAccessResult(ReadAccessResult* record) { return clear_record(kReadAccessResult, record); }
BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessResult(SequenceOfReadAccessResult* record) { return clear_record(kReadAccessResults, record); }
BACNAPI_API int32_t bacnapi_ClearIamRequest(IamRequest* record) { return clear_record(kZeroFilled<IamRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearCreateObjectAck(CreateObjectAck* record) { return clear_record(kZeroFilled<CreateObjectAck>, record); }
BACNAPI_API int32_t bacnapi_ClearWhoIsRequest(WhoIsRequest* record) { return clear_record(kZeroFilled<WhoIsRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyRequest(ReadPropertyRequest* record) { return clear_record(kZeroFilled<ReadPropertyRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearRequestKeyRequest(RequestKeyRequest* record) { return clear_record(kRequestKey, record); }
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryRequest(GetEnrolmentSummaryRequest* record) { return clear_record(kEnrolmentSummary, record); }
BACNAPI_API int32_t bacnapi_ClearAtomicReadFileRequest(AtomicReadFileRequest* record) { return clear_record(kUntouched<AtomicReadFileRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileAck(AtomicWriteFileAck* record) { return clear_record(kUntouched<AtomicWriteFileAck>, record); }
BACNAPI_API int32_t bacnapi_ClearGetEventInformationRequest(GetEventInformationRequest* record) { return clear_record(kUntouched<GetEventInformationRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearReadRangeRequest(ReadRangeRequest* record) { return clear_record(kUntouched<ReadRangeRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVPropertyRequest(SubscribeCOVPropertyRequest* record) { return clear_record(kUntouched<SubscribeCOVPropertyRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVRequest(SubscribeCOVRequest* record) { return clear_record(kUntouched<SubscribeCOVRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearTimeSynchronization(TimeSynchronizationRequest* record) { return clear_record(kUntouched<TimeSynchronizationRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearUtcTimeSynchronization(TimeSynchronizationRequest* record) { return clear_record(kUntouched<TimeSynchronizationRequest>, record); }
BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferRequest(ConfirmedPrivateTransferRequest* record) { return clear_record(kPrivateTransferRequest, record); }
BACNAPI_API int32_t bacnapi_ClearUnconfirmedPrivateTransferRequest(UnconfirmedPrivateTransferRequest* record) { return clear_record(kPrivateTransferRequest, record); }
BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferAck(ConfirmedPrivateTransferAck* record) { return clear_record(kPrivateTransferAck, record); }
BACNAPI_API int32_t bacnapi_ClearAddListElementRequest(AddListElementRequest* record) { return clear_record(kListElement, record); }
BACNAPI_API int32_t bacnapi_ClearRemoveListElementRequest(RemoveListElementRequest* record) { return clear_record(kListElement, record); }
BACNAPI_API int32_t bacnapi_ClearConfirmedCOVnotificationRequest(ConfirmedCOVNotificationRequest* record) { return clear_record(kCovNotification, record); }
BACNAPI_API int32_t bacnapi_ClearUnconfirmedCOVNotificationRequest(UnconfirmedCOVNotificationRequest* record) { return clear_record(kCovNotification, record); }
BACNAPI_API int32_t bacnapi_ClearWritePropertyRequest(WritePropertyRequest* record) { return clear_record(kWriteProperty, record); }
BACNAPI_API int32_t bacnapi_ClearCreateObjectRequest(CreateObjectRequest* record) { return clear_record(kCreateObject, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyAck(ReadPropertyAck* record) { return clear_record(kReadPropertyAck, record); }
BACNAPI_API int32_t bacnapi_ClearWritePropertyMultipleRequest(WritePropertyMultipleRequest* record) { return clear_record(kWritePropertyMultiple, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetError(BACnetServiceError* record) { return clear_record(kServiceError, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleRequest(ReadPropertyMultipleRequest* record) { return clear_record(kReadPropertyMultipleRequest, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleAck(ReadPropertyMultipleAck* record) { return clear_record(kReadPropertyMultipleAck, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalAck(ReadPropertyConditionalAck* record) { return clear_record(kReadPropertyConditionalAck, record); }
BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalRequest(ReadPropertyConditionalRequest* record) { return clear_record(kReadPropertyConditionalRequest, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(BACnetServiceConfirmedEventNotificationRequest* record) { return clear_record(kEventNotification, record); }
BACNAPI_API int32_t bacnapi_ClearBACnetServiceUnconfirmedEventNotificationRequest(BACnetServiceUnconfirmedEventNotificationRequest* record) { return clear_record(kEventNotification, record); }
BACNAPI_API int32_t bacnapi_ClearConfirmedEventNotificationRequest(ConfirmedEventNotificationRequest* record) { return clear_record(kEventNotification, record); }
BACNAPI_API int32_t bacnapi_ClearUnconfirmedEventNotificationRequest(UnconfirmedEventNotificationRequest* record) { return clear_record(kEventNotification, record); }
BACNAPI_API int32_t bacnapi_ClearConfirmedTextMessageRequest(ConfirmedTextMessageRequest* record) { return clear_record(kTextMessage, record); }
BACNAPI_API int32_t bacnapi_ClearUnconfirmedTextMessageRequest(UnconfirmedTextMessageRequest* record) { return clear_record(kTextMessage, record); }
BACNAPI_API int32_t bacnapi_ClearWhoHas(WhoHasRequest* record) { return clear_record(kWhoHas, record); }
BACNAPI_API int32_t bacnapi_ClearReinitializeDeviceRequest(ReinitializeDeviceRequest* record) { return clear_record(kReinitializeDevice, record); }
BACNAPI_API int32_t bacnapi_ClearDeviceCommunicationControlRequest(DeviceCommunicationControlRequest* record) { return clear_record(kCommunicationControl, record); }
BACNAPI_API int32_t bacnapi_ClearLifeSafetyOperationRequest(LifeSafetyOperationRequest* record) { return clear_record(kLifeSafetyOperation, record); }
BACNAPI_API int32_t bacnapi_ClearAuthenticateRequest(AuthenticateRequest* record) { return clear_record(kAuthenticate, record); }
BACNAPI_API int32_t bacnapi_ClearIHaveRequest(IHaveRequest* record) { return clear_record(kIHave, record); }
BACNAPI_API int32_t bacnapi_ClearAcknowledgeAlarmRequest(AcknowledgeAlarmRequest* record) { return clear_record(kAcknowledgeAlarm, record); }
BACNAPI_API int32_t bacnapi_ClearReadRangeAck(ReadRangeAck* record) { return clear_record(kReadRangeAck, record); }
BACNAPI_API int32_t bacnapi_ClearAtomicReadFileAck(AtomicReadFileAck* record) { return clear_record(kReadFileAck, record); }
BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileRequest(AtomicWriteFileRequest* record) { return clear_record(kWriteFileRequest, record); }
// clang-format on
