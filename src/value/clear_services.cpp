// The Clear operations of the service request and acknowledgement records that hosts keep in
// their own memory. Several services share one record and so one operation; the others are thin
// wrappers. Where a comment says "the rest is kept", only the released members change.
#include "value/clear_internal.h"
#include "value/value_internal.h"

#include <cstring>

using bacnapi::zero_record;

namespace {

// Confirmed service choices whose error PDU carries a nested value.
constexpr uint32_t kConfirmedPrivateTransfer = 18;
constexpr uint32_t kVtClose = 22;

// File access methods whose record holds file data.
bool holds_file_data(int32_t accessMethod) { return accessMethod == 0 || accessMethod == 1; }

int32_t clear_private_transfer(BACnetDataType* nested)
{
    bacnapi::clear_value(nested);
    return BACNAPI_S_OK;
}

int32_t clear_text_message(TextMessageRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearCharacterString(&record->message);
    if (record->messageClassChoice == 1) bacnapi_ClearCharacterString(&record->messageClass.character);
    return BACNAPI_S_OK;
}

} // namespace

// ---- Records that own nothing ----

BACNAPI_API int32_t bacnapi_ClearIamRequest(IamRequest* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearCreateObjectAck(CreateObjectAck* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearWhoIsRequest(WhoIsRequest* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadPropertyRequest(ReadPropertyRequest* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

// Only the two addresses are zeroed; the device identifiers are kept.
BACNAPI_API int32_t bacnapi_ClearRequestKeyRequest(RequestKeyRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    zero_record(&record->requestingDeviceAddress);
    zero_record(&record->remoteDeviceAddress);
    return BACNAPI_S_OK;
}

// Only the enrolment filter is zeroed; the acknowledgment filter and the filters after it are kept.
BACNAPI_API int32_t bacnapi_ClearGetEnrolmentSummaryRequest(GetEnrolmentSummaryRequest* record)
{
    if (record != nullptr) zero_record(&record->enrollmentFilter);
    return BACNAPI_S_OK;
}

// These records own no storage: the operation leaves them exactly as they are.
BACNAPI_API int32_t bacnapi_ClearAtomicReadFileRequest(AtomicReadFileRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileAck(AtomicWriteFileAck*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearGetEventInformationRequest(GetEventInformationRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearReadRangeRequest(ReadRangeRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVPropertyRequest(SubscribeCOVPropertyRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearSubscribeCOVRequest(SubscribeCOVRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearTimeSynchronization(TimeSynchronizationRequest*) { return BACNAPI_S_OK; }
BACNAPI_API int32_t bacnapi_ClearUtcTimeSynchronization(TimeSynchronizationRequest*) { return BACNAPI_S_OK; }

// ---- Records with one nested value, the rest kept ----

BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferRequest(ConfirmedPrivateTransferRequest* record)
{
    return record == nullptr ? BACNAPI_S_OK : clear_private_transfer(&record->serviceParameters);
}

BACNAPI_API int32_t bacnapi_ClearUnconfirmedPrivateTransferRequest(UnconfirmedPrivateTransferRequest* record)
{
    return bacnapi_ClearConfirmedPrivateTransferRequest(record);
}

BACNAPI_API int32_t bacnapi_ClearConfirmedPrivateTransferAck(ConfirmedPrivateTransferAck* record)
{
    return record == nullptr ? BACNAPI_S_OK : clear_private_transfer(&record->resultBlock);
}

BACNAPI_API int32_t bacnapi_ClearAddListElementRequest(AddListElementRequest* record)
{
    if (record != nullptr) bacnapi::clear_value(&record->listOfElements);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearRemoveListElementRequest(RemoveListElementRequest* record)
{
    return bacnapi_ClearAddListElementRequest(record);
}

BACNAPI_API int32_t bacnapi_ClearConfirmedCOVnotificationRequest(ConfirmedCOVNotificationRequest* record)
{
    if (record != nullptr) bacnapi::clear_value(&record->listOfValues);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearUnconfirmedCOVNotificationRequest(UnconfirmedCOVNotificationRequest* record)
{
    return bacnapi_ClearConfirmedCOVnotificationRequest(record);
}

// ---- Records with one nested value, zero-filled ----

BACNAPI_API int32_t bacnapi_ClearWritePropertyRequest(WritePropertyRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->propertyValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearCreateObjectRequest(CreateObjectRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->listOfInitialValues);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadPropertyAck(ReadPropertyAck* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->propertyValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearWritePropertyMultipleRequest(WritePropertyMultipleRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->listOfWriteAccessSpecifications);
    zero_record(record);
    return BACNAPI_S_OK;
}

// The error PDU: the nested value of the two services whose error carries one.
BACNAPI_API int32_t bacnapi_ClearBACnetError(BACnetServiceError* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    if (record->serviceChoice == kConfirmedPrivateTransfer) bacnapi::clear_value(&record->details.errorParameters);
    else if (record->serviceChoice == kVtClose) bacnapi::clear_value(&record->details.listOfVTSessionIdentifiers);
    zero_record(record);
    return BACNAPI_S_OK;
}

// ---- Records holding head-inline sequences ----

BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleRequest(ReadPropertyMultipleRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfReadAccessSpecification(&record->listOfReadAccessSpecs);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadPropertyMultipleAck(ReadPropertyMultipleAck* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfReadAccessResult(&record->listOfReadAccessResults);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalAck(ReadPropertyConditionalAck* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfReadAccessResult(&record->listOfReadAccessResults);
    zero_record(record);
    return BACNAPI_S_OK;
}

// The property references (left empty) and the selection criteria; the selection logic is kept.
BACNAPI_API int32_t bacnapi_ClearReadPropertyConditionalRequest(ReadPropertyConditionalRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfBACnetPropertyReference(&record->listOfPropertyReferences);
    bacnapi::clear_value(&record->listOfSelectionCriteria);
    return BACNAPI_S_OK;
}

// ---- Records with character strings and octet strings, the rest kept ----

namespace bacnapi {

// The message text, then the event values (which keep their selector; see the notification
// parameters' Clear).
int32_t clear_parts(BACnetServiceConfirmedEventNotificationRequest* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearCharacterString(&record->messageText);
    clear_parts(&record->eventValues, scope);
    return BACNAPI_S_OK;
}

} // namespace bacnapi

BACNAPI_API int32_t bacnapi_ClearBACnetServiceUnconfirmedEventNotificationRequest(
    BACnetServiceUnconfirmedEventNotificationRequest* record)
{
    return bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(record);
}

BACNAPI_API int32_t bacnapi_ClearConfirmedEventNotificationRequest(ConfirmedEventNotificationRequest* record)
{
    return bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(record);
}

BACNAPI_API int32_t bacnapi_ClearUnconfirmedEventNotificationRequest(UnconfirmedEventNotificationRequest* record)
{
    return bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(record);
}

BACNAPI_API int32_t bacnapi_ClearConfirmedTextMessageRequest(ConfirmedTextMessageRequest* record)
{
    return clear_text_message(record);
}

BACNAPI_API int32_t bacnapi_ClearUnconfirmedTextMessageRequest(UnconfirmedTextMessageRequest* record)
{
    return clear_text_message(record);
}

BACNAPI_API int32_t bacnapi_ClearWhoHas(WhoHasRequest* record)
{
    if (record != nullptr && record->objectChoice == 1) bacnapi_ClearCharacterString(&record->object.objectName);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReinitializeDeviceRequest(ReinitializeDeviceRequest* record)
{
    if (record != nullptr) bacnapi_ClearCharacterString(&record->password);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearDeviceCommunicationControlRequest(DeviceCommunicationControlRequest* record)
{
    if (record != nullptr) bacnapi_ClearCharacterString(&record->password);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearLifeSafetyOperationRequest(LifeSafetyOperationRequest* record)
{
    if (record != nullptr) bacnapi_ClearCharacterString(&record->requestingSource);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearAuthenticateRequest(AuthenticateRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearCharacterString(&record->operatorName);
    bacnapi_ClearCharacterString(&record->operatorPassword);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearIHaveRequest(IHaveRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearCharacterString(&record->objectName);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearAcknowledgeAlarmRequest(AcknowledgeAlarmRequest* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearCharacterString(&record->acknowledgmentSource);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadRangeAck(ReadRangeAck* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->itemData);
    bacnapi_ClearBitString(&record->resultFlags);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearAtomicReadFileAck(AtomicReadFileAck* record)
{
    if (record != nullptr && holds_file_data(record->accessMethod)) bacnapi_ClearOctet(&record->fileData);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearAtomicWriteFileRequest(AtomicWriteFileRequest* record)
{
    if (record != nullptr && holds_file_data(record->accessMethod)) bacnapi_ClearOctet(&record->fileData);
    return BACNAPI_S_OK;
}

// ---- The exported forms: each runs its record's Clear as one whole operation ----

BACNAPI_API int32_t bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(
    BACnetServiceConfirmedEventNotificationRequest* record)
{
    return bacnapi::clear_scoped(record);
}
