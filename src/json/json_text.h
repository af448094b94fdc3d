// The JSON spelling of application values, shared by the writer and the reader: appending each
// value's text to a sink, and reading the string forms (dates, times, hex, bits, numbers) back.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstddef>
#include <cstdint>

namespace bacnapi {
class TextSink;
}

namespace bacnapi::json {

// The enumeration of property identifiers: Enumerated fields with it print standard names.
inline constexpr uint32_t kPropertyIdentifierEnum = 49;

// Appending; each answers 0 or BACNAPI_E_FAIL (the sink refused).
int32_t append_json_string(TextSink& sink, const char* text, size_t n);
int32_t append_json_string(TextSink& sink, const char* text);
int32_t append_uint(TextSink& sink, uint32_t value);
int32_t append_int(TextSink& sink, int32_t value);
// An integer when |value| <= 2^53 (a double holds it exactly), else a decimal string.
int32_t append_int64(TextSink& sink, int64_t value);
// Shortest decimal that reads back to the same bits; "NaN", "Infinity", "-Infinity" as strings.
int32_t append_float(TextSink& sink, float value);
int32_t append_double(TextSink& sink, double value);
int32_t append_hex_string(TextSink& sink, const BACnetOctetString& octets);
int32_t append_bit_string(TextSink& sink, const BACnetBitString& bits);
int32_t append_character_string(TextSink& sink, const BACnetCharacterString& s);
int32_t append_date(TextSink& sink, const BACnetDate& date);
int32_t append_time(TextSink& sink, const BACnetTime& time);

// The offset of the first byte at which the n bytes at text stop being well-formed UTF-8, or n.
size_t utf8_valid_prefix(const char* text, size_t n);
// True when the n bytes at text are well-formed UTF-8.
inline bool is_utf8(const char* text, size_t n) { return utf8_valid_prefix(text, n) == n; }

// The character-set names of the object form ("dbcs", ...); null for UTF-8 and unknown sets.
const char* charset_name(uint8_t set);
// The set of a name, or -1.
int charset_of(const char* name, size_t n);

// Reading the string forms back. Each answers false when the text is not exactly that form.
bool read_date_string(const char* text, size_t n, BACnetDate* date);
bool read_time_string(const char* text, size_t n, BACnetTime* time);
bool read_hex(const char* text, size_t n, BACnetOctetString* octets, bool* noMemory);
bool read_bits(const char* text, size_t n, BACnetBitString* bits, bool* noMemory);
// The special values "NaN", "Infinity", "-Infinity"; false for any other text.
bool read_special_double(const char* text, size_t n, double* value);
// The real weekday (1 Monday .. 7 Sunday) of a date given as year, month 1..12, day.
int weekday_of(int year, int month, int day);
int days_in_month(int year, int month);

} // namespace bacnapi::json
