// Hostile values built through the interface: chains of nested values far deeper than the limit,
// lists whose count runs past their capacity, and runs at and past the longest run. Copy,
// compare, write and clear answer with a status (or finish in linear time) on a 256 KiB stack.
#include "support/heap_watch.h"
#include "support/small_stack.h"

#include "value/copy_internal.h"
#include "value/limits.h"

#include <bacnapi/bacnapi.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

constexpr size_t kSmallStack = 256 * 1024;

std::string text_of(const BACnetDataType& v, int32_t* status = nullptr)
{
    char* text = nullptr;
    const int32_t s = bacnapi_asn1_string_get(&text, &v);
    if (status) *status = s;
    std::string t = text ? text : "";
    bacnapi_free(text);
    return t;
}

// The nested value inside a value of one of the chain types.
BACnetDataType* inner(BACnetDataType& v)
{
    switch (v.type) {
    case BACNAPI_TYPE_BACnetConstructed: return &static_cast<BACnetConstructed*>(v.payload.record)->value;
    case BACNAPI_TYPE_BACnetNestedValue: return &static_cast<BACnetNestedValue*>(v.payload.record)->value;
    default: { // a list of results: the property value of the first result's first element
        auto* result = static_cast<ReadAccessResult*>(v.payload.list->elements[0].payload.record);
        return &result->listOfResults.first.result.propertyValue;
    }
    }
}

// A chain of `levels` values of type, each holding the next one, ending in an Unsigned 7. Every
// level is made by initialise (or the reader) and the level below is moved into it, as a host
// may do.
BACnetDataType chain(int32_t type, int levels)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Unsigned;
    v.payload.unsignedValue = 7;
    for (int i = 0; i < levels; ++i) {
        BACnetDataType outer{};
        if (type == BACNAPI_TYPE_ListOfReadAccessResult)
            EXPECT_EQ(bacnapi_asn1_string_set(&outer, "{{{11,1,{{{85,-1,4,{}}}}}}}", type), 0);
        else
            EXPECT_EQ(bacnapi_initialize_data(&outer, type), 0);
        BACnetDataType* slot = inner(outer);
        bacnapi_ClearBACnetDataType(slot);
        *slot = v;
        v = outer;
    }
    return v;
}

struct ChainCase {
    int32_t type;
    int32_t deepCompare; // comparing a deep chain with itself
};

TEST(HostileInput, DeepChainsAreCopiedComparedWrittenAndClearedOnASmallStack)
{
    // Nested values (56) are unwrapped in a loop by compare, so a chain of them still compares.
    const ChainCase cases[] = {{BACNAPI_TYPE_BACnetConstructed, -1},
                               {BACNAPI_TYPE_BACnetNestedValue, 0},
                               {BACNAPI_TYPE_ListOfReadAccessResult, -1}};
    for (const ChainCase& c : cases) {
        SCOPED_TRACE(c.type);
        // Within the limit every operation works.
        BACnetDataType shallow = chain(c.type, 4);
        BACnetDataType copy{};
        EXPECT_EQ(bacnapi_access_BACnetData(&copy, &shallow, -1, 1), 0);
        if (c.type != BACNAPI_TYPE_ListOfReadAccessResult) { // results have no comparison
            EXPECT_EQ(bacnapi_CompareBACnetDataType(&copy, &shallow), 0);
        }
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&copy), 0);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&shallow), 0);

        // Far past it: statuses, and a clear that releases every level.
        const int levels = c.type == BACNAPI_TYPE_ListOfReadAccessResult ? 20000 : 200000;
        BACnetDataType deep = chain(c.type, levels);
        int32_t copied = 0, compared = 0, written = 0;
        const size_t used = small_stack::run(kSmallStack, [&] {
            BACnetDataType d{};
            copied = bacnapi_access_BACnetData(&d, &deep, -1, 1);
            bacnapi_ClearBACnetDataType(&d);
            compared = bacnapi_CompareBACnetDataType(&deep, &deep);
            (void)text_of(deep, &written);
            bacnapi_ClearBACnetDataType(&deep);
        });
        ASSERT_GT(used, 0u);
        EXPECT_LT(used, kSmallStack / 2) << used;
        RecordProperty("stack of chain " + std::to_string(c.type), static_cast<int>(used));
        EXPECT_EQ(copied, BACNAPI_E_NOTSUPPORTED);
        EXPECT_EQ(compared, c.deepCompare);
        EXPECT_NE(written, 0);
        EXPECT_EQ(deep.type, BACNAPI_TYPE_Null);
    }
}

