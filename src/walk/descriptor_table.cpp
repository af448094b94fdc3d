// The walker's descriptors: one per type code 20..153, each saying how the type's fields are
// found, as data. Most come from the type catalogue: a record's row names its field or choice
// table, and a value list's its element type. The rows below are the rest, in type-code order
// (checked below): the records holding values of run-time type, the event and notification
// parameters, the service records, the few hand-written walk functions, and the function some
// types run after each of their fields. A code that neither names has no walk. The record size
// comes from the catalogue.
#include "value/record_size.h"
#include "value/type_catalogue.h"
#include "walk/field_table.h"
#include "walk/params_event.h"
#include "walk/params_notification.h"
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
    row(BACNAPI_TYPE_BACnetWeekNDay, by_hand(walk_BACnetWeekNDay), finish_BACnetWeekNDay),
    row(BACNAPI_TYPE_BACnetTimeValue, by_fields(value_records::kTimeValue)),
    row(BACNAPI_TYPE_BACnetActionCommand, by_fields(value_records::kActionCommand)),
    row(BACNAPI_TYPE_WriteAccessSpecification, by_fields(value_records::kWriteAccessSpecification)),
    row(BACNAPI_TYPE_ReadAccessResult, by_fields(value_records::kReadAccessResult)),
    row(BACNAPI_TYPE_ReadAccessPropertyValue, by_hand(walk_ReadAccessPropertyValue)),
    row(BACNAPI_TYPE_BACnetPriorityValue, by_hand(walk_BACnetPriorityValue)),
    row(BACNAPI_TYPE_BACnetPropertyValue, by_fields(value_records::kPropertyValue)),
    row(BACNAPI_TYPE_BACnetEventParameter, by_choice(event_parameters::kEventParameter)),
    row(BACNAPI_TYPE_BACnetNotificationParameters, by_choice(notification_parameters::kNotificationParameters)),
    row(BACNAPI_TYPE_BACnetObjectPropertyValue, by_fields(value_records::kObjectPropertyValue)),
    row(BACNAPI_TYPE_SequenceOfReadAccessSpecification, by_hand(walk_SequenceOfReadAccessSpecification)),
    row(BACNAPI_TYPE_SequenceOfReadAccessResult, by_hand(walk_SequenceOfReadAccessResult)),
    row(BACNAPI_TYPE_SequenceOfBACnetPropertyReference, by_hand(walk_SequenceOfBACnetPropertyReference)),
    row(BACNAPI_TYPE_BACnetCOVSubscription, by_hand(walk_BACnetCOVSubscription), finish_BACnetCOVSubscription),
    row(BACNAPI_TYPE_BACnetDeviceObjectPropertyValue, by_fields(value_records::kDeviceObjectPropertyValue)),
    row(BACNAPI_TYPE_BACnetSetpointReference, by_hand(walk_BACnetSetpointReference)),
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

// What the catalogue says of a type's walk: the field or choice table its row names, or its value
// list's elements. (The row's kind is tested rather than its pointers: a pointer test is no
// constant expression in sanitizer builds.)
constexpr TypeWalk catalogue_walk(const TypeRow& type)
{
    switch (type.walk) {
    case WalkTable::Fields: return TypeWalk{DescriptorKind::Fields, type.fields, type.fieldCount};
    case WalkTable::Choice: return by_choice(*type.choice);
    case WalkTable::None: break;
    }
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

constexpr std::array<BACnetTypeDescriptor, kDescriptorCount> kDescriptors =
    all_descriptors(std::make_index_sequence<kDescriptorCount>());

// A code with both a catalogue walk and a walk row got an empty row, whose type code 0 fails this.
constexpr bool descriptors_in_code_order()
{
    for (int32_t i = 0; i < kDescriptorCount; ++i)
        if (kDescriptors[i].type != kFirstDescribedType + i) return false;
    return true;
}
static_assert(descriptors_in_code_order(), "a type's walk comes from the catalogue or from its walk row, not both");

} // namespace

const BACnetTypeDescriptor* find_descriptor(int32_t type)
{
    if (type < kFirstDescribedType || type >= kFirstDescribedType + kDescriptorCount) return nullptr;
    const BACnetTypeDescriptor* d = &kDescriptors[type - kFirstDescribedType];
    return d->walk ? d : nullptr;
}

} // namespace bacnapi
