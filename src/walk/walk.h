// The walker engine: descriptors, field cursors, visitors and the walk itself.
//
// Every whole-value conversion (brace text out and in, retyping) is one walk over a value with a
// visitor. The engine knows no particular type: the walk function of each constructed type,
// asked for field 0, 1, 2, ..., describes that field in a child cursor, and the engine calls the
// visitor's slots in a fixed order. Internal to the library; nothing here is exported.
#pragma once

#include <array>
#include <bacnapi/bacnapi.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace bacnapi {

// Kind of a field described by a walk function.
enum BACnetFieldKind : uint32_t {
    kFieldSingle = 0,    // one value
    kFieldValueList = 1, // one element of a BACnetValueList
    kFieldTypedRun = 2,  // one element of a head-inline sequence
    kFieldWrapped = 3,   // one value whose type is looked up at run time
};

// One field (or one value) during a walk. Created zero-filled; the walk function fills it.
struct BACnetFieldCursor {
    uint32_t nameId;           // field-name identifier; 3 for the top-level value
    uint32_t kind;             // BACnetFieldKind
    int32_t tag;               // context tag, -1 none; for a choice the chosen alternative
    int32_t type;              // type code of the value (element type for lists and runs)
    uint32_t enumId;           // enumeration of an Enumerated field, or the choice identifier
    uint32_t optional;         // 1 when optional in its production
    uint32_t absent;           // 1 when the source holds the absent sentinel
    const void* src;           // the field's value in the source, or null
    uint32_t srcObjectType;    // inherited object type for property lookups (source side)
    const void* srcContainer;  // scratch: the source run record of a typed run
    const void* srcElements;   // scratch: the source element array of a typed run
    int32_t count;             // typed run: source element count, -1 without a source
    uint32_t recordOwned;      // 1 when the record is a heap block owned through a value
    void* dest;                // the field's place in the destination, or null
    uint32_t destObjectType;   // inherited object type (destination side)
    void* destContainer;       // scratch: the destination run record of a typed run
    void** destElements;       // typed run: address of the destination element-array pointer
    uint32_t* destCount;       // typed run: address of the destination element count, or null
    int32_t depth;             // values this one lies within (0 for the value a walk starts at)
};

// The visitor: the slots a conversion fills, any of which may be null (a null slot succeeds and
// does nothing). dest and src point to the payload of the slot's type; each slot returns 0 or a
// status. nameId names the field being visited (88 for a list element, 3 for the value a walk
// starts at). Every slot defaults to null, so a visitor names only the slots it fills.
struct BACnetVisitor {
    int32_t (*visitNull)(uint32_t nameId, void* ctx) = nullptr;
    int32_t (*visitBoolean)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitUnsigned)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitSigned)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitReal)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitDouble)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitOctetString)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitCharacterString)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitBitString)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    // enumId: the enumeration the value belongs to, or the choice identifier inside a choice.
    int32_t (*visitEnumerated)(uint32_t nameId, uint32_t enumId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitDate)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitTime)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    int32_t (*visitObjectIdentifier)(uint32_t nameId, void* dest, const void* src, void* ctx) = nullptr;
    // A constructed value (record or list) of type `type` opens and closes around its fields.
    int32_t (*beginConstructed)(uint32_t nameId, int32_t type, void* ctx) = nullptr;
    int32_t (*endConstructed)(uint32_t nameId, void* ctx) = nullptr;
    int32_t (*betweenFields)(void* ctx) = nullptr;
    // Called by choice walk functions: *alternative receives the chosen alternative number,
    // *recorded is the alternative the record holds.
    int32_t (*chooseAlternative)(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx) = nullptr;
    // Around each element of a list (nameId: the list's). On a destination-only walk beginElement
    // decides where the list ends by clearing *more; endElement may clear it after an element.
    int32_t (*beginElement)(uint32_t nameId, uint32_t* more, void* ctx) = nullptr;
    int32_t (*endElement)(uint32_t nameId, uint32_t* more, void* ctx) = nullptr;
    // Asked before a single field is walked; a non-zero answer skips the field.
    int32_t (*filterField)(const BACnetFieldCursor* cursor, void* ctx) = nullptr;
    // Around the elements of a list or typed run (nameId: the list's), for a text form that
    // brackets its elements: beginList before the first element is asked for, also of an empty
    // list; endList when the list has ended (its result is ignored).
    int32_t (*beginList)(uint32_t nameId, void* ctx) = nullptr;
    int32_t (*endList)(uint32_t nameId, void* ctx) = nullptr;
    // Around a value whose type the walk looks up (a Wrapped field): its field's nameId and tag,
    // and the type it was given.
    int32_t (*openWrapped)(uint32_t nameId, int32_t tag, int32_t type, void* ctx) = nullptr;
    int32_t (*closeWrapped)(void* ctx) = nullptr;
    // Asked on a destination-only walk once a list holds its first element: how many elements
    // the list will hold in all, when the text being read can tell cheaply (0: not known). The
    // answer only sizes the element storage; the list still ends where beginElement and
    // endElement say, whatever was answered.
    uint32_t (*countElements)(uint32_t nameId, void* ctx) = nullptr;
    // Asked on a destination-only walk of a list of application values (elementType 1..12) where
    // the next element is about to be described and the list holds exactly the elements before
    // it: reads as many whole elements as it can straight into the list's free slots (each slot
    // taken gets the element's type and payload and is counted) and answers how many it read. It
    // never allocates: it stops where the list has no free slot left, and before the first element
    // it does not take in its stride, which the walk then reads the usual way, slot by slot. It
    // leaves the text where the usual walk would stand before that element's beginElement, or
    // clears *more when an element it read was the list's last.
    uint32_t (*readElements)(uint32_t nameId, int32_t elementType, BACnetValueList* list, uint32_t* more,
                             void* ctx) = nullptr;
};

