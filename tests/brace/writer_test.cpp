// The brace-text writer: the literal of every application type, the shapes of constructed
// values, appending to existing text and what stays behind after a failure.
#include "brace_test_util.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace brace_test;

BACnetDataType make(int32_t type)
{
    BACnetDataType v{};
    v.type = type;
    return v;
}

BACnetDataType real_value(float f)
{
    BACnetDataType v = make(BACNAPI_TYPE_Real);
    v.payload.real = f;
    return v;
}

BACnetDataType double_value(double d)
{
    BACnetDataType v = make(BACNAPI_TYPE_Double);
    v.payload.doubleValue = d;
    return v;
}

BACnetDataType date_value(uint8_t year, uint8_t month, uint8_t day, uint8_t dow)
{
    BACnetDataType v = make(BACNAPI_TYPE_Date);
    v.payload.date = {year, month, day, dow};
    return v;
}

BACnetDataType time_value(uint8_t h, uint8_t m, uint8_t s, uint8_t hh)
{
    BACnetDataType v = make(BACNAPI_TYPE_Time);
    v.payload.time = {h, m, s, hh};
    return v;
}

BACnetDataType word_value(int32_t type, uint32_t word)
{
    BACnetDataType v = make(type);
    v.payload.unsignedValue = word;
    return v;
}

TEST(BraceWriter, ScalarLiterals)
{
    BACnetDataType boolean2 = make(BACNAPI_TYPE_Boolean);
    boolean2.payload.boolean = 2;
    BACnetDataType oid = make(BACNAPI_TYPE_ObjectIdentifier);
    oid.payload.objectIdentifier = {8, 4294967295u};
    const struct {
        BACnetDataType value;
        const char* text;
    } cases[] = {
        {make(BACNAPI_TYPE_Null), "null"},
        {word_value(BACNAPI_TYPE_Boolean, 1), "1"},
        {boolean2, "2"},
        {word_value(BACNAPI_TYPE_Unsigned, 5), "5"},
        {word_value(BACNAPI_TYPE_Unsigned, 2147483648u), "-2147483648"},
        {word_value(BACNAPI_TYPE_Unsigned, 4294967295u), "-1"},
        {word_value(BACNAPI_TYPE_Signed, static_cast<uint32_t>(-42)), "-42"},
        {word_value(BACNAPI_TYPE_Enumerated, 85), "85"},
        {real_value(1.5f), "1.500000"},
        {real_value(-1.234567f), "-1.234570"},
        {real_value(0.1f), "0.100000"},
        {real_value(1234.56789f), "1234.567870"},
        {real_value(-0.000006f), "-0.000010"},
        {real_value(-0.000005f), "0.000000"},
        {double_value(0.1), "0.100000"},
        {double_value(-1.2345675), "-1.234568"},
        {double_value(1e20), "100000000000000000000.000000"},
        {date_value(124, 5, 17, 5), "05/17/2024"},
        {date_value(124, 255, 1, 255), "*/01/2024 *"},
        {date_value(255, 5, 17, 5), "05/17/* 5"},
        {date_value(255, 255, 255, 255), "*/*/* *"},
        {date_value(0, 1, 2, 3), "01/02/1900"},
        {time_value(13, 45, 30, 25), "13:45 30.25"},
        {time_value(255, 255, 255, 255), "*:* *.*"},
        {time_value(0, 5, 255, 0), "00:05 *.00"},
        {oid, "8,-1"},
    };
    for (const auto& c : cases) {
        const Written w = write_value(c.value);
        EXPECT_EQ(w.status, 0) << c.text;
        EXPECT_EQ(w.text, c.text);
    }
}

TEST(BraceWriter, LargeDoubleIsWrittenInFull)
{
    const Written w = write_value(double_value(1.7976931348623157e308));
    EXPECT_EQ(w.status, 0);
    char expected[400];
    std::snprintf(expected, sizeof expected, "%f", 1.7976931348623157e308);
    EXPECT_EQ(w.text, expected);
    EXPECT_EQ(w.text.size(), 316u);
}

