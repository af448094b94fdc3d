// The C++ standard requires std::to_chars to produce exactly what printf produces in the "C" locale for the
// same conversion (integers in base 10; doubles in fixed notation with a given precision,
// correctly rounded from the exact binary value), so it serves here for every format; only the
// zero padding of "%0Nd" and the special values are added by hand. The tests compare every
// function with snprintf over many values, extremes included.
#include "text/number_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace bacnapi {

size_t format_long(char* out, int64_t value)
{
    const auto result = std::to_chars(out, out + kLongTextMax, value);
    return static_cast<size_t>(result.ptr - out);
}

size_t format_int_padded(char* out, int32_t value, int width)
{
    if (width == 2 && value >= 0 && value < 100) {
        // The two digits of every date and time field.
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
        return 2;
    }
    if (width == 4 && value >= 1000 && value < 10000) {
        // The year of every date.
        out[0] = static_cast<char>('0' + value / 1000);
        out[1] = static_cast<char>('0' + value / 100 % 10);
        out[2] = static_cast<char>('0' + value / 10 % 10);
        out[3] = static_cast<char>('0' + value % 10);
        return 4;
    }
    char digits[kIntTextMax];
    const size_t n = format_int(digits, value);
    const size_t want = width > 0 ? static_cast<size_t>(width) : 0;
    if (n >= want) {
        std::memcpy(out, digits, n);
        return n;
    }
    // printf puts the zeros between the sign and the digits.
    const size_t sign = digits[0] == '-' ? 1 : 0;
    const size_t zeros = want - n;
    std::memcpy(out, digits, sign);
    std::memset(out + sign, '0', zeros);
    std::memcpy(out + sign + zeros, digits + sign, n - sign);
    return want;
}

size_t format_fixed6(char* out, double value) { return format_fixed(out, value, 6); }

size_t format_fixed(char* out, double value, int precision)
{
    if (std::isnan(value)) {
        // glibc writes the sign of a NaN too.
        const char* text = std::signbit(value) ? "-nan" : "nan";
        const size_t n = std::strlen(text);
        std::memcpy(out, text, n);
        return n;
    }
    if (std::isinf(value)) {
        const char* text = value < 0 ? "-inf" : "inf";
        const size_t n = std::strlen(text);
        std::memcpy(out, text, n);
        return n;
    }
    const auto result = std::to_chars(out, out + kFixedTextMax, value, std::chars_format::fixed, precision);
    return static_cast<size_t>(result.ptr - out);
}

double round_five_decimals(double value)
{
    const double factor = std::pow(10.0, 5.0);
    return std::floor(value * factor + 0.5) / factor;
}

size_t format_real_five_decimals(char* out, float value)
{
    // The same steps as round_five_decimals, so that the result is the same double.
    const double scaled = std::floor(static_cast<double>(value) * std::pow(10.0, 5.0) + 0.5);
    // Below 2^32 in magnitude a double lies within 2^-22 (under half a millionth) of any number
    // it is the nearest double to, and scaled / 10^5 is the nearest double to k / 10^5 for the
    // integer k = scaled. Printed with six decimals, it is therefore exactly k with five decimals
    // and a last 0; printf's own conversion is needed only beyond that (and for nan and inf).
    if (!(std::fabs(scaled) < 4e14)) return format_fixed6(out, scaled / std::pow(10.0, 5.0));
    const auto k = static_cast<int64_t>(scaled);
    const uint64_t magnitude = k < 0 ? 0u - static_cast<uint64_t>(k) : static_cast<uint64_t>(k);
    size_t n = 0;
    if (k < 0) out[n++] = '-';
    n += static_cast<size_t>(std::to_chars(out + n, out + kFixedTextMax, magnitude / 100000u).ptr - (out + n));
    out[n++] = '.';
    uint64_t decimals = magnitude % 100000u;
    for (size_t i = 5; i > 0; --i, decimals /= 10) out[n + i - 1] = static_cast<char>('0' + decimals % 10);
    out[n + 5] = '0';
    return n + 6;
}

} // namespace bacnapi
