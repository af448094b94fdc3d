// Wrapped property values: a record's embedded BACnetDataType whose type depends on the object
// type and property that the record holds (or inherits), looked up separately for the source and
// the destination side and bound with bind_cursor.
#pragma once

#include "records/field_desc.h"
#include "walk/walk.h"

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// The type code that the property tables give for one side: objectType, property and array
// index as the record holds them (an index of 0xFFFFFFFF means the whole property).
int32_t lookup_property_type(uint32_t objectType, uint32_t propertyIdentifier, uint32_t arrayIndex);

// Describes a Wrapped field bound to the nested values `source` (read as sourceType) and
// `destination` (made a value of destinationType). Either value may be null. A destination that
// holds a value of another type is released first. Statuses of bind_cursor: -1003 for a source of
// another type, -1002 for a destination type without descriptor, -1001 for a refused record.
int32_t describe_wrapped_value(BACnetFieldCursor* child, uint32_t nameId, int32_t tag, const BACnetDataType* source,
                               int32_t sourceType, BACnetDataType* destination, int32_t destinationType);

// Describes the property value of a record (src/dest are the records, either may be null).
int32_t describe_property_value(const PropertyValueDesc& pv, BACnetFieldCursor* child, const void* src, void* dest);

} // namespace bacnapi
