// The clock and calendar-time exports: the present time, and calendar times to and from BACnet
// date-times in the local zone.
#include "time/platform_clock.h"
#include "time/time_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

constexpr int kFirstYearOctet = 0;   // 1900
constexpr int kLastYearOctet = 254;  // 2154; 255 means an unspecified year
constexpr uint8_t kUnspecified = 255;

// Octets of a broken-down time, or the unspecified date-time when its year has no octet.
int32_t fill_date_time(const std::tm& tm, uint8_t hundredths, BACnetDateTime* out)
{
    if (tm.tm_year < kFirstYearOctet || tm.tm_year > kLastYearOctet) {
        std::memset(out, kUnspecified, sizeof *out);
        return BACNAPI_E_INVALIDARG;
    }
    out->date.year = static_cast<uint8_t>(tm.tm_year);
    out->date.month = static_cast<uint8_t>(tm.tm_mon + 1);
    out->date.day = static_cast<uint8_t>(tm.tm_mday);
    out->date.dayOfWeek = static_cast<uint8_t>(tm.tm_wday == 0 ? 7 : tm.tm_wday);
    out->time.hour = static_cast<uint8_t>(tm.tm_hour);
    out->time.minute = static_cast<uint8_t>(tm.tm_min);
    out->time.second = static_cast<uint8_t>(tm.tm_sec);
    out->time.hundredths = hundredths;
    return BACNAPI_S_OK;
}

// A broken-down time with an impossible year, for conversions that fail.
std::tm unconvertible()
{
    std::tm tm{};
    tm.tm_year = -1;
    return tm;
}

uint8_t hundredths_of(uint16_t milliseconds)
{
    return static_cast<uint8_t>(milliseconds / 10);
}

} // namespace

int32_t local_date_time(int64_t seconds, uint8_t hundredths, BACnetDateTime* out)
{
    platform::zone_refresh();
    std::tm tm{};
    if (!platform::to_local(seconds, &tm)) tm = unconvertible();
    return fill_date_time(tm, hundredths, out);
}

bool date_time_seconds(const BACnetDateTime& dateTime, int64_t* seconds)
{
    std::tm tm{};
    tm.tm_sec = dateTime.time.second;
    tm.tm_min = dateTime.time.minute;
    tm.tm_hour = dateTime.time.hour;
    tm.tm_mday = dateTime.date.day;
    tm.tm_mon = dateTime.date.month - 1;
    tm.tm_year = dateTime.date.year;
    tm.tm_isdst = -1;
    platform::zone_refresh();
    return platform::from_local(&tm, seconds);
}

} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnetapi_now(BACnetDateTime* now)
{
    if (now == nullptr) return BACNAPI_E_INVALIDARG;
    const BACnetTimeb clock = bacnapi::platform::current_time();
    return bacnapi::local_date_time(clock.seconds, bacnapi::hundredths_of(clock.milliseconds), now);
}

BACNAPI_API int32_t bacnetapi_utc_now(BACnetDateTime* now)
{
    if (now == nullptr) return BACNAPI_E_INVALIDARG;
    const BACnetTimeb clock = bacnapi::platform::current_time();
    std::tm tm{};
    if (!bacnapi::platform::to_utc(clock.seconds, &tm)) tm = bacnapi::unconvertible();
    return bacnapi::fill_date_time(tm, bacnapi::hundredths_of(clock.milliseconds), now);
}

BACNAPI_API int32_t bacnetapi_set_time(BACnetDateTime* dateTime, int64_t seconds)
{
    if (dateTime == nullptr) return BACNAPI_E_INVALIDARG;
    return bacnapi::local_date_time(seconds, 0, dateTime);
}

BACNAPI_API int32_t bacnetapi_set_timeb(BACnetDateTime* dateTime, const BACnetTimeb* time)
{
    if (dateTime == nullptr || time == nullptr) return BACNAPI_E_INVALIDARG;
    return bacnapi::local_date_time(time->seconds, bacnapi::hundredths_of(time->milliseconds), dateTime);
}

BACNAPI_API int32_t bacnetapi_get_time(int64_t* seconds, const BACnetDateTime* dateTime)
{
    if (seconds == nullptr || dateTime == nullptr) return BACNAPI_S_OK;
    if (!bacnapi::date_time_seconds(*dateTime, seconds)) *seconds = 0;
    return BACNAPI_S_OK;
}

// The record is filled from the clock first, so that its zone fields describe the present local
// zone; a date-time that cannot be converted then gives seconds 0 with the clock's milliseconds.
BACNAPI_API int32_t bacnetapi_get_timeb(BACnetTimeb* time, const BACnetDateTime* dateTime)
{
    if (time == nullptr || dateTime == nullptr) return BACNAPI_E_INVALIDARG;
    *time = bacnapi::platform::current_time();
    int64_t seconds = 0;
    if (!bacnapi::date_time_seconds(*dateTime, &seconds)) {
        time->seconds = 0;
        return BACNAPI_S_OK;
    }
    time->seconds = seconds;
    time->milliseconds = static_cast<uint16_t>(dateTime->time.hundredths * 10);
    return BACNAPI_S_OK;
}

} // extern "C"
