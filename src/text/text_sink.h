// A growable heap text that appends pieces in amortized constant time per byte.
//
// The sink works directly on a caller's text pointer: it starts from the text the pointer holds
// (measured once), and every time the block moves the pointer is updated. The terminating NUL is
// written once, when the sink is finished or goes away (also when a walk stops part way), not
// behind every piece: a second store per piece doubles the stores that wait for memory once the
// text outgrows the caches. So the caller holds a valid NUL-terminated text of everything
// appended as soon as the sink is done with it. The bytes are exactly those that appending each
// piece with an exact reallocation would give; only the block may be larger than the text.
//
// The sink asks the heap how large a block really is (malloc_usable_size where the platform has
// it), so a caller that appends to the same text again and again finds the room left over from
// the last call instead of reallocating every time.
#pragma once

#include <bacnapi/bacnapi_types.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bacnapi {

class TextSink {
public:
    // owner: the caller's text pointer (null text, or a NUL-terminated malloc block). The sink
    // does not allocate until the first append.
    explicit TextSink(char** owner);

    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;
    ~TextSink() { terminate(); }

    // Appends n bytes. 0, or BACNAPI_E_FAIL (no text pointer, size overflow, heap refusal) with
    // the text as it was. Appending 0 bytes still makes a text exist ("" rather than null).
    int32_t append(const char* piece, size_t n)
    {
        if (!piece) return BACNAPI_E_FAIL;
        char* area = room(n);
        if (!area) return BACNAPI_E_FAIL;
        std::memcpy(area, piece, n);
        commit(n);
        return BACNAPI_S_OK;
    }
    int32_t append_char(char c)
    {
        // The members are read once, before the byte is stored: a store through a char pointer
        // could otherwise be taken to change them, and they would be read again behind it. The
        // room for the terminator is kept free.
        const size_t length = length_;
        char* const data = data_;
        if (data && 1 < capacity_ - length) {
            data[length] = c;
            length_ = length + 1;
            return BACNAPI_S_OK;
        }
        return append(&c, 1);
    }

    // Makes room for `extra` more bytes at once, for a writer that knows the size of what comes:
    // a block that must grow grows to exactly that, or by the usual half again when that is more
    // (so reserving piece by piece stays amortized). 0 or BACNAPI_E_FAIL as append.
    int32_t reserve(size_t extra)
    {
        if (data_ && extra < capacity_ - length_) return BACNAPI_S_OK;
        return reserve_more(extra);
    }

    // Room for n more bytes behind the text (and its terminator), for a writer that formats in
    // place: the bytes it writes there count once it commits them. Null where append would fail.
    // The area is valid until the next call that may grow the text.
    char* room(size_t n)
    {
        if (data_ && n < capacity_ - length_) return data_ + length_;
        return grow_for(n);
    }
    // Takes n bytes written at room() into the text (n no more than the room asked for).
    void commit(size_t n) { length_ += n; }

    // Appends n bytes that the caller writes itself into the returned area (room and commit in
    // one); null, with the text as it was, where append would fail.
    char* extend(size_t n)
    {
        char* area = room(n);
        if (area) commit(n);
        return area;
    }

    // Takes the text back to its first `length` bytes (no more than it holds), keeping the block.
    void truncate(size_t length)
    {
        if (length <= length_) length_ = length;
    }

    // Terminates the text and returns a block that is more than half unused to the heap (when the
    // heap agrees). Smaller slack stays, ready for the caller's next append to the same text.
    void finish();

    size_t length() const { return length_; }

private:
    // Writes the terminator behind the text (there is always room for it once a block exists).
    void terminate()
    {
        if (data_) data_[length_] = '\0';
    }
    char* grow_for(size_t n);
    int32_t reserve_more(size_t extra);
    bool fits_callers_block(size_t need);
    int32_t grow_to(size_t need, size_t wanted);

    char** owner_;
    char* data_ = nullptr; // *owner_ as the sink last saw it (it alone moves the block): one load less per piece
    size_t length_ = 0;
    size_t capacity_ = 0; // bytes known to be usable in *owner_, terminator included
    bool callerMeasured_ = false; // the real size of the block the sink started from was asked
};

} // namespace bacnapi
