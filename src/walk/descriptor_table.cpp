// The walker's descriptors: one per type code 20..153, each saying how the type's fields are
// found, as data. Most come from the type catalogue: a plain record's row names its field table,
// and a value list's its element type. The rows below are the rest, in type-code order (checked
// below): the field tables of the records that own members, the choice tables, the few
// hand-written walk functions, and the function some types run after each of their fields. A code
// that neither names has no walk. The record size comes from the catalogue.
#include "value/record_size.h"
#include "value/type_catalogue.h"
#include "walk/field_table.h"
#include "walk/params_event.h"
#include "walk/params_notification.h"
#include "walk/records_choices.h"
#include "walk/records_sequences.h"
#include "walk/records_values.h"
#include "walk/service_records.h"
#include "walk/walk_functions.h"

#include <array>
#include <utility>

namespace bacnapi {

namespace {

constexpr BACnetTypeDescriptor row(int32_t type, TypeWalk walk, BACnetFinishFieldFn finishField = nullptr)
{
    return BACnetTypeDescriptor{walk, finishField, record_size_of(type), type};
}

// The alternatives of the event and notification parameters, and the COV criteria and the changed
// value inside them, have no record of their own: their tables' offsets are those of the record
// that holds them. 132 and 135 share one table.
// clang-format off
constexpr BACnetTypeDescriptor kWalkRows[] = {
    row(BACNAPI_TYPE_SignedLong, by_hand(walk_SignedLong)),
    row(BACNAPI_TYPE_BACnetAddress, by_hand(walk_BACnetAddress), finish_BACnetAddress),
    row(BACNAPI_TYPE_BACnetCalendarEntry, by_choice(choice_records::kCalendarEntry)),
    row(BACNAPI_TYPE_BACnetWeekNDay, by_hand(walk_BACnetWeekNDay), finish_BACnetWeekNDay),
    row(BACNAPI_TYPE_BACnetTimeValue, by_fields(value_records::kTimeValue)),
    row(BACNAPI_TYPE_BACnetTimeStamp, by_choice(choice_records::kTimeStamp)),
    row(BACNAPI_TYPE_BACnetActionCommand, by_fields(value_records::kActionCommand)),
    row(BACNAPI_TYPE_BACnetSessionKey, by_fields(sequence_records::kSessionKey)),
    row(BACNAPI_TYPE_BACnetRecipient, by_choice(choice_records::kRecipient)),
    row(BACNAPI_TYPE_BACnetRecipientProcess, by_fields(sequence_records::kRecipientProcess)),
    row(BACNAPI_TYPE_BACnetLogDatum, by_choice(choice_records::kLogDatum)),
    row(BACNAPI_TYPE_BACnetError, by_fields(sequence_records::kError)),
    row(BACNAPI_TYPE_BACnetLogRecord, by_fields(sequence_records::kLogRecord)),
    row(BACNAPI_TYPE_ReadAccessSpecification, by_fields(sequence_records::kReadAccessSpecification)),
    row(BACNAPI_TYPE_WriteAccessSpecification, by_fields(value_records::kWriteAccessSpecification)),
    row(BACNAPI_TYPE_AlarmSummaryAckElement, by_fields(sequence_records::kAlarmSummaryAckElement)),
    row(BACNAPI_TYPE_EnrolmentSummaryAckElement, by_fields(sequence_records::kEnrolmentSummaryAckElement)),
    row(BACNAPI_TYPE_ReadAccessResult, by_fields(value_records::kReadAccessResult)),
    row(BACNAPI_TYPE_ReadAccessPropertyValue, by_hand(walk_ReadAccessPropertyValue)),
    row(BACNAPI_TYPE_BACnetDestination, by_fields(sequence_records::kDestination)),
    row(BACNAPI_TYPE_BACnetDailySchedule, by_fields(sequence_records::kDailySchedule)),
    row(BACNAPI_TYPE_BACnetSpecialEvent, by_fields(sequence_records::kSpecialEvent)),
    row(BACNAPI_TYPE_BACnetPriorityValue, by_hand(walk_BACnetPriorityValue)),
    row(BACNAPI_TYPE_BACnetPropertyValue, by_fields(value_records::kPropertyValue)),
    row(BACNAPI_TYPE_BACnetPropertyStates, by_choice(choice_records::kPropertyStates)),
    row(BACNAPI_TYPE_BACnetEventParameter, by_choice(event_parameters::kEventParameter)),
    row(BACNAPI_TYPE_BACnetNotificationParameters, by_choice(notification_parameters::kNotificationParameters)),
    row(BACNAPI_TYPE_BACnetClientCOV, by_choice(choice_records::kClientCOV)),
    row(BACNAPI_TYPE_BACnetObjectPropertyValue, by_fields(value_records::kObjectPropertyValue)),
    row(BACNAPI_TYPE_BACnetActionList, by_fields(sequence_records::kActionList)),
    row(BACNAPI_TYPE_BACnetSpecialEventPeriod, by_choice(choice_records::kSpecialEventPeriod)),
    row(BACNAPI_TYPE_SequenceOfReadAccessSpecification, by_hand(walk_SequenceOfReadAccessSpecification)),
    row(BACNAPI_TYPE_SequenceOfReadAccessResult, by_hand(walk_SequenceOfReadAccessResult)),
    row(BACNAPI_TYPE_SequenceOfBACnetPropertyReference, by_hand(walk_SequenceOfBACnetPropertyReference)),
    row(BACNAPI_TYPE_BACnetCOVSubscription, by_hand(walk_BACnetCOVSubscription), finish_BACnetCOVSubscription),
    row(BACNAPI_TYPE_BACnetScale, by_choice(choice_records::kScale)),
    row(BACNAPI_TYPE_EventSummaryElement, by_fields(sequence_records::kEventSummaryElement)),
    row(BACNAPI_TYPE_BACnetDeviceObjectPropertyValue, by_fields(value_records::kDeviceObjectPropertyValue)),
    row(BACNAPI_TYPE_BACnetSetpointReference, by_hand(walk_BACnetSetpointReference)),
    row(BACNAPI_TYPE_BACnetEventLogRecord, by_fields(sequence_records::kEventLogRecord)),
    row(BACNAPI_TYPE_BACnetLogData, by_choice(choice_records::kLogData)),
    row(BACNAPI_TYPE_BACnetLogMultipleRecord, by_fields(sequence_records::kLogMultipleRecord)),
    row(BACNAPI_TYPE_BACnetLogDataElement, by_choice(choice_records::kLogDataElement)),
    row(BACNAPI_TYPE_BACnetShedLevel, by_choice(choice_records::kShedLevel)),
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
// clang-format on

constexpr bool rows_in_code_order()
{
    int32_t previous = kFirstDescribedType - 1;
    for (const BACnetTypeDescriptor& r : kWalkRows) {
        if (r.type <= previous || r.type >= kFirstDescribedType + kDescriptorCount) return false;
        previous = r.type;
    }
    return true;
}
static_assert(rows_in_code_order(), "the walk rows must stand in type-code order, each code once");

// What the catalogue says of a type's walk: its plain field table, or its value list's elements.
constexpr TypeWalk catalogue_walk(const TypeRow& type)
{
    // Counts, not pointers, are tested: a pointer test is no constant expression in sanitizer builds.
    if (type.fieldCount != 0) return TypeWalk{DescriptorKind::Fields, type.fields, type.fieldCount};
    if (type.storage == Storage::List && type.list.walkable) return by_value_list(type.list.elementType);
    return no_walk();
}

// A code's descriptor: the catalogue's, or its walk row; never both.
constexpr BACnetTypeDescriptor descriptor_of(int32_t type)
{
    const TypeWalk fromCatalogue = catalogue_walk(kTypeCatalogue[type]);
    for (const BACnetTypeDescriptor& r : kWalkRows)
        if (r.type == type) return fromCatalogue.kind != DescriptorKind::None ? BACnetTypeDescriptor{} : r;
    return row(type, fromCatalogue);
}

template <size_t... I>
constexpr std::array<BACnetTypeDescriptor, sizeof...(I)> all_descriptors(std::index_sequence<I...>)
{
    return {descriptor_of(kFirstDescribedType + static_cast<int32_t>(I))...};
}

} // namespace

constexpr std::array<BACnetTypeDescriptor, kDescriptorCount> kDescriptors =
    all_descriptors(std::make_index_sequence<kDescriptorCount>());

namespace {

// A code with both a catalogue walk and a walk row got an empty row, whose type code 0 fails this.
constexpr bool descriptors_in_code_order()
{
    for (int32_t i = 0; i < kDescriptorCount; ++i)
        if (kDescriptors[i].type != kFirstDescribedType + i) return false;
    return true;
}
static_assert(descriptors_in_code_order(), "a type's walk comes from the catalogue or from its walk row, not both");

} // namespace

} // namespace bacnapi
