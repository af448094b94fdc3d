// Collects the schema model by walking each constructed type with no source and a scratch
// destination, the way the brace reader walks, with a visitor that stores nothing and only notes
// what the walk functions describe.
//
// One walk describes the fields of one type: every single field is announced to filterField,
// noted and skipped, and a constructed field's own type is collected by a walk of its own that
// starts at the field's place in the scratch destination (so the types embedded in their parent's
// record are walked where they live). A value that reaches the visitor unannounced is a list
// element or a value whose type is looked up at run time; its contents are walked but ignored.
// A type that makes a choice is walked once per alternative number (the walk refuses numbers
// that are not alternatives), and the walks are merged.
//
// Everything this file needs from the walker is here; the slot functions are thin adapters onto
// the handlers of SchemaWalk.
#include "json/field_keys.h"
#include "json/schema.h"

#include "value/list_types.h"
#include "value/record_size.h"
#include "value/value_internal.h"
#include "walk/walk.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace bacnapi {

namespace {

// Alternative numbers tried for a type that makes a choice (the descriptors use -1 and up).
constexpr int32_t kFirstAlternative = -1;
constexpr int32_t kLastAlternative = 63;

constexpr bool is_application_type(int32_t type) { return type >= 0 && type <= 12; }

// One field as one walk described it.
struct WalkEntry {
    uint32_t nameId = 0;
    int32_t tag = -1;
    SchemaSlot slot;
    bool optional = false;
    bool chosen = false; // the field is the alternative of a choice made right before it
};

struct Collector;

// The state of one walk over one type.
struct SchemaWalk {
    Collector* collector = nullptr;
    int32_t type = 0;
    bool probing = false;
    int32_t probe = 0;
    int depth = 0;              // constructed values open: 1 inside the walked type itself
    bool sawChoice = false;     // a choice was made among the type's own fields
    bool pendingChoice = false; // ... and its alternative is the next field
    bool elementPending = false;
    bool isArray = false;
    SchemaSlot items;
    std::vector<WalkEntry> entries;
    int32_t status = 0; // a failure of the collector itself (nested types), kept past the walk

    int32_t on_filter(const BACnetFieldCursor* field);
    void on_value(uint32_t nameId, int32_t type);
    void on_begin_constructed(uint32_t nameId, int32_t type);
    void on_end_constructed() { --depth; }
    void on_choose(int32_t* alternative, const int32_t* recorded);
    void on_begin_element(uint32_t* more);
    void on_end_element(uint32_t* more);
};

struct Collector {
    SchemaModel& model;
    std::map<int32_t, bool> started; // types whose definition is being or has been collected

