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

namespace {

// The iconv name of the source's encoding in `name`, and the bytes to convert. False for a DBCS text
// too short to hold its code page and a character.
bool source_encoding(const BACnetCharacterString* src, char (&name)[16], char** input, size_t* inputLeft) {
    *input = src->data;
    *inputLeft = src->data != nullptr ? static_cast<size_t>(src->length) : 0;
    if (src->characterSet != BACNAPI_CHARSET_DBCS) {
        std::snprintf(name, sizeof name, "%s", fixed_encoding(src->characterSet));
        return true;
    }
    // Two code-page bytes, high first, then at least one byte of text.
    if (*inputLeft < 3) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(src->data);
    std::snprintf(name, sizeof name, "CP%d", bytes[0] * 256 + bytes[1]);
    *input += 2;
    *inputLeft -= 2;
    return true;
}

// The iconv name of the target encoding, transliterating, so that characters it lacks come out as
// replacements rather than ending the conversion.
void target_encoding(uint8_t target, uint32_t page, char (&name)[40]) {
    if (target == BACNAPI_CHARSET_DBCS) {
        std::snprintf(name, sizeof name, "CP%u//TRANSLIT", page);
    } else {
        std::snprintf(name, sizeof name, "%s//TRANSLIT", fixed_encoding(target));
    }
}

// Converts the input onto the end of *output, growing it by one window per step; iconv fills the
// window and reports E2BIG when it needs another. Stops, keeping what was produced, when the
// input is used up, is invalid or incomplete, or the heap refuses the next window.
void convert_windows(IconvConverter& converter, char* input, size_t inputLeft, char** output, size_t* outputLength) {
    while (inputLeft > 0) {
        char* grown = static_cast<char*>(std::realloc(*output, *outputLength + kStepBlock));
        if (grown == nullptr) {
            return; // keep what was produced so far
        }
        *output = grown;
        std::memset(grown + *outputLength, 0, kStepBlock);
        char* window = grown + *outputLength;
        size_t windowLeft = kStep;
        const size_t inputBefore = inputLeft;
        const size_t result = converter.convert(&input, &inputLeft, &window, &windowLeft);
        *outputLength += kStep - windowLeft;
        if (result != static_cast<size_t>(-1) || errno != E2BIG) {
            return; // all input consumed, or invalid or incomplete input
        }
        if (windowLeft == kStep && inputLeft == inputBefore) {
            return; // a single character larger than a whole window: no progress is possible
        }
    }
}

} // namespace

int32_t charstring_convert(const BACnetCharacterString* src, BACnetCharacterString* dst, uint8_t target,
                           uint32_t codePage) {
    if (src == nullptr || dst == nullptr) {
        return BACNAPI_E_FAIL;
    }
    if (src->characterSet == target) {
        return charstring_copy(dst, src);
    }
    char sourceName[16];
    char* input = nullptr;
    size_t inputLeft = 0;
    if (!source_encoding(src, sourceName, &input, &inputLeft)) {
        return BACNAPI_E_FAIL;
    }
    char targetName[40];
    const uint32_t page = codePage != 0 ? codePage : kDefaultCodePage;
    target_encoding(target, page, targetName);

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
    convert_windows(converter, input, inputLeft, &output, &outputLength);

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
