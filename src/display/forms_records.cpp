// Display forms of the productions 21..59: each record as its fields in order, with the literal
// that goes before each field, and each choice as the forms of its alternatives.
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

// 23
constexpr Form kCalendarEntryAlternatives[] = {
    single(Kind::Date, offsetof(BACnetCalendarEntry, date)),
    single(nested(kDateRangeForm, offsetof(BACnetCalendarEntry, dateRange))),
    single(nested(kWeekNDayForm, offsetof(BACnetCalendarEntry, weekNDay))),
};
const Form kCalendarEntryForm = choice(offsetof(BACnetCalendarEntry, choice), kCalendarEntryAlternatives, true);

// 26
constexpr Item kTimeValueItems[] = {
    item(Kind::Time, offsetof(BACnetTimeValue, time), "{"),
    item(Kind::Value, offsetof(BACnetTimeValue, value), ","),
};
const Form kTimeValueForm = fields(kTimeValueItems, "}");

// 27
constexpr Form kTimeStampAlternatives[] = {
    single(Kind::Time, offsetof(BACnetTimeStamp, value.time)),
    single(Kind::Word, offsetof(BACnetTimeStamp, value.sequenceNumber)),
    single(nested(kDateTimeForm, offsetof(BACnetTimeStamp, value.dateTime))),
};
const Form kTimeStampForm = choice(offsetof(BACnetTimeStamp, choice), kTimeStampAlternatives, true);

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

// 30: choice -1 (no recipient) has no form.
constexpr Form kRecipientAlternatives[] = {
    single(Kind::ObjectId, offsetof(BACnetRecipient, value.device)),
    single(nested(kAddressForm, offsetof(BACnetRecipient, value.address))),
};
const Form kRecipientForm = choice(offsetof(BACnetRecipient, choice), kRecipientAlternatives, true);

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

// 48: the alternative alone.
constexpr Form kPriorityValueAlternatives[] = {
    single(literal("null")),
    single(Kind::Real, offsetof(BACnetPriorityValue, value.real)),
    single(Kind::Word, offsetof(BACnetPriorityValue, value.enumerated)),
    single(Kind::Word, offsetof(BACnetPriorityValue, value.unsignedValue)),
    single(Kind::Word, offsetof(BACnetPriorityValue, value.enumerated)),
    single(Kind::Value, offsetof(BACnetPriorityValue, value.constructedValue)),
};
const Form kPriorityValueForm = choice(offsetof(BACnetPriorityValue, kind), kPriorityValueAlternatives, false);

// 49: two commas before the value, the index between them when present.
constexpr Item kPropertyValueItems[] = {
    item(Kind::Word, offsetof(BACnetPropertyValue, propertyIdentifier), "{"),
    item(Kind::IndexComma, offsetof(BACnetPropertyValue, propertyArrayIndex), ","),
    item(Kind::Value, offsetof(BACnetPropertyValue, value), ","),
    item(Kind::Word, offsetof(BACnetPropertyValue, priority), ","),
};
const Form kPropertyValueForm = fields(kPropertyValueItems, "}");

// 50: alternative 0 is a Boolean octet, 1..15 are 32-bit words.
constexpr Form kPropertyStateWord = single(Kind::Word, offsetof(BACnetPropertyStates, value.enumerated));
constexpr Form kPropertyStatesAlternatives[] = {
    single(Kind::Octet, offsetof(BACnetPropertyStates, value.booleanValue)),
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
};
const Form kPropertyStatesForm = choice(offsetof(BACnetPropertyStates, choice), kPropertyStatesAlternatives, true);

// 53: the relation specifier is the record's third word.
constexpr Item kSelectionCriteriaItems[] = {
    item(Kind::Word, offsetof(BACnetSelectionCriteria, propertyIdentifier), "{"),
    item(Kind::IndexComma, offsetof(BACnetSelectionCriteria, propertyArrayIndex), ","),
    item(Kind::Word, offsetof(BACnetSelectionCriteria, relationSpecifier)),
    item(Kind::Value, offsetof(BACnetSelectionCriteria, comparisonValue), ","),
};
const Form kSelectionCriteriaForm = fields(kSelectionCriteriaItems, "}");

// 54
constexpr Form kClientCovAlternatives[] = {
    single(Kind::Real, offsetof(BACnetClientCOV, value.realIncrement)),
    single(Kind::Word, offsetof(BACnetClientCOV, value.defaultIncrement)),
};
const Form kClientCovForm = choice(offsetof(BACnetClientCOV, choice), kClientCovAlternatives, true);

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

constexpr TypeForm kRows[] = {
    {21, &kAddressForm},
    {22, &kDateTimeForm},
    {23, &kCalendarEntryForm},
    {24, &kDateRangeForm},
    {25, &kWeekNDayForm},
    {26, &kTimeValueForm},
    {27, &kTimeStampForm},
    {28, &kActionCommandForm},
    {30, &kRecipientForm},
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
    {48, &kPriorityValueForm},
    {49, &kPropertyValueForm},
    {50, &kPropertyStatesForm},
    {51, &kEventParameterForm},
    {52, &kNotificationParametersForm},
    {53, &kSelectionCriteriaForm},
    {54, &kClientCovForm},
    {55, &kObjectPropertyValueForm},
    {56, &kNestedValueForm},
    {59, &kActionListForm},
};
const TypeFormTable kRecordTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
