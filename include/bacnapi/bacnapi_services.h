/*
 * bacnapi: service request and acknowledgement records.
 *
 * The library does not encode or decode services; hosts keep these records in their own memory
 * and the bacnapi_Clear* functions release what the records own. Members follow the service
 * parameters of the standard in order; choices are an alternative number and the alternative.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef BACNAPI_SERVICES_H
#define BACNAPI_SERVICES_H

#include "bacnapi_records.h"

/* Growable byte buffer owned by the host (released with bacnapi_free on data). */
typedef struct BACnetByteBuffer {
    uint8_t* data;
    uint64_t length;
    uint64_t capacity;
} BACnetByteBuffer;

typedef struct BACnetByteStream {
    BACnetByteBuffer* buffer;
    int32_t position;
} BACnetByteStream;

/* Error PDU of a confirmed service. serviceChoice 18 (ConfirmedPrivateTransfer) carries the
 * nested errorParameters, 22 (VTClose) the nested listOfVTSessionIdentifiers. */
typedef struct BACnetServiceError {
    uint32_t serviceChoice;
    BACnetError error;
    union {
        BACnetDataType errorParameters;
        BACnetDataType listOfVTSessionIdentifiers;
    } details;
} BACnetServiceError;

typedef struct IamRequest {
    BACnetObjectIdentifier iAmDeviceIdentifier;
    uint32_t maxAPDULengthAccepted;
    uint32_t segmentationSupported;
    uint32_t vendorID;
} IamRequest;

typedef struct WhoIsRequest {
    uint32_t deviceInstanceRangeLowLimit;
    uint32_t deviceInstanceRangeHighLimit;
} WhoIsRequest;

typedef struct CreateObjectAck {
    BACnetObjectIdentifier objectIdentifier;
} CreateObjectAck;

typedef struct RequestKeyRequest {
    BACnetObjectIdentifier requestingDeviceIdentifier;
    BACnetAddress requestingDeviceAddress;
    BACnetObjectIdentifier remoteDeviceIdentifier;
    BACnetAddress remoteDeviceAddress;
} RequestKeyRequest;

typedef struct ReadPropertyRequest {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
} ReadPropertyRequest;

/* acknowledgmentFilter 0 all, 1 acked, 2 not-acked; the filters behind it are plain numbers. */
typedef struct GetEnrolmentSummaryRequest {
    BACnetRecipientProcess enrollmentFilter;
    uint32_t acknowledgmentFilter;
    uint32_t eventStateFilter;
    uint32_t eventTypeFilter;
    uint32_t minPriority;
    uint32_t maxPriority;
    uint32_t notificationClassFilter;
} GetEnrolmentSummaryRequest;

typedef struct ConfirmedPrivateTransferRequest {
    uint32_t vendorID;
    uint32_t serviceNumber;
    BACnetDataType serviceParameters;
} ConfirmedPrivateTransferRequest;
typedef ConfirmedPrivateTransferRequest UnconfirmedPrivateTransferRequest;

typedef struct ConfirmedPrivateTransferAck {
    uint32_t vendorID;
    uint32_t serviceNumber;
    BACnetDataType resultBlock;
} ConfirmedPrivateTransferAck;

/* AddListElement and RemoveListElement share one record. */
typedef struct AddListElementRequest {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType listOfElements;
} AddListElementRequest;
typedef AddListElementRequest RemoveListElementRequest;

/* listOfValues holds a ListOfBACnetPropertyValue. */
typedef struct ConfirmedCOVNotificationRequest {
    uint32_t subscriberProcessIdentifier;
    BACnetObjectIdentifier initiatingDeviceIdentifier;
    BACnetObjectIdentifier monitoredObjectIdentifier;
    uint32_t timeRemaining;
    BACnetDataType listOfValues;
} ConfirmedCOVNotificationRequest;
typedef ConfirmedCOVNotificationRequest UnconfirmedCOVNotificationRequest;

typedef struct WritePropertyRequest {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType propertyValue;
    uint32_t priority;
} WritePropertyRequest;

/* objectSpecifier: choice 0 objectType, 1 objectIdentifier. listOfInitialValues holds a
 * ListOfBACnetPropertyValue. */
typedef struct CreateObjectRequest {
    BACnetDataType listOfInitialValues;
    int32_t objectSpecifierChoice;
    union {
        uint32_t objectType;
        BACnetObjectIdentifier objectIdentifier;
    } objectSpecifier;
} CreateObjectRequest;

typedef struct ReadPropertyAck {
    BACnetDataType propertyValue;
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
} ReadPropertyAck;

/* listOfWriteAccessSpecifications holds a ListOfWriteAccessSpecification. */
typedef struct WritePropertyMultipleRequest {
    BACnetDataType listOfWriteAccessSpecifications;
} WritePropertyMultipleRequest;

typedef struct ReadPropertyMultipleRequest {
    SequenceOfReadAccessSpecification listOfReadAccessSpecs;
} ReadPropertyMultipleRequest;

typedef struct ReadPropertyConditionalAck {
    SequenceOfReadAccessResult listOfReadAccessResults;
} ReadPropertyConditionalAck;

/* selectionLogic 0 and, 1 or, 2 all; listOfSelectionCriteria is a nested list value. */
typedef struct ReadPropertyConditionalRequest {
    SequenceOfBACnetPropertyReference listOfPropertyReferences;
    uint32_t selectionLogic;
    BACnetDataType listOfSelectionCriteria;
} ReadPropertyConditionalRequest;

