// Display forms of the event parameters (51), the notification parameters (52) and the event
// notification that an event-log record carries. Each alternative is its items after the label;
// the three floating-limit parameters and several notification fields print in an order other
// than the record's.
#include "display/form.h"

#include <iterator>

namespace bacnapi::display {

namespace {

using EP = BACnetEventParameter;
using NP = BACnetNotificationParameters;

// ---- BACnetEventParameter ----

constexpr Item kChangeOfBitstring[] = {
    item(Kind::Value, offsetof(EP, parameters.changeOfBitstring.listOfBitstringValues)),
    item(Kind::Bits, offsetof(EP, parameters.changeOfBitstring.bitmask), ","),
    item(Kind::Word, offsetof(EP, parameters.changeOfBitstring.timeDelay), ","),
};
constexpr Item kChangeOfState[] = {
    item(Kind::Value, offsetof(EP, parameters.changeOfState.listOfValues)),
    item(Kind::Word, offsetof(EP, parameters.changeOfState.timeDelay), ","),
};
constexpr Form kCovCriteriaAlternatives[] = {
    single(Kind::Bits, offsetof(BACnetCOVCriteria, value.bitmask)),
    single(Kind::Real, offsetof(BACnetCOVCriteria, value.referencedPropertyIncrement)),
};
constexpr Form kCovCriteriaForm = choice(offsetof(BACnetCOVCriteria, choice), kCovCriteriaAlternatives, true);
constexpr Item kChangeOfValue[] = {
    nested(kCovCriteriaForm, offsetof(EP, parameters.changeOfValue.covCriteria)),
    item(Kind::Word, offsetof(EP, parameters.changeOfValue.timeDelay), ","),
};
constexpr Item kCommandFailure[] = {
    nested(kDeviceObjectPropertyReferenceForm, offsetof(EP, parameters.commandFailure.feedbackPropertyReference)),
    item(Kind::Word, offsetof(EP, parameters.commandFailure.timeDelay), ","),
};
constexpr Item kFloatingLimit[] = {
    nested(kDeviceObjectPropertyReferenceForm, offsetof(EP, parameters.floatingLimit.setpointReference)),
    item(Kind::Real, offsetof(EP, parameters.floatingLimit.deadband), ","),
    item(Kind::Real, offsetof(EP, parameters.floatingLimit.highDiffLimit), ","),
    item(Kind::Real, offsetof(EP, parameters.floatingLimit.lowDiffLimit), ","),
    item(Kind::Word, offsetof(EP, parameters.floatingLimit.timeDelay), ","),
};
constexpr Item kOutOfRange[] = {
    item(Kind::Real, offsetof(EP, parameters.outOfRange.deadband)),
    item(Kind::Real, offsetof(EP, parameters.outOfRange.highLimit), ","),
    item(Kind::Real, offsetof(EP, parameters.outOfRange.lowLimit), ","),
    item(Kind::Word, offsetof(EP, parameters.outOfRange.timeDelay), ","),
};
constexpr Item kBufferReady[] = {
    item(Kind::Word, offsetof(EP, parameters.bufferReady.notificationThreshold)),
    item(Kind::Word, offsetof(EP, parameters.bufferReady.previousNotificationCount), ","),
};
constexpr Item kChangeOfLifeSafety[] = {
    item(Kind::Word, offsetof(EP, parameters.changeOfLifeSafety.timeDelay)),
    item(Kind::Value, offsetof(EP, parameters.changeOfLifeSafety.listOfLifeSafetyAlarmValues), ","),
    item(Kind::Value, offsetof(EP, parameters.changeOfLifeSafety.listOfAlarmValues), ","),
    nested(kDeviceObjectPropertyReferenceForm, offsetof(EP, parameters.changeOfLifeSafety.modePropertyReference),
           ","),
};
constexpr Item kExtended[] = {
    item(Kind::Word, offsetof(EP, parameters.extended.vendorId)),
    item(Kind::Word, offsetof(EP, parameters.extended.extendedEventType), ","),
};
constexpr Item kBufferReady2[] = {
    item(Kind::Word, offsetof(EP, parameters.bufferReady2.notificationThreshold)),
    item(Kind::Word, offsetof(EP, parameters.bufferReady2.previousNotificationCount), ","),
};
constexpr Item kUnsignedRange[] = {
    item(Kind::Word, offsetof(EP, parameters.unsignedRange.highLimit)),
    item(Kind::Word, offsetof(EP, parameters.unsignedRange.lowLimit), ","),
    item(Kind::Word, offsetof(EP, parameters.unsignedRange.timeDelay), ","),
};
constexpr Form kEventParameterAlternatives[] = {
    fields(kChangeOfBitstring, ""), fields(kChangeOfState, ""), fields(kChangeOfValue, ""),
    fields(kCommandFailure, ""),    fields(kFloatingLimit, ""), fields(kOutOfRange, ""),
    nothing(),                      fields(kBufferReady, ""),   fields(kChangeOfLifeSafety, ""),
    fields(kExtended, ""),          fields(kBufferReady2, ""),  fields(kUnsignedRange, ""),
};

// ---- BACnetNotificationParameters ----

constexpr Item kNoteChangeOfBitstring[] = {
    item(Kind::Bits, offsetof(NP, parameters.changeOfBitstring.referencedBitstring)),
    item(Kind::Bits, offsetof(NP, parameters.changeOfBitstring.statusFlags), ","),
};
constexpr Item kNoteChangeOfState[] = {
    nested(kPropertyStatesForm, offsetof(NP, parameters.changeOfState.newState)),
    item(Kind::Bits, offsetof(NP, parameters.changeOfState.statusFlags), ","),
};
constexpr Form kChangedValueAlternatives[] = {
    single(Kind::Bits, offsetof(NotificationChangedValue, value.changedBits)),
    single(Kind::Real, offsetof(NotificationChangedValue, value.changedValue)),
};
constexpr Form kChangedValueForm = choice(offsetof(NotificationChangedValue, choice), kChangedValueAlternatives, true);
constexpr Item kNoteChangeOfValue[] = {
    item(Kind::Word, offsetof(NP, parameters.changeOfValue.newValue.choice)),
    nested(kChangedValueForm, offsetof(NP, parameters.changeOfValue.newValue), ","),
    item(Kind::Bits, offsetof(NP, parameters.changeOfValue.statusFlags), ","),
};
constexpr Item kNoteCommandFailure[] = {
    item(Kind::Value, offsetof(NP, parameters.commandFailure.commandValue)),
    item(Kind::Value, offsetof(NP, parameters.commandFailure.feedbackValue), ","),
    item(Kind::Bits, offsetof(NP, parameters.commandFailure.statusFlags), ","),
};
constexpr Item kNoteFloatingLimit[] = {
    item(Kind::Real, offsetof(NP, parameters.floatingLimit.errorLimit)),
    item(Kind::Real, offsetof(NP, parameters.floatingLimit.referenceValue), ","),
    item(Kind::Real, offsetof(NP, parameters.floatingLimit.setpointValue), ","),
    item(Kind::Bits, offsetof(NP, parameters.floatingLimit.statusFlags), ","),
};
constexpr Item kNoteOutOfRange[] = {
    item(Kind::Real, offsetof(NP, parameters.outOfRange.deadband)),
    item(Kind::Real, offsetof(NP, parameters.outOfRange.exceededLimit), ","),
    item(Kind::Real, offsetof(NP, parameters.outOfRange.exceedingValue), ","),
    item(Kind::Bits, offsetof(NP, parameters.outOfRange.statusFlags), ","),
};
constexpr Item kNoteBufferReady[] = {
    item(Kind::ObjectId, offsetof(NP, parameters.bufferReady.bufferDevice)),
    item(Kind::ObjectId, offsetof(NP, parameters.bufferReady.bufferObject), ","),
    item(Kind::Word, offsetof(NP, parameters.bufferReady.currentNotification), ","),
    item(Kind::Word, offsetof(NP, parameters.bufferReady.previousNotification), ","),
};
constexpr Item kNoteChangeOfLifeSafety[] = {
    item(Kind::Word, offsetof(NP, parameters.changeOfLifeSafety.newState)),
    item(Kind::Word, offsetof(NP, parameters.changeOfLifeSafety.newMode), ","),
    item(Kind::Bits, offsetof(NP, parameters.changeOfLifeSafety.statusFlags), ","),
    item(Kind::Word, offsetof(NP, parameters.changeOfLifeSafety.operationExpected), ","),
};
constexpr Item kNoteExtended[] = {
    item(Kind::Word, offsetof(NP, parameters.extended.vendorId)),
    item(Kind::Word, offsetof(NP, parameters.extended.extendedEventType), ","),
};
constexpr Item kNoteBufferReady2[] = {
    nested(kDeviceObjectPropertyReferenceForm, offsetof(NP, parameters.bufferReady2.bufferProperty)),
    item(Kind::Word, offsetof(NP, parameters.bufferReady2.currentNotification), ","),
    item(Kind::Word, offsetof(NP, parameters.bufferReady2.previousNotification), ","),
};
constexpr Item kNoteUnsignedRange[] = {
    item(Kind::Word, offsetof(NP, parameters.unsignedRange.exceededLimit)),
    item(Kind::Word, offsetof(NP, parameters.unsignedRange.exceedingValue), ","),
    item(Kind::Bits, offsetof(NP, parameters.unsignedRange.statusFlags), ","),
};
constexpr Form kNotificationAlternatives[] = {
    fields(kNoteChangeOfBitstring, ""),
    fields(kNoteChangeOfState, ""),
    fields(kNoteChangeOfValue, ""),
    fields(kNoteCommandFailure, ""),
    fields(kNoteFloatingLimit, ""),
    fields(kNoteOutOfRange, ""),
    single(Kind::Value, offsetof(NP, parameters.complexEventType)),
    fields(kNoteBufferReady, ""),
    fields(kNoteChangeOfLifeSafety, ""),
    fields(kNoteExtended, ""),
    fields(kNoteBufferReady2, ""),
    fields(kNoteUnsignedRange, ""),
};
constexpr Form kNotificationChoice = choice(offsetof(NP, choice), kNotificationAlternatives, true);
// The event type before the labelled alternative is the alternative number itself.
constexpr Item kNotificationItems[] = {
    item(Kind::Word, offsetof(NP, choice), "{"),
    nested(kNotificationChoice, 0, ","),
};

// ---- The event notification inside an event-log record ----

using EN = BACnetServiceConfirmedEventNotificationRequest;
constexpr Item kEventNotificationItems[] = {
    item(Kind::Word, offsetof(EN, processIdentifier), "{"),
    item(Kind::ObjectId, offsetof(EN, initiatingDeviceIdentifier), ","),
    item(Kind::ObjectId, offsetof(EN, eventObjectIdentifier), ","),
    nested(kTimeStampForm, offsetof(EN, timestamp), ","),
    item(Kind::Word, offsetof(EN, notificationClass), ","),
    item(Kind::Word, offsetof(EN, priority), ","),
    item(Kind::Word, offsetof(EN, eventType), ","),
    item(Kind::Characters, offsetof(EN, messageText), ","),
    item(Kind::Word, offsetof(EN, notifyType), ","),
    item(Kind::YesNo, offsetof(EN, ackRequired), ","),
    item(Kind::Word, offsetof(EN, fromState), ","),
    item(Kind::Word, offsetof(EN, toState), ","),
    nested(kNotificationParametersForm, offsetof(EN, eventValues), ","),
};

} // namespace

const Form kEventParameterForm = choice(offsetof(EP, choice), kEventParameterAlternatives, true);
const Form kNotificationParametersForm = fields(kNotificationItems, "}");
const Form kEventNotificationForm = fields(kEventNotificationItems, "}");

namespace {

constexpr TypeForm kRows[] = {
    {51, &kEventParameterForm},
    {52, &kNotificationParametersForm},
};

} // namespace

const TypeFormTable kParameterTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
