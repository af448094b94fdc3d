// What a record owns, as data: the members that hold heap storage (or must be emptied) and what
// the record holds once they are released. One generic Clear follows these tables for every
// record type; the tables sit below the value layer and name nothing but the public records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bacnapi {

struct Ownership;

// What one member of a record is to its Clear.
enum class Part : uint8_t {
    Block,      // a heap block pointer at `offset` (released, then left null)
    Bits,       // a BACnetBitString (its bits released, the string left zero-filled)
    Octets,     // a BACnetOctetString (its octets released, the string left zero-filled)
    Characters, // a BACnetCharacterString (its text released, the string left empty)
    Value,      // an embedded BACnetDataType, cleared one level deeper than its record
    Record,     // an embedded record (or head-inline sequence) described by `inner`
    Zeroed,     // `size` bytes emptied; nothing is released
    Copied,     // `size` plain bytes: nothing to release; a member-wise copy takes them as they are
};

inline constexpr int32_t kAlways = INT32_MIN;

struct OwnedPart {
    uint32_t offset;
    Part kind;
    int32_t when = kAlways;           // the selector value for which the member exists (a choice's alternative)
    const Ownership* inner = nullptr; // Record: the member's own ownership
    uint32_t size = 0;                // Zeroed, Copied: the member's bytes
};

enum class Shape : uint8_t {
    Record,   // the parts, as listed
    Sequence, // a head-inline sequence: element 0 at offset 0, element i >= 1 in slot i of an
              // overflow array; `element` describes one element
};

enum class Afterwards : uint8_t {
    Zeroed, // the whole record is zero-filled after its parts are released
    Kept,   // only the released members change
};

// How a record is copied.
enum class CopyRule : uint8_t {
    ByHand,            // a copy routine of its own (irregular, or not copied at all)
    Members,           // the bytes, then each owned member duplicated; the first failure is reported
    MembersBestEffort, // the same, but a member that cannot be duplicated is left empty and the
                       // copy still succeeds
    MemberWise,        // the record zero-filled, then each member of the alternative the source
                       // holds taken in table order (Copied bytes as they are, owned members
                       // duplicated); bytes no member names stay zero. The first failure is reported
};

// What a copy does with a source whose selector names an alternative the record does not know.
enum class Unknown : uint8_t {
    Refused,               // BACNAPI_E_INVALIDARG, the destination left as its Clear leaves it
    NumberOnly,            // the destination holds the alternative number and nothing else; not an error
    NumberOnlyUnsupported, // the same, answered BACNAPI_E_NOTSUPPORTED
};

inline constexpr int32_t kNoSelector = -1;
inline constexpr int32_t kNoReset = -1;

struct Ownership {
    uint32_t size;
    const OwnedPart* parts;
    size_t count;
    Afterwards after;
    int32_t selector = kNoSelector; // offset of the record's 32-bit alternative number
    int32_t resetOffset = kNoReset; // a 32-bit member set to resetValue once the record is cleared
    uint32_t resetValue = 0;
    Shape shape = Shape::Record;
    const Ownership* element = nullptr; // Sequence: its element
    uint32_t elementsOffset = 0;        // Sequence: the overflow array pointer
    uint32_t countOffset = 0;           // Sequence: the signed element count
    CopyRule copy = CopyRule::ByHand;
    uint32_t known = 0; // bit i: alternative i is known to the copy (0: every alternative is)
    Unknown unknown = Unknown::Refused;
};

// ---- Table-building helpers, so that a table reads as the record it describes ----

constexpr OwnedPart block(size_t offset, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Block, when};
}
constexpr OwnedPart bits(size_t offset, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Bits, when};
}
constexpr OwnedPart octets(size_t offset, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Octets, when};
}
constexpr OwnedPart characters(size_t offset, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Characters, when};
}
constexpr OwnedPart value(size_t offset, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Value, when};
}
constexpr OwnedPart record(size_t offset, const Ownership& inner, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Record, when, &inner};
}
constexpr OwnedPart zeroed(size_t offset, size_t size, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Zeroed, when, nullptr, static_cast<uint32_t>(size)};
}
constexpr OwnedPart copied(size_t offset, size_t size, int32_t when = kAlways)
{
    return OwnedPart{static_cast<uint32_t>(offset), Part::Copied, when, nullptr, static_cast<uint32_t>(size)};
}

template <size_t N>
constexpr Ownership owns(size_t size, const OwnedPart (&parts)[N], Afterwards after, int32_t selector = kNoSelector)
{
    return Ownership{static_cast<uint32_t>(size), parts, N, after, selector};
}
// The same ownership, copied by the given rule.
constexpr Ownership copied_by(Ownership ownership, CopyRule rule)
{
    ownership.copy = rule;
    return ownership;
}
// The same ownership, whose copy knows only the alternatives of mask `known`.
constexpr Ownership knowing(Ownership ownership, uint32_t known, Unknown unknown)
{
    ownership.known = known;
    ownership.unknown = unknown;
    return ownership;
}
// A record that owns nothing: zero-filled, or left exactly as it is.
constexpr Ownership owns_nothing(size_t size, Afterwards after)
{
    return Ownership{static_cast<uint32_t>(size), nullptr, 0, after};
}
// owns() whose cleared record then holds resetValue in the 32-bit member at resetOffset.
template <size_t N>
constexpr Ownership owns_then(size_t size, const OwnedPart (&parts)[N], Afterwards after, int32_t selector,
                              size_t resetOffset, uint32_t resetValue)
{
    return Ownership{static_cast<uint32_t>(size),       parts,     N, after, selector,
                     static_cast<int32_t>(resetOffset), resetValue};
}
// A head-inline sequence whose elements are described by `element`.
template <class Sequence>
constexpr Ownership sequence_of(const Ownership& element)
{
    return Ownership{sizeof(Sequence),
                     nullptr,
                     0,
                     Afterwards::Zeroed,
                     kNoSelector,
                     kNoReset,
                     0,
                     Shape::Sequence,
                     &element,
                     static_cast<uint32_t>(offsetof(Sequence, elements)),
                     static_cast<uint32_t>(offsetof(Sequence, count))};
}

// ---- Reading a record through its table ----

inline void* owned_member(void* record, uint32_t offset)
{
    return static_cast<unsigned char*>(record) + offset;
}
inline const void* owned_member(const void* record, uint32_t offset)
{
    return static_cast<const unsigned char*>(record) + offset;
}

// The alternative number the record holds (0 for a record without a selector).
inline int32_t selector_of(const Ownership& ownership, const void* record)
{
    int32_t selector = 0;
    if (ownership.selector != kNoSelector)
        std::memcpy(&selector, owned_member(record, static_cast<uint32_t>(ownership.selector)), sizeof selector);
    return selector;
}

// The copy knows the alternative the record holds.
inline bool knows_alternative(const Ownership& ownership, const void* record)
{
    if (ownership.known == 0) return true;
    const int32_t selector = selector_of(ownership, record);
    return selector >= 0 && selector < 32 && ((ownership.known >> selector) & 1u) != 0;
}

// The member exists in a record holding alternative `selector`.
constexpr bool part_present(const OwnedPart& part, int32_t selector)
{
    return part.when == kAlways || part.when == selector;
}

} // namespace bacnapi
