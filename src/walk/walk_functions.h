// The hand-written walk functions: the types whose fields no table describes, and the typed
// runs. The descriptor table points at them; every other type's descriptor is a table.
#pragma once

#include "walk/walk.h"

#define BACNAPI_WALK_DECL(name)                                                                                        \
    int32_t walk_##name(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,                              \
                        const BACnetVisitor* visitor, uint32_t* more, int32_t index)

namespace bacnapi {

BACNAPI_WALK_DECL(SignedLong);
BACNAPI_WALK_DECL(BACnetAddress);
BACNAPI_WALK_DECL(BACnetWeekNDay);
BACNAPI_WALK_DECL(ReadAccessPropertyValue);
BACNAPI_WALK_DECL(BACnetPriorityValue);
BACNAPI_WALK_DECL(BACnetCOVSubscription);
BACNAPI_WALK_DECL(BACnetSetpointReference);
BACNAPI_WALK_DECL(SequenceOfReadAccessSpecification);
BACNAPI_WALK_DECL(SequenceOfReadAccessResult);
BACNAPI_WALK_DECL(SequenceOfBACnetPropertyReference);
BACNAPI_WALK_DECL(ReadAccessResultList);

int32_t finish_BACnetAddress(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetWeekNDay(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetCOVSubscription(BACnetFieldCursor* child, void* dest, int32_t index);

} // namespace bacnapi
