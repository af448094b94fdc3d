/*
 * bacnapi: the universal value, its payloads, the type codes and the status codes.
 *
 * Every datum the library handles is one BACnetDataType: a 32-bit type code followed by a
 * three-word payload. Codes 0..12 (the application types) and 20 (SignedLong) are held inline;
 * every other code holds a pointer to a heap record owned by the value.
 *
 * Ownership, once for the whole interface: a value owns everything its payload points to,
 * transitively (octets, text, bits, its record and whatever the record owns). Every such block
 * comes from malloc/calloc/realloc and is released with free; hosts release values with
 * bacnapi_ClearBACnetDataType and library-made text with bacnapi_free.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef BACNAPI_TYPES_H
#define BACNAPI_TYPES_H

#include <stddef.h>
#include <stdint.h>

#if defined(BACNAPI_BUILDING)
#define BACNAPI_API __attribute__((visibility("default")))
#else
#define BACNAPI_API
#endif

#ifdef __cplusplus
#define BACNAPI_EXTERN_C_BEGIN extern "C" {
#define BACNAPI_EXTERN_C_END }
#else
#define BACNAPI_EXTERN_C_BEGIN
#define BACNAPI_EXTERN_C_END
#endif

/* ---- Status codes --------------------------------------------------------------------- */

/* Value layer (initialise, clear, copy, compare, accessors, octet and bit helpers). */
#define BACNAPI_S_OK ((int32_t)0)
#define BACNAPI_E_NOTSUPPORTED ((int32_t)0x80010000u)
#define BACNAPI_E_INVALIDARG ((int32_t)0x80020000u)
#define BACNAPI_E_BADINDEX ((int32_t)0x8002002Au)
#define BACNAPI_E_OUTOFMEMORY ((int32_t)0x80030000u)
/* Walker layer (brace text, retyping, walk functions). */
#define BACNAPI_WALK_E_NOMEMORY ((int32_t)-1001)
#define BACNAPI_WALK_E_NODESCRIPTOR ((int32_t)-1002)
#define BACNAPI_WALK_E_REFUSED ((int32_t)-1003)
/* A text visitor primitive failed; also CBACnetArray::Initialize. */
#define BACNAPI_E_FAIL ((int32_t)-1)

/* Sentinel of every absent property array index. */
#define BACNAPI_ARRAY_INDEX_ABSENT 0xFFFFFFFFu

/* ---- Type codes ----------------------------------------------------------------------- */

typedef enum BACnetApplicationTagNumber {
    BACNET_APPLICATION_TAG_NULL = 0,
    BACNET_APPLICATION_TAG_BOOLEAN = 1,
    BACNET_APPLICATION_TAG_UNSIGNED_INT = 2,
    BACNET_APPLICATION_TAG_SIGNED_INT = 3,
    BACNET_APPLICATION_TAG_REAL = 4,
    BACNET_APPLICATION_TAG_DOUBLE = 5,
    BACNET_APPLICATION_TAG_OCTET_STRING = 6,
    BACNET_APPLICATION_TAG_CHARACTER_STRING = 7,
    BACNET_APPLICATION_TAG_BIT_STRING = 8,
    BACNET_APPLICATION_TAG_ENUMERATED = 9,
    BACNET_APPLICATION_TAG_DATE = 10,
    BACNET_APPLICATION_TAG_TIME = 11,
    BACNET_APPLICATION_TAG_OBJECT_ID = 12,
    /* Widens the enumeration to 32 bits: interfaces that take this type also accept the type
     * codes of constructed and list types. */
    BACNET_APPLICATION_TAG_WIDTH_ = 0x7FFFFFFF
} BACnetApplicationTagNumber;

