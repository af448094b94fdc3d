// The brace-text parser: every scanning rule of the application types, the structure of lists,
// and what a destination holds after success and failure.
#include "brace_test_util.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace brace_test;

// Parses text as type into a fresh value.
struct Parsed {
    int32_t status;
    BACnetDataType value;
    Parsed(const char* text, int32_t type) : value{} { status = bacnapi_asn1_string_set(&value, text, type); }
    ~Parsed() { bacnapi_ClearBACnetDataType(&value); }
    Parsed(const Parsed&) = delete;
    Parsed& operator=(const Parsed&) = delete;
};

TEST(BraceParser, WordsAndBooleans)
{
    const struct {
        const char* text;
        int32_t type;
        int32_t status;
        uint32_t word; // the 32-bit payload (the low octet for Boolean)
    } cases[] = {
        {"5", BACNAPI_TYPE_Unsigned, 0, 5},
        {"-1", BACNAPI_TYPE_Unsigned, 0, 4294967295u},
        {"4294967295", BACNAPI_TYPE_Unsigned, 0, 4294967295u},
        {"2147483648", BACNAPI_TYPE_Unsigned, 0, 2147483648u},
        {"99999999999", BACNAPI_TYPE_Unsigned, 0, 1215752191u}, // the low 32 bits
        {"  12abc", BACNAPI_TYPE_Unsigned, 0, 12},               // blanks skipped, rest ignored
        {"abc", BACNAPI_TYPE_Unsigned, BACNAPI_E_FAIL, 0},
        {"", BACNAPI_TYPE_Unsigned, BACNAPI_E_FAIL, 0},
        {"-42", BACNAPI_TYPE_Signed, 0, static_cast<uint32_t>(-42)},
        {"+7", BACNAPI_TYPE_Signed, 0, 7},
        {"85", BACNAPI_TYPE_Enumerated, 0, 85},
        {"x", BACNAPI_TYPE_Enumerated, BACNAPI_E_FAIL, 0},
        {"1", BACNAPI_TYPE_Boolean, 0, 1},
        {"0", BACNAPI_TYPE_Boolean, 0, 0},
        {"257", BACNAPI_TYPE_Boolean, 0, 1}, // the low octet is stored
        {"true", BACNAPI_TYPE_Boolean, BACNAPI_E_FAIL, 0},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, c.type);
        EXPECT_EQ(p.status, c.status) << c.text;
        EXPECT_EQ(p.value.type, c.type) << c.text;
        if (c.status != 0) continue;
        const uint32_t got = c.type == BACNAPI_TYPE_Boolean ? p.value.payload.boolean : p.value.payload.unsignedValue;
        EXPECT_EQ(got, c.word) << c.text;
    }
}

TEST(BraceParser, RealsAndDoubles)
{
    const struct {
        const char* text;
        int32_t type;
        int32_t status;
        double value;
    } cases[] = {
        {"1.5", BACNAPI_TYPE_Real, 0, 1.5},
        {"-1.234570", BACNAPI_TYPE_Real, 0, static_cast<double>(-1.23457f)},
        {" 0.1", BACNAPI_TYPE_Real, 0, static_cast<double>(0.1f)},
        {"1e3", BACNAPI_TYPE_Real, 0, 1000.0},
        {"abc", BACNAPI_TYPE_Real, BACNAPI_E_FAIL, 0},
        {"0.1", BACNAPI_TYPE_Double, 0, 0.1},
        {"-2.5e-3}", BACNAPI_TYPE_Double, 0, -0.0025},
        {"", BACNAPI_TYPE_Double, BACNAPI_E_FAIL, 0},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, c.type);
        EXPECT_EQ(p.status, c.status) << c.text;
        if (c.status != 0) continue;
        const double got = c.type == BACNAPI_TYPE_Real ? p.value.payload.real : p.value.payload.doubleValue;
        EXPECT_EQ(got, c.value) << c.text;
    }
}

TEST(BraceParser, Dates)
{
    const struct {
        const char* text;
        int32_t status;
        uint8_t year, month, day, dow;
    } cases[] = {
        {"05/17/2024", 0, 124, 5, 17, 255},
        {"05/17/2024 5", 0, 124, 5, 17, 5},
        {"*/01/2024 *", 0, 124, 255, 1, 255},
        {"05/17/* 5", 0, 255, 5, 17, 5},
        {"*/*/* *", 0, 255, 255, 255, 255},
        {"01/02/1900", 0, 0, 1, 2, 255},
        {"1/2/2155", 0, 255, 1, 2, 255},   // (2155 - 1900) mod 256
        {"1/2/2156", 0, 0, 1, 2, 255},
        {"05/17/2024 x", BACNAPI_E_FAIL, 124, 5, 17, 255},
        {"05-17-2024", BACNAPI_E_FAIL, 0, 5, 0, 0},
        {"05/17", BACNAPI_E_FAIL, 0, 5, 17, 0},
        {"xx/17/2024", BACNAPI_E_FAIL, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_Date);
        EXPECT_EQ(p.status, c.status) << c.text;
        const BACnetDate& d = p.value.payload.date;
        EXPECT_EQ(d.year, c.year) << c.text;
        EXPECT_EQ(d.month, c.month) << c.text;
        EXPECT_EQ(d.day, c.day) << c.text;
        EXPECT_EQ(d.dayOfWeek, c.dow) << c.text;
    }
}

