/*
 * bacnapi: the records of the constructed types (codes 21..153).
 *
 * A record holds one member per field of its production, in field order; a choice record holds
 * its alternative number (signed 32-bit) and then one member wide enough for any alternative.
 * Records are zero-filled when the library creates them. A member of type BACnetDataType is a
 * nested value owned by the record. The comments name the exceptions to the plain field order.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef BACNAPI_RECORDS_H
#define BACNAPI_RECORDS_H

#include "bacnapi_types.h"

/* 21. The MAC address holds macLength (0..6) meaningful octets. */
typedef struct BACnetAddress {
    uint32_t networkNumber;
    uint8_t macAddress[6];
    uint8_t macLength;
} BACnetAddress;

/* 22 */
typedef struct BACnetDateTime {
    BACnetDate date;
    BACnetTime time;
} BACnetDateTime;

/* 24 */
typedef struct BACnetDateRange {
    BACnetDate startDate;
    BACnetDate endDate;
} BACnetDateRange;

/* 25 */
typedef struct BACnetWeekNDay {
    uint8_t month;
    uint8_t weekOfMonth;
    uint8_t dayOfWeek;
} BACnetWeekNDay;

/* 23. The three alternatives stand side by side; choice 0 date, 1 dateRange, 2 weekNDay. */
typedef struct BACnetCalendarEntry {
    int32_t choice;
    BACnetDate date;
    BACnetDateRange dateRange;
    BACnetWeekNDay weekNDay;
} BACnetCalendarEntry;

/* 26. value holds an application value (codes 0..12). */
typedef struct BACnetTimeValue {
    BACnetTime time;
    BACnetDataType value;
} BACnetTimeValue;

/* 27. choice 0 time, 1 sequenceNumber, 2 dateTime. */
typedef struct BACnetTimeStamp {
    int32_t choice;
    union {
        BACnetTime time;
        uint32_t sequenceNumber;
        BACnetDateTime dateTime;
    } value;
} BACnetTimeStamp;

/* 28. deviceIdentifier absent: object type 8, instance 0xFFFFFFFF; postDelay absent: 0. */
typedef struct BACnetActionCommand {
    BACnetObjectIdentifier deviceIdentifier;
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType propertyValue;
    uint32_t priority;
    uint32_t postDelay;
    uint8_t quitOnFailure;
    uint8_t writeSuccessful;
} BACnetActionCommand;

/* 29 */
typedef struct BACnetSessionKey {
    BACnetOctetString sessionKey;
    BACnetAddress peerAddress;
} BACnetSessionKey;

/* 30. choice -1 no recipient, 0 device, 1 address. */
typedef struct BACnetRecipient {
    int32_t choice;
    union {
        BACnetObjectIdentifier device;
        BACnetAddress address;
    } value;
} BACnetRecipient;

/* 31. present is a presence octet that brace text does not carry. */
typedef struct BACnetRecipientProcess {
    uint8_t present;
    BACnetRecipient recipient;
    uint32_t processIdentifier;
} BACnetRecipientProcess;

/* 32 */
typedef struct BACnetAddressBinding {
    BACnetObjectIdentifier deviceObjectIdentifier;
    BACnetAddress deviceAddress;
} BACnetAddressBinding;

/* 33 */
typedef struct BACnetObjectPropertyReference {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
} BACnetObjectPropertyReference;

/* 35. Held only inside other records. */
typedef struct BACnetError {
    uint32_t errorClass;
    uint32_t errorCode;
} BACnetError;

/* 36 */
typedef struct BACnetDeviceObjectPropertyReference {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetObjectIdentifier deviceIdentifier;
} BACnetDeviceObjectPropertyReference;

/* 34. The value member of a log datum; its alternative number stands in the enclosing record.
 * 0 log-status, 1 boolean, 2 real, 3 enum, 4 unsigned, 5 signed, 6 bitstring, 7 null,
 * 8 failure, 9 time-change, 10 any-value (nested value). */
typedef union BACnetLogDatum {
    BACnetBitString logStatus;
    uint8_t booleanValue;
    float realValue;
    uint32_t enumValue;
    uint32_t unsignedValue;
    int32_t signedValue;
    BACnetBitString bitstringValue;
    BACnetError failure;
    float timeChange;
    BACnetDataType anyValue;
} BACnetLogDatum;

/* 37 */
typedef struct BACnetLogRecord {
    BACnetDateTime timestamp;
    int32_t logDatumChoice;
    BACnetLogDatum logDatum;
    BACnetBitString statusFlags;
} BACnetLogRecord;

