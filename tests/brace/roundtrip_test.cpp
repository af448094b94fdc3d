// Text in, value, text out: the canonical text the writer gives for what the parser read, over
// application and constructed types, and the decisions on nested values written as "null".
#include "brace_test_util.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

namespace {

using namespace brace_test;

TEST(BraceRoundTrip, ParsedTextIsWrittenCanonically)
{
    const struct {
        int32_t type;
        const char* input;
        const char* canonical;
    } cases[] = {
        {BACNAPI_TYPE_Null, "whatever", "null"},
        {BACNAPI_TYPE_Boolean, "1", "1"},
        {BACNAPI_TYPE_Unsigned, "4294967295", "-1"},
        {BACNAPI_TYPE_Signed, " -17", "-17"},
        {BACNAPI_TYPE_Real, "1.5", "1.500000"},
        {BACNAPI_TYPE_Real, "0.1", "0.100000"},
        {BACNAPI_TYPE_Double, "2.25e2", "225.000000"},
        {BACNAPI_TYPE_OctetString, "a0b1c", "A0B1"},
        {BACNAPI_TYPE_CharacterString, "text with blanks", "text with blanks"},
        {BACNAPI_TYPE_BitString, "10x1", "1001"},
        {BACNAPI_TYPE_Enumerated, "85", "85"},
        {BACNAPI_TYPE_Date, "5/17/2024", "05/17/2024"},
        {BACNAPI_TYPE_Date, "*/1/2024 *", "*/01/2024 *"},
        {BACNAPI_TYPE_Time, "1:2 3.4", "01:02 03.04"},
        {BACNAPI_TYPE_ObjectIdentifier, "8,4194303", "8,4194303"},
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}", "{05/17/2024,13:45 30.25}"},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1,{05/01/2024,05/31/2024}}", "{1,{05/01/2024,05/31/2024}}"},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{x,05/01/2024}", "{0,05/01/2024}"}, // no number: alternative 0
        {BACNAPI_TYPE_BACnetPrescale, "{1, 2}", "{1,2}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},{2},{3}}", "{{1},{2},{3}}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},}", "{}"},
        {BACNAPI_TYPE_ListOfReal, "{{1.25},{-2}}", "{{1.250000},{-2.000000}}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{},{b c}}", "{{a},{},{b c}}"},
        {BACNAPI_TYPE_BACnetPropertyValue, "{85,-1,21.5,16}", "{85,-1,21.500000,16}"},
        {BACNAPI_TYPE_BACnetAddress, "{5,0A0B0C}", "{5,0A0B0C}"},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        ASSERT_EQ(bacnapi_asn1_string_set(&v, c.input, c.type), 0) << c.input;
        const Written w = write_value(v);
        EXPECT_EQ(w.status, 0) << c.input;
        EXPECT_EQ(w.text, c.canonical) << c.input;
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(BraceRoundTrip, ChoiceFailures)
{
    const struct {
        int32_t type;
        const char* input;
        int32_t status;
    } cases[] = {
        {BACNAPI_TYPE_BACnetCalendarEntry, "{7,1}", BACNAPI_WALK_E_NODESCRIPTOR}, // no such alternative
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1}", BACNAPI_WALK_E_REFUSED},        // no "," behind the number
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1,{05/01/2024}}", BACNAPI_E_FAIL},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        EXPECT_EQ(bacnapi_asn1_string_set(&v, c.input, c.type), c.status) << c.input;
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(BraceRoundTrip, EmptyNestedValueReadsBackFromNull)
{
    // A daily schedule whose nested list of time values is empty (Null) is written "{null}";
    // reading that back gives the same empty nested value.
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_initialize_data(&v, BACNAPI_TYPE_BACnetDailySchedule), 0);
    auto* schedule = static_cast<BACnetDailySchedule*>(v.payload.record);
    bacnapi_ClearBACnetDataType(&schedule->daySchedule);
    Written w = write_value(v);
    ASSERT_EQ(w.status, 0);
    EXPECT_EQ(w.text, "{null}");

    BACnetDataType back{};
    ASSERT_EQ(bacnapi_asn1_string_set(&back, w.text.c_str(), BACNAPI_TYPE_BACnetDailySchedule), 0);
    EXPECT_EQ(static_cast<BACnetDailySchedule*>(back.payload.record)->daySchedule.type, BACNAPI_TYPE_Null);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&v, &back), 0);
    bacnapi_ClearBACnetDataType(&back);

    // "null" only stands for the whole field: an empty list or other text reads as the type.
    const struct {
        const char* text;
        int32_t status;
        int32_t nestedType;
    } cases[] = {
        {"{{}}", 0, BACNAPI_TYPE_ListOfBACnetTimeValue},
        {"{nullx}", BACNAPI_E_FAIL, BACNAPI_TYPE_ListOfBACnetTimeValue},
        {"{null}", 0, BACNAPI_TYPE_Null},
    };
    for (const auto& c : cases) {
        BACnetDataType d{};
        EXPECT_EQ(bacnapi_asn1_string_set(&d, c.text, BACNAPI_TYPE_BACnetDailySchedule), c.status) << c.text;
        EXPECT_EQ(static_cast<BACnetDailySchedule*>(d.payload.record)->daySchedule.type, c.nestedType) << c.text;
        bacnapi_ClearBACnetDataType(&d);
    }
    bacnapi_ClearBACnetDataType(&v);
}

} // namespace
