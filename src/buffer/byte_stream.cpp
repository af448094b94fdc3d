// Reading a byte buffer through a stream: single bytes, big-endian integers, zero-terminated
// texts, skipping and rewinding. A read that runs out of data reports -1 (null for a text) and
// leaves the position at the end of what was there.
#include "buffer/byte_buffer.h"

#include <cstring>

namespace {

// The readable end for this stream, or -1 when there is nothing to read from (null stream, or a
// position before the start, which only a host can set).
int32_t readable_end(const BACnetByteStream* stream)
{
    if (stream == nullptr || stream->position < 0) return -1;
    return bacnapi::buffer_read_limit(stream->buffer);
}

} // namespace

extern "C" {

BACNAPI_API int32_t bacnapi_read(BACnetByteStream* stream)
{
    const int32_t end = readable_end(stream);
    if (end < 0 || stream->position >= end) return -1;
    return stream->buffer->data[stream->position++];
}

BACNAPI_API int32_t bacnapi_readU2(BACnetByteStream* stream)
{
    const int32_t high = bacnapi_read(stream);
    const int32_t low = bacnapi_read(stream);
    if (high < 0 || low < 0) return -1;
    return high * 256 + low;
}

// A stored 0xFFFFFFFF reads as -1 too: callers that need to tell it from a short buffer check the
// position.
BACNAPI_API int32_t bacnapi_readS4(BACnetByteStream* stream)
{
    uint32_t bits = 0;
    bool missing = false;
    for (int i = 0; i < 4; ++i) {
        const int32_t byte = bacnapi_read(stream);
        missing = missing || byte < 0;
        bits = (bits << 8) | static_cast<uint32_t>(byte & 0xFF);
    }
    return missing ? -1 : static_cast<int32_t>(bits);
}

BACNAPI_API int64_t bacnapi_readS8(BACnetByteStream* stream)
{
    const auto high = static_cast<uint32_t>(bacnapi_readS4(stream));
    const auto low = static_cast<uint32_t>(bacnapi_readS4(stream));
    return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

// The zero byte must come within maxLength bytes (it counts towards the maximum, so the text fits
// a host array of maxLength bytes). When it does not, nothing is consumed, unless the data ended
// inside that window: then everything up to the end is consumed, as for every other read.
BACNAPI_API char* bacnapi_readStr(BACnetByteStream* stream, int32_t maxLength)
{
    const int32_t end = readable_end(stream);
    if (end < 0 || maxLength < 1) return nullptr;
    const int32_t start = stream->position;
    if (start >= end) return nullptr;
    const int32_t left = end - start;
    const int32_t window = maxLength < left ? maxLength : left;
    uint8_t* text = stream->buffer->data + start;
    const void* zero = std::memchr(text, 0, static_cast<size_t>(window));
    if (zero != nullptr) {
        stream->position = start + static_cast<int32_t>(static_cast<const uint8_t*>(zero) - text) + 1;
        return reinterpret_cast<char*>(text);
    }
    if (window == left) stream->position = end;
    return nullptr;
}

BACNAPI_API void bacnapi_skip(int32_t count, BACnetByteStream* stream)
{
    const int32_t end = readable_end(stream);
    if (end < 0 || count < 1 || stream->position >= end) return;
    const int64_t target = static_cast<int64_t>(stream->position) + count;
    stream->position = target < end ? static_cast<int32_t>(target) : end;
}

BACNAPI_API void bacnapi_rewind(BACnetByteStream* stream)
{
    if (stream != nullptr) stream->position = 0;
}

} // extern "C"
