// A growable heap text that appends pieces in amortized constant time per byte.
//
// The sink works directly on a caller's text pointer: it starts from the text the pointer holds
// (measured once), and every time the block moves the pointer is updated, so the caller holds a
// valid NUL-terminated text of everything appended so far at any moment, also when a walk stops
// part way. The bytes are exactly those that appending each piece with an exact reallocation
// would give; only the block may be larger than the text.
//
// The sink asks the heap how large a block really is (malloc_usable_size where the platform has
// it), so a caller that appends to the same text again and again finds the room left over from
// the last call instead of reallocating every time.
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

    // Makes room for `extra` more bytes at once, for a writer that knows the size of what comes:
    // a block that must grow grows to exactly that, or by the usual half again when that is more
    // (so reserving piece by piece stays amortized). 0 or BACNAPI_E_FAIL as append.
    int32_t reserve(size_t extra);

    // Appends n bytes that the caller writes itself into the returned area, which is only valid
    // until the next call on the sink; null (text as it was) where append would fail. The text
    // is terminated behind the area, so it is whole whatever the caller writes there.
    char* extend(size_t n);

    // Returns a block that is more than half unused to the heap (when the heap agrees). Smaller
    // slack stays, ready for the caller's next append to the same text.
    void finish();

    size_t length() const { return length_; }

private:
    int32_t grow_to(size_t need, size_t wanted);

    char** owner_;
    size_t length_ = 0;
    size_t capacity_ = 0; // bytes known to be usable in *owner_, terminator included
};

} // namespace bacnapi
