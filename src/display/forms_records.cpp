// Display forms of the records printed as their fields: each record as its fields in order, with
// the literal that goes before each field. A record holding a choice of its own (the log records,
// the special event, a read result) keeps that choice's form beside it.
#include "display/form.h"

#include <iterator>

namespace bacnapi::display {

// 21: "{" networkNumber ", " the MAC octets "}".
constexpr Item kAddressItems[] = {
    item(Kind::Word, offsetof(BACnetAddress, networkNumber), "{"),
    custom_item(print_mac_address, 0, ", "),
};
const Form kAddressForm = fields(kAddressItems, "}");

// 22
constexpr Item kDateTimeItems[] = {
    item(Kind::Date, offsetof(BACnetDateTime, date), "{"),
    item(Kind::Time, offsetof(BACnetDateTime, time), ","),
};
const Form kDateTimeForm = fields(kDateTimeItems, "}");

// 24
constexpr Item kDateRangeItems[] = {
    item(Kind::Date, offsetof(BACnetDateRange, startDate), "{"),
    item(Kind::Date, offsetof(BACnetDateRange, endDate), ","),
};
const Form kDateRangeForm = fields(kDateRangeItems, "}");

// 25: three octets, no braces.
constexpr Item kWeekNDayItems[] = {
    item(Kind::Octet, offsetof(BACnetWeekNDay, month)),
    item(Kind::Octet, offsetof(BACnetWeekNDay, weekOfMonth), ","),
    item(Kind::Octet, offsetof(BACnetWeekNDay, dayOfWeek), ","),
};
const Form kWeekNDayForm = fields(kWeekNDayItems, "");

// 26
constexpr Item kTimeValueItems[] = {
    item(Kind::Time, offsetof(BACnetTimeValue, time), "{"),
    item(Kind::Value, offsetof(BACnetTimeValue, value), ","),
};
const Form kTimeValueForm = fields(kTimeValueItems, "}");

// 28: not the record's order; the device identifier prints even when absent.
constexpr Item kActionCommandItems[] = {
    item(Kind::ObjectId, offsetof(BACnetActionCommand, deviceIdentifier), "{"),
    item(Kind::ObjectId, offsetof(BACnetActionCommand, objectIdentifier), ","),
    item(Kind::Word, offsetof(BACnetActionCommand, postDelay), ","),
    item(Kind::Word, offsetof(BACnetActionCommand, priority), ","),
    item(Kind::IndexComma, offsetof(BACnetActionCommand, propertyArrayIndex), ","),
    item(Kind::Word, offsetof(BACnetActionCommand, propertyIdentifier)),
    item(Kind::Value, offsetof(BACnetActionCommand, propertyValue), ","),
    item(Kind::Octet, offsetof(BACnetActionCommand, quitOnFailure), ","),
    item(Kind::Octet, offsetof(BACnetActionCommand, writeSuccessful), ","),
};
const Form kActionCommandForm = fields(kActionCommandItems, "}");

// 32
constexpr Item kAddressBindingItems[] = {
    item(Kind::ObjectId, offsetof(BACnetAddressBinding, deviceObjectIdentifier), "{"),
    nested(kAddressForm, offsetof(BACnetAddressBinding, deviceAddress), ","),
};
const Form kAddressBindingForm = fields(kAddressBindingItems, "}");

// 33: the comma before the index stays when the index is absent.
constexpr Item kObjectPropertyReferenceItems[] = {
    item(Kind::ObjectId, offsetof(BACnetObjectPropertyReference, objectIdentifier), "{"),
    item(Kind::Word, offsetof(BACnetObjectPropertyReference, propertyIdentifier), ","),
    item(Kind::Index, offsetof(BACnetObjectPropertyReference, propertyArrayIndex), ","),
};
const Form kObjectPropertyReferenceForm = fields(kObjectPropertyReferenceItems, "}");

// 36: the device identifier first, always.
constexpr Item kDeviceObjectPropertyReferenceItems[] = {
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectPropertyReference, deviceIdentifier), "{"),
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectPropertyReference, objectIdentifier), ","),
    item(Kind::Word, offsetof(BACnetDeviceObjectPropertyReference, propertyIdentifier), ","),
    item(Kind::Index, offsetof(BACnetDeviceObjectPropertyReference, propertyArrayIndex), ","),
};
const Form kDeviceObjectPropertyReferenceForm = fields(kDeviceObjectPropertyReferenceItems, "}");

