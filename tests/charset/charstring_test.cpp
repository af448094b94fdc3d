#include "charset/charstring.h"
#include "support/heap_watch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A record as a host would hold it: heap bytes with a zero byte after them, not counted.
BACnetCharacterString make(uint8_t set, const Bytes& bytes) {
    char* data = bytes.empty() ? nullptr : static_cast<char*>(std::calloc(bytes.size() + 1, 1));
    if (data) std::memcpy(data, bytes.data(), bytes.size());
    return {set, {}, data, bytes.size()};
}

// The counted bytes, checked to be followed by an uncounted terminator.
Bytes bytes_of(const BACnetCharacterString& s) {
    if (!s.data) return {};
    EXPECT_EQ(s.data[s.length], '\0');
    return Bytes(s.data, s.data + s.length);
}

Bytes str(const char* text) { return Bytes(text, text + std::strlen(text)); }

// Big-endian code units of a list of code points: an encoder independent of the converter.
Bytes wide(const std::vector<uint32_t>& points, int width) {
    Bytes out;
    for (uint32_t p : points)
        for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(p >> shift));
    return out;
}

Bytes with_page(uint16_t page, Bytes text) {
    text.insert(text.begin(), {static_cast<uint8_t>(page >> 8), static_cast<uint8_t>(page & 0xFF)});
    return text;
}

// "A±5°×÷§¶": non-ASCII characters that all six character sets can hold.
const std::vector<uint32_t> kCommon = {0x41, 0xB1, 0x35, 0xB0, 0xD7, 0xF7, 0xA7, 0xB6};
const char* const kCommonUtf8 = "A\xC2\xB1" "5\xC2\xB0\xC3\x97\xC3\xB7\xC2\xA7\xC2\xB6";
const Bytes kCommonIn[] = {str(kCommonUtf8), with_page(1252, wide(kCommon, 1)),
                           {0x41, 0x81, 0x7D, 0x35, 0x81, 0x8B, 0x81, 0x7E, 0x81, 0x80, 0x81, 0x98, 0x81, 0xF7},
                           wide(kCommon, 4), wide(kCommon, 2), wide(kCommon, 1)};

TEST(CharstringTest, ConvertsBetweenEveryPairOfCharacterSetsAndBack) {
    for (uint8_t from = 0; from <= 5; ++from) {
        for (uint8_t to = 0; to <= 5; ++to) {
            SCOPED_TRACE(testing::Message() << "from " << int(from) << " to " << int(to));
            BACnetCharacterString s = make(from, kCommonIn[from]);
            ASSERT_EQ(bacnapi_string_transform(&s, to, 0), 0);
            EXPECT_EQ(s.characterSet, to);
            EXPECT_EQ(bytes_of(s), kCommonIn[to]);
            ASSERT_EQ(bacnapi_string_transform(&s, 0, 0), 0);
            EXPECT_EQ(bytes_of(s), str(kCommonUtf8));
            bacnapi_ClearCharacterString(&s);
        }
    }
    for (uint8_t to : {2, 5}) { // sets that lack "€" and "½" get replacements and still convert to the end
        BACnetCharacterString s = make(0, str("Gr\xC3\xBC\xC3\x9F" "e \xC2\xBD\xE2\x82\xAC."));
        ASSERT_EQ(bacnapi_string_transform(&s, to, 0), 0);
        EXPECT_TRUE(s.length > 5 && Bytes(s.data, s.data + 2) == str("Gr") && s.data[s.length - 1] == '.') << int(to);
        bacnapi_ClearCharacterString(&s);
    }
}

Bytes run(size_t n, int width) { return wide(std::vector<uint32_t>(n, 0xE9), width); }

