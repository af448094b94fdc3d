// The two lookups between type codes and names, over the names of the type catalogue. Codes 13
// to 19 are not assigned and have no name. Hosts and the command-line tool read the same rows, so
// a type is called the same everywhere.
#include "value/type_catalogue.h"

#include <bacnapi/bacnapi.h>

#include <cstddef>
#include <cstdint>

namespace bacnapi {

namespace {

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal without regard to ASCII case (names are plain ASCII; any other byte must match exactly).
bool same_name(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (ascii_lower(*a) != ascii_lower(*b)) return false;
    }
    return *a == *b;
}

} // namespace

} // namespace bacnapi

extern "C" BACNAPI_API const char* bacnapi_type_name(int32_t typeCode)
{
    using namespace bacnapi;
    const TypeRow* row = type_row(typeCode);
    return row ? row->name : nullptr;
}

extern "C" BACNAPI_API int32_t bacnapi_type_code(const char* name)
{
    using namespace bacnapi;
    if (!name) return BACNAPI_E_INVALIDARG;
    for (const TypeRow& row : kTypeCatalogue) {
        if (row.name && same_name(row.name, name)) return row.code;
    }
    return BACNAPI_E_INVALIDARG;
}