    int32_t collect_at(const BACnetFieldCursor& at);
    int32_t collect_alone(int32_t type);
    int32_t ensure(int32_t type, const BACnetFieldCursor* at);
};

SchemaSlot slot_of_type(int32_t type, uint32_t enumId)
{
    SchemaSlot slot;
    slot.kind = is_primitive_schema_type(type) ? SchemaSlot::Application : SchemaSlot::Reference;
    slot.type = type;
    slot.enumId = slot.kind == SchemaSlot::Application && type == BACNAPI_TYPE_Enumerated ? enumId : 0;
    return slot;
}

SchemaSlot envelope_slot()
{
    SchemaSlot slot;
    slot.kind = SchemaSlot::Envelope;
    return slot;
}

int32_t SchemaWalk::on_filter(const BACnetFieldCursor* field)
{
    if (depth != 1) return 1; // inside a value that is not the walked type's own field
    WalkEntry entry;
    entry.nameId = field->nameId;
    entry.tag = field->tag;
    entry.slot = slot_of_type(field->type, field->enumId);
    // A nested value (one held in an embedded universal value) may be empty: it is then null.
    entry.slot.nullable = field->kind == kFieldSingle && field->destContainer != nullptr;
    entry.optional = field->optional != 0;
    entry.chosen = pendingChoice;
    pendingChoice = false;
    entries.push_back(entry);
    if (entry.slot.kind == SchemaSlot::Reference && status == 0) status = collector->ensure(field->type, field);
    return 1;
}

// A value nobody announced: a list element, or a value whose type varies.
void SchemaWalk::on_value(uint32_t nameId, int32_t valueType)
{
    if (depth != 1) return;
    if (elementPending) {
        items = slot_of_type(valueType, 0);
        if (items.kind == SchemaSlot::Reference && status == 0) status = collector->ensure(valueType, nullptr);
        return;
    }
    WalkEntry entry;
    entry.nameId = nameId;
    entry.slot = envelope_slot();
    entry.chosen = pendingChoice;
    pendingChoice = false;
    entries.push_back(entry);
}

void SchemaWalk::on_begin_constructed(uint32_t nameId, int32_t valueType)
{
    if (depth == 1) on_value(nameId, valueType);
    ++depth;
}

void SchemaWalk::on_choose(int32_t* alternative, const int32_t* recorded)
{
    if (depth == 1) {
        sawChoice = true;
        pendingChoice = true;
        if (probing) {
            *alternative = probe;
            return;
        }
    }
    *alternative = *recorded;
}

void SchemaWalk::on_begin_element(uint32_t* more)
{
    if (depth != 1) {
        *more = 0;
        return;
    }
    isArray = true;
    if (is_list_type(type)) {
        // A value list says its element type; without a fixed one the elements are universal values.
        const int32_t elementType = list_element_type(type);
        items = elementType >= 0 ? slot_of_type(elementType, 0) : envelope_slot();
        if (items.kind == SchemaSlot::Reference && status == 0) status = collector->ensure(elementType, nullptr);
        *more = 0;
        return;
    }
    // Any other run: one element is walked to learn its type.
    elementPending = true;
    *more = 1;
}

void SchemaWalk::on_end_element(uint32_t* more)
{
    if (depth == 1) elementPending = false;
    *more = 0;
}

// ---- Adapters from the visitor's slots

SchemaWalk& walk_of(void* ctx) { return *static_cast<SchemaWalk*>(ctx); }

// Runs a handler without letting an exception into the walker (whose frames hold no owners): a
// refused allocation of the model stops the walk with a status instead.
template <class Handler>
int32_t guarded(void* ctx, Handler handler)
{
    SchemaWalk& walk = walk_of(ctx);
    try {
        return handler(walk);
    } catch (const std::bad_alloc&) {
        walk.status = BACNAPI_WALK_E_NOMEMORY;
    } catch (...) {
        walk.status = BACNAPI_E_FAIL;
    }
    return walk.status;
}

template <int32_t Type>
int32_t note_value(uint32_t nameId, void*, const void*, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_value(nameId, Type), 0; });
}

int32_t note_null(uint32_t nameId, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_value(nameId, BACNAPI_TYPE_Null), 0; });
}

int32_t note_enumerated(uint32_t nameId, uint32_t, void*, const void*, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_value(nameId, BACNAPI_TYPE_Enumerated), 0; });
}

int32_t note_begin(uint32_t nameId, int32_t type, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_begin_constructed(nameId, type), 0; });
}

int32_t note_end(uint32_t, void* ctx)
{
    walk_of(ctx).on_end_constructed();
    return 0;
}

int32_t note_choice(uint32_t, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    if (!alternative || !recorded) return BACNAPI_E_FAIL;
    walk_of(ctx).on_choose(alternative, recorded);
    return 0;
}

int32_t note_element_begin(uint32_t, uint32_t* more, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_begin_element(more), 0; });
}

int32_t note_element_end(uint32_t, uint32_t* more, void* ctx)
{
    walk_of(ctx).on_end_element(more);
    return 0;
}

// A field the collector failed on is not skipped: the walk is stopped with the status.
int32_t note_filter(const BACnetFieldCursor* field, void* ctx)
{
    return guarded(ctx, [&](SchemaWalk& w) { return w.on_filter(field); });
}

