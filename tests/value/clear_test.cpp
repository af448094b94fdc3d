// Clear by type and the Clear family.
//
// The family is checked from one table: each row names an operation, the record it takes, the
// heap parts to hang in the record and what the record must look like afterwards. Records start
// filled with a byte pattern, so a member that should be kept shows whether it was; "decoy" parts
// sit where an alternative that the selector does not name would keep a buffer, and must survive.
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace values_test { // the heap watch, in initialize_test.cpp
bool heap_watch_active();
long heap_live_blocks();
} // namespace values_test

namespace {

using values_test::heap_live_blocks;
using values_test::heap_watch_active;

constexpr unsigned char kPattern = 0x5A;

bool all_zero(const void* bytes, size_t size)
{
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i)
        if (p[i] != 0) return false;
    return true;
}

template <class T> T* heap_block(size_t count) { return static_cast<T*>(std::calloc(count, sizeof(T))); }

// ---- Heap parts -------------------------------------------------------------------------------

BACnetBitString make_bits() { return {4, 4, heap_block<uint8_t>(4)}; }
BACnetOctetString make_octets() { return {5, heap_block<uint8_t>(5)}; }

BACnetCharacterString make_chars()
{
    BACnetCharacterString c{};
    c.data = heap_block<char>(4);
    std::memcpy(c.data, "abc", 4);
    c.length = 3;
    return c;
}

BACnetDataType make_text_value()
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_CharacterString;
    v.payload.characterString = make_chars();
    return v;
}

// A special event whose list holds two time values (a text and octets) and whose second nested
// value is a bit string: records, a list, its slots and three string buffers.
BACnetDataType make_rich_value()
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, BACNAPI_TYPE_BACnetSpecialEvent), 0);
    auto* event = static_cast<BACnetSpecialEvent*>(v.payload.record);
    BACnetValueList* list = event->listOfTimeValues.payload.list;
    for (BACnetDataType* slot : {&list->elements[0], &list->elements[1]})
        EXPECT_EQ(bacnapi_initialize_data(slot, BACNAPI_TYPE_BACnetTimeValue), 0);
    static_cast<BACnetTimeValue*>(list->elements[0].payload.record)->value = make_text_value();
    BACnetDataType& octets = static_cast<BACnetTimeValue*>(list->elements[1].payload.record)->value;
    octets.type = BACNAPI_TYPE_OctetString;
    octets.payload.octetString = make_octets();
    list->count = 2;
    event->extraValue.type = BACNAPI_TYPE_BitString;
    event->extraValue.payload.bitString = make_bits();
    return v;
}

// Head-inline sequences: element 0 in place, element i in overflow slot i (slot 0 unused).
SequenceOfBACnetPropertyReference make_reference_run()
{
    SequenceOfBACnetPropertyReference run{{85, 0xFFFFFFFFu}, heap_block<BACnetPropertyReference>(4), 3};
    run.elements[1] = {77, 1};
    run.elements[2] = {28, 2};
    return run;
}

// A property value inline; in the overflow array a decoy text in the unused slot 0, an access
// error lying over a decoy text (slot 1) and a rich property value (slot 2).
ReadAccessResultList make_result_run(std::vector<void*>& decoys)
{
    ReadAccessResultList run{};
    run.first.result.propertyValue = make_text_value();
    run.elements = heap_block<ReadAccessPropertyValue>(4);
    for (int i : {0, 1}) {
        run.elements[i].result.propertyValue = make_text_value();
        decoys.push_back(run.elements[i].result.propertyValue.payload.characterString.data);
    }
    run.elements[1].choice = 1;
    run.elements[2].result.propertyValue = make_rich_value();
    run.count = 3;
    return run;
}

SequenceOfReadAccessSpecification make_specification_run()
{
    SequenceOfReadAccessSpecification run{};
    run.first.listOfPropertyReferences = make_reference_run();
    run.elements = heap_block<ReadAccessSpecification>(4);
    run.elements[1].listOfPropertyReferences = make_reference_run();
    run.elements[2].listOfPropertyReferences.count = 1; // a run without an overflow array
    run.count = 3;
    return run;
}

SequenceOfReadAccessResult make_result_sequence(std::vector<void*>& decoys)
{
    SequenceOfReadAccessResult run{};
    run.first.listOfResults = make_result_run(decoys);
    run.elements = heap_block<ReadAccessResult>(2);
    run.elements[1].listOfResults = make_result_run(decoys);
    run.count = 2;
    return run;
}

// ---- The table --------------------------------------------------------------------------------

enum class P { Bits, Octets, Chars, Block, Value, RefRun, ResultRun, SpecRun, ResultSeq, Zeroed,
               DecoyBits, DecoyOctets, DecoyChars, DecoyValue };
enum class O {
    Zero,     // zero-filled (then the "after" members set)
    Keep,     // the released parts are empty, every other byte as it was
    Untouched // not one byte changes
};
struct Piece {
    P part;
    size_t offset;
    size_t size = 0; // Zeroed only
};
struct Set {
    size_t offset;
    int32_t value;
};
struct Row {
    const char* name;
    size_t size;
    int32_t (*clear)(void*); // null: a row for clear by type only
    O outcome = O::Zero;
    std::vector<Set> before{}; // selectors
    std::vector<Piece> pieces{};
    std::vector<Set> after{};
    int32_t code = 0; // the type code whose clear by type releases this record, or 0
};

template <class R, int32_t (*F)(R*)> int32_t erase(void* record) { return F(static_cast<R*>(record)); }

#define OP(R, F) .name = #F, .size = sizeof(R), .clear = &erase<R, F>
#define BY_TYPE(R) .name = #R, .size = sizeof(R), .clear = nullptr
#define AT(R, member) offsetof(R, member)

