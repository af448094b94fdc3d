#include "text/text_sink.h"

#include <bacnapi/bacnapi_types.h>

#include <cstdlib>
#include <cstring>

#if defined(__GLIBC__) || defined(__linux__)
#include <malloc.h>
#define BACNAPI_HAVE_USABLE_SIZE 1
#endif

namespace bacnapi {

namespace {

constexpr size_t kFirstBlock = 64;

// The bytes of a malloc block that may be used: its real size where the heap tells it, else
// the size that was asked for.
size_t usable_size(void* block, size_t asked)
{
#if defined(BACNAPI_HAVE_USABLE_SIZE)
    const size_t real = malloc_usable_size(block);
    return real > asked ? real : asked;
#else
    (void)block;
    return asked;
#endif
}

} // namespace

TextSink::TextSink(char** owner) : owner_(owner)
{
    if (owner_ && *owner_) {
        data_ = *owner_;
        length_ = std::strlen(data_);
        capacity_ = length_ + 1; // the block's real size is asked only when more room is needed
    }
}

// True when the caller's block turns out to hold `need` bytes already.
bool TextSink::fits_callers_block(size_t need)
{
    if (callerMeasured_ || !*owner_) return false;
    callerMeasured_ = true;
    capacity_ = usable_size(*owner_, capacity_);
    return need <= capacity_;
}

// Moves the text to a block of `wanted` bytes, or of `need` when the heap refuses the larger.
int32_t TextSink::grow_to(size_t need, size_t wanted)
{
    char* block = static_cast<char*>(std::realloc(*owner_, wanted));
    if (!block && wanted > need) {
        wanted = need; // the heap may still grant the exact size
        block = static_cast<char*>(std::realloc(*owner_, wanted));
    }
    if (!block) return BACNAPI_E_FAIL;
    *owner_ = data_ = block;
    capacity_ = usable_size(block, wanted);
    callerMeasured_ = true; // the block is the sink's own now, its size known
    return BACNAPI_S_OK;
}

// The slow road of reserve(): no text yet, or not enough room left.
int32_t TextSink::reserve_more(size_t extra)
{
    if (!owner_) return BACNAPI_E_FAIL;
    if (extra > SIZE_MAX - length_ - 1) return BACNAPI_E_FAIL;
    const size_t need = length_ + extra + 1;
    if (*owner_ && need <= capacity_) return BACNAPI_S_OK;
    if (fits_callers_block(need)) return BACNAPI_S_OK;
    // Exactly the size asked for, unless that is less than the usual growth: many small
    // reservations in a row must still cost amortized constant copying per byte.
    const size_t usual = capacity_ + capacity_ / 2;
    return grow_to(need, usual > need ? usual : need);
}

// The slow road of room(): no text yet, or not enough room left.
char* TextSink::grow_for(size_t n)
{
    if (!owner_) return nullptr;
    if (n > SIZE_MAX - length_ - 1) return nullptr;
    const size_t need = length_ + n + 1;
    if ((!*owner_ || need > capacity_) && !fits_callers_block(need)) {
        // Grow by half again: amortized constant copying per appended byte.
        size_t next = capacity_ + capacity_ / 2;
        if (next < kFirstBlock) next = kFirstBlock;
        if (next < need) next = need;
        if (grow_to(need, next) != BACNAPI_S_OK) return nullptr;
    }
    return data_ + length_;
}

void TextSink::finish()
{
    terminate();
    if (!owner_ || !*owner_ || capacity_ - (length_ + 1) <= length_ + 1) return;
    char* block = static_cast<char*>(std::realloc(*owner_, length_ + 1));
    if (!block) return;
    *owner_ = data_ = block;
    capacity_ = usable_size(block, length_ + 1);
}

} // namespace bacnapi
