// Duplication of the three string payloads (octets, characters, bits) for copy.
//
// The routines underneath (octets_set, bits_set, charstring_copy) report a refused block as
// BACNAPI_E_OUTOFMEMORY. The value and record copies have their own answer to it, applied here
// because a refused string decides whether the copy goes on with the members after it.
#include "charset/charstring.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

// A refused octet or bit block leaves the destination empty and the copy goes on: the copies
// have always completed with an empty string in that case, and callers rely on their status.
int32_t empty_when_refused(int32_t status)
{
    return status == BACNAPI_E_OUTOFMEMORY ? BACNAPI_S_OK : status;
}

} // namespace

int32_t copy_octets(BACnetOctetString* dst, const BACnetOctetString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    return empty_when_refused(octets_set(dst, src->data, src->length));
}

int32_t copy_bits(BACnetBitString* dst, const BACnetBitString* src)
{
    if (dst == src) return BACNAPI_S_OK;
    return empty_when_refused(bits_set(dst, src->bits, src->bitCount));
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
    // A refused text is BACNAPI_E_INVALIDARG for the copies (the string left empty).
    const int32_t status = charstring_copy(dst, src);
    return status == BACNAPI_E_OUTOFMEMORY ? BACNAPI_E_INVALIDARG : status;
}

} // namespace bacnapi
