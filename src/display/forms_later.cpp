// Display forms of the later productions (97..125): subscriptions, accumulators, event
// summaries, the log records and the shed level.
#include "display/form.h"

#include <iterator>

namespace bacnapi::display {

namespace {

// 97
constexpr Item kConstructedItems[] = {
    item(Kind::Word, offsetof(BACnetConstructed, leadingField), "<TAG>"),
    item(Kind::Value, offsetof(BACnetConstructed, value), "</TAG><DATA>"),
};
const Form kConstructedForm = fields(kConstructedItems, "</DATA>");

// 101: the recipient in its process form, with the presence octet first.
constexpr Item kRecipientProcessItems[] = {
    item(Kind::Octet, offsetof(BACnetRecipientProcess, present), "{"),
    nested(kRecipientForm, offsetof(BACnetRecipientProcess, recipient), ","),
    item(Kind::Word, offsetof(BACnetRecipientProcess, processIdentifier), ","),
};
constexpr Form kRecipientProcessForm = fields(kRecipientProcessItems, "}");
constexpr Item kCovSubscriptionItems[] = {
    nested(kRecipientProcessForm, offsetof(BACnetCOVSubscription, recipient), "{"),
    nested(kObjectPropertyReferenceForm, offsetof(BACnetCOVSubscription, monitoredPropertyReference), ","),
    item(Kind::Octet, offsetof(BACnetCOVSubscription, issueConfirmedNotifications), ","),
    item(Kind::Word, offsetof(BACnetCOVSubscription, timeRemaining), ","),
    item(Kind::Real, offsetof(BACnetCOVSubscription, covIncrement), ","),
};
const Form kCovSubscriptionForm = fields(kCovSubscriptionItems, "}");

// 102
constexpr Form kScaleAlternatives[] = {
    single(Kind::Real, offsetof(BACnetScale, value.floatScale)),
    single(Kind::Word, offsetof(BACnetScale, value.integerScale)),
};
const Form kScaleForm = choice(offsetof(BACnetScale, choice), kScaleAlternatives, true);

// 103
constexpr Item kPrescaleItems[] = {
    item(Kind::Word, offsetof(BACnetPrescale, multiplier), "{"),
    item(Kind::Word, offsetof(BACnetPrescale, moduloDivide), ","),
};
const Form kPrescaleForm = fields(kPrescaleItems, "}");

// 104
constexpr Item kAccumulatorRecordItems[] = {
    nested(kDateTimeForm, offsetof(BACnetAccumulatorRecord, timestamp), "{"),
    item(Kind::Word, offsetof(BACnetAccumulatorRecord, presentValue), ","),
    item(Kind::Word, offsetof(BACnetAccumulatorRecord, accumulatedValue), ","),
    item(Kind::Word, offsetof(BACnetAccumulatorRecord, accumulatorStatus), ","),
};
const Form kAccumulatorRecordForm = fields(kAccumulatorRecordItems, "}");

// 105
constexpr Item kEventSummaryItems[] = {
    item(Kind::ObjectId, offsetof(EventSummaryElement, objectIdentifier), "{"),
    item(Kind::Word, offsetof(EventSummaryElement, eventState), ","),
    item(Kind::Bits, offsetof(EventSummaryElement, acknowledgedTransitions), ","),
    item(Kind::Value, offsetof(EventSummaryElement, eventTimeStamps), ","),
    item(Kind::Word, offsetof(EventSummaryElement, notifyType), ","),
    item(Kind::Bits, offsetof(EventSummaryElement, eventEnable), ","),
    item(Kind::Value, offsetof(EventSummaryElement, eventPriorities), ","),
};
const Form kEventSummaryForm = fields(kEventSummaryItems, "}");

// 110: the array index is not shown.
constexpr Item kDeviceObjectPropertyValueItems[] = {
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectPropertyValue, deviceIdentifier), "{"),
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectPropertyValue, objectIdentifier), ","),
    item(Kind::Word, offsetof(BACnetDeviceObjectPropertyValue, propertyIdentifier), ","),
    item(Kind::Value, offsetof(BACnetDeviceObjectPropertyValue, value), ","),
};
const Form kDeviceObjectPropertyValueForm = fields(kDeviceObjectPropertyValueItems, "}");

// 112
const Form kSetpointReferenceForm = custom(print_setpoint_reference);

