// Binding a field cursor to an embedded BACnetDataType whose type the field fixes (the lists,
// schedules and other values that records hold as nested values).
#include "value/value_internal.h"
#include "walk/walk.h"

namespace bacnapi {

namespace {

bool is_inline_type(int32_t type)
{
    return type >= BACNAPI_TYPE_Null && type <= BACNAPI_TYPE_ObjectIdentifier;
}

const void* payload_of(const BACnetDataType* value)
{
    return is_inline_type(value->type) ? static_cast<const void*>(&value->payload) : value->payload.record;
}

void* payload_of(BACnetDataType* value)
{
    return is_inline_type(value->type) ? static_cast<void*>(&value->payload) : value->payload.record;
}

} // namespace

int32_t bind_nested_value(BACnetFieldCursor* cursor, const BACnetDataType* source, BACnetDataType* destination,
                          int32_t type)
{
    if (!cursor) return BACNAPI_WALK_E_REFUSED;
    cursor->kind = kFieldSingle;
    // The nested values themselves, for visitors that treat an empty nested value specially
    // (the parser reads "null" there and leaves the value empty).
    cursor->srcContainer = source;
    cursor->destContainer = destination;

    if (source && source->type == BACNAPI_TYPE_Null) {
        // An empty nested value is a Null field; nothing is bound on either side.
        cursor->type = BACNAPI_TYPE_Null;
        cursor->src = nullptr;
        cursor->dest = nullptr;
        return BACNAPI_S_OK;
    }
    if (source && source->type != type) return BACNAPI_WALK_E_REFUSED;

    cursor->type = type;
    cursor->recordOwned = 1;
    cursor->src = source ? payload_of(source) : nullptr;
    cursor->dest = nullptr;
    // A nested source without its record has nothing to read; walking it as "no source" would
    // never end, so it is refused.
    if (source && !cursor->src) return BACNAPI_WALK_E_REFUSED;

    if (destination) {
        const bool needsRecord = !is_inline_type(type) && destination->payload.record == nullptr;
        if (destination->type != type || needsRecord) {
            // A value of another type is released first: retyping reads the old payload as one
            // of the new type, which is only safe for an empty value.
            if (destination->type != type) clear_value(destination);
            if (retype_value(destination, type) != 0) return BACNAPI_WALK_E_NOMEMORY;
        }
        cursor->dest = payload_of(destination);
    }
    return BACNAPI_S_OK;
}

} // namespace bacnapi
