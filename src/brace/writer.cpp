// The brace-text writer: a visitor that reads the source side of a walk and appends the compact
// text of each value to the caller's text. Application values become short literals; the engine
// supplies the braces and commas of constructed values through the structural slots.
#include "text/number_format.h"
#include "text/text_sink.h"

#include "../charset/charstring.h"
#include "../walk/walk.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

struct WriterContext {
    const BACnetDataType* value; // the value being written (not read by the slots)
    TextSink* sink;
};

TextSink& sink_of(void* ctx) { return *static_cast<WriterContext*>(ctx)->sink; }

int32_t put(void* ctx, const char* text, size_t n) { return sink_of(ctx).append(text, n); }

// Numbers are formatted straight into the text's room.
int32_t put_int(void* ctx, int32_t value)
{
    TextSink& sink = sink_of(ctx);
    char* out = sink.room(kIntTextMax);
    if (!out) return BACNAPI_E_FAIL;
    sink.commit(format_int(out, value));
    return BACNAPI_S_OK;
}

int32_t put_word(void* ctx, const void* src)
{
    if (!src) return BACNAPI_E_FAIL;
    int32_t word;
    std::memcpy(&word, src, sizeof word);
    return put_int(ctx, word);
}

int32_t put_fixed(void* ctx, double value)
{
    TextSink& sink = sink_of(ctx);
    char* out = sink.room(kFixedTextMax);
    if (!out) return BACNAPI_E_FAIL;
    sink.commit(format_fixed6(out, value));
    return BACNAPI_S_OK;
}

// One date or time octet: "*" when unspecified (255), else zero-padded to width.
size_t octet_or_star(char* out, uint8_t octet, int width)
{
    if (octet == 255) {
        *out = '*';
        return 1;
    }
    return format_int_padded(out, octet, width);
}

int32_t write_null(uint32_t, void* ctx) { return put(ctx, "null", 4); }

int32_t write_boolean(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    return put_int(ctx, *static_cast<const uint8_t*>(src));
}

// Unsigned, Signed: the 32-bit word as a signed decimal (an Unsigned of 2^31 or more is
// therefore negative in the text).
int32_t write_word(uint32_t, void*, const void* src, void* ctx) { return put_word(ctx, src); }

int32_t write_enumerated(uint32_t, uint32_t, void*, const void* src, void* ctx)
{
    return put_word(ctx, src);
}

// Real: widened to double and rounded to five decimals (half up, so -0.000005 gives 0).
int32_t write_real(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    float f;
    std::memcpy(&f, src, sizeof f);
    return put_fixed(ctx, round_five_decimals(f));
}

int32_t write_double(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    double d;
    std::memcpy(&d, src, sizeof d);
    return put_fixed(ctx, d);
}

// Octet and bit strings know their text's size: the room is made once, exactly, and the digits
// are written straight into it.
int32_t write_octets(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    const auto* octets = static_cast<const BACnetOctetString*>(src);
    if (!octets->data) return BACNAPI_S_OK;
    if (octets->length > SIZE_MAX / 2) return BACNAPI_E_FAIL;
    const size_t n = static_cast<size_t>(octets->length);
    TextSink& sink = sink_of(ctx);
    if (sink.reserve(2 * n) != BACNAPI_S_OK) return BACNAPI_E_FAIL;
    char* out = sink.extend(2 * n);
    if (!out) return BACNAPI_E_FAIL;
    const uint8_t* data = octets->data; // held locally: the text's bytes may alias the record
    for (size_t i = 0; i < n; ++i) out += format_hex_octet(out, data[i]);
    return BACNAPI_S_OK;
}

int32_t write_bits(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    const auto* bits = static_cast<const BACnetBitString*>(src);
    if (!bits->bits) return BACNAPI_S_OK;
    if (bits->bitCount > SIZE_MAX / 2) return BACNAPI_E_FAIL;
    const size_t n = static_cast<size_t>(bits->bitCount);
    TextSink& sink = sink_of(ctx);
    if (sink.reserve(n) != BACNAPI_S_OK) return BACNAPI_E_FAIL;
    char* out = sink.extend(n);
    if (!out) return BACNAPI_E_FAIL;
    const uint8_t* set = bits->bits; // held locally: the text's bytes may alias the record
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>('0' + (set[i] != 0));
    return BACNAPI_S_OK;
}

// The text of a character string ends at its first NUL or at its stored length, whichever comes
// first (the stored length may or may not count a terminator).
size_t text_length(const BACnetCharacterString* s)
{
    const void* nul = std::memchr(s->data, '\0', s->length);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - s->data) : s->length;
}

