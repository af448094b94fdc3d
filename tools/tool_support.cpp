#include "tool.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace tool {

namespace {

constexpr const char* kCharsetNames[] = {"utf-8", "dbcs", "jis", "ucs-4", "ucs-2", "iso-8859-1"};
constexpr int kCharsetCount = 6;

bool g_outputFailed = false;
bool g_progressShown = false;

} // namespace

int parse_charset(const std::string& text)
{
    if (all_digits(text)) {
        const int set = std::atoi(text.c_str());
        return set < kCharsetCount ? set : -1;
    }
    for (int set = 0; set < kCharsetCount; ++set) {
        if (strcasecmp(text.c_str(), kCharsetNames[set]) == 0) return set;
    }
    return -1;
}

bool all_digits(const std::string& s)
{
    if (s.empty() || s.size() > 9) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

const char* charset_name(int set) { return set >= 0 && set < kCharsetCount ? kCharsetNames[set] : "?"; }

std::optional<TypeOperand> parse_type(const std::string& text, std::string* error)
{
    TypeOperand operand;
    std::string name = text;
    const size_t at = text.find('@');
    if (at != std::string::npos) {
        name = text.substr(0, at);
        operand.charset = parse_charset(text.substr(at + 1));
        if (operand.charset < 0) {
            *error = "unknown character set '" + text.substr(at + 1) + "'";
            return std::nullopt;
        }
    }
    if (all_digits(name)) {
        operand.code = std::atoi(name.c_str());
        if (!bacnapi_type_name(operand.code)) {
            *error = "unknown type code " + name;
            return std::nullopt;
        }
    } else {
        operand.code = bacnapi_type_code(name.c_str());
        if (operand.code < 0) {
            *error = "unknown type '" + name + "'";
            return std::nullopt;
        }
    }
    if (operand.charset >= 0 && operand.code != BACNAPI_TYPE_CharacterString) {
        *error = "a character set can only be given for CharacterString";
        return std::nullopt;
    }
    return operand;
}

void release(BACnetDataType* value)
{
    void* record = value->payload.record;
    switch (value->type) {
    case BACNAPI_TYPE_SequenceOfBACnetPropertyReference:
        if (record) bacnapi_ClearSequenceOfBACnetPropertyReference(static_cast<SequenceOfBACnetPropertyReference*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessResultList:
        if (record) bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(static_cast<ReadAccessResultList*>(record));
        break;
    case BACNAPI_TYPE_ReadPropertyMultipleAck:
        if (record) bacnapi_ClearReadPropertyMultipleAck(static_cast<ReadPropertyMultipleAck*>(record));
        break;
    case BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest:
        if (record)
            bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(
                static_cast<BACnetServiceConfirmedEventNotificationRequest*>(record));
        break;
    default:
        bacnapi_ClearBACnetDataType(value);
        return;
    }
    bacnapi_free(record);
    *value = BACnetDataType{};
}

bool print_line(const std::string& text)
{
    if (g_outputFailed) return false;
    errno = 0;
    const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fputc('\n', stdout) != EOF &&
                    std::fflush(stdout) == 0;
    if (!ok) {
        g_outputFailed = true;
        report("bacnapi", std::string("cannot write to standard output: ") + std::strerror(errno ? errno : EIO));
    }
    return ok;
}

bool output_failed() { return g_outputFailed; }

void report(const std::string& where, const std::string& message)
{
    if (g_progressShown) std::fputs("\r\033[K", stderr);
    g_progressShown = false;
    std::fprintf(stderr, "%s: %s\n", where.c_str(), message.c_str());
}

void note_progress_line(bool shown) { g_progressShown = shown; }

std::string position(const std::string& name, uint64_t line, uint64_t column)
{
    return name + ":" + std::to_string(line) + ":" + std::to_string(column);
}

std::string status_text(int32_t status)
{
    const char* name = nullptr;
    switch (status) {
    case BACNAPI_E_FAIL: name = "BACNAPI_E_FAIL"; break;
    case BACNAPI_WALK_E_NOMEMORY: name = "BACNAPI_WALK_E_NOMEMORY"; break;
    case BACNAPI_WALK_E_NODESCRIPTOR: name = "BACNAPI_WALK_E_NODESCRIPTOR"; break;
    case BACNAPI_WALK_E_REFUSED: name = "BACNAPI_WALK_E_REFUSED"; break;
    case BACNAPI_E_INVALIDARG: name = "BACNAPI_E_INVALIDARG"; break;
    case BACNAPI_E_OUTOFMEMORY: name = "BACNAPI_E_OUTOFMEMORY"; break;
    default: break;
    }
    return "status " + std::to_string(status) + (name ? std::string(" ") + name : std::string());
}

} // namespace tool
