// The generic value accessor: get copies the value out, set copies the host value in, and the
// index means what it means to the deep copy (-1 whole, 0 count, k element k, count + 1 appends).
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint8_t kGet = 1, kSet = 0;

BACnetDataType parse(int32_t type, const char* text)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set(&v, text, type), 0);
    return v;
}
std::string text_of(const BACnetDataType& v) // the type code, then the brace text
{
    char* text = nullptr;
    const std::string out = std::to_string(v.type) + ":" + (bacnapi_asn1_string_get(&text, &v) == 0 ? text : "?");
    bacnapi_free(text);
    return out;
}

TEST(AccessBACnetData, TheIndexIsHandedToTheCopyInBothDirections)
{
    struct Case {
        const char* host; // an Unsigned, or a list of them when it starts with a brace; null: a Null value
        int32_t index;
        uint8_t flag;
        int32_t status;
        const char *hostAfter, *valueAfter;
    } const cases[] = {
        {nullptr, 0, kGet, BACNAPI_S_OK, "2:3", "75:{{4},{5},{6}}"},
        {nullptr, 2, kGet, BACNAPI_S_OK, "2:5", "75:{{4},{5},{6}}"},
        {nullptr, 4, kGet, BACNAPI_E_BADINDEX, "0:null", "75:{{4},{5},{6}}"},
        {nullptr, -1, kGet, BACNAPI_S_OK, "75:{{4},{5},{6}}", "75:{{4},{5},{6}}"},
        {"9", 2, kSet, BACNAPI_S_OK, "2:9", "75:{{4},{9},{6}}"},
        {"9", 4, kSet, BACNAPI_S_OK, "2:9", "75:{{4},{5},{6},{9}}"},
        {"9", 5, kSet, BACNAPI_E_INVALIDARG, "2:9", "75:{{4},{5},{6}}"},
        {"{{1}}", -1, kSet, BACNAPI_S_OK, "75:{{1}}", "75:{{1}}"},
        {"9", -2, kGet, BACNAPI_E_INVALIDARG, "2:9", "75:{{4},{5},{6}}"},
        {"9", -2, kSet, BACNAPI_E_INVALIDARG, "2:9", "75:{{4},{5},{6}}"},
        {nullptr, -70000, kGet, BACNAPI_E_INVALIDARG, "0:null", "75:{{4},{5},{6}}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.flag == kGet ? "get " : "set ") << c.index);
        BACnetDataType value = parse(75, "{{4},{5},{6}}"), host{};
        if (c.host != nullptr) host = parse(c.host[0] == '{' ? 75 : 2, c.host);
        EXPECT_EQ(bacnapi_access_BACnetData(&host, &value, c.index, c.flag), c.status);
        EXPECT_EQ(text_of(host), c.hostAfter);
        EXPECT_EQ(text_of(value), c.valueAfter);
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
    EXPECT_EQ(text_of(host), "6:010203");
    bacnapi_ClearBACnetDataType(&host);
    EXPECT_EQ(bacnapi_access_BACnetData(nullptr, &value, -1, kGet), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_access_BACnetData(&host, nullptr, -1, kSet), BACNAPI_E_INVALIDARG);
}

} // namespace
