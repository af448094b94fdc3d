// Lists of plain values (Boolean, Unsigned, Enumerated, Real, object identifiers) are read from
// text a run of elements at a time, and element by element wherever an element is not in its
// usual form. Reading into a list that already holds more elements than the text (of the same
// type) always goes element by element: the elements are written over in place. So the two roads
// can be compared through the interface on the same text: same status, same offset and reason,
// the same elements read.
#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int32_t status;
    uint64_t offset;
    std::string reason;
};

Outcome read_at(BACnetDataType* value, const std::string& text, int32_t type)
{
    uint64_t offset = 0;
    const char* reason = nullptr;
    const int32_t status = bacnapi_asn1_string_set_position(value, text.c_str(), type, &offset, &reason);
    return {status, offset, reason ? reason : ""};
}

// Bytes of the payload an element of this type owns.
size_t payload_bytes(int32_t elementType)
{
    switch (elementType) {
    case BACNAPI_TYPE_Boolean: return 1;
    case BACNAPI_TYPE_ObjectIdentifier: return sizeof(BACnetObjectIdentifier);
    default: return 4;
    }
}

// A list of `count` elements of the element type, holding a pattern no text below reads as.
BACnetDataType filled_list(int32_t listType, int32_t elementType, uint32_t count)
{
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = count;
    list->elements = static_cast<BACnetDataType*>(std::calloc(count, sizeof(BACnetDataType)));
    for (uint32_t i = 0; i < count; ++i) {
        list->elements[i].type = elementType;
        list->elements[i].payload.words[0] = 0xA5A5A5A5A5A5A5A5u;
    }
    BACnetDataType v{};
    v.type = listType;
    v.payload.list = list;
    return v;
}

struct ListKind {
    int32_t listType;
    int32_t elementType;
    const char* text; // a list mixing the usual form with forms read element by element
};

const ListKind kKinds[] = {
    {BACNAPI_TYPE_ListOfUnsigned, BACNAPI_TYPE_Unsigned, "{{1},{22},{-3},{ 4},{+5},{4294967295},{0}}"},
    {BACNAPI_TYPE_ListOfEnumerated, BACNAPI_TYPE_Enumerated, "{{7},{65},{8 },{-1},{12}}"},
    {BACNAPI_TYPE_ListOfBoolean, BACNAPI_TYPE_Boolean, "{{1},{0},{257},{1},{ 0},{1}}"},
    {BACNAPI_TYPE_ListOfReal, BACNAPI_TYPE_Real, "{{1.500000},{-0.000010},{2.5e3},{.5},{7.},{-999.630005},{ 1.25},{3}}"},
    {BACNAPI_TYPE_ListOfObjectIdentifier, BACNAPI_TYPE_ObjectIdentifier, "{{8,1},{0,-1},{2, 3},{4,5 },{1023,4194303},{6,7}}"},
};

// Reads text both ways and compares what the interface shows.
void expect_same_reading(const ListKind& kind, const std::string& text)
{
    SCOPED_TRACE(text);
    BACnetDataType fresh{};
    BACnetDataType filled = filled_list(kind.listType, kind.elementType, 64);
    const Outcome a = read_at(&fresh, text, kind.listType);
    const Outcome b = read_at(&filled, text, kind.listType);
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(a.offset, b.offset);
    EXPECT_EQ(a.reason, b.reason);
    ASSERT_EQ(fresh.type, kind.listType);
    const BACnetValueList* got = fresh.payload.list;
    const BACnetValueList* want = filled.payload.list;
    ASSERT_NE(got, nullptr);
    ASSERT_NE(want, nullptr);
    // A list read whole as empty ("{}", "{{1},}") is emptied on both roads.
    if (a.status == 0 && got->count == 0) {
        EXPECT_EQ(want->count, 0u);
    }
    // The element a failed read stopped in may be half read on one road and stale on the other.
    const uint32_t whole = a.status == 0 || got->count == 0 ? got->count : got->count - 1;
    ASSERT_LE(whole, want->count);
    for (uint32_t i = 0; i < whole; ++i) {
        SCOPED_TRACE("element " + std::to_string(i));
        EXPECT_EQ(got->elements[i].type, kind.elementType);
        EXPECT_EQ(std::memcmp(&got->elements[i].payload, &want->elements[i].payload, payload_bytes(kind.elementType)), 0);
    }
    release_value(&fresh);
    release_value(&filled);
}

