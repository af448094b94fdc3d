// A text that is one long list is read element by element; any other text, and one that does not
// read that way, is read whole. The two readings must agree on every text: the same value, status,
// offset and reason. These tests read texts both ways and compare, and pin the offsets and reasons
// of faults deep inside long lists.
#include "json/reader.h"
#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bacnapi::json {
namespace {

ReadOutcome read(BACnetDataType* value, const std::string& text, int32_t type, ReadMode mode)
{
    return read_json_text(value, text.c_str(), type, mode);
}

// The value's JSON (values of some types do not compare, but every value read writes).
std::string json_of(const BACnetDataType& value)
{
    char* text = nullptr;
    EXPECT_EQ(bacnapi_json_get(&text, &value, BACNAPI_JSON_NAMES), 0);
    std::string json = text ? text : "";
    bacnapi_free(text);
    return json;
}

// The outcome of both readings of the text into fresh values, checked to agree; the
// element-by-element one is returned.
ReadOutcome read_both(const std::string& text, int32_t type)
{
    BACnetDataType whole{};
    BACnetDataType listwise{};
    const ReadOutcome w = read(&whole, text, type, ReadMode::Whole);
    const ReadOutcome l = read(&listwise, text, type, ReadMode::Listwise);
    EXPECT_EQ(l.status, w.status);
    EXPECT_EQ(l.offset, w.offset);
    EXPECT_STREQ(l.reason, w.reason);
    if (w.status == 0 && l.status == 0) {
        EXPECT_EQ(json_of(listwise), json_of(whole));
    }
    release_value(&whole);
    release_value(&listwise);
    return l;
}

// A list of n time values in its envelope, element i holding the Unsigned 1000 + i; element
// `faulty` is `fault` instead. A null tail ends the text right after the faulty element.
std::string time_values(size_t n, size_t faulty = SIZE_MAX, const std::string& fault = "", const char* tail = "]}")
{
    std::string text = "{\"type\":\"ListOfBACnetTimeValue\",\"value\":[";
    for (size_t i = 0; i < n; ++i) {
        if (i) text += ',';
        if (i == faulty) {
            text += fault;
            if (!tail) return text;
            continue;
        }
        text += "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":";
        text += std::to_string(1000 + i);
        text += "}}";
    }
    return text + tail;
}

constexpr size_t kLong = 3000;
constexpr size_t kMiddle = kLong / 2;

// Where a fault is reported: `skip` characters after the first `at` in the faulty element's text
// or in the tail, at the end of the text, or anywhere inside the faulty element.
enum class Where { Element, Tail, End, InElement };

struct Fault {
    size_t element;
    std::string text; // the faulty element's text
    const char* tail; // what follows the last element (null: nothing follows the faulty element)
    Where where;
    const char* at;
    size_t skip;
    const char* reason;
    bool listwise = false; // found by the element-by-element reading (the text is well-formed)
};

const std::string kTooDeep = std::string(200, '[') + std::string(200, ']');

const Fault kFaults[] = {
    // Broken text: cut short, a bad token, a missing or extra comma, bad UTF-8, too deep.
    {0, "{\"time\":\"10:00:00\",\"val", nullptr, Where::End, "", 0, "Missing a closing quotation mark in string."},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":", nullptr, Where::End, "", 0, "Invalid value."},
    {kLong - 1, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "", Where::End, "", 0,
     "Missing a comma or ']' after an array element."},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":tru}}", "]}", Where::Element, "tru", 3,
     "Invalid value."},
    {kMiddle, "{\"time\":\"10:00:00\"\"value\":1}", "]}", Where::Element, "\"value\"", 0,
     "Missing a comma or '}' after an object member."},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}} 7", "]}", Where::Element, "7", 0,
     "Missing a comma or ']' after an array element."},
    {kLong - 1, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}},", "]}", Where::Tail, "]", 0,
     "Invalid value."},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"CharacterString\",\"value\":\"a\xC3(\"}}", "]}", Where::Element,
     "\xC3", 0, "string is not valid UTF-8"},
    {kMiddle, kTooDeep, "]}", Where::InElement, "", 0, "nesting too deep"},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Real\",\"value\":1e400}}", "]}", Where::Element, "1e400", 0,
     "Number too big to be stored in double."},
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "]} x", Where::Tail, "x", 0,
     "The document root must not be followed by other values."},
    // Values the walk refuses in well-formed text.
    {kMiddle, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":4294967296}}", "]}", Where::Element,
     "4294967296", 0, "number out of range", true},
    {kLong - 1, "{\"time\":\"25:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "]}", Where::Element, "\"25", 0,
     "expected a time", true},
    {0, "{\"time\":\"10:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5},\"x\":1}", "]}", Where::Element, "1}", 0,
     "unknown field", true},
    {kMiddle, "7", "]}", Where::Element, "7", 0, "expected an object", true},
    // A refused value before a fault of the text or of the envelope: the later fault is the one
    // found, as the whole text is parsed and the envelope read before any element.
    {3, "{\"time\":\"25:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "]", Where::End, "", 0,
     "Missing a comma or '}' after an object member."},
    {3, "{\"time\":\"25:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "],\"x\":1}", Where::Tail, "1", 0,
     "unknown field"},
    {3, "{\"time\":\"25:00:00\",\"value\":{\"type\":\"Unsigned\",\"value\":5}}", "]}}", Where::Tail, "}}", 1,
     "The document root must not be followed by other values."},
};

