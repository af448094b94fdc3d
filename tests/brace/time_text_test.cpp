// A Time is written octet by octet: "%02d" for a given octet, "*" for 255, whatever mix of them the
// four octets hold (the usual all-given time takes a shorter road than the others).
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string octet_text(unsigned octet)
{
    if (octet == 255) return "*";
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02u", octet);
    return buf;
}

TEST(TimeText, EveryOctetAloneAndTogether)
{
    const unsigned octets[] = {0, 7, 10, 59, 99, 100, 123, 254, 255};
    for (const unsigned a : octets) {
        for (const unsigned b : octets) {
            // The first two octets take every value; the last two follow them, so that every octet
            // position meets each value, with the others given and not.
            const BACnetTime t{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(b),
                               static_cast<uint8_t>(a)};
            BACnetDataType v{};
            v.type = BACNAPI_TYPE_Time;
            v.payload.time = t;
            char* text = nullptr;
            ASSERT_EQ(bacnapi_asn1_string_get(&text, &v), 0);
            const std::string want = octet_text(a) + ":" + octet_text(b) + " " + octet_text(b) + "." + octet_text(a);
            EXPECT_EQ(text, want) << a << " " << b;
            bacnapi_free(text);
        }
    }
}

} // namespace
