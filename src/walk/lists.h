// Growth of the two list shapes during a walk: value lists (BACnetValueList) and typed runs
// (a record with its first element inline and the others in an overflow array, slot i holding
// element i). The walk functions of the list types use these when a destination needs room for
// one more element.
#pragma once

#include "walk/walk.h"

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// What the elements described so far in one walk of a list have shown about the element type:
// whether a record of it, emptied by retyping, is all zero bytes (-1: not seen yet).
struct ListElementState {
    int emptyRecordIsZero = -1;
};

// Describes element `index` of a value list whose elements have type elementType in child: the
// element of the source list (src), and a place for it in the destination list (dest), which
// grows by one element when it has none there. A broken list (counters past its slots, an
// element of another type, a constructed element without its record) is refused. With a state,
// a destination slot that needs an empty record takes a zeroed one without a retyping walk once
// an earlier element has shown that retyping makes nothing else.
int32_t describe_list_element(int32_t elementType, BACnetFieldCursor* child, const void* src, void* dest,
                              int32_t index, ListElementState* state = nullptr);

// Adds one element to a value list. A free slot is used when there is one (it is already an
// empty value); otherwise the capacity grows by half of itself plus one (0, 1, 2, 4, 7, 11, ...)
// and the new slots are emptied. 0, or BACNAPI_WALK_E_NOMEMORY with the list unchanged.
int32_t value_list_grow_one(BACnetValueList* list);

// Room taken at once for a value list being read whose length is known ahead, so that it is not
// grown step by step (each step holds the old and the new array at once). The new slots are
// emptied a stretch at a time, just before elements are read into them, rather than all at once:
// a long list's storage is then written once by the reading, not once to empty it and again to
// fill it. Whatever way the reading ends, every slot the room added and no element took is an
// empty value again once the room goes away.
class ListRoom {
public:
    explicit ListRoom(BACnetValueList* list) : list_(list) {}
    ~ListRoom();
    ListRoom(const ListRoom&) = delete;
    ListRoom& operator=(const ListRoom&) = delete;

    // Room for `capacity` elements in all, with one allocation. 1 when the element array moved
    // (pointers into it must be found again), 0 when the list already had the room (or is broken:
    // its growth refuses it), BACNAPI_WALK_E_NOMEMORY with the list unchanged when the heap
    // refuses.
    int32_t reserve(uint32_t capacity);
    // Slots below `end` are to be read into: they are made empty values first.
    void cover(uint32_t end);
    // Slots below `count` were written whole by a reader that needed no empty slot.
    void filled(uint32_t count)
    {
        const uint32_t upTo = count < added_ ? count : added_;
        if (upTo > emptied_) emptied_ = upTo;
    }

private:
    BACnetValueList* list_;
    uint32_t emptied_ = 0; // the added slots from here on are not emptied yet
    uint32_t added_ = 0;   // ... up to here (the capacity the room gave)
};

// The capacity a full value list of `capacity` slots grows to: capacity + capacity / 2 + 1, or 0
// when that does not fit in 32 bits.
uint32_t value_list_next_capacity(uint32_t capacity);

// Makes room for element number *count of a typed run whose overflow array is *elements
// (elements of elementSize bytes), then counts it. The array grows four slots at a time, like the
// element functions that append to a run, so that either may add to a run the other grew; the
// new element's slot is zero-filled. 0, or BACNAPI_WALK_E_NOMEMORY with the run unchanged.
int32_t typed_run_grow_one(void** elements, int32_t* count, size_t elementSize);

} // namespace bacnapi
