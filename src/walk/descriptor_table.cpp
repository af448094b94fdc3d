// The descriptor table: one row per type code 20..153, in type-code order (checked below). A row
// says how the type's fields are found, as data: the field or choice table it points at, the
// element type of a value list, or, for the few irregular types, a hand-written walk function;
// and the function run after each of its fields. The record size comes from the type catalogue.
#include "value/list_types.h"
#include "value/record_size.h"
#include "walk/field_table.h"
#include "walk/params_event.h"
#include "walk/params_notification.h"
#include "walk/records_choices.h"
#include "walk/records_plain.h"
#include "walk/records_values.h"
#include "walk/service_records.h"
#include "walk/walk_functions.h"

namespace bacnapi {

namespace {

constexpr BACnetTypeDescriptor row(int32_t type, TypeWalk walk, BACnetFinishFieldFn finishField = nullptr)
{
    return BACnetTypeDescriptor{walk, finishField, record_size_of(type), type};
}

constexpr TypeWalk value_list_of(int32_t listType)
{
    return by_value_list(list_element_type(listType));
}

} // namespace

// The alternatives of the event and notification parameters, and the COV criteria and the changed
// value inside them, have no record of their own: their tables' offsets are those of the record
// that holds them. 132 and 135 share one table.
constexpr BACnetTypeDescriptor bacnapi_type_descriptors[kDescriptorCount] = {
    row(BACNAPI_TYPE_SignedLong, by_hand(walk_SignedLong)),
    row(BACNAPI_TYPE_BACnetAddress, by_hand(walk_BACnetAddress), finish_BACnetAddress),
    row(BACNAPI_TYPE_BACnetDateTime, by_fields(plain_records::kDateTime)),
    row(BACNAPI_TYPE_BACnetCalendarEntry, by_choice(choice_records::kCalendarEntry)),
    row(BACNAPI_TYPE_BACnetDateRange, by_fields(plain_records::kDateRange)),
    row(BACNAPI_TYPE_BACnetWeekNDay, by_hand(walk_BACnetWeekNDay), finish_BACnetWeekNDay),
    row(BACNAPI_TYPE_BACnetTimeValue, by_fields(value_records::kTimeValue)),
    row(BACNAPI_TYPE_BACnetTimeStamp, by_choice(choice_records::kTimeStamp)),
    row(BACNAPI_TYPE_BACnetActionCommand, by_fields(value_records::kActionCommand)),
    row(BACNAPI_TYPE_BACnetSessionKey, by_fields(plain_records::kSessionKey)),
    row(BACNAPI_TYPE_BACnetRecipient, by_choice(choice_records::kRecipient)),
    row(BACNAPI_TYPE_BACnetRecipientProcess, by_fields(plain_records::kRecipientProcess)),
    row(BACNAPI_TYPE_BACnetAddressBinding, by_fields(plain_records::kAddressBinding)),
    row(BACNAPI_TYPE_BACnetObjectPropertyReference, by_fields(plain_records::kObjectPropertyReference)),
    row(BACNAPI_TYPE_BACnetLogDatum, by_choice(choice_records::kLogDatum)),
    row(BACNAPI_TYPE_BACnetError, by_fields(plain_records::kError)),
    row(BACNAPI_TYPE_BACnetDeviceObjectPropertyReference, by_fields(plain_records::kDeviceObjectPropertyReference)),
    row(BACNAPI_TYPE_BACnetLogRecord, by_fields(plain_records::kLogRecord)),
    row(BACNAPI_TYPE_ReadAccessSpecification, by_fields(plain_records::kReadAccessSpecification)),
    row(BACNAPI_TYPE_WriteAccessSpecification, by_fields(value_records::kWriteAccessSpecification)),
    row(BACNAPI_TYPE_AlarmSummaryAckElement, by_fields(plain_records::kAlarmSummaryAckElement)),
    row(BACNAPI_TYPE_EnrolmentSummaryAckElement, by_fields(plain_records::kEnrolmentSummaryAckElement)),
    row(BACNAPI_TYPE_ReadAccessResult, by_fields(value_records::kReadAccessResult)),
    row(BACNAPI_TYPE_ReadAccessPropertyValue, by_hand(walk_ReadAccessPropertyValue)),
    row(BACNAPI_TYPE_BACnetPropertyReference, by_fields(plain_records::kPropertyReference)),
    row(BACNAPI_TYPE_BACnetDestination, by_fields(plain_records::kDestination)),
    row(BACNAPI_TYPE_BACnetDailySchedule, by_fields(plain_records::kDailySchedule)),
    row(BACNAPI_TYPE_BACnetSpecialEvent, by_fields(plain_records::kSpecialEvent)),
    row(BACNAPI_TYPE_BACnetPriorityValue, by_hand(walk_BACnetPriorityValue)),
    row(BACNAPI_TYPE_BACnetPropertyValue, by_fields(value_records::kPropertyValue)),
    row(BACNAPI_TYPE_BACnetPropertyStates, by_choice(choice_records::kPropertyStates)),
    row(BACNAPI_TYPE_BACnetEventParameter, by_choice(event_parameters::kEventParameter)),
    row(BACNAPI_TYPE_BACnetNotificationParameters, by_choice(notification_parameters::kNotificationParameters)),
    row(BACNAPI_TYPE_BACnetSelectionCriteria, no_walk()),
    row(BACNAPI_TYPE_BACnetClientCOV, by_choice(choice_records::kClientCOV)),
    row(BACNAPI_TYPE_BACnetObjectPropertyValue, by_fields(value_records::kObjectPropertyValue)),
    row(BACNAPI_TYPE_BACnetNestedValue, no_walk()),
    row(BACNAPI_TYPE_BACnetArray, no_walk()),
    row(BACNAPI_TYPE_BACnetPriorityArray, value_list_of(BACNAPI_TYPE_BACnetPriorityArray)),
    row(BACNAPI_TYPE_BACnetActionList, by_fields(plain_records::kActionList)),
    row(BACNAPI_TYPE_ListOfBACnetLogRecord, value_list_of(BACNAPI_TYPE_ListOfBACnetLogRecord)),
    row(BACNAPI_TYPE_ListOfBACnetCalendarEntry, value_list_of(BACNAPI_TYPE_ListOfBACnetCalendarEntry)),
    row(BACNAPI_TYPE_ListOfBACnetActionList, value_list_of(BACNAPI_TYPE_ListOfBACnetActionList)),
    row(BACNAPI_TYPE_ListOfBACnetActionCommand, value_list_of(BACNAPI_TYPE_ListOfBACnetActionCommand)),
    row(BACNAPI_TYPE_ListOfCharacterString, value_list_of(BACNAPI_TYPE_ListOfCharacterString)),
    row(BACNAPI_TYPE_ListOfObjectIdentifier, value_list_of(BACNAPI_TYPE_ListOfObjectIdentifier)),
    row(BACNAPI_TYPE_BACnetSpecialEventPeriod, by_choice(choice_records::kSpecialEventPeriod)),
    row(BACNAPI_TYPE_Reserved67, no_walk()),
    row(BACNAPI_TYPE_Reserved68, no_walk()),
    row(BACNAPI_TYPE_ListOfBACnetSessionKey, no_walk()),
    row(BACNAPI_TYPE_ListOfBACnetRecipient, value_list_of(BACNAPI_TYPE_ListOfBACnetRecipient)),
    row(BACNAPI_TYPE_ListOfBACnetAddressBinding, value_list_of(BACNAPI_TYPE_ListOfBACnetAddressBinding)),
    row(BACNAPI_TYPE_ListOfReadAccessSpecification, value_list_of(BACNAPI_TYPE_ListOfReadAccessSpecification)),
    row(BACNAPI_TYPE_ListOfReadAccessResult, value_list_of(BACNAPI_TYPE_ListOfReadAccessResult)),
    row(BACNAPI_TYPE_SequenceOfBACnetReadAccessPropertyValue,
        value_list_of(BACNAPI_TYPE_SequenceOfBACnetReadAccessPropertyValue)),
    row(BACNAPI_TYPE_ListOfUnsigned, value_list_of(BACNAPI_TYPE_ListOfUnsigned)),
    row(BACNAPI_TYPE_ListOfBACnetDestination, value_list_of(BACNAPI_TYPE_ListOfBACnetDestination)),
    row(BACNAPI_TYPE_ListOfBACnetDailySchedule, value_list_of(BACNAPI_TYPE_ListOfBACnetDailySchedule)),
    row(BACNAPI_TYPE_ListOfBACnetSpecialEvent, value_list_of(BACNAPI_TYPE_ListOfBACnetSpecialEvent)),
    row(BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference,
        value_list_of(BACNAPI_TYPE_ListOfBACnetDeviceObjectPropertyReference)),
    row(BACNAPI_TYPE_ListOfBACnetTimeValue, value_list_of(BACNAPI_TYPE_ListOfBACnetTimeValue)),
    row(BACNAPI_TYPE_ListOfBitString, value_list_of(BACNAPI_TYPE_ListOfBitString)),
    row(BACNAPI_TYPE_ListOfBACnetPropertyStates, value_list_of(BACNAPI_TYPE_ListOfBACnetPropertyStates)),
    row(BACNAPI_TYPE_ListOfBACnetObjectPropertyValue, value_list_of(BACNAPI_TYPE_ListOfBACnetObjectPropertyValue)),
    row(BACNAPI_TYPE_ListOfBACnetTimeStamp, value_list_of(BACNAPI_TYPE_ListOfBACnetTimeStamp)),
    row(BACNAPI_TYPE_Reserved85, no_walk()),
    row(BACNAPI_TYPE_Reserved86, no_walk()),
    row(BACNAPI_TYPE_ListOfBACnetPropertyValue, value_list_of(BACNAPI_TYPE_ListOfBACnetPropertyValue)),
    row(BACNAPI_TYPE_ListOfWriteAccessSpecification, value_list_of(BACNAPI_TYPE_ListOfWriteAccessSpecification)),
    row(BACNAPI_TYPE_SequenceOfReadAccessSpecification, by_hand(walk_SequenceOfReadAccessSpecification)),
    row(BACNAPI_TYPE_SequenceOfReadAccessResult, by_hand(walk_SequenceOfReadAccessResult)),
    row(BACNAPI_TYPE_SequenceOfBACnetPropertyReference, by_hand(walk_SequenceOfBACnetPropertyReference)),
    row(BACNAPI_TYPE_ReservedList92, no_walk()),
    row(BACNAPI_TYPE_ListOfAlarmSummaryAckElement, value_list_of(BACNAPI_TYPE_ListOfAlarmSummaryAckElement)),
    row(BACNAPI_TYPE_ListOfEnrolmentSummaryAckElement, value_list_of(BACNAPI_TYPE_ListOfEnrolmentSummaryAckElement)),
    row(BACNAPI_TYPE_ReservedList95, no_walk()),
    row(BACNAPI_TYPE_ReservedList96, no_walk()),
    row(BACNAPI_TYPE_BACnetConstructed, no_walk()),
    row(BACNAPI_TYPE_ListOfBACnetConstructed, no_walk()),
    row(BACNAPI_TYPE_Reserved99, no_walk()),
    row(BACNAPI_TYPE_Reserved100, no_walk()),
    row(BACNAPI_TYPE_BACnetCOVSubscription, by_hand(walk_BACnetCOVSubscription), finish_BACnetCOVSubscription),
    row(BACNAPI_TYPE_BACnetScale, by_choice(choice_records::kScale)),
    row(BACNAPI_TYPE_BACnetPrescale, by_fields(plain_records::kPrescale)),
    row(BACNAPI_TYPE_BACnetAccumulatorRecord, by_fields(plain_records::kAccumulatorRecord)),
    row(BACNAPI_TYPE_EventSummaryElement, by_fields(plain_records::kEventSummaryElement)),
    row(BACNAPI_TYPE_ListOfEventSummaryElement, value_list_of(BACNAPI_TYPE_ListOfEventSummaryElement)),
    row(BACNAPI_TYPE_ListOfBACnetCOVSubscription, value_list_of(BACNAPI_TYPE_ListOfBACnetCOVSubscription)),
    row(BACNAPI_TYPE_Reserved108, no_walk()),
    row(BACNAPI_TYPE_Reserved109, no_walk()),
    row(BACNAPI_TYPE_BACnetDeviceObjectPropertyValue, by_fields(value_records::kDeviceObjectPropertyValue)),
    row(BACNAPI_TYPE_ListOfEnumerated, value_list_of(BACNAPI_TYPE_ListOfEnumerated)),
    row(BACNAPI_TYPE_BACnetSetpointReference, by_hand(walk_BACnetSetpointReference)),
    row(BACNAPI_TYPE_ListOfReal, value_list_of(BACNAPI_TYPE_ListOfReal)),
    row(BACNAPI_TYPE_ListOfBoolean, value_list_of(BACNAPI_TYPE_ListOfBoolean)),
    row(BACNAPI_TYPE_Reserved115, no_walk()),
    row(BACNAPI_TYPE_BACnetEventLogRecord, by_fields(plain_records::kEventLogRecord)),
    row(BACNAPI_TYPE_BACnetLogData, by_choice(choice_records::kLogData)),
    row(BACNAPI_TYPE_BACnetLogMultipleRecord, by_fields(plain_records::kLogMultipleRecord)),
    row(BACNAPI_TYPE_BACnetLogDataElement, by_choice(choice_records::kLogDataElement)),
    row(BACNAPI_TYPE_ListOfBACnetLogDataElement, value_list_of(BACNAPI_TYPE_ListOfBACnetLogDataElement)),
    row(BACNAPI_TYPE_ListOfBACnetEventLogRecord, value_list_of(BACNAPI_TYPE_ListOfBACnetEventLogRecord)),
    row(BACNAPI_TYPE_ListOfBACnetLogMultipleRecord, value_list_of(BACNAPI_TYPE_ListOfBACnetLogMultipleRecord)),
    row(BACNAPI_TYPE_BACnetShedLevel, by_choice(choice_records::kShedLevel)),
    row(BACNAPI_TYPE_BACnetDeviceObjectReference, by_fields(plain_records::kDeviceObjectReference)),
    row(BACNAPI_TYPE_ListOfBACnetDeviceObjectReference, value_list_of(BACNAPI_TYPE_ListOfBACnetDeviceObjectReference)),
    row(BACNAPI_TYPE_EventParameterChangeOfBitstring, by_fields(event_parameters::kChangeOfBitstring)),
    row(BACNAPI_TYPE_EventParameterChangeOfState, by_fields(event_parameters::kChangeOfState)),
    row(BACNAPI_TYPE_EventParameterChangeOfValue, by_fields(event_parameters::kChangeOfValue)),
    row(BACNAPI_TYPE_EventParameterCommandFailure, by_fields(event_parameters::kCommandFailure)),
    row(BACNAPI_TYPE_EventParameterFloatingLimit, by_fields(event_parameters::kFloatingLimit)),
    row(BACNAPI_TYPE_EventParameterOutOfRange, by_fields(event_parameters::kOutOfRange)),
    row(BACNAPI_TYPE_EventParameterBufferReady, by_fields(event_parameters::kBufferReady)),
    row(BACNAPI_TYPE_EventParameterChangeOfLifeSafety, by_fields(event_parameters::kChangeOfLifeSafety)),
    row(BACNAPI_TYPE_EventParameterExtended, by_fields(event_parameters::kExtended)),
    row(BACNAPI_TYPE_EventParameterBufferReady2, by_fields(event_parameters::kBufferReady)),
    row(BACNAPI_TYPE_EventParameterUnsignedRange, by_fields(event_parameters::kUnsignedRange)),
    row(BACNAPI_TYPE_BACnetCOVCriteria, by_choice(event_parameters::kCOVCriteria)),
    row(BACNAPI_TYPE_NotificationChangeOfBitstring, by_fields(notification_parameters::kChangeOfBitstring)),
    row(BACNAPI_TYPE_NotificationChangeOfState, by_fields(notification_parameters::kChangeOfState)),
    row(BACNAPI_TYPE_NotificationChangeOfValue, by_fields(notification_parameters::kChangeOfValue)),
    row(BACNAPI_TYPE_NotificationCommandFailure, by_fields(notification_parameters::kCommandFailure)),
    row(BACNAPI_TYPE_NotificationFloatingLimit, by_fields(notification_parameters::kFloatingLimit)),
    row(BACNAPI_TYPE_NotificationOutOfRange, by_fields(notification_parameters::kOutOfRange)),
    row(BACNAPI_TYPE_NotificationBufferReady, by_fields(notification_parameters::kBufferReady)),
    row(BACNAPI_TYPE_NotificationChangeOfLifeSafety, by_fields(notification_parameters::kChangeOfLifeSafety)),
    row(BACNAPI_TYPE_NotificationExtended, by_fields(notification_parameters::kExtended)),
    row(BACNAPI_TYPE_NotificationBufferReady2, by_fields(notification_parameters::kBufferReady2)),
    row(BACNAPI_TYPE_NotificationUnsignedRange, by_fields(notification_parameters::kUnsignedRange)),
    row(BACNAPI_TYPE_NotificationChangedValue, by_choice(notification_parameters::kChangedValue)),
    row(BACNAPI_TYPE_ReadAccessResultList, by_hand(walk_ReadAccessResultList)),
    row(BACNAPI_TYPE_ReadPropertyMultipleAck, by_fields(service_records::kReadPropertyMultipleAck)),
    row(BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest, by_fields(service_records::kEventNotification)),
    row(BACNAPI_TYPE_BACnetEventLogDatum, by_choice(service_records::kEventLogDatum)),
};

namespace {

// A missing row would leave a zero row at the end, whose type code 0 fails this check too.
constexpr bool descriptors_in_code_order()
{
    for (int32_t i = 0; i < kDescriptorCount; ++i)
        if (bacnapi_type_descriptors[i].type != kFirstDescribedType + i) return false;
    return true;
}
static_assert(descriptors_in_code_order(), "descriptor row i must describe type code 20 + i");

} // namespace

const BACnetTypeDescriptor* find_descriptor(int32_t type)
{
    if (type < kFirstDescribedType || type >= kFirstDescribedType + kDescriptorCount) return nullptr;
    const BACnetTypeDescriptor* d = &bacnapi_type_descriptors[type - kFirstDescribedType];
    return d->walk ? d : nullptr;
}

} // namespace bacnapi
