// The rules around the forms: appending to the caller's text, failure (codes without a form at
// any depth, choice numbers a type does not have, missing records, inconsistent counts, nesting
// past the limit, refused allocations) freeing that text, a value that prints as nothing leaving
// it alone, the decided open points, and storing a text as a CharacterString.
#include "display/display_test_util.h"
#include "support/heap_watch.h"

#include "value/limits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using display_test::display;
using display_test::Parsed;

char* heap_text(const char* s)
{
    char* text = static_cast<char*>(std::malloc(std::strlen(s) + 1));
    std::strcpy(text, s);
    return text;
}

template <class Record>
Record* record_of(BACnetDataType& v)
{
    return static_cast<Record*>(v.payload.record);
}

// A value of the given type as initialise leaves it.
BACnetDataType fresh(int32_t type)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), 0) << type;
    return v;
}

BACnetDataType unsigned_value(uint32_t n)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Unsigned;
    v.payload.unsignedValue = n;
    return v;
}

// Appends element to a list value (the list takes it over).
void push(BACnetDataType& list, const BACnetDataType& element)
{
    BACnetValueList* l = list.payload.list;
    if (l->count == l->capacity) {
        l->capacity += 4;
        l->elements = static_cast<BACnetDataType*>(std::realloc(l->elements, l->capacity * sizeof(BACnetDataType)));
        std::memset(static_cast<void*>(l->elements + l->count), 0, 4 * sizeof(BACnetDataType));
    }
    l->elements[l->count++] = element;
}

TEST(DisplayRules, TextIsAppendedToTheCallersText)
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
}

TEST(DisplayRules, AValuePrintingAsNothingLeavesThePointerAsItWas)
{
    BACnetDataType emptyOctets{};
    emptyOctets.type = BACNAPI_TYPE_OctetString;
    BACnetDataType emptyBits{};
    emptyBits.type = BACNAPI_TYPE_BitString;
    BACnetDataType emptyText{};
    emptyText.type = BACNAPI_TYPE_CharacterString;
    BACnetDataType priorityArray = fresh(BACNAPI_TYPE_BACnetPriorityArray);
    BACnetDataType sequence = fresh(BACNAPI_TYPE_SequenceOfReadAccessSpecification);
    for (const BACnetDataType* v : {&emptyOctets, &emptyBits, &emptyText, &priorityArray, &sequence}) {
        SCOPED_TRACE(v->type);
        char* text = nullptr;
        EXPECT_EQ(bacnapi_string_get(&text, v), 0);
        EXPECT_EQ(text, nullptr);
        char* before = heap_text("x");
        text = before;
        EXPECT_EQ(bacnapi_string_get(&text, v), 0);
        EXPECT_EQ(text, before);
        EXPECT_STREQ(text, "x");
        bacnapi_string_destroy(text);
    }
    bacnapi_ClearBACnetDataType(&priorityArray);
    bacnapi_ClearBACnetDataType(&sequence);
}

