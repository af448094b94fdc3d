// The Clear operations of the head-inline sequences: element 0 lies in the record itself,
// element i (i >= 1) in slot i of an overflow array whose slot 0 is never used, and a signed
// count says how many there are.
#include "value/clear_internal.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

using bacnapi::zero_record;

namespace {

// Clears each element from 0 to count-1 with clearElement, releases the overflow array and
// zero-fills the sequence. A negative count means no element; a missing overflow array means
// that only the inline element exists.
template <class Sequence, class ClearElement> void clear_sequence(Sequence* sequence, ClearElement clearElement)
{
    const int32_t count = sequence->count;
    if (count > 0) clearElement(&sequence->first);
    if (sequence->elements != nullptr)
        for (int32_t i = 1; i < count; ++i) clearElement(&sequence->elements[i]);
    std::free(sequence->elements);
    zero_record(sequence);
}

} // namespace

// Property references own nothing: only the overflow array goes.
BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetPropertyReference(SequenceOfBACnetPropertyReference* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    std::free(record->elements);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadAccessSpecification(ReadAccessSpecification* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearSequenceOfBACnetPropertyReference(&record->listOfPropertyReferences);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessSpecification(SequenceOfReadAccessSpecification* record)
{
    if (record != nullptr) clear_sequence(record, bacnapi_ClearReadAccessSpecification);
    return BACNAPI_S_OK;
}

namespace bacnapi {

// Each result releases its property value when it holds one (selector 0), not an access error.
int32_t clear_parts(ReadAccessResultList* record, ClearScope& scope)
{
    if (record != nullptr) clear_sequence(record, [&scope](auto* element) { clear_parts(element, scope); });
    return BACNAPI_S_OK;
}

int32_t clear_parts(ReadAccessResult* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_parts(&record->listOfResults, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(SequenceOfReadAccessResult* record, ClearScope& scope)
{
    if (record != nullptr) clear_sequence(record, [&scope](auto* element) { clear_parts(element, scope); });
    return BACNAPI_S_OK;
}

} // namespace bacnapi

// ---- The exported forms: each runs its record's Clear as one whole operation ----

BACNAPI_API int32_t bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(ReadAccessResultList* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearReadAccessResult(ReadAccessResult* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearSequenceOfReadAccessResult(SequenceOfReadAccessResult* record)
{
    return bacnapi::clear_scoped(record);
}
