// The accessors of the inline application types and SignedLong: their payload bits both ways and
// the protocol (another type, null host before or after the reset, null value).
#include "access/access_test_util.h"

#include <vector>

namespace {

using namespace access_test;
using Bytes = std::vector<unsigned char>;

struct Row {
    int32_t type;
    Accessor access;
    size_t size;
    bool nullHostAfterReset; // a null host on set leaves an empty value of the type
    int32_t mismatch;        // what a get from another type answers
    Bytes datum;             // a host datum, byte for byte
};

template <auto F>
Row row(int32_t type, bool after, int32_t mismatch, Bytes datum)
{
    return {type, Erased<F>::call, Erased<F>::size, after, mismatch, std::move(datum)};
}

Bytes payload_bytes(const BACnetDataType& v, size_t n)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&v.payload);
    return Bytes(p, p + n);
}

TEST(AccessPrimitives, SetAndGetCopyTheHostBitsAndFollowTheProtocol)
{
    // Data that nothing validates or converts: a true other than 1, a signalling NaN, unspecified
    // octets and out-of-range numbers all pass unchanged.
    const Row rows[] = {
        row<bacnapi_access_boolean>(1, false, BACNAPI_E_INVALIDARG, {0x02}),
        row<bacnapi_access_unsignedInteger>(2, false, 0, {0xFF, 0xFF, 0xFF, 0xFF}),
        row<bacnapi_access_signedInteger>(3, false, 0, {0x00, 0x00, 0x00, 0x80}),
        row<bacnapi_access_real>(4, false, 0, {0x01, 0x00, 0x80, 0x7F}),
        row<bacnapi_access_double>(5, false, 0, {1, 2, 3, 4, 5, 6, 0xF0, 0x7F}),
        row<bacnapi_access_enumerated>(9, false, 0, {7, 0, 0, 0}),
        row<bacnapi_access_date>(10, true, 0, {124, 13, 255, 9}),
        row<bacnapi_access_time>(11, true, 0, {25, 255, 61, 100}),
        row<bacnapi_access_objectIdentifier>(12, true, 0, {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}),
        row<bacnapi_access_signedLong>(20, false, 0, {0, 0, 0, 0, 0, 0, 0, 0x80}),
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        ASSERT_EQ(r.datum.size(), r.size);
        HostBuffer host;
        std::memcpy(host.bytes, r.datum.data(), r.size);
        BACnetDataType v = parse(BACNAPI_TYPE_CharacterString, "Hallway"); // released by the set
        ASSERT_EQ(r.access(host.get(), &v, kSet), BACNAPI_S_OK);
        EXPECT_EQ(v.type, r.type);
        EXPECT_EQ(payload_bytes(v, r.size), r.datum);
        HostBuffer back(0xEE);
        ASSERT_EQ(r.access(back.get(), &v, kGet), BACNAPI_S_OK);
        EXPECT_EQ(Bytes(back.bytes, back.bytes + r.size + 1), [&] { Bytes b = r.datum; b.push_back(0xEE); return b; }());
        EXPECT_EQ(r.access(nullptr, &v, kGet), BACNAPI_E_INVALIDARG);
        bacnapi_ClearBACnetDataType(&v);

        // Get from another type (Enumerated 7, or Unsigned 7 for the enumerated accessor) writes
        // nothing; the type is looked at before the host pointer.
        BACnetDataType other{};
        other.type = r.type == BACNAPI_TYPE_Enumerated ? BACNAPI_TYPE_Unsigned : BACNAPI_TYPE_Enumerated;
        other.payload.unsignedValue = 7;
        HostBuffer untouched(0x5A);
        EXPECT_EQ(r.access(untouched.get(), &other, kGet), r.mismatch);
        EXPECT_EQ(Bytes(untouched.bytes, untouched.bytes + r.size), Bytes(r.size, 0x5A));
        EXPECT_EQ(r.access(nullptr, &other, kGet), r.mismatch);

        // Set with a null host over a list: either the list stays, or it is released and the
        // value is an empty value of the accessor's type.
        BACnetDataType list = some_list();
        EXPECT_EQ(r.access(nullptr, &list, kSet), BACNAPI_E_INVALIDARG);
        if (r.nullHostAfterReset) {
            EXPECT_EQ(list.type, r.type);
            EXPECT_EQ(payload_bytes(list, r.size), Bytes(r.size, 0));
        } else {
            EXPECT_EQ(text_of(list), "{{4},{5},{6}}");
        }
        bacnapi_ClearBACnetDataType(&list);
        EXPECT_EQ(r.access(host.get(), nullptr, kSet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(r.access(host.get(), nullptr, kGet), BACNAPI_E_INVALIDARG);
    }
    // A host variable inside the value is read before the value is replaced.
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Double;
    v.payload.doubleValue = 2.5;
    ASSERT_EQ(bacnapi_access_double(&v.payload.doubleValue, &v, kSet), 0);
    EXPECT_EQ(v.payload.doubleValue, 2.5);
}

} // namespace
