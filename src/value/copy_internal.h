// The record copies behind copy_value, one per record type, and the helpers they share.
//
// Every record copy takes (destination, source), returns a value-layer status, and follows the
// same rules:
//  - what the destination held is released first (as the record's Clear does), so a destination
//    may hold an earlier value; after a failure part way the destination holds the members
//    copied so far and is safe to clear;
//  - nothing is shared with the source: strings, nested values and overflow arrays are
//    duplicated;
//  - a choice whose alternative owns storage gets its selector before the alternative is filled,
//    so the selector always names what the record holds;
//  - a null argument gives BACNAPI_E_INVALIDARG; destination == source is a successful no-op.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/ownership.h"
#include "value/limits.h"
#include "value/nesting.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace bacnapi {

// ---- Strings inside values and records ----
// These give the copies' answer to a refused block (the routines under them report it as
// BACNAPI_E_OUTOFMEMORY).
// Releases dst's octets and duplicates src's; a refused block leaves dst empty and is not an
// error (always 0).
int32_t copy_octets(BACnetOctetString* dst, const BACnetOctetString* src);
// Releases dst's bits and duplicates bitCount octets of src; both counts of dst become that
// number. A refused block leaves dst empty and is not an error (always 0).
int32_t copy_bits(BACnetBitString* dst, const BACnetBitString* src);
// Releases dst's text and duplicates src's, adding an uncounted NUL when src's last byte is not
// NUL. 0, or BACNAPI_E_INVALIDARG when the heap refuses (dst left empty).
int32_t copy_characters(BACnetCharacterString* dst, const BACnetCharacterString* src);

// ---- Depth-bounded copies ----
// The record copies that hold nested values take the copy's nesting scope and copy each nested
// value (or list element) through copy_nested, one level deeper. A nested value past the depth
// limit is not copied: copy_nested answers BACNAPI_E_NOTSUPPORTED and raises the scope's flag,
// which the entry points (copy_value, copy_record) turn into that status.
int32_t copy_nested(BACnetDataType* destination, const BACnetDataType* source, NestingScope& nest);
// copy_value within an operation already under way (same index convention, same depth).
int32_t copy_value_at(BACnetDataType* destination, const BACnetDataType* source, int32_t index,
                      NestingScope& nest);

// ---- Record copies by type code (copy_records.cpp) ----
// Dispatches to the record copy of type. BACNAPI_E_INVALIDARG for a null record,
// BACNAPI_E_NOTSUPPORTED for a code without a record copy or for a record nested too deep.
int32_t copy_record(int32_t type, void* destination, const void* source);
int32_t copy_record(int32_t type, void* destination, const void* source, NestingScope& nest);
// True for the record types whose records own nothing and are copied byte for byte.
bool is_plain_record(int32_t type);

// Records that own nothing (flagged plain in the type catalogue), copied byte for byte: size is
// the record's size.
int32_t copy_plain(void* dst, const void* src, size_t size);

// The copy a record's ownership table describes (CopyRule::Members, MembersBestEffort or
// MemberWise): dst is released as its Clear would, takes src's bytes (or zeros, member-wise), and
// each member src holds is duplicated.
int32_t copy_owned(const Ownership& ownership, void* dst, const void* src, NestingScope& nest);
// The members src holds, in table order, into dst whose owned members hold nothing to release
// (emptied, or zero): plain bytes as they are, owned members duplicated. The first failure stops
// the copy and is reported (unless the rule is MembersBestEffort); dst is not laid out first.
int32_t copy_members(const Ownership& ownership, void* dst, const void* src, NestingScope& nest);

int32_t copy_special_event(BACnetSpecialEvent* dst, const BACnetSpecialEvent* src, NestingScope& nest); // 47


// ---- Read-access records and head-inline sequences (copy_sequences.cpp) ----
int32_t copy_property_reference_sequence(SequenceOfBACnetPropertyReference* dst,
                                         const SequenceOfBACnetPropertyReference* src);          // 91
int32_t copy_read_access_specification(ReadAccessSpecification* dst,
                                       const ReadAccessSpecification* src);                      // 38
int32_t copy_read_access_property_value(ReadAccessPropertyValue* dst,
                                        const ReadAccessPropertyValue* src, NestingScope& nest); // 43
int32_t copy_read_access_result_list(ReadAccessResultList* dst, const ReadAccessResultList* src,
                                     NestingScope& nest); // 150
int32_t copy_read_access_result(ReadAccessResult* dst, const ReadAccessResult* src, NestingScope& nest); // 42
int32_t copy_read_access_specification_sequence(SequenceOfReadAccessSpecification* dst,
                                                const SequenceOfReadAccessSpecification* src);   // 89
int32_t copy_read_access_result_sequence(SequenceOfReadAccessResult* dst,
                                         const SequenceOfReadAccessResult* src, NestingScope& nest); // 90

// ---- Head-inline sequences ----
// A head-inline sequence keeps element 0 in place (member first) and element i >= 1 in slot i
// of an overflow array (member elements, slot 0 unused), with a signed 32-bit count. The
// overflow array grows in steps of 4 slots, so an array serving count elements always has
// overflow_slots(count) slots; duplicates allocate the same number so that later appends work.

// Slots of the overflow array of a sequence of count elements (0 when no array is needed).
constexpr size_t overflow_slots(int32_t count) { return count < 2 ? 0 : (static_cast<size_t>(count) + 3) / 4 * 4; }

// Makes room for slot count of an overflow array of elementSize-byte slots: none yet -> 4
// zero-filled slots; full (count a multiple of 4) -> count + 4 slots, the first count moved
// over; otherwise the array still has room. False when count is below 0, when the run already
// holds kSequenceMaxCount elements, or when the heap refuses (the array is then unchanged).
bool overflow_grow(void** array, int32_t count, size_t elementSize);

// Appends a zero-filled element to a head-inline sequence and returns it (the inline element
// when the sequence is empty), or null when the overflow array cannot grow.
template <class Sequence>
auto* sequence_append(Sequence* seq)
{
    using Element = decltype(seq->first);
    Element* slot = nullptr;
    if (seq->count < 0) return slot;
    if (seq->count == 0) {
        slot = &seq->first;
    } else {
        void* array = seq->elements;
        if (!overflow_grow(&array, seq->count, sizeof(Element))) return slot;
        seq->elements = static_cast<Element*>(array);
        slot = &seq->elements[seq->count];
    }
    std::memset(static_cast<void*>(slot), 0, sizeof(Element));
    ++seq->count;
    return slot;
}

// Element index of a head-inline sequence, or null outside 0..count-1 (or a missing array).
template <class Sequence>
auto* sequence_element(Sequence* seq, int32_t index)
{
    using Element = std::remove_reference_t<decltype((seq->first))>; // keeps the sequence's const
    Element* element = nullptr;
    if (index < 0 || index >= seq->count) return element;
    if (index == 0) return &seq->first;
    return seq->elements ? &seq->elements[index] : element;
}

} // namespace bacnapi
