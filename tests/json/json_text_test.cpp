// The JSON form of each kind of value, written and read back: exact texts for the forms that are
// fixed (numbers, strings, dates, times, identifiers, records, choices, lists, envelopes), and
// values that must survive bit for bit.
#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace bacnapi {
namespace {

std::string json_of(const BACnetDataType& value, uint32_t flags = 0)
{
    char* text = nullptr;
    EXPECT_EQ(bacnapi_json_get(&text, &value, flags), 0);
    std::string out = text ? text : "";
    bacnapi_free(text);
    return out;
}

// The value part of an envelope written for type.
std::string bare(const std::string& json, int32_t type)
{
    const std::string head = std::string("{\"type\":\"") + bacnapi_type_name(type) + "\",\"value\":";
    EXPECT_EQ(json.compare(0, head.size(), head), 0) << json;
    return json.substr(head.size(), json.size() - head.size() - 1);
}

BACnetDataType of_type(int32_t type)
{
    BACnetDataType v{};
    v.type = type;
    return v;
}

BACnetDataType characters(uint8_t set, const char* bytes, size_t n)
{
    BACnetDataType v = of_type(BACNAPI_TYPE_CharacterString);
    v.payload.characterString.characterSet = set;
    v.payload.characterString.data = static_cast<char*>(bacnapi_malloc(n + 1));
    std::memcpy(v.payload.characterString.data, bytes, n);
    v.payload.characterString.data[n] = '\0';
    v.payload.characterString.length = n + 1;
    return v;
}

TEST(JsonText, ApplicationValuesHaveTheirFixedForms)
{
    struct Case {
        BACnetDataType value;
        const char* json;
    };
    auto make = [](int32_t type, auto fill) {
        BACnetDataType v = of_type(type);
        fill(v.payload);
        return v;
    };
    using P = decltype(BACnetDataType::payload);
    const Case cases[] = {
        {of_type(BACNAPI_TYPE_Null), "null"},
        {make(BACNAPI_TYPE_Boolean, [](P& p) { p.boolean = 1; }), "true"},
        {make(BACNAPI_TYPE_Unsigned, [](P& p) { p.unsignedValue = 4294967295u; }), "4294967295"},
        {make(BACNAPI_TYPE_Signed, [](P& p) { p.signedValue = INT32_MIN; }), "-2147483648"},
        {make(BACNAPI_TYPE_Real, [](P& p) { p.real = 0.1f; }), "0.1"},
        {make(BACNAPI_TYPE_Real, [](P& p) { p.real = -0.0f; }), "-0"},
        {make(BACNAPI_TYPE_Real, [](P& p) { p.real = std::numeric_limits<float>::quiet_NaN(); }), "\"NaN\""},
        {make(BACNAPI_TYPE_Double, [](P& p) { p.doubleValue = -HUGE_VAL; }), "\"-Infinity\""},
        {make(BACNAPI_TYPE_Double, [](P& p) { p.doubleValue = 1e300; }), "1e+300"},
        {make(BACNAPI_TYPE_Enumerated, [](P& p) { p.enumerated = 7; }), "7"},
        {make(BACNAPI_TYPE_Date, [](P& p) { p.date = {124, 5, 17, 5}; }), "\"2024-05-17\""},
        // A weekday that is not the date's own, and unspecified or special octets: the object.
        {make(BACNAPI_TYPE_Date, [](P& p) { p.date = {124, 5, 17, 255}; }),
         "{\"year\":2024,\"month\":5,\"day\":17,\"weekday\":null}"},
        {make(BACNAPI_TYPE_Date, [](P& p) { p.date = {255, 13, 32, 1}; }),
         "{\"year\":null,\"month\":13,\"day\":32,\"weekday\":1}"},
        {make(BACNAPI_TYPE_Date, [](P& p) { p.date = {123, 2, 29, 3}; }),
         "{\"year\":2023,\"month\":2,\"day\":29,\"weekday\":3}"},
        {make(BACNAPI_TYPE_Time, [](P& p) { p.time = {13, 45, 30, 25}; }), "\"13:45:30.25\""},
        {make(BACNAPI_TYPE_Time, [](P& p) { p.time = {0, 0, 0, 0}; }), "\"00:00:00\""},
        {make(BACNAPI_TYPE_Time, [](P& p) { p.time = {255, 61, 0, 255}; }),
         "{\"hour\":null,\"minute\":61,\"second\":0,\"hundredths\":null}"},
        {make(BACNAPI_TYPE_ObjectIdentifier, [](P& p) { p.objectIdentifier = {8, 1234}; }),
         "{\"objectType\":8,\"instance\":1234}"},
        {characters(BACNAPI_CHARSET_UTF8, "a\"b\\c\n\x01\xC3\xA9", 9), "\"a\\\"b\\\\c\\n\\u0001\xC3\xA9\""},
        // Not UTF-8 although it says so: the stored octets, terminator included.
        {characters(BACNAPI_CHARSET_UTF8, "\xFF", 1), "{\"charset\":\"utf-8\",\"hex\":\"FF00\"}"},
        {characters(BACNAPI_CHARSET_ISO8859_1, "caf\xE9", 4), "{\"charset\":\"iso-8859-1\",\"text\":\"caf\xC3\xA9\"}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        const std::string json = json_of(c.value);
        EXPECT_EQ(bare(json, c.value.type), c.json);
        BACnetDataType back{};
        ASSERT_EQ(bacnapi_json_set(&back, json.c_str(), -1, nullptr, nullptr), 0);
        EXPECT_EQ(back.type, c.value.type);
        EXPECT_EQ(json_of(back), json);
        release_value(&back);
        BACnetDataType copy = c.value;
        release_value(&copy);
    }
}

// Floating-point values come back with the same bits, whatever their size.
TEST(JsonText, FloatsAndDoublesKeepTheirBits)
{
    const float floats[] = {1.0f / 3, 3.4028235e38f, 1e-45f, -1.17549435e-38f, 16777217.0f, 0.1f};
    const double doubles[] = {1.0 / 3, 1.7976931348623157e308, 5e-324, -2.2250738585072014e-308, 0.1};
    for (float f : floats) {
        BACnetDataType v = of_type(BACNAPI_TYPE_Real), back{};
        v.payload.real = f;
        ASSERT_EQ(bacnapi_json_set(&back, json_of(v).c_str(), -1, nullptr, nullptr), 0) << json_of(v);
        EXPECT_EQ(std::memcmp(&back.payload.real, &f, sizeof f), 0) << json_of(v);
    }
    for (double d : doubles) {
        BACnetDataType v = of_type(BACNAPI_TYPE_Double), back{};
        v.payload.doubleValue = d;
        ASSERT_EQ(bacnapi_json_set(&back, json_of(v).c_str(), -1, nullptr, nullptr), 0) << json_of(v);
        EXPECT_EQ(std::memcmp(&back.payload.doubleValue, &d, sizeof d), 0) << json_of(v);
    }
}

// 64-bit integers: numbers while a double holds them exactly, strings beyond; both read back.
TEST(JsonText, SignedLongBeyondTwoToThe53IsAString)
{
    const struct {
        int64_t value;
        const char* json;
    } cases[] = {{9007199254740992, "9007199254740992"},
                 {9007199254740993, "\"9007199254740993\""},
                 {-9007199254740992, "-9007199254740992"},
                 {INT64_MIN, "\"-9223372036854775808\""}};
    for (const auto& c : cases) {
        BACnetDataType v = of_type(BACNAPI_TYPE_SignedLong), back{};
        v.payload.signedLong = c.value;
        const std::string json = json_of(v);
        EXPECT_EQ(bare(json, BACNAPI_TYPE_SignedLong), c.json);
        ASSERT_EQ(bacnapi_json_set(&back, json.c_str(), -1, nullptr, nullptr), 0);
        EXPECT_EQ(back.payload.signedLong, c.value);
    }
}

// Records, choices, lists, absent optional fields, looked-up values and standard names.
TEST(JsonText, ConstructedValuesWithNamesAndNumbers)
{
    const struct {
        int32_t type;
        const char* brace;
        const char* numbers;
        const char* names;
    } cases[] = {
        {BACNAPI_TYPE_BACnetDateTime, "{05/17/2024,13:45 30.25}",
         "{\"date\":{\"year\":2024,\"month\":5,\"day\":17,\"weekday\":null},\"time\":\"13:45:30.25\"}", nullptr},
        // The array index is absent: it is left out.
        {BACNAPI_TYPE_BACnetPropertyValue, "{85,-1,21.500000,8}",
         "{\"propertyIdentifier\":85,\"value\":{\"type\":\"Real\",\"value\":21.5},\"priority\":8}",
         "{\"propertyIdentifier\":\"present-value\",\"value\":{\"type\":\"Real\",\"value\":21.5},\"priority\":8}"},
        {BACNAPI_TYPE_BACnetTimeStamp, "{1,42}", "{\"sequenceNumber\":42}", nullptr},
        {BACNAPI_TYPE_BACnetTimeValue, "{08:00 00.00,2,7}",
         "{\"time\":\"08:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":7}}", nullptr},
        {BACNAPI_TYPE_ListOfObjectIdentifier, "{{8,1234},{1023,4194303}}",
         "[{\"objectType\":8,\"instance\":1234},{\"objectType\":1023,\"instance\":4194303}]",
         "[{\"objectType\":\"device\",\"instance\":1234},{\"objectType\":1023,\"instance\":4194303}]"},
        {BACNAPI_TYPE_ListOfCharacterString, "{}", "[]", nullptr},
        {BACNAPI_TYPE_BACnetRecipient, "{-1,null}", "{\"noRecipient\":null}", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.brace);
        BACnetDataType v{};
        ASSERT_EQ(bacnapi_asn1_string_set(&v, c.brace, c.type), 0);
        EXPECT_EQ(bare(json_of(v), c.type), c.numbers);
        EXPECT_EQ(bare(json_of(v, BACNAPI_JSON_NAMES), c.type), c.names ? c.names : c.numbers);
        release_value(&v);
    }
}

TEST(JsonText, RefusesNullPointersAndUnknownFlags)
{
    BACnetDataType v{};
    char* text = nullptr;
    EXPECT_EQ(bacnapi_json_get(nullptr, &v, 0), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_json_get(&text, nullptr, 0), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_json_get(&text, &v, 2), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(bacnapi_json_set(nullptr, "null", 0, nullptr, nullptr), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_json_set(&v, nullptr, 0, nullptr, nullptr), BACNAPI_E_INVALIDARG);
}

} // namespace
} // namespace bacnapi

