// The accessors of a BACnetDateTime value from calendar times: bacnapi_access_time_t (seconds)
// and bacnapi_access_timeb (seconds and milliseconds).
#include "time/time_internal.h"
#include "value/value_internal.h"

namespace {

// Clears the value and makes it a BACnetDateTime holding the local time of seconds. The status of
// the conversion, or BACNAPI_E_INVALIDARG when the value cannot be initialised (left cleared).
int32_t set_date_time(BACnetDataType* value, int64_t seconds, uint8_t hundredths)
{
    bacnapi::clear_value(value);
    if (bacnapi_initialize_data(value, BACNAPI_TYPE_BACnetDateTime) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
    return bacnapi::local_date_time(seconds, hundredths, static_cast<BACnetDateTime*>(value->payload.record));
}

// The value's date-time, or null when the value is not a BACnetDateTime with a record.
const BACnetDateTime* date_time_of(const BACnetDataType* value)
{
    if (value->type != BACNAPI_TYPE_BACnetDateTime) return nullptr;
    return static_cast<const BACnetDateTime*>(value->payload.record);
}

} // namespace

extern "C" {

BACNAPI_API int32_t bacnapi_access_time_t(int64_t* seconds, BACnetDataType* value, uint8_t get)
{
    if (seconds == nullptr || value == nullptr) return BACNAPI_E_INVALIDARG;
    if (get == 0) return set_date_time(value, *seconds, 0);
    const BACnetDateTime* dateTime = date_time_of(value);
    if (dateTime == nullptr) return BACNAPI_E_INVALIDARG;
    if (!bacnapi::date_time_seconds(*dateTime, seconds)) *seconds = 0;
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_access_timeb(BACnetTimeb* time, BACnetDataType* value, uint8_t get)
{
    if (time == nullptr || value == nullptr) return BACNAPI_E_INVALIDARG;
    if (get == 0) return set_date_time(value, time->seconds, static_cast<uint8_t>(time->milliseconds / 10));
    const BACnetDateTime* dateTime = date_time_of(value);
    if (dateTime == nullptr) return BACNAPI_E_INVALIDARG;
    int64_t seconds = 0;
    const bool converted = bacnapi::date_time_seconds(*dateTime, &seconds);
    time->seconds = converted ? seconds : 0;
    time->milliseconds = converted ? static_cast<uint16_t>(dateTime->time.hundredths * 10) : 0;
    return BACNAPI_S_OK;
}

} // extern "C"
