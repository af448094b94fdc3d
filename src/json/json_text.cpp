// The JSON spelling of application values.
#include "json/json_text.h"

#include "charset/charstring.h"
#include "text/text_sink.h"
#include "value/value_internal.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace bacnapi::json {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

// The escape of every byte below 0x20 and of '"' and '\\'; 0 for a byte written as it is.
constexpr char short_escape(unsigned char c)
{
    switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case '\b': return 'b';
    case '\f': return 'f';
    case '\n': return 'n';
    case '\r': return 'r';
    case '\t': return 't';
    default: return 0;
    }
}

template <class T>
int32_t append_number(TextSink& sink, T value)
{
    char* out = sink.room(32);
    if (!out) return BACNAPI_E_FAIL;
    sink.commit(static_cast<size_t>(std::to_chars(out, out + 32, value).ptr - out));
    return BACNAPI_S_OK;
}

template <class T>
int32_t append_floating(TextSink& sink, T value)
{
    if (std::isnan(value)) return sink.append("\"NaN\"", 5);
    if (std::isinf(value)) return value > 0 ? sink.append("\"Infinity\"", 10) : sink.append("\"-Infinity\"", 11);
    return append_number(sink, value); // shortest round-trip form; -0 stays "-0"
}

// Two decimal digits.
char* two(char* out, unsigned v)
{
    out[0] = static_cast<char>('0' + v / 10 % 10);
    out[1] = static_cast<char>('0' + v % 10);
    return out + 2;
}

// Appends a key and a number or null (255), with a leading comma unless first.
int32_t append_octet_member(TextSink& sink, const char* key, int value, bool first)
{
    if (!first && sink.append(",", 1) != 0) return BACNAPI_E_FAIL;
    if (append_json_string(sink, key) != 0 || sink.append(":", 1) != 0) return BACNAPI_E_FAIL;
    return value < 0 ? sink.append("null", 4) : append_int(sink, value);
}

const char* const kCharsetNames[] = {nullptr, "dbcs", "jis", "ucs-4", "ucs-2", "iso-8859-1"};

// The text of a character string ends at its first NUL or at its stored length.
size_t text_length(const BACnetCharacterString& s)
{
    const void* nul = std::memchr(s.data, '\0', s.length);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - s.data) : s.length;
}

int hex_value(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool digits(const char* p, int n, int* value)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9') return false;
        v = v * 10 + (p[i] - '0');
    }
    *value = v;
    return true;
}

} // namespace