// The deepest chain that copies is the limit: one level more is refused, also where the record
// copy itself would carry on past a nested value it cannot copy (97 keeps a Null there).
TEST(HostileInput, CopiesStopExactlyAtTheDepthLimit)
{
    for (const int32_t type : {BACNAPI_TYPE_BACnetConstructed, BACNAPI_TYPE_BACnetNestedValue}) {
        for (const int levels : {bacnapi::kMaxNestingDepth, bacnapi::kMaxNestingDepth + 1}) {
            SCOPED_TRACE(std::to_string(type) + " at " + std::to_string(levels));
            BACnetDataType v = chain(type, levels);
            BACnetDataType d{};
            EXPECT_EQ(bacnapi_access_BACnetData(&d, &v, -1, 1),
                      levels <= bacnapi::kMaxNestingDepth ? BACNAPI_S_OK : BACNAPI_E_NOTSUPPORTED);
            bacnapi_ClearBACnetDataType(&d);
            bacnapi_ClearBACnetDataType(&v);
        }
    }
}

// Clearing a chain set aside past the limit leaves nothing behind (the heap watch counts).
TEST(HostileInput, ClearingADeepChainReleasesEveryLevel)
{
    if (!heap_watch::active()) GTEST_SKIP() << "the heap watch is off under this allocator";
    const long before = heap_watch::live_blocks();
    BACnetDataType deep = chain(BACNAPI_TYPE_BACnetConstructed, 5000);
    EXPECT_EQ(heap_watch::live_blocks(), before + 5000);
    bacnapi_ClearBACnetDataType(&deep);
    EXPECT_EQ(heap_watch::live_blocks(), before);
}

// A list whose count runs past its capacity (a host broke the list): refused by copy at every
// index and unequal to everything, without a read past its array.
TEST(HostileInput, ListsCountingPastTheirCapacityAreRefusedByCopyAndCompare)
{
    BACnetDataType list{};
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetValueList* record = list.payload.list;
    for (uint32_t i = 0; i < record->capacity; ++i) {
        record->elements[i].type = BACNAPI_TYPE_Unsigned;
        record->elements[i].payload.unsignedValue = i;
    }
    record->count = record->capacity + 2;
    for (const int32_t index : {-1, 0, 1, static_cast<int32_t>(record->capacity) + 1}) {
        BACnetDataType d{};
        EXPECT_EQ(bacnapi_access_BACnetData(&d, &list, index, 1), BACNAPI_E_INVALIDARG) << index;
        bacnapi_ClearBACnetDataType(&d);
    }
    BACnetDataType fine{};
    ASSERT_EQ(bacnapi_initialize_data(&fine, BACNAPI_TYPE_ListOfUnsigned), 0);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&list, &list), -1);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&fine, &list), -1);
    record->count = record->capacity;
    BACnetDataType d{};
    EXPECT_EQ(bacnapi_access_BACnetData(&d, &list, -1, 1), 0);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&d, &list), 0);
    for (BACnetDataType* v : {&d, &fine, &list}) bacnapi_ClearBACnetDataType(v);
}

