// Octet strings and bit strings: replacing and growing their heap buffers.
//
// Invariants kept by every function here: an octet string's pointer is null exactly when its
// length is 0, and a bit string's two counts are set to the same number whenever its buffer is
// replaced or grown.
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

void release_octets(BACnetOctetString* octets)
{
    std::free(octets->data);
    octets->data = nullptr;
    octets->length = 0;
}

// A heap copy of count bytes (count > 0), or null when the heap refuses.
uint8_t* duplicate(const uint8_t* source, uint64_t count)
{
    auto* copy = static_cast<uint8_t*>(std::malloc(count));
    if (copy != nullptr) {
        std::memcpy(copy, source, count);
    }
    return copy;
}

// The one rule of both strings: *block is replaced by a copy of count source bytes (by nothing
// when count is 0 or there is no source). The copy is taken before the old block goes, so a
// source inside it stays readable. False when the heap refuses: the old block is gone all the
// same and *block is null.
bool replace_block(uint8_t** block, const uint8_t* source, uint64_t count)
{
    uint8_t* copy = count != 0 && source != nullptr ? duplicate(source, count) : nullptr;
    std::free(*block);
    *block = copy;
    return copy != nullptr || count == 0 || source == nullptr;
}

} // namespace

int32_t octets_allocate(BACnetOctetString* octets, uint64_t count)
{
    if (octets == nullptr) {
        return BACNAPI_E_INVALIDARG;
    }
    release_octets(octets);
    if (count == 0) {
        return BACNAPI_S_OK;
    }
    auto* data = static_cast<uint8_t*>(std::malloc(count));
    if (data == nullptr) {
        return BACNAPI_E_OUTOFMEMORY;
    }
    octets->data = data;
    octets->length = count;
    return BACNAPI_S_OK;
}

int32_t octets_set(BACnetOctetString* octets, const uint8_t* source, uint64_t count)
{
    if (octets == nullptr) {
        return BACNAPI_E_INVALIDARG;
    }
    const bool copied = replace_block(&octets->data, source, count);
    octets->length = octets->data != nullptr ? count : 0;
    return copied ? BACNAPI_S_OK : BACNAPI_E_OUTOFMEMORY;
}

int32_t bits_set(BACnetBitString* bits, const uint8_t* source, uint64_t count)
{
    if (bits == nullptr) {
        return BACNAPI_E_INVALIDARG;
    }
    const bool copied = replace_block(&bits->bits, source, count);
    bits->bitCount = bits->usedCount = bits->bits != nullptr ? count : 0;
    return copied ? BACNAPI_S_OK : BACNAPI_E_OUTOFMEMORY;
}

int32_t temp_octets_create(const uint8_t* bytes, uint64_t count, BACnetOctetString** out)
{
    if (out == nullptr) {
        return BACNAPI_E_INVALIDARG;
    }
    *out = nullptr;
    auto* temp = static_cast<BACnetOctetString*>(std::calloc(1, sizeof(BACnetOctetString)));
    if (temp == nullptr) {
        return BACNAPI_E_OUTOFMEMORY;
    }
    // Without bytes to copy, a non-zero count cannot be honoured (the copy stays empty).
    if (octets_set(temp, bytes, count) != BACNAPI_S_OK || temp->length != count) {
        temp_octets_release(temp);
        return BACNAPI_E_OUTOFMEMORY;
    }
    *out = temp;
    return BACNAPI_S_OK;
}

void temp_octets_release(BACnetOctetString* temp)
{
    if (temp == nullptr) {
        return;
    }
    std::free(temp->data);
    std::free(temp);
}

} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnapi_allocate_octets(BACnetOctetString* octets, uint32_t count)
{
    return bacnapi::octets_allocate(octets, count);
}

BACNAPI_API int32_t bacnapi_set_octets(BACnetOctetString* octets, const uint8_t* source, uint32_t count)
{
    return bacnapi::octets_set(octets, source, count);
}

BACNAPI_API int32_t bacnapi_set_bit(BACnetBitString* bits, uint8_t value, int32_t index)
{
    if (bits == nullptr) {
        return 1;
    }
    if (index < 0) {
        return BACNAPI_E_INVALIDARG;
    }
    const uint64_t needed = static_cast<uint64_t>(index) + 1;
    if (bits->bits == nullptr) {
        bits->bits = static_cast<uint8_t*>(std::calloc(needed, 1));
        if (bits->bits == nullptr) {
            bits->bitCount = 0;
            bits->usedCount = 0;
            return BACNAPI_E_OUTOFMEMORY;
        }
        bits->bitCount = needed;
        bits->usedCount = needed;
    } else if (needed > bits->bitCount) {
        auto* grown = static_cast<uint8_t*>(std::realloc(bits->bits, needed));
        if (grown == nullptr) {
            return BACNAPI_E_OUTOFMEMORY;
        }
        // The new bits between the old end and the one being set start clear.
        std::memset(grown + bits->bitCount, 0, needed - bits->bitCount);
        bits->bits = grown;
        bits->bitCount = needed;
        bits->usedCount = needed;
    }
    // Stored as given: every reader treats any non-zero octet as a set bit.
    bits->bits[index] = value;
    return BACNAPI_S_OK;
}

} // extern "C"
