// Retyping a value in place: what is emptied, what is kept, and what is released first.
#include "brace_test_util.h"

#include "walk/walk.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

namespace {

using namespace brace_test;
using bacnapi::retype_value;

TEST(Retype, ApplicationTypes)
{
    const struct {
        BACnetDataType (*make)();
        int32_t type;
    } cases[] = {
        {[] { return BACnetDataType{}; }, BACNAPI_TYPE_OctetString},
        {[] { return BACnetDataType{}; }, BACNAPI_TYPE_Unsigned},
        {[] { return text_value("abc"); }, BACNAPI_TYPE_CharacterString},
        {[] {
             BACnetDataType v{};
             bacnapi_asn1_string_set(&v, "0A0B", BACNAPI_TYPE_OctetString);
             return v;
         },
         BACNAPI_TYPE_OctetString},
        {[] {
             BACnetDataType v{};
             bacnapi_asn1_string_set(&v, "101", BACNAPI_TYPE_BitString);
             return v;
         },
         BACNAPI_TYPE_BitString},
        // A value of another type is released first: no bit of its payload survives.
        {[] { return text_value("abc"); }, BACNAPI_TYPE_Unsigned},
        {[] { return make_list(BACNAPI_TYPE_ListOfCharacterString, {text_value("a")}); }, BACNAPI_TYPE_Double},
    };
    for (const auto& c : cases) {
        BACnetDataType v = c.make();
        EXPECT_EQ(retype_value(&v, c.type), 0) << c.type;
        EXPECT_EQ(v.type, c.type);
        for (uint64_t w : v.payload.words) EXPECT_EQ(w, 0u) << c.type;
        bacnapi_ClearBACnetDataType(&v);
    }
    // Payloads without heap parts stay as they are.
    BACnetDataType date{};
    date.type = BACNAPI_TYPE_Date;
    date.payload.date = {124, 5, 17, 5};
    EXPECT_EQ(retype_value(&date, BACNAPI_TYPE_Date), 0);
    EXPECT_EQ(date.payload.date.day, 17);
}

TEST(Retype, RecordsAreKeptAndEmptied)
{
    const struct {
        int32_t type;
        const char* text;
        const char* after; // the value's text after retyping to its own type
    } cases[] = {
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}", "{05/17/2024,13:45 30.25}"}, // untouched
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1,{05/01/2024,05/31/2024}}", "{0,00/00/1900}"}, // alternative 0, its own member
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{b}}", "{}"},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        ASSERT_EQ(bacnapi_asn1_string_set(&v, c.text, c.type), 0);
        void* record = v.payload.record;
        EXPECT_EQ(retype_value(&v, c.type), 0);
        EXPECT_EQ(v.payload.record, record);
        EXPECT_EQ(write_value(v).text, c.after);
        bacnapi_ClearBACnetDataType(&v);
    }
    // A record of another type is released, never reused: an 8-byte date-time read as a list
    // would show its octets as capacity and count (and be overrun).
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime), 0);
    EXPECT_EQ(retype_value(&v, BACNAPI_TYPE_ListOfUnsigned), 0);
    EXPECT_EQ(v.payload.list->count, 0u);
    EXPECT_LE(v.payload.list->capacity, 1u);
    bacnapi_ClearBACnetDataType(&v);
}

TEST(Retype, RefusedTypesLeaveTheValueAlone)
{
    const struct {
        int32_t type;
        int32_t status;
    } cases[] = {{BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR},
                 {200, BACNAPI_WALK_E_NODESCRIPTOR},
                 {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},
                 {BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED}};
    for (const auto& c : cases) {
        BACnetDataType v = text_value("keep");
        EXPECT_EQ(retype_value(&v, c.type), c.status) << c.type;
        EXPECT_STREQ(v.payload.characterString.data, "keep");
        bacnapi_ClearBACnetDataType(&v);
    }
    EXPECT_EQ(retype_value(nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
}

} // namespace
