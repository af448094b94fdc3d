// Retyping a value in place: what is emptied, what is kept, and what is released first.
#include "brace_test_util.h"

#include "walk/walk.h"

#include <gtest/gtest.h>

namespace {

using namespace brace_test;
using bacnapi::retype_value;

TEST(Retype, EmptiesKeepsOrReleases)
{
    const struct { int32_t from; const char* text; int32_t to, status; const char* after; } cases[] = {
        {BACNAPI_TYPE_CharacterString, "abc", BACNAPI_TYPE_CharacterString, 0, ""},
        {BACNAPI_TYPE_OctetString, "0A0B", BACNAPI_TYPE_OctetString, 0, ""},
        {BACNAPI_TYPE_BitString, "101", BACNAPI_TYPE_BitString, 0, ""},
        {BACNAPI_TYPE_Date, "05/17/2024", BACNAPI_TYPE_Date, 0, "05/17/2024"}, // no heap parts: kept
        // A value of another type is released first: no bit of its payload survives.
        {BACNAPI_TYPE_CharacterString, "abc", BACNAPI_TYPE_Unsigned, 0, "0"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a}}", BACNAPI_TYPE_Double, 0, "0.000000"},
        // Records of the same type are kept and emptied: choices fall back to alternative 0.
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime, 0,
         "{05/17/2024,13:45 30.25}"},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1,{05/01/2024,05/31/2024}}", BACNAPI_TYPE_BACnetCalendarEntry, 0,
         "{0,00/00/1900}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{b}}", BACNAPI_TYPE_ListOfCharacterString, 0, "{}"},
        // A record of another type is never reused: a date-time read as a list would be overrun.
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_ListOfUnsigned, 0, "{}"},
        // Refused types leave the value alone.
        {BACNAPI_TYPE_CharacterString, "keep", BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR, "keep"},
        {BACNAPI_TYPE_CharacterString, "keep", BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED, "keep"},
        {BACNAPI_TYPE_CharacterString, "keep", BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED, "keep"},
    };
    for (const auto& c : cases) {
        BACnetDataType v = parsed(c.text, c.from);
        const void* record = v.payload.record;
        EXPECT_EQ(retype_value(&v, c.to), c.status) << c.text << " as " << c.to;
        EXPECT_EQ(v.type, c.status ? c.from : c.to) << c.text << " as " << c.to;
        EXPECT_EQ(write_value(v).text, c.after) << c.text << " as " << c.to;
        const bool application = c.to <= BACNAPI_TYPE_ObjectIdentifier;
        if (c.status == 0 && c.from == c.to && !application) {
            EXPECT_EQ(v.payload.record, record) << c.text;
        }
        if (c.status == 0 && application && c.to != BACNAPI_TYPE_Date) { // payloads with heap parts keep no bit
            for (uint64_t w : v.payload.words) EXPECT_EQ(w, 0u) << c.text << " as " << c.to;
        }
        bacnapi_ClearBACnetDataType(&v);
    }
    EXPECT_EQ(retype_value(nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
}

} // namespace
