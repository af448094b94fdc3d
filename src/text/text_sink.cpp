#include "text_sink.h"

#include <bacnapi/bacnapi_types.h>

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {
constexpr size_t kFirstBlock = 64;
}

TextSink::TextSink(char** owner) : owner_(owner)
{
    if (owner_ && *owner_) {
        length_ = std::strlen(*owner_);
        capacity_ = length_ + 1; // at least this much; the true size of the block is unknown
    }
}

int32_t TextSink::reserve(size_t extra)
{
    if (!owner_) return BACNAPI_E_FAIL;
    if (extra > SIZE_MAX - length_ - 1) return BACNAPI_E_FAIL;
    const size_t need = length_ + extra + 1;
    if (*owner_ && need <= capacity_) return BACNAPI_S_OK;
    // Grow by half again: amortized constant copying per appended byte.
    size_t next = capacity_ + capacity_ / 2;
    if (next < kFirstBlock) next = kFirstBlock;
    if (next < need) next = need;
    char* block = static_cast<char*>(std::realloc(*owner_, next));
    if (!block && next > need) {
        next = need; // the heap may still grant the exact size
        block = static_cast<char*>(std::realloc(*owner_, next));
    }
    if (!block) return BACNAPI_E_FAIL;
    *owner_ = block;
    capacity_ = next;
    return BACNAPI_S_OK;
}

int32_t TextSink::append(const char* piece, size_t n)
{
    if (!piece) return BACNAPI_E_FAIL;
    const int32_t status = reserve(n);
    if (status != BACNAPI_S_OK) return status;
    std::memcpy(*owner_ + length_, piece, n);
    length_ += n;
    (*owner_)[length_] = '\0';
    return BACNAPI_S_OK;
}

void TextSink::finish()
{
    if (!owner_ || !*owner_ || capacity_ <= length_ + 1) return;
    char* block = static_cast<char*>(std::realloc(*owner_, length_ + 1));
    if (!block) return;
    *owner_ = block;
    capacity_ = length_ + 1;
}

} // namespace bacnapi
