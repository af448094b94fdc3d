// The JSON reader: the text is parsed into a tree first, then a visitor on the destination side
// of a walk pulls each value from it. A record's fields are looked up by key in the object of
// their record, in the order the walk asks; array elements and the values of envelopes are
// handed to the next slot directly ("pending"). Every member must be used by the time its
// object closes, so unknown and repeated keys are refused.
//
// A text that is one list (at the top, or as the value of the envelope) is read element by
// element instead: the tree holds the list's array and the element being read, and is cut back
// after each element, so that reading takes time and memory in proportion to the text, never a
// tree of all of it. A whole reading finds a fault of the text anywhere before any refused
// value, so a value refused part way is reported once the rest of the text is found
// well-formed; a text that is not is read again the whole-tree way, which finds the fault
// where it always has.
#include "json/alternatives.h"
#include "json/field_keys.h"
#include "json/json_text.h"
#include "json/reader.h"
#include "json/tree.h"

#include "charset/charstring.h"
#include "names/standard_names.h"
#include "value/limits.h"
#include "value/list_types.h"
#include "value/value_internal.h"
#include "walk/destination.h"
#include "walk/walk.h"

#include <bacnapi/bacnapi.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace bacnapi::json {

namespace {

// Every level of a value takes at most two levels of JSON (an envelope around an object or an
// array), the top level an envelope more: deeper text cannot be a value the walk would accept.
constexpr size_t kMaxJsonDepth = 2 * (kMaxNestingDepth + 2);

// A walk opens at most one constructed value per level, and refuses more than the limit.
constexpr size_t kMaxFrames = kMaxNestingDepth + 8;

struct Frame {
    uint32_t node;
    int32_t type;
    int32_t fieldIndex = 0;
    uint32_t elementIndex = 0; // of a list: the element being read
    uint32_t elementNode = 0;  // and its node
    bool list = false;
};

constexpr const char* kOutOfMemory = "out of memory";

// A list being read from the text element by element: node 0 of the tree stands for its array,
// the nodes after it for the element being read.
struct Streamed {
    enum Next : uint8_t { First, Element, Separator, End }; // what the text holds next

    Text& text;
    Tree& tree;
    size_t depth;         // levels of the text around its elements
    uint32_t read = 0;    // elements read
    Next next = First;
    bool broken = false;  // the text is no well-formed list

    enum Step : uint8_t { Read, Ended, Broken };

    // Reads the next element into the tree in place of the one before, or steps over the end
    // of the list. Throws bad_alloc when the tree cannot grow.
    Step step()
    {
        if (next == End) return Ended;
        if (next != Element) {
            if (text.take(']')) {
                next = End;
                return Ended;
            }
            if (next == Separator && !text.take(',')) return Broken;
            next = Element; // should the element fail to read for want of memory, it is read again from here
        }
        tree.nodes.resize(1);
        tree.pool.clear();
        if (!text.value(&tree, depth)) return Broken;
        next = Separator;
        return Read;
    }

