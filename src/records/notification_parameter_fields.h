// BACnetNotificationParameters (52) and its alternatives (138..149). The alternatives have no
// record of their own: each is the member of the notification parameters' record, and
// NotificationChangedValue (149) lives inside the change-of-value alternative, described with
// that alternative's whole record. Several alternatives keep their status flags first in the
// record while the walk order puts them second.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>
#include <cstring>

namespace bacnapi {

namespace notification_parameters {

// ---- 52 BACnetNotificationParameters: alternative 6 is an embedded list of property values.
inline constexpr uint32_t kNotificationChoice = 23;
inline constexpr size_t kParameters = offsetof(BACnetNotificationParameters, parameters);

inline constexpr AlternativeDesc kNotificationAlternatives[] = {
    member_alternative(0, 42, BACNAPI_TYPE_NotificationChangeOfBitstring, kParameters, kNotificationChoice),
    member_alternative(1, 43, BACNAPI_TYPE_NotificationChangeOfState, kParameters, kNotificationChoice),
    member_alternative(2, 46, BACNAPI_TYPE_NotificationChangeOfValue, kParameters, kNotificationChoice),
    member_alternative(3, 48, BACNAPI_TYPE_NotificationCommandFailure, kParameters, kNotificationChoice),
    member_alternative(4, 118, BACNAPI_TYPE_NotificationFloatingLimit, kParameters, kNotificationChoice),
    member_alternative(5, 208, BACNAPI_TYPE_NotificationOutOfRange, kParameters, kNotificationChoice),
    {6, bound_field(87, 6, BACNAPI_TYPE_ListOfBACnetPropertyValue,
                    offsetof(BACnetNotificationParameters, parameters.complexEventType), kNotificationChoice)},
    member_alternative(7, 35, BACNAPI_TYPE_NotificationBufferReady, kParameters, kNotificationChoice),
    member_alternative(8, 133, BACNAPI_TYPE_NotificationChangeOfLifeSafety, kParameters, kNotificationChoice),
    member_alternative(9, 107, BACNAPI_TYPE_NotificationExtended, kParameters, kNotificationChoice),
    member_alternative(10, 36, BACNAPI_TYPE_NotificationBufferReady2, kParameters, kNotificationChoice),
    member_alternative(11, 294, BACNAPI_TYPE_NotificationUnsignedRange, kParameters, kNotificationChoice),
};
inline void release_notification_parameters(void* record)
{
    auto* parameters = static_cast<BACnetNotificationParameters*>(record);
    bacnapi_ClearBACnetNotificationParameters(parameters);
    // That clear leaves the other members as they were; the next alternative starts from zero.
    std::memset(&parameters->parameters, 0, sizeof parameters->parameters);
}
inline constexpr ChoiceDesc kNotificationParameters =
    make_choice_desc(kNotificationChoice, offsetof(BACnetNotificationParameters, choice), kNotificationAlternatives,
                     false, release_notification_parameters);

// ---- 138..148
inline constexpr FieldDesc kChangeOfBitstring[] = {
    member_field(254, 0, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfBitstring, referencedBitstring)),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfBitstring, statusFlags)),
};

inline constexpr FieldDesc kChangeOfState[] = {
    member_field(192, 0, BACNAPI_TYPE_BACnetPropertyStates, offsetof(NotificationChangeOfState, newState)),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfState, statusFlags)),
};

// Field 0 is the new value, an embedded choice that finds its alternative in this record.
inline constexpr FieldDesc kChangeOfValue[] = {
    whole_record_field(193, 0, BACNAPI_TYPE_NotificationChangedValue),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfValue, statusFlags)),
};

// The two values of a command failure may be of any application type; each is written as a
// choice whose alternative number is the value's own type code, so that the text reads back.
inline constexpr uint32_t kCommandValueChoice = 5;
inline constexpr FieldDesc kCommandFailure[] = {
    application_value_field(49, 0, offsetof(NotificationCommandFailure, commandValue), kCommandValueChoice),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationCommandFailure, statusFlags)),
    application_value_field(112, 2, offsetof(NotificationCommandFailure, feedbackValue), kCommandValueChoice),
};

