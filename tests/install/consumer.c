/* A host built against an installed bacnapi: it writes a value as brace text, reads it back, and
 * looks types up by name. Exit status 0 when everything agrees. */
#include <bacnapi/bacnapi.h>

#include <stdio.h>
#include <string.h>

int main(void)
{
    BACnetDataType v = {0};
    BACnetDataType w = {0};
    char* text = NULL;
    uint64_t offset = 0;
    const char* reason = NULL;
    int ok = 1;

    if (bacnapi_initialize_data(&v, bacnapi_type_code("bacnetdatetime")) != 0) return 1;
    BACnetDateTime* dt = (BACnetDateTime*)v.payload.record;
    dt->date = (BACnetDate){124, 5, 17, 255};
    dt->time = (BACnetTime){13, 45, 30, 25};
    ok &= bacnapi_asn1_string_get(&text, &v) == 0 && strcmp(text, "{05/17/2024,13:45 30.25}") == 0;
    ok &= bacnapi_asn1_string_set_position(&w, text, BACNAPI_TYPE_BACnetDateTime, &offset, &reason) == 0;
    ok &= bacnapi_CompareBACnetDataType(&v, &w) == 0;
    ok &= strcmp(bacnapi_type_name(80), "ListOfBACnetTimeValue") == 0;
    bacnapi_ClearBACnetDataType(&w);
    ok &= bacnapi_asn1_string_set_position(&w, "{05/17/2024|", BACNAPI_TYPE_BACnetDateTime, &offset, &reason) == -1;
    ok &= offset == 12 && reason != NULL;
    printf("%s: %s; a broken text stops at byte %llu (%s)\n", ok ? "consumer ok" : "consumer FAILED", text,
           (unsigned long long)offset, reason ? reason : "?");
    bacnapi_free(text);
    bacnapi_ClearBACnetDataType(&v);
    bacnapi_ClearBACnetDataType(&w);
    return ok ? 0 : 1;
}
