// The brace-text parser: a visitor that works on the destination side of a walk only. The walk
// functions say which field comes next and where it lives; each slot consumes the matching piece
// of text from one read position. Application slots end by moving the position to the next
// delimiter ("," or "}") without consuming it, so text between a literal and its delimiter is
// skipped; the structural slots consume "{", "}" and "," exactly at the position.
#include "brace/destination.h"
#include "brace/read_cursor.h"

#include "value/value_internal.h"
#include "walk/walk.h"

#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace bacnapi {

namespace {

struct ParserContext {
    const char* pos;       // read position; null once the text is used up
    uint32_t type;         // the type code asked for (not read by the slots)
    BACnetDataType* value; // the destination (not read by the slots)
    // Why and where reading stopped, for bacnapi_asn1_string_set_position: set by the slot that
    // fails (stop null: the text was used up), and the text around the last alternative number.
    const char* reason = nullptr;
    const char* stop = nullptr;
    const char* choiceStart = nullptr;
    const char* choiceEnd = nullptr;
    const char* end = nullptr; // the text's terminating NUL, once a slot needed it
    bool listCounted = false;  // the first list of the read has been counted ahead
};

const char*& pos_of(void* ctx) { return static_cast<ParserContext*>(ctx)->pos; }

// The end of the first token from p on that ends at "," "}" "{" or the end of the text. The text
// is measured the first time a token needs it, not before every read: most texts never need it.
const char* token_end(void* ctx, const char* p)
{
    auto* context = static_cast<ParserContext*>(ctx);
    if (!context->end) context->end = p + std::strlen(p);
    return token_end_with_brace(p, context->end);
}

// A slot's failure: remembers where (at) and why, and answers -1. Failing at the end of the text
// is always the text ending early, whatever the slot expected.
int32_t refuse(void* ctx, const char* at, const char* reason)
{
    auto* context = static_cast<ParserContext*>(ctx);
    context->stop = at;
    context->reason = at && *at ? reason : "text ended early";
    return BACNAPI_E_FAIL;
}

// The failure of a slot that found no text left, or no place to store its value.
int32_t refuse_missing(void* ctx, const char* p) { return refuse(ctx, p, "no place for the value"); }

// Moves the position to the first delimiter at or after from (null when there is none).
int32_t settle(void* ctx, const char* from)
{
    pos_of(ctx) = next_delimiter(from);
    return BACNAPI_S_OK;
}

// The end of the text from p on: the next delimiter, or the terminating NUL.
const char* field_limit(const char* p)
{
    const char* delimiter = next_delimiter(p);
    return delimiter ? delimiter : p + std::strlen(p);
}

int32_t parse_null(uint32_t, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p) return refuse_missing(ctx, p);
    return settle(ctx, p);
}

// ---- The usual forms -------------------------------------------------------------------------
//
// The writer puts dates, times and bit strings in one form each. Where the text
// holds exactly that form, closed right behind by its delimiter, it is read here in one step;
// the general scans below would read the same octets and stop at the same place. Anything else
// (blanks, stars, other widths, text before the delimiter) is left to the general scans.

bool is_delimiter(char c) { return c == ',' || c == '}'; }

// Two decimal digits at p, or -1.
int two_digits(const char* p)
{
    return is_digit(p[0]) && is_digit(p[1]) ? (p[0] - '0') * 10 + (p[1] - '0') : -1;
}

// "mm/dd/yyyy" then "," or "}": the date's octets and the delimiter, or null. The characters are
// looked at in order, none past the first that does not fit (the text may end there).
const char* usual_date(const char* p, BACnetDate* date)
{
    int month, day, century, year;
    if ((month = two_digits(p)) < 0 || p[2] != '/' || (day = two_digits(p + 3)) < 0 || p[5] != '/' ||
        (century = two_digits(p + 6)) < 0 || (year = two_digits(p + 8)) < 0 || !is_delimiter(p[10]))
        return nullptr;
    date->month = static_cast<uint8_t>(month);
    date->day = static_cast<uint8_t>(day);
    date->year = static_cast<uint8_t>(static_cast<uint32_t>(century * 100 + year) - 1900u);
    date->dayOfWeek = 255;
    return p + 10;
}

