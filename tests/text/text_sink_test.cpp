// The shared text sink: the text is exactly the pieces appended, terminated once the sink is
// finished or goes away, and room it already has (left from growth, reserved, or found in a
// caller's block) is used without asking the heap again. "No allocation" is shown by arming the
// heap watch to refuse the next one.
#include <bacnapi/bacnapi_types.h>

#include "support/heap_watch.h"
#include "text/text_sink.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <malloc.h>
#include <string>

namespace {

using bacnapi::TextSink;

TEST(TextSink, PiecesOfEverySizeAppendToWhateverTheCallerHeld)
{
    struct Case {
        const char* start; // null: no text yet
        size_t pieceSize;
        size_t pieces;
        bool finished; // false: the sink goes away unfinished, as when a walk stops part way
    };
    const Case cases[] = {
        {nullptr, 1, 500, true}, {"", 0, 3, true},        {"prefix:", 7, 300, true}, {nullptr, 1000, 5, true},
        {"x", 65, 40, true},     {nullptr, 1, 77, false}, {"ab", 0, 1, false},       {"x", 33, 9, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieceSize);
        char* text = c.start ? strdup(c.start) : nullptr;
        std::string expected = c.start ? c.start : "";
        {
            TextSink sink(&text);
            for (size_t i = 0; i < c.pieces; ++i) {
                const std::string piece(c.pieceSize, static_cast<char>('a' + i % 26));
                ASSERT_EQ(sink.append(piece.data(), piece.size()), BACNAPI_S_OK);
                expected += piece;
                ASSERT_EQ(sink.length(), expected.size());
                ASSERT_EQ(std::memcmp(text, expected.data(), expected.size()), 0);
            }
            // Room past the text holds no terminator of its own: one the sink forgot shows as
            // a longer text.
            std::memset(sink.room(8), '#', 8);
            if (c.finished) sink.finish();
        }
        ASSERT_NE(text, nullptr); // appending even nothing makes a text exist
        EXPECT_EQ(expected, text);
        std::free(text);
    }
}

TEST(TextSink, ExtendGivesRoomTheCallerFillsAndReserveMakesItAtOnce)
{
    char* text = nullptr;
    {
        TextSink sink(&text);
        ASSERT_EQ(sink.append("{", 1), BACNAPI_S_OK);
        ASSERT_EQ(sink.reserve(10000), BACNAPI_S_OK);
        std::memset(text + 1, 'x', 10001); // the reserved room holds no terminator of its own
        const bool watched = heap_watch::active();
        if (watched) heap_watch::refuse_after(0);
        for (int i = 0; i < 100; ++i) {
            char* area = sink.extend(100);
            ASSERT_NE(area, nullptr);
            std::memset(area, '0' + i % 10, 100);
        }
        if (watched) {
            EXPECT_FALSE(heap_watch::disarm()) << "reserved room was not used";
        }
        ASSERT_EQ(sink.length(), 10001u);
        sink.finish();
    }
    EXPECT_EQ(text[0], '{');
    EXPECT_EQ(text[1 + 100 * 37], '7');
    EXPECT_EQ(text[10001], '\0');
    std::free(text);
}

TEST(TextSink, RepeatedAppendsToOneCallerTextUseTheBlocksRealRoom)
{
    if (!heap_watch::active()) GTEST_SKIP() << "counting allocations needs the heap watch";
    // Every call whose piece fits the block's real room asks the heap for nothing, and most calls
    // fit: the block grows by half again and finishing keeps the slack.
    char* text = nullptr;
    long fitting = 0;
    for (int i = 0; i < 5000; ++i) {
        const size_t length = text ? std::strlen(text) : 0;
        const bool fits = text && malloc_usable_size(text) >= length + 12;
        if (fits) heap_watch::refuse_after(0);
        TextSink sink(&text);
        const int32_t status = sink.append("05/17/2024,", 11);
        sink.finish();
        if (fits) {
            ++fitting;
            ASSERT_FALSE(heap_watch::disarm()) << "call " << i << " reallocated a block with room";
        }
        ASSERT_EQ(status, BACNAPI_S_OK);
    }
    EXPECT_GT(fitting, 4500);
    EXPECT_EQ(std::strlen(text), 5000u * 11);
    std::free(text);
}

TEST(TextSink, RefusedGrowthLeavesTheTextAsItWas)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    char* text = strdup("kept");
    const std::string big(1u << 16, 'b');
    struct Step {
        const char* what;
        bool (*act)(TextSink&, const std::string&);
    };
    const Step steps[] = {
        {"append", [](TextSink& s, const std::string& b) { return s.append(b.data(), b.size()) == BACNAPI_S_OK; }},
        {"reserve", [](TextSink& s, const std::string& b) { return s.reserve(b.size()) == BACNAPI_S_OK; }},
        {"extend", [](TextSink& s, const std::string& b) { return s.extend(b.size()) != nullptr; }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        TextSink sink(&text);
        heap_watch::refuse_after(0);
        EXPECT_FALSE(step.act(sink, big));
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(sink.length(), 4u);
        EXPECT_STREQ(text, "kept");
    }
    std::free(text);
}

TEST(TextSink, RefusesWithoutATextPointerOrBeyondTheAddressSpace)
{
    TextSink none(nullptr);
    EXPECT_EQ(none.append("a", 1), BACNAPI_E_FAIL);
    EXPECT_EQ(none.reserve(1), BACNAPI_E_FAIL);
    EXPECT_EQ(none.extend(1), nullptr);
    none.finish();

    char* text = strdup("abc");
    {
        TextSink sink(&text);
        EXPECT_EQ(sink.reserve(SIZE_MAX - 3), BACNAPI_E_FAIL);
        EXPECT_EQ(sink.extend(SIZE_MAX), nullptr);
    }
    EXPECT_STREQ(text, "abc");
    std::free(text);
}

TEST(TextSink, FinishReturnsAMostlyEmptyBlockButKeepsModestSlack)
{
    char* text = nullptr;
    {
        TextSink sink(&text);
        ASSERT_EQ(sink.reserve(1u << 20), BACNAPI_S_OK);
        ASSERT_EQ(sink.append("short", 5), BACNAPI_S_OK);
        sink.finish();
    }
    EXPECT_STREQ(text, "short");
    EXPECT_LT(malloc_usable_size(text), 8192u); // a page at most, where the heap maps large blocks
    std::free(text);
}

} // namespace
