// The walker engine: binding, slot order, list and run endings, and how slot results become
// walk statuses. A recording visitor logs every slot call; it can be told to fail one slot or
// to end a list at a given element.
#include "walk/walk.h"
#include "walk/walk_functions.h"

#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;
using Log = std::vector<std::string>;

struct Recorder {
    Log log;
    std::string failSlot;        // the slot (first word of its log entry) that answers -7
    int32_t endListAtIndex = -1; // beginElement clears more at this element
    int32_t endAfterIndex = -1;  // endElement clears more after this element
    int32_t elements = 0;        // elements begun so far
    const void* lastSrc = nullptr;
};

// Logs "name a b ..." and answers -7 when name is the slot told to fail.
template <class... Numbers>
int32_t note(void* ctx, const std::string& name, Numbers... numbers)
{
    Recorder& r = *static_cast<Recorder*>(ctx);
    std::string entry = name;
    ((entry += " " + std::to_string(numbers)), ...);
    r.log.push_back(entry);
    return name == r.failSlot ? -7 : 0;
}

#define VALUE_SLOT(name)                                                  \
    int32_t name(uint32_t nameId, void*, const void* src, void* ctx)     \
    {                                                                     \
        static_cast<Recorder*>(ctx)->lastSrc = src;                       \
        return note(ctx, #name, nameId);                                  \
    }
VALUE_SLOT(visitBoolean) VALUE_SLOT(visitUnsigned) VALUE_SLOT(visitSigned) VALUE_SLOT(visitReal)
VALUE_SLOT(visitDouble) VALUE_SLOT(visitOctetString) VALUE_SLOT(visitCharacterString) VALUE_SLOT(visitBitString)
VALUE_SLOT(visitDate) VALUE_SLOT(visitTime) VALUE_SLOT(visitObjectIdentifier)
#undef VALUE_SLOT

int32_t visitNull(uint32_t nameId, void* ctx) { return note(ctx, "visitNull", nameId); }
int32_t visitEnumerated(uint32_t nameId, uint32_t enumId, void*, const void* src, void* ctx)
{
    static_cast<Recorder*>(ctx)->lastSrc = src;
    return note(ctx, "visitEnumerated/" + std::to_string(enumId), nameId);
}
int32_t beginConstructed(uint32_t, int32_t type, void* ctx) { return note(ctx, "beginConstructed", type); }
int32_t endConstructed(uint32_t, void* ctx) { return note(ctx, "endConstructed"); }
int32_t betweenFields(void* ctx) { return note(ctx, ","); }
int32_t chooseAlternative(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    *alternative = recorded ? *recorded : 0;
    return note(ctx, "choose", choiceId);
}
int32_t beginElement(uint32_t, uint32_t* more, void* ctx)
{
    Recorder& r = *static_cast<Recorder*>(ctx);
    const int32_t index = r.elements++;
    if (index == r.endListAtIndex) *more = 0;
    return note(ctx, "beginElement", index);
}
int32_t endElement(uint32_t, uint32_t* more, void* ctx)
{
    Recorder& r = *static_cast<Recorder*>(ctx);
    if (r.endAfterIndex >= 0 && r.elements - 1 == r.endAfterIndex) *more = 0;
    return note(ctx, "endElement", r.elements - 1);
}

constexpr BACnetVisitor kRecording = {
    .visitNull = visitNull,
    .visitBoolean = visitBoolean,
    .visitUnsigned = visitUnsigned,
    .visitSigned = visitSigned,
    .visitReal = visitReal,
    .visitDouble = visitDouble,
    .visitOctetString = visitOctetString,
    .visitCharacterString = visitCharacterString,
    .visitBitString = visitBitString,
    .visitEnumerated = visitEnumerated,
    .visitDate = visitDate,
    .visitTime = visitTime,
    .visitObjectIdentifier = visitObjectIdentifier,
    .beginConstructed = beginConstructed,
    .endConstructed = endConstructed,
    .betweenFields = betweenFields,
    .chooseAlternative = chooseAlternative,
    .beginElement = beginElement,
    .endElement = endElement,
};

// Walks source (and/or destination) as type with the recording visitor.
int32_t walk(Recorder& r, const BACnetDataType* source, BACnetDataType* destination, int32_t type,
             const BACnetVisitor& visitor = kRecording)
{
    BACnetFieldCursor c{};
    c.nameId = 3;
    c.tag = -1;
    const int32_t status = bind_cursor(&c, source, type, destination, type);
    if (status != 0) return status;
    return walk_value(&c, &r, &visitor);
}

BACnetDataType parse(const char* text, int32_t type = BACNAPI_TYPE_ListOfUnsigned)
{
    BACnetDataType value{};
    EXPECT_EQ(bacnapi_asn1_string_set(&value, text, type), 0) << text;
    return value;
}

TEST(WalkEngine, ApplicationValuesCallTheirOwnSlot)
{
    const char* slots[] = {"visitNull",      "visitBoolean",       "visitUnsigned", "visitSigned",
                           "visitReal",      "visitDouble",        "visitOctetString", "visitCharacterString",
                           "visitBitString", "visitEnumerated/49", "visitDate",     "visitTime",
                           "visitObjectIdentifier"};
    for (int32_t type = 0; type <= 12; ++type) {
        BACnetDataType source{};
        source.type = type;
        Recorder r;
        BACnetFieldCursor c{};
        ASSERT_EQ(bind_cursor(&c, &source, type, nullptr, type), 0);
        c.nameId = 3;
        c.tag = -1;
        c.enumId = 49;
        ASSERT_EQ(walk_value(&c, &r, &kRecording), 0);
        EXPECT_EQ(r.log, Log{std::string(slots[type]) + " 3"});
        EXPECT_EQ(r.lastSrc, type == 0 ? nullptr : &source.payload) << type;
        r.failSlot = slots[type]; // a slot's own status comes back unchanged
        EXPECT_EQ(walk_value(&c, &r, &kRecording), -7) << type;
    }
}

TEST(WalkEngine, BindCursorRules)
{
    BACnetFieldCursor c{};
    BACnetDataType v{};
    EXPECT_EQ(bind_cursor(nullptr, &v, 0, nullptr, 0), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(bind_cursor(&c, nullptr, 0, nullptr, 0), BACNAPI_WALK_E_REFUSED);
    v.type = BACNAPI_TYPE_Signed;
    EXPECT_EQ(bind_cursor(&c, &v, BACNAPI_TYPE_Unsigned, nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);

    // Destinations: the type is stored for application types; constructed ones get a record
    // unless they cannot stand alone or have no descriptor (then the value is left as it was).
    const int32_t cases[][2] = {
        {BACNAPI_TYPE_Unsigned, 0}, {BACNAPI_TYPE_BACnetDateTime, 0}, {BACNAPI_TYPE_ListOfUnsigned, 0},
        {BACNAPI_TYPE_BACnetError, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR},
        {13, BACNAPI_WALK_E_NODESCRIPTOR}, {-5, BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& k : cases) {
        BACnetDataType d{};
        BACnetFieldCursor cursor{};
        EXPECT_EQ(bind_cursor(&cursor, nullptr, k[0], &d, k[0]), k[1]) << k[0];
        if (k[1] != 0) {
            EXPECT_EQ(d.type, 0) << k[0];
            EXPECT_EQ(d.payload.record, nullptr) << k[0];
            continue;
        }
        EXPECT_EQ(d.type, k[0]);
        EXPECT_EQ(cursor.type, k[0]);
        EXPECT_EQ(cursor.dest, k[0] <= 12 ? static_cast<void*>(&d.payload) : d.payload.record);
        EXPECT_EQ(cursor.recordOwned, k[0] <= 12 ? 0u : 1u);
        if (k[0] > 12) { // a record that is already there is kept
            void* record = d.payload.record;
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(bind_cursor(&cursor, nullptr, k[0], &d, k[0]), 0);
            EXPECT_EQ(d.payload.record, record);
        }
        bacnapi_ClearBACnetDataType(&d);
    }
}

TEST(WalkEngine, SourceSlotOrderAndStatus)
{
    const struct {
        int32_t type;
        const char* text; // null: a bare value of the type, without a record
        int32_t status;
        Log log;
    } cases[] = {
        // A constructed source without its record is refused before any slot is called.
        {20, nullptr, BACNAPI_WALK_E_REFUSED, {}},
        {57, nullptr, BACNAPI_WALK_E_REFUSED, {}},
        {58, nullptr, BACNAPI_WALK_E_REFUSED, {}},
        {49, nullptr, BACNAPI_WALK_E_REFUSED, {}},
        {75, "{}", 0, {"beginConstructed 75", "endConstructed"}},
        {75, "{{4},{5}}", 0,
         {"beginConstructed 75", "beginElement 0", "visitUnsigned 88", "endElement 0", ",", "beginElement 1",
          "visitUnsigned 88", "endElement 1", "endConstructed"}},
        {27, "{1,42}", 0, {"beginConstructed 27", "choose 69", "visitUnsigned 265", "endConstructed"}},
        // The wrapped value (field 4) is visited as a value of its own type, without braces.
        {28, "{8,-1,0,1,85,-1,1.5,16,0,1,0}", 0,
         {"beginConstructed 28", "visitObjectIdentifier 80", ",", "visitObjectIdentifier 201", ",",
          "visitEnumerated/49 234", ",", "visitUnsigned 233", ",", "visitReal 235", ",", "visitUnsigned 222", ",",
          "visitUnsigned 216", ",", "visitBoolean 244", ",", "visitBoolean 315", "endConstructed"}},
    };
    for (const auto& c : cases) {
        BACnetDataType value{c.type, {}};
        if (c.text) value = parse(c.text, c.type);
        Recorder r;
        EXPECT_EQ(walk(r, &value, nullptr, c.type), c.status) << c.type;
        EXPECT_EQ(r.log, c.log) << c.type;
        if (c.text) bacnapi_ClearBACnetDataType(&value);
    }
    // With a record, SignedLong is never walked and a type without a descriptor fails at its
    // first field.
    const struct {
        int32_t type;
        int32_t status;
    } bare[] = {{20, BACNAPI_WALK_E_REFUSED}, {57, BACNAPI_WALK_E_NODESCRIPTOR}, {154, BACNAPI_WALK_E_NODESCRIPTOR}};
    for (const auto& c : bare) {
        uint64_t record[4] = {};
        BACnetDataType value{c.type, {}};
        value.payload.record = record;
        Recorder r;
        EXPECT_EQ(walk(r, &value, nullptr, c.type), c.status) << c.type;
        EXPECT_EQ(r.log, Log{"beginConstructed " + std::to_string(c.type)}) << c.type;
    }
    uint32_t more = 1;
    BACnetFieldCursor child{};
    EXPECT_EQ(walk_SignedLong(&child, nullptr, nullptr, nullptr, &kRecording, &more, 0), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(more, 0u);
}

TEST(WalkEngine, DestinationListsEndWhereTheVisitorSays)
{
    // The list grew by one element before each beginElement; where the visitor finds none, the
    // room is taken back: a value list is emptied and its elements cleared, a run's count is 0.
    const struct {
        int32_t type, endAt;
        Log log;
    } cases[] = {
        {75, 2, {"beginConstructed 75", "beginElement 0", "visitUnsigned 88", "endElement 0", ",", "beginElement 1",
                 "visitUnsigned 88", "endElement 1", ",", "beginElement 2", "endConstructed"}},
        {91, 0, {"beginConstructed 91", "beginElement 0", "endConstructed"}},
    };
    for (const auto& c : cases) {
        BACnetDataType d{};
        Recorder r;
        r.endListAtIndex = c.endAt;
        EXPECT_EQ(walk(r, nullptr, &d, c.type), 0);
        EXPECT_EQ(r.log, c.log);
        ASSERT_EQ(d.type, c.type);
        if (c.type == 91) {
            EXPECT_EQ(static_cast<SequenceOfBACnetPropertyReference*>(d.payload.record)->count, 0);
            // Walked as a source, the empty run ends before any element.
            Recorder source;
            EXPECT_EQ(walk(source, &d, nullptr, c.type), 0);
            EXPECT_EQ(source.log, (Log{"beginConstructed 91", "endConstructed"}));
        } else {
            EXPECT_EQ(d.payload.list->count, 0u);
            for (uint32_t i = 0; i < d.payload.list->capacity; ++i) EXPECT_EQ(d.payload.list->elements[i].type, 0);
        }
        release_value(&d);
    }
}

TEST(WalkEngine, ListElementsReadPartlyKeepWhatAnEmptyValueHolds)
{
    // The elements of a list being read start as empty values of their type, however the engine
    // makes room for them: an element whose text stops early holds what a single value read from
    // the same text holds, records whose empty form is all zero bytes and one whose is not (an
    // optional field marked absent) alike.
    const struct { int32_t listType, type; const char* whole; const char* cut; } cases[] = {
        {BACNAPI_TYPE_ListOfBACnetTimeValue, BACNAPI_TYPE_BACnetTimeValue, "{13:45 30.25,4,1.500000}", "{13:45 30.25"},
        {BACNAPI_TYPE_ListOfBACnetLogRecord, BACNAPI_TYPE_BACnetLogRecord,
         "{{05/17/2024,13:45 30.25},{2,1.500000},0100}", "{{05/17/2024,13:45 30.25}"},
        {BACNAPI_TYPE_ListOfBACnetCOVSubscription, BACNAPI_TYPE_BACnetCOVSubscription,
         "{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}", "{{{0,8,1},7},{0,1,85,-1},1,300}"},
    };
    for (const auto& c : cases) {
        BACnetDataType single{};
        const int32_t status = bacnapi_asn1_string_set(&single, c.cut, c.type);
        const std::string text = std::string("{{") + c.whole + "},{" + c.whole + "},{" + c.whole + "},{" + c.cut + "}}";
        BACnetDataType list{};
        EXPECT_EQ(bacnapi_asn1_string_set(&list, text.c_str(), c.listType), status) << c.cut;
        ASSERT_EQ(list.payload.list->count, 4u) << c.cut;
        const BACnetDataType& last = list.payload.list->elements[3];
        ASSERT_EQ(last.type, c.type);
        EXPECT_EQ(std::memcmp(last.payload.record, single.payload.record, find_descriptor(c.type)->recordSize), 0)
            << c.cut;
        release_value(&list);
        release_value(&single);
    }
}

TEST(WalkEngine, SlotResultsBecomeWalkStatuses)
{
    const struct {
        int32_t type;
        const char* text;
        const char* slot;
        int32_t status;
        const char* lastCall; // the walk stops at the failing slot
    } cases[] = {
        {75, "{{1},{2}}", "beginConstructed", -7, "beginConstructed 75"},
        {75, "{{1},{2}}", "beginElement", BACNAPI_WALK_E_REFUSED, "beginElement 0"},
        {75, "{{1},{2}}", "visitUnsigned", -7, "visitUnsigned 88"},
        {75, "{{1},{2}}", "endElement", -7, "endElement 0"},
        {75, "{{1},{2}}", ",", -7, ","},
        {75, "{{1},{2}}", "endConstructed", -7, "endConstructed"},
        {91, "{{{85,-1}}}", "beginElement", BACNAPI_WALK_E_REFUSED, "beginElement 0"},
        {27, "{1,42}", "choose", BACNAPI_WALK_E_REFUSED, "choose 69"},
        {28, "{8,-1,0,1,85,-1,1.5,16,0,1,0}", "visitReal", -7, "visitReal 235"},
    };
    for (const auto& c : cases) {
        BACnetDataType value = parse(c.text, c.type);
        Recorder r;
        r.failSlot = c.slot;
        EXPECT_EQ(walk(r, &value, nullptr, c.type), c.status) << c.slot;
        ASSERT_FALSE(r.log.empty());
        EXPECT_EQ(r.log.back(), c.lastCall) << c.slot;
        release_value(&value);
    }
}

TEST(WalkEngine, VisitorWithoutBeginElement)
{
    BACnetVisitor visitor = kRecording;
    visitor.beginElement = nullptr;
    // With a source the list's own count ends it: every element is walked.
    BACnetDataType list = parse("{{1},{2},{3}}");
    Recorder r;
    EXPECT_EQ(walk(r, &list, nullptr, BACNAPI_TYPE_ListOfUnsigned, visitor), 0);
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "visitUnsigned 88"), 3);
    bacnapi_ClearBACnetDataType(&list);
    // Without one nothing could end the list: refused.
    BACnetDataType d{};
    EXPECT_EQ(walk(r, nullptr, &d, BACNAPI_TYPE_ListOfUnsigned, visitor), BACNAPI_WALK_E_REFUSED);
    bacnapi_ClearBACnetDataType(&d);
}

} // namespace