// Describes field `index` of a record in `child`; clears *more on the last field; answers
// BACNAPI_WALK_E_NODESCRIPTOR past the last field. src/dest are the parent's records (either may
// be null).
using BACnetWalkFn = int32_t (*)(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                 const BACnetVisitor* visitor, uint32_t* more, int32_t index);
// Runs after every field of its type (also after a failed walk function); result ignored.
using BACnetFinishFieldFn = int32_t (*)(BACnetFieldCursor* child, void* dest, int32_t index);

struct FieldDesc;
struct ChoiceDesc;

// What a type's descriptor points at.
enum class DescriptorKind : uint8_t {
    None,      // nothing to walk: the type has no descriptor
    Fields,    // a field table (FieldDesc), read by the generic table walk
    Choice,    // a choice table (ChoiceDesc), read by the generic choice walk
    ValueList, // a BACnetValueList whose elements all have elementType
    ByHand,    // a hand-written walk function, for the few types no table describes
};

// The walk of one type as data: its kind and the table it points at. It is called like a walk
// function (BACnetWalkFn) and answers what the table says of field `index`; two types that
// share a table compare equal.
struct TypeWalk {
    DescriptorKind kind = DescriptorKind::None;
    const FieldDesc* fields = nullptr;
    size_t fieldCount = 0;
    const ChoiceDesc* choice = nullptr;
    int32_t elementType = 0;
    BACnetWalkFn byHand = nullptr;

    int32_t operator()(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                       const BACnetVisitor* visitor, uint32_t* more, int32_t index) const;
    explicit operator bool() const { return kind != DescriptorKind::None; }
    bool operator==(const TypeWalk&) const = default;
};

struct BACnetTypeDescriptor {
    TypeWalk walk;
    BACnetFinishFieldFn finishField;
    uint64_t recordSize;
    int32_t type; // the type code this row describes
};

inline constexpr int32_t kFirstDescribedType = 20;
inline constexpr int32_t kDescriptorCount = 134; // type codes 20..153

// The descriptors of codes 20..153 in code order, built at compile time (descriptor_table.cpp).
extern const std::array<BACnetTypeDescriptor, kDescriptorCount> kDescriptors;

// A code's descriptor, or null when nothing walks it. Inline: every constructed value of a walk
// asks once.
inline const BACnetTypeDescriptor* find_descriptor(int32_t type)
{
    if (type < kFirstDescribedType || type >= kFirstDescribedType + kDescriptorCount) return nullptr;
    const BACnetTypeDescriptor* d = &kDescriptors[static_cast<size_t>(type - kFirstDescribedType)];
    return d->walk ? d : nullptr;
}

// Prepares a zero-filled cursor (nameId 3, tag -1) for walking whole values: src from the source
// value's payload or record, dest from the destination's, allocating a destination record when
// it has none. A source of a constructed type whose record (or list) pointer is null is refused
// (-1003): there is nothing to read, and walking it as "no source" would never end. Statuses: 0,
// -1001, -1002, -1003.
int32_t bind_cursor(BACnetFieldCursor* cursor, const BACnetDataType* source, int32_t sourceType,
                    BACnetDataType* destination, int32_t destinationType);

// Walks the value the cursor describes with the visitor. A value nested deeper than
// kMaxNestingDepth inside the value the walk started at is refused (BACNAPI_WALK_E_REFUSED)
// before anything of it is visited, so that no text or value can exhaust the stack.
int32_t walk_value(BACnetFieldCursor* cursor, void* ctx, const BACnetVisitor* visitor);

// Internal steps of walk_value.
int32_t walk_field(BACnetFieldCursor* parent, void* ctx, const BACnetVisitor* visitor, uint32_t* more,
                   int32_t* index);
int32_t walk_value_list(uint32_t nameId, const BACnetValueList* source, BACnetValueList* destination,
                        BACnetFieldCursor* child, void* ctx, const BACnetVisitor* visitor, uint32_t* more,
                        int32_t index);
int32_t walk_typed_run(uint32_t nameId, BACnetFieldCursor* child, void* ctx, const BACnetVisitor* visitor,
                       uint32_t* more, int32_t index);

// Turns *value, in place, into an empty value of type (keeping and emptying its record).
int32_t retype_value(BACnetDataType* value, int32_t type);

// Binds cursor to an embedded BACnetDataType field of fixed type `type` (see the walk functions).
int32_t bind_nested_value(BACnetFieldCursor* cursor, const BACnetDataType* source, BACnetDataType* destination,
                          int32_t type);

} // namespace bacnapi
