// Value lists and typed runs: growth, the walk functions' element handling, and where parsed
// elements land.
#include <bacnapi/bacnapi.h>

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

TEST(WalkLists, ValueListGrowsByHalfPlusOneWithEmptySlots)
{
    const uint32_t capacities[] = {1, 2, 4, 4, 7, 7, 7, 11}; // after 1, 2, 3, ... elements added
    BACnetValueList grown{};
    for (uint32_t n = 1; n <= std::size(capacities); ++n) {
        ASSERT_EQ(value_list_grow_one(&grown), 0);
        grown.elements[n - 1].type = BACNAPI_TYPE_Unsigned;
        EXPECT_EQ(grown.count, n);
        EXPECT_EQ(grown.capacity, capacities[n - 1]) << n << " elements";
        for (uint32_t i = n; i < grown.capacity; ++i) EXPECT_EQ(grown.elements[i].type, BACNAPI_TYPE_Null) << i;
    }
    std::free(grown.elements);
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

TEST(WalkLists, ListsReadFromTextTakeTheirRoomOnce)
{
    // A list read from text is allocated at its length, unless a string element holds a "{" that
    // makes the count ahead short: the list then grows as usual from there. Elements and their
    // order are the same either way, and the free slots stay empty.
    const struct {
        int32_t type;
        std::vector<std::string> items;
        uint32_t capacity;
    } cases[] = {
        {BACNAPI_TYPE_ListOfCharacterString, {}, 1}, // the slot made before the text said "}" stays
        {BACNAPI_TYPE_ListOfCharacterString, {"a"}, 1},
        {BACNAPI_TYPE_ListOfCharacterString, {"a", "b", "c", "d", "e", "f", "g"}, 7},
        {BACNAPI_TYPE_ListOfCharacterString, {"a{", "b", "c", "d"}, 4}, // counted 1: grown 1, 2, 4
        {BACNAPI_TYPE_ListOfCharacterString, {"a", "b{", "c", "d", "e"}, 7}, // counted 2: 2, 4, 7
        {BACNAPI_TYPE_ListOfUnsigned, {"1", "2", "3", "4", "5"}, 5},
    };
    for (const auto& c : cases) {
        const std::string text = list_text(c.items);
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, text.c_str(), c.type), 0) << text;
        const BACnetValueList& list = *value.payload.list;
        ASSERT_EQ(list.count, c.items.size()) << text;
        EXPECT_EQ(list.capacity, c.capacity) << text;
        for (uint32_t i = list.count; i < list.capacity; ++i) EXPECT_EQ(list.elements[i].type, BACNAPI_TYPE_Null);
        std::string written;
        EXPECT_EQ(write_text(value, &written), 0);
        EXPECT_EQ(written, text);
        release_value(&value);
    }

    // Nested lists are read as before: only the first list of a read is counted ahead.
    const char* nested = "{{{0,1,{{{85,-1,4,1.500000}}}}},{{1,2,{{{85,-1,4,2.000000}},{{77,-1,4,abc}}}}}}";
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, nested, BACNAPI_TYPE_ListOfReadAccessResult), 0);
    EXPECT_EQ(value.payload.list->count, 2u);
    EXPECT_EQ(value.payload.list->capacity, 2u);
    std::string written;
    EXPECT_EQ(write_text(value, &written), 0);
    EXPECT_EQ(written, nested);
    release_value(&value);
}