TEST(BraceWriter, StringLiterals)
{
    uint8_t octets[] = {0x00, 0xA0, 0x0F, 0xFF};
    uint8_t bits[] = {1, 0, 7, 0, 0};
    char text[] = "a,b}";
    char iso[] = "caf\xE9";
    char ucs2[] = {0, 'h', 0, 'i'};
    char counted[] = "xy\0zz"; // stops at the first NUL

    BACnetDataType octetValue = make(BACNAPI_TYPE_OctetString);
    octetValue.payload.octetString = {4, octets};
    BACnetDataType emptyOctets = make(BACNAPI_TYPE_OctetString);
    BACnetDataType bitValue = make(BACNAPI_TYPE_BitString);
    bitValue.payload.bitString = {5, 5, bits};
    BACnetDataType emptyBits = make(BACNAPI_TYPE_BitString);
    BACnetDataType plain = make(BACNAPI_TYPE_CharacterString);
    plain.payload.characterString.data = text;
    plain.payload.characterString.length = 5;
    BACnetDataType latin = make(BACNAPI_TYPE_CharacterString);
    latin.payload.characterString = {BACNAPI_CHARSET_ISO8859_1, {}, iso, 4};
    BACnetDataType wide = make(BACNAPI_TYPE_CharacterString);
    wide.payload.characterString = {BACNAPI_CHARSET_UCS2, {}, ucs2, 4};
    BACnetDataType withNul = make(BACNAPI_TYPE_CharacterString);
    withNul.payload.characterString = {BACNAPI_CHARSET_UTF8, {}, counted, 5};
    BACnetDataType noText = make(BACNAPI_TYPE_CharacterString);

    const struct {
        const BACnetDataType* value;
        const char* text;
    } cases[] = {
        {&octetValue, "00A00FFF"}, {&emptyOctets, ""},       {&bitValue, "10100"}, {&emptyBits, ""},
        {&plain, "a,b}"},          {&latin, "caf\xE9"},      {&wide, "hi"},        {&withNul, "xy"},
        {&noText, ""},
    };
    for (const auto& c : cases) {
        const Written w = write_value(*c.value, "<");
        EXPECT_EQ(w.status, 0) << c.text;
        EXPECT_EQ(w.text, std::string("<") + c.text);
    }
    // Nothing at all is appended for an empty string: a null text stays null.
    const Written empty = write_value(emptyOctets);
    EXPECT_EQ(empty.status, 0);
    EXPECT_TRUE(empty.isNull);
}

TEST(BraceWriter, UnconvertibleCharacterStringFails)
{
    char shortDbcs[] = {4, static_cast<char>(228)}; // a code page and no text
    BACnetDataType v = make(BACNAPI_TYPE_CharacterString);
    v.payload.characterString = {BACNAPI_CHARSET_DBCS, {}, shortDbcs, 2};
    const Written w = write_value(v, "x");
    EXPECT_EQ(w.status, BACNAPI_E_FAIL);
    EXPECT_EQ(w.text, "x");
}

TEST(BraceWriter, ConstructedValuesAndAppending)
{
    BACnetDataType empty = make_list(BACNAPI_TYPE_ListOfUnsigned, {});
    Written w = write_value(empty, "abc");
    EXPECT_EQ(w.status, 0);
    EXPECT_EQ(w.text, "abc{}");
    bacnapi_ClearBACnetDataType(&empty);

    BACnetDataType list = make_list(BACNAPI_TYPE_ListOfUnsigned, {word_value(BACNAPI_TYPE_Unsigned, 1),
                                                                  word_value(BACNAPI_TYPE_Unsigned, 2),
                                                                  word_value(BACNAPI_TYPE_Unsigned, 3)});
    w = write_value(list, "abc");
    EXPECT_EQ(w.status, 0);
    EXPECT_EQ(w.text, "abc{{1},{2},{3}}");

    // An element of the wrong type stops the walk; the text keeps what was written before it.
    list.payload.list->elements[1].type = BACNAPI_TYPE_Signed;
    w = write_value(list, "abc");
    EXPECT_EQ(w.status, BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(w.text, "abc{{1},");
    list.payload.list->elements[1].type = BACNAPI_TYPE_Unsigned;
    bacnapi_ClearBACnetDataType(&list);
}

TEST(BraceWriter, RefusedValues)
{
    BACnetDataType signedLong = make(BACNAPI_TYPE_SignedLong);
    signedLong.payload.signedLong = 5;
    BACnetDataType array = make(BACNAPI_TYPE_BACnetArray);
    const struct {
        BACnetDataType value;
        int32_t status;
        const char* text;
    } cases[] = {
        {signedLong, BACNAPI_WALK_E_REFUSED, "{"},   // no fields: refused after the brace
        {array, BACNAPI_WALK_E_NODESCRIPTOR, "{"},   // no descriptor: found at the first field
        {make(13), BACNAPI_WALK_E_NODESCRIPTOR, "{"},
        {make(154), BACNAPI_WALK_E_NODESCRIPTOR, "{"},
        {make(-1), BACNAPI_WALK_E_NODESCRIPTOR, "{"},
    };
    for (const auto& c : cases) {
        const Written w = write_value(c.value);
        EXPECT_EQ(w.status, c.status) << c.value.type;
        EXPECT_EQ(w.text, c.text) << c.value.type;
    }
}

TEST(BraceWriter, MissingArguments)
{
    BACnetDataType v = word_value(BACNAPI_TYPE_Unsigned, 1);
    EXPECT_EQ(bacnapi_asn1_string_get(nullptr, &v), BACNAPI_E_FAIL);
    char* text = nullptr;
    EXPECT_EQ(bacnapi_asn1_string_get(&text, nullptr), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(text, nullptr);
}

} // namespace
