// Walk functions of the constructed types, one per type code that has a descriptor.
// Types 132 and 135 share walk_EventParameterBufferReady.
#pragma once

#include "walk/walk.h"

#define BACNAPI_WALK_DECL(name) \
    int32_t walk_##name(BACnetFieldCursor* child, const void* src, void* dest, void* ctx, \
                        const BACnetVisitor* visitor, uint32_t* more, int32_t index)

namespace bacnapi {

BACNAPI_WALK_DECL(SignedLong);
BACNAPI_WALK_DECL(BACnetAddress);
BACNAPI_WALK_DECL(BACnetDateTime);
BACNAPI_WALK_DECL(BACnetCalendarEntry);
BACNAPI_WALK_DECL(BACnetDateRange);
BACNAPI_WALK_DECL(BACnetWeekNDay);
BACNAPI_WALK_DECL(BACnetTimeValue);
BACNAPI_WALK_DECL(BACnetTimeStamp);
BACNAPI_WALK_DECL(BACnetActionCommand);
BACNAPI_WALK_DECL(BACnetSessionKey);
BACNAPI_WALK_DECL(BACnetRecipient);
BACNAPI_WALK_DECL(BACnetRecipientProcess);
BACNAPI_WALK_DECL(BACnetAddressBinding);
BACNAPI_WALK_DECL(BACnetObjectPropertyReference);
BACNAPI_WALK_DECL(BACnetLogDatum);
BACNAPI_WALK_DECL(BACnetError);
BACNAPI_WALK_DECL(BACnetDeviceObjectPropertyReference);
BACNAPI_WALK_DECL(BACnetLogRecord);
BACNAPI_WALK_DECL(ReadAccessSpecification);
BACNAPI_WALK_DECL(WriteAccessSpecification);
BACNAPI_WALK_DECL(AlarmSummaryAckElement);
BACNAPI_WALK_DECL(EnrolmentSummaryAckElement);
BACNAPI_WALK_DECL(ReadAccessResult);
BACNAPI_WALK_DECL(ReadAccessPropertyValue);
BACNAPI_WALK_DECL(BACnetPropertyReference);
BACNAPI_WALK_DECL(BACnetDestination);
BACNAPI_WALK_DECL(BACnetDailySchedule);
BACNAPI_WALK_DECL(BACnetSpecialEvent);
BACNAPI_WALK_DECL(BACnetPriorityValue);
BACNAPI_WALK_DECL(BACnetPropertyValue);
BACNAPI_WALK_DECL(BACnetPropertyStates);
BACNAPI_WALK_DECL(BACnetEventParameter);
BACNAPI_WALK_DECL(BACnetNotificationParameters);
BACNAPI_WALK_DECL(BACnetClientCOV);
BACNAPI_WALK_DECL(BACnetObjectPropertyValue);
BACNAPI_WALK_DECL(BACnetPriorityArray);
BACNAPI_WALK_DECL(BACnetActionList);
BACNAPI_WALK_DECL(ListOfBACnetLogRecord);
BACNAPI_WALK_DECL(ListOfBACnetCalendarEntry);
BACNAPI_WALK_DECL(ListOfBACnetActionList);
BACNAPI_WALK_DECL(ListOfBACnetActionCommand);
BACNAPI_WALK_DECL(ListOfCharacterString);
BACNAPI_WALK_DECL(ListOfObjectIdentifier);
BACNAPI_WALK_DECL(BACnetSpecialEventPeriod);
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
BACNAPI_WALK_DECL(SequenceOfReadAccessSpecification);
BACNAPI_WALK_DECL(SequenceOfReadAccessResult);
BACNAPI_WALK_DECL(SequenceOfBACnetPropertyReference);
BACNAPI_WALK_DECL(ListOfAlarmSummaryAckElement);
BACNAPI_WALK_DECL(ListOfEnrolmentSummaryAckElement);
BACNAPI_WALK_DECL(BACnetCOVSubscription);
BACNAPI_WALK_DECL(BACnetScale);
BACNAPI_WALK_DECL(BACnetPrescale);
BACNAPI_WALK_DECL(BACnetAccumulatorRecord);
BACNAPI_WALK_DECL(EventSummaryElement);
BACNAPI_WALK_DECL(ListOfEventSummaryElement);
BACNAPI_WALK_DECL(ListOfBACnetCOVSubscription);
BACNAPI_WALK_DECL(BACnetDeviceObjectPropertyValue);
BACNAPI_WALK_DECL(ListOfEnumerated);
BACNAPI_WALK_DECL(BACnetSetpointReference);
BACNAPI_WALK_DECL(ListOfReal);
BACNAPI_WALK_DECL(ListOfBoolean);
BACNAPI_WALK_DECL(BACnetEventLogRecord);
BACNAPI_WALK_DECL(BACnetLogData);
BACNAPI_WALK_DECL(BACnetLogMultipleRecord);
BACNAPI_WALK_DECL(BACnetLogDataElement);
BACNAPI_WALK_DECL(ListOfBACnetLogDataElement);
BACNAPI_WALK_DECL(ListOfBACnetEventLogRecord);
BACNAPI_WALK_DECL(ListOfBACnetLogMultipleRecord);
BACNAPI_WALK_DECL(BACnetShedLevel);
BACNAPI_WALK_DECL(BACnetDeviceObjectReference);
BACNAPI_WALK_DECL(ListOfBACnetDeviceObjectReference);
BACNAPI_WALK_DECL(EventParameterChangeOfBitstring);
BACNAPI_WALK_DECL(EventParameterChangeOfState);
BACNAPI_WALK_DECL(EventParameterChangeOfValue);
BACNAPI_WALK_DECL(EventParameterCommandFailure);
BACNAPI_WALK_DECL(EventParameterFloatingLimit);
BACNAPI_WALK_DECL(EventParameterOutOfRange);
BACNAPI_WALK_DECL(EventParameterBufferReady);
BACNAPI_WALK_DECL(EventParameterChangeOfLifeSafety);
BACNAPI_WALK_DECL(EventParameterExtended);
BACNAPI_WALK_DECL(EventParameterUnsignedRange);
BACNAPI_WALK_DECL(BACnetCOVCriteria);
BACNAPI_WALK_DECL(NotificationChangeOfBitstring);
BACNAPI_WALK_DECL(NotificationChangeOfState);
BACNAPI_WALK_DECL(NotificationChangeOfValue);
BACNAPI_WALK_DECL(NotificationCommandFailure);
BACNAPI_WALK_DECL(NotificationFloatingLimit);
BACNAPI_WALK_DECL(NotificationOutOfRange);
BACNAPI_WALK_DECL(NotificationBufferReady);
BACNAPI_WALK_DECL(NotificationChangeOfLifeSafety);
BACNAPI_WALK_DECL(NotificationExtended);
BACNAPI_WALK_DECL(NotificationBufferReady2);
BACNAPI_WALK_DECL(NotificationUnsignedRange);
BACNAPI_WALK_DECL(NotificationChangedValue);
BACNAPI_WALK_DECL(ReadAccessResultList);
BACNAPI_WALK_DECL(ReadPropertyMultipleAck);
BACNAPI_WALK_DECL(BACnetServiceConfirmedEventNotificationRequest);
BACNAPI_WALK_DECL(BACnetEventLogDatum);

int32_t finish_BACnetAddress(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetWeekNDay(BACnetFieldCursor* child, void* dest, int32_t index);
int32_t finish_BACnetCOVSubscription(BACnetFieldCursor* child, void* dest, int32_t index);

} // namespace bacnapi
