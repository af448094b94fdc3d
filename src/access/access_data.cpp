// The generic value accessor: moves a whole BACnetDataType (or one element of a list, or a
// list's length) between a host value and a value, by the deep copy.
#include "value/value_internal.h"

extern "C" int32_t bacnapi_access_BACnetData(BACnetDataType* hostValue, BACnetDataType* value, int32_t index,
                                             uint8_t get)
{
    // Checked here, before either side is looked at: an index below -1 names nothing.
    if (index < -1) return BACNAPI_E_INVALIDARG;
    if (get != 0) return bacnapi::copy_value(hostValue, value, index);
    return bacnapi::copy_value(value, hostValue, index);
}