// "hh:mm ss.hh" then "," or "}": the time's octets and the delimiter, or null. Looked at in order,
// as a date is.
const char* usual_time(const char* p, BACnetTime* time)
{
    int hour, minute, second, hundredths;
    if ((hour = two_digits(p)) < 0 || p[2] != ':' || (minute = two_digits(p + 3)) < 0 || p[5] != ' ' ||
        (second = two_digits(p + 6)) < 0 || p[8] != '.' || (hundredths = two_digits(p + 9)) < 0 ||
        !is_delimiter(p[11]))
        return nullptr;
    time->hour = static_cast<uint8_t>(hour);
    time->minute = static_cast<uint8_t>(minute);
    time->second = static_cast<uint8_t>(second);
    time->hundredths = static_cast<uint8_t>(hundredths);
    return p + 11;
}

// A "%d" word: Unsigned, Signed and Enumerated store it whole.
int32_t parse_word(void* dest, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    int32_t number;
    const char* end = scan_decimal(p, 0, &number);
    if (!end) return refuse(ctx, p, "expected a number");
    std::memcpy(dest, &number, sizeof number);
    return settle(ctx, end);
}

int32_t parse_unsigned(uint32_t, void* dest, const void*, void* ctx) { return parse_word(dest, ctx); }

int32_t parse_enumerated(uint32_t, uint32_t, void* dest, const void*, void* ctx)
{
    return parse_word(dest, ctx);
}

int32_t parse_boolean(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    int32_t number;
    const char* end = scan_decimal(p, 0, &number);
    if (!end) return refuse(ctx, p, "expected a number");
    *static_cast<uint8_t*>(dest) = static_cast<uint8_t>(number);
    return settle(ctx, end);
}

int32_t parse_real(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    float number;
    if (!scan_float(p, &number)) return refuse(ctx, p, "expected a number");
    std::memcpy(dest, &number, sizeof number);
    return settle(ctx, p);
}

int32_t parse_double(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    double number;
    if (!scan_double(p, &number)) return refuse(ctx, p, "expected a number");
    std::memcpy(dest, &number, sizeof number);
    return settle(ctx, p);
}

// Hex digit pairs up to the first "," "}" or "{"; an odd last digit is ignored.
int32_t parse_octets(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    auto* octets = static_cast<BACnetOctetString*>(dest);
    const char* end = token_end(ctx, p);
    const uint64_t count = static_cast<uint64_t>(end - p) / 2;
    if (octets_allocate(octets, count) != BACNAPI_S_OK || octets->length != count)
        return refuse(ctx, p, "out of memory");
    // Octets after a pair that fails to convert stay zero rather than undefined.
    if (count) std::memset(octets->data, 0, count);
    // Each pair is scanned from character 2i, white space first skipped as sscanf does. The
    // first non-blank at or after a point is remembered, so a long run of blanks is crossed once.
    // Two hex digits right at their place, the usual text, read directly: the scan would read
    // them alike.
    const char* firstNonBlank = p;
    uint8_t* data = octets->data;
    for (uint64_t i = 0; i < count; ++i) {
        const char* at = p + 2 * i;
        if (firstNonBlank <= at) {
            const int high = hex_digit_value(at[0]);
            const int low = high >= 0 ? hex_digit_value(at[1]) : -1;
            if (low >= 0) {
                data[i] = static_cast<uint8_t>(high << 4 | low);
                firstNonBlank = at;
                continue;
            }
        }
        if (firstNonBlank < at) firstNonBlank = skip_scan_blanks(at);
        uint32_t number;
        if (!scan_hex(firstNonBlank, 2, &number)) return refuse(ctx, at, "expected two hex digits");
        data[i] = static_cast<uint8_t>(number);
    }
    return settle(ctx, end);
}

