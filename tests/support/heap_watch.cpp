#include "support/heap_watch.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define HEAP_WATCH_OFF 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define HEAP_WATCH_OFF 1
#endif
#endif

#if !defined(HEAP_WATCH_OFF)
namespace {
thread_local long tLive = 0;
thread_local long tCountdown = -1; // -1: allocate normally
thread_local bool tRefused = false;

bool refuse_now()
{
    if (tCountdown < 0 || tCountdown-- > 0) return false;
    return tRefused = true; // the countdown is -1 again
}
} // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void __libc_free(void* block);

// New bytes from malloc and realloc are filled with junk, so a read of memory never written shows.
void* malloc(size_t size) noexcept
{
    void* block = refuse_now() ? nullptr : __libc_malloc(size);
    if (block != nullptr) ++tLive, std::memset(block, 0xA5, malloc_usable_size(block));
    return block;
}
void* calloc(size_t count, size_t size) noexcept
{
    void* block = refuse_now() ? nullptr : __libc_calloc(count, size);
    return tLive += block != nullptr, block;
}
void* realloc(void* block, size_t size) noexcept
{
    if (refuse_now()) return nullptr;
    const size_t old = block != nullptr ? malloc_usable_size(block) : 0;
    void* moved = __libc_realloc(block, size);
    tLive += (block == nullptr && moved != nullptr) - (block != nullptr && size == 0 && moved == nullptr);
    if (moved != nullptr && malloc_usable_size(moved) > old)
        std::memset(static_cast<char*>(moved) + old, 0xA5, malloc_usable_size(moved) - old);
    return moved;
}
void free(void* block) noexcept
{
    tLive -= block != nullptr;
    __libc_free(block);
}
} // extern "C"

namespace heap_watch {
bool active()
{
    static const bool on = [] {
        const long before = tLive;
        void* block = std::malloc(8);
        const bool counted = tLive == before + 1;
        std::free(block);
        tCountdown = 0, tRefused = false;
        void* refused = std::malloc(8);
        std::free(refused);
        return counted && tRefused && refused == nullptr;
    }();
    return on;
}
long live_blocks()
{
    // GoogleTest keeps a thread's SCOPED_TRACE stack in a vector that grows on first use and never
    // shrinks: grow it here, so that a trace inside a counted region is not taken for a leak.
    { SCOPED_TRACE(1); { SCOPED_TRACE(2); { SCOPED_TRACE(3); { SCOPED_TRACE(4); } } } }
    return tLive;
}
void refuse_after(long k) { active(), tRefused = false, tCountdown = k; }
bool disarm() { return tCountdown = -1, tRefused; }
} // namespace heap_watch
#else
namespace heap_watch {
bool active() { return false; }
long live_blocks() { return 0; }
void refuse_after(long) {}
bool disarm() { return false; }
} // namespace heap_watch
#endif
