// Brace text end to end: each parsing rule checked through the canonical text the writer gives
// for what was read (also after a failure, to see what stayed in the destination), the literals
// only the writer meets, and how destinations of other types and empty nested values are handled.
#include "brace_test_util.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace brace_test;

constexpr int32_t kFail = BACNAPI_E_FAIL;

TEST(BraceText, ParsedTextIsWrittenCanonically)
{
    const struct {
        int32_t type;
        const char* input;
        int32_t status;
        const char* written; // the value's text afterwards, also after a failure; null: not checked
    } cases[] = {
        {BACNAPI_TYPE_Null, "whatever", 0, "null"},
        {BACNAPI_TYPE_Boolean, "257", 0, "1"}, // the low octet
        {BACNAPI_TYPE_Boolean, "true", kFail, "0"},
        {BACNAPI_TYPE_Unsigned, "-1", 0, "-1"}, // 4294967295, written as a signed word
        {BACNAPI_TYPE_Unsigned, "99999999999", 0, "1215752191"},
        {BACNAPI_TYPE_Unsigned, "  12abc", 0, "12"},
        {BACNAPI_TYPE_Unsigned, "", kFail, "0"},
        {BACNAPI_TYPE_Signed, "+7", 0, "7"},
        {BACNAPI_TYPE_Enumerated, "x", kFail, "0"},
        {BACNAPI_TYPE_Real, "1e3", 0, "1000.000000"},
        {BACNAPI_TYPE_Real, "abc", kFail, "0.000000"},
        {BACNAPI_TYPE_Double, "-2.5e-3}", 0, "-0.002500"},
        {BACNAPI_TYPE_OctetString, "a0b1c", 0, "A0B1"},
        {BACNAPI_TYPE_OctetString, "0102{x", 0, "0102"},
        {BACNAPI_TYPE_OctetString, "", 0, ""},
        {BACNAPI_TYPE_OctetString, "zz", kFail, nullptr},
        {BACNAPI_TYPE_CharacterString, "a b{c", 0, "a b{c"},
        {BACNAPI_TYPE_CharacterString, "x,y}", 0, "x"},
        {BACNAPI_TYPE_BitString, "10x1", 0, "1001"},
        {BACNAPI_TYPE_BitString, "0{1", 0, "0"},
        {BACNAPI_TYPE_Date, "5/17/2024", 0, "05/17/2024"},
        {BACNAPI_TYPE_Date, "05/17/* 5", 0, "05/17/* 5"},
        {BACNAPI_TYPE_Date, "*/1/2024 *", 0, "*/01/2024 *"},
        {BACNAPI_TYPE_Date, "1/2/2155", 0, "01/02/* *"}, // (2155 - 1900) mod 256 = 255: unspecified
        {BACNAPI_TYPE_Date, "1/2/2156", 0, "01/02/1900"},
        {BACNAPI_TYPE_Date, "05/17/2024 x", kFail, "05/17/2024"},
        {BACNAPI_TYPE_Date, "05-17-2024", kFail, "05/00/1900"},
        {BACNAPI_TYPE_Time, "1:2 3.4", 0, "01:02 03.04"},
        {BACNAPI_TYPE_Time, "*:* *.*,9", 0, "*:* *.*"},
        {BACNAPI_TYPE_ObjectIdentifier, " 2, -1", 0, "2,-1"},
        {BACNAPI_TYPE_ObjectIdentifier, "2 ,3", kFail, "0,0"}, // the comma must follow at once
        {BACNAPI_TYPE_ObjectIdentifier, "2,", kFail, "0,0"},
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}", 0, "{05/17/2024,13:45 30.25}"},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1,{05/01/2024,05/31/2024}}", 0, "{1,{05/01/2024,05/31/2024}}"},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{x,05/01/2024}", 0, "{0,05/01/2024}"}, // no number: alternative 0
        {BACNAPI_TYPE_BACnetCalendarEntry, "{7,1}", BACNAPI_WALK_E_NODESCRIPTOR, nullptr},
        {BACNAPI_TYPE_BACnetCalendarEntry, "{1}", BACNAPI_WALK_E_REFUSED, nullptr},
        {BACNAPI_TYPE_BACnetPrescale, "{1, 2}trailing", 0, "{1,2}"},
        {BACNAPI_TYPE_BACnetPropertyValue, "{85,-1,21.5,16}", 0, "{85,-1,21.500000,16}"},
        {BACNAPI_TYPE_BACnetAddress, "{5,0A0B0C}", 0, "{5,0A0B0C}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},{2},{3}}", 0, "{{1},{2},{3}}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{}", 0, "{}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},}", 0, "{}"}, // no "{" after the comma: the list is emptied
        {BACNAPI_TYPE_ListOfUnsigned, "{{ 7 }}", 0, "{{7}}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1}, {2}}", kFail, "{}"}, // never a blank before "{"
        {BACNAPI_TYPE_ListOfUnsigned, "{{1}", kFail, "{{1}}"},
        {BACNAPI_TYPE_ListOfUnsigned, "", kFail, "{}"},
        {BACNAPI_TYPE_ListOfReal, "{{1.25},{-2}}", 0, "{{1.250000},{-2.000000}}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{},{b c}}", 0, "{{a},{},{b c}}"},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        EXPECT_EQ(bacnapi_asn1_string_set(&v, c.input, c.type), c.status) << c.input;
        EXPECT_EQ(v.type, c.type) << c.input;
        if (c.written) {
            const Written w = write_value(v);
            EXPECT_EQ(w.status, 0) << c.input;
            EXPECT_EQ(w.text, c.written) << c.input;
        }
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(BraceText, TimePartsNotInTheTextKeepTheirOctets)
{
    const struct {
        const char* input;
        int32_t status;
        const char* written;
    } cases[] = {
        {"13:45", 0, "13:45 77.88"},       {"13:45 30", 0, "13:45 30.88"}, {"13:45:30.25", 0, "13:45 77.88"},
        {"13:45,6 7.8", 0, "13:45 77.88"}, {"13:45 x", kFail, "13:45 77.88"}, {"13", kFail, "13:66 77.88"},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        v.type = BACNAPI_TYPE_Time;
        v.payload.time = {55, 66, 77, 88};
        EXPECT_EQ(bacnapi_asn1_string_set(&v, c.input, BACNAPI_TYPE_Time), c.status) << c.input;
        EXPECT_EQ(write_value(v).text, c.written) << c.input;
    }
}

