// Brace text end to end: each parsing rule and writer literal checked through the text written
// for what was read (also after a failure, to see what stayed in the destination), the literals
// only the writer meets, appending, and how destinations of other types are handled.
#include "brace_test_util.h"
#include "support/release_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <string>
#include <vector>

namespace {

using namespace brace_test;

constexpr int32_t kFail = BACNAPI_E_FAIL;

struct Row {
    const char* input;
    int32_t status;
    const char* written; // the value's text afterwards, also after a failure; null: not checked
};

TEST(BraceText, ParsedTextIsWrittenCanonicallyAndReadsBackTheSame)
{
    const std::string dblMax = printed("%f", DBL_MAX); // over 300 digits
    std::string hex, bits; // long texts, written in several pieces
    for (int i = 0; i < 700; ++i) {
        hex += printed("%02X", (i * 37) & 0xFF);
        bits += i % 3 ? '1' : '0';
    }
    const struct { int32_t type; std::vector<Row> rows; } cases[] = {
        {BACNAPI_TYPE_Null, {{"whatever", 0, "null"}}},
        {BACNAPI_TYPE_Boolean, {{"257", 0, "1"}, {"2", 0, "2"}, {"true", kFail, "0"}}}, // the low octet, as a number
        // An Unsigned is written as a signed word; big decimals keep their low 32 bits.
        {BACNAPI_TYPE_Unsigned, {{"-1", 0, "-1"}, {"2147483648", 0, "-2147483648"}, {"99999999999", 0, "1215752191"}}},
        {BACNAPI_TYPE_Unsigned, {{"99999999999999999999", 0, "1661992959"}, {"", kFail, "0"}}},
        {BACNAPI_TYPE_Signed, {{" \t+7abc", 0, "7"}}}, // blanks before a number, trailing text ignored
        {BACNAPI_TYPE_Enumerated, {{"x", kFail, "0"}}},
        // Rounded to five decimals, half up (so -0.000005 gives 0), then written with six.
        {BACNAPI_TYPE_Real, {{"-1.234567", 0, "-1.234570"}, {"-0.000006", 0, "-0.000010"}}},
        {BACNAPI_TYPE_Real, {{"-0.000005", 0, "0.000000"}, {"abc", kFail, "0.000000"}}},
        {BACNAPI_TYPE_Double, {{"-2.5e-3}", 0, "-0.002500"}, {dblMax.c_str(), 0, dblMax.c_str()}}},
        {BACNAPI_TYPE_OctetString, {{"a0b1c", 0, "A0B1"}, {"0102{x", 0, "0102"}, {"", 0, ""}, {"zz", kFail, nullptr}}},
        {BACNAPI_TYPE_CharacterString, {{"a b{c", 0, "a b{c"}, {"x,y}", 0, "x"}}},
        {BACNAPI_TYPE_BitString, {{"10x1", 0, "1001"}, {"0{1", 0, "0"}, {bits.c_str(), 0, bits.c_str()}}},
        {BACNAPI_TYPE_OctetString, {{hex.c_str(), 0, hex.c_str()}}},
        // The day of week is written only for a date not fully given; year 2155 is 255, unspecified.
        {BACNAPI_TYPE_Date, {{"5/17/2024 5", 0, "05/17/2024"}, {"05/17/* 5", 0, "05/17/* 5"}}},
        {BACNAPI_TYPE_Date, {{"*/1/2024 *", 0, "*/01/2024 *"}, {"1/2/2155", 0, "01/02/* *"}}},
        {BACNAPI_TYPE_Date, {{"1/2/2156", 0, "01/02/1900"}, {"05/17/2024 x", kFail, "05/17/2024"}}},
        {BACNAPI_TYPE_Date, {{"05-17-2024", kFail, "05/00/1900"}}},
        // A Time starts as 55:66 77.88 here: parts not in the text keep their octets.
        {BACNAPI_TYPE_Time,
         {{"13:45 30.25", 0, "13:45 30.25"}, {"1:2 3.4", 0, "01:02 03.04"}, {"*:* *.*,9", 0, "*:* *.*"},
          {"13:45", 0, "13:45 77.88"}, {"13:45 30", 0, "13:45 30.88"}, {"13:45:30.25", 0, "13:45 77.88"},
          {"13:45,6 7.8", 0, "13:45 77.88"}, {"13:45 x", kFail, "13:45 77.88"}, {"13", kFail, "13:66 77.88"}}},
        // The comma must follow the type at once.
        {BACNAPI_TYPE_ObjectIdentifier, {{" 2, -1", 0, "2,-1"}, {"2 ,3", kFail, "0,0"}, {"2,", kFail, "0,0"}}},
        {BACNAPI_TYPE_BACnetDateTime, {{"{05/17/2024,13:45 30.25}", 0, "{05/17/2024,13:45 30.25}"}}},
        {BACNAPI_TYPE_BACnetCalendarEntry, // no number: alternative 0
         {{"{1,{05/01/2024,05/31/2024}}", 0, "{1,{05/01/2024,05/31/2024}}"}, {"{x,05/01/2024}", 0, "{0,05/01/2024}"},
          {"{7,1}", BACNAPI_WALK_E_NODESCRIPTOR, nullptr}, {"{1}", BACNAPI_WALK_E_REFUSED, nullptr}}},
        {BACNAPI_TYPE_BACnetPrescale, {{"{1, 2}trailing", 0, "{1,2}"}}},
        // Never a blank before "{"; no "{" after a comma ends the list, emptied.
        {BACNAPI_TYPE_ListOfUnsigned, {{"{{1},{2}}", 0, "{{1},{2}}"}, {"{{ 7 }}", 0, "{{7}}"}, {"{{1},}", 0, "{}"}}},
        {BACNAPI_TYPE_ListOfUnsigned, {{"{{1}, {2}}", kFail, "{}"}, {"{{1}{2}}", kFail, "{{1}}"}}},
        {BACNAPI_TYPE_ListOfUnsigned, {{"{{1}", kFail, "{{1}}"}, {" {}", kFail, "{}"}}},
        {BACNAPI_TYPE_ListOfCharacterString, {{"{{a},{},{b c}}", 0, "{{a},{},{b c}}"}}},
        // An empty nested value is written "null"; only that whole token reads back as one.
        {BACNAPI_TYPE_BACnetDailySchedule, {{"{null}", 0, "{null}"}, {"{{}}", 0, "{{}}"}, {"{nullx}", kFail, "{{}}"}}},
    };
    for (const auto& c : cases) {
        for (const Row& r : c.rows) {
            BACnetDataType v{};
            if (c.type == BACNAPI_TYPE_Time) v = {BACNAPI_TYPE_Time, {.time = {55, 66, 77, 88}}};
            EXPECT_EQ(bacnapi_asn1_string_set(&v, r.input, c.type), r.status) << r.input;
            EXPECT_EQ(v.type, c.type) << r.input;
            if (r.written) {
                const Written w = write_value(v);
                EXPECT_EQ(w.status, 0) << r.input;
                EXPECT_EQ(w.text, r.written) << r.input;
                BACnetDataType back = parsed(w.text.c_str(), c.type); // the text reads back to itself
                EXPECT_EQ(write_value(back).text, w.text) << r.input;
                bacnapi_ClearBACnetDataType(&back);
            }
            bacnapi_ClearBACnetDataType(&v);
        }
    }
}

TEST(BraceText, WriterAppendsAndKeepsPartialText)
{
    char ucs2[] = {0, 'h', 0, 'i'}, withNul[] = "xy\0zz";
    char shortDbcs[] = {4, static_cast<char>(228)}; // a code page and no text: cannot convert
    BACnetDataType wide = word(BACNAPI_TYPE_CharacterString, 0), nul = wide, dbcs = wide;
    wide.payload.characterString = {BACNAPI_CHARSET_UCS2, {}, ucs2, 4};
    nul.payload.characterString = {BACNAPI_CHARSET_UTF8, {}, withNul, 5};
    dbcs.payload.characterString = {BACNAPI_CHARSET_DBCS, {}, shortDbcs, 2};
    BACnetDataType list =
        make_list(BACNAPI_TYPE_ListOfUnsigned, {word(BACNAPI_TYPE_Unsigned, 1), word(BACNAPI_TYPE_Signed, 2)});
    const struct { BACnetDataType value; int32_t status; const char* text; } cases[] = {
        {wide, 0, "<hi"}, // converted to UTF-8
        {nul, 0, "<xy"},  // the text ends at its first NUL
        {dbcs, kFail, "<"},
        {list, BACNAPI_WALK_E_REFUSED, "<{{1},"}, // an element of the wrong type: the text so far stays
        {word(BACNAPI_TYPE_SignedLong, 1), BACNAPI_WALK_E_REFUSED, "<{"},
        {word(BACNAPI_TYPE_BACnetArray, 0), BACNAPI_WALK_E_REFUSED, "<"}, // no record: nothing is written
        {word(BACNAPI_TYPE_BACnetPriorityArray, 0), BACNAPI_WALK_E_REFUSED, "<"},
    };
    for (const auto& c : cases) {
        const Written w = write_value(c.value, "<");
        EXPECT_EQ(w.status, c.status) << c.text;
        EXPECT_EQ(w.text, c.text);
    }
    bacnapi_ClearBACnetDataType(&list);

    // Nothing appended for an empty string leaves a null text null; missing arguments.
    const BACnetDataType emptyOctets = word(BACNAPI_TYPE_OctetString, 0);
    EXPECT_TRUE(write_value(emptyOctets).isNull);
    EXPECT_EQ(bacnapi_asn1_string_get(nullptr, &emptyOctets), 0); // nothing to append, nothing fails
    const BACnetDataType seven = word(BACNAPI_TYPE_Unsigned, 7);
    EXPECT_EQ(bacnapi_asn1_string_get(nullptr, &seven), kFail);
    char* text = nullptr;
    EXPECT_EQ(bacnapi_asn1_string_get(&text, nullptr), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(text, nullptr);
}

TEST(BraceText, ListsOfPlainValuesAndTheirFaults)
{
    BACnetDataType id = word(BACNAPI_TYPE_ObjectIdentifier, 0), id2 = id;
    id.payload.objectIdentifier = {8, 4194303};
    id2.payload.objectIdentifier = {0, 0xFFFFFFFFu};
    BACnetDataType real = word(BACNAPI_TYPE_Real, 0), tiny = real;
    real.payload.real = -1.5f;
    tiny.payload.real = -0.000005f;
    const struct { int32_t type; std::initializer_list<BACnetDataType> elements; const char* text; } cases[] = {
        {BACNAPI_TYPE_ListOfUnsigned, {}, "{}"},
        {BACNAPI_TYPE_ListOfUnsigned, {word(BACNAPI_TYPE_Unsigned, 0)}, "{{0}}"},
        {BACNAPI_TYPE_ListOfUnsigned, {word(BACNAPI_TYPE_Unsigned, 7), word(BACNAPI_TYPE_Unsigned, 0x80000000u)},
         "{{7},{-2147483648}}"},
        {BACNAPI_TYPE_ListOfEnumerated, {word(BACNAPI_TYPE_Enumerated, 3), word(BACNAPI_TYPE_Enumerated, 65535)},
         "{{3},{65535}}"},
        {BACNAPI_TYPE_ListOfBoolean, {word(BACNAPI_TYPE_Boolean, 1), word(BACNAPI_TYPE_Boolean, 0x100)}, "{{1},{0}}"},
        {BACNAPI_TYPE_ListOfReal, {real, tiny}, "{{-1.500000},{0.000000}}"},
        {BACNAPI_TYPE_ListOfObjectIdentifier, {id, id2}, "{{8,4194303},{0,-1}}"},
    };
    for (const auto& c : cases) {
        BACnetDataType list = make_list(c.type, c.elements);
        const Written w = write_value(list, "<");
        EXPECT_EQ(w.status, 0) << c.text;
        EXPECT_EQ(w.text, std::string("<") + c.text);
        BACnetDataType back = parsed(c.text, c.type);
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&back, &list), 0) << c.text;
        bacnapi_ClearBACnetDataType(&back);
        bacnapi_ClearBACnetDataType(&list);
    }

