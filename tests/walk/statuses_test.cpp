// What the walk functions refuse and what they leave behind: unknown alternatives (-1002), values
// of the wrong type (-1003), types that cannot stand alone, the index past every walk function's
// last field, and the irregular fields whose records a host reads directly.
#include <bacnapi/bacnapi.h>

#include "value/list_types.h"
#include "walk/walk.h"

#include "walk/brace_round_trip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace bacnapi {
namespace {

using namespace bacnapi::brace_test;

constexpr int32_t kNoDescriptor = BACNAPI_WALK_E_NODESCRIPTOR;
constexpr int32_t kRefused = BACNAPI_WALK_E_REFUSED;
const std::string kDateTime = "{05/17/2024,13:45 30.25}";

template <class Record>
Record* parsed(BACnetDataType* value, const std::string& text, int32_t type, int32_t status = 0)
{
    EXPECT_EQ(bacnapi_asn1_string_set(value, text.c_str(), type), status) << text;
    return static_cast<Record*>(value->payload.record);
}

TEST(WalkStatuses, ParsingUnknownAlternativesAndValuesOfTheWrongType)
{
    const struct {
        int32_t type;
        std::string text;
        int32_t status;
    } cases[] = {
        {23, "{3,05/17/2024}", kNoDescriptor}, {27, "{3,1}", kNoDescriptor}, {30, "{2,8,1}", kNoDescriptor},
        {30, "{-2,null}", kNoDescriptor}, {37, "{" + kDateTime + ",{10,1},0}", kNoDescriptor},
        {43, "{85,-1,3,1}", kNoDescriptor}, {47, "{{2,6,1},{},16}", kNoDescriptor}, {48, "{1,1}", kNoDescriptor},
        {48, "{56,1}", kNoDescriptor}, {50, "{16,1}", kNoDescriptor}, {54, "{2,1}", kNoDescriptor},
        {51, "{6,{1,2}}", kNoDescriptor}, {51, "{12,{1,2}}", kNoDescriptor}, {51, "{-1,{1,2}}", kNoDescriptor},
        {51, "{2,{3,{2,1}}}", kNoDescriptor}, {52, "{12,{1,2}}", kNoDescriptor},
        {52, "{2,{{2,1},0100}}", kNoDescriptor}, {102, "{2,1}", kNoDescriptor}, {117, "{3,1}", kNoDescriptor},
        {119, "{8,1}", kNoDescriptor}, {123, "{3,1}", kNoDescriptor},
        {116, "{" + kDateTime + ",{3,1}}", kNoDescriptor},
        // A Wrapped value passes on its own status; a looked-up type without a walk function
        // (a device has no present-value) has none to give.
        {28, "{8,5,1,1,87,3,{1,1},16,0,0,0}", kNoDescriptor},
        {110, "{8,1,8,1,85,-1,1}", kNoDescriptor}, {42, "{8,1,{{{85,-1,4,2.5}}}}", kNoDescriptor},
        // Application-type alternatives outside 0..12.
        {26, "{08:00 00.00,13,1}", kRefused}, {26, "{08:00 00.00,-1,1}", kRefused},
        {52, "{3,{13,1,0100,0,null}}", kRefused}, {52, "{3,{0,null,0100,20,1}}", kRefused},
        // Text that ends a field early.
        {22, "{05/17/2024}", BACNAPI_E_FAIL}, {103, "{1}", BACNAPI_E_FAIL},
    };
    for (const auto& c : cases) {
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, c.text.c_str(), c.type), c.status) << c.type << " " << c.text;
        release_value(&value);
    }
}

// Gives a nested value an empty value of `type` (Null leaves it empty).
void hold(BACnetDataType& v, int32_t type)
{
    release_value(&v);
    if (type != BACNAPI_TYPE_Null) {
        ASSERT_EQ(bacnapi_initialize_data(&v, type), 0);
    }
}

template <class Record>
std::function<void(void*)> spoil(void (*change)(Record&))
{
    return [change](void* record) { change(*static_cast<Record*>(record)); };
}