// Every code without a display form fails on its own and inside a list, and frees the caller's
// text; codes with a record get one, so that only the code can be the reason.
TEST(DisplayRules, CodesWithoutAFormFailAtAnyDepth)
{
    const int32_t codes[] = {13,  14,  15,  16,  17,  18,  19,  20,  29,  31,  34,  35,  40,  41,  66,
                             67,  68,  85,  86,  91,  99,  100, 108, 109, 114, 115, 126, 137, 138, 149,
                             150, 151, 152, 153, 154, 1000, -1, -1000};
    for (int32_t code : codes) {
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
}

// A choice number that the type does not have fails; one case per choice form.
TEST(DisplayRules, ChoiceNumbersATypeDoesNotHaveFail)
{
    struct Bad {
        int32_t type;
        int32_t choice;
    };
    const Bad cases[] = {{23, 3},  {23, -1}, {27, 3},  {30, -1}, {30, 2},  {48, 6},   {50, 16},
                         {51, 12}, {51, 999}, {52, 12}, {52, -1}, {54, 2},  {102, 2},  {117, 3},  {119, 9},
                         {123, 3}, {123, -5}};
    for (const Bad& bad : cases) {
        SCOPED_TRACE(std::to_string(bad.type) + " choice " + std::to_string(bad.choice));
        BACnetDataType v = fresh(bad.type);
        *record_of<int32_t>(v) = bad.choice; // every one of these records starts with its selector
        std::string shown;
        EXPECT_EQ(display(v, &shown), -1);
        *record_of<int32_t>(v) = 0;
        bacnapi_ClearBACnetDataType(&v);
    }
    // Selectors that do not lead their record.
    BACnetDataType log = fresh(BACNAPI_TYPE_BACnetLogRecord);
    record_of<BACnetLogRecord>(log)->logDatumChoice = 11;
    std::string shown;
    EXPECT_EQ(display(log, &shown), -1);
    record_of<BACnetLogRecord>(log)->logDatumChoice = 0;
    bacnapi_ClearBACnetDataType(&log);

    BACnetDataType eventLog = fresh(BACNAPI_TYPE_BACnetEventLogRecord);
    record_of<BACnetEventLogRecord>(eventLog)->logDatumChoice = 3;
    EXPECT_EQ(display(eventLog, &shown), -1);
    record_of<BACnetEventLogRecord>(eventLog)->logDatumChoice = 0;
    bacnapi_ClearBACnetDataType(&eventLog);

    BACnetDataType result = fresh(BACNAPI_TYPE_ReadAccessPropertyValue);
    record_of<ReadAccessPropertyValue>(result)->choice = 2;
    EXPECT_EQ(display(result, &shown), -1);
    record_of<ReadAccessPropertyValue>(result)->choice = 0;
    bacnapi_ClearBACnetDataType(&result);

    // Alternative 6 of the event parameters exists and has no items.
    BACnetDataType event = fresh(BACNAPI_TYPE_BACnetEventParameter);
    record_of<BACnetEventParameter>(event)->choice = 6;
    EXPECT_EQ(display(event, &shown), 0);
    EXPECT_EQ(shown, "6 {}");
    bacnapi_ClearBACnetDataType(&event);
}

TEST(DisplayRules, AMissingRecordFailsForEveryConstructedCode)
{
    for (int32_t code = 21; code <= 125; ++code) {
        BACnetDataType v{};
        v.type = code;
        char* text = heap_text("abc");
        EXPECT_EQ(bacnapi_string_get(&text, &v), -1) << code;
        EXPECT_EQ(text, nullptr) << code;
    }
}

// Counts that the storage behind them cannot hold fail instead of reading beyond it.
TEST(DisplayRules, CountsBeyondTheirStorageFail)
{
    std::vector<std::function<void(BACnetDataType&)>> breakers;
    std::vector<BACnetDataType> values;
    auto add = [&](BACnetDataType v, std::function<void(BACnetDataType&)> mend) {
        values.push_back(v);
        breakers.push_back(std::move(mend));
    };

    BACnetDataType list = fresh(BACNAPI_TYPE_ListOfUnsigned);
    list.payload.list->count = list.payload.list->capacity + 1;
    add(list, [](BACnetDataType& v) { v.payload.list->count = 0; });

    BACnetDataType noElements = fresh(BACNAPI_TYPE_ListOfReal);
    std::free(noElements.payload.list->elements);
    noElements.payload.list->elements = nullptr;
    noElements.payload.list->count = 1;
    add(noElements, [](BACnetDataType& v) { v.payload.list->count = 0; });

    BACnetDataType noOctets{};
    noOctets.type = BACNAPI_TYPE_OctetString;
    noOctets.payload.octetString.length = 3;
    add(noOctets, [](BACnetDataType& v) { v.payload.octetString.length = 0; });

    BACnetDataType noBits{};
    noBits.type = BACNAPI_TYPE_BitString;
    noBits.payload.bitString.bitCount = noBits.payload.bitString.usedCount = 2;
    add(noBits, [](BACnetDataType& v) { v.payload.bitString = {}; });

    BACnetDataType address = fresh(BACNAPI_TYPE_BACnetAddress);
    record_of<BACnetAddress>(address)->macLength = 7;
    add(address, [](BACnetDataType&) {});

    BACnetDataType negativeRun = fresh(BACNAPI_TYPE_SequenceOfReadAccessResult);
    record_of<SequenceOfReadAccessResult>(negativeRun)->count = -1;
    add(negativeRun, [](BACnetDataType& v) { record_of<SequenceOfReadAccessResult>(v)->count = 0; });

    BACnetDataType runWithoutArray = fresh(BACNAPI_TYPE_ReadAccessSpecification);
    record_of<ReadAccessSpecification>(runWithoutArray)->listOfPropertyReferences.count = 3;
    add(runWithoutArray,
        [](BACnetDataType& v) { record_of<ReadAccessSpecification>(v)->listOfPropertyReferences.count = 0; });

    for (size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(values[i].type);
        std::string shown;
        EXPECT_EQ(display(values[i], &shown), -1);
        EXPECT_EQ(shown, "(null)");
        breakers[i](values[i]);
        bacnapi_ClearBACnetDataType(&values[i]);
    }
}

// A chain of nested values prints up to the nesting limit and fails one level beyond it.
TEST(DisplayRules, NestingIsBoundedByTheLimit)
{
    for (int levels : {bacnapi::kMaxNestingDepth, bacnapi::kMaxNestingDepth + 1}) {
        SCOPED_TRACE(levels);
        BACnetDataType top = unsigned_value(7);
        std::string expected = "7";
        for (int i = 1; i < levels; ++i) {
            BACnetDataType outer = fresh(BACNAPI_TYPE_BACnetNestedValue);
            record_of<BACnetNestedValue>(outer)->value = top;
            top = outer;
        }
        std::string shown;
        const int32_t status = display(top, &shown);
        if (levels <= bacnapi::kMaxNestingDepth) {
            EXPECT_EQ(status, 0);
            EXPECT_EQ(shown, expected);
        } else {
            EXPECT_EQ(status, -1);
        }
        bacnapi_ClearBACnetDataType(&top);
    }
}

// The property list of a WriteAccessSpecification: Null, one property value, or a non-empty
// list of property values; anything else fails.
TEST(DisplayRules, WriteAccessPropertyListAcceptsOnlyPropertyValues)
{
    struct Case {
        const char* what;
        std::function<void(BACnetDataType&)> fill;
        int32_t status;
        const char* expected;
    };
    const Case cases[] = {
        {"one property value",
         [](BACnetDataType& v) {
             v = fresh(BACNAPI_TYPE_BACnetPropertyValue);
             record_of<BACnetPropertyValue>(v)->propertyIdentifier = 85;
         },
         0, "{0,1,{85,,null,0}}"},
        {"empty list", [](BACnetDataType& v) { v = fresh(BACNAPI_TYPE_ListOfBACnetPropertyValue); }, -1, ""},
        {"list of another element type",
         [](BACnetDataType& v) {
             v = fresh(BACNAPI_TYPE_ListOfBACnetPropertyValue);
             push(v, unsigned_value(1));
         },
         -1, ""},
        {"another list type", [](BACnetDataType& v) { v = fresh(BACNAPI_TYPE_ListOfUnsigned); }, -1, ""},
        {"missing list record", [](BACnetDataType& v) { v.type = BACNAPI_TYPE_ListOfBACnetPropertyValue; }, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BACnetDataType spec = fresh(BACNAPI_TYPE_WriteAccessSpecification);
        record_of<WriteAccessSpecification>(spec)->objectIdentifier = {0, 1};
        c.fill(record_of<WriteAccessSpecification>(spec)->listOfProperties);
        std::string shown;
        EXPECT_EQ(display(spec, &shown), c.status);
        if (c.status == 0) {
            EXPECT_EQ(shown, c.expected);
        }
        bacnapi_ClearBACnetDataType(&spec);
    }
}

// Decided open points: the log data of BACnetLogData alternative 1 by its type, and the value
// form of BACnetObjectPropertyValue.
TEST(DisplayRules, LogDataPrintsByTheTypeItHolds)
{
    auto nested_value = [](BACnetDataType inner) {
        BACnetDataType v = fresh(BACNAPI_TYPE_BACnetNestedValue);
        record_of<BACnetNestedValue>(v)->value = inner;
        return v;
    };
    struct Case {
        const char* what;
        std::function<BACnetDataType()> make;
        int32_t status;
        const char* expected;
    };
    const Case cases[] = {
        {"null", [] { return BACnetDataType{}; }, 0, "{}"},
        {"nested value", [&] { return nested_value(unsigned_value(4)); }, 0, "{4}"},
        {"list of nested values",
         [&] {
             BACnetDataType list{};
             list.type = BACNAPI_TYPE_ReservedList95;
             list.payload.list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
             push(list, nested_value(unsigned_value(1)));
             push(list, nested_value(unsigned_value(2)));
             return list;
         },
         0, "{1}{2}"},
        {"list holding another element",
         [&] {
             BACnetDataType list{};
             list.type = BACNAPI_TYPE_ReservedList95;
             list.payload.list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
             push(list, unsigned_value(1));
             return list;
         },
         -1, ""},
        {"list of log data elements",
         [] {
             BACnetDataType list{};
             EXPECT_EQ(bacnapi_asn1_string_set(&list, "{{{0,1}},{{6,null}}}", BACNAPI_TYPE_ListOfBACnetLogDataElement), 0);
             return list;
         },
         0, "{0 {1}},{6 {}}"},
        {"another type", [] { return unsigned_value(3); }, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BACnetDataType data = fresh(BACNAPI_TYPE_BACnetLogData);
        record_of<BACnetLogData>(data)->choice = 1;
        record_of<BACnetLogData>(data)->value.logData = c.make();
        std::string shown;
        EXPECT_EQ(display(data, &shown), c.status);
        if (c.status == 0) {
            EXPECT_EQ(shown, c.expected);
        }
        bacnapi_ClearBACnetDataType(&data);
    }

    BACnetDataType objectValue = fresh(BACNAPI_TYPE_BACnetObjectPropertyValue);
    std::string shown;
    EXPECT_EQ(display(objectValue, &shown), 0);
    EXPECT_EQ(shown, "{0,0,0,null,0}");
    bacnapi_ClearBACnetDataType(&objectValue);
}

TEST(DisplayRules, ListsAndPriorityArraysDifferWhenEmptyAndInSeparators)
{
    BACnetDataType array = fresh(BACNAPI_TYPE_BACnetArray);
    BACnetDataType priorities = fresh(BACNAPI_TYPE_BACnetPriorityArray);
    std::string shown;
    EXPECT_EQ(display(array, &shown), 0);
    EXPECT_EQ(shown, "{}");
    push(array, unsigned_value(1));
    push(array, unsigned_value(2));
    EXPECT_EQ(display(array, &shown), 0);
    EXPECT_EQ(shown, "{1},{2}");
    char* text = nullptr;
    EXPECT_EQ(bacnapi_string_get(&text, &priorities), 0);
    EXPECT_EQ(text, nullptr);
    push(priorities, unsigned_value(1));
    push(priorities, unsigned_value(2));
    EXPECT_EQ(display(priorities, &shown), 0);
    EXPECT_EQ(shown, "{1}{2}");
    bacnapi_ClearBACnetDataType(&array);
    bacnapi_ClearBACnetDataType(&priorities);
}

TEST(DisplayRules, SetStoresTheTextAsUtf8WithItsTerminatorCounted)
{
    struct Case {
        const char* text;
        uint64_t length;
    };
    for (const Case& c : {Case{"Zone 1", 7}, Case{"", 1}, Case{nullptr, 0}}) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        BACnetDataType v = fresh(BACNAPI_TYPE_ListOfUnsigned); // held before: released by the set
        ASSERT_EQ(bacnapi_string_set(&v, c.text), 0);
        EXPECT_EQ(v.type, BACNAPI_TYPE_CharacterString);
        EXPECT_EQ(v.payload.characterString.characterSet, 0);
        EXPECT_EQ(v.payload.characterString.length, c.length);
        if (c.text) {
            ASSERT_NE(v.payload.characterString.data, nullptr);
            EXPECT_NE(v.payload.characterString.data, c.text);
            EXPECT_STREQ(v.payload.characterString.data, c.text);
        } else {
            EXPECT_EQ(v.payload.characterString.data, nullptr);
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
    struct Rich {
        int32_t type;
        std::string brace;
    };
    const Rich rich[] = {
        {116, "{" + dt + ",{1,{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3,{5,{30.000000,1000,1.000000,25.000000}}}}}"},
        {39, "{0,1,{{{85,-1,21.500000,8}},{{77,-1,Room 12,0}}}}"},
        {80, "{{{08:00 00.00,4,21.700000}},{{18:30 00.00,7,Occupied}},{{19:00 00.00,6,0A0B0C}}}"},
        {90, "{{{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone}}}}},{{0,2,{}}}}"},
    };
    for (const Rich& r : rich) {
        SCOPED_TRACE(r.brace);
        Parsed parsed(r.type, r.brace);
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
            if (status != 0) {
                EXPECT_TRUE(refused);
                EXPECT_EQ(status, -1);
                EXPECT_EQ(text, nullptr);
            } else {
                ASSERT_NE(text, nullptr);
                EXPECT_EQ(text, "prefix:" + full);
            }
            bacnapi_string_destroy(text);
            EXPECT_EQ(heap_watch::live_blocks(), baseline);
        }
        EXPECT_GT(k, 1);
    }

    // Converting a string allocates inside the print.
    BACnetDataType ucs2{};
    ucs2.type = BACNAPI_TYPE_CharacterString;
    ucs2.payload.characterString = {4, {}, const_cast<char*>("\x00" "A" "\x00" "B"), 4};
    long k = 0;
    for (bool refused = true; refused; ++k) {
        char* text = nullptr;
        heap_watch::refuse_after(k);
        const int32_t status = bacnapi_string_get(&text, &ucs2);
        refused = heap_watch::disarm();
        if (status == 0) {
            EXPECT_STREQ(text, "AB");
        } else {
            EXPECT_EQ(text, nullptr);
        }
        bacnapi_string_destroy(text);
    }
    EXPECT_GT(k, 1);
}

} // namespace
