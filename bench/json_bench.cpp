// JSON written and read through the exported interface beside brace text, for lists of 10^3 ..
// 10^6 elements: Unsigned numbers, Reals, and time-value records with a typed value. Counters:
//   items_per_second  elements per second of CPU time, the mean of all iterations
//   best_ns           time per element of the fastest iteration (the machine is shared, and
//                     descheduling only ever adds time)
//   peak_MB, kept_MB  the most heap held at once during a call, and what its result still holds
//                     when it returns (the value read, the text written), above what was held before
// Time per element stays flat from 10^3 to 10^6 when a form is linear in time and memory.
// JSON is read as the interface reads it (a list element by element) and, for comparison, the
// way the interface reads any other text (parsed whole into a tree first).
#include "element_values.h"
#include "paired.h"

#include "json/reader.h"

#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

enum class Case { Unsigned, Real, TimeValue };

int32_t type_of(Case c)
{
    return c == Case::Unsigned ? BACNAPI_TYPE_ListOfUnsigned
           : c == Case::Real   ? BACNAPI_TYPE_ListOfReal
                               : BACNAPI_TYPE_ListOfBACnetTimeValue;
}

// The brace text of a list of n varied elements of the case.
std::string brace_list(Case c, int64_t n)
{
    std::string text = "{";
    for (int64_t i = 0; i < n; ++i) {
        if (i) text += ',';
        text += '{';
        switch (c) {
        case Case::Unsigned: text += std::to_string(bench_values::unsigned_at(i)); break;
        case Case::Real: text += std::to_string(static_cast<double>(bench_values::real_at(i))); break;
        case Case::TimeValue:
            text += '{';
            text += std::to_string(10 + i % 14);
            text += ':';
            text += std::to_string(10 + i % 50);
            text += ' ';
            text += std::to_string(10 + i % 50);
            text += ".25,4,";
            text += std::to_string(i % 1000);
            text += ".500000}";
            break;
        }
        text += '}';
    }
    return text + "}";
}

struct Fixture {
    BACnetDataType value{};
    std::string brace;
    std::string json;

    Fixture(Case c, int64_t n, benchmark::State& state) : brace(brace_list(c, n))
    {
        if (bacnapi_asn1_string_set(&value, brace.c_str(), type_of(c)) != 0) state.SkipWithError("no value");
        char* text = nullptr;
        bacnapi_json_get(&text, &value, BACNAPI_JSON_NAMES);
        json = text ? text : "";
        bacnapi_free(text);
    }
    ~Fixture() { bacnapi_ClearBACnetDataType(&value); }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;
};

enum class Form { Brace, Json, JsonWhole };

// The best time and the heap of the calls measured so far.
struct Measures {
    double bestNs = 0;
    size_t peakBytes = 0;
    size_t keptBytes = 0;

    template <typename Call>
    void measure(Call&& call)
    {
        const size_t base = bench_heap::current();
        bench_heap::reset_peak();
        const auto t0 = std::chrono::steady_clock::now();
        call();
        const double ns = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - t0).count();
        const size_t peak = bench_heap::peak();
        const size_t now = bench_heap::current();
        if (bestNs == 0 || ns < bestNs) bestNs = ns;
        if (peak > base && peak - base > peakBytes) peakBytes = peak - base;
        if (now > base && now - base > keptBytes) keptBytes = now - base;
    }

    void report(benchmark::State& state, const std::string& text) const
    {
        state.SetItemsProcessed(state.iterations() * state.range(0));
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
        state.counters["best_ns"] = bestNs / static_cast<double>(state.range(0));
        state.counters["peak_MB"] = static_cast<double>(peakBytes) / 1e6;
        state.counters["kept_MB"] = static_cast<double>(keptBytes) / 1e6;
    }
};

void write_case(benchmark::State& state, Case c, Form form)
{
    const Fixture f(c, state.range(0), state);
    Measures m;
    for (auto _ : state) {
        char* text = nullptr;
        int32_t status = 0;
        m.measure([&] {
            status = form == Form::Json ? bacnapi_json_get(&text, &f.value, BACNAPI_JSON_NAMES)
                                        : bacnapi_asn1_string_get(&text, &f.value);
        });
        if (status != 0) state.SkipWithError("write failed");
        benchmark::DoNotOptimize(text);
        bacnapi_free(text);
    }
    m.report(state, form == Form::Json ? f.json : f.brace);
}

void read_case(benchmark::State& state, Case c, Form form)
{
    const Fixture f(c, state.range(0), state);
    Measures m;
    for (auto _ : state) {
        BACnetDataType v{};
        int32_t status = 0;
        m.measure([&] {
            if (form == Form::Brace) status = bacnapi_asn1_string_set(&v, f.brace.c_str(), type_of(c));
            else if (form == Form::Json) status = bacnapi_json_set(&v, f.json.c_str(), -1, nullptr, nullptr);
            else status = bacnapi::json::read_json_text(&v, f.json.c_str(), -1, bacnapi::json::ReadMode::Whole).status;
        });
        if (status != 0) state.SkipWithError("read failed");
        bacnapi_ClearBACnetDataType(&v);
    }
    m.report(state, form == Form::Brace ? f.brace : f.json);
}

#define BACNAPI_JSON_CASES(name, c)                                                                         \
    BENCHMARK_CAPTURE(write_case, name##_brace, c, Form::Brace)->RangeMultiplier(10)->Range(1000, 1000000); \
    BENCHMARK_CAPTURE(write_case, name##_json, c, Form::Json)->RangeMultiplier(10)->Range(1000, 1000000);   \
    BENCHMARK_CAPTURE(read_case, name##_brace, c, Form::Brace)->RangeMultiplier(10)->Range(1000, 1000000);  \
    BENCHMARK_CAPTURE(read_case, name##_json, c, Form::Json)->RangeMultiplier(10)->Range(1000, 1000000);   \
    BENCHMARK_CAPTURE(read_case, name##_json_whole, c, Form::JsonWhole)->RangeMultiplier(10)->Range(1000, 1000000)

BACNAPI_JSON_CASES(unsigned_list, Case::Unsigned);
BACNAPI_JSON_CASES(real_list, Case::Real);
BACNAPI_JSON_CASES(time_value_list, Case::TimeValue);

} // namespace
