// Accessors of the three string payloads (OctetString, BitString, CharacterString). The host
// record owns its own heap block: a set copies it into the value, a get replaces the host's
// block by a copy of the value's.
#include "access/access_protocol.h"
#include "charset/charstring.h"

namespace bacnapi {
namespace {

// The octet and bit accessors answer a refused block with BACNAPI_E_OUTOFMEMORY, as the
// replace routines report it.
int32_t copy_octet_string(BACnetOctetString* dst, const BACnetOctetString* src)
{
    return octets_set(dst, src->data, src->length);
}

int32_t copy_bit_string(BACnetBitString* dst, const BACnetBitString* src)
{
    return bits_set(dst, src->bits, src->bitCount);
}

// The string accessors share the protocol of the inline ones whose set checks the host after
// the reset; only the copy differs. Mismatch is what a get from another type answers.
template <class Record, int32_t Code, int32_t Mismatch>
int32_t access_string_payload(Record* host, BACnetDataType* value, uint8_t flag,
                              int32_t (*copy)(Record*, const Record*))
{
    if (value == nullptr) return BACNAPI_E_INVALIDARG;
    auto* payload = reinterpret_cast<Record*>(&value->payload);
    if (flag != 0) {
        if (value->type != Code) return Mismatch;
        if (host == nullptr) return BACNAPI_E_INVALIDARG;
        return copy(host, payload);
    }
    if (host == payload && value->type == Code) return BACNAPI_S_OK; // the value's own string
    if (reset_value_as(value, Code) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
    if (host == nullptr) return BACNAPI_E_INVALIDARG;
    return copy(payload, host);
}

// Character sets that a get hands over as stored: UTF-8 (0), DBCS with its code page (1) and
// ISO 8859-1 (5). Every other set is converted to UTF-8 in the host's copy.
bool kept_on_get(uint8_t characterSet)
{
    return (characterSet & 0xFA) == 0 && characterSet != BACNAPI_CHARSET_UCS2;
}

} // namespace
} // namespace bacnapi

using namespace bacnapi;

extern "C" {

BACNAPI_API int32_t bacnapi_access_octets(BACnetOctetString* host, BACnetDataType* value, uint8_t flag)
{
    return access_string_payload<BACnetOctetString, BACNAPI_TYPE_OctetString, BACNAPI_S_OK>(host, value, flag,
                                                                                            copy_octet_string);
}

BACNAPI_API int32_t bacnapi_access_bitString(BACnetBitString* host, BACnetDataType* value, uint8_t flag)
{
    return access_string_payload<BACnetBitString, BACNAPI_TYPE_BitString, BACNAPI_E_INVALIDARG>(host, value, flag,
                                                                                                copy_bit_string);
}

BACNAPI_API int32_t bacnapi_access_string(BACnetCharacterString* host, BACnetDataType* value, uint8_t flag)
{
    // Set: a refused text is BACNAPI_E_INVALIDARG, the copies' answer (copy_characters).
    if (flag == 0 || value == nullptr)
        return access_string_payload<BACnetCharacterString, BACNAPI_TYPE_CharacterString, BACNAPI_S_OK>(
            host, value, flag, copy_characters);
    BACnetCharacterString* stored = &value->payload.characterString;
    if (value->type == BACNAPI_TYPE_CharacterString) {
        if (host == nullptr) return BACNAPI_E_INVALIDARG;
        if (host == stored) return BACNAPI_S_OK; // converting here would change the value
        // Any failed copy, a refused one included, is BACNAPI_E_FAIL here (host record empty).
        if (copy_characters(host, stored) != BACNAPI_S_OK) return BACNAPI_E_FAIL;
    }
    // The character-set rule applies to whatever the host record holds now, also after a get
    // from a value of another type (which copied nothing).
    if (host == nullptr || kept_on_get(host->characterSet)) return BACNAPI_S_OK;
    return bacnapi_string_transform(host, BACNAPI_CHARSET_UTF8, 0);
}

} // extern "C"
