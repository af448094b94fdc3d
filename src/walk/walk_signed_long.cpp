// SignedLong (type code 20) is held inline but has no fields a visitor could be given: its walk
// function ends the value at once and refuses it, so a SignedLong has no brace text.
#include "walk/walk_functions.h"

namespace bacnapi {

int32_t walk_SignedLong(BACnetFieldCursor*, const void*, void*, void*, const BACnetVisitor*, uint32_t* more,
                        int32_t)
{
    if (more) *more = 0;
    return BACNAPI_WALK_E_REFUSED;
}

} // namespace bacnapi