    // Reads what is left of the list, each element checked and forgotten: true when it is
    // well-formed to its end.
    bool finish()
    {
        Step s = Read;
        while (s == Read) s = step();
        return s == Ended;
    }
};

struct Reader {
    const Tree* tree = nullptr;
    Streamed* streamed = nullptr;
    std::vector<Frame> frames;
    int64_t pending = -1;      // the node the next value is read from, when it has no key
    const char* reason = nullptr;
    uint64_t offset = 0;
    uint64_t lastOffset = 0;   // the node read last, for failures the walk reports itself
    int32_t tag = -1;          // context tag of the field about to be read (told by the filter)
    AlternativeNames alternatives;
};

Reader& of(void* ctx) { return *static_cast<Reader*>(ctx); }

const Node& node(const Reader& r, uint32_t i) { return r.tree->nodes[i]; }

int32_t fail(Reader& r, uint64_t offset, const char* reason)
{
    if (!r.reason) {
        r.reason = reason;
        r.offset = offset;
    }
    return BACNAPI_E_FAIL;
}

std::string_view text_of(const Reader& r, const Node& n) { return {r.tree->text(n), n.textLength()}; }

// The member of object `object` with the key, not taken yet; -1 when there is none.
int64_t find_member(const Reader& r, uint32_t object, std::string_view key)
{
    const Node& o = node(r, object);
    uint32_t m = Tree::first_child(object);
    for (uint32_t i = 0; i < o.count(); ++i, m = r.tree->next_sibling(m)) {
        const Node& n = node(r, m);
        if (!node(r, m).used && std::string_view(r.tree->key(n), n.keyLength) == key) return m;
    }
    return -1;
}

// The node of the next value: the pending one, or the member of the enclosing record's object
// that carries the field's key.
int32_t take(Reader& r, uint32_t nameId, uint32_t* out)
{
    if (r.pending >= 0) {
        *out = static_cast<uint32_t>(r.pending);
        r.pending = -1;
    } else {
        if (r.frames.empty()) return fail(r, 0, "no place for the value");
        const Node& o = node(r, r.frames.back().node);
        if (o.kind != NodeKind::Object) return fail(r, o.offset, "expected an object");
        char buf[kFieldKeyBufferSize];
        const int64_t m = find_member(r, r.frames.back().node, field_key(nameId, r.tag, buf));
        if (m < 0) return fail(r, o.offset, "missing field");
        node(r, static_cast<uint32_t>(m)).used = true;
        *out = static_cast<uint32_t>(m);
    }
    r.lastOffset = node(r, *out).offset;
    return BACNAPI_S_OK;
}

// An object of fixed keys (dates, times, identifiers, envelopes): the members by key, each -1
// when missing; any other key is refused.
template <size_t N>
int32_t fixed_members(Reader& r, uint32_t object, const char* const (&keys)[N], int64_t (&members)[N])
{
    const Node& o = node(r, object);
    if (o.kind != NodeKind::Object) return fail(r, o.offset, "expected an object");
    for (int64_t& m : members) m = -1;
    uint32_t m = Tree::first_child(object);
    for (uint32_t i = 0; i < o.count(); ++i, m = r.tree->next_sibling(m)) {
        const Node& n = node(r, m);
        const std::string_view key(r.tree->key(n), n.keyLength);
        size_t k = 0;
        while (k < N && key != keys[k]) ++k;
        if (k == N) return fail(r, n.offset, "unknown field");
        if (members[k] >= 0) return fail(r, n.offset, "repeated field");
        members[k] = m;
    }
    return BACNAPI_S_OK;
}

// An integer within [low, high].
int32_t read_integer(Reader& r, const Node& n, int64_t low, int64_t high, int64_t* value)
{
    if (n.kind != NodeKind::Number) return fail(r, n.offset, "expected an integer");
    const std::string_view t = text_of(r, n);
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), *value);
    if (error == std::errc::result_out_of_range) return fail(r, n.offset, "number out of range");
    if (error != std::errc() || end != t.data() + t.size()) return fail(r, n.offset, "expected an integer");
    if (*value < low || *value > high) return fail(r, n.offset, "number out of range");
    return BACNAPI_S_OK;
}

// A number from a list of standard names: its name, or the number itself.
int32_t read_named(Reader& r, const Node& n, NameList list, uint32_t* value)
{
    if (n.kind == NodeKind::String) {
        if (!standard_number(list, r.tree->text(n), n.textLength(), value)) return fail(r, n.offset, "unknown name");
        return BACNAPI_S_OK;
    }
    int64_t number;
    if (read_integer(r, n, 0, UINT32_MAX, &number) != 0) return BACNAPI_E_FAIL;
    *value = static_cast<uint32_t>(number);
    return BACNAPI_S_OK;
}

template <class T>
int32_t read_floating(Reader& r, const Node& n, T* value)
{
    if (n.kind == NodeKind::String) {
        double special;
        if (!read_special_double(r.tree->text(n), n.textLength(), &special))
            return fail(r, n.offset, "expected a number");
        *value = static_cast<T>(special);
        return BACNAPI_S_OK;
    }
    if (n.kind != NodeKind::Number) return fail(r, n.offset, "expected a number");
    const std::string_view t = text_of(r, n);
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), *value);
    if (error == std::errc::result_out_of_range) return fail(r, n.offset, "number out of range");
    if (error != std::errc() || end != t.data() + t.size()) return fail(r, n.offset, "expected a number");
    return BACNAPI_S_OK;
}

// Reads the next value's node, checks that there is a destination, and stores with `read`.
template <class Read>
int32_t read_value(void* ctx, uint32_t nameId, void* dest, Read read)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    if (!dest) return fail(r, node(r, i).offset, "no place for the value");
    return read(r, node(r, i), dest);
}

int32_t read_null(uint32_t nameId, void* ctx)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    return node(r, i).kind == NodeKind::Null ? 0 : fail(r, node(r, i).offset, "expected null");
}

int32_t read_boolean(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        if (n.kind != NodeKind::True && n.kind != NodeKind::False) return fail(r, n.offset, "expected true or false");
        *static_cast<uint8_t*>(d) = n.kind == NodeKind::True;
        return 0;
    });
}

