// The pieces of value comparison shared by the files of the compare family: the entry that
// compares two whole values, and the rules that several record types reuse for their fields.
//
// Every function answers 0 for equal, -1 when a comes first (or the two cannot be compared) and
// 1 when a comes after b. Byte-wise comparisons are folded to -1, 0 or 1 as well.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/comparison.h"
#include "value/nesting.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace bacnapi {

// The whole-value comparison behind bacnapi_CompareBACnetDataType (null a: 1, null b: -1).
int32_t compare_value(const BACnetDataType* a, const BACnetDataType* b);
// compare_value for a value nested one level deeper inside an operation under way. Past the
// depth limit the two values are not followed and answer -1 (cannot be compared).
int32_t compare_nested(const BACnetDataType* a, const BACnetDataType* b, NestingScope& nest);

namespace compare {

template <typename T>
constexpr int32_t order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// 32-bit fields are stored unsigned; some rules order them as signed numbers.
constexpr int32_t as_unsigned(uint32_t a, uint32_t b) { return order(a, b); }
constexpr int32_t as_signed(uint32_t a, uint32_t b)
{
    return order(static_cast<int32_t>(a), static_cast<int32_t>(b));
}

// The first non-zero result of an already evaluated series of cheap field comparisons.
constexpr int32_t first_difference(std::initializer_list<int32_t> results)
{
    for (int32_t r : results)
        if (r != 0) return r;
    return 0;
}

// Sign of a memcmp over n octets (n 0: equal).
int32_t bytes(const void* a, const void* b, size_t n);

// Five-decimal tolerance: equal when the two differ by less than 0.000005, or when either is NaN.
// The single-precision form takes the difference in single precision.
int32_t real(float a, float b);
int32_t real(double a, double b);

int32_t date(const BACnetDate& a, const BACnetDate& b);           // year, month, day
int32_t time(const BACnetTime& a, const BACnetTime& b);           // hour 255 in a: equal
int32_t date_time(const BACnetDateTime& a, const BACnetDateTime& b);
int32_t object_identifier(const BACnetObjectIdentifier& a, const BACnetObjectIdentifier& b);
int32_t bit_string(const BACnetBitString& a, const BACnetBitString& b);
int32_t octet_string(const BACnetOctetString& a, const BACnetOctetString& b); // length, then octets

// A record by its comparison table (both records present).
int32_t by_table(const Comparison& comparison, const void* a, const void* b, NestingScope& nest);
// Record rules by type code (both records present). Codes without a rule answer -1.
int32_t record(int32_t type, const void* a, const void* b, NestingScope& nest);

} // namespace compare
} // namespace bacnapi
