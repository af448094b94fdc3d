// JSON that must be refused: a status, the byte offset of the fault and a reason, and a value
// that is safe to clear afterwards (the sanitizer build checks that nothing leaks).
#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

#include <string>

namespace bacnapi {
namespace {

struct Bad {
    const char* json;
    int32_t type;    // -1: from the envelope
    const char* at;  // the text at the expected offset (its first occurrence), "" for the end
    const char* reason;
};

const Bad kBad[] = {
    // Not JSON at all.
    {"{\"type\":\"Real\",\"value\":1.5", -1, "", "Missing a comma or '}' after an object member."},
    {"null x", 0, "x", "The document root must not be followed by other values."},
    {"", 0, "", "The document is empty."},
    {"\"\xFF\"", 7, "\xFF", "string is not valid UTF-8"},
    {"\"\xC3\"", 7, "\xC3\"", "string is not valid UTF-8"},
    // The envelope.
    {"5", -1, "5", "expected {\"type\":..,\"value\":..}"},
    {"{\"type\":\"Nothing\",\"value\":1}", -1, "\"Nothing", "unknown type"},
    {"{\"type\":\"Real\",\"value\":1,\"x\":2}", -1, "2}", "unknown field"},
    {"{\"type\":\"Real\",\"value\":1}", 2, "{", "type does not match"},
    // Wrong kinds of value.
    {"\"1.5\"", 4, "\"1.5", "expected a number"},
    {"1", 1, "1", "expected true or false"},
    {"7", 6, "7", "expected a string of hex digits"},
    {"\"0A1\"", 6, "\"0A1", "expected a string of hex digits"},
    {"\"012\"", 8, "\"012", "expected a string of 0 and 1"},
    {"\"2023-02-29\"", 10, "\"2023", "expected a date"},
    {"\"24:00:00\"", 11, "\"24", "expected a time"},
    {"{\"hour\":1,\"minute\":2,\"second\":3}", 11, "{", "missing field"},
    {"{\"objectType\":\"no-such-type\",\"instance\":1}", 12, "\"no-such", "unknown name"},
    {"{\"charset\":\"ebcdic\",\"text\":\"x\"}", 7, "\"ebcdic", "unknown character set"},
    // Numbers out of range.
    {"4294967296", 2, "4294967296", "number out of range"},
    {"-1", 2, "-1", "number out of range"},
    {"2147483648", 3, "2147483648", "number out of range"},
    {"1.5", 3, "1.5", "expected an integer"},
    {"1e39", 4, "1e39", "number out of range"},
    {"99999999999999999999", 20, "9999", "number out of range"},
    // Records, choices and lists.
    {"{\"date\":\"2024-05-17\"}", 22, "{", "missing field"},
    {"{\"date\":\"2024-05-17\",\"time\":\"13:45:30\",\"extra\":1}", 22, "1}", "unknown field"},
    {"{\"date\":\"2024-05-17\",\"date\":\"2024-05-18\",\"time\":\"13:45:30\"}", 22, "\"2024-05-18", "unknown field"},
    {"[]", 22, "[", "expected an object"},
    {"{\"bogus\":1}", 27, "{", "no known alternative"},
    {"{\"time\":\"01:00:00\",\"value\":5}", 26, "5", "expected an object"},
    {"{\"time\":\"01:00:00\",\"value\":{\"type\":\"Date\",\"value\":1}}", 26, "1}", "expected a date"},
    {"[\"a\",5,\"b\"]", 64, "5", "expected a string"},
    {"{\"a\":1}", 64, "{", "expected an array"},
    {"[[1]]", 75, "[1]", "expected an integer"},
    {"[\"a\",null]", 64, "null", "expected a string"},
    {"[\"a\",false]", 64, "false", "expected a string"},
};

TEST(JsonBadInput, RefusedWithOffsetAndReason)
{
    for (const Bad& c : kBad) {
        SCOPED_TRACE(c.json);
        const std::string json = c.json;
        BACnetDataType value{};
        uint64_t offset = 12345;
        const char* reason = nullptr;
        EXPECT_NE(bacnapi_json_set(&value, c.json, c.type, &offset, &reason), 0);
        const size_t at = *c.at ? json.find(c.at) : json.size();
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(offset, at);
        EXPECT_STREQ(reason, c.reason);
        release_value(&value);
        EXPECT_EQ(value.type, 0);
    }
}

// Nesting past the limit is refused as it opens, however deep the text goes.
TEST(JsonBadInput, DeepNestingIsRefused)
{
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    BACnetDataType value{};
    uint64_t offset = 0;
    const char* reason = nullptr;
    EXPECT_EQ(bacnapi_json_set(&value, deep.c_str(), 64, &offset, &reason), BACNAPI_E_FAIL);
    EXPECT_STREQ(reason, "nesting too deep");
    EXPECT_LT(offset, 200u);
    release_value(&value);
}

// A value that held something of another type is emptied first; after a failure part way
// through a list, what was read so far is released with the value.
TEST(JsonBadInput, DestinationIsSafeToClearAfterAFailure)
{
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{{abc},{def}}", 64), 0);
    EXPECT_NE(bacnapi_json_set(&value, "{\"type\":\"ListOfCharacterString\",\"value\":[\"x\",\"y\",3]}", -1, nullptr,
                               nullptr),
              0);
    release_value(&value);
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{05/17/2024,13:45 30.25}", 22), 0);
    EXPECT_NE(bacnapi_json_set(&value, "[\"abc\",null]", 64, nullptr, nullptr), 0);
    release_value(&value);
    EXPECT_EQ(value.type, 0);
}

} // namespace
} // namespace bacnapi
