// CharacterString records: copying, conversion between character sets, and the exported
// functions built on them.
//
// A record keeps its bytes as they were given. Conversion happens only on request, through iconv,
// and always produces a fresh heap block that ends in at least one zero byte that the length does
// not count, so that readers treating the data as text find a terminator.
#include "charset/charstring.h"

#include "charset/iconv_converter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bacnapi {

namespace {

// The iconv window of one conversion step, and the zeroed slack allocated beyond it so that the
// output always ends with a zero byte.
constexpr size_t kStep = 64;
constexpr size_t kStepBlock = kStep + 1;

// Code page written in front of a DBCS target when the caller passes 0.
constexpr uint32_t kDefaultCodePage = 1252;

// Encoding name of every character set that is not DBCS (which names its code page); codes
// without a defined set are read and written as UTF-8.
const char* fixed_encoding(uint8_t characterSet) {
    switch (characterSet) {
    case BACNAPI_CHARSET_JIS:
        return "SHIFT_JIS";
    case BACNAPI_CHARSET_UCS4:
        return "UCS-4BE";
    case BACNAPI_CHARSET_UCS2:
        return "UCS-2BE";
    case BACNAPI_CHARSET_ISO8859_1:
        return "ISO-8859-1";
    default:
        return "UTF-8";
    }
}

void release(BACnetCharacterString* string) {
    std::free(string->data);
    std::memset(string, 0, sizeof *string);
}

} // namespace

int32_t charstring_copy(BACnetCharacterString* dst, const BACnetCharacterString* src) {
    if (dst == nullptr || src == nullptr) {
        return BACNAPI_E_INVALIDARG;
    }
    if (dst == src) {
        return BACNAPI_S_OK;
    }
    release(dst);
    dst->characterSet = src->characterSet;
    // A record without data holds nothing, whatever its length says.
    const uint64_t length = src->data != nullptr ? src->length : 0;
    dst->length = length;
    if (length == 0) {
        return BACNAPI_S_OK;
    }
    const bool terminated = src->data[length - 1] == '\0';
    const uint64_t size = terminated ? length : length + 1;
    char* data = static_cast<char*>(std::malloc(size));
    if (data == nullptr) {
        release(dst);
        return BACNAPI_E_OUTOFMEMORY;
    }
    std::memcpy(data, src->data, length);
    data[size - 1] = '\0';
    dst->data = data;
    return BACNAPI_S_OK;
}

int32_t charstring_convert(const BACnetCharacterString* src, BACnetCharacterString* dst, uint8_t target,
                           uint32_t codePage) {
    if (src == nullptr || dst == nullptr) {
        return BACNAPI_E_FAIL;
    }
    if (src->characterSet == target) {
        return charstring_copy(dst, src);
    }

    // The source: its encoding name and the bytes to convert.
    char sourceName[16];
    char* input = src->data;
    size_t inputLeft = src->data != nullptr ? static_cast<size_t>(src->length) : 0;
    if (src->characterSet == BACNAPI_CHARSET_DBCS) {
        // Two code-page bytes, high first, then at least one byte of text.
        if (inputLeft < 3) {
            return BACNAPI_E_FAIL;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(src->data);
        std::snprintf(sourceName, sizeof sourceName, "CP%d", bytes[0] * 256 + bytes[1]);
        input += 2;
        inputLeft -= 2;
    } else {
        std::snprintf(sourceName, sizeof sourceName, "%s", fixed_encoding(src->characterSet));
    }

    // The target: transliterating, so that characters it lacks come out as replacements rather
    // than ending the conversion.
    char targetName[40];
    const uint32_t page = codePage != 0 ? codePage : kDefaultCodePage;
    if (target == BACNAPI_CHARSET_DBCS) {
        std::snprintf(targetName, sizeof targetName, "CP%u//TRANSLIT", page);
    } else {
        std::snprintf(targetName, sizeof targetName, "%s//TRANSLIT", fixed_encoding(target));
    }

    IconvConverter converter(targetName, sourceName);
    if (!converter.is_open()) {
        return BACNAPI_E_FAIL;
    }

    char* output = nullptr;
    size_t outputLength = 0;
    if (target == BACNAPI_CHARSET_DBCS) {
        // A DBCS text starts with its code page, high byte first, counted in the length.
        output = static_cast<char*>(std::calloc(3, 1));
        if (output == nullptr) {
            return BACNAPI_E_OUTOFMEMORY; // nothing produced: never a DBCS text without its code page
        }
        output[0] = static_cast<char>((page >> 8) & 0xFF);
        output[1] = static_cast<char>(page & 0xFF);
        outputLength = 2;
    }

    // Grow by one window per step; iconv fills it, and reports E2BIG when it needs another.
    while (inputLeft > 0) {
        char* grown = static_cast<char*>(std::realloc(output, outputLength + kStepBlock));
        if (grown == nullptr) {
            break; // keep what was produced so far
        }
        output = grown;
        std::memset(output + outputLength, 0, kStepBlock);
        char* window = output + outputLength;
        size_t windowLeft = kStep;
        const size_t inputBefore = inputLeft;
        const size_t result = converter.convert(&input, &inputLeft, &window, &windowLeft);
        outputLength += kStep - windowLeft;
        if (result != static_cast<size_t>(-1) || errno != E2BIG) {
            break; // all input consumed, or invalid or incomplete input
        }
        if (windowLeft == kStep && inputLeft == inputBefore) {
            break; // a single character larger than a whole window: no progress is possible
        }
    }

    const int closed = converter.close();
    if (closed != 0 || outputLength == 0) {
        std::free(output);
        return BACNAPI_E_FAIL;
    }
    std::free(dst->data);
    std::memset(dst, 0, sizeof *dst);
    dst->characterSet = target;
    dst->data = output;
    dst->length = outputLength;
    return BACNAPI_S_OK;
}

} // namespace bacnapi

extern "C" {

BACNAPI_API int32_t bacnapi_string_transform(BACnetCharacterString* string, uint8_t target, uint32_t codePage) {
    if (string == nullptr) {
        return BACNAPI_E_FAIL;
    }
    BACnetCharacterString converted{};
    // Every failure, a refused allocation included, is BACNAPI_E_FAIL here.
    if (bacnapi::charstring_convert(string, &converted, target, codePage) != BACNAPI_S_OK) {
        std::free(converted.data); // nothing in practice: a failed conversion leaves it empty
        return BACNAPI_E_FAIL;
    }
    std::free(string->data);
    *string = converted;
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearCharacterString(BACnetCharacterString* string) {
    if (string != nullptr) {
        bacnapi::release(string);
    }
    return BACNAPI_S_OK;
}

} // extern "C"

const char* CBACnetCharacterString::GetString() {
    BACnetCharacterString* string = m_string;
    if (string == nullptr) {
        return "";
    }
    const uint8_t characterSet = string->characterSet;
    if (characterSet > BACNAPI_CHARSET_ISO8859_1) {
        return "";
    }
    if (characterSet != BACNAPI_CHARSET_UTF8) {
        // Converted in place, so later reads find UTF-8. On failure the record keeps its bytes
        // and those are what the caller gets.
        bacnapi_string_transform(string, BACNAPI_CHARSET_UTF8, 0);
    }
    return string->data != nullptr ? string->data : "";
}
