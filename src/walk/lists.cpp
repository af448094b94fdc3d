// The elements of value lists and the growth of a value list.
//
// Every value-list type is walked the same way; only the element type differs, and the value-list
// descriptors take it from the type catalogue. Each element is described here: the child cursor
// points at element i of the source list and at room for element i in the destination list. The
// engine decides when the list ends.
#include "walk/lists.h"

#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

constexpr uint32_t kListElementNameId = 88;

constexpr bool is_application_type(int32_t type) { return type >= 0 && type <= 12; }

// The element's payload for application types, the record it owns otherwise.
const void* element_payload(const BACnetDataType& element, int32_t type)
{
    return is_application_type(type) ? static_cast<const void*>(&element.payload) : element.payload.record;
}

void* element_payload(BACnetDataType& element, int32_t type)
{
    return is_application_type(type) ? static_cast<void*>(&element.payload) : element.payload.record;
}

// True when the record of a retyped element is all zero bytes. Retyping always starts from a
// zeroed record and depends on nothing but the type, so every element of the type retypes alike.
int is_zero_record(const BACnetDataType& element)
{
    const BACnetTypeDescriptor* descriptor = find_descriptor(element.type);
    const auto* bytes = static_cast<const unsigned char*>(element.payload.record);
    if (!descriptor || !bytes) return 0;
    for (uint64_t i = 0; i < descriptor->recordSize; ++i)
        if (bytes[i] != 0) return 0;
    return 1;
}

// What retyping an emptied element makes when the type's empty record is all zero: the type and a
// zeroed record, from the one allocation retyping would make.
int32_t take_zeroed_record(BACnetDataType& element, int32_t type)
{
    const BACnetTypeDescriptor* descriptor = find_descriptor(type);
    if (!descriptor || descriptor->recordSize == 0) return BACNAPI_WALK_E_REFUSED;
    void* record = std::calloc(1, descriptor->recordSize);
    if (!record) return BACNAPI_WALK_E_NOMEMORY;
    element.type = type;
    element.payload.record = record;
    return BACNAPI_S_OK;
}

// Points the child at source element i. A count beyond the slots the list has is a broken list:
// nothing of it is read.
int32_t describe_source_element(const BACnetValueList& list, uint32_t i, int32_t elementType,
                                BACnetFieldCursor* child)
{
    if (list.count > list.capacity) return BACNAPI_WALK_E_REFUSED;
    if (i >= list.count || !list.elements) return BACNAPI_WALK_E_REFUSED;
    const BACnetDataType& element = list.elements[i];
    if (element.type != elementType) return BACNAPI_WALK_E_REFUSED;
    child->src = element_payload(element, elementType);
    // A constructed element without its record has nothing a visitor could read.
    return child->src ? BACNAPI_S_OK : BACNAPI_WALK_E_REFUSED;
}

// Slot i of a destination list, counted in (and the list grown by one when full) when it lies
// past the count, or null when the list is broken or cannot reach it. A destination whose count
// runs past its slots (or that counts elements without an array) is broken the same way as a
// source: it is not written into.
BACnetDataType* destination_slot(BACnetValueList& list, uint32_t i)
{
    if (list.count > list.capacity || (list.count != 0 && !list.elements)) return nullptr;
    if (i >= list.count) {
        // A free slot is already an empty value: taking it only counts it (every element of a
        // list read from text whose room was taken ahead).
        if (list.count < list.capacity) ++list.count;
        else if (value_list_grow_one(&list) != BACNAPI_S_OK) return nullptr;
        if (i >= list.count) return nullptr;
    }
    return &list.elements[i];
}

// Makes a destination element an element of the type, keeping it when it is one already.
int32_t give_element_type(BACnetDataType& element, int32_t elementType, ListElementState* state)
{
    if (element.type != elementType && is_application_type(elementType)) {
        // An empty application value is all zero but its type: a free slot (already zero)
        // only takes the type, an element of another type is released first.
        if (element.type != 0) clear_value(&element);
        else std::memset(static_cast<void*>(&element.payload), 0, sizeof element.payload);
        element.type = elementType;
    } else if (element.type != elementType) {
        // An element of another type is released first, so that its record is never
        // reinterpreted as a record of the element type.
        if (element.type != 0) clear_value(&element);
        if (state && state->emptyRecordIsZero == 1) {
            if (take_zeroed_record(element, elementType) != BACNAPI_S_OK) return BACNAPI_WALK_E_REFUSED;
        } else {
            if (retype_value(&element, elementType) != BACNAPI_S_OK) return BACNAPI_WALK_E_REFUSED;
            if (state && state->emptyRecordIsZero < 0) state->emptyRecordIsZero = is_zero_record(element);
        }
    } else if (!is_application_type(elementType) && !element.payload.record) {
        if (retype_value(&element, elementType) != BACNAPI_S_OK) return BACNAPI_WALK_E_REFUSED;
    }
    return BACNAPI_S_OK;
}

} // namespace

