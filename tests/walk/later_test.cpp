// The later productions (59, 101 to 124) and the service records (151 to 153): brace-text round
// trips over every alternative and optional field, and the irregular fields.
#include <bacnapi/bacnapi.h>

#include "walk/walk.h"
#include "walk/walk_functions.h"

#include "walk/brace_round_trip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bacnapi {
namespace {

using namespace bacnapi::brace_test;

const std::string kDateTime = "{05/17/2024,13:45 30.25}";
const std::string kCommand = "{8,-1,0,1,85,-1,21.500000,8,0,0,1}";
const std::string kRecipientProcess = "{{0,8,1},7}";

std::string notification(const std::string& eventValues)
{
    return "{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3," + eventValues + "}";
}

// Canonical texts: each parses, writes back unchanged, and parses and writes again identically.
struct TextCase {
    int32_t type;
    std::string text;
};

const std::vector<TextCase>& text_cases()
{
    static const std::vector<TextCase> cases = {
        // 59 BACnetActionList
        {59, "{" + list_text({kCommand}) + "}"},
        {59, "{{}}"},
        // 101 BACnetCOVSubscription, recipients of every alternative
        {101, "{" + kRecipientProcess + ",{0,1,85,-1},1,300,0.500000}"},
        {101, "{{{1,{5,0A0B}},1},{8,5,77,3},0,0,0.000000}"},
        {101, "{{{-1,null},0},{0,1,85,2},0,4294,-2.500000}"},
        // 102 BACnetScale
        {102, "{0,1.500000}"},
        {102, "{1,10}"},
        // 103 BACnetPrescale
        {103, "{1,2}"},
        // 104 BACnetAccumulatorRecord
        {104, "{" + kDateTime + ",100,200,1}"},
        // 105 EventSummaryElement
        {105, "{0,1,3,110," + list_text({"{0,13:45 30.25}", "{1,42}", "{2," + kDateTime + "}"}) + ",1,111," +
                  list_text({"1", "2", "3"}) + "}"},
        {105, "{3,4,0,,{},0,,{}}"},
        // 110 BACnetDeviceObjectPropertyValue: the value's type follows object and property
        {110, "{8,1234,0,1,85,-1,21.500000}"},
        {110, "{8,1,8,1,77,-1,Device}"},
        {110, "{8,1,0,1,111,-1,0100}"},
        {110, "{8,1,1,1,87,3,{4,21.500000}}"},
        {110, "{8,1,1,1,87,0,16}"},
        // 112 BACnetSetpointReference
        {112, "{{0,1,85,-1}}"},
        // 116 BACnetEventLogRecord, every log-datum alternative (153)
        {116, "{" + kDateTime + ",{0,0100}}"},
        {116, "{" + kDateTime + ",{1," + notification("{5,{30.000000,1000,1.000000,25.000000}}") + "}}"},
        {116, "{" + kDateTime + ",{2,1.500000}}"},
        // 117 BACnetLogData
        {117, "{0,0100}"},
        {117, "{1," + list_text({"{0,1}", "{3,4}", "{7,{1,2}}"}) + "}"},
        {117, "{1,{}}"},
        {117, "{2,1.500000}"},
        // 118 BACnetLogMultipleRecord
        {118, "{" + kDateTime + ",{0,0100}}"},
        {118, "{" + kDateTime + ",{1," + list_text({"{1,21.500000}", "{6,null}"}) + "}}"},
        {118, "{" + kDateTime + ",{2,-0.500000}}"},
        // 119 BACnetLogDataElement, every alternative
        {119, "{0,1}"},
        {119, "{1,21.500000}"},
        {119, "{2,3}"},
        {119, "{3,4}"},
        {119, "{4,-5}"},
        {119, "{5,0101}"},
        {119, "{6,null}"},
        {119, "{7,{1,2}}"},
        // 123 BACnetShedLevel
        {123, "{0,50}"},
        {123, "{1,2}"},
        {123, "{2,12.500000}"},
        // 124 BACnetDeviceObjectReference
        {124, "{8,1234,0,1}"},
        // 151 ReadPropertyMultipleAck
        {151, "{{}}"},
        {151, "{" + list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}"}) + "}"},
        {151, "{" + list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}",
                               "{0,1," + list_text({"{85,-1,4,21.500000}", "{77,-1,4,Zone temp}", "{111,-1,4,0100}"}) + "}",
                               "{0,2," + list_text({"{85,-1,5,{2,32}}"}) + "}"}) +
                  "}"},
        // 152 the event notification, with several kinds of event values
        {152, notification("{5,{30.000000,1000,1.000000,25.000000}}")},
        {152, notification("{0,{0101,1000}}")},
        {152, notification("{6," + list_text({"{85,-1,21.500000,8}"}) + "}")},
        {152, "{0,8,1,0,1,{0,13:45 30.25},0,0,0,,0,0,0,0,{11,{0000,5,9}}}"},
    };
    return cases;
}

