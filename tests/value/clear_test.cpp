// Clear by type and the Clear family, from one table: each row names a Clear, its record, the heap
// parts to hang in it and what the record must hold afterwards. Records start filled with a
// byte pattern, so a member that should be kept shows whether it was; decoys sit where an
// alternative the selector does not name would keep a buffer, and must survive the clear.
#include "support/heap_watch.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
enum Outcome { Zero, Keep, Same }; // Keep: only the released members are emptied; Same: not one byte changes

bool all_zero(const void* p, size_t n) { return Bytes(n, 0) == Bytes((const uint8_t*)p, (const uint8_t*)p + n); }
template <class T> T* block(size_t n) { return static_cast<T*>(std::calloc(n, sizeof(T))); }

// A value owning a record, a list, its slots, two more records and their strings.
BACnetDataType rich_value()
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set(&v, "{{{{07:30 00.00,7,night}},{{19:30 00.00,6,0A0B}}}}", 46), 0);
    return v;
}

// Hangs heap parts in a record, noting what the clear must empty, set, and leave alone.
struct Parts {
    unsigned char* base;
    std::vector<std::pair<size_t, size_t>> emptied;
    std::vector<std::pair<size_t, uint32_t>> words;
    std::vector<void*> decoys;
    explicit Parts(void* record) : base((unsigned char*)record) // allocates nothing after this
    {
        emptied.reserve(8), words.reserve(8), decoys.reserve(8);
    }

    template <class T> void zeroed(T& m) { emptied.push_back({(unsigned char*)&m - base, sizeof m}); }
    template <class T> void own(T& m) { fill(m), zeroed(m); }
    template <class T> void then(T& m, uint32_t v) { words.push_back({(unsigned char*)&m - base, v}); }
    void fill(BACnetDataType& v) { v = rich_value(); }
    void fill(BACnetBitString& b) { b = {4, 4, block<uint8_t>(4)}; }
    void fill(BACnetOctetString& o) { o = {5, block<uint8_t>(5)}; }
    void fill(BACnetCharacterString& c) { c = {0, {}, strdup("abc"), 3}; }
    void fill(uint8_t*& data) { data = block<uint8_t>(16); }
    void fill(SequenceOfBACnetPropertyReference& s, uint32_t n = 3)
    {
        s = {};
        for (uint32_t i = 0; i < n; ++i) *bacnapi::sequence_append(&s) = {85, i};
    }
    // Slot 0 of the overflow array is unused and element 1 an access error: both over decoys.
    void fill(ReadAccessResultList& s)
    {
        s = {};
        for (int32_t i = 0; i < 3; ++i) {
            ReadAccessPropertyValue* e = bacnapi::sequence_append(&s);
            if (i == 1) decoy(e->result.propertyValue), e->choice = 1;
            else e->result.propertyValue = rich_value();
        }
        decoy(s.elements[0].result.propertyValue);
    }
    void fill(SequenceOfReadAccessSpecification& s) // runs of 3, 2 and 1 (no overflow array) references
    {
        s = {};
        for (uint32_t n : {3, 2, 1}) fill(bacnapi::sequence_append(&s)->listOfPropertyReferences, n);
    }
    void fill(SequenceOfReadAccessResult& s)
    {
        s = {};
        for (int i = 0; i < 2; ++i) fill(bacnapi::sequence_append(&s)->listOfResults);
    }
    // A list value of code with two counted elements and a decoy in the first spare slot.
    void list(BACnetDataType& v, int32_t code)
    {
        EXPECT_EQ(bacnapi_initialize_data(&v, code), 0);
        BACnetDataType* slots = v.payload.list->elements;
        fill(slots[0]), slots[1] = {BACNAPI_TYPE_CharacterString, {}}, fill(slots[1].payload.characterString);
        decoy(slots[2]), v.payload.list->count = 2;
    }
    void decoy(BACnetBitString& b) { fill(b), decoys.push_back(b.bits); }
    void decoy(BACnetOctetString& o) { fill(o), decoys.push_back(o.data); }
    void decoy(BACnetCharacterString& c) { fill(c), decoys.push_back(c.data); }
    void decoy(BACnetDataType& v) { v = {BACNAPI_TYPE_CharacterString, {}}, decoy(v.payload.characterString); }
};