int32_t append_json_string(TextSink& sink, const char* text, size_t n)
{
    if (n == 0) return sink.append("\"\"", 2);
    if (sink.reserve(n + 2) != 0 || sink.append("\"", 1) != 0) return BACNAPI_E_FAIL;
    size_t run = 0; // bytes written as they are, appended in one piece
    for (size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        if (sink.append(text + run, i - run) != 0) return BACNAPI_E_FAIL;
        run = i + 1;
        char esc[6] = {'\\', short_escape(c), 0, 0, 0, 0};
        if (esc[1]) {
            if (sink.append(esc, 2) != 0) return BACNAPI_E_FAIL;
        } else {
            const char u[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            if (sink.append(u, 6) != 0) return BACNAPI_E_FAIL;
        }
    }
    if (sink.append(text + run, n - run) != 0) return BACNAPI_E_FAIL;
    return sink.append("\"", 1);
}

int32_t append_json_string(TextSink& sink, const char* text) { return append_json_string(sink, text, std::strlen(text)); }

int32_t append_uint(TextSink& sink, uint32_t value) { return append_number(sink, value); }
int32_t append_int(TextSink& sink, int32_t value) { return append_number(sink, value); }

int32_t append_int64(TextSink& sink, int64_t value)
{
    constexpr int64_t kExact = int64_t{1} << 53;
    if (value >= -kExact && value <= kExact) return append_number(sink, value);
    if (sink.append("\"", 1) != 0 || append_number(sink, value) != 0) return BACNAPI_E_FAIL;
    return sink.append("\"", 1);
}

int32_t append_float(TextSink& sink, float value) { return append_floating(sink, value); }
int32_t append_double(TextSink& sink, double value) { return append_floating(sink, value); }

int32_t append_hex_string(TextSink& sink, const BACnetOctetString& octets)
{
    const size_t n = octets.data ? static_cast<size_t>(octets.length) : 0;
    if (n > (SIZE_MAX - 2) / 2) return BACNAPI_E_FAIL;
    if (sink.reserve(2 * n + 2) != 0) return BACNAPI_E_FAIL;
    char* out = sink.extend(2 * n + 2);
    if (!out) return BACNAPI_E_FAIL;
    const uint8_t* data = octets.data; // held locally: the text's bytes may alias the record
    *out++ = '"';
    for (size_t i = 0; i < n; ++i) {
        *out++ = kHex[data[i] >> 4];
        *out++ = kHex[data[i] & 15];
    }
    *out = '"';
    return BACNAPI_S_OK;
}

int32_t append_bit_string(TextSink& sink, const BACnetBitString& bits)
{
    const size_t n = bits.bits ? static_cast<size_t>(bits.bitCount) : 0;
    if (n > SIZE_MAX - 2) return BACNAPI_E_FAIL;
    if (sink.reserve(n + 2) != 0) return BACNAPI_E_FAIL;
    char* out = sink.extend(n + 2);
    if (!out) return BACNAPI_E_FAIL;
    const uint8_t* set = bits.bits;
    out[0] = '"';
    for (size_t i = 0; i < n; ++i) out[i + 1] = static_cast<char>('0' + (set[i] != 0));
    out[n + 1] = '"';
    return BACNAPI_S_OK;
}

// UTF-8 text as a JSON string; every other set as {"charset":..,"text":..} converted to UTF-8
// (a DBCS one with its "codePage"), or with "hex" holding the stored octets when the text does
// not convert. UTF-8 text that is not well-formed is written with "hex" too.
int32_t append_character_string(TextSink& sink, const BACnetCharacterString& s)
{
    const size_t n = s.data ? text_length(s) : 0;
    if (s.characterSet == BACNAPI_CHARSET_UTF8 && is_utf8(s.data, n)) return append_json_string(sink, s.data, n);
    const char* name = s.characterSet == BACNAPI_CHARSET_UTF8 ? "utf-8" : charset_name(s.characterSet);
    if (!name) return BACNAPI_E_FAIL;
    if (sink.append("{\"charset\":", 11) != 0 || append_json_string(sink, name) != 0) return BACNAPI_E_FAIL;
    if (s.characterSet == BACNAPI_CHARSET_DBCS && s.data && s.length >= 2) {
        const unsigned page = static_cast<unsigned>(static_cast<uint8_t>(s.data[0])) << 8 | static_cast<uint8_t>(s.data[1]);
        if (sink.append(",\"codePage\":", 12) != 0 || append_uint(sink, page) != 0) return BACNAPI_E_FAIL;
    }
    BACnetCharacterString converted{};
    const bool convertible = s.characterSet != BACNAPI_CHARSET_UTF8 && s.data &&
                             charstring_convert(&s, &converted, BACNAPI_CHARSET_UTF8, 0) == 0 &&
                             (converted.data || converted.length == 0) &&
                             is_utf8(converted.data, converted.data ? text_length(converted) : 0);
    int32_t status;
    if (!s.data) {
        status = sink.append(",\"text\":\"\"", 10);
    } else if (convertible) {
        status = sink.append(",\"text\":", 8);
        if (status == 0) status = append_json_string(sink, converted.data, converted.data ? text_length(converted) : 0);
    } else {
        BACnetOctetString stored{};
        stored.data = reinterpret_cast<uint8_t*>(s.data);
        stored.length = s.length;
        status = sink.append(",\"hex\":", 7);
        if (status == 0) status = append_hex_string(sink, stored);
    }
    std::free(converted.data);
    if (status != 0) return status;
    return sink.append("}", 1);
}

// "2024-05-17" for a date that exists and whose weekday is its real one; else the exact object.
int32_t append_date(TextSink& sink, const BACnetDate& d)
{
    const int year = 1900 + d.year;
    const bool plain = d.year != 255 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
                       d.day <= days_in_month(year, d.month) && d.dayOfWeek == weekday_of(year, d.month, d.day);
    if (plain) {
        char buf[12] = {'"'};
        char* p = buf + 1;
        p = two(p, static_cast<unsigned>(year / 100));
        p = two(p, static_cast<unsigned>(year % 100));
        *p++ = '-';
        p = two(p, d.month);
        *p++ = '-';
        p = two(p, d.day);
        *p++ = '"';
        return sink.append(buf, static_cast<size_t>(p - buf));
    }
    if (sink.append("{", 1) != 0 || append_octet_member(sink, "year", d.year == 255 ? -1 : year, true) != 0 ||
        append_octet_member(sink, "month", d.month == 255 ? -1 : d.month, false) != 0 ||
        append_octet_member(sink, "day", d.day == 255 ? -1 : d.day, false) != 0 ||
        append_octet_member(sink, "weekday", d.dayOfWeek == 255 ? -1 : d.dayOfWeek, false) != 0)
        return BACNAPI_E_FAIL;
    return sink.append("}", 1);
}

// "13:45:30.25", "13:45:30" when the hundredths are 0; else the exact object.
int32_t append_time(TextSink& sink, const BACnetTime& t)
{
    if (t.hour < 24 && t.minute < 60 && t.second < 60 && t.hundredths < 100) {
        char buf[16] = {'"'};
        char* p = two(buf + 1, t.hour);
        *p++ = ':';
        p = two(p, t.minute);
        *p++ = ':';
        p = two(p, t.second);
        if (t.hundredths) {
            *p++ = '.';
            p = two(p, t.hundredths);
        }
        *p++ = '"';
        return sink.append(buf, static_cast<size_t>(p - buf));
    }
    if (sink.append("{", 1) != 0 || append_octet_member(sink, "hour", t.hour == 255 ? -1 : t.hour, true) != 0 ||
        append_octet_member(sink, "minute", t.minute == 255 ? -1 : t.minute, false) != 0 ||
        append_octet_member(sink, "second", t.second == 255 ? -1 : t.second, false) != 0 ||
        append_octet_member(sink, "hundredths", t.hundredths == 255 ? -1 : t.hundredths, false) != 0)
        return BACNAPI_E_FAIL;
    return sink.append("}", 1);
}

size_t utf8_valid_prefix(const char* text, size_t n)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    while (i < n) {
        // Eight characters at a time while they are all ASCII.
        if (n - i >= 8) {
            uint64_t eight;
            std::memcpy(&eight, p + i, sizeof eight);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t extra;
        unsigned min;
        unsigned cp;
        if (c >= 0xC2 && c <= 0xDF) extra = 1, min = 0x80, cp = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF) extra = 2, min = 0x800, cp = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4) extra = 3, min = 0x10000, cp = c & 0x07;
        else return i;
        if (n - i <= extra) return i;
        for (size_t k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return i;
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
        i += extra + 1;
    }
    return n;
}

