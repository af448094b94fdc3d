// Event and notification parameters (51, 52) and their alternatives (126..149): the text of
// every alternative built by hand, what parsing stores, the command-failure values of any
// application type, and the failure statuses.
#include <bacnapi/bacnapi.h>

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

template <class Record>
Record* make_record(BACnetDataType* value, int32_t type)
{
    value->type = type;
    value->payload.record = std::calloc(1, sizeof(Record));
    return static_cast<Record*>(value->payload.record);
}

void set_bits(BACnetBitString* bits, const char* pattern)
{
    const size_t n = std::strlen(pattern);
    bits->bits = static_cast<uint8_t*>(std::malloc(n));
    for (size_t i = 0; i < n; ++i) bits->bits[i] = pattern[i] == '1';
    bits->bitCount = bits->usedCount = n;
}

const BACnetDeviceObjectPropertyReference kReference{{0, 1}, 85, 0xFFFFFFFFu, {8, 5}};

BACnetEventParameter* event_parameter(BACnetDataType* value, int32_t choice)
{
    auto* r = make_record<BACnetEventParameter>(value, 51);
    r->choice = choice;
    return r;
}

BACnetNotificationParameters* notification(BACnetDataType* value, int32_t choice)
{
    auto* r = make_record<BACnetNotificationParameters>(value, 52);
    r->choice = choice;
    return r;
}

struct WriteCase {
    const char* name;
    std::function<void(BACnetDataType*)> build;
    const char* text;
};