int32_t describe_list_element(int32_t elementType, BACnetFieldCursor* child, const void* src, void* dest,
                              int32_t index, ListElementState* state)
{
    child->nameId = kListElementNameId;
    child->kind = kFieldValueList;
    child->tag = -1;
    child->type = elementType;
    if (elementType <= 0 || index < 0) return BACNAPI_WALK_E_REFUSED;
    const uint32_t i = static_cast<uint32_t>(index);

    if (src) {
        const auto* list = static_cast<const BACnetValueList*>(src);
        // An empty source list: nothing to describe, and the destination is left alone too.
        if (i == 0 && list->count == 0) return BACNAPI_S_OK;
        const int32_t status = describe_source_element(*list, i, elementType, child);
        if (status != BACNAPI_S_OK) return status;
    }
    if (dest) {
        BACnetDataType* element = destination_slot(*static_cast<BACnetValueList*>(dest), i);
        if (!element) return BACNAPI_WALK_E_REFUSED;
        const int32_t status = give_element_type(*element, elementType, state);
        if (status != BACNAPI_S_OK) return status;
        child->dest = element_payload(*element, elementType);
    }
    return BACNAPI_S_OK;
}

uint32_t value_list_next_capacity(uint32_t capacity)
{
    const uint64_t next = static_cast<uint64_t>(capacity) + capacity / 2 + 1;
    return next > UINT32_MAX ? 0 : static_cast<uint32_t>(next);
}

int32_t ListRoom::reserve(uint32_t capacity)
{
    BACnetValueList* list = list_;
    if (!list || list->count > list->capacity || (list->count != 0 && !list->elements)) return 0;
    const uint32_t held = list->elements ? list->capacity : 0;
    if (capacity <= held || added_ != 0) return 0;
    // A fresh block rather than a grown one: the elements held (one, when a list being read asks)
    // are few to copy.
    auto* grown = static_cast<BACnetDataType*>(std::malloc(size_t{capacity} * sizeof(BACnetDataType)));
    if (!grown) return BACNAPI_WALK_E_NOMEMORY;
    if (list->count != 0) std::memcpy(static_cast<void*>(grown), list->elements, list->count * sizeof(BACnetDataType));
    std::free(list->elements);
    list->elements = grown;
    list->capacity = capacity;
    emptied_ = list->count;
    added_ = capacity;
    return 1;
}

void ListRoom::cover(uint32_t end)
{
    // A stretch of slots at a time: about the cache's worth that the next elements are read into.
    constexpr uint32_t kStretch = 1024;
    if (end <= emptied_ || !list_->elements) return;
    const uint64_t ahead = uint64_t{emptied_} + kStretch;
    const uint64_t wanted = ahead > end ? ahead : end;
    const auto upTo = static_cast<uint32_t>(wanted < added_ ? wanted : added_); // past the room: not the room's
    if (upTo <= emptied_) return;
    std::memset(static_cast<void*>(list_->elements + emptied_), 0, size_t{upTo - emptied_} * sizeof(BACnetDataType));
    emptied_ = upTo;
}

ListRoom::~ListRoom()
{
    // Slots past the ones the reading took stay free: they must be empty values.
    cover(added_);
}

int32_t value_list_grow_one(BACnetValueList* list)
{
    if (!list) return BACNAPI_WALK_E_REFUSED;
    // A list without an element array holds nothing, whatever its counters say.
    const uint32_t capacity = list->elements ? list->capacity : 0;
    const uint32_t count = list->elements ? list->count : 0;
    if (count > capacity) return BACNAPI_WALK_E_REFUSED;
    if (count < capacity) {
        list->count = count + 1; // the free slot is already an empty value
        return BACNAPI_S_OK;
    }
    const uint32_t next = value_list_next_capacity(capacity);
    if (next == 0) return BACNAPI_WALK_E_NOMEMORY; // the capacity cannot grow past 32 bits
    auto* grown = static_cast<BACnetDataType*>(std::realloc(list->elements, next * sizeof(BACnetDataType)));
    if (!grown) return BACNAPI_WALK_E_NOMEMORY;
    std::memset(static_cast<void*>(grown + capacity), 0, (next - capacity) * sizeof(BACnetDataType));
    list->elements = grown;
    list->capacity = next;
    list->count = count + 1;
    return BACNAPI_S_OK;
}

} // namespace bacnapi
