// bacnapi types, property, compare and charset.
#include "commands.h"
#include "line_input.h"
#include "tool.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fnmatch.h>

namespace tool {

namespace {

// Codes that have no display text: the unassigned codes and SignedLong, the records that only
// print inside another, the reserved codes, ListOfBoolean, and every alternative and service
// record from 126 up.
bool has_display_form(int32_t code)
{
    static constexpr int32_t kNone[] = {13, 14, 15, 16, 17, 18, 19, 20, 29, 31, 34, 35, 40, 41, 66,
                                        67, 68, 85, 86, 91, 99, 100, 108, 109, 114, 115};
    if (code >= 126) return false;
    for (int32_t none : kNone) {
        if (none == code) return false;
    }
    return true;
}

// Brace text exists for a type when the reader accepts it as a destination: reading the empty
// text then succeeds (an empty octet string, any token for Null) or fails on the text
// (BACNAPI_E_FAIL), not on the type (the walker's -1002 and -1003).
bool has_brace_form(int32_t code)
{
    BACnetDataType value{};
    const int32_t status = bacnapi_asn1_string_set(&value, "", code);
    release(&value);
    return status == BACNAPI_S_OK || status == BACNAPI_E_FAIL;
}

// Offset of the first character that breaks "pairs of hex digits" (the length when a digit is
// left over), or npos.
size_t invalid_hex_at(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return i;
    }
    return text.size() % 2 ? text.size() : std::string::npos;
}

bool matches(const std::string& pattern, const char* name)
{
    if (pattern.empty()) return true;
    const bool wildcard = pattern.find_first_of("*?[") != std::string::npos;
    const std::string glob = wildcard ? pattern : "*" + pattern + "*";
    return fnmatch(glob.c_str(), name, FNM_CASEFOLD) == 0;
}

// Reads one comparison operand; false (reported) when it cannot be read.
bool read_operand(const TypeOperand& operand, const std::string& text, const char* name, BACnetDataType* value)
{
    const size_t bad = invalid_utf8_at(text);
    if (bad != std::string::npos) {
        report(position(name, 1, bad + 1), "invalid UTF-8");
        return false;
    }
    uint64_t offset = 0;
    const char* reason = nullptr;
    const int32_t status = bacnapi_asn1_string_set_position(value, text.c_str(), operand.code, &offset, &reason);
    if (status != 0) {
        report(position(name, 1, offset + 1), std::string("cannot read ") + bacnapi_type_name(operand.code) + ": " +
                                                   (reason ? reason : "failed") + " (" + status_text(status) + ")");
        return false;
    }
    if (operand.charset >= 0 &&
        bacnapi_string_transform(&value->payload.characterString, static_cast<uint8_t>(operand.charset), 0) != 0) {
        report(position(name, 1, 1), std::string("cannot hold the text as ") + charset_name(operand.charset));
        return false;
    }
    return true;
}

} // namespace

int run_types(const std::string& pattern)
{
    bool any = false;
    for (int32_t code = 0; code < 256; ++code) {
        const char* name = bacnapi_type_name(code);
        if (!name || !matches(pattern, name)) continue;
        const bool brace = has_brace_form(code);
        const bool display = has_display_form(code);
        const char* forms = brace && display ? "brace,display" : brace ? "brace" : display ? "display" : "-";
        any = true;
        if (!print_line(std::to_string(code) + "\t" + name + "\t" + forms)) return kExitFailed;
    }
    if (!any) report("bacnapi types", "no type matches '" + pattern + "'");
    return any ? kExitOk : kExitFailed;
}

namespace {

// A number (up to nine digits) or a standard name looked up with code_of; -1 when neither.
int32_t number_or_name(const std::string& text, int32_t (*code_of)(const char*))
{
    return all_digits(text) ? std::atoi(text.c_str()) : code_of(text.c_str());
}

} // namespace

