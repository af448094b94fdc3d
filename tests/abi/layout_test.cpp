// Record layouts that hosts rely on byte for byte, checked from C++ (the C twin is layout_c.c).
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <type_traits>

static_assert(sizeof(BACnetDataType) == 32 && offsetof(BACnetDataType, payload) == 8);
static_assert(std::is_standard_layout_v<BACnetDataType> && std::is_trivially_copyable_v<BACnetDataType>);
static_assert(sizeof(BACnetCharacterString) == 24 && offsetof(BACnetCharacterString, length) == 16);
static_assert(sizeof(BACnetBitString) == 24 && offsetof(BACnetBitString, bits) == 16);
static_assert(sizeof(BACnetOctetString) == 16 && offsetof(BACnetOctetString, data) == 8);
static_assert(sizeof(BACnetValueList) == 16 && offsetof(BACnetValueList, elements) == 8);
static_assert(sizeof(BACnetAddress) == 12 && offsetof(BACnetAddress, macLength) == 10);
static_assert(sizeof(BACnetDateTime) == 8 && sizeof(BACnetWeekNDay) == 3);
static_assert(offsetof(BACnetCalendarEntry, date) == 4 && offsetof(BACnetCalendarEntry, dateRange) == 8 &&
              offsetof(BACnetCalendarEntry, weekNDay) == 16);
static_assert(offsetof(BACnetTimeStamp, value) == 4 && sizeof(BACnetTimeStamp) == 12);
static_assert(offsetof(BACnetRecipient, value) == 4 && sizeof(BACnetRecipient) == 16);
static_assert(offsetof(ReadAccessPropertyValue, choice) == 8 && offsetof(ReadAccessPropertyValue, result) == 16);
static_assert(offsetof(ReadAccessResult, listOfResults) == 8);
static_assert(offsetof(BACnetSpecialEvent, period) == 4 && offsetof(BACnetSpecialEvent, listOfTimeValues) == 24);
static_assert(offsetof(BACnetCOVSubscription, covIncrementAbsent) == 48 &&
              offsetof(BACnetCOVSubscription, covIncrement) == 52);
static_assert(offsetof(BACnetServiceConfirmedEventNotificationRequest, messageText) == 48 &&
              offsetof(BACnetServiceConfirmedEventNotificationRequest, eventValues) == 88);
// The two exported classes are views: one pointer, first member.
static_assert(sizeof(CBACnetCharacterString) == sizeof(void*) && offsetof(CBACnetCharacterString, m_string) == 0);
static_assert(sizeof(CBACnetArray) == sizeof(void*));

TEST(Layout, StatusCodesHaveTheirDocumentedValues)
{
    const struct {
        int32_t status;
        uint32_t bits;
    } cases[] = {
        {BACNAPI_S_OK, 0u},
        {BACNAPI_E_NOTSUPPORTED, 0x80010000u},
        {BACNAPI_E_INVALIDARG, 0x80020000u},
        {BACNAPI_E_BADINDEX, 0x8002002Au},
        {BACNAPI_E_OUTOFMEMORY, 0x80030000u},
        {BACNAPI_WALK_E_NOMEMORY, static_cast<uint32_t>(-1001)},
        {BACNAPI_WALK_E_NODESCRIPTOR, static_cast<uint32_t>(-1002)},
        {BACNAPI_WALK_E_REFUSED, static_cast<uint32_t>(-1003)},
        {BACNAPI_E_FAIL, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) EXPECT_EQ(static_cast<uint32_t>(c.status), c.bits);
}

static_assert(sizeof(BACnetByteBuffer) == 24 && offsetof(BACnetByteBuffer, length) == 8 &&
              offsetof(BACnetByteBuffer, capacity) == 16);
static_assert(sizeof(BACnetByteStream) == 16 && offsetof(BACnetByteStream, position) == 8);
// Signed 64-bit seconds, unsigned 16-bit milliseconds, signed 16-bit minutes west, signed 16-bit flag.
static_assert(sizeof(BACnetTimeb) == 16 && offsetof(BACnetTimeb, milliseconds) == 8 &&
              offsetof(BACnetTimeb, minutesWest) == 10 && offsetof(BACnetTimeb, daylight) == 12);
static_assert(std::is_same_v<decltype(BACnetTimeb::seconds), int64_t> &&
              std::is_same_v<decltype(BACnetTimeb::milliseconds), uint16_t> &&
              std::is_same_v<decltype(BACnetTimeb::minutesWest), int16_t> &&
              std::is_same_v<decltype(BACnetTimeb::daylight), int16_t>);