/* Type code of every value: the production names of the standard. Codes 13..19 are unassigned. */
enum {
    BACNAPI_TYPE_Null = 0,
    BACNAPI_TYPE_Boolean = 1,
    BACNAPI_TYPE_Unsigned = 2,
    BACNAPI_TYPE_Signed = 3,
    BACNAPI_TYPE_Real = 4,
    BACNAPI_TYPE_Double = 5,
    BACNAPI_TYPE_OctetString = 6,
    BACNAPI_TYPE_CharacterString = 7,
    BACNAPI_TYPE_BitString = 8,
    BACNAPI_TYPE_Enumerated = 9,
    BACNAPI_TYPE_Date = 10,
    BACNAPI_TYPE_Time = 11,
    BACNAPI_TYPE_ObjectIdentifier = 12,
    BACNAPI_TYPE_SignedLong = 20,
    BACNAPI_TYPE_BACnetAddress = 21,
    BACNAPI_TYPE_BACnetDateTime = 22,
    BACNAPI_TYPE_BACnetCalendarEntry = 23,
    BACNAPI_TYPE_BACnetDateRange = 24,
    BACNAPI_TYPE_BACnetWeekNDay = 25,
    BACNAPI_TYPE_BACnetTimeValue = 26,
    BACNAPI_TYPE_BACnetTimeStamp = 27,
    BACNAPI_TYPE_BACnetActionCommand = 28,
    BACNAPI_TYPE_BACnetSessionKey = 29,
    BACNAPI_TYPE_BACnetRecipient = 30,
    BACNAPI_TYPE_BACnetRecipientProcess = 31,
    BACNAPI_TYPE_BACnetAddressBinding = 32,
    BACNAPI_TYPE_BACnetObjectPropertyReference = 33,
    BACNAPI_TYPE_BACnetLogDatum = 34,
    BACNAPI_TYPE_BACnetError = 35,
    BACNAPI_TYPE_BACnetDeviceObjectPropertyReference = 36,
    BACNAPI_TYPE_BACnetLogRecord = 37,
    BACNAPI_TYPE_ReadAccessSpecification = 38,
    BACNAPI_TYPE_WriteAccessSpecification = 39,
    BACNAPI_TYPE_AlarmSummaryAckElement = 40,
    BACNAPI_TYPE_EnrolmentSummaryAckElement = 41,
    BACNAPI_TYPE_ReadAccessResult = 42,
    BACNAPI_TYPE_ReadAccessPropertyValue = 43,
    BACNAPI_TYPE_BACnetPropertyReference = 44,
    BACNAPI_TYPE_BACnetDestination = 45,
    BACNAPI_TYPE_BACnetDailySchedule = 46,
    BACNAPI_TYPE_BACnetSpecialEvent = 47,
    BACNAPI_TYPE_BACnetPriorityValue = 48,
    BACNAPI_TYPE_BACnetPropertyValue = 49,
    BACNAPI_TYPE_BACnetPropertyStates = 50,
    BACNAPI_TYPE_BACnetEventParameter = 51,
    BACNAPI_TYPE_BACnetNotificationParameters = 52,
    BACNAPI_TYPE_BACnetSelectionCriteria = 53,
    BACNAPI_TYPE_BACnetClientCOV = 54,
    BACNAPI_TYPE_BACnetObjectPropertyValue = 55,
    BACNAPI_TYPE_BACnetNestedValue = 56,
    BACNAPI_TYPE_BACnetArray = 57,
    BACNAPI_TYPE_BACnetPriorityArray = 58,
    BACNAPI_TYPE_BACnetActionList = 59,
    BACNAPI_TYPE_ListOfBACnetLogRecord = 60,
    BACNAPI_TYPE_ListOfBACnetCalendarEntry = 61,
    BACNAPI_TYPE_ListOfBACnetActionList = 62,
    BACNAPI_TYPE_ListOfBACnetActionCommand = 63,
    BACNAPI_TYPE_ListOfCharacterString = 64,
    BACNAPI_TYPE_ListOfObjectIdentifier = 65,
    BACNAPI_TYPE_BACnetSpecialEventPeriod = 66,
    BACNAPI_TYPE_Reserved67 = 67,
    BACNAPI_TYPE_Reserved68 = 68,
    BACNAPI_TYPE_ListOfBACnetSessionKey = 69,
    BACNAPI_TYPE_ListOfBACnetRecipient = 70,
    BACNAPI_TYPE_ListOfBACnetAddressBinding = 71,
    BACNAPI_TYPE_ListOfReadAccessSpecification = 72,
    BACNAPI_TYPE_ListOfReadAccessResult = 73,
    BACNAPI_TYPE_SequenceOfBACnetReadAccessPropertyValue = 74,
    BACNAPI_TYPE_ListOfUnsigned = 75,
    BACNAPI_TYPE_ListOfBACnetDestination = 76,
    BACNAPI_TYPE_ListOfBACnetDailySchedule = 77,
    BACNAPI_TYPE_ListOfBACnetSpecialEvent = 78,
    BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference = 79,
    BACNAPI_TYPE_ListOfBACnetTimeValue = 80,
    BACNAPI_TYPE_ListOfBitString = 81,
    BACNAPI_TYPE_ListOfBACnetPropertyStates = 82,
    BACNAPI_TYPE_ListOfBACnetObjectPropertyValue = 83,
    BACNAPI_TYPE_ListOfBACnetTimeStamp = 84,
    BACNAPI_TYPE_Reserved85 = 85,
    BACNAPI_TYPE_Reserved86 = 86,
    BACNAPI_TYPE_ListOfBACnetPropertyValue = 87,
    BACNAPI_TYPE_ListOfWriteAccessSpecification = 88,
    BACNAPI_TYPE_SequenceOfReadAccessSpecification = 89,
    BACNAPI_TYPE_SequenceOfReadAccessResult = 90,
    BACNAPI_TYPE_SequenceOfBACnetPropertyReference = 91,
    BACNAPI_TYPE_ReservedList92 = 92,
    BACNAPI_TYPE_ListOfAlarmSummaryAckElement = 93,
    BACNAPI_TYPE_ListOfEnrolmentSummaryAckElement = 94,
    BACNAPI_TYPE_ReservedList95 = 95,
    BACNAPI_TYPE_ReservedList96 = 96,
    BACNAPI_TYPE_BACnetConstructed = 97,
    BACNAPI_TYPE_ListOfBACnetConstructed = 98,
    BACNAPI_TYPE_Reserved99 = 99,
    BACNAPI_TYPE_Reserved100 = 100,
    BACNAPI_TYPE_BACnetCOVSubscription = 101,
    BACNAPI_TYPE_BACnetScale = 102,
    BACNAPI_TYPE_BACnetPrescale = 103,
    BACNAPI_TYPE_BACnetAccumulatorRecord = 104,
    BACNAPI_TYPE_EventSummaryElement = 105,
    BACNAPI_TYPE_ListOfEventSummaryElement = 106,
    BACNAPI_TYPE_ListOfBACnetCOVSubscription = 107,
    BACNAPI_TYPE_Reserved108 = 108,
    BACNAPI_TYPE_Reserved109 = 109,
    BACNAPI_TYPE_BACnetDeviceObjectPropertyValue = 110,
    BACNAPI_TYPE_ListOfEnumerated = 111,
    BACNAPI_TYPE_BACnetSetpointReference = 112,
    BACNAPI_TYPE_ListOfReal = 113,
    BACNAPI_TYPE_ListOfBoolean = 114,
    BACNAPI_TYPE_Reserved115 = 115,
    BACNAPI_TYPE_BACnetEventLogRecord = 116,
    BACNAPI_TYPE_BACnetLogData = 117,
    BACNAPI_TYPE_BACnetLogMultipleRecord = 118,
    BACNAPI_TYPE_BACnetLogDataElement = 119,
    BACNAPI_TYPE_ListOfBACnetLogDataElement = 120,
    BACNAPI_TYPE_ListOfBACnetEventLogRecord = 121,
    BACNAPI_TYPE_ListOfBACnetLogMultipleRecord = 122,
    BACNAPI_TYPE_BACnetShedLevel = 123,
    BACNAPI_TYPE_BACnetDeviceObjectReference = 124,
    BACNAPI_TYPE_ListOfBACnetDeviceObjectReference = 125,
    BACNAPI_TYPE_EventParameterChangeOfBitstring = 126,
    BACNAPI_TYPE_EventParameterChangeOfState = 127,
    BACNAPI_TYPE_EventParameterChangeOfValue = 128,
    BACNAPI_TYPE_EventParameterCommandFailure = 129,
    BACNAPI_TYPE_EventParameterFloatingLimit = 130,
    BACNAPI_TYPE_EventParameterOutOfRange = 131,
    BACNAPI_TYPE_EventParameterBufferReady = 132,
    BACNAPI_TYPE_EventParameterChangeOfLifeSafety = 133,
    BACNAPI_TYPE_EventParameterExtended = 134,
    BACNAPI_TYPE_EventParameterBufferReady2 = 135,
    BACNAPI_TYPE_EventParameterUnsignedRange = 136,
    BACNAPI_TYPE_BACnetCOVCriteria = 137,
    BACNAPI_TYPE_NotificationChangeOfBitstring = 138,
    BACNAPI_TYPE_NotificationChangeOfState = 139,
    BACNAPI_TYPE_NotificationChangeOfValue = 140,
    BACNAPI_TYPE_NotificationCommandFailure = 141,
    BACNAPI_TYPE_NotificationFloatingLimit = 142,
    BACNAPI_TYPE_NotificationOutOfRange = 143,
    BACNAPI_TYPE_NotificationBufferReady = 144,
    BACNAPI_TYPE_NotificationChangeOfLifeSafety = 145,
    BACNAPI_TYPE_NotificationExtended = 146,
    BACNAPI_TYPE_NotificationBufferReady2 = 147,
    BACNAPI_TYPE_NotificationUnsignedRange = 148,
    BACNAPI_TYPE_NotificationChangedValue = 149,
    BACNAPI_TYPE_ReadAccessResultList = 150,
    BACNAPI_TYPE_ReadPropertyMultipleAck = 151,
    BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest = 152,
    BACNAPI_TYPE_BACnetEventLogDatum = 153
};