using EP = BACnetEventParameter;
using NP = BACnetNotificationParameters;
using SN = BACnetServiceConfirmedEventNotificationRequest;
using LR = BACnetLogRecord;
using ELR = BACnetEventLogRecord;
using TM = TextMessageRequest;
constexpr int32_t kAbsent = -1; // 0xFFFFFFFF

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        {OP(BACnetBitString, bacnapi_ClearBitString), .pieces = {{P::Bits, 0}}},
        {OP(BACnetOctetString, bacnapi_ClearOctet), .pieces = {{P::Octets, 0}}},
        {OP(BACnetCharacterString, bacnapi_ClearCharacterString), .pieces = {{P::Chars, 0}}},
        {OP(BACnetByteBuffer, bacnapi_ClearBuffer), .pieces = {{P::Block, AT(BACnetByteBuffer, data)}}},
        {OP(BACnetAddress, bacnapi_ClearBACnetAddress)},
        {OP(BACnetRecipient, bacnapi_ClearBACnetRecipient)},
        {OP(BACnetRecipientProcess, bacnapi_ClearBACnetRecipientProcess)},
        {OP(BACnetCOVSubscription, bacnapi_ClearBACnetCOVSubscription)},
        {OP(EnrolmentSummaryAckElement, bacnapi_ClearEnrolmentSummaryAckElement)},
        {OP(BACnetAccumulatorRecord, bacnapi_ClearBACnetAccumulatorRecord)},
        {OP(BACnetAddressBinding, bacnapi_ClearBACnetAddressBinding)},
        {OP(IamRequest, bacnapi_ClearIamRequest)},
        {OP(BACnetDateTime, bacnapi_ClearDateTime)},
        {OP(BACnetPrescale, bacnapi_ClearBACnetPrescale)},
        {OP(BACnetPropertyStates, bacnapi_ClearBACnetPropertyStates)},
        {OP(BACnetScale, bacnapi_ClearBACnetScale)},
        {OP(CreateObjectAck, bacnapi_ClearCreateObjectAck)},
        {OP(WhoIsRequest, bacnapi_ClearWhoIsRequest)},
        {OP(ReadPropertyRequest, bacnapi_ClearReadPropertyRequest)},
        {OP(RequestKeyRequest, bacnapi_ClearRequestKeyRequest), .outcome = O::Keep,
         .pieces = {{P::Zeroed, AT(RequestKeyRequest, requestingDeviceAddress), sizeof(BACnetAddress)},
                    {P::Zeroed, AT(RequestKeyRequest, remoteDeviceAddress), sizeof(BACnetAddress)}}},
        {OP(GetEnrolmentSummaryRequest, bacnapi_ClearGetEnrolmentSummaryRequest), .outcome = O::Keep,
         .pieces = {{P::Zeroed, AT(GetEnrolmentSummaryRequest, enrollmentFilter), sizeof(BACnetRecipientProcess)}}},
        {OP(AtomicReadFileRequest, bacnapi_ClearAtomicReadFileRequest), .outcome = O::Untouched},
        {OP(AtomicWriteFileAck, bacnapi_ClearAtomicWriteFileAck), .outcome = O::Untouched},
        {OP(GetEventInformationRequest, bacnapi_ClearGetEventInformationRequest), .outcome = O::Untouched},
        {OP(ReadRangeRequest, bacnapi_ClearReadRangeRequest), .outcome = O::Untouched},
        {OP(SubscribeCOVPropertyRequest, bacnapi_ClearSubscribeCOVPropertyRequest), .outcome = O::Untouched},
        {OP(SubscribeCOVRequest, bacnapi_ClearSubscribeCOVRequest), .outcome = O::Untouched},
        {OP(TimeSynchronizationRequest, bacnapi_ClearTimeSynchronization), .outcome = O::Untouched},
        {OP(TimeSynchronizationRequest, bacnapi_ClearUtcTimeSynchronization), .outcome = O::Untouched},
        // One nested value; the rest kept.
        {OP(BACnetConstructed, bacnapi_ClearBACnetConstructed), .outcome = O::Keep,
         .pieces = {{P::Value, AT(BACnetConstructed, value)}}, .after = {{AT(BACnetConstructed, leadingField), kAbsent}},
         .code = 97},
        {OP(BACnetTimeValue, bacnapi_ClearBACnetTimeValue), .outcome = O::Keep,
         .pieces = {{P::Value, AT(BACnetTimeValue, value)}}, .code = 26},
        {OP(BACnetObjectPropertyValue, bacnapi_ClearBACnetObjectPropertyValue), .outcome = O::Keep,
         .pieces = {{P::Value, AT(BACnetObjectPropertyValue, value)}}, .code = 55},
        {OP(ConfirmedPrivateTransferRequest, bacnapi_ClearConfirmedPrivateTransferRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(ConfirmedPrivateTransferRequest, serviceParameters)}}},
        {OP(UnconfirmedPrivateTransferRequest, bacnapi_ClearUnconfirmedPrivateTransferRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(UnconfirmedPrivateTransferRequest, serviceParameters)}}},
        {OP(ConfirmedPrivateTransferAck, bacnapi_ClearConfirmedPrivateTransferAck), .outcome = O::Keep,
         .pieces = {{P::Value, AT(ConfirmedPrivateTransferAck, resultBlock)}}},
        {OP(AddListElementRequest, bacnapi_ClearAddListElementRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(AddListElementRequest, listOfElements)}}},
        {OP(RemoveListElementRequest, bacnapi_ClearRemoveListElementRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(RemoveListElementRequest, listOfElements)}}},
        {OP(ConfirmedCOVNotificationRequest, bacnapi_ClearConfirmedCOVnotificationRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(ConfirmedCOVNotificationRequest, listOfValues)}}},
        {OP(UnconfirmedCOVNotificationRequest, bacnapi_ClearUnconfirmedCOVNotificationRequest), .outcome = O::Keep,
         .pieces = {{P::Value, AT(UnconfirmedCOVNotificationRequest, listOfValues)}}},
        // Nested values, zero-filled.
        {OP(BACnetActionCommand, bacnapi_ClearBACnetActionCommand),
         .pieces = {{P::Value, AT(BACnetActionCommand, propertyValue)}}, .code = 28},
        {OP(BACnetDeviceObjectPropertyValue, bacnapi_ClearBACnetDeviceObjectPropertyValue),
         .pieces = {{P::Value, AT(BACnetDeviceObjectPropertyValue, value)}}, .code = 110},
        {OP(BACnetPropertyValue, bacnapi_ClearBACnetPropertyValue), .pieces = {{P::Value, AT(BACnetPropertyValue, value)}},
         .code = 49},
        {OP(WritePropertyRequest, bacnapi_ClearWritePropertyRequest),
         .pieces = {{P::Value, AT(WritePropertyRequest, propertyValue)}}},
        {OP(BACnetSelectionCriteria, bacnapi_ClearBACnetSelectionCriteria),
         .pieces = {{P::Value, AT(BACnetSelectionCriteria, comparisonValue)}}, .code = 53},
        {OP(CreateObjectRequest, bacnapi_ClearCreateObjectRequest),
         .pieces = {{P::Value, AT(CreateObjectRequest, listOfInitialValues)}}},
        {OP(ReadPropertyAck, bacnapi_ClearReadPropertyAck), .pieces = {{P::Value, AT(ReadPropertyAck, propertyValue)}}},
        {OP(BACnetDailySchedule, bacnapi_ClearBACnetDailySchedule),
         .pieces = {{P::Value, AT(BACnetDailySchedule, daySchedule)}}, .code = 46},
        {OP(WritePropertyMultipleRequest, bacnapi_ClearWritePropertyMultipleRequest),
         .pieces = {{P::Value, AT(WritePropertyMultipleRequest, listOfWriteAccessSpecifications)}}},
        {OP(BACnetActionList, bacnapi_ClearBACnetActionList), .pieces = {{P::Value, AT(BACnetActionList, action)}}, .code = 59},
        {OP(WriteAccessSpecification, bacnapi_ClearWriteAccessSpecification),
         .pieces = {{P::Value, AT(WriteAccessSpecification, listOfProperties)}}, .code = 39},
        {OP(BACnetSpecialEvent, bacnapi_ClearBACnetSpecialEvent),
         .pieces = {{P::Value, AT(BACnetSpecialEvent, listOfTimeValues)}, {P::Value, AT(BACnetSpecialEvent, extraValue)}},
         .code = 47},
        {BY_TYPE(BACnetNestedValue), .pieces = {{P::Value, AT(BACnetNestedValue, value)}}, .code = 56},
        {OP(BACnetPriorityValue, bacnapi_ClearBACnetPriorityValue), .before = {{AT(BACnetPriorityValue, kind), 5}},
         .pieces = {{P::Value, AT(BACnetPriorityValue, value.constructedValue)}}, .code = 48},
        {OP(BACnetPriorityValue, bacnapi_ClearBACnetPriorityValue), .before = {{AT(BACnetPriorityValue, kind), 1}},
         .pieces = {{P::DecoyValue, AT(BACnetPriorityValue, value.constructedValue)}}},
        {OP(ReadAccessPropertyValue, bacnapi_ClearReadAccessPropertyValue), .before = {{AT(ReadAccessPropertyValue, choice), 0}},
         .pieces = {{P::Value, AT(ReadAccessPropertyValue, result.propertyValue)}}, .code = 43},
        {OP(ReadAccessPropertyValue, bacnapi_ClearReadAccessPropertyValue), .before = {{AT(ReadAccessPropertyValue, choice), 1}},
         .pieces = {{P::DecoyValue, AT(ReadAccessPropertyValue, result.propertyValue)}}},
        {OP(BACnetServiceError, bacnapi_ClearBACnetError), .before = {{AT(BACnetServiceError, serviceChoice), 18}},
         .pieces = {{P::Value, AT(BACnetServiceError, details.errorParameters)}}},
        {OP(BACnetServiceError, bacnapi_ClearBACnetError), .before = {{AT(BACnetServiceError, serviceChoice), 22}},
         .pieces = {{P::Value, AT(BACnetServiceError, details.listOfVTSessionIdentifiers)}}},
        {OP(BACnetServiceError, bacnapi_ClearBACnetError), .before = {{AT(BACnetServiceError, serviceChoice), 12}},
         .pieces = {{P::DecoyValue, AT(BACnetServiceError, details.errorParameters)}}},
        // Strings.
        {OP(BACnetSessionKey, bacnapi_ClearBACnetSessionKey), .pieces = {{P::Octets, AT(BACnetSessionKey, sessionKey)}},
         .code = 29},
        {OP(AlarmSummaryAckElement, bacnapi_ClearAlarmSummaryAckElement),
         .pieces = {{P::Bits, AT(AlarmSummaryAckElement, acknowledgedTransitions)}}, .code = 40},
        {OP(BACnetDestination, bacnapi_ClearBACnetDestination),
         .pieces = {{P::Bits, AT(BACnetDestination, validDays)}, {P::Bits, AT(BACnetDestination, transitions)}}, .code = 45},
        {OP(EventSummaryElement, bacnapi_ClearBACnetEventSummaryElement),
         .pieces = {{P::Bits, AT(EventSummaryElement, acknowledgedTransitions)}, {P::Bits, AT(EventSummaryElement, eventEnable)},
                    {P::Value, AT(EventSummaryElement, eventTimeStamps)}, {P::Value, AT(EventSummaryElement, eventPriorities)}},
         .code = 105},
        {OP(IHaveRequest, bacnapi_ClearIHaveRequest), .pieces = {{P::Chars, AT(IHaveRequest, objectName)}}},
        {OP(AcknowledgeAlarmRequest, bacnapi_ClearAcknowledgeAlarmRequest),
         .pieces = {{P::Chars, AT(AcknowledgeAlarmRequest, acknowledgmentSource)}}},
        {OP(ReinitializeDeviceRequest, bacnapi_ClearReinitializeDeviceRequest), .outcome = O::Keep,
         .pieces = {{P::Chars, AT(ReinitializeDeviceRequest, password)}}},
        {OP(DeviceCommunicationControlRequest, bacnapi_ClearDeviceCommunicationControlRequest), .outcome = O::Keep,
         .pieces = {{P::Chars, AT(DeviceCommunicationControlRequest, password)}}},
        {OP(LifeSafetyOperationRequest, bacnapi_ClearLifeSafetyOperationRequest), .outcome = O::Keep,
         .pieces = {{P::Chars, AT(LifeSafetyOperationRequest, requestingSource)}}},
        {OP(AuthenticateRequest, bacnapi_ClearAuthenticateRequest), .outcome = O::Keep,
         .pieces = {{P::Chars, AT(AuthenticateRequest, operatorName)}, {P::Chars, AT(AuthenticateRequest, operatorPassword)}}},
        {OP(TM, bacnapi_ClearConfirmedTextMessageRequest), .outcome = O::Keep, .before = {{AT(TM, messageClassChoice), 1}},
         .pieces = {{P::Chars, AT(TM, message)}, {P::Chars, AT(TM, messageClass.character)}}},
        {OP(TM, bacnapi_ClearUnconfirmedTextMessageRequest), .outcome = O::Keep, .before = {{AT(TM, messageClassChoice), 0}},
         .pieces = {{P::Chars, AT(TM, message)}, {P::DecoyChars, AT(TM, messageClass.character)}}},
        {OP(WhoHasRequest, bacnapi_ClearWhoHas), .outcome = O::Keep, .before = {{AT(WhoHasRequest, objectChoice), 1}},
         .pieces = {{P::Chars, AT(WhoHasRequest, object.objectName)}}},
        {OP(WhoHasRequest, bacnapi_ClearWhoHas), .outcome = O::Keep, .before = {{AT(WhoHasRequest, objectChoice), 0}},
         .pieces = {{P::DecoyChars, AT(WhoHasRequest, object.objectName)}}},
        {OP(ReadRangeAck, bacnapi_ClearReadRangeAck), .outcome = O::Keep,
         .pieces = {{P::Value, AT(ReadRangeAck, itemData)}, {P::Bits, AT(ReadRangeAck, resultFlags)}}},
        {OP(AtomicReadFileAck, bacnapi_ClearAtomicReadFileAck), .outcome = O::Keep,
         .before = {{AT(AtomicReadFileAck, accessMethod), 0}}, .pieces = {{P::Octets, AT(AtomicReadFileAck, fileData)}}},
        {OP(AtomicReadFileAck, bacnapi_ClearAtomicReadFileAck), .outcome = O::Keep,
         .before = {{AT(AtomicReadFileAck, accessMethod), 2}}, .pieces = {{P::DecoyOctets, AT(AtomicReadFileAck, fileData)}}},
        {OP(AtomicWriteFileRequest, bacnapi_ClearAtomicWriteFileRequest), .outcome = O::Keep,
         .before = {{AT(AtomicWriteFileRequest, accessMethod), 1}}, .pieces = {{P::Octets, AT(AtomicWriteFileRequest, fileData)}}},
        {OP(AtomicWriteFileRequest, bacnapi_ClearAtomicWriteFileRequest), .outcome = O::Keep,
         .before = {{AT(AtomicWriteFileRequest, accessMethod), -1}},
         .pieces = {{P::DecoyOctets, AT(AtomicWriteFileRequest, fileData)}}},
        // Logs.
        {OP(LR, bacnapi_ClearBACnetLogRecord), .before = {{AT(LR, logDatumChoice), 0}},
         .pieces = {{P::Bits, AT(LR, statusFlags)}, {P::Bits, AT(LR, logDatum.logStatus)}}, .code = 37},
        {OP(LR, bacnapi_ClearBACnetLogRecord), .before = {{AT(LR, logDatumChoice), 6}},
         .pieces = {{P::Bits, AT(LR, statusFlags)}, {P::Bits, AT(LR, logDatum.bitstringValue)}}},
        {OP(LR, bacnapi_ClearBACnetLogRecord), .before = {{AT(LR, logDatumChoice), 10}},
         .pieces = {{P::Bits, AT(LR, statusFlags)}, {P::Value, AT(LR, logDatum.anyValue)}}},
        {OP(LR, bacnapi_ClearBACnetLogRecord), .before = {{AT(LR, logDatumChoice), 2}},
         .pieces = {{P::Bits, AT(LR, statusFlags)}, {P::DecoyBits, AT(LR, logDatum.logStatus)}}},
        {OP(ELR, bacnapi_ClearBACnetEventLogRecord), .before = {{AT(ELR, logDatumChoice), 0}},
         .pieces = {{P::Bits, AT(ELR, logDatum.logStatus)}}, .code = 116},
        {OP(ELR, bacnapi_ClearBACnetEventLogRecord),
         .before = {{AT(ELR, logDatumChoice), 1}, {AT(ELR, logDatum.notification.eventValues.choice), 3}},
         .pieces = {{P::Chars, AT(ELR, logDatum.notification.messageText)},
                    {P::Value, AT(ELR, logDatum.notification.eventValues.parameters.commandFailure.commandValue)},
                    {P::Value, AT(ELR, logDatum.notification.eventValues.parameters.commandFailure.feedbackValue)},
                    {P::Bits, AT(ELR, logDatum.notification.eventValues.parameters.commandFailure.statusFlags)}}},
        {OP(ELR, bacnapi_ClearBACnetEventLogRecord), .before = {{AT(ELR, logDatumChoice), 2}},
         .pieces = {{P::DecoyBits, AT(ELR, logDatum.logStatus)}}},
        {OP(BACnetLogData, bacnapi_ClearBACnetLogData), .before = {{AT(BACnetLogData, choice), 0}},
         .pieces = {{P::Bits, AT(BACnetLogData, value.logStatus)}}, .code = 117},
        {OP(BACnetLogData, bacnapi_ClearBACnetLogData), .before = {{AT(BACnetLogData, choice), 1}},
         .pieces = {{P::Value, AT(BACnetLogData, value.logData)}}},
        {OP(BACnetLogData, bacnapi_ClearBACnetLogData), .before = {{AT(BACnetLogData, choice), 2}},
         .pieces = {{P::DecoyBits, AT(BACnetLogData, value.logStatus)}}},
        {OP(BACnetLogMultipleRecord, bacnapi_ClearBACnetLogMultipleRecord),
         .before = {{AT(BACnetLogMultipleRecord, logData.choice), 1}},
         .pieces = {{P::Value, AT(BACnetLogMultipleRecord, logData.value.logData)}}, .code = 118},
        {OP(BACnetLogDataElement, bacnapi_ClearBACnetLogDataElement), .before = {{AT(BACnetLogDataElement, choice), 5}},
         .pieces = {{P::Bits, AT(BACnetLogDataElement, value.bitstringValue)}}, .code = 119},
        {OP(BACnetLogDataElement, bacnapi_ClearBACnetLogDataElement), .before = {{AT(BACnetLogDataElement, choice), 8}},
         .pieces = {{P::Value, AT(BACnetLogDataElement, value.anyValue)}}},
        {OP(BACnetLogDataElement, bacnapi_ClearBACnetLogDataElement), .before = {{AT(BACnetLogDataElement, choice), 6}},
         .pieces = {{P::DecoyValue, AT(BACnetLogDataElement, value.anyValue)}}},
        // Event parameters: zero-filled, then "no alternative".
        {OP(EP, bacnapi_ClearBACnetEventParameter), .before = {{AT(EP, choice), 0}},
         .pieces = {{P::Bits, AT(EP, parameters.changeOfBitstring.bitmask)},
                    {P::Value, AT(EP, parameters.changeOfBitstring.listOfBitstringValues)}},
         .after = {{AT(EP, choice), 999}}, .code = 51},
        {OP(EP, bacnapi_ClearBACnetEventParameter), .before = {{AT(EP, choice), 1}},
         .pieces = {{P::Value, AT(EP, parameters.changeOfState.listOfValues)}}, .after = {{AT(EP, choice), 999}}},
        {OP(EP, bacnapi_ClearBACnetEventParameter),
         .before = {{AT(EP, choice), 2}, {AT(EP, parameters.changeOfValue.covCriteria.choice), 0}},
         .pieces = {{P::Bits, AT(EP, parameters.changeOfValue.covCriteria.value.bitmask)}}, .after = {{AT(EP, choice), 999}}},
        {OP(EP, bacnapi_ClearBACnetEventParameter),
         .before = {{AT(EP, choice), 2}, {AT(EP, parameters.changeOfValue.covCriteria.choice), 1}},
         .pieces = {{P::DecoyBits, AT(EP, parameters.changeOfValue.covCriteria.value.bitmask)}},
         .after = {{AT(EP, choice), 999}}},
        {OP(EP, bacnapi_ClearBACnetEventParameter), .before = {{AT(EP, choice), 8}},
         .pieces = {{P::Value, AT(EP, parameters.changeOfLifeSafety.listOfLifeSafetyAlarmValues)},
                    {P::Value, AT(EP, parameters.changeOfLifeSafety.listOfAlarmValues)}},
         .after = {{AT(EP, choice), 999}}},
        {OP(EP, bacnapi_ClearBACnetEventParameter), .before = {{AT(EP, choice), 5}},
         .pieces = {{P::DecoyBits, AT(EP, parameters.changeOfBitstring.bitmask)}}, .after = {{AT(EP, choice), 999}}},
        // Notification parameters: not zero-filled; only what is released is emptied.
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 0}},
         .pieces = {{P::Bits, AT(NP, parameters.changeOfBitstring.referencedBitstring)},
                    {P::Bits, AT(NP, parameters.changeOfBitstring.statusFlags)}},
         .code = 52},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 1}},
         .pieces = {{P::Bits, AT(NP, parameters.changeOfState.statusFlags)},
                    {P::Zeroed, AT(NP, parameters.changeOfState.newState), sizeof(BACnetPropertyStates)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep,
         .before = {{AT(NP, choice), 2}, {AT(NP, parameters.changeOfValue.newValue.choice), 0}},
         .pieces = {{P::Bits, AT(NP, parameters.changeOfValue.newValue.value.changedBits)},
                    {P::Bits, AT(NP, parameters.changeOfValue.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep,
         .before = {{AT(NP, choice), 2}, {AT(NP, parameters.changeOfValue.newValue.choice), 1}},
         .pieces = {{P::DecoyBits, AT(NP, parameters.changeOfValue.newValue.value.changedBits)},
                    {P::Bits, AT(NP, parameters.changeOfValue.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 3}},
         .pieces = {{P::Value, AT(NP, parameters.commandFailure.commandValue)},
                    {P::Value, AT(NP, parameters.commandFailure.feedbackValue)},
                    {P::Bits, AT(NP, parameters.commandFailure.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 4}},
         .pieces = {{P::Bits, AT(NP, parameters.floatingLimit.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 5}},
         .pieces = {{P::Bits, AT(NP, parameters.outOfRange.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 6}},
         .pieces = {{P::Value, AT(NP, parameters.complexEventType)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 7}},
         .pieces = {{P::DecoyBits, AT(NP, parameters.floatingLimit.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 8}},
         .pieces = {{P::Bits, AT(NP, parameters.changeOfLifeSafety.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep,
         .before = {{AT(NP, choice), 9}, {AT(NP, parameters.extended.parametersChoice), 8}},
         .pieces = {{P::Zeroed, AT(NP, parameters.extended.parameters.propertyValue), sizeof(BACnetDeviceObjectPropertyValue)},
                    {P::Value, AT(NP, parameters.extended.parameters.propertyValue.value)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep,
         .before = {{AT(NP, choice), 9}, {AT(NP, parameters.extended.parametersChoice), 3}},
         .pieces = {{P::DecoyValue, AT(NP, parameters.extended.parameters.propertyValue.value)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 11}},
         .pieces = {{P::Bits, AT(NP, parameters.unsignedRange.statusFlags)}}},
        {OP(NP, bacnapi_ClearBACnetNotificationParameters), .outcome = O::Keep, .before = {{AT(NP, choice), 12}},
         .pieces = {{P::DecoyBits, AT(NP, parameters.floatingLimit.statusFlags)}}},
        // The event notification request under its four names: message text, then event values.
        {OP(SN, bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest), .outcome = O::Keep,
         .before = {{AT(SN, eventValues.choice), 6}},
         .pieces = {{P::Chars, AT(SN, messageText)}, {P::Value, AT(SN, eventValues.parameters.complexEventType)}}},
        {OP(SN, bacnapi_ClearBACnetServiceUnconfirmedEventNotificationRequest), .outcome = O::Keep,
         .before = {{AT(SN, eventValues.choice), 4}},
         .pieces = {{P::Chars, AT(SN, messageText)}, {P::Bits, AT(SN, eventValues.parameters.floatingLimit.statusFlags)}}},
        {OP(SN, bacnapi_ClearConfirmedEventNotificationRequest), .outcome = O::Keep,
         .before = {{AT(SN, eventValues.choice), 6}},
         .pieces = {{P::Chars, AT(SN, messageText)}, {P::Value, AT(SN, eventValues.parameters.complexEventType)}}},
        {OP(SN, bacnapi_ClearUnconfirmedEventNotificationRequest), .outcome = O::Keep,
         .before = {{AT(SN, eventValues.choice), 7}},
         .pieces = {{P::Chars, AT(SN, messageText)}, {P::DecoyBits, AT(SN, eventValues.parameters.floatingLimit.statusFlags)}}},
        // Head-inline sequences and the records that hold them.
        {OP(SequenceOfBACnetPropertyReference, bacnapi_ClearSequenceOfBACnetPropertyReference), .pieces = {{P::RefRun, 0}}},
        {OP(ReadAccessSpecification, bacnapi_ClearReadAccessSpecification),
         .pieces = {{P::RefRun, AT(ReadAccessSpecification, listOfPropertyReferences)}}, .code = 38},
        {OP(ReadAccessResultList, bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue), .pieces = {{P::ResultRun, 0}}},
        {OP(ReadAccessResult, bacnapi_ClearReadAccessResult), .pieces = {{P::ResultRun, AT(ReadAccessResult, listOfResults)}},
         .code = 42},
        {OP(SequenceOfReadAccessResult, bacnapi_ClearSequenceOfReadAccessResult), .pieces = {{P::ResultSeq, 0}}, .code = 90},
        {OP(ReadPropertyConditionalAck, bacnapi_ClearReadPropertyConditionalAck), .pieces = {{P::ResultSeq, 0}}},
        {OP(ReadPropertyMultipleAck, bacnapi_ClearReadPropertyMultipleAck), .pieces = {{P::ResultSeq, 0}}},
        {OP(SequenceOfReadAccessSpecification, bacnapi_ClearSequenceOfReadAccessSpecification), .pieces = {{P::SpecRun, 0}},
         .code = 89},
        {OP(ReadPropertyMultipleRequest, bacnapi_ClearReadPropertyMultipleRequest), .pieces = {{P::SpecRun, 0}}},
        {OP(ReadPropertyConditionalRequest, bacnapi_ClearReadPropertyConditionalRequest), .outcome = O::Keep,
         .pieces = {{P::RefRun, AT(ReadPropertyConditionalRequest, listOfPropertyReferences)},
                    {P::Value, AT(ReadPropertyConditionalRequest, listOfSelectionCriteria)}}},
    };
    return table;
}

size_t part_size(const Piece& piece)
{
    switch (piece.part) {
    case P::Bits: case P::DecoyBits: return sizeof(BACnetBitString);
    case P::Octets: case P::DecoyOctets: return sizeof(BACnetOctetString);
    case P::Chars: case P::DecoyChars: return sizeof(BACnetCharacterString);
    case P::Block: return sizeof(void*);
    case P::Value: case P::DecoyValue: return sizeof(BACnetDataType);
    case P::RefRun: return sizeof(SequenceOfBACnetPropertyReference);
    case P::ResultRun: return sizeof(ReadAccessResultList);
    case P::SpecRun: return sizeof(SequenceOfReadAccessSpecification);
    case P::ResultSeq: return sizeof(SequenceOfReadAccessResult);
    case P::Zeroed: return piece.size;
    }
    return 0;
}

template <class T> void put(unsigned char* record, size_t offset, const T& part)
{
    std::memcpy(record + offset, &part, sizeof part);
}

// Fills a record as the row says: pattern, selectors, then the heap parts. The buffers of the
// decoys are collected so that the test can release them after the clear.
void build(const Row& row, unsigned char* record, std::vector<void*>& decoys)
{
    std::memset(record, kPattern, row.size);
    for (const Set& s : row.before) std::memcpy(record + s.offset, &s.value, sizeof s.value);
    for (const Piece& piece : row.pieces) {
        void* decoy = nullptr;
        const size_t at = piece.offset;
        switch (piece.part) {
        case P::Bits: put(record, at, make_bits()); break;
        case P::Octets: put(record, at, make_octets()); break;
        case P::Chars: put(record, at, make_chars()); break;
        case P::Block: put(record, at, static_cast<void*>(heap_block<uint8_t>(16))); break;
        case P::Value: put(record, at, make_rich_value()); break;
        case P::RefRun: put(record, at, make_reference_run()); break;
        case P::ResultRun: put(record, at, make_result_run(decoys)); break;
        case P::SpecRun: put(record, at, make_specification_run()); break;
        case P::ResultSeq: put(record, at, make_result_sequence(decoys)); break;
        case P::Zeroed: break;
        case P::DecoyBits: {
            const BACnetBitString bits = make_bits();
            decoy = bits.bits;
            put(record, at, bits);
            break;
        }
        case P::DecoyOctets: {
            const BACnetOctetString octets = make_octets();
            decoy = octets.data;
            put(record, at, octets);
            break;
        }
        case P::DecoyChars: {
            const BACnetCharacterString chars = make_chars();
            decoy = chars.data;
            put(record, at, chars);
            break;
        }
        case P::DecoyValue: {
            const BACnetDataType value = make_text_value();
            decoy = value.payload.characterString.data;
            put(record, at, value);
            break;
        }
        }
        if (decoy != nullptr) decoys.push_back(decoy);
    }
}

// What the record must hold after the clear, from its bytes before it.
void expected_after(const Row& row, const unsigned char* before, unsigned char* expected)
{
    std::memcpy(expected, before, row.size);
    if (row.outcome == O::Zero) std::memset(expected, 0, row.size);
    if (row.outcome == O::Keep)
        for (const Piece& piece : row.pieces)
            if (piece.part < P::DecoyBits) std::memset(expected + piece.offset, 0, part_size(piece));
    for (const Set& s : row.after) std::memcpy(expected + s.offset, &s.value, sizeof s.value);
}

// Every part was released except the decoys, which the test releases now (unless the clear
// released one: that is the failure reported, and freeing it again would be worse).
void expect_released_but_decoys(long before, std::vector<void*>& decoys)
{
    if (heap_watch_active()) {
        const long left = heap_live_blocks() - before; // read before a failure report allocates
        EXPECT_EQ(left, static_cast<long>(decoys.size())) << "blocks left behind by the clear";
        if (left != static_cast<long>(decoys.size())) return;
    }
    for (void* d : decoys) std::free(d);
}

TEST(ValuesClearFamily, ReleasesWhatEachRecordOwnsAndLeavesItAsDocumented)
{
    for (const Row& row : rows()) {
        if (row.clear == nullptr) continue;
        SCOPED_TRACE(row.name);
        ASSERT_LE(row.size, 512u);
        alignas(16) unsigned char record[512];
        unsigned char expected[512];
        std::vector<void*> decoys;
        decoys.reserve(8);
        const long before = heap_live_blocks();
        build(row, record, decoys);
        expected_after(row, record, expected);

        EXPECT_EQ(row.clear(record), 0);
        EXPECT_EQ(std::vector<unsigned char>(record, record + row.size), // vectors: a failure shows both
                  std::vector<unsigned char>(expected, expected + row.size));
        expect_released_but_decoys(before, decoys);
        EXPECT_EQ(row.clear(nullptr), 0);
    }
}

// The same records held by a value: clear by type releases the same parts, then the record.
TEST(ValuesClearByType, ReleasesTheRecordAndAllItOwns)
{
    for (const Row& row : rows()) {
        if (row.code == 0) continue;
        SCOPED_TRACE(row.name);
        std::vector<void*> decoys;
        decoys.reserve(8);
        const long before = heap_live_blocks();
        BACnetDataType v{};
        v.type = row.code;
        v.payload.record = std::malloc(row.size);
        build(row, static_cast<unsigned char*>(v.payload.record), decoys);

        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
        expect_released_but_decoys(before, decoys);
    }
}

TEST(ValuesClearByType, EveryCodeClearsToNullWithOrWithoutItsRecord)
{
    const long before = heap_live_blocks();
    for (int32_t code = -5; code <= 160; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType v{};
        bacnapi_initialize_data(&v, code);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
        v.type = code; // a record or list code whose pointer is null releases nothing
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
    }
    EXPECT_EQ(bacnapi_ClearBACnetDataType(nullptr), 0);
    EXPECT_EQ(heap_live_blocks(), before);
}

// Codes without a record of their own (embedded members, reserved codes, SignedLong) do not read
// what the payload points to: here it points at the stack, which a release would break.
TEST(ValuesClearByType, CodesWithNothingToReleaseDoNotReadThePayload)
{
    alignas(16) unsigned char stackRecord[256];
    std::memset(stackRecord, kPattern, sizeof stackRecord);
    for (int32_t code : {-1, 13, 19, 20, 34, 35, 66, 67, 68, 85, 86, 99, 100, 108, 109, 115, 126, 137, 138, 149, 153,
                         154, 1000}) {
        SCOPED_TRACE(code);
        BACnetDataType v{};
        v.type = code;
        for (uint64_t& word : v.payload.words) word = reinterpret_cast<uintptr_t>(stackRecord);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
    }
    for (unsigned char byte : stackRecord) ASSERT_EQ(byte, kPattern);
}

// The run and service-record codes that initialise never creates can still get a record from
// the brace-text reader; clearing such a value releases the record and what it owns.
TEST(ValuesClearByType, RunAndServiceRecordsAreReleased)
{
    const long before = heap_live_blocks();
    {
        BACnetDataType v{};
        v.type = BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest;
        auto* request = static_cast<BACnetServiceConfirmedEventNotificationRequest*>(
            std::calloc(1, sizeof(BACnetServiceConfirmedEventNotificationRequest)));
        request->messageText.data = static_cast<char*>(std::calloc(4, 1));
        request->messageText.length = 3;
        request->eventValues.choice = 6;
        ASSERT_EQ(bacnapi_initialize_data(&request->eventValues.parameters.complexEventType,
                                          BACNAPI_TYPE_ListOfBACnetPropertyValue), 0);
        v.payload.record = request;
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
    }
    for (int32_t code : {91, 150, 151}) {
        SCOPED_TRACE(code);
        BACnetDataType v{};
        v.type = code;
        // Every run record starts with its count-bearing head; a zeroed record of the largest one
        // with a two-slot overflow array stands for each.
        auto* run = static_cast<SequenceOfBACnetPropertyReference*>(std::calloc(1, sizeof(ReadPropertyMultipleAck)));
        v.payload.record = run;
        if (code == 91) {
            run->elements = static_cast<BACnetPropertyReference*>(std::calloc(2, sizeof(BACnetPropertyReference)));
            run->count = 2;
        }
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
    }
    EXPECT_EQ(heap_live_blocks(), before);
}

// A list of four elements (two texts, a special event, an empty list) with two spare slots, and
// a text in the first spare slot that belongs to the test: slots past the count are not read.
BACnetDataType make_list_value(int32_t code, BACnetDataType* spare)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, code), 0);
    BACnetValueList* list = v.payload.list;
    list->elements[0] = make_text_value();
    list->elements[1] = make_rich_value();
    EXPECT_EQ(bacnapi_initialize_data(&list->elements[2], BACNAPI_TYPE_ListOfBACnetTimeValue), 0);
    list->elements[3] = make_text_value();
    list->count = 4;
    EXPECT_EQ(bacnapi::array_reserve(list, 2), 0);
    *spare = make_text_value();
    list->elements[4] = *spare;
    return v;
}

TEST(ValuesClearByType, ListValuesUnderEveryName)
{
    struct Case {
        const char* name;
        int32_t (*clear)(BACnetDataType*);
        int32_t code;
    };
    const Case cases[] = {
        {"ClearBACnetDataType", bacnapi_ClearBACnetDataType, BACNAPI_TYPE_ListOfCharacterString},
        {"ClearGetAlarmSummaryAck", bacnapi_ClearGetAlarmSummaryAck, BACNAPI_TYPE_ListOfAlarmSummaryAckElement},
        {"ClearGetEnrolmentSummaryAck", bacnapi_ClearGetEnrolmentSummaryAck, BACNAPI_TYPE_ListOfEnrolmentSummaryAckElement},
        {"ClearGetEventInformationAck", bacnapi_ClearGetEventInformationAck, BACNAPI_TYPE_ListOfEventSummaryElement},
        {"ClearBACnetPriorityArray", bacnapi_ClearBACnetPriorityArray, BACNAPI_TYPE_BACnetPriorityArray},
        {"ClearBACnetEventTimeStamps", bacnapi_ClearBACnetEventTimeStamps, BACNAPI_TYPE_ListOfBACnetTimeStamp},
        {"a list code without a walk", bacnapi_ClearBACnetDataType, BACNAPI_TYPE_ReservedList92},
        {"ClearArray on a list held by the caller", nullptr, BACNAPI_TYPE_ListOfReal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const long before = heap_live_blocks();
        BACnetDataType spare{};
        BACnetDataType v = make_list_value(c.code, &spare);
        if (c.clear != nullptr) {
            EXPECT_EQ(c.clear(&v), 0);
            EXPECT_TRUE(all_zero(&v, sizeof v));
            EXPECT_EQ(c.clear(nullptr), 0);
        } else {
            BACnetValueList held = *v.payload.list; // the caller's own list record
            std::free(v.payload.list);
            EXPECT_EQ(bacnapi_ClearArray(&held), 0);
            EXPECT_TRUE(all_zero(&held, sizeof held));
        }
        if (heap_watch_active()) {
            const long left = heap_live_blocks() - before;
            ASSERT_EQ(left, 1) << "only the spare text should be left";
        }
        bacnapi_ClearBACnetDataType(&spare);
    }
    BACnetValueList noSlots{0, 3, nullptr}; // a count without storage reads nothing
    EXPECT_EQ(bacnapi_ClearArray(&noSlots), 0);
    EXPECT_TRUE(all_zero(&noSlots, sizeof noSlots));
    EXPECT_EQ(bacnapi_ClearArray(nullptr), 0);
}

// Head-inline sequences with unusual counts: nothing past the count, nothing for a count of 0 or
// below, and a missing overflow array leaves only the inline element.
TEST(ValuesClearSequences, CountsAndMissingOverflowArrays)
{
    struct Case {
        const char* name;
        int32_t count;
        bool overflow;
        long expectedLeft; // texts the sequence does not own
    };
    const Case cases[] = {
        {"no element", 0, false, 1},          {"negative count", -2, true, 2},
        {"inline element only", 1, false, 0}, {"count beyond a missing array", 3, false, 0},
        {"two of three counted", 2, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const long before = heap_live_blocks();
        ReadAccessResultList run{};
        run.first.result.propertyValue = make_text_value();
        char* const firstText = run.first.result.propertyValue.payload.characterString.data;
        char* slot2Text = nullptr;
        if (c.overflow) {
            run.elements = heap_block<ReadAccessPropertyValue>(3);
            if (c.count >= 2) run.elements[1].result.propertyValue = make_text_value();
            run.elements[2].result.propertyValue = make_text_value();
            slot2Text = run.elements[2].result.propertyValue.payload.characterString.data;
        }
        run.count = c.count;
        EXPECT_EQ(bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(&run), 0);
        EXPECT_TRUE(all_zero(&run, sizeof run));
        if (heap_watch_active()) {
            const long left = heap_live_blocks() - before;
            EXPECT_EQ(left, c.expectedLeft);
            if (left != c.expectedLeft) continue; // do not free twice
        }
        if (c.count <= 0) std::free(firstText);
        if (c.overflow && c.count < 3) std::free(slot2Text);
    }
}

} // namespace