// The text up to the next delimiter, stored as UTF-8 with a counted terminator. A string can
// therefore hold neither "," nor "}".
int32_t parse_characters(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    auto* s = static_cast<BACnetCharacterString*>(dest);
    const char* delimiter = next_delimiter(p);
    const size_t n = static_cast<size_t>((delimiter ? delimiter : p + std::strlen(p)) - p);
    // Text the destination held before is released, never leaked.
    std::free(s->data);
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    if (n > 0) {
        char* text = static_cast<char*>(std::malloc(n + 1));
        if (!text) return refuse(ctx, p, "out of memory");
        std::memcpy(text, p, n);
        text[n] = '\0';
        s->data = text;
        s->length = n + 1;
    }
    pos_of(ctx) = delimiter;
    return BACNAPI_S_OK;
}

// One bit per character up to the first "," "}" or "{": "1" is a set bit, anything else clear.
int32_t parse_bits(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    auto* bits = static_cast<BACnetBitString*>(dest);
    if (bits->bitCount != 0) return refuse(ctx, p, "bit string already holds bits");
    // The usual short text (a few flags) is only "0" and "1" up to a delimiter: its end is found
    // on the way. A long one, or any other, is searched the blockwise way.
    size_t k = 0;
    while (k < 64 && (p[k] == '0' || p[k] == '1')) ++k;
    const char* end = p + k;
    if (!is_delimiter(*end) && *end != '{') end = token_end(ctx, end);
    const size_t n = static_cast<size_t>(end - p);
    uint8_t* block = nullptr;
    if (n > 0) {
        block = static_cast<uint8_t*>(std::malloc(n));
        if (!block) return refuse(ctx, p, "out of memory");
        for (size_t i = 0; i < n; ++i) block[i] = static_cast<uint8_t>(p[i] == '1');
    }
    if (bits->bits) std::free(bits->bits); // an empty bit string may still hold a block
    bits->bits = block;
    bits->bitCount = n;
    bits->usedCount = n;
    return settle(ctx, end);
}

// "*" (unspecified, 255) or a number of at most width characters. Returns the position after
// it, or null.
const char* scan_octet_or_star(const char* p, int width, int32_t* value)
{
    if (*p == '*') {
        *value = 255;
        return p + 1;
    }
    return scan_decimal(p, width, value);
}

// month/day/year, then optionally a blank and the day of week: "05/17/2024", "*/01/2024 *".
int32_t parse_date(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    auto* date = static_cast<BACnetDate*>(dest);
    if (const char* delimiter = usual_date(p, date)) {
        pos_of(ctx) = delimiter;
        return BACNAPI_S_OK;
    }
    int32_t number;

    const char* at = scan_octet_or_star(p, 2, &number);
    if (!at) return refuse(ctx, p, "expected a month or '*'");
    date->month = static_cast<uint8_t>(number);

    const char* slash = std::strchr(p, '/');
    if (!slash) return refuse(ctx, at, "expected '/' in date");
    at = scan_octet_or_star(slash + 1, 2, &number);
    if (!at) return refuse(ctx, slash + 1, "expected a day or '*'");
    date->day = static_cast<uint8_t>(number);

    slash = std::strchr(slash + 1, '/');
    if (!slash) return refuse(ctx, at, "expected '/' in date");
    if (slash[1] == '*') {
        date->year = 255;
        at = slash + 2;
    } else {
        at = scan_decimal(slash + 1, 4, &number);
        if (!at) return refuse(ctx, slash + 1, "expected a year or '*'");
        date->year = static_cast<uint8_t>(static_cast<uint32_t>(number) - 1900u);
    }

    date->dayOfWeek = 255;
    const char* limit = field_limit(at);
    const void* blank = std::memchr(at, ' ', static_cast<size_t>(limit - at));
    if (blank) {
        const char* b = static_cast<const char*>(blank);
        if (b[1] == '*') {
            at = b + 2;
        } else {
            at = scan_decimal(b, 2, &number);
            if (!at) return refuse(ctx, b + 1, "expected a day of week or '*'");
            date->dayOfWeek = static_cast<uint8_t>(number);
        }
    }
    return settle(ctx, at);
}

