// The building blocks of the brace text against the C library they stand in for: number
// formatting against snprintf and the parser's scans against sscanf.
#include "brace_test_util.h"

#include "text/number_format.h"
#include "brace/read_cursor.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace bacnapi;
using brace_test::printed;

double random_double(std::mt19937_64& rng)
{
    const uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

TEST(NumberFormat, MatchesPrintf)
{
    std::vector<int32_t> ints = {INT32_MIN, INT32_MIN + 1, INT32_MAX};
    for (int32_t v = -1200; v <= 10001; ++v) ints.push_back(v); // every year, and past four digits
    std::mt19937_64 rng(7);
    for (int i = 0; i < 2000; ++i) ints.push_back(static_cast<int32_t>(rng()));
    for (int32_t v : ints) {
        char buf[kIntTextMax];
        ASSERT_EQ(std::string(buf, format_int(buf, v)), printed("%d", v));
        for (const auto& [width, format] : {std::pair{1, "%01d"}, {2, "%02d"}, {4, "%04d"}, {10, "%010d"}})
            ASSERT_EQ(std::string(buf, format_int_padded(buf, v, width)), printed(format, v)) << format;
        ASSERT_EQ(std::string(buf, format_hex_octet(buf, static_cast<uint8_t>(v))), printed("%02X", v & 0xFF));
    }
    std::vector<double> doubles = {0.0, -0.0, 0.0000005, 0.0000015, -0.0000005, 1e-7, 9007199254740993.0,
                                   1e22, 1e23, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, FLT_MAX,
                                   INFINITY, -INFINITY, NAN, -NAN};
    for (int k = -3000; k <= 3000; ++k) doubles.push_back((k + 0.5) / 1e6); // ties at the sixth decimal
    for (int e = -30; e <= 308; ++e) doubles.push_back(std::pow(10.0, e) * 1.2345678901234567);
    for (int i = 0; i < 20000; ++i) doubles.push_back(random_double(rng));
    for (double v : doubles) {
        char buf[kFixedTextMax];
        ASSERT_EQ(std::string(buf, format_fixed6(buf, v)), printed("%f", v)) << v;
    }
}

// A Real's text: printf's "%f" of the Real rounded to five decimals, over every kind of float.
TEST(NumberFormat, RealsRoundedToFiveDecimalsMatchPrintf)
{
    std::vector<float> reals = {0.0f, -0.0f, 0.000005f, -0.000005f, 0.0000049f, -0.0000051f, 0.1f, -1.234567f,
                                1234.56789f, FLT_MAX, -FLT_MAX, FLT_MIN, FLT_TRUE_MIN, INFINITY, -INFINITY, NAN, -NAN};
    // Around the magnitude where the short road ends (2^32), on both sides and both signs.
    for (float edge : {4.0e9f, 4.294967296e9f, 3.9e9f}) {
        float up = edge;
        float down = edge;
        for (int i = 0; i < 300; ++i) {
            reals.insert(reals.end(), {up, -up, down, -down});
            up = std::nextafter(up, INFINITY);
            down = std::nextafter(down, 0.0f);
        }
    }
    for (int k = -2000; k <= 2000; ++k) reals.push_back(static_cast<float>((k + 0.5) / 1e5)); // ties at the fifth decimal
    for (int e = -45; e <= 38; ++e) reals.push_back(static_cast<float>(std::pow(10.0, e) * 1.2345678));
    std::mt19937_64 rng(11);
    for (int i = 0; i < 200000; ++i) {
        const auto bits = static_cast<uint32_t>(rng());
        float v;
        std::memcpy(&v, &bits, sizeof v);
        reals.push_back(v);
        reals.push_back(static_cast<float>(static_cast<int32_t>(bits) % 20000000) / 1000.0f); // everyday values
    }
    for (float v : reals) {
        char buf[kFixedTextMax];
        ASSERT_EQ(std::string(buf, format_real_five_decimals(buf, v)), printed("%f", round_five_decimals(v))) << v;
    }
}

TEST(ReadCursor, IntegerScansAgreeWithSscanf)
{
    std::vector<std::string> inputs = {""}; // every text of up to three characters
    for (size_t from = 0; inputs[from].size() < 3; ++from)
        for (char c : std::string(" \t-+059xXaFg,*")) inputs.push_back(inputs[from] + c);
    const struct { int width; const char* format; } formats[] = {
        {0, "%d%n"}, {1, "%1d%n"}, {2, "%02d%n"}, {4, "%04d%n"}, {2, "%02X%n"}};
    for (const auto& input : inputs) {
        for (const auto& f : formats) {
            unsigned expected = 0, got = 0;
            int used = -1;
            const bool ok = std::sscanf(input.c_str(), f.format, &expected, &used) == 1;
            const char* end = f.format[3] == 'X'
                                  ? scan_hex(input.c_str(), f.width, &got)
                                  : scan_decimal(input.c_str(), f.width, reinterpret_cast<int32_t*>(&got));
            ASSERT_EQ(end != nullptr, ok) << f.format << " '" << input << "'";
            if (ok) {
                EXPECT_EQ(got, expected) << f.format << " '" << input << "'";
                EXPECT_EQ(end - input.c_str(), used) << f.format << " '" << input << "'";
            }
        }
    }
}

TEST(ReadCursor, FloatScansAgreeWithSscanf)
{
    std::vector<std::string> inputs = {
        "1.5", " \t\n2.5", "+.5", ".", "-", "", "abc", "1e", "1e+", "1,5", "1_000", "0x", "0x1p3", "-0x1.8p1",
        "infinity", "-INF", "infin", "nan", "-nan", "NaN(abc)", "1e5000", "1e-400", "3.4028236e38", "1e-46",
        std::string(400, '9'),
        // Plain decimals, which read without sscanf, and near misses that must not.
        "1.", "-0.0", "00012.50", "1.2.3", "+-1", "1-2", "-.", "7}", "0.1,2", "1.5 x", "12345678901234567890.5",
        "0." + std::string(60, '0') + "1", std::string(50, '1') + "." + std::string(50, '7')};
    std::mt19937_64 rng(3);
    for (int i = 0; i < 3000; ++i)
        inputs.push_back(printed(i % 3 == 0 ? "%.17g" : i % 3 == 1 ? "%a" : "%.9g", random_double(rng)));
    for (int i = 0; i < 1000; ++i)
        inputs.push_back(printed(i % 2 ? "%f" : "%.40f", random_double(rng)));
    for (const auto& input : inputs) {
        float ef = 0, gf = 0;
        double ed = 0, gd = 0;
        const bool okF = std::sscanf(input.c_str(), "%f", &ef) == 1, okD = std::sscanf(input.c_str(), "%lf", &ed) == 1;
        ASSERT_EQ(scan_float(input.c_str(), &gf), okF) << "'" << input << "'";
        ASSERT_EQ(scan_double(input.c_str(), &gd), okD) << "'" << input << "'";
        EXPECT_TRUE(!okF || std::memcmp(&gf, &ef, sizeof gf) == 0) << "'" << input << "'"; // NaN payloads too
        EXPECT_TRUE(!okD || std::memcmp(&gd, &ed, sizeof gd) == 0) << "'" << input << "'";
    }
}

TEST(ReadCursor, TokenEndFindsTheFirstDelimiterAsStrcspnDoes)
{
    // Delimiters at, before and after the edges of the blocks the search goes in, texts without
    // any, and one of each kind behind a later one of another.
    std::vector<std::string> texts = {"", ",", "{", "}", "0101", "01}x,", "AB{CD,EF}", std::string(300, '1')};
    for (size_t at : {0, 1, 63, 64, 65, 191, 192, 193, 447, 448, 4000, 70000})
        for (const char* tail : {",", "}", "{", "}{,", "{},"}) texts.push_back(std::string(at, '0') + tail + "11,}");
    for (const std::string& text : texts) {
        for (size_t from : {size_t{0}, size_t{1}, size_t{62}}) {
            if (from > text.size()) continue;
            const char* p = text.c_str() + from;
            const char* end = text.c_str() + text.size();
            EXPECT_EQ(token_end_with_brace(p, end) - p, static_cast<ptrdiff_t>(std::strcspn(p, ",}{")))
                << text.size() << " from " << from;
        }
    }
}

TEST(ReadCursor, ListElementsAreCountedAtTheListsOwnLevel)
{
    // The text after a list's "{"; the count stops at the "}" closing the list or at the end of
    // the text.
    const struct {
        const char* text;
        uint64_t count;
    } cases[] = {
        {"", 0},
        {"}", 0},
        {"1}", 0},                                     // not a list of elements
        {"{1}}", 1},
        {"{1},{2},{3}}", 3},
        {"{1},{2}},{3},{4}}", 2},                      // stops where the list closes
        {"{{a,b},{c}},{d,{e,f}}}", 2},                 // commas and "{" inside elements
        {"{1},{2},{3}", 3},                            // the text ends before the list does
        {"{a{},{b},{c}}", 1},                          // a "{" inside a string: short, never long
        {"{1},2,{3}}", 2},                             // a comma not before "{" opens nothing
    };
    for (const auto& c : cases) EXPECT_EQ(count_list_elements(c.text), c.count) << c.text;

    // Long texts, counted sixteen characters at a time, against a count one character at a time:
    // lists of known length whose separators, nesting (deeper than sixteen too) and closing brace
    // fall at every place of a block, then random texts of braces, commas and digits.
    auto one_by_one = [](const std::string& text) {
        if (text.empty() || text[0] != '{') return uint64_t{0};
        uint64_t count = 1;
        long depth = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '{') ++depth;
            if (text[i] == '}' && --depth < 0) break;
            if (text[i] == ',' && depth == 0 && text[i + 1] == '{') ++count;
        }
        return count;
    };
    std::vector<std::pair<std::string, uint64_t>> texts;
    for (int width = 0; width < 20; ++width)
        for (int nesting : {0, 1, 3, 17}) {
            const std::string element = std::string(nesting, '{') + std::string(width, '7') + std::string(nesting, '}');
            for (uint64_t n : {1, 2, 5, 33}) {
                std::string text;
                for (uint64_t i = 0; i < n; ++i) text += (i ? ",{" : "{") + element + "}";
                text += "},{1},{2}}";
                EXPECT_EQ(one_by_one(text), n) << text;
                texts.push_back({text, n});
            }
        }
    std::mt19937 random(7);
    const char alphabet[] = "{{{}}},,,12";
    for (int i = 0; i < 2000; ++i) {
        std::string text = "{";
        const int length = static_cast<int>(random() % 200);
        for (int k = 0; k < length; ++k) text += alphabet[random() % (sizeof alphabet - 1)];
        texts.push_back({text, one_by_one(text)});
    }
    // Lists whose elements mostly hold no braces of their own (counted 64 characters at a time
    // until one does), now and then one that nests, one left open, or a close out of turn, so
    // that chunks are counted both ways and the depth is carried from one way to the other.
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int elements = 1 + static_cast<int>(random() % 80);
        for (int k = 0; k < elements; ++k) {
            if (k) text += ',';
            switch (random() % 120) {
            case 0: text += "{{1},{2}}"; break;
            case 1: text += "{{"; break;
            case 2: text += "}"; break;
            default: text += '{' + std::string(random() % 13, '5') + '}'; break;
            }
        }
        text += "},{9}}";
        texts.push_back({text, one_by_one(text)});
    }
    // A list of plain elements, then one element that is itself a long list of plain elements,
    // begun near the end of a stretch and going on into the next: once an element has nested,
    // the next stretch must not be counted 64 at a time from its own start, where the nested
    // list's commas would look like the list's own.
    for (int before = 1; before <= 80; ++before) {
        std::string text;
        while (text.size() < (size_t{1} << 16) - static_cast<size_t>(before)) text += "{123},";
        text.resize((size_t{1} << 16) - static_cast<size_t>(before), '7');
        text += "{{1}";
        for (int k = 0; k < 40; ++k) text += ",{2}";
        text += "}";
        for (int k = 0; k < 40; ++k) text += ",{3}";
        text += "}";
        texts.push_back({text, one_by_one(text)});
    }
    // Texts longer than the stretch measured at a time, the list closing (or the text ending, or
    // an element beginning, or the nesting going deep) right around each stretch boundary.
    for (const size_t boundary : {size_t{1} << 16, size_t{2} << 16}) {
        for (int shift = -3; shift <= 3; ++shift) {
            const std::string deep = std::string(20, '{') + std::string(20, '}');
            std::string text = "{";
            uint64_t n = 1;
            while (text.size() + 12 < boundary + shift) text += (n++ % 97 == 0 ? deep : "12345") + std::string("},{");
            text.resize(boundary + shift, '7');
            for (const char* tail : {"}}", "},{1}}", "", "{{{}}}},{2}}"})
                texts.push_back({text + tail, one_by_one(text + tail)});
        }
    }
    for (const auto& [text, count] : texts) EXPECT_EQ(count_list_elements(text.c_str()), count) << text.size();
}

} // namespace
