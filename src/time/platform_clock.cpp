// POSIX implementation of the clock and zone operations (see platform_clock.h).
#include "time/platform_clock.h"

static_assert(sizeof(time_t) == sizeof(int64_t), "calendar times are 64-bit seconds");

namespace bacnapi::platform {

void zone_refresh()
{
    tzset();
}

BACnetTimeb current_time()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    zone_refresh();
    std::tm local{};
    const bool known = to_local(now.tv_sec, &local);
    BACnetTimeb result{};
    result.seconds = now.tv_sec;
    result.milliseconds = static_cast<uint16_t>(now.tv_nsec / 1000000);
    result.minutesWest = static_cast<int16_t>(timezone / 60);
    result.daylight = static_cast<int16_t>(known && local.tm_isdst > 0 ? 1 : 0);
    return result;
}

bool to_local(int64_t seconds, std::tm* out)
{
    const time_t t = seconds;
    return localtime_r(&t, out) != nullptr;
}

bool to_utc(int64_t seconds, std::tm* out)
{
    const time_t t = seconds;
    return gmtime_r(&t, out) != nullptr;
}

bool from_local(std::tm* fields, int64_t* seconds)
{
    // mktime answers -1 both for failure and for one second before 1970; a failed call leaves the
    // day of week alone, a successful one always sets it.
    fields->tm_wday = -1;
    const time_t t = mktime(fields);
    if (t == static_cast<time_t>(-1) && fields->tm_wday == -1) return false;
    *seconds = t;
    return true;
}

int64_t local_offset_at(int64_t seconds)
{
    std::tm local{};
    if (to_local(seconds, &local)) return local.tm_gmtoff;
    return -static_cast<int64_t>(timezone);
}

} // namespace bacnapi::platform
