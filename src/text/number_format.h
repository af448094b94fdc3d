// Number formatting for the text writers, byte for byte what printf produces for the formats the
// brace and display texts use ("%d", "%0Nd", "%02X", "%f", "%.2f"), but independent of the process locale (the
// decimal point is always '.') and without a format string to parse per piece.
//
// Each function writes into a caller's buffer (no terminator) and returns the length written.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>

namespace bacnapi {

// Enough for any "%d" or "%0Nd" (N <= 10) of a 32-bit value.
inline constexpr size_t kIntTextMax = 16;
// Enough for "%f" of any double: sign, 309 integer digits, point, six decimals.
inline constexpr size_t kFixedTextMax = 328;

// "%d". Inline: it is the innermost step of writing every list of numbers.
inline size_t format_int(char* out, int32_t value)
{
    return static_cast<size_t>(std::to_chars(out, out + kIntTextMax, value).ptr - out);
}
// "%lld": at most kLongTextMax characters.
inline constexpr size_t kLongTextMax = 24;
size_t format_long(char* out, int64_t value);
// "%0<width>d": zero-padded to width characters, the sign counted in the width (width 1..10).
size_t format_int_padded(char* out, int32_t value, int width);
// "%02X" of one octet: two upper-case hex digits. Inline: octet strings are written a digit pair
// at a time.
inline size_t format_hex_octet(char* out, uint8_t value)
{
    // Static: a plain local table was stored to the stack again for every octet (the compiler
    // could not rule out that the digits written through `out` land on it), three stores for
    // the table besides the one of the digits.
    static constexpr char kHex[] = "0123456789ABCDEF";
    out[0] = kHex[value >> 4];
    out[1] = kHex[value & 0x0F];
    return 2;
}
// "%f": six decimals, rounded as printf rounds (exactly, ties to even); "nan", "-nan", "inf",
// "-inf" for the special values. out must hold kFixedTextMax characters.
size_t format_fixed6(char* out, double value);
// "%.<precision>f" (precision 0..6), with the same rounding and special values as format_fixed6.
// out must hold kFixedTextMax characters.
size_t format_fixed(char* out, double value, int precision);

// Rounds half up to five decimals, floor(x * 10^5 + 0.5) / 10^5: the step that makes a Real's
// sixth decimal always 0 in text, and the tolerance of comparing reals. A Real is widened to
// double first (exactly).
double round_five_decimals(double value);

// "%f" of a Real rounded to five decimals, format_fixed6(round_five_decimals(value)): the text of
// every Real. out must hold kFixedTextMax characters.
size_t format_real_five_decimals(char* out, float value);

} // namespace bacnapi
