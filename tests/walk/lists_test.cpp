// Value lists and typed runs: growth, the walk functions' element handling, and brace-text round
// trips over every list and run type.
#include <bacnapi/bacnapi.h>

#include "value/list_types.h"
#include "walk/lists.h"
#include "walk/walk_functions.h"

#include "walk/brace_round_trip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace bacnapi {
namespace {

using namespace bacnapi::brace_test;

const std::string kDateTime = "{05/17/2024,13:45 30.25}";
const std::string kCommand1 = "{8,-1,0,1,85,-1,21.500000,8,0,0,1}";
const std::string kCommand2 = "{8,1234,2,3,85,-1,-1.250000,16,100,1,0}";
const std::string kNotification =
    "{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3,{5,{30.000000,1000,1.000000,25.000000}}}";

// Element texts of every list and run type, several alternatives and shapes each.
struct ListCase {
    int32_t type;
    std::vector<std::string> elements;
};

const std::vector<ListCase>& list_cases()
{
    static const std::vector<ListCase> cases = {
        {58, {"{0,null}", "{4,21.500000}", "{9,1}", "{2,7}"}},
        {60, {braces({kDateTime, "{2,21.500000}", "0100"}), braces({kDateTime, "{0,0110}", "0000"}),
              braces({kDateTime, "{7,null}", "1000"}), braces({kDateTime, "{8,{1,2}}", ""})}},
        {61, {"{0,05/17/2024}", "{1,{05/01/2024,05/31/2024}}", "{2,{05FF07}}"}},
        {62, {"{" + list_text({kCommand1, kCommand2}) + "}", "{" + list_text({kCommand2}) + "}"}},
        {63, {kCommand1, kCommand2}},
        {64, {"abc", "", "Zone 1"}},
        {65, {"0,1", "8,1234", "1023,4194303"}},
        {70, {"{0,8,1234}", "{1,{5,0A0B0C}}", "{-1,null}", "{1,{0,}}"}},
        {71, {"{8,1,{0,C0A80001BAC0}}", "{8,2,{5,01}}"}},
        {72, {"{0,1,{{{85,-1}},{{77,3}}}}", "{8,5,{{{120,-1}}}}"}},
        {73, {"{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone temp}}}}", "{0,2,{{{85,-1,5,{2,32}}}}}"}},
        {74, {"{85,-1,4,21.500000}", "{111,-1,4,0100}", "{85,-1,5,{2,32}}"}},
        {75, {"1", "2", "-1"}},
        {76, {"{1111111,00:00 00.00,23:59 59.99,{0,8,1},1,1,111}", "{0000011,*:* *.*,12:00 00.00,{1,{0,0A}},2,0,100}"}},
        {77, {"{" + list_text({"{08:00 00.00,4,21.500000}", "{17:00 00.00,0,null}"}) + "}", "{{}}"}},
        {78, {"{{0,{0,05/17/2024}}," + list_text({"{08:00 00.00,4,21.500000}"}) + ",16}", "{{1,6,1},{},1}"}},
        {79, {"{0,1,85,-1,8,1234}", "{2,3,87,4,8,1}"}},
        {80, {"{08:00 00.00,4,21.500000}", "{17:00 00.00,0,null}", "{*:* *.*,9,1}", "{12:00 00.00,7,Occupied}"}},
        {81, {"0101", "", "1"}},
        {82, {"{0,1}", "{1,1}", "{11,5}", "{15,2}"}},
        {83, {"{0,1,85,-1,21.500000,8}", "{8,5,77,-1,Device,16}"}},
        {84, {"{0,13:45 30.25}", "{1,42}", "{2," + kDateTime + "}"}},
        {87, {"{85,-1,21.500000,8}", "{77,-1,Room,16}", "{111,-1,0100,0}"}},
        {88, {"{0,1," + list_text({"{85,-1,21.500000,8}"}) + "}",
              "{8,5," + list_text({"{77,-1,Dev,16}", "{120,-1,260,16}"}) + "}"}},
        {93, {"{0,1,3,110}", "{3,2,0,000}"}},
        {94, {"{0,1,2,3,100,5}", "{5,5,0,1,1,6}"}},
        {106, {"{0,1,3,110," + list_text({"{0,13:45 30.25}", "{1,42}"}) + ",1,111," + list_text({"1", "2", "3"}) + "}",
               "{3,4,0,000,{},0,000,{}}"}},
        {107, {"{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}", "{{{1,{5,0A}},1},{8,5,77,3},0,0,0.000000}"}},
        {111, {"0", "5", "-1"}},
        {113, {"1.500000", "-0.250000", "0.000000"}},
        {114, {"1", "0"}},
        {120, {"{0,1}", "{1,21.500000}", "{2,3}", "{3,4}", "{4,-5}", "{5,0101}", "{6,null}", "{7,{1,2}}"}},
        {121, {"{" + kDateTime + ",{0,0100}}", "{" + kDateTime + ",{2,1.500000}}", "{" + kDateTime + ",{1," + kNotification + "}}"}},
        {122, {"{" + kDateTime + ",{0,0100}}", "{" + kDateTime + ",{1," + list_text({"{0,1}", "{1,21.500000}"}) + "}}",
               "{" + kDateTime + ",{2,1.500000}}"}},
        {125, {"{8,1234,0,1}", "{8,1,2,3}"}},
        // Typed runs.
        {89, {"{0,1,{{{85,-1}},{{77,3}}}}", "{8,5,{{{120,-1}}}}", "{2,2,{}}"}},
        {90, {"{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone temp}}}}", "{8,5,{{{120,-1,4,260}}}}", "{0,2,{}}"}},
        {91, {"{85,-1}", "{77,3}", "{111,-1}"}},
        {150, {"{85,-1,4,21.500000}", "{77,-1,4,Room}", "{85,-1,5,{2,32}}"}},
    };
    return cases;
}

// ---- Growth and the walk functions, called directly ------------------------------------------

TEST(ListsGrowth, ValueListCapacityGrowsByHalfPlusOne)
{
    const uint32_t expected[] = {1, 2, 4, 4, 7, 7, 7, 11, 11, 11, 11, 17};
    BACnetValueList list{};
    for (uint32_t i = 0; i < std::size(expected); ++i) {
        ASSERT_EQ(value_list_grow_one(&list), 0);
        EXPECT_EQ(list.count, i + 1);
        EXPECT_EQ(list.capacity, expected[i]) << "after element " << i;
        for (uint32_t s = 0; s < list.capacity; ++s) EXPECT_EQ(list.elements[s].type, 0);
    }
    std::free(list.elements);
    const uint32_t limits[][2] = {{0xAAAAAAA9u, 0xFFFFFFFEu}, {0xAAAAAAAAu, 0}, {0xFFFFFFFFu, 0}};
    for (const auto& l : limits) EXPECT_EQ(value_list_next_capacity(l[0]), l[1]);
    // More elements than slots is refused untouched; counters without an array count as empty.
    BACnetValueList broken{2, 5, static_cast<BACnetDataType*>(std::calloc(2, sizeof(BACnetDataType)))};
    EXPECT_EQ(value_list_grow_one(&broken), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(broken.count, 5u);
    std::free(broken.elements);
    BACnetValueList hollow{8, 3, nullptr};
    ASSERT_EQ(value_list_grow_one(&hollow), 0);
    EXPECT_EQ(hollow.count, 1u);
    std::free(hollow.elements);
}

TEST(ListsGrowth, RunArrayGrowsInStepsOfFourAndKeepsSlots)
{
    void* elements = nullptr;
    int32_t count = 0;
    for (int32_t step = 0; step < 9; ++step) {
        ASSERT_EQ(typed_run_grow_one(&elements, &count, sizeof(BACnetPropertyReference)), 0);
        ASSERT_EQ(count, step + 1);
        auto* slots = static_cast<BACnetPropertyReference*>(elements);
        if (count == 1) {
            EXPECT_EQ(slots, nullptr); // element 0 lives in the run record
            continue;
        }
        EXPECT_EQ(slots[count - 1].propertyIdentifier, 0u);
        slots[count - 1].propertyIdentifier = static_cast<uint32_t>(100 + count - 1);
        for (int32_t i = 1; i < count; ++i) EXPECT_EQ(slots[i].propertyIdentifier, static_cast<uint32_t>(100 + i));
    }
    std::free(elements);
    int32_t negative = -2;
    EXPECT_EQ(typed_run_grow_one(&elements, &negative, 8), BACNAPI_WALK_E_NOMEMORY);
}

TEST(ListsWalk, EveryWalkableListTypeDescribesItsElementType)
{
    int described = 0;
    for (int32_t type = 57; type <= 125; ++type) {
        const ListTypeInfo* info = list_type_info(type);
        if (!info || !info->walkable) continue;
        BACnetValueList empty{};
        BACnetFieldCursor child{};
        uint32_t more = 1;
        ASSERT_NE(find_descriptor(type), nullptr) << type;
        EXPECT_EQ(find_descriptor(type)->walk(&child, &empty, nullptr, nullptr, nullptr, &more, 0), 0) << type;
        EXPECT_EQ(child.kind, static_cast<uint32_t>(kFieldValueList));
        EXPECT_EQ(child.type, info->elementType) << type;
        EXPECT_EQ(child.nameId, 88u);
        EXPECT_EQ(child.src, nullptr) << "an empty source binds nothing";
        EXPECT_EQ(more, 1u) << "the engine, not the walk function, ends a list";
        ++described;
    }
    EXPECT_EQ(described, 35);
}

TEST(ListsWalk, ElementsAreCheckedAndRetyped)
{
    BACnetDataType elements[3]{};
    elements[0] = {BACNAPI_TYPE_Unsigned, {}};
    elements[1] = {BACNAPI_TYPE_Real, {}};
    elements[2] = {BACNAPI_TYPE_BACnetDateTime, {}}; // constructed, but without its record
    const BACnetValueList source{3, 3, elements};
    // list type, element index, status
    const int32_t cases[][3] = {{75, 0, 0}, {75, 1, BACNAPI_WALK_E_REFUSED}, {75, 3, BACNAPI_WALK_E_REFUSED},
                                {113, 0, BACNAPI_WALK_E_REFUSED}, {84, 2, BACNAPI_WALK_E_REFUSED}};
    for (const auto& c : cases) {
        BACnetFieldCursor child{};
        uint32_t more = 1;
        EXPECT_EQ(find_descriptor(c[0])->walk(&child, &source, nullptr, nullptr, nullptr, &more, c[1]), c[2])
            << c[0] << "[" << c[1] << "]";
    }
    // A destination element of another type is released and made an empty element.
    BACnetDataType list{};
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfBACnetTimeStamp), 0);
    BACnetValueList* destination = list.payload.list;
    destination->count = 1;
    ASSERT_EQ(bacnapi_initialize_data(&destination->elements[0], BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetFieldCursor child{};
    uint32_t more = 1;
    ASSERT_EQ(walk_ListOfBACnetTimeStamp(&child, nullptr, destination, nullptr, nullptr, &more, 0), 0);
    EXPECT_EQ(destination->elements[0].type, BACNAPI_TYPE_BACnetTimeStamp);
    EXPECT_EQ(child.dest, destination->elements[0].payload.record);
    release(&list);
}

TEST(ListsWalk, RunElementsComeFromRecordAndSlots)
{
    SequenceOfBACnetPropertyReference run{{85, 0xFFFFFFFFu}, nullptr, 3};
    run.elements = static_cast<BACnetPropertyReference*>(std::calloc(4, sizeof(BACnetPropertyReference)));
    const void* expected[] = {&run, &run.elements[1], &run.elements[2]};
    for (int32_t index = 0; index < 4; ++index) {
        BACnetFieldCursor child{};
        uint32_t more = 1;
        const int32_t status = walk_SequenceOfBACnetPropertyReference(&child, &run, nullptr, nullptr, nullptr, &more,
                                                                      index);
        EXPECT_EQ(child.count, 3);
        EXPECT_EQ(status, index < 3 ? 0 : BACNAPI_WALK_E_REFUSED);
        EXPECT_EQ(child.src, index < 3 ? expected[index] : nullptr);
    }
    std::free(run.elements);
    // More elements counted than held: refused past the first. A negative count is an empty run.
    run = {{85, 0}, nullptr, 2};
    BACnetFieldCursor child{};
    uint32_t more = 1;
    EXPECT_EQ(walk_SequenceOfBACnetPropertyReference(&child, &run, nullptr, nullptr, nullptr, &more, 1),
              BACNAPI_WALK_E_REFUSED);
    run.count = -4;
    EXPECT_EQ(walk_SequenceOfBACnetPropertyReference(&child, &run, nullptr, nullptr, nullptr, &more, 0), 0);
    EXPECT_EQ(child.count, 0);
}

// ---- Brace text ----------------------------------------------------------------------------

TEST(ListsText, RoundTripsOfNoneOneAndSeveralElements)
{
    for (const auto& c : list_cases()) {
        expect_round_trip(c.type, "{}");
        expect_round_trip(c.type, list_text({c.elements.front()}));
        expect_round_trip(c.type, list_text(c.elements));
    }
}

TEST(ListsText, ParsedListGrowsOneElementAtATime)
{
    // Elements parsed into an empty ListOfCharacterString, and the capacity that results.
    const struct {
        int elements;
        uint32_t capacity;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {4, 4}, {5, 7}, {8, 11}};
    for (const auto& c : cases) {
        std::vector<std::string> items;
        for (int i = 0; i < c.elements; ++i) items.push_back("s" + std::to_string(i));
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, list_text(items).c_str(), BACNAPI_TYPE_ListOfCharacterString), 0);
        const BACnetValueList* list = value.payload.list;
        EXPECT_EQ(list->count, static_cast<uint32_t>(c.elements));
        EXPECT_EQ(list->capacity, c.capacity) << c.elements << " elements";
        const BACnetDataType& last = list->elements[c.elements > 0 ? c.elements - 1 : 0];
        if (c.elements > 0) {
            EXPECT_STREQ(last.payload.characterString.data, items.back().c_str());
        }
        release(&value);
    }
}

