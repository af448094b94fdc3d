// Small builders shared by the brace-text tests.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

namespace brace_test {

// A list value of the given list type holding copies of the given (shallow) elements; the list
// owns them afterwards.
inline BACnetDataType make_list(int32_t listType, std::initializer_list<BACnetDataType> elements)
{
    BACnetDataType v{};
    v.type = listType;
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    const size_t n = elements.size();
    list->capacity = static_cast<uint32_t>(n);
    list->count = static_cast<uint32_t>(n);
    list->elements = n ? static_cast<BACnetDataType*>(std::calloc(n, sizeof(BACnetDataType))) : nullptr;
    size_t i = 0;
    for (const auto& e : elements) list->elements[i++] = e;
    v.payload.list = list;
    return v;
}

inline BACnetDataType word(int32_t type, uint32_t w)
{
    BACnetDataType v{};
    v.type = type;
    v.payload.unsignedValue = w;
    return v;
}

// A CharacterString value owning a heap copy of text (UTF-8, terminator counted).
inline BACnetDataType text_value(const char* text)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_CharacterString;
    const size_t n = std::strlen(text) + 1;
    v.payload.characterString.data = static_cast<char*>(std::malloc(n));
    std::memcpy(v.payload.characterString.data, text, n);
    v.payload.characterString.length = n;
    return v;
}

struct Written {
    int32_t status;
    std::string text;
    bool isNull;
};

// Writes v (after the optional start text) and frees the result.
inline Written write_value(const BACnetDataType& v, const char* start = nullptr)
{
    char* text = nullptr;
    if (start) {
        text = static_cast<char*>(std::malloc(std::strlen(start) + 1));
        std::strcpy(text, start);
    }
    const int32_t status = bacnapi_asn1_string_get(&text, &v);
    Written w{status, text ? text : "", text == nullptr};
    bacnapi_free(text);
    return w;
}

} // namespace brace_test
