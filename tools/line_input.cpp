#include "line_input.h"
#include "tool.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tool {

size_t invalid_utf8_at(const std::string& text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t extra;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return i;
        }
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= n || (s[i + k] & 0xC0) != 0x80) return i;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return i;
        i += extra + 1;
    }
    return std::string::npos;
}

LineInput::~LineInput()
{
    end_progress();
    if (owned_ && file_) std::fclose(file_);
}

bool LineInput::open(const std::string& path, std::string* error)
{
    if (path == "-") {
        file_ = stdin;
        name_ = "<stdin>";
    } else {
        file_ = std::fopen(path.c_str(), "rb");
        name_ = path;
        owned_ = file_ != nullptr;
        if (!file_) {
            *error = std::string("cannot open: ") + std::strerror(errno);
            return false;
        }
        struct stat st{};
        if (fstat(fileno(file_), &st) == 0 && S_ISDIR(st.st_mode)) {
            *error = "cannot read: is a directory";
            return false;
        }
    }
    struct stat st{};
    if (fstat(fileno(file_), &st) == 0 && S_ISREG(st.st_mode)) size_ = static_cast<uint64_t>(st.st_size);
    progress_ = size_ >= kProgressMinBytes && isatty(STDERR_FILENO) && isatty(STDOUT_FILENO);
    return true;
}

LineInput::Got LineInput::next(std::string* line)
{
    line->clear();
    if (!file_) return Got::End;
    bool tooLong = false;
    bool any = false;
    int c;
    while ((c = getc_unlocked(file_)) != EOF) {
        any = true;
        ++consumed_;
        if (c == '\n') break;
        if (line->size() < kMaxLineBytes + 1) line->push_back(static_cast<char>(c));
        else tooLong = true;
    }
    if (c == EOF && std::ferror(file_)) {
        errorNumber_ = errno ? errno : EIO;
        end_progress();
        return Got::Error;
    }
    if (!any) {
        end_progress();
        return Got::End;
    }
    ++lineNumber_;
    if (progress_) show_progress();
    if (!line->empty() && line->back() == '\r') line->pop_back();
    if (tooLong || line->size() > kMaxLineBytes) {
        line->clear();
        return Got::TooLong;
    }
    return Got::Line;
}

void LineInput::show_progress()
{
    const int percent = static_cast<int>(consumed_ * 100 / size_);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    char bar[41];
    const int filled = percent * 40 / 100;
    for (int i = 0; i < 40; ++i) bar[i] = i < filled ? '#' : '.';
    bar[40] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%% %s", bar, percent, name_.c_str());
    std::fflush(stderr);
    note_progress_line(true);
}

void LineInput::end_progress()
{
    if (!progress_ || shownPercent_ < 0) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    note_progress_line(false);
    shownPercent_ = -1;
}

} // namespace tool
