// How a record compares, as data: the members that identify it, in the order they are compared,
// each with the rule that orders it. One generic comparison follows these tables; the few
// records whose order fits no table keep a rule of their own in value/.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bacnapi {

struct Comparison;

enum class Key : uint8_t {
    Unsigned,         // a 32-bit member ordered as unsigned
    Signed,           // a 32-bit member ordered as signed
    Octet,            // an 8-bit member
    Real,             // a single-precision member, within the five-decimal tolerance
    ObjectIdentifier, // type, then instance, both as signed
    Date,             // year, month, day (the day of week is not part of the order)
    Time,             // an unspecified hour in the first record matches any time
    DateTime,         // date, then time
    BitString,        // used counts, then the octets both have
    OctetString,      // length, then the octets
    Value,            // an embedded BACnetDataType, compared one level deeper
    Bytes,            // `size` octets as stored (padding included)
    Record,           // an embedded record compared by `inner`
    Nothing,          // an alternative that holds nothing to compare: equal
    SignedSelector,   // the record's alternative number, ordered as signed; then the alternative
    UnsignedSelector, // the same, ordered as unsigned
    UnreadSelector,   // the first record's alternative names the one compared; the numbers are not
};

inline constexpr int32_t kEveryAlternative = INT32_MIN;
inline constexpr int32_t kOtherAlternative = INT32_MIN + 1; // any alternative no other key names

struct CompareKey {
    uint32_t offset;
    Key key;
    int32_t when = kEveryAlternative; // the alternative the member belongs to
    const Comparison* inner = nullptr;
    uint32_t size = 0;
};

// A record compares key by key; the first difference decides. At a selector key the alternative
// the first record holds is looked up among the keys: one that no key names (and that no
// kOtherAlternative key covers) cannot be compared (-1), and only the keys of the alternative held
// are read after it.
struct Comparison {
    const CompareKey* keys;
    size_t count;
};

template <size_t N>
constexpr Comparison compares(const CompareKey (&keys)[N])
{
    return Comparison{keys, N};
}

constexpr CompareKey key(Key rule, size_t offset, int32_t when = kEveryAlternative)
{
    return CompareKey{static_cast<uint32_t>(offset), rule, when};
}
constexpr CompareKey record_key(size_t offset, const Comparison& inner, int32_t when = kEveryAlternative)
{
    return CompareKey{static_cast<uint32_t>(offset), Key::Record, when, &inner};
}
constexpr CompareKey bytes_key(size_t offset, size_t size, int32_t when = kEveryAlternative)
{
    return CompareKey{static_cast<uint32_t>(offset), Key::Bytes, when, nullptr, static_cast<uint32_t>(size)};
}

} // namespace bacnapi