/* messageClass: choice 0 numeric, 1 character; messagePriority 0 normal, 1 urgent. */
typedef struct TextMessageRequest {
    BACnetObjectIdentifier textMessageSourceDevice;
    int32_t messageClassChoice;
    union {
        uint32_t numeric;
        BACnetCharacterString character;
    } messageClass;
    uint32_t messagePriority;
    BACnetCharacterString message;
} TextMessageRequest;
typedef TextMessageRequest ConfirmedTextMessageRequest;
typedef TextMessageRequest UnconfirmedTextMessageRequest;

/* object: choice 0 objectIdentifier, 1 objectName. */
typedef struct WhoHasRequest {
    uint32_t deviceInstanceRangeLowLimit;
    uint32_t deviceInstanceRangeHighLimit;
    int32_t objectChoice;
    union {
        BACnetObjectIdentifier objectIdentifier;
        BACnetCharacterString objectName;
    } object;
} WhoHasRequest;

typedef struct ReinitializeDeviceRequest {
    uint32_t reinitializedStateOfDevice;
    BACnetCharacterString password;
} ReinitializeDeviceRequest;

typedef struct DeviceCommunicationControlRequest {
    uint32_t timeDuration;
    uint32_t enableDisable;
    BACnetCharacterString password;
} DeviceCommunicationControlRequest;

typedef struct LifeSafetyOperationRequest {
    uint32_t requestingProcessIdentifier;
    BACnetCharacterString requestingSource;
    uint32_t request;
    BACnetObjectIdentifier objectIdentifier;
} LifeSafetyOperationRequest;

typedef struct AuthenticateRequest {
    uint32_t pseudoRandomNumber;
    uint32_t expectedInvokeID;
    BACnetCharacterString operatorName;
    BACnetCharacterString operatorPassword;
    uint8_t startEncipheredSession;
} AuthenticateRequest;

typedef struct IHaveRequest {
    BACnetObjectIdentifier deviceIdentifier;
    BACnetObjectIdentifier objectIdentifier;
    BACnetCharacterString objectName;
} IHaveRequest;

typedef struct AcknowledgeAlarmRequest {
    uint32_t acknowledgingProcessIdentifier;
    BACnetObjectIdentifier eventObjectIdentifier;
    uint32_t eventStateAcknowledged;
    BACnetTimeStamp timeStamp;
    BACnetCharacterString acknowledgmentSource;
    BACnetTimeStamp timeOfAcknowledgment;
} AcknowledgeAlarmRequest;

/* itemData holds the list value of the range read. */
typedef struct ReadRangeAck {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetBitString resultFlags;
    uint32_t itemCount;
    BACnetDataType itemData;
    uint32_t firstSequenceNumber;
} ReadRangeAck;

/* range: choice 0 byPosition, 1 bySequenceNumber, 2 byTime, -1 none. */
typedef struct ReadRangeRequest {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    int32_t rangeChoice;
    union {
        struct { uint32_t referenceIndex; int32_t count; } byPosition;
        struct { uint32_t referenceSequenceNumber; int32_t count; } bySequenceNumber;
        struct { BACnetDateTime referenceTime; int32_t count; } byTime;
    } range;
} ReadRangeRequest;

/* accessMethod 0 stream, 1 record. fileData is one octet string (record access keeps one
 * record). */
typedef struct AtomicReadFileAck {
    uint8_t endOfFile;
    int32_t accessMethod;
    int32_t fileStart;
    uint32_t returnedRecordCount;
    BACnetOctetString fileData;
} AtomicReadFileAck;

typedef struct AtomicWriteFileRequest {
    BACnetObjectIdentifier fileIdentifier;
    int32_t accessMethod;
    int32_t fileStart;
    uint32_t recordCount;
    BACnetOctetString fileData;
} AtomicWriteFileRequest;

typedef struct AtomicReadFileRequest {
    BACnetObjectIdentifier fileIdentifier;
    int32_t accessMethod;
    int32_t fileStart;
    uint32_t requestedCount;
} AtomicReadFileRequest;

typedef struct AtomicWriteFileAck {
    int32_t accessMethod;
    int32_t fileStart;
} AtomicWriteFileAck;

typedef struct GetEventInformationRequest {
    BACnetObjectIdentifier lastReceivedObjectIdentifier;
} GetEventInformationRequest;

typedef struct SubscribeCOVRequest {
    uint32_t subscriberProcessIdentifier;
    BACnetObjectIdentifier monitoredObjectIdentifier;
    uint8_t issueConfirmedNotifications;
    uint32_t lifetime;
} SubscribeCOVRequest;

typedef struct SubscribeCOVPropertyRequest {
    uint32_t subscriberProcessIdentifier;
    BACnetObjectIdentifier monitoredObjectIdentifier;
    uint8_t issueConfirmedNotifications;
    uint32_t lifetime;
    BACnetPropertyReference monitoredPropertyIdentifier;
    uint32_t covIncrementAbsent;
    float covIncrement;
} SubscribeCOVPropertyRequest;

/* TimeSynchronization and UTCTimeSynchronization. */
typedef struct TimeSynchronizationRequest {
    BACnetDateTime time;
} TimeSynchronizationRequest;

#endif /* BACNAPI_SERVICES_H */
