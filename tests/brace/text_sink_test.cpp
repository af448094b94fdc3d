// The text sink: amortized growth must give exactly the bytes of one exact append per piece, keep
// the caller's pointer valid at every step, and start from a caller's existing text.
#include "brace/text_sink.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using bacnapi::TextSink;

char* heap_text(const char* s)
{
    char* t = static_cast<char*>(std::malloc(std::strlen(s) + 1));
    std::strcpy(t, s);
    return t;
}

TEST(TextSink, AppendsPiecesAfterExistingTextAndKeepsPointerCurrent)
{
    const struct {
        const char* start; // null: no text yet
        const char* pieces[4];
        const char* expected;
    } cases[] = {
        {nullptr, {"a", "bc", "", "d"}, "abcd"},
        {"abc", {"{", "1", "}", nullptr}, "abc{1}"},
        {"", {"x", nullptr}, "x"},
        {"keep", {nullptr}, "keep"},
    };
    for (const auto& c : cases) {
        char* text = c.start ? heap_text(c.start) : nullptr;
        {
            TextSink sink(&text);
            std::string mirror = c.start ? c.start : "";
            for (const char* piece : c.pieces) {
                if (!piece) break;
                ASSERT_EQ(sink.append(piece, std::strlen(piece)), 0);
                mirror += piece;
                // After every piece the caller's pointer holds the text so far.
                ASSERT_NE(text, nullptr);
                EXPECT_EQ(std::string(text), mirror);
                EXPECT_EQ(sink.length(), mirror.size());
            }
            sink.finish();
        }
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, c.expected);
        std::free(text);
    }
}

TEST(TextSink, NothingAppendedLeavesNullTextNull)
{
    char* text = nullptr;
    TextSink sink(&text);
    sink.finish();
    EXPECT_EQ(text, nullptr);
    // An empty piece still makes a text exist, as an exact append of "" would.
    EXPECT_EQ(sink.append("", 0), 0);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "");
    std::free(text);
}

TEST(TextSink, ManyPiecesGiveTheConcatenation)
{
    char* text = heap_text("start:");
    std::string mirror = "start:";
    TextSink sink(&text);
    for (int i = 0; i < 100000; ++i) {
        const std::string piece = std::to_string(i) + ",";
        ASSERT_EQ(sink.append(piece.data(), piece.size()), 0);
        mirror += piece;
    }
    sink.finish();
    EXPECT_EQ(std::strlen(text), mirror.size());
    EXPECT_EQ(std::string(text), mirror);
    std::free(text);
}

TEST(TextSink, MissingPointerOrPieceFails)
{
    TextSink noOwner(nullptr);
    EXPECT_EQ(noOwner.append("a", 1), BACNAPI_E_FAIL);
    char* text = heap_text("abc");
    TextSink sink(&text);
    EXPECT_EQ(sink.append(nullptr, 1), BACNAPI_E_FAIL);
    // A size that cannot be represented fails and leaves the text as it was.
    EXPECT_EQ(sink.append("x", SIZE_MAX), BACNAPI_E_FAIL);
    EXPECT_STREQ(text, "abc");
    std::free(text);
}

} // namespace
