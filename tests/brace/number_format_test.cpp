// The number formatter against snprintf: every function must give the same bytes as the printf
// conversion it replaces.
#include "brace/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;

std::string printf_text(const char* format, double v)
{
    std::vector<char> buf(512);
    const int n = std::snprintf(buf.data(), buf.size(), format, v);
    return std::string(buf.data(), static_cast<size_t>(n));
}

std::string printf_int(const char* format, int v)
{
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, format, v);
    return std::string(buf, static_cast<size_t>(n));
}

std::string fixed6(double v)
{
    char buf[kFixedTextMax];
    return std::string(buf, format_fixed6(buf, v));
}

std::vector<int32_t> interesting_ints()
{
    std::vector<int32_t> values = {0, 1, -1, 9, 10, -9, -10, 99, 100, -99, -100, 255, 999, 1000, 9999, 10000,
                                   -9999, INT32_MAX, INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};
    for (int32_t p = 1; p < 1000000000; p *= 10) {
        values.push_back(p);
        values.push_back(-p);
        values.push_back(p - 1);
        values.push_back(-(p - 1));
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<int32_t>(rng()));
    return values;
}

TEST(NumberFormat, DecimalMatchesPrintf)
{
    for (int32_t v : interesting_ints()) {
        char buf[kIntTextMax];
        EXPECT_EQ(std::string(buf, format_int(buf, v)), printf_int("%d", v)) << v;
    }
}

TEST(NumberFormat, ZeroPaddedMatchesPrintf)
{
    const struct {
        int width;
        const char* format;
    } widths[] = {{1, "%01d"}, {2, "%02d"}, {3, "%03d"}, {4, "%04d"}, {10, "%010d"}};
    for (const auto& w : widths) {
        for (int32_t v : interesting_ints()) {
            char buf[kIntTextMax];
            EXPECT_EQ(std::string(buf, format_int_padded(buf, v, w.width)), printf_int(w.format, v))
                << w.format << " " << v;
        }
        for (int32_t v = -1200; v <= 3000; ++v) {
            char buf[kIntTextMax];
            ASSERT_EQ(std::string(buf, format_int_padded(buf, v, w.width)), printf_int(w.format, v))
                << w.format << " " << v;
        }
    }
}

TEST(NumberFormat, HexOctetMatchesPrintfForEveryOctet)
{
    for (int v = 0; v < 256; ++v) {
        char buf[2];
        format_hex_octet(buf, static_cast<uint8_t>(v));
        EXPECT_EQ(std::string(buf, 2), printf_int("%02X", v)) << v;
    }
}

TEST(NumberFormat, FixedMatchesPrintfOnEdgeValues)
{
    const double values[] = {0.0,
                             -0.0,
                             1.5,
                             -1.234567,
                             0.1,
                             0.0000005,  // exactly representable? no: rounding decides
                             0.0000015,
                             0.0000025,
                             -0.0000005,
                             0.5e-6,
                             2.5,
                             1e-7,
                             123456789.1234565,
                             1e15,
                             1e16 + 1,
                             9007199254740993.0,
                             1e22,
                             1e23,
                             1e300,
                             -1e300,
                             DBL_MAX,
                             -DBL_MAX,
                             DBL_MIN,
                             DBL_TRUE_MIN,
                             FLT_MAX,
                             static_cast<double>(FLT_MIN),
                             static_cast<double>(1234.56789f),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
    for (double v : values) EXPECT_EQ(fixed6(v), printf_text("%f", v)) << v;
    // The largest double has over 300 digits before the point.
    EXPECT_GT(fixed6(DBL_MAX).size(), 300u);
}

TEST(NumberFormat, FixedMatchesPrintfOnRandomBitPatternsAndTies)
{
    std::mt19937_64 rng(11);
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        ASSERT_EQ(fixed6(v), printf_text("%f", v)) << bits;
    }
    // Halfway cases at the sixth decimal: the exact binary value decides, as in printf.
    for (int k = -5000; k <= 5000; ++k) {
        const double v = (k + 0.5) / 1e6;
        ASSERT_EQ(fixed6(v), printf_text("%f", v)) << k;
    }
    for (int e = -30; e <= 308; ++e) {
        const double v = std::pow(10.0, e) * 1.2345678901234567;
        ASSERT_EQ(fixed6(v), printf_text("%f", v)) << e;
    }
}

} // namespace
