// The Clear family within one operation: every record Clear that holds nested values has a form
// that takes the operation's scope, so that clearing a value of any depth uses a bounded stack.
//
// Nested values are cleared one level deeper than their record. A nested value past the depth
// limit is not followed there: it is moved (type and payload) onto the scope's list of set-aside
// values and its place left Null; the entry point clears the set-aside values afterwards, each
// from the top level again. A value nested a million levels deep is therefore released in
// linear time with a stack no deeper than the limit. When the list itself cannot grow (the heap
// refuses), the value past the limit is left unreleased rather than followed: a leak of what a
// hand-built value holds beyond the limit is preferred to exhausting the host's stack.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/ownership.h"
#include "value/nesting.h"

#include <cstddef>
#include <cstdint>

namespace bacnapi {

struct ClearScope {
    NestingScope nest;
    BACnetDataType* setAside = nullptr; // values past the limit, still to be cleared
    size_t count = 0;
    size_t capacity = 0;
};

// Clears the value at the scope's current level (what it owns is released, the value left Null).
void clear_value_at(BACnetDataType* value, ClearScope& scope);
// Clears a value nested one level deeper, or sets it aside past the limit.
void clear_nested(BACnetDataType* value, ClearScope& scope);
// Clears the set-aside values until none is left, then releases the list.
void finish_clear(ClearScope& scope);
// release_record_parts within an operation under way.
void release_record_parts(int32_t type, void* record, ClearScope& scope);
// bacnapi_ClearArray within an operation under way: the elements are nested one level deeper.
void clear_array_at(BACnetValueList* list, ClearScope& scope);

// Releases what a record owns as its ownership table says, and leaves it as the table says
// (zero-filled, or with only the released members emptied). Null records are ignored.
void clear_owned(const Ownership& ownership, void* record, ClearScope& scope);

// A record's Clear as one whole operation: every exported record Clear is this (0 always).
int32_t clear_record(const Ownership& ownership, void* record);

} // namespace bacnapi
