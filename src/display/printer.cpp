// The generic half of the display-text printer: one routine that prints any form of the
// catalogue, and the printing of each kind of field. Per-type knowledge lives in the form
// tables, not here.
#include "display/form.h"

#include "charset/charstring.h"
#include "text/number_format.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi::display {

namespace {

template <class T>
T load(const uint8_t* field)
{
    T out;
    std::memcpy(&out, field, sizeof out);
    return out;
}

// Pieces of at most this many bytes are built on the stack and appended in one go.
constexpr size_t kChunk = 256;

int32_t print_octets(Printer& p, const BACnetOctetString& s)
{
    if (s.length == 0) return BACNAPI_S_OK;
    if (!s.data) return BACNAPI_E_FAIL; // a length without octets behind it
    char buf[kChunk];
    size_t used = 0;
    for (uint64_t i = 0; i < s.length; ++i) {
        used += format_hex_octet(buf + used, s.data[i]);
        if (used + 2 > kChunk) {
            if (p.put(buf, used) != 0) return BACNAPI_E_FAIL;
            used = 0;
        }
    }
    return p.put(buf, used);
}

int32_t print_bits(Printer& p, const BACnetBitString& s)
{
    if (s.bitCount == 0) return BACNAPI_S_OK;
    if (!s.bits) return BACNAPI_E_FAIL; // a count without bits behind it
    char buf[kChunk];
    size_t used = 0;
    for (uint64_t i = 0; i < s.bitCount; ++i) {
        buf[used++] = s.bits[i] ? '1' : '0';
        if (used == kChunk) {
            if (p.put(buf, used) != 0) return BACNAPI_E_FAIL;
            used = 0;
        }
    }
    return p.put(buf, used);
}

// The text of a string ends at its first NUL or at its stored length, whichever comes first
// (the stored length may or may not count a terminator).
size_t text_length(const BACnetCharacterString& s)
{
    const void* nul = std::memchr(s.data, '\0', s.length);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - s.data) : s.length;
}