TEST(BraceParser, TimesLeaveMissingPartsAlone)
{
    const struct {
        const char* text;
        int32_t status;
        uint8_t hour, minute, second, hundredths;
    } cases[] = {
        {"13:45 30.25", 0, 13, 45, 30, 25},
        {"*:* *.*", 0, 255, 255, 255, 255},
        {"13:45", 0, 13, 45, 77, 88},        // second and hundredths keep what they held
        {"13:45 30", 0, 13, 45, 30, 88},
        {"13:45:30.25", 0, 13, 45, 77, 88},  // a colon is not the blank before the seconds
        {"13:45 30.25,1", 0, 13, 45, 30, 25},
        {"13:45,6 7.8", 0, 13, 45, 77, 88},  // the blank lies beyond the delimiter
        {"13:45 x", BACNAPI_E_FAIL, 13, 45, 77, 88},
        {"13", BACNAPI_E_FAIL, 13, 66, 77, 88},
        {"ab:cd", BACNAPI_E_FAIL, 55, 66, 77, 88},
    };
    for (const auto& c : cases) {
        BACnetDataType v{};
        v.type = BACNAPI_TYPE_Time;
        v.payload.time = {55, 66, 77, 88};
        EXPECT_EQ(bacnapi_asn1_string_set(&v, c.text, BACNAPI_TYPE_Time), c.status) << c.text;
        EXPECT_EQ(v.payload.time.hour, c.hour) << c.text;
        EXPECT_EQ(v.payload.time.minute, c.minute) << c.text;
        EXPECT_EQ(v.payload.time.second, c.second) << c.text;
        EXPECT_EQ(v.payload.time.hundredths, c.hundredths) << c.text;
    }
}

TEST(BraceParser, ObjectIdentifiers)
{
    const struct {
        const char* text;
        int32_t status;
        uint32_t objectType, instance;
    } cases[] = {
        {"8,-1", 0, 8, 4294967295u},
        {"0,1}", 0, 0, 1},
        {" 2, 3", 0, 2, 3},
        {"2 ,3", BACNAPI_E_FAIL, 0, 0}, // the comma must follow the first number at once
        {"2,", BACNAPI_E_FAIL, 0, 0},
        {"2", BACNAPI_E_FAIL, 0, 0},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_ObjectIdentifier);
        EXPECT_EQ(p.status, c.status) << c.text;
        EXPECT_EQ(p.value.payload.objectIdentifier.objectType, c.objectType) << c.text;
        EXPECT_EQ(p.value.payload.objectIdentifier.instance, c.instance) << c.text;
    }
}

TEST(BraceParser, OctetStrings)
{
    const struct {
        const char* text;
        int32_t status;
        std::string octets;
    } cases[] = {
        {"A0B", 0, "\xA0"},
        {"", 0, ""},
        {"00a0FF", 0, std::string("\x00\xA0\xFF", 3)},
        {"0102{x", 0, "\x01\x02"},
        {"0102,zz", 0, "\x01\x02"},
        {"zz", BACNAPI_E_FAIL, ""},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_OctetString);
        EXPECT_EQ(p.status, c.status) << c.text;
        if (c.status != 0) continue;
        const BACnetOctetString& o = p.value.payload.octetString;
        ASSERT_EQ(o.length, c.octets.size()) << c.text;
        EXPECT_EQ(o.data == nullptr, c.octets.empty()) << c.text;
        if (o.length) {
            EXPECT_EQ(std::memcmp(o.data, c.octets.data(), o.length), 0) << c.text;
        }
    }
}

TEST(BraceParser, CharacterStringsCountTheirTerminator)
{
    const struct {
        const char* text;
        const char* stored; // null: no text stored
    } cases[] = {
        {"hello", "hello"}, {"a b{c", "a b{c"}, {"x,y", "x"}, {"x}y", "x"}, {"", nullptr}, {",", nullptr},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_CharacterString);
        EXPECT_EQ(p.status, 0) << c.text;
        const BACnetCharacterString& s = p.value.payload.characterString;
        EXPECT_EQ(s.characterSet, 0);
        if (!c.stored) {
            EXPECT_EQ(s.data, nullptr);
            EXPECT_EQ(s.length, 0u);
            continue;
        }
        ASSERT_NE(s.data, nullptr) << c.text;
        EXPECT_STREQ(s.data, c.stored);
        EXPECT_EQ(s.length, std::strlen(c.stored) + 1);
    }
}

TEST(BraceParser, CharacterStringReplacesOldText)
{
    BACnetDataType v = text_value("old text");
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "new", BACNAPI_TYPE_CharacterString), 0);
    EXPECT_STREQ(v.payload.characterString.data, "new");
    bacnapi_ClearBACnetDataType(&v);
}

