// Choice tables of the later productions: a record that holds an alternative number followed
// by one member wide enough for any alternative.
#include "field_table.h"
#include "walk_functions.h"

#include <bacnapi/bacnapi.h>

#include <cstddef>

namespace bacnapi {

namespace {

// An alternative's field carries the choice identifier as its enumId unless it names its own.
constexpr AlternativeSpec alternative(int32_t number, FieldSpec field, uint32_t choiceId)
{
    field.enumId = choiceId;
    return AlternativeSpec{number, field};
}

// 102: the integer scale is walked as an Unsigned.
constexpr uint32_t kScaleChoice = 61;
constexpr AlternativeSpec kScaleAlternatives[] = {
    alternative(0, member_field(119, 0, BACNAPI_TYPE_Real, offsetof(BACnetScale, value)), kScaleChoice),
    alternative(1, member_field(127, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetScale, value)), kScaleChoice),
};
constexpr ChoiceSpec kScale{kScaleChoice, offsetof(BACnetScale, choice), kScaleAlternatives,
                            sizeof(kScaleAlternatives) / sizeof(kScaleAlternatives[0]), false};

// 117: alternative 1 is a nested list of log-data elements.
constexpr uint32_t kLogDataChoice = 77;
constexpr AlternativeSpec kLogDataAlternatives[] = {
    alternative(0, member_field(30, 0, BACNAPI_TYPE_BitString, offsetof(BACnetLogData, value)), kLogDataChoice),
    alternative(1, nested_field(350, 1, BACNAPI_TYPE_ListOfBACnetLogDataElement, offsetof(BACnetLogData, value)),
                kLogDataChoice),
    alternative(2, member_field(281, 2, BACNAPI_TYPE_Real, offsetof(BACnetLogData, value)), kLogDataChoice),
};
constexpr ChoiceSpec kLogData{kLogDataChoice, offsetof(BACnetLogData, choice), kLogDataAlternatives,
                              sizeof(kLogDataAlternatives) / sizeof(kLogDataAlternatives[0]), false};

// 119: the any-value alternative (8) is not walked, so it has no entry and answers
// BACNAPI_WALK_E_NODESCRIPTOR. The enumerated value belongs to no fixed enumeration (enumId 0).
constexpr uint32_t kLogDataElementChoice = 79;
constexpr size_t kLogDataElementValue = offsetof(BACnetLogDataElement, value);
constexpr AlternativeSpec kLogDataElementAlternatives[] = {
    alternative(0, member_field(31, 0, BACNAPI_TYPE_Boolean, kLogDataElementValue), kLogDataElementChoice),
    alternative(1, member_field(248, 1, BACNAPI_TYPE_Real, kLogDataElementValue), kLogDataElementChoice),
    AlternativeSpec{2, member_field(91, 2, BACNAPI_TYPE_Enumerated, kLogDataElementValue, 0)},
    alternative(3, member_field(295, 3, BACNAPI_TYPE_Unsigned, kLogDataElementValue), kLogDataElementChoice),
    alternative(4, member_field(270, 4, BACNAPI_TYPE_Signed, kLogDataElementValue), kLogDataElementChoice),
    alternative(5, member_field(30, 5, BACNAPI_TYPE_BitString, kLogDataElementValue), kLogDataElementChoice),
    alternative(6, null_field(198, 6), kLogDataElementChoice),
    alternative(7, member_field(109, 7, BACNAPI_TYPE_BACnetError, kLogDataElementValue), kLogDataElementChoice),
};
constexpr ChoiceSpec kLogDataElement{kLogDataElementChoice, offsetof(BACnetLogDataElement, choice),
                                     kLogDataElementAlternatives,
                                     sizeof(kLogDataElementAlternatives) / sizeof(kLogDataElementAlternatives[0]),
                                     false};

// 123
constexpr uint32_t kShedLevelChoice = 76;
constexpr AlternativeSpec kShedLevelAlternatives[] = {
    alternative(0, member_field(352, 0, BACNAPI_TYPE_Unsigned, offsetof(BACnetShedLevel, value)), kShedLevelChoice),
    alternative(1, member_field(353, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetShedLevel, value)), kShedLevelChoice),
    alternative(2, member_field(354, 2, BACNAPI_TYPE_Real, offsetof(BACnetShedLevel, value)), kShedLevelChoice),
};
constexpr ChoiceSpec kShedLevel{kShedLevelChoice, offsetof(BACnetShedLevel, choice), kShedLevelAlternatives,
                                sizeof(kShedLevelAlternatives) / sizeof(kShedLevelAlternatives[0]), false};

} // namespace

BACNAPI_WALK_FROM_CHOICE(BACnetScale, kScale)
BACNAPI_WALK_FROM_CHOICE(BACnetLogData, kLogData)
BACNAPI_WALK_FROM_CHOICE(BACnetLogDataElement, kLogDataElement)
BACNAPI_WALK_FROM_CHOICE(BACnetShedLevel, kShedLevel)

} // namespace bacnapi