// Every alternative of both choices, members filled in record order, so that a field walked
// from the wrong member shows in the text.
const std::vector<WriteCase>& write_cases()
{
    static const std::vector<WriteCase> cases = {
        {"event: change of bitstring",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 0)->parameters.changeOfBitstring;
             p.timeDelay = 10;
             set_bits(&p.bitmask, "1100");
         },
         "{0,{10,1100,null}}"},
        {"event: change of state",
         [](BACnetDataType* v) { event_parameter(v, 1)->parameters.changeOfState.timeDelay = 5; }, "{1,{5,null}}"},
        {"event: change of value, bitmask",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 2)->parameters.changeOfValue;
             p.timeDelay = 3;
             set_bits(&p.covCriteria.value.bitmask, "01");
         },
         "{2,{3,{0,01}}}"},
        {"event: change of value, increment",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 2)->parameters.changeOfValue;
             p.timeDelay = 3;
             p.covCriteria.choice = 1;
             p.covCriteria.value.referencedPropertyIncrement = 0.5f;
         },
         "{2,{3,{1,0.500000}}}"},
        {"event: command failure",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 3)->parameters.commandFailure;
             p.timeDelay = 10;
             p.feedbackPropertyReference = kReference;
         },
         "{3,{10,{0,1,85,-1,8,5}}}"},
        {"event: floating limit",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 4)->parameters.floatingLimit;
             p = {10, kReference, 1.0f, 2.0f, 0.5f};
         },
         "{4,{10,{0,1,85,-1,8,5},1.000000,2.000000,0.500000}}"},
        {"event: out of range",
         [](BACnetDataType* v) { event_parameter(v, 5)->parameters.outOfRange = {10, -5.0f, 100.0f, 1.0f}; },
         "{5,{10,-5.000000,100.000000,1.000000}}"},
        {"event: buffer ready", [](BACnetDataType* v) { event_parameter(v, 7)->parameters.bufferReady = {5, 6}; },
         "{7,{5,6}}"},
        {"event: change of life safety",
         [](BACnetDataType* v) {
             auto& p = event_parameter(v, 8)->parameters.changeOfLifeSafety;
             p.timeDelay = 10;
             p.modePropertyReference = kReference;
         },
         "{8,{10,null,null,{0,1,85,-1,8,5}}}"},
        {"event: extended", [](BACnetDataType* v) { event_parameter(v, 9)->parameters.extended = {260, 7}; },
         "{9,{260,7,null}}"},
        {"event: buffer ready (second form)",
         [](BACnetDataType* v) { event_parameter(v, 10)->parameters.bufferReady2 = {5, 6}; }, "{10,{5,6}}"},
        {"event: unsigned range",
         [](BACnetDataType* v) { event_parameter(v, 11)->parameters.unsignedRange = {10, 1, 100}; },
         "{11,{10,1,100}}"},
        {"notification: change of bitstring",
         [](BACnetDataType* v) {
             auto& p = notification(v, 0)->parameters.changeOfBitstring;
             set_bits(&p.statusFlags, "1000");
             set_bits(&p.referencedBitstring, "0110");
         },
         "{0,{0110,1000}}"},
        {"notification: change of state",
         [](BACnetDataType* v) {
             auto& p = notification(v, 1)->parameters.changeOfState;
             set_bits(&p.statusFlags, "0001");
             p.newState.choice = 8;
             p.newState.value.enumerated = 3;
         },
         "{1,{{8,3},0001}}"},
        {"notification: change of value, bits",
         [](BACnetDataType* v) {
             auto& p = notification(v, 2)->parameters.changeOfValue;
             set_bits(&p.statusFlags, "0100");
             set_bits(&p.newValue.value.changedBits, "11");
         },
         "{2,{{0,11},0100}}"},
        {"notification: change of value, real",
         [](BACnetDataType* v) {
             auto& p = notification(v, 2)->parameters.changeOfValue;
             set_bits(&p.statusFlags, "0100");
             p.newValue.choice = 1;
             p.newValue.value.changedValue = 2.5f;
         },
         "{2,{{1,2.500000},0100}}"},
        {"notification: command failure",
         [](BACnetDataType* v) {
             auto& p = notification(v, 3)->parameters.commandFailure;
             set_bits(&p.statusFlags, "0100");
             p.commandValue.type = BACNAPI_TYPE_Real;
             p.commandValue.payload.real = 1.0f;
             p.feedbackValue.type = BACNAPI_TYPE_Enumerated;
             p.feedbackValue.payload.enumerated = 0;
         },
         "{3,{4,1.000000,0100,9,0}}"},
        {"notification: command failure with empty values",
         [](BACnetDataType* v) { notification(v, 3); }, "{3,{0,null,,0,null}}"},
        {"notification: floating limit",
         [](BACnetDataType* v) {
             auto& p = notification(v, 4)->parameters.floatingLimit;
             set_bits(&p.statusFlags, "0100");
             p.referenceValue = 1.0f;
             p.setpointValue = 2.0f;
             p.errorLimit = 3.0f;
         },
         "{4,{1.000000,0100,2.000000,3.000000}}"},
        {"notification: out of range",
         [](BACnetDataType* v) {
             auto& p = notification(v, 5)->parameters.outOfRange;
             set_bits(&p.statusFlags, "1000");
             p.exceedingValue = 5.0f;
             p.deadband = 1.0f;
             p.exceededLimit = 4.0f;
         },
         "{5,{5.000000,1000,1.000000,4.000000}}"},
        {"notification: buffer ready",
         [](BACnetDataType* v) { notification(v, 7)->parameters.bufferReady = {{8, 1}, {20, 1}, 3, 4}; },
         "{7,{8,1,20,1,3,4}}"},
        {"notification: change of life safety",
         [](BACnetDataType* v) {
             auto& p = notification(v, 8)->parameters.changeOfLifeSafety;
             p.newState = 3;
             p.newMode = 1;
             set_bits(&p.statusFlags, "0100");
             p.operationExpected = 2;
         },
         "{8,{3,1,0100,2}}"},
        {"notification: extended (its parameters are not carried)",
         [](BACnetDataType* v) {
             auto& p = notification(v, 9)->parameters.extended;
             p.vendorId = 260;
             p.extendedEventType = 7;
             p.parametersChoice = 8;
         },
         "{9,{260,7,null}}"},
        {"notification: buffer ready (second form)",
         [](BACnetDataType* v) {
             auto& p = notification(v, 10)->parameters.bufferReady2;
             p.bufferProperty = {{20, 1}, 131, 0xFFFFFFFFu, {8, 1}};
             p.previousNotification = 3;
             p.currentNotification = 4;
         },
         "{10,{{20,1,131,-1,8,1},3,4}}"},
        {"notification: unsigned range, status flags first",
         [](BACnetDataType* v) {
             auto& p = notification(v, 11)->parameters.unsignedRange;
             set_bits(&p.statusFlags, "0100");
             p.exceedingValue = 5;
             p.exceededLimit = 3;
         },
         "{11,{0100,5,3}}"},
    };
    return cases;
}

