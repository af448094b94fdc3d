// Helpers shared by the accessor tests: calling any typed accessor through one signature, host
// records in plain storage, and values read from and written as brace text.
#pragma once

#include <bacnapi/bacnapi.h>

#include "support/heap_watch.h"
#include "support/release_value.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace access_test {

constexpr uint8_t kGet = 1, kSet = 0;

// Any accessor, called with an untyped host pointer.
using Accessor = int32_t (*)(void* host, BACnetDataType* value, uint8_t flag);

template <auto F>
struct Erased;
template <class Host, int32_t (*F)(Host*, BACnetDataType*, uint8_t)>
struct Erased<F> {
    static int32_t call(void* host, BACnetDataType* value, uint8_t flag) { return F(static_cast<Host*>(host), value, flag); }
    static constexpr size_t size = sizeof(Host);
};

// Storage for a host variable or record of any type, filled with one byte pattern.
struct HostBuffer {
    alignas(std::max_align_t) unsigned char bytes[1024];
    explicit HostBuffer(unsigned char fill = 0) { std::memset(bytes, fill, sizeof bytes); }
    void* get() { return bytes; }
};

inline BACnetDataType parse(int32_t type, const std::string& text)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set(&v, text.c_str(), type), 0) << type << ": " << text;
    return v;
}

// The brace text of a value, "?" when it has none.
inline std::string text_of(const BACnetDataType& v)
{
    char* text = nullptr;
    const std::string out = bacnapi_asn1_string_get(&text, &v) == 0 && text ? text : "?";
    bacnapi_free(text);
    return out;
}

// A value holding a list, so that a set over it has something to release.
inline BACnetDataType some_list() { return parse(BACNAPI_TYPE_ListOfUnsigned, "{{4},{5},{6}}"); }

} // namespace access_test