struct Row {
    const char* name;
    size_t size;
    int32_t code; // the type code whose clear by type releases this record, or 0
    Outcome outcome;
    int32_t (*clear)(void*); // null: a row for clear by type only
    void (*fill)(void*, Parts&);
};
#define FILL(R, ...) [](void* p, [[maybe_unused]] Parts& h) { [[maybe_unused]] R& r = *(R*)p; __VA_ARGS__; }
#define ROW(code, R, F, outcome, ...) \
    Row{#F, sizeof(R), code, outcome, [](void* p) { return bacnapi_Clear##F((R*)p); }, FILL(R, __VA_ARGS__)}
#define C(code, R, outcome, ...) ROW(code, R, R, outcome, __VA_ARGS__)
#define EPROW(code, ...) ROW(code, EP, BACnetEventParameter, Zero, __VA_ARGS__; h.then(r.choice, kNone))
#define NPROW(code, ...) ROW(code, NP, BACnetNotificationParameters, Keep, __VA_ARGS__)

using EP = BACnetEventParameter;
using NP = BACnetNotificationParameters;
using SN = BACnetServiceConfirmedEventNotificationRequest;
using LR = BACnetLogRecord;
using ELR = BACnetEventLogRecord;
using LDE = BACnetLogDataElement;
using TM = TextMessageRequest;
using TS = TimeSynchronizationRequest;
using RAPV = ReadAccessPropertyValue;
constexpr uint32_t kNone = 999, kAbsent = BACNAPI_ARRAY_INDEX_ABSENT;

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        ROW(0, BACnetBitString, BitString, Zero, h.own(r)), ROW(0, BACnetOctetString, Octet, Zero, h.own(r)),
        ROW(0, BACnetCharacterString, CharacterString, Zero, h.own(r)),
        ROW(0, BACnetByteBuffer, Buffer, Zero, h.own(r.data)), ROW(0, BACnetDateTime, DateTime, Zero),
        C(0, BACnetAddress, Zero), C(0, BACnetRecipient, Zero), C(0, BACnetRecipientProcess, Zero),
        C(0, BACnetCOVSubscription, Zero), C(0, EnrolmentSummaryAckElement, Zero), C(0, BACnetAccumulatorRecord, Zero),
        C(0, BACnetAddressBinding, Zero), C(0, IamRequest, Zero), C(0, BACnetPrescale, Zero),
        C(0, BACnetPropertyStates, Zero), C(0, BACnetScale, Zero), C(0, CreateObjectAck, Zero), C(0, WhoIsRequest, Zero),
        C(0, ReadPropertyRequest, Zero), C(0, AtomicReadFileRequest, Same), C(0, AtomicWriteFileAck, Same),
        C(0, GetEventInformationRequest, Same), C(0, ReadRangeRequest, Same), C(0, SubscribeCOVPropertyRequest, Same),
        C(0, SubscribeCOVRequest, Same), ROW(0, TS, TimeSynchronization, Same), ROW(0, TS, UtcTimeSynchronization, Same),
        C(0, RequestKeyRequest, Keep, h.zeroed(r.requestingDeviceAddress); h.zeroed(r.remoteDeviceAddress)),
        C(0, GetEnrolmentSummaryRequest, Keep, h.zeroed(r.enrollmentFilter)),
        // Nested values.
        C(97, BACnetConstructed, Keep, h.own(r.value); h.then(r.leadingField, kAbsent)),
        C(26, BACnetTimeValue, Keep, h.own(r.value)), C(55, BACnetObjectPropertyValue, Keep, h.own(r.value)),
        C(0, ConfirmedPrivateTransferRequest, Keep, h.own(r.serviceParameters)),
        C(0, UnconfirmedPrivateTransferRequest, Keep, h.own(r.serviceParameters)),
        C(0, ConfirmedPrivateTransferAck, Keep, h.own(r.resultBlock)),
        C(0, AddListElementRequest, Keep, h.own(r.listOfElements)),
        C(0, RemoveListElementRequest, Keep, h.own(r.listOfElements)),
        ROW(0, ConfirmedCOVNotificationRequest, ConfirmedCOVnotificationRequest, Keep, h.own(r.listOfValues)),
        C(0, UnconfirmedCOVNotificationRequest, Keep, h.own(r.listOfValues)),
        C(28, BACnetActionCommand, Zero, h.own(r.propertyValue)),
        C(110, BACnetDeviceObjectPropertyValue, Zero, h.own(r.value)), C(49, BACnetPropertyValue, Zero, h.own(r.value)),
        C(0, WritePropertyRequest, Zero, h.own(r.propertyValue)),
        C(53, BACnetSelectionCriteria, Zero, h.own(r.comparisonValue)), C(0, ReadPropertyAck, Zero, h.own(r.propertyValue)),
        C(0, CreateObjectRequest, Zero, h.own(r.listOfInitialValues)),
        C(46, BACnetDailySchedule, Zero, h.own(r.daySchedule)),
        C(0, WritePropertyMultipleRequest, Zero, h.own(r.listOfWriteAccessSpecifications)),
        C(59, BACnetActionList, Zero, h.own(r.action)), C(39, WriteAccessSpecification, Zero, h.own(r.listOfProperties)),
        C(47, BACnetSpecialEvent, Zero, h.own(r.listOfTimeValues); h.own(r.extraValue)),
        Row{"BACnetNestedValue", sizeof(BACnetNestedValue), 56, Zero, nullptr, FILL(BACnetNestedValue, h.own(r.value))},
        C(48, BACnetPriorityValue, Zero, r.kind = 5; h.own(r.value.constructedValue)),
        C(0, BACnetPriorityValue, Zero, r.kind = 1; h.decoy(r.value.constructedValue)),
        C(43, ReadAccessPropertyValue, Zero, r.choice = 0; h.own(r.result.propertyValue)),
        C(0, ReadAccessPropertyValue, Zero, r.choice = 1; h.decoy(r.result.propertyValue)),
        ROW(0, BACnetServiceError, BACnetError, Zero, r.serviceChoice = 18; h.own(r.details.errorParameters)),
        ROW(0, BACnetServiceError, BACnetError, Zero, r.serviceChoice = 22; h.own(r.details.listOfVTSessionIdentifiers)),
        ROW(0, BACnetServiceError, BACnetError, Zero, r.serviceChoice = 12; h.decoy(r.details.errorParameters)),
        // Strings.
        C(29, BACnetSessionKey, Zero, h.own(r.sessionKey)),
        C(40, AlarmSummaryAckElement, Zero, h.own(r.acknowledgedTransitions)),
        C(45, BACnetDestination, Zero, h.own(r.validDays); h.own(r.transitions)),
        ROW(105, EventSummaryElement, BACnetEventSummaryElement, Zero, h.own(r.acknowledgedTransitions);
            h.own(r.eventEnable); h.own(r.eventTimeStamps); h.own(r.eventPriorities)),
        C(0, IHaveRequest, Zero, h.own(r.objectName)), C(0, AcknowledgeAlarmRequest, Zero, h.own(r.acknowledgmentSource)),
        C(0, ReinitializeDeviceRequest, Keep, h.own(r.password)),
        C(0, LifeSafetyOperationRequest, Keep, h.own(r.requestingSource)),
        C(0, DeviceCommunicationControlRequest, Keep, h.own(r.password)),
        C(0, AuthenticateRequest, Keep, h.own(r.operatorName); h.own(r.operatorPassword)),
        ROW(0, TM, ConfirmedTextMessageRequest, Keep, r.messageClassChoice = 1; h.own(r.message);
            h.own(r.messageClass.character)),
        ROW(0, TM, UnconfirmedTextMessageRequest, Keep, r.messageClassChoice = 0; h.own(r.message);
            h.decoy(r.messageClass.character)),
        ROW(0, WhoHasRequest, WhoHas, Keep, r.objectChoice = 1; h.own(r.object.objectName)),
        ROW(0, WhoHasRequest, WhoHas, Keep, r.objectChoice = 0; h.decoy(r.object.objectName)),
        C(0, ReadRangeAck, Keep, h.own(r.itemData); h.own(r.resultFlags)),
        C(0, AtomicReadFileAck, Keep, r.accessMethod = 0; h.own(r.fileData)),
        C(0, AtomicReadFileAck, Keep, r.accessMethod = 2; h.decoy(r.fileData)),
        C(0, AtomicWriteFileRequest, Keep, r.accessMethod = 1; h.own(r.fileData)),
        C(0, AtomicWriteFileRequest, Keep, r.accessMethod = -1; h.decoy(r.fileData)),
        // Logs.
        ROW(37, LR, BACnetLogRecord, Zero, r.logDatumChoice = 0; h.own(r.statusFlags); h.own(r.logDatum.logStatus)),
        ROW(0, LR, BACnetLogRecord, Zero, r.logDatumChoice = 6; h.own(r.statusFlags); h.own(r.logDatum.bitstringValue)),
        ROW(0, LR, BACnetLogRecord, Zero, r.logDatumChoice = 10; h.own(r.statusFlags); h.own(r.logDatum.anyValue)),
        ROW(0, LR, BACnetLogRecord, Zero, r.logDatumChoice = 2; h.own(r.statusFlags); h.decoy(r.logDatum.logStatus)),
        ROW(116, ELR, BACnetEventLogRecord, Zero, r.logDatumChoice = 0; h.own(r.logDatum.logStatus)),
        ROW(0, ELR, BACnetEventLogRecord, Zero, r.logDatumChoice = 1; auto& n = r.logDatum.notification;
            auto& f = n.eventValues.parameters.commandFailure; n.eventValues.choice = 3; h.own(n.messageText);
            h.own(f.commandValue); h.own(f.feedbackValue); h.own(f.statusFlags)),
        ROW(0, ELR, BACnetEventLogRecord, Zero, r.logDatumChoice = 2; h.decoy(r.logDatum.logStatus)),
        C(117, BACnetLogData, Zero, r.choice = 0; h.own(r.value.logStatus)),
        C(0, BACnetLogData, Zero, r.choice = 1; h.own(r.value.logData)),
        C(0, BACnetLogData, Zero, r.choice = 2; h.decoy(r.value.logStatus)),
        C(118, BACnetLogMultipleRecord, Zero, r.logData.choice = 1; h.own(r.logData.value.logData)),
        ROW(119, LDE, BACnetLogDataElement, Zero, r.choice = 5; h.own(r.value.bitstringValue)),
        ROW(0, LDE, BACnetLogDataElement, Zero, r.choice = 8; h.own(r.value.anyValue)),
        ROW(0, LDE, BACnetLogDataElement, Zero, r.choice = 6; h.decoy(r.value.anyValue)),
        // Event parameters: zero-filled, then "no alternative". Notification parameters: only the released parts emptied.
        EPROW(51, auto& a = r.parameters.changeOfBitstring; r.choice = 0; h.own(a.bitmask); h.own(a.listOfBitstringValues)),
        EPROW(0, r.choice = 1; h.own(r.parameters.changeOfState.listOfValues)),
        EPROW(0, auto& a = r.parameters.changeOfValue.covCriteria; r.choice = 2; a.choice = 0; h.own(a.value.bitmask)),
        EPROW(0, auto& a = r.parameters.changeOfValue.covCriteria; r.choice = 2; a.choice = 1; h.decoy(a.value.bitmask)),
        EPROW(0, auto& a = r.parameters.changeOfLifeSafety; r.choice = 8; h.own(a.listOfLifeSafetyAlarmValues);
            h.own(a.listOfAlarmValues)),
        EPROW(0, r.choice = 5; h.decoy(r.parameters.changeOfBitstring.bitmask)),
        NPROW(52, auto& a = r.parameters.changeOfBitstring; r.choice = 0; h.own(a.referencedBitstring);
            h.own(a.statusFlags)),
        NPROW(0, auto& a = r.parameters.changeOfState; r.choice = 1; h.own(a.statusFlags); h.zeroed(a.newState)),
        NPROW(0, auto& a = r.parameters.changeOfValue; r.choice = 2; a.newValue.choice = 0;
            h.own(a.newValue.value.changedBits); h.own(a.statusFlags)),
        NPROW(0, auto& a = r.parameters.changeOfValue; r.choice = 2; a.newValue.choice = 1;
            h.decoy(a.newValue.value.changedBits); h.own(a.statusFlags)),
        NPROW(0, auto& a = r.parameters.commandFailure; r.choice = 3; h.own(a.commandValue); h.own(a.feedbackValue);
            h.own(a.statusFlags)),
        NPROW(0, r.choice = 4; h.own(r.parameters.floatingLimit.statusFlags)),
        NPROW(0, r.choice = 5; h.own(r.parameters.outOfRange.statusFlags)),
        NPROW(0, r.choice = 6; h.own(r.parameters.complexEventType)),
        NPROW(0, r.choice = 7; h.decoy(r.parameters.floatingLimit.statusFlags)),
        NPROW(0, r.choice = 8; h.own(r.parameters.changeOfLifeSafety.statusFlags)),
        NPROW(0, auto& a = r.parameters.extended; r.choice = 9; a.parametersChoice = 8;
            h.zeroed(a.parameters.propertyValue); h.own(a.parameters.propertyValue.value)),
        NPROW(0, auto& a = r.parameters.extended; r.choice = 9; a.parametersChoice = 3;
            h.decoy(a.parameters.propertyValue.value)),
        NPROW(0, r.choice = 11; h.own(r.parameters.unsignedRange.statusFlags)),
        NPROW(0, r.choice = 12; h.decoy(r.parameters.floatingLimit.statusFlags)),
        // The event notification request under its four names: message text, then event values.
        ROW(0, SN, BACnetServiceConfirmedEventNotificationRequest, Keep, auto& e = r.eventValues; e.choice = 6;
            h.own(r.messageText); h.own(e.parameters.complexEventType)),
        ROW(0, SN, BACnetServiceUnconfirmedEventNotificationRequest, Keep, auto& e = r.eventValues; e.choice = 4;
            h.own(r.messageText); h.own(e.parameters.floatingLimit.statusFlags)),
        ROW(0, SN, ConfirmedEventNotificationRequest, Keep, auto& e = r.eventValues; e.choice = 6; h.own(r.messageText);
            h.own(e.parameters.complexEventType)),
        ROW(0, SN, UnconfirmedEventNotificationRequest, Keep, auto& e = r.eventValues; e.choice = 7; h.own(r.messageText);
            h.decoy(e.parameters.floatingLimit.statusFlags)),
        // Head-inline sequences and the records that hold them.
        C(0, SequenceOfBACnetPropertyReference, Zero, h.own(r)), C(90, SequenceOfReadAccessResult, Zero, h.own(r)),
        ROW(0, ReadAccessResultList, SequenceOfBACnetReadAccessPropertyValue, Zero, h.own(r)),
        C(38, ReadAccessSpecification, Zero, h.own(r.listOfPropertyReferences)),
        C(42, ReadAccessResult, Zero, h.own(r.listOfResults)),
        C(0, ReadPropertyConditionalAck, Zero, h.own(r.listOfReadAccessResults)),
        C(0, ReadPropertyMultipleAck, Zero, h.own(r.listOfReadAccessResults)),
        C(89, SequenceOfReadAccessSpecification, Zero, h.own(r)),
        C(0, ReadPropertyMultipleRequest, Zero, h.own(r.listOfReadAccessSpecs)),
        C(0, ReadPropertyConditionalRequest, Keep, h.own(r.listOfPropertyReferences); h.own(r.listOfSelectionCriteria)),
        // Element i of a sequence is released only below the count and, for i >= 1, with an overflow array.
        ROW(0, ReadAccessResultList, SequenceOfBACnetReadAccessPropertyValue, Zero, r = {};
            h.decoy(r.first.result.propertyValue)),
        ROW(0, ReadAccessResultList, SequenceOfBACnetReadAccessPropertyValue, Zero, r = {}; r.count = 3;
            h.fill(r.first.result.propertyValue)),
        ROW(0, ReadAccessResultList, SequenceOfBACnetReadAccessPropertyValue, Zero, r = {{}, block<RAPV>(3), -2};
            h.decoy(r.first.result.propertyValue); h.decoy(r.elements[1].result.propertyValue)),
        ROW(0, ReadAccessResultList, SequenceOfBACnetReadAccessPropertyValue, Zero, r = {{}, block<RAPV>(3), 2};
            h.fill(r.first.result.propertyValue); h.fill(r.elements[1].result.propertyValue);
            h.decoy(r.elements[2].result.propertyValue)),
        // List values under every name: the counted elements, the slots and the list record go.
        C(0, BACnetDataType, Zero, h.list(r, BACNAPI_TYPE_ListOfCharacterString)),
        C(0, BACnetDataType, Zero, h.list(r, BACNAPI_TYPE_ReservedList92)),
        ROW(0, BACnetDataType, GetAlarmSummaryAck, Zero, h.list(r, BACNAPI_TYPE_ListOfAlarmSummaryAckElement)),
        ROW(0, BACnetDataType, GetEnrolmentSummaryAck, Zero, h.list(r, BACNAPI_TYPE_ListOfEnrolmentSummaryAckElement)),
        ROW(0, BACnetDataType, GetEventInformationAck, Zero, h.list(r, BACNAPI_TYPE_ListOfEventSummaryElement)),
        ROW(0, BACnetDataType, BACnetPriorityArray, Zero, h.list(r, BACNAPI_TYPE_BACnetPriorityArray)),
        ROW(0, BACnetDataType, BACnetEventTimeStamps, Zero, h.list(r, BACNAPI_TYPE_ListOfBACnetTimeStamp)),
        ROW(0, BACnetValueList, Array, Zero, BACnetDataType v; h.list(v, BACNAPI_TYPE_ListOfReal); r = *v.payload.list;
            free(v.payload.list)),
        ROW(0, BACnetValueList, Array, Zero, r = {0, 3, nullptr}), // a count without storage reads nothing
    };
    return table;
}

