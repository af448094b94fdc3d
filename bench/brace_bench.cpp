// Brace text of long lists, written and read back. The time per element must stay flat from a
// thousand to a million elements: the writer appends through an amortized text sink and the
// parser never re-measures the rest of the text.
#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A list value of n elements of the list's element type, filled with varied values.
BACnetDataType make_list(int32_t listType, int32_t elementType, int64_t n)
{
    BACnetDataType v{};
    v.type = listType;
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = static_cast<uint32_t>(n);
    list->elements = static_cast<BACnetDataType*>(std::calloc(static_cast<size_t>(n), sizeof(BACnetDataType)));
    for (int64_t i = 0; i < n; ++i) {
        BACnetDataType& e = list->elements[i];
        e.type = elementType;
        switch (elementType) {
        case BACNAPI_TYPE_Unsigned: e.payload.unsignedValue = static_cast<uint32_t>(i * 7919); break;
        case BACNAPI_TYPE_Real: e.payload.real = static_cast<float>(i) * 0.37f - 1000.0f; break;
        default: {
            char text[32];
            const int len = std::snprintf(text, sizeof text, "name-%lld", static_cast<long long>(i));
            e.payload.characterString.data = static_cast<char*>(std::malloc(static_cast<size_t>(len) + 1));
            std::memcpy(e.payload.characterString.data, text, static_cast<size_t>(len) + 1);
            e.payload.characterString.length = static_cast<uint64_t>(len) + 1;
            break;
        }
        }
    }
    v.payload.list = list;
    return v;
}

void per_element(benchmark::State& state, int64_t n)
{
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["per_element"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

template <int32_t ListType, int32_t ElementType>
void BM_Write(benchmark::State& state)
{
    const int64_t n = state.range(0);
    BACnetDataType list = make_list(ListType, ElementType, n);
    for (auto _ : state) {
        char* text = nullptr;
        if (bacnapi_asn1_string_get(&text, &list) != 0) state.SkipWithError("write failed");
        benchmark::DoNotOptimize(text);
        bacnapi_free(text);
    }
    per_element(state, n);
    bacnapi_ClearBACnetDataType(&list);
}

template <int32_t ListType, int32_t ElementType>
void BM_Parse(benchmark::State& state)
{
    const int64_t n = state.range(0);
    BACnetDataType list = make_list(ListType, ElementType, n);
    char* text = nullptr;
    if (bacnapi_asn1_string_get(&text, &list) != 0) state.SkipWithError("write failed");
    bacnapi_ClearBACnetDataType(&list);
    for (auto _ : state) {
        BACnetDataType value{};
        if (bacnapi_asn1_string_set(&value, text, ListType) != 0) state.SkipWithError("parse failed");
        state.PauseTiming();
        if (value.payload.list->count != static_cast<uint32_t>(n)) state.SkipWithError("wrong element count");
        bacnapi_ClearBACnetDataType(&value);
        state.ResumeTiming();
    }
    per_element(state, n);
    bacnapi_free(text);
}

// Lists of constructed records, built from their brace text: a schedule's time values and a trend
// log's records (timestamp, a Real log datum, status flags).
std::string constructed_text(int32_t listType, int64_t n)
{
    std::string text = "{";
    char element[96];
    for (int64_t i = 0; i < n; ++i) {
        const int h = static_cast<int>(i % 24), m = static_cast<int>(i % 60);
        if (listType == BACNAPI_TYPE_ListOfBACnetTimeValue)
            std::snprintf(element, sizeof element, "{{%02d:%02d 00.00,4,%lld.250000}}", h, m,
                          static_cast<long long>(i % 1000));
        else
            std::snprintf(element, sizeof element, "{{{05/17/2024,%02d:%02d 30.25},{2,%lld.500000},0100}}", h, m,
                          static_cast<long long>(i % 1000));
        if (i > 0) text += ',';
        text += element;
    }
    return text + "}";
}

template <int32_t ListType>
void BM_WriteConstructed(benchmark::State& state)
{
    const int64_t n = state.range(0);
    const std::string source = constructed_text(ListType, n);
    BACnetDataType list{};
    if (bacnapi_asn1_string_set(&list, source.c_str(), ListType) != 0) state.SkipWithError("build failed");
    for (auto _ : state) {
        char* text = nullptr;
        if (bacnapi_asn1_string_get(&text, &list) != 0 || source != text) state.SkipWithError("write failed");
        bacnapi_free(text);
    }
    per_element(state, n);
    bacnapi_ClearBACnetDataType(&list);
}

template <int32_t ListType>
void BM_ParseConstructed(benchmark::State& state)
{
    const int64_t n = state.range(0);
    const std::string text = constructed_text(ListType, n);
    for (auto _ : state) {
        BACnetDataType value{};
        if (bacnapi_asn1_string_set(&value, text.c_str(), ListType) != 0) state.SkipWithError("parse failed");
        state.PauseTiming();
        if (value.payload.list->count != static_cast<uint32_t>(n)) state.SkipWithError("wrong element count");
        bacnapi_ClearBACnetDataType(&value);
        state.ResumeTiming();
    }
    per_element(state, n);
}

#define BRACE_BENCH(fn, list, element) \
    BENCHMARK_TEMPLATE(fn, list, element)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)

BRACE_BENCH(BM_Write, BACNAPI_TYPE_ListOfUnsigned, BACNAPI_TYPE_Unsigned);
BRACE_BENCH(BM_Write, BACNAPI_TYPE_ListOfReal, BACNAPI_TYPE_Real);
BRACE_BENCH(BM_Write, BACNAPI_TYPE_ListOfCharacterString, BACNAPI_TYPE_CharacterString);
BRACE_BENCH(BM_Parse, BACNAPI_TYPE_ListOfUnsigned, BACNAPI_TYPE_Unsigned);
BRACE_BENCH(BM_Parse, BACNAPI_TYPE_ListOfReal, BACNAPI_TYPE_Real);
BRACE_BENCH(BM_Parse, BACNAPI_TYPE_ListOfCharacterString, BACNAPI_TYPE_CharacterString);

#define CONSTRUCTED_BENCH(fn, list) \
    BENCHMARK_TEMPLATE(fn, list)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)

CONSTRUCTED_BENCH(BM_WriteConstructed, BACNAPI_TYPE_ListOfBACnetTimeValue);
CONSTRUCTED_BENCH(BM_WriteConstructed, BACNAPI_TYPE_ListOfBACnetLogRecord);
CONSTRUCTED_BENCH(BM_ParseConstructed, BACNAPI_TYPE_ListOfBACnetTimeValue);
CONSTRUCTED_BENCH(BM_ParseConstructed, BACNAPI_TYPE_ListOfBACnetLogRecord);

} // namespace

BENCHMARK_MAIN();
