// Reading JSON into a value, behind bacnapi_json_set. Internal to the library.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>

namespace bacnapi::json {

enum class ReadMode {
    Whole,    // the whole text is parsed into a tree, then read from it
    Listwise, // a text that is one list is read element by element; any other (or one that
              // fails that way) as Whole reads it
};

struct ReadOutcome {
    int32_t status = 0;
    uint64_t offset = 0;          // of the fault, when status is not 0
    const char* reason = nullptr; // a static phrase, when status is not 0
    bool listwise = false;        // the text was read element by element
};

// Reads text into value as bacnapi_json_set does (type -1: the type the envelope names). Both
// modes give the same value, status, offset and reason for every text, but for a refusal of the
// heap.
ReadOutcome read_json_text(BACnetDataType* value, const char* text, int32_t type, ReadMode mode);

} // namespace bacnapi::json