inline constexpr FieldDesc kFloatingLimit[] = {
    member_field(256, 0, BACNAPI_TYPE_Real, offsetof(NotificationFloatingLimit, referenceValue)),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationFloatingLimit, statusFlags)),
    member_field(0, 2, BACNAPI_TYPE_Real, offsetof(NotificationFloatingLimit, setpointValue)),
    member_field(94, 3, BACNAPI_TYPE_Real, offsetof(NotificationFloatingLimit, errorLimit)),
};

inline constexpr FieldDesc kOutOfRange[] = {
    member_field(105, 0, BACNAPI_TYPE_Real, offsetof(NotificationOutOfRange, exceedingValue)),
    member_field(276, 1, BACNAPI_TYPE_BitString, offsetof(NotificationOutOfRange, statusFlags)),
    member_field(71, 2, BACNAPI_TYPE_Real, offsetof(NotificationOutOfRange, deadband)),
    member_field(104, 3, BACNAPI_TYPE_Real, offsetof(NotificationOutOfRange, exceededLimit)),
};

inline constexpr FieldDesc kBufferReady[] = {
    member_field(32, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(NotificationBufferReady, bufferDevice)),
    member_field(33, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(NotificationBufferReady, bufferObject)),
    member_field(219, 2, BACNAPI_TYPE_Unsigned, offsetof(NotificationBufferReady, previousNotification)),
    member_field(62, 3, BACNAPI_TYPE_Unsigned, offsetof(NotificationBufferReady, currentNotification)),
};

inline constexpr FieldDesc kChangeOfLifeSafety[] = {
    member_field(192, 0, BACNAPI_TYPE_Enumerated, offsetof(NotificationChangeOfLifeSafety, newState), 30),
    member_field(191, 1, BACNAPI_TYPE_Enumerated, offsetof(NotificationChangeOfLifeSafety, newMode), 28),
    member_field(276, 2, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfLifeSafety, statusFlags)),
    member_field(206, 3, BACNAPI_TYPE_Enumerated, offsetof(NotificationChangeOfLifeSafety, operationExpected), 29),
};

// The parameters (selector and property value) are not walked: a Null field.
inline constexpr FieldDesc kExtended[] = {
    member_field(306, 0, BACNAPI_TYPE_Unsigned, offsetof(NotificationExtended, vendorId)),
    member_field(108, 1, BACNAPI_TYPE_Unsigned, offsetof(NotificationExtended, extendedEventType)),
    null_field(212, 2),
};

inline constexpr FieldDesc kBufferReady2[] = {
    member_field(34, 0, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference,
                 offsetof(NotificationBufferReady2, bufferProperty)),
    member_field(219, 1, BACNAPI_TYPE_Unsigned, offsetof(NotificationBufferReady2, previousNotification)),
    member_field(62, 2, BACNAPI_TYPE_Unsigned, offsetof(NotificationBufferReady2, currentNotification)),
};

inline constexpr FieldDesc kUnsignedRange[] = {
    member_field(276, 0, BACNAPI_TYPE_BitString, offsetof(NotificationUnsignedRange, statusFlags)),
    member_field(105, 1, BACNAPI_TYPE_Unsigned, offsetof(NotificationUnsignedRange, exceedingValue)),
    member_field(104, 2, BACNAPI_TYPE_Unsigned, offsetof(NotificationUnsignedRange, exceededLimit)),
};

// ---- 149 NotificationChangedValue, inside NotificationChangeOfValue; read only from the source.
inline constexpr uint32_t kChangedValueChoice = 11;
inline constexpr AlternativeDesc kChangedValueAlternatives[] = {
    {0, member_field(40, 0, BACNAPI_TYPE_BitString, offsetof(NotificationChangeOfValue, newValue.value.changedBits),
                     kChangedValueChoice)},
    {1, member_field(41, 1, BACNAPI_TYPE_Real, offsetof(NotificationChangeOfValue, newValue.value.changedValue),
                     kChangedValueChoice)},
};
inline constexpr ChoiceDesc kChangedValue = make_choice_desc(
    kChangedValueChoice, offsetof(NotificationChangeOfValue, newValue.choice), kChangedValueAlternatives, true);

} // namespace notification_parameters

} // namespace bacnapi
