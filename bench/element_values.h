// The contents of element i of every benchmark list, shared by all benchmarks so that they
// measure the same values.
//
// The values are spread the same way at every size: element i takes a value from a fixed range
// picked by a multiplicative hash of i, so a list of 10^3 elements and one of 10^6 hold the same
// mix of short and long numbers and their texts take the same bytes per element. Values that grow
// with i would make the texts of long lists longer per element (more digits), and a time per
// element that grows with the size would then measure the longer numbers, not the size.
#pragma once

#include <cstdint>

namespace bench_values {

// Spreads i over all 32-bit words (Knuth's multiplicative hash).
inline uint32_t spread(int64_t i) { return static_cast<uint32_t>(i) * 2654435761u; }

// Unsigned values over all of 32 bits (texts of 1 to 11 characters, signed as "%d" writes them).
inline uint32_t unsigned_at(int64_t i) { return spread(i); }

// Reals from -1000 to about 36000, with fractions.
inline float real_at(int64_t i) { return static_cast<float>(spread(i) % 100000u) * 0.37f - 1000.0f; }

} // namespace bench_values