/* 44 */
typedef struct BACnetPropertyReference {
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
} BACnetPropertyReference;

/* 91. Head-inline sequence: element 0 in place, element i (i >= 1) in elements[i]. */
typedef struct SequenceOfBACnetPropertyReference {
    BACnetPropertyReference first;
    BACnetPropertyReference* elements;
    int32_t count;
} SequenceOfBACnetPropertyReference;

/* 38 */
typedef struct ReadAccessSpecification {
    BACnetObjectIdentifier objectIdentifier;
    SequenceOfBACnetPropertyReference listOfPropertyReferences;
} ReadAccessSpecification;

/* 39. listOfProperties holds a ListOfBACnetPropertyValue (87). */
typedef struct WriteAccessSpecification {
    BACnetObjectIdentifier objectIdentifier;
    BACnetDataType listOfProperties;
} WriteAccessSpecification;

/* 40 */
typedef struct AlarmSummaryAckElement {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t alarmState;
    BACnetBitString acknowledgedTransitions;
} AlarmSummaryAckElement;

/* 41 */
typedef struct EnrolmentSummaryAckElement {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t eventType;
    uint32_t eventState;
    uint32_t priority;
    uint32_t notificationClass;
} EnrolmentSummaryAckElement;

/* 43. choice 0 propertyValue, 1 propertyAccessError. */
typedef struct ReadAccessPropertyValue {
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    int32_t choice;
    union {
        BACnetDataType propertyValue;
        BACnetError propertyAccessError;
    } result;
} ReadAccessPropertyValue;

/* 150. Head-inline sequence of ReadAccessPropertyValue. */
typedef struct ReadAccessResultList {
    ReadAccessPropertyValue first;
    ReadAccessPropertyValue* elements;
    int32_t count;
} ReadAccessResultList;

/* 42 */
typedef struct ReadAccessResult {
    BACnetObjectIdentifier objectIdentifier;
    ReadAccessResultList listOfResults;
} ReadAccessResult;

/* 45 */
typedef struct BACnetDestination {
    BACnetBitString validDays;
    BACnetTime fromTime;
    BACnetTime toTime;
    BACnetRecipient recipient;
    uint32_t processIdentifier;
    uint8_t issueConfirmedNotifications;
    BACnetBitString transitions;
} BACnetDestination;

/* 46. daySchedule holds a ListOfBACnetTimeValue (80). */
typedef struct BACnetDailySchedule {
    BACnetDataType daySchedule;
} BACnetDailySchedule;

/* 47. period: choice 0 calendarEntry, 1 calendarReference. listOfTimeValues holds a
 * ListOfBACnetTimeValue (80); extraValue is a second nested value that no field describes
 * (released with the record). */
typedef struct BACnetSpecialEvent {
    int32_t periodChoice;
    union {
        BACnetCalendarEntry calendarEntry;
        BACnetObjectIdentifier calendarReference;
    } period;
    BACnetDataType listOfTimeValues;
    BACnetDataType extraValue;
    uint32_t eventPriority;
} BACnetSpecialEvent;

/* 48. kind: 0 null, 1 real, 2 binary (enumerated), 3 unsigned, 4 enumerated, 5 constructed. */
typedef struct BACnetPriorityValue {
    int32_t kind;
    union {
        uint32_t unsignedValue;
        uint32_t enumerated;
        float real;
        BACnetDataType constructedValue;
    } value;
} BACnetPriorityValue;

/* 49 */
typedef struct BACnetPropertyValue {
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType value;
    uint32_t priority;
} BACnetPropertyValue;

/* 50. choice 0..15; alternative 0 is a Boolean (one octet), 11 an Unsigned, the rest Enumerated. */
typedef struct BACnetPropertyStates {
    int32_t choice;
    union {
        uint8_t booleanValue;
        uint32_t unsignedValue;
        uint32_t enumerated;
    } value;
} BACnetPropertyStates;

/* ---- Event-parameter alternatives (126..137), members of BACnetEventParameter ---------- */

/* 126. listOfBitstringValues holds a ListOfBitString (81). */
typedef struct EventParameterChangeOfBitstring {
    uint32_t timeDelay;
    BACnetBitString bitmask;
    BACnetDataType listOfBitstringValues;
} EventParameterChangeOfBitstring;

/* 127. listOfValues holds a ListOfBACnetPropertyStates (82). */
typedef struct EventParameterChangeOfState {
    uint32_t timeDelay;
    BACnetDataType listOfValues;
} EventParameterChangeOfState;

