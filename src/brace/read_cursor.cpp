#include "brace/read_cursor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bacnapi {

namespace {

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
    if constexpr (std::is_same_v<T, float>) {
        if (const char* end = scan_short_float(p, value); end) return true;
    }
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

namespace {

// The number of bits set in every octet (a machine without a population count instruction
// would otherwise call a library routine for it).
constexpr struct BitsSet {
    uint8_t count[256];
    constexpr BitsSet() : count()
    {
        for (int i = 0; i < 256; ++i) count[i] = static_cast<uint8_t>((i & 1) + (i >> 1 & 1) + (i >> 2 & 1) + (i >> 3 & 1) +
                                                                    (i >> 4 & 1) + (i >> 5 & 1) + (i >> 6 & 1) + (i >> 7 & 1));
    }
} kBitsSet;

// The count so far of a list being counted, and the depth reached inside it.
struct ListCount {
    uint64_t count = 1;
    int64_t depth = 0; // of the character just looked at, inside the list
    bool flat = true;  // no element seen so far holds a brace of its own
};

#if defined(__SSE2__)
// The number of bits set in a 64-bit word, by adding up neighbouring fields (a machine without a
// population count instruction would otherwise call a library routine). Eight lookups in the
// table above measured slower here; for the sixteen bits of a block, two lookups are faster.
uint64_t bits_set(uint64_t x)
{
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return (x * 0x0101010101010101u) >> 56;
}

// Counts the elements begun in the 64 characters at q when every brace among them belongs to an
// element of one level ("{12},{13}", "{1.5},{-2}": lists of numbers, enumerations, identifiers),
// which is most long lists. `depth` is 0 between elements and 1 inside one. With braces that take
// turns, open, close, open, ..., the depth after each character is the parity of the braces up to
// it, which a few shifts give for all 64 at once. False, with nothing counted, when the braces do
// not take turns: an element nests, or the list closes; the caller counts those characters the
// general way.
bool count_flat_chunk(const char* q, int64_t& depth, uint64_t& count)
{
    const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16));
    const __m128i b2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 32));
    const __m128i b3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 48));
    auto where = [&](char c) {
        const __m128i pattern = _mm_set1_epi8(c);
        auto bits = [&pattern](__m128i block) {
            return static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, pattern))));
        };
        return bits(b0) | bits(b1) << 16 | bits(b2) << 32 | bits(b3) << 48;
    };
    const uint64_t opens = where('{');
    const uint64_t closes = where('}');
    uint64_t parity = opens | closes;
    parity ^= parity << 1;
    parity ^= parity << 2;
    parity ^= parity << 4;
    parity ^= parity << 8;
    parity ^= parity << 16;
    parity ^= parity << 32;
    const uint64_t start = depth != 0 ? ~uint64_t{0} : 0;
    const uint64_t before = (parity << 1) ^ start; // the depth in front of each character
    if ((opens & before) != 0 || (closes & ~before) != 0) return false;
    const uint64_t nextOpens = opens >> 1 | static_cast<uint64_t>(q[64] == '{') << 63;
    count += bits_set(where(',') & nextOpens & ~before);
    depth = static_cast<int64_t>((parity ^ start) >> 63);
    return true;
}
#endif

// How much text is measured and counted at a time.
constexpr size_t kStretch = size_t{1} << 16;