template <int64_t Low, int64_t High>
int32_t read_word(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        int64_t v;
        if (read_integer(r, n, Low, High, &v) != 0) return BACNAPI_E_FAIL;
        const auto word = static_cast<uint32_t>(v);
        std::memcpy(d, &word, sizeof word);
        return 0;
    });
}

int32_t read_enumerated(uint32_t nameId, uint32_t enumId, void* dest, const void*, void* ctx)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    const Node& n = node(r, i);
    if (!dest) return fail(r, n.offset, "no place for the value");
    uint32_t v;
    if (enumId == kPropertyIdentifierEnum) {
        if (read_named(r, n, NameList::PropertyIdentifiers, &v) != 0) return BACNAPI_E_FAIL;
    } else {
        int64_t number;
        if (read_integer(r, n, 0, UINT32_MAX, &number) != 0) return BACNAPI_E_FAIL;
        v = static_cast<uint32_t>(number);
    }
    std::memcpy(dest, &v, sizeof v);
    return 0;
}

int32_t read_real(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        float v;
        if (read_floating(r, n, &v) != 0) return BACNAPI_E_FAIL;
        std::memcpy(d, &v, sizeof v);
        return 0;
    });
}

int32_t read_double(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        double v;
        if (read_floating(r, n, &v) != 0) return BACNAPI_E_FAIL;
        std::memcpy(d, &v, sizeof v);
        return 0;
    });
}

int32_t read_octets(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        if (n.kind != NodeKind::String) return fail(r, n.offset, "expected a string of hex digits");
        bool noMemory = false;
        if (!read_hex(r.tree->text(n), n.textLength(), static_cast<BACnetOctetString*>(d), &noMemory))
            return fail(r, n.offset, noMemory ? kOutOfMemory : "expected a string of hex digits");
        return 0;
    });
}

int32_t read_bit_string(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_value(ctx, nameId, dest, [](Reader& r, const Node& n, void* d) {
        if (n.kind != NodeKind::String) return fail(r, n.offset, "expected a string of 0 and 1");
        bool noMemory = false;
        if (!read_bits(r.tree->text(n), n.textLength(), static_cast<BACnetBitString*>(d), &noMemory))
            return fail(r, n.offset, noMemory ? kOutOfMemory : "expected a string of 0 and 1");
        return 0;
    });
}

// UTF-8 text stored with a counted terminator (as brace text stores it); empty text as no data.
int32_t store_utf8(Reader& r, const Node& at, const char* text, size_t n, BACnetCharacterString* s)
{
    char* block = nullptr;
    if (n > 0) {
        block = static_cast<char*>(std::malloc(n + 1));
        if (!block) return fail(r, at.offset, kOutOfMemory);
        std::memcpy(block, text, n);
        block[n] = '\0';
    }
    std::free(s->data);
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    s->data = block;
    s->length = n ? n + 1 : 0;
    return 0;
}

// {"charset": NAME, "codePage": N, "text": "..."} or with "hex" holding the stored octets.
int32_t read_charset_object(Reader& r, uint32_t object, BACnetCharacterString* s)
{
    static const char* const keys[] = {"charset", "codePage", "text", "hex"};
    int64_t m[4];
    if (fixed_members(r, object, keys, m) != 0) return BACNAPI_E_FAIL;
    const Node& o = node(r, object);
    if (m[0] < 0 || (m[2] < 0) == (m[3] < 0)) return fail(r, o.offset, "expected charset with text or hex");
    const Node& name = node(r, static_cast<uint32_t>(m[0]));
    const int set = name.kind == NodeKind::String ? charset_of(r.tree->text(name), name.textLength()) : -1;
    if (set < 0) return fail(r, name.offset, "unknown character set");
    int64_t page = 0;
    if (m[1] >= 0 && read_integer(r, node(r, static_cast<uint32_t>(m[1])), 0, 0xFFFF, &page) != 0)
        return BACNAPI_E_FAIL;
    if (m[3] >= 0) {
        const Node& hex = node(r, static_cast<uint32_t>(m[3]));
        BACnetOctetString octets{};
        bool noMemory = false;
        if (hex.kind != NodeKind::String || !read_hex(r.tree->text(hex), hex.textLength(), &octets, &noMemory)) {
            std::free(octets.data);
            return fail(r, hex.offset, noMemory ? kOutOfMemory : "expected a string of hex digits");
        }
        std::free(s->data);
        std::memset(static_cast<void*>(s), 0, sizeof *s);
        s->characterSet = static_cast<uint8_t>(set);
        s->data = reinterpret_cast<char*>(octets.data);
        s->length = octets.data ? octets.length : 0;
        return 0;
    }
    const Node& text = node(r, static_cast<uint32_t>(m[2]));
    if (text.kind != NodeKind::String) return fail(r, text.offset, "expected a string");
    BACnetCharacterString utf8{};
    if (store_utf8(r, text, r.tree->text(text), text.textLength(), &utf8) != 0) return BACNAPI_E_FAIL;
    BACnetCharacterString converted{};
    const int32_t status =
        utf8.data ? charstring_convert(&utf8, &converted, static_cast<uint8_t>(set), static_cast<uint32_t>(page)) : 0;
    std::free(utf8.data);
    if (status != 0) return fail(r, text.offset, "text not in the character set");
    std::free(s->data);
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    if (converted.data) *s = converted;
    s->characterSet = static_cast<uint8_t>(set);
    return 0;
}

