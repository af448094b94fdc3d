// Records of types 21..55: the brace text of hand-built records, round trips of every type, the
// values that parsing stores, the failure statuses of the irregular fields, and the field
// descriptions themselves (absent flags, choice identifiers, past-last indexes).
#include <bacnapi/bacnapi.h>

#include "walk/field_table.h"
#include "walk/walk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace bacnapi {
namespace {

int32_t write_text(const BACnetDataType& value, std::string* out)
{
    char* text = nullptr;
    const int32_t status = bacnapi_asn1_string_get(&text, &value);
    *out = text ? text : "";
    bacnapi_free(text);
    return status;
}

// Parses text as `type` and writes it again: the text must come back unchanged, and a second
// parse of it must write the same.
void expect_round_trip(int32_t type, const std::string& text)
{
    SCOPED_TRACE("type " + std::to_string(type) + ": " + text);
    BACnetDataType first{};
    ASSERT_EQ(bacnapi_asn1_string_set(&first, text.c_str(), type), 0);
    std::string written;
    EXPECT_EQ(write_text(first, &written), 0);
    EXPECT_EQ(written, text);
    BACnetDataType second{};
    EXPECT_EQ(bacnapi_asn1_string_set(&second, written.c_str(), type), 0);
    std::string rewritten;
    EXPECT_EQ(write_text(second, &rewritten), 0);
    EXPECT_EQ(rewritten, written);
    bacnapi_ClearBACnetDataType(&first);
    bacnapi_ClearBACnetDataType(&second);
}

// A value owning a fresh zero-filled record of `type`.
template <class Record>
Record* make_record(BACnetDataType* value, int32_t type)
{
    value->type = type;
    value->payload.record = std::calloc(1, sizeof(Record));
    return static_cast<Record*>(value->payload.record);
}

BACnetDate date(int year, int month, int day, int dayOfWeek = 255)
{
    return BACnetDate{static_cast<uint8_t>(year - 1900), static_cast<uint8_t>(month), static_cast<uint8_t>(day),
                      static_cast<uint8_t>(dayOfWeek)};
}

BACnetTime time_of(int h, int m, int s, int hs)
{
    return BACnetTime{static_cast<uint8_t>(h), static_cast<uint8_t>(m), static_cast<uint8_t>(s),
                      static_cast<uint8_t>(hs)};
}

void set_bits(BACnetBitString* bits, const char* pattern)
{
    const size_t n = std::strlen(pattern);
    bits->bits = static_cast<uint8_t*>(std::malloc(n));
    for (size_t i = 0; i < n; ++i) bits->bits[i] = pattern[i] == '1';
    bits->bitCount = bits->usedCount = n;
}

void set_real(BACnetDataType* value, float real)
{
    value->type = BACNAPI_TYPE_Real;
    value->payload.real = real;
}

const BACnetObjectIdentifier kAnalogInput1{0, 1};
const BACnetObjectIdentifier kNoDevice{8, 0xFFFFFFFFu};

// ---- Hand-built records and the exact text they produce ------------------------------------

struct WriteCase {
    const char* name;
    std::function<void(BACnetDataType*)> build;
    const char* text;
    bool readsBack = true; // false where the text cannot carry what the record holds
};

const std::vector<WriteCase>& write_cases()
{
    static const std::vector<WriteCase> cases = {
        {"address, 6-octet MAC",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetAddress>(v, 21);
             r->networkNumber = 5;
             const uint8_t mac[6] = {0x0A, 0x00, 0x00, 0x01, 0xBA, 0xC0};
             std::memcpy(r->macAddress, mac, 6);
             r->macLength = 6;
         },
         "{5,0A000001BAC0}"},
        {"address, MAC length 2 of 6 octets held",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetAddress>(v, 21);
             r->networkNumber = 0;
             const uint8_t mac[6] = {0xC0, 0xA8, 1, 2, 3, 4};
             std::memcpy(r->macAddress, mac, 6);
             r->macLength = 2;
         },
         "{0,C0A8}"},
        {"date-time",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetDateTime>(v, 22);
             r->date = date(2024, 5, 17, 5);
             r->time = time_of(13, 45, 30, 25);
         },
         "{05/17/2024,13:45 30.25}"},
        {"calendar entry, date range",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetCalendarEntry>(v, 23);
             r->choice = 1;
             r->dateRange = {date(2024, 5, 1), date(2024, 5, 31)};
         },
         "{1,{05/01/2024,05/31/2024}}"},
        {"calendar entry, week-n-day",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetCalendarEntry>(v, 23);
             r->choice = 2;
             r->weekNDay = {12, 255, 7};
         },
         "{2,{0CFF07}}"},
        {"week-n-day", [](BACnetDataType* v) { *make_record<BACnetWeekNDay>(v, 25) = {1, 2, 3}; }, "{010203}"},
        {"time value, Real",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetTimeValue>(v, 26);
             r->time = time_of(8, 0, 0, 0);
             set_real(&r->value, 21.5f);
         },
         "{08:00 00.00,4,21.500000}"},
        {"time stamp, sequence number",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetTimeStamp>(v, 27);
             r->choice = 1;
             r->value.sequenceNumber = 42;
         },
         "{1,42}"},
        {"time stamp, date-time",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetTimeStamp>(v, 27);
             r->choice = 2;
             r->value.dateTime = {date(2024, 5, 17), time_of(13, 45, 30, 25)};
         },
         "{2,{05/17/2024,13:45 30.25}}"},
        {"action command, optional fields absent",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetActionCommand>(v, 28);
             r->deviceIdentifier = kNoDevice;
             r->objectIdentifier = kAnalogInput1;
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             set_real(&r->propertyValue, 21.5f);
             r->priority = 8;
             r->writeSuccessful = 1;
         },
         "{8,-1,0,1,85,-1,21.500000,8,0,0,1}"},
        {"action command, every field present",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetActionCommand>(v, 28);
             r->deviceIdentifier = {8, 1234};
             r->objectIdentifier = {3, 7};
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             r->propertyValue.type = BACNAPI_TYPE_Enumerated;
             r->propertyValue.payload.enumerated = 1;
             r->priority = 16;
             r->postDelay = 100;
             r->quitOnFailure = 1;
         },
         "{8,1234,3,7,85,-1,1,16,100,1,0}"},
        {"session key",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetSessionKey>(v, 29);
             const uint8_t key[2] = {0x01, 0xAB};
             r->sessionKey.data = static_cast<uint8_t*>(std::malloc(2));
             std::memcpy(r->sessionKey.data, key, 2);
             r->sessionKey.length = 2;
             r->peerAddress.networkNumber = 1;
             r->peerAddress.macAddress[0] = 0xFF;
             r->peerAddress.macLength = 1;
         },
         "{01AB,{1,FF}}"},
        {"recipient, none", [](BACnetDataType* v) { make_record<BACnetRecipient>(v, 30)->choice = -1; }, "{-1,null}"},
        {"recipient, address",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetRecipient>(v, 30);
             r->choice = 1;
             r->value.address.networkNumber = 2;
             r->value.address.macAddress[0] = 0x0A;
             r->value.address.macLength = 1;
         },
         "{1,{2,0A}}"},
        {"recipient process (presence octet not carried)",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetRecipientProcess>(v, 31);
             r->present = 1;
             r->recipient.value.device = {8, 1};
             r->processIdentifier = 7;
         },
         "{{0,8,1},7}"},
        {"address binding",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetAddressBinding>(v, 32);
             r->deviceObjectIdentifier = {8, 1};
             r->deviceAddress.networkNumber = 2;
             r->deviceAddress.macAddress[0] = 0xC0;
             r->deviceAddress.macAddress[1] = 0xA8;
             r->deviceAddress.macLength = 2;
         },
         "{8,1,{2,C0A8}}"},
        {"object property reference",
         [](BACnetDataType* v) {
             *make_record<BACnetObjectPropertyReference>(v, 33) = {{0, 3}, 85, 0xFFFFFFFFu};
         },
         "{0,3,85,-1}"},
        {"device object property reference",
         [](BACnetDataType* v) {
             *make_record<BACnetDeviceObjectPropertyReference>(v, 36) = {{0, 3}, 87, 2, {8, 100}};
         },
         "{0,3,87,2,8,100}"},
        {"log record, real value",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetLogRecord>(v, 37);
             r->timestamp = {date(2024, 5, 17), time_of(13, 45, 30, 25)};
             r->logDatumChoice = 2;
             r->logDatum.realValue = 1.5f;
             set_bits(&r->statusFlags, "0100");
         },
         "{{05/17/2024,13:45 30.25},{2,1.500000},0100}"},
        {"log record, failure",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetLogRecord>(v, 37);
             r->timestamp = {date(2024, 5, 17), time_of(0, 0, 0, 0)};
             r->logDatumChoice = 8;
             r->logDatum.failure = {2, 32};
         },
         "{{05/17/2024,00:00 00.00},{8,{2,32}},}"},
        {"read access specification",
         [](BACnetDataType* v) {
             auto* r = make_record<ReadAccessSpecification>(v, 38);
             r->objectIdentifier = kAnalogInput1;
             r->listOfPropertyReferences.first = {85, 0xFFFFFFFFu};
             r->listOfPropertyReferences.elements =
                 static_cast<BACnetPropertyReference*>(std::calloc(2, sizeof(BACnetPropertyReference)));
             r->listOfPropertyReferences.elements[1] = {77, 2};
             r->listOfPropertyReferences.count = 2;
         },
         "{0,1,{{{85,-1}},{{77,2}}}}"},
        {"alarm summary element",
         [](BACnetDataType* v) {
             auto* r = make_record<AlarmSummaryAckElement>(v, 40);
             r->objectIdentifier = kAnalogInput1;
             r->alarmState = 3;
             set_bits(&r->acknowledgedTransitions, "110");
         },
         "{0,1,3,110}"},
        {"enrolment summary element",
         [](BACnetDataType* v) { *make_record<EnrolmentSummaryAckElement>(v, 41) = {kAnalogInput1, 5, 2, 100, 7}; },
         "{0,1,5,2,100,7}"},
        {"read access result, one value",
         [](BACnetDataType* v) {
             auto* r = make_record<ReadAccessResult>(v, 42);
             r->objectIdentifier = kAnalogInput1;
             r->listOfResults.first.propertyIdentifier = 85;
             r->listOfResults.first.propertyArrayIndex = 0xFFFFFFFFu;
             set_real(&r->listOfResults.first.result.propertyValue, 1.5f);
             r->listOfResults.count = 1;
         },
         "{0,1,{{{85,-1,4,1.500000}}}}"},
        {"read access property value, access error",
         [](BACnetDataType* v) {
             auto* r = make_record<ReadAccessPropertyValue>(v, 43);
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             r->choice = 1;
             r->result.propertyAccessError = {2, 32};
         },
         "{85,-1,5,{2,32}}"},
        {"read access property value keeps its own type",
         [](BACnetDataType* v) {
             auto* r = make_record<ReadAccessPropertyValue>(v, 43);
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             r->result.propertyValue.type = BACNAPI_TYPE_Unsigned;
             r->result.propertyValue.payload.unsignedValue = 9;
         },
         "{85,-1,4,9}", false}, // read back, the property's own type (Real) is taken
        {"property reference", [](BACnetDataType* v) { *make_record<BACnetPropertyReference>(v, 44) = {87, 3}; },
         "{87,3}"},
        {"destination",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetDestination>(v, 45);
             set_bits(&r->validDays, "0111110");
             r->fromTime = time_of(0, 0, 0, 0);
             r->toTime = time_of(23, 59, 59, 99);
             r->recipient.value.device = {8, 1};
             r->processIdentifier = 3;
             r->issueConfirmedNotifications = 1;
             set_bits(&r->transitions, "111");
         },
         "{0111110,00:00 00.00,23:59 59.99,{0,8,1},3,1,111}"},
        {"daily schedule, empty nested list", [](BACnetDataType* v) { make_record<BACnetDailySchedule>(v, 46); },
         "{null}"},
        {"special event, calendar reference",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetSpecialEvent>(v, 47);
             r->periodChoice = 1;
             r->period.calendarReference = {6, 1};
             r->eventPriority = 16;
         },
         "{{1,6,1},null,16}"},
        {"special event, calendar entry",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetSpecialEvent>(v, 47);
             r->period.calendarEntry.choice = 2;
             r->period.calendarEntry.weekNDay = {255, 255, 6};
             r->eventPriority = 1;
         },
         "{{0,{2,{FFFF06}}},null,1}"},
        {"priority value, null", [](BACnetDataType* v) { make_record<BACnetPriorityValue>(v, 48); }, "{0,null}"},
        {"priority value, real",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPriorityValue>(v, 48);
             r->kind = 1;
             r->value.real = 21.5f;
         },
         "{4,21.500000}"},
        {"priority value, binary",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPriorityValue>(v, 48);
             r->kind = 2;
             r->value.enumerated = 1;
         },
         "{9,1}"},
        {"priority value, unsigned",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPriorityValue>(v, 48);
             r->kind = 3;
             r->value.unsignedValue = 7;
         },
         "{2,7}"},
        {"priority value, enumerated",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPriorityValue>(v, 48);
             r->kind = 4;
             r->value.enumerated = 3;
         },
         "{9,3}"},
        {"property value",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPropertyValue>(v, 49);
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             set_real(&r->value, 21.5f);
             r->priority = 8;
         },
         "{85,-1,21.500000,8}"},
        {"property states, unsigned",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPropertyStates>(v, 50);
             r->choice = 11;
             r->value.unsignedValue = 42;
         },
         "{11,42}"},
        {"client COV, default increment", [](BACnetDataType* v) { make_record<BACnetClientCOV>(v, 54)->choice = 1; },
         "{1,null}"},
        {"object property value",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetObjectPropertyValue>(v, 55);
             r->objectIdentifier = {3, 2};
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             r->value.type = BACNAPI_TYPE_Enumerated;
             r->value.payload.enumerated = 1;
             r->priority = 8;
         },
         "{3,2,85,-1,1,8}"},
    };
    return cases;
}

