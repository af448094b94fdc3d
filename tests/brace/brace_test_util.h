// Small builders shared by the brace-text tests.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

namespace brace_test {

inline BACnetDataType word(int32_t type, uint32_t w)
{
    BACnetDataType v{};
    v.type = type;
    v.payload.unsignedValue = w;
    return v;
}

// A list value holding the given elements, which it owns afterwards.
inline BACnetDataType make_list(int32_t listType, std::initializer_list<BACnetDataType> elements)
{
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = static_cast<uint32_t>(elements.size());
    list->elements = static_cast<BACnetDataType*>(std::calloc(elements.size() + 1, sizeof(BACnetDataType)));
    size_t i = 0;
    for (const auto& e : elements) list->elements[i++] = e;
    BACnetDataType v{};
    v.type = listType;
    v.payload.list = list;
    return v;
}

// The value the parser reads from text as type (callers check it through its written text).
inline BACnetDataType parsed(const char* text, int32_t type)
{
    BACnetDataType v{};
    bacnapi_asn1_string_set(&v, text, type);
    return v;
}

// What snprintf makes of v.
inline std::string printed(const char* format, auto v)
{
    char buf[512];
    return std::string(buf, static_cast<size_t>(std::snprintf(buf, sizeof buf, format, v)));
}

struct Written { int32_t status; std::string text; bool isNull; };

// Writes v behind the optional start text; the text is freed.
inline Written write_value(const BACnetDataType& v, const char* start = nullptr)
{
    char* text = start ? strdup(start) : nullptr;
    const int32_t status = bacnapi_asn1_string_get(&text, &v);
    Written w{status, text ? text : "", text == nullptr};
    bacnapi_free(text);
    return w;
}

} // namespace brace_test
