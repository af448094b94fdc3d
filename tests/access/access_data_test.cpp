// The generic value accessor: get copies the value out, set copies the host value in, and the
// index means what it means to the deep copy.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint8_t kGet = 1, kSet = 0;

BACnetDataType numbers(std::vector<uint32_t> values, int32_t type = BACNAPI_TYPE_ListOfUnsigned)
{
    BACnetDataType v{};
    bacnapi_initialize_data(&v, type);
    if (type == BACNAPI_TYPE_Unsigned) v.payload.unsignedValue = values.at(0);
    for (uint32_t u : values)
        if (type == BACNAPI_TYPE_ListOfUnsigned) v.payload.list->elements[v.payload.list->count++] = numbers({u}, 2);
    return v;
}
// The type code, then the Unsigned numbers a value holds (itself, or its list's elements).
std::vector<uint32_t> contents(const BACnetDataType& v)
{
    std::vector<uint32_t> out{static_cast<uint32_t>(v.type)};
    if (v.type == BACNAPI_TYPE_Unsigned) out.push_back(v.payload.unsignedValue);
    if (v.type == BACNAPI_TYPE_ListOfUnsigned)
        for (uint32_t i = 0; i < v.payload.list->count; ++i) out.push_back(v.payload.list->elements[i].payload.unsignedValue);
    return out;
}

TEST(AccessBACnetData, IndexIsHandedToTheCopyInBothDirections)
{
    struct Case {
        const char* what;
        BACnetDataType host;
        int32_t index;
        uint8_t flag;
        int32_t status;
        std::vector<uint32_t> host_after, value_after;
    } cases[] = {
        {"get count", {}, 0, kGet, BACNAPI_S_OK, {2, 3}, {75, 4, 5, 6}},
        {"get element", {}, 2, kGet, BACNAPI_S_OK, {2, 5}, {75, 4, 5, 6}},
        {"get beyond", {}, 4, kGet, BACNAPI_E_BADINDEX, {0}, {75, 4, 5, 6}},
        {"get whole", {}, -1, kGet, BACNAPI_S_OK, {75, 4, 5, 6}, {75, 4, 5, 6}},
        {"set element", numbers({9}, 2), 2, kSet, BACNAPI_S_OK, {2, 9}, {75, 4, 9, 6}},
        {"set append", numbers({9}, 2), 4, kSet, BACNAPI_S_OK, {2, 9}, {75, 4, 5, 6, 9}},
        {"set gap", numbers({9}, 2), 5, kSet, BACNAPI_E_INVALIDARG, {2, 9}, {75, 4, 5, 6}},
        {"set whole", numbers({1}), -1, kSet, BACNAPI_S_OK, {75, 1}, {75, 1}},
        {"get index -2", numbers({9}, 2), -2, kGet, BACNAPI_E_INVALIDARG, {2, 9}, {75, 4, 5, 6}},
        {"set index -2", numbers({9}, 2), -2, kSet, BACNAPI_E_INVALIDARG, {2, 9}, {75, 4, 5, 6}},
        {"get far below", {}, -70000, kGet, BACNAPI_E_INVALIDARG, {0}, {75, 4, 5, 6}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        BACnetDataType value = numbers({4, 5, 6});
        EXPECT_EQ(bacnapi_access_BACnetData(&c.host, &value, c.index, c.flag), c.status);
        EXPECT_EQ(contents(c.host), c.host_after);
        EXPECT_EQ(contents(value), c.value_after);
        bacnapi_ClearBACnetDataType(&c.host);
        bacnapi_ClearBACnetDataType(&value);
    }
}

TEST(AccessBACnetData, GetDuplicatesRatherThanShares)
{
    BACnetDataType value{}, host{};
    bacnapi_initialize_data(&value, BACNAPI_TYPE_OctetString);
    const uint8_t octets[] = {1, 2, 3};
    ASSERT_EQ(bacnapi_set_octets(&value.payload.octetString, octets, 3), BACNAPI_S_OK);
    ASSERT_EQ(bacnapi_access_BACnetData(&host, &value, -1, kGet), BACNAPI_S_OK);
    EXPECT_NE(host.payload.octetString.data, value.payload.octetString.data);
    bacnapi_ClearBACnetDataType(&value);
    ASSERT_EQ(host.payload.octetString.length, 3u);
    EXPECT_EQ(host.payload.octetString.data[2], 3);
    bacnapi_ClearBACnetDataType(&host);
    EXPECT_EQ(bacnapi_access_BACnetData(nullptr, &value, -1, kGet), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_access_BACnetData(&host, nullptr, -1, kSet), BACNAPI_E_INVALIDARG);
}

} // namespace