int32_t read_characters(uint32_t nameId, void* dest, const void*, void* ctx)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    const Node& n = node(r, i);
    if (!dest) return fail(r, n.offset, "no place for the value");
    auto* s = static_cast<BACnetCharacterString*>(dest);
    if (n.kind == NodeKind::Object) return read_charset_object(r, i, s);
    if (n.kind != NodeKind::String) return fail(r, n.offset, "expected a string");
    return store_utf8(r, n, r.tree->text(n), n.textLength(), s);
}

// One octet of a date or time object: null is 255 (unspecified), a number is the octet itself.
int32_t read_octet(Reader& r, int64_t member, uint64_t objectOffset, int64_t low, int64_t high, int64_t bias,
                   uint8_t* octet)
{
    if (member < 0) return fail(r, objectOffset, "missing field");
    const Node& n = node(r, static_cast<uint32_t>(member));
    if (n.kind == NodeKind::Null) {
        *octet = 255;
        return 0;
    }
    int64_t v;
    if (read_integer(r, n, low, high, &v) != 0) return BACNAPI_E_FAIL;
    *octet = static_cast<uint8_t>(v - bias);
    return 0;
}

// The exact form of a date or a time: four named octets, each a number or null for 255.
struct OctetMember {
    const char* key;
    int64_t low, high, bias; // the number's range, and what is taken off it to give the octet
};
constexpr OctetMember kDateMembers[4] = {
    {"year", 1900, 2154, 1900}, {"month", 0, 254, 0}, {"day", 0, 254, 0}, {"weekday", 0, 254, 0}};
constexpr OctetMember kTimeMembers[4] = {
    {"hour", 0, 254, 0}, {"minute", 0, 254, 0}, {"second", 0, 254, 0}, {"hundredths", 0, 254, 0}};

// A date or a time (four octets in the order of `members`): the readable string that `parse`
// takes, or the exact object.
template <class T>
int32_t read_four_octets(void* ctx, uint32_t nameId, void* dest, const OctetMember (&members)[4],
                         bool (*parse)(const char*, size_t, T*), const char* expected)
{
    static_assert(sizeof(T) == 4);
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    const Node& n = node(r, i);
    if (!dest) return fail(r, n.offset, "no place for the value");
    T value{};
    if (n.kind == NodeKind::String) {
        if (!parse(r.tree->text(n), n.textLength(), &value)) return fail(r, n.offset, expected);
    } else if (n.kind != NodeKind::Object) {
        return fail(r, n.offset, expected);
    } else {
        const char* const keys[4] = {members[0].key, members[1].key, members[2].key, members[3].key};
        int64_t m[4];
        if (fixed_members(r, i, keys, m) != 0) return BACNAPI_E_FAIL;
        uint8_t octets[4];
        for (int k = 0; k < 4; ++k) {
            if (read_octet(r, m[k], n.offset, members[k].low, members[k].high, members[k].bias, &octets[k]) != 0)
                return BACNAPI_E_FAIL;
        }
        std::memcpy(&value, octets, sizeof value);
    }
    std::memcpy(dest, &value, sizeof value);
    return 0;
}

int32_t read_date(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_four_octets<BACnetDate>(ctx, nameId, dest, kDateMembers, read_date_string, "expected a date");
}

int32_t read_time(uint32_t nameId, void* dest, const void*, void* ctx)
{
    return read_four_octets<BACnetTime>(ctx, nameId, dest, kTimeMembers, read_time_string, "expected a time");
}

