// Record copies of the read-access records and of the head-inline sequences that hold them
// (codes 38, 42, 43, 89, 90, 91, 150), and the growth of a sequence's overflow array.
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {
namespace {

// Elements of a source sequence that can be read: a negative count reads as empty, and a
// sequence that claims overflow elements without an overflow array offers its inline one only.
template <class Sequence>
int32_t readable_count(const Sequence* seq)
{
    if (seq->count <= 0) return 0;
    if (seq->count > 1 && seq->elements == nullptr) return 1;
    return seq->count;
}

} // namespace

bool overflow_grow(void** array, int32_t count, size_t elementSize)
{
    // Room for element number count would make a run of count + 1 elements.
    if (count < 0 || count >= kSequenceMaxCount) return false;
    if (*array == nullptr) {
        // First overflow element: 4 slots (more if the count already runs past them).
        const size_t slots = count < 4 ? 4 : overflow_slots(count + 1);
        void* fresh = std::calloc(slots, elementSize);
        if (fresh == nullptr) return false;
        *array = fresh;
        return true;
    }
    if (count % 4 == 0) {
        const auto used = static_cast<size_t>(count);
        void* fresh = std::calloc(used + 4, elementSize);
        if (fresh == nullptr) return false;
        std::memcpy(fresh, *array, used * elementSize);
        std::free(*array);
        *array = fresh;
    }
    return true;
}

int32_t copy_property_reference_sequence(SequenceOfBACnetPropertyReference* dst,
                                         const SequenceOfBACnetPropertyReference* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfBACnetPropertyReference(dst);
    // Property references own nothing: the inline element and the overflow array are
    // duplicated octet for octet, the array with the slots the growth rule would have given it.
    const int32_t count = readable_count(src);
    if (count > kSequenceMaxCount) return BACNAPI_E_INVALIDARG;
    dst->first = src->first;
    const size_t slots = overflow_slots(count);
    if (slots != 0) {
        auto* elements = static_cast<BACnetPropertyReference*>(std::calloc(slots, sizeof(BACnetPropertyReference)));
        if (elements == nullptr) {
            dst->count = 1; // the inline element is copied; the overflow could not be
            return BACNAPI_E_OUTOFMEMORY;
        }
        std::memcpy(elements, src->elements, static_cast<size_t>(count) * sizeof(BACnetPropertyReference));
        dst->elements = elements;
    }
    dst->count = count;
    return BACNAPI_S_OK;
}

int32_t copy_read_access_specification(ReadAccessSpecification* dst, const ReadAccessSpecification* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearReadAccessSpecification(dst);
    // The record copy always reports success; a list whose overflow could not be duplicated
    // keeps its inline element and stays safe to clear.
    (void)copy_property_reference_sequence(&dst->listOfPropertyReferences, &src->listOfPropertyReferences);
    dst->objectIdentifier = src->objectIdentifier;
    return BACNAPI_S_OK;
}

int32_t copy_read_access_property_value(ReadAccessPropertyValue* dst, const ReadAccessPropertyValue* src,
                                        NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearReadAccessPropertyValue(dst);
    dst->propertyIdentifier = src->propertyIdentifier;
    dst->propertyArrayIndex = src->propertyArrayIndex;
    dst->choice = src->choice;
    if (src->choice == 0) return copy_nested(&dst->result.propertyValue, &src->result.propertyValue, nest);
    dst->result.propertyAccessError = src->result.propertyAccessError;
    return BACNAPI_S_OK;
}

int32_t copy_read_access_result_list(ReadAccessResultList* dst, const ReadAccessResultList* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(dst);
    const int32_t count = readable_count(src);
    if (count == 0) return BACNAPI_S_OK;
    if (count > kSequenceMaxCount) return BACNAPI_E_INVALIDARG;
    // Element copies are not reported: an element whose value cannot be copied keeps its
    // identifiers and a Null (or partly copied) value, and the list goes on.
    dst->count = 1;
    (void)copy_read_access_property_value(&dst->first, &src->first, nest);
    const size_t slots = overflow_slots(count);
    if (slots == 0) return BACNAPI_S_OK;
    auto* elements = static_cast<ReadAccessPropertyValue*>(std::calloc(slots, sizeof(ReadAccessPropertyValue)));
    if (elements == nullptr) return BACNAPI_E_OUTOFMEMORY;
    dst->elements = elements;
    dst->count = count; // the zero-filled slots not yet copied are safe to clear
    for (int32_t i = 1; i < count; ++i)
        (void)copy_read_access_property_value(&elements[i], &src->elements[i], nest);
    return BACNAPI_S_OK;
}

int32_t copy_read_access_result(ReadAccessResult* dst, const ReadAccessResult* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearReadAccessResult(dst);
    // As for ReadAccessSpecification: success is reported whatever the list copy met.
    (void)copy_read_access_result_list(&dst->listOfResults, &src->listOfResults, nest);
    dst->objectIdentifier = src->objectIdentifier;
    return BACNAPI_S_OK;
}

namespace {

// Rebuilds dst (already released) as a copy of src in one pass: the overflow array is allocated
// once, with the slots the growth rule would have given a run of that length (so that later
// appends agree with it), and each element is copied into its place. A run longer than any run
// may be is refused before anything is copied. On failure the count covers the elements copied
// so far, a failed one included (it is safe to clear), so a refused overflow array
// (BACNAPI_E_OUTOFMEMORY) leaves the first element only.
template <class Sequence, class CopyOne>
int32_t copy_run_elements(Sequence* dst, const Sequence* src, CopyOne copy_one)
{
    using Element = decltype(dst->first);
    const int32_t count = readable_count(src);
    if (count > kSequenceMaxCount) return BACNAPI_E_INVALIDARG;
    if (count == 0) return BACNAPI_S_OK;
    dst->count = 1;
    int32_t status = copy_one(&dst->first, &src->first);
    if (status != BACNAPI_S_OK) return status;
    const size_t slots = overflow_slots(count);
    if (slots == 0) return BACNAPI_S_OK;
    auto* elements = static_cast<Element*>(std::calloc(slots, sizeof(Element)));
    if (elements == nullptr) return BACNAPI_E_OUTOFMEMORY;
    dst->elements = elements;
    for (int32_t i = 1; i < count; ++i) {
        dst->count = i + 1;
        status = copy_one(&elements[i], &src->elements[i]);
        if (status != BACNAPI_S_OK) return status;
    }
    return BACNAPI_S_OK;
}

// The sequence copies answer every failure, a refused overflow array included, with
// BACNAPI_E_INVALIDARG.
template <class Sequence, class CopyOne>
int32_t copy_run(Sequence* dst, const Sequence* src, CopyOne copy_one)
{
    return copy_run_elements(dst, src, copy_one) == BACNAPI_S_OK ? BACNAPI_S_OK : BACNAPI_E_INVALIDARG;
}

} // namespace

int32_t copy_read_access_specification_sequence(SequenceOfReadAccessSpecification* dst,
                                                const SequenceOfReadAccessSpecification* src)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfReadAccessSpecification(dst);
    return copy_run(dst, src, copy_read_access_specification);
}

int32_t copy_read_access_result_sequence(SequenceOfReadAccessResult* dst, const SequenceOfReadAccessResult* src,
                                         NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfReadAccessResult(dst);
    return copy_run(dst, src, [&nest](ReadAccessResult* d, const ReadAccessResult* s) {
        return copy_read_access_result(d, s, nest);
    });
}

} // namespace bacnapi
