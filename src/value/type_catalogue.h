// The type catalogue: one constant row per type code 0..153 holding what the library knows of
// that type. Initialise, clear, copy, compare, the list helpers, the array view, the walker's
// record sizes and the type-name lookups all read these rows instead of keeping their own lists.
//
// Adding a type code means adding its row here (in code order: the order is checked at compile
// time). A plain record's row names its field table (records/plain_fields.h), from which its walk
// and comparison follow; another record's row points at its ownership and comparison tables and
// names the field or choice table it is walked by (records/*_fields.h); only the few records that
// no table describes are walked by hand, by a row of the walker's descriptor table.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/choice_fields.h"
#include "records/compared_records.h"
#include "records/event_parameter_fields.h"
#include "records/field_comparison.h"
#include "records/notification_parameter_fields.h"
#include "records/owned_records.h"
#include "records/plain_fields.h"
#include "records/sequence_fields.h"
#include "records/service_fields.h"
#include "records/value_fields.h"

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// Where a value of the type keeps its content.
enum class Storage : uint8_t {
    None,      // no value of its own: unassigned, reserved, or a member that lives only inside
               // another record
    Inline,    // in the value's payload
    Record,    // in a heap record of recordSize bytes that the value owns
    List,      // in a heap BACnetValueList that the value owns
    Described, // the walker knows its record layout, but a value never owns one: initialise
               // refuses the code and clear drops the payload unread (the host keeps the record)
};

// How a value of the type is taken as the source of a deep copy.
enum class Copy : uint8_t {
    Refused,   // no copy of such a value
    Single,    // copied as one value
    ByIndex,   // a list whose elements may be reached by index
    WholeList, // a list copied only whole
};

enum TypeFlag : uint8_t {
    kPlain = 1 << 0,      // a record that owns nothing: copied byte for byte, cleared by zeroing
    kComparable = 1 << 1, // values of the type can be compared
    kArrayView = 1 << 2,  // an array view may be made into a value of this type
    kDisplayed = 1 << 3,  // the display printer has a form for the type
};

// What the library knows of a list type's elements.
struct ListTypeInfo {
    int32_t elementType; // type code of the elements; -1 when any type (or none) is held
    bool elementStore;   // copy may store a single value as an element of this list
    bool walkable;       // the list type has a walk function (a descriptor)
};

// Which descriptor table of the record the row names (None: the type is walked by hand, or not
// at all).
enum class WalkTable : uint8_t {
    None,
    Fields, // a sequence of fields (records/plain_fields.h, sequence_fields.h, value_fields.h, ...)
    Choice, // a choice among alternatives (records/choice_fields.h, the parameter tables)
};

struct TypeRow {
    int32_t code;
    const char* name;    // null for unassigned codes
    uint64_t recordSize; // size of the record (or list) the payload points at; 0 when none
    Storage storage;
    Copy copy;
    uint8_t flags;                        // TypeFlag bits
    ListTypeInfo list;                    // meaningful for Storage::List rows only
    const Ownership* owns = nullptr;      // a Record row whose record owns members: what clear releases
    const Comparison* compares = nullptr; // a comparable record's identifying members, by table
    WalkTable walk = WalkTable::None;     // the table the walker reads for the type, when named here
    const FieldDesc* fields = nullptr;    // Fields: the record's field table
    uint32_t fieldCount = 0;
    const ChoiceDesc* choice = nullptr; // Choice: the record's table of alternatives
};

inline constexpr int32_t kTypeCodeCount = 154;
inline constexpr ListTypeInfo kNoList = {-1, false, false};

// The row of a plain record (records/plain_fields.h): a record the value owns, copied byte for
// byte, with nothing to release; comparable when some field is keyed, by the comparison derived
// from its table, and walked by that table.
template <class Record, const auto& Fields>
constexpr TypeRow plain_record(int32_t code, const char* name, uint8_t flags)
{
    using Derived = plain::Derived<Fields>;
    static_assert(plain::keys_fit(Fields, sizeof(Record)), "a keyed field lies outside its record");
    const auto comparable = static_cast<uint8_t>(Derived::kKeyCount != 0 ? kComparable : 0);
    return TypeRow{.code = code,
                   .name = name,
                   .recordSize = sizeof(Record),
                   .storage = Storage::Record,
                   .copy = Copy::Single,
                   .flags = static_cast<uint8_t>(flags | kPlain | comparable),
                   .list = kNoList,
                   .compares = plain_comparison<Fields>,
                   .walk = WalkTable::Fields,
                   .fields = plain_walk<Fields>,
                   .fieldCount = static_cast<uint32_t>(Derived::kFieldCount)};
}

