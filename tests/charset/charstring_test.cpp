#include "charset/charstring.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A record as a host would hold it: heap bytes with a zero byte after them, not counted.
BACnetCharacterString make(uint8_t set, const Bytes& bytes) {
    BACnetCharacterString s{};
    s.characterSet = set;
    s.length = bytes.size();
    if (!bytes.empty()) {
        s.data = static_cast<char*>(std::calloc(bytes.size() + 1, 1));
        std::memcpy(s.data, bytes.data(), bytes.size());
    }
    return s;
}

Bytes bytes_of(const BACnetCharacterString& s) {
    return s.data ? Bytes(s.data, s.data + s.length) : Bytes{};
}

Bytes str(const char* text) { return Bytes(text, text + std::strlen(text)); }

// Big-endian code units of a list of code points: an encoder independent of the converter.
Bytes wide(const std::vector<uint32_t>& points, int width) {
    Bytes out;
    for (uint32_t p : points) {
        for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(p >> shift));
    }
    return out;
}

Bytes with_page(uint16_t page, Bytes text) {
    text.insert(text.begin(), {static_cast<uint8_t>(page >> 8), static_cast<uint8_t>(page & 0xFF)});
    return text;
}

bool platform_has(const char* name) {
    iconv_t cd = iconv_open("UTF-8", name);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv_close(cd);
    return true;
}

// "A±5°×÷§¶": non-ASCII characters that all six character sets can hold.
const std::vector<uint32_t> kCommon = {0x41, 0xB1, 0x35, 0xB0, 0xD7, 0xF7, 0xA7, 0xB6};
const char* const kCommonUtf8 = "A\xC2\xB1" "5\xC2\xB0\xC3\x97\xC3\xB7\xC2\xA7\xC2\xB6";

Bytes common_in(uint8_t set) {
    switch (set) {
    case 0: return str(kCommonUtf8);
    case 1: return with_page(1252, wide(kCommon, 1));
    case 2: return {0x41, 0x81, 0x7D, 0x35, 0x81, 0x8B, 0x81, 0x7E, 0x81, 0x80, 0x81, 0x98, 0x81, 0xF7};
    case 3: return wide(kCommon, 4);
    case 4: return wide(kCommon, 2);
    default: return wide(kCommon, 1);
    }
}

void expect_terminated(const BACnetCharacterString& s) {
    ASSERT_NE(s.data, nullptr);
    EXPECT_EQ(s.data[s.length], '\0');
}

TEST(CharstringTest, ConvertsBetweenEveryPairOfCharacterSetsAndBack) {
    for (uint8_t from = 0; from <= 5; ++from) {
        for (uint8_t to = 0; to <= 5; ++to) {
            SCOPED_TRACE(testing::Message() << "from " << int(from) << " to " << int(to));
            BACnetCharacterString s = make(from, common_in(from));
            ASSERT_EQ(bacnapi_string_transform(&s, to, 0), 0);
            EXPECT_EQ(s.characterSet, to);
            EXPECT_EQ(bytes_of(s), common_in(to));
            expect_terminated(s);
            ASSERT_EQ(bacnapi_string_transform(&s, 0, 0), 0);
            EXPECT_EQ(bytes_of(s), str(kCommonUtf8));
            bacnapi_ClearCharacterString(&s);
        }
    }
}

