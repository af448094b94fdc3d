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

// The record Clear operations that hold nested values, one per record type (0 always).
int32_t clear_parts(BACnetConstructed* record, ClearScope& scope);
int32_t clear_parts(BACnetTimeValue* record, ClearScope& scope);
int32_t clear_parts(BACnetObjectPropertyValue* record, ClearScope& scope);
int32_t clear_parts(BACnetActionCommand* record, ClearScope& scope);
int32_t clear_parts(BACnetDeviceObjectPropertyValue* record, ClearScope& scope);
int32_t clear_parts(BACnetPropertyValue* record, ClearScope& scope);
int32_t clear_parts(BACnetSelectionCriteria* record, ClearScope& scope);
int32_t clear_parts(BACnetDailySchedule* record, ClearScope& scope);
int32_t clear_parts(BACnetActionList* record, ClearScope& scope);
int32_t clear_parts(WriteAccessSpecification* record, ClearScope& scope);
int32_t clear_parts(BACnetSpecialEvent* record, ClearScope& scope);
int32_t clear_parts(EventSummaryElement* record, ClearScope& scope);
int32_t clear_parts(BACnetPriorityValue* record, ClearScope& scope);
int32_t clear_parts(ReadAccessPropertyValue* record, ClearScope& scope);
int32_t clear_parts(BACnetLogRecord* record, ClearScope& scope);
int32_t clear_parts(BACnetEventLogRecord* record, ClearScope& scope);
int32_t clear_parts(BACnetLogData* record, ClearScope& scope);
int32_t clear_parts(BACnetLogMultipleRecord* record, ClearScope& scope);
int32_t clear_parts(BACnetLogDataElement* record, ClearScope& scope);
int32_t clear_parts(BACnetEventParameter* record, ClearScope& scope);
int32_t clear_parts(BACnetNotificationParameters* record, ClearScope& scope);
int32_t clear_parts(ReadAccessResultList* record, ClearScope& scope);
int32_t clear_parts(ReadAccessResult* record, ClearScope& scope);
int32_t clear_parts(SequenceOfReadAccessResult* record, ClearScope& scope);
int32_t clear_parts(BACnetServiceConfirmedEventNotificationRequest* record, ClearScope& scope);

// Runs a record's Clear as one whole operation: the exported Clear functions are this.
template <class Record>
int32_t clear_scoped(Record* record)
{
    ClearScope scope;
    (void)clear_parts(record, scope);
    finish_clear(scope);
    return BACNAPI_S_OK;
}

} // namespace bacnapi
