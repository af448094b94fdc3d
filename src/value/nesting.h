// Depth bookkeeping of the recursive value operations (copy, compare, clear).
//
// Each operation carries one scope from its entry point down through the record functions; every
// step into a nested value or a list element opens a level. A level past kMaxNestingDepth is not
// entered: the operation reports that the value is too deep instead of following it, so that a
// value built by hand to any depth cannot exhaust the stack. The flag stays set once raised, so
// that record functions which carry on past a nested value that could not be copied still let
// the entry point report the refusal.
#pragma once

#include "value/limits.h"

namespace bacnapi {

struct NestingScope {
    int depth = 0;         // levels currently open
    bool exceeded = false; // a level past the limit was asked for
};

class NestingLevel {
public:
    explicit NestingLevel(NestingScope& scope) : scope_(scope)
    {
        if (++scope_.depth > kMaxNestingDepth) scope_.exceeded = true;
    }
    ~NestingLevel() { --scope_.depth; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

    // True when this level lies past the limit and must not be followed.
    bool too_deep() const { return scope_.depth > kMaxNestingDepth; }

private:
    NestingScope& scope_;
};

} // namespace bacnapi