// 116
constexpr Form kEventLogDatumAlternatives[] = {
    single(Kind::Bits, offsetof(BACnetEventLogRecord, logDatum.logStatus)),
    single(nested(kEventNotificationForm, offsetof(BACnetEventLogRecord, logDatum.notification))),
    single(Kind::Real, offsetof(BACnetEventLogRecord, logDatum.timeChange)),
};
constexpr Form kEventLogDatumForm =
    choice(offsetof(BACnetEventLogRecord, logDatumChoice), kEventLogDatumAlternatives, true);
constexpr Item kEventLogRecordItems[] = {
    nested(kDateTimeForm, offsetof(BACnetEventLogRecord, timestamp), "{"),
    nested(kEventLogDatumForm, 0, ","),
};
const Form kEventLogRecordForm = fields(kEventLogRecordItems, "}");

// 117: the alternative alone.
constexpr Form kLogDataAlternatives[] = {
    single(Kind::Bits, offsetof(BACnetLogData, value.logStatus)),
    single(custom_item(print_log_data, offsetof(BACnetLogData, value.logData))),
    single(Kind::Real, offsetof(BACnetLogData, value.timeChange)),
};
const Form kLogDataForm = choice(offsetof(BACnetLogData, choice), kLogDataAlternatives, false);

// 118
constexpr Item kLogMultipleRecordItems[] = {
    nested(kDateTimeForm, offsetof(BACnetLogMultipleRecord, timestamp), "{"),
    nested(kLogDataForm, offsetof(BACnetLogMultipleRecord, logData), ","),
};
const Form kLogMultipleRecordForm = fields(kLogMultipleRecordItems, "}");

// 119
constexpr Form kLogDataElementAlternatives[] = {
    single(Kind::Octet, offsetof(BACnetLogDataElement, value.booleanValue)),
    single(Kind::Real, offsetof(BACnetLogDataElement, value.realValue)),
    single(Kind::Word, offsetof(BACnetLogDataElement, value.enumValue)),
    single(Kind::Word, offsetof(BACnetLogDataElement, value.unsignedValue)),
    single(Kind::Word, offsetof(BACnetLogDataElement, value.signedValue)),
    single(Kind::Bits, offsetof(BACnetLogDataElement, value.bitstringValue)),
    nothing(),
    single(Kind::Error, offsetof(BACnetLogDataElement, value.failure)),
    single(Kind::Value, offsetof(BACnetLogDataElement, value.anyValue)),
};
const Form kLogDataElementForm = choice(offsetof(BACnetLogDataElement, choice), kLogDataElementAlternatives, true);

// 123: the alternative alone.
constexpr Form kShedLevelAlternatives[] = {
    single(Kind::Word, offsetof(BACnetShedLevel, value.percent)),
    single(Kind::Word, offsetof(BACnetShedLevel, value.level)),
    single(Kind::Real, offsetof(BACnetShedLevel, value.amount)),
};
const Form kShedLevelForm = choice(offsetof(BACnetShedLevel, choice), kShedLevelAlternatives, false);

// 124
constexpr Item kDeviceObjectReferenceItems[] = {
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectReference, deviceIdentifier), "{"),
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectReference, objectIdentifier), ","),
};
const Form kDeviceObjectReferenceForm = fields(kDeviceObjectReferenceItems, "}");

// 89, 90: runs of records one after another.
const Form kSpecificationSequenceForm = custom(print_specification_sequence);
const Form kResultSequenceForm = custom(print_result_sequence);

constexpr TypeForm kRows[] = {
    {89, &kSpecificationSequenceForm},
    {90, &kResultSequenceForm},
    {97, &kConstructedForm},
    {101, &kCovSubscriptionForm},
    {102, &kScaleForm},
    {103, &kPrescaleForm},
    {104, &kAccumulatorRecordForm},
    {105, &kEventSummaryForm},
    {110, &kDeviceObjectPropertyValueForm},
    {112, &kSetpointReferenceForm},
    {116, &kEventLogRecordForm},
    {117, &kLogDataForm},
    {118, &kLogMultipleRecordForm},
    {119, &kLogDataElementForm},
    {123, &kShedLevelForm},
    {124, &kDeviceObjectReferenceForm},
};

} // namespace

const TypeFormTable kLaterTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