TEST(WalkLists, RoomKeepsElementsAndLeavesEveryUntakenSlotEmpty)
{
    BACnetValueList list{};
    ASSERT_EQ(value_list_grow_one(&list), 0);
    list.elements[0].type = BACNAPI_TYPE_Unsigned;
    list.elements[0].payload.unsignedValue = 42;
    const uint32_t capacity = 5000; // several stretches of slots emptied at a time
    {
        ListRoom room(&list);
        ASSERT_EQ(room.reserve(capacity), 1);
        EXPECT_EQ(room.reserve(capacity + 10), 0); // room is taken once
        ASSERT_EQ(list.capacity, capacity);
        EXPECT_EQ(list.count, 1u);
        EXPECT_EQ(list.elements[0].payload.unsignedValue, 42u);
        // The new slots are the room's to empty: fill them with what a reused block may hold.
        std::memset(static_cast<void*>(list.elements + 1), 0xA5, (capacity - 1) * sizeof(BACnetDataType));
        room.cover(3);
        for (uint32_t i = 1; i < 3; ++i) ASSERT_EQ(list.elements[i].type, BACNAPI_TYPE_Null) << i;
        // Elements written whole far ahead of the emptied stretch, then told of.
        for (uint32_t i = 1; i < 3000; ++i) {
            list.elements[i].type = BACNAPI_TYPE_Unsigned;
            list.elements[i].payload.unsignedValue = i;
        }
        list.count = 3000;
        room.filled(3000);
        room.cover(3001);
        EXPECT_EQ(list.elements[3000].type, BACNAPI_TYPE_Null);
    }
    for (uint32_t i = 0; i < 3000; ++i) ASSERT_EQ(list.elements[i].payload.unsignedValue, i ? i : 42u) << i;
    for (uint32_t i = 3000; i < capacity; ++i) ASSERT_EQ(list.elements[i].type, BACNAPI_TYPE_Null) << i;

    // An element past the room (the list grown the usual way) is not the room's to empty; less
    // room than the list has changes nothing.
    {
        ListRoom room(&list);
        EXPECT_EQ(room.reserve(10), 0);
        list.count = capacity;
        ASSERT_EQ(value_list_grow_one(&list), 0);
        list.elements[capacity].type = BACNAPI_TYPE_Unsigned;
        list.elements[capacity].payload.unsignedValue = 7;
    }
    EXPECT_EQ(list.elements[capacity].payload.unsignedValue, 7u);
    std::free(list.elements);
    // A broken list is not touched.
    BACnetValueList broken{2, 5, nullptr};
    {
        ListRoom room(&broken);
        EXPECT_EQ(room.reserve(100), 0);
    }
    EXPECT_EQ(broken.capacity, 2u);
    EXPECT_EQ(broken.elements, nullptr);
}

TEST(WalkLists, RunArrayGrowsInStepsOfFourAndKeepsSlots)
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
        // Room for four slots at a time (checked by the sanitizers), new slots zero-filled.
        for (int32_t i = count - 1; i < (count + 3) / 4 * 4; ++i) EXPECT_EQ(slots[i].propertyIdentifier, 0u) << i;
        slots[count - 1].propertyIdentifier = static_cast<uint32_t>(100 + count - 1);
        for (int32_t i = 1; i < count; ++i) EXPECT_EQ(slots[i].propertyIdentifier, static_cast<uint32_t>(100 + i));
    }
    std::free(elements);
    int32_t negative = -2;
    EXPECT_EQ(typed_run_grow_one(&elements, &negative, 8), BACNAPI_WALK_E_NOMEMORY);
}