int32_t read_object_identifier(uint32_t nameId, void* dest, const void*, void* ctx)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    const Node& n = node(r, i);
    if (!dest) return fail(r, n.offset, "no place for the value");
    static const char* const keys[] = {"objectType", "instance"};
    int64_t m[2];
    if (fixed_members(r, i, keys, m) != 0) return BACNAPI_E_FAIL;
    if (m[0] < 0 || m[1] < 0) return fail(r, n.offset, "missing field");
    BACnetObjectIdentifier id{};
    int64_t instance;
    if (read_named(r, node(r, static_cast<uint32_t>(m[0])), NameList::ObjectTypes, &id.objectType) != 0 ||
        read_integer(r, node(r, static_cast<uint32_t>(m[1])), 0, UINT32_MAX, &instance) != 0)
        return BACNAPI_E_FAIL;
    id.instance = static_cast<uint32_t>(instance);
    std::memcpy(dest, &id, sizeof id);
    return 0;
}

int32_t read_open(uint32_t nameId, int32_t type, void* ctx)
{
    Reader& r = of(ctx);
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    // The frames were reserved for the deepest walk: no slot allocates, so none can throw.
    if (r.frames.size() == r.frames.capacity()) return fail(r, node(r, i).offset, "nesting too deep");
    r.frames.push_back(Frame{i, type});
    return 0;
}

// A record's object closes: every member must have been read.
int32_t read_close(uint32_t, void* ctx)
{
    Reader& r = of(ctx);
    if (r.frames.empty()) return fail(r, 0, "no place for the value");
    const Frame f = r.frames.back();
    r.frames.pop_back();
    if (f.list) return 0;
    const Node& o = node(r, f.node);
    if (o.kind != NodeKind::Object) return fail(r, o.offset, "expected an object");
    uint32_t m = Tree::first_child(f.node);
    for (uint32_t k = 0; k < o.count(); ++k, m = r.tree->next_sibling(m)) {
        if (!node(r, m).used) return fail(r, node(r, m).offset, "unknown field");
    }
    return 0;
}

int32_t read_between(void* ctx)
{
    Reader& r = of(ctx);
    if (!r.frames.empty()) ++r.frames.back().fieldIndex;
    return 0;
}

// The type code an envelope names: a type name or a type code number. The names that are
// expected (`likely`, may be empty) are tried first, exactly as written, to spare a search.
int32_t envelope_type(Reader& r, const Node& n, int32_t* type, const std::vector<Alternative>* likely = nullptr)
{
    if (n.kind == NodeKind::String) {
        const std::string_view text = text_of(r, n);
        if (likely) {
            for (const Alternative& a : *likely) {
                const char* name = bacnapi_type_name(a.number);
                if (name && text == name) {
                    *type = a.number;
                    return 0;
                }
            }
        }
        // Type names are short: a longer text names no type (and needs no heap to say so).
        char name[64] = {};
        if (text.size() < sizeof name) std::memcpy(name, text.data(), text.size());
        *type = bacnapi_type_code(name);
        if (*type < 0 || !bacnapi_type_name(*type)) return fail(r, n.offset, "unknown type");
        return 0;
    }
    int64_t code;
    if (read_integer(r, n, 0, INT32_MAX, &code) != 0) return BACNAPI_E_FAIL;
    if (!bacnapi_type_name(static_cast<int32_t>(code))) return fail(r, n.offset, "unknown type");
    *type = static_cast<int32_t>(code);
    return 0;
}

// {"type": T, "value": V}: *type gets T, *value the node of V.
int32_t read_envelope(Reader& r, uint32_t object, int32_t* type, uint32_t* value,
                      const std::vector<Alternative>* likely = nullptr)
{
    static const char* const keys[] = {"type", "value"};
    int64_t m[2];
    if (fixed_members(r, object, keys, m) != 0) return BACNAPI_E_FAIL;
    if (m[0] < 0 || m[1] < 0) return fail(r, node(r, object).offset, "expected {\"type\":..,\"value\":..}");
    if (envelope_type(r, node(r, static_cast<uint32_t>(m[0])), type, likely) != 0) return BACNAPI_E_FAIL;
    *value = static_cast<uint32_t>(m[1]);
    return 0;
}