void build(const Row& row, Parts& h)
{
    std::memset(h.base, 0x5A, row.size);
    row.fill(h.base, h);
}

Bytes expected_after(const Row& row, const Bytes& before, const Parts& h)
{
    Bytes expected = row.outcome == Zero ? Bytes(row.size, 0) : before;
    for (auto [at, size] : h.emptied)
        if (row.outcome == Keep) std::memset(&expected[at], 0, size);
    for (auto [at, word] : h.words) std::memcpy(&expected[at], &word, sizeof word);
    return expected;
}

// Every part was released except the decoys, which the test releases now (unless the clear
// released one: that is the failure reported, and freeing it again would be worse).
void expect_released_but_decoys(long before, const Parts& h)
{
    const long left = heap_watch::live_blocks() - before;
    if (heap_watch::active()) {
        EXPECT_EQ(left, static_cast<long>(h.decoys.size())) << "blocks left behind by the clear";
        if (left != static_cast<long>(h.decoys.size())) return;
    }
    for (void* d : h.decoys) std::free(d);
}

TEST(ValuesClear, EveryClearReleasesWhatItsRecordOwnsAndLeavesItAsDocumented)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        alignas(16) unsigned char record[512], filled[512];
        ASSERT_LE(row.size, sizeof record);
        if (row.clear != nullptr) {
            Parts h(record);
            const long before = heap_watch::live_blocks();
            build(row, h);
            std::memcpy(filled, record, row.size);
            EXPECT_EQ(row.clear(record), 0);
            expect_released_but_decoys(before, h);
            EXPECT_EQ(Bytes(record, record + row.size), expected_after(row, Bytes(filled, filled + row.size), h));
            EXPECT_EQ(row.clear(nullptr), 0);
        }
        if (row.code != 0) { // the same record held by a value: clear by type releases it too
            BACnetDataType v{row.code, {.record = std::malloc(row.size)}};
            Parts h(v.payload.record);
            const long before = heap_watch::live_blocks() - 1;
            build(row, h);
            EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
            EXPECT_TRUE(all_zero(&v, sizeof v));
            expect_released_but_decoys(before, h);
        }
    }
}

// Codes without a record of their own (embedded members, reserved codes, SignedLong), and the run
// and service-record codes that only hosts point at records of their own, do not read what the
// payload points to: here the stack, which a release would break.
TEST(ValuesClear, CodesWithoutARecordOfTheirOwnDoNotReadThePayload)
{
    alignas(16) unsigned char stack[256];
    std::memset(stack, 0x5A, sizeof stack);
    for (int32_t code : {-1, 13, 19, 20, 34, 35, 66, 67, 68, 85, 86, 91, 99, 100, 108, 109, 115, 126, 149, 150, 151,
                         152, 153, 1000}) {
        BACnetDataType v{code, {.words = {(uintptr_t)stack, (uintptr_t)stack, (uintptr_t)stack}}};
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v)) << code;
    }
    EXPECT_EQ(Bytes(stack, stack + sizeof stack), Bytes(sizeof stack, 0x5A));
    EXPECT_EQ(bacnapi_ClearBACnetDataType(nullptr), 0);
}

} // namespace
