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

// Element walks of the value lists, one per list type (src/walk/lists.cpp). The descriptors of the
// value lists read the element type from the catalogue instead; these remain for direct callers.
BACNAPI_WALK_DECL(BACnetPriorityArray);
BACNAPI_WALK_DECL(ListOfBACnetLogRecord);
BACNAPI_WALK_DECL(ListOfBACnetCalendarEntry);
BACNAPI_WALK_DECL(ListOfBACnetActionList);
BACNAPI_WALK_DECL(ListOfBACnetActionCommand);
BACNAPI_WALK_DECL(ListOfCharacterString);
BACNAPI_WALK_DECL(ListOfObjectIdentifier);
BACNAPI_WALK_DECL(ListOfBACnetRecipient);
BACNAPI_WALK_DECL(ListOfBACnetAddressBinding);
BACNAPI_WALK_DECL(ListOfReadAccessSpecification);
BACNAPI_WALK_DECL(ListOfReadAccessResult);
BACNAPI_WALK_DECL(SequenceOfBACnetReadAccessPropertyValue);
BACNAPI_WALK_DECL(ListOfUnsigned);
BACNAPI_WALK_DECL(ListOfBACnetDestination);
BACNAPI_WALK_DECL(ListOfBACnetDailySchedule);
BACNAPI_WALK_DECL(ListOfBACnetSpecialEvent);
BACNAPI_WALK_DECL(ListOfBACnetDeviceObjectPropertyReference);
BACNAPI_WALK_DECL(ListOfBACnetTimeValue);
BACNAPI_WALK_DECL(ListOfBitString);
BACNAPI_WALK_DECL(ListOfBACnetPropertyStates);
BACNAPI_WALK_DECL(ListOfBACnetObjectPropertyValue);
BACNAPI_WALK_DECL(ListOfBACnetTimeStamp);
BACNAPI_WALK_DECL(ListOfBACnetPropertyValue);
BACNAPI_WALK_DECL(ListOfWriteAccessSpecification);
BACNAPI_WALK_DECL(ListOfAlarmSummaryAckElement);
BACNAPI_WALK_DECL(ListOfEnrolmentSummaryAckElement);
BACNAPI_WALK_DECL(ListOfEventSummaryElement);
BACNAPI_WALK_DECL(ListOfBACnetCOVSubscription);
BACNAPI_WALK_DECL(ListOfEnumerated);
BACNAPI_WALK_DECL(ListOfReal);
BACNAPI_WALK_DECL(ListOfBoolean);
BACNAPI_WALK_DECL(ListOfBACnetLogDataElement);
BACNAPI_WALK_DECL(ListOfBACnetEventLogRecord);
BACNAPI_WALK_DECL(ListOfBACnetLogMultipleRecord);
BACNAPI_WALK_DECL(ListOfBACnetDeviceObjectReference);

int32_t finish_BACnetAddress(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetWeekNDay(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetCOVSubscription(BACnetFieldCursor* child, void* dest, int32_t index);

} // namespace bacnapi
