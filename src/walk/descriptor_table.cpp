// The walker's descriptors: one per type code 20..153, each saying how the type's fields are
// found, as data. They come from the type catalogue: a record's row names its field or choice
// table, and a value list's its element type. The rows below are the few types that no table
// describes, walked by hand, in type-code order (checked below), with the function some of them
// run after each of their fields. A code that neither names has no walk. The record size comes
// from the catalogue.
#include "value/record_size.h"
#include "value/type_catalogue.h"
#include "walk/field_table.h"
#include "walk/walk_functions.h"

#include <array>
#include <utility>

namespace bacnapi {

namespace {

constexpr BACnetTypeDescriptor row(int32_t type, TypeWalk walk, BACnetFinishFieldFn finishField = nullptr)
{
    return BACnetTypeDescriptor{walk, finishField, record_size_of(type), type};
}

// clang-format off
constexpr BACnetTypeDescriptor kWalkRows[] = {
    row(BACNAPI_TYPE_SignedLong, by_hand(walk_SignedLong)),
    row(BACNAPI_TYPE_BACnetAddress, by_hand(walk_BACnetAddress), finish_BACnetAddress),
    row(BACNAPI_TYPE_BACnetWeekNDay, by_hand(walk_BACnetWeekNDay), finish_BACnetWeekNDay),
    row(BACNAPI_TYPE_ReadAccessPropertyValue, by_hand(walk_ReadAccessPropertyValue)),
    row(BACNAPI_TYPE_BACnetPriorityValue, by_hand(walk_BACnetPriorityValue)),
    row(BACNAPI_TYPE_SequenceOfReadAccessSpecification, by_hand(walk_SequenceOfReadAccessSpecification)),
    row(BACNAPI_TYPE_SequenceOfReadAccessResult, by_hand(walk_SequenceOfReadAccessResult)),
    row(BACNAPI_TYPE_SequenceOfBACnetPropertyReference, by_hand(walk_SequenceOfBACnetPropertyReference)),
    row(BACNAPI_TYPE_BACnetCOVSubscription, by_hand(walk_BACnetCOVSubscription), finish_BACnetCOVSubscription),
    row(BACNAPI_TYPE_BACnetSetpointReference, by_hand(walk_BACnetSetpointReference)),
    row(BACNAPI_TYPE_ReadAccessResultList, by_hand(walk_ReadAccessResultList)),
};
// clang-format on

constexpr bool rows_in_code_order()
{
    int32_t previous = kFirstDescribedType - 1;
    for (const BACnetTypeDescriptor& r : kWalkRows) {
        if (r.type <= previous || r.type >= kFirstDescribedType + kDescriptorCount) return false;
        previous = r.type;
    }
    return true;
}
static_assert(rows_in_code_order(), "the walk rows must stand in type-code order, each code once");

// What the catalogue says of a type's walk: the field or choice table its row names, or its value
// list's elements. (The row's kind is tested rather than its pointers: a pointer test is no
// constant expression in sanitizer builds.)
constexpr TypeWalk catalogue_walk(const TypeRow& type)
{
    switch (type.walk) {
    case WalkTable::Fields: return TypeWalk{DescriptorKind::Fields, type.fields, type.fieldCount};
    case WalkTable::Choice: return by_choice(*type.choice);
    case WalkTable::None: break;
    }
    if (type.storage == Storage::List && type.list.walkable) return by_value_list(type.list.elementType);
    return no_walk();
}

// A code's descriptor: the catalogue's, or its walk row; never both.
constexpr BACnetTypeDescriptor descriptor_of(int32_t type)
{
    const TypeWalk fromCatalogue = catalogue_walk(kTypeCatalogue[type]);
    for (const BACnetTypeDescriptor& r : kWalkRows)
        if (r.type == type) return fromCatalogue.kind != DescriptorKind::None ? BACnetTypeDescriptor{} : r;
    return row(type, fromCatalogue);
}

template <size_t... I>
constexpr std::array<BACnetTypeDescriptor, sizeof...(I)> all_descriptors(std::index_sequence<I...>)
{
    return {descriptor_of(kFirstDescribedType + static_cast<int32_t>(I))...};
}

} // namespace

constexpr std::array<BACnetTypeDescriptor, kDescriptorCount> kDescriptors =
    all_descriptors(std::make_index_sequence<kDescriptorCount>());

namespace {

// A code with both a catalogue walk and a walk row got an empty row, whose type code 0 fails this.
constexpr bool descriptors_in_code_order()
{
    for (int32_t i = 0; i < kDescriptorCount; ++i)
        if (kDescriptors[i].type != kFirstDescribedType + i) return false;
    return true;
}
static_assert(descriptors_in_code_order(), "a type's walk comes from the catalogue or from its walk row, not both");

} // namespace

} // namespace bacnapi