TEST(ParamsText, EveryAlternativeWritesItsFieldsInWalkOrder)
{
    for (const WriteCase& c : write_cases()) {
        SCOPED_TRACE(c.name);
        BACnetDataType value{};
        c.build(&value);
        std::string text;
        EXPECT_EQ(write_text(value, &text), 0);
        EXPECT_EQ(text, c.text);
        expect_round_trip(value.type, text);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(ParamsText, RoundTripOfNestedListsInAlternatives)
{
    const struct {
        int32_t type;
        const char* text;
    } cases[] = {
        {51, "{0,{10,1100,{{1000},{0100}}}}"},
        {51, "{0,{10,,{}}}"},
        {51, "{1,{5,{{{0,1}},{{8,3}},{{11,42}}}}}"},
        {51, "{8,{10,{{1},{2}},{{3}},{0,1,85,-1,8,5}}}"},
        {52, "{6,{{{85,-1,21.500000,8}},{{77,-1,Zone,0}}}}"},
        {52, "{6,{}}"},
    };
    for (const auto& c : cases) expect_round_trip(c.type, c.text);
}

// ---- Parsing -------------------------------------------------------------------------------

template <class Record>
Record* parse_record(BACnetDataType* value, const char* text, int32_t type)
{
    EXPECT_EQ(bacnapi_asn1_string_set(value, text, type), 0) << text;
    EXPECT_EQ(value->type, type);
    return static_cast<Record*>(value->payload.record);
}

TEST(ParamsParse, BothBufferReadyAlternativesKeepTheirNumber)
{
    for (int32_t choice : {7, 10}) {
        const std::string text = "{" + std::to_string(choice) + ",{5,6}}";
        BACnetDataType value{};
        auto* r = parse_record<BACnetEventParameter>(&value, text.c_str(), 51);
        EXPECT_EQ(r->choice, choice);
        EXPECT_EQ(r->parameters.bufferReady.notificationThreshold, 5u);
        EXPECT_EQ(r->parameters.bufferReady.previousNotificationCount, 6u);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(ParamsParse, MembersLandWhereTheRecordKeepsThem)
{
    BACnetDataType value{};
    auto* event = parse_record<BACnetEventParameter>(&value, "{9,{260,7,anything}}", 51);
    EXPECT_EQ(event->parameters.extended.vendorId, 260u);
    EXPECT_EQ(event->parameters.extended.extendedEventType, 7u);
    bacnapi_ClearBACnetDataType(&value);

    event = parse_record<BACnetEventParameter>(&value, "{2,{3,{1,0.25}}}", 51);
    EXPECT_EQ(event->parameters.changeOfValue.covCriteria.choice, 1);
    EXPECT_FLOAT_EQ(event->parameters.changeOfValue.covCriteria.value.referencedPropertyIncrement, 0.25f);
    bacnapi_ClearBACnetDataType(&value);

    event = parse_record<BACnetEventParameter>(&value, "{8,{10,{{1},{2}},{{3}},{0,1,85,-1,8,5}}}", 51);
    const auto& safety = event->parameters.changeOfLifeSafety;
    EXPECT_EQ(safety.listOfLifeSafetyAlarmValues.payload.list->count, 2u);
    EXPECT_EQ(safety.listOfAlarmValues.payload.list->count, 1u);
    EXPECT_EQ(safety.modePropertyReference.deviceIdentifier.instance, 5u);
    bacnapi_ClearBACnetDataType(&value);

    auto* note = parse_record<BACnetNotificationParameters>(&value, "{0,{0110,1000}}", 52);
    EXPECT_EQ(note->parameters.changeOfBitstring.referencedBitstring.bitCount, 4u);
    EXPECT_EQ(note->parameters.changeOfBitstring.referencedBitstring.bits[1], 1);
    EXPECT_EQ(note->parameters.changeOfBitstring.statusFlags.bits[0], 1);
    bacnapi_ClearBACnetDataType(&value);

    note = parse_record<BACnetNotificationParameters>(&value, "{11,{0100,5,3}}", 52);
    EXPECT_EQ(note->parameters.unsignedRange.statusFlags.bits[1], 1);
    EXPECT_EQ(note->parameters.unsignedRange.exceedingValue, 5u);
    EXPECT_EQ(note->parameters.unsignedRange.exceededLimit, 3u);
    bacnapi_ClearBACnetDataType(&value);

    note = parse_record<BACnetNotificationParameters>(&value, "{9,{260,7,null}}", 52);
    EXPECT_EQ(note->parameters.extended.vendorId, 260u);
    EXPECT_EQ(note->parameters.extended.parametersChoice, 0);
    bacnapi_ClearBACnetDataType(&value);

    note = parse_record<BACnetNotificationParameters>(&value, "{6,{{{85,-1,21.5,8}}}}", 52);
    ASSERT_EQ(note->parameters.complexEventType.type, BACNAPI_TYPE_ListOfBACnetPropertyValue);
    EXPECT_EQ(note->parameters.complexEventType.payload.list->count, 1u);
    bacnapi_ClearBACnetDataType(&value);
}

// The command and feedback values of a command failure carry their own type code, so any
// application value reads back with its type.
TEST(ParamsParse, CommandFailureValuesOfEveryApplicationType)
{
    const char* const literals[] = {"null",     "1",    "7",   "-5",         "1.500000",    "2.250000", "0A0B",
                                    "Setpoint", "101",  "3",   "05/17/2024", "13:45 30.25", "8,1"};
    for (int32_t type = 0; type <= 12; ++type) {
        const std::string n = std::to_string(type);
        const std::string text = "{3,{" + n + "," + literals[type] + ",0100," + n + "," + literals[type] + "}}";
        SCOPED_TRACE(text);
        expect_round_trip(52, text);
        BACnetDataType value{};
        auto* r = parse_record<BACnetNotificationParameters>(&value, text.c_str(), 52);
        EXPECT_EQ(r->parameters.commandFailure.commandValue.type, type);
        EXPECT_EQ(r->parameters.commandFailure.feedbackValue.type, type);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(ParamsParse, ReusedRecordSwitchesAlternativeWithoutLeaking)
{
    // Checked under valgrind: the lists and strings of the first alternative are released.
    BACnetDataType value{};
    parse_record<BACnetEventParameter>(&value, "{0,{10,,{{1000},{0100}}}}", 51);
    auto* event = parse_record<BACnetEventParameter>(&value, "{5,{10,1.5,2.5,0.5}}", 51);
    EXPECT_EQ(event->choice, 5);
    EXPECT_FLOAT_EQ(event->parameters.outOfRange.highLimit, 2.5f);
    event = parse_record<BACnetEventParameter>(&value, "{8,{10,{{1}},{},{0,1,85,-1,8,5}}}", 51);
    EXPECT_EQ(event->parameters.changeOfLifeSafety.listOfLifeSafetyAlarmValues.payload.list->count, 1u);
    bacnapi_ClearBACnetDataType(&value);

    parse_record<BACnetNotificationParameters>(&value, "{6,{{{77,-1,Zone,0}}}}", 52);
    auto* note = parse_record<BACnetNotificationParameters>(&value, "{3,{7,text,,4,1.5}}", 52);
    EXPECT_EQ(note->parameters.commandFailure.commandValue.type, BACNAPI_TYPE_CharacterString);
    note = parse_record<BACnetNotificationParameters>(&value, "{0,{0110,1000}}", 52);
    EXPECT_EQ(note->parameters.changeOfBitstring.statusFlags.bitCount, 4u);
    bacnapi_ClearBACnetDataType(&value);
}

TEST(ParamsParse, RetypingEmptiesTheRecordToItsFirstAlternative)
{
    BACnetDataType value{};
    parse_record<BACnetEventParameter>(&value, "{8,{10,{{1}},{{2}},{0,1,85,-1,8,5}}}", 51);
    void* record = value.payload.record;
    ASSERT_EQ(retype_value(&value, 51), 0);
    EXPECT_EQ(value.payload.record, record);
    const auto* event = static_cast<const BACnetEventParameter*>(record);
    EXPECT_EQ(event->choice, 0);
    EXPECT_EQ(event->parameters.changeOfBitstring.bitmask.bitCount, 0u);
    bacnapi_ClearBACnetDataType(&value);
}

// ---- Failures ------------------------------------------------------------------------------

TEST(ParamsFailures, UnknownAlternativesAndWrongValues)
{
    const struct {
        int32_t type;
        const char* text;
        int32_t status;
    } parses[] = {
        {51, "{6,{1,2}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {51, "{12,{1,2}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {51, "{-1,{1,2}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {51, "{2,{3,{2,1}}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {52, "{12,{1,2}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {52, "{2,{{2,1},0100}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {52, "{3,{13,1,0100,0,null}}", BACNAPI_WALK_E_REFUSED},
        {52, "{3,{0,null,0100,20,1}}", BACNAPI_WALK_E_REFUSED},
    };
    for (const auto& c : parses) {
        SCOPED_TRACE(c.text);
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), c.status);
        bacnapi_ClearBACnetDataType(&value);
    }

    const struct {
        const char* name;
        std::function<void(BACnetDataType*)> build;
        int32_t status;
    } writes[] = {
        {"event parameter alternative 6", [](BACnetDataType* v) { event_parameter(v, 6); },
         BACNAPI_WALK_E_NODESCRIPTOR},
        {"event parameter without alternative", [](BACnetDataType* v) { event_parameter(v, 999); },
         BACNAPI_WALK_E_NODESCRIPTOR},
        {"COV criteria alternative 2",
         [](BACnetDataType* v) { event_parameter(v, 2)->parameters.changeOfValue.covCriteria.choice = 2; },
         BACNAPI_WALK_E_NODESCRIPTOR},
        {"complex event type left empty", [](BACnetDataType* v) { notification(v, 6); }, BACNAPI_WALK_E_REFUSED},
        {"complex event type holding another list",
         [](BACnetDataType* v) {
             ASSERT_EQ(bacnapi_initialize_data(&notification(v, 6)->parameters.complexEventType,
                                               BACNAPI_TYPE_ListOfUnsigned),
                       0);
         },
         BACNAPI_WALK_E_REFUSED},
        {"command value of a constructed type",
         [](BACnetDataType* v) {
             auto& p = notification(v, 3)->parameters.commandFailure;
             p.commandValue.type = BACNAPI_TYPE_BACnetDateTime;
             p.commandValue.payload.record = std::calloc(1, sizeof(BACnetDateTime));
         },
         BACNAPI_WALK_E_REFUSED},
        {"changed value alternative 3",
         [](BACnetDataType* v) { notification(v, 2)->parameters.changeOfValue.newValue.choice = 3; },
         BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& c : writes) {
        SCOPED_TRACE(c.name);
        BACnetDataType value{};
        c.build(&value);
        std::string text;
        EXPECT_EQ(write_text(value, &text), c.status);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(ParamsFailures, AlternativesHaveNoStandAloneDestination)
{
    for (int32_t type = 126; type <= 149; ++type) {
        SCOPED_TRACE(type);
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, "{1,2}", type), BACNAPI_WALK_E_REFUSED);
        EXPECT_EQ(value.type, BACNAPI_TYPE_Null); // no record was made for it
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(ParamsFields, EveryWalkFunctionEndsAtItsLastField)
{
    const struct {
        int32_t type;
        int32_t fields;
    } counts[] = {
        {126, 3}, {127, 2}, {128, 2}, {129, 2}, {130, 5}, {131, 4}, {132, 2}, {133, 4},
        {134, 3}, {135, 2}, {136, 3}, {137, 1}, {138, 2}, {139, 2}, {140, 2}, {141, 3},
        {142, 4}, {143, 4}, {144, 4}, {145, 4}, {146, 3}, {147, 3}, {148, 3}, {149, 1},
    };
    for (const auto& c : counts) {
        SCOPED_TRACE(c.type);
        const BACnetTypeDescriptor* descriptor = find_descriptor(c.type);
        ASSERT_NE(descriptor, nullptr);
        EXPECT_EQ(descriptor->recordSize, 0u);
        alignas(16) unsigned char record[512] = {};
        for (int32_t i = 0; i <= c.fields; ++i) {
            BACnetFieldCursor child{};
            uint32_t more = 1;
            const int32_t status = descriptor->walk(&child, record, nullptr, nullptr, nullptr, &more, i);
            if (i == c.fields) {
                EXPECT_EQ(status, BACNAPI_WALK_E_NODESCRIPTOR);
            } else {
                EXPECT_EQ(status, 0) << "field " << i;
                EXPECT_EQ(more, i + 1 < c.fields ? 1u : 0u) << "field " << i;
            }
        }
    }
    // The two buffer-ready alternatives share one walk function.
    EXPECT_EQ(find_descriptor(132)->walk, find_descriptor(135)->walk);
}

} // namespace
} // namespace bacnapi
