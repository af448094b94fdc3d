// The choice records: each is a constant table of alternatives, named by the record's row in the
// type catalogue and read by the walker's generic choice walk. BACnetLogDatum and
// BACnetSpecialEventPeriod have no record of their own: their parent describes them with its whole record, so their
// offsets are those of the parent.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>

namespace bacnapi {

namespace choice_records {

// ---- 23 BACnetCalendarEntry: the three alternatives stand side by side in the record.
inline constexpr uint32_t kCalendarEntryChoice = 7;
inline constexpr AlternativeDesc kCalendarEntryAlternatives[] = {
    {0, member_field(65, 0, BACNAPI_TYPE_Date, offsetof(BACnetCalendarEntry, date), kCalendarEntryChoice)},
    {1,
     member_field(67, 1, BACNAPI_TYPE_BACnetDateRange, offsetof(BACnetCalendarEntry, dateRange), kCalendarEntryChoice)},
    {2,
     member_field(312, 2, BACNAPI_TYPE_BACnetWeekNDay, offsetof(BACnetCalendarEntry, weekNDay), kCalendarEntryChoice)},
};
inline constexpr ChoiceDesc kCalendarEntry =
    make_choice_desc(kCalendarEntryChoice, offsetof(BACnetCalendarEntry, choice), kCalendarEntryAlternatives, false);

// ---- 27 BACnetTimeStamp
inline constexpr uint32_t kTimeStampChoice = 69;
inline constexpr AlternativeDesc kTimeStampAlternatives[] = {
    {0, member_field(280, 0, BACNAPI_TYPE_Time, offsetof(BACnetTimeStamp, value.time), kTimeStampChoice)},
    {1, member_field(265, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetTimeStamp, value.sequenceNumber), kTimeStampChoice)},
    {2, member_field(68, 2, BACNAPI_TYPE_BACnetDateTime, offsetof(BACnetTimeStamp, value.dateTime), kTimeStampChoice)},
};
inline constexpr ChoiceDesc kTimeStamp =
    make_choice_desc(kTimeStampChoice, offsetof(BACnetTimeStamp, choice), kTimeStampAlternatives, false);

// ---- 30 BACnetRecipient: alternative -1 (no recipient) is a Null field.
inline constexpr uint32_t kRecipientChoice = 55;
inline constexpr AlternativeDesc kRecipientAlternatives[] = {
    {-1, null_field(89, -1, kRecipientChoice)},
    {0, member_field(77, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetRecipient, value.device), kRecipientChoice)},
    {1, member_field(11, 1, BACNAPI_TYPE_BACnetAddress, offsetof(BACnetRecipient, value.address), kRecipientChoice)},
};
inline constexpr ChoiceDesc kRecipient =
    make_choice_desc(kRecipientChoice, offsetof(BACnetRecipient, choice), kRecipientAlternatives, false);

// ---- 34 BACnetLogDatum, inside BACnetLogRecord. The any-value alternative (10) is not walked.
// The enum-value alternative carries no enumeration.
inline constexpr uint32_t kLogDatumChoice = 31;
inline constexpr AlternativeDesc kLogDatumAlternatives[] = {
    {0, member_field(30, 0, BACNAPI_TYPE_BitString, offsetof(BACnetLogRecord, logDatum.logStatus), kLogDatumChoice)},
    {1, member_field(31, 1, BACNAPI_TYPE_Boolean, offsetof(BACnetLogRecord, logDatum.booleanValue), kLogDatumChoice)},
    {2, member_field(248, 2, BACNAPI_TYPE_Real, offsetof(BACnetLogRecord, logDatum.realValue), kLogDatumChoice)},
    {3, member_field(91, 3, BACNAPI_TYPE_Enumerated, offsetof(BACnetLogRecord, logDatum.enumValue), 0)},
    {4,
     member_field(295, 4, BACNAPI_TYPE_Unsigned, offsetof(BACnetLogRecord, logDatum.unsignedValue), kLogDatumChoice)},
    {5, member_field(270, 5, BACNAPI_TYPE_Signed, offsetof(BACnetLogRecord, logDatum.signedValue), kLogDatumChoice)},
    {6,
     member_field(30, 6, BACNAPI_TYPE_BitString, offsetof(BACnetLogRecord, logDatum.bitstringValue), kLogDatumChoice)},
    {7, null_field(198, 7, kLogDatumChoice)},
    {8, member_field(109, 8, BACNAPI_TYPE_BACnetError, offsetof(BACnetLogRecord, logDatum.failure), kLogDatumChoice)},
    {9, member_field(281, 9, BACNAPI_TYPE_Real, offsetof(BACnetLogRecord, logDatum.timeChange), kLogDatumChoice)},
};
inline constexpr ChoiceDesc kLogDatum =
    make_choice_desc(kLogDatumChoice, offsetof(BACnetLogRecord, logDatumChoice), kLogDatumAlternatives, false);

