// Hostile and careless input to the brace-text reader and writer: texts nested far deeper than any
// real value (closed or cut short), arbitrary edits of valid texts, values whose record or list is
// missing and lists whose count runs past their capacity. Each gives a status and leaves values
// safe to clear: never a crash, a hang or a leak, also on a thread with a 256 KiB stack.
#include "brace/brace_test_util.h"
#include "support/heap_watch.h"
#include "support/release_value.h"
#include "support/small_stack.h"

#include "value/limits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace brace_test;

constexpr int32_t kFail = BACNAPI_E_FAIL;
constexpr size_t kSmallStack = 256 * 1024;

// A text of values nested inside each other: `levels` openings, the innermost text, then as many
// closings (none when the text is cut short).
struct Nesting {
    const char* name;
    int32_t type;
    const char* open;
    const char* innermost;
    const char* close;

    std::string text(int levels, bool closed = true) const
    {
        std::string t;
        for (int i = 0; i < levels; ++i) t += open;
        t += innermost;
        for (int i = 0; closed && i < levels; ++i) t += close;
        return t;
    }
};

// Results whose property value is again a list of results (present value of a group object),
// the same as a run of results, and action commands whose action lists hold action commands.
const Nesting kNestings[] = {
    {"results", BACNAPI_TYPE_ListOfReadAccessResult, "{{{11,1,{{{85,-1,0,", "{}", "}}}}}}"},
    {"result run", BACNAPI_TYPE_SequenceOfReadAccessResult, "{{{11,1,{{{85,-1,0,", "{}", "}}}}}}"},
    {"action command", BACNAPI_TYPE_BACnetActionCommand, "{8,-1,7,1,2,-1,{{{{{", "{8,-1,7,1,2,-1,{},16,0,1,0}",
     "}}}}},16,0,1,0}"},
    {"action lists", BACNAPI_TYPE_ListOfBACnetActionList, "{{{{{{8,-1,7,1,2,-1,", "{}", ",16,0,1,0}}}}}}"},
};

struct Outcome {
    int32_t read;
    int32_t write;
    std::string text;
};

// Reads text as type, writes the value back and releases it.
Outcome read_and_write(const std::string& text, int32_t type)
{
    BACnetDataType v{};
    Outcome o{bacnapi_asn1_string_set(&v, text.c_str(), type), 0, {}};
    const Written w = write_value(v);
    o.write = w.status;
    o.text = w.text;
    release_value(&v);
    return o;
}

TEST(HostileInput, DeepTextsGiveAStatusOnASmallStack)
{
    for (const Nesting& n : kNestings) {
        SCOPED_TRACE(n.name);
        // A handful of levels reads, and what it writes reads back and writes the same again.
        const Outcome ok = read_and_write(n.text(3), n.type);
        EXPECT_EQ(ok.read, 0);
        EXPECT_EQ(ok.write, 0);
        const Outcome again = read_and_write(ok.text, n.type);
        EXPECT_EQ(again.read, 0);
        EXPECT_EQ(again.text, ok.text);

        // Far past the limit, closed and cut short: a status, on a 256 KiB stack.
        for (const bool closed : {true, false}) {
            const std::string deep = n.text(20000, closed);
            Outcome o{};
            const size_t used = small_stack::run(kSmallStack, [&] { o = read_and_write(deep, n.type); });
            ASSERT_GT(used, 0u);
            EXPECT_LT(used, kSmallStack / 2) << used;
            EXPECT_NE(o.read, 0) << "closed " << closed;
            // What was read before the refusal stays in the value and holds records down to the
            // level past the limit: writing it is refused at that level too.
            EXPECT_EQ(o.write, BACNAPI_WALK_E_REFUSED);
        }
    }
}