TEST(WalkStatuses, WritingRecordsThatHoldAnUnknownAlternativeOrTheWrongValue)
{
    const struct {
        int32_t type;
        std::string text;
        std::function<void(void*)> change;
        int32_t status;
    } cases[] = {
        {119, "{0,1}", spoil<BACnetLogDataElement>([](auto& r) { r.choice = 8; }), kNoDescriptor},
        {48, "{0,null}", spoil<BACnetPriorityValue>([](auto& r) { r.kind = 5; }), kNoDescriptor},
        {37, "{" + kDateTime + ",{7,null},}", spoil<BACnetLogRecord>([](auto& r) { r.logDatumChoice = 10; }),
         kNoDescriptor},
        {43, "{85,-1,4,1.500000}", spoil<ReadAccessPropertyValue>([](auto& r) { r.choice = 2; }), kNoDescriptor},
        {51, "{1,{5,null}}", spoil<BACnetEventParameter>([](auto& r) { r.choice = 6; }), kNoDescriptor},
        {51, "{2,{3,{1,0.5}}}",
         spoil<BACnetEventParameter>([](auto& r) { r.parameters.changeOfValue.covCriteria.choice = 2; }),
         kNoDescriptor},
        {52, "{2,{{1,2.5},0100}}",
         spoil<BACnetNotificationParameters>([](auto& r) { r.parameters.changeOfValue.newValue.choice = 3; }),
         kNoDescriptor},
        // Values whose type differs from the one the field or the property lookup calls for.
        {110, "{8,1,0,1,85,-1,1.000000}", spoil<BACnetDeviceObjectPropertyValue>([](auto& r) { hold(r.value, 2); }),
         kRefused},
        {28, "{8,-1,0,1,85,-1,21.5,8,0,0,1}", spoil<BACnetActionCommand>([](auto& r) { hold(r.propertyValue, 2); }),
         kRefused},
        {55, "{3,2,85,-1,1,8}", spoil<BACnetObjectPropertyValue>([](auto& r) { hold(r.value, 4); }), kRefused},
        {49, "{85,-1,21.5,8}", spoil<BACnetPropertyValue>([](auto& r) { hold(r.value, 0); }), kRefused},
        {26, "{08:00 00.00,0,null}", spoil<BACnetTimeValue>([](auto& r) { hold(r.value, 22); }), kRefused},
        {46, "{{}}", spoil<BACnetDailySchedule>([](auto& r) { hold(r.daySchedule, 75); }), kRefused},
        {39, "{0,1,{}}", spoil<WriteAccessSpecification>([](auto& r) { hold(r.listOfProperties, 4); }), kRefused},
        {52, "{6,{}}", spoil<BACnetNotificationParameters>([](auto& r) { hold(r.parameters.complexEventType, 0); }),
         kRefused},
        {52, "{6,{}}", spoil<BACnetNotificationParameters>([](auto& r) { hold(r.parameters.complexEventType, 75); }),
         kRefused},
        {52, "{3,{0,null,,0,null}}",
         spoil<BACnetNotificationParameters>([](auto& r) { hold(r.parameters.commandFailure.commandValue, 22); }),
         kRefused},
    };
    for (const auto& c : cases) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, c.text.c_str(), c.type), 0) << c.text;
        c.change(value.payload.record);
        std::string written;
        EXPECT_EQ(write_text(value, &written), c.status) << c.type << " " << c.text;
        release_value(&value);
    }
}

TEST(WalkStatuses, TypesWithoutARecordOfTheirOwnCannotStandAlone)
{
    int refused = 0;
    for (int32_t type = kFirstDescribedType; type < kFirstDescribedType + kDescriptorCount; ++type) {
        const BACnetTypeDescriptor* descriptor = find_descriptor(type);
        if (!descriptor || descriptor->recordSize != 0) continue;
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, "{1,2}", type), kRefused) << type;
        EXPECT_EQ(value.type, BACNAPI_TYPE_Null) << type; // no record was made for it
        ++refused;
    }
    EXPECT_EQ(refused, 29); // SignedLong, 34, 35, 66, 126..149 and 153
}

