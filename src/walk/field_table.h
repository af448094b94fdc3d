// Descriptors as data: most records are a plain sequence of fields, described by a constant
// table that one generic walk function interprets; choices are a table of alternatives read by
// one generic choice walk. Only irregular types have hand-written walk functions.
#pragma once

#include "walk.h"

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// Where a field's value lives in its record.
enum class FieldMode : uint8_t {
    Member,       // the payload of `type` in place at `offset`
    Nested,       // an embedded BACnetDataType at `offset` holding a value of `type` (bind_nested_value)
    WholeRecord,  // an embedded choice type: src/dest are the parent's whole record (offset unused)
    NoMember,     // walked as a Null value; nothing is read or stored (src/dest null)
};

// The absent sentinel of an optional field (written into a destination before it is read).
enum class Sentinel : uint8_t {
    None,           // not optional
    AllOnes32,      // a 32-bit member equal to 0xFFFFFFFF (property array indexes)
    Zero32,         // a 32-bit member equal to 0
    DeviceAbsent,   // an object identifier of type 8 with instance 0xFFFFFFFF
};

struct FieldSpec {
    uint32_t nameId;
    int32_t tag; // -1 when application-tagged
    int32_t type;
    uint32_t enumId;
    uint32_t offset;
    FieldMode mode;
    Sentinel sentinel;
};

// One alternative of a choice: `number` is what chooseAlternative answers and what the record's
// selector holds; the rest describes the alternative's field as in FieldSpec (enumId verbatim).
struct AlternativeSpec {
    int32_t number;
    FieldSpec field;
};

struct ChoiceSpec {
    uint32_t choiceId;
    uint32_t selectorOffset;      // the record's alternative number (signed 32-bit)
    const AlternativeSpec* alternatives;
    size_t alternativeCount;
    bool sourceOnly;              // the recorded alternative is read only from the source (0 without)
};

// Describes field `index` of a record from a field table (the generic walk function).
int32_t walk_field_table(const FieldSpec* fields, size_t count, BACnetFieldCursor* child, const void* src,
                         void* dest, void* ctx, const BACnetVisitor* visitor, uint32_t* more, int32_t index);

// Describes the one field of a choice record: asks chooseAlternative, stores the choice.
int32_t walk_choice(const ChoiceSpec& choice, BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                    const BACnetVisitor* visitor, uint32_t* more, int32_t index);

// Fills `child` from one FieldSpec against the two records (src/dest pointers, sentinel preset,
// absent flag, nested binding). Used by both generic walks and by hand-written ones.
int32_t describe_field(const FieldSpec& field, BACnetFieldCursor* child, const void* src, void* dest);

// A walk function made from a field table, for the descriptor table: walk_table<kFields>.
template <const auto& Fields>
int32_t walk_table(BACnetFieldCursor* child, const void* src, void* dest, void* ctx, const BACnetVisitor* visitor,
                   uint32_t* more, int32_t index)
{
    return walk_field_table(Fields, sizeof(Fields) / sizeof(Fields[0]), child, src, dest, ctx, visitor, more,
                            index);
}

// A walk function made from a choice table: walk_choice_table<kChoice>.
template <const ChoiceSpec& Choice>
int32_t walk_choice_table(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                          const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    return walk_choice(Choice, child, src, dest, ctx, visitor, more, index);
}

} // namespace bacnapi