/* 137. choice 0 bitmask, 1 referencedPropertyIncrement. */
typedef struct BACnetCOVCriteria {
    int32_t choice;
    union {
        BACnetBitString bitmask;
        float referencedPropertyIncrement;
    } value;
} BACnetCOVCriteria;

/* 128 */
typedef struct EventParameterChangeOfValue {
    uint32_t timeDelay;
    BACnetCOVCriteria covCriteria;
} EventParameterChangeOfValue;

/* 129 */
typedef struct EventParameterCommandFailure {
    uint32_t timeDelay;
    BACnetDeviceObjectPropertyReference feedbackPropertyReference;
} EventParameterCommandFailure;

/* 130 */
typedef struct EventParameterFloatingLimit {
    uint32_t timeDelay;
    BACnetDeviceObjectPropertyReference setpointReference;
    float lowDiffLimit;
    float highDiffLimit;
    float deadband;
} EventParameterFloatingLimit;

/* 131 */
typedef struct EventParameterOutOfRange {
    uint32_t timeDelay;
    float lowLimit;
    float highLimit;
    float deadband;
} EventParameterOutOfRange;

/* 132 (alternative 7) and 135 (alternative 10). */
typedef struct EventParameterBufferReady {
    uint32_t notificationThreshold;
    uint32_t previousNotificationCount;
} EventParameterBufferReady;
typedef EventParameterBufferReady EventParameterBufferReady2;

/* 133. Both lists hold a ListOfEnumerated (111). */
typedef struct EventParameterChangeOfLifeSafety {
    uint32_t timeDelay;
    BACnetDataType listOfLifeSafetyAlarmValues;
    BACnetDataType listOfAlarmValues;
    BACnetDeviceObjectPropertyReference modePropertyReference;
} EventParameterChangeOfLifeSafety;

/* 134. The parameters of the production are not held. */
typedef struct EventParameterExtended {
    uint32_t vendorId;
    uint32_t extendedEventType;
} EventParameterExtended;

/* 136 */
typedef struct EventParameterUnsignedRange {
    uint32_t timeDelay;
    uint32_t lowLimit;
    uint32_t highLimit;
} EventParameterUnsignedRange;

/* 51. choice 0..11 (6 not used); 999 = no alternative. */
typedef struct BACnetEventParameter {
    int32_t choice;
    union {
        EventParameterChangeOfBitstring changeOfBitstring;         /* 0 */
        EventParameterChangeOfState changeOfState;                 /* 1 */
        EventParameterChangeOfValue changeOfValue;                 /* 2 */
        EventParameterCommandFailure commandFailure;               /* 3 */
        EventParameterFloatingLimit floatingLimit;                 /* 4 */
        EventParameterOutOfRange outOfRange;                       /* 5 */
        EventParameterBufferReady bufferReady;                     /* 7 */
        EventParameterChangeOfLifeSafety changeOfLifeSafety;       /* 8 */
        EventParameterExtended extended;                           /* 9 */
        EventParameterBufferReady2 bufferReady2;                   /* 10 */
        EventParameterUnsignedRange unsignedRange;                 /* 11 */
    } parameters;
} BACnetEventParameter;

/* 110 */
typedef struct BACnetDeviceObjectPropertyValue {
    BACnetObjectIdentifier deviceIdentifier;
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType value;
} BACnetDeviceObjectPropertyValue;

/* ---- Notification-parameter alternatives (138..149), members of BACnetNotificationParameters */

/* 138. Status flags first in the record (the walk order is referencedBitstring, statusFlags). */
typedef struct NotificationChangeOfBitstring {
    BACnetBitString statusFlags;
    BACnetBitString referencedBitstring;
} NotificationChangeOfBitstring;

/* 139 */
typedef struct NotificationChangeOfState {
    BACnetBitString statusFlags;
    BACnetPropertyStates newState;
} NotificationChangeOfState;

/* 149. choice 0 changedBits, 1 changedValue. */
typedef struct NotificationChangedValue {
    int32_t choice;
    union {
        BACnetBitString changedBits;
        float changedValue;
    } value;
} NotificationChangedValue;

/* 140 */
typedef struct NotificationChangeOfValue {
    BACnetBitString statusFlags;
    NotificationChangedValue newValue;
} NotificationChangeOfValue;

/* 141. Two nested values of any type. */
typedef struct NotificationCommandFailure {
    BACnetBitString statusFlags;
    BACnetDataType commandValue;
    BACnetDataType feedbackValue;
} NotificationCommandFailure;

/* 142 */
typedef struct NotificationFloatingLimit {
    BACnetBitString statusFlags;
    float referenceValue;
    float setpointValue;
    float errorLimit;
} NotificationFloatingLimit;

