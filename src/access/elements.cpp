// Element functions: reach and append elements of the head-inline sequences (element 0 in the
// record, element i in slot i of the overflow array) and of value lists. Failure is a null
// result; nothing here allocates except the growth of the array being appended to.
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

template <class Sequence, class Element = decltype(Sequence::first)>
Element* element_at(Sequence* seq, int32_t index)
{
    if (seq == nullptr) return nullptr;
    return sequence_element(seq, index);
}

// A new element before the host's is copied over it: property references start with property 0
// and no array index, every other element all zero.
void prepare(BACnetPropertyReference* slot) { slot->propertyArrayIndex = BACNAPI_ARRAY_INDEX_ABSENT; }
template <class Element>
void prepare(Element*)
{
}

// Appends one element, a byte copy of *element (whose ownership passes to the sequence) or a
// fresh one when element is null. Null when the sequence is missing or broken (negative count),
// already holds the longest run allowed, or its overflow array cannot grow.
template <class Sequence, class Element = decltype(Sequence::first)>
Element* append(Sequence* seq, const Element* element)
{
    if (seq == nullptr || seq->count >= kSequenceMaxCount) return nullptr;
    // Taken aside first: the element may lie in the overflow array that the growth replaces.
    Element given{};
    if (element != nullptr) std::memcpy(static_cast<void*>(&given), element, sizeof given);
    Element* slot = sequence_append(seq);
    if (slot == nullptr) return nullptr;
    prepare(slot);
    if (element != nullptr) std::memcpy(static_cast<void*>(slot), &given, sizeof given);
    return slot;
}

} // namespace
} // namespace bacnapi

using namespace bacnapi;

extern "C" {

BACNAPI_API BACnetPropertyReference* bacnapi_get_element_property_reference(SequenceOfBACnetPropertyReference* record,
                                                                            int32_t index)
{
    return element_at(record, index);
}
BACNAPI_API ReadAccessSpecification* bacnapi_get_element_read_access_specification(
    SequenceOfReadAccessSpecification* record, int32_t index)
{
    return element_at(record, index);
}
BACNAPI_API ReadAccessPropertyValue* bacnapi_get_element_read_access_property_value(ReadAccessResultList* record,
                                                                                    int32_t index)
{
    return element_at(record, index);
}
BACNAPI_API ReadAccessResult* bacnapi_get_element_read_access_result(SequenceOfReadAccessResult* record, int32_t index)
{
    return element_at(record, index);
}

BACNAPI_API BACnetPropertyReference* bacnapi_set_element_property_reference(SequenceOfBACnetPropertyReference* record,
                                                                            const BACnetPropertyReference* element)
{
    return append(record, element);
}
BACNAPI_API ReadAccessSpecification* bacnapi_set_element_read_access_specification(
    SequenceOfReadAccessSpecification* record, const ReadAccessSpecification* element)
{
    return append(record, element);
}
BACNAPI_API ReadAccessPropertyValue* bacnapi_set_element_read_access_property_value(
    ReadAccessResultList* record, const ReadAccessPropertyValue* element)
{
    return append(record, element);
}
BACNAPI_API ReadAccessResult* bacnapi_set_element_read_access_result(SequenceOfReadAccessResult* record,
                                                                     const ReadAccessResult* element)
{
    return append(record, element);
}

BACNAPI_API BACnetDataType* bacnapi_get_element_from_bacnet_array(BACnetValueList* list, int32_t index)
{
    // The capacity bounds the index too, so a list whose count runs past its slots is not read
    // beyond them.
    if (list == nullptr || list->elements == nullptr || index < 0) return nullptr;
    const auto i = static_cast<uint32_t>(index);
    if (i >= list->count || i >= list->capacity) return nullptr;
    return &list->elements[i];
}

BACNAPI_API BACnetDataType* bacnapi_set_element_in_bacnet_array(BACnetValueList* list, const BACnetDataType* element)
{
    if (list == nullptr || element == nullptr) return nullptr;
    // Taken aside first: the element may be one of the list's own, which the growth moves.
    const BACnetDataType given = *element;
    // Keeps four slots free, growing the capacity by 4 when fewer are. When the heap refuses and
    // no slot is free, nothing is stored and the result is null: the element is still the
    // caller's to clear.
    if (array_reserve(list, 4) != BACNAPI_S_OK && list->count >= list->capacity) return nullptr;
    if (list->count >= list->capacity || list->elements == nullptr) return nullptr;
    list->elements[list->count] = given;
    ++list->count;
    return &list->elements[list->count - 1];
}

} // extern "C"
