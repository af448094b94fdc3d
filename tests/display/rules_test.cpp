// The rules around the forms: appending to the caller's text, failure (codes without a form at
// any depth, choice numbers a type does not have, missing records, inconsistent counts, nesting
// past the limit, refused allocations) freeing that text, a value that prints as nothing leaving
// it alone, the decided open points, and storing a text as a CharacterString.
#include "display/display_test_util.h"
#include "support/heap_watch.h"

#include "value/limits.h"

#include <functional>
#include <vector>

namespace {

using namespace display_test;

TEST(DisplayRules, TextIsAppendedToTheCallersTextAndNothingLeavesItAlone)
{
    char* text = heap_text("abc");
    ASSERT_EQ(bacnapi_string_get(&text, nullptr), -1); // a missing value fails like any other
    EXPECT_EQ(text, nullptr);
    text = heap_text("abc");
    const BACnetDataType five = unsigned_value(5);
    ASSERT_EQ(bacnapi_string_get(&text, &five), 0);
    ASSERT_EQ(bacnapi_string_get(&text, &five), 0);
    EXPECT_STREQ(text, "abc55");
    bacnapi_string_destroy(text);
    EXPECT_EQ(bacnapi_string_get(nullptr, &five), -1);
    EXPECT_EQ(bacnapi_string_destroy(nullptr), 0);

    // Values that print as nothing: the pointer stays as it was, null or not.
    BACnetDataType empty[5] = {};
    empty[0].type = BACNAPI_TYPE_OctetString;
    empty[1].type = BACNAPI_TYPE_BitString;
    empty[2].type = BACNAPI_TYPE_CharacterString;
    empty[3] = fresh(BACNAPI_TYPE_BACnetPriorityArray);
    empty[4] = fresh(BACNAPI_TYPE_SequenceOfReadAccessSpecification);
    for (BACnetDataType& v : empty) {
        SCOPED_TRACE(v.type);
        text = nullptr;
        EXPECT_EQ(bacnapi_string_get(&text, &v), 0);
        EXPECT_EQ(text, nullptr);
        char* before = text = heap_text("x");
        EXPECT_EQ(bacnapi_string_get(&text, &v), 0);
        EXPECT_EQ(text, before);
        EXPECT_STREQ(text, "x");
        bacnapi_string_destroy(text);
        bacnapi_ClearBACnetDataType(&v);
    }
}

// Every code without a display form fails on its own and inside a list, and frees the caller's
// text; codes with a record get one, so that only the code can be the reason.
TEST(DisplayRules, CodesWithoutAFormFailAtAnyDepth)
{
    for (int32_t code : {13, 14, 15, 16, 17, 18, 19, 20, 29, 31, 34, 35, 40, 41, 66, 67, 68, 85, 86, 91, 99, 100, 108, 109,
                         114, 115, 126, 137, 138, 149, 150, 151, 152, 153, 154, 1000, -1, -1000}) {
        SCOPED_TRACE(code);
        BACnetDataType v{};
        if (bacnapi_initialize_data(&v, code) != 0) v.type = code;
        char* text = heap_text("kept?");
        EXPECT_EQ(bacnapi_string_get(&text, &v), -1);
        EXPECT_EQ(text, nullptr);
        BACnetDataType list = fresh(BACNAPI_TYPE_ListOfUnsigned);
        push(list, unsigned_value(1));
        push(list, v);
        std::string shown;
        EXPECT_EQ(display(list, &shown), -1);
        EXPECT_EQ(shown, "(null)");
        list.payload.list->count = 1; // the element is released below, by its own rules
        bacnapi_ClearBACnetDataType(&list);
        if (code == 91 || code >= 150) release_value(&v);
        else if (v.payload.record) bacnapi_ClearBACnetDataType(&v);
    }
    for (int32_t code = 21; code <= 125; ++code) { // a missing record fails for every constructed code
        BACnetDataType v{};
        v.type = code;
        char* text = heap_text("abc");
        EXPECT_EQ(bacnapi_string_get(&text, &v), -1) << code;
        EXPECT_EQ(text, nullptr) << code;
    }
}

// A choice number that the type does not have fails; one case per choice form. The selector is
// the first member of the record unless an offset is given.
TEST(DisplayRules, ChoiceNumbersATypeDoesNotHaveFail)
{
    const struct { int32_t type, choice; size_t offset; } cases[] = {
        {23, 3, 0}, {23, -1, 0}, {27, 3, 0}, {30, -1, 0}, {30, 2, 0}, {48, 6, 0}, {50, 16, 0}, {51, 12, 0}, {51, 999, 0},
        {52, 12, 0}, {52, -1, 0}, {54, 2, 0}, {102, 2, 0}, {117, 3, 0}, {119, 9, 0}, {123, 3, 0}, {123, -5, 0},
        {BACNAPI_TYPE_BACnetLogRecord, 11, offsetof(BACnetLogRecord, logDatumChoice)},
        {BACNAPI_TYPE_BACnetEventLogRecord, 3, offsetof(BACnetEventLogRecord, logDatumChoice)},
        {BACNAPI_TYPE_ReadAccessPropertyValue, 2, offsetof(ReadAccessPropertyValue, choice)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " choice " + std::to_string(c.choice));
        BACnetDataType v = fresh(c.type);
        auto* selector = reinterpret_cast<int32_t*>(record_of<char>(v) + c.offset);
        *selector = c.choice;
        std::string shown;
        EXPECT_EQ(display(v, &shown), -1);
        *selector = 0;
        bacnapi_ClearBACnetDataType(&v);
    }
    BACnetDataType event = fresh(BACNAPI_TYPE_BACnetEventParameter); // alternative 6 exists and has no items
    record_of<BACnetEventParameter>(event)->choice = 6;
    std::string shown;
    EXPECT_EQ(display(event, &shown), 0);
    EXPECT_EQ(shown, "6 {}");
    bacnapi_ClearBACnetDataType(&event);
}

// Counts that the storage behind them cannot hold fail instead of reading beyond it.
TEST(DisplayRules, CountsBeyondTheirStorageFail)
{
    struct Case { BACnetDataType value; std::function<void(BACnetDataType&)> mend; };
    std::vector<Case> cases;
    BACnetDataType v = fresh(BACNAPI_TYPE_ListOfUnsigned);
    v.payload.list->count = v.payload.list->capacity + 1;
    cases.push_back({v, [](BACnetDataType& x) { x.payload.list->count = 0; }});
    v = fresh(BACNAPI_TYPE_ListOfReal);
    std::free(v.payload.list->elements);
    v.payload.list->elements = nullptr;
    v.payload.list->count = 1;
    cases.push_back({v, [](BACnetDataType& x) { x.payload.list->count = 0; }});
    v = {};
    v.type = BACNAPI_TYPE_OctetString;
    v.payload.octetString.length = 3;
    cases.push_back({v, [](BACnetDataType& x) { x.payload.octetString.length = 0; }});
    v = {};
    v.type = BACNAPI_TYPE_BitString;
    v.payload.bitString.bitCount = v.payload.bitString.usedCount = 2;
    cases.push_back({v, [](BACnetDataType& x) { x.payload.bitString = {}; }});
    v = fresh(BACNAPI_TYPE_BACnetAddress);
    record_of<BACnetAddress>(v)->macLength = 7;
    cases.push_back({v, [](BACnetDataType&) {}});
    v = fresh(BACNAPI_TYPE_SequenceOfReadAccessResult);
    record_of<SequenceOfReadAccessResult>(v)->count = -1;
    cases.push_back({v, [](BACnetDataType& x) { record_of<SequenceOfReadAccessResult>(x)->count = 0; }});
    v = fresh(BACNAPI_TYPE_ReadAccessSpecification);
    record_of<ReadAccessSpecification>(v)->listOfPropertyReferences.count = 3;
    cases.push_back({v, [](BACnetDataType& x) { record_of<ReadAccessSpecification>(x)->listOfPropertyReferences.count = 0; }});
    for (Case& c : cases) {
        SCOPED_TRACE(c.value.type);
        std::string shown;
        EXPECT_EQ(display(c.value, &shown), -1);
        EXPECT_EQ(shown, "(null)");
        c.mend(c.value);
        bacnapi_ClearBACnetDataType(&c.value);
    }
}

// A chain of nested values prints up to the nesting limit and fails one level beyond it.
TEST(DisplayRules, NestingIsBoundedByTheLimit)
{
    for (int levels : {bacnapi::kMaxNestingDepth, bacnapi::kMaxNestingDepth + 1}) {
        SCOPED_TRACE(levels);
        BACnetDataType top = unsigned_value(7);
        for (int i = 1; i < levels; ++i) {
            BACnetDataType outer = fresh(BACNAPI_TYPE_BACnetNestedValue);
            record_of<BACnetNestedValue>(outer)->value = top;
            top = outer;
        }
        std::string shown;
        EXPECT_EQ(display(top, &shown), levels <= bacnapi::kMaxNestingDepth ? 0 : -1);
        EXPECT_EQ(shown, levels <= bacnapi::kMaxNestingDepth ? "7" : "(null)");
        bacnapi_ClearBACnetDataType(&top);
    }
}

BACnetDataType list_of(int32_t type, std::initializer_list<BACnetDataType> elements)
{
    BACnetDataType list{};
    list.type = type;
    list.payload.list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    for (const BACnetDataType& e : elements) push(list, e);
    return list;
}

BACnetDataType nested(BACnetDataType inner)
{
    BACnetDataType v = fresh(BACNAPI_TYPE_BACnetNestedValue);
    record_of<BACnetNestedValue>(v)->value = inner;
    return v;
}

// Values that stand for one of several types: the property list of a WriteAccessSpecification
// (Null, one property value, or a non-empty list of them) and the log data of alternative 1 of
// BACnetLogData (printed by the type it holds); anything else fails.
TEST(DisplayRules, PropertyListsAndLogDataPrintByTheTypeTheyHold)
{
    struct Case { bool logData; std::function<BACnetDataType()> make; const char* expected; }; // null: fails
    const Case cases[] = {
        {false, [] { BACnetDataType v = fresh(BACNAPI_TYPE_BACnetPropertyValue);
                     record_of<BACnetPropertyValue>(v)->propertyIdentifier = 85; return v; }, "{0,1,{85,,null,0}}"},
        {false, [] { return fresh(BACNAPI_TYPE_ListOfBACnetPropertyValue); }, nullptr},
        {false, [] { return list_of(BACNAPI_TYPE_ListOfBACnetPropertyValue, {unsigned_value(1)}); }, nullptr},
        {false, [] { return fresh(BACNAPI_TYPE_ListOfUnsigned); }, nullptr},
        {false, [] { BACnetDataType v{}; v.type = BACNAPI_TYPE_ListOfBACnetPropertyValue; return v; }, nullptr},
        {true, [] { return BACnetDataType{}; }, "{}"},
        {true, [] { return nested(unsigned_value(4)); }, "{4}"},
        {true, [] { return list_of(BACNAPI_TYPE_ReservedList95, {nested(unsigned_value(1)), nested(unsigned_value(2))}); }, "{1}{2}"},
        {true, [] { return list_of(BACNAPI_TYPE_ReservedList95, {unsigned_value(1)}); }, nullptr},
        {true, [] { BACnetDataType v{};
                    EXPECT_EQ(bacnapi_asn1_string_set(&v, "{{{0,1}},{{6,null}}}", BACNAPI_TYPE_ListOfBACnetLogDataElement), 0);
                    return v; }, "{0 {1}},{6 {}}"},
        {true, [] { return unsigned_value(3); }, nullptr},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        BACnetDataType outer;
        if (cases[i].logData) {
            outer = fresh(BACNAPI_TYPE_BACnetLogData);
            record_of<BACnetLogData>(outer)->choice = 1;
            record_of<BACnetLogData>(outer)->value.logData = cases[i].make();
        } else {
            outer = fresh(BACNAPI_TYPE_WriteAccessSpecification);
            record_of<WriteAccessSpecification>(outer)->objectIdentifier = {0, 1};
            record_of<WriteAccessSpecification>(outer)->listOfProperties = cases[i].make();
        }
        std::string shown;
        EXPECT_EQ(display(outer, &shown), cases[i].expected ? 0 : -1);
        EXPECT_EQ(shown, cases[i].expected ? cases[i].expected : "(null)");
        bacnapi_ClearBACnetDataType(&outer);
    }
    BACnetDataType objectValue = fresh(BACNAPI_TYPE_BACnetObjectPropertyValue); // its value form
    std::string shown;
    EXPECT_EQ(display(objectValue, &shown), 0);
    EXPECT_EQ(shown, "{0,0,0,null,0}");
    bacnapi_ClearBACnetDataType(&objectValue);
}

TEST(DisplayRules, ListsAndPriorityArraysDifferWhenEmptyAndInSeparators)
{
    const struct { int32_t type; const char* empty; const char* two; } cases[] = {
        {BACNAPI_TYPE_BACnetArray, "{}", "{1},{2}"}, {BACNAPI_TYPE_BACnetPriorityArray, "(null)", "{1}{2}"}};
    for (const auto& c : cases) {
        BACnetDataType list = fresh(c.type);
        std::string shown;
        EXPECT_EQ(display(list, &shown), 0);
        EXPECT_EQ(shown, c.empty);
        push(list, unsigned_value(1));
        push(list, unsigned_value(2));
        EXPECT_EQ(display(list, &shown), 0);
        EXPECT_EQ(shown, c.two);
        bacnapi_ClearBACnetDataType(&list);
    }
}

TEST(DisplayRules, SetStoresTheTextAsUtf8WithItsTerminatorCounted)
{
    const struct { const char* text; uint64_t length; } cases[] = {{"Zone 1", 7}, {"", 1}, {nullptr, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        BACnetDataType v = fresh(BACNAPI_TYPE_ListOfUnsigned); // held before: released by the set
        ASSERT_EQ(bacnapi_string_set(&v, c.text), 0);
        EXPECT_EQ(v.type, BACNAPI_TYPE_CharacterString);
        EXPECT_EQ(v.payload.characterString.characterSet, 0);
        EXPECT_EQ(v.payload.characterString.length, c.length);
        EXPECT_EQ(v.payload.characterString.data == nullptr, c.text == nullptr);
        if (c.text) {
            EXPECT_NE(v.payload.characterString.data, c.text);
            EXPECT_STREQ(v.payload.characterString.data, c.text);
        }
        std::string shown;
        EXPECT_EQ(display(v, &shown), 0);
        EXPECT_EQ(shown, c.text && *c.text ? c.text : "(null)");
        bacnapi_ClearBACnetDataType(&v);
    }
    EXPECT_EQ(bacnapi_string_set(nullptr, "x"), BACNAPI_E_INVALIDARG);
    if (heap_watch::active()) {
        BACnetDataType v{};
        heap_watch::refuse_after(0);
        EXPECT_EQ(bacnapi_string_set(&v, "refused"), BACNAPI_E_INVALIDARG);
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(v.type, BACNAPI_TYPE_CharacterString);
        EXPECT_EQ(v.payload.characterString.data, nullptr);
        bacnapi_ClearBACnetDataType(&v);
    }
}

// Refusing each allocation of printing rich values in turn: the print either fails, freeing the
// caller's text, or succeeds with the whole text; nothing is left behind.
TEST(DisplayRules, HeapRefusalAtEveryAllocationFailsCleanly)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const std::string dt = "{05/17/2024,13:45 30.25}";
    const struct { int32_t type; std::string brace; } rich[] = {
        {116, "{" + dt + ",{1,{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3,{5,{30.000000,1000,1.000000,25.000000}}}}}"},
        {39, "{0,1,{{{85,-1,21.500000,8}},{{77,-1,Room 12,0}}}}"},
        {80, "{{{08:00 00.00,4,21.700000}},{{18:30 00.00,7,Occupied}},{{19:00 00.00,6,0A0B0C}}}"},
        {90, "{{{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone}}}}},{{0,2,{}}}}"},
        {BACNAPI_TYPE_CharacterString, ""}, // converting a string allocates inside the print
    };
    for (const auto& r : rich) {
        SCOPED_TRACE(r.brace);
        Parsed parsed(r.type, r.brace);
        if (r.type == BACNAPI_TYPE_CharacterString) {
            release_value(&parsed.value());
            parsed.value().type = BACNAPI_TYPE_CharacterString;
            parsed.value().payload.characterString = {4, {}, heap_text("\x01" "A" "\x01" "B"), 4};
            parsed.value().payload.characterString.data[0] = parsed.value().payload.characterString.data[2] = 0;
        }
        std::string full;
        ASSERT_EQ(display(parsed.value(), &full), 0);
        const long baseline = heap_watch::live_blocks();
        bool refused = true;
        long k = 0;
        for (; refused; ++k) {
            SCOPED_TRACE(k);
            char* text = heap_text("prefix:");
            heap_watch::refuse_after(k);
            const int32_t status = bacnapi_string_get(&text, &parsed.value());
            refused = heap_watch::disarm();
            EXPECT_TRUE(status == 0 || (refused && status == -1)) << status;
            EXPECT_EQ(text ? std::string(text) : "(null)", status == 0 ? "prefix:" + full : "(null)");
            bacnapi_string_destroy(text);
            EXPECT_EQ(heap_watch::live_blocks(), baseline);
        }
        EXPECT_GT(k, 1);
    }
}

} // namespace