// The deepest text of each nesting that still reads, and what a level costs in stack: the
// figures the documentation gives come from here.
TEST(HostileInput, TheDepthLimitIsWhereTheStackStaysSmall)
{
    for (const Nesting& n : kNestings) {
        SCOPED_TRACE(n.name);
        int deepest = 0;
        while (deepest < bacnapi::kMaxNestingDepth && read_and_write(n.text(deepest + 1), n.type).read == 0) ++deepest;
        // Each nesting goes at least one level deeper per repetition, so the limit stops it
        // within kMaxNestingDepth repetitions; real values (three repetitions) stay well inside.
        EXPECT_GE(deepest, 3);
        EXPECT_LT(deepest, bacnapi::kMaxNestingDepth);
        EXPECT_NE(read_and_write(n.text(deepest + 1), n.type).read, 0);

        size_t one = 0;
        size_t most = 0;
        one = small_stack::run(kSmallStack, [&] { (void)read_and_write(n.text(1), n.type); });
        most = small_stack::run(kSmallStack, [&] { (void)read_and_write(n.text(deepest), n.type); });
        ASSERT_GT(most, one);
        EXPECT_LT(most, kSmallStack / 2);
        const size_t perRepetition = (most - one) / static_cast<size_t>(deepest > 1 ? deepest - 1 : 1);
        RecordProperty(std::string(n.name) + " deepest", deepest);
        RecordProperty(std::string(n.name) + " stack at deepest", static_cast<int>(most));
        RecordProperty(std::string(n.name) + " stack per repetition", static_cast<int>(perRepetition));
    }
}

// A value of a constructed type whose record or list pointer is null has nothing to write: every
// operation answers with a status at once (before, writing one appended "{{0,null}}," forever).
TEST(HostileInput, ValuesWithoutTheirRecordGiveAStatus)
{
    const int32_t types[] = {BACNAPI_TYPE_BACnetPriorityArray,     BACNAPI_TYPE_BACnetDailySchedule,
                             BACNAPI_TYPE_BACnetSpecialEvent,      BACNAPI_TYPE_BACnetActionList,
                             BACNAPI_TYPE_BACnetPropertyValue,     BACNAPI_TYPE_ListOfReadAccessResult,
                             BACNAPI_TYPE_SequenceOfReadAccessResult, BACNAPI_TYPE_BACnetEventParameter};
    for (const int32_t type : types) {
        SCOPED_TRACE(type);
        const BACnetDataType bare = word(type, 0);
        const Written w = write_value(bare, "<");
        EXPECT_EQ(w.status, BACNAPI_WALK_E_REFUSED);
        EXPECT_EQ(w.text, "<");

        // Held inside a property value, it stops the writer at its own field.
        BACnetDataType holder{};
        ASSERT_EQ(bacnapi_initialize_data(&holder, BACNAPI_TYPE_BACnetPropertyValue), 0);
        auto* record = static_cast<BACnetPropertyValue*>(holder.payload.record);
        record->propertyIdentifier = 85;
        record->value = bare;
        EXPECT_NE(write_value(holder).status, 0);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&holder), 0);

        // Read into, it gets a record of its own.
        BACnetDataType into = bare;
        EXPECT_NE(bacnapi_asn1_string_set(&into, "", type), 0);
        release_value(&into);
        EXPECT_EQ(into.payload.record, nullptr);
    }
}

// The values that initialise and copy leave when their first allocation is refused are values
// without their list: writing them must end.
TEST(HostileInput, ValuesLeftByARefusedAllocationCanBeWritten)
{
    if (!heap_watch::active()) GTEST_SKIP() << "the heap watch is off under this allocator";
    const long before = heap_watch::live_blocks();
    BACnetDataType made{};
    heap_watch::refuse_after(0);
    EXPECT_EQ(bacnapi_initialize_data(&made, BACNAPI_TYPE_BACnetPriorityArray), BACNAPI_E_OUTOFMEMORY);
    EXPECT_TRUE(heap_watch::disarm());
    EXPECT_EQ(made.type, BACNAPI_TYPE_BACnetPriorityArray);
    EXPECT_EQ(made.payload.list, nullptr);
    EXPECT_EQ(write_value(made).status, BACNAPI_WALK_E_REFUSED);

    BACnetDataType source = parsed("{{1,null},{2,1.5}}", BACNAPI_TYPE_BACnetPriorityArray);
    BACnetDataType copy{};
    heap_watch::refuse_after(0);
    EXPECT_NE(bacnapi_access_BACnetData(&copy, &source, -1, 1), 0);
    EXPECT_TRUE(heap_watch::disarm());
    const Written w = write_value(copy);
    EXPECT_TRUE(w.status == 0 || w.status == BACNAPI_WALK_E_REFUSED) << w.status;
    bacnapi_ClearBACnetDataType(&copy);
    bacnapi_ClearBACnetDataType(&source);
    bacnapi_ClearBACnetDataType(&made);
    EXPECT_EQ(heap_watch::live_blocks(), before);
}

