// Scanning primitives of the brace-text parser, with the semantics of the sscanf conversions the
// text format is defined by ("%d", "%02d", "%04d", "%02X", "%f", "%lf"), but without ever
// measuring the rest of the text: every scan looks only at the characters it consumes (plus the
// one that stops it), so parsing a long text stays linear.
//
// Conventions shared by all scans: leading white space (" \t\n\v\f\r") is skipped and does not
// count toward a field width; a sign counts toward the width; a scan that converts nothing
// fails. The structural characters "{", "}" and "," are never scanned here: the parser tests
// them at the exact read position.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bacnapi {

inline bool is_scan_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

inline const char* skip_scan_blanks(const char* p)
{
    while (is_scan_blank(*p)) ++p;
    return p;
}

// The value of every character as a hex digit, -1 where it is none: one load per character.
inline constexpr struct HexDigits {
    int8_t value[256];
    constexpr HexDigits() : value()
    {
        for (int c = 0; c < 256; ++c)
            value[c] = static_cast<int8_t>(c >= '0' && c <= '9'   ? c - '0'
                                           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                           : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                                  : -1);
    }
} kHexDigits;

// The value of a hex digit, or -1 for any other character.
inline int hex_digit_value(char c) { return kHexDigits.value[static_cast<unsigned char>(c)]; }

// The first "," or "}" at or after p, or null when the text holds neither.
const char* next_delimiter(const char* p);

// The first "," "}" or "{" in [p, end), or end (the text's terminating NUL). The search goes in
// blocks that double in size, so it costs about the token's own length however far the text
// goes on behind it.
const char* token_end_with_brace(const char* p, const char* end);

// The number of elements of a list whose text starts at p (just after the list's "{"): one for a
// first element "{", and one more for every ",{" at the list's own level, up to the "}" that
// closes the list or the end of the text. Braces inside elements are followed by depth. A
// character string may hold a "{" (never "," or "}"), which can only make the count short.
uint64_t count_list_elements(const char* p);

// "%d" (width 0: any length) or "%0<width>d". On success stores the number modulo 2^32 (its low
// 32 bits, so "4294967295" and "-1" give the same word) and returns the position after it;
// null when nothing converts.
const char* scan_decimal(const char* p, int width, int32_t* value);

// "%02X"-style hex scan of at most width characters (a "0x" prefix and a sign are taken as
// sscanf takes them). Returns the position after it, or null.
const char* scan_hex(const char* p, int width, uint32_t* value);

// A short plain decimal ([-+]digits[.digits], at most 15 digits, at most 22 of them behind the
// point) converted to exactly the float that "%f" (and strtof) gives for it, without either.
// Null when the text is anything else, or when the quick conversion cannot vouch for its result:
// the caller then converts the general way. Returns the position after the number.
const char* scan_short_float(const char* p, float* value);

// "%f" into a float and "%lf" into a double. The number's characters are copied to a bounded
// buffer and converted there, so the conversion sees exactly the text sscanf would. Decimal
// point '.', whatever the process locale (the parser runs its scans in the "C" locale).
bool scan_float(const char* p, float* value);
bool scan_double(const char* p, double* value);

} // namespace bacnapi