constexpr BACnetVisitor kSchemaVisitor = {
    .visitNull = note_null,
    .visitBoolean = note_value<BACNAPI_TYPE_Boolean>,
    .visitUnsigned = note_value<BACNAPI_TYPE_Unsigned>,
    .visitSigned = note_value<BACNAPI_TYPE_Signed>,
    .visitReal = note_value<BACNAPI_TYPE_Real>,
    .visitDouble = note_value<BACNAPI_TYPE_Double>,
    .visitOctetString = note_value<BACNAPI_TYPE_OctetString>,
    .visitCharacterString = note_value<BACNAPI_TYPE_CharacterString>,
    .visitBitString = note_value<BACNAPI_TYPE_BitString>,
    .visitEnumerated = note_enumerated,
    .visitDate = note_value<BACNAPI_TYPE_Date>,
    .visitTime = note_value<BACNAPI_TYPE_Time>,
    .visitObjectIdentifier = note_value<BACNAPI_TYPE_ObjectIdentifier>,
    .beginConstructed = note_begin,
    .endConstructed = note_end,
    .chooseAlternative = note_choice,
    .beginElement = note_element_begin,
    .endElement = note_element_end,
    .filterField = note_filter,
};

// ---- Merging the walks of one type

// The key the JSON writer gives the field, from the same table.
int32_t key_of(const WalkEntry& entry, std::string* key)
{
    char buf[json::kFieldKeyBufferSize];
    *key = json::field_key(entry.nameId, entry.tag, buf);
    return 0;
}

// Adds slot to the member: the same slot again changes nothing; another application type makes
// the member a choice among application types.
int32_t merge_slot(SchemaSlot& into, const SchemaSlot& slot)
{
    if (into == slot) return 0;
    auto application = [](const SchemaSlot& s) {
        return s.kind == SchemaSlot::Choice || (s.kind == SchemaSlot::Application && is_application_type(s.type));
    };
    if (!application(into) || !application(slot)) return BACNAPI_E_FAIL;
    if (into.kind == SchemaSlot::Application) {
        const int32_t first = into.type;
        into = SchemaSlot{};
        into.kind = SchemaSlot::Choice;
        into.types.push_back(first);
    }
    if (std::find(into.types.begin(), into.types.end(), slot.type) == into.types.end()) into.types.push_back(slot.type);
    into.nullable = into.nullable || slot.nullable;
    return 0;
}

// A choice type: every walk described exactly its one alternative.
int32_t merge_choice(const std::vector<SchemaWalk>& walks, SchemaDef& def)
{
    def.shape = SchemaDef::Choice;
    for (const SchemaWalk& walk : walks) {
        std::string key;
        if (key_of(walk.entries[0], &key) != 0) return BACNAPI_E_FAIL;
        auto same = std::find_if(def.members.begin(), def.members.end(),
                                 [&](const SchemaMember& m) { return m.key == key; });
        if (same == def.members.end()) {
            def.members.push_back(SchemaMember{key, walk.entries[0].slot, false, -1});
        } else if (merge_slot(same->slot, walk.entries[0].slot) != 0) {
            return BACNAPI_E_FAIL;
        }
    }
    return 0;
}

// A record: the walks agree field by field, except where a choice among the fields puts one of
// several alternatives (a group of members of which exactly one is present).
int32_t merge_record(const std::vector<SchemaWalk>& walks, SchemaDef& def)
{
    def.shape = SchemaDef::Record;
    const size_t count = walks[0].entries.size();
    for (const SchemaWalk& walk : walks)
        if (walk.entries.size() != count) return BACNAPI_E_FAIL;
    for (size_t i = 0; i < count; ++i) {
        const size_t first = def.members.size();
        for (const SchemaWalk& walk : walks) {
            const WalkEntry& entry = walk.entries[i];
            std::string key;
            if (key_of(entry, &key) != 0) return BACNAPI_E_FAIL;
            auto begin = def.members.begin() + static_cast<std::ptrdiff_t>(first);
            auto same = std::find_if(begin, def.members.end(), [&](const SchemaMember& m) { return m.key == key; });
            if (same == def.members.end()) {
                def.members.push_back(SchemaMember{key, entry.slot, entry.optional, -1});
            } else if (merge_slot(same->slot, entry.slot) != 0) {
                return BACNAPI_E_FAIL;
            }
        }
        if (def.members.size() - first > 1)
            for (size_t m = first; m < def.members.size(); ++m) def.members[m].group = static_cast<int32_t>(i);
    }
    // One key twice in one object could not be read back.
    for (size_t a = 0; a < def.members.size(); ++a)
        for (size_t b = a + 1; b < def.members.size(); ++b)
            if (def.members[a].key == def.members[b].key) return BACNAPI_E_FAIL;
    return 0;
}