TEST(JsonListwise, FaultsDeepInALongListAreFoundWhereTheWholeReadingFindsThem)
{
    for (const Fault& f : kFaults) {
        const std::string text = time_values(kLong, f.element, f.text, f.tail);
        SCOPED_TRACE(f.text.substr(0, 80) + " ... " + (f.tail ? f.tail : "(cut)"));
        // The faulty element starts after the elements before it and their commas.
        const size_t element = time_values(f.element, SIZE_MAX, "", "").size() + (f.element ? 1 : 0);
        const size_t tail = f.tail ? text.size() - std::string(f.tail).size() : text.size();
        const ReadOutcome outcome = read_both(text, -1);
        EXPECT_NE(outcome.status, 0);
        EXPECT_STREQ(outcome.reason, f.reason);
        EXPECT_EQ(outcome.listwise, f.listwise);
        switch (f.where) {
        case Where::Element: EXPECT_EQ(outcome.offset, element + f.text.find(f.at) + f.skip); break;
        case Where::Tail: EXPECT_EQ(outcome.offset, tail + std::string(f.tail).find(f.at) + f.skip); break;
        case Where::End: EXPECT_EQ(outcome.offset, text.size()); break;
        case Where::InElement:
            EXPECT_GT(outcome.offset, element);
            EXPECT_LT(outcome.offset, element + f.text.size());
            break;
        }
    }
}

// Texts that read: both ways give the same value, and a list read element by element takes the
// same room as read whole, which counts the array's elements from its tree (the count ahead is
// exact, whatever the strings hold).
struct Good {
    int32_t type; // -1: from the envelope
    std::string json;
    bool listwise; // read element by element
    bool list = true;
};

// A string of n characters that keeps the count ahead busy: brackets, commas, quotes and
// backslashes, escaped where they must be.
std::string awkward(size_t n)
{
    static const char* const kPieces[] = {"[", "]", "{", "}", ",", "\\\"", "\\\\", "\\\\\\\"", "a", ", "};
    std::string s = "\"";
    for (size_t i = 0; s.size() < n; ++i) s += kPieces[i * 7 % 10];
    return s + "\"";
}

std::string strings(size_t n)
{
    std::string text = "[";
    for (size_t i = 0; i < n; ++i) {
        if (i) text += ',';
        text += awkward(i);
    }
    return text + "]";
}

const Good kGood[] = {
    {BACNAPI_TYPE_ListOfUnsigned, "[]", true},
    {BACNAPI_TYPE_ListOfUnsigned, " [ ] ", true},
    {BACNAPI_TYPE_ListOfUnsigned, "[0]", true},
    {BACNAPI_TYPE_ListOfUnsigned, "\t[ 1 ,\n2\r, 4294967295 ]\n", true},
    {BACNAPI_TYPE_ListOfReal, "[1e3, 10E+2, 1.0e1, 0, 7, 0.5e-2]", true},
    {BACNAPI_TYPE_ListOfReal, "[-0, -0.5, 1.25, 3.4e38, -1e-45, \"NaN\", \"-Infinity\"]", true},
    {BACNAPI_TYPE_ListOfReal, "[0.000000000000000000000000000000000000000001, 1]", true},
    {-1, "{\"type\":\"ListOfUnsigned\",\"value\":[1,2,3]}", true},
    {-1, "\n{ \"type\" : 75 , \"value\" : [ 4 , 5 ] } ", true},
    {-1, "{\"value\":[1,2,3],\"type\":\"ListOfUnsigned\"}", false},
    {-1, "{\"type\":\"Unsigned\",\"value\":5}", false, false},
    {-1, "{\"type\":\"BACnetDateTime\",\"value\":{\"date\":\"2024-05-17\",\"time\":\"13:45:30\"}}", false, false},
    {-1, "{\"type\":\"ListOfCharacterString\",\"value\":" + strings(40) + "}", true},
    {BACNAPI_TYPE_ListOfCharacterString, strings(3), true},
    {-1, time_values(100), true},
    // Arrays of types that are records of their own, not lists: read whole.
    {BACNAPI_TYPE_SequenceOfReadAccessResult, "[]", false, false},
    {BACNAPI_TYPE_SequenceOfBACnetPropertyReference, "[{\"propertyIdentifier\":85}]", false, false},
    {-1, time_values(3, 1, "{\"time\":\"01:02:03.04\",\"value\":{\"type\":\"CharacterString\",\"value\":" + awkward(30) + "}}"), true},
};

