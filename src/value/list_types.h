// Which type codes are lists, and of what, as the type catalogue states it. Read by initialise,
// clear, copy, compare and the walk functions of the list types.
#pragma once

#include "value/type_catalogue.h"

namespace bacnapi {

// The list's row, or null when type is not a list type code.
constexpr const ListTypeInfo* list_type_info(int32_t type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr && row->storage == Storage::List ? &row->list : nullptr;
}

// True for every type code whose payload is a BACnetValueList.
constexpr bool is_list_type(int32_t type) { return list_type_info(type) != nullptr; }

// Element type of a list type code, or -1 (not a list, or no fixed element type).
constexpr int32_t list_element_type(int32_t type)
{
    const ListTypeInfo* info = list_type_info(type);
    return info ? info->elementType : -1;
}

} // namespace bacnapi
