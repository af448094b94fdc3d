// A plain record described once: its field table, in walk order, in which each field that is part
// of the record's identity also says where it comes in the comparison and by which rule. Both the
// walker's field table and the record's comparison table are derived from it at compile time, so
// that a plain record is one table and one catalogue row (value/type_catalogue.h).
#pragma once

#include "records/comparison.h"
#include "records/field_desc.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace bacnapi {

struct PlainField {
    FieldDesc field;
    uint8_t rank = 0;       // 0: not part of the identity; k: the k-th member compared
    Key key = Key::Nothing; // the rule that orders it
    uint32_t within = 0;    // where the compared part lies inside the member (a member of a member)
};

// A field that is compared `rank`-th, by `rule`.
constexpr PlainField keyed(uint8_t rank, Key rule, FieldDesc field, size_t within = 0)
{
    return PlainField{field, rank, rule, static_cast<uint32_t>(within)};
}
// A field that is walked but plays no part in the comparison.
constexpr PlainField unkeyed(FieldDesc field)
{
    return PlainField{field};
}

namespace plain {

template <size_t N>
constexpr size_t key_count(const PlainField (&fields)[N])
{
    size_t keys = 0;
    for (const PlainField& f : fields) keys += f.rank != 0 ? 1 : 0;
    return keys;
}

// Ranks 1..K each stand once: the comparison's order is stated, not guessed from the table's.
template <size_t N>
constexpr bool ranks_are_an_order(const PlainField (&fields)[N])
{
    const size_t keys = key_count(fields);
    for (size_t rank = 1; rank <= keys; ++rank) {
        size_t found = 0;
        for (const PlainField& f : fields) found += f.rank == rank ? 1 : 0;
        if (found != 1) return false;
    }
    for (const PlainField& f : fields)
        if (f.rank > keys) return false;
    return true;
}

// A plain record owns nothing: its fields are members in place of types that hold no heap block
// (no octet, character or bit strings, no nested values).
template <size_t N>
constexpr bool owns_nothing(const PlainField (&fields)[N])
{
    for (const PlainField& f : fields) {
        if (f.field.mode != FieldMode::Member) return false;
        const int32_t type = f.field.type;
        if (type == BACNAPI_TYPE_OctetString || type == BACNAPI_TYPE_CharacterString || type == BACNAPI_TYPE_BitString)
            return false;
    }
    return true;
}

// Size of the part of a member that a rule reads; 0 for rules that read no fixed size here.
constexpr size_t key_width(Key key)
{
    switch (key) {
    case Key::Octet: return 1;
    case Key::Unsigned:
    case Key::Signed:
    case Key::Real:
    case Key::Date:
    case Key::Time: return 4;
    case Key::ObjectIdentifier:
    case Key::DateTime: return 8;
    default: return 0;
    }
}

// Every compared part lies inside the record, and only fixed-width rules are used: a plain record
// holds no strings or values to compare.
template <size_t N>
constexpr bool keys_fit(const PlainField (&fields)[N], size_t recordSize)
{
    for (const PlainField& f : fields) {
        if (f.rank == 0) continue;
        const size_t width = key_width(f.key);
        if (width == 0 || f.field.offset + f.within + width > recordSize) return false;
    }
    return true;
}

template <const auto& Fields>
struct Derived {
    static constexpr size_t kFieldCount = std::size(Fields);
    static constexpr size_t kKeyCount = key_count(Fields);
    static_assert(ranks_are_an_order(Fields), "a plain record's ranks must be 1..K, each once");
    static_assert(owns_nothing(Fields), "a plain record's fields must be members that own nothing");

    static constexpr std::array<FieldDesc, kFieldCount> fields = [] {
        std::array<FieldDesc, kFieldCount> out{};
        for (size_t i = 0; i < kFieldCount; ++i) out[i] = Fields[i].field;
        return out;
    }();
    static constexpr std::array<CompareKey, kKeyCount> keys = [] {
        std::array<CompareKey, kKeyCount> out{};
        for (const PlainField& f : Fields)
            if (f.rank != 0) out[f.rank - 1] = key(f.key, f.field.offset + f.within);
        return out;
    }();
    static constexpr Comparison comparison{keys.data(), kKeyCount};
};

} // namespace plain

// The walker's field table of a plain record, and its comparison (null when no field is keyed).
template <const auto& Fields>
inline constexpr const FieldDesc* plain_walk = plain::Derived<Fields>::fields.data();
template <const auto& Fields>
inline constexpr const Comparison* plain_comparison =
    plain::Derived<Fields>::kKeyCount != 0 ? &plain::Derived<Fields>::comparison : nullptr;

} // namespace bacnapi
