// The clock and time-zone operations the time helpers need, on the POSIX clock and zone
// functions. Every local conversion re-reads the zone settings first, so a host that changes TZ
// while running is followed; only the reentrant conversions are used.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>
#include <ctime>

namespace bacnapi::platform {

// Re-reads the zone settings from the environment.
void zone_refresh();
// The present time: seconds and milliseconds, the zone's standard offset in minutes west of UTC
// and whether daylight-saving time is in effect now.
BACnetTimeb current_time();
// Seconds to local (UTC) broken-down time. False when the seconds cannot be converted.
bool to_local(int64_t seconds, std::tm* out);
bool to_utc(int64_t seconds, std::tm* out);
// Local broken-down time to seconds, normalising fields out of range (an hour of 25 is 01:00 the
// next day); tm_isdst -1 lets the zone rules decide. False when the result cannot be represented.
bool from_local(std::tm* fields, int64_t* seconds);
// The offset east of UTC in seconds in effect at the given instant, daylight saving included.
int64_t local_offset_at(int64_t seconds);

} // namespace bacnapi::platform