TEST(LaterText, RoundTrips)
{
    for (const auto& c : text_cases()) expect_round_trip(c.type, c.text);
}

TEST(LaterText, FailuresOfThePieces)
{
    const struct {
        int32_t type;
        const char* text;
        int32_t status;
    } cases[] = {
        {119, "{8,1}", BACNAPI_WALK_E_NODESCRIPTOR},        // the any-value alternative is not walked
        {119, "{9,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {117, "{3,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {123, "{3,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {102, "{2,1}", BACNAPI_WALK_E_NODESCRIPTOR},
        {116, "{{05/17/2024,13:45 30.25},{3,1}}", BACNAPI_WALK_E_NODESCRIPTOR},
        {110, "{8,1,8,1,85,-1,1}", BACNAPI_WALK_E_NODESCRIPTOR}, // a device has no present-value
        {103, "{1}", BACNAPI_E_FAIL},                             // the text ends a field early
    };
    for (const auto& c : cases) {
        BACnetDataType value{};
        EXPECT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), c.status) << c.type << " " << c.text;
        release(&value);
    }
}

TEST(LaterText, UnwalkableSourceAlternatives)
{
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{0,1}", BACNAPI_TYPE_BACnetLogDataElement), 0);
    static_cast<BACnetLogDataElement*>(value.payload.record)->choice = 8;
    std::string written;
    EXPECT_EQ(write_text(value, &written), BACNAPI_WALK_E_NODESCRIPTOR);
    release(&value);

    // A property value whose type differs from the one its property calls for.
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{8,1,0,1,85,-1,1.000000}", BACNAPI_TYPE_BACnetDeviceObjectPropertyValue),
              0);
    auto* record = static_cast<BACnetDeviceObjectPropertyValue*>(value.payload.record);
    record->value.type = BACNAPI_TYPE_Unsigned;
    record->value.payload.unsignedValue = 3;
    EXPECT_EQ(write_text(value, &written), BACNAPI_WALK_E_REFUSED);
    release(&value);
}

TEST(LaterText, ReadPropertyMultipleValuesTakeTypesFromTheirResult)
{
    // The same property values under two object types: their types follow each result's object.
    const std::string values = list_text({"{85,-1,4,1.000000}", "{77,-1,4,2}", "{111,-1,4,0100}"});
    const std::string text = "{" + list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}", "{0,1," + values + "}"}) + "}";
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, text.c_str(), BACNAPI_TYPE_ReadPropertyMultipleAck), 0);
    const SequenceOfReadAccessResult& results =
        static_cast<const ReadPropertyMultipleAck*>(value.payload.record)->listOfReadAccessResults;
    ASSERT_EQ(results.count, 2);
    EXPECT_EQ(results.first.listOfResults.first.result.propertyValue.type, BACNAPI_TYPE_Unsigned);
    const ReadAccessResultList& second = results.elements[1].listOfResults;
    ASSERT_EQ(second.count, 3);
    const ReadAccessPropertyValue* elements[] = {&second.first, &second.elements[1], &second.elements[2]};
    const int32_t types[] = {BACNAPI_TYPE_Real, BACNAPI_TYPE_CharacterString, BACNAPI_TYPE_BitString};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(elements[i]->result.propertyValue.type, types[i]) << i;
    EXPECT_STREQ(second.elements[1].result.propertyValue.payload.characterString.data, "2");
    release(&value);
}

// Walks source into destination with a visitor that has no slots: only the walk functions act.
int32_t walk_both(const BACnetDataType& source, BACnetDataType* destination)
{
    static const BACnetVisitor kSilent{};
    BACnetFieldCursor cursor{};
    cursor.nameId = 3;
    cursor.tag = -1;
    int32_t status = bind_cursor(&cursor, &source, source.type, destination, source.type);
    if (status == 0) status = walk_value(&cursor, nullptr, &kSilent);
    return status;
}

