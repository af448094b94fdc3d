// Size of the record that a value of each constructed type code owns (0: no record of its own).
// Shared by initialise (which allocates records) and the descriptor table of the walker.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>

namespace bacnapi {

constexpr uint64_t record_size_of(int32_t type)
{
    switch (type) {
    case 21: return sizeof(BACnetAddress);
    case 22: return sizeof(BACnetDateTime);
    case 23: return sizeof(BACnetCalendarEntry);
    case 24: return sizeof(BACnetDateRange);
    case 25: return sizeof(BACnetWeekNDay);
    case 26: return sizeof(BACnetTimeValue);
    case 27: return sizeof(BACnetTimeStamp);
    case 28: return sizeof(BACnetActionCommand);
    case 29: return sizeof(BACnetSessionKey);
    case 30: return sizeof(BACnetRecipient);
    case 31: return sizeof(BACnetRecipientProcess);
    case 32: return sizeof(BACnetAddressBinding);
    case 33: return sizeof(BACnetObjectPropertyReference);
    case 36: return sizeof(BACnetDeviceObjectPropertyReference);
    case 37: return sizeof(BACnetLogRecord);
    case 38: return sizeof(ReadAccessSpecification);
    case 39: return sizeof(WriteAccessSpecification);
    case 40: return sizeof(AlarmSummaryAckElement);
    case 41: return sizeof(EnrolmentSummaryAckElement);
    case 42: return sizeof(ReadAccessResult);
    case 43: return sizeof(ReadAccessPropertyValue);
    case 44: return sizeof(BACnetPropertyReference);
    case 45: return sizeof(BACnetDestination);
    case 46: return sizeof(BACnetDailySchedule);
    case 47: return sizeof(BACnetSpecialEvent);
    case 48: return sizeof(BACnetPriorityValue);
    case 49: return sizeof(BACnetPropertyValue);
    case 50: return sizeof(BACnetPropertyStates);
    case 51: return sizeof(BACnetEventParameter);
    case 52: return sizeof(BACnetNotificationParameters);
    case 53: return sizeof(BACnetSelectionCriteria);
    case 54: return sizeof(BACnetClientCOV);
    case 55: return sizeof(BACnetObjectPropertyValue);
    case 56: return sizeof(BACnetNestedValue);
    case 57: return sizeof(BACnetValueList);
    case 58: return sizeof(BACnetValueList);
    case 59: return sizeof(BACnetActionList);
    case 60: return sizeof(BACnetValueList);
    case 61: return sizeof(BACnetValueList);
    case 62: return sizeof(BACnetValueList);
    case 63: return sizeof(BACnetValueList);
    case 64: return sizeof(BACnetValueList);
    case 65: return sizeof(BACnetValueList);
    case 69: return sizeof(BACnetValueList);
    case 70: return sizeof(BACnetValueList);
    case 71: return sizeof(BACnetValueList);
    case 72: return sizeof(BACnetValueList);
    case 73: return sizeof(BACnetValueList);
    case 74: return sizeof(BACnetValueList);
    case 75: return sizeof(BACnetValueList);
    case 76: return sizeof(BACnetValueList);
    case 77: return sizeof(BACnetValueList);
    case 78: return sizeof(BACnetValueList);
    case 79: return sizeof(BACnetValueList);
    case 80: return sizeof(BACnetValueList);
    case 81: return sizeof(BACnetValueList);
    case 82: return sizeof(BACnetValueList);
    case 83: return sizeof(BACnetValueList);
    case 84: return sizeof(BACnetValueList);
    case 87: return sizeof(BACnetValueList);
    case 88: return sizeof(BACnetValueList);
    case 89: return sizeof(SequenceOfReadAccessSpecification);
    case 90: return sizeof(SequenceOfReadAccessResult);
    case 91: return sizeof(SequenceOfBACnetPropertyReference);
    case 92: return sizeof(BACnetValueList);
    case 93: return sizeof(BACnetValueList);
    case 94: return sizeof(BACnetValueList);
    case 95: return sizeof(BACnetValueList);
    case 96: return sizeof(BACnetValueList);
    case 97: return sizeof(BACnetConstructed);
    case 98: return sizeof(BACnetValueList);
    case 101: return sizeof(BACnetCOVSubscription);
    case 102: return sizeof(BACnetScale);
    case 103: return sizeof(BACnetPrescale);
    case 104: return sizeof(BACnetAccumulatorRecord);
    case 105: return sizeof(EventSummaryElement);
    case 106: return sizeof(BACnetValueList);
    case 107: return sizeof(BACnetValueList);
    case 110: return sizeof(BACnetDeviceObjectPropertyValue);
    case 111: return sizeof(BACnetValueList);
    case 112: return sizeof(BACnetSetpointReference);
    case 113: return sizeof(BACnetValueList);
    case 114: return sizeof(BACnetValueList);
    case 116: return sizeof(BACnetEventLogRecord);
    case 117: return sizeof(BACnetLogData);
    case 118: return sizeof(BACnetLogMultipleRecord);
    case 119: return sizeof(BACnetLogDataElement);
    case 120: return sizeof(BACnetValueList);
    case 121: return sizeof(BACnetValueList);
    case 122: return sizeof(BACnetValueList);
    case 123: return sizeof(BACnetShedLevel);
    case 124: return sizeof(BACnetDeviceObjectReference);
    case 125: return sizeof(BACnetValueList);
    case 150: return sizeof(ReadAccessResultList);
    case 151: return sizeof(ReadPropertyMultipleAck);
    case 152: return sizeof(BACnetServiceConfirmedEventNotificationRequest);
    default: return 0;
    }
}

} // namespace bacnapi