TEST(BraceParser, BitStrings)
{
    const struct {
        const char* text;
        std::string bits;
    } cases[] = {{"10100", "10100"}, {"1x1", "101"}, {"", ""}, {"11,0", "11"}, {"0{1", "0"}};
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_BitString);
        EXPECT_EQ(p.status, 0) << c.text;
        const BACnetBitString& b = p.value.payload.bitString;
        ASSERT_EQ(b.bitCount, c.bits.size()) << c.text;
        EXPECT_EQ(b.usedCount, c.bits.size()) << c.text;
        for (size_t i = 0; i < c.bits.size(); ++i) EXPECT_EQ(b.bits[i], c.bits[i] == '1' ? 1 : 0) << c.text;
    }
    // Bits are only read into an empty bit string.
    Parsed first("11", BACNAPI_TYPE_BitString);
    EXPECT_EQ(bacnapi_asn1_string_set(&first.value, "0", BACNAPI_TYPE_BitString), BACNAPI_E_FAIL);
    EXPECT_EQ(first.value.payload.bitString.bitCount, 2u);
}

TEST(BraceParser, NullAcceptsAnyToken)
{
    for (const char* text : {"null", "", "anything", "x,y"}) {
        Parsed p(text, BACNAPI_TYPE_Null);
        EXPECT_EQ(p.status, 0) << text;
        EXPECT_EQ(p.value.type, BACNAPI_TYPE_Null);
    }
}

TEST(BraceParser, ListsOfUnsigned)
{
    const struct {
        const char* text;
        int32_t status;
        std::initializer_list<uint32_t> elements;
    } cases[] = {
        {"{{1},{2},{3}}", 0, {1, 2, 3}},
        {"{}", 0, {}},
        {"{{1},}", 0, {}},             // the element after the comma finds no "{": the list is emptied
        {"{{1}}trailing", 0, {1}},     // text after the value is ignored
        {"{{ 7 }}", 0, {7}},           // blanks inside an element belong to its literal
        {"{{1}, {2}}", BACNAPI_E_FAIL, {}}, // never a blank before a structural character
        {"{1}", BACNAPI_E_FAIL, {}},
        {"{{1}", BACNAPI_E_FAIL, {1}},
        {"", BACNAPI_E_FAIL, {}},
    };
    for (const auto& c : cases) {
        Parsed p(c.text, BACNAPI_TYPE_ListOfUnsigned);
        EXPECT_EQ(p.status, c.status) << c.text;
        ASSERT_EQ(p.value.type, BACNAPI_TYPE_ListOfUnsigned) << c.text;
        const BACnetValueList* list = p.value.payload.list;
        ASSERT_NE(list, nullptr) << c.text;
        ASSERT_EQ(list->count, c.elements.size()) << c.text;
        size_t i = 0;
        for (uint32_t e : c.elements) {
            EXPECT_EQ(list->elements[i].type, BACNAPI_TYPE_Unsigned) << c.text;
            EXPECT_EQ(list->elements[i].payload.unsignedValue, e) << c.text;
            ++i;
        }
    }
}

TEST(BraceParser, DestinationOfAnotherTypeIsClearedFirst)
{
    // A list with heap elements, then a string: parsing another type must release both (the
    // memory checker sees a leak otherwise) and leave a clean value of the new type.
    BACnetDataType v = make_list(BACNAPI_TYPE_ListOfCharacterString, {text_value("a"), text_value("b")});
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "5", BACNAPI_TYPE_Unsigned), 0);
    EXPECT_EQ(v.type, BACNAPI_TYPE_Unsigned);
    EXPECT_EQ(v.payload.words[0], 5u); // no bits of the old list pointer left

    BACnetDataType s = text_value("text");
    ASSERT_EQ(bacnapi_asn1_string_set(&s, "{{4}}", BACNAPI_TYPE_ListOfUnsigned), 0);
    ASSERT_EQ(s.type, BACNAPI_TYPE_ListOfUnsigned);
    EXPECT_EQ(s.payload.list->count, 1u);
    bacnapi_ClearBACnetDataType(&s);
}

TEST(BraceParser, RefusedDestinationsAreLeftAlone)
{
    const struct {
        int32_t type;
        int32_t status;
    } cases[] = {
        {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},      {BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetError, BACNAPI_WALK_E_REFUSED},     {BACNAPI_TYPE_BACnetSpecialEventPeriod, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_EventParameterChangeOfBitstring, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetEventLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR}, {13, BACNAPI_WALK_E_NODESCRIPTOR},
        {154, BACNAPI_WALK_E_NODESCRIPTOR},                     {-1, BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& c : cases) {
        BACnetDataType v = word(BACNAPI_TYPE_Unsigned, 9);
        EXPECT_EQ(bacnapi_asn1_string_set(&v, "{}", c.type), c.status) << c.type;
        EXPECT_EQ(v.type, BACNAPI_TYPE_Unsigned) << c.type;
        EXPECT_EQ(v.payload.unsignedValue, 9u) << c.type;
    }
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set(nullptr, "5", BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(bacnapi_asn1_string_set(&v, nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_E_FAIL);
    EXPECT_EQ(v.type, BACNAPI_TYPE_Null);
}

} // namespace