// ---- 50 BACnetPropertyStates: the Enumerated alternatives carry their own enumerations.
inline constexpr uint32_t kPropertyStatesChoice = 50;
inline constexpr size_t kStateBoolean = offsetof(BACnetPropertyStates, value.booleanValue);
inline constexpr size_t kStateUnsigned = offsetof(BACnetPropertyStates, value.unsignedValue);
inline constexpr size_t kStateEnumerated = offsetof(BACnetPropertyStates, value.enumerated);
inline constexpr AlternativeDesc kPropertyStatesAlternatives[] = {
    {0, member_field(31, 0, BACNAPI_TYPE_Boolean, kStateBoolean, kPropertyStatesChoice)},
    {1, member_field(28, 1, BACNAPI_TYPE_Enumerated, kStateEnumerated, 6)},
    {2, member_field(102, 2, BACNAPI_TYPE_Enumerated, kStateEnumerated, 23)},
    {3, member_field(215, 3, BACNAPI_TYPE_Enumerated, kStateEnumerated, 43)},
    {4, member_field(227, 4, BACNAPI_TYPE_Enumerated, kStateEnumerated, 46)},
    {5, member_field(229, 5, BACNAPI_TYPE_Enumerated, kStateEnumerated, 47)},
    {6, member_field(249, 6, BACNAPI_TYPE_Enumerated, kStateEnumerated, 45)},
    {7, member_field(257, 7, BACNAPI_TYPE_Enumerated, kStateEnumerated, 58)},
    {8, member_field(274, 8, BACNAPI_TYPE_Enumerated, kStateEnumerated, 21)},
    {9, member_field(279, 9, BACNAPI_TYPE_Enumerated, kStateEnumerated, 14)},
    {10, member_field(292, 10, BACNAPI_TYPE_Enumerated, kStateEnumerated, 17)},
    {11, member_field(295, 11, BACNAPI_TYPE_Unsigned, kStateUnsigned, kPropertyStatesChoice)},
    {12, member_field(135, 12, BACNAPI_TYPE_Enumerated, kStateEnumerated, 28)},
    {13, member_field(136, 13, BACNAPI_TYPE_Enumerated, kStateEnumerated, 30)},
    {14, member_field(348, 14, BACNAPI_TYPE_Enumerated, kStateEnumerated, 74)},
    {15, member_field(338, 15, BACNAPI_TYPE_Enumerated, kStateEnumerated, 75)},
};
inline constexpr ChoiceDesc kPropertyStates =
    make_choice_desc(kPropertyStatesChoice, offsetof(BACnetPropertyStates, choice), kPropertyStatesAlternatives, false);

// ---- 54 BACnetClientCOV: the default increment is a Null field.
inline constexpr uint32_t kClientCOVChoice = 8;
inline constexpr AlternativeDesc kClientCOVAlternatives[] = {
    {0, member_field(247, 0, BACNAPI_TYPE_Real, offsetof(BACnetClientCOV, value.realIncrement), kClientCOVChoice)},
    {1, null_field(72, 1, kClientCOVChoice)},
};
inline constexpr ChoiceDesc kClientCOV =
    make_choice_desc(kClientCOVChoice, offsetof(BACnetClientCOV, choice), kClientCOVAlternatives, false);

// ---- 66 BACnetSpecialEventPeriod, inside BACnetSpecialEvent; the alternative is read only from
// the source.
inline constexpr uint32_t kSpecialEventPeriodChoice = 67;
inline constexpr AlternativeDesc kSpecialEventPeriodAlternatives[] = {
    {0, member_field(38, 0, BACNAPI_TYPE_BACnetCalendarEntry, offsetof(BACnetSpecialEvent, period.calendarEntry),
                     kSpecialEventPeriodChoice)},
    {1, member_field(39, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetSpecialEvent, period.calendarReference),
                     kSpecialEventPeriodChoice)},
};
inline constexpr ChoiceDesc kSpecialEventPeriod = make_choice_desc(
    kSpecialEventPeriodChoice, offsetof(BACnetSpecialEvent, periodChoice), kSpecialEventPeriodAlternatives, true);