/* ---- Inline payloads ------------------------------------------------------------------ */

/* Octet string: the pointer is null exactly when the length is 0. */
typedef struct BACnetOctetString {
    uint64_t length;
    uint8_t* data;
} BACnetOctetString;

/* Character sets of a CharacterString. */
enum {
    BACNAPI_CHARSET_UTF8 = 0,
    BACNAPI_CHARSET_DBCS = 1, /* two-byte code page (high byte first) in front of the text */
    BACNAPI_CHARSET_JIS = 2,  /* handled as Shift-JIS */
    BACNAPI_CHARSET_UCS4 = 3,
    BACNAPI_CHARSET_UCS2 = 4,
    BACNAPI_CHARSET_ISO8859_1 = 5
};

/* CharacterString: the character set code in a machine word whose other bytes are zero, the
 * bytes as stored (heap, owned; a terminating NUL may or may not be counted in length). */
typedef struct BACnetCharacterString {
    uint8_t characterSet;
    uint8_t reserved[7];
    char* data;
    uint64_t length;
} BACnetCharacterString;

/* Bit string: one octet per bit (0 = clear, anything else = set). bitCount octets are allocated;
 * every operation of the library keeps usedCount equal to bitCount. */
typedef struct BACnetBitString {
    uint64_t bitCount;
    uint64_t usedCount;
    uint8_t* bits;
} BACnetBitString;