TEST(BulkListRead, EveryTextReadsAsElementByElement)
{
    for (const auto& kind : kKinds) {
        const std::string text = kind.text;
        expect_same_reading(kind, text);
        // Each character replaced in turn, and the text cut short after each character: every
        // fall-back point, every way an element or the list can end early or go on.
        for (size_t i = 0; i < text.size(); ++i) {
            for (const char c : {'x', ' ', ',', '}', '{', '-', '.', '9'}) {
                std::string changed = text;
                changed[i] = c;
                expect_same_reading(kind, changed);
            }
            expect_same_reading(kind, text.substr(0, i));
            expect_same_reading(kind, text.substr(0, i + 1) + "}" + text.substr(i + 1));
        }
    }
}

// The bulk road gives the values the usual text stands for, and ends lists as the walk does.
TEST(BulkListRead, KnownTexts)
{
    struct Case {
        const char* text;
        int32_t status;
        std::vector<uint32_t> words; // the elements' first payload word
    };
    const Case cases[] = {
        {"{{1},{2},{3}}", 0, {1, 2, 3}},
        {"{{1},{-1},{4294967296},{+7}}", 0, {1, 0xFFFFFFFFu, 0, 7}},
        {"{{1},{2},}", 0, {}},            // an element that is not there empties the list
        {"{{1},{2}}tail", 0, {1, 2}},     // text behind the value is not read
        {"{{1},{2},{x}}", -1, {1, 2, 0}}, // the failing element's slot stays taken
        {"{{1},{2}", -1, {1, 2}},
        {"{{1},{2}x}", -1, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BACnetDataType v{};
        EXPECT_EQ(bacnapi_asn1_string_set(&v, c.text, BACNAPI_TYPE_ListOfUnsigned), c.status);
        ASSERT_NE(v.payload.list, nullptr);
        ASSERT_EQ(v.payload.list->count, c.words.size());
        for (size_t i = 0; i < c.words.size(); ++i) EXPECT_EQ(v.payload.list->elements[i].payload.unsignedValue, c.words[i]);
        release_value(&v);
    }
}

// Reals read in bulk are exactly what strtof makes of their text, halfway points between two
// floats included.
TEST(BulkListRead, RealsAreExactlyStrtof)
{
    std::vector<std::string> numbers = {"16777217", "16777219", "-16777217", "33554434", "33554438.0", "0.1", "-0.0",
                                        "0.000000", "3.4028235", "123456789012345", "1234567890123456", "0.30000001192092896",
                                        "9999999.5", "0.000001", "1e5", "0x1p3", "inf"};
    uint64_t state = 88172645463325252u;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        const int digits = 1 + static_cast<int>(state % 15);
        const int decimals = static_cast<int>((state >> 8) % static_cast<uint64_t>(digits + 1));
        std::string s = (state >> 20) & 1 ? "-" : "";
        uint64_t r = state >> 24;
        for (int d = 0; d < digits; ++d, r /= 10) {
            if (d == digits - decimals) s += d == 0 ? "0." : ".";
            s += static_cast<char>('0' + r % 10);
        }
        numbers.push_back(s);
    }
    std::string text = "{{0}";
    for (const auto& n : numbers) text += ",{" + n + "}";
    text += "}";
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_asn1_string_set(&v, text.c_str(), BACNAPI_TYPE_ListOfReal), 0);
    ASSERT_EQ(v.payload.list->count, numbers.size() + 1);
    for (size_t i = 0; i < numbers.size(); ++i) {
        const float want = std::strtof(numbers[i].c_str(), nullptr);
        const float got = v.payload.list->elements[i + 1].payload.real;
        if (std::memcmp(&want, &got, sizeof want) != 0) ADD_FAILURE() << numbers[i] << " read as " << got << ", strtof gives " << want;
    }
    release_value(&v);
}

} // namespace
