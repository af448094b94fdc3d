// BACnetEventParameter (51) and its alternatives (126..137). The alternatives have no record of
// their own: each is the member of the event parameter's record, and BACnetCOVCriteria (137)
// lives inside the change-of-value alternative, described with that alternative's whole record.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>

namespace bacnapi {

namespace event_parameters {

// ---- 51 BACnetEventParameter: alternative 6 does not exist; 7 and 10 are both buffer-ready.
inline constexpr uint32_t kEventParameterChoice = 23;
inline constexpr size_t kParameters = offsetof(BACnetEventParameter, parameters);

inline constexpr AlternativeDesc kEventParameterAlternatives[] = {
    member_alternative(0, 42, BACNAPI_TYPE_EventParameterChangeOfBitstring, kParameters, kEventParameterChoice),
    member_alternative(1, 43, BACNAPI_TYPE_EventParameterChangeOfState, kParameters, kEventParameterChoice),
    member_alternative(2, 46, BACNAPI_TYPE_EventParameterChangeOfValue, kParameters, kEventParameterChoice),
    member_alternative(3, 48, BACNAPI_TYPE_EventParameterCommandFailure, kParameters, kEventParameterChoice),
    member_alternative(4, 118, BACNAPI_TYPE_EventParameterFloatingLimit, kParameters, kEventParameterChoice),
    member_alternative(5, 208, BACNAPI_TYPE_EventParameterOutOfRange, kParameters, kEventParameterChoice),
    member_alternative(7, 35, BACNAPI_TYPE_EventParameterBufferReady, kParameters, kEventParameterChoice),
    member_alternative(8, 133, BACNAPI_TYPE_EventParameterChangeOfLifeSafety, kParameters, kEventParameterChoice),
    member_alternative(9, 107, BACNAPI_TYPE_EventParameterExtended, kParameters, kEventParameterChoice),
    member_alternative(10, 36, BACNAPI_TYPE_EventParameterBufferReady2, kParameters, kEventParameterChoice),
    member_alternative(11, 294, BACNAPI_TYPE_EventParameterUnsignedRange, kParameters, kEventParameterChoice),
};
// A destination that changes alternative is cleared whole: the alternatives own lists.
inline void release_event_parameter(void* record)
{
    bacnapi_ClearBACnetEventParameter(static_cast<BACnetEventParameter*>(record));
}
inline constexpr ChoiceDesc kEventParameter =
    make_choice_desc(kEventParameterChoice, offsetof(BACnetEventParameter, choice), kEventParameterAlternatives, false,
                     release_event_parameter);

// ---- 126..136
inline constexpr FieldDesc kChangeOfBitstring[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterChangeOfBitstring, timeDelay)),
    member_field(29, 1, BACNAPI_TYPE_BitString, offsetof(EventParameterChangeOfBitstring, bitmask)),
    nested_field(140, 2, BACNAPI_TYPE_ListOfBitString,
                 offsetof(EventParameterChangeOfBitstring, listOfBitstringValues)),
};

inline constexpr FieldDesc kChangeOfState[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterChangeOfState, timeDelay)),
    nested_field(150, 1, BACNAPI_TYPE_ListOfBACnetPropertyStates, offsetof(EventParameterChangeOfState, listOfValues)),
};

// Field 1 is the COV criteria, an embedded choice that finds its alternative in this record.
inline constexpr FieldDesc kChangeOfValue[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterChangeOfValue, timeDelay)),
    whole_record_field(58, 1, BACNAPI_TYPE_BACnetCOVCriteria),
};

inline constexpr FieldDesc kCommandFailure[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterCommandFailure, timeDelay)),
    member_field(111, 1, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference,
                 offsetof(EventParameterCommandFailure, feedbackPropertyReference)),
};

inline constexpr FieldDesc kFloatingLimit[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterFloatingLimit, timeDelay)),
    member_field(268, 1, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference,
                 offsetof(EventParameterFloatingLimit, setpointReference)),
    member_field(162, 2, BACNAPI_TYPE_Real, offsetof(EventParameterFloatingLimit, lowDiffLimit)),
    member_field(121, 3, BACNAPI_TYPE_Real, offsetof(EventParameterFloatingLimit, highDiffLimit)),
    member_field(71, 4, BACNAPI_TYPE_Real, offsetof(EventParameterFloatingLimit, deadband)),
};

inline constexpr FieldDesc kOutOfRange[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterOutOfRange, timeDelay)),
    member_field(163, 1, BACNAPI_TYPE_Real, offsetof(EventParameterOutOfRange, lowLimit)),
    member_field(122, 2, BACNAPI_TYPE_Real, offsetof(EventParameterOutOfRange, highLimit)),
    member_field(71, 3, BACNAPI_TYPE_Real, offsetof(EventParameterOutOfRange, deadband)),
};

// Shared by both buffer-ready alternatives (7 and 10).
inline constexpr FieldDesc kBufferReady[] = {
    member_field(195, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterBufferReady, notificationThreshold)),
    member_field(220, 1, BACNAPI_TYPE_Unsigned, offsetof(EventParameterBufferReady, previousNotificationCount)),
};

inline constexpr FieldDesc kChangeOfLifeSafety[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterChangeOfLifeSafety, timeDelay)),
    nested_field(142, 1, BACNAPI_TYPE_ListOfEnumerated,
                 offsetof(EventParameterChangeOfLifeSafety, listOfLifeSafetyAlarmValues)),
    nested_field(139, 2, BACNAPI_TYPE_ListOfEnumerated, offsetof(EventParameterChangeOfLifeSafety, listOfAlarmValues)),
    member_field(184, 3, BACNAPI_TYPE_BACnetDeviceObjectPropertyReference,
                 offsetof(EventParameterChangeOfLifeSafety, modePropertyReference)),
};

// The parameters of the production are not held: a Null field, so the text carries "null".
inline constexpr FieldDesc kExtended[] = {
    member_field(306, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterExtended, vendorId)),
    member_field(108, 1, BACNAPI_TYPE_Unsigned, offsetof(EventParameterExtended, extendedEventType)),
    null_field(212, 3),
};

inline constexpr FieldDesc kUnsignedRange[] = {
    member_field(282, 0, BACNAPI_TYPE_Unsigned, offsetof(EventParameterUnsignedRange, timeDelay)),
    member_field(163, 1, BACNAPI_TYPE_Unsigned, offsetof(EventParameterUnsignedRange, lowLimit)),
    member_field(122, 2, BACNAPI_TYPE_Unsigned, offsetof(EventParameterUnsignedRange, highLimit)),
};

// ---- 137 BACnetCOVCriteria, inside EventParameterChangeOfValue; read only from the source.
inline constexpr uint32_t kCOVCriteriaChoice = 11;
inline constexpr AlternativeDesc kCOVCriteriaAlternatives[] = {
    {0, member_field(29, 0, BACNAPI_TYPE_BitString, offsetof(EventParameterChangeOfValue, covCriteria.value.bitmask),
                     kCOVCriteriaChoice)},
    {1, member_field(255, 1, BACNAPI_TYPE_Real,
                     offsetof(EventParameterChangeOfValue, covCriteria.value.referencedPropertyIncrement),
                     kCOVCriteriaChoice)},
};
inline constexpr ChoiceDesc kCOVCriteria = make_choice_desc(
    kCOVCriteriaChoice, offsetof(EventParameterChangeOfValue, covCriteria.choice), kCOVCriteriaAlternatives, true);

} // namespace event_parameters

} // namespace bacnapi