/* 255 in any octet means unspecified. */
typedef struct BACnetDate {
    uint8_t year; /* year minus 1900 */
    uint8_t month;
    uint8_t day;
    uint8_t dayOfWeek;
} BACnetDate;

typedef struct BACnetTime {
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t hundredths;
} BACnetTime;

typedef struct BACnetObjectIdentifier {
    uint32_t objectType;
    uint32_t instance;
} BACnetObjectIdentifier;

/* ---- The universal value -------------------------------------------------------------- */

typedef struct BACnetDataType {
    int32_t type;
    union {
        uint8_t boolean;          /* 1 */
        uint32_t unsignedValue;   /* 2 */
        int32_t signedValue;      /* 3 */
        float real;               /* 4 */
        double doubleValue;       /* 5 */
        BACnetOctetString octetString;         /* 6 */
        BACnetCharacterString characterString; /* 7 */
        BACnetBitString bitString;             /* 8 */
        uint32_t enumerated;      /* 9 */
        BACnetDate date;          /* 10 */
        BACnetTime time;          /* 11 */
        BACnetObjectIdentifier objectIdentifier; /* 12 */
        int64_t signedLong;       /* 20 */
        void* record;             /* 21..153: the type's record, or null */
        struct BACnetValueList* list; /* list codes */
        uint64_t words[3];
    } payload;
} BACnetDataType;

/* Record of every list type: slots from count to capacity-1 are empty (Null) values. */
typedef struct BACnetValueList {
    uint32_t capacity;
    uint32_t count;
    BACnetDataType* elements;
} BACnetValueList;

#endif /* BACNAPI_TYPES_H */