// 37: the log datum's alternative number stands in the record, beside the datum.
constexpr Form kLogDatumAlternatives[] = {
    single(Kind::Bits, offsetof(BACnetLogRecord, logDatum.logStatus)),
    single(Kind::Octet, offsetof(BACnetLogRecord, logDatum.booleanValue)),
    single(Kind::Real, offsetof(BACnetLogRecord, logDatum.realValue)),
    single(Kind::Word, offsetof(BACnetLogRecord, logDatum.enumValue)),
    single(Kind::Word, offsetof(BACnetLogRecord, logDatum.unsignedValue)),
    single(Kind::Word, offsetof(BACnetLogRecord, logDatum.signedValue)),
    single(Kind::Bits, offsetof(BACnetLogRecord, logDatum.bitstringValue)),
    nothing(),
    single(Kind::Error, offsetof(BACnetLogRecord, logDatum.failure)),
    single(Kind::Real, offsetof(BACnetLogRecord, logDatum.timeChange)),
    single(Kind::Value, offsetof(BACnetLogRecord, logDatum.anyValue)),
};
constexpr Form kLogDatumForm = choice(offsetof(BACnetLogRecord, logDatumChoice), kLogDatumAlternatives, true);
constexpr Item kLogRecordItems[] = {
    item(Kind::Bits, offsetof(BACnetLogRecord, statusFlags), "{"),
    nested(kDateTimeForm, offsetof(BACnetLogRecord, timestamp), ","),
    nested(kLogDatumForm, 0, ","),
};
const Form kLogRecordForm = fields(kLogRecordItems, "}");

// 38
constexpr Item kReadAccessSpecificationItems[] = {
    item(Kind::ObjectId, offsetof(ReadAccessSpecification, objectIdentifier), "{"),
    custom_item(print_property_reference_run, offsetof(ReadAccessSpecification, listOfPropertyReferences), ","),
};
const Form kReadAccessSpecificationForm = fields(kReadAccessSpecificationItems, "}");

// 39
constexpr Item kWriteAccessSpecificationItems[] = {
    item(Kind::ObjectId, offsetof(WriteAccessSpecification, objectIdentifier), "{"),
    custom_item(print_property_list, offsetof(WriteAccessSpecification, listOfProperties), ","),
};
const Form kWriteAccessSpecificationForm = fields(kWriteAccessSpecificationItems, "}");

// 42
constexpr Item kReadAccessResultItems[] = {
    item(Kind::ObjectId, offsetof(ReadAccessResult, objectIdentifier), "{"),
    custom_item(print_result_run, offsetof(ReadAccessResult, listOfResults), ","),
};
const Form kReadAccessResultForm = fields(kReadAccessResultItems, "}");

// 43
constexpr Form kReadResultAlternatives[] = {
    single(Kind::Value, offsetof(ReadAccessPropertyValue, result.propertyValue)),
    single(Kind::Error, offsetof(ReadAccessPropertyValue, result.propertyAccessError)),
};
constexpr Form kReadResultForm = choice(offsetof(ReadAccessPropertyValue, choice), kReadResultAlternatives, true);
constexpr Item kReadAccessPropertyValueItems[] = {
    item(Kind::Word, offsetof(ReadAccessPropertyValue, propertyIdentifier), "{"),
    item(Kind::CommaIndex, offsetof(ReadAccessPropertyValue, propertyArrayIndex)),
    nested(kReadResultForm, 0, ","),
};
const Form kReadAccessPropertyValueForm = fields(kReadAccessPropertyValueItems, "}");

// 44
constexpr Item kPropertyReferenceItems[] = {
    item(Kind::Word, offsetof(BACnetPropertyReference, propertyIdentifier), "{"),
    item(Kind::CommaIndex, offsetof(BACnetPropertyReference, propertyArrayIndex)),
};
const Form kPropertyReferenceForm = fields(kPropertyReferenceItems, "}");

// 45: transitions first; the eighth item is always 0.
constexpr Item kDestinationItems[] = {
    item(Kind::Bits, offsetof(BACnetDestination, transitions), "{"),
    item(Kind::Bits, offsetof(BACnetDestination, validDays), ","),
    item(Kind::Time, offsetof(BACnetDestination, fromTime), ","),
    item(Kind::Time, offsetof(BACnetDestination, toTime), ","),
    nested(kRecipientForm, offsetof(BACnetDestination, recipient), ","),
    item(Kind::Word, offsetof(BACnetDestination, processIdentifier), ","),
    item(Kind::Octet, offsetof(BACnetDestination, issueConfirmedNotifications), ","),
    literal(",0"),
};
const Form kDestinationForm = fields(kDestinationItems, "}");

// 46
const Form kDailyScheduleForm = single(item(Kind::Value, offsetof(BACnetDailySchedule, daySchedule), "{"), "}");

