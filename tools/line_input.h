// Reading input one line at a time, for the commands that take values from standard input or
// from files: lines are limited in length, checked for UTF-8, and counted for error positions.
// A large input read on a terminal shows its progress on standard error.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace tool {

// Longest line accepted, newline not counted.
constexpr size_t kMaxLineBytes = 1u << 20;
// Inputs at least this large show a progress bar, when both outputs are a terminal.
constexpr uint64_t kProgressMinBytes = 4u << 20;

// Offset of the first byte that is not part of valid UTF-8 (overlong forms, surrogates and
// code points above U+10FFFF are invalid), or npos when the whole text is valid.
size_t invalid_utf8_at(const std::string& text);

class LineInput {
public:
    enum class Got { Line, TooLong, End, Error };

    LineInput() = default;
    ~LineInput();
    LineInput(const LineInput&) = delete;
    LineInput& operator=(const LineInput&) = delete;

    // Opens path, or standard input for "-". False with a message when it cannot be read.
    bool open(const std::string& path, std::string* error);

    // The next line without its newline (and without one carriage return before it).
    Got next(std::string* line);

    const std::string& name() const { return name_; }
    uint64_t line_number() const { return lineNumber_; }
    int error_number() const { return errorNumber_; }

private:
    void show_progress();
    void end_progress();

    std::FILE* file_ = nullptr;
    bool owned_ = false;
    std::string name_;
    uint64_t lineNumber_ = 0;
    uint64_t size_ = 0;
    uint64_t consumed_ = 0;
    int errorNumber_ = 0;
    bool progress_ = false;
    int shownPercent_ = -1;
};

} // namespace tool
