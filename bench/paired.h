// Timing a library call beside a hand-written loop that produces or reads the same bytes, in the
// same benchmark iteration, so that every line of output carries its own ratio:
//   lib_ns    library time per element, best iteration
//   ref_ns    hand-written reference time per element, best iteration
//   ratio     lib_ns / ref_ns
// The best iteration rather than the mean: the machine is shared, and descheduling only ever
// adds time, so the fastest of many runs is the steadiest figure for both sides.
//   peak_MB   the most heap held at once during the library call, above what was held before it
//             (only where the benchmark's counting allocator is active)
//   kept_MB   the heap the library call's result still holds when it returns (the value read, the
//             text written); peak_MB above kept_MB is what the call held only for a while
// Work that is not part of either conversion (checking results, clearing values) runs outside
// both clocks.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace bench_heap {
// Bytes currently allocated through malloc/calloc/realloc by this process, and the peak since
// the last reset_peak(); both 0 when the counting allocator is not linked in.
size_t current();
size_t peak();
void reset_peak();
} // namespace bench_heap

namespace paired {

using Clock = std::chrono::steady_clock;

struct Totals {
    double libNs = 0; // best iteration
    double refNs = 0;
    size_t peakBytes = 0;
    size_t keptBytes = 0;
    bool libFirst = true; // which side runs first in the next step
    bool warmedUp = false; // the untimed first round has run
};

// Freeing small blocks only queues them; the heap merges them with their neighbours when a
// larger block is next asked for. Freeing a large block (a long list's element array) does that
// merging at once, so after a round of 10^6 elements the merging has happened in the release, but
// after a round of 10^3 it fell into the next timed call that asked for a larger block: whichever
// side ran first then paid for both sides' releases (a tenth of its time, unlike at 10^6). Asking
// for a larger block here does the merging outside both clocks, at every size.
inline void settle_heap()
{
    void* block = std::malloc(4096);
    benchmark::DoNotOptimize(block); // kept, or the compiler drops the pair
    std::free(block);
}

// Runs lib() under the library clock and ref() under the reference clock; after() (outside both)
// checks and releases what they made. The two run in turn first and second: the one that runs
// second finds the heap as the first left it (pages just touched, or just returned), and neither
// side should always be the one that pays for that.
// The first call of a case runs one untimed round of both sides first: the heap and the caches
// then hold what every later round finds, and the first timed round is not the only one that pays
// for the pages the case touches first.
// After each round the heap is settled (see settle_heap) outside both clocks, so that every
// timed call starts from a heap with no freeing of earlier rounds left to do.
template <typename Lib, typename Ref, typename After>
void step(Totals& totals, Lib&& lib, Ref&& ref, After&& after)
{
    if (!totals.warmedUp) {
        lib();
        ref();
        after();
        settle_heap();
        totals.warmedUp = true;
    }
    double libTime = 0;
    double refTime = 0;
    auto timeLib = [&] {
        const size_t base = bench_heap::current();
        bench_heap::reset_peak();
        const auto t0 = Clock::now();
        lib();
        const auto t1 = Clock::now();
        const size_t peak = bench_heap::peak();
        const size_t now = bench_heap::current();
        if (peak > base && peak - base > totals.peakBytes) totals.peakBytes = peak - base;
        if (now > base && now - base > totals.keptBytes) totals.keptBytes = now - base;
        libTime = std::chrono::duration<double, std::nano>(t1 - t0).count();
    };
    auto timeRef = [&] {
        const auto t0 = Clock::now();
        ref();
        refTime = std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
    };
    if (totals.libFirst) timeLib(), timeRef();
    else timeRef(), timeLib();
    totals.libFirst = !totals.libFirst;
    after();
    settle_heap();
    if (totals.libNs == 0 || libTime < totals.libNs) totals.libNs = libTime;
    if (totals.refNs == 0 || refTime < totals.refNs) totals.refNs = refTime;
}

inline void report(benchmark::State& state, const Totals& totals, int64_t n)
{
    const double elements = static_cast<double>(n);
    if (elements <= 0 || totals.refNs <= 0) return;
    state.counters["lib_ns"] = totals.libNs / elements;
    state.counters["ref_ns"] = totals.refNs / elements;
    state.counters["ratio"] = totals.libNs / totals.refNs;
    if (totals.peakBytes) state.counters["peak_MB"] = static_cast<double>(totals.peakBytes) / 1e6;
    if (totals.keptBytes) state.counters["kept_MB"] = static_cast<double>(totals.keptBytes) / 1e6;
}

} // namespace paired
