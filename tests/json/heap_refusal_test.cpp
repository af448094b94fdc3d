// Heap refusal at every allocation of a JSON write and read: each call reports a failure status
// (or succeeds when the refusal missed it), and what it leaves behind is released completely by
// the ordinary clear and free.
#include "support/heap_watch.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Looked-up values of three types, a schedule with typed values, log records with choices, and
// character strings in two sets.
const struct {
    int32_t type;
    const char* brace;
} kRich[] = {
    {73, "{{{0,1,{{{85,-1,4,1.500000}}}}},{{1,2,{{{85,-1,4,2.000000}},{{77,-1,4,abc}},{{111,-1,4,0100}}}}}}"},
    {46, "{{{{13:45 30.25,2,5}},{{14:00 00.00,7,text}},{{15:00 00.00,8,101}}}}"},
    {60, "{{{{05/17/2024,13:45 30.25},{0,0110},0100}},{{{05/18/2024,*:* *.*},{6,11},1}}}"},
    {64, "{{alpha},{beta},{gamma}}"},
};

TEST(JsonHeapRefusal, EveryAllocationOfWriteAndReadFailsCleanly)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    for (const auto& rich : kRich) {
        SCOPED_TRACE(rich.brace);
        BACnetDataType source{};
        ASSERT_EQ(bacnapi_asn1_string_set(&source, rich.brace, rich.type), 0);
        char* whole = nullptr;
        ASSERT_EQ(bacnapi_json_get(&whole, &source, BACNAPI_JSON_NAMES), 0);
        const std::string json = whole;
        bacnapi_free(whole);
        const long baseline = heap_watch::live_blocks();
        bool refusedOnce = true;
        long k = 0;
        for (; refusedOnce; ++k) {
            SCOPED_TRACE(k);
            char* text = nullptr;
            heap_watch::refuse_after(k);
            const int32_t writeStatus = bacnapi_json_get(&text, &source, BACNAPI_JSON_NAMES);
            const bool writeRefused = heap_watch::disarm();
            if (writeStatus == 0) {
                EXPECT_EQ(json, text);
            } else {
                EXPECT_TRUE(writeRefused);
            }
            bacnapi_free(text);

            BACnetDataType read{};
            const char* reason = nullptr;
            heap_watch::refuse_after(k);
            const int32_t readStatus = bacnapi_json_set(&read, json.c_str(), -1, nullptr, &reason);
            const bool readRefused = heap_watch::disarm();
            EXPECT_EQ(readStatus != 0, readRefused);
            if (readStatus != 0) {
                EXPECT_NE(reason, nullptr);
            }
            bacnapi_ClearBACnetDataType(&read);

            EXPECT_EQ(heap_watch::live_blocks(), baseline);
            refusedOnce = writeRefused || readRefused;
        }
        EXPECT_GT(k, 5);
        bacnapi_ClearBACnetDataType(&source);
    }
}

} // namespace