// hour:minute, then optionally a blank and the second, then optionally "." and the hundredths:
// "13:45 30.25". Parts that are not there leave their octets as they were.
int32_t parse_time(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    auto* time = static_cast<BACnetTime*>(dest);
    if (const char* delimiter = usual_time(p, time)) {
        pos_of(ctx) = delimiter;
        return BACNAPI_S_OK;
    }
    int32_t number;

    const char* at = scan_octet_or_star(p, 2, &number);
    if (!at) return refuse(ctx, p, "expected an hour or '*'");
    time->hour = static_cast<uint8_t>(number);

    const char* colon = std::strchr(p, ':');
    if (!colon) return refuse(ctx, at, "expected ':' in time");
    at = scan_octet_or_star(colon + 1, 2, &number);
    if (!at) return refuse(ctx, colon + 1, "expected a minute or '*'");
    time->minute = static_cast<uint8_t>(number);

    const char* limit = field_limit(at);
    const void* blank = std::memchr(at, ' ', static_cast<size_t>(limit - at));
    if (blank) {
        const char* b = static_cast<const char*>(blank);
        if (b[1] == '*') {
            time->second = 255;
            at = b + 2;
        } else {
            at = scan_decimal(b, 2, &number);
            if (!at) return refuse(ctx, b + 1, "expected a second or '*'");
            time->second = static_cast<uint8_t>(number);
        }
        const void* dot = std::memchr(b, '.', static_cast<size_t>(limit - b));
        if (dot) {
            const char* d = static_cast<const char*>(dot);
            at = scan_octet_or_star(d + 1, 2, &number);
            if (!at) return refuse(ctx, d + 1, "expected hundredths or '*'");
            time->hundredths = static_cast<uint8_t>(number);
        }
    }
    return settle(ctx, at);
}

// "type,instance": both numbers must convert.
int32_t parse_object_identifier(uint32_t, void* dest, const void*, void* ctx)
{
    const char* p = pos_of(ctx);
    if (!p || !dest) return refuse_missing(ctx, p);
    int32_t objectType;
    int32_t instance;
    const char* at = scan_decimal(p, 0, &objectType);
    if (!at) return refuse(ctx, p, "expected an object type");
    if (*at != ',') return refuse(ctx, at, "expected ','");
    if (!scan_decimal(at + 1, 0, &instance)) return refuse(ctx, at + 1, "expected an instance number");
    BACnetObjectIdentifier id{static_cast<uint32_t>(objectType), static_cast<uint32_t>(instance)};
    std::memcpy(dest, &id, sizeof id);
    // Past the comma between the two numbers, then on to the delimiter behind the instance.
    return settle(ctx, at + 1);
}

// A structural character must stand exactly at the position; it is consumed.
int32_t expect(void* ctx, char c)
{
    const char*& p = pos_of(ctx);
    if (!p || *p != c) return refuse(ctx, p, c == '{' ? "expected '{'" : c == '}' ? "expected '}'" : "expected ','");
    ++p;
    return BACNAPI_S_OK;
}

int32_t parse_open(uint32_t, int32_t, void* ctx) { return expect(ctx, '{'); }

int32_t parse_close(uint32_t, void* ctx) { return expect(ctx, '}'); }

int32_t parse_comma(void* ctx) { return expect(ctx, ','); }

// "N," before a choice's alternative; no number reads as alternative 0.
int32_t parse_choice(uint32_t, int32_t* alternative, const int32_t*, void* ctx)
{
    const char*& p = pos_of(ctx);
    if (!p || !alternative) return refuse_missing(ctx, p);
    int32_t number;
    const char* at = scan_decimal(p, 0, &number);
    *alternative = at ? number : 0;
    const char* delimiter = next_delimiter(at ? at : p);
    if (!delimiter || *delimiter != ',')
        return refuse(ctx, delimiter ? delimiter : p, "expected ',' after the alternative");
    auto* context = static_cast<ParserContext*>(ctx);
    context->choiceStart = p;
    context->choiceEnd = p = delimiter + 1;
    return BACNAPI_S_OK;
}

// "{" opens an element; anything else means the list has no element here and ends.
int32_t parse_element_open(uint32_t, uint32_t* more, void* ctx)
{
    const char*& p = pos_of(ctx);
    if (!p) return refuse_missing(ctx, p);
    if (*p == '{') ++p;
    else *more = 0;
    return BACNAPI_S_OK;
}

