// The time accessors: a BACnetDateTime value set from and read as calendar times, and the
// statuses for other types, missing records, null pointers and a refused allocation.
#include "support/heap_watch.h"
#include "time/time_test_util.h"

#include <gtest/gtest.h>

namespace {

const BACnetDateTime* record_of(const BACnetDataType& value) { return static_cast<const BACnetDateTime*>(value.payload.record); }

TEST(AccessTimeTest, SetMakesADateTimeValueAndGetReadsItBack)
{
    ZoneGuard zone(central_european_zone());
    const int64_t summer = utc_seconds(2024, 7, 1, 12);
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_initialize_data(&value, BACNAPI_TYPE_OctetString), 0);
    ASSERT_EQ(bacnapi_set_octets(&value.payload.octetString, reinterpret_cast<const uint8_t*>("abc"), 3), 0);
    int64_t seconds = summer;
    EXPECT_EQ(bacnapi_access_time_t(&seconds, &value, 0), 0); // the octets are released
    ASSERT_EQ(value.type, BACNAPI_TYPE_BACnetDateTime);
    EXPECT_TRUE(same(*record_of(value), date_time(2024, 7, 1, 1, 14, 0, 0, 0))) << describe(*record_of(value));
    for (uint8_t get : {1, 2, 255}) {
        seconds = 0;
        EXPECT_EQ(bacnapi_access_time_t(&seconds, &value, get), 0);
        EXPECT_EQ(seconds, summer);
    }
    BACnetTimeb time{summer + 1, 994, 77, 88};
    EXPECT_EQ(bacnapi_access_timeb(&time, &value, 0), 0);
    EXPECT_EQ(record_of(value)->time.second, 1);
    EXPECT_EQ(record_of(value)->time.hundredths, 99);
    time = BACnetTimeb{0, 0, 77, 88};
    EXPECT_EQ(bacnapi_access_timeb(&time, &value, 1), 0);
    EXPECT_EQ(time.seconds, summer + 1);
    EXPECT_EQ(time.milliseconds, 990);
    EXPECT_EQ(time.minutesWest * 100 + time.daylight, 7788); // the zone fields are the host's

    ZoneGuard inUtc(kUtcZone); // out of range: the unspecified date-time is stored
    seconds = utc_seconds(1899, 12, 31, 23, 59, 59);
    EXPECT_EQ(bacnapi_access_time_t(&seconds, &value, 0), BACNAPI_E_INVALIDARG);
    EXPECT_TRUE(same(*record_of(value), unspecified_date_time()));
    bacnapi_ClearBACnetDataType(&value);
}

TEST(AccessTimeTest, GetNeedsADateTimeWithARecordAndNullPointersTouchNothing)
{
    BACnetDataType date{}, bare{}, null{}, dateTime{};
    ASSERT_EQ(bacnapi_initialize_data(&date, BACNAPI_TYPE_Date), 0);
    bare.type = BACNAPI_TYPE_BACnetDateTime; // no record
    ASSERT_EQ(bacnapi_initialize_data(&dateTime, BACNAPI_TYPE_BACnetDateTime), 0);
    for (BACnetDataType* value : {&date, &bare, &null}) {
        const BACnetDataType before = *value;
        int64_t seconds = 5;
        BACnetTimeb time{5, 5, 5, 5};
        EXPECT_EQ(bacnapi_access_time_t(&seconds, value, 1), BACNAPI_E_INVALIDARG) << value->type;
        EXPECT_EQ(bacnapi_access_timeb(&time, value, 1), BACNAPI_E_INVALIDARG) << value->type;
        EXPECT_EQ(seconds + time.seconds + time.milliseconds, 15);
        EXPECT_EQ(std::memcmp(value, &before, sizeof before), 0);
    }
    for (uint8_t get : {0, 1}) {
        int64_t seconds = 0;
        BACnetTimeb time{};
        EXPECT_EQ(bacnapi_access_time_t(nullptr, &dateTime, get), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(bacnapi_access_timeb(nullptr, &dateTime, get), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(bacnapi_access_time_t(&seconds, nullptr, get), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(bacnapi_access_timeb(&time, nullptr, get), BACNAPI_E_INVALIDARG);
        EXPECT_TRUE(same(*record_of(dateTime), BACnetDateTime{}));
    }
    bacnapi_ClearBACnetDataType(&dateTime);

    if (!heap_watch::active()) return;
    BACnetDataType value{}; // a refused record leaves a value that clears
    BACnetTimeb time{0, 0, 0, 0};
    const long baseline = heap_watch::live_blocks();
    heap_watch::refuse_after(0);
    EXPECT_EQ(bacnapi_access_timeb(&time, &value, 0), BACNAPI_E_INVALIDARG);
    EXPECT_TRUE(heap_watch::disarm());
    EXPECT_EQ(value.payload.record, nullptr);
    EXPECT_EQ(bacnapi_access_timeb(&time, &value, 1), BACNAPI_E_INVALIDARG); // nothing to read
    bacnapi_ClearBACnetDataType(&value);
    EXPECT_EQ(heap_watch::live_blocks(), baseline);
}

} // namespace
