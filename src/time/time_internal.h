// Conversions between calendar times and BACnet date-times, shared by the time exports and the
// two time accessors.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>

namespace bacnapi {

// The local date-time of a calendar time with the given hundredths. 0, or BACNAPI_E_INVALIDARG
// with every octet 255 when the time falls outside the years a date-time holds (1900..2154) or
// cannot be converted at all.
int32_t local_date_time(int64_t seconds, uint8_t hundredths, BACnetDateTime* out);
// The calendar time of a date-time read as local time; fields out of range roll over, the day of
// week is ignored. False when the result cannot be represented.
bool date_time_seconds(const BACnetDateTime& dateTime, int64_t* seconds);

} // namespace bacnapi