TEST(LaterCOVSubscription, IncrementAbsenceFollowsTheSource)
{
    const std::string text = "{" + kRecipientProcess + ",{0,1,85,-1},1,300,0.500000}";
    // A text that stops before the increment fails and leaves it marked absent; a whole one
    // marks it present.
    BACnetDataType source{};
    const std::string shortened = text.substr(0, text.rfind(',')) + "}";
    EXPECT_EQ(bacnapi_asn1_string_set(&source, shortened.c_str(), BACNAPI_TYPE_BACnetCOVSubscription), BACNAPI_E_FAIL);
    EXPECT_EQ(static_cast<BACnetCOVSubscription*>(source.payload.record)->covIncrementAbsent, 1u);
    ASSERT_EQ(bacnapi_asn1_string_set(&source, text.c_str(), BACNAPI_TYPE_BACnetCOVSubscription), 0);
    auto* record = static_cast<BACnetCOVSubscription*>(source.payload.record);
    EXPECT_EQ(record->covIncrementAbsent, 0u);

    // An absent increment is written all the same, with what the record holds.
    record->covIncrementAbsent = 1;
    std::string written;
    ASSERT_EQ(write_text(source, &written), 0);
    EXPECT_EQ(written, text);

    // A walk with both sides carries the absence over, and presence too.
    const struct {
        uint32_t sourceAbsent, destinationBefore, destinationAfter;
    } cases[] = {{1, 0, 1}, {0, 1, 0}, {7, 0, 1}};
    for (const auto& c : cases) {
        record->covIncrementAbsent = c.sourceAbsent;
        BACnetDataType destination{};
        ASSERT_EQ(bacnapi_initialize_data(&destination, BACNAPI_TYPE_BACnetCOVSubscription), 0);
        static_cast<BACnetCOVSubscription*>(destination.payload.record)->covIncrementAbsent = c.destinationBefore;
        ASSERT_EQ(walk_both(source, &destination), 0);
        EXPECT_EQ(static_cast<BACnetCOVSubscription*>(destination.payload.record)->covIncrementAbsent,
                  c.destinationAfter)
            << c.sourceAbsent;
        release(&destination);
    }
    release(&source);
}

TEST(LaterSetpointReference, SourceUntouchedDestinationMarkedPresent)
{
    BACnetDataType source{};
    ASSERT_EQ(bacnapi_initialize_data(&source, BACNAPI_TYPE_BACnetSetpointReference), 0);
    auto* record = static_cast<BACnetSetpointReference*>(source.payload.record);
    record->setpointReference = {{2, 7}, 85, 0xFFFFFFFFu};
    ASSERT_EQ(record->present, 0);
    std::string written;
    ASSERT_EQ(write_text(source, &written), 0);
    EXPECT_EQ(written, "{{2,7,85,-1}}");
    EXPECT_EQ(record->present, 0) << "writing must not touch the source";

    BACnetDataType parsed{};
    ASSERT_EQ(bacnapi_asn1_string_set(&parsed, written.c_str(), BACNAPI_TYPE_BACnetSetpointReference), 0);
    const auto* back = static_cast<const BACnetSetpointReference*>(parsed.payload.record);
    EXPECT_EQ(back->present, 1);
    EXPECT_EQ(back->setpointReference.objectIdentifier.instance, 7u);
    release(&parsed);
    release(&source);
}

TEST(LaterWalk, LastFieldClearsMoreAndTheNextIsUnknown)
{
    // type code, number of fields
    const int32_t cases[][2] = {{59, 1},  {101, 5}, {102, 1}, {103, 2}, {104, 4}, {105, 7},  {110, 5}, {112, 1}, {116, 2},
                                {117, 1}, {118, 2}, {119, 1}, {123, 1}, {124, 2}, {151, 1}, {152, 13}, {153, 1}};
    for (const auto& c : cases) {
        const BACnetTypeDescriptor* d = find_descriptor(c[0]);
        ASSERT_NE(d, nullptr) << c[0];
        for (int32_t index = 0; index <= c[1]; ++index) {
            BACnetFieldCursor child{};
            uint32_t more = 1;
            const int32_t status = d->walk(&child, nullptr, nullptr, nullptr, nullptr, &more, index);
            if (index == c[1]) {
                EXPECT_EQ(status, BACNAPI_WALK_E_NODESCRIPTOR) << c[0];
            } else {
                EXPECT_EQ(more, index + 1 == c[1] ? 0u : 1u) << c[0] << " field " << index;
            }
        }
    }
}

} // namespace
} // namespace bacnapi
