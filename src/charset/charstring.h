// CharacterString services shared inside the library.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>

namespace bacnapi {

// Copies src into dst (dst's data released first); adds an uncounted NUL when src's last byte
// is not NUL. 0, or BACNAPI_E_OUTOFMEMORY on heap refusal (dst left empty).
int32_t charstring_copy(BACnetCharacterString* dst, const BACnetCharacterString* src);

// Converts src into dst in character set target (codePage for target 1). 0, or with dst
// unchanged BACNAPI_E_OUTOFMEMORY when the heap refuses before anything was converted and
// BACNAPI_E_FAIL for any other failure. src is never changed; dst's old data is released on
// success. When src is already in the target set this is charstring_copy, with its status.
int32_t charstring_convert(const BACnetCharacterString* src, BACnetCharacterString* dst, uint8_t target,
                           uint32_t codePage);

} // namespace bacnapi
