// JSON written and read on several threads at once, with standard names, looked-up values and
// choices (whose alternatives each read finds out for itself). Run under ThreadSanitizer in CI.
#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>
#include <vector>

namespace {

const char* const kBrace[] = {
    "{{{{08:00 00.00,4,21.000000}},{{17:00 00.00,0,null}}}}",                   // 46 schedule
    "{0,1,{{{85,-1,4,1.500000}},{{77,-1,4,Sensor}},{{28,-1,5,{2,32}}}}}",       // 42 read result
    "{1,{5,{{{0,1}},{{8,3}},{{11,42}}}}}",                                      // 51 parameters
};
const int32_t kTypes[] = {46, 42, 51};

// One thread's rounds; the first mismatch is kept for the test to report.
std::string work(std::latch& start)
{
    start.arrive_and_wait();
    for (int round = 0; round < 200; ++round) {
        const int i = round % 3;
        BACnetDataType value{}, back{};
        if (bacnapi_asn1_string_set(&value, kBrace[i], kTypes[i]) != 0) return "brace read failed";
        char* json = nullptr;
        std::string failure;
        if (bacnapi_json_get(&json, &value, BACNAPI_JSON_NAMES) != 0) failure = "JSON write failed";
        else if (bacnapi_json_set(&back, json, -1, nullptr, nullptr) != 0) failure = std::string("JSON read failed: ") + json;
        char* brace = nullptr;
        if (failure.empty() && (bacnapi_asn1_string_get(&brace, &back) != 0 || std::string(brace) != kBrace[i]))
            failure = std::string("read back differs: ") + json;
        bacnapi_free(brace);
        bacnapi_free(json);
        release_value(&value);
        release_value(&back);
        if (!failure.empty()) return failure;
    }
    return {};
}

TEST(JsonThreads, SeparateValuesOnSeparateThreads)
{
    constexpr int kThreads = 4;
    std::latch start(kThreads);
    std::vector<std::string> failures(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) threads.emplace_back([&, t] { failures[t] = work(start); });
    for (std::thread& thread : threads) thread.join();
    for (const std::string& failure : failures) EXPECT_EQ(failure, "");
}

} // namespace
