#include "support/small_stack.h"

#include <pthread.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstring>

#if __has_include(<valgrind/memcheck.h>)
#include <valgrind/memcheck.h>
#else
#define VALGRIND_MAKE_MEM_DEFINED(address, size) ((void)(address), (void)(size))
#endif

namespace small_stack {

namespace {

constexpr unsigned char kPaint = 0xA5;

void* trampoline(void* arg)
{
    (*static_cast<const std::function<void()>*>(arg))();
    return nullptr;
}

} // namespace

size_t run(size_t stackBytes, const std::function<void()>& fn)
{
    void* stack = mmap(nullptr, stackBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (stack == MAP_FAILED) return 0;
    std::memset(stack, kPaint, stackBytes);
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    size_t used = 0;
    pthread_t thread;
    if (pthread_attr_setstack(&attr, stack, stackBytes) == 0 &&
        pthread_create(&thread, &attr, trampoline, const_cast<std::function<void()>*>(&fn)) == 0) {
        pthread_join(thread, nullptr);
        // The stack grows down: the lowest byte that lost its paint marks the deepest use. (Under
        // valgrind the finished thread's stack is no longer addressable until it is said to be.)
        VALGRIND_MAKE_MEM_DEFINED(stack, stackBytes);
        const auto* bytes = static_cast<const unsigned char*>(stack);
        size_t untouched = 0;
        while (untouched < stackBytes && bytes[untouched] == kPaint) ++untouched;
        used = stackBytes - untouched;
    }
    pthread_attr_destroy(&attr);
    munmap(stack, stackBytes);
    return used;
}

} // namespace small_stack