BACnetDataType real(float f)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Real;
    v.payload.real = f;
    return v;
}

TEST(BraceText, WriterLiteralsAndFailures)
{
    uint8_t bits[] = {1, 0, 7};
    char ucs2[] = {0, 'h', 0, 'i'};
    char withNul[] = "xy\0zz";
    char shortDbcs[] = {4, static_cast<char>(228)}; // a code page and no text: cannot convert
    BACnetDataType bitString{}, wide{}, nul{}, dbcs{}, dbl{}, date{}, signedLong{}, noDescriptor{};
    bitString.type = BACNAPI_TYPE_BitString;
    bitString.payload.bitString = {3, 3, bits};
    wide.type = nul.type = dbcs.type = BACNAPI_TYPE_CharacterString;
    wide.payload.characterString = {BACNAPI_CHARSET_UCS2, {}, ucs2, 4};
    nul.payload.characterString = {BACNAPI_CHARSET_UTF8, {}, withNul, 5};
    dbcs.payload.characterString = {BACNAPI_CHARSET_DBCS, {}, shortDbcs, 2};
    dbl.type = BACNAPI_TYPE_Double;
    dbl.payload.doubleValue = DBL_MAX;
    date.type = BACNAPI_TYPE_Date;
    date.payload.date = {124, 5, 17, 5};
    signedLong.type = BACNAPI_TYPE_SignedLong;
    noDescriptor.type = BACNAPI_TYPE_BACnetArray;
    char dblMax[400];
    std::snprintf(dblMax, sizeof dblMax, "<%f", DBL_MAX);

    const struct {
        BACnetDataType value;
        int32_t status;
        std::string text; // after the starting "<"
    } cases[] = {
        {word(BACNAPI_TYPE_Boolean, 2), 0, "<2"},
        {word(BACNAPI_TYPE_Unsigned, 2147483648u), 0, "<-2147483648"},
        {real(-1.234567f), 0, "<-1.234570"},
        {real(1234.56789f), 0, "<1234.567870"},
        {real(-0.000006f), 0, "<-0.000010"},
        {real(-0.000005f), 0, "<0.000000"}, // half up, then floor
        {dbl, 0, dblMax},
        {date, 0, "<05/17/2024"}, // no day of week for a fully given date
        {bitString, 0, "<101"},
        {wide, 0, "<hi"},     // converted to UTF-8
        {nul, 0, "<xy"},      // the text ends at its first NUL
        {dbcs, kFail, "<"},
        {signedLong, BACNAPI_WALK_E_REFUSED, "<{"},
        {noDescriptor, BACNAPI_WALK_E_NODESCRIPTOR, "<{"},
        {word(154, 0), BACNAPI_WALK_E_NODESCRIPTOR, "<{"},
    };
    for (const auto& c : cases) {
        const Written w = write_value(c.value, "<");
        EXPECT_EQ(w.status, c.status) << c.text;
        EXPECT_EQ(w.text, c.text);
    }

    // A list with an element of the wrong type: the text keeps what came before it.
    BACnetDataType list = make_list(BACNAPI_TYPE_ListOfUnsigned,
                                    {word(BACNAPI_TYPE_Unsigned, 1), word(BACNAPI_TYPE_Signed, 2)});
    const Written partial = write_value(list, "abc");
    EXPECT_EQ(partial.status, BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(partial.text, "abc{{1},");
    bacnapi_ClearBACnetDataType(&list);

    // Nothing appended for an empty string leaves a null text null; missing arguments.
    BACnetDataType emptyOctets{};
    emptyOctets.type = BACNAPI_TYPE_OctetString;
    EXPECT_TRUE(write_value(emptyOctets).isNull);
    EXPECT_EQ(bacnapi_asn1_string_get(nullptr, &emptyOctets), kFail);
    char* text = nullptr;
    EXPECT_EQ(bacnapi_asn1_string_get(&text, nullptr), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(text, nullptr);
}

TEST(BraceText, Destinations)
{
    // Another type is released first (the memory checker sees any leak), same-type text replaced.
    BACnetDataType v = make_list(BACNAPI_TYPE_ListOfCharacterString, {text_value("a"), text_value("b")});
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "5", BACNAPI_TYPE_Unsigned), 0);
    EXPECT_EQ(v.payload.words[0], 5u); // no bit of the old list pointer left
    v = text_value("old");
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "new", BACNAPI_TYPE_CharacterString), 0);
    EXPECT_STREQ(v.payload.characterString.data, "new");
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "{{4}}", BACNAPI_TYPE_ListOfUnsigned), 0);
    EXPECT_EQ(v.payload.list->count, 1u);
    bacnapi_ClearBACnetDataType(&v);
    // Bits are only read into an empty bit string.
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "11", BACNAPI_TYPE_BitString), 0);
    EXPECT_EQ(bacnapi_asn1_string_set(&v, "0", BACNAPI_TYPE_BitString), kFail);
    EXPECT_EQ(v.payload.bitString.bitCount, 2u);
    bacnapi_ClearBACnetDataType(&v);

    // Types that cannot stand alone, or have no descriptor, leave the value as it was.
    const struct {
        int32_t type;
        int32_t status;
    } refused[] = {
        {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},      {BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetSpecialEventPeriod, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_NotificationChangedValue, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR}, {13, BACNAPI_WALK_E_NODESCRIPTOR},
        {-1, BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& c : refused) {
        BACnetDataType kept = word(BACNAPI_TYPE_Unsigned, 9);
        EXPECT_EQ(bacnapi_asn1_string_set(&kept, "{}", c.type), c.status) << c.type;
        EXPECT_EQ(kept.type, BACNAPI_TYPE_Unsigned) << c.type;
        EXPECT_EQ(kept.payload.words[0], 9u) << c.type;
    }
    EXPECT_EQ(bacnapi_asn1_string_set(nullptr, "5", BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(bacnapi_asn1_string_set(&v, nullptr, BACNAPI_TYPE_Unsigned), kFail);
    EXPECT_EQ(v.type, BACNAPI_TYPE_Null);
}

TEST(BraceText, EmptyNestedValueReadsBackFromNull)
{
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_initialize_data(&v, BACNAPI_TYPE_BACnetDailySchedule), 0);
    bacnapi_ClearBACnetDataType(&static_cast<BACnetDailySchedule*>(v.payload.record)->daySchedule);
    const Written w = write_value(v);
    ASSERT_EQ(w.text, "{null}");
    BACnetDataType back{};
    ASSERT_EQ(bacnapi_asn1_string_set(&back, w.text.c_str(), BACNAPI_TYPE_BACnetDailySchedule), 0);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&v, &back), 0);
    bacnapi_ClearBACnetDataType(&back);
    bacnapi_ClearBACnetDataType(&v);

    // Only the whole token "null" stands for the empty value; other text reads as the type.
    const struct {
        const char* text;
        int32_t status;
        int32_t nestedType;
    } cases[] = {{"{null}", 0, BACNAPI_TYPE_Null},
                 {"{{}}", 0, BACNAPI_TYPE_ListOfBACnetTimeValue},
                 {"{nullx}", kFail, BACNAPI_TYPE_ListOfBACnetTimeValue}};
    for (const auto& c : cases) {
        BACnetDataType d{};
        EXPECT_EQ(bacnapi_asn1_string_set(&d, c.text, BACNAPI_TYPE_BACnetDailySchedule), c.status) << c.text;
        EXPECT_EQ(static_cast<BACnetDailySchedule*>(d.payload.record)->daySchedule.type, c.nestedType) << c.text;
        bacnapi_ClearBACnetDataType(&d);
    }
}

} // namespace

