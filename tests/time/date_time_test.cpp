// Calendar times to and from local date-times in several zones set through TZ, the clock
// readings, and the edges: leap years, Sundays, the years a date-time holds, roll-over of fields.
#include "time/time_test_util.h"

#include <gtest/gtest.h>

namespace {

// The clock the library reads; std::time may lag it by a tick and show the second before.
int64_t precise_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec;
}

TEST(DateTimeTest, CalendarTimesBecomeLocalDateTimesOfTheZoneInForce)
{
    const char *ce = central_european_zone(), *utc = kUtcZone, *east = kEastZone, *west = kWestZone;
    const BACnetDateTime none = unspecified_date_time();
    const int32_t bad = BACNAPI_E_INVALIDARG;
    const struct { const char* zone; int64_t seconds; BACnetDateTime expected; int32_t status; } cases[] = {
        {utc, 0, date_time(1970, 1, 1, 4, 0, 0, 0, 0), 0},
        {utc, utc_seconds(2000, 2, 29, 12), date_time(2000, 2, 29, 2, 12, 0, 0, 0), 0},
        {utc, utc_seconds(2024, 2, 29, 23, 59, 59), date_time(2024, 2, 29, 4, 23, 59, 59, 0), 0},
        {utc, utc_seconds(2100, 2, 28, 12) + 86400, date_time(2100, 3, 1, 1, 12, 0, 0, 0), 0},
        {utc, utc_seconds(2024, 3, 31, 12), date_time(2024, 3, 31, 7, 12, 0, 0, 0), 0}, // Sunday is 7
        {utc, utc_seconds(1900, 1, 1), date_time(1900, 1, 1, 1, 0, 0, 0, 0), 0},
        {utc, utc_seconds(2154, 12, 31, 23, 59, 59), date_time(2154, 12, 31, 2, 23, 59, 59, 0), 0},
        {utc, utc_seconds(2155, 1, 1), none, bad}, {utc, utc_seconds(1900, 1, 1) - 1, none, bad},
        {utc, INT64_MAX, none, bad}, {utc, INT64_MIN, none, bad},
        {east, 0, date_time(1970, 1, 1, 4, 3, 0, 0, 0), 0},
        {east, utc_seconds(2024, 3, 30, 22), date_time(2024, 3, 31, 7, 1, 0, 0, 0), 0},
        {east, utc_seconds(2154, 12, 31, 21), none, bad}, // 2155 locally
        {ce, utc_seconds(2024, 1, 15, 12), date_time(2024, 1, 15, 1, 13, 0, 0, 0), 0},
        {ce, utc_seconds(2024, 7, 1, 12), date_time(2024, 7, 1, 1, 14, 0, 0, 0), 0},
        {ce, utc_seconds(2024, 10, 27, 0, 59, 59), date_time(2024, 10, 27, 7, 2, 59, 59, 0), 0},
        {ce, utc_seconds(2024, 10, 27, 1), date_time(2024, 10, 27, 7, 2, 0, 0, 0), 0},
        {west, utc_seconds(2000, 1, 1, 3), date_time(1999, 12, 31, 5, 22, 0, 0, 0), 0},
        {west, utc_seconds(2024, 7, 4, 16), date_time(2024, 7, 4, 4, 12, 0, 0, 0), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.seconds);
        ZoneGuard zone(c.zone);
        BACnetDateTime dt{}, withMillis{};
        EXPECT_EQ(bacnetapi_set_time(&dt, c.seconds), c.status);
        EXPECT_TRUE(same(dt, c.expected)) << describe(dt);
        const BACnetTimeb time{c.seconds, 999, 0, 0}; // hundredths 99, the rest as without
        EXPECT_EQ(bacnetapi_set_timeb(&withMillis, &time), c.status);
        if (c.status == 0) dt.time.hundredths = 99;
        EXPECT_TRUE(same(withMillis, dt)) << describe(withMillis);
    }
    const BACnetTimeb time{};
    BACnetDateTime dt{};
    EXPECT_EQ(bacnetapi_set_time(nullptr, 0), bad);
    EXPECT_EQ(bacnetapi_set_timeb(nullptr, &time), bad);
    EXPECT_EQ(bacnetapi_set_timeb(&dt, nullptr), bad);
}

