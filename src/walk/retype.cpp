// Retyping: turning a value, in place, into an empty value of a wanted type. It is a walk over
// the destination side only, with the reset visitor: string payloads are emptied, every choice
// falls back to alternative 0 and every list ends at once. The walk functions do the rest
// (absent sentinels of optional fields, retyping of nested values).
#include "walk/destination.h"

#include "value/value_internal.h"
#include "walk/walk.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

int32_t reset_octets(uint32_t, void* dest, const void*, void*)
{
    if (!dest) return BACNAPI_S_OK;
    auto* octets = static_cast<BACnetOctetString*>(dest);
    std::free(octets->data);
    octets->data = nullptr;
    octets->length = 0;
    return BACNAPI_S_OK;
}

int32_t reset_characters(uint32_t, void* dest, const void*, void*)
{
    if (!dest) return BACNAPI_S_OK;
    auto* s = static_cast<BACnetCharacterString*>(dest);
    std::free(s->data);
    std::memset(static_cast<void*>(s), 0, sizeof *s);
    return BACNAPI_S_OK;
}

int32_t reset_bits(uint32_t, void* dest, const void*, void*)
{
    if (!dest) return BACNAPI_S_OK;
    auto* bits = static_cast<BACnetBitString*>(dest);
    std::free(bits->bits);
    std::memset(static_cast<void*>(bits), 0, sizeof *bits);
    return BACNAPI_S_OK;
}

int32_t reset_choice(uint32_t, int32_t* alternative, const int32_t*, void*)
{
    if (alternative) *alternative = 0;
    return BACNAPI_S_OK;
}

int32_t end_list(uint32_t, uint32_t* more, void*)
{
    if (more) *more = 0;
    return BACNAPI_S_OK;
}

// Every element the walk would ask for ends the list at once, before it is visited.
constexpr BACnetVisitor kReset = {
    .visitOctetString = reset_octets,
    .visitCharacterString = reset_characters,
    .visitBitString = reset_bits,
    .chooseAlternative = reset_choice,
    .beginElement = end_list,
    .endElement = end_list,
};

} // namespace

bool can_be_destination(int32_t type)
{
    if (type >= BACNAPI_TYPE_Null && type <= BACNAPI_TYPE_ObjectIdentifier) return true;
    const BACnetTypeDescriptor* descriptor = find_descriptor(type);
    return descriptor && descriptor->recordSize != 0;
}

void prepare_destination(BACnetDataType* value, int32_t type)
{
    if (value && value->type != type && can_be_destination(type)) clear_value(value);
}

int32_t retype_value(BACnetDataType* value, int32_t type)
{
    prepare_destination(value, type);
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    const int32_t status = bind_cursor(&cursor, nullptr, type, value, type);
    if (status != 0) return status;
    return walk_value(&cursor, nullptr, &kReset);
}

} // namespace bacnapi
