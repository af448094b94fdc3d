// Field tables of the plain records among the later productions: records that are a fixed
// sequence of members, some of them nested values or records in place.
#include "field_table.h"
#include "walk_functions.h"

#include <bacnapi/bacnapi.h>

#include <cstddef>

namespace bacnapi {

namespace {

// 59: the list of action commands, held as a nested value.
constexpr FieldSpec kActionList[] = {
    nested_field(6, 0, BACNAPI_TYPE_ListOfBACnetActionCommand, offsetof(BACnetActionList, action)),
};

// 103
constexpr FieldSpec kPrescale[] = {
    member_field(189, 0, BACNAPI_TYPE_Unsigned, offsetof(BACnetPrescale, multiplier)),
    member_field(187, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetPrescale, moduloDivide)),
};

// 104
constexpr FieldSpec kAccumulatorRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetAccumulatorRecord, timestamp)),
    member_field(218, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetAccumulatorRecord, presentValue)),
    member_field(1, 2, BACNAPI_TYPE_Unsigned, offsetof(BACnetAccumulatorRecord, accumulatedValue)),
    member_field(2, 3, BACNAPI_TYPE_Enumerated, offsetof(BACnetAccumulatorRecord, accumulatorStatus), 2),
};

// 105: the element of the GetEventInformation acknowledgement; time stamps and priorities are
// nested lists.
constexpr FieldSpec kEventSummaryElement[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(EventSummaryElement, objectIdentifier)),
    member_field(100, 1, BACNAPI_TYPE_Enumerated, offsetof(EventSummaryElement, eventState), 21),
    member_field(4, 2, BACNAPI_TYPE_BitString, offsetof(EventSummaryElement, acknowledgedTransitions)),
    nested_field(101, 3, BACNAPI_TYPE_ListOfBACnetTimeStamp, offsetof(EventSummaryElement, eventTimeStamps)),
    member_field(196, 4, BACNAPI_TYPE_Enumerated, offsetof(EventSummaryElement, notifyType), 37),
    member_field(95, 5, BACNAPI_TYPE_BitString, offsetof(EventSummaryElement, eventEnable)),
    nested_field(97, 6, BACNAPI_TYPE_ListOfUnsigned, offsetof(EventSummaryElement, eventPriorities)),
};

// 116: the log datum is an embedded choice that reads its alternative from this record.
constexpr FieldSpec kEventLogRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetEventLogRecord, timestamp)),
    whole_record_field(156, 1, BACNAPI_TYPE_BACnetEventLogDatum),
};

// 118
constexpr FieldSpec kLogMultipleRecord[] = {
    member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetLogMultipleRecord, timestamp)),
    member_field(351, 1, BACNAPI_TYPE_BACnetLogData, offsetof(BACnetLogMultipleRecord, logData)),
};

// 124: the device identifier is always present here.
constexpr FieldSpec kDeviceObjectReference[] = {
    member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectReference, deviceIdentifier)),
    member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectReference, objectIdentifier)),
};

} // namespace

BACNAPI_WALK_FROM_TABLE(BACnetActionList, kActionList)
BACNAPI_WALK_FROM_TABLE(BACnetPrescale, kPrescale)
BACNAPI_WALK_FROM_TABLE(BACnetAccumulatorRecord, kAccumulatorRecord)
BACNAPI_WALK_FROM_TABLE(EventSummaryElement, kEventSummaryElement)
BACNAPI_WALK_FROM_TABLE(BACnetEventLogRecord, kEventLogRecord)
BACNAPI_WALK_FROM_TABLE(BACnetLogMultipleRecord, kLogMultipleRecord)
BACNAPI_WALK_FROM_TABLE(BACnetDeviceObjectReference, kDeviceObjectReference)

} // namespace bacnapi
