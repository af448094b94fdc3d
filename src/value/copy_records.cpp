// Record copies: the dispatch by type code, the generic copy that follows a record's ownership
// table, and the few choice records whose alternatives the table cannot say how to copy. The
// logs, the parameter choices and the read-access records have files of their own.
#include "value/clear_internal.h"
#include "value/copy_internal.h"
#include "value/record_size.h"
#include "value/type_catalogue.h"
#include "value/value_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

// Calls the typed record copy f on untyped record pointers (with the nesting scope when the
// record holds nested values).
template <class Record>
int32_t dispatch(int32_t (*f)(Record*, const Record*), void* d, const void* s, NestingScope&)
{
    return f(static_cast<Record*>(d), static_cast<const Record*>(s));
}

template <class Record>
int32_t dispatch(int32_t (*f)(Record*, const Record*, NestingScope&), void* d, const void* s, NestingScope& nest)
{
    return f(static_cast<Record*>(d), static_cast<const Record*>(s), nest);
}

} // namespace

bool is_plain_record(int32_t type)
{
    return has_flag(type, kPlain);
}

int32_t copy_record(int32_t type, void* d, const void* s)
{
    NestingScope nest;
    const int32_t status = copy_record(type, d, s, nest);
    return status == BACNAPI_S_OK && nest.exceeded ? BACNAPI_E_NOTSUPPORTED : status;
}

int32_t copy_record(int32_t type, void* d, const void* s, NestingScope& nest)
{
    if (d == nullptr || s == nullptr) return BACNAPI_E_INVALIDARG;
    if (is_plain_record(type)) return copy_plain(d, s, record_size_of(type));
    const TypeRow* row = type_row(type);
    if (row != nullptr && row->owns != nullptr && row->owns->copy != CopyRule::ByHand)
        return copy_owned(*row->owns, d, s, nest);
    switch (type) {
    case BACNAPI_TYPE_ReadAccessSpecification: return dispatch(copy_read_access_specification, d, s, nest);
    case BACNAPI_TYPE_ReadAccessResult: return dispatch(copy_read_access_result, d, s, nest);
    case BACNAPI_TYPE_ReadAccessPropertyValue: return dispatch(copy_read_access_property_value, d, s, nest);
    case BACNAPI_TYPE_BACnetSpecialEvent: return dispatch(copy_special_event, d, s, nest);
    case BACNAPI_TYPE_SequenceOfReadAccessSpecification:
        return dispatch(copy_read_access_specification_sequence, d, s, nest);
    case BACNAPI_TYPE_SequenceOfReadAccessResult: return dispatch(copy_read_access_result_sequence, d, s, nest);
    case BACNAPI_TYPE_SequenceOfBACnetPropertyReference: return dispatch(copy_property_reference_sequence, d, s, nest);
    case BACNAPI_TYPE_ReadAccessResultList: return dispatch(copy_read_access_result_list, d, s, nest);
    case BACNAPI_TYPE_ReadPropertyMultipleAck: {
        auto* dst = static_cast<ReadPropertyMultipleAck*>(d);
        const auto* src = static_cast<const ReadPropertyMultipleAck*>(s);
        return copy_read_access_result_sequence(&dst->listOfReadAccessResults, &src->listOfReadAccessResults, nest);
    }
    default: return BACNAPI_E_NOTSUPPORTED;
    }
}

int32_t copy_plain(void* dst, const void* src, size_t size)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst != src) std::memcpy(dst, src, size);
    return BACNAPI_S_OK;
}

