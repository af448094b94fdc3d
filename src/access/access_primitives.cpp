// Accessors of the application types held inline and of SignedLong: one row per type, naming
// the host variable, the type code, when a set checks the host pointer and what a get from a
// value of another type answers.
#include "access/access_protocol.h"

using bacnapi::access_inline;
using bacnapi::HostCheck;

namespace {
constexpr HostCheck kFirst = HostCheck::BeforeReset; // a null host leaves the value untouched
constexpr HostCheck kAfter = HostCheck::AfterReset;  // a null host leaves an empty value of the type
} // namespace

extern "C" {

BACNAPI_API int32_t bacnapi_access_boolean(uint8_t* host, BACnetDataType* value, uint8_t flag)
{
    // The octet is kept as given: a true other than 1 is not normalised.
    return access_inline<uint8_t, BACNAPI_TYPE_Boolean, kFirst, BACNAPI_E_INVALIDARG>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_unsignedInteger(uint32_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<uint32_t, BACNAPI_TYPE_Unsigned, kFirst>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_signedInteger(int32_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<int32_t, BACNAPI_TYPE_Signed, kFirst>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_real(float* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<float, BACNAPI_TYPE_Real, kFirst>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_double(double* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<double, BACNAPI_TYPE_Double, kFirst>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_enumerated(uint32_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<uint32_t, BACNAPI_TYPE_Enumerated, kFirst>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_date(uint32_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<uint32_t, BACNAPI_TYPE_Date, kAfter>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_time(uint32_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<uint32_t, BACNAPI_TYPE_Time, kAfter>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_objectIdentifier(BACnetObjectIdentifier* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<BACnetObjectIdentifier, BACNAPI_TYPE_ObjectIdentifier, kAfter>(host, value, flag);
}
BACNAPI_API int32_t bacnapi_access_signedLong(int64_t* host, BACnetDataType* value, uint8_t flag)
{
    return access_inline<int64_t, BACNAPI_TYPE_SignedLong, kFirst>(host, value, flag);
}

} // extern "C"