// A run of ReadAccessSpecifications with `count` elements, object instances 0, 1, 2, ...,
// with the overflow array the growth rule gives such a run (made at once: appending one by one
// copies the array every four elements, which the memory checkers make very slow).
BACnetDataType run_of(int32_t count)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, BACNAPI_TYPE_SequenceOfReadAccessSpecification), 0);
    auto* run = static_cast<SequenceOfReadAccessSpecification*>(v.payload.record);
    const size_t slots = bacnapi::overflow_slots(count);
    if (slots) {
        run->elements = static_cast<ReadAccessSpecification*>(std::calloc(slots, sizeof(ReadAccessSpecification)));
    }
    for (int32_t i = 0; i < count; ++i) {
        ReadAccessSpecification* element = i == 0 ? &run->first : &run->elements[i];
        element->objectIdentifier = {8, static_cast<uint32_t>(i)};
    }
    run->count = count;
    return v;
}

// The reader, the copy and the element store agree on the longest run, and a copy of it takes
// linear time (the overflow array is made once, with the slots that appends expect).
TEST(HostileInput, TheLongestRunIsSharedAndCopiedInLinearTime)
{
    const int32_t most = bacnapi::kSequenceMaxCount;
    BACnetDataType longest = run_of(most);
    auto* run = static_cast<SequenceOfReadAccessSpecification*>(longest.payload.record);
    ASSERT_EQ(run->count, most);
    EXPECT_EQ(bacnapi::sequence_append(run), nullptr); // the element store stops here

    const auto start = std::chrono::steady_clock::now();
    BACnetDataType copy{};
    ASSERT_EQ(bacnapi_access_BACnetData(&copy, &longest, -1, 1), 0);
    const auto took = std::chrono::steady_clock::now() - start;
    if (heap_watch::active()) { // not timed under the memory checkers
        EXPECT_LT(took, std::chrono::seconds(2)); // was half a minute
    }
    auto* copied = static_cast<SequenceOfReadAccessSpecification*>(copy.payload.record);
    ASSERT_EQ(copied->count, most);
    EXPECT_EQ(copied->elements[most - 1].objectIdentifier.instance, static_cast<uint32_t>(most - 1));
    EXPECT_EQ(bacnapi::sequence_append(copied), nullptr);

    // The reader takes the longest run and refuses one element more. (Reading grows the run
    // four slots at a time, as the element store does, which the memory checkers make slow.)
    int32_t status = 0;
    const std::string text = text_of(longest, &status);
    ASSERT_EQ(status, 0);
    BACnetDataType one = run_of(1);
    if (heap_watch::active()) {
        BACnetDataType read{};
        const int32_t runType = BACNAPI_TYPE_SequenceOfReadAccessSpecification;
        EXPECT_EQ(bacnapi_asn1_string_set(&read, text.c_str(), runType), 0);
        EXPECT_EQ(static_cast<SequenceOfReadAccessSpecification*>(read.payload.record)->count, most);
        bacnapi_ClearBACnetDataType(&read);
        const std::string longer = text.substr(0, text.size() - 1) + "," + text_of(one).substr(1);
        EXPECT_EQ(bacnapi_asn1_string_set(&read, longer.c_str(), runType), BACNAPI_WALK_E_NOMEMORY);
        bacnapi_ClearBACnetDataType(&read);
    }

    // A run that claims one element more is refused before anything is copied or written.
    run->count = most + 1;
    void* grown = std::realloc(run->elements, bacnapi::overflow_slots(most + 1) * sizeof(ReadAccessSpecification));
    ASSERT_NE(grown, nullptr);
    run->elements = static_cast<ReadAccessSpecification*>(grown);
    run->elements[most] = run->elements[1];
    EXPECT_EQ(bacnapi_access_BACnetData(&copy, &longest, -1, 1), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(static_cast<SequenceOfReadAccessSpecification*>(copy.payload.record)->count, 0);
    const std::string refused = text_of(longest, &status);
    EXPECT_EQ(status, BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(refused, "{");
    for (BACnetDataType* v : {&one, &copy, &longest}) bacnapi_ClearBACnetDataType(v);
}

} // namespace
