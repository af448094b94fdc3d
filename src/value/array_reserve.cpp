// Growth of the element storage of a value list.
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

// The capacity grows by exactly n (not to count + n): callers that add one element at a time
// reserve 1 and so grow by one slot, while initialise reserves 4 on an empty list. Slots from the
// old capacity up are zeroed so that every slot past the count stays an empty (Null) value.
int32_t array_reserve(BACnetValueList* list, uint32_t n)
{
    if (list == nullptr) return BACNAPI_E_FAIL;
    if (list->count <= list->capacity && list->capacity - list->count >= n) return BACNAPI_S_OK;

    const uint64_t oldCapacity = list->capacity;
    const uint64_t newCapacity = oldCapacity + n;
    // The capacity is a 32-bit field: a request that cannot be counted there is refused like a
    // request the heap cannot serve.
    if (newCapacity > UINT32_MAX) return BACNAPI_E_OUTOFMEMORY;

    BACnetDataType* slots;
    if (list->elements == nullptr) {
        slots = static_cast<BACnetDataType*>(std::calloc(newCapacity, sizeof(BACnetDataType)));
    } else {
        slots = static_cast<BACnetDataType*>(std::realloc(list->elements, newCapacity * sizeof(BACnetDataType)));
    }
    if (slots == nullptr) return BACNAPI_E_OUTOFMEMORY;

    if (list->elements != nullptr)
        std::memset(slots + oldCapacity, 0, (newCapacity - oldCapacity) * sizeof(BACnetDataType));
    list->elements = slots;
    list->capacity = static_cast<uint32_t>(newCapacity);
    return BACNAPI_S_OK;
}

} // namespace bacnapi
