// The brace-text writer: a visitor that reads the source side of a walk and appends the compact
// text of each value to the caller's text. Application values become short literals; the engine
// supplies the braces and commas of constructed values through the structural slots.
#include "text/number_format.h"
#include "text/text_sink.h"

#include "charset/charstring.h"
#include "value/list_types.h"
#include "walk/walk.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

// The sink lives in the context itself: a slot reaches the text with one load less.
struct WriterContext {
    TextSink sink;
    const BACnetDataType* value; // the value being written (not read by the slots)
};

TextSink& sink_of(void* ctx) { return static_cast<WriterContext*>(ctx)->sink; }

int32_t put(void* ctx, const char* text, size_t n) { return sink_of(ctx).append(text, n); }

// The braces and commas between the values.
int32_t put_char(void* ctx, char c) { return sink_of(ctx).append_char(c); }

// ---- Plain values: literals of bounded length, formatted straight into the text's room ------

// One date or time octet: "*" when unspecified (255), else zero-padded to width.
size_t octet_or_star(char* out, uint8_t octet, int width)
{
    if (octet == 255) {
        *out = '*';
        return 1;
    }
    if (width == 2 && octet < 100) { // every field of a time, the month and the day
        out[0] = static_cast<char>('0' + octet / 10);
        out[1] = static_cast<char>('0' + octet % 10);
        return 2;
    }
    return format_int_padded(out, octet, width);
}

size_t format_null(char* out, const void*)
{
    std::memcpy(out, "null", 4);
    return 4;
}

size_t format_boolean(char* out, const void* src) { return format_int(out, *static_cast<const uint8_t*>(src)); }

// Unsigned, Signed, Enumerated: the 32-bit word as a signed decimal (an Unsigned of 2^31 or more
// is therefore negative in the text).
size_t format_word(char* out, const void* src)
{
    int32_t word;
    std::memcpy(&word, src, sizeof word);
    return format_int(out, word);
}

// Real: widened to double and rounded to five decimals (half up, so -0.000005 gives 0).
size_t format_real(char* out, const void* src)
{
    float f;
    std::memcpy(&f, src, sizeof f);
    return format_real_five_decimals(out, f);
}

size_t format_double(char* out, const void* src)
{
    double d;
    std::memcpy(&d, src, sizeof d);
    return format_fixed6(out, d);
}

// Month/day/year, and the day of week only when the date is not fully given:
// "05/17/2024", "*/01/2024 *", "05/17/* 5".
size_t format_date(char* out, const void* src)
{
    BACnetDate d;
    std::memcpy(&d, src, sizeof d);
    size_t n = octet_or_star(out, d.month, 2);
    out[n++] = '/';
    n += octet_or_star(out + n, d.day, 2);
    out[n++] = '/';
    if (d.year == 255) {
        out[n++] = '*';
    } else {
        // 1900 .. 2154: always four digits.
        const unsigned year = d.year + 1900u;
        out[n] = static_cast<char>('0' + year / 1000);
        out[n + 1] = static_cast<char>('0' + year / 100 % 10);
        out[n + 2] = static_cast<char>('0' + year / 10 % 10);
        out[n + 3] = static_cast<char>('0' + year % 10);
        n += 4;
    }
    if (d.month == 255 || d.day == 255 || d.year == 255) {
        out[n++] = ' ';
        n += octet_or_star(out + n, d.dayOfWeek, 1);
    }
    return n;
}

// The two digits of every number below 100, side by side.
constexpr struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text()
    {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = static_cast<char>('0' + i / 10);
            text[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
    }
} kDigitPairs;

// Hour:minute, a blank, second.hundredths: "13:45 30.25", "*:* *.*".
size_t format_time(char* out, const void* src)
{
    BACnetTime t;
    std::memcpy(&t, src, sizeof t);
    if (t.hour < 100 && t.minute < 100 && t.second < 100 && t.hundredths < 100) {
        // Every octet given and below 100, the usual time: eleven characters, no choices.
        std::memcpy(out, &kDigitPairs.text[2 * t.hour], 2);
        out[2] = ':';
        std::memcpy(out + 3, &kDigitPairs.text[2 * t.minute], 2);
        out[5] = ' ';
        std::memcpy(out + 6, &kDigitPairs.text[2 * t.second], 2);
        out[8] = '.';
        std::memcpy(out + 9, &kDigitPairs.text[2 * t.hundredths], 2);
        return 11;
    }
    size_t n = octet_or_star(out, t.hour, 2);
    out[n++] = ':';
    n += octet_or_star(out + n, t.minute, 2);
    out[n++] = ' ';
    n += octet_or_star(out + n, t.second, 2);
    out[n++] = '.';
    n += octet_or_star(out + n, t.hundredths, 2);
    return n;
}

// "type,instance".
size_t format_object_identifier(char* out, const void* src)
{
    BACnetObjectIdentifier id;
    std::memcpy(&id, src, sizeof id);
    size_t n = format_int(out, static_cast<int32_t>(id.objectType));
    out[n++] = ',';
    return n + format_int(out + n, static_cast<int32_t>(id.instance));
}

// How a plain value is formatted, and the most characters it can take.
struct PlainFormat {
    size_t (*format)(char* out, const void* src);
    size_t most;
};