// The alternative is the one whose key the choice's object holds. Application alternatives
// share a key and carry their type in an envelope.
int32_t read_choice(uint32_t choiceId, int32_t* alternative, const int32_t*, void* ctx)
{
    Reader& r = of(ctx);
    if (!alternative || r.frames.empty()) return fail(r, 0, "no place for the value");
    const Frame& f = r.frames.back();
    const Node& o = node(r, f.node);
    if (o.kind != NodeKind::Object) return fail(r, o.offset, "expected an object");
    const std::vector<Alternative>* found = nullptr;
    try {
        found = &r.alternatives.of(f.type, f.fieldIndex);
    } catch (...) { // no room to remember the alternatives
        return fail(r, o.offset, kOutOfMemory);
    }
    const std::vector<Alternative>& alternatives = *found;
    char buf[kFieldKeyBufferSize];
    if (choiceId == kApplicationValueChoice && !alternatives.empty()) {
        const int64_t m = find_member(r, f.node, field_key(alternatives[0].nameId, alternatives[0].tag, buf));
        if (m < 0) return fail(r, o.offset, "missing field");
        int32_t type;
        uint32_t value;
        if (read_envelope(r, static_cast<uint32_t>(m), &type, &value, &alternatives) != 0) return BACNAPI_E_FAIL;
        for (const Alternative& a : alternatives) {
            if (a.number != type) continue;
            node(r, static_cast<uint32_t>(m)).used = true;
            r.pending = value;
            *alternative = type;
            return 0;
        }
        return fail(r, node(r, static_cast<uint32_t>(m)).offset, "alternative not in the choice");
    }
    for (const Alternative& a : alternatives) {
        if (find_member(r, f.node, field_key(a.nameId, a.tag, buf)) >= 0) {
            *alternative = a.number;
            return 0;
        }
    }
    return fail(r, o.offset, "no known alternative");
}

int32_t read_list_open(uint32_t, void* ctx)
{
    Reader& r = of(ctx);
    if (r.frames.empty()) return fail(r, 0, "no place for the value");
    Frame& f = r.frames.back();
    const Node& a = node(r, f.node);
    if (a.kind != NodeKind::Array) return fail(r, a.offset, "expected an array");
    f.list = true;
    f.elementNode = Tree::first_child(f.node);
    return 0;
}

// The elements are the array's; an empty array ends the list before its first element.
// A list's elements are its array's, whose count is known from the tree: the list takes all its
// room at once.
uint32_t read_count(uint32_t, void* ctx)
{
    const Reader& r = of(ctx);
    if (r.frames.empty()) return 0;
    const Node& a = node(r, r.frames.back().node);
    return a.kind == NodeKind::Array ? a.count() : 0;
}

// The next element of a list read element by element is read from the text, in place of the
// one before.
int32_t open_streamed_element(Reader& r, uint32_t* more)
{
    Streamed& s = *r.streamed;
    Streamed::Step step;
    try {
        step = s.step();
    } catch (...) { // the tree or the parser's stack could not grow
        return fail(r, s.text.position(), kOutOfMemory);
    }
    if (step == Streamed::Broken) {
        s.broken = true;
        return fail(r, s.text.position(), "not a list");
    }
    *more = step == Streamed::Read;
    if (*more) r.pending = 1;
    return 0;
}

// After an element: the list ends here when its closing bracket comes next.
int32_t close_streamed_element(Reader& r, uint32_t* more)
{
    Streamed& s = *r.streamed;
    ++s.read;
    if (s.text.take(']')) {
        s.next = Streamed::End;
        *more = 0;
    }
    return 0;
}

bool is_streamed(const Reader& r, const Frame& f) { return r.streamed && f.node == 0; }

int32_t read_element_open(uint32_t, uint32_t* more, void* ctx)
{
    Reader& r = of(ctx);
    if (!more || r.frames.empty() || !r.frames.back().list) return fail(r, 0, "no place for the value");
    const Frame& f = r.frames.back();
    if (is_streamed(r, f)) return open_streamed_element(r, more);
    const Node& a = node(r, f.node);
    if (f.elementIndex >= a.count()) {
        *more = 0;
        return 0;
    }
    *more = 1;
    r.pending = f.elementNode;
    return 0;
}

int32_t read_element_close(uint32_t, uint32_t* more, void* ctx)
{
    Reader& r = of(ctx);
    if (!more || r.frames.empty()) return fail(r, 0, "no place for the value");
    Frame& f = r.frames.back();
    if (is_streamed(r, f)) return close_streamed_element(r, more);
    f.elementNode = r.tree->next_sibling(f.elementNode);
    if (++f.elementIndex >= node(r, f.node).count()) *more = 0;
    return 0;
}

// A value whose type the walk looks up: its envelope's "value" is read as that type. The
// envelope's "type" must name a type, but the lookup decides, as it does for brace text.
int32_t read_wrapped_open(uint32_t nameId, int32_t tag, int32_t, void* ctx)
{
    Reader& r = of(ctx);
    r.tag = tag;
    uint32_t i;
    if (take(r, nameId, &i) != 0) return BACNAPI_E_FAIL;
    int32_t type;
    uint32_t value;
    if (read_envelope(r, i, &type, &value) != 0) return BACNAPI_E_FAIL;
    r.pending = value;
    return 0;
}