TEST(CharstringTest, KeepsEuroAndFractionsInSetsThatHoldThem) {
    const std::vector<uint32_t> points = {0x47, 0x72, 0xFC, 0xDF, 0x65, 0x2C, 0x20, 0xBD, 0x20, 0x20AC};
    Bytes cp1252 = wide(points, 1);
    cp1252.back() = 0x80; // the euro sign of code page 1252
    const std::vector<std::pair<uint8_t, Bytes>> forms = {
        {0, str("Gr\xC3\xBC\xC3\x9F" "e, \xC2\xBD \xE2\x82\xAC")},
        {1, with_page(1252, cp1252)},
        {3, wide(points, 4)},
        {4, wide(points, 2)},
    };
    for (const auto& [from, source] : forms) {
        for (const auto& [to, expected] : forms) {
            SCOPED_TRACE(testing::Message() << "from " << int(from) << " to " << int(to));
            BACnetCharacterString s = make(from, source);
            ASSERT_EQ(bacnapi_string_transform(&s, to, 1252), 0);
            EXPECT_EQ(bytes_of(s), expected);
            bacnapi_ClearCharacterString(&s);
        }
    }
    // Sets that lack some of the characters get replacements and still convert to the end.
    for (uint8_t to : {2, 5}) {
        BACnetCharacterString s = make(0, forms[0].second);
        ASSERT_EQ(bacnapi_string_transform(&s, to, 0), 0);
        ASSERT_GT(s.length, 9u);
        EXPECT_EQ(Bytes(s.data, s.data + 2), str("Gr"));
        if (to == 5) {
            EXPECT_EQ(Bytes(s.data, s.data + 9), Bytes(cp1252.begin(), cp1252.begin() + 9));
        }
        EXPECT_EQ(bacnapi_string_transform(&s, 0, 0), 0);
        bacnapi_ClearCharacterString(&s);
    }
}

