// Duplication of the three string payloads (octets, characters, bits) for copy.
#include "charset/charstring.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

// The octet and bit copies go through the one replace routine of each string (octets.cpp). A
// refused copy leaves the destination empty and is not reported: a value copy has always
// completed with an empty string in that case, and callers rely on its status.
int32_t copy_octets(BACnetOctetString* dst, const BACnetOctetString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    (void)octets_set(dst, src->data, src->length);
    return BACNAPI_S_OK;
}

int32_t copy_bits(BACnetBitString* dst, const BACnetBitString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    (void)bits_set(dst, src->bits, src->bitCount);
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
