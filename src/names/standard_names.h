// The standard's names of object types and property identifiers ("analog-input",
// "present-value"), compiled in as constant tables: by number for printing, and by name (without
// regard to ASCII case) for reading. Numbers without a standard name have none here; callers
// print them as the number.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bacnapi {

enum class NameList : uint8_t { ObjectTypes, PropertyIdentifiers };

// The name of number in the list, or null when it has none.
const char* standard_name(NameList list, uint32_t number);

// Finds the number whose name equals the `length` bytes at name (ASCII case ignored). False when
// no name matches (name may then be anything, also not terminated).
bool standard_number(NameList list, const char* name, size_t length, uint32_t* number);

} // namespace bacnapi
