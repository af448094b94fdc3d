// The string accessors: octet and bit strings whose host record owns its block, and the
// CharacterString accessor with its character-set rule on get.
#include "access/access_test_util.h"

#include <cstdlib>

namespace {

using namespace access_test;
using Bytes = std::string; // raw bytes, NULs allowed

uint8_t* heap_copy(const Bytes& b)
{
    if (b.empty()) return nullptr;
    auto* p = static_cast<uint8_t*>(std::malloc(b.size()));
    std::memcpy(p, b.data(), b.size());
    return p;
}

// Octet and bit strings behave alike; this view lets one table drive both.
struct Kind {
    int32_t type, mismatch;
    void (*fill)(void* host, const Bytes& bytes); // the host record takes a fresh block
    Bytes (*read)(const void* host);
    void (*release)(void* host);
    Accessor access;
};

const Kind kKinds[] = {
    {BACNAPI_TYPE_OctetString, BACNAPI_S_OK,
     [](void* h, const Bytes& b) { *static_cast<BACnetOctetString*>(h) = {b.size(), heap_copy(b)}; },
     [](const void* h) {
         const auto* o = static_cast<const BACnetOctetString*>(h);
         EXPECT_EQ(o->data == nullptr, o->length == 0);
         return o->data ? Bytes(reinterpret_cast<const char*>(o->data), o->length) : Bytes();
     },
     [](void* h) { bacnapi_ClearOctet(static_cast<BACnetOctetString*>(h)); }, Erased<bacnapi_access_octets>::call},
    {BACNAPI_TYPE_BitString, BACNAPI_E_INVALIDARG,
     [](void* h, const Bytes& b) { *static_cast<BACnetBitString*>(h) = {b.size(), b.size(), heap_copy(b)}; },
     [](const void* h) {
         const auto* s = static_cast<const BACnetBitString*>(h);
         EXPECT_EQ(s->usedCount, s->bitCount);
         EXPECT_EQ(s->bits == nullptr, s->bitCount == 0);
         return s->bits ? Bytes(reinterpret_cast<const char*>(s->bits), s->bitCount) : Bytes();
     },
     [](void* h) { bacnapi_ClearBitString(static_cast<BACnetBitString*>(h)); }, Erased<bacnapi_access_bitString>::call},
};

TEST(AccessStrings, OctetAndBitStringsAreCopiedBothWaysAndTheHostKeepsItsOwnBlock)
{
    for (const Kind& k : kKinds) {
        for (const Bytes& bytes : {Bytes("\x01\x00\x01\x01", 4), Bytes(), Bytes(1, '\x07')}) {
            SCOPED_TRACE(testing::Message() << k.type << " of " << bytes.size());
            const long baseline = heap_watch::live_blocks();
            HostBuffer host, back;
            k.fill(host.get(), bytes);
            BACnetDataType v = some_list();
            ASSERT_EQ(k.access(host.get(), &v, kSet), BACNAPI_S_OK);
            EXPECT_EQ(v.type, k.type);
            EXPECT_EQ(k.read(&v.payload), bytes);
            EXPECT_EQ(k.read(host.get()), bytes); // the host record is not changed by a set
            k.fill(back.get(), "old block");      // a get replaces it by a copy of the value's
            ASSERT_EQ(k.access(back.get(), &v, kGet), BACNAPI_S_OK);
            k.release(host.get());
            bacnapi_ClearBACnetDataType(&v);
            EXPECT_EQ(k.read(back.get()), bytes); // not shared with the value
            k.release(back.get());
            EXPECT_EQ(heap_watch::live_blocks(), baseline);
        }
    }
}

TEST(AccessStrings, OctetAndBitStringProtocol)
{
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.type);
        HostBuffer host;
        k.fill(host.get(), "kept");
        BACnetDataType number{}, same{}, v{}, list = some_list();
        number.type = BACNAPI_TYPE_Unsigned;
        EXPECT_EQ(k.access(host.get(), &number, kGet), k.mismatch);
        EXPECT_EQ(k.read(host.get()), "kept");
        same.type = k.type;
        EXPECT_EQ(k.access(nullptr, &same, kGet), BACNAPI_E_INVALIDARG);
        // A null host on set: the value was already released and is an empty string.
        EXPECT_EQ(k.access(nullptr, &list, kSet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(list.type, k.type);
        EXPECT_EQ(k.read(&list.payload), "");
        // Storing the value's own string into it keeps it.
        ASSERT_EQ(k.access(host.get(), &v, kSet), 0);
        EXPECT_EQ(k.access(&v.payload, &v, kSet), 0);
        EXPECT_EQ(k.read(&v.payload), "kept");
        EXPECT_EQ(k.access(host.get(), nullptr, kSet), BACNAPI_E_INVALIDARG);
        if (heap_watch::active()) { // a refused block leaves the receiving string empty
            heap_watch::refuse_after(0);
            EXPECT_EQ(k.access(host.get(), &list, kSet), BACNAPI_E_OUTOFMEMORY);
            EXPECT_TRUE(heap_watch::disarm());
            EXPECT_EQ(list.type, k.type);
            EXPECT_EQ(k.read(&list.payload), "");
            heap_watch::refuse_after(0);
            EXPECT_EQ(k.access(host.get(), &v, kGet), BACNAPI_E_OUTOFMEMORY);
            EXPECT_TRUE(heap_watch::disarm());
            EXPECT_EQ(k.read(host.get()), "");
        }
        bacnapi_ClearBACnetDataType(&v);
        bacnapi_ClearBACnetDataType(&list);
        k.release(host.get());
    }
}

BACnetCharacterString chars(uint8_t set, const Bytes& bytes)
{
    return {set, {}, reinterpret_cast<char*>(heap_copy(bytes)), bytes.size()};
}
Bytes bytes_of(const BACnetCharacterString& s) { return s.data ? Bytes(s.data, s.length) : Bytes(); }

TEST(AccessStrings, CharacterStringGetHandsOverSets015AsStoredAndConvertsTheOthersToUtf8)
{
    const struct { uint8_t set; Bytes stored; int32_t status; uint8_t hostSet; Bytes hostBytes; } cases[] = {
        {0, "abc", 0, 0, "abc"}, {5, "Gr\xFC\xDF", 0, 5, "Gr\xFC\xDF"},
        {1, Bytes("\x04\xE4" "ab", 4), 0, 1, Bytes("\x04\xE4" "ab", 4)},
        {4, Bytes("\x00" "a\x00\xFC", 4), 0, 0, "a\xC3\xBC"},
        {3, Bytes("\x00\x00\x00" "a\x00\x00\x00\xDF", 8), 0, 0, "a\xC3\x9F"},
        {2, "abc", 0, 0, "abc"}, {9, "xyz", 0, 0, "xyz"}, // sets without a name read as UTF-8
        {4, "", BACNAPI_E_FAIL, 4, ""},                   // nothing to convert: the copy is kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << int(c.set) << ", " << c.stored.size() << " bytes");
        BACnetCharacterString stored = chars(c.set, c.stored), host = chars(0, "old");
        BACnetDataType v{};
        ASSERT_EQ(bacnapi_access_string(&stored, &v, kSet), BACNAPI_S_OK);
        EXPECT_EQ(bacnapi_access_string(&host, &v, kGet), c.status);
        EXPECT_EQ(host.characterSet, c.hostSet);
        EXPECT_EQ(bytes_of(host), c.hostBytes);
        if (host.data != nullptr) { EXPECT_EQ(host.data[host.length], '\0'); }
        EXPECT_EQ(v.payload.characterString.characterSet, c.set); // the value keeps what was stored
        EXPECT_EQ(bytes_of(v.payload.characterString), c.stored);
        bacnapi_ClearCharacterString(&host);
        bacnapi_ClearCharacterString(&stored);
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(AccessStrings, CharacterStringProtocol)
{
    // A get from another type copies nothing but still applies the rule to the host's record.
    BACnetDataType number{};
    number.type = BACNAPI_TYPE_Unsigned;
    BACnetCharacterString ucs2 = chars(4, Bytes("\x00" "A", 2)), latin = chars(5, "\xE9"), abc = chars(0, "abc");
    EXPECT_EQ(bacnapi_access_string(&ucs2, &number, kGet), 0);
    EXPECT_EQ(ucs2.characterSet, 0);
    EXPECT_EQ(bytes_of(ucs2), "A");
    EXPECT_EQ(bacnapi_access_string(&latin, &number, kGet), 0);
    EXPECT_EQ(bytes_of(latin), "\xE9");
    EXPECT_EQ(bacnapi_access_string(nullptr, &number, kGet), 0);

    // Set adds an uncounted NUL; a null host leaves an empty CharacterString.
    BACnetDataType v = some_list();
    ASSERT_EQ(bacnapi_access_string(&abc, &v, kSet), 0);
    EXPECT_EQ(v.payload.characterString.length, 3u);
    EXPECT_EQ(v.payload.characterString.data[3], '\0');
    EXPECT_EQ(bacnapi_access_string(nullptr, &v, kGet), BACNAPI_E_INVALIDARG);
    // Reading the value's own string into itself changes nothing, even for a set to convert.
    BACnetCharacterString* own = &v.payload.characterString;
    own->characterSet = 4;
    EXPECT_EQ(bacnapi_access_string(own, &v, kGet), 0);
    EXPECT_EQ(bacnapi_access_string(own, &v, kSet), 0);
    EXPECT_EQ(own->characterSet, 4);
    EXPECT_EQ(bytes_of(*own), "abc");
    EXPECT_EQ(bacnapi_access_string(nullptr, &v, kSet), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(v.type, BACNAPI_TYPE_CharacterString);
    EXPECT_EQ(v.payload.characterString.data, nullptr);
    EXPECT_EQ(bacnapi_access_string(&abc, nullptr, kGet), BACNAPI_E_INVALIDARG);

    if (heap_watch::active()) { // a refused copy: set gives BACNAPI_E_INVALIDARG, get BACNAPI_E_FAIL; both empty
        heap_watch::refuse_after(0);
        EXPECT_EQ(bacnapi_access_string(&abc, &v, kSet), BACNAPI_E_INVALIDARG);
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(v.payload.characterString.length, 0u);
        ASSERT_EQ(bacnapi_access_string(&abc, &v, kSet), 0);
        heap_watch::refuse_after(0);
        EXPECT_EQ(bacnapi_access_string(&latin, &v, kGet), BACNAPI_E_FAIL);
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(bytes_of(latin), "");
    }
    for (BACnetCharacterString* s : {&ucs2, &latin, &abc}) bacnapi_ClearCharacterString(s);
    bacnapi_ClearBACnetDataType(&v);
}

} // namespace
