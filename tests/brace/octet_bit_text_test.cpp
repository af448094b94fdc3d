// Octet and bit strings, whose text the writer sizes in advance and the reader converts in bulk.
// Reading is checked against its definition, pair by pair: octet i is "%2X" scanned from
// character 2i of the text up to the first "," "}" or "{"; any failing pair refuses the text.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the text should read as, by sscanf; false when a pair does not convert.
bool octets_by_sscanf(const std::string& text, std::vector<uint8_t>& out)
{
    const size_t end = text.find_first_of(",}{");
    const size_t count = (end == std::string::npos ? text.size() : end) / 2;
    out.assign(count, 0);
    for (size_t i = 0; i < count; ++i) {
        unsigned int v = 0;
        if (std::sscanf(text.c_str() + 2 * i, "%2X", &v) != 1) return false;
        out[i] = static_cast<uint8_t>(v);
    }
    return true;
}

TEST(OctetText, ReadsEveryPairAsItsScanWouldIncludingBlanksSignsAndPrefixes)
{
    std::string longHex;
    for (int i = 0; i < 3000; ++i) longHex += "0123456789abcdefABCDEF"[i % 22];
    const std::string cases[] = {
        "00A00FFF", "a0b1c", "0x1F", "+1-2", " 1 2 3", "1 2 3 ", "0 0x", "   A", "0A,ff", "0A}ff",
        "0Ag1", "ZZ", "  ", "-F", "0X0X", "1\t2\n3", longHex, longHex + " z", longHex + "{", "  " + longHex,
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        std::vector<uint8_t> expected;
        const bool converts = octets_by_sscanf(text, expected);
        BACnetDataType v{};
        const int32_t status = bacnapi_asn1_string_set(&v, text.c_str(), BACNAPI_TYPE_OctetString);
        ASSERT_EQ(status == 0, converts);
        if (converts) {
            ASSERT_EQ(v.payload.octetString.length, expected.size());
            if (!expected.empty()) {
                EXPECT_EQ(std::memcmp(v.payload.octetString.data, expected.data(), expected.size()), 0);
            }
        }
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(OctetAndBitText, LongStringsRoundTripAndAppendToTheCallersText)
{
    for (const size_t n : {size_t{1}, size_t{255}, size_t{256}, size_t{257}, size_t{100000}}) {
        SCOPED_TRACE(n);
        BACnetDataType octets{};
        octets.type = BACNAPI_TYPE_OctetString;
        octets.payload.octetString.length = n;
        octets.payload.octetString.data = static_cast<uint8_t*>(std::malloc(n));
        BACnetDataType bits{};
        bits.type = BACNAPI_TYPE_BitString;
        bits.payload.bitString.bitCount = bits.payload.bitString.usedCount = n;
        bits.payload.bitString.bits = static_cast<uint8_t*>(std::malloc(n));
        std::string hex, ones;
        for (size_t i = 0; i < n; ++i) {
            const uint8_t o = static_cast<uint8_t>(i * 37 + 11);
            octets.payload.octetString.data[i] = o;
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02X", o);
            hex += pair;
            // Any non-zero octet is a set bit.
            bits.payload.bitString.bits[i] = static_cast<uint8_t>(i % 5 == 0 ? 0 : i % 7 + 1);
            ones += i % 5 == 0 ? '0' : '1';
        }
        struct Case {
            BACnetDataType* value;
            const std::string* text;
        };
        for (const Case& c : {Case{&octets, &hex}, Case{&bits, &ones}}) {
            char* text = strdup("head:");
            ASSERT_EQ(bacnapi_asn1_string_get(&text, c.value), 0);
            EXPECT_EQ(std::string(text), "head:" + *c.text);
            BACnetDataType back{};
            ASSERT_EQ(bacnapi_asn1_string_set(&back, text + 5, c.value->type), 0);
            char* again = nullptr;
            ASSERT_EQ(bacnapi_asn1_string_get(&again, &back), 0);
            EXPECT_EQ(std::string(again), *c.text);
            bacnapi_free(again);
            bacnapi_free(text);
            bacnapi_ClearBACnetDataType(&back);
        }
        bacnapi_ClearBACnetDataType(&octets);
        bacnapi_ClearBACnetDataType(&bits);
    }
}

} // namespace