// Indexed by type code; no format for the strings, whose length has no bound.
constexpr PlainFormat kPlainFormats[BACNAPI_TYPE_ObjectIdentifier + 1] = {
    {format_null, 4},
    {format_boolean, kIntTextMax},
    {format_word, kIntTextMax},
    {format_word, kIntTextMax},
    {format_real, kFixedTextMax},
    {format_double, kFixedTextMax},
    {nullptr, 0},
    {nullptr, 0},
    {nullptr, 0},
    {format_word, kIntTextMax},
    {format_date, 32},
    {format_time, 32},
    {format_object_identifier, 2 * kIntTextMax + 1},
};

const PlainFormat* plain_format(int32_t type)
{
    if (type < 0 || type > BACNAPI_TYPE_ObjectIdentifier || !kPlainFormats[type].format) return nullptr;
    return &kPlainFormats[type];
}

int32_t put_plain(void* ctx, const void* src, int32_t type)
{
    if (!src) return BACNAPI_E_FAIL;
    const PlainFormat& f = kPlainFormats[type];
    TextSink& sink = sink_of(ctx);
    char* out = sink.room(f.most);
    if (!out) return BACNAPI_E_FAIL;
    sink.commit(f.format(out, src));
    return BACNAPI_S_OK;
}

// The slot of every plain type but Null and Enumerated, whose slots differ in shape.
template <int32_t Type>
int32_t write_plain(uint32_t, void*, const void* src, void* ctx)
{
    return put_plain(ctx, src, Type);
}

int32_t write_null(uint32_t, void* ctx) { return put(ctx, "null", 4); }

int32_t write_enumerated(uint32_t, uint32_t, void*, const void* src, void* ctx)
{
    return put_plain(ctx, src, BACNAPI_TYPE_Enumerated);
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

int32_t write_open(uint32_t, int32_t, void* ctx) { return put_char(ctx, '{'); }

int32_t write_close(uint32_t, void* ctx) { return put_char(ctx, '}'); }

int32_t write_comma(void* ctx) { return put_char(ctx, ','); }

// A choice is written as its alternative number and a comma, then the alternative's text.
int32_t write_choice(uint32_t, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    if (!alternative || !recorded) return BACNAPI_E_FAIL;
    *alternative = *recorded;
    TextSink& sink = sink_of(ctx);
    char* out = sink.room(kIntTextMax + 1);
    if (!out) return BACNAPI_E_FAIL;
    size_t n = format_int(out, *recorded);
    out[n++] = ',';
    sink.commit(n);
    return BACNAPI_S_OK;
}

int32_t write_element_open(uint32_t, uint32_t*, void* ctx) { return put_char(ctx, '{'); }

int32_t write_element_close(uint32_t, uint32_t*, void* ctx) { return put_char(ctx, '}'); }

constexpr BACnetVisitor kWriter = {
    .visitNull = write_null,
    .visitBoolean = write_plain<BACNAPI_TYPE_Boolean>,
    .visitUnsigned = write_plain<BACNAPI_TYPE_Unsigned>,
    .visitSigned = write_plain<BACNAPI_TYPE_Signed>,
    .visitReal = write_plain<BACNAPI_TYPE_Real>,
    .visitDouble = write_plain<BACNAPI_TYPE_Double>,
    .visitOctetString = write_octets,
    .visitCharacterString = write_characters,
    .visitBitString = write_bits,
    .visitEnumerated = write_enumerated,
    .visitDate = write_plain<BACNAPI_TYPE_Date>,
    .visitTime = write_plain<BACNAPI_TYPE_Time>,
    .visitObjectIdentifier = write_plain<BACNAPI_TYPE_ObjectIdentifier>,
    .beginConstructed = write_open,
    .endConstructed = write_close,
    .betweenFields = write_comma,
    .chooseAlternative = write_choice,
    .beginElement = write_element_open,
    .endElement = write_element_close,
};

// A list of plain values, the bulk of what hosts store, is written in one loop rather than a walk
// with four slot calls per element: "{", then "{v}" for each element with "," between, then "}",
// the bytes the walk writes. It answers false, with the text as it was, for a list it cannot write
// whole (counters past the array, an element of another type, a heap refusal); the walk then
// writes that list and reports what is wrong with it as usual.
bool write_plain_list(TextSink& sink, const BACnetValueList* list, int32_t elementType)
{
    const PlainFormat* f = plain_format(elementType);
    if (!f || !list || list->count > list->capacity || (list->count != 0 && !list->elements)) return false;
    const size_t start = sink.length();
    char* out = sink.room(1);
    if (!out) return false;
    *out = '{';
    sink.commit(1);
    for (uint32_t i = 0; i < list->count; ++i) {
        const BACnetDataType& element = list->elements[i];
        out = element.type == elementType ? sink.room(f->most + 3) : nullptr;
        if (!out) {
            sink.truncate(start);
            return false;
        }
        size_t n = 0;
        if (i != 0) out[n++] = ',';
        out[n++] = '{';
        n += f->format(out + n, &element.payload);
        out[n++] = '}';
        sink.commit(n);
    }
    out = sink.room(1);
    if (!out) {
        sink.truncate(start);
        return false;
    }
    *out = '}';
    sink.commit(1);
    return true;
}

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
    WriterContext context{TextSink(text), value};
    if (is_list_type(type) && write_plain_list(context.sink, value->payload.list, list_element_type(type))) {
        context.sink.finish();
        return BACNAPI_S_OK;
    }
    status = walk_value(&cursor, &context, &kWriter);
    context.sink.finish();
    return status;
}
