// Preparing a value that a walk is about to fill as a given type.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>

namespace bacnapi {

// True when a stand-alone value can be bound as a destination of this type: an application
// type, or a constructed type with a descriptor and a record of its own.
bool can_be_destination(int32_t type);

// A value that holds another type than `type` is cleared (made Null, everything it owned
// released) before it is filled as `type`, so that its old record or heap payload is never read
// as a payload of the new type. A value that already has the type, and any value when `type`
// cannot be a destination at all, is left alone.
void prepare_destination(BACnetDataType* value, int32_t type);

} // namespace bacnapi
