// JSON written and read through the exported interface beside brace text, for lists of 10^3 ..
// 10^6 elements: Unsigned numbers, Reals, and time-value records with a typed value. The counter
// items_per_second gives the time per element, which stays flat when both forms are linear.
#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

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
        case Case::Unsigned: text += std::to_string(static_cast<uint32_t>(i * 7919)); break;
        case Case::Real: text += std::to_string(static_cast<double>(static_cast<float>(i) * 0.37f - 1000.0f)); break;
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

enum class Form { Brace, Json };

void write_case(benchmark::State& state, Case c, Form form)
{
    const Fixture f(c, state.range(0), state);
    for (auto _ : state) {
        char* text = nullptr;
        const int32_t status = form == Form::Json ? bacnapi_json_get(&text, &f.value, BACNAPI_JSON_NAMES)
                                                  : bacnapi_asn1_string_get(&text, &f.value);
        if (status != 0) state.SkipWithError("write failed");
        benchmark::DoNotOptimize(text);
        bacnapi_free(text);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(form == Form::Json ? f.json.size() : f.brace.size()));
}

void read_case(benchmark::State& state, Case c, Form form)
{
    const Fixture f(c, state.range(0), state);
    for (auto _ : state) {
        BACnetDataType v{};
        const int32_t status = form == Form::Json ? bacnapi_json_set(&v, f.json.c_str(), -1, nullptr, nullptr)
                                                  : bacnapi_asn1_string_set(&v, f.brace.c_str(), type_of(c));
        if (status != 0) state.SkipWithError("read failed");
        bacnapi_ClearBACnetDataType(&v);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(form == Form::Json ? f.json.size() : f.brace.size()));
}

#define BACNAPI_JSON_CASES(name, c)                                                                         \
    BENCHMARK_CAPTURE(write_case, name##_brace, c, Form::Brace)->RangeMultiplier(10)->Range(1000, 1000000); \
    BENCHMARK_CAPTURE(write_case, name##_json, c, Form::Json)->RangeMultiplier(10)->Range(1000, 1000000);   \
    BENCHMARK_CAPTURE(read_case, name##_brace, c, Form::Brace)->RangeMultiplier(10)->Range(1000, 1000000);  \
    BENCHMARK_CAPTURE(read_case, name##_json, c, Form::Json)->RangeMultiplier(10)->Range(1000, 1000000)

BACNAPI_JSON_CASES(unsigned_list, Case::Unsigned);
BACNAPI_JSON_CASES(real_list, Case::Real);
BACNAPI_JSON_CASES(time_value_list, Case::TimeValue);

} // namespace
