// The generic walks that read the descriptor tables (records/field_desc.h): one for a sequence of
// fields, one for a choice. Only irregular types have hand-written walk functions.
#pragma once

#include "records/field_desc.h"
#include "walk/walk.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bacnapi {

// A member of a record at a byte offset, read or written without alignment or aliasing concerns.
template <class T>
T read_member(const void* record, uint32_t offset)
{
    T v;
    std::memcpy(&v, static_cast<const unsigned char*>(record) + offset, sizeof v);
    return v;
}

template <class T>
void write_member(void* record, uint32_t offset, T v)
{
    std::memcpy(static_cast<unsigned char*>(record) + offset, &v, sizeof v);
}

// Describes field `index` of a record from a field table (the generic walk function).
int32_t walk_field_table(const FieldDesc* fields, size_t count, BACnetFieldCursor* child, const void* src, void* dest,
                         void* ctx, const BACnetVisitor* visitor, uint32_t* more, int32_t index);

// Describes the one field of a choice record: asks chooseAlternative, stores the choice.
int32_t walk_choice(const ChoiceDesc& choice, BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                    const BACnetVisitor* visitor, uint32_t* more, int32_t index);

// Fills `child` from one FieldDesc against the two records (src/dest pointers, sentinel preset,
// absent flag, nested binding). Used by both generic walks and by hand-written ones.
int32_t describe_field(const FieldDesc& field, BACnetFieldCursor* child, const void* src, void* dest);

// Asks the visitor which alternative of a choice to walk: presets child->tag to `recorded` (what a
// visitor without the slot walks), sets enumId to the choice identifier and calls
// chooseAlternative. The answer is left in child->tag. 0, or BACNAPI_WALK_E_REFUSED when the
// visitor refuses.
int32_t choose_alternative(uint32_t choiceId, int32_t recorded, BACnetFieldCursor* child, void* ctx,
                           const BACnetVisitor* visitor);

// The alternative with the given number, or null.
const AlternativeDesc* find_alternative(const ChoiceDesc& choice, int32_t number);

// A choice whose alternative number is the application type code (0..12) of an embedded value,
// with the field's nameId and tag for every alternative. The recorded alternative is the source
// value's type code (0 without a source). The destination value is released and given the chosen
// type. -1003 for a chosen code outside 0..12 or one that differs from the source value's type.
int32_t describe_application_choice(uint32_t nameId, int32_t tag, uint32_t choiceId, BACnetFieldCursor* child,
                                    const BACnetDataType* source, BACnetDataType* destination, void* ctx,
                                    const BACnetVisitor* visitor);

// Descriptor builders: the walk of a type as the table it points at.
template <size_t N>
constexpr TypeWalk by_fields(const FieldDesc (&fields)[N])
{
    return TypeWalk{DescriptorKind::Fields, fields, N, nullptr, 0, nullptr};
}
constexpr TypeWalk by_choice(const ChoiceDesc& choice)
{
    return TypeWalk{DescriptorKind::Choice, nullptr, 0, &choice, 0, nullptr};
}
constexpr TypeWalk by_value_list(int32_t elementType)
{
    return TypeWalk{DescriptorKind::ValueList, nullptr, 0, nullptr, elementType, nullptr};
}
constexpr TypeWalk by_hand(BACnetWalkFn walk)
{
    return TypeWalk{DescriptorKind::ByHand, nullptr, 0, nullptr, 0, walk};
}
constexpr TypeWalk no_walk()
{
    return TypeWalk{};
}

} // namespace bacnapi
