// The walker engine: binds a cursor to whole values and walks them field by field, calling the
// visitor's slots in a fixed order. The engine knows no particular type; what a constructed
// value holds comes from its type's walk function, found through the descriptor table.
//
// Every cursor lives on the stack of the step that walks it; the only heap allocation the engine
// makes is a destination record in bind_cursor.
#include "walk/walk.h"

#include "walk/field_table.h"
#include "walk/lists.h"

#include "value/limits.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

// A zero cursor, read through a pointer the compiler cannot see through: a value-initialised
// cursor is filled by a string store, whose start-up cost was the largest single cost of walking a
// record, while a copy of this one is a few vector moves.
constexpr BACnetFieldCursor kZeroCursor{};
const BACnetFieldCursor* const volatile kZeroCursorRef = &kZeroCursor;

// walk_field with the parent type's descriptor already found.
int32_t walk_described_field(const BACnetTypeDescriptor* descriptor, BACnetFieldCursor* parent, void* ctx,
                             const BACnetVisitor* visitor, uint32_t* more, int32_t* index);

constexpr bool is_application_type(int32_t type)
{
    return type >= BACNAPI_TYPE_Null && type <= BACNAPI_TYPE_ObjectIdentifier;
}

// Calls the visitor slot of an application value of type `type` (slot number = type code).
int32_t visit_slot(int32_t type, uint32_t n, uint32_t enumId, void* d, const void* s, void* ctx,
                   const BACnetVisitor* v)
{
    switch (type) {
    case BACNAPI_TYPE_Null: return v->visitNull ? v->visitNull(n, ctx) : 0;
    case BACNAPI_TYPE_Boolean: return v->visitBoolean ? v->visitBoolean(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Unsigned: return v->visitUnsigned ? v->visitUnsigned(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Signed: return v->visitSigned ? v->visitSigned(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Real: return v->visitReal ? v->visitReal(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Double: return v->visitDouble ? v->visitDouble(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_OctetString: return v->visitOctetString ? v->visitOctetString(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_CharacterString: return v->visitCharacterString ? v->visitCharacterString(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_BitString: return v->visitBitString ? v->visitBitString(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Enumerated: return v->visitEnumerated ? v->visitEnumerated(n, enumId, d, s, ctx) : 0;
    case BACNAPI_TYPE_Date: return v->visitDate ? v->visitDate(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_Time: return v->visitTime ? v->visitTime(n, d, s, ctx) : 0;
    case BACNAPI_TYPE_ObjectIdentifier: return v->visitObjectIdentifier ? v->visitObjectIdentifier(n, d, s, ctx) : 0;
    default: return BACNAPI_WALK_E_NODESCRIPTOR; // not reached: callers check the range
    }
}

// Calls the visitor slot of the application value a cursor describes.
int32_t visit_application(const BACnetFieldCursor* c, void* ctx, const BACnetVisitor* v)
{
    return visit_slot(c->type, c->nameId, c->enumId, c->dest, c->src, ctx, v);
}

// A field that is a member in place in its record (or an embedded choice that reads the whole
// record, at offset 0), with no absent sentinel to test or preset and no object type to pass on:
// what describe_field makes of it can be read straight off its row.
bool is_plain_member(const FieldDesc& field)
{
    return (field.mode == FieldMode::Member || field.mode == FieldMode::WholeRecord) &&
           field.sentinel == Sentinel::None && field.objectTypeOffset < 0;
}

// Walks a plain member field of the parent's record as walk_field would, without asking the
// type's walk function: an application value goes straight to its slot (through a cursor only
// when the visitor filters fields), a record is walked from a cursor filled from the row.
int32_t walk_plain_member(const FieldDesc& field, const BACnetFieldCursor* parent, void* ctx,
                          const BACnetVisitor* visitor)
{
    const uint32_t offset = field.mode == FieldMode::Member ? field.offset : 0;
    const void* src = parent->src ? static_cast<const unsigned char*>(parent->src) + offset : nullptr;
    void* dest = parent->dest ? static_cast<unsigned char*>(parent->dest) + offset : nullptr;
    if (is_application_type(field.type) && !visitor->filterField)
        return visit_slot(field.type, field.nameId, field.enumId, dest, src, ctx, visitor);
    BACnetFieldCursor child = *kZeroCursorRef;
    child.nameId = field.nameId;
    child.kind = kFieldSingle;
    child.tag = field.tag;
    child.type = field.type;
    child.enumId = field.enumId;
    child.src = src;
    child.dest = dest;
    child.srcObjectType = parent->srcObjectType;
    child.destObjectType = parent->destObjectType;
    child.depth = parent->depth + 1;
    if (visitor->filterField && visitor->filterField(&child, ctx) != 0) return BACNAPI_S_OK;
    return is_application_type(field.type) ? visit_application(&child, ctx, visitor) : walk_value(&child, ctx, visitor);
}

// The element-opening slot. A visitor without beginElement can walk a list only when the source
// side says where the list ends; on a destination-only walk it would never end, so the engine
// treats the missing slot as a refusal there.
int32_t begin_element(const BACnetVisitor* v, bool hasSource, uint32_t nameId, uint32_t* more, void* ctx)
{
    if (!v->beginElement) return hasSource ? 0 : BACNAPI_WALK_E_REFUSED;
    return v->beginElement(nameId, more, ctx);
}

// A typed run that ends where it had made room for another element gives up the elements already
// in the destination: what they own is released and they are zeroed before the count drops to 0,
// so that nothing read so far is left behind unreachable. Element 0 is the run record's first
// member; element i is slot i of the overflow array.
void release_run_elements(const BACnetFieldCursor* child)
{
    if (!child->destCount || !child->destContainer) return;
    const uint64_t size = record_size_of(child->type);
    auto* overflow = child->destElements ? static_cast<unsigned char*>(*child->destElements) : nullptr;
    // The count is the run's signed count: a negative one (a broken run) releases nothing.
    const auto count = static_cast<int32_t>(*child->destCount);
    for (int32_t i = 0; i < count; ++i) {
        void* element =
            i == 0 ? child->destContainer : (overflow ? overflow + static_cast<uint64_t>(i) * size : nullptr);
        if (!element) break;
        release_record_parts(child->type, element);
        std::memset(element, 0, size);
    }
    *child->destCount = 0;
}

// The list ends: *more is cleared and a bracketing visitor hears of it.
int32_t end_list(const BACnetVisitor* v, uint32_t nameId, uint32_t* more, void* ctx)
{
    *more = 0;
    if (v->endList) (void)v->endList(nameId, ctx);
    return BACNAPI_S_OK;
}

// The fields of a value list are its elements, all of one type. Once the list's walk function has
// described element 0, the elements are walked here one after another, with one cursor described
// afresh for each, until the list ends: the same slots in the same order as field by field, without
// finding the list's descriptor and element type again for every element.
int32_t walk_list_elements(const BACnetFieldCursor* parent, BACnetFieldCursor* child, void* ctx,
                           const BACnetVisitor* visitor, uint32_t* more, int32_t* index)
{
    const auto* source = static_cast<const BACnetValueList*>(parent->src);
    auto* destination = static_cast<BACnetValueList*>(parent->dest);
    const int32_t elementType = child->type;
    BACnetFieldCursor fresh = *kZeroCursorRef;
    fresh.srcObjectType = child->srcObjectType;
    fresh.destObjectType = child->destObjectType;
    fresh.depth = child->depth;
    ListElementState state;
    // A list being read whose length the visitor can tell takes all its room at once (room the
    // heap refuses is refused as any growth would be). Element 0 is already described; if its
    // slot moved with the array, it is described again in place.
    ListRoom room(destination);
    if (destination && !source && visitor->countElements && destination->count == 1) {
        const uint32_t expected = visitor->countElements(parent->nameId, ctx);
        const int32_t reserved = room.reserve(expected);
        if (reserved < 0) return reserved;
        if (reserved == 1) {
            *child = fresh;
            const int32_t status = describe_list_element(elementType, child, nullptr, destination, 0, &state);
            if (status != 0) return status;
        }
    }
    // A list of application values being read may be taken in bulk by the visitor, from element 1
    // on (element 0 opens the list the usual way), wherever the list holds exactly the elements
    // before the next one.
    const bool bulk = destination && !source && visitor->readElements && elementType > BACNAPI_TYPE_Null &&
                      is_application_type(elementType);
    for (;;) {
        int32_t status = walk_value_list(parent->nameId, source, destination, child, ctx, visitor, more, *index);
        ++*index;
        if (status != 0 || !*more) return status;
        if (visitor->betweenFields) {
            status = visitor->betweenFields(ctx);
            if (status != 0) return status;
        }
        if (bulk && destination->count == static_cast<uint32_t>(*index)) {
            *index += static_cast<int32_t>(visitor->readElements(parent->nameId, elementType, destination, more, ctx));
            room.filled(destination->count);
            if (!*more) return end_list(visitor, parent->nameId, more, ctx);
        }
        *child = fresh;
        if (destination) room.cover(static_cast<uint32_t>(*index) + 1);
        status = describe_list_element(elementType, child, parent->src, parent->dest, *index, &state);
        if (status != 0) {
            ++*index;
            return status;
        }
    }
}

// A wrapped value is walked as a value of its own, owning its record.
int32_t walk_wrapped(BACnetFieldCursor* child, void* ctx, const BACnetVisitor* v)
{
    const int32_t tag = child->tag;
    child->recordOwned = 1;
    child->tag = -1;
    if (v->openWrapped && v->openWrapped(child->nameId, tag, child->type, ctx) != 0) return BACNAPI_WALK_E_REFUSED;
    const int32_t status = walk_value(child, ctx, v);
    if (status != 0 || !v->closeWrapped) return status;
    return v->closeWrapped(ctx);
}

} // namespace

int32_t bind_cursor(BACnetFieldCursor* cursor, const BACnetDataType* source, int32_t sourceType,
                    BACnetDataType* destination, int32_t destinationType)
{
    if (!cursor || (!source && !destination)) return BACNAPI_WALK_E_REFUSED;

    if (source) {
        if (source->type != sourceType) return BACNAPI_WALK_E_REFUSED;
        if (!is_application_type(sourceType) && !source->payload.record) return BACNAPI_WALK_E_REFUSED;
        cursor->src = is_application_type(sourceType) ? static_cast<const void*>(&source->payload)
                                                       : source->payload.record;
        cursor->type = sourceType;
        if (!destination) return BACNAPI_S_OK;
    }

    if (is_application_type(destinationType)) {
        destination->type = destinationType;
        cursor->dest = &destination->payload;
        cursor->type = destinationType;
        return BACNAPI_S_OK;
    }

    const BACnetTypeDescriptor* descriptor = find_descriptor(destinationType);
    if (!descriptor) return BACNAPI_WALK_E_NODESCRIPTOR;
    // SignedLong and the embedded types have no record of their own: a zero-size record would be
    // overrun by the first field, so they cannot stand alone as a destination.
    if (descriptor->recordSize == 0) return BACNAPI_WALK_E_REFUSED;
    void* record = destination->payload.record;
    if (!record) {
        record = std::calloc(1, descriptor->recordSize);
        if (!record) return BACNAPI_WALK_E_NOMEMORY;
    }
    cursor->dest = record;
    cursor->recordOwned = 1;
    destination->type = destinationType;
    destination->payload.record = record;
    cursor->type = destinationType;
    return BACNAPI_S_OK;
}

int32_t walk_value(BACnetFieldCursor* cursor, void* ctx, const BACnetVisitor* visitor)
{
    if (!cursor || !visitor) return BACNAPI_WALK_E_REFUSED;
    if (is_application_type(cursor->type)) return visit_application(cursor, ctx, visitor);
    if (cursor->depth > kMaxNestingDepth) return BACNAPI_WALK_E_REFUSED;

    if (visitor->beginConstructed) {
        const int32_t status = visitor->beginConstructed(cursor->nameId, cursor->type, ctx);
        if (status != 0) return status;
    }
    // The type's descriptor is found once for all its fields. The plain members of a field table
    // are walked from their rows; every other field through the type's walk.
    const BACnetTypeDescriptor* descriptor = find_descriptor(cursor->type);
    if (!descriptor) return BACNAPI_WALK_E_NODESCRIPTOR;
    const TypeWalk& walk = descriptor->walk;
    const size_t rows = walk.kind == DescriptorKind::Fields && !descriptor->finishField ? walk.fieldCount : 0;
    int32_t index = 0;
    uint32_t more = 1;
    for (;;) {
        int32_t status;
        if (static_cast<size_t>(index) < rows && is_plain_member(walk.fields[index])) {
            status = walk_plain_member(walk.fields[index], cursor, ctx, visitor);
            if (static_cast<size_t>(++index) == rows) more = 0;
        } else {
            status = walk_described_field(descriptor, cursor, ctx, visitor, &more, &index);
        }
        if (status != 0) return status;
        if (!more) break;
        if (visitor->betweenFields) {
            status = visitor->betweenFields(ctx);
            if (status != 0) return status;
        }
    }
    if (!visitor->endConstructed) return BACNAPI_S_OK;
    return visitor->endConstructed(cursor->nameId, ctx);
}

int32_t walk_field(BACnetFieldCursor* parent, void* ctx, const BACnetVisitor* visitor, uint32_t* more,
                   int32_t* index)
{
    const BACnetTypeDescriptor* descriptor = find_descriptor(parent->type);
    if (!descriptor) return BACNAPI_WALK_E_NODESCRIPTOR;
    return walk_described_field(descriptor, parent, ctx, visitor, more, index);
}

namespace {

int32_t walk_described_field(const BACnetTypeDescriptor* descriptor, BACnetFieldCursor* parent, void* ctx,
                             const BACnetVisitor* visitor, uint32_t* more, int32_t* index)
{
    BACnetFieldCursor child = *kZeroCursorRef;
    child.srcObjectType = parent->srcObjectType;
    child.destObjectType = parent->destObjectType;
    child.depth = parent->depth + 1;

    int32_t status = descriptor->walk(&child, parent->src, parent->dest, ctx, visitor, more, *index);
    if (status == 0) {
        switch (child.kind) {
        case kFieldSingle:
            if (!(visitor->filterField && visitor->filterField(&child, ctx) != 0))
                status = is_application_type(child.type) ? visit_application(&child, ctx, visitor)
                                                         : walk_value(&child, ctx, visitor);
            break;
        case kFieldValueList:
            if (!descriptor->finishField) return walk_list_elements(parent, &child, ctx, visitor, more, index);
            status = walk_value_list(parent->nameId, static_cast<const BACnetValueList*>(parent->src),
                                     static_cast<BACnetValueList*>(parent->dest), &child, ctx, visitor, more,
                                     *index);
            break;
        case kFieldTypedRun:
            status = walk_typed_run(parent->nameId, &child, ctx, visitor, more, *index);
            break;
        case kFieldWrapped: status = walk_wrapped(&child, ctx, visitor); break;
        default: break;
        }
    }
    if (descriptor->finishField) (void)descriptor->finishField(&child, parent->dest, *index);
    ++*index;
    return status;
}

} // namespace

int32_t walk_value_list(uint32_t nameId, const BACnetValueList* source, BACnetValueList* destination,
                        BACnetFieldCursor* child, void* ctx, const BACnetVisitor* visitor, uint32_t* more,
                        int32_t index)
{
    if (index == 0 && visitor->beginList && visitor->beginList(nameId, ctx) != 0) return BACNAPI_WALK_E_REFUSED;
    if (source && (index < 0 || static_cast<uint32_t>(index) >= source->count))
        return end_list(visitor, nameId, more, ctx);
    if (begin_element(visitor, source != nullptr, nameId, more, ctx) != 0) return BACNAPI_WALK_E_REFUSED;

    if (*more) {
        child->recordOwned = 1;
        int32_t status = is_application_type(child->type) ? visit_application(child, ctx, visitor)
                                                          : walk_value(child, ctx, visitor);
        if (status != 0) return status;
        if (visitor->endElement) {
            status = visitor->endElement(nameId, more, ctx);
            if (status != 0) return status;
        }
        if (source && static_cast<uint32_t>(index) + 1 >= source->count) return end_list(visitor, nameId, more, ctx);
        if (!*more && visitor->endList) (void)visitor->endList(nameId, ctx);
        return BACNAPI_S_OK;
    }

    // The visitor found no element here: the list ends, and whatever room the destination had
    // made for elements is taken back.
    if (destination) {
        const uint32_t used = destination->count < destination->capacity ? destination->count : destination->capacity;
        for (uint32_t i = 0; i < used && destination->elements; ++i) clear_value(&destination->elements[i]);
        destination->count = 0;
    }
    return end_list(visitor, nameId, more, ctx);
}

int32_t walk_typed_run(uint32_t nameId, BACnetFieldCursor* child, void* ctx, const BACnetVisitor* visitor,
                       uint32_t* more, int32_t index)
{
    const int32_t count = child->count;
    if (index == 0 && visitor->beginList && visitor->beginList(nameId, ctx) != 0) return BACNAPI_WALK_E_REFUSED;
    if (count != -1 && index >= count) {
        if (count == 0 && child->destCount) *child->destCount = 0;
        return end_list(visitor, nameId, more, ctx);
    }

    if (begin_element(visitor, count != -1, nameId, more, ctx) != 0) return BACNAPI_WALK_E_REFUSED;
    if (!*more) {
        release_run_elements(child);
        return end_list(visitor, nameId, more, ctx);
    }

    int32_t status = walk_value(child, ctx, visitor);
    if (status != 0) return status;
    if (visitor->endElement) {
        status = visitor->endElement(nameId, more, ctx);
        if (status != 0) return status;
    }
    if (count != -1 && index + 1 >= count) return end_list(visitor, nameId, more, ctx);
    if (!*more && visitor->endList) (void)visitor->endList(nameId, ctx);
    return BACNAPI_S_OK;
}

} // namespace bacnapi
