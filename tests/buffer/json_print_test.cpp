// JSON-style print helpers: member formats, numbers byte for byte as printf writes them, and items
// larger than a fixed working area would hold.
#include "buffer/buffer_test_util.h"

#include <cstdio>

namespace {

TEST(JsonPrintTest, MembersAreQuotedNamesAndValuesWithACommaForLaterIndexes)
{
    const struct { int kind; const char* name; int64_t number; const char* text; int32_t index; const char* member; } cases[] = {
        {0, "count", 5, nullptr, 0, "\"count\":\"5\""}, {0, "count", 5, nullptr, 2, ",\"count\":\"5\""},
        {0, "count", 5, nullptr, -1, "\"count\":\"5\""}, {0, "n", INT32_MIN, nullptr, 1, ",\"n\":\"-2147483648\""},
        {1, "big", INT64_MIN, nullptr, 0, "\"big\":\"-9223372036854775808\""},
        {1, "big", INT64_MAX, nullptr, INT32_MAX, ",\"big\":\"9223372036854775807\""},
        {2, "name", 0, "a\"b\\c", 3, ",\"name\":\"a\"b\\c\""}, // nothing is escaped
        {2, "", 0, "", 0, "\"\":\"\""},
    };
    for (const auto& c : cases) {
        HostBuffer b;
        const int32_t n = c.kind == 0   ? bacnapi_print_int(c.name, static_cast<int32_t>(c.number), c.index, &b.stream)
                          : c.kind == 1 ? bacnapi_print_long(c.name, c.number, c.index, &b.stream)
                                        : bacnapi_print_text(c.name, c.text, c.index, &b.stream);
        EXPECT_EQ(b.text(), c.member);
        EXPECT_EQ(n, static_cast<int32_t>(std::string(c.member).size())) << c.member;
    }
}

TEST(JsonPrintTest, NumbersMatchPrintf)
{
    const int64_t values[] = {0, 1, -1, 9, 10, -10, 99, 100, 65535, INT32_MAX, INT32_MIN, int64_t{INT32_MAX} + 1,
                              int64_t{INT32_MIN} - 1, 999999999999999999, -1000000000000000000, INT64_MAX, INT64_MIN};
    HostBuffer ints, longs;
    std::string expectInts, expectLongs;
    char text[64];
    for (int64_t v : values) {
        const auto v32 = static_cast<int32_t>(v); // the low half, as a caller would pass it
        EXPECT_EQ(bacnapi_print_int_val(v32, &ints.stream), 0);
        EXPECT_EQ(bacnapi_print("|", &ints.stream) + bacnapi_print_long_val(v, &longs.stream), 1);
        bacnapi_print("|", &longs.stream);
        expectInts.append(text, static_cast<size_t>(std::snprintf(text, sizeof text, "%d|", v32)));
        expectLongs.append(text, static_cast<size_t>(std::snprintf(text, sizeof text, "%lld|", static_cast<long long>(v))));
    }
    EXPECT_EQ(ints.text(), expectInts);
    EXPECT_EQ(longs.text(), expectLongs);
}

TEST(JsonPrintTest, LongItemsAreAppendedWholeAndNullTextsRefused)
{
    // 2057 + 7 bytes of punctuation is the largest item a 2064-byte area with its terminator holds.
    for (size_t size : {2050u, 2056u, 2057u, 2058u, 5000u, 100000u}) {
        const std::string name(size, 'n'), text(size, 't');
        HostBuffer b;
        EXPECT_EQ(bacnapi_print_text(name.c_str(), "t", 1, &b.stream), static_cast<int32_t>(size + 7));
        EXPECT_EQ(b.text(), ",\"" + name + "\":\"t\"");
        EXPECT_EQ(b.buffer.capacity, size + 7 + 64); // one grow, by the usual rule
        bacnapi_buf_clear(&b.buffer);
        EXPECT_EQ(bacnapi_print_text("n", text.c_str(), 0, &b.stream), static_cast<int32_t>(size + 6));
        EXPECT_EQ(b.text(), "\"n\":\"" + text + "\"");
        bacnapi_buf_clear(&b.buffer);
        EXPECT_EQ(bacnapi_print(text.c_str(), &b.stream), static_cast<int32_t>(size));
        EXPECT_EQ(b.text(), text);
    }
    HostBuffer b;
    EXPECT_EQ(bacnapi_print(nullptr, &b.stream) + bacnapi_print_text(nullptr, "x", 0, &b.stream) +
                  bacnapi_print_text("x", nullptr, 0, &b.stream) + bacnapi_print_int(nullptr, 1, 0, &b.stream) +
                  bacnapi_print_long(nullptr, 1, 0, &b.stream) + bacnapi_print_int_val(1, nullptr) +
                  bacnapi_print_long_val(1, nullptr) + bacnapi_print_text("x", "y", 0, nullptr),
              -8);
    EXPECT_EQ(b.buffer.length, 0u);
}

} // namespace
