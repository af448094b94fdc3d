// The JSON writer: a visitor that reads the source side of a walk and appends compact JSON.
//
// Records become objects keyed by their field names, choices objects with one key, lists arrays.
// The walk does not say up front whether a constructed value is a record or a list, so each
// constructed value opens a frame that decides on its first event: a list opens "[", anything
// else "{". Commas are the writer's own business (the engine's betweenFields is not used), since
// an absent optional field is left out and must not leave a comma behind.
#include "json/field_keys.h"
#include "json/json_text.h"

#include "names/standard_names.h"
#include "text/text_sink.h"
#include "value/limits.h"
#include "walk/walk.h"

#include <bacnapi/bacnapi.h>

#include <cstring>

namespace bacnapi::json {

namespace {

struct Frame {
    bool opened = false; // "{" or "[" written
    bool array = false;
    bool first = true; // no member or element written yet
};

// Constructed values nest at most kMaxNestingDepth deep below the top (the walk refuses more);
// the frames leave room for the top level and the walker's own margin.
constexpr int kMaxFrames = kMaxNestingDepth + 4;

struct Writer {
    TextSink* sink = nullptr;
    uint32_t flags = 0;
    int top = -1;
    Frame frames[kMaxFrames];
    bool bare = false;          // the next value stands alone: no key in front of it
    int32_t enveloped = -1;     // type code of an application alternative to wrap in an envelope
    int32_t tag = -1;           // context tag of the field about to be written (told by the filter)
    bool failed = false;        // a piece could not be appended where no status could say so
};

Writer& of(void* ctx) { return *static_cast<Writer*>(ctx); }

int32_t put(Writer& w, const char* text, size_t n)
{
    if (w.sink->append(text, n) != BACNAPI_S_OK) {
        w.failed = true;
        return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}
int32_t put(Writer& w, const char* text) { return put(w, text, std::strlen(text)); }

// Writes what comes before a value: the enclosing record's "{" when it is still to open, the
// comma and the key (of the field the filter last told of); or nothing for a value that stands
// alone. Then the envelope's opening when the value is an application alternative that needs one.
int32_t begin_value(Writer& w, uint32_t nameId)
{
    if (w.bare) {
        w.bare = false;
    } else {
        if (w.top < 0) return BACNAPI_E_FAIL;
        Frame& f = w.frames[w.top];
        if (!f.opened) {
            f.opened = true;
            if (put(w, "{", 1) != 0) return BACNAPI_E_FAIL;
        }
        if (!f.first && put(w, ",", 1) != 0) return BACNAPI_E_FAIL;
        f.first = false;
        char buf[kFieldKeyBufferSize];
        if (append_json_string(*w.sink, field_key(nameId, w.tag, buf)) != 0 || put(w, ":", 1) != 0)
            return BACNAPI_E_FAIL;
    }
    if (w.enveloped >= 0) {
        const char* name = bacnapi_type_name(w.enveloped);
        if (!name || put(w, "{\"type\":") != 0 || append_json_string(*w.sink, name) != 0 ||
            put(w, ",\"value\":") != 0)
            return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}

// After a value: closes the envelope begin_value opened.
int32_t end_value(Writer& w)
{
    if (w.enveloped < 0) return BACNAPI_S_OK;
    w.enveloped = -1;
    return put(w, "}", 1);
}

// One application value: the prefix, the value's own text (format), the suffix.
template <class Format>
int32_t write_value(void* ctx, uint32_t nameId, const void* src, Format format)
{
    Writer& w = of(ctx);
    if (!src) return BACNAPI_E_FAIL;
    if (begin_value(w, nameId) != 0) return BACNAPI_E_FAIL;
    if (format(*w.sink, src) != 0) {
        w.failed = true;
        return BACNAPI_E_FAIL;
    }
    return end_value(w);
}

template <class T>
T load(const void* src)
{
    T v;
    std::memcpy(&v, src, sizeof v);
    return v;
}

int32_t write_null(uint32_t nameId, void* ctx)
{
    Writer& w = of(ctx);
    if (begin_value(w, nameId) != 0 || put(w, "null", 4) != 0) return BACNAPI_E_FAIL;
    return end_value(w);
}

int32_t write_boolean(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src, [](TextSink& s, const void* p) {
        return *static_cast<const uint8_t*>(p) ? s.append("true", 4) : s.append("false", 5);
    });
}

int32_t write_unsigned(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_uint(s, load<uint32_t>(p)); });
}

int32_t write_signed(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_int(s, load<int32_t>(p)); });
}