// "}" closes an element; unless a "," follows, it was the last one.
int32_t parse_element_close(uint32_t, uint32_t* more, void* ctx)
{
    const char*& p = pos_of(ctx);
    if (!p || *p != '}') return refuse(ctx, p, "expected '}'");
    ++p;
    if (*p != ',') *more = 0;
    return BACNAPI_S_OK;
}

// The number of elements of the list about to be read, so that its storage is allocated once.
// Only the first list of a read is counted: counting scans the list's text ahead of the reading,
// and the lists nested inside it would scan their text again at every level. Each element
// counted takes at least two characters of text, so a broken text asks for at most 16 bytes of
// element storage a character before its reading fails; a text that reads whole never gets more
// slots than elements.
uint32_t parse_count_elements(uint32_t, void* ctx)
{
    auto* context = static_cast<ParserContext*>(ctx);
    if (context->listCounted || !context->pos) return 0;
    context->listCounted = true;
    const uint64_t count = count_list_elements(context->pos);
    return count > UINT32_MAX ? 0 : static_cast<uint32_t>(count);
}

// ---- Lists of application values in bulk --------------------------------------------------

// A decimal in its usual form ([-+]digits, as "%d" stores it: modulo 2^32) at p, or null.
const char* plain_decimal(const char* p, uint32_t* value)
{
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    const char* digits = p;
    uint32_t number = 0;
    for (; is_digit(*p); ++p) number = number * 10u + static_cast<uint32_t>(*p - '0');
    if (p == digits) return nullptr;
    *value = negative ? 0u - number : number;
    return p;
}

// One element's literal of type `type` in its usual form, stored in the element's payload; the position after
// it, or null when the literal has any other form (blanks, text the usual reading would skip):
// the usual walk reads that element.
const char* plain_literal(int32_t type, const char* p, BACnetDataType& element)
{
    uint32_t word;
    switch (type) {
    case BACNAPI_TYPE_Boolean:
        p = plain_decimal(p, &word);
        if (p) element.payload.boolean = static_cast<uint8_t>(word);
        return p;
    case BACNAPI_TYPE_Unsigned:
    case BACNAPI_TYPE_Signed:
    case BACNAPI_TYPE_Enumerated:
        p = plain_decimal(p, &word);
        if (p) element.payload.unsignedValue = word;
        return p;
    case BACNAPI_TYPE_Real: return scan_short_float(p, &element.payload.real);
    case BACNAPI_TYPE_ObjectIdentifier: {
        BACnetObjectIdentifier id;
        p = plain_decimal(p, &id.objectType);
        if (!p || *p != ',') return nullptr;
        p = plain_decimal(p + 1, &id.instance);
        if (p) element.payload.objectIdentifier = id;
        return p;
    }
    default: return nullptr;
    }
}

// Elements "{literal}" one after another, each taken into the list's next free slot, as long as
// each literal has its usual form and is closed right behind it. The text is consumed as the
// walk's slots would consume it: "{", the literal, "}" and the "," of a following element; so
// the walk goes on from where this stops, at the element it reads itself or after the list's last
// element.
uint32_t parse_elements(uint32_t, int32_t type, BACnetValueList* list, uint32_t* more, void* ctx)
{
    const char*& position = pos_of(ctx);
    const char* p = position;
    if (!p || !list->elements) return 0;
    uint32_t read = 0;
    while (list->count < list->capacity && *p == '{') {
        BACnetDataType element{};
        const char* end = plain_literal(type, p + 1, element);
        if (!end || *end != '}') break;
        element.type = type;
        list->elements[list->count++] = element;
        ++read;
        p = end + 1;
        if (*p != ',') {
            *more = 0;
            break;
        }
        ++p;
    }
    position = p;
    return read;
}

// A nested value that was empty when written reads "null": the nested value is made empty
// again and the field's own text is not expected. Any other text reads as the field's type.
int32_t parse_filter(const BACnetFieldCursor* field, void* ctx)
{
    if (field->kind != kFieldSingle || field->recordOwned != 1 || !field->destContainer) return 0;
    const char*& p = pos_of(ctx);
    if (!p || std::strncmp(p, "null", 4) != 0) return 0;
    const char after = p[4];
    if (after != '\0' && after != ',' && after != '}') return 0;
    clear_value(static_cast<BACnetDataType*>(field->destContainer));
    p = after ? p + 4 : nullptr;
    return 1;
}

