// Nanosecond counts since 2000 to local date-times: the packing, leap years, Sundays, the zone
// offset at the converted instant, and the ends of the range.
#include "time/time_test_util.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t kSecond = 1000000000, kLast = 3155759999999999999ull;
constexpr int64_t kEpoch2000 = 946684800;

uint64_t nanos_of(int y, int m, int d, int h = 0, int mi = 0, int s = 0)
{
    return static_cast<uint64_t>(utc_seconds(y, m, d, h, mi, s) - kEpoch2000) * kSecond;
}

uint64_t packed(const BACnetDateTime& dt) // octet 0 in the least significant byte
{
    const uint8_t octets[8] = {dt.date.year, dt.date.month,  dt.date.day,    dt.date.dayOfWeek,
                               dt.time.hour, dt.time.minute, dt.time.second, dt.time.hundredths};
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | octets[i];
    return value;
}

TEST(NanosTest, CountsBecomeLocalDateTimesPackedLowOctetFirst)
{
    const char *ce = central_european_zone(), *utc = kUtcZone, *west = kWestZone;
    const struct { const char* zone; uint64_t nanos; BACnetDateTime expected; } cases[] = {
        {utc, 0, date_time(2000, 1, 1, 6, 0, 0, 0, 0)}, {utc, 1500000000, date_time(2000, 1, 1, 6, 0, 0, 1, 50)},
        {utc, 999999999, date_time(2000, 1, 1, 6, 0, 0, 0, 99)}, {utc, 9999999, date_time(2000, 1, 1, 6, 0, 0, 0, 0)},
        {utc, nanos_of(2000, 2, 29), date_time(2000, 2, 29, 2, 0, 0, 0, 0)},
        {utc, nanos_of(2000, 12, 31, 23, 59, 59) + 999999999, date_time(2000, 12, 31, 7, 23, 59, 59, 99)},
        {utc, nanos_of(2001, 1, 1), date_time(2001, 1, 1, 1, 0, 0, 0, 0)},
        {utc, nanos_of(2024, 2, 29, 12), date_time(2024, 2, 29, 4, 12, 0, 0, 0)},
        {utc, nanos_of(2024, 3, 1), date_time(2024, 3, 1, 5, 0, 0, 0, 0)},
        {utc, nanos_of(2024, 3, 31, 12, 34, 56), date_time(2024, 3, 31, 7, 12, 34, 56, 0)},
        {utc, kLast, date_time(2099, 12, 31, 4, 23, 59, 59, 99)},
        {kEastZone, 0, date_time(2000, 1, 1, 6, 3, 0, 0, 0)},
        {ce, nanos_of(2024, 1, 15, 12), date_time(2024, 1, 15, 1, 13, 0, 0, 0)},
        {ce, nanos_of(2024, 7, 1, 12), date_time(2024, 7, 1, 1, 14, 0, 0, 0)},
        {ce, kLast, date_time(2100, 1, 1, 5, 0, 59, 59, 99)},
        {west, 0, date_time(1999, 12, 31, 5, 19, 0, 0, 0)}, // before 2000 locally
        {west, nanos_of(2000, 1, 1, 5), date_time(2000, 1, 1, 6, 0, 0, 0, 0)},
        {west, nanos_of(2024, 7, 4, 16), date_time(2024, 7, 4, 4, 12, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        ZoneGuard zone(c.zone);
        EXPECT_EQ(bacnetapi_nanos_to_localtime(c.nanos), packed(c.expected)) << c.zone << " " << c.nanos << " " << describe(c.expected);
    }
    ZoneGuard zone(kUtcZone);
    EXPECT_EQ(bacnetapi_nanos_to_localtime(0), 0x0000000006010164ull); // 100, 1, 1, 6, then zeros
}

TEST(NanosTest, AgreesWithTheCalendarConversionAcrossTheCenturyAndIsZeroBeyondIt)
{
    // Two independent roads to the same local date-time: the library's own year and month
    // arithmetic, and the platform's local-time conversion behind bacnetapi_set_timeb.
    for (const char* name : {kUtcZone, kEastZone, central_european_zone(), kWestZone}) {
        ZoneGuard zone(name);
        for (uint64_t k = 0; k < 1009; ++k) {
            const uint64_t nanos = kLast / 1009 * k + k * 7777777 % kSecond;
            const BACnetTimeb time{kEpoch2000 + static_cast<int64_t>(nanos / kSecond), uint16_t(nanos % kSecond / 1000000), 0, 0};
            BACnetDateTime dt{};
            ASSERT_EQ(bacnetapi_set_timeb(&dt, &time), 0);
            ASSERT_EQ(bacnetapi_nanos_to_localtime(nanos), packed(dt)) << name << " " << nanos << " " << describe(dt);
        }
        for (uint64_t nanos : {kLast + 1, kLast + kSecond * 86400, uint64_t{INT64_MAX}, UINT64_MAX})
            EXPECT_EQ(bacnetapi_nanos_to_localtime(nanos), 148u) << name << " " << nanos; // year 148, the rest 0
    }
}

} // namespace