TEST(RecordsText, HandBuiltRecordsWriteTheirFieldsInWalkOrder)
{
    for (const WriteCase& c : write_cases()) {
        SCOPED_TRACE(c.name);
        BACnetDataType value{};
        c.build(&value);
        std::string text;
        EXPECT_EQ(write_text(value, &text), 0);
        EXPECT_EQ(text, c.text);
        // What the writer produced reads back as the same type and writes the same text.
        if (c.readsBack) expect_round_trip(value.type, text);
        bacnapi_ClearBACnetDataType(&value);
    }
}

// ---- Round trips of texts that need lists, nested values and looked-up types ----------------

TEST(RecordsText, RoundTripOfTheOtherAlternativesNestedListsAndLookedUpValues)
{
    const struct {
        int32_t type;
        const char* text;
    } cases[] = {
        {23, "{0,05/17/2024}"},
        {24, "{01/01/2024,*/*/* *}"},
        {26, "{17:30 00.00,0,null}"},
        {26, "{06:00 00.00,7,Comfort}"},
        {27, "{0,01:02 03.04}"},
        {30, "{0,8,1234}"},
        {37, "{{05/17/2024,13:45 30.25},{0,0110},0100}"},
        {37, "{{05/17/2024,13:45 30.25},{1,1},}"},
        {37, "{{05/17/2024,13:45 30.25},{3,4},}"},
        {37, "{{05/17/2024,13:45 30.25},{4,40000},}"},
        {37, "{{05/17/2024,13:45 30.25},{5,-40},}"},
        {37, "{{05/17/2024,13:45 30.25},{6,101},}"},
        {37, "{{05/17/2024,13:45 30.25},{7,null},}"},
        {37, "{{05/17/2024,13:45 30.25},{9,-3600.000000},}"},
        {50, "{0,1}"},
        {50, "{12,2}"},
        {54, "{0,0.500000}"},
        {39, "{0,1,{{{85,-1,21.500000,8}},{{77,-1,Room 12,0}}}}"},
        {39, "{3,1,{{{85,-1,1,8}}}}"},
        {39, "{0,1,null}"},
        {42, "{0,1,{{{85,-1,4,1.500000}},{{77,-1,4,Sensor}},{{28,-1,5,{2,32}}}}}"},
        {42, "{8,7,{{{77,-1,4,Controller}}}}"},
        {46, "{{{{08:00 00.00,4,21.000000}},{{17:00 00.00,0,null}},{{22:00 00.00,9,0}}}}"},
        {46, "{{}}"},
        {47, "{{0,{1,{12/24/2024,12/26/2024}}},{{{00:00 00.00,4,18.000000}}},16}"},
        {47, "{{1,6,1},{},16}"},
        {28, "{8,-1,19,4,85,-1,3,16,0,0,0}"},
        {55, "{0,1,85,-1,19.500000,8}"},
        {49, "{77,-1,Lobby,0}"},
    };
    for (const auto& c : cases) expect_round_trip(c.type, c.text);
}