TEST(ListsText, TextsThatEndEarlyLeaveEmptyLists)
{
    // The room made for an element that the text does not hold is taken back, and with it the list.
    const struct {
        int32_t type;
        const char* text;
        int32_t count;
    } cases[] = {{75, "{}", 0}, {75, "{{1},}", 0}, {64, "{{a},{b},}", 0}, {75, "{{1}}", 1},
                 {91, "{}", 0}, {91, "{{{85,-1}},}", 0}, {91, "{{{85,-1}},{{86,-1}},}", 0}, {91, "{{{85,-1}}}", 1}};
    for (const auto& c : cases) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), 0) << c.text;
        const int32_t count = c.type == 91
                                  ? static_cast<const SequenceOfBACnetPropertyReference*>(value.payload.record)->count
                                  : static_cast<int32_t>(value.payload.list->count);
        EXPECT_EQ(count, c.count) << c.text;
        release(&value);
    }
}

TEST(ListsText, ElementOfTheWrongTypeIsRefused)
{
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{{1},{2}}", BACNAPI_TYPE_ListOfUnsigned), 0);
    value.payload.list->elements[1] = {BACNAPI_TYPE_Real, {}};
    std::string written;
    EXPECT_EQ(write_text(value, &written), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(written, "{{1},") << "the first element was written";
    release(&value);
}

TEST(ListsText, RunOfThreeLandsInRecordAndSlots)
{
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{{{85,-1}},{{77,3}},{{111,-1}}}", 91), 0);
    const auto* run = static_cast<const SequenceOfBACnetPropertyReference*>(value.payload.record);
    ASSERT_EQ(run->count, 3);
    ASSERT_NE(run->elements, nullptr);
    const BACnetPropertyReference expected[] = {{85, 0xFFFFFFFFu}, {77, 3}, {111, 0xFFFFFFFFu}};
    const BACnetPropertyReference* got[] = {&run->first, &run->elements[1], &run->elements[2]};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(got[i]->propertyIdentifier, expected[i].propertyIdentifier) << i;
        EXPECT_EQ(got[i]->propertyArrayIndex, expected[i].propertyArrayIndex) << i;
    }
    release(&value);
}

} // namespace
} // namespace bacnapi
