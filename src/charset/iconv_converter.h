// A converter between two character encodings, owning one iconv descriptor.
#pragma once

#include <cerrno>
#include <cstddef>
#include <iconv.h>

namespace bacnapi {

class IconvConverter {
public:
    // Opens a converter from the encoding named from into the one named to (iconv_open takes
    // the target first). is_open() tells whether the platform knows both names.
    IconvConverter(const char* to, const char* from) noexcept : handle_(iconv_open(to, from)) {}

    ~IconvConverter() { close(); }

    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool is_open() const noexcept { return handle_ != invalid(); }

    // One iconv call: converts from *in (advancing it and lowering *inLeft) into *out (advancing
    // it and lowering *outLeft). Returns what iconv returns; errno tells why it stopped.
    size_t convert(char** in, size_t* inLeft, char** out, size_t* outLeft) noexcept {
        return iconv(handle_, in, inLeft, out, outLeft);
    }

    // Releases the descriptor. Returns iconv_close's result (0 also when nothing was open). errno
    // is left as the conversion left it, so a caller can still tell why the conversion stopped.
    int close() noexcept {
        if (!is_open()) {
            return 0;
        }
        const int savedErrno = errno;
        const int result = iconv_close(handle_);
        handle_ = invalid();
        errno = savedErrno;
        return result;
    }

private:
    static iconv_t invalid() noexcept { return reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_;
};

} // namespace bacnapi