/* 143 */
typedef struct NotificationOutOfRange {
    BACnetBitString statusFlags;
    float exceedingValue;
    float deadband;
    float exceededLimit;
} NotificationOutOfRange;

/* 144 */
typedef struct NotificationBufferReady {
    BACnetObjectIdentifier bufferDevice;
    BACnetObjectIdentifier bufferObject;
    uint32_t previousNotification;
    uint32_t currentNotification;
} NotificationBufferReady;

/* 145 */
typedef struct NotificationChangeOfLifeSafety {
    uint32_t newState;
    uint32_t newMode;
    BACnetBitString statusFlags;
    uint32_t operationExpected;
} NotificationChangeOfLifeSafety;

/* 146. parametersChoice 8 holds a BACnetDeviceObjectPropertyValue; the walk carries neither. */
typedef struct NotificationExtended {
    uint32_t vendorId;
    uint32_t extendedEventType;
    int32_t parametersChoice;
    union {
        BACnetDeviceObjectPropertyValue propertyValue;
    } parameters;
} NotificationExtended;

/* 147 */
typedef struct NotificationBufferReady2 {
    BACnetDeviceObjectPropertyReference bufferProperty;
    uint32_t previousNotification;
    uint32_t currentNotification;
} NotificationBufferReady2;

/* 148. Status flags first, as in the walk. */
typedef struct NotificationUnsignedRange {
    BACnetBitString statusFlags;
    uint32_t exceedingValue;
    uint32_t exceededLimit;
} NotificationUnsignedRange;

/* 52. choice 0..11; alternative 6 (complex-event-type) is a nested ListOfBACnetPropertyValue. */
typedef struct BACnetNotificationParameters {
    int32_t choice;
    union {
        NotificationChangeOfBitstring changeOfBitstring;     /* 0 */
        NotificationChangeOfState changeOfState;             /* 1 */
        NotificationChangeOfValue changeOfValue;             /* 2 */
        NotificationCommandFailure commandFailure;           /* 3 */
        NotificationFloatingLimit floatingLimit;             /* 4 */
        NotificationOutOfRange outOfRange;                   /* 5 */
        BACnetDataType complexEventType;                     /* 6 */
        NotificationBufferReady bufferReady;                 /* 7 */
        NotificationChangeOfLifeSafety changeOfLifeSafety;   /* 8 */
        NotificationExtended extended;                       /* 9 */
        NotificationBufferReady2 bufferReady2;               /* 10 */
        NotificationUnsignedRange unsignedRange;             /* 11 */
    } parameters;
} BACnetNotificationParameters;

/* 53 */
typedef struct BACnetSelectionCriteria {
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    uint32_t relationSpecifier;
    BACnetDataType comparisonValue;
} BACnetSelectionCriteria;

/* 54. choice 0 realIncrement, 1 defaultIncrement (Null). */
typedef struct BACnetClientCOV {
    int32_t choice;
    union {
        float realIncrement;
        uint32_t defaultIncrement;
    } value;
} BACnetClientCOV;

/* 55 */
typedef struct BACnetObjectPropertyValue {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t propertyIdentifier;
    uint32_t propertyArrayIndex;
    BACnetDataType value;
    uint32_t priority;
} BACnetObjectPropertyValue;

/* 56 */
typedef struct BACnetNestedValue {
    BACnetDataType value;
} BACnetNestedValue;

/* 59. action holds a ListOfBACnetActionCommand (63). */
typedef struct BACnetActionList {
    BACnetDataType action;
} BACnetActionList;

/* 89. Head-inline sequence of ReadAccessSpecification. */
typedef struct SequenceOfReadAccessSpecification {
    ReadAccessSpecification first;
    ReadAccessSpecification* elements;
    int32_t count;
} SequenceOfReadAccessSpecification;

/* 90. Head-inline sequence of ReadAccessResult. */
typedef struct SequenceOfReadAccessResult {
    ReadAccessResult first;
    ReadAccessResult* elements;
    int32_t count;
} SequenceOfReadAccessResult;

/* 97. leadingField is 0xFFFFFFFF in a fresh record. */
typedef struct BACnetConstructed {
    uint32_t leadingField;
    BACnetDataType value;
} BACnetConstructed;

/* 101. covIncrementAbsent non-zero means the COV increment is absent. */
typedef struct BACnetCOVSubscription {
    BACnetRecipientProcess recipient;
    BACnetObjectPropertyReference monitoredPropertyReference;
    uint8_t issueConfirmedNotifications;
    uint32_t timeRemaining;
    uint32_t covIncrementAbsent;
    float covIncrement;
} BACnetCOVSubscription;

