// bacnapi read: brace text or JSON in; display text, brace text or JSON out; one value per
// argument or line.
#include "commands.h"
#include "line_input.h"
#include "tool.h"

#include <cstdlib>
#include <cstring>

namespace tool {

namespace {

enum class Output { Display, Brace, Json };

// The forms of one run: what is read, what is written, and JSON's choice of names or numbers.
struct Forms {
    bool fromJson;
    Output to;
    uint32_t jsonFlags;
};

// Where a text came from, for error messages: input name, line, and the column of its first byte.
struct Origin {
    std::string name;
    uint64_t line;
    uint64_t column;
};

// The value's text in the chosen form, or false with a message.
bool render(const BACnetDataType& value, const Forms& forms, std::string* out, std::string* error)
{
    char* text = nullptr;
    const Output to = forms.to;
    const int32_t status = to == Output::Brace  ? bacnapi_asn1_string_get(&text, &value)
                           : to == Output::Json ? bacnapi_json_get(&text, &value, forms.jsonFlags)
                                                : bacnapi_string_get(&text, &value);
    if (status == 0 && text) out->assign(text);
    bacnapi_free(text);
    if (status != 0) {
        const char* what = to == Output::Brace  ? "cannot write brace text"
                           : to == Output::Json ? "cannot write JSON"
                                                : "no display text";
        *error = std::string(what) + " for this " + bacnapi_type_name(value.type) + " (" + status_text(status) + ")";
    }
    return status == 0;
}

// Reads text as the type at origin, prints it; false (reported) when anything fails.
bool read_value(const TypeOperand& operand, const std::string& text, const Origin& origin, const Forms& forms)
{
    const size_t bad = invalid_utf8_at(text);
    if (bad != std::string::npos) {
        report(position(origin.name, origin.line, origin.column + bad), "invalid UTF-8");
        return false;
    }
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        report(position(origin.name, origin.line, origin.column + nul), "NUL byte in text");
        return false;
    }
    BACnetDataType value{};
    uint64_t offset = 0;
    const char* reason = nullptr;
    const int32_t status = forms.fromJson
                               ? bacnapi_json_set(&value, text.c_str(), operand.code, &offset, &reason)
                               : bacnapi_asn1_string_set_position(&value, text.c_str(), operand.code, &offset, &reason);
    bool ok = status == 0;
    std::string message;
    uint64_t column = origin.column;
    if (!ok) {
        column += offset;
        message = std::string("cannot read ") + bacnapi_type_name(operand.code) + ": " + (reason ? reason : "failed") +
                  " (" + status_text(status) + ")";
    } else if (operand.charset >= 0) {
        const int32_t converted =
            bacnapi_string_transform(&value.payload.characterString, static_cast<uint8_t>(operand.charset), 0);
        if (converted != 0) {
            ok = false;
            message = std::string("cannot hold the text as ") + charset_name(operand.charset) + " (" +
                      status_text(converted) + ")";
        }
    }
    std::string out;
    if (ok) ok = render(value, forms, &out, &message);
    release(&value);
    if (!ok) {
        report(position(origin.name, origin.line, column), message);
        return false;
    }
    return print_line(out);
}

// Reads every line of input, each through handle(line); false when any line failed.
template <typename Handle>
bool each_line(LineInput& input, Handle handle)
{
    bool ok = true;
    std::string line;
    for (;;) {
        const LineInput::Got got = input.next(&line);
        if (got == LineInput::Got::End) break;
        if (got == LineInput::Got::Error) {
            report(input.name(), std::string("cannot read: ") + std::strerror(input.error_number()));
            return false;
        }
        const uint64_t number = input.line_number();
        if (got == LineInput::Got::TooLong) {
            report(position(input.name(), number, 1), "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
            ok = false;
        } else if (line.empty()) {
            report(position(input.name(), number, 1), "empty line");
            ok = false;
        } else if (!handle(line, number)) {
            ok = false;
        }
        if (output_failed()) return false;
    }
    return ok;
}

// One file of "TYPE<TAB>TEXT" lines; lines that start with "#" are comments.
bool read_batch_file(const std::string& path, const Forms& to)
{
    LineInput input;
    std::string error;
    if (!input.open(path, &error)) {
        report(path, error);
        return false;
    }
    return each_line(input, [&](const std::string& line, uint64_t number) {
        if (line[0] == '#') return true; // a comment
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            report(position(input.name(), number, 1), "expected TYPE<TAB>TEXT");
            return false;
        }
        std::string typeError;
        const auto operand = parse_type(line.substr(0, tab), &typeError);
        if (!operand) {
            report(position(input.name(), number, 1), typeError);
            return false;
        }
        return read_value(*operand, line.substr(tab + 1), Origin{input.name(), number, tab + 2}, to);
    });
}

} // namespace

int run_read(const ReadOptions& options)
{
    const Forms to{options.from == "json",
                   options.to == "brace"  ? Output::Brace
                   : options.to == "json" ? Output::Json
                                          : Output::Display,
                   options.numbers ? 0u : BACNAPI_JSON_NAMES};
    if (!options.batch.empty()) {
        if (!options.type.empty() || options.text) {
            report("bacnapi read", "--batch takes neither TYPE nor TEXT: each line names its type");
            return kExitUsage;
        }
        bool ok = true;
        for (const auto& path : options.batch) {
            if (!read_batch_file(path, to)) ok = false;
            if (output_failed()) break;
        }
        return ok ? kExitOk : kExitFailed;
    }
    if (options.type.empty()) {
        report("bacnapi read", "a TYPE is required (or --batch FILE...)");
        return kExitUsage;
    }
    std::string typeError;
    const auto operand = parse_type(options.type, &typeError);
    if (!operand) {
        report("bacnapi read", typeError);
        return kExitUsage;
    }
    if (options.text) return read_value(*operand, *options.text, Origin{"<argument>", 1, 1}, to) ? kExitOk : kExitFailed;

    LineInput input;
    std::string error;
    if (!input.open("-", &error)) {
        report("<stdin>", error);
        return kExitFailed;
    }
    const bool ok = each_line(input, [&](const std::string& line, uint64_t number) {
        return read_value(*operand, line, Origin{input.name(), number, 1}, to);
    });
    return ok ? kExitOk : kExitFailed;
}

} // namespace tool