int run_property(const std::string& objectTypeText, const std::string& propertyText, int32_t index)
{
    const int32_t objectType = number_or_name(objectTypeText, bacnapi_object_type_code);
    if (objectType < 0) {
        report("bacnapi property", "unknown object type '" + objectTypeText + "'");
        return kExitUsage;
    }
    const int32_t property = number_or_name(propertyText, bacnapi_property_code);
    if (property < 0) {
        report("bacnapi property", "unknown property '" + propertyText + "'");
        return kExitUsage;
    }
    const int32_t code = bacnapi_get_data_type(objectType, property, index);
    const char* name = bacnapi_type_name(code);
    return print_line(std::to_string(code) + "\t" + (name ? name : "?")) ? kExitOk : kExitFailed;
}

int run_compare(const std::string& type, const std::string& first, const std::string& second)
{
    std::string typeError;
    const auto operand = parse_type(type, &typeError);
    if (!operand) {
        report("bacnapi compare", typeError);
        return kExitUsage;
    }
    BACnetDataType a{};
    BACnetDataType b{};
    const bool readA = read_operand(*operand, first, "<text1>", &a);
    const bool readB = read_operand(*operand, second, "<text2>", &b);
    int exit = kExitUsage;
    if (readA && readB) {
        const bool equal = bacnapi_CompareBACnetDataType(&a, &b) == 0;
        exit = print_line(equal ? "equal" : "different") ? (equal ? kExitOk : kExitFailed) : kExitUsage;
    }
    release(&a);
    release(&b);
    return exit;
}

int run_charset(const std::string& from, const std::string& to, uint32_t codePage, const std::string& text)
{
    const int source = parse_charset(from);
    const int set = parse_charset(to);
    if (source < 0 || set < 0) {
        report("bacnapi charset", "unknown character set '" + (source < 0 ? from : to) + "'");
        return kExitUsage;
    }
    BACnetCharacterString string{};
    string.characterSet = static_cast<uint8_t>(source);
    if (source == 0) {
        // UTF-8 text as the library holds a C text: its terminating NUL counted.
        const size_t bad = invalid_utf8_at(text);
        if (bad != std::string::npos) {
            report(position("<argument>", 1, bad + 1), "invalid UTF-8");
            return kExitFailed;
        }
        string.length = text.size() + 1;
    } else {
        // The stored bytes of another set, in hex as this command prints them; a zero byte
        // follows them, not counted, as after every converted string.
        const size_t bad = invalid_hex_at(text);
        if (bad != std::string::npos) {
            report(position("<argument>", 1, bad + 1), "expected pairs of hex digits");
            return kExitFailed;
        }
        string.length = text.size() / 2;
    }
    string.data = static_cast<char*>(std::calloc(string.length + 1, 1));
    if (!string.data) {
        report("bacnapi charset", "out of memory");
        return kExitFailed;
    }
    if (source == 0) {
        std::memcpy(string.data, text.c_str(), text.size() + 1);
    } else {
        for (uint64_t i = 0; i < string.length; ++i)
            string.data[i] = static_cast<char>(std::stoi(text.substr(2 * i, 2), nullptr, 16));
    }
    const int32_t status = bacnapi_string_transform(&string, static_cast<uint8_t>(set), codePage);
    int exit = kExitOk;
    if (status != 0) {
        report("bacnapi charset", std::string("cannot convert to ") + charset_name(set) + " (" + status_text(status) + ")");
        exit = kExitFailed;
    } else {
        std::string hex;
        hex.reserve(string.length * 2);
        static constexpr char kDigits[] = "0123456789ABCDEF";
        const auto* bytes = reinterpret_cast<const unsigned char*>(string.data);
        for (uint64_t i = 0; i < string.length; ++i) {
            hex.push_back(kDigits[bytes[i] >> 4]);
            hex.push_back(kDigits[bytes[i] & 15]);
        }
        if (!print_line(hex)) exit = kExitFailed;
    }
    bacnapi_ClearCharacterString(&string);
    return exit;
}

} // namespace tool
