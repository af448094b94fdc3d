// Helpers of the time tests: a scoped TZ setting and calendar arithmetic written independently of
// the library (days from a civil date by the proleptic Gregorian rule).
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <sys/stat.h>

// Sets TZ for the lifetime of the guard without refreshing the zone (that is the library's job on
// every local conversion, and the tests see it fail if it does not); restoring refreshes.
class ZoneGuard {
public:
    explicit ZoneGuard(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", zone, 1);
    }
    ~ZoneGuard()
    {
        if (saved_) setenv("TZ", saved_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    ZoneGuard(const ZoneGuard&) = delete;
    ZoneGuard& operator=(const ZoneGuard&) = delete;

private:
    std::optional<std::string> saved_;
};

// UTC, three hours east without daylight saving, a western zone with its summer rule, and Central
// European time (from the zone database when the system has it).
inline const char* kUtcZone = "UTC0";
inline const char* kEastZone = "<+03>-3";
inline const char* kWestZone = "EST5EDT,M3.2.0,M11.1.0";
inline const char* central_european_zone()
{
    struct stat info{};
    return stat("/usr/share/zoneinfo/Europe/Berlin", &info) == 0 ? "Europe/Berlin" : "CET-1CEST,M3.5.0,M10.5.0/3";
}

inline int64_t days_from_civil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400, yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

inline int64_t utc_seconds(int64_t y, int64_t m, int64_t d, int64_t h = 0, int64_t mi = 0, int64_t s = 0)
{
    return days_from_civil(y, m, d) * 86400 + h * 3600 + mi * 60 + s;
}

// A date-time as its eight octets, year given in full.
inline BACnetDateTime date_time(int year, int month, int day, int dayOfWeek, int hour, int minute, int second,
                                int hundredths)
{
    BACnetDateTime dt{};
    dt.date = {uint8_t(year - 1900), uint8_t(month), uint8_t(day), uint8_t(dayOfWeek)};
    dt.time = {uint8_t(hour), uint8_t(minute), uint8_t(second), uint8_t(hundredths)};
    return dt;
}

inline BACnetDateTime unspecified_date_time()
{
    BACnetDateTime dt;
    std::memset(&dt, 255, sizeof dt);
    return dt;
}

inline bool same(const BACnetDateTime& a, const BACnetDateTime& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline std::string describe(const BACnetDateTime& dt)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d-%d-%d dow %d %d:%d:%d.%d", dt.date.year + 1900, dt.date.month, dt.date.day,
                  dt.date.dayOfWeek, dt.time.hour, dt.time.minute, dt.time.second, dt.time.hundredths);
    return text;
}
