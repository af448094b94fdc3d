// Type names: every named code maps to its header enumerator's name and back, without regard to
// case; codes and names outside the table are refused.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <set>
#include <string>

namespace {

struct NamedType {
    int32_t code;
    const char* name;
};

// Every type code with the name of its enumerator in the public header.
#define ROW(n) {BACNAPI_TYPE_##n, #n}
const NamedType kNamedTypes[] = {
    ROW(Null),
    ROW(Boolean),
    ROW(Unsigned),
    ROW(Signed),
    ROW(Real),
    ROW(Double),
    ROW(OctetString),
    ROW(CharacterString),
    ROW(BitString),
    ROW(Enumerated),
    ROW(Date),
    ROW(Time),
    ROW(ObjectIdentifier),
    ROW(SignedLong),
    ROW(BACnetAddress),
    ROW(BACnetDateTime),
    ROW(BACnetCalendarEntry),
    ROW(BACnetDateRange),
    ROW(BACnetWeekNDay),
    ROW(BACnetTimeValue),
    ROW(BACnetTimeStamp),
    ROW(BACnetActionCommand),
    ROW(BACnetSessionKey),
    ROW(BACnetRecipient),
    ROW(BACnetRecipientProcess),
    ROW(BACnetAddressBinding),
    ROW(BACnetObjectPropertyReference),
    ROW(BACnetLogDatum),
    ROW(BACnetError),
    ROW(BACnetDeviceObjectPropertyReference),
    ROW(BACnetLogRecord),
    ROW(ReadAccessSpecification),
    ROW(WriteAccessSpecification),
    ROW(AlarmSummaryAckElement),
    ROW(EnrolmentSummaryAckElement),
    ROW(ReadAccessResult),
    ROW(ReadAccessPropertyValue),
    ROW(BACnetPropertyReference),
    ROW(BACnetDestination),
    ROW(BACnetDailySchedule),
    ROW(BACnetSpecialEvent),
    ROW(BACnetPriorityValue),
    ROW(BACnetPropertyValue),
    ROW(BACnetPropertyStates),
    ROW(BACnetEventParameter),
    ROW(BACnetNotificationParameters),
    ROW(BACnetSelectionCriteria),
    ROW(BACnetClientCOV),
    ROW(BACnetObjectPropertyValue),
    ROW(BACnetNestedValue),
    ROW(BACnetArray),
    ROW(BACnetPriorityArray),
    ROW(BACnetActionList),
    ROW(ListOfBACnetLogRecord),
    ROW(ListOfBACnetCalendarEntry),
    ROW(ListOfBACnetActionList),
    ROW(ListOfBACnetActionCommand),
    ROW(ListOfCharacterString),
    ROW(ListOfObjectIdentifier),
    ROW(BACnetSpecialEventPeriod),
    ROW(Reserved67),
    ROW(Reserved68),
    ROW(ListOfBACnetSessionKey),
    ROW(ListOfBACnetRecipient),
    ROW(ListOfBACnetAddressBinding),
    ROW(ListOfReadAccessSpecification),
    ROW(ListOfReadAccessResult),
    ROW(SequenceOfBACnetReadAccessPropertyValue),
    ROW(ListOfUnsigned),
    ROW(ListOfBACnetDestination),
    ROW(ListOfBACnetDailySchedule),
    ROW(ListOfBACnetSpecialEvent),
    ROW(ListOfBACnetDeviceObjectPropertyReference),
    ROW(ListOfBACnetTimeValue),
    ROW(ListOfBitString),
    ROW(ListOfBACnetPropertyStates),
    ROW(ListOfBACnetObjectPropertyValue),
    ROW(ListOfBACnetTimeStamp),
    ROW(Reserved85),
    ROW(Reserved86),
    ROW(ListOfBACnetPropertyValue),
    ROW(ListOfWriteAccessSpecification),
    ROW(SequenceOfReadAccessSpecification),
    ROW(SequenceOfReadAccessResult),
    ROW(SequenceOfBACnetPropertyReference),
    ROW(ReservedList92),
    ROW(ListOfAlarmSummaryAckElement),
    ROW(ListOfEnrolmentSummaryAckElement),
    ROW(ReservedList95),
    ROW(ReservedList96),
    ROW(BACnetConstructed),
    ROW(ListOfBACnetConstructed),
    ROW(Reserved99),
    ROW(Reserved100),
    ROW(BACnetCOVSubscription),
    ROW(BACnetScale),
    ROW(BACnetPrescale),
    ROW(BACnetAccumulatorRecord),
    ROW(EventSummaryElement),
    ROW(ListOfEventSummaryElement),
    ROW(ListOfBACnetCOVSubscription),
    ROW(Reserved108),
    ROW(Reserved109),
    ROW(BACnetDeviceObjectPropertyValue),
    ROW(ListOfEnumerated),
    ROW(BACnetSetpointReference),
    ROW(ListOfReal),
    ROW(ListOfBoolean),
    ROW(Reserved115),
    ROW(BACnetEventLogRecord),
    ROW(BACnetLogData),
    ROW(BACnetLogMultipleRecord),
    ROW(BACnetLogDataElement),
    ROW(ListOfBACnetLogDataElement),
    ROW(ListOfBACnetEventLogRecord),
    ROW(ListOfBACnetLogMultipleRecord),
    ROW(BACnetShedLevel),
    ROW(BACnetDeviceObjectReference),
    ROW(ListOfBACnetDeviceObjectReference),
    ROW(EventParameterChangeOfBitstring),
    ROW(EventParameterChangeOfState),
    ROW(EventParameterChangeOfValue),
    ROW(EventParameterCommandFailure),
    ROW(EventParameterFloatingLimit),
    ROW(EventParameterOutOfRange),
    ROW(EventParameterBufferReady),
    ROW(EventParameterChangeOfLifeSafety),
    ROW(EventParameterExtended),
    ROW(EventParameterBufferReady2),
    ROW(EventParameterUnsignedRange),
    ROW(BACnetCOVCriteria),
    ROW(NotificationChangeOfBitstring),
    ROW(NotificationChangeOfState),
    ROW(NotificationChangeOfValue),
    ROW(NotificationCommandFailure),
    ROW(NotificationFloatingLimit),
    ROW(NotificationOutOfRange),
    ROW(NotificationBufferReady),
    ROW(NotificationChangeOfLifeSafety),
    ROW(NotificationExtended),
    ROW(NotificationBufferReady2),
    ROW(NotificationUnsignedRange),
    ROW(NotificationChangedValue),
    ROW(ReadAccessResultList),
    ROW(ReadPropertyMultipleAck),
    ROW(BACnetServiceConfirmedEventNotificationRequest),
    ROW(BACnetEventLogDatum),
};
#undef ROW

std::string with_case(const char* name, int (*change)(int))
{
    std::string s(name);
    for (char& c : s) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return s;
}

TEST(TypeNames, EveryCodeHasItsNameAndBack)
{
    std::set<int32_t> named;
    for (const auto& row : kNamedTypes) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(bacnapi_type_name(row.code), nullptr);
        EXPECT_STREQ(bacnapi_type_name(row.code), row.name);
        EXPECT_EQ(bacnapi_type_code(row.name), row.code);
        EXPECT_EQ(bacnapi_type_code(with_case(row.name, ::tolower).c_str()), row.code);
        EXPECT_EQ(bacnapi_type_code(with_case(row.name, ::toupper).c_str()), row.code);
        named.insert(row.code);
    }
    // Every code of the table is covered above; the rest have no name.
    for (int32_t code = -2; code < 160; ++code) {
        if (!named.count(code)) {
            EXPECT_EQ(bacnapi_type_name(code), nullptr) << code;
        }
    }
    EXPECT_EQ(named.size(), 147u);
}

TEST(TypeNames, UnknownNamesAreRefused)
{
    const char* const unknown[] = {"", "Rea", "Reals", "Real ", " Real", "4", "ListOf", "BACnetDate Time",
                                    "Reserved", "Null\n", "Bo\xC3\xB6lean", "int", "BACNAPI_TYPE_Real"};
    for (const char* name : unknown) EXPECT_EQ(bacnapi_type_code(name), BACNAPI_E_INVALIDARG) << name;
    EXPECT_EQ(bacnapi_type_code(nullptr), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_type_name(INT32_MIN), nullptr);
    EXPECT_EQ(bacnapi_type_name(INT32_MAX), nullptr);
}

} // namespace
