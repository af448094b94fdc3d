// Growing and appending to a host's byte buffer, and the raw write exports.
#include "buffer/byte_buffer.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {
namespace {

constexpr int64_t kGrowthSlack = 64;
constexpr int64_t kLargestCapacity = INT32_MAX;

// What the block can hold: a buffer without a block holds nothing, whatever its capacity says.
uint64_t usable_capacity(const BACnetByteBuffer* buffer)
{
    return buffer->data != nullptr ? buffer->capacity : 0;
}

// Makes the block exactly request bytes when it is smaller. The whole old block is kept (bytes
// past the length survive a grow too) and the new bytes are zero. A request that does not fit in
// a signed 32-bit size fails, as does a refused allocation; the buffer is then unchanged.
//
// The block grows by only 64 bytes beyond the need, so a buffer filled in small pieces grows
// often; realloc lets the heap extend the block in place or remap it instead of copying it each
// time, which keeps filling a large buffer close to linear.
int32_t grow(BACnetByteBuffer* buffer, int64_t request)
{
    if (request < 0 || request > kLargestCapacity) return BACNAPI_E_FAIL;
    const uint64_t old = usable_capacity(buffer);
    if (static_cast<uint64_t>(request) <= old) return BACNAPI_S_OK;
    void* const from = old != 0 ? buffer->data : nullptr;
    auto* block = static_cast<uint8_t*>(std::realloc(from, static_cast<size_t>(request)));
    if (block == nullptr) return BACNAPI_E_FAIL;
    if (from == nullptr) std::free(buffer->data); // a block the host left with capacity 0
    std::memset(block + old, 0, static_cast<size_t>(static_cast<uint64_t>(request) - old));
    buffer->data = block;
    buffer->capacity = static_cast<uint64_t>(request);
    return BACNAPI_S_OK;
}

// A length at or beyond 2^31 can only come from a host that set it by hand; nothing is appended
// to such a buffer (every request computed from it would exceed the largest capacity).
bool length_in_range(const BACnetByteBuffer* buffer)
{
    return buffer->length <= static_cast<uint64_t>(kLargestCapacity);
}

} // namespace

int32_t buffer_append_byte(BACnetByteBuffer* buffer, uint8_t byte)
{
    if (buffer == nullptr || !length_in_range(buffer)) return BACNAPI_E_FAIL;
    const auto length = static_cast<int64_t>(buffer->length);
    if (buffer->length >= usable_capacity(buffer) && grow(buffer, length + kGrowthSlack) != BACNAPI_S_OK)
        return BACNAPI_E_FAIL;
    buffer->data[length] = byte;
    buffer->length += 1;
    return 1;
}

int32_t buffer_append_item(BACnetByteBuffer* buffer, const BytePiece* pieces, size_t count)
{
    if (buffer == nullptr || !length_in_range(buffer)) return BACNAPI_E_FAIL;
    uint64_t total = 0;
    for (size_t i = 0; i < count; ++i) {
        if (pieces[i].size != 0 && pieces[i].data == nullptr) return BACNAPI_E_FAIL;
        if (pieces[i].size > static_cast<uint64_t>(kLargestCapacity)) return BACNAPI_E_FAIL;
        total += pieces[i].size;
        if (total > static_cast<uint64_t>(kLargestCapacity)) return BACNAPI_E_FAIL;
    }
    const auto length = static_cast<int64_t>(buffer->length);
    const auto n = static_cast<int64_t>(total);
    if (static_cast<uint64_t>(length + n) >= usable_capacity(buffer) &&
        grow(buffer, length + n + kGrowthSlack) != BACNAPI_S_OK)
        return BACNAPI_E_FAIL;
    uint8_t* at = buffer->data + length;
    for (size_t i = 0; i < count; ++i) {
        if (pieces[i].size == 0) continue;
        std::memcpy(at, pieces[i].data, pieces[i].size);
        at += pieces[i].size;
    }
    buffer->length += total;
    return static_cast<int32_t>(total);
}

int32_t buffer_read_limit(const BACnetByteBuffer* buffer)
{
    if (buffer == nullptr || buffer->data == nullptr) return 0;
    const auto low = static_cast<int32_t>(static_cast<uint32_t>(buffer->length & 0xFFFFFFFFu));
    if (low <= 0) return 0;
    return static_cast<uint64_t>(low) <= buffer->capacity ? low : static_cast<int32_t>(buffer->capacity);
}

} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnapi_write(uint8_t byte, BACnetByteStream* stream)
{
    return bacnapi::buffer_append_byte(stream != nullptr ? stream->buffer : nullptr, byte);
}

BACNAPI_API int32_t bacnapi_write_bytes(const uint8_t* bytes, int32_t count, BACnetByteStream* stream)
{
    if (count < 0) return BACNAPI_E_FAIL;
    const bacnapi::BytePiece piece{bytes, static_cast<size_t>(count)};
    return bacnapi::buffer_append_item(stream != nullptr ? stream->buffer : nullptr, &piece, 1);
}

// Byte by byte, so that each byte follows the single-byte rule; bytes appended before a refused
// grow stay in the buffer.
BACNAPI_API int32_t bacnapi_writeI4(int32_t value, BACnetByteStream* stream)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (bacnapi_write(static_cast<uint8_t>(bits >> shift), stream) < 0) return BACNAPI_E_FAIL;
    }
    return 4;
}

BACNAPI_API int32_t bacnapi_writeI8(int64_t value, BACnetByteStream* stream)
{
    const auto bits = static_cast<uint64_t>(value);
    if (bacnapi_writeI4(static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)), stream) < 0) return BACNAPI_E_FAIL;
    if (bacnapi_writeI4(static_cast<int32_t>(static_cast<uint32_t>(bits)), stream) < 0) return BACNAPI_E_FAIL;
    return 8;
}

BACNAPI_API void bacnapi_buf_clear(BACnetByteBuffer* buffer)
{
    if (buffer != nullptr) buffer->length = 0;
}

} // extern "C"
