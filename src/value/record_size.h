// Size of the record that a value of each type code points at (0: no record of its own), as the
// type catalogue states it. Shared by initialise (which allocates records) and the walker.
#pragma once

#include "value/type_catalogue.h"

namespace bacnapi {

constexpr uint64_t record_size_of(int32_t type)
{
    return is_type_code(type) ? kTypeCatalogue[type].recordSize : 0;
}

} // namespace bacnapi