namespace bacnapi {
namespace {

// Every character set keeps its set and its octets through JSON, the text shown as UTF-8.
TEST(JsonText, CharacterSetsSurviveAsTheirOwnSet)
{
    const struct {
        uint8_t set;
        const char* utf8;
        const char* json;
        uint32_t codePage = 0;
    } cases[] = {
        {BACNAPI_CHARSET_UCS2, "Zone \xC3\xA9", "{\"charset\":\"ucs-2\",\"text\":\"Zone \xC3\xA9\"}"},
        {BACNAPI_CHARSET_UCS4, "\xF0\x9F\x98\x80", "{\"charset\":\"ucs-4\",\"text\":\"\xF0\x9F\x98\x80\"}"},
        {BACNAPI_CHARSET_ISO8859_1, "caf\xC3\xA9", "{\"charset\":\"iso-8859-1\",\"text\":\"caf\xC3\xA9\"}"},
        {BACNAPI_CHARSET_JIS, "Zone 1", "{\"charset\":\"jis\",\"text\":\"Zone 1\"}"},
        {BACNAPI_CHARSET_DBCS, "Zone 1", "{\"charset\":\"dbcs\",\"codePage\":932,\"text\":\"Zone 1\"}", 932},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        BACnetDataType v = characters(BACNAPI_CHARSET_UTF8, c.utf8, std::strlen(c.utf8));
        ASSERT_EQ(bacnapi_string_transform(&v.payload.characterString, c.set, c.codePage), 0);
        const std::string json = json_of(v);
        EXPECT_EQ(bare(json, BACNAPI_TYPE_CharacterString), c.json);
        BACnetDataType back{};
        ASSERT_EQ(bacnapi_json_set(&back, json.c_str(), -1, nullptr, nullptr), 0);
        EXPECT_EQ(back.payload.characterString.characterSet, c.set);
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&v, &back), 0);
        release_value(&back);
        release_value(&v);
    }
}

// A list read from an array takes exactly its room, whatever its length; nested lists too.
TEST(JsonText, ListsReadIntoExactlyTheirRoom)
{
    for (int n : {1, 2, 7, 100, 1000}) {
        std::string json = "[";
        for (int i = 0; i < n; ++i) {
            if (i) json += ',';
            json += std::to_string(i * 3);
        }
        json += "]";
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_json_set(&value, json.c_str(), BACNAPI_TYPE_ListOfUnsigned, nullptr, nullptr), 0) << n;
        ASSERT_NE(value.payload.list, nullptr);
        EXPECT_EQ(value.payload.list->count, static_cast<uint32_t>(n));
        EXPECT_EQ(value.payload.list->capacity, static_cast<uint32_t>(n));
        EXPECT_EQ(value.payload.list->elements[n - 1].payload.unsignedValue, static_cast<uint32_t>((n - 1) * 3));
        release_value(&value);
    }
}

} // namespace
} // namespace bacnapi
