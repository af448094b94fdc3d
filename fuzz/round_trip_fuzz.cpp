// Fuzz target for the round trip as a property: the first byte picks a type code (every code,
// including those without a descriptor), the rest is the text. Whatever value the text reads into:
//  - write, read again, write again: from the second written text on, every round gives the same
//    text (the first may still differ from the second: a date or time octet read from a negative
//    number, such as 251 from "-5", is written with three digits and read back with two);
//  - copy: a copy that succeeds writes the same text as its source, and compares equal to it
//    whenever the source compares equal to itself (codes without a comparison answer -1);
//  - clear: the value, the copy and every value read on the way are released without a leak
//    (the fuzzer's leak check sees it).
// Build and run (clang):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBACNAPI_FUZZ=ON -DBACNAPI_BUILD_TESTS=OFF \
//     -DBACNAPI_BUILD_BENCH=OFF && cmake --build build-fuzz --target round_trip_fuzz
//   ./build-fuzz/round_trip_fuzz -max_total_time=60 -max_len=512 fuzz/corpus
#include <bacnapi/bacnapi.h>

#include "../tests/support/release_value.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Written {
    int32_t status;
    std::string text;
};

Written write(const BACnetDataType& value)
{
    char* text = nullptr;
    Written w{bacnapi_asn1_string_get(&text, &value), text ? text : ""};
    bacnapi_free(text);
    return w;
}

// Reads text as type and writes the value again; the value is released.
Written round(const std::string& text, int32_t type)
{
    BACnetDataType value{};
    if (bacnapi_asn1_string_set(&value, text.c_str(), type) != 0) std::abort(); // a written text reads
    const Written w = write(value);
    release_value(&value);
    return w;
}

void check(bool holds)
{
    if (!holds) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int32_t type = data[0] % 160;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    BACnetDataType value{};
    const int32_t read = bacnapi_asn1_string_set(&value, text.c_str(), type);
    const Written first = write(value);
    if (read == 0 && first.status == 0) {
        const Written second = round(first.text, type);
        check(second.status == 0);
        const Written third = round(second.text, type);
        check(third.status == 0 && third.text == second.text);
    }

    BACnetDataType copy{};
    if (bacnapi_access_BACnetData(&copy, &value, -1, 1) == 0) {
        const Written copied = write(copy);
        check(copied.status == first.status);
        if (first.status == 0) check(copied.text == first.text);
        if (bacnapi_CompareBACnetDataType(&value, &value) == 0) {
            check(bacnapi_CompareBACnetDataType(&copy, &value) == 0);
            check(bacnapi_CompareBACnetDataType(&value, &copy) == 0);
        }
    }
    release_value(&copy);
    release_value(&value);
    return 0;
}