const char* charset_name(uint8_t set) { return set < 6 ? kCharsetNames[set] : nullptr; }

int charset_of(const char* name, size_t n)
{
    if (n == 5 && std::memcmp(name, "utf-8", 5) == 0) return BACNAPI_CHARSET_UTF8;
    for (int set = 1; set < 6; ++set)
        if (std::strlen(kCharsetNames[set]) == n && std::memcmp(kCharsetNames[set], name, n) == 0) return set;
    return -1;
}

int days_in_month(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0))) return 29;
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

int weekday_of(int year, int month, int day)
{
    // Days since 1 March of year 0 (civil calendar), then the weekday of that count.
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = static_cast<long>(era) * 146097 + doe - 719468; // days since 1970-01-01, a Thursday
    return static_cast<int>(((days % 7) + 7 + 3) % 7) + 1;
}

bool read_date_string(const char* t, size_t n, BACnetDate* date)
{
    int y, m, d;
    if (n != 10 || t[4] != '-' || t[7] != '-' || !digits(t, 4, &y) || !digits(t + 5, 2, &m) || !digits(t + 8, 2, &d))
        return false;
    if (y < 1900 || y > 2154 || m < 1 || m > 12 || d < 1 || d > days_in_month(y, m)) return false;
    *date = BACnetDate{static_cast<uint8_t>(y - 1900), static_cast<uint8_t>(m), static_cast<uint8_t>(d),
                       static_cast<uint8_t>(weekday_of(y, m, d))};
    return true;
}

bool read_time_string(const char* t, size_t n, BACnetTime* time)
{
    int h, m, s, c = 0;
    if ((n != 8 && n != 11) || t[2] != ':' || t[5] != ':' || !digits(t, 2, &h) || !digits(t + 3, 2, &m) ||
        !digits(t + 6, 2, &s))
        return false;
    if (n == 11 && (t[8] != '.' || !digits(t + 9, 2, &c))) return false;
    if (h > 23 || m > 59 || s > 59) return false;
    *time = BACnetTime{static_cast<uint8_t>(h), static_cast<uint8_t>(m), static_cast<uint8_t>(s),
                       static_cast<uint8_t>(c)};
    return true;
}

bool read_hex(const char* t, size_t n, BACnetOctetString* octets, bool* noMemory)
{
    if (n % 2) return false;
    for (size_t i = 0; i < n; ++i)
        if (hex_value(t[i]) < 0) return false;
    if (octets_allocate(octets, n / 2) != BACNAPI_S_OK || octets->length != n / 2) {
        *noMemory = true;
        return false;
    }
    for (size_t i = 0; i < n / 2; ++i)
        octets->data[i] = static_cast<uint8_t>(hex_value(t[2 * i]) << 4 | hex_value(t[2 * i + 1]));
    return true;
}

bool read_bits(const char* t, size_t n, BACnetBitString* bits, bool* noMemory)
{
    for (size_t i = 0; i < n; ++i)
        if (t[i] != '0' && t[i] != '1') return false;
    uint8_t* block = nullptr;
    if (n > 0) {
        block = static_cast<uint8_t*>(std::malloc(n));
        if (!block) {
            *noMemory = true;
            return false;
        }
        for (size_t i = 0; i < n; ++i) block[i] = static_cast<uint8_t>(t[i] == '1');
    }
    std::free(bits->bits);
    bits->bits = block;
    bits->bitCount = n;
    bits->usedCount = n;
    return true;
}

bool read_special_double(const char* t, size_t n, double* value)
{
    if (n == 3 && std::memcmp(t, "NaN", 3) == 0) *value = std::nan("");
    else if (n == 8 && std::memcmp(t, "Infinity", 8) == 0) *value = HUGE_VAL;
    else if (n == 9 && std::memcmp(t, "-Infinity", 9) == 0) *value = -HUGE_VAL;
    else return false;
    return true;
}

} // namespace bacnapi::json