/* 102. choice 0 floatScale, 1 integerScale. */
typedef struct BACnetScale {
    int32_t choice;
    union {
        float floatScale;
        uint32_t integerScale;
    } value;
} BACnetScale;

/* 103 */
typedef struct BACnetPrescale {
    uint32_t multiplier;
    uint32_t moduloDivide;
} BACnetPrescale;

/* 104 */
typedef struct BACnetAccumulatorRecord {
    BACnetDateTime timestamp;
    uint32_t presentValue;
    uint32_t accumulatedValue;
    uint32_t accumulatorStatus;
} BACnetAccumulatorRecord;

/* 105. eventTimeStamps holds a ListOfBACnetTimeStamp (84), eventPriorities a ListOfUnsigned (75). */
typedef struct EventSummaryElement {
    BACnetObjectIdentifier objectIdentifier;
    uint32_t eventState;
    BACnetBitString acknowledgedTransitions;
    BACnetDataType eventTimeStamps;
    uint32_t notifyType;
    BACnetBitString eventEnable;
    BACnetDataType eventPriorities;
} EventSummaryElement;

/* 112. present is 0 when no reference is held. */
typedef struct BACnetSetpointReference {
    uint8_t present;
    BACnetObjectPropertyReference setpointReference;
} BACnetSetpointReference;

/* 152. The ConfirmedEventNotification request (also the unconfirmed one). */
typedef struct BACnetServiceConfirmedEventNotificationRequest {
    uint32_t processIdentifier;
    BACnetObjectIdentifier initiatingDeviceIdentifier;
    BACnetObjectIdentifier eventObjectIdentifier;
    BACnetTimeStamp timestamp;
    uint32_t notificationClass;
    uint32_t priority;
    uint32_t eventType;
    BACnetCharacterString messageText;
    uint32_t notifyType;
    uint8_t ackRequired;
    uint32_t fromState;
    uint32_t toState;
    BACnetNotificationParameters eventValues;
} BACnetServiceConfirmedEventNotificationRequest;
typedef BACnetServiceConfirmedEventNotificationRequest BACnetServiceUnconfirmedEventNotificationRequest;
typedef BACnetServiceConfirmedEventNotificationRequest ConfirmedEventNotificationRequest;
typedef BACnetServiceConfirmedEventNotificationRequest UnconfirmedEventNotificationRequest;

/* 153. The value member of an event-log datum: 0 log-status, 1 notification, 2 time-change. */
typedef union BACnetEventLogDatum {
    BACnetBitString logStatus;
    BACnetServiceConfirmedEventNotificationRequest notification;
    float timeChange;
} BACnetEventLogDatum;

/* 116 */
typedef struct BACnetEventLogRecord {
    BACnetDateTime timestamp;
    int32_t logDatumChoice;
    BACnetEventLogDatum logDatum;
} BACnetEventLogRecord;

/* 117. choice 0 logStatus, 1 logData (a nested ListOfBACnetLogDataElement, 120), 2 timeChange. */
typedef struct BACnetLogData {
    int32_t choice;
    union {
        BACnetBitString logStatus;
        BACnetDataType logData;
        float timeChange;
    } value;
} BACnetLogData;

/* 118 */
typedef struct BACnetLogMultipleRecord {
    BACnetDateTime timestamp;
    BACnetLogData logData;
} BACnetLogMultipleRecord;

/* 119. choice 0 boolean, 1 real, 2 enum, 3 unsigned, 4 signed, 5 bitstring, 6 null, 7 failure,
 * 8 any-value (nested value). */
typedef struct BACnetLogDataElement {
    int32_t choice;
    union {
        uint8_t booleanValue;
        float realValue;
        uint32_t enumValue;
        uint32_t unsignedValue;
        int32_t signedValue;
        BACnetBitString bitstringValue;
        BACnetError failure;
        BACnetDataType anyValue;
    } value;
} BACnetLogDataElement;

/* 123. choice 0 percent, 1 level, 2 amount. */
typedef struct BACnetShedLevel {
    int32_t choice;
    union {
        uint32_t percent;
        uint32_t level;
        float amount;
    } value;
} BACnetShedLevel;

/* 124 */
typedef struct BACnetDeviceObjectReference {
    BACnetObjectIdentifier deviceIdentifier;
    BACnetObjectIdentifier objectIdentifier;
} BACnetDeviceObjectReference;

/* 151 */
typedef struct ReadPropertyMultipleAck {
    SequenceOfReadAccessResult listOfReadAccessResults;
} ReadPropertyMultipleAck;

#endif /* BACNAPI_RECORDS_H */
