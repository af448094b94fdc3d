#include "list_types.h"

#include <array>

namespace bacnapi {
namespace {

constexpr int32_t kFirst = 57;
constexpr int32_t kLast = 125;

struct Row {
    int32_t type;
    ListTypeInfo info;
};

// element type, element store allowed, has a walk function
constexpr Row kRows[] = {
    {57, {-1, false, false}},  // BACnetArray
    {58, {48, true, true}},    // BACnetPriorityArray
    {60, {37, true, true}},    // ListOfBACnetLogRecord
    {61, {23, true, true}},    // ListOfBACnetCalendarEntry
    {62, {59, true, true}},    // ListOfBACnetActionList
    {63, {28, true, true}},    // ListOfBACnetActionCommand
    {64, {7, true, true}},     // ListOfCharacterString
    {65, {12, true, true}},    // ListOfObjectIdentifier
    {69, {29, true, false}},   // ListOfBACnetSessionKey
    {70, {30, true, true}},    // ListOfBACnetRecipient
    {71, {32, true, true}},    // ListOfBACnetAddressBinding
    {72, {38, true, true}},    // ListOfReadAccessSpecification
    {73, {42, true, true}},    // ListOfReadAccessResult
    {74, {43, true, true}},    // SequenceOfBACnetReadAccessPropertyValue
    {75, {2, true, true}},     // ListOfUnsigned
    {76, {45, true, true}},    // ListOfBACnetDestination
    {77, {46, true, true}},    // ListOfBACnetDailySchedule
    {78, {47, true, true}},    // ListOfBACnetSpecialEvent
    {79, {36, true, true}},    // ListOfBACnetDeviceObjectPropertyReference
    {80, {26, true, true}},    // ListOfBACnetTimeValue
    {81, {8, true, true}},     // ListOfBitString
    {82, {50, true, true}},    // ListOfBACnetPropertyStates
    {83, {55, true, true}},    // ListOfBACnetObjectPropertyValue
    {84, {27, true, true}},    // ListOfBACnetTimeStamp
    {87, {49, false, true}},   // ListOfBACnetPropertyValue
    {88, {39, false, true}},   // ListOfWriteAccessSpecification
    {92, {-1, false, false}},  // ReservedList92
    {93, {40, false, true}},   // ListOfAlarmSummaryAckElement
    {94, {41, false, true}},   // ListOfEnrolmentSummaryAckElement
    {95, {-1, false, false}},  // ReservedList95
    {96, {-1, false, false}},  // ReservedList96
    {98, {97, true, false}},   // ListOfBACnetConstructed
    {106, {105, false, true}}, // ListOfEventSummaryElement
    {107, {101, false, true}}, // ListOfBACnetCOVSubscription
    {111, {9, true, true}},    // ListOfEnumerated
    {113, {4, true, true}},    // ListOfReal
    {114, {1, true, true}},    // ListOfBoolean
    {120, {119, false, true}}, // ListOfBACnetLogDataElement
    {121, {116, true, true}},  // ListOfBACnetEventLogRecord
    {122, {118, true, true}},  // ListOfBACnetLogMultipleRecord
    {125, {124, true, true}},  // ListOfBACnetDeviceObjectReference
};

struct Index {
    std::array<int8_t, kLast - kFirst + 1> row{};
    constexpr Index()
    {
        for (auto& r : row) r = -1;
        for (int8_t i = 0; i < static_cast<int8_t>(sizeof(kRows) / sizeof(kRows[0])); ++i)
            row[kRows[i].type - kFirst] = i;
    }
};

constexpr Index kIndex;

} // namespace

const ListTypeInfo* list_type_info(int32_t type)
{
    if (type < kFirst || type > kLast) return nullptr;
    const int8_t row = kIndex.row[type - kFirst];
    return row < 0 ? nullptr : &kRows[row].info;
}

bool is_list_type(int32_t type) { return list_type_info(type) != nullptr; }

int32_t list_element_type(int32_t type)
{
    const ListTypeInfo* info = list_type_info(type);
    return info ? info->elementType : -1;
}

} // namespace bacnapi
