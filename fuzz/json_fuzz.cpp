// Fuzz target for the JSON reader: the first byte picks a type code (255: take it from the
// envelope) and whether names are written, the rest is the text.
// Build and run (clang):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBACNAPI_FUZZ=ON -DBACNAPI_BUILD_TESTS=OFF \
//     -DBACNAPI_BUILD_BENCH=OFF && cmake --build build-fuzz --target json_fuzz
//   ./build-fuzz/json_fuzz -max_total_time=60 -max_len=512 fuzz/corpus-json
// Whatever the text, reading must not crash or leak, a failure must say why, and the value must
// be safe to clear. A text that is one list is read element by element: reading it whole must
// give the same status, offset, reason and value. A value that reads successfully writes JSON
// that reads back and writes the same JSON again.
#include <bacnapi/bacnapi.h>

#include "json/reader.h"
#include "../tests/support/release_value.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string write(const BACnetDataType& value, uint32_t flags, int32_t* status)
{
    char* text = nullptr;
    *status = bacnapi_json_get(&text, &value, flags);
    std::string out = text ? text : "";
    bacnapi_free(text);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int32_t type = data[0] == 255 ? -1 : data[0] % 160; // also codes without a descriptor
    const uint32_t flags = data[0] & 1 ? BACNAPI_JSON_NAMES : 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    BACnetDataType value{};
    uint64_t offset = 0;
    const char* reason = nullptr;
    const int32_t read = bacnapi_json_set(&value, text.c_str(), type, &offset, &reason);
    if (read != 0 && (!reason || offset > text.size())) std::abort();
    BACnetDataType whole{};
    const bacnapi::json::ReadOutcome w =
        bacnapi::json::read_json_text(&whole, text.c_str(), type, bacnapi::json::ReadMode::Whole);
    if (w.status != read) std::abort();
    if (read != 0 && (w.offset != offset || std::strcmp(w.reason, reason) != 0)) std::abort();
    if (read == 0) { // by their text: not every type compares
        int32_t status = 0;
        int32_t wholeStatus = 0;
        if (write(whole, flags, &wholeStatus) != write(value, flags, &status) || wholeStatus != status) std::abort();
    }
    release_value(&whole);
    if (read == 0) {
        int32_t status = 0;
        const std::string first = write(value, flags, &status);
        if (status == 0) {
            BACnetDataType again{};
            if (bacnapi_json_set(&again, first.c_str(), -1, nullptr, nullptr) != 0) std::abort();
            if (write(again, flags, &status) != first || status != 0) std::abort();
            release_value(&again);
        }
    }
    release_value(&value);
    return 0;
}
