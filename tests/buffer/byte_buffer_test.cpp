// Writing into a byte buffer: the growth rule byte for byte, big-endian integers, the 2^31 bound
// and heap refusal.
#include "buffer/buffer_test_util.h"
#include "support/heap_watch.h"

namespace {

enum class Op { Byte, Bytes, Print };

int32_t append(Op op, int32_t n, BACnetByteStream* stream) // n bytes 'x', single bytes one call each
{
    const std::string text(static_cast<size_t>(n), 'x');
    if (op == Op::Bytes) return bacnapi_write_bytes(reinterpret_cast<const uint8_t*>(text.data()), n, stream);
    if (op == Op::Print) return bacnapi_print(text.c_str(), stream);
    int32_t total = 0;
    for (int32_t i = 0; i < n; ++i) total += bacnapi_write('x', stream);
    return total;
}

TEST(ByteBufferTest, SingleBytesFillTheBlockWhileLongerAppendsGrowBeforeItIsFull)
{
    struct Step { Op op; int32_t n; uint64_t length, capacity; };
    const struct { const char* name; std::vector<Step> steps; } cases[] = {
        {"single bytes", {{Op::Byte, 1, 1, 64}, {Op::Byte, 63, 64, 64}, {Op::Byte, 1, 65, 128}, {Op::Byte, 63, 128, 128},
                          {Op::Byte, 1, 129, 192}}},
        {"64 bytes at once", {{Op::Bytes, 64, 64, 128}}},
        {"an exact fill grows", {{Op::Byte, 60, 60, 64}, {Op::Bytes, 4, 64, 128}}},
        {"one short of full does not", {{Op::Byte, 60, 60, 64}, {Op::Print, 3, 63, 64}, {Op::Byte, 1, 64, 64}}},
        {"printed text", {{Op::Print, 63, 63, 127}, {Op::Print, 64, 127, 191}, {Op::Byte, 1, 128, 191}}},
        {"nothing appended to a full block", {{Op::Bytes, 0, 0, 64}, {Op::Byte, 64, 64, 64}, {Op::Print, 0, 64, 128}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostBuffer b;
        uint64_t total = 0;
        for (const Step& s : c.steps) {
            EXPECT_EQ(append(s.op, s.n, &b.stream), s.n);
            total += static_cast<uint64_t>(s.n);
            EXPECT_EQ(b.buffer.length, s.length);
            EXPECT_EQ(b.buffer.capacity, s.capacity);
        }
        EXPECT_EQ(b.bytes(), Bytes(total, 'x'));
        for (uint64_t i = b.buffer.length; i < b.buffer.capacity; ++i) ASSERT_EQ(b.buffer.data[i], 0) << i;
        EXPECT_EQ(b.stream.position, 0); // writers never move the read position
    }
}

TEST(ByteBufferTest, ClearKeepsTheBlockAndGrowingKeepsBytesBeyondTheLength)
{
    HostBuffer b(Bytes{1, 2, 3, 4, 5});
    uint8_t* const block = b.buffer.data;
    bacnapi_buf_clear(&b.buffer);
    EXPECT_EQ(bacnapi_write(9, &b.stream), 1);
    EXPECT_EQ(b.buffer.data, block);
    EXPECT_EQ(b.bytes(), Bytes{9});
    const Bytes more(68, 7); // the whole old block moves on a grow, not only its first length bytes
    EXPECT_EQ(bacnapi_write_bytes(more.data(), 68, &b.stream), 68);
    EXPECT_EQ(b.buffer.capacity, 133u);
    bacnapi_buf_clear(&b.buffer);
    b.buffer.length = 5;
    EXPECT_EQ(b.bytes(), (Bytes{9, 7, 7, 7, 7}));
    bacnapi_buf_clear(nullptr);
}

TEST(ByteBufferTest, IntegersAreWrittenMostSignificantByteFirst)
{
    const struct { int64_t value; bool wide; Bytes bytes; } cases[] = {
        {0x01020304, false, {1, 2, 3, 4}}, {-1, false, {0xFF, 0xFF, 0xFF, 0xFF}}, {INT32_MIN, false, {0x80, 0, 0, 0}},
        {-2, true, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE}}, {0x0102030405060708, true, {1, 2, 3, 4, 5, 6, 7, 8}},
        {INT64_MIN, true, {0x80, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        HostBuffer b;
        EXPECT_EQ(c.wide ? bacnapi_writeI8(c.value, &b.stream) : bacnapi_writeI4(static_cast<int32_t>(c.value), &b.stream),
                  c.wide ? 8 : 4);
        EXPECT_EQ(b.bytes(), c.bytes) << c.value;
        EXPECT_EQ(c.wide ? bacnapi_readS8(&b.stream) : bacnapi_readS4(&b.stream), c.value);
    }
}

TEST(ByteBufferTest, BadArgumentsAndTheTwoGigabyteBoundAreRefused)
{
    // Lengths a host set by hand: every grow request from them reaches 2^31, so nothing is written.
    for (uint64_t length : {0x7FFFFFC0ull, 0x7FFFFFFFull, 0x80000000ull, 0x100000005ull}) {
        BACnetByteBuffer huge{nullptr, length, 0};
        BACnetByteStream s{&huge, 0};
        EXPECT_EQ(bacnapi_write(1, &s), -1) << length;
        EXPECT_EQ(bacnapi_print_int("n", 1, 0, &s), -1) << length;
        EXPECT_EQ(huge.length, length);
        EXPECT_EQ(huge.data, nullptr);
    }
    HostBuffer b;
    BACnetByteStream orphan{nullptr, 0};
    EXPECT_EQ(bacnapi_write_bytes(nullptr, 3, &b.stream), -1);
    EXPECT_EQ(bacnapi_write_bytes(reinterpret_cast<const uint8_t*>("ab"), -1, &b.stream), -1);
    EXPECT_EQ(bacnapi_write(1, &orphan), -1);
    EXPECT_EQ(bacnapi_writeI8(1, nullptr), -1);
    EXPECT_EQ(b.buffer.length, 0u);
}

TEST(ByteBufferTest, RefusedGrowAppendsNothingButKeepsBytesOfAnIntegerAlreadyWritten)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    // From a 64-byte block holding `start` bytes every write needs a grow, and it is refused.
    using Write = int32_t (*)(BACnetByteStream*);
    const struct { size_t start; Write write; Bytes tail; } cases[] = {
        {64, [](BACnetByteStream* s) { return bacnapi_write(1, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_write_bytes(reinterpret_cast<const uint8_t*>("ab"), 2, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_writeI4(0x01020304, s); }, {1, 2}},
        {62, [](BACnetByteStream* s) { return bacnapi_writeI8(0x0102030405060708, s); }, {1, 2}},
        {62, [](BACnetByteStream* s) { return bacnapi_print("ab", s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_print_int_val(12, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_print_long_val(12, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_print_int("a", 1, 1, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_print_long("a", 1, 0, s); }, {}},
        {62, [](BACnetByteStream* s) { return bacnapi_print_text("a", "b", 0, s); }, {}},
        {0, [](BACnetByteStream* s) { return bacnapi_write(1, s); }, {}}, // no block yet: none after
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        HostBuffer b(Bytes(c.start, 5));
        uint8_t* const block = b.buffer.data;
        heap_watch::refuse_after(0);
        EXPECT_EQ(c.write(&b.stream), -1) << i;
        EXPECT_TRUE(heap_watch::disarm()) << i;
        Bytes expected(c.start, 5);
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(b.bytes(), expected) << i;
        EXPECT_EQ(b.buffer.data, block) << i;
        EXPECT_EQ(b.buffer.capacity, c.start ? 64u : 0u) << i;
    }
}

} // namespace
