// The descriptor table: one entry per type code 20..153, in type-code order.
#include "value/record_size.h"
#include "walk/walk_functions.h"

namespace bacnapi {

// One row per type code 20..153, in code order (checked below): the walk function that
// describes the type's fields, and the function run after each of its fields. The record size
// comes from the type catalogue.
#define BACNAPI_DESCRIBED_TYPES(X) \
    X(20, walk_SignedLong, nullptr) /* SignedLong */ \
    X(21, walk_BACnetAddress, finish_BACnetAddress) /* BACnetAddress */ \
    X(22, walk_BACnetDateTime, nullptr) /* BACnetDateTime */ \
    X(23, walk_BACnetCalendarEntry, nullptr) /* BACnetCalendarEntry */ \
    X(24, walk_BACnetDateRange, nullptr) /* BACnetDateRange */ \
    X(25, walk_BACnetWeekNDay, finish_BACnetWeekNDay) /* BACnetWeekNDay */ \
    X(26, walk_BACnetTimeValue, nullptr) /* BACnetTimeValue */ \
    X(27, walk_BACnetTimeStamp, nullptr) /* BACnetTimeStamp */ \
    X(28, walk_BACnetActionCommand, nullptr) /* BACnetActionCommand */ \
    X(29, walk_BACnetSessionKey, nullptr) /* BACnetSessionKey */ \
    X(30, walk_BACnetRecipient, nullptr) /* BACnetRecipient */ \
    X(31, walk_BACnetRecipientProcess, nullptr) /* BACnetRecipientProcess */ \
    X(32, walk_BACnetAddressBinding, nullptr) /* BACnetAddressBinding */ \
    X(33, walk_BACnetObjectPropertyReference, nullptr) /* BACnetObjectPropertyReference */ \
    X(34, walk_BACnetLogDatum, nullptr) /* BACnetLogDatum */ \
    X(35, walk_BACnetError, nullptr) /* BACnetError */ \
    X(36, walk_BACnetDeviceObjectPropertyReference, nullptr) /* BACnetDeviceObjectPropertyReference */ \
    X(37, walk_BACnetLogRecord, nullptr) /* BACnetLogRecord */ \
    X(38, walk_ReadAccessSpecification, nullptr) /* ReadAccessSpecification */ \
    X(39, walk_WriteAccessSpecification, nullptr) /* WriteAccessSpecification */ \
    X(40, walk_AlarmSummaryAckElement, nullptr) /* AlarmSummaryAckElement */ \
    X(41, walk_EnrolmentSummaryAckElement, nullptr) /* EnrolmentSummaryAckElement */ \
    X(42, walk_ReadAccessResult, nullptr) /* ReadAccessResult */ \
    X(43, walk_ReadAccessPropertyValue, nullptr) /* ReadAccessPropertyValue */ \
    X(44, walk_BACnetPropertyReference, nullptr) /* BACnetPropertyReference */ \
    X(45, walk_BACnetDestination, nullptr) /* BACnetDestination */ \
    X(46, walk_BACnetDailySchedule, nullptr) /* BACnetDailySchedule */ \
    X(47, walk_BACnetSpecialEvent, nullptr) /* BACnetSpecialEvent */ \
    X(48, walk_BACnetPriorityValue, nullptr) /* BACnetPriorityValue */ \
    X(49, walk_BACnetPropertyValue, nullptr) /* BACnetPropertyValue */ \
    X(50, walk_BACnetPropertyStates, nullptr) /* BACnetPropertyStates */ \
    X(51, walk_BACnetEventParameter, nullptr) /* BACnetEventParameter */ \
    X(52, walk_BACnetNotificationParameters, nullptr) /* BACnetNotificationParameters */ \
    X(53, nullptr, nullptr) /* BACnetSelectionCriteria */ \
    X(54, walk_BACnetClientCOV, nullptr) /* BACnetClientCOV */ \
    X(55, walk_BACnetObjectPropertyValue, nullptr) /* BACnetObjectPropertyValue */ \
    X(56, nullptr, nullptr) /* BACnetNestedValue */ \
    X(57, nullptr, nullptr) /* BACnetArray */ \
    X(58, walk_BACnetPriorityArray, nullptr) /* BACnetPriorityArray */ \
    X(59, walk_BACnetActionList, nullptr) /* BACnetActionList */ \
    X(60, walk_ListOfBACnetLogRecord, nullptr) /* ListOfBACnetLogRecord */ \
    X(61, walk_ListOfBACnetCalendarEntry, nullptr) /* ListOfBACnetCalendarEntry */ \
    X(62, walk_ListOfBACnetActionList, nullptr) /* ListOfBACnetActionList */ \
    X(63, walk_ListOfBACnetActionCommand, nullptr) /* ListOfBACnetActionCommand */ \
    X(64, walk_ListOfCharacterString, nullptr) /* ListOfCharacterString */ \
    X(65, walk_ListOfObjectIdentifier, nullptr) /* ListOfObjectIdentifier */ \
    X(66, walk_BACnetSpecialEventPeriod, nullptr) /* BACnetSpecialEventPeriod */ \
    X(67, nullptr, nullptr) /* Reserved67 */ \
    X(68, nullptr, nullptr) /* Reserved68 */ \
    X(69, nullptr, nullptr) /* ListOfBACnetSessionKey */ \
    X(70, walk_ListOfBACnetRecipient, nullptr) /* ListOfBACnetRecipient */ \
    X(71, walk_ListOfBACnetAddressBinding, nullptr) /* ListOfBACnetAddressBinding */ \
    X(72, walk_ListOfReadAccessSpecification, nullptr) /* ListOfReadAccessSpecification */ \
    X(73, walk_ListOfReadAccessResult, nullptr) /* ListOfReadAccessResult */ \
    X(74, walk_SequenceOfBACnetReadAccessPropertyValue, nullptr) /* SequenceOfBACnetReadAccessPropertyValue */ \
    X(75, walk_ListOfUnsigned, nullptr) /* ListOfUnsigned */ \
    X(76, walk_ListOfBACnetDestination, nullptr) /* ListOfBACnetDestination */ \
    X(77, walk_ListOfBACnetDailySchedule, nullptr) /* ListOfBACnetDailySchedule */ \
    X(78, walk_ListOfBACnetSpecialEvent, nullptr) /* ListOfBACnetSpecialEvent */ \
    X(79, walk_ListOfBACnetDeviceObjectPropertyReference, nullptr) /* ListOfBACnetDeviceObjectPropertyReference */ \
    X(80, walk_ListOfBACnetTimeValue, nullptr) /* ListOfBACnetTimeValue */ \
    X(81, walk_ListOfBitString, nullptr) /* ListOfBitString */ \
    X(82, walk_ListOfBACnetPropertyStates, nullptr) /* ListOfBACnetPropertyStates */ \
    X(83, walk_ListOfBACnetObjectPropertyValue, nullptr) /* ListOfBACnetObjectPropertyValue */ \
    X(84, walk_ListOfBACnetTimeStamp, nullptr) /* ListOfBACnetTimeStamp */ \
    X(85, nullptr, nullptr) /* Reserved85 */ \
    X(86, nullptr, nullptr) /* Reserved86 */ \
    X(87, walk_ListOfBACnetPropertyValue, nullptr) /* ListOfBACnetPropertyValue */ \
    X(88, walk_ListOfWriteAccessSpecification, nullptr) /* ListOfWriteAccessSpecification */ \
    X(89, walk_SequenceOfReadAccessSpecification, nullptr) /* SequenceOfReadAccessSpecification */ \
    X(90, walk_SequenceOfReadAccessResult, nullptr) /* SequenceOfReadAccessResult */ \
    X(91, walk_SequenceOfBACnetPropertyReference, nullptr) /* SequenceOfBACnetPropertyReference */ \
    X(92, nullptr, nullptr) /* ReservedList92 */ \
    X(93, walk_ListOfAlarmSummaryAckElement, nullptr) /* ListOfAlarmSummaryAckElement */ \
    X(94, walk_ListOfEnrolmentSummaryAckElement, nullptr) /* ListOfEnrolmentSummaryAckElement */ \
    X(95, nullptr, nullptr) /* ReservedList95 */ \
    X(96, nullptr, nullptr) /* ReservedList96 */ \
    X(97, nullptr, nullptr) /* BACnetConstructed */ \
    X(98, nullptr, nullptr) /* ListOfBACnetConstructed */ \
    X(99, nullptr, nullptr) /* Reserved99 */ \
    X(100, nullptr, nullptr) /* Reserved100 */ \
    X(101, walk_BACnetCOVSubscription, finish_BACnetCOVSubscription) /* BACnetCOVSubscription */ \
    X(102, walk_BACnetScale, nullptr) /* BACnetScale */ \
    X(103, walk_BACnetPrescale, nullptr) /* BACnetPrescale */ \
    X(104, walk_BACnetAccumulatorRecord, nullptr) /* BACnetAccumulatorRecord */ \
    X(105, walk_EventSummaryElement, nullptr) /* EventSummaryElement */ \
    X(106, walk_ListOfEventSummaryElement, nullptr) /* ListOfEventSummaryElement */ \
    X(107, walk_ListOfBACnetCOVSubscription, nullptr) /* ListOfBACnetCOVSubscription */ \
    X(108, nullptr, nullptr) /* Reserved108 */ \
    X(109, nullptr, nullptr) /* Reserved109 */ \
    X(110, walk_BACnetDeviceObjectPropertyValue, nullptr) /* BACnetDeviceObjectPropertyValue */ \
    X(111, walk_ListOfEnumerated, nullptr) /* ListOfEnumerated */ \
    X(112, walk_BACnetSetpointReference, nullptr) /* BACnetSetpointReference */ \
    X(113, walk_ListOfReal, nullptr) /* ListOfReal */ \
    X(114, walk_ListOfBoolean, nullptr) /* ListOfBoolean */ \
    X(115, nullptr, nullptr) /* Reserved115 */ \
    X(116, walk_BACnetEventLogRecord, nullptr) /* BACnetEventLogRecord */ \
    X(117, walk_BACnetLogData, nullptr) /* BACnetLogData */ \
    X(118, walk_BACnetLogMultipleRecord, nullptr) /* BACnetLogMultipleRecord */ \
    X(119, walk_BACnetLogDataElement, nullptr) /* BACnetLogDataElement */ \
    X(120, walk_ListOfBACnetLogDataElement, nullptr) /* ListOfBACnetLogDataElement */ \
    X(121, walk_ListOfBACnetEventLogRecord, nullptr) /* ListOfBACnetEventLogRecord */ \
    X(122, walk_ListOfBACnetLogMultipleRecord, nullptr) /* ListOfBACnetLogMultipleRecord */ \
    X(123, walk_BACnetShedLevel, nullptr) /* BACnetShedLevel */ \
    X(124, walk_BACnetDeviceObjectReference, nullptr) /* BACnetDeviceObjectReference */ \
    X(125, walk_ListOfBACnetDeviceObjectReference, nullptr) /* ListOfBACnetDeviceObjectReference */ \
    X(126, walk_EventParameterChangeOfBitstring, nullptr) /* EventParameterChangeOfBitstring */ \
    X(127, walk_EventParameterChangeOfState, nullptr) /* EventParameterChangeOfState */ \
    X(128, walk_EventParameterChangeOfValue, nullptr) /* EventParameterChangeOfValue */ \
    X(129, walk_EventParameterCommandFailure, nullptr) /* EventParameterCommandFailure */ \
    X(130, walk_EventParameterFloatingLimit, nullptr) /* EventParameterFloatingLimit */ \
    X(131, walk_EventParameterOutOfRange, nullptr) /* EventParameterOutOfRange */ \
    X(132, walk_EventParameterBufferReady, nullptr) /* EventParameterBufferReady */ \
    X(133, walk_EventParameterChangeOfLifeSafety, nullptr) /* EventParameterChangeOfLifeSafety */ \
    X(134, walk_EventParameterExtended, nullptr) /* EventParameterExtended */ \
    X(135, walk_EventParameterBufferReady, nullptr) /* EventParameterBufferReady2 */ \
    X(136, walk_EventParameterUnsignedRange, nullptr) /* EventParameterUnsignedRange */ \
    X(137, walk_BACnetCOVCriteria, nullptr) /* BACnetCOVCriteria */ \
    X(138, walk_NotificationChangeOfBitstring, nullptr) /* NotificationChangeOfBitstring */ \
    X(139, walk_NotificationChangeOfState, nullptr) /* NotificationChangeOfState */ \
    X(140, walk_NotificationChangeOfValue, nullptr) /* NotificationChangeOfValue */ \
    X(141, walk_NotificationCommandFailure, nullptr) /* NotificationCommandFailure */ \
    X(142, walk_NotificationFloatingLimit, nullptr) /* NotificationFloatingLimit */ \
    X(143, walk_NotificationOutOfRange, nullptr) /* NotificationOutOfRange */ \
    X(144, walk_NotificationBufferReady, nullptr) /* NotificationBufferReady */ \
    X(145, walk_NotificationChangeOfLifeSafety, nullptr) /* NotificationChangeOfLifeSafety */ \
    X(146, walk_NotificationExtended, nullptr) /* NotificationExtended */ \
    X(147, walk_NotificationBufferReady2, nullptr) /* NotificationBufferReady2 */ \
    X(148, walk_NotificationUnsignedRange, nullptr) /* NotificationUnsignedRange */ \
    X(149, walk_NotificationChangedValue, nullptr) /* NotificationChangedValue */ \
    X(150, walk_ReadAccessResultList, nullptr) /* ReadAccessResultList */ \
    X(151, walk_ReadPropertyMultipleAck, nullptr) /* ReadPropertyMultipleAck */ \
    X(152, walk_BACnetServiceConfirmedEventNotificationRequest, nullptr) /* BACnetServiceConfirmedEventNotificationRequest */ \
    X(153, walk_BACnetEventLogDatum, nullptr) /* BACnetEventLogDatum */

#define BACNAPI_DESCRIPTOR(code, walk, finish) {walk, finish, record_size_of(code)},
const BACnetTypeDescriptor bacnapi_type_descriptors[kDescriptorCount] = {BACNAPI_DESCRIBED_TYPES(BACNAPI_DESCRIPTOR)};
#undef BACNAPI_DESCRIPTOR

namespace {

#define BACNAPI_DESCRIBED_CODE(code, walk, finish) code,
constexpr int32_t kDescribedCodes[] = {BACNAPI_DESCRIBED_TYPES(BACNAPI_DESCRIBED_CODE)};
#undef BACNAPI_DESCRIBED_CODE

constexpr bool descriptors_in_code_order()
{
    for (int32_t i = 0; i < kDescriptorCount; ++i)
        if (kDescribedCodes[i] != kFirstDescribedType + i) return false;
    return true;
}
static_assert(sizeof kDescribedCodes / sizeof kDescribedCodes[0] == kDescriptorCount,
              "one descriptor row per type code 20..153");
static_assert(descriptors_in_code_order(), "descriptor row i must describe type code 20 + i");

} // namespace

#undef BACNAPI_DESCRIBED_TYPES

const BACnetTypeDescriptor* find_descriptor(int32_t type)
{
    if (type < kFirstDescribedType || type >= kFirstDescribedType + kDescriptorCount) return nullptr;
    const BACnetTypeDescriptor* d = &bacnapi_type_descriptors[type - kFirstDescribedType];
    return d->walk ? d : nullptr;
}

} // namespace bacnapi
