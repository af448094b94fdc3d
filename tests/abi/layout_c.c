/* The public headers compile as C99; the layouts that hosts depend on are checked here. */
#include <bacnapi/bacnapi.h>

#include <stddef.h>

_Static_assert(sizeof(BACnetDataType) == 32, "value: 32-bit code, then three words");
_Static_assert(offsetof(BACnetDataType, payload) == 8, "payload at offset 8");
_Static_assert(sizeof(BACnetOctetString) == 16 && offsetof(BACnetOctetString, data) == 8, "octet string");
_Static_assert(sizeof(BACnetCharacterString) == 24 && offsetof(BACnetCharacterString, data) == 8 &&
                   offsetof(BACnetCharacterString, length) == 16,
               "character string");
_Static_assert(sizeof(BACnetBitString) == 24 && offsetof(BACnetBitString, usedCount) == 8 &&
                   offsetof(BACnetBitString, bits) == 16,
               "bit string");
_Static_assert(sizeof(BACnetValueList) == 16 && offsetof(BACnetValueList, count) == 4 &&
                   offsetof(BACnetValueList, elements) == 8,
               "value list");
_Static_assert(sizeof(BACnetDate) == 4 && sizeof(BACnetTime) == 4 && sizeof(BACnetObjectIdentifier) == 8, "inline");
_Static_assert(sizeof(BACnetAddress) == 12 && offsetof(BACnetAddress, macAddress) == 4 &&
                   offsetof(BACnetAddress, macLength) == 10,
               "address");
_Static_assert(sizeof(BACnetWeekNDay) == 3, "week-n-day");
_Static_assert(offsetof(BACnetTimeValue, value) == 8, "time value");
_Static_assert(offsetof(BACnetPropertyValue, value) == 8 && offsetof(BACnetPropertyValue, priority) == 40,
               "property value");
_Static_assert(offsetof(BACnetActionCommand, propertyValue) == 24 && offsetof(BACnetActionCommand, priority) == 56,
               "action command");
_Static_assert(offsetof(BACnetLogRecord, logDatumChoice) == 8 && offsetof(BACnetLogRecord, logDatum) == 16 &&
                   offsetof(BACnetLogRecord, statusFlags) == 48,
               "log record");
_Static_assert(offsetof(SequenceOfBACnetPropertyReference, elements) == 8 &&
                   offsetof(SequenceOfBACnetPropertyReference, count) == 16,
               "typed run");
_Static_assert(offsetof(BACnetEventParameter, parameters) == 8, "event parameter");
_Static_assert(offsetof(BACnetRecipientProcess, recipient) == 4, "recipient process");

int main(void)
{
    BACnetDataType v = {0, {0}};
    return v.type;
}

_Static_assert(sizeof(BACnetByteBuffer) == 24 && offsetof(BACnetByteBuffer, length) == 8 &&
                   offsetof(BACnetByteBuffer, capacity) == 16,
               "byte buffer");
_Static_assert(sizeof(BACnetByteStream) == 16 && offsetof(BACnetByteStream, position) == 8, "byte stream");
_Static_assert(sizeof(BACnetTimeb) == 16 && offsetof(BACnetTimeb, milliseconds) == 8 &&
                   offsetof(BACnetTimeb, minutesWest) == 10 && offsetof(BACnetTimeb, daylight) == 12,
               "time with milliseconds");
