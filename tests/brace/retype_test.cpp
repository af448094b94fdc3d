// Retyping a value in place: what is emptied, what is kept, and what is released first.
#include "brace_test_util.h"

#include "walk/walk.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using namespace brace_test;
using bacnapi::retype_value;

BACnetDataType octets_value(const char* bytes)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_OctetString;
    const size_t n = std::strlen(bytes);
    v.payload.octetString.data = static_cast<uint8_t*>(std::malloc(n));
    std::memcpy(v.payload.octetString.data, bytes, n);
    v.payload.octetString.length = n;
    return v;
}

BACnetDataType bits_value(size_t n)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_BitString;
    v.payload.bitString.bits = static_cast<uint8_t*>(std::calloc(n, 1));
    v.payload.bitString.bitCount = v.payload.bitString.usedCount = n;
    return v;
}

TEST(Retype, ApplicationValuesBecomeEmptyValuesOfTheType)
{
    const struct {
        BACnetDataType (*make)();
        int32_t type;
    } cases[] = {
        {[] { return BACnetDataType{}; }, BACNAPI_TYPE_OctetString},
        {[] { return BACnetDataType{}; }, BACNAPI_TYPE_Unsigned},
        {[] { return octets_value("abc"); }, BACNAPI_TYPE_OctetString},
        {[] { return text_value("abc"); }, BACNAPI_TYPE_CharacterString},
        {[] { return bits_value(5); }, BACNAPI_TYPE_BitString},
        // Another type is released first, so no bit of the old payload survives.
        {[] { return text_value("abc"); }, BACNAPI_TYPE_Unsigned},
        {[] { return octets_value("abc"); }, BACNAPI_TYPE_BitString},
        {[] { return make_list(BACNAPI_TYPE_ListOfCharacterString, {text_value("a")}); }, BACNAPI_TYPE_Double},
    };
    for (const auto& c : cases) {
        BACnetDataType v = c.make();
        EXPECT_EQ(retype_value(&v, c.type), 0) << c.type;
        EXPECT_EQ(v.type, c.type);
        EXPECT_EQ(v.payload.words[0], 0u) << c.type;
        EXPECT_EQ(v.payload.words[1], 0u) << c.type;
        EXPECT_EQ(v.payload.words[2], 0u) << c.type;
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(Retype, OtherApplicationPayloadsOfTheSameTypeStay)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Date;
    v.payload.date = {124, 5, 17, 5};
    EXPECT_EQ(retype_value(&v, BACNAPI_TYPE_Date), 0);
    EXPECT_EQ(v.payload.date.month, 5);
    EXPECT_EQ(v.payload.date.day, 17);
}

TEST(Retype, RecordsAreKeptAndEmptied)
{
    // A date-time keeps its record and contents: nothing in it is a string, choice or list.
    BACnetDataType dt{};
    ASSERT_EQ(bacnapi_asn1_string_set(&dt, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime), 0);
    void* record = dt.payload.record;
    EXPECT_EQ(retype_value(&dt, BACNAPI_TYPE_BACnetDateTime), 0);
    EXPECT_EQ(dt.payload.record, record);
    EXPECT_EQ(static_cast<BACnetDateTime*>(record)->time.hundredths, 25);
    bacnapi_ClearBACnetDataType(&dt);

    // A calendar entry falls back to alternative 0.
    BACnetDataType entry{};
    ASSERT_EQ(bacnapi_asn1_string_set(&entry, "{1,{05/01/2024,05/31/2024}}", BACNAPI_TYPE_BACnetCalendarEntry), 0);
    ASSERT_EQ(static_cast<BACnetCalendarEntry*>(entry.payload.record)->choice, 1);
    EXPECT_EQ(retype_value(&entry, BACNAPI_TYPE_BACnetCalendarEntry), 0);
    EXPECT_EQ(static_cast<BACnetCalendarEntry*>(entry.payload.record)->choice, 0);
    bacnapi_ClearBACnetDataType(&entry);

    // A list keeps its record, with its elements cleared and count 0.
    BACnetDataType list = make_list(BACNAPI_TYPE_ListOfCharacterString, {text_value("a"), text_value("b")});
    BACnetValueList* same = list.payload.list;
    EXPECT_EQ(retype_value(&list, BACNAPI_TYPE_ListOfCharacterString), 0);
    EXPECT_EQ(list.payload.list, same);
    EXPECT_EQ(same->count, 0u);
    for (uint32_t i = 0; i < same->capacity; ++i) EXPECT_EQ(same->elements[i].type, 0);
    bacnapi_ClearBACnetDataType(&list);
}

TEST(Retype, ARecordOfAnotherTypeIsReleasedNotReused)
{
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime), 0);
    EXPECT_EQ(retype_value(&v, BACNAPI_TYPE_ListOfUnsigned), 0);
    ASSERT_EQ(v.type, BACNAPI_TYPE_ListOfUnsigned);
    // A reused 8-byte date-time record would show its date and time as capacity and count (and
    // be overrun); a fresh list has at most the one slot the walk made and took back.
    EXPECT_EQ(v.payload.list->count, 0u);
    EXPECT_LE(v.payload.list->capacity, 1u);
    bacnapi_ClearBACnetDataType(&v);
}

TEST(Retype, RefusedTypesLeaveTheValueAlone)
{
    const struct {
        int32_t type;
        int32_t status;
    } cases[] = {
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR},
        {BACNAPI_TYPE_Reserved115, BACNAPI_WALK_E_NODESCRIPTOR},
        {200, BACNAPI_WALK_E_NODESCRIPTOR},
        {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED},
    };
    for (const auto& c : cases) {
        BACnetDataType v = text_value("keep");
        EXPECT_EQ(retype_value(&v, c.type), c.status) << c.type;
        EXPECT_EQ(v.type, BACNAPI_TYPE_CharacterString);
        EXPECT_STREQ(v.payload.characterString.data, "keep");
        bacnapi_ClearBACnetDataType(&v);
    }
    EXPECT_EQ(retype_value(nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
}

} // namespace