int32_t write_real(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_float(s, load<float>(p)); });
}

int32_t write_double(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_double(s, load<double>(p)); });
}

int32_t write_octets(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src, [](TextSink& s, const void* p) {
        return append_hex_string(s, *static_cast<const BACnetOctetString*>(p));
    });
}

int32_t write_bits(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src, [](TextSink& s, const void* p) {
        return append_bit_string(s, *static_cast<const BACnetBitString*>(p));
    });
}

int32_t write_characters(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src, [](TextSink& s, const void* p) {
        return append_character_string(s, *static_cast<const BACnetCharacterString*>(p));
    });
}

int32_t write_date(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_date(s, load<BACnetDate>(p)); });
}

int32_t write_time(uint32_t nameId, void*, const void* src, void* ctx)
{
    return write_value(ctx, nameId, src,
                       [](TextSink& s, const void* p) { return append_time(s, load<BACnetTime>(p)); });
}

// A number from a list of standard names: the name with names on (when it has one), else the number.
int32_t append_named(TextSink& s, NameList list, uint32_t number, bool names)
{
    const char* name = names ? standard_name(list, number) : nullptr;
    return name ? append_json_string(s, name) : append_uint(s, number);
}

int32_t write_enumerated(uint32_t nameId, uint32_t enumId, void*, const void* src, void* ctx)
{
    Writer& w = of(ctx);
    if (!src) return BACNAPI_E_FAIL;
    if (begin_value(w, nameId) != 0) return BACNAPI_E_FAIL;
    const uint32_t number = load<uint32_t>(src);
    const bool names = (w.flags & BACNAPI_JSON_NAMES) != 0 && enumId == kPropertyIdentifierEnum;
    if (append_named(*w.sink, NameList::PropertyIdentifiers, number, names) != 0) {
        w.failed = true;
        return BACNAPI_E_FAIL;
    }
    return end_value(w);
}

int32_t write_object_identifier(uint32_t nameId, void*, const void* src, void* ctx)
{
    Writer& w = of(ctx);
    if (!src) return BACNAPI_E_FAIL;
    if (begin_value(w, nameId) != 0) return BACNAPI_E_FAIL;
    const auto id = load<BACnetObjectIdentifier>(src);
    TextSink& s = *w.sink;
    if (s.append("{\"objectType\":", 14) != 0 ||
        append_named(s, NameList::ObjectTypes, id.objectType, (w.flags & BACNAPI_JSON_NAMES) != 0) != 0 ||
        s.append(",\"instance\":", 12) != 0 || append_uint(s, id.instance) != 0 || s.append("}", 1) != 0) {
        w.failed = true;
        return BACNAPI_E_FAIL;
    }
    return end_value(w);
}

int32_t write_open(uint32_t nameId, int32_t, void* ctx)
{
    Writer& w = of(ctx);
    if (begin_value(w, nameId) != 0) return BACNAPI_E_FAIL;
    if (w.top + 1 >= kMaxFrames) return BACNAPI_WALK_E_REFUSED;
    w.frames[++w.top] = Frame{};
    return BACNAPI_S_OK;
}

// A record whose fields were all left out is still an object: "{}".
int32_t write_close(uint32_t, void* ctx)
{
    Writer& w = of(ctx);
    if (w.top < 0) return BACNAPI_E_FAIL;
    const Frame f = w.frames[w.top--];
    if (f.array) return BACNAPI_S_OK;
    if (!f.opened && put(w, "{", 1) != 0) return BACNAPI_E_FAIL;
    return put(w, "}", 1);
}

int32_t write_choice(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    if (!alternative || !recorded) return BACNAPI_E_FAIL;
    *alternative = *recorded;
    if (choiceId == kApplicationValueChoice) of(ctx).enveloped = *recorded;
    return BACNAPI_S_OK;
}