int32_t merge_walks(const std::vector<SchemaWalk>& walks, SchemaDef& def)
{
    if (walks.empty()) return BACNAPI_E_FAIL;
    if (walks[0].isArray) {
        def.shape = SchemaDef::Array;
        def.items = walks[0].items;
        return 0;
    }
    const bool choice = walks[0].sawChoice && std::all_of(walks.begin(), walks.end(), [](const SchemaWalk& w) {
        return w.entries.size() == 1 && w.entries[0].chosen;
    });
    return choice ? merge_choice(walks, def) : merge_record(walks, def);
}

// ---- Collecting

// One walk of the value the cursor describes. The cursor is the caller's copy: the walk may
// change it.
int32_t walk_once(Collector& collector, BACnetFieldCursor cursor, bool probing, int32_t probe, SchemaWalk* walk)
{
    walk->collector = &collector;
    walk->type = cursor.type;
    walk->probing = probing;
    walk->probe = probe;
    const int32_t status = walk_value(&cursor, walk, &kSchemaVisitor);
    return walk->status != 0 ? walk->status : status;
}

int32_t Collector::collect_at(const BACnetFieldCursor& at)
{
    std::vector<SchemaWalk> walks(1);
    int32_t status = walk_once(*this, at, false, 0, &walks[0]);
    if (walks[0].status != 0) return walks[0].status;
    if (walks[0].sawChoice) {
        // The recorded alternative of an empty destination need not exist: every number is tried.
        walks.clear();
        for (int32_t alternative = kFirstAlternative; alternative <= kLastAlternative; ++alternative) {
            SchemaWalk walk;
            status = walk_once(*this, at, true, alternative, &walk);
            if (status == 0) {
                walks.push_back(std::move(walk));
                continue;
            }
            // A number that is no alternative is refused right after it is answered; any other
            // failure (a refused allocation) is the collector's.
            const bool notAnAlternative = walk.status == 0 && walk.pendingChoice &&
                                          (status == BACNAPI_WALK_E_NODESCRIPTOR || status == BACNAPI_WALK_E_REFUSED);
            if (!notAnAlternative) return status;
        }
    } else if (status != 0) {
        return status;
    }
    SchemaDef def;
    status = merge_walks(walks, def);
    if (status != 0) return status;
    model[at.type] = std::move(def);
    return 0;
}

// A type walked from an empty scratch value of its own, released afterwards.
int32_t Collector::collect_alone(int32_t type)
{
    // Released however collecting ends, also when an allocation of the model throws.
    // A value never owns the record of a Described type: that record is released here.
    struct Scratch {
        BACnetDataType value{};
        ~Scratch()
        {
            if (storage_of(value.type) == Storage::Described && value.payload.record) {
                release_record_parts(value.type, value.payload.record);
                std::free(value.payload.record);
                value.payload.record = nullptr;
            }
            clear_value(&value);
        }
    } scratch;
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    const int32_t status = bind_cursor(&cursor, nullptr, type, &scratch.value, type);
    return status != 0 ? status : collect_at(cursor);
}

// Collects type once. `at` is the field that holds it in a scratch destination (null: none).
int32_t Collector::ensure(int32_t type, const BACnetFieldCursor* at)
{
    if (started[type]) return 0;
    started[type] = true;
    int32_t status;
    if (at && at->dest) {
        BACnetFieldCursor cursor = *at;
        cursor.kind = kFieldSingle;
        cursor.depth = 0;
        status = collect_at(cursor);
    } else {
        status = collect_alone(type);
    }
    // A type that failed is not taken as collected by a later walk.
    if (status != 0) started[type] = false;
    return status;
}

} // namespace

int32_t collect_schema_model(int32_t type, SchemaModel& model)
{
    if (is_primitive_schema_type(type)) return 0;
    Collector collector{model, {}};
    return collector.ensure(type, nullptr);
}

} // namespace bacnapi
