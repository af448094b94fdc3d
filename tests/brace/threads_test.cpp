// Separate values on separate threads at once: reading, writing (with conversions between
// character sets, which load their converters on first use), copying, comparing and clearing.
// Run under ThreadSanitizer in CI: the library keeps no shared mutable state, so nothing of its
// own may race.
#include "brace/brace_test_util.h"

#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace brace_test;

// One thread's work; the first failure is kept for the test to report.
std::string work(int id, std::latch& start)
{
    start.arrive_and_wait(); // every thread loads the converters at the same time
    const uint8_t charsets[] = {BACNAPI_CHARSET_UCS2, BACNAPI_CHARSET_UCS4, BACNAPI_CHARSET_JIS,
                                BACNAPI_CHARSET_ISO8859_1};
    for (int round = 0; round < 200; ++round) {
        // A character string in another set is converted to UTF-8 when it is written.
        char ucs2[] = {0, 'h', 0, 'i'};
        char ucs4[] = {0, 0, 0, 'h', 0, 0, 0, 'i'};
        char plain[] = {'h', 'i'};
        BACnetDataType text = word(BACNAPI_TYPE_CharacterString, 0);
        const uint8_t set = charsets[round % 4]; // all threads on the same set at once
        char* data = set == BACNAPI_CHARSET_UCS2 ? ucs2 : set == BACNAPI_CHARSET_UCS4 ? ucs4 : plain;
        const uint64_t length = set == BACNAPI_CHARSET_UCS2 ? 4 : set == BACNAPI_CHARSET_UCS4 ? 8 : 2;
        text.payload.characterString = {set, {}, data, length};
        const Written w = write_value(text);
        if (w.status != 0 || w.text != "hi") return "writing a string of set " + std::to_string(set);

        const std::string list = "{{" + std::to_string(id) + "},{" + std::to_string(round) + "}}";
        BACnetDataType v = parsed(list.c_str(), BACNAPI_TYPE_ListOfUnsigned);
        BACnetDataType copy{};
        if (bacnapi_access_BACnetData(&copy, &v, -1, 1) != 0) return "copying";
        if (bacnapi_CompareBACnetDataType(&copy, &v) != 0) return "comparing";
        if (write_value(copy).text != list) return "writing the copy";
        bacnapi_ClearBACnetDataType(&copy);
        bacnapi_ClearBACnetDataType(&v);
    }
    return "";
}

TEST(BraceTextThreads, SeparateValuesOnSeparateThreads)
{
    constexpr int kThreads = 4;
    std::vector<std::string> failures(kThreads);
    std::vector<std::thread> threads;
    std::latch start(kThreads);
    for (int id = 0; id < kThreads; ++id)
        threads.emplace_back([&failures, &start, id] { failures[id] = work(id, start); });
    for (std::thread& t : threads) t.join();
    for (int id = 0; id < kThreads; ++id) EXPECT_EQ(failures[id], "") << "thread " << id;
}

} // namespace
