// Reading a byte buffer through a stream: every read at and past the end, texts with and without
// their zero byte, skipping, and streams a host set up wrongly.
#include "buffer/buffer_test_util.h"

namespace {

TEST(ByteStreamTest, NumbersReadBigEndianAndStopAtTheEnd)
{
    enum Read { Byte, U2, S4, S8, Skip };
    const struct { Bytes bytes; int32_t start; Read kind; int32_t skip; int64_t result; int32_t position; } cases[] = {
        {{7, 200}, 0, Byte, 0, 7, 1}, {{7, 200}, 1, Byte, 0, 200, 2}, {{7, 200}, 2, Byte, 0, -1, 2}, {{}, 0, Byte, 0, -1, 0},
        {{1, 2}, 0, U2, 0, 258, 2}, {{0xFF, 0xFE}, 0, U2, 0, 65534, 2},
        {{1, 2, 3}, 2, U2, 0, -1, 3}, // one byte left: consumed, -1
        {{1, 2, 3, 4}, 0, S4, 0, 0x01020304, 4}, {{0x80, 0, 0, 1}, 0, S4, 0, INT32_MIN + 1, 4},
        {{1, 2, 3}, 0, S4, 0, -1, 3},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}, 0, S8, 0, -2, 8},
        {{0, 0, 0, 1, 0, 0, 0, 2}, 0, S8, 0, 0x100000002, 8},
        {{0, 0, 0, 1, 0, 0, 0}, 0, S8, 0, 0x1FFFFFFFF, 7}, // low half missing
        {{0, 0}, 0, S8, 0, -1, 2},                         // both halves missing
        {{1, 2, 3, 4, 5}, 2, Skip, 10, 0, 5}, {{1, 2, 3, 4, 5}, 1, Skip, 3, 0, 4}, {{1, 2, 3, 4, 5}, 1, Skip, 0, 0, 1},
        {{1, 2, 3, 4, 5}, 1, Skip, -4, 0, 1}, {{1, 2, 3, 4, 5}, 1, Skip, INT32_MAX, 0, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " from " << c.start << " of " << c.bytes.size());
        HostBuffer b(c.bytes);
        b.stream.position = c.start;
        const int64_t result = c.kind == Byte ? bacnapi_read(&b.stream)
                               : c.kind == U2 ? bacnapi_readU2(&b.stream)
                               : c.kind == S4 ? bacnapi_readS4(&b.stream)
                               : c.kind == S8 ? bacnapi_readS8(&b.stream)
                                              : (bacnapi_skip(c.skip, &b.stream), 0);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(b.stream.position, c.position);
        EXPECT_EQ(b.bytes(), c.bytes); // reading never changes the buffer
    }
}

TEST(ByteStreamTest, TextsEndAtTheirZeroByteWithinTheMaximum)
{
    const std::string abc0c("ab\0c", 4);
    const struct { std::string bytes; int32_t start, maximum; const char* text; int32_t position; } cases[] = {
        {abc0c, 0, 100, "ab", 3}, {abc0c, 0, 3, "ab", 3}, // the zero byte counts towards the maximum
        {abc0c, 0, 2, nullptr, 0}, {abc0c, 0, 0, nullptr, 0}, {abc0c, 0, -5, nullptr, 0},
        {abc0c, 3, 100, nullptr, 4}, {abc0c, 4, 100, nullptr, 4}, // the data ends first: the rest is consumed
        {std::string("\0x", 2), 0, 1, "", 1}, {"abc", 0, 3, nullptr, 3}, {"abc", 0, 2, nullptr, 0},
        {std::string("a\0b\0", 4), 2, INT32_MAX, "b", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " max " << c.maximum);
        HostBuffer b(Bytes(c.bytes.begin(), c.bytes.end()));
        b.stream.position = c.start;
        const char* text = bacnapi_readStr(&b.stream, c.maximum);
        EXPECT_EQ(text, c.text ? reinterpret_cast<const char*>(b.buffer.data) + c.start : nullptr); // in place
        if (c.text != nullptr && text != nullptr) { EXPECT_STREQ(text, c.text); }
        EXPECT_EQ(b.stream.position, c.position);
    }
}

TEST(ByteStreamTest, ReadsNeverLeaveTheBytesTheBufferHolds)
{
    HostBuffer b(Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    // Only the low 32 bits of the length count, taken as signed; and never more than the block.
    const struct { uint64_t length; int32_t readable; } limits[] = {
        {0x100000003ull, 3}, {0x80000002ull, 0}, {0xFFFFFFFFull, 0}, {1000, 64}, {8, 8}};
    for (const auto& l : limits) {
        b.buffer.length = l.length;
        int32_t count = 0;
        for (bacnapi_rewind(&b.stream); bacnapi_read(&b.stream) >= 0;) ++count;
        EXPECT_EQ(count, l.readable) << l.length;
        bacnapi_rewind(&b.stream);
        bacnapi_skip(INT32_MAX, &b.stream);
        EXPECT_EQ(b.stream.position, l.readable) << l.length;
        bacnapi_rewind(&b.stream);
        bacnapi_readStr(&b.stream, INT32_MAX); // no zero byte among the first 8
        EXPECT_LE(b.stream.position, l.readable) << l.length;
    }
    b.buffer.length = 8;
    b.stream.position = -3; // set by hand: nothing is read, the position stays
    EXPECT_EQ(bacnapi_read(&b.stream), -1);
    EXPECT_EQ(bacnapi_readS4(&b.stream), -1);
    EXPECT_EQ(bacnapi_readStr(&b.stream, 10), nullptr);
    EXPECT_EQ(b.stream.position, -3);
    BACnetByteBuffer blockless{nullptr, 8, 8};
    BACnetByteStream onBlockless{&blockless, 0}, onNothing{nullptr, 0};
    for (BACnetByteStream* s : {&onBlockless, &onNothing, static_cast<BACnetByteStream*>(nullptr)}) {
        EXPECT_EQ(bacnapi_read(s) + bacnapi_readU2(s) + bacnapi_readS8(s), -3);
        EXPECT_EQ(bacnapi_readStr(s, 4), nullptr);
        bacnapi_skip(2, s);
        bacnapi_rewind(s);
    }
    EXPECT_EQ(onBlockless.position, 0);
}

} // namespace