TEST(CharstringTest, DbcsCarriesItsCodePageInFront) {
    struct Case { uint16_t page; const char* utf8; Bytes text; };
    const Case cases[] = {
        {1252, "abc", str("abc")},
        {932, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", {0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA}}, // 日本語
        {850, "Gr\xC3\xBC\xC3\x9F" "e", {'G', 'r', 0x81, 0xE1, 'e'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        if (!platform_has(("CP" + std::to_string(c.page)).c_str())) continue;
        BACnetCharacterString s = make(0, str(c.utf8));
        ASSERT_EQ(bacnapi_string_transform(&s, 1, c.page == 1252 ? 0 : c.page), 0);
        EXPECT_EQ(s.characterSet, 1);
        EXPECT_EQ(bytes_of(s), with_page(c.page, c.text));
        ASSERT_EQ(bacnapi_string_transform(&s, 0, 0), 0); // the page is read from the prefix
        EXPECT_EQ(bytes_of(s), str(c.utf8));
        expect_terminated(s);
        bacnapi_ClearCharacterString(&s);
    }
}

TEST(CharstringTest, FailuresLeaveTheRecordAsItWas) {
    struct Case { const char* name; uint8_t set; Bytes bytes; uint8_t to; uint32_t page; };
    const Case cases[] = {
        {"two-byte DBCS", 1, {0x04, 0xE4}, 0, 0},
        {"one-byte DBCS", 1, {0x04}, 4, 0},
        {"empty DBCS", 1, {}, 0, 0},
        {"unknown target page", 0, str("abc"), 1, 64999},
        {"unknown source page", 1, with_page(64999, str("abc")), 0, 0},
        {"empty to UCS-2", 0, {}, 4, 0},
        {"invalid from the start", 0, {0xFF, 'a'}, 4, 0},
        {"half a UCS-2 unit", 4, {0x00}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetCharacterString s = make(c.set, c.bytes);
        const char* before = s.data;
        EXPECT_EQ(bacnapi_string_transform(&s, c.to, c.page), BACNAPI_E_FAIL);
        EXPECT_EQ(s.data, before);
        EXPECT_EQ(s.characterSet, c.set);
        EXPECT_EQ(bytes_of(s), c.bytes);
        bacnapi_ClearCharacterString(&s);
    }
    EXPECT_EQ(bacnapi_string_transform(nullptr, 0, 0), BACNAPI_E_FAIL);
}

TEST(CharstringTest, EdgeConversions) {
    // Empty text into DBCS is the code page alone.
    BACnetCharacterString s = make(0, {});
    ASSERT_EQ(bacnapi_string_transform(&s, 1, 0), 0);
    EXPECT_EQ(bytes_of(s), (Bytes{4, 228}));
    expect_terminated(s);
    bacnapi_ClearCharacterString(&s);
    // Invalid input ends the output where it became invalid.
    s = make(0, {'a', 'b', 0xFF, 'c'});
    ASSERT_EQ(bacnapi_string_transform(&s, 4, 0), 0);
    EXPECT_EQ(bytes_of(s), (Bytes{0, 'a', 0, 'b'}));
    bacnapi_ClearCharacterString(&s);
    // Outputs around and across the 64-byte steps.
    for (size_t n : {1u, 15u, 16u, 17u, 33u, 200u}) {
        SCOPED_TRACE(n);
        const std::vector<uint32_t> points(n, 0xE9);
        s = make(5, wide(points, 1));
        ASSERT_EQ(bacnapi_string_transform(&s, 3, 0), 0);
        EXPECT_EQ(bytes_of(s), wide(points, 4));
        expect_terminated(s);
        bacnapi_ClearCharacterString(&s);
    }
}

TEST(CharstringTest, CopyAddsAnUncountedTerminatorOnlyWhenNeeded) {
    struct Case { Bytes bytes; uint8_t set; };
    const Case cases[] = {{str("abc"), 0}, {{'a', 'b', 0}, 4}, {{}, 3}, {{0xFF}, 200}};
    for (const Case& c : cases) {
        BACnetCharacterString src = make(c.set, c.bytes);
        BACnetCharacterString dst = make(2, str("old"));
        ASSERT_EQ(bacnapi::charstring_copy(&dst, &src), 0);
        EXPECT_EQ(dst.characterSet, c.set);
        EXPECT_EQ(bytes_of(dst), c.bytes);
        if (c.bytes.empty()) {
            EXPECT_EQ(dst.data, nullptr);
        } else {
            EXPECT_NE(dst.data, src.data);
            if (c.bytes.back() != 0) {
                expect_terminated(dst); // else the counted last byte is the terminator
            }
        }
        // A conversion to the string's own set is the same copy.
        BACnetCharacterString same{};
        ASSERT_EQ(bacnapi::charstring_convert(&src, &same, c.set, 0), 0);
        EXPECT_EQ(bytes_of(same), c.bytes);
        EXPECT_EQ(same.characterSet, c.set);
        for (BACnetCharacterString* r : {&src, &dst, &same}) bacnapi_ClearCharacterString(r);
    }
}

TEST(CharstringTest, GetStringConvertsInPlaceOnce) {
    BACnetCharacterString s = make(4, wide({0x47, 0x72, 0xFC, 0xDF, 0x65}, 2));
    CBACnetCharacterString view{&s};
    const char* first = view.GetString();
    EXPECT_STREQ(first, "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_EQ(s.characterSet, 0);
    EXPECT_EQ(s.data, first);
    EXPECT_EQ(view.GetString(), first);
    bacnapi_ClearCharacterString(&s);

    // Unconvertible bytes come back as they are; undefined sets and missing text read as "".
    s = make(4, {'A'});
    const char* raw = s.data;
    EXPECT_EQ(view.GetString(), raw);
    EXPECT_EQ(s.characterSet, 4);
    bacnapi_ClearCharacterString(&s);
    s = make(9, str("abc"));
    EXPECT_STREQ(view.GetString(), "");
    EXPECT_EQ(s.characterSet, 9);
    EXPECT_EQ(bytes_of(s), str("abc"));
    bacnapi_ClearCharacterString(&s);
    s = make(0, {});
    EXPECT_STREQ(view.GetString(), "");
    CBACnetCharacterString none{nullptr};
    EXPECT_STREQ(none.GetString(), "");
}

TEST(CharstringTest, ClearReleasesAndZeroes) {
    BACnetCharacterString s = make(3, str("abcd"));
    s.reserved[2] = 7;
    EXPECT_EQ(bacnapi_ClearCharacterString(&s), 0);
    const BACnetCharacterString zero{};
    EXPECT_EQ(std::memcmp(&s, &zero, sizeof s), 0);
    EXPECT_EQ(bacnapi_ClearCharacterString(nullptr), 0);
}

} // namespace
