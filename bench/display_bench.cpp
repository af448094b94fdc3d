// Display text of long lists beside a hand-written loop that produces the same bytes with
// snprintf into a growing string, timed in the same iteration (see paired.h for the counters).
#include "element_values.h"
#include "paired.h"

#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

enum class Element { Unsigned, Real, TimeValue };

using bench_values::real_at;
using bench_values::unsigned_at;

// A list of n elements of the given kind, built directly in memory.
BACnetDataType make_list(Element kind, int64_t n)
{
    BACnetDataType v{};
    v.type = kind == Element::Unsigned ? BACNAPI_TYPE_ListOfUnsigned
             : kind == Element::Real   ? BACNAPI_TYPE_ListOfReal
                                       : BACNAPI_TYPE_ListOfBACnetTimeValue;
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = static_cast<uint32_t>(n);
    list->elements = static_cast<BACnetDataType*>(std::calloc(static_cast<size_t>(n), sizeof(BACnetDataType)));
    for (int64_t i = 0; i < n; ++i) {
        BACnetDataType& e = list->elements[i];
        switch (kind) {
        case Element::Unsigned:
            e.type = BACNAPI_TYPE_Unsigned;
            e.payload.unsignedValue = unsigned_at(i);
            break;
        case Element::Real:
            e.type = BACNAPI_TYPE_Real;
            e.payload.real = real_at(i);
            break;
        case Element::TimeValue: {
            e.type = BACNAPI_TYPE_BACnetTimeValue;
            auto* tv = static_cast<BACnetTimeValue*>(std::calloc(1, sizeof(BACnetTimeValue)));
            tv->time = {static_cast<uint8_t>(i % 24), static_cast<uint8_t>(i % 60), static_cast<uint8_t>(i % 60), 25};
            tv->value.type = BACNAPI_TYPE_Real;
            tv->value.payload.real = real_at(i);
            e.payload.record = tv;
            break;
        }
        }
    }
    v.payload.list = list;
    return v;
}

double rounded(float f) { return std::floor(static_cast<double>(f) * 1e5 + 0.5) / 1e5; }

// The same bytes as the printer, element by element with snprintf.
std::string hand_written(Element kind, int64_t n)
{
    std::string out;
    char piece[400];
    for (int64_t i = 0; i < n; ++i) {
        if (i > 0) out += ',';
        switch (kind) {
        case Element::Unsigned:
            std::snprintf(piece, sizeof piece, "{%d}", static_cast<int32_t>(unsigned_at(i)));
            break;
        case Element::Real: std::snprintf(piece, sizeof piece, "{%f}", rounded(real_at(i))); break;
        case Element::TimeValue: {
            const float seconds = static_cast<float>(i % 60) + 25.0f / 100.0f;
            std::snprintf(piece, sizeof piece, "{{%02d:%02d:%02.2f,%f}}", static_cast<int>(i % 24),
                          static_cast<int>(i % 60), static_cast<double>(seconds), rounded(real_at(i)));
            break;
        }
        }
        out += piece;
    }
    return out;
}

template <Element Kind>
void BM_DisplayList(benchmark::State& state)
{
    const int64_t n = state.range(0);
    BACnetDataType list = make_list(Kind, n);
    paired::Totals totals;
    char* text = nullptr;
    std::string reference;
    for (auto _ : state) {
        paired::step(
            totals, [&] { bacnapi_string_get(&text, &list); }, [&] { reference = hand_written(Kind, n); },
            [&] {
                if (!text || reference != text) state.SkipWithError("display text differs");
                bacnapi_string_destroy(text);
                text = nullptr;
            });
    }
    paired::report(state, totals, n);
    bacnapi_ClearBACnetDataType(&list);
}

#define DISPLAY_BENCH(fn, kind) \
    BENCHMARK_TEMPLATE(fn, kind)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)

DISPLAY_BENCH(BM_DisplayList, Element::Unsigned);
DISPLAY_BENCH(BM_DisplayList, Element::Real);
DISPLAY_BENCH(BM_DisplayList, Element::TimeValue);

} // namespace