// Field counts of every walk function that is not a list or a run.
const int32_t kFieldCounts[][2] = {
    {21, 2},   {22, 2},   {23, 1},   {24, 2},   {25, 1},   {26, 2},   {27, 1},   {28, 9},   {29, 2},   {30, 1},
    {31, 2},   {32, 2},   {33, 3},   {34, 1},   {35, 2},   {36, 4},   {37, 3},   {38, 2},   {39, 2},   {40, 3},
    {41, 5},   {42, 2},   {43, 3},   {44, 2},   {45, 7},   {46, 1},   {47, 3},   {48, 1},   {49, 4},   {50, 1},
    {51, 1},   {52, 1},   {54, 1},   {55, 5},   {59, 1},   {66, 1},   {101, 5},  {102, 1},  {103, 2},  {104, 4},
    {105, 7},  {110, 5},  {112, 1},  {116, 2},  {117, 1},  {118, 2},  {119, 1},  {123, 1},  {124, 2},  {126, 3},
    {127, 2},  {128, 2},  {129, 2},  {130, 5},  {131, 4},  {132, 2},  {133, 4},  {134, 3},  {135, 2},  {136, 3},
    {137, 1},  {138, 2},  {139, 2},  {140, 2},  {141, 3},  {142, 4},  {143, 4},  {144, 4},  {145, 4},  {146, 3},
    {147, 3},  {148, 3},  {149, 1},  {151, 1},  {152, 13}, {153, 1},
};

// Asks a walk function for one field of a zero-filled source record, as the engine would.
int32_t ask_field(const BACnetTypeDescriptor* descriptor, int32_t index, uint32_t* more)
{
    alignas(16) unsigned char record[1024] = {};
    BACnetFieldCursor child{};
    *more = 1;
    const int32_t status = descriptor->walk(&child, record, nullptr, nullptr, nullptr, more, index);
    if (descriptor->finishField) descriptor->finishField(&child, nullptr, index);
    return status;
}

TEST(WalkStatuses, EveryWalkFunctionEndsAtItsLastFieldAndKnowsNoneAfterIt)
{
    std::set<int32_t> counted;
    for (const auto& c : kFieldCounts) {
        SCOPED_TRACE(c[0]);
        counted.insert(c[0]);
        const BACnetTypeDescriptor* descriptor = find_descriptor(c[0]);
        ASSERT_NE(descriptor, nullptr);
        uint32_t more = 1;
        for (int32_t i = 0; i < c[1]; ++i) {
            ask_field(descriptor, i, &more);
            EXPECT_EQ(more, i + 1 < c[1] ? 1u : 0u) << "field " << i;
        }
        EXPECT_EQ(ask_field(descriptor, c[1], &more), kNoDescriptor);
        EXPECT_EQ(ask_field(descriptor, 1000, &more), kNoDescriptor);
    }
    // Every other walk function belongs to a list, a run or SignedLong.
    for (int32_t type = kFirstDescribedType; type < kFirstDescribedType + kDescriptorCount; ++type) {
        const ListTypeInfo* list = list_type_info(type);
        const bool elements = (list && list->walkable) || type == 89 || type == 90 || type == 91 || type == 150;
        if (find_descriptor(type) && !elements && type != BACNAPI_TYPE_SignedLong) {
            EXPECT_EQ(counted.count(type), 1u) << type;
        }
    }
    // The two buffer-ready alternatives share one walk function.
    EXPECT_EQ(find_descriptor(132)->walk, find_descriptor(135)->walk);
}

TEST(WalkStatuses, OctetFieldsLongerThanTheRecordHoldsKeepTheRecord)
{
    // MAC addresses: up to six octets are stored; seven leave the MAC that the record held.
    const struct {
        const char* text;
        uint8_t length, first;
    } macs[] = {{"{7,0A000001BAC0}", 6, 0x0A}, {"{7,C0A8}", 2, 0xC0}, {"{7,}", 0, 0xEE},
                {"{7,01020304050607}", 3, 0xEE}};
    for (const auto& c : macs) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_initialize_data(&value, BACNAPI_TYPE_BACnetAddress), 0);
        auto* held = static_cast<BACnetAddress*>(value.payload.record);
        held->macLength = 3;
        std::memset(held->macAddress, 0xEE, 6);
        auto* r = parsed<BACnetAddress>(&value, c.text, 21);
        EXPECT_EQ(r->networkNumber, 7u) << c.text;
        EXPECT_EQ(r->macLength, c.length) << c.text;
        EXPECT_EQ(r->macAddress[0], c.first) << c.text;
        release_value(&value);
    }
    // Week-n-day: octets the text does not give are unspecified (255); four keep the record.
    const struct {
        const char* text;
        uint8_t month, week, day;
    } weeks[] = {{"{2,{0C0307}}", 12, 3, 7}, {"{2,{0C03}}", 12, 3, 255}, {"{2,{}}", 255, 255, 255},
                 {"{2,{0C03070A}}", 1, 2, 3}};
    for (const auto& c : weeks) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, "{2,{010203}}", 23), 0);
        auto* r = parsed<BACnetCalendarEntry>(&value, c.text, 23);
        EXPECT_EQ(r->weekNDay.month, c.month) << c.text;
        EXPECT_EQ(r->weekNDay.weekOfMonth, c.week) << c.text;
        EXPECT_EQ(r->weekNDay.dayOfWeek, c.day) << c.text;
        release_value(&value);
    }
}

