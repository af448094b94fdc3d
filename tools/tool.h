// Pieces shared by the commands of the bacnapi tool. The tool is a host like any other: it uses
// only the exported interface of the library.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tool {

// Exit statuses: everything succeeded; some input (a value, a line, a file) or the output failed;
// the command line itself was wrong.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// A type as given on the command line or in a batch line: its code or its name (any case),
// optionally followed by "@SET" for a CharacterString that is to be held in another character set.
struct TypeOperand {
    int32_t code = 0;
    int charset = -1; // -1: keep what reading gives (UTF-8)
};

// True for 1 to 9 decimal digits: a number that fits an int32_t.
bool all_digits(const std::string& s);

// The type, or an error message.
std::optional<TypeOperand> parse_type(const std::string& text, std::string* error);

// A character set by its number 0..5 or its name ("utf-8", "dbcs", "jis", "ucs-4", "ucs-2",
// "iso-8859-1"; any case). -1 when it is neither.
int parse_charset(const std::string& text);
const char* charset_name(int set);

// Releases a value the library filled. Values of the run and service-record codes keep their
// record through a plain clear, so the record is cleared with its own function and freed here.
void release(BACnetDataType* value);

// Writes text and a newline to standard output. False when the output refuses it (closed, full,
// a pipe whose reader went away); the first such failure is reported on standard error.
bool print_line(const std::string& text);
bool output_failed();

// Prints "where: message" on standard error, first erasing a progress bar that is shown there.
void report(const std::string& where, const std::string& message);
// Whether a progress bar stands on the current line of standard error.
void note_progress_line(bool shown);
// "name:line:column".
std::string position(const std::string& name, uint64_t line, uint64_t column);

// The status as a signed decimal and, for the library's known codes, their name.
std::string status_text(int32_t status);

} // namespace tool