TEST(JsonListwise, TextsThatReadGiveTheSameValueEitherWay)
{
    for (const Good& g : kGood) {
        SCOPED_TRACE(g.json.substr(0, 120));
        const ReadOutcome outcome = read_both(g.json, g.type);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.listwise, g.listwise);
        if (!g.list) continue;
        BACnetDataType whole{};
        BACnetDataType listwise{};
        ASSERT_EQ(read(&whole, g.json, g.type, ReadMode::Whole).status, 0);
        ASSERT_EQ(read(&listwise, g.json, g.type, ReadMode::Listwise).status, 0);
        const auto* w = static_cast<const BACnetValueList*>(whole.payload.record);
        const auto* l = static_cast<const BACnetValueList*>(listwise.payload.record);
        ASSERT_TRUE(w && l);
        EXPECT_EQ(l->count, w->count);
        EXPECT_EQ(l->capacity, w->capacity);
        release_value(&whole);
        release_value(&listwise);
    }
}

// Every cut of a list's text, and every character of it replaced by each of a few others: the
// readings agree on each of these texts (read_both checks), whether it reads or not.
TEST(JsonListwise, EveryCutAndEveryChangedCharacterReadsAlikeEitherWay)
{
    const std::string texts[] = {
        time_values(6, 2,
                    "{\"time\":\"01:02:03.04\",\"value\":{\"type\":\"CharacterString\",\"value\":" + awkward(40) +
                        "}}"),
        "{\"type\":\"ListOfCharacterString\",\"value\":" + strings(12) + "}",
        "[1, -2.5, 3e2, [4], {\"a\":5}, null, true]",
    };
    const char kReplacements[] = {'x', ',', ']', '}', '[', '{', '"', '\\', ' ', '1', ':', '\0'};
    size_t listwise = 0;
    for (const std::string& text : texts) {
        for (size_t i = 0; i <= text.size(); ++i) {
            SCOPED_TRACE(i);
            listwise += read_both(text.substr(0, i), BACNAPI_TYPE_ListOfReal).listwise;
            for (const char c : kReplacements) {
                if (i == text.size()) break;
                std::string changed = text;
                changed[i] = c;
                if (c == '\0') changed.erase(i, 1);
                SCOPED_TRACE(changed);
                listwise += read_both(changed, -1).listwise;
            }
        }
    }
    // Most changes leave well-formed text, which the element-by-element reading reads or refuses.
    EXPECT_GT(listwise, 1000u);
}

// A value that holds something already: the same type keeps what the text does not replace, any
// other type is replaced whole, and a refused text leaves what a whole reading leaves.
TEST(JsonListwise, ADestinationThatHoldsAValueEndsAlikeEitherWay)
{
    const struct {
        int32_t type;
        const char* before;
        const char* json;
    } kCases[] = {
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},{2},{3},{4}}", "{\"type\":\"ListOfUnsigned\",\"value\":[7,8]}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{b},{c}}", "{\"type\":\"ListOfUnsigned\",\"value\":[7,8]}"},
        {BACNAPI_TYPE_ListOfUnsigned, "{{1},{2},{3},{4}}", "{\"type\":\"ListOfUnsigned\",\"value\":[7,\"x\"]}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{b},{c}}", "{\"type\":\"ListOfUnsigned\",\"value\":[7,\"x\"]}"},
        {BACNAPI_TYPE_ListOfCharacterString, "{{a},{b},{c}}", "{\"type\":\"ListOfUnsigned\",\"value\":[7,8"},
        {BACNAPI_TYPE_Real, "1.500000", "{\"type\":\"ListOfReal\",\"value\":[1.5]}"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.json);
        BACnetDataType whole{};
        BACnetDataType listwise{};
        ASSERT_EQ(bacnapi_asn1_string_set(&whole, c.before, c.type), 0);
        ASSERT_EQ(bacnapi_asn1_string_set(&listwise, c.before, c.type), 0);
        EXPECT_EQ(read(&listwise, c.json, -1, ReadMode::Listwise).status, read(&whole, c.json, -1, ReadMode::Whole).status);
        char* a = nullptr;
        char* b = nullptr;
        EXPECT_EQ(bacnapi_asn1_string_get(&a, &listwise), bacnapi_asn1_string_get(&b, &whole));
        EXPECT_STREQ(a, b);
        bacnapi_free(a);
        bacnapi_free(b);
        release_value(&whole);
        release_value(&listwise);
    }
}

} // namespace
} // namespace bacnapi::json