// A list whose count runs past its capacity (a host broke the list), or that counts elements
// without an array, is neither written from nor read into past its array.
TEST(HostileInput, BrokenListsAreRefusedByTheWriterAndTheReader)
{
    BACnetDataType list = make_list(BACNAPI_TYPE_ListOfUnsigned, {word(2, 1), word(2, 2), word(2, 3)});
    list.payload.list->count = 5;
    const Written w = write_value(list, "<");
    EXPECT_EQ(w.status, BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(w.text, "<{");
    EXPECT_EQ(bacnapi_asn1_string_set(&list, "{{7},{8},{9},{10},{11}}", BACNAPI_TYPE_ListOfUnsigned),
              BACNAPI_WALK_E_REFUSED);
    list.payload.list->count = 3;
    EXPECT_EQ(write_value(list).text, "{{1},{2},{3}}");
    bacnapi_ClearBACnetDataType(&list);

    BACnetDataType hollow = make_list(BACNAPI_TYPE_ListOfUnsigned, {});
    std::free(hollow.payload.list->elements);
    hollow.payload.list->elements = nullptr;
    hollow.payload.list->count = hollow.payload.list->capacity = 2;
    EXPECT_EQ(bacnapi_asn1_string_set(&hollow, "{{7}}", BACNAPI_TYPE_ListOfUnsigned), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(write_value(hollow).status, BACNAPI_WALK_E_REFUSED);
    bacnapi_ClearBACnetDataType(&hollow);

    // A run with a negative count: an empty text ends it without reading its slots.
    BACnetDataType run{};
    ASSERT_EQ(bacnapi_initialize_data(&run, BACNAPI_TYPE_SequenceOfReadAccessSpecification), 0);
    auto* record = static_cast<SequenceOfReadAccessSpecification*>(run.payload.record);
    record->elements = static_cast<ReadAccessSpecification*>(std::calloc(4, sizeof(ReadAccessSpecification)));
    record->count = -5;
    EXPECT_EQ(bacnapi_asn1_string_set(&run, "{}", BACNAPI_TYPE_SequenceOfReadAccessSpecification), 0);
    EXPECT_EQ(record->count, 0);
    bacnapi_ClearBACnetDataType(&run);
}

// Arbitrary edits of valid texts, read as every type code: a status from the allowed set for
// reading and for writing back whatever was read.
TEST(HostileInput, ArbitraryTextIsReadSafely)
{
    std::vector<std::string> seeds = {"{1,{05/01/2024,05/31/2024}}", "{{1},{2}}", "{85,-1,21.5,16}", "{{{0,1},{2}}}"};
    std::vector<std::string> own(156); // the text of a fresh value of each type, mostly used for that type
    for (int32_t type = 0; type <= 153; ++type) {
        BACnetDataType fresh{};
        if (bacnapi_initialize_data(&fresh, type) == 0 && write_value(fresh).status == 0)
            seeds.push_back(own[static_cast<size_t>(type)] = write_value(fresh).text);
        bacnapi_ClearBACnetDataType(&fresh);
    }
    const std::string alphabet = "{{{}}},,,0123456789/:*. -xnul";
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    const auto allowed = [](int32_t s) { return s == 0 || s == kFail || (s <= -1001 && s >= -1003); };
    for (int32_t type = -1; type <= 155; ++type) {
        for (int round = 0; round < 40; ++round) {
            const std::string& mine = own[static_cast<size_t>(type < 0 ? 155 : type)];
            std::string text = !mine.empty() && next() % 4 ? mine : seeds[next() % seeds.size()];
            for (int edits = static_cast<int>(next() % 4); edits > 0; --edits) {
                const size_t at = next() % (text.size() + 1);
                if (next() % 2 && at < text.size()) text.erase(at, 1);
                else text.insert(at, 1, alphabet[next() % alphabet.size()]);
            }
            BACnetDataType v{};
            const int32_t status = bacnapi_asn1_string_set(&v, text.c_str(), type);
            EXPECT_TRUE(allowed(status) && allowed(write_value(v).status)) << type << " '" << text << "' " << status;
            release_value(&v);
        }
    }
}

} // namespace
