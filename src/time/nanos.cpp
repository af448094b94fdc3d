// bacnetapi_nanos_to_localtime: a nanosecond count since 2000-01-01 00:00:00 UTC to the local
// date-time, packed into 64 bits.
#include "time/platform_clock.h"

namespace {

constexpr uint64_t kLastNanosecond = 3155759999999999999ull; // 2099-12-31 23:59:59.999999999 UTC
constexpr int64_t kSecond = 1000000000;
constexpr int64_t kDay = 86400 * kSecond;
constexpr int64_t kEpoch2000 = 946684800; // 2000-01-01 00:00:00 UTC in calendar seconds

bool is_leap(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int64_t days_in_year(int64_t year)
{
    return is_leap(year) ? 366 : 365;
}

int64_t days_in_month(int month, int64_t year)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

struct Fields {
    int64_t year = 0;
    int64_t month = 0, day = 0, dayOfWeek = 0;
    int64_t hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Local nanoseconds since 2000-01-01 00:00 local time to calendar fields. A count that the offset
// took below zero (a zone west of UTC, early on the first day) lands in 1999.
Fields split(int64_t rest)
{
    Fields f;
    f.year = 2000;
    int64_t days = 0; // days from 2000-01-01 to the first of the month found
    while (rest < 0) {
        --f.year;
        rest += days_in_year(f.year) * kDay;
        days -= days_in_year(f.year);
    }
    while (rest >= days_in_year(f.year) * kDay) {
        rest -= days_in_year(f.year) * kDay;
        days += days_in_year(f.year);
        ++f.year;
    }
    f.month = 1;
    while (rest >= days_in_month(static_cast<int>(f.month), f.year) * kDay) {
        rest -= days_in_month(static_cast<int>(f.month), f.year) * kDay;
        days += days_in_month(static_cast<int>(f.month), f.year);
        ++f.month;
    }
    f.day = rest / kDay + 1;
    rest %= kDay;
    f.hour = rest / (3600 * kSecond);
    rest %= 3600 * kSecond;
    f.minute = rest / (60 * kSecond);
    rest %= 60 * kSecond;
    f.second = rest / kSecond;
    f.millisecond = rest % kSecond / 1000000;
    // 2000-01-01 was a Saturday (6); Sunday is 7.
    const int64_t weekday = ((days + f.day + 5) % 7 + 7) % 7;
    f.dayOfWeek = weekday == 0 ? 7 : weekday;
    return f;
}

uint64_t pack(const Fields& f)
{
    const uint64_t octets[8] = {
        static_cast<uint64_t>(f.year - 1900), static_cast<uint64_t>(f.month), static_cast<uint64_t>(f.day),
        static_cast<uint64_t>(f.dayOfWeek), static_cast<uint64_t>(f.hour), static_cast<uint64_t>(f.minute),
        static_cast<uint64_t>(f.second), static_cast<uint64_t>(f.millisecond / 10),
    };
    uint64_t packed = 0;
    for (int i = 7; i >= 0; --i) packed = (packed << 8) | (octets[i] & 0xFF);
    return packed;
}

} // namespace

extern "C" {

// The offset is the one in effect at the converted instant, daylight saving included, so a
// summer instant and a winter instant of the same zone get their own offsets.
BACNAPI_API uint64_t bacnetapi_nanos_to_localtime(uint64_t nanos)
{
    if (nanos > kLastNanosecond) return pack(Fields{});
    bacnapi::platform::zone_refresh();
    const auto count = static_cast<int64_t>(nanos);
    const int64_t offset = bacnapi::platform::local_offset_at(kEpoch2000 + count / kSecond);
    return pack(split(count + offset * kSecond));
}

} // extern "C"
