// The building blocks of the brace text against the C library they stand in for: number
// formatting against snprintf, the parser's scans against sscanf, and the text sink against
// plain concatenation.
#include "brace/number_format.h"
#include "brace/read_cursor.h"
#include "brace/text_sink.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;

std::string printed(const char* format, auto v)
{
    char buf[512];
    return std::string(buf, static_cast<size_t>(std::snprintf(buf, sizeof buf, format, v)));
}

TEST(NumberFormat, IntegersMatchPrintf)
{
    std::vector<int32_t> values = {INT32_MIN, INT32_MIN + 1, INT32_MAX};
    for (int32_t v = -1200; v <= 3000; ++v) values.push_back(v);
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<int32_t>(rng()));
    const struct {
        int width; // 0: "%d"
        const char* format;
    } formats[] = {{0, "%d"}, {1, "%01d"}, {2, "%02d"}, {4, "%04d"}, {10, "%010d"}};
    for (const auto& f : formats) {
        for (int32_t v : values) {
            char buf[kIntTextMax];
            const size_t n = f.width ? format_int_padded(buf, v, f.width) : format_int(buf, v);
            ASSERT_EQ(std::string(buf, n), printed(f.format, v)) << f.format << " " << v;
        }
    }
    for (int v = 0; v < 256; ++v) {
        char buf[2];
        ASSERT_EQ(std::string(buf, format_hex_octet(buf, static_cast<uint8_t>(v))), printed("%02X", v));
    }
}

TEST(NumberFormat, FixedMatchesPrintf)
{
    std::vector<double> values = {0.0, -0.0, 1.5, -1.234567, 0.1, 0.0000005, 0.0000015, -0.0000005, 1e-7,
                                  9007199254740993.0, 1e22, 1e23, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN,
                                  FLT_MAX, INFINITY, -INFINITY, NAN, -NAN};
    for (int k = -3000; k <= 3000; ++k) values.push_back((k + 0.5) / 1e6); // ties at the sixth decimal
    for (int e = -30; e <= 308; ++e) values.push_back(std::pow(10.0, e) * 1.2345678901234567);
    std::mt19937_64 rng(11);
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
    }
    for (double v : values) {
        char buf[kFixedTextMax];
        ASSERT_EQ(std::string(buf, format_fixed6(buf, v)), printed("%f", v)) << v;
    }
}

// Every string of length 1..maxLength over the alphabet.
std::vector<std::string> all_strings(const std::string& alphabet, size_t maxLength)
{
    std::vector<std::string> out, layer = {""};
    for (size_t len = 1; len <= maxLength; ++len) {
        std::vector<std::string> next;
        for (const auto& s : layer)
            for (char c : alphabet) next.push_back(s + c);
        out.insert(out.end(), next.begin(), next.end());
        layer = std::move(next);
    }
    return out;
}

TEST(ReadCursor, IntegerScansAgreeWithSscanf)
{
    const struct {
        int width;
        const char* format;
        bool hex;
    } formats[] = {{0, "%d%n", false}, {1, "%1d%n", false}, {2, "%02d%n", false}, {4, "%04d%n", false},
                   {2, "%02X%n", true}};
    for (const auto& input : all_strings(" \t-+059xXaFg,*", 3)) {
        for (const auto& f : formats) {
            unsigned expected = 0;
            int used = -1;
            const bool ok = std::sscanf(input.c_str(), f.format, &expected, &used) == 1;
            uint32_t got = 0;
            int32_t word = 0;
            const char* end = f.hex ? scan_hex(input.c_str(), f.width, &got) : scan_decimal(input.c_str(), f.width, &word);
            if (!f.hex) got = static_cast<uint32_t>(word);
            ASSERT_EQ(end != nullptr, ok) << f.format << " '" << input << "'";
            if (!ok) continue;
            EXPECT_EQ(got, expected) << f.format << " '" << input << "'";
            EXPECT_EQ(end - input.c_str(), used) << f.format << " '" << input << "'";
        }
    }
    // Beyond 32 bits (and beyond 64) a decimal keeps its low 32 bits.
    const struct {
        const char* text;
        uint32_t word;
    } wide[] = {{"4294967295", 4294967295u}, {"-2147483649", 2147483647u}, {"99999999999", 1215752191u},
                {"4294967296", 0u}, {"99999999999999999999", 1661992959u}};
    for (const auto& c : wide) {
        int32_t got = 0;
        ASSERT_NE(scan_decimal(c.text, 0, &got), nullptr);
        EXPECT_EQ(static_cast<uint32_t>(got), c.word) << c.text;
    }
}

