/*
 * A host's first steps with bacnapi, in C: create values of a few types, convert a
 * CharacterString between character sets, and release everything again.
 */
#include <bacnapi/bacnapi.h>

#include <stdio.h>
#include <string.h>

static void show_bytes(const char* label, const BACnetCharacterString* s)
{
    printf("%-28s set %u, %llu bytes:", label, (unsigned)s->characterSet, (unsigned long long)s->length);
    for (uint64_t i = 0; i < s->length; ++i) printf(" %02X", (unsigned char)s->data[i]);
    printf("\n");
}

int main(void)
{
    int32_t status;

    /* An Unsigned, held inline. */
    BACnetDataType count;
    status = bacnapi_initialize_data(&count, BACNAPI_TYPE_Unsigned);
    count.payload.unsignedValue = 42;
    printf("Unsigned:                    status %d, type %d, value %u\n", status, count.type,
           count.payload.unsignedValue);

    /* A BACnetPropertyValue: a record on the heap, owned by the value. */
    BACnetDataType pv;
    status = bacnapi_initialize_data(&pv, BACNAPI_TYPE_BACnetPropertyValue);
    BACnetPropertyValue* rec = (BACnetPropertyValue*)pv.payload.record;
    printf("BACnetPropertyValue:         status %d, type %d, propertyArrayIndex 0x%08X\n", status, pv.type,
           rec ? rec->propertyArrayIndex : 0u);

    /* A list of time values: four empty slots reserved. */
    BACnetDataType schedule;
    status = bacnapi_initialize_data(&schedule, BACNAPI_TYPE_ListOfBACnetTimeValue);
    printf("ListOfBACnetTimeValue:       status %d, capacity %u, count %u\n", status,
           schedule.payload.list ? schedule.payload.list->capacity : 0u,
           schedule.payload.list ? schedule.payload.list->count : 0u);

    /* Type codes 13..19 are not assigned. */
    BACnetDataType bad;
    status = bacnapi_initialize_data(&bad, 13);
    printf("type code 13:                status 0x%08X, type %d\n", (unsigned)status, bad.type);

    /* A CharacterString: UTF-8 text converted to ISO 8859-1, to UCS-2 and back. */
    BACnetDataType name;
    bacnapi_initialize_data(&name, BACNAPI_TYPE_CharacterString);
    const char* text = "Gr\xC3\xBC\xC3\x9F" "e";
    name.payload.characterString.data = (char*)bacnapi_malloc(strlen(text) + 1);
    memcpy(name.payload.characterString.data, text, strlen(text) + 1);
    name.payload.characterString.length = strlen(text);
    show_bytes("UTF-8 \"Gr\xC3\xBC\xC3\x9F" "e\":", &name.payload.characterString);
    status = bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_ISO8859_1, 0);
    show_bytes("to ISO 8859-1:", &name.payload.characterString);
    status |= bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_UCS2, 0);
    show_bytes("to UCS-2:", &name.payload.characterString);
    status |= bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_UTF8, 0);
    printf("back to UTF-8:               status %d, \"%s\"\n", status, name.payload.characterString.data);

    /* Release everything: each value is Null afterwards. */
    bacnapi_ClearBACnetDataType(&count);
    bacnapi_ClearBACnetDataType(&pv);
    bacnapi_ClearBACnetDataType(&schedule);
    bacnapi_ClearBACnetDataType(&name);
    printf("after clear:                 types %d %d %d %d\n", count.type, pv.type, schedule.type, name.type);
    return 0;
}