int32_t write_list_open(uint32_t, void* ctx)
{
    Writer& w = of(ctx);
    if (w.top < 0) return BACNAPI_E_FAIL;
    Frame& f = w.frames[w.top];
    f.array = true;
    f.opened = true;
    return put(w, "[", 1);
}

int32_t write_list_close(uint32_t, void* ctx) { return put(of(ctx), "]", 1); }

int32_t write_element_open(uint32_t, uint32_t*, void* ctx)
{
    Writer& w = of(ctx);
    if (w.top < 0) return BACNAPI_E_FAIL;
    Frame& f = w.frames[w.top];
    if (!f.first && put(w, ",", 1) != 0) return BACNAPI_E_FAIL;
    f.first = false;
    w.bare = true;
    return BACNAPI_S_OK;
}

// A value whose type is looked up at run time carries its type: {"type":NAME,"value":V}.
int32_t write_wrapped_open(uint32_t nameId, int32_t tag, int32_t type, void* ctx)
{
    Writer& w = of(ctx);
    w.tag = tag;
    const char* name = bacnapi_type_name(type);
    if (!name || begin_value(w, nameId) != 0 || put(w, "{\"type\":") != 0 ||
        append_json_string(*w.sink, name) != 0 || put(w, ",\"value\":") != 0)
        return BACNAPI_E_FAIL;
    w.bare = true;
    return BACNAPI_S_OK;
}

int32_t write_wrapped_close(void* ctx) { return put(of(ctx), "}", 1); }

// An absent optional field is left out (and with it any envelope its alternative asked for).
int32_t skip_absent(const BACnetFieldCursor* field, void* ctx)
{
    of(ctx).tag = field->tag;
    if (!field->optional || !field->absent) return 0;
    of(ctx).enveloped = -1;
    return 1;
}

constexpr BACnetVisitor kJsonWriter = {
    .visitNull = write_null,
    .visitBoolean = write_boolean,
    .visitUnsigned = write_unsigned,
    .visitSigned = write_signed,
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
    .chooseAlternative = write_choice,
    .beginElement = write_element_open,
    .filterField = skip_absent,
    .beginList = write_list_open,
    .endList = write_list_close,
    .openWrapped = write_wrapped_open,
    .closeWrapped = write_wrapped_close,
};

// SignedLong has no walk: it stands only at the top level, and is written here.
int32_t write_signed_long(TextSink& sink, const BACnetDataType& value) { return append_int64(sink, value.payload.signedLong); }

} // namespace

} // namespace bacnapi::json

extern "C" BACNAPI_API int32_t bacnapi_json_get(char** text, const BACnetDataType* value, uint32_t flags)
{
    using namespace bacnapi;
    using namespace bacnapi::json;
    if (!text || !value || (flags & ~BACNAPI_JSON_NAMES) != 0) return BACNAPI_E_INVALIDARG;
    const char* name = bacnapi_type_name(value->type);
    if (!name) return BACNAPI_WALK_E_NODESCRIPTOR;
    TextSink sink(text);
    int32_t status = BACNAPI_S_OK;
    if (sink.append("{\"type\":", 8) != 0 || append_json_string(sink, name) != 0 ||
        sink.append(",\"value\":", 9) != 0) {
        sink.finish();
        return BACNAPI_E_FAIL;
    }
    if (value->type == BACNAPI_TYPE_SignedLong) {
        status = write_signed_long(sink, *value);
    } else {
        BACnetFieldCursor cursor{};
        cursor.nameId = 3;
        cursor.tag = -1;
        status = bind_cursor(&cursor, value, value->type, nullptr, value->type);
        if (status == 0) {
            Writer writer{};
            writer.sink = &sink;
            writer.flags = flags;
            writer.bare = true;
            status = walk_value(&cursor, &writer, &kJsonWriter);
            if (status == 0 && writer.failed) status = BACNAPI_E_FAIL;
        }
    }
    if (status == 0 && sink.append("}", 1) != 0) status = BACNAPI_E_FAIL;
    sink.finish();
    return status;
}
