// Helpers for the display-text tests: printing a value into a std::string, and values built from
// brace text.
#pragma once

#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

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

} // namespace display_test
