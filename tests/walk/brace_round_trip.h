// Helpers for the brace-text tests of the walk functions: list text, writing, and a round trip.
#pragma once

#include <bacnapi/bacnapi.h>

#include "support/release_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bacnapi::brace_test {

// A list or run: every element in its own braces, "{{a},{b}}".
inline std::string list_text(const std::vector<std::string>& elements)
{
    std::string out = "{";
    for (size_t i = 0; i < elements.size(); ++i) out += (i ? ",{" : "{") + elements[i] + "}";
    return out + "}";
}

inline int32_t write_text(const BACnetDataType& value, std::string* out)
{
    char* text = nullptr;
    const int32_t status = bacnapi_asn1_string_get(&text, &value);
    *out = text ? text : "";
    bacnapi_free(text);
    return status;
}

// Parses canonical text as `type`: writing it must give the text back, and a second parse of what
// was written must write it byte-identically again.
inline void expect_round_trip(int32_t type, const std::string& text)
{
    SCOPED_TRACE("type " + std::to_string(type) + ": " + text);
    BACnetDataType first{}, second{};
    std::string written, rewritten;
    EXPECT_EQ(bacnapi_asn1_string_set(&first, text.c_str(), type), 0);
    EXPECT_EQ(write_text(first, &written), 0);
    EXPECT_EQ(written, text);
    EXPECT_EQ(bacnapi_asn1_string_set(&second, written.c_str(), type), 0);
    EXPECT_EQ(write_text(second, &rewritten), 0);
    EXPECT_EQ(rewritten, written);
    release_value(&first);
    release_value(&second);
}

} // namespace bacnapi::brace_test