// UTF-8 and ISO 8859-1 text is appended as stored; every other character set is converted to
// UTF-8 first. Nothing is escaped.
int32_t write_characters(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    const auto* s = static_cast<const BACnetCharacterString*>(src);
    if (!s->data) return BACNAPI_S_OK;
    if (s->characterSet == BACNAPI_CHARSET_UTF8 || s->characterSet == BACNAPI_CHARSET_ISO8859_1)
        return put(ctx, s->data, text_length(s));
    BACnetCharacterString converted{};
    if (charstring_convert(s, &converted, BACNAPI_CHARSET_UTF8, 0) != 0 || !converted.data) {
        std::free(converted.data);
        return BACNAPI_E_FAIL;
    }
    const int32_t status = put(ctx, converted.data, text_length(&converted));
    std::free(converted.data);
    return status;
}

// Month/day/year, and the day of week only when the date is not fully given:
// "05/17/2024", "*/01/2024 *", "05/17/* 5".
int32_t write_date(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    BACnetDate d;
    std::memcpy(&d, src, sizeof d);
    TextSink& sink = sink_of(ctx);
    char* buf = sink.room(32);
    if (!buf) return BACNAPI_E_FAIL;
    size_t n = octet_or_star(buf, d.month, 2);
    buf[n++] = '/';
    n += octet_or_star(buf + n, d.day, 2);
    buf[n++] = '/';
    if (d.year == 255) buf[n++] = '*';
    else n += format_int_padded(buf + n, d.year + 1900, 4);
    if (d.month == 255 || d.day == 255 || d.year == 255) {
        buf[n++] = ' ';
        n += octet_or_star(buf + n, d.dayOfWeek, 1);
    }
    sink.commit(n);
    return BACNAPI_S_OK;
}

// Hour:minute, a blank, second.hundredths: "13:45 30.25", "*:* *.*".
int32_t write_time(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    BACnetTime t;
    std::memcpy(&t, src, sizeof t);
    TextSink& sink = sink_of(ctx);
    char* buf = sink.room(32);
    if (!buf) return BACNAPI_E_FAIL;
    size_t n = octet_or_star(buf, t.hour, 2);
    buf[n++] = ':';
    n += octet_or_star(buf + n, t.minute, 2);
    buf[n++] = ' ';
    n += octet_or_star(buf + n, t.second, 2);
    buf[n++] = '.';
    n += octet_or_star(buf + n, t.hundredths, 2);
    sink.commit(n);
    return BACNAPI_S_OK;
}

int32_t write_object_identifier(uint32_t, void*, const void* src, void* ctx)
{
    if (!src) return BACNAPI_E_FAIL;
    BACnetObjectIdentifier id;
    std::memcpy(&id, src, sizeof id);
    char buf[2 * kIntTextMax + 1];
    size_t n = format_int(buf, static_cast<int32_t>(id.objectType));
    buf[n++] = ',';
    n += format_int(buf + n, static_cast<int32_t>(id.instance));
    return put(ctx, buf, n);
}

int32_t write_open(uint32_t, int32_t, void* ctx) { return put(ctx, "{", 1); }

int32_t write_close(uint32_t, void* ctx) { return put(ctx, "}", 1); }

int32_t write_comma(void* ctx) { return put(ctx, ",", 1); }

// A choice is written as its alternative number and a comma, then the alternative's text.
int32_t write_choice(uint32_t, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    if (!alternative || !recorded) return BACNAPI_E_FAIL;
    *alternative = *recorded;
    char buf[kIntTextMax + 1];
    size_t n = format_int(buf, *recorded);
    buf[n++] = ',';
    return put(ctx, buf, n);
}

int32_t write_element_open(uint32_t, uint32_t*, void* ctx)
{
    return put(ctx, "{", 1);
}

int32_t write_element_close(uint32_t, uint32_t*, void* ctx)
{
    return put(ctx, "}", 1);
}

constexpr BACnetVisitor kWriter = {
    .visitNull = write_null,
    .visitBoolean = write_boolean,
    .visitUnsigned = write_word,
    .visitSigned = write_word,
    .visitReal = write_real,
    .visitDouble = write_double,
    .visitOctetString = write_octets,
    .visitCharacterString = write_characters,
    .visitBitString = write_bits,
    .visitEnumerated = write_enumerated,
    .visitDate = write_date,
    .visitTime = write_time,
    .visitObjectIdentifier = write_object_identifier,
    .beginConstructed = write_open,
    .endConstructed = write_close,
    .betweenFields = write_comma,
    .chooseAlternative = write_choice,
    .beginElement = write_element_open,
    .endElement = write_element_close,
};

} // namespace

} // namespace bacnapi

extern "C" BACNAPI_API int32_t bacnapi_asn1_string_get(char** text, const BACnetDataType* value)
{
    using namespace bacnapi;
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    const int32_t type = value ? value->type : 0;
    int32_t status = bind_cursor(&cursor, value, type, nullptr, type);
    if (status != 0) return status;
    // Without a text pointer every piece fails to append; a value with nothing to write succeeds.
    TextSink sink(text);
    WriterContext context{value, &sink};
    status = walk_value(&cursor, &context, &kWriter);
    sink.finish();
    return status;
}
