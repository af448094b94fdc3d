// CBACnetArray: a view of a list value owned elsewhere.
#include "value/type_catalogue.h"
#include "value/value_internal.h"

// A value that already carries the requested list type keeps its elements; any other value is
// released and replaced by a fresh, empty list of that type.
int CBACnetArray::Initialize(BACnetApplicationTagNumber type)
{
    const auto code = static_cast<int32_t>(type);
    // The codes an array view may be made into are flagged in the catalogue: the list codes
    // with element access, and the runs that hold records of one type (59 and 89 among them).
    if (!bacnapi::has_flag(code, bacnapi::kArrayView)) return BACNAPI_E_FAIL;
    if (m_value == nullptr) return BACNAPI_E_FAIL;
    if (m_value->type != 0 && m_value->type == code) return BACNAPI_S_OK;
    bacnapi::clear_value(m_value);
    const int32_t status = bacnapi_initialize_data(m_value, code);
    return status == BACNAPI_S_OK && m_value->type == code ? BACNAPI_S_OK : BACNAPI_E_FAIL;
}
