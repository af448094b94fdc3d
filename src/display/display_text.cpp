// The exported display-text functions: printing a value, releasing printed text, and storing a
// text as a UTF-8 CharacterString.
#include "display/form.h"

#include "value/copy_internal.h"

#include <cstdlib>
#include <cstring>

using namespace bacnapi;

extern "C" {

BACNAPI_API int32_t bacnapi_string_get(char** text, const BACnetDataType* value)
{
    if (!text) return BACNAPI_E_FAIL;
    int32_t status = BACNAPI_E_FAIL;
    {
        display::Printer printer(text);
        if (value) status = display::print_value(printer, value);
        if (status == BACNAPI_S_OK) printer.finish();
    }
    if (status != BACNAPI_S_OK) {
        // A failed print loses the caller's text too: nothing half-printed is handed back.
        std::free(*text);
        *text = nullptr;
        return BACNAPI_E_FAIL;
    }
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_string_destroy(char* text)
{
    std::free(text);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_string_set(BACnetDataType* value, const char* text)
{
    if (!value) return BACNAPI_E_INVALIDARG;
    bacnapi_ClearBACnetDataType(value);
    if (bacnapi_initialize_data(value, BACNAPI_TYPE_CharacterString) != BACNAPI_S_OK) return BACNAPI_E_INVALIDARG;
    // Stored through the CharacterString accessor, so both setters behave alike; the stored
    // length counts the terminating NUL.
    BACnetCharacterString source{};
    source.characterSet = BACNAPI_CHARSET_UTF8;
    source.data = const_cast<char*>(text);
    source.length = text ? std::strlen(text) + 1 : 0;
    return bacnapi_access_string(&source, value, 0);
}

} // extern "C"
