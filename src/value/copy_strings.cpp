// Duplication of the three string payloads (octets, characters, bits) for copy.
#include "charset/charstring.h"
#include "copy_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

int32_t copy_octets(BACnetOctetString* dst, const BACnetOctetString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    std::free(dst->data);
    dst->data = nullptr;
    dst->length = 0;
    // A source without octets (or whose pointer is missing) copies as the empty string.
    if (src->length == 0 || src->data == nullptr) return BACNAPI_S_OK;
    auto* octets = static_cast<uint8_t*>(std::malloc(src->length));
    if (octets == nullptr) return BACNAPI_S_OK; // the copy stays empty; not reported
    std::memcpy(octets, src->data, src->length);
    dst->data = octets;
    dst->length = src->length;
    return BACNAPI_S_OK;
}

int32_t copy_bits(BACnetBitString* dst, const BACnetBitString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    std::free(dst->bits);
    dst->bits = nullptr;
    dst->bitCount = 0;
    dst->usedCount = 0;
    if (src->bitCount == 0 || src->bits == nullptr) return BACNAPI_S_OK;
    auto* bits = static_cast<uint8_t*>(std::malloc(src->bitCount));
    if (bits == nullptr) return BACNAPI_S_OK; // the copy stays empty; not reported
    std::memcpy(bits, src->bits, src->bitCount);
    dst->bits = bits;
    dst->bitCount = src->bitCount;
    dst->usedCount = src->bitCount;
    return BACNAPI_S_OK;
}

int32_t copy_characters(BACnetCharacterString* dst, const BACnetCharacterString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    if (src->length != 0 && src->data == nullptr) {
        // A length without text to back it: copy the character set and nothing else, rather
        // than read through a null pointer.
        bacnapi_ClearCharacterString(dst);
        dst->characterSet = src->characterSet;
        return BACNAPI_S_OK;
    }
    return charstring_copy(dst, src);
}

} // namespace bacnapi
