// Equality and order of the constructed records (codes 21 to 124).
//
// Most records are compared only on the members that identify them, as their comparison table
// lists; the rest of the record is ignored. Choice records compare their selectors first and then
// the alternative the selector names; an alternative without a rule cannot be compared (-1).
#include "value/compare_internal.h"
#include "value/type_catalogue.h"

namespace bacnapi {
namespace compare {
namespace {

template <typename T>
const T& at(const void* record, uint32_t offset)
{
    return *reinterpret_cast<const T*>(static_cast<const unsigned char*>(record) + offset);
}

// Some key names the alternative.
bool names_alternative(const Comparison& comparison, int32_t alternative)
{
    for (size_t i = 0; i < comparison.count; ++i)
        if (comparison.keys[i].when == alternative) return true;
    return false;
}

int32_t by_key(const CompareKey& k, const void* a, const void* b, NestingScope& nest)
{
    const uint32_t o = k.offset;
    switch (k.key) {
    case Key::Unsigned: return as_unsigned(at<uint32_t>(a, o), at<uint32_t>(b, o));
    case Key::Signed:
    case Key::SignedSelector: return as_signed(at<uint32_t>(a, o), at<uint32_t>(b, o));
    case Key::UnsignedSelector: return as_unsigned(at<uint32_t>(a, o), at<uint32_t>(b, o));
    case Key::Octet: return order(at<uint8_t>(a, o), at<uint8_t>(b, o));
    case Key::Real: return real(at<float>(a, o), at<float>(b, o));
    case Key::ObjectIdentifier:
        return object_identifier(at<BACnetObjectIdentifier>(a, o), at<BACnetObjectIdentifier>(b, o));
    case Key::Date: return date(at<BACnetDate>(a, o), at<BACnetDate>(b, o));
    case Key::Time: return time(at<BACnetTime>(a, o), at<BACnetTime>(b, o));
    case Key::DateTime: return date_time(at<BACnetDateTime>(a, o), at<BACnetDateTime>(b, o));
    case Key::BitString: return bit_string(at<BACnetBitString>(a, o), at<BACnetBitString>(b, o));
    case Key::OctetString: return octet_string(at<BACnetOctetString>(a, o), at<BACnetOctetString>(b, o));
    case Key::Value: return compare_nested(&at<BACnetDataType>(a, o), &at<BACnetDataType>(b, o), nest);
    case Key::Bytes: return bytes(&at<uint8_t>(a, o), &at<uint8_t>(b, o), k.size);
    case Key::Record: return by_table(*k.inner, &at<uint8_t>(a, o), &at<uint8_t>(b, o), nest);
    case Key::Nothing:
    case Key::UnreadSelector: return 0;
    }
    return -1;
}

constexpr bool is_selector(Key key)
{
    return key == Key::SignedSelector || key == Key::UnsignedSelector || key == Key::UnreadSelector;
}

// A setpoint reference that is not present on either side cannot be compared.
int32_t setpoint_reference(const BACnetSetpointReference& a, const BACnetSetpointReference& b, NestingScope& nest)
{
    if (a.present == 0 || b.present == 0) return -1;
    return by_table(compared::kObjectPropertyReference, &a.setpointReference, &b.setpointReference, nest);
}

} // namespace

int32_t by_table(const Comparison& comparison, const void* a, const void* b, NestingScope& nest)
{
    int32_t alternative = kEveryAlternative;
    bool named = false; // the alternative held has keys of its own (else kOtherAlternative keys apply)
    for (size_t i = 0; i < comparison.count; ++i) {
        const CompareKey& k = comparison.keys[i];
        const bool applies = k.when == kEveryAlternative || (k.when == alternative && named) ||
                             (k.when == kOtherAlternative && !named && alternative != kEveryAlternative);
        if (!applies) continue;
        if (int32_t r = by_key(k, a, b, nest)) return r;
        if (!is_selector(k.key)) continue;
        alternative = at<int32_t>(a, k.offset);
        if (alternative == kEveryAlternative || alternative == kOtherAlternative) return -1;
        named = names_alternative(comparison, alternative);
        if (!named && !names_alternative(comparison, kOtherAlternative)) return -1;
    }
    return 0;
}

int32_t record(int32_t type, const void* a, const void* b, NestingScope& nest)
{
    const TypeRow* row = type_row(type);
    if (row != nullptr && row->compares != nullptr) return by_table(*row->compares, a, b, nest);
    switch (type) {
    case BACNAPI_TYPE_BACnetSetpointReference:
        return setpoint_reference(*static_cast<const BACnetSetpointReference*>(a),
                                  *static_cast<const BACnetSetpointReference*>(b), nest);
    default: return -1;
    }
}

} // namespace compare
} // namespace bacnapi