// ---- 102 BACnetScale: the integer scale is walked as an Unsigned.
inline constexpr uint32_t kScaleChoice = 61;
inline constexpr AlternativeDesc kScaleAlternatives[] = {
    {0, member_field(119, 0, BACNAPI_TYPE_Real, offsetof(BACnetScale, value), kScaleChoice)},
    {1, member_field(127, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetScale, value), kScaleChoice)},
};
inline constexpr ChoiceDesc kScale =
    make_choice_desc(kScaleChoice, offsetof(BACnetScale, choice), kScaleAlternatives, false);

// ---- 117 BACnetLogData: alternative 1 is a nested list of log-data elements.
inline constexpr uint32_t kLogDataChoice = 77;
inline constexpr AlternativeDesc kLogDataAlternatives[] = {
    {0, member_field(30, 0, BACNAPI_TYPE_BitString, offsetof(BACnetLogData, value), kLogDataChoice)},
    {1, nested_field(350, 1, BACNAPI_TYPE_ListOfBACnetLogDataElement, offsetof(BACnetLogData, value), kLogDataChoice)},
    {2, member_field(281, 2, BACNAPI_TYPE_Real, offsetof(BACnetLogData, value), kLogDataChoice)},
};
inline constexpr ChoiceDesc kLogData =
    make_choice_desc(kLogDataChoice, offsetof(BACnetLogData, choice), kLogDataAlternatives, false);

// ---- 119 BACnetLogDataElement: the any-value alternative (8) is not walked, so it has no entry
// and answers BACNAPI_WALK_E_NODESCRIPTOR. The enumerated value belongs to no fixed enumeration
// (enumId 0).
inline constexpr uint32_t kLogDataElementChoice = 79;
inline constexpr size_t kLogDataElementValue = offsetof(BACnetLogDataElement, value);
inline constexpr AlternativeDesc kLogDataElementAlternatives[] = {
    {0, member_field(31, 0, BACNAPI_TYPE_Boolean, kLogDataElementValue, kLogDataElementChoice)},
    {1, member_field(248, 1, BACNAPI_TYPE_Real, kLogDataElementValue, kLogDataElementChoice)},
    {2, member_field(91, 2, BACNAPI_TYPE_Enumerated, kLogDataElementValue, 0)},
    {3, member_field(295, 3, BACNAPI_TYPE_Unsigned, kLogDataElementValue, kLogDataElementChoice)},
    {4, member_field(270, 4, BACNAPI_TYPE_Signed, kLogDataElementValue, kLogDataElementChoice)},
    {5, member_field(30, 5, BACNAPI_TYPE_BitString, kLogDataElementValue, kLogDataElementChoice)},
    {6, null_field(198, 6, kLogDataElementChoice)},
    {7, member_field(109, 7, BACNAPI_TYPE_BACnetError, kLogDataElementValue, kLogDataElementChoice)},
};
inline constexpr ChoiceDesc kLogDataElement =
    make_choice_desc(kLogDataElementChoice, offsetof(BACnetLogDataElement, choice), kLogDataElementAlternatives, false);

// ---- 123 BACnetShedLevel
inline constexpr uint32_t kShedLevelChoice = 76;
inline constexpr AlternativeDesc kShedLevelAlternatives[] = {
    {0, member_field(352, 0, BACNAPI_TYPE_Unsigned, offsetof(BACnetShedLevel, value), kShedLevelChoice)},
    {1, member_field(353, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetShedLevel, value), kShedLevelChoice)},
    {2, member_field(354, 2, BACNAPI_TYPE_Real, offsetof(BACnetShedLevel, value), kShedLevelChoice)},
};
inline constexpr ChoiceDesc kShedLevel =
    make_choice_desc(kShedLevelChoice, offsetof(BACnetShedLevel, choice), kShedLevelAlternatives, false);

} // namespace choice_records

} // namespace bacnapi