constexpr BACnetVisitor kParser = {
    .visitNull = parse_null,
    .visitBoolean = parse_boolean,
    .visitUnsigned = parse_unsigned,
    .visitSigned = parse_unsigned,
    .visitReal = parse_real,
    .visitDouble = parse_double,
    .visitOctetString = parse_octets,
    .visitCharacterString = parse_characters,
    .visitBitString = parse_bits,
    .visitEnumerated = parse_enumerated,
    .visitDate = parse_date,
    .visitTime = parse_time,
    .visitObjectIdentifier = parse_object_identifier,
    .beginConstructed = parse_open,
    .endConstructed = parse_close,
    .betweenFields = parse_comma,
    .chooseAlternative = parse_choice,
    .beginElement = parse_element_open,
    .endElement = parse_element_close,
    .filterField = parse_filter,
    .countElements = parse_count_elements,
    .readElements = parse_elements,
};

// Runs the numeric scans of this thread in the "C" locale while it lives, so that a host's
// locale with a decimal comma cannot change how "1.5" reads (the writer always writes '.').
class CNumericLocale {
public:
    CNumericLocale() : c_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr)))
    {
        if (c_) previous_ = uselocale(c_);
    }
    ~CNumericLocale()
    {
        if (!c_) return;
        uselocale(previous_);
        freelocale(c_);
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t c_;
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

} // namespace

} // namespace bacnapi

namespace bacnapi {

namespace {

// The one reading road of both exports: binds value as type and walks the text into it.
int32_t read_brace_text(BACnetDataType* value, int32_t type, ParserContext& context)
{
    if (!value) return BACNAPI_WALK_E_REFUSED;
    // A null text is a text already used up: the value is bound as usual and its first piece fails.
    prepare_destination(value, type);
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    const int32_t status = bind_cursor(&cursor, nullptr, type, value, type);
    if (status != 0) return status;
    CNumericLocale locale;
    return walk_value(&cursor, &context, &kParser);
}

// True when the walk was refused right after an alternative number: the choice has no such
// alternative.
bool refused_alternative(int32_t status, const ParserContext& context)
{
    return status == BACNAPI_WALK_E_NODESCRIPTOR && context.choiceEnd && context.pos == context.choiceEnd;
}

// Why reading stopped when no slot said so: the walker's own refusals.
const char* walker_reason(int32_t status, const ParserContext& context)
{
    if (status == BACNAPI_WALK_E_NOMEMORY) return "out of memory";
    if (refused_alternative(status, context)) return "alternative not in the choice";
    if (status == BACNAPI_WALK_E_NODESCRIPTOR) return "type has no brace text";
    return "value refused";
}

} // namespace

} // namespace bacnapi

extern "C" BACNAPI_API int32_t bacnapi_asn1_string_set(BACnetDataType* value, const char* text, int32_t type)
{
    using namespace bacnapi;
    ParserContext context{text, static_cast<uint32_t>(type), value};
    return read_brace_text(value, type, context);
}

extern "C" BACNAPI_API int32_t bacnapi_asn1_string_set_position(BACnetDataType* value, const char* text,
                                                               int32_t type, uint64_t* offset, const char** reason)
{
    using namespace bacnapi;
    ParserContext context{text, static_cast<uint32_t>(type), value};
    const int32_t status = read_brace_text(value, type, context);
    uint64_t where = 0;
    const char* why = nullptr;
    if (status != BACNAPI_S_OK) {
        if (context.reason) {
            why = context.reason;
            const char* stop = context.stop ? context.stop : (text ? text + std::strlen(text) : nullptr);
            where = stop ? static_cast<uint64_t>(stop - text) : 0;
        } else {
            why = walker_reason(status, context);
            const char* at = refused_alternative(status, context) ? context.choiceStart : context.pos;
            if (!at && text) at = text + std::strlen(text);
            where = at && text ? static_cast<uint64_t>(at - text) : 0;
        }
    }
    if (offset) *offset = where;
    if (reason) *reason = why;
    return status;
}