// Walks source into destination with a visitor that has no slots: only the walk functions act.
int32_t walk_both(const BACnetDataType& source, BACnetDataType* destination)
{
    static const BACnetVisitor kSilent{};
    BACnetFieldCursor cursor{};
    const int32_t status = bind_cursor(&cursor, &source, source.type, destination, source.type);
    return status != 0 ? status : walk_value(&cursor, nullptr, &kSilent);
}

TEST(WalkStatuses, CovIncrementAbsenceFollowsTheSource)
{
    const std::string text = "{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}";
    // A text that stops before the increment leaves it absent; a whole one makes it present.
    BACnetDataType source{};
    auto* record = parsed<BACnetCOVSubscription>(&source, text.substr(0, text.rfind(',')) + "}", 101, BACNAPI_E_FAIL);
    EXPECT_EQ(record->covIncrementAbsent, 1u);
    record = parsed<BACnetCOVSubscription>(&source, text, 101);
    EXPECT_EQ(record->covIncrementAbsent, 0u);
    // An absent increment is written all the same, with what the record holds.
    record->covIncrementAbsent = 1;
    std::string written;
    ASSERT_EQ(write_text(source, &written), 0);
    EXPECT_EQ(written, text);
    // A walk with both sides carries absence and presence over.
    const uint32_t cases[][3] = {{1, 0, 1}, {0, 1, 0}, {7, 0, 1}}; // source, destination before, after
    for (const auto& c : cases) {
        record->covIncrementAbsent = c[0];
        BACnetDataType destination{};
        ASSERT_EQ(bacnapi_initialize_data(&destination, BACNAPI_TYPE_BACnetCOVSubscription), 0);
        static_cast<BACnetCOVSubscription*>(destination.payload.record)->covIncrementAbsent = c[1];
        ASSERT_EQ(walk_both(source, &destination), 0);
        EXPECT_EQ(static_cast<BACnetCOVSubscription*>(destination.payload.record)->covIncrementAbsent, c[2]) << c[0];
        release_value(&destination);
    }
    release_value(&source);
}

TEST(WalkStatuses, ParsedFieldsLandInTheMembersHostsRead)
{
    BACnetDataType v{};
    auto* range = parsed<BACnetDateRange>(&v, "{05/01/2024,05/31/2024}", 24);
    EXPECT_EQ(range->startDate.day, 1);
    EXPECT_EQ(range->endDate.day, 31);
    release_value(&v);
    // Binary (2) and enumerated (4) priority values both write alternative 9, read back as binary.
    EXPECT_EQ(parsed<BACnetPriorityValue>(&v, "{9,3}", 48)->kind, 2);
    EXPECT_EQ(parsed<BACnetPriorityValue>(&v, "{2,7}", 48)->kind, 3);
    release_value(&v);
    // Optional fields hold their absent sentinel before the text reaches them.
    EXPECT_EQ(parsed<BACnetActionCommand>(&v, "{", 28, BACNAPI_E_FAIL)->deviceIdentifier.instance, 0xFFFFFFFFu);
    release_value(&v);
    EXPECT_EQ(parsed<BACnetObjectPropertyReference>(&v, "{0,1,85,", 33, BACNAPI_E_FAIL)->propertyArrayIndex,
              0xFFFFFFFFu);
    release_value(&v);
    auto* range2 = parsed<BACnetNotificationParameters>(&v, "{11,{0100,5,3}}", 52); // status flags first
    EXPECT_EQ(range2->parameters.unsignedRange.statusFlags.bits[1], 1);
    EXPECT_EQ(range2->parameters.unsignedRange.exceedingValue, 5u);
    EXPECT_EQ(range2->parameters.unsignedRange.exceededLimit, 3u);
    release_value(&v);
    // A setpoint reference read from text is marked present; writing never touches the source.
    EXPECT_EQ(parsed<BACnetSetpointReference>(&v, "{{2,7,85,-1}}", 112)->present, 1);
    static_cast<BACnetSetpointReference*>(v.payload.record)->present = 0;
    std::string written;
    ASSERT_EQ(write_text(v, &written), 0);
    EXPECT_EQ(static_cast<BACnetSetpointReference*>(v.payload.record)->present, 0);
    release_value(&v);
    // Property values take the type of their own result's object: "2" is a name here.
    const std::string results =
        list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}", "{0,1," + list_text({"{77,-1,4,2}"}) + "}"});
    auto* ack = parsed<ReadPropertyMultipleAck>(&v, "{" + results + "}", 151);
    ASSERT_EQ(ack->listOfReadAccessResults.count, 2);
    EXPECT_EQ(ack->listOfReadAccessResults.first.listOfResults.first.result.propertyValue.type, BACNAPI_TYPE_Unsigned);
    const BACnetDataType& name = ack->listOfReadAccessResults.elements[1].listOfResults.first.result.propertyValue;
    EXPECT_EQ(name.type, BACNAPI_TYPE_CharacterString);
    EXPECT_STREQ(name.payload.characterString.data, "2");
    release_value(&v);
}