    // Lists that cannot be written whole report what is wrong and keep the text written so far,
    // wherever the fault lies.
    std::vector<BACnetDataType> many;
    for (uint32_t i = 0; i < 300; ++i) many.push_back(word(BACNAPI_TYPE_Unsigned, i));
    std::string prefix = "<{";
    for (uint32_t i = 0; i < 299; ++i) prefix += "{" + std::to_string(i) + "},";
    const struct { uint32_t count, capacity; int32_t badAt; const char* expected; int32_t status; } faults[] = {
        {3, 2, -1, "<{", BACNAPI_WALK_E_REFUSED},      // counts past its slots
        {300, 300, 299, nullptr, BACNAPI_WALK_E_REFUSED}, // the last element of another type
        {300, 300, 0, "<{", BACNAPI_WALK_E_REFUSED},
    };
    for (const auto& f : faults) {
        BACnetDataType list = make_list(BACNAPI_TYPE_ListOfUnsigned, {});
        BACnetValueList* l = list.payload.list;
        l->elements = static_cast<BACnetDataType*>(std::realloc(l->elements, 300 * sizeof(BACnetDataType)));
        std::copy(many.begin(), many.end(), l->elements);
        if (f.badAt >= 0) l->elements[f.badAt].type = BACNAPI_TYPE_Signed;
        l->count = f.count;
        l->capacity = f.capacity;
        const Written w = write_value(list, "<");
        EXPECT_EQ(w.status, f.status) << f.badAt;
        EXPECT_EQ(w.text, f.expected ? std::string(f.expected) : prefix) << f.badAt;
        l->count = l->capacity = 300;
        bacnapi_ClearBACnetDataType(&list);
    }
}

