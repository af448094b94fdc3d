// Helpers for the display-text tests: printing a value into a std::string, values built from
// brace text or by hand, and caller texts on the heap.
#pragma once

#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace display_test {

// The display text of value appended to nothing; "(null)" when no text came back.
inline int32_t display(const BACnetDataType& value, std::string* out)
{
    char* text = nullptr;
    const int32_t status = bacnapi_string_get(&text, &value);
    *out = text ? text : "(null)";
    bacnapi_string_destroy(text);
    return status;
}

// A value read from brace text as the given type; the test fails when the text does not read.
class Parsed {
public:
    Parsed(int32_t type, const std::string& brace)
    {
        EXPECT_EQ(bacnapi_asn1_string_set(&value_, brace.c_str(), type), 0) << "type " << type << ": " << brace;
    }
    ~Parsed() { release_value(&value_); }
    Parsed(const Parsed&) = delete;
    Parsed& operator=(const Parsed&) = delete;
    BACnetDataType& value() { return value_; }

private:
    BACnetDataType value_{};
};

inline char* heap_text(const char* s) { return static_cast<char*>(std::memcpy(std::malloc(std::strlen(s) + 1), s, std::strlen(s) + 1)); }

template <class Record>
Record* record_of(BACnetDataType& v)
{
    return static_cast<Record*>(v.payload.record);
}

// A value of the given type as initialise leaves it.
inline BACnetDataType fresh(int32_t type)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), 0) << type;
    return v;
}

inline BACnetDataType unsigned_value(uint32_t n)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Unsigned;
    v.payload.unsignedValue = n;
    return v;
}

// Appends element to a list value (the list takes it over).
inline void push(BACnetDataType& list, const BACnetDataType& element)
{
    BACnetValueList* l = list.payload.list;
    if (l->count == l->capacity) {
        l->capacity += 4;
        l->elements = static_cast<BACnetDataType*>(std::realloc(l->elements, l->capacity * sizeof(BACnetDataType)));
        std::memset(static_cast<void*>(l->elements + l->count), 0, 4 * sizeof(BACnetDataType));
    }
    l->elements[l->count++] = element;
}

} // namespace display_test
