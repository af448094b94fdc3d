// Walk functions of the typed runs: sequences of records whose first element lies inline at the
// start of the run record and whose element i (i >= 1) lies in slot i of an overflow array
// (slot 0 unused), followed by a signed 32-bit element count.
//
// Types 89 SequenceOfReadAccessSpecification, 90 SequenceOfReadAccessResult,
// 91 SequenceOfBACnetPropertyReference and 150 ReadAccessResultList share one walk, parameterised
// by the run record and its element type.
#include "value/limits.h"
#include "walk/lists.h"
#include "walk/walk_functions.h"

#include <bacnapi/bacnapi.h>

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

constexpr uint32_t kRunElementNameId = 88;
constexpr int32_t kRunGrowthStep = 4;

// Describes element `index` of a run record of type Run whose elements have type code
// elementType.
template <typename Run>
int32_t walk_run_element(int32_t elementType, BACnetFieldCursor* child, const void* srcRecord, void* destRecord,
                         int32_t index)
{
    using Element = decltype(Run::first);
    static_assert(offsetof(Run, first) == 0, "the first element must open the run record");

    const auto* src = static_cast<const Run*>(srcRecord);
    auto* dest = static_cast<Run*>(destRecord);

    child->nameId = kRunElementNameId;
    child->kind = kFieldTypedRun;
    child->tag = -1;
    child->type = elementType;
    // A negative count in a source is read as an empty run, so that the engine never mistakes it
    // for "no source" and walks on without end.
    child->count = src ? (src->count > 0 ? src->count : 0) : -1;
    child->srcContainer = src;
    child->srcElements = src ? src->elements : nullptr;
    child->destContainer = dest;
    child->destElements = dest ? reinterpret_cast<void**>(&dest->elements) : nullptr;
    child->destCount = dest ? reinterpret_cast<uint32_t*>(&dest->count) : nullptr;
    if (index < 0) return BACNAPI_WALK_E_REFUSED;
    // A source run longer than any run may be is refused before any of it is visited.
    if (src && src->count > kSequenceMaxCount) return BACNAPI_WALK_E_REFUSED;

    if (index == 0) {
        // The first element is the run record's first member.
        child->src = src;
        child->dest = dest;
        if (dest && dest->count == 0) dest->count = 1;
        return BACNAPI_S_OK;
    }

    if (dest) {
        if (dest->count <= index) {
            void* elements = dest->elements;
            int32_t count = dest->count;
            if (typed_run_grow_one(&elements, &count, sizeof(Element)) != BACNAPI_S_OK)
                return BACNAPI_WALK_E_NOMEMORY;
            dest->elements = static_cast<Element*>(elements);
            dest->count = count;
        }
        if (index >= dest->count || !dest->elements) return BACNAPI_WALK_E_REFUSED;
        child->dest = &dest->elements[index];
    }

    if (src) {
        // A source that counts more elements than its overflow array holds is refused rather
        // than walked with nothing to read.
        if (!src->elements || index >= src->count) return BACNAPI_WALK_E_REFUSED;
        child->src = &src->elements[index];
    }
    return BACNAPI_S_OK;
}

} // namespace

int32_t typed_run_grow_one(void** elements, int32_t* count, size_t elementSize)
{
    if (!elements || !count || elementSize == 0) return BACNAPI_WALK_E_NOMEMORY;
    const int32_t current = *count;
    // The reader stops at the longest run that the copies and the element functions accept.
    if (current < 0 || current >= kSequenceMaxCount) return BACNAPI_WALK_E_NOMEMORY;
    if (current == 0) {
        // Element 0 lies in the run record itself; no slot is needed.
        *count = 1;
        return BACNAPI_S_OK;
    }
    auto* bytes = static_cast<unsigned char*>(*elements);
    const size_t slot = static_cast<size_t>(current);
    if (!bytes || current % kRunGrowthStep == 0) {
        // Without an array: enough slots for every element number up to the new one, rounded
        // up to the step. With a full array: one more step.
        const size_t slots = bytes ? slot + kRunGrowthStep
                                   : (slot / kRunGrowthStep + 1) * static_cast<size_t>(kRunGrowthStep);
        if (slots > SIZE_MAX / elementSize) return BACNAPI_WALK_E_NOMEMORY;
        auto* grown = static_cast<unsigned char*>(std::realloc(bytes, slots * elementSize));
        if (!grown) return BACNAPI_WALK_E_NOMEMORY;
        const size_t keep = bytes ? slot : 0;
        std::memset(grown + keep * elementSize, 0, (slots - keep) * elementSize);
        *elements = grown;
    } else {
        std::memset(bytes + slot * elementSize, 0, elementSize);
    }
    *count = current + 1;
    return BACNAPI_S_OK;
}

int32_t walk_SequenceOfReadAccessSpecification(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                               const BACnetVisitor*, uint32_t*, int32_t index)
{
    return walk_run_element<SequenceOfReadAccessSpecification>(BACNAPI_TYPE_ReadAccessSpecification, child, src,
                                                               dest, index);
}

int32_t walk_SequenceOfReadAccessResult(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                        const BACnetVisitor*, uint32_t*, int32_t index)
{
    return walk_run_element<SequenceOfReadAccessResult>(BACNAPI_TYPE_ReadAccessResult, child, src, dest, index);
}

int32_t walk_SequenceOfBACnetPropertyReference(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                               const BACnetVisitor*, uint32_t*, int32_t index)
{
    return walk_run_element<SequenceOfBACnetPropertyReference>(BACNAPI_TYPE_BACnetPropertyReference, child, src,
                                                               dest, index);
}

int32_t walk_ReadAccessResultList(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                  const BACnetVisitor*, uint32_t*, int32_t index)
{
    return walk_run_element<ReadAccessResultList>(BACNAPI_TYPE_ReadAccessPropertyValue, child, src, dest, index);
}

} // namespace bacnapi