template <typename T>
bool same(T a, T b)
{
    return (std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ReadCursor, FloatScansAgreeWithSscanf)
{
    std::vector<std::string> inputs = {
        "1.5", " \t\n2.5", "+.5", ".", "-", "", "abc", "1e", "1e+", "1,5", "1_000", "0x", "0x1p3", "-0x1.8p1",
        "infinity", "-INF", "infin", "nan", "-nan", "NaN(abc)", "1e5000", "1e-400", "3.4028236e38", "1e-46",
        std::string(400, '9')};
    std::mt19937_64 rng(3);
    for (int i = 0; i < 3000; ++i) {
        const uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        inputs.push_back(printed(i % 3 == 0 ? "%.17g" : i % 3 == 1 ? "%a" : "%.9g", v));
    }
    for (const auto& input : inputs) {
        float ef = 0, gf = 0;
        double ed = 0, gd = 0;
        const bool okF = std::sscanf(input.c_str(), "%f", &ef) == 1;
        const bool okD = std::sscanf(input.c_str(), "%lf", &ed) == 1;
        ASSERT_EQ(scan_float(input.c_str(), &gf), okF) << "'" << input << "'";
        ASSERT_EQ(scan_double(input.c_str(), &gd), okD) << "'" << input << "'";
        EXPECT_TRUE(!okF || same(gf, ef)) << "'" << input << "'";
        EXPECT_TRUE(!okD || same(gd, ed)) << "'" << input << "'";
    }
}

TEST(TextSink, AppendsAfterExistingTextAndKeepsThePointerCurrent)
{
    const struct {
        const char* start; // null: no text yet
        int pieces;        // pieces "0,", "1,", ...
    } cases[] = {{nullptr, 0}, {nullptr, 3}, {"abc", 1}, {"", 2}, {"start:", 100000}};
    for (const auto& c : cases) {
        char* text = c.start ? strdup(c.start) : nullptr;
        std::string mirror = c.start ? c.start : "";
        TextSink sink(&text);
        for (int i = 0; i < c.pieces; ++i) {
            const std::string piece = std::to_string(i) + ",";
            ASSERT_EQ(sink.append(piece.data(), piece.size()), 0);
            mirror += piece;
            ASSERT_EQ(std::strcmp(text + mirror.size() - piece.size(), piece.c_str()), 0); // terminated each time
        }
        sink.finish();
        EXPECT_EQ(text == nullptr, c.start == nullptr && c.pieces == 0);
        EXPECT_EQ(text ? std::string(text) : "", mirror);
        EXPECT_EQ(sink.length(), mirror.size());
        std::free(text);
    }
    // An empty piece still makes a text exist; bad arguments fail and leave the text alone.
    char* text = nullptr;
    TextSink sink(&text);
    EXPECT_EQ(sink.append("", 0), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(sink.append(nullptr, 1), BACNAPI_E_FAIL);
    EXPECT_EQ(sink.append("x", SIZE_MAX), BACNAPI_E_FAIL);
    EXPECT_STREQ(text, "");
    std::free(text);
    EXPECT_EQ(TextSink(nullptr).append("a", 1), BACNAPI_E_FAIL);
}

} // namespace