// An optional field that is not there is skipped (its destination keeps the absent sentinel);
// a nested value given as null is made empty.
int32_t read_filter(const BACnetFieldCursor* field, void* ctx)
{
    Reader& r = of(ctx);
    r.tag = field->tag;
    int64_t m = r.pending;
    if (m < 0) {
        if (r.frames.empty() || node(r, r.frames.back().node).kind != NodeKind::Object) return 0;
        char buf[kFieldKeyBufferSize];
        m = find_member(r, r.frames.back().node, field_key(field->nameId, field->tag, buf));
        if (m < 0) return field->optional ? 1 : 0;
    }
    if (field->recordOwned == 1 && field->destContainer && field->type != BACNAPI_TYPE_Null &&
        node(r, static_cast<uint32_t>(m)).kind == NodeKind::Null) {
        clear_value(static_cast<BACnetDataType*>(field->destContainer));
        if (r.pending >= 0) r.pending = -1;
        else node(r, static_cast<uint32_t>(m)).used = true;
        return 1;
    }
    return 0;
}

constexpr BACnetVisitor kJsonReader = {
    .visitNull = read_null,
    .visitBoolean = read_boolean,
    .visitUnsigned = read_word<0, UINT32_MAX>,
    .visitSigned = read_word<INT32_MIN, INT32_MAX>,
    .visitReal = read_real,
    .visitDouble = read_double,
    .visitOctetString = read_octets,
    .visitCharacterString = read_characters,
    .visitBitString = read_bit_string,
    .visitEnumerated = read_enumerated,
    .visitDate = read_date,
    .visitTime = read_time,
    .visitObjectIdentifier = read_object_identifier,
    .beginConstructed = read_open,
    .endConstructed = read_close,
    .betweenFields = read_between,
    .chooseAlternative = read_choice,
    .beginElement = read_element_open,
    .endElement = read_element_close,
    .filterField = read_filter,
    .beginList = read_list_open,
    .openWrapped = read_wrapped_open,
    .countElements = read_count,
};

// SignedLong has no walk: an integer, or a decimal string for one beyond 2^53.
int32_t read_signed_long(Reader& r, uint32_t i, BACnetDataType* value)
{
    const Node& n = node(r, i);
    int64_t v;
    if (n.kind == NodeKind::String) {
        const std::string_view t = text_of(r, n);
        const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (error == std::errc::result_out_of_range) return fail(r, n.offset, "number out of range");
        if (error != std::errc() || end != t.data() + t.size() || t.empty()) return fail(r, n.offset, "expected an integer");
    } else if (read_integer(r, n, INT64_MIN, INT64_MAX, &v) != 0) {
        return BACNAPI_E_FAIL;
    }
    clear_value(value);
    value->type = BACNAPI_TYPE_SignedLong;
    value->payload.signedLong = v;
    return 0;
}

int32_t read_whole(BACnetDataType* value, const char* text, int32_t type, Reader& r)
{
    Tree tree;
    if (!parse_tree(text, kMaxJsonDepth, &tree, &r.offset, &r.reason)) return BACNAPI_E_FAIL;
    r.tree = &tree;
    uint32_t root = 0;
    const Node& top = tree.nodes[0];
    const bool envelope = top.kind == NodeKind::Object && find_member(r, 0, "type") >= 0;
    if (envelope) {
        int32_t named;
        if (read_envelope(r, 0, &named, &root) != 0) return BACNAPI_E_FAIL;
        if (type >= 0 && named != type) return fail(r, top.offset, "type does not match");
        type = named;
    } else if (type < 0) {
        return fail(r, top.offset, "expected {\"type\":..,\"value\":..}");
    }
    r.lastOffset = tree.nodes[root].offset;
    if (type == BACNAPI_TYPE_SignedLong) return read_signed_long(r, root, value);
    prepare_destination(value, type);
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    const int32_t status = bind_cursor(&cursor, nullptr, type, value, type);
    if (status != 0) return status;
    r.pending = root;
    r.frames.reserve(kMaxFrames);
    return walk_value(&cursor, &r, &kJsonReader);
}

// The start of a text that is a list: `{"type": T, "value": [` in that order (*depth 2) or, when
// the caller names the type, `[` (*depth 1). *type gets the type; the position is left at the
// '['. False for any other start.
bool list_start(Reader& r, Text& text, Tree& tree, int32_t* type, size_t* depth)
{
    *depth = 1;
    if (text.take('{')) {
        if (!text.take("\"type\"") || !text.take(':') || !text.value(&tree, 1)) return false;
        int32_t named;
        const bool known = envelope_type(r, tree.nodes[0], &named) == 0;
        r.reason = nullptr;
        if (!known || (*type >= 0 && named != *type)) return false;
        *type = named;
        tree.nodes.clear();
        tree.pool.clear();
        if (!text.take(',') || !text.take("\"value\"") || !text.take(':')) return false;
        *depth = 2;
    } else if (*type < 0) {
        return false;
    }
    return text.next_is('[');
}