TEST(BraceText, Destinations)
{
    // Another type is released first, same-type text replaced (the memory checker sees any leak).
    BACnetDataType v = parsed("{{a},{b}}", BACNAPI_TYPE_ListOfCharacterString);
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "old", BACNAPI_TYPE_CharacterString), 0);
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "new", BACNAPI_TYPE_CharacterString), 0);
    EXPECT_STREQ(v.payload.characterString.data, "new");
    bacnapi_ClearBACnetDataType(&v);
    // Bits are only read into an empty bit string.
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "11", BACNAPI_TYPE_BitString), 0);
    EXPECT_EQ(bacnapi_asn1_string_set(&v, "0", BACNAPI_TYPE_BitString), kFail);
    EXPECT_EQ(write_value(v).text, "11");
    bacnapi_ClearBACnetDataType(&v);
    // Types that cannot stand alone, or have no descriptor, leave the value as it was.
    BACnetDataType kept = word(BACNAPI_TYPE_Unsigned, 9);
    EXPECT_EQ(bacnapi_asn1_string_set(&kept, "{}", BACNAPI_TYPE_SignedLong), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(bacnapi_asn1_string_set(&kept, "{}", 13), BACNAPI_WALK_E_NODESCRIPTOR);
    EXPECT_EQ(write_value(kept).text, "9");
    EXPECT_EQ(bacnapi_asn1_string_set(nullptr, "5", BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
    // A null text is a text already used up: the value takes the type, its first piece fails.
    EXPECT_EQ(bacnapi_asn1_string_set(&v, nullptr, BACNAPI_TYPE_Unsigned), kFail);
    EXPECT_EQ(v.type, BACNAPI_TYPE_Unsigned);
    EXPECT_EQ(bacnapi_asn1_string_set(&v, nullptr, 13), BACNAPI_WALK_E_NODESCRIPTOR);
}

// Mutated texts read as every type: only the walker's and the parser's statuses come back, the
// value can be written and cleared afterwards, and the memory checkers see no fault.
} // namespace
