// A growable heap text that appends pieces in amortized constant time per byte.
//
// The sink works directly on a caller's text pointer: it starts from the text the pointer holds
// (measured once), and every time the block moves the pointer is updated, so the caller holds a
// valid NUL-terminated text of everything appended so far at any moment, also when a walk stops
// part way. The bytes are exactly those that appending each piece with an exact reallocation
// would give; only the block may be larger until finish() trims it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bacnapi {

class TextSink {
public:
    // owner: the caller's text pointer (null text, or a NUL-terminated malloc block). The sink
    // does not allocate until the first append.
    explicit TextSink(char** owner);

    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;

    // Appends n bytes. 0, or BACNAPI_E_FAIL (no text pointer, size overflow, heap refusal) with
    // the text as it was. Appending 0 bytes still makes a text exist ("" rather than null).
    int32_t append(const char* piece, size_t n);
    int32_t append_char(char c) { return append(&c, 1); }

    // Trims the block to the text's exact size (when the heap agrees; otherwise it stays larger).
    void finish();

    size_t length() const { return length_; }

private:
    int32_t reserve(size_t extra);

    char** owner_;
    size_t length_ = 0;
    size_t capacity_ = 0; // bytes known to be usable in *owner_, terminator included
};

} // namespace bacnapi
