// The get/set protocol that every typed accessor follows, written once.
//
// flag 0 sets: the value is cleared, initialised to the accessor's type and filled from the host
// variable. Any other flag gets: the value's datum is copied into the host variable, and a value
// of another type is left alone (status 0, or BACNAPI_E_INVALIDARG for the accessors that say
// so). A get never changes the value.
#pragma once

#include "value/copy_internal.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <cstdint>
#include <cstring>

namespace bacnapi {

// Releases what the value holds and makes it a fresh value of type. 0, or BACNAPI_E_INVALIDARG
// when initialisation fails (the value is then safe to clear).
inline int32_t reset_value_as(BACnetDataType* value, int32_t type)
{
    clear_value(value);
    return bacnapi_initialize_data(value, type) == BACNAPI_S_OK ? BACNAPI_S_OK : BACNAPI_E_INVALIDARG;
}

// ---- Inline payloads: the application types and SignedLong ----

// When a set looks at the host pointer: before the value is touched, or after it was cleared and
// initialised (the value is then left as an empty value of the accessor's type).
enum class HostCheck { BeforeReset, AfterReset };

// The host variable has the layout of the payload member of type Code, which lies at the start
// of the payload like every member of the union, so both directions are one byte copy.
template <class Host, int32_t Code, HostCheck Check, int32_t Mismatch = BACNAPI_S_OK>
int32_t access_inline(Host* host, BACnetDataType* value, uint8_t flag)
{
    static_assert(sizeof(Host) <= sizeof(value->payload));
    if (value == nullptr) return BACNAPI_E_INVALIDARG;
    if (flag != 0) {
        if (value->type != Code) return Mismatch;
        if (host == nullptr) return BACNAPI_E_INVALIDARG;
        std::memcpy(host, &value->payload, sizeof(Host));
        return BACNAPI_S_OK;
    }
    if (Check == HostCheck::BeforeReset && host == nullptr) return BACNAPI_E_INVALIDARG;
    Host datum{}; // read first: the host variable may lie in the value being replaced
    if (host != nullptr) std::memcpy(&datum, host, sizeof(Host));
    if (reset_value_as(value, Code) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
    if (host == nullptr) return BACNAPI_E_INVALIDARG;
    std::memcpy(&value->payload, &datum, sizeof(Host));
    return BACNAPI_S_OK;
}

// ---- Records of the constructed types ----

// Get copies the value's record into the host record with the record copy of type Code (the one
// the deep copy of values uses, which releases what the host record held); set gives the value a
// fresh record of type Code and copies the host record into it. A value without a record (a broken value) gives BACNAPI_E_INVALIDARG, never a crash.
template <int32_t Code, class Record>
int32_t access_record(Record* host, BACnetDataType* value, uint8_t flag)
{
    // A row of the catalogue that names the wrong record for its type code shows here.
    static_assert(record_size_of(Code) == sizeof(Record), "record type does not match the type code");
    if (value == nullptr) return BACNAPI_E_INVALIDARG;
    if (flag != 0) {
        if (value->type != Code) return BACNAPI_S_OK;
        if (host == nullptr || value->payload.record == nullptr) return BACNAPI_E_INVALIDARG;
        return copy_record(Code, host, value->payload.record);
    }
    // Storing a value's own record into it: it holds that already, and clearing first would
    // free the very record to be read.
    if (host != nullptr && value->type == Code && host == value->payload.record) return BACNAPI_S_OK;
    if (reset_value_as(value, Code) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
    if (host == nullptr || value->payload.record == nullptr) return BACNAPI_E_INVALIDARG;
    return copy_record(Code, value->payload.record, host);
}

} // namespace bacnapi