// 47: no outer braces; the period is labelled, a calendar entry inside it labelled again.
constexpr Form kPeriodAlternatives[] = {
    single(nested(kCalendarEntryForm, offsetof(BACnetSpecialEvent, period.calendarEntry))),
    single(Kind::ObjectId, offsetof(BACnetSpecialEvent, period.calendarReference)),
};
constexpr Form kPeriodForm = choice(offsetof(BACnetSpecialEvent, periodChoice), kPeriodAlternatives, true);
constexpr Item kSpecialEventItems[] = {
    nested(kPeriodForm, 0),
    item(Kind::Word, offsetof(BACnetSpecialEvent, eventPriority), ","),
    item(Kind::Value, offsetof(BACnetSpecialEvent, listOfTimeValues), ","),
};
const Form kSpecialEventForm = fields(kSpecialEventItems, "");

// 49: two commas before the value, the index between them when present.
constexpr Item kPropertyValueItems[] = {
    item(Kind::Word, offsetof(BACnetPropertyValue, propertyIdentifier), "{"),
    item(Kind::IndexComma, offsetof(BACnetPropertyValue, propertyArrayIndex), ","),
    item(Kind::Value, offsetof(BACnetPropertyValue, value), ","),
    item(Kind::Word, offsetof(BACnetPropertyValue, priority), ","),
};
const Form kPropertyValueForm = fields(kPropertyValueItems, "}");

// 53: the relation specifier is the record's third word.
constexpr Item kSelectionCriteriaItems[] = {
    item(Kind::Word, offsetof(BACnetSelectionCriteria, propertyIdentifier), "{"),
    item(Kind::IndexComma, offsetof(BACnetSelectionCriteria, propertyArrayIndex), ","),
    item(Kind::Word, offsetof(BACnetSelectionCriteria, relationSpecifier)),
    item(Kind::Value, offsetof(BACnetSelectionCriteria, comparisonValue), ","),
};
const Form kSelectionCriteriaForm = fields(kSelectionCriteriaItems, "}");

// 55: the record holds no error words after the priority, so it always prints its value form
// (the array index is not shown).
constexpr Item kObjectPropertyValueItems[] = {
    item(Kind::ObjectId, offsetof(BACnetObjectPropertyValue, objectIdentifier), "{"),
    item(Kind::Word, offsetof(BACnetObjectPropertyValue, propertyIdentifier), ","),
    item(Kind::Value, offsetof(BACnetObjectPropertyValue, value), ","),
    item(Kind::Word, offsetof(BACnetObjectPropertyValue, priority), ","),
};
const Form kObjectPropertyValueForm = fields(kObjectPropertyValueItems, "}");

// 56
const Form kNestedValueForm = single(Kind::Value, offsetof(BACnetNestedValue, value));

// 59
const Form kActionListForm = single(item(Kind::Value, offsetof(BACnetActionList, action), "{"), "}");

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

// 118
constexpr Item kLogMultipleRecordItems[] = {
    nested(kDateTimeForm, offsetof(BACnetLogMultipleRecord, timestamp), "{"),
    nested(kLogDataForm, offsetof(BACnetLogMultipleRecord, logData), ","),
};
const Form kLogMultipleRecordForm = fields(kLogMultipleRecordItems, "}");

// 124
constexpr Item kDeviceObjectReferenceItems[] = {
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectReference, deviceIdentifier), "{"),
    item(Kind::ObjectId, offsetof(BACnetDeviceObjectReference, objectIdentifier), ","),
};
const Form kDeviceObjectReferenceForm = fields(kDeviceObjectReferenceItems, "}");

constexpr TypeForm kRows[] = {
    {21, &kAddressForm},
    {22, &kDateTimeForm},
    {24, &kDateRangeForm},
    {25, &kWeekNDayForm},
    {26, &kTimeValueForm},
    {28, &kActionCommandForm},
    {32, &kAddressBindingForm},
    {33, &kObjectPropertyReferenceForm},
    {36, &kDeviceObjectPropertyReferenceForm},
    {37, &kLogRecordForm},
    {38, &kReadAccessSpecificationForm},
    {39, &kWriteAccessSpecificationForm},
    {42, &kReadAccessResultForm},
    {43, &kReadAccessPropertyValueForm},
    {44, &kPropertyReferenceForm},
    {45, &kDestinationForm},
    {46, &kDailyScheduleForm},
    {47, &kSpecialEventForm},
    {49, &kPropertyValueForm},
    {53, &kSelectionCriteriaForm},
    {55, &kObjectPropertyValueForm},
    {56, &kNestedValueForm},
    {59, &kActionListForm},
    {97, &kConstructedForm},
    {101, &kCovSubscriptionForm},
    {103, &kPrescaleForm},
    {104, &kAccumulatorRecordForm},
    {105, &kEventSummaryForm},
    {110, &kDeviceObjectPropertyValueForm},
    {112, &kSetpointReferenceForm},
    {116, &kEventLogRecordForm},
    {118, &kLogMultipleRecordForm},
    {124, &kDeviceObjectReferenceForm},
};
const TypeFormTable kRecordTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