// Reads a text that is one list element by element (see the top of the file) into a value of
// its own, handed over only when the whole text has been read. True with *status when the text
// was read, or when it is well-formed JSON whose reading failed: the whole-tree reading would
// fail there too, at the same value for the same reason. False when the text is no list, or not
// well-formed: `value` is then untouched and the caller reads the text the whole-tree way,
// which finds the first fault in the order it always has.
bool read_listwise(BACnetDataType* value, const char* text, int32_t type, Reader& r, int32_t* status)
{
    const size_t length = std::strlen(text);
    if (length >= UINT32_MAX || !is_utf8(text, length)) return false;
    Text t(text, length, kMaxJsonDepth);
    Tree tree;
    tree.source = text;
    r.tree = &tree;
    size_t depth;
    if (!list_start(r, t, tree, &type, &depth)) return false;
    // Only the list types hold their elements in a list that clearing a value releases. Reading
    // into a value of the type already keeps what the text does not replace: that is the
    // whole-tree reading's to do.
    if (!is_list_type(type) || !can_be_destination(type) || value->type == type) return false;
    Node array;
    array.kind = NodeKind::Array;
    array.offset = static_cast<uint32_t>(t.position());
    const uint64_t count = t.count_elements();
    if (count > UINT32_MAX || !t.take('[')) return false;
    array.length = static_cast<uint32_t>(count);
    tree.nodes.push_back(array);
    Streamed streamed{t, tree, depth};
    r.streamed = &streamed;

    r.frames.reserve(kMaxFrames);
    r.pending = 0;

    BACnetDataType read{};
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    *status = bind_cursor(&cursor, nullptr, type, &read, type);
    if (*status == 0) *status = walk_value(&cursor, &r, &kJsonReader);
    bool wellFormed = !streamed.broken;
    try {
        if (wellFormed && *status != 0) wellFormed = streamed.finish();
    } catch (...) { // the tree or the parser's stack could not grow
        r.reason = kOutOfMemory;
        r.offset = t.position();
        *status = BACNAPI_E_FAIL;
        clear_value(value);
        *value = read;
        return true;
    }
    wellFormed = wellFormed && streamed.next == Streamed::End && (depth == 1 || t.take('}')) && t.at_end();
    // The value is handed over read or refused part way, as a whole reading leaves it: emptied
    // first (it held another type), then filled as far as the reading went.
    if (wellFormed && (*status != 0 || streamed.read == count)) {
        clear_value(value);
        *value = read;
        return true;
    }
    clear_value(&read);
    return false;
}

} // namespace

ReadOutcome read_json_text(BACnetDataType* value, const char* text, int32_t type, ReadMode mode)
{
    ReadOutcome outcome;
    Reader listwise;
    Reader whole;
    Reader* r = &whole;
    try {
        if (mode == ReadMode::Listwise && read_listwise(value, text, type, listwise, &outcome.status)) {
            r = &listwise;
            outcome.listwise = true;
        } else {
            outcome.status = read_whole(value, text, type, whole);
        }
    } catch (...) { // the tree's containers could not grow
        outcome.status = BACNAPI_E_FAIL;
        r->reason = r->reason ? r->reason : kOutOfMemory;
    }
    if (outcome.status == 0) return outcome;
    if (!r->reason) {
        r->offset = r->lastOffset;
        r->reason = outcome.status == BACNAPI_WALK_E_NOMEMORY     ? kOutOfMemory
                    : outcome.status == BACNAPI_WALK_E_NODESCRIPTOR ? "type has no JSON form"
                                                                    : "value refused";
    }
    outcome.offset = r->offset;
    outcome.reason = r->reason;
    return outcome;
}

} // namespace bacnapi::json

extern "C" BACNAPI_API int32_t bacnapi_json_set(BACnetDataType* value, const char* text, int32_t type,
                                                uint64_t* offset, const char** reason)
{
    using namespace bacnapi::json;
    if (offset) *offset = 0;
    if (reason) *reason = nullptr;
    if (!value || !text) {
        if (reason) *reason = "no value or no text";
        return BACNAPI_E_INVALIDARG;
    }
    const ReadOutcome outcome = read_json_text(value, text, type, ReadMode::Listwise);
    if (outcome.status != 0) {
        if (offset) *offset = outcome.offset;
        if (reason) *reason = outcome.reason;
    }
    return outcome.status;
}
