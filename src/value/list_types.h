// Which type codes are lists, and of what. One table shared by initialise, clear, copy, compare
// and the walk functions of the list types.
#pragma once

#include <cstdint>

namespace bacnapi {

struct ListTypeInfo {
    int32_t elementType; // type code of the elements; -1 when any type (or none) is held
    bool elementStore;   // copy may store a single value as an element of this list
    bool walkable;       // the list type has a walk function (a descriptor)
};

// True for every type code whose payload is a BACnetValueList.
bool is_list_type(int32_t type);
// The list's row, or null when type is not a list type code.
const ListTypeInfo* list_type_info(int32_t type);
// Element type of a list type code, or -1 (not a list, or no fixed element type).
int32_t list_element_type(int32_t type);

} // namespace bacnapi