int32_t record_enum_id(uint32_t, uint32_t enumId, void*, const void*, void* seen)
{
    static_cast<std::vector<uint32_t>*>(seen)->push_back(enumId);
    return 0;
}

TEST(WalkStatuses, EnumeratedValuesCarryTheirEnumerationOrTheirChoice)
{
    // Inside a choice, the choice identifier unless the alternative names its own enumeration.
    const struct {
        int32_t type;
        const char* text;
        std::vector<uint32_t> enumIds;
    } cases[] = {{43, "{36,-1,4,2}", {49, 52}}, {49, "{36,-1,2,8}", {49, 0}}, {50, "{1,1}", {6}},
                 {26, "{08:00 00.00,9,3}", {5}}, {119, "{2,4}", {0}}};
    BACnetVisitor visitor{};
    visitor.visitEnumerated = record_enum_id;
    for (const auto& c : cases) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), 0) << c.text;
        std::vector<uint32_t> seen;
        BACnetFieldCursor cursor{};
        ASSERT_EQ(bind_cursor(&cursor, &value, c.type, nullptr, c.type), 0);
        EXPECT_EQ(walk_value(&cursor, &seen, &visitor), 0) << c.text;
        EXPECT_EQ(seen, c.enumIds) << c.text;
        release_value(&value);
    }
}

TEST(WalkStatuses, ReusedDestinationsReleaseWhatTheyHeld)
{
    // Parsed again with another alternative or value type, a record releases what the old one
    // owned (checked under valgrind) and reads the new one from zero.
    const struct {
        int32_t type;
        std::vector<std::string> texts;
    } cases[] = {
        {37, {"{" + kDateTime + ",{0,0110},}", "{" + kDateTime + ",{2,1.500000},}", "{" + kDateTime + ",{6,101},}"}},
        {43, {"{77,-1,4,Name}", "{77,-1,5,{2,32}}", "{85,-1,4,2.500000}"}},
        {26, {"{08:00 00.00,7,text}", "{08:00 00.00,8,101}"}},
        {49, {"{77,-1,Lobby,0}", "{85,-1,1.500000,8}"}},
        {51, {"{0,{10,,{{1000},{0100}}}}", "{5,{10,1.500000,2.500000,0.500000}}", "{8,{10,{{1}},{},{0,1,85,-1,8,5}}}"}},
        {52, {"{6,{{{77,-1,Zone,0}}}}", "{3,{7,text,,4,1.500000}}", "{0,{0110,1000}}"}},
    };
    for (const auto& c : cases) {
        BACnetDataType value{};
        for (const std::string& text : c.texts) {
            ASSERT_EQ(bacnapi_asn1_string_set(&value, text.c_str(), c.type), 0) << text;
            std::string written;
            EXPECT_EQ(write_text(value, &written), 0);
            EXPECT_EQ(written, text);
        }
        release_value(&value);
    }
}

} // namespace
} // namespace bacnapi
