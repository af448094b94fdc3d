// Limits shared by every part of the library that reads, writes, copies, compares, clears or
// prints values. One place, so that the reader, the copies and the element functions agree.
#pragma once

#include <cstdint>

namespace bacnapi {

// Most elements a head-inline sequence (typed run) may hold: the reader, the copies and the
// element functions all refuse a run longer than this.
constexpr int32_t kSequenceMaxCount = 65535;

// Deepest nesting of values that any recursive operation follows (a value inside a record inside
// a value ...). Real values nest a handful of levels; past this depth an operation fails with its
// documented status instead of exhausting the stack.
constexpr int kMaxNestingDepth = 32;

} // namespace bacnapi
