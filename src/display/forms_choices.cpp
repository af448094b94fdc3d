// Display forms of the choice records: each as the forms of its alternatives, printed after the
// alternative number as a label, or (where said) the alternative alone.
#include "display/form.h"

#include <iterator>

namespace bacnapi::display {

// 23
constexpr Form kCalendarEntryAlternatives[] = {
    single(Kind::Date, offsetof(BACnetCalendarEntry, date)),
    single(nested(kDateRangeForm, offsetof(BACnetCalendarEntry, dateRange))),
    single(nested(kWeekNDayForm, offsetof(BACnetCalendarEntry, weekNDay))),
};
const Form kCalendarEntryForm = choice(offsetof(BACnetCalendarEntry, choice), kCalendarEntryAlternatives, true);

// 27
constexpr Form kTimeStampAlternatives[] = {
    single(Kind::Time, offsetof(BACnetTimeStamp, value.time)),
    single(Kind::Word, offsetof(BACnetTimeStamp, value.sequenceNumber)),
    single(nested(kDateTimeForm, offsetof(BACnetTimeStamp, value.dateTime))),
};
const Form kTimeStampForm = choice(offsetof(BACnetTimeStamp, choice), kTimeStampAlternatives, true);

// 30: choice -1 (no recipient) has no form.
constexpr Form kRecipientAlternatives[] = {
    single(Kind::ObjectId, offsetof(BACnetRecipient, value.device)),
    single(nested(kAddressForm, offsetof(BACnetRecipient, value.address))),
};
const Form kRecipientForm = choice(offsetof(BACnetRecipient, choice), kRecipientAlternatives, true);

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

// 50: alternative 0 is a Boolean octet, 1..15 are 32-bit words.
constexpr Form kPropertyStateWord = single(Kind::Word, offsetof(BACnetPropertyStates, value.enumerated));
constexpr Form kPropertyStatesAlternatives[] = {
    single(Kind::Octet, offsetof(BACnetPropertyStates, value.booleanValue)),
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
    kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord, kPropertyStateWord,
};
const Form kPropertyStatesForm = choice(offsetof(BACnetPropertyStates, choice), kPropertyStatesAlternatives, true);

// 54
constexpr Form kClientCovAlternatives[] = {
    single(Kind::Real, offsetof(BACnetClientCOV, value.realIncrement)),
    single(Kind::Word, offsetof(BACnetClientCOV, value.defaultIncrement)),
};
const Form kClientCovForm = choice(offsetof(BACnetClientCOV, choice), kClientCovAlternatives, true);

// 102
constexpr Form kScaleAlternatives[] = {
    single(Kind::Real, offsetof(BACnetScale, value.floatScale)),
    single(Kind::Word, offsetof(BACnetScale, value.integerScale)),
};
const Form kScaleForm = choice(offsetof(BACnetScale, choice), kScaleAlternatives, true);

// 117: the alternative alone.
constexpr Form kLogDataAlternatives[] = {
    single(Kind::Bits, offsetof(BACnetLogData, value.logStatus)),
    single(custom_item(print_log_data, offsetof(BACnetLogData, value.logData))),
    single(Kind::Real, offsetof(BACnetLogData, value.timeChange)),
};
const Form kLogDataForm = choice(offsetof(BACnetLogData, choice), kLogDataAlternatives, false);

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

namespace {

constexpr TypeForm kRows[] = {
    {23, &kCalendarEntryForm},
    {27, &kTimeStampForm},
    {30, &kRecipientForm},
    {48, &kPriorityValueForm},
    {50, &kPropertyStatesForm},
    {54, &kClientCovForm},
    {102, &kScaleForm},
    {117, &kLogDataForm},
    {119, &kLogDataElementForm},
    {123, &kShedLevelForm},
};

} // namespace

const TypeFormTable kChoiceTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
