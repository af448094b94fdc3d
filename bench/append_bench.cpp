// Appending many values to one caller's text, call after call, beside a hand-written appender
// that gets the same text pointer each time. Both must measure the text once per call (the
// pointer is all they are given); the difference is what each call pays for room.
#include "paired.h"

#include <bacnapi/bacnapi.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

// The hand-written appender: measures the text, and keeps its own note of the block's size to
// grow it by doubling.
void reference_append(char** text, size_t& capacity, const char* piece, size_t n)
{
    const size_t length = *text ? std::strlen(*text) : 0;
    if (length + n + 1 > capacity) {
        capacity = (length + n + 1) * 2;
        *text = static_cast<char*>(std::realloc(*text, capacity));
    }
    std::memcpy(*text + length, piece, n + 1);
}

void BM_RepeatedAppend(benchmark::State& state)
{
    const int64_t n = state.range(0);
    BACnetDataType value{};
    if (bacnapi_asn1_string_set(&value, "{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime) != 0)
        state.SkipWithError("build failed");
    char* piece = nullptr;
    bacnapi_asn1_string_get(&piece, &value);
    const size_t pieceLength = std::strlen(piece);
    paired::Totals totals;
    for (auto _ : state) {
        char* text = nullptr;
        char* reference = nullptr;
        size_t capacity = 0;
        paired::step(
            totals,
            [&] {
                for (int64_t i = 0; i < n; ++i) bacnapi_asn1_string_get(&text, &value);
            },
            [&] {
                for (int64_t i = 0; i < n; ++i) reference_append(&reference, capacity, piece, pieceLength);
            },
            [&] {
                if (!text || std::strcmp(text, reference) != 0) state.SkipWithError("texts differ");
                bacnapi_free(text);
                std::free(reference);
                text = reference = nullptr;
                capacity = 0;
            });
    }
    paired::report(state, totals, n);
    bacnapi_free(piece);
    bacnapi_ClearBACnetDataType(&value);
}

BENCHMARK(BM_RepeatedAppend)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

} // namespace
