// Fuzz target for the brace-text reader: the first byte picks a type code, the rest is the text.
// Build and run (clang):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBACNAPI_FUZZ=ON -DBACNAPI_BUILD_TESTS=OFF \
//     -DBACNAPI_BUILD_BENCH=OFF && cmake --build build-fuzz --target brace_fuzz
//   ./build-fuzz/brace_fuzz -max_total_time=60 -max_len=512 fuzz/corpus
// Whatever the text, reading must not crash or leak, and the value must be safe to clear; a value
// that reads successfully writes a text that reads back. (The written text need not be the same
// the second time: a date or time octet above 99 other than 255 is written with three digits and
// read back with two, as the format defines.)
#include <bacnapi/bacnapi.h>

#include "../tests/support/release_value.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string write(const BACnetDataType& value, int32_t* status)
{
    char* text = nullptr;
    *status = bacnapi_asn1_string_get(&text, &value);
    std::string out = text ? text : "";
    bacnapi_free(text);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int32_t type = data[0] % 160; // every code, including those without a descriptor
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    BACnetDataType value{};
    const int32_t read = bacnapi_asn1_string_set(&value, text.c_str(), type);
    if (read == 0) {
        int32_t status = 0;
        const std::string first = write(value, &status);
        if (status == 0) {
            BACnetDataType again{};
            if (bacnapi_asn1_string_set(&again, first.c_str(), type) != 0) std::abort();
            (void)write(again, &status);
            if (status != 0) std::abort();
            release_value(&again);
        }
    }
    release_value(&value);
    return 0;
}