// UTF-8 text is printed as stored; every other character set is converted to UTF-8 first, into
// a temporary that is released again. A string without bytes prints nothing in any set.
int32_t print_characters(Printer& p, const BACnetCharacterString& s)
{
    if (s.length == 0 || !s.data) return BACNAPI_S_OK;
    if (s.characterSet == BACNAPI_CHARSET_UTF8) return p.put(s.data, text_length(s));
    BACnetCharacterString converted{};
    if (charstring_convert(&s, &converted, BACNAPI_CHARSET_UTF8, 0) != 0) {
        std::free(converted.data);
        return BACNAPI_E_FAIL;
    }
    const int32_t status = converted.data ? p.put(converted.data, text_length(converted)) : BACNAPI_S_OK;
    std::free(converted.data);
    return status;
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

// Month/day/year, each "*" when unspecified; the day of week is not shown.
int32_t print_date(Printer& p, const BACnetDate& d)
{
    char buf[32];
    size_t n = octet_or_star(buf, d.month, 2);
    buf[n++] = '/';
    n += octet_or_star(buf + n, d.day, 2);
    buf[n++] = '/';
    if (d.year == 255) buf[n++] = '*';
    else n += format_int_padded(buf + n, d.year + 1900, 4);
    return p.put(buf, n);
}

// Hour:minute:seconds. The seconds are second + hundredths / 100 in single precision with two
// decimals and no padding ("9.50"), as "%02.2f" gives. Unspecified hundredths (255) would add
// 2.55 seconds that nobody stored, so the whole seconds are shown with "*" for the fraction.
int32_t print_time(Printer& p, const BACnetTime& t)
{
    char buf[kFixedTextMax + 16];
    size_t n = octet_or_star(buf, t.hour, 2);
    buf[n++] = ':';
    n += octet_or_star(buf + n, t.minute, 2);
    buf[n++] = ':';
    if (t.second == 255) {
        buf[n++] = '*';
    } else if (t.hundredths == 255) {
        n += format_int(buf + n, t.second);
        buf[n++] = '.';
        buf[n++] = '*';
    } else {
        const float seconds = static_cast<float>(t.second) + static_cast<float>(t.hundredths) / 100.0f;
        n += format_fixed(buf + n, static_cast<double>(seconds), 2);
    }
    return p.put(buf, n);
}

int32_t print_object_id(Printer& p, const BACnetObjectIdentifier& id)
{
    char buf[2 * kIntTextMax + 1];
    size_t n = format_int(buf, static_cast<int32_t>(id.objectType));
    buf[n++] = ',';
    n += format_int(buf + n, static_cast<int32_t>(id.instance));
    return p.put(buf, n);
}

int32_t print_fixed(Printer& p, double value)
{
    char buf[kFixedTextMax];
    return p.put(buf, format_fixed6(buf, value));
}

int32_t print_field(Printer& p, const Item& item, const uint8_t* field)
{
    switch (item.kind) {
    case Kind::Literal: return BACNAPI_S_OK;
    case Kind::Word: return p.put_int(load<int32_t>(field));
    case Kind::Octet: return p.put_int(load<uint8_t>(field));
    case Kind::YesNo: return p.put(load<uint8_t>(field) ? "Y" : "N", 1);
    case Kind::Real: return print_fixed(p, round_five_decimals(load<float>(field)));
    case Kind::Double: return print_fixed(p, load<double>(field));
    case Kind::Octets: return print_octets(p, load<BACnetOctetString>(field));
    case Kind::Characters: return print_characters(p, load<BACnetCharacterString>(field));
    case Kind::Bits: return print_bits(p, load<BACnetBitString>(field));
    case Kind::Date: return print_date(p, load<BACnetDate>(field));
    case Kind::Time: return print_time(p, load<BACnetTime>(field));
    case Kind::ObjectId: return print_object_id(p, load<BACnetObjectIdentifier>(field));
    case Kind::Error: {
        const auto error = load<BACnetError>(field);
        if (p.put("{", 1) != 0 || p.put_int(static_cast<int32_t>(error.errorClass)) != 0 || p.put(",", 1) != 0 ||
            p.put_int(static_cast<int32_t>(error.errorCode)) != 0)
            return BACNAPI_E_FAIL;
        return p.put("}", 1);
    }
    case Kind::Value: return print_value(p, reinterpret_cast<const BACnetDataType*>(field));
    case Kind::Nested: return item.form ? print_form(p, *item.form, field) : BACNAPI_E_FAIL;
    case Kind::Custom: return item.handler ? item.handler(p, field) : BACNAPI_E_FAIL;
    case Kind::Index:
    case Kind::IndexComma:
    case Kind::CommaIndex: break;
    }
    // An array index is absent when negative as a signed number (the library stores 0xFFFFFFFF);
    // an absent index takes the comma that belongs to it along.
    const auto index = load<int32_t>(field);
    if (index < 0) return BACNAPI_S_OK;
    if (item.kind == Kind::CommaIndex && p.put(",", 1) != 0) return BACNAPI_E_FAIL;
    if (p.put_int(index) != 0) return BACNAPI_E_FAIL;
    return item.kind == Kind::IndexComma ? p.put(",", 1) : BACNAPI_S_OK;
}

int32_t print_item(Printer& p, const Item& item, const uint8_t* base)
{
    if (p.put(item.lead) != 0) return BACNAPI_E_FAIL;
    return print_field(p, item, base + item.offset);
}

int32_t print_list(Printer& p, const Form& form, const BACnetValueList& list)
{
    if (list.count > list.capacity || (list.count != 0 && !list.elements)) return BACNAPI_E_FAIL;
    if (list.count == 0) return p.put(form.empty);
    for (uint32_t i = 0; i < list.count; ++i) {
        if ((i != 0 && p.put(form.separator) != 0) || p.put("{", 1) != 0 || print_value(p, &list.elements[i]) != 0 ||
            p.put("}", 1) != 0)
            return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}

int32_t print_choice(Printer& p, const Form& form, const uint8_t* base)
{
    const auto k = load<int32_t>(base + form.selector);
    if (k < 0 || static_cast<uint32_t>(k) >= form.count) return BACNAPI_E_FAIL;
    const Form& alternative = form.alternatives[k];
    if (alternative.shape == Shape::Absent) return BACNAPI_E_FAIL;
    if (!form.labelled) return print_form(p, alternative, base);
    if (p.put_int(k) != 0 || p.put(" {", 2) != 0 || print_form(p, alternative, base) != 0) return BACNAPI_E_FAIL;
    return p.put("}", 1);
}

} // namespace

int32_t Printer::put_int(int32_t value)
{
    char buf[kIntTextMax];
    return put(buf, format_int(buf, value));
}

int32_t print_form(Printer& p, const Form& form, const uint8_t* base)
{
    if (!base) return BACNAPI_E_FAIL;
    switch (form.shape) {
    case Shape::Absent: return BACNAPI_E_FAIL;
    case Shape::Single:
        if (print_item(p, form.only, base) != 0) return BACNAPI_E_FAIL;
        return p.put(form.close);
    case Shape::Fields:
        for (uint32_t i = 0; i < form.count; ++i)
            if (print_item(p, form.items[i], base) != 0) return BACNAPI_E_FAIL;
        return p.put(form.close);
    case Shape::Choice: return print_choice(p, form, base);
    case Shape::List: return print_list(p, form, *reinterpret_cast<const BACnetValueList*>(base));
    case Shape::Custom: return form.handler ? form.handler(p, base) : BACNAPI_E_FAIL;
    }
    return BACNAPI_E_FAIL;
}

// Application values (0..12) print from the payload itself; every other code from its record.
int32_t print_value(Printer& p, const BACnetDataType* value)
{
    if (!value) return BACNAPI_E_FAIL;
    const Form* form = form_of_type(value->type);
    if (!form) return BACNAPI_E_FAIL;
    const auto* base = value->type <= BACNAPI_TYPE_ObjectIdentifier
                           ? reinterpret_cast<const uint8_t*>(&value->payload)
                           : static_cast<const uint8_t*>(value->payload.record);
    if (!base) return BACNAPI_E_FAIL;
    int32_t status = BACNAPI_E_FAIL;
    if (p.enter()) status = print_form(p, *form, base);
    p.leave();
    return status;
}

} // namespace bacnapi::display
