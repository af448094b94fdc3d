#include "read_cursor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <type_traits>

namespace bacnapi {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

int hex_value(char c) { return hex_digit_value(c); }

// Characters that a floating-point conversion of sscanf can consume: digits, signs, the point,
// exponent and hex markers and the letters of "inf", "infinity" and "nan". The first character
// outside this set stops sscanf, so a copy up to it converts exactly as the original text would.
bool is_float_char(char c)
{
    return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '+' || c == '-';
}

// A plain decimal: digits, at most one point, a sign only in front. strtof and strtod read such
// a number exactly as the scanf conversion does (the same correctly rounded conversion of the
// same characters), so it takes the short road; anything else goes through sscanf itself.
bool is_plain_decimal(const char* p, size_t n)
{
    size_t i = p[0] == '+' || p[0] == '-';
    size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (is_digit(p[i])) ++digits;
        else if (p[i] == '.' && !point) point = true;
        else return false;
    }
    return digits > 0;
}

template <typename T>
bool scan_floating(const char* p, const char* format, T* value)
{
    p = skip_scan_blanks(p);
    const char* end = p;
    while (is_float_char(*end)) ++end;
    const size_t n = static_cast<size_t>(end - p);
    if (n == 0) return false;
    if (is_plain_decimal(p, n)) {
        // The number ends at a character strtof does not take either, so it reads in place.
        char* stop = nullptr;
        T converted;
        if constexpr (std::is_same_v<T, float>) converted = std::strtof(p, &stop);
        else converted = std::strtod(p, &stop);
        if (stop == end) {
            *value = converted;
            return true;
        }
    }
    char local[128];
    char* copy = n < sizeof local ? local : static_cast<char*>(std::malloc(n + 1));
    if (!copy) return false;
    std::memcpy(copy, p, n);
    copy[n] = '\0';
    T converted{};
    const bool ok = std::sscanf(copy, format, &converted) == 1;
    if (copy != local) std::free(copy);
    if (ok) *value = converted;
    return ok;
}

// "%d" without a width: sign and digits as far as they go.
const char* scan_decimal_unbounded(const char* p, int32_t* value)
{
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    uint32_t number = 0;
    while (is_digit(*p)) number = number * 10u + static_cast<uint32_t>(*p++ - '0');
    if (p == digits) return nullptr;
    if (negative) number = 0u - number;
    std::memcpy(value, &number, sizeof number);
    return p;
}

} // namespace

const char* next_delimiter(const char* p)
{
    while (*p && *p != ',' && *p != '}') ++p;
    return *p ? p : nullptr;
}

uint64_t count_list_elements(const char* p, const char* end)
{
    if (p >= end || *p != '{') return 0;
    uint64_t count = 1;
    uint64_t depth = 0;
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (depth == 0) break;
            --depth;
        } else if (c == ',' && depth == 0 && p + 1 < end && p[1] == '{') {
            ++count;
        }
    }
    return count;
}

const char* token_end_with_brace(const char* p, const char* end)
{
    constexpr size_t kLargestBlock = size_t{1} << 16;
    size_t block = 64;
    while (p < end) {
        const size_t left = static_cast<size_t>(end - p);
        const char* limit = p + (left < block ? left : block);
        // Each character is looked for only up to where an earlier one was found.
        const char* hit = limit;
        for (const char c : {',', '}', '{'})
            if (const void* at = std::memchr(p, c, static_cast<size_t>(hit - p))) hit = static_cast<const char*>(at);
        if (hit < limit) return hit;
        p = limit;
        if (block < kLargestBlock) block *= 2;
    }
    return end;
}

const char* scan_decimal(const char* p, int width, int32_t* value)
{
    p = skip_scan_blanks(p);
    if (width <= 0) return scan_decimal_unbounded(p, value);
    int left = width;
    bool negative = false;
    if (left != 0 && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
        if (left > 0) --left;
    }
    uint32_t number = 0;
    size_t digits = 0;
    while (left != 0 && is_digit(*p)) {
        number = number * 10u + static_cast<uint32_t>(*p - '0');
        ++p;
        ++digits;
        if (left > 0) --left;
    }
    if (digits == 0) return nullptr;
    if (negative) number = 0u - number;
    std::memcpy(value, &number, sizeof number);
    return p;
}

const char* scan_hex(const char* p, int width, uint32_t* value)
{
    p = skip_scan_blanks(p);
    int left = width > 0 ? width : -1;
    bool negative = false;
    if (left != 0 && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
        if (left > 0) --left;
    }
    uint32_t number = 0;
    size_t digits = 0;
    if (left != 0 && *p == '0') {
        // A leading zero counts as a digit; an "x" right behind it is a prefix, consumed.
        ++p;
        ++digits;
        if (left > 0) --left;
        if (left != 0 && (*p == 'x' || *p == 'X')) {
            ++p;
            if (left > 0) --left;
        }
    }
    while (left != 0 && hex_value(*p) >= 0) {
        number = number * 16u + static_cast<uint32_t>(hex_value(*p));
        ++p;
        ++digits;
        if (left > 0) --left;
    }
    if (digits == 0) return nullptr;
    *value = negative ? 0u - number : number;
    return p;
}

bool scan_float(const char* p, float* value) { return scan_floating(p, "%f", value); }

bool scan_double(const char* p, double* value) { return scan_floating(p, "%lf", value); }

} // namespace bacnapi