namespace {

constexpr size_t member_size(Part kind)
{
    switch (kind) {
    case Part::Block: return sizeof(void*);
    case Part::Bits: return sizeof(BACnetBitString);
    case Part::Octets: return sizeof(BACnetOctetString);
    case Part::Characters: return sizeof(BACnetCharacterString);
    case Part::Value: return sizeof(BACnetDataType);
    default: return 0; // records are emptied member by member; zeroed bytes hold nothing
    }
}

// Empties, in a byte copy of a record, every member the record owns, so that nothing is shared
// with the source and a copy that stops part way leaves a record that is safe to clear.
void empty_owned(const Ownership& ownership, void* record)
{
    const int32_t selector = selector_of(ownership, record);
    for (size_t i = 0; i < ownership.count; ++i) {
        const OwnedPart& part = ownership.parts[i];
        if (!part_present(part, selector)) continue;
        void* member = owned_member(record, part.offset);
        if (part.kind == Part::Record)
            empty_owned(*part.inner, member);
        else
            std::memset(member, 0, member_size(part.kind));
    }
}

// A source holding an alternative the copy does not know: dst, already as its Clear leaves it,
// is refused, or holds nothing but the alternative number.
int32_t copy_unknown_alternative(const Ownership& ownership, void* dst, const void* src)
{
    if (ownership.unknown == Unknown::Refused) return BACNAPI_E_INVALIDARG;
    const auto offset = static_cast<uint32_t>(ownership.selector);
    std::memset(dst, 0, ownership.size);
    std::memcpy(owned_member(dst, offset), owned_member(src, offset), sizeof(int32_t));
    return ownership.unknown == Unknown::NumberOnly ? BACNAPI_S_OK : BACNAPI_E_NOTSUPPORTED;
}

// dst, holding nothing to release, takes src's bytes with every owned member emptied, or only
// zeros for a record copied member by member.
void lay_out(const Ownership& ownership, void* dst, const void* src)
{
    if (ownership.copy == CopyRule::MemberWise) {
        std::memset(dst, 0, ownership.size);
        return;
    }
    std::memcpy(dst, src, ownership.size);
    empty_owned(ownership, dst);
}

// An embedded record of dst (holding nothing to release) from the same record of src.
int32_t copy_record_member(const Ownership& inner, void* dst, const void* src, NestingScope& nest)
{
    if (!knows_alternative(inner, src)) return copy_unknown_alternative(inner, dst, src);
    lay_out(inner, dst, src);
    return copy_members(inner, dst, src, nest);
}

} // namespace

int32_t copy_members(const Ownership& ownership, void* dst, const void* src, NestingScope& nest)
{
    const int32_t selector = selector_of(ownership, src);
    for (size_t i = 0; i < ownership.count; ++i) {
        const OwnedPart& part = ownership.parts[i];
        if (!part_present(part, selector)) continue;
        void* d = owned_member(dst, part.offset);
        const void* s = owned_member(src, part.offset);
        int32_t status = BACNAPI_S_OK;
        switch (part.kind) {
        case Part::Bits:
            status = copy_bits(static_cast<BACnetBitString*>(d), static_cast<const BACnetBitString*>(s));
            break;
        case Part::Octets:
            status = copy_octets(static_cast<BACnetOctetString*>(d), static_cast<const BACnetOctetString*>(s));
            break;
        case Part::Characters:
            status =
                copy_characters(static_cast<BACnetCharacterString*>(d), static_cast<const BACnetCharacterString*>(s));
            break;
        case Part::Value:
            status = copy_nested(static_cast<BACnetDataType*>(d), static_cast<const BACnetDataType*>(s), nest);
            break;
        case Part::Record: status = copy_record_member(*part.inner, d, s, nest); break;
        case Part::Copied: std::memcpy(d, s, part.size); break;
        case Part::Block: // a bare block has no length to duplicate it by: left empty
        case Part::Zeroed: break;
        }
        if (status != BACNAPI_S_OK && ownership.copy != CopyRule::MembersBestEffort) return status;
    }
    return BACNAPI_S_OK;
}

int32_t copy_owned(const Ownership& ownership, void* dst, const void* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    (void)clear_record(ownership, dst);
    if (!knows_alternative(ownership, src)) return copy_unknown_alternative(ownership, dst, src);
    lay_out(ownership, dst, src);
    return copy_members(ownership, dst, src, nest);
}

int32_t copy_special_event(BACnetSpecialEvent* dst, const BACnetSpecialEvent* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetSpecialEvent(dst);
    dst->eventPriority = src->eventPriority;
    const int32_t status = copy_nested(&dst->listOfTimeValues, &src->listOfTimeValues, nest);
    if (status != BACNAPI_S_OK) return status;
    dst->periodChoice = src->periodChoice;
    switch (src->periodChoice) {
    case 0: dst->period.calendarEntry = src->period.calendarEntry; return BACNAPI_S_OK;
    case 1: dst->period.calendarReference = src->period.calendarReference; return BACNAPI_S_OK;
    default: return BACNAPI_E_NOTSUPPORTED;
    }
}

} // namespace bacnapi