// ---- What parsing stores -------------------------------------------------------------------

template <class Record>
Record* parse_record(BACnetDataType* value, const char* text, int32_t type, int32_t expected = 0)
{
    EXPECT_EQ(bacnapi_asn1_string_set(value, text, type), expected) << text;
    EXPECT_EQ(value->type, type);
    return static_cast<Record*>(value->payload.record);
}

TEST(RecordsParse, AddressStoresUpToSixOctetsAndKeepsItsMacOtherwise)
{
    const struct {
        const char* text;
        uint8_t length;
        uint8_t first;
    } cases[] = {
        {"{7,0A000001BAC0}", 6, 0x0A},
        {"{7,C0A8}", 2, 0xC0},
        {"{7,}", 0, 0xEE},              // nothing copied, length 0
        {"{7,01020304050607}", 3, 0xEE}, // 7 octets: the MAC already held stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetDataType value{};
        auto* held = make_record<BACnetAddress>(&value, 21);
        held->macLength = 3;
        std::memset(held->macAddress, 0xEE, 6);
        auto* r = parse_record<BACnetAddress>(&value, c.text, 21);
        EXPECT_EQ(r->networkNumber, 7u);
        EXPECT_EQ(r->macLength, c.length);
        EXPECT_EQ(r->macAddress[0], c.first);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(RecordsParse, WeekNDayFromFewerOctetsLeavesTheRestUnspecified)
{
    const struct {
        const char* text;
        BACnetWeekNDay expected;
    } cases[] = {
        {"{2,{0C0307}}", {12, 3, 7}},
        {"{2,{0C03}}", {12, 3, 255}},
        {"{2,{0C}}", {12, 255, 255}},
        {"{2,{}}", {255, 255, 255}},
        {"{2,{0C03070A}}", {1, 2, 3}}, // four octets: the record keeps what it held
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetDataType value{};
        auto* held = make_record<BACnetCalendarEntry>(&value, 23);
        held->choice = 2;
        held->weekNDay = {1, 2, 3};
        auto* r = parse_record<BACnetCalendarEntry>(&value, c.text, 23);
        EXPECT_EQ(r->choice, 2);
        EXPECT_EQ(r->weekNDay.month, c.expected.month);
        EXPECT_EQ(r->weekNDay.weekOfMonth, c.expected.weekOfMonth);
        EXPECT_EQ(r->weekNDay.dayOfWeek, c.expected.dayOfWeek);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(RecordsParse, ChoicesStoreTheirAlternativeAndValue)
{
    BACnetDataType value{};
    auto* recipient = parse_record<BACnetRecipient>(&value, "{-1,null}", 30);
    EXPECT_EQ(recipient->choice, -1);
    bacnapi_ClearBACnetDataType(&value);

    auto* stamp = parse_record<BACnetTimeStamp>(&value, "{2,{05/17/2024,13:45 30.25}}", 27);
    EXPECT_EQ(stamp->choice, 2);
    EXPECT_EQ(stamp->value.dateTime.date.day, 17);
    EXPECT_EQ(stamp->value.dateTime.time.hundredths, 25);
    bacnapi_ClearBACnetDataType(&value);

    // Binary (2) and enumerated (4) kinds both write alternative 9, which reads back as binary.
    auto* priority = parse_record<BACnetPriorityValue>(&value, "{9,3}", 48);
    EXPECT_EQ(priority->kind, 2);
    EXPECT_EQ(priority->value.enumerated, 3u);
    bacnapi_ClearBACnetDataType(&value);
    priority = parse_record<BACnetPriorityValue>(&value, "{2,7}", 48);
    EXPECT_EQ(priority->kind, 3);
    bacnapi_ClearBACnetDataType(&value);

    auto* timeValue = parse_record<BACnetTimeValue>(&value, "{08:00 00.00,4,21.5}", 26);
    EXPECT_EQ(timeValue->value.type, BACNAPI_TYPE_Real);
    EXPECT_FLOAT_EQ(timeValue->value.payload.real, 21.5f);
    bacnapi_ClearBACnetDataType(&value);

    auto* access = parse_record<ReadAccessPropertyValue>(&value, "{85,-1,5,{2,32}}", 43);
    EXPECT_EQ(access->choice, 1);
    EXPECT_EQ(access->result.propertyAccessError.errorCode, 32u);
    bacnapi_ClearBACnetDataType(&value);
    access = parse_record<ReadAccessPropertyValue>(&value, "{85,-1,0,2.5}", 43);
    EXPECT_EQ(access->choice, 0);
    EXPECT_EQ(access->result.propertyValue.type, BACNAPI_TYPE_Real);
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsParse, PropertyValuesTakeTheTypeOfTheirObjectAndProperty)
{
    // Object type 0 (analog input) has a Real present value, 3 (binary input) an Enumerated one.
    BACnetDataType value{};
    auto* command = parse_record<BACnetActionCommand>(&value, "{8,-1,0,1,85,-1,21.5,8,0,0,1}", 28);
    EXPECT_EQ(command->deviceIdentifier.instance, 0xFFFFFFFFu);
    EXPECT_EQ(command->propertyValue.type, BACNAPI_TYPE_Real);
    EXPECT_EQ(command->writeSuccessful, 1);
    bacnapi_ClearBACnetDataType(&value);

    auto* spec = parse_record<WriteAccessSpecification>(&value, "{3,1,{{{85,-1,1,8}}}}", 39);
    ASSERT_EQ(spec->listOfProperties.type, BACNAPI_TYPE_ListOfBACnetPropertyValue);
    const auto* pv = static_cast<const BACnetPropertyValue*>(spec->listOfProperties.payload.list->elements[0].payload.record);
    EXPECT_EQ(pv->value.type, BACNAPI_TYPE_Enumerated);
    bacnapi_ClearBACnetDataType(&value);

    auto* result = parse_record<ReadAccessResult>(&value, "{0,1,{{{85,-1,4,2.5}}}}", 42);
    EXPECT_EQ(result->listOfResults.first.result.propertyValue.type, BACNAPI_TYPE_Real);
    bacnapi_ClearBACnetDataType(&value);
    // Device objects have no present value: the lookup has no type with a descriptor.
    parse_record<ReadAccessResult>(&value, "{8,1,{{{85,-1,4,2.5}}}}", 42, BACNAPI_WALK_E_NODESCRIPTOR);
    bacnapi_ClearBACnetDataType(&value);

    // A property value on its own inherits object type 0.
    auto* single = parse_record<BACnetPropertyValue>(&value, "{85,-1,3.5,8}", 49);
    EXPECT_EQ(single->value.type, BACNAPI_TYPE_Real);
    EXPECT_EQ(single->priority, 8u);
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsParse, OptionalFieldsArePresetBeforeTheyAreRead)
{
    // The text ends before any field: the optional members already hold their sentinels.
    BACnetDataType value{};
    auto* command = parse_record<BACnetActionCommand>(&value, "{", 28, BACNAPI_E_FAIL);
    EXPECT_EQ(command->deviceIdentifier.objectType, 8u);
    EXPECT_EQ(command->deviceIdentifier.instance, 0xFFFFFFFFu);
    bacnapi_ClearBACnetDataType(&value);

    auto* reference = parse_record<BACnetObjectPropertyReference>(&value, "{0,1,85,", 33, BACNAPI_E_FAIL);
    EXPECT_EQ(reference->propertyArrayIndex, 0xFFFFFFFFu);
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsParse, EmptyNestedValueReadsBackEmpty)
{
    BACnetDataType value{};
    auto* schedule = parse_record<BACnetDailySchedule>(&value, "{null}", 46);
    EXPECT_EQ(schedule->daySchedule.type, BACNAPI_TYPE_Null);
    std::string text;
    EXPECT_EQ(write_text(value, &text), 0);
    EXPECT_EQ(text, "{null}");
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsParse, ReusedDestinationSwitchesAlternativeCleanly)
{
    // A record parsed again with another alternative releases what the old one owned (checked
    // under valgrind) and reads the new one from zero.
    BACnetDataType value{};
    parse_record<BACnetLogRecord>(&value, "{{05/17/2024,13:45 30.25},{0,0110},}", 37);
    auto* log = parse_record<BACnetLogRecord>(&value, "{{05/17/2024,13:45 30.25},{2,1.5},}", 37);
    EXPECT_EQ(log->logDatumChoice, 2);
    EXPECT_FLOAT_EQ(log->logDatum.realValue, 1.5f);
    bacnapi_ClearBACnetDataType(&value);

    parse_record<BACnetLogRecord>(&value, "{{05/17/2024,13:45 30.25},{2,1.5},}", 37);
    log = parse_record<BACnetLogRecord>(&value, "{{05/17/2024,13:45 30.25},{6,101},}", 37);
    EXPECT_EQ(log->logDatumChoice, 6);
    EXPECT_EQ(log->logDatum.bitstringValue.bitCount, 3u);
    bacnapi_ClearBACnetDataType(&value);

    parse_record<ReadAccessPropertyValue>(&value, "{77,-1,4,Name}", 43);
    auto* access = parse_record<ReadAccessPropertyValue>(&value, "{77,-1,5,{2,32}}", 43);
    EXPECT_EQ(access->choice, 1);
    access = parse_record<ReadAccessPropertyValue>(&value, "{85,-1,4,2.5}", 43);
    EXPECT_EQ(access->result.propertyValue.type, BACNAPI_TYPE_Real);
    bacnapi_ClearBACnetDataType(&value);

    parse_record<BACnetTimeValue>(&value, "{08:00 00.00,7,text}", 26);
    auto* timeValue = parse_record<BACnetTimeValue>(&value, "{08:00 00.00,8,101}", 26);
    EXPECT_EQ(timeValue->value.payload.bitString.bitCount, 3u);
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsParse, NestedValuesOfAnotherTypeAreReleasedBeforeTheyAreRead)
{
    // The nested values hold text; reading them as a list or a Real must not take the text's
    // pointer for a record (and, under valgrind, must free it).
    const auto hold_text = [](BACnetDataType* nested) {
        nested->type = BACNAPI_TYPE_CharacterString;
        nested->payload.characterString.data = static_cast<char*>(std::malloc(4));
        std::memcpy(nested->payload.characterString.data, "abc", 4);
        nested->payload.characterString.length = 4;
    };
    BACnetDataType value{};
    hold_text(&make_record<WriteAccessSpecification>(&value, 39)->listOfProperties);
    auto* spec = parse_record<WriteAccessSpecification>(&value, "{0,1,{{{85,-1,1.5,8}}}}", 39);
    EXPECT_EQ(spec->listOfProperties.type, BACNAPI_TYPE_ListOfBACnetPropertyValue);
    EXPECT_EQ(spec->listOfProperties.payload.list->count, 1u);
    bacnapi_ClearBACnetDataType(&value);

    hold_text(&make_record<BACnetPropertyValue>(&value, 49)->value);
    auto* property = parse_record<BACnetPropertyValue>(&value, "{85,-1,1.5,8}", 49);
    EXPECT_EQ(property->value.type, BACNAPI_TYPE_Real);
    EXPECT_FLOAT_EQ(property->value.payload.real, 1.5f);
    bacnapi_ClearBACnetDataType(&value);
}

// ---- Failures ------------------------------------------------------------------------------

TEST(RecordsFailures, ParsingUnknownAlternativesAndBadValues)
{
    const struct {
        int32_t type;
        const char* text;
        int32_t status;
    } cases[] = {
        {23, "{3,05/17/2024}", BACNAPI_WALK_E_NODESCRIPTOR},
        {27, "{3,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {30, "{2,8,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {30, "{-2,null}", BACNAPI_WALK_E_NODESCRIPTOR},
        {37, "{{05/17/2024,13:45 30.25},{10,1},0}", BACNAPI_WALK_E_NODESCRIPTOR}, // any-value
        {43, "{85,-1,3,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {43, "{85,-1,1,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {47, "{{2,6,1},{},16}", BACNAPI_WALK_E_NODESCRIPTOR},
        {48, "{1,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {48, "{56,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {50, "{16,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {54, "{2,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {26, "{08:00 00.00,13,1}", BACNAPI_WALK_E_REFUSED},
        {26, "{08:00 00.00,-1,1}", BACNAPI_WALK_E_REFUSED},
        {26, "{08:00 00.00,22,1}", BACNAPI_WALK_E_REFUSED},
        {22, "{05/17/2024}", BACNAPI_E_FAIL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), c.status);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(RecordsFailures, WritingRecordsThatHoldTheWrongValue)
{
    const struct {
        const char* name;
        std::function<void(BACnetDataType*)> build;
        int32_t status;
    } cases[] = {
        {"priority value of a constructed kind",
         [](BACnetDataType* v) { make_record<BACnetPriorityValue>(v, 48)->kind = 5; }, BACNAPI_WALK_E_NODESCRIPTOR},
        {"time value holding a date-time",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetTimeValue>(v, 26);
             r->value.type = BACNAPI_TYPE_BACnetDateTime;
             r->value.payload.record = std::calloc(1, sizeof(BACnetDateTime));
         },
         BACNAPI_WALK_E_REFUSED},
        {"action command holding an Unsigned where a Real is looked up",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetActionCommand>(v, 28);
             r->objectIdentifier = kAnalogInput1;
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             r->propertyValue.type = BACNAPI_TYPE_Unsigned;
         },
         BACNAPI_WALK_E_REFUSED},
        {"object property value holding a Real where an Enumerated is looked up",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetObjectPropertyValue>(v, 55);
             r->objectIdentifier = {3, 1};
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
             set_real(&r->value, 1.0f);
         },
         BACNAPI_WALK_E_REFUSED},
        {"property value left empty",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetPropertyValue>(v, 49);
             r->propertyIdentifier = 85;
             r->propertyArrayIndex = 0xFFFFFFFFu;
         },
         BACNAPI_WALK_E_REFUSED},
        {"daily schedule holding a list of unsigned",
         [](BACnetDataType* v) {
             auto* r = make_record<BACnetDailySchedule>(v, 46);
             ASSERT_EQ(bacnapi_initialize_data(&r->daySchedule, BACNAPI_TYPE_ListOfUnsigned), 0);
         },
         BACNAPI_WALK_E_REFUSED},
        {"write access specification holding a Real list",
         [](BACnetDataType* v) { set_real(&make_record<WriteAccessSpecification>(v, 39)->listOfProperties, 1.0f); },
         BACNAPI_WALK_E_REFUSED},
        {"log record with the any-value alternative",
         [](BACnetDataType* v) { make_record<BACnetLogRecord>(v, 37)->logDatumChoice = 10; },
         BACNAPI_WALK_E_NODESCRIPTOR},
        {"read access property value with an unknown result alternative",
         [](BACnetDataType* v) { make_record<ReadAccessPropertyValue>(v, 43)->choice = 2; },
         BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetDataType value{};
        c.build(&value);
        std::string text;
        EXPECT_EQ(write_text(value, &text), c.status);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(RecordsFailures, EmbeddedTypesHaveNoStandAloneDestination)
{
    for (int32_t type : {34, 35, 66}) {
        SCOPED_TRACE(type);
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, "{1,2}", type), BACNAPI_WALK_E_REFUSED);
        EXPECT_EQ(value.type, BACNAPI_TYPE_Null); // no record was made for it
        bacnapi_ClearBACnetDataType(&value);
    }
}

// ---- Field descriptions --------------------------------------------------------------------

// Records what the walk functions describe: every Single field the engine is about to visit,
// and every choice identifier offered. Alternatives are chosen as recorded.
struct Recording {
    std::vector<BACnetFieldCursor> fields;
    std::vector<uint32_t> choices;
};

int32_t record_field(const BACnetFieldCursor* cursor, void* ctx)
{
    static_cast<Recording*>(ctx)->fields.push_back(*cursor);
    return 0;
}

int32_t record_choice(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    static_cast<Recording*>(ctx)->choices.push_back(choiceId);
    *alternative = *recorded;
    return 0;
}

int32_t skip_element(uint32_t, int32_t, int32_t, uint32_t* more, int32_t, int32_t, const BACnetDataType*, void*)
{
    *more = 0;
    return 0;
}

Recording record_walk(const BACnetDataType& value)
{
    BACnetVisitor visitor{};
    visitor.filterField = record_field;
    visitor.chooseAlternative = record_choice;
    visitor.beginElement = skip_element;
    Recording recording;
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    EXPECT_EQ(bind_cursor(&cursor, &value, value.type, nullptr, value.type), 0);
    EXPECT_EQ(walk_value(&cursor, &recording, &visitor), 0);
    return recording;
}

TEST(RecordsFields, OptionalFieldsAreMarkedAbsentByTheirSentinels)
{
    BACnetDataType value{};
    auto* r = make_record<BACnetActionCommand>(&value, 28);
    r->deviceIdentifier = kNoDevice;
    r->objectIdentifier = kAnalogInput1;
    r->propertyIdentifier = 85;
    r->propertyArrayIndex = 0xFFFFFFFFu;
    set_real(&r->propertyValue, 1.0f);
    std::vector<uint32_t> absent;
    for (const auto& f : record_walk(value).fields) absent.push_back(f.absent);
    // deviceIdentifier, objectIdentifier, property, index, priority, postDelay, quit, written
    // (the Wrapped property value is not a Single field, so the filter does not see it).
    EXPECT_EQ(absent, (std::vector<uint32_t>{1, 0, 0, 1, 0, 1, 0, 0}));

    r->deviceIdentifier = {8, 5};
    r->propertyArrayIndex = 0; // the array length: an Unsigned
    r->propertyValue.type = BACNAPI_TYPE_Unsigned;
    r->postDelay = 10;
    absent.clear();
    std::vector<uint32_t> optional;
    for (const auto& f : record_walk(value).fields) {
        absent.push_back(f.absent);
        optional.push_back(f.optional);
    }
    EXPECT_EQ(absent, (std::vector<uint32_t>(8, 0)));
    EXPECT_EQ(optional, (std::vector<uint32_t>{1, 0, 0, 1, 0, 1, 0, 0}));
    bacnapi_ClearBACnetDataType(&value);
}

TEST(RecordsFields, ChoicesOfferTheirIdentifiersAndAlternativesCarryEnumerations)
{
    const struct {
        const char* text;
        int32_t type;
        uint32_t choiceId;
        uint32_t nameId; // a field of the chosen alternative ...
        uint32_t enumId; // ... and the enumeration (or choice identifier) it carries
    } cases[] = {
        {"{2,{05/17/2024,13:45 30.25}}", 27, 69, 68, 69},
        {"{1,{2,0A}}", 30, 55, 11, 55},
        {"{{05/17/2024,13:45 30.25},{3,4},}", 37, 31, 91, 0}, // enum-value: no enumeration
        {"{{05/17/2024,13:45 30.25},{4,4},}", 37, 31, 295, 31},
        {"{13,4}", 50, 50, 136, 30},
        {"{1,1}", 50, 50, 28, 6},
        {"{11,1}", 50, 50, 295, 50},
        {"{85,-1,5,{2,32}}", 43, 52, 93, 20},
        {"{9,1}", 48, 44, 27, 44},
        {"{0,0.5}", 54, 8, 247, 8},
        {"{08:00 00.00,9,1}", 26, 5, 301, 5},
        {"{{1,6,1},null,16}", 47, 67, 39, 67},
        {"{1,{05/01/2024,05/31/2024}}", 23, 7, 67, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), 0);
        const Recording recording = record_walk(value);
        EXPECT_EQ(recording.choices, std::vector<uint32_t>{c.choiceId});
        bool found = false;
        for (const auto& f : recording.fields) {
            if (f.nameId != c.nameId) continue;
            found = true;
            EXPECT_EQ(f.enumId, c.enumId);
        }
        EXPECT_TRUE(found);
        bacnapi_ClearBACnetDataType(&value);
    }
}

// Field counts of every walk function of 21..55 and of the embedded choices 34 and 66.
struct FieldCount {
    int32_t type;
    int32_t fields;
};
const FieldCount kFieldCounts[] = {
    {21, 2}, {22, 2}, {23, 1}, {24, 2}, {25, 1}, {26, 2}, {27, 1}, {28, 9}, {29, 2}, {30, 1},
    {31, 2}, {32, 2}, {33, 3}, {34, 1}, {35, 2}, {36, 4}, {37, 3}, {38, 2}, {39, 2}, {40, 3},
    {41, 5}, {42, 2}, {43, 3}, {44, 2}, {45, 7}, {46, 1}, {47, 3}, {48, 1}, {49, 4}, {50, 1},
    {51, 1}, {52, 1}, {54, 1}, {55, 5}, {66, 1},
};

// Asks a walk function for one field of a zero-filled source record; runs the finish function
// as the engine would. Returns the status and leaves the more flag in *more.
int32_t ask_field(int32_t type, int32_t index, uint32_t* more)
{
    const BACnetTypeDescriptor* descriptor = find_descriptor(type);
    if (!descriptor) return BACNAPI_WALK_E_NODESCRIPTOR;
    alignas(16) unsigned char record[1024] = {};
    BACnetFieldCursor child{};
    *more = 1;
    const int32_t status = descriptor->walk(&child, record, nullptr, nullptr, nullptr, more, index);
    if (descriptor->finishField) descriptor->finishField(&child, nullptr, index);
    return status;
}

TEST(RecordsFields, EveryWalkFunctionEndsAtItsLastField)
{
    for (const FieldCount& c : kFieldCounts) {
        SCOPED_TRACE(c.type);
        uint32_t more = 1;
        for (int32_t i = 0; i + 1 < c.fields; ++i) {
            ask_field(c.type, i, &more);
            EXPECT_EQ(more, 1u) << "field " << i;
        }
        ask_field(c.type, c.fields - 1, &more);
        EXPECT_EQ(more, 0u);
        EXPECT_EQ(ask_field(c.type, c.fields, &more), BACNAPI_WALK_E_NODESCRIPTOR);
        EXPECT_EQ(ask_field(c.type, 1000, &more), BACNAPI_WALK_E_NODESCRIPTOR);
    }
}

} // namespace
} // namespace bacnapi
