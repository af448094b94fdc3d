// copy_value: the one deep copy of the library, with the array-index convention of BACnet
// array properties (-1 the whole value, 0 the element count, k element k).
//
// Source types fall into four groups:
//  - types that cannot be copied as a value (unassigned codes, embedded records, choice
//    alternatives, and a few records without a value copy): refused, nothing changed;
//  - single (non-list) types: copied into a destination of the same type (a Null destination
//    takes the type), or stored as element k of a destination list;
//  - lists with element access: index 0 gives the count, k the element, -1 the whole list;
//  - lists without element access: always copied whole, the index is not looked at.
#include "value/copy_internal.h"
#include "value/list_types.h"
#include "value/type_catalogue.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {
namespace {

// How the source is copied, as its catalogue row says; codes outside the catalogue are refused.
Copy source_kind(int32_t type)
{
    const TypeRow* row = type_row(type);
    return row ? row->copy : Copy::Refused;
}

// Elements a source list holds; a list record without its element array holds none.
uint32_t element_count(const BACnetDataType* list)
{
    const BACnetValueList* record = list->payload.list;
    return (record != nullptr && record->elements != nullptr) ? record->count : 0;
}

// A source list whose count runs past the slots it has is broken (reading it would run past its
// array): it is refused whatever the index. A list value without its list record reads as empty.
bool readable_list(const BACnetDataType* list)
{
    const BACnetValueList* record = list->payload.list;
    return record == nullptr || record->count <= record->capacity;
}

// Per-type copy of the inline types (codes 0..12 and 20).
int32_t copy_inline(BACnetDataType* d, const BACnetDataType* s)
{
    switch (s->type) {
    case BACNAPI_TYPE_Null:
        d->payload.unsignedValue = 0;
        return BACNAPI_S_OK;
    case BACNAPI_TYPE_Boolean:
        d->payload.boolean = s->payload.boolean;
        return BACNAPI_S_OK;
    case BACNAPI_TYPE_Unsigned:
    case BACNAPI_TYPE_Signed:
    case BACNAPI_TYPE_Real:
    case BACNAPI_TYPE_Enumerated:
    case BACNAPI_TYPE_Date:
    case BACNAPI_TYPE_Time:
        std::memcpy(&d->payload, &s->payload, 4);
        return BACNAPI_S_OK;
    case BACNAPI_TYPE_Double:
    case BACNAPI_TYPE_SignedLong:
        std::memcpy(&d->payload, &s->payload, 8);
        return BACNAPI_S_OK;
    case BACNAPI_TYPE_ObjectIdentifier:
        d->payload.objectIdentifier = s->payload.objectIdentifier;
        return BACNAPI_S_OK;
    case BACNAPI_TYPE_OctetString:
        return copy_octets(&d->payload.octetString, &s->payload.octetString);
    case BACNAPI_TYPE_CharacterString:
        return copy_characters(&d->payload.characterString, &s->payload.characterString);
    case BACNAPI_TYPE_BitString:
        return copy_bits(&d->payload.bitString, &s->payload.bitString);
    default:
        return BACNAPI_E_NOTSUPPORTED;
    }
}

// Per-type copy: both values carry the same single type.
int32_t copy_same_type(BACnetDataType* d, const BACnetDataType* s, NestingScope& nest)
{
    if (s->type <= BACNAPI_TYPE_SignedLong) return copy_inline(d, s);
    if (d->payload.record == nullptr || s->payload.record == nullptr) return BACNAPI_E_INVALIDARG;
    return copy_record(s->type, d->payload.record, s->payload.record, nest);
}

// d and s carry the same list code: d is rebuilt as a fresh list of copies of s's elements.
int32_t copy_whole_list(BACnetDataType* d, const BACnetDataType* s, NestingScope& nest)
{
    const int32_t type = s->type;
    const uint32_t count = element_count(s);
    clear_value(d);
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    if (list == nullptr) return BACNAPI_E_OUTOFMEMORY;
    d->type = type;
    d->payload.list = list;
    if (array_reserve(list, count) != BACNAPI_S_OK) {
        clear_value(d);
        return BACNAPI_E_OUTOFMEMORY;
    }
    list->count = count;
    for (uint32_t j = 0; j < count; ++j) {
        if (copy_nested(&list->elements[j], &s->payload.list->elements[j], nest) != BACNAPI_S_OK) {
            clear_value(d);
            return BACNAPI_E_NOTSUPPORTED;
        }
    }
    return BACNAPI_S_OK;
}

// Stores the single value s as element k (counted from 1) of the list d: an existing element
// is replaced, k = count + 1 appends, anything further is refused.
int32_t store_element(BACnetDataType* d, const BACnetDataType* s, int32_t k, NestingScope& nest)
{
    if (k < 1) return BACNAPI_E_INVALIDARG;
    const ListTypeInfo* info = list_type_info(d->type);
    if (info == nullptr || !info->elementStore || info->elementType != s->type) return BACNAPI_E_INVALIDARG;
    BACnetValueList* list = d->payload.list;
    if (list == nullptr || list->count > list->capacity) return BACNAPI_E_INVALIDARG;
    if (list->elements != nullptr && s >= list->elements && s < list->elements + list->capacity) {
        // The value is one of the list's own slots, which growing the list may move: it is
        // copied aside first and stored from there.
        BACnetDataType aside{};
        int32_t status = copy_value_at(&aside, s, -1, nest);
        if (status == BACNAPI_S_OK) status = store_element(d, &aside, k, nest);
        clear_value(&aside);
        return status;
    }
    const auto slot = static_cast<uint32_t>(k);
    if (slot > list->count) {
        if (static_cast<uint64_t>(slot) != static_cast<uint64_t>(list->count) + 1) return BACNAPI_E_INVALIDARG;
        if (slot > list->capacity) {
            const int32_t status = array_reserve(list, slot - list->capacity + 1);
            if (status != BACNAPI_S_OK) return status;
        }
        list->count = slot;
    }
    if (list->elements == nullptr) return BACNAPI_E_INVALIDARG;
    return copy_nested(&list->elements[slot - 1], s, nest);
}

// Copy of a list value whose elements are reached by index.
int32_t copy_indexed_list(BACnetDataType* d, const BACnetDataType* s, int32_t index, NestingScope& nest)
{
    if (index < -1) return BACNAPI_E_NOTSUPPORTED;
    if (!readable_list(s)) return BACNAPI_E_INVALIDARG;
    const uint32_t count = element_count(s);
    if (index == 0) {
        clear_value(d);
        const int32_t status = bacnapi_initialize_data(d, BACNAPI_TYPE_Unsigned);
        if (status != BACNAPI_S_OK) return status;
        d->payload.unsignedValue = count;
        return BACNAPI_S_OK;
    }
    if (index > 0) {
        if (static_cast<uint32_t>(index) > count) return BACNAPI_E_BADINDEX;
        const BACnetDataType* element = &s->payload.list->elements[index - 1];
        clear_value(d);
        if (bacnapi_initialize_data(d, element->type) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
        return copy_nested(d, element, nest);
    }
    if (d->type == BACNAPI_TYPE_Null) {
        const int32_t status = bacnapi_initialize_data(d, s->type);
        if (status != BACNAPI_S_OK) return status;
    }
    if (d->type != s->type) return BACNAPI_E_NOTSUPPORTED;
    return copy_whole_list(d, s, nest);
}

} // namespace

int32_t copy_value(BACnetDataType* destination, const BACnetDataType* source, int32_t index)
{
    NestingScope nest;
    const int32_t status = copy_value_at(destination, source, index, nest);
    return status == BACNAPI_S_OK && nest.exceeded ? BACNAPI_E_NOTSUPPORTED : status;
}

int32_t copy_nested(BACnetDataType* destination, const BACnetDataType* source, NestingScope& nest)
{
    const NestingLevel level(nest);
    if (level.too_deep()) return BACNAPI_E_NOTSUPPORTED;
    return copy_value_at(destination, source, -1, nest);
}

int32_t copy_value_at(BACnetDataType* destination, const BACnetDataType* source, int32_t index,
                      NestingScope& nest)
{
    if (destination == nullptr || source == nullptr) return BACNAPI_E_INVALIDARG;
    const Copy kind = source_kind(source->type);
    if (kind == Copy::Refused) return BACNAPI_E_NOTSUPPORTED;

    if (destination == source) {
        // Copying a value onto itself: every path below releases the destination before it
        // reads the source, so build the result aside and move it in only on success.
        BACnetDataType result{};
        const int32_t status = copy_value_at(&result, source, index, nest);
        if (status != BACNAPI_S_OK) {
            clear_value(&result);
            return status;
        }
        clear_value(destination);
        *destination = result;
        return BACNAPI_S_OK;
    }

    switch (kind) {
    case Copy::Single:
        if (destination->type == BACNAPI_TYPE_Null) {
            const int32_t status = bacnapi_initialize_data(destination, source->type);
            if (status != BACNAPI_S_OK) return status;
        }
        if (destination->type == source->type) return copy_same_type(destination, source, nest);
        return store_element(destination, source, index, nest);
    case Copy::ByIndex:
        return copy_indexed_list(destination, source, index, nest);
    case Copy::WholeList:
        if (!readable_list(source)) return BACNAPI_E_INVALIDARG;
        if (destination->type == BACNAPI_TYPE_Null) (void)bacnapi_initialize_data(destination, source->type);
        if (destination->type != source->type) return BACNAPI_E_NOTSUPPORTED;
        return copy_whole_list(destination, source, nest);
    case Copy::Refused:
        break;
    }
    return BACNAPI_E_NOTSUPPORTED;
}

} // namespace bacnapi