TEST(WalkLists, ElementsAreCheckedAndRetyped)
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
    ASSERT_EQ(bacnapi_asn1_string_set(&list, "{{{1,42}}}", BACNAPI_TYPE_ListOfBACnetTimeStamp), 0);
    BACnetValueList* destination = list.payload.list;
    release_value(&destination->elements[0]);
    ASSERT_EQ(bacnapi_initialize_data(&destination->elements[0], BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetFieldCursor child{};
    uint32_t more = 1;
    ASSERT_EQ(find_descriptor(BACNAPI_TYPE_ListOfBACnetTimeStamp)->walk(&child, nullptr, destination, nullptr, nullptr, &more, 0), 0);
    EXPECT_EQ(destination->elements[0].type, BACNAPI_TYPE_BACnetTimeStamp);
    EXPECT_EQ(child.dest, destination->elements[0].payload.record);
    release_value(&list);

    // Plain elements: one of another type is released and emptied, a Null one loses whatever its
    // payload held, one of the element type is used as it is.
    BACnetDataType numbers{};
    ASSERT_EQ(bacnapi_asn1_string_set(&numbers, "{{1},{2},{77}}", BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetDataType* e = numbers.payload.list->elements;
    ASSERT_EQ(bacnapi_asn1_string_set(&e[0], "abc", BACNAPI_TYPE_CharacterString), 0);
    e[1] = {BACNAPI_TYPE_Null, {}};
    e[1].payload.unsignedValue = 99;
    const uint32_t expected[] = {0, 0, 77};
    for (int32_t i = 0; i < 3; ++i) {
        BACnetFieldCursor element{};
        uint32_t more = 1;
        ASSERT_EQ(find_descriptor(BACNAPI_TYPE_ListOfUnsigned)->walk(&element, nullptr, numbers.payload.list, nullptr, nullptr, &more, i), 0);
        EXPECT_EQ(e[i].type, BACNAPI_TYPE_Unsigned) << i;
        EXPECT_EQ(e[i].payload.unsignedValue, expected[i]) << i;
        EXPECT_EQ(element.dest, &e[i].payload) << i;
    }
    release_value(&numbers);
}

TEST(WalkLists, RunElementsComeFromRecordAndSlots)
{
    SequenceOfBACnetPropertyReference run{{85, 0xFFFFFFFFu}, nullptr, 3};
    run.elements = static_cast<BACnetPropertyReference*>(std::calloc(4, sizeof(BACnetPropertyReference)));
    const void* expected[] = {&run, &run.elements[1], &run.elements[2], nullptr};
    for (int32_t index = 0; index < 4; ++index) {
        BACnetFieldCursor child{};
        uint32_t more = 1;
        EXPECT_EQ(walk_SequenceOfBACnetPropertyReference(&child, &run, nullptr, nullptr, nullptr, &more, index),
                  index < 3 ? 0 : BACNAPI_WALK_E_REFUSED);
        EXPECT_EQ(child.count, 3);
        EXPECT_EQ(child.src, expected[index]);
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

    // Parsed: element 0 in the run record, elements 1 and 2 in slots 1 and 2.
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{{{85,-1}},{{77,3}},{{111,-1}}}", 91), 0);
    const auto* parsed = static_cast<const SequenceOfBACnetPropertyReference*>(value.payload.record);
    ASSERT_EQ(parsed->count, 3);
    EXPECT_EQ(parsed->first.propertyIdentifier, 85u);
    EXPECT_EQ(parsed->elements[1].propertyIdentifier, 77u);
    EXPECT_EQ(parsed->elements[1].propertyArrayIndex, 3u);
    EXPECT_EQ(parsed->elements[2].propertyIdentifier, 111u);
    release_value(&value);
}

TEST(WalkLists, TextsThatEndEarlyLeaveEmptyLists)
{
    // The room made for an element that the text does not hold is taken back, and with it the list;
    // what the elements read before own is released with them (the sanitizer and valgrind runs
    // see a leak otherwise).
    const struct {
        int32_t type;
        const char* text;
        int32_t count;
    } cases[] = {{75, "{}", 0}, {75, "{{1},}", 0}, {64, "{{a},{b},}", 0}, {75, "{{1}}", 1},
                 {91, "{}", 0}, {91, "{{{85,-1}},}", 0}, {91, "{{{85,-1}},{{86,-1}},}", 0}, {91, "{{{85,-1}}}", 1},
                 {150, "{{{77,-1,4,abc}},}", 0}, {150, "{{{77,-1,4,abc}},{{28,-1,4,def}},}", 0},
                 {150, "{{{77,-1,4,abc}}}", 1}};
    for (const auto& c : cases) {
        BACnetDataType value{};
        ASSERT_EQ(bacnapi_asn1_string_set(&value, c.text, c.type), 0) << c.text;
        const int32_t count =
            c.type == 91    ? static_cast<const SequenceOfBACnetPropertyReference*>(value.payload.record)->count
            : c.type == 150 ? static_cast<const ReadAccessResultList*>(value.payload.record)->count
                            : static_cast<int32_t>(value.payload.list->count);
        EXPECT_EQ(count, c.count) << c.text;
        release_value(&value);
    }
}

TEST(WalkLists, ElementOfTheWrongTypeIsRefusedAfterTheOnesBefore)
{
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_asn1_string_set(&value, "{{1},{2}}", BACNAPI_TYPE_ListOfUnsigned), 0);
    value.payload.list->elements[1] = {BACNAPI_TYPE_Real, {}};
    std::string written;
    EXPECT_EQ(write_text(value, &written), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(written, "{{1},");
    release_value(&value);
}

} // namespace
} // namespace bacnapi
