// The benchmark's counting allocator: malloc, calloc, realloc and free are interposed to keep the
// bytes in use and their peak, measured with malloc_usable_size (what the heap really handed out).
// The counters are plain atomics: the benchmarks run on one thread, but a stray allocation from
// another thread must not corrupt them.
#include "paired.h"

#include <atomic>
#include <cstddef>
#include <malloc.h>

namespace {
std::atomic<size_t> gCurrent{0};
std::atomic<size_t> gPeak{0};

void grew(size_t bytes)
{
    const size_t now = gCurrent.fetch_add(bytes, std::memory_order_relaxed) + bytes;
    size_t peak = gPeak.load(std::memory_order_relaxed);
    while (now > peak && !gPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

void shrank(size_t bytes) { gCurrent.fetch_sub(bytes, std::memory_order_relaxed); }
} // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void __libc_free(void* block);

void* malloc(size_t size) noexcept
{
    void* block = __libc_malloc(size);
    if (block) grew(malloc_usable_size(block));
    return block;
}

void* calloc(size_t count, size_t size) noexcept
{
    void* block = __libc_calloc(count, size);
    if (block) grew(malloc_usable_size(block));
    return block;
}

void* realloc(void* block, size_t size) noexcept
{
    const size_t old = block ? malloc_usable_size(block) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved) {
        // Counted as the new block arriving before the old one leaves: the peak of a move.
        grew(malloc_usable_size(moved));
        shrank(old);
    } else if (size == 0) {
        shrank(old);
    }
    return moved;
}

void free(void* block) noexcept
{
    if (block) shrank(malloc_usable_size(block));
    __libc_free(block);
}
} // extern "C"

namespace bench_heap {
size_t current() { return gCurrent.load(std::memory_order_relaxed); }
size_t peak() { return gPeak.load(std::memory_order_relaxed); }
void reset_peak() { gPeak.store(gCurrent.load(std::memory_order_relaxed), std::memory_order_relaxed); }
} // namespace bench_heap
