// Octet and bit strings: replacing and growing their buffers, and the heap exports.
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
Bytes bytes_of(const uint8_t* p, uint64_t n) { return p ? Bytes(p, p + n) : Bytes{}; }

TEST(OctetsTest, AllocateAndSetReplaceTheOctetsAndBits)
{
    enum Kind { Allocate, SetOctets, SetBits };
    const Bytes src = {1, 0, 7, 0, 1};
    struct Case { Bytes before; Kind kind; const uint8_t* source; uint32_t count; Bytes after; } const cases[] = {
        {{}, Allocate, nullptr, 3, Bytes(3)}, {{9, 9}, Allocate, nullptr, 0, {}}, {{}, SetOctets, src.data(), 5, src},
        {{9, 9, 9}, SetOctets, src.data(), 2, {1, 0}}, {{9}, SetOctets, src.data(), 0, {}}, {{9}, SetOctets, nullptr, 5, {}},
        {{}, SetBits, src.data(), 5, src}, {{1, 1, 1}, SetBits, src.data(), 2, {1, 0}}, {{1}, SetBits, src.data(), 0, {}},
        {{1}, SetBits, nullptr, 4, {}}};
    for (const Case& c : cases) {
        BACnetOctetString o{};
        BACnetBitString b{};
        ASSERT_EQ(bacnapi::octets_set(&o, c.before.data(), c.before.size()), 0);
        ASSERT_EQ(bacnapi::bits_set(&b, c.before.data(), c.before.size()), 0);
        b.usedCount = 0; // counts out of step before the call are made equal by it
        EXPECT_EQ(c.kind == Allocate    ? bacnapi_allocate_octets(&o, c.count)
                  : c.kind == SetOctets ? bacnapi_set_octets(&o, c.source, c.count)
                                        : bacnapi::bits_set(&b, c.source, c.count), 0);
        if (c.kind == Allocate && o.data != nullptr) std::memset(o.data, 0, o.length); // all of it is writable
        EXPECT_EQ(c.kind == SetBits ? bytes_of(b.bits, b.bitCount) : bytes_of(o.data, o.length), c.after);
        EXPECT_EQ(o.data == nullptr, o.length == 0);
        EXPECT_EQ(b.bits == nullptr, b.bitCount == 0);
        EXPECT_EQ(b.usedCount, c.kind == SetBits ? b.bitCount : 0);
        bacnapi_free(o.data), bacnapi_free(b.bits);
    }
    BACnetOctetString o{}; // a source inside the octets it replaces
    ASSERT_EQ(bacnapi::octets_set(&o, src.data(), 4), 0);
    ASSERT_EQ(bacnapi_set_octets(&o, o.data + 2, 2), 0);
    EXPECT_EQ(bytes_of(o.data, o.length), (Bytes{7, 0}));
    bacnapi_free(o.data);
}

TEST(OctetsTest, SetBitGrowsWithClearBitsAndRefusesANegativeIndex)
{
    struct Step { int32_t index; uint8_t value; int32_t status; Bytes after; } const steps[] = { // on the string before
        {-1, 1, BACNAPI_E_INVALIDARG, {0, 0}}, {7, 1, 0, {0, 0, 0, 0, 0, 0, 0, 1}}, {3, 1, 0, {0, 0, 0, 1, 0, 0, 0, 1}},
        {10, 5, 0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 5}}, {7, 0, 0, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5}},
        {INT32_MIN, 1, BACNAPI_E_INVALIDARG, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5}}};
    BACnetBitString b{}, empty{};
    ASSERT_EQ(bacnapi::bits_set(&b, Bytes{0, 0}.data(), 2), 0);
    for (const Step& s : steps) {
        EXPECT_EQ(bacnapi_set_bit(&b, s.value, s.index), s.status) << s.index;
        EXPECT_EQ(bytes_of(b.bits, b.bitCount), s.after) << s.index;
        EXPECT_EQ(b.usedCount, b.bitCount);
    }
    EXPECT_EQ(bacnapi_set_bit(&empty, 1, 2), 0);
    EXPECT_EQ(bytes_of(empty.bits, empty.usedCount), (Bytes{0, 0, 1}));
    bacnapi_free(b.bits), bacnapi_free(empty.bits);
    EXPECT_EQ(bacnapi_set_bit(nullptr, 1, 0), 1);
}

TEST(OctetsTest, TemporaryOctetsAndHeapExports)
{
    const uint8_t mac[6] = {0xC0, 0xA8, 0x01, 0x02, 0xBA, 0xC0};
    for (uint64_t count : {6, 3, 0}) {
        BACnetOctetString* temp = nullptr;
        ASSERT_EQ(bacnapi::temp_octets_create(count ? mac : nullptr, count, &temp), 0);
        EXPECT_EQ(bytes_of(temp->data, temp->length), Bytes(mac, mac + count));
        bacnapi::temp_octets_release(temp);
    }
    BACnetOctetString unused{}, *temp = &unused;
    EXPECT_EQ(bacnapi::temp_octets_create(nullptr, 4, &temp), BACNAPI_E_OUTOFMEMORY); // a count without bytes
    EXPECT_EQ(temp, nullptr);
    auto* zeroed = static_cast<uint8_t*>(bacnapi_calloc(16));
    EXPECT_EQ(bytes_of(zeroed, 16), Bytes(16, 0));
    auto* block = static_cast<uint8_t*>(std::memcpy(bacnapi_malloc(4), "abcd", 4));
    block = static_cast<uint8_t*>(bacnapi_realloc(block, 12345, 64)); // the middle size is ignored
    block[63] = 1;
    BACnetOctetString o{4, static_cast<uint8_t*>(bacnapi_malloc(4))}; // released by the setter
    EXPECT_EQ(bacnapi_set_octets(&o, block, 2), 0);
    EXPECT_EQ(bytes_of(o.data, o.length), (Bytes{'a', 'b'}));
    for (void* p : {(void*)o.data, (void*)block, (void*)zeroed, (void*)nullptr}) bacnapi_free(p);
}

} // namespace