// The same row, naming the field table the record is walked by.
template <size_t N>
constexpr TypeRow walked_by(TypeRow row, const FieldDesc (&fields)[N])
{
    row.walk = WalkTable::Fields;
    row.fields = fields;
    row.fieldCount = static_cast<uint32_t>(N);
    return row;
}
// The same row, naming the choice table the record is walked by.
constexpr TypeRow walked_by(TypeRow row, const ChoiceDesc& choice)
{
    row.walk = WalkTable::Choice;
    row.choice = &choice;
    return row;
}

// clang-format off
inline constexpr TypeRow kTypeCatalogue[kTypeCodeCount] = {
    {0, "Null", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {1, "Boolean", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {2, "Unsigned", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {3, "Signed", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {4, "Real", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {5, "Double", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {6, "OctetString", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {7, "CharacterString", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {8, "BitString", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {9, "Enumerated", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {10, "Date", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {11, "Time", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {12, "ObjectIdentifier", 0, Storage::Inline, Copy::Single, kComparable | kDisplayed, kNoList},
    {13, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {14, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {15, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {16, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {17, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {18, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {19, nullptr, 0, Storage::None, Copy::Refused, 0, kNoList},
    {20, "SignedLong", 0, Storage::Inline, Copy::Single, kComparable, kNoList},
    {21, "BACnetAddress", sizeof(BACnetAddress), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kAddress},
    plain_record<BACnetDateTime, plain_fields::kDateTime>(22, "BACnetDateTime", kDisplayed),
    walked_by(TypeRow{23, "BACnetCalendarEntry", sizeof(BACnetCalendarEntry), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kCalendarEntry}, choice_records::kCalendarEntry),
    plain_record<BACnetDateRange, plain_fields::kDateRange>(24, "BACnetDateRange", kDisplayed),
    {25, "BACnetWeekNDay", sizeof(BACnetWeekNDay), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kWeekNDay},
    walked_by(TypeRow{26, "BACnetTimeValue", sizeof(BACnetTimeValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kTimeValue, &compared::kTimeValue}, value_records::kTimeValue),
    walked_by(TypeRow{27, "BACnetTimeStamp", sizeof(BACnetTimeStamp), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kTimeStamp}, choice_records::kTimeStamp),
    walked_by(TypeRow{28, "BACnetActionCommand", sizeof(BACnetActionCommand), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kActionCommand, &compared::kActionCommand}, value_records::kActionCommand),
    walked_by(TypeRow{29, "BACnetSessionKey", sizeof(BACnetSessionKey), Storage::Record, Copy::Single, kComparable, kNoList, &owned::kSessionKey, &compared::kSessionKey}, sequence_records::kSessionKey),
    walked_by(TypeRow{30, "BACnetRecipient", sizeof(BACnetRecipient), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kRecipient, &compared::kRecipient}, choice_records::kRecipient),
    walked_by(TypeRow{31, "BACnetRecipientProcess", sizeof(BACnetRecipientProcess), Storage::Record, Copy::Single, kComparable, kNoList, &owned::kRecipientProcess, &compared::kRecipientProcess}, sequence_records::kRecipientProcess),
    plain_record<BACnetAddressBinding, plain_fields::kAddressBinding>(32, "BACnetAddressBinding", kDisplayed),
    plain_record<BACnetObjectPropertyReference, plain_fields::kObjectPropertyReference>(33, "BACnetObjectPropertyReference", kDisplayed),
    walked_by(TypeRow{34, "BACnetLogDatum", 0, Storage::None, Copy::Refused, 0, kNoList}, choice_records::kLogDatum),
    walked_by(TypeRow{35, "BACnetError", 0, Storage::None, Copy::Refused, 0, kNoList}, sequence_records::kError),
    plain_record<BACnetDeviceObjectPropertyReference, plain_fields::kDeviceObjectPropertyReference>(36, "BACnetDeviceObjectPropertyReference", kDisplayed),
    walked_by(TypeRow{37, "BACnetLogRecord", sizeof(BACnetLogRecord), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kLogRecord, &compared::kLogRecord}, sequence_records::kLogRecord),
    walked_by(TypeRow{38, "ReadAccessSpecification", sizeof(ReadAccessSpecification), Storage::Record, Copy::Single, kDisplayed, kNoList, &owned::kReadAccessSpecification}, sequence_records::kReadAccessSpecification),
    walked_by(TypeRow{39, "WriteAccessSpecification", sizeof(WriteAccessSpecification), Storage::Record, Copy::Single, kDisplayed, kNoList, &owned::kWriteAccessSpecification}, value_records::kWriteAccessSpecification),
    walked_by(TypeRow{40, "AlarmSummaryAckElement", sizeof(AlarmSummaryAckElement), Storage::Record, Copy::Refused, 0, kNoList, &owned::kAlarmSummaryAckElement}, sequence_records::kAlarmSummaryAckElement),
    walked_by(TypeRow{41, "EnrolmentSummaryAckElement", sizeof(EnrolmentSummaryAckElement), Storage::Record, Copy::Refused, 0, kNoList}, sequence_records::kEnrolmentSummaryAckElement),
    walked_by(TypeRow{42, "ReadAccessResult", sizeof(ReadAccessResult), Storage::Record, Copy::Single, kDisplayed, kNoList, &owned::kReadAccessResult}, value_records::kReadAccessResult),
    {43, "ReadAccessPropertyValue", sizeof(ReadAccessPropertyValue), Storage::Record, Copy::Refused, kDisplayed, kNoList, &owned::kReadAccessPropertyValue},
    plain_record<BACnetPropertyReference, plain_fields::kPropertyReference>(44, "BACnetPropertyReference", kDisplayed),
    walked_by(TypeRow{45, "BACnetDestination", sizeof(BACnetDestination), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kDestination, &compared::kDestination}, sequence_records::kDestination),
    walked_by(TypeRow{46, "BACnetDailySchedule", sizeof(BACnetDailySchedule), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kDailySchedule, &compared::kDailySchedule}, sequence_records::kDailySchedule),
    walked_by(TypeRow{47, "BACnetSpecialEvent", sizeof(BACnetSpecialEvent), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kSpecialEvent, &compared::kSpecialEvent}, sequence_records::kSpecialEvent),
    {48, "BACnetPriorityValue", sizeof(BACnetPriorityValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kPriorityValue, &compared::kPriorityValue},
    walked_by(TypeRow{49, "BACnetPropertyValue", sizeof(BACnetPropertyValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kPropertyValue, &compared::kPropertyValue}, value_records::kPropertyValue),
    walked_by(TypeRow{50, "BACnetPropertyStates", sizeof(BACnetPropertyStates), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kPropertyStates}, choice_records::kPropertyStates),
    walked_by(TypeRow{51, "BACnetEventParameter", sizeof(BACnetEventParameter), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kEventParameter, &compared::kEventParameter}, event_parameters::kEventParameter),
    walked_by(TypeRow{52, "BACnetNotificationParameters", sizeof(BACnetNotificationParameters), Storage::Record, Copy::Refused, kComparable | kDisplayed, kNoList, &owned::kNotificationParameters, &compared::kNotificationParameters}, notification_parameters::kNotificationParameters),
    {53, "BACnetSelectionCriteria", sizeof(BACnetSelectionCriteria), Storage::Record, Copy::Refused, kComparable | kDisplayed, kNoList, &owned::kSelectionCriteria, &compared::kSelectionCriteria},
    walked_by(TypeRow{54, "BACnetClientCOV", sizeof(BACnetClientCOV), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kClientCOV}, choice_records::kClientCOV),
    walked_by(TypeRow{55, "BACnetObjectPropertyValue", sizeof(BACnetObjectPropertyValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kObjectPropertyValue, &compared::kObjectPropertyValue}, value_records::kObjectPropertyValue),
    {56, "BACnetNestedValue", sizeof(BACnetNestedValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kNestedValue},
    {57, "BACnetArray", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kDisplayed, {-1, false, false}},
    {58, "BACnetPriorityArray", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {48, true, true}},
    walked_by(TypeRow{59, "BACnetActionList", sizeof(BACnetActionList), Storage::Record, Copy::Single, kComparable | kArrayView | kDisplayed, kNoList, &owned::kActionList, &compared::kActionList}, sequence_records::kActionList),
    {60, "ListOfBACnetLogRecord", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {37, true, true}},
    {61, "ListOfBACnetCalendarEntry", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {23, true, true}},
    {62, "ListOfBACnetActionList", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {59, true, true}},
    {63, "ListOfBACnetActionCommand", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {28, true, true}},
    {64, "ListOfCharacterString", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {7, true, true}},
    {65, "ListOfObjectIdentifier", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {12, true, true}},
    walked_by(TypeRow{66, "BACnetSpecialEventPeriod", 0, Storage::None, Copy::Refused, 0, kNoList}, choice_records::kSpecialEventPeriod),
    {67, "Reserved67", 0, Storage::None, Copy::Refused, 0, kNoList},
    {68, "Reserved68", 0, Storage::None, Copy::Refused, 0, kNoList},
    {69, "ListOfBACnetSessionKey", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {29, true, false}},
    {70, "ListOfBACnetRecipient", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {30, true, true}},
    {71, "ListOfBACnetAddressBinding", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {32, true, true}},
    {72, "ListOfReadAccessSpecification", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {38, true, true}},
    {73, "ListOfReadAccessResult", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {42, true, true}},
    {74, "SequenceOfBACnetReadAccessPropertyValue", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {43, true, true}},
    {75, "ListOfUnsigned", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {2, true, true}},
    {76, "ListOfBACnetDestination", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {45, true, true}},
    {77, "ListOfBACnetDailySchedule", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {46, true, true}},
    {78, "ListOfBACnetSpecialEvent", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {47, true, true}},
    {79, "ListOfBACnetDeviceObjectPropertyReference", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {36, true, true}},
    {80, "ListOfBACnetTimeValue", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {26, true, true}},
    {81, "ListOfBitString", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {8, true, true}},
    {82, "ListOfBACnetPropertyStates", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {50, true, true}},
    {83, "ListOfBACnetObjectPropertyValue", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {55, true, true}},
    {84, "ListOfBACnetTimeStamp", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {27, true, true}},
    {85, "Reserved85", 0, Storage::None, Copy::Refused, 0, kNoList},
    {86, "Reserved86", 0, Storage::None, Copy::Refused, 0, kNoList},
    {87, "ListOfBACnetPropertyValue", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {49, false, true}},
    {88, "ListOfWriteAccessSpecification", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {39, false, true}},
    {89, "SequenceOfReadAccessSpecification", sizeof(SequenceOfReadAccessSpecification), Storage::Record, Copy::Single, kArrayView | kDisplayed, kNoList, &owned::kReadAccessSpecifications},
    {90, "SequenceOfReadAccessResult", sizeof(SequenceOfReadAccessResult), Storage::Record, Copy::Single, kDisplayed, kNoList, &owned::kReadAccessResults},
    {91, "SequenceOfBACnetPropertyReference", sizeof(SequenceOfBACnetPropertyReference), Storage::Described, Copy::Refused, 0, kNoList},
    {92, "ReservedList92", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kDisplayed, {-1, false, false}},
    {93, "ListOfAlarmSummaryAckElement", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {40, false, true}},
    {94, "ListOfEnrolmentSummaryAckElement", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {41, false, true}},
    {95, "ReservedList95", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {-1, false, false}},
    {96, "ReservedList96", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kDisplayed, {-1, false, false}},
    {97, "BACnetConstructed", sizeof(BACnetConstructed), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kConstructed, &compared::kConstructed},
    {98, "ListOfBACnetConstructed", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kDisplayed, {97, true, false}},
    {99, "Reserved99", 0, Storage::None, Copy::Refused, 0, kNoList},
    {100, "Reserved100", 0, Storage::None, Copy::Refused, 0, kNoList},
    {101, "BACnetCOVSubscription", sizeof(BACnetCOVSubscription), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kCOVSubscription},
    walked_by(TypeRow{102, "BACnetScale", sizeof(BACnetScale), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList, nullptr, &compared::kScale}, choice_records::kScale),
    plain_record<BACnetPrescale, plain_fields::kPrescale>(103, "BACnetPrescale", kDisplayed),
    plain_record<BACnetAccumulatorRecord, plain_fields::kAccumulatorRecord>(104, "BACnetAccumulatorRecord", kDisplayed),
    walked_by(TypeRow{105, "EventSummaryElement", sizeof(EventSummaryElement), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kEventSummaryElement, &compared::kEventSummaryElement}, sequence_records::kEventSummaryElement),
    {106, "ListOfEventSummaryElement", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kArrayView | kDisplayed, {105, false, true}},
    {107, "ListOfBACnetCOVSubscription", sizeof(BACnetValueList), Storage::List, Copy::WholeList, kComparable | kDisplayed, {101, false, true}},
    {108, "Reserved108", 0, Storage::None, Copy::Refused, 0, kNoList},
    {109, "Reserved109", 0, Storage::None, Copy::Refused, 0, kNoList},
    walked_by(TypeRow{110, "BACnetDeviceObjectPropertyValue", sizeof(BACnetDeviceObjectPropertyValue), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kDeviceObjectPropertyValue, &compared::kDeviceObjectPropertyValue}, value_records::kDeviceObjectPropertyValue),
    {111, "ListOfEnumerated", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {9, true, true}},
    {112, "BACnetSetpointReference", sizeof(BACnetSetpointReference), Storage::Record, Copy::Single, kPlain | kComparable | kDisplayed, kNoList},
    {113, "ListOfReal", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kDisplayed, {4, true, true}},
    {114, "ListOfBoolean", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView, {1, true, true}},
    {115, "Reserved115", 0, Storage::None, Copy::Refused, 0, kNoList},
    walked_by(TypeRow{116, "BACnetEventLogRecord", sizeof(BACnetEventLogRecord), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kEventLogRecord, &compared::kEventLogRecord}, sequence_records::kEventLogRecord),
    walked_by(TypeRow{117, "BACnetLogData", sizeof(BACnetLogData), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kLogData, &compared::kLogData}, choice_records::kLogData),
    walked_by(TypeRow{118, "BACnetLogMultipleRecord", sizeof(BACnetLogMultipleRecord), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kLogMultipleRecord, &compared::kLogMultipleRecord}, sequence_records::kLogMultipleRecord),
    walked_by(TypeRow{119, "BACnetLogDataElement", sizeof(BACnetLogDataElement), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kLogDataElement, &compared::kLogDataElement}, choice_records::kLogDataElement),
    {120, "ListOfBACnetLogDataElement", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {119, false, true}},
    {121, "ListOfBACnetEventLogRecord", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {116, true, true}},
    {122, "ListOfBACnetLogMultipleRecord", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {118, true, true}},
    walked_by(TypeRow{123, "BACnetShedLevel", sizeof(BACnetShedLevel), Storage::Record, Copy::Single, kComparable | kDisplayed, kNoList, &owned::kShedLevel, &compared::kShedLevel}, choice_records::kShedLevel),
    plain_record<BACnetDeviceObjectReference, plain_fields::kDeviceObjectReference>(124, "BACnetDeviceObjectReference", kDisplayed),
    {125, "ListOfBACnetDeviceObjectReference", sizeof(BACnetValueList), Storage::List, Copy::ByIndex, kComparable | kArrayView | kDisplayed, {124, true, true}},
    walked_by(TypeRow{126, "EventParameterChangeOfBitstring", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kChangeOfBitstring),
    walked_by(TypeRow{127, "EventParameterChangeOfState", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kChangeOfState),
    walked_by(TypeRow{128, "EventParameterChangeOfValue", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kChangeOfValue),
    walked_by(TypeRow{129, "EventParameterCommandFailure", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kCommandFailure),
    walked_by(TypeRow{130, "EventParameterFloatingLimit", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kFloatingLimit),
    walked_by(TypeRow{131, "EventParameterOutOfRange", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kOutOfRange),
    walked_by(TypeRow{132, "EventParameterBufferReady", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kBufferReady),
    walked_by(TypeRow{133, "EventParameterChangeOfLifeSafety", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kChangeOfLifeSafety),
    walked_by(TypeRow{134, "EventParameterExtended", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kExtended),
    walked_by(TypeRow{135, "EventParameterBufferReady2", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kBufferReady),
    walked_by(TypeRow{136, "EventParameterUnsignedRange", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kUnsignedRange),
    walked_by(TypeRow{137, "BACnetCOVCriteria", 0, Storage::None, Copy::Refused, 0, kNoList}, event_parameters::kCOVCriteria),
    walked_by(TypeRow{138, "NotificationChangeOfBitstring", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kChangeOfBitstring),
    walked_by(TypeRow{139, "NotificationChangeOfState", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kChangeOfState),
    walked_by(TypeRow{140, "NotificationChangeOfValue", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kChangeOfValue),
    walked_by(TypeRow{141, "NotificationCommandFailure", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kCommandFailure),
    walked_by(TypeRow{142, "NotificationFloatingLimit", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kFloatingLimit),
    walked_by(TypeRow{143, "NotificationOutOfRange", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kOutOfRange),
    walked_by(TypeRow{144, "NotificationBufferReady", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kBufferReady),
    walked_by(TypeRow{145, "NotificationChangeOfLifeSafety", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kChangeOfLifeSafety),
    walked_by(TypeRow{146, "NotificationExtended", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kExtended),
    walked_by(TypeRow{147, "NotificationBufferReady2", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kBufferReady2),
    walked_by(TypeRow{148, "NotificationUnsignedRange", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kUnsignedRange),
    walked_by(TypeRow{149, "NotificationChangedValue", 0, Storage::None, Copy::Refused, 0, kNoList}, notification_parameters::kChangedValue),
    {150, "ReadAccessResultList", sizeof(ReadAccessResultList), Storage::Described, Copy::Refused, 0, kNoList},
    walked_by(TypeRow{151, "ReadPropertyMultipleAck", sizeof(ReadPropertyMultipleAck), Storage::Described, Copy::Refused, 0, kNoList}, service_records::kReadPropertyMultipleAck),
    walked_by(TypeRow{152, "BACnetServiceConfirmedEventNotificationRequest", sizeof(BACnetServiceConfirmedEventNotificationRequest), Storage::Described, Copy::Refused, 0, kNoList}, service_records::kEventNotification),
    walked_by(TypeRow{153, "BACnetEventLogDatum", 0, Storage::None, Copy::Refused, 0, kNoList}, service_records::kEventLogDatum),
};
// clang-format on

constexpr bool catalogue_in_code_order()
{
    for (int32_t i = 0; i < kTypeCodeCount; ++i)
        if (kTypeCatalogue[i].code != i) return false;
    return true;
}
static_assert(catalogue_in_code_order(), "row i of the type catalogue must describe type code i");

// The readers below test the code's range rather than a row pointer, so that they stay constant
// expressions in every build (pointer tests are not, under some sanitizer instrumentation).
constexpr bool is_type_code(int32_t type)
{
    return type >= 0 && type < kTypeCodeCount;
}

// The row of a type code, or null for a code outside 0..153.
constexpr const TypeRow* type_row(int32_t type)
{
    return is_type_code(type) ? &kTypeCatalogue[type] : nullptr;
}

constexpr Storage storage_of(int32_t type)
{
    return is_type_code(type) ? kTypeCatalogue[type].storage : Storage::None;
}

constexpr bool has_flag(int32_t type, TypeFlag flag)
{
    return is_type_code(type) && (kTypeCatalogue[type].flags & flag) != 0;
}

// A value of the type can be made by initialise (it is inline, or owns its record or list).
constexpr bool has_initial_form(int32_t type)
{
    const Storage s = storage_of(type);
    return s == Storage::Inline || s == Storage::Record || s == Storage::List;
}

} // namespace bacnapi
