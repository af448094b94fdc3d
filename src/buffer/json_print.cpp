// Decimal numbers and JSON-style name/value members appended to a byte buffer.
//
// A member is "name":"value" with a comma in front when its index is positive; numbers are quoted
// like texts, and neither names nor texts are escaped. Each item is measured first and appended
// whole (or not at all when the buffer cannot grow), so its size is limited only by the buffer.
#include "text/number_format.h"
#include "buffer/byte_buffer.h"

#include <cstring>

namespace {

using bacnapi::BytePiece;

BytePiece text_piece(const char* text)
{
    return BytePiece{text, std::strlen(text)};
}

// Appends ,"name":"value" (the comma only for a positive index).
int32_t append_member(const char* name, BytePiece value, int32_t index, BACnetByteStream* stream)
{
    if (name == nullptr || stream == nullptr) return -1;
    const BytePiece pieces[] = {
        {",", index > 0 ? 1u : 0u}, {"\"", 1}, text_piece(name), {"\":\"", 3}, value, {"\"", 1},
    };
    return bacnapi::buffer_append_item(stream->buffer, pieces, sizeof pieces / sizeof pieces[0]);
}

} // namespace

extern "C" {

BACNAPI_API int32_t bacnapi_print(const char* text, BACnetByteStream* stream)
{
    if (text == nullptr || stream == nullptr) return -1;
    const BytePiece piece = text_piece(text);
    return bacnapi::buffer_append_item(stream->buffer, &piece, 1);
}

// The two value printers report 0 for an appended number and -1 when the buffer cannot grow.
BACNAPI_API int32_t bacnapi_print_int_val(int32_t value, BACnetByteStream* stream)
{
    if (stream == nullptr) return -1;
    char digits[bacnapi::kIntTextMax];
    const BytePiece piece{digits, bacnapi::format_int(digits, value)};
    return bacnapi::buffer_append_item(stream->buffer, &piece, 1) < 0 ? -1 : 0;
}

BACNAPI_API int32_t bacnapi_print_long_val(int64_t value, BACnetByteStream* stream)
{
    if (stream == nullptr) return -1;
    char digits[bacnapi::kLongTextMax];
    const BytePiece piece{digits, bacnapi::format_long(digits, value)};
    return bacnapi::buffer_append_item(stream->buffer, &piece, 1) < 0 ? -1 : 0;
}

BACNAPI_API int32_t bacnapi_print_int(const char* name, int32_t value, int32_t index, BACnetByteStream* stream)
{
    char digits[bacnapi::kIntTextMax];
    return append_member(name, BytePiece{digits, bacnapi::format_int(digits, value)}, index, stream);
}

BACNAPI_API int32_t bacnapi_print_long(const char* name, int64_t value, int32_t index, BACnetByteStream* stream)
{
    char digits[bacnapi::kLongTextMax];
    return append_member(name, BytePiece{digits, bacnapi::format_long(digits, value)}, index, stream);
}

BACNAPI_API int32_t bacnapi_print_text(const char* name, const char* text, int32_t index, BACnetByteStream* stream)
{
    if (text == nullptr) return -1;
    return append_member(name, text_piece(text), index, stream);
}

} // extern "C"
