// The parser's scans against sscanf itself: for every short input over an alphabet of the
// characters that matter, the scan must agree with sscanf on success, value and characters used.
#include "brace/read_cursor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;

// Every string of length 1..maxLength over the alphabet.
std::vector<std::string> all_strings(const std::string& alphabet, size_t maxLength)
{
    std::vector<std::string> out;
    std::vector<std::string> layer = {""};
    for (size_t len = 1; len <= maxLength; ++len) {
        std::vector<std::string> next;
        for (const auto& s : layer)
            for (char c : alphabet) next.push_back(s + c);
        out.insert(out.end(), next.begin(), next.end());
        layer = std::move(next);
    }
    return out;
}

TEST(ReadCursor, DecimalScansAgreeWithSscanf)
{
    const struct {
        int width;
        const char* format;
    } formats[] = {{0, "%d%n"}, {1, "%1d%n"}, {2, "%02d%n"}, {4, "%04d%n"}};
    for (const auto& input : all_strings(" \t-+0159x,*", 4)) {
        for (const auto& f : formats) {
            int expected = 0;
            int used = -1;
            const bool ok = std::sscanf(input.c_str(), f.format, &expected, &used) == 1;
            int32_t got = 0;
            const char* end = scan_decimal(input.c_str(), f.width, &got);
            ASSERT_EQ(end != nullptr, ok) << f.format << " '" << input << "'";
            if (!ok) continue;
            EXPECT_EQ(got, expected) << f.format << " '" << input << "'";
            EXPECT_EQ(end - input.c_str(), used) << f.format << " '" << input << "'";
        }
    }
}

TEST(ReadCursor, DecimalKeepsLowThirtyTwoBits)
{
    const struct {
        const char* text;
        uint32_t word;
    } cases[] = {
        {"4294967295", 4294967295u},
        {"-1", 4294967295u},
        {"2147483648", 2147483648u},
        {"-2147483649", 2147483647u},
        {"99999999999", 1215752191u},
        {"4294967296", 0u},
        {"99999999999999999999", 1661992959u}, // beyond 64 bits too: still the low 32 bits
        {"  +7", 7u},
    };
    for (const auto& c : cases) {
        int32_t got = 0;
        ASSERT_NE(scan_decimal(c.text, 0, &got), nullptr) << c.text;
        EXPECT_EQ(static_cast<uint32_t>(got), c.word) << c.text;
    }
}

TEST(ReadCursor, HexScanAgreesWithSscanf)
{
    for (const auto& input : all_strings(" -+0xXaFg9", 3)) {
        unsigned expected = 0;
        int used = -1;
        const bool ok = std::sscanf(input.c_str(), "%02X%n", &expected, &used) == 1;
        uint32_t got = 0;
        const char* end = scan_hex(input.c_str(), 2, &got);
        ASSERT_EQ(end != nullptr, ok) << "'" << input << "'";
        if (!ok) continue;
        EXPECT_EQ(got, expected) << "'" << input << "'";
        EXPECT_EQ(end - input.c_str(), used) << "'" << input << "'";
    }
}

template <typename T>
bool same_number(T a, T b)
{
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::vector<std::string> float_inputs()
{
    std::vector<std::string> inputs = {
        "1.5", "-1.234567", " \t\n2.5", "+.5", ".5", "5.", ".", "-", "+", "", "abc", "1e", "1e+", "1e-3x",
        "1.5e3,", "1,5", "1_000", "0x", "0x1p3", "0X1P-2", "0x.8", "-0x1.8p1", "0x1p-1074", "inf", "-INF",
        "infinity", "Infinityx", "infin", "nan", "-nan", "NaN(abc_9)", "nan(", "1e5000", "-1e5000", "1e-400",
        "2.4703282292062328e-324", "3.4028235e38", "3.4028236e38", "1.17549435e-38", "1e-46", "0.000006",
        "1234.56789", "0000000000000000000000000000001.25", "00", "-0", "1}", "7 8",
    };
    std::mt19937_64 rng(3);
    for (int i = 0; i < 3000; ++i) {
        uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        char buf[64];
        std::snprintf(buf, sizeof buf, (i % 3 == 0) ? "%.17g" : (i % 3 == 1) ? "%a" : "%.9g", v);
        inputs.push_back(buf);
    }
    return inputs;
}

TEST(ReadCursor, FloatScansAgreeWithSscanf)
{
    for (const auto& input : float_inputs()) {
        float expectedF = 0;
        const bool okF = std::sscanf(input.c_str(), "%f", &expectedF) == 1;
        float gotF = 0;
        ASSERT_EQ(scan_float(input.c_str(), &gotF), okF) << "'" << input << "'";
        if (okF) {
            EXPECT_TRUE(same_number(gotF, expectedF)) << "'" << input << "'";
        }

        double expectedD = 0;
        const bool okD = std::sscanf(input.c_str(), "%lf", &expectedD) == 1;
        double gotD = 0;
        ASSERT_EQ(scan_double(input.c_str(), &gotD), okD) << "'" << input << "'";
        if (okD) {
            EXPECT_TRUE(same_number(gotD, expectedD)) << "'" << input << "'";
        }
    }
}

TEST(ReadCursor, LongNumberTextConverts)
{
    // Longer than the scan's local buffer: the copy moves to the heap.
    std::string digits(400, '9');
    double expected = 0;
    ASSERT_EQ(std::sscanf(digits.c_str(), "%lf", &expected), 1);
    double got = 0;
    ASSERT_TRUE(scan_double(digits.c_str(), &got));
    EXPECT_EQ(got, expected);
}

TEST(ReadCursor, DelimitersAndTokens)
{
    const struct {
        const char* text;
        int delimiter; // offset of next_delimiter, -1 for none
        int token;     // offset of token_end_with_brace
    } cases[] = {
        {"abc,d", 3, 3}, {"ab}c", 2, 2}, {"a{b,c", 3, 1}, {"abc", -1, 3}, {"", -1, 0}, {",", 0, 0},
    };
    for (const auto& c : cases) {
        const char* d = next_delimiter(c.text);
        EXPECT_EQ(d ? d - c.text : -1, c.delimiter) << c.text;
        EXPECT_EQ(token_end_with_brace(c.text) - c.text, c.token) << c.text;
    }
}

} // namespace
