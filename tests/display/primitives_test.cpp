// Display text of the application types, field by field as the payload holds them, and the
// printf identity of the number forms over many values.
#include "display/display_test_util.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using display_test::display;

// A value of the type whose payload starts with the given bytes; octets, bits and text point
// at the test's own static bytes and are not released.
template <class Payload>
BACnetDataType make(int32_t type, const Payload& payload)
{
    BACnetDataType v{};
    v.type = type;
    std::memcpy(&v.payload, &payload, sizeof payload);
    return v;
}
BACnetDataType word(int32_t type, uint32_t w) { return make(type, w); }
BACnetDataType real(float f) { return make(BACNAPI_TYPE_Real, f); }
BACnetDataType dbl(double d) { return make(BACNAPI_TYPE_Double, d); }
BACnetDataType date(uint8_t y, uint8_t m, uint8_t d, uint8_t dow) { return make(BACNAPI_TYPE_Date, BACnetDate{y, m, d, dow}); }
BACnetDataType time(uint8_t h, uint8_t m, uint8_t s, uint8_t c) { return make(BACNAPI_TYPE_Time, BACnetTime{h, m, s, c}); }
BACnetDataType octets(const char* bytes, uint64_t n)
{
    return make(BACNAPI_TYPE_OctetString, BACnetOctetString{n, n ? reinterpret_cast<uint8_t*>(const_cast<char*>(bytes)) : nullptr});
}
BACnetDataType bits(const char* bits01)
{
    static std::vector<std::vector<uint8_t>> keep;
    keep.emplace_back();
    for (const char* c = bits01; *c; ++c) keep.back().push_back(*c == '1' ? 1 : 0);
    const uint64_t n = keep.back().size();
    return make(BACNAPI_TYPE_BitString, BACnetBitString{n, n, n ? keep.back().data() : nullptr});
}
BACnetDataType chars(uint8_t set, const char* bytes, uint64_t n)
{
    return make(BACNAPI_TYPE_CharacterString, BACnetCharacterString{set, {}, const_cast<char*>(bytes), n});
}

TEST(DisplayPrimitives, EachApplicationTypePrintsItsForm)
{
    const struct { const char* what; BACnetDataType value; int32_t status; const char* expected; } cases[] = {
        {"null", word(BACNAPI_TYPE_Null, 0), 0, "null"},
        {"true", word(BACNAPI_TYPE_Boolean, 1), 0, "1"},
        {"boolean octet above 1", word(BACNAPI_TYPE_Boolean, 7), 0, "7"},
        {"unsigned max", word(BACNAPI_TYPE_Unsigned, 4294967295u), 0, "-1"},
        {"unsigned 2^31", word(BACNAPI_TYPE_Unsigned, 2147483648u), 0, "-2147483648"},
        {"signed", word(BACNAPI_TYPE_Signed, static_cast<uint32_t>(-5)), 0, "-5"},
        {"enumerated", word(BACNAPI_TYPE_Enumerated, 3000000000u), 0, "-1294967296"},
        {"real 72.5", real(72.5f), 0, "72.500000"},
        {"real rounds the fifth decimal", real(0.123456f), 0, "0.123460"},
        {"negative real", real(-1.234567f), 0, "-1.234570"},
        {"tiny negative real rounds up to 0", real(-0.000004f), 0, "0.000000"},
        {"double without rounding", dbl(0.123456), 0, "0.123456"},
        {"octets", octets("\x0A\xFF\x00\x7f", 4), 0, "0AFF007F"},
        {"no octets", octets("", 0), 0, "(null)"},
        {"utf-8 text", chars(0, "Zone 1", 7), 0, "Zone 1"},
        {"utf-8 length without NUL", chars(0, "Zone 1xyz", 6), 0, "Zone 1"},
        {"utf-8 stops at the first NUL", chars(0, "ab\0cd", 6), 0, "ab"},
        {"ucs-2 converts", chars(4, "\x00" "A" "\x00\xE9", 4), 0, "A\xC3\xA9"},
        {"ucs-4 converts", chars(3, "\x00\x00\x00" "B", 4), 0, "B"},
        {"iso 8859-1 converts", chars(5, "caf\xE9", 4), 0, "caf\xC3\xA9"},
        {"dbcs with code page 1252", chars(1, "\x04\xE4" "ab", 4), 0, "ab"},
        {"dbcs without text fails", chars(1, "\x04\xE4", 2), -1, "(null)"},
        {"no bytes in another set", chars(4, nullptr, 0), 0, "(null)"},
        {"bits", bits("1011"), 0, "1011"},
        {"no bits", bits(""), 0, "(null)"},
        {"date", date(124, 3, 5, 2), 0, "03/05/2024"},
        {"date year 1900", date(0, 12, 31, 255), 0, "12/31/1900"},
        {"date year unspecified", date(255, 3, 5, 2), 0, "03/05/*"},
        {"date all unspecified", date(255, 255, 255, 255), 0, "*/*/*"},
        {"time", time(14, 7, 9, 50), 0, "14:07:9.50"},
        {"time all unspecified", time(255, 255, 255, 255), 0, "*:*:*"},
        {"time second unspecified", time(14, 7, 255, 50), 0, "14:07:*"},
        {"time hundredths unspecified", time(14, 7, 30, 255), 0, "14:07:30.*"},
        {"object identifier", make(BACNAPI_TYPE_ObjectIdentifier, BACnetObjectIdentifier{8, 4194303}), 0, "8,4194303"},
        {"object identifier instance max", make(BACNAPI_TYPE_ObjectIdentifier, BACnetObjectIdentifier{8, 0xFFFFFFFFu}), 0, "8,-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string shown;
        EXPECT_EQ(display(c.value, &shown), c.status);
        EXPECT_EQ(shown, c.expected);
    }
}

std::string printf_text(const char* format, double value)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

// The seconds of a time are "%02.2f" of the single-precision sum: no padding, two decimals.
// Reals round to five decimals before "%f"; doubles print as "%f" directly, up to the largest.
TEST(DisplayPrimitives, TimeSecondsAndNumbersMatchPrintf)
{
    for (int s = 0; s < 60; ++s) {
        for (int h = 0; h < 100; ++h) {
            const float sum = static_cast<float>(s) + static_cast<float>(h) / 100.0f;
            std::string shown;
            ASSERT_EQ(display(time(23, 59, static_cast<uint8_t>(s), static_cast<uint8_t>(h)), &shown), 0);
            ASSERT_EQ(shown, "23:59:" + printf_text("%02.2f", static_cast<double>(sum))) << s << "." << h;
        }
    }
    for (float f : {0.0f, -0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 0.000005f, -0.000005f, 1234567.875f, -98765.4321f, FLT_MIN,
                    FLT_MAX, -FLT_MAX, 16777216.0f, 0.1f}) {
        std::string shown;
        ASSERT_EQ(display(real(f), &shown), 0);
        EXPECT_EQ(shown, printf_text("%f", std::floor(static_cast<double>(f) * 100000.0 + 0.5) / 100000.0)) << f;
    }
    for (double d : {0.0, -0.0, 0.1234565, 1e-7, -1e-7, 2.5e15, DBL_MAX, -DBL_MAX, DBL_MIN, 1.0 / 3.0}) {
        std::string shown;
        ASSERT_EQ(display(dbl(d), &shown), 0);
        EXPECT_EQ(shown, printf_text("%f", d)) << d;
    }
}

} // namespace