TEST(CharstringTest, DbcsPagesStepsAndFailures) {
    const char* nihongo = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"; // three ideographs, code page 932
    const Bytes cp932 = with_page(932, {0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA});
    // On failure the record must still hold `in`, unchanged.
    const struct { const char* name; uint8_t set; Bytes in; uint8_t to; uint32_t page; int32_t status; Bytes out; }
        cases[] = {
        {"page 0 is 1252", 0, str("\xE2\x82\xAC\xC2\xBD"), 1, 0, 0, with_page(1252, {0x80, 0xBD})},
        {"into 932", 0, str(nihongo), 1, 932, 0, cp932},
        {"from 932", 1, cp932, 0, 0, 0, str(nihongo)}, // the page is read from the prefix
        {"into 850", 0, str("Gr\xC3\xBC\xC3\x9F" "e"), 1, 850, 0, with_page(850, {'G', 'r', 0x81, 0xE1, 'e'})},
        {"empty into DBCS", 0, {}, 1, 0, 0, {4, 228}}, // the code page alone
        {"ends where invalid", 0, {'a', 'b', 0xFF, 'c'}, 4, 0, 0, {0, 'a', 0, 'b'}},
        {"64 bytes out", 5, run(16, 1), 3, 0, 0, run(16, 4)}, // outputs at and across the 64-byte steps
        {"68 bytes out", 5, run(17, 1), 3, 0, 0, run(17, 4)},
        {"800 bytes out", 5, run(200, 1), 3, 0, 0, run(200, 4)},
        {"two-byte DBCS", 1, {0x04, 0xE4}, 0, 0, BACNAPI_E_FAIL, {}},
        {"one-byte DBCS", 1, {0x04}, 4, 0, BACNAPI_E_FAIL, {}},
        {"empty DBCS", 1, {}, 0, 0, BACNAPI_E_FAIL, {}},
        {"unknown target page", 0, str("abc"), 1, 64999, BACNAPI_E_FAIL, {}},
        {"unknown source page", 1, with_page(64999, str("abc")), 0, 0, BACNAPI_E_FAIL, {}},
        {"empty to UCS-2", 0, {}, 4, 0, BACNAPI_E_FAIL, {}},
        {"invalid from the start", 0, {0xFF, 'a'}, 4, 0, BACNAPI_E_FAIL, {}},
        {"half a UCS-2 unit", 4, {0x00}, 0, 0, BACNAPI_E_FAIL, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetCharacterString s = make(c.set, c.in);
        const char* before = s.data;
        EXPECT_EQ(bacnapi_string_transform(&s, c.to, c.page), c.status);
        EXPECT_EQ(s.characterSet, c.status ? c.set : c.to);
        EXPECT_EQ(bytes_of(s), c.status ? c.in : c.out);
        EXPECT_EQ(s.data == before, c.status != 0);
        bacnapi_ClearCharacterString(&s);
    }
    EXPECT_EQ(bacnapi_string_transform(nullptr, 0, 0), BACNAPI_E_FAIL);
}

// A refusal at any allocation either fails with the record unchanged or still yields the code page.
TEST(CharstringTest, DbcsKeepsItsCodePageWhenTheHeapRefuses) {
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    for (long k = 0;; ++k) {
        SCOPED_TRACE(k);
        BACnetCharacterString s = make(0, str("abc")), warm = make(0, str("abc"));
        EXPECT_EQ(bacnapi_string_transform(&warm, 1, 0), 0); // the converter's own allocations settle
        bacnapi_ClearCharacterString(&warm);
        heap_watch::refuse_after(k);
        const int32_t status = bacnapi_string_transform(&s, 1, 0);
        const bool refused = heap_watch::disarm();
        const Bytes got = bytes_of(s);
        EXPECT_EQ(s.characterSet, status == 0 ? 1 : 0);
        if (status == 0) {
            EXPECT_EQ(Bytes(got.begin(), got.begin() + std::min<size_t>(2, got.size())), (Bytes{4, 228}));
        } else {
            EXPECT_EQ(status, BACNAPI_E_FAIL);
            EXPECT_EQ(got, str("abc"));
        }
        bacnapi_ClearCharacterString(&s);
        if (!refused) break;
    }
}

TEST(CharstringTest, GetStringConvertsInPlaceOnce) {
    const struct { uint8_t set; Bytes bytes; const char* text; uint8_t setAfter; } cases[] = {
        {4, wide({0x47, 0x72, 0xFC, 0xDF, 0x65}, 2), "Gr\xC3\xBC\xC3\x9F" "e", 0},
        {5, {0xE9}, "\xC3\xA9", 0},
        {4, {'A'}, "A", 4},     // unconvertible bytes come back as they are
        {9, str("abc"), "", 9}, // an undefined set reads as "", untouched
        {0, {}, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetCharacterString s = make(c.set, c.bytes);
        CBACnetCharacterString view{&s};
        const char* got = view.GetString();
        EXPECT_STREQ(got, c.text);
        EXPECT_EQ(s.characterSet, c.setAfter);
        EXPECT_EQ(view.GetString(), got); // converted once, the text owned by the record
        if (s.data && c.set != 9) {
            EXPECT_EQ(got, s.data);
        }
        if (c.set == c.setAfter) {
            EXPECT_EQ(bytes_of(s), c.bytes);
        }
        bacnapi_ClearCharacterString(&s);
    }
    CBACnetCharacterString none{nullptr};
    EXPECT_STREQ(none.GetString(), "");
}

} // namespace
