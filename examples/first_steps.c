/*
 * A host's first steps with bacnapi, in C: create values of a few types, convert a
 * CharacterString between character sets, write a value as brace text and read it back, copy and
 * compare it, carry host records through the typed accessors and back, and release everything
 * again.
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

/* A host's round trip through the accessors: its own records -> a value -> brace text -> a value
 * read back -> fresh host records, compared with the first. Returns the number of differences. */
static int accessor_round_trip(void)
{
    int differences = 0;
    int32_t status;

    /* A ReadAccessSpecification the host builds in its own memory: object analog-input 3 and three
     * property references, appended with the element functions (the first lies in the record). */
    ReadAccessSpecification request;
    memset(&request, 0, sizeof request);
    request.objectIdentifier.objectType = 0;
    request.objectIdentifier.instance = 3;
    const BACnetPropertyReference refs[3] = {{85, BACNAPI_ARRAY_INDEX_ABSENT}, {87, 8}, {77, BACNAPI_ARRAY_INDEX_ABSENT}};
    for (int i = 0; i < 3; ++i)
        if (bacnapi_set_element_property_reference(&request.listOfPropertyReferences, &refs[i]) == NULL) ++differences;

    /* A BACnetPropertyValue whose nested value the host fills with the Real accessor. */
    BACnetPropertyValue pv;
    memset(&pv, 0, sizeof pv);
    pv.propertyIdentifier = 85;
    pv.propertyArrayIndex = BACNAPI_ARRAY_INDEX_ABSENT;
    pv.priority = 8;
    float celsius = 21.5f;
    status = bacnapi_access_real(&celsius, &pv.value, 0);

    /* Set: the values get records of their own holding copies; the host keeps its records. */
    BACnetDataType specValue = {0}, pvValue = {0};
    status |= bacnapi_access_readAccessSpecification(&request, &specValue, 0);
    status |= bacnapi_access_propertyValue(&pv, &pvValue, 0);

    /* Brace text out and back in. */
    char *specText = NULL, *pvText = NULL;
    status |= bacnapi_asn1_string_get(&specText, &specValue);
    status |= bacnapi_asn1_string_get(&pvText, &pvValue);
    printf("accessors, brace text:       \"%s\" and \"%s\"\n", specText ? specText : "", pvText ? pvText : "");
    BACnetDataType specBack = {0}, pvBack = {0};
    status |= bacnapi_asn1_string_set(&specBack, specText, BACNAPI_TYPE_ReadAccessSpecification);
    status |= bacnapi_asn1_string_set(&pvBack, pvText, BACNAPI_TYPE_BACnetPropertyValue);

    /* Get into fresh (zero-filled) host records, which then own their copies. */
    ReadAccessSpecification specOut;
    BACnetPropertyValue pvOut;
    memset(&specOut, 0, sizeof specOut);
    memset(&pvOut, 0, sizeof pvOut);
    status |= bacnapi_access_readAccessSpecification(&specOut, &specBack, 1);
    status |= bacnapi_access_propertyValue(&pvOut, &pvBack, 1);

    /* Compare with what the host started from. */
    if (specOut.objectIdentifier.objectType != 0 || specOut.objectIdentifier.instance != 3) ++differences;
    if (specOut.listOfPropertyReferences.count != 3) ++differences;
    for (int32_t i = 0; i < 3; ++i) {
        const BACnetPropertyReference* r = bacnapi_get_element_property_reference(&specOut.listOfPropertyReferences, i);
        if (r == NULL || r->propertyIdentifier != refs[i].propertyIdentifier ||
            r->propertyArrayIndex != refs[i].propertyArrayIndex)
            ++differences;
    }
    float celsiusOut = 0.0f;
    status |= bacnapi_access_real(&celsiusOut, &pvOut.value, 1);
    if (pvOut.propertyIdentifier != 85 || pvOut.priority != 8 || celsiusOut != celsius) ++differences;
    printf("accessors, round trip:       status %d, %d differences\n", status, differences);

    /* Release: values with ClearBACnetDataType, host records with their Clear, text with free. */
    bacnapi_free(specText);
    bacnapi_free(pvText);
    bacnapi_ClearBACnetDataType(&specValue);
    bacnapi_ClearBACnetDataType(&pvValue);
    bacnapi_ClearBACnetDataType(&specBack);
    bacnapi_ClearBACnetDataType(&pvBack);
    bacnapi_ClearReadAccessSpecification(&request);
    bacnapi_ClearReadAccessSpecification(&specOut);
    bacnapi_ClearBACnetPropertyValue(&pv);
    bacnapi_ClearBACnetPropertyValue(&pvOut);
    return differences + (status != 0);
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
    show_bytes("UTF-8 text:", &name.payload.characterString);
    status = bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_ISO8859_1, 0);
    show_bytes("to ISO 8859-1:", &name.payload.characterString);
    status |= bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_UCS2, 0);
    show_bytes("to UCS-2:", &name.payload.characterString);
    status |= bacnapi_string_transform(&name.payload.characterString, BACNAPI_CHARSET_UTF8, 0);
    printf("back to UTF-8:               status %d, \"%s\"\n", status, name.payload.characterString.data);

    /* Brace text out and back in: present-value (85) of an analog input, 21.5 at priority 8. */
    if (rec != NULL) {
        rec->propertyIdentifier = 85;
        rec->value.type = BACNAPI_TYPE_Real;
        rec->value.payload.real = 21.5f;
        rec->priority = 8;
        char* text_out = NULL;
        status = bacnapi_asn1_string_get(&text_out, &pv);
        printf("brace text:                  status %d, \"%s\"\n", status, text_out ? text_out : "");
        BACnetDataType back = {0};
        status = bacnapi_asn1_string_set(&back, text_out, BACNAPI_TYPE_BACnetPropertyValue);
        printf("read back:                   status %d, compare %d\n", status, bacnapi_CompareBACnetDataType(&pv, &back));
        BACnetDataType copy = {0};
        status = bacnapi_access_BACnetData(&copy, &back, -1, 1);
        bacnapi_ClearBACnetDataType(&back);
        printf("deep copy, source cleared:   status %d, compare %d\n", status, bacnapi_CompareBACnetDataType(&pv, &copy));
        printf("type of (0, 85, -1):         %d\n", bacnapi_get_data_type(0, 85, -1));
        bacnapi_free(text_out);
        bacnapi_ClearBACnetDataType(&copy);
    }

    /* Release everything: each value is Null afterwards. */
    bacnapi_ClearBACnetDataType(&count);
    bacnapi_ClearBACnetDataType(&pv);
    bacnapi_ClearBACnetDataType(&schedule);
    bacnapi_ClearBACnetDataType(&name);
    printf("after clear:                 types %d %d %d %d\n", count.type, pv.type, schedule.type, name.type);
    return accessor_round_trip() == 0 ? 0 : 1;
}
