// Heap refusal at every allocation of a read, a write and a copy of rich values: each call reports
// a failure status (or succeeds when the refusal missed it), and what it leaves behind is released
// completely by the ordinary clear and free.
#include "support/heap_watch.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

struct Rich {
    int32_t type;
    const char* text;
};

// Read-access results with property values of three looked-up types, a schedule, a
// WriteAccessSpecification with its nested property-value list, a list of log records and a list
// of character strings.
const Rich kRich[] = {
    {73, "{{{0,1,{{{85,-1,4,1.500000}}}}},{{1,2,{{{85,-1,4,2.000000}},{{77,-1,4,abc}},{{111,-1,4,0100}}}}}}"},
    {46, "{{{{13:45 30.25,2,5}},{{14:00 00.00,7,text}},{{15:00 00.00,8,101}}}}"},
    {39, "{0,1,{{{85,-1,21.500000,8}},{{77,-1,name,0}}}}"},
    {60, "{{{{05/17/2024,13:45 30.25},{0,0110},0100}},{{{05/18/2024,*:* *.*},{6,11},1}}}"},
    {64, "{{alpha},{beta},{gamma},{delta},{epsilon}}"},
};

// Lists of numbers long enough that writing and reading them takes many growths of the text and
// of the element array.
std::string long_list(const char* element, int n)
{
    std::string text = "{";
    for (int i = 0; i < n; ++i) text += std::string(i ? ",{" : "{") + element + "}";
    return text + "}";
}

TEST(HeapRefusal, EveryAllocationOfReadWriteAndCopyFailsCleanly)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const std::string unsigneds = long_list("4294967", 400), reals = long_list("-12345.500000", 400);
    std::vector<Rich> values(std::begin(kRich), std::end(kRich));
    values.push_back({BACNAPI_TYPE_ListOfUnsigned, unsigneds.c_str()});
    values.push_back({BACNAPI_TYPE_ListOfReal, reals.c_str()});
    for (const Rich& rich : values) {
        SCOPED_TRACE(rich.text);
        BACnetDataType source{};
        ASSERT_EQ(bacnapi_asn1_string_set(&source, rich.text, rich.type), 0);
        const long baseline = heap_watch::live_blocks();
        bool refusedOnce = true;
        long k = 0;
        for (; refusedOnce; ++k) {
            SCOPED_TRACE(k);
            refusedOnce = false;

            BACnetDataType read{};
            heap_watch::refuse_after(k);
            const int32_t readStatus = bacnapi_asn1_string_set(&read, rich.text, rich.type);
            const bool readRefused = heap_watch::disarm();
            EXPECT_EQ(readStatus != 0, readRefused);
            bacnapi_ClearBACnetDataType(&read);

            // The writer may still get a smaller block after a refused growth; when it reports
            // success the text is whole.
            char* text = nullptr;
            heap_watch::refuse_after(k);
            const int32_t writeStatus = bacnapi_asn1_string_get(&text, &source);
            const bool writeRefused = heap_watch::disarm();
            if (writeStatus == 0) {
                EXPECT_STREQ(text, rich.text);
            } else {
                EXPECT_TRUE(writeRefused);
            }
            bacnapi_free(text);

            BACnetDataType copy{};
            heap_watch::refuse_after(k);
            const int32_t copyStatus = bacnapi_access_BACnetData(&copy, &source, -1, 1);
            const bool copyRefused = heap_watch::disarm();
            // Some parts of a copy (octet and bit strings) are documented to come out empty
            // rather than fail, so a refusal need not show in the status.
            if (copyStatus != 0) {
                EXPECT_TRUE(copyRefused);
            }
            bacnapi_ClearBACnetDataType(&copy);

            EXPECT_EQ(heap_watch::live_blocks(), baseline);
            refusedOnce = readRefused || writeRefused || copyRefused;
        }
        EXPECT_GT(k, 5); // every one of these values takes several allocations
        bacnapi_ClearBACnetDataType(&source);
    }
}

} // namespace