TEST(DateTimeTest, DateTimesReadAsLocalTimeWithFieldsRollingOver)
{
    const char *ce = central_european_zone(), *utc = kUtcZone;
    BACnetDateTime none = unspecified_date_time();
    const struct { const char* zone; BACnetDateTime dt; int64_t seconds; } cases[] = {
        {utc, date_time(1970, 1, 1, 4, 0, 0, 0, 0), 0},
        {utc, date_time(1969, 12, 31, 3, 23, 59, 59, 0), -1}, // not a failure
        {utc, date_time(1900, 1, 1, 1, 0, 0, 0, 0), utc_seconds(1900, 1, 1)},
        {utc, date_time(2000, 2, 29, 2, 0, 0, 0, 0), utc_seconds(2000, 2, 29)},
        {utc, date_time(2100, 2, 29, 0, 0, 0, 0, 0), utc_seconds(2100, 3, 1)},
        {utc, date_time(2024, 1, 15, 1, 25, 0, 0, 0), utc_seconds(2024, 1, 16, 1)},
        {utc, date_time(2023, 13, 5, 0, 0, 0, 0, 0), utc_seconds(2024, 1, 5)},
        {utc, date_time(2024, 3, 31, 3, 12, 0, 0, 0), utc_seconds(2024, 3, 31, 12)}, // the day of week is ignored
        {utc, none, utc_seconds(2176, 3, 1) + 254 * 86400 + 255 * 3600 + 255 * 60 + 255},
        {kEastZone, date_time(1970, 1, 1, 4, 3, 0, 0, 0), 0},
        {ce, date_time(2024, 1, 15, 1, 13, 0, 0, 0), utc_seconds(2024, 1, 15, 12)},
        {ce, date_time(2024, 7, 1, 1, 14, 0, 0, 0), utc_seconds(2024, 7, 1, 12)},
        {kWestZone, date_time(1999, 12, 31, 5, 22, 0, 0, 0), utc_seconds(2000, 1, 1, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << describe(c.dt));
        ZoneGuard zone(c.zone);
        int64_t seconds = 12345;
        EXPECT_EQ(bacnetapi_get_time(&seconds, &c.dt), 0);
        EXPECT_EQ(seconds, c.seconds);
        BACnetTimeb time{};
        BACnetDateTime withHundredths = c.dt;
        withHundredths.time.hundredths = 25;
        EXPECT_EQ(bacnetapi_get_timeb(&time, &withHundredths), 0);
        EXPECT_EQ(time.seconds, c.seconds);
        EXPECT_EQ(time.milliseconds, 250);
    }
    int64_t untouched = 7;
    BACnetTimeb time{};
    EXPECT_EQ(bacnetapi_get_time(&untouched, nullptr), 0);
    EXPECT_EQ(untouched, 7);
    EXPECT_EQ(bacnetapi_get_time(nullptr, &none), 0);
    EXPECT_EQ(bacnetapi_get_timeb(&time, nullptr), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnetapi_get_timeb(nullptr, &none), BACNAPI_E_INVALIDARG);
}

TEST(DateTimeTest, LocalDateTimesReadBackToTheirCalendarTimeAndTheClockFollowsTheZone)
{
    const struct { const char* zone; int16_t minutesWest; } zones[] = {
        {kUtcZone, 0}, {kEastZone, -180}, {central_european_zone(), -60}, {kWestZone, 300}};
    for (const auto& z : zones) {
        ZoneGuard zone(z.zone);
        // Noon UTC is never inside a daylight-saving change in these zones: every local time is unambiguous.
        for (int64_t day = days_from_civil(1901, 1, 1); day < days_from_civil(2154, 12, 1); day += 997) {
            const int64_t seconds = day * 86400 + 12 * 3600 + (day % 3600);
            BACnetDateTime dt{};
            ASSERT_EQ(bacnetapi_set_time(&dt, seconds), 0) << z.zone << " " << seconds;
            int64_t back = 0;
            bacnetapi_get_time(&back, &dt);
            EXPECT_EQ(back, seconds) << z.zone << " " << describe(dt);
            EXPECT_EQ(dt.date.dayOfWeek, (day % 7 + 7 + 3) % 7 + 1) << describe(dt); // 1970-01-01 was a Thursday
        }
        const int64_t before = precise_seconds();
        BACnetDateTime local{}, utc{};
        BACnetTimeb clock{};
        ASSERT_EQ(bacnetapi_now(&local), 0);
        ASSERT_EQ(bacnetapi_utc_now(&utc), 0);
        ASSERT_EQ(bacnetapi_get_timeb(&clock, &local), 0);
        const int64_t after = precise_seconds();
        EXPECT_EQ(clock.minutesWest, z.minutesWest) << z.zone;
        EXPECT_GE(clock.seconds, before);
        EXPECT_LE(clock.seconds, after);
        EXPECT_LE(local.time.hundredths, 99);
        EXPECT_EQ(clock.milliseconds, local.time.hundredths * 10);
        ZoneGuard inUtc(kUtcZone);
        int64_t utcSeconds = 0;
        bacnetapi_get_time(&utcSeconds, &utc);
        EXPECT_GE(utcSeconds, before) << z.zone << " " << describe(utc);
        EXPECT_LE(utcSeconds, after) << z.zone << " " << describe(utc);
    }
    EXPECT_EQ(bacnetapi_now(nullptr), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnetapi_utc_now(nullptr), BACNAPI_E_INVALIDARG);
}

} // namespace
