// Internal services of the value layer, shared with the walker and the other subsystems.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>
#include <cstring>

namespace bacnapi {

// ---- Octet and bit strings (octets.cpp) ----
// Replace the octets by count uninitialised octets. 0 or BACNAPI_E_OUTOFMEMORY (string empty).
int32_t octets_allocate(BACnetOctetString* octets, uint64_t count);
// Replace the octets by a copy of count source octets. 0 or BACNAPI_E_OUTOFMEMORY.
int32_t octets_set(BACnetOctetString* octets, const uint8_t* source, uint64_t count);
// Replace a bit string by a copy of count octets (one per bit). 0 or BACNAPI_E_OUTOFMEMORY.
int32_t bits_set(BACnetBitString* bits, const uint8_t* source, uint64_t count);
// Temporary octet string for walk functions whose record holds a short fixed byte array:
// a heap record holding a copy of count bytes. 0 or BACNAPI_E_OUTOFMEMORY (*out null); the
// walker reports the refusal as its own status.
int32_t temp_octets_create(const uint8_t* bytes, uint64_t count, BACnetOctetString** out);
// Releases a temporary octet string record and its octets (null is ignored).
void temp_octets_release(BACnetOctetString* temp);

// ---- Lists (array_reserve.cpp) ----
// Guarantees n free slots: when fewer are free, grows the capacity by exactly n (new slots Null).
// 0, BACNAPI_E_OUTOFMEMORY (list unchanged) or BACNAPI_E_FAIL for a null list.
int32_t array_reserve(BACnetValueList* list, uint32_t n);

// ---- Clear (clear_*.cpp) ----
// Zero-fills a record in place (the last step of most Clear operations).
template <class Record>
void zero_record(Record* record)
{
    std::memset(record, 0, sizeof *record);
}

// Releases what the value owns, recursively, and leaves it Null.
void clear_value(BACnetDataType* value);
// Releases what a record of the given type owns (its strings, nested values, lists), as the
// record's Clear operation does; the record itself stays where it is.
void release_record_parts(int32_t type, void* record);

// ---- Copy (copy_*.cpp) ----
// The deep copy: index -1 whole value, 0 element count, k element k (or store as element k).
int32_t copy_value(BACnetDataType* destination, const BACnetDataType* source, int32_t index);
// Copy of one record of the given type code into another (destination released first).
int32_t copy_record(int32_t type, void* destination, const void* source);

} // namespace bacnapi