// Counts the elements begun in [q, end) into `c`; true when the list closes there. The character
// at end is readable. With `ahead`, the text a stretch further on is asked into the cache while
// this one is counted: measuring the next stretch then finds it there, instead of waiting for a
// long text's memory with nothing else to do.
bool count_stretch(const char* q, const char* end, ListCount& c, bool ahead)
{
    // A prefetch never faults, so asking for text past the end does no harm (the address is
    // worked out as a number, not as a pointer into the text); it is asked for only where more
    // text is expected, as a short text needs none.
    const uintptr_t prefetchDistance = ahead ? kStretch : 0;
    uint64_t count = c.count;
    int64_t depth = c.depth;
#if defined(__SSE2__)
    // A list whose elements hold no braces of their own is counted 64 characters at a time, a
    // quarter faster than block by block, until an element shows that it nests: from there the
    // rest of the list is counted by the blocks below. A stretch is a whole number of chunks, so
    // only the end of the text is left to the blocks while the list is still flat.
    static_assert(kStretch % 64 == 0, "a stretch ends at a chunk's end");
    while (c.flat && end - q >= 64) { // the chunk and the character after it are readable
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(q) + prefetchDistance), 0, 2);
        if (!count_flat_chunk(q, depth, count)) {
            c.flat = false; // for good: a list closing here has nothing more to count anyway
            break;
        }
        q += 64;
    }
    // Sixteen characters at a time while the list stays open: the depth after each character is
    // the running sum of +1 at "{" and -1 at "}", added up across the block in four shifts. A
    // block in which the list closes is left to the loop below. The text of a list of numbers has
    // a brace or a comma every third or fourth character, so a branch per character would be
    // mispredicted again and again.
    const __m128i opens = _mm_set1_epi8('{');
    const __m128i closes = _mm_set1_epi8('}');
    const __m128i commas = _mm_set1_epi8(',');
    while (end - q >= 16) { // the block and the character after it are readable
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(q) + prefetchDistance), 0, 2);
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1));
        // The comparisons give -1 where they hold: a close minus an open is the step of each character.
        __m128i sum = _mm_sub_epi8(_mm_cmpeq_epi8(block, closes), _mm_cmpeq_epi8(block, opens));
        sum = _mm_add_epi8(sum, _mm_slli_si128(sum, 1));
        sum = _mm_add_epi8(sum, _mm_slli_si128(sum, 2));
        sum = _mm_add_epi8(sum, _mm_slli_si128(sum, 4));
        sum = _mm_add_epi8(sum, _mm_slli_si128(sum, 8)); // within -16 .. 16
        // From depth 16 on, no character of the block can reach the list's own level with a comma
        // or close the list: only the depth is carried on.
        if (depth < 16) {
            const __m128i level = _mm_add_epi8(sum, _mm_set1_epi8(static_cast<char>(depth))); // -16 .. 31
            if (_mm_movemask_epi8(level) != 0) break;
            const __m128i separators = _mm_and_si128(
                _mm_and_si128(_mm_cmpeq_epi8(block, commas), _mm_cmpeq_epi8(level, _mm_setzero_si128())),
                _mm_cmpeq_epi8(next, opens));
            const auto found = static_cast<unsigned>(_mm_movemask_epi8(separators));
            count += kBitsSet.count[found & 0xFF] + kBitsSet.count[found >> 8];
        }
        depth += static_cast<int8_t>(static_cast<uint8_t>(_mm_extract_epi16(sum, 7) >> 8));
        q += 16;
    }
#endif
    bool closed = false;
    for (; q < end; ++q) {
        const char ch = *q;
        depth += static_cast<int64_t>(ch == '{') - static_cast<int64_t>(ch == '}');
        if (depth < 0) {
            closed = true;
            break;
        }
        count += static_cast<uint64_t>((ch == ',') & (depth == 0) & (q[1] == '{'));
    }
    c.count = count;
    c.depth = depth;
    return closed;
}

} // namespace

uint64_t count_list_elements(const char* p)
{
    if (*p != '{') return 0;
    ListCount c;
    for (const char* q = p;;) {
        // The text is measured a stretch at a time, right before the stretch is counted: the
        // count finds it in the cache, so a long text comes from memory once, and nothing past
        // its end is read.
        const size_t n = strnlen(q, kStretch);
        if (count_stretch(q, q + n, c, n == kStretch) || n < kStretch) return c.count;
        q += n;
    }
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

const char* scan_short_float(const char* p, float* value)
{
    // Every power of ten up to 10^22 is exact in a double.
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    for (; is_digit(*p); ++p, ++digits) mantissa = mantissa * 10u + static_cast<uint64_t>(*p - '0');
    if (*p == '.') {
        for (++p; is_digit(*p); ++p, ++digits, ++decimals) mantissa = mantissa * 10u + static_cast<uint64_t>(*p - '0');
    }
    // An exponent, a second point, letters: the general conversion reads on, so this one may not.
    if (digits == 0 || digits > 15 || decimals > 22 || is_float_char(*p)) return nullptr;
    // Both operands are exact (fewer than 2^53), so the quotient is the number correctly rounded
    // to a double. Rounding that double to a float gives the number correctly rounded to a float
    // unless the double lies exactly halfway between two floats (every such halfway point is a
    // double, and rounding to a double never crosses one): the 29 bits a float drops are then
    // 1000...0, and the careful conversion decides.
    const double quotient = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    uint64_t bits;
    std::memcpy(&bits, &quotient, sizeof bits);
    if ((bits & 0x1FFFFFFFu) == 0x10000000u) return nullptr;
    const auto rounded = static_cast<float>(quotient);
    *value = negative ? -rounded : rounded;
    return p;
}

bool scan_float(const char* p, float* value) { return scan_floating(p, "%f", value); }

bool scan_double(const char* p, double* value) { return scan_floating(p, "%lf", value); }

} // namespace bacnapi
