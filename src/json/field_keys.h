// The keys of record fields and choice alternatives in JSON text, from the field-name
// identifiers (nameId) the walk functions put into their cursors.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bacnapi::json {

// The key of a field or alternative from its nameId and context tag. Never null: an identifier
// without a name gets "field-N", so that every field still has a key that reads back.
// The returned text is static or lives in buf (at least kFieldKeyBufferSize bytes).
inline constexpr size_t kFieldKeyBufferSize = 24;
const char* field_key(uint32_t nameId, int32_t tag, char* buf);

// The choice whose alternatives are application values under one shared key: its key holds an
// envelope {"type": NAME, "value": V} so that the alternative can be read back.
inline constexpr uint32_t kApplicationValueChoice = 5;

} // namespace bacnapi::json
