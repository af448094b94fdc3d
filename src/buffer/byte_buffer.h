// The growable byte buffer behind the read, write and print exports.
//
// Growth follows one rule for every writer: a single-byte append grows the block only when it is
// full, a multi-byte append grows it when the bytes would reach or pass its end, and a grow asks
// for 64 bytes beyond what is needed. Capacities are kept below 2^31 bytes.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstddef>
#include <cstdint>

namespace bacnapi {

// A piece of an item that is appended whole or not at all.
struct BytePiece {
    const void* data;
    size_t size;
};

// Appends one byte (the single-byte rule). 1, or -1 when the buffer cannot grow (or is null).
int32_t buffer_append_byte(BACnetByteBuffer* buffer, uint8_t byte);
// Appends the pieces as one item of their total size (the multi-byte rule). The total, or -1 with
// nothing appended when the buffer cannot grow, is null, or a piece of non-zero size has no data.
int32_t buffer_append_item(BACnetByteBuffer* buffer, const BytePiece* pieces, size_t count);

// The number of bytes a read may reach: the low 32 bits of the length taken as a signed number,
// never more than the block holds. 0 for a null buffer or a buffer without a block.
int32_t buffer_read_limit(const BACnetByteBuffer* buffer);

} // namespace bacnapi