namespace {

// Arbitrary text read as every type: only the walker's and the parser's statuses come back, the
// value can be written and cleared afterwards, and the memory checkers see no fault.
TEST(BraceText, ArbitraryTextIsReadSafely)
{
    // Seeds: the text of a fresh value of each type (mostly used for that type), and a few
    // fuller texts.
    std::vector<std::string> seeds = {"{1,{05/01/2024,05/31/2024}}", "{{1},{2}}", "{85,-1,21.5,16}", "{{{0,1},{2,{3}}}}"};
    std::vector<std::string> own(160);
    for (int32_t type = 0; type <= 153; ++type) {
        BACnetDataType fresh{};
        if (bacnapi_initialize_data(&fresh, type) == 0) {
            const Written w = write_value(fresh);
            if (w.status == 0) seeds.push_back(own[static_cast<size_t>(type)] = w.text);
        }
        bacnapi_ClearBACnetDataType(&fresh);
    }
    const std::string alphabet = "{{{}}},,,0123456789/:*. -xnul";
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    for (int32_t type = -1; type <= 155; ++type) {
        const std::string* mine = type >= 0 && type < 160 && !own[static_cast<size_t>(type)].empty()
                                      ? &own[static_cast<size_t>(type)]
                                      : nullptr;
        for (int round = 0; round < 40; ++round) {
            std::string text = mine && next() % 4 != 0 ? *mine : seeds[next() % seeds.size()];
            for (int edits = static_cast<int>(next() % 4); edits > 0; --edits) {
                const size_t at = next() % (text.size() + 1);
                if (next() % 2 && at < text.size()) text.erase(at, 1);
                else text.insert(at, 1, alphabet[next() % alphabet.size()]);
            }
            BACnetDataType v{};
            const int32_t status = bacnapi_asn1_string_set(&v, text.c_str(), type);
            EXPECT_TRUE(status == 0 || status == kFail || (status <= -1001 && status >= -1003))
                << type << " '" << text << "' " << status;
            const Written w = write_value(v);
            EXPECT_TRUE(w.status == 0 || w.status == kFail || (w.status <= -1001 && w.status >= -1003))
                << type << " '" << text << "' " << w.status;
            bacnapi_ClearBACnetDataType(&v);
        }
    }
}

} // namespace
