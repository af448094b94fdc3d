// Equality and order of values: the exported entry, the application types and the lists.
//
// The rules for records live in compare_records.cpp and in the comparison tables it follows.
// Everything here only reads its arguments.
#include "value/compare_internal.h"
#include "value/list_types.h"
#include "value/type_catalogue.h"
#include "text/number_format.h"

#include <algorithm>
#include <cstring>

namespace bacnapi {
namespace compare {
namespace {

// A NaN difference quantizes to NaN, which is above nothing: NaN on either side is equal.
int32_t by_tolerance(double a_minus_b, double b_minus_a)
{
    if (round_five_decimals(b_minus_a) > 0.0) return -1;
    if (round_five_decimals(a_minus_b) > 0.0) return 1;
    return 0;
}

// Length of a text without its trailing NUL octets.
size_t trimmed_length(const char* data, size_t length)
{
    while (length > 0 && data[length - 1] == '\0') --length;
    return length;
}

// Texts compare as bytes whatever their character set; trailing NULs do not count.
int32_t character_string(const BACnetCharacterString& a, const BACnetCharacterString& b)
{
    const auto a_length = static_cast<int32_t>(static_cast<uint32_t>(a.length));
    const auto b_length = static_cast<int32_t>(static_cast<uint32_t>(b.length));
    if (a_length < 0 || b_length < 0) return -1;
    if ((a_length > 0 && a.data == nullptr) || (b_length > 0 && b.data == nullptr)) return -1;
    const size_t a_used = a_length > 0 ? trimmed_length(a.data, static_cast<size_t>(a_length)) : 0;
    const size_t b_used = b_length > 0 ? trimmed_length(b.data, static_cast<size_t>(b_length)) : 0;
    if (a_used == 0 && b_used == 0) return 0;
    if (a_used == 0) return -1;
    if (b_used == 0) return 1;
    if (int32_t r = bytes(a.data, b.data, std::min(a_used, b_used))) return r;
    return order(a_used, b_used);
}

int32_t list(const BACnetValueList* a, const BACnetValueList* b, NestingScope& nest)
{
    if (a == nullptr || b == nullptr) return -1;
    // A count past the slots a list has cannot be read: such a list equals nothing.
    if (a->count > a->capacity || b->count > b->capacity) return -1;
    if (int32_t r = as_unsigned(a->count, b->count)) return r;
    if (a->count == 0) return 0;
    if (a->elements == nullptr || b->elements == nullptr) return -1;
    for (uint32_t i = 0; i < a->count; ++i)
        if (int32_t r = compare_nested(&a->elements[i], &b->elements[i], nest)) return r;
    return 0;
}

// Both values carry the same comparable type code, which is not BACnetNestedValue.
int32_t same_type(int32_t type, const BACnetDataType& a, const BACnetDataType& b, NestingScope& nest)
{
    const auto& pa = a.payload;
    const auto& pb = b.payload;
    switch (type) {
    case BACNAPI_TYPE_Null: return 0;
    case BACNAPI_TYPE_Boolean: return order(pa.boolean, pb.boolean);
    case BACNAPI_TYPE_Unsigned: return as_unsigned(pa.unsignedValue, pb.unsignedValue);
    case BACNAPI_TYPE_Signed: return order(pa.signedValue, pb.signedValue);
    case BACNAPI_TYPE_Real: return real(pa.real, pb.real);
    case BACNAPI_TYPE_Double: return real(pa.doubleValue, pb.doubleValue);
    case BACNAPI_TYPE_OctetString: return octet_string(pa.octetString, pb.octetString);
    case BACNAPI_TYPE_CharacterString: return character_string(pa.characterString, pb.characterString);
    case BACNAPI_TYPE_BitString: return bit_string(pa.bitString, pb.bitString);
    case BACNAPI_TYPE_Enumerated: return as_unsigned(pa.enumerated, pb.enumerated);
    case BACNAPI_TYPE_Date: return date(pa.date, pb.date);
    case BACNAPI_TYPE_Time: return time(pa.time, pb.time);
    case BACNAPI_TYPE_ObjectIdentifier: return object_identifier(pa.objectIdentifier, pb.objectIdentifier);
    case BACNAPI_TYPE_SignedLong: return order(pa.signedLong, pb.signedLong);
    case BACNAPI_TYPE_BACnetDateRange:
        // A date range without its record on either side is taken as equal.
        if (pa.record == nullptr || pb.record == nullptr) return 0;
        return record(type, pa.record, pb.record, nest);
    default:
        if (is_list_type(type)) return list(pa.list, pb.list, nest);
        if (pa.record == nullptr || pb.record == nullptr) return -1;
        return record(type, pa.record, pb.record, nest);
    }
}

} // namespace

int32_t octet_string(const BACnetOctetString& a, const BACnetOctetString& b)
{
    if (int32_t r = order(a.length, b.length)) return r;
    if (a.length == 0) return 0;
    // A length that promises octets without a buffer behind it cannot be compared.
    if (a.data == nullptr || b.data == nullptr) return -1;
    return bytes(a.data, b.data, a.length);
}

int32_t bytes(const void* a, const void* b, size_t n)
{
    if (n == 0) return 0;
    const int r = std::memcmp(a, b, n);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int32_t real(float a, float b)
{
    // The differences are rounded to single precision before they are widened.
    const float a_minus_b = a - b;
    const float b_minus_a = b - a;
    return by_tolerance(a_minus_b, b_minus_a);
}

int32_t real(double a, double b) { return by_tolerance(a - b, b - a); }

// The day of week is not part of the order: a date and the same date with an unspecified day of
// week are equal. 255 is an ordinary number here.
int32_t date(const BACnetDate& a, const BACnetDate& b)
{
    return first_difference({order(a.year, b.year), order(a.month, b.month), order(a.day, b.day)});
}

// An unspecified hour in the first time makes it match any time; nowhere else is 255 special.
int32_t time(const BACnetTime& a, const BACnetTime& b)
{
    if (a.hour == 255) return 0;
    return first_difference({order(a.hour, b.hour), order(a.minute, b.minute), order(a.second, b.second),
                             order(a.hundredths, b.hundredths)});
}

int32_t date_time(const BACnetDateTime& a, const BACnetDateTime& b)
{
    if (int32_t r = date(a.date, b.date)) return r;
    return time(a.time, b.time);
}

int32_t object_identifier(const BACnetObjectIdentifier& a, const BACnetObjectIdentifier& b)
{
    return first_difference({as_signed(a.objectType, b.objectType), as_signed(a.instance, b.instance)});
}

// Used counts first, then the bit octets as stored. Only octets that both values have allocated
// are read, so a bit string whose count outruns the other's is compared over the shorter one.
int32_t bit_string(const BACnetBitString& a, const BACnetBitString& b)
{
    if (int32_t r = as_unsigned(static_cast<uint32_t>(a.usedCount), static_cast<uint32_t>(b.usedCount))) return r;
    const uint64_t n = std::min(a.bitCount, b.bitCount);
    if (n == 0) return 0;
    if (a.bits == nullptr || b.bits == nullptr) return -1;
    for (uint64_t i = 0; i < n; ++i)
        if (int32_t r = order(a.bits[i], b.bits[i])) return r;
    return 0;
}

} // namespace compare

namespace {

int32_t compare_value_at(const BACnetDataType* a, const BACnetDataType* b, NestingScope& nest)
{
    // BACnetNestedValue only wraps another value: unwrap it in this loop instead of recursing.
    for (;;) {
        if (a == nullptr) return 1;
        if (b == nullptr) return -1;
        if (a->type != b->type) return -1;
        const int32_t type = a->type;
        if (!has_flag(type, kComparable)) return -1;
        if (type != BACNAPI_TYPE_BACnetNestedValue) return compare::same_type(type, *a, *b, nest);
        const auto* na = static_cast<const BACnetNestedValue*>(a->payload.record);
        const auto* nb = static_cast<const BACnetNestedValue*>(b->payload.record);
        if (na == nullptr) return 1;
        if (nb == nullptr) return -1;
        a = &na->value;
        b = &nb->value;
    }
}

} // namespace

int32_t compare_value(const BACnetDataType* a, const BACnetDataType* b)
{
    NestingScope nest;
    return compare_value_at(a, b, nest);
}

int32_t compare_nested(const BACnetDataType* a, const BACnetDataType* b, NestingScope& nest)
{
    const NestingLevel level(nest);
    if (level.too_deep()) return -1;
    return compare_value_at(a, b, nest);
}

} // namespace bacnapi

extern "C" int32_t bacnapi_CompareBACnetDataType(const BACnetDataType* a, const BACnetDataType* b)
{
    return bacnapi::compare_value(a, b);
}
