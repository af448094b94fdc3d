// Which type codes are lists, and of what, as the type catalogue states it. Read by initialise,
// clear, copy, compare and the walk functions of the list types.
#pragma once

#include "value/type_catalogue.h"

namespace bacnapi {

// True for every type code whose payload is a BACnetValueList.
constexpr bool is_list_type(int32_t type) { return storage_of(type) == Storage::List; }

// The list's row, or null when type is not a list type code.
constexpr const ListTypeInfo* list_type_info(int32_t type)
{
    return is_list_type(type) ? &kTypeCatalogue[type].list : nullptr;
}

// Element type of a list type code, or -1 (not a list, or no fixed element type).
constexpr int32_t list_element_type(int32_t type)
{
    return is_list_type(type) ? kTypeCatalogue[type].list.elementType : -1;
}

} // namespace bacnapi
