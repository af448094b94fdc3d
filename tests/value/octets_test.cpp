#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

BACnetOctetString octets_of(const Bytes& bytes) {
    BACnetOctetString o{};
    EXPECT_EQ(bacnapi::octets_set(&o, bytes.data(), bytes.size()), 0);
    return o;
}

Bytes bytes_of(const BACnetOctetString& o) { return o.data ? Bytes(o.data, o.data + o.length) : Bytes{}; }
Bytes bits_of(const BACnetBitString& b) { return b.bits ? Bytes(b.bits, b.bits + b.bitCount) : Bytes{}; }

TEST(OctetsTest, AllocateAndSetReplaceTheOctets) {
    const Bytes src = {1, 2, 3, 4, 5};
    struct Case { const char* name; Bytes before; bool allocate; const uint8_t* source; uint32_t count; Bytes after; };
    const Case cases[] = {
        {"allocate into empty", {}, true, nullptr, 3, {}},
        {"allocate over octets", {9, 9}, true, nullptr, 7, {}},
        {"allocate zero frees", {9, 9}, true, nullptr, 0, {}},
        {"set into empty", {}, false, src.data(), 5, src},
        {"set over octets", {9, 9, 9, 9, 9, 9}, false, src.data(), 2, {1, 2}},
        {"set zero frees", {9}, false, src.data(), 0, {}},
        {"set from null", {9}, false, nullptr, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetOctetString o = octets_of(c.before);
        const int32_t status = c.allocate ? bacnapi_allocate_octets(&o, c.count) : bacnapi_set_octets(&o, c.source, c.count);
        EXPECT_EQ(status, 0);
        const uint64_t expectedLength = c.allocate ? c.count : c.after.size();
        EXPECT_EQ(o.length, expectedLength);
        EXPECT_EQ(o.data == nullptr, expectedLength == 0);
        if (!c.allocate) {
            EXPECT_EQ(bytes_of(o), c.after);
        }
        if (o.data) std::memset(o.data, 0xAB, o.length); // the whole block is writable (valgrind)
        bacnapi_free(o.data);
    }
}

TEST(OctetsTest, SetFromItsOwnOctets) {
    BACnetOctetString o = octets_of({1, 2, 3, 4});
    ASSERT_EQ(bacnapi::octets_set(&o, o.data + 1, 2), 0);
    EXPECT_EQ(bytes_of(o), (Bytes{2, 3}));
    bacnapi_free(o.data);
}

TEST(OctetsTest, BitsSetCopiesAndKeepsBothCountsEqual) {
    const Bytes src = {1, 0, 7, 0, 1};
    struct Case { Bytes before; const uint8_t* source; uint64_t count; Bytes after; };
    const Case cases[] = {
        {{}, src.data(), 5, src}, {{1, 1, 1}, src.data(), 2, {1, 0}}, {{1}, src.data(), 0, {}}, {{1}, nullptr, 4, {}},
    };
    for (const Case& c : cases) {
        BACnetBitString b{};
        ASSERT_EQ(bacnapi::bits_set(&b, c.before.data(), c.before.size()), 0);
        b.usedCount = 0; // counts out of step before the call are made equal by it
        EXPECT_EQ(bacnapi::bits_set(&b, c.source, c.count), 0);
        EXPECT_EQ(bits_of(b), c.after);
        EXPECT_EQ(b.bitCount, c.after.size());
        EXPECT_EQ(b.usedCount, b.bitCount);
        EXPECT_EQ(b.bits == nullptr, c.after.empty());
        bacnapi_free(b.bits);
    }
}

TEST(OctetsTest, SetBitGrowsWithClearBits) {
    // Each step applies to the string left by the previous one.
    struct Step { int32_t index; uint8_t value; int32_t status; Bytes after; };
    const Step steps[] = {
        {7, 1, 0, {0, 0, 0, 0, 0, 0, 0, 1}},
        {3, 1, 0, {0, 0, 0, 1, 0, 0, 0, 1}},
        {10, 5, 0, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 5}},
        {7, 0, 0, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5}},
        {-1, 1, BACNAPI_E_INVALIDARG, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5}},
        {11, 0, 0, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 5, 0}},
    };
    BACnetBitString b{};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.index);
        EXPECT_EQ(bacnapi_set_bit(&b, s.value, s.index), s.status);
        EXPECT_EQ(bits_of(b), s.after);
        EXPECT_EQ(b.usedCount, b.bitCount);
    }
    bacnapi_free(b.bits);

    BACnetBitString empty{};
    EXPECT_EQ(bacnapi_set_bit(&empty, 1, INT32_MIN), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(empty.bits, nullptr);
    EXPECT_EQ(empty.bitCount, 0u);
    EXPECT_EQ(bacnapi_set_bit(&empty, 1, 0), 0);
    EXPECT_EQ(bits_of(empty), Bytes{1});
    bacnapi_free(empty.bits);
    EXPECT_EQ(bacnapi_set_bit(nullptr, 1, 0), 1);
}

TEST(OctetsTest, TemporaryOctets) {
    const uint8_t mac[6] = {0xC0, 0xA8, 0x01, 0x02, 0xBA, 0xC0};
    struct Case { const uint8_t* bytes; uint64_t count; int32_t status; };
    const Case cases[] = {{mac, 6, 0}, {mac, 3, 0}, {nullptr, 0, 0}, {nullptr, 4, BACNAPI_WALK_E_NOMEMORY}};
    for (const Case& c : cases) {
        BACnetOctetString unused{};
        BACnetOctetString* temp = &unused; // overwritten in every case
        EXPECT_EQ(bacnapi::temp_octets_create(c.bytes, c.count, &temp), c.status);
        if (c.status != 0) {
            EXPECT_EQ(temp, nullptr);
            continue;
        }
        ASSERT_NE(temp, nullptr);
        EXPECT_EQ(bytes_of(*temp), Bytes(mac, mac + c.count));
        EXPECT_EQ(temp->data == nullptr, c.count == 0);
        bacnapi::temp_octets_release(temp);
    }
    bacnapi::temp_octets_release(nullptr);
}

TEST(OctetsTest, HeapFunctions) {
    auto* zeroed = static_cast<uint8_t*>(bacnapi_calloc(16));
    ASSERT_NE(zeroed, nullptr);
    EXPECT_EQ(Bytes(zeroed, zeroed + 16), Bytes(16, 0));
    auto* block = static_cast<uint8_t*>(bacnapi_malloc(4));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abcd", 4);
    block = static_cast<uint8_t*>(bacnapi_realloc(block, 12345, 64)); // the middle size is ignored
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block, "abcd", 4), 0);
    block[63] = 1;
    // A block from the host's heap functions is owned and released by the library's setters.
    BACnetOctetString o{4, static_cast<uint8_t*>(bacnapi_malloc(4))};
    EXPECT_EQ(bacnapi_set_octets(&o, block, 2), 0);
    EXPECT_EQ(bytes_of(o), (Bytes{'a', 'b'}));
    bacnapi_free(o.data);
    bacnapi_free(block);
    bacnapi_free(zeroed);
    bacnapi_free(nullptr);
}

} // namespace
