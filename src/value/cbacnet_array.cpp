// CBACnetArray: a view of a list value owned elsewhere.
#include "value/value_internal.h"

namespace {

// The list codes a CBACnetArray may be made into (the run of ReadAccessSpecification records, 89,
// included).
bool is_array_code(int32_t type)
{
    if ((type >= 58 && type <= 65) || (type >= 69 && type <= 84)) return true;
    switch (type) {
    case 87: case 88: case 89: case 93: case 94: case 95: case 106: case 111: case 114:
    case 120: case 121: case 122: case 125:
        return true;
    default:
        return false;
    }
}

} // namespace

// A value that already carries the requested list type keeps its elements; any other value is
// released and replaced by a fresh, empty list of that type.
int CBACnetArray::Initialize(BACnetApplicationTagNumber type)
{
    const auto code = static_cast<int32_t>(type);
    if (!is_array_code(code)) return BACNAPI_E_FAIL;
    if (m_value == nullptr) return BACNAPI_E_FAIL;
    if (m_value->type != 0 && m_value->type == code) return BACNAPI_S_OK;
    bacnapi::clear_value(m_value);
    const int32_t status = bacnapi_initialize_data(m_value, code);
    return status == BACNAPI_S_OK && m_value->type == code ? BACNAPI_S_OK : BACNAPI_E_FAIL;
}
