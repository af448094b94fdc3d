// The generic value accessor: get copies the value out, set copies the host value in, and the
// index means what it means to the deep copy (-1 whole, 0 count, k element k, count + 1 appends).
#include "access/access_test_util.h"

namespace {

using namespace access_test;

std::string typed_text(const BACnetDataType& v) { return std::to_string(v.type) + ":" + text_of(v); }

TEST(AccessBACnetData, TheIndexIsHandedToTheCopyInBothDirections)
{
    const std::string list = "75:{{4},{5},{6}}";
    const struct { const char* host; int32_t index; uint8_t flag; int32_t status; std::string hostAfter, valueAfter; } cases[] = {
        // host: an Unsigned, or a list of them when it starts with a brace; null: a Null value
        {nullptr, 0, kGet, BACNAPI_S_OK, "2:3", list}, {nullptr, 2, kGet, BACNAPI_S_OK, "2:5", list},
        {nullptr, 4, kGet, BACNAPI_E_BADINDEX, "0:null", list}, {nullptr, -1, kGet, BACNAPI_S_OK, list, list},
        {"9", 2, kSet, BACNAPI_S_OK, "2:9", "75:{{4},{9},{6}}"}, {"9", 4, kSet, BACNAPI_S_OK, "2:9", "75:{{4},{5},{6},{9}}"},
        {"9", 5, kSet, BACNAPI_E_INVALIDARG, "2:9", list}, {"{{1}}", -1, kSet, BACNAPI_S_OK, "75:{{1}}", "75:{{1}}"},
        {"9", -2, kGet, BACNAPI_E_INVALIDARG, "2:9", list}, {"9", -2, kSet, BACNAPI_E_INVALIDARG, "2:9", list},
        {nullptr, -70000, kGet, BACNAPI_E_INVALIDARG, "0:null", list},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.flag == kGet ? "get " : "set ") << c.index);
        BACnetDataType value = parse(75, "{{4},{5},{6}}"), host{};
        if (c.host != nullptr) host = parse(c.host[0] == '{' ? 75 : 2, c.host);
        EXPECT_EQ(bacnapi_access_BACnetData(&host, &value, c.index, c.flag), c.status);
        EXPECT_EQ(typed_text(host), c.hostAfter);
        EXPECT_EQ(typed_text(value), c.valueAfter);
        bacnapi_ClearBACnetDataType(&host);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(AccessBACnetData, GetDuplicatesRatherThanShares)
{
    BACnetDataType value = parse(6, "010203"), host{};
    ASSERT_EQ(bacnapi_access_BACnetData(&host, &value, -1, kGet), BACNAPI_S_OK);
    EXPECT_NE(host.payload.octetString.data, value.payload.octetString.data);
    bacnapi_ClearBACnetDataType(&value);
    EXPECT_EQ(typed_text(host), "6:010203");
    bacnapi_ClearBACnetDataType(&host);
    EXPECT_EQ(bacnapi_access_BACnetData(nullptr, &value, -1, kGet), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_access_BACnetData(&host, nullptr, -1, kSet), BACNAPI_E_INVALIDARG);
}

} // namespace
