// Reading with a position: the same value and status as the plain reader for every text, and on
// failure the offset where reading stopped and why.
#include "support/heap_watch.h"
#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The brace text a value writes, or a marker when it cannot be written.
std::string written(const BACnetDataType& value)
{
    char* text = nullptr;
    const int32_t status = bacnapi_asn1_string_get(&text, &value);
    std::string s = text ? text : "";
    bacnapi_free(text);
    return status == 0 ? s : "<" + std::to_string(status) + ">" + s;
}

struct FailingText {
    const char* text;
    int32_t type;
    int32_t status;
    uint64_t offset;
    const char* reason;
};

const FailingText kFailingTexts[] = {
    {"abc", BACNAPI_TYPE_Unsigned, -1, 0, "expected a number"},
    {"", BACNAPI_TYPE_Real, -1, 0, "text ended early"},
    {" x", BACNAPI_TYPE_Real, -1, 0, "expected a number"},
    {nullptr, BACNAPI_TYPE_Unsigned, -1, 0, "text ended early"},
    {"{05/17/2024,13:45 30.25", BACNAPI_TYPE_BACnetDateTime, -1, 23, "text ended early"},
    {"{05/17/2024;13:45}", BACNAPI_TYPE_BACnetDateTime, -1, 17, "expected ','"},
    {"{05-17-2024,13:45}", BACNAPI_TYPE_BACnetDateTime, -1, 3, "expected '/' in date"},
    {"{05/xx/2024,13:45}", BACNAPI_TYPE_BACnetDateTime, -1, 4, "expected a day or '*'"},
    {"{05/17/2024,13-45}", BACNAPI_TYPE_BACnetDateTime, -1, 14, "expected ':' in time"},
    {"05/17/2024", BACNAPI_TYPE_BACnetDateTime, -1, 0, "expected '{'"},
    {"{7,5}", BACNAPI_TYPE_BACnetTimeStamp, -1002, 1, "alternative not in the choice"},
    {"{1;5}", BACNAPI_TYPE_BACnetTimeStamp, -1003, 4, "expected ',' after the alternative"},
    {"8;5", BACNAPI_TYPE_ObjectIdentifier, -1, 1, "expected ','"},
    {"8,x", BACNAPI_TYPE_ObjectIdentifier, -1, 2, "expected an instance number"},
    {"{{1},{x}}", BACNAPI_TYPE_ListOfUnsigned, -1, 6, "expected a number"},
    {"{{1}, {2}}", BACNAPI_TYPE_ListOfUnsigned, -1, 5, "expected '}'"},
    {"{{1}", BACNAPI_TYPE_ListOfUnsigned, -1, 4, "text ended early"},
    {"A0G1", BACNAPI_TYPE_OctetString, -1, 2, "expected two hex digits"},
    {"{1,x}", BACNAPI_TYPE_BACnetPrescale, -1, 3, "expected a number"},
    {"{85,-1,x,8}", BACNAPI_TYPE_BACnetPropertyValue, -1, 7, "expected a number"},
    {"5", 13, -1002, 0, "type has no brace text"},
    {"5", BACNAPI_TYPE_SignedLong, -1003, 0, "value refused"},
};

TEST(ReadPosition, FailingTextsSayWhereAndWhy)
{
    for (const auto& c : kFailingTexts) {
        SCOPED_TRACE(std::string(c.text ? c.text : "(null)") + " as " + std::to_string(c.type));
        BACnetDataType plain{};
        BACnetDataType located{};
        uint64_t offset = 99;
        const char* reason = nullptr;
        const int32_t plainStatus = bacnapi_asn1_string_set(&plain, c.text, c.type);
        const int32_t status = bacnapi_asn1_string_set_position(&located, c.text, c.type, &offset, &reason);
        EXPECT_EQ(status, plainStatus);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(offset, c.offset);
        ASSERT_NE(reason, nullptr);
        EXPECT_STREQ(reason, c.reason);
        // What was read before the failure is the same in both.
        EXPECT_EQ(located.type, plain.type);
        EXPECT_EQ(written(located), written(plain));
        release_value(&plain);
        release_value(&located);
    }
}

TEST(ReadPosition, GoodTextsReadAsThePlainReaderAndReportNothing)
{
    const struct {
        const char* text;
        int32_t type;
    } good[] = {
        {"-1", BACNAPI_TYPE_Unsigned},
        {"{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime},
        {"{2,{05/17/2024,13:45 30.25}}", BACNAPI_TYPE_BACnetTimeStamp},
        {"{{1},}", BACNAPI_TYPE_ListOfUnsigned},
        {"{85,-1,21.5,8} trailing", BACNAPI_TYPE_BACnetPropertyValue},
    };
    for (const auto& c : good) {
        SCOPED_TRACE(c.text);
        BACnetDataType plain{};
        BACnetDataType located{};
        uint64_t offset = 99;
        const char* reason = "unset";
        ASSERT_EQ(bacnapi_asn1_string_set(&plain, c.text, c.type), 0);
        ASSERT_EQ(bacnapi_asn1_string_set_position(&located, c.text, c.type, &offset, &reason), 0);
        EXPECT_EQ(offset, 0u);
        EXPECT_EQ(reason, nullptr);
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&plain, &located), 0);
        release_value(&plain);
        release_value(&located);
    }
}

// A refused allocation anywhere in a read gives the plain reader's status, always with a reason
// and an offset inside the text, and leaks nothing.
TEST(ReadPosition, HeapRefusalGivesThePlainStatusAndAReason)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const struct {
        const char* text;
        int32_t type;
    } texts[] = {
        {"{{1},{2},{3}}", BACNAPI_TYPE_ListOfUnsigned},
        {"A0B1C2", BACNAPI_TYPE_OctetString},
        {"{{{{05/17/2024,13:00 00.00},{2,21.500000},0000}}}", BACNAPI_TYPE_ListOfBACnetLogRecord},
        {"{0,{1,{12/24/2024,12/26/2024}}}", BACNAPI_TYPE_BACnetSpecialEvent},
    };
    for (const auto& c : texts) {
        SCOPED_TRACE(c.text);
        const size_t length = std::strlen(c.text);
        for (long k = 0;; ++k) {
            const long baseline = heap_watch::live_blocks();
            BACnetDataType plain{};
            heap_watch::refuse_after(k);
            const int32_t plainStatus = bacnapi_asn1_string_set(&plain, c.text, c.type);
            const bool refused = heap_watch::disarm();
            release_value(&plain);

            BACnetDataType located{};
            uint64_t offset = 0;
            const char* reason = nullptr;
            heap_watch::refuse_after(k);
            const int32_t status = bacnapi_asn1_string_set_position(&located, c.text, c.type, &offset, &reason);
            heap_watch::disarm();
            release_value(&located);
            EXPECT_EQ(heap_watch::live_blocks(), baseline) << "refusal " << k;
            EXPECT_EQ(status, plainStatus) << "refusal " << k;
            if (status != 0) {
                EXPECT_NE(reason, nullptr) << "refusal " << k;
                EXPECT_LE(offset, length) << "refusal " << k;
            }
            if (!refused) break;
        }
    }
}

TEST(ReadPosition, OptionalResultsAndMissingValue)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set_position(&v, "x", BACNAPI_TYPE_Unsigned, nullptr, nullptr), -1);
    uint64_t offset = 7;
    const char* reason = nullptr;
    EXPECT_EQ(bacnapi_asn1_string_set_position(nullptr, "5", BACNAPI_TYPE_Unsigned, &offset, &reason),
              BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(offset, 0u);
    EXPECT_STREQ(reason, "value refused");
}

} // namespace
