// The walker engine: binding, slot order, list and run endings, and how slot results become
// walk statuses. A recording visitor logs every slot call; it can be told to fail one slot or
// to end a list at a given element.
#include "brace/brace_test_util.h"
#include "value/value_internal.h"
#include "walk/walk.h"
#include "walk/walk_functions.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace bacnapi;

struct Recorder {
    std::vector<std::string> log;
    std::string failSlot;        // the slot (first word of its log entry) that answers -7
    int32_t endListAtIndex = -1; // beginElement clears more at this index
    const void* lastSrc = nullptr;
};

Recorder* g_release = nullptr; // releaseElements gets no ctx; the walk helper sets this

int32_t note(void* ctx, std::string entry)
{
    Recorder& r = *static_cast<Recorder*>(ctx);
    r.log.push_back(entry);
    return entry.substr(0, entry.find(' ')) == r.failSlot ? -7 : 0;
}

std::string at(uint32_t nameId, int32_t tag) { return " " + std::to_string(nameId) + " " + std::to_string(tag); }

#define VALUE_SLOT(name)                                                                \
    int32_t name(uint32_t nameId, int32_t tag, void*, const void* src, void* ctx)      \
    {                                                                                   \
        static_cast<Recorder*>(ctx)->lastSrc = src;                                     \
        return note(ctx, #name + at(nameId, tag));                                      \
    }
VALUE_SLOT(visitBoolean)
VALUE_SLOT(visitUnsigned)
VALUE_SLOT(visitSigned)
VALUE_SLOT(visitReal)
VALUE_SLOT(visitDouble)
VALUE_SLOT(visitOctetString)
VALUE_SLOT(visitCharacterString)
VALUE_SLOT(visitBitString)
VALUE_SLOT(visitDate)
VALUE_SLOT(visitTime)
VALUE_SLOT(visitObjectIdentifier)
#undef VALUE_SLOT

int32_t visitNull(uint32_t nameId, int32_t tag, void* ctx) { return note(ctx, "visitNull" + at(nameId, tag)); }
int32_t visitEnumerated(uint32_t nameId, int32_t tag, uint32_t enumId, void*, const void* src, void* ctx)
{
    static_cast<Recorder*>(ctx)->lastSrc = src;
    return note(ctx, "visitEnumerated/" + std::to_string(enumId) + at(nameId, tag));
}
int32_t beginConstructed(uint32_t, int32_t type, int32_t, void*, const void*, void* ctx)
{
    return note(ctx, "beginConstructed " + std::to_string(type));
}
int32_t endConstructed(uint32_t, int32_t type, int32_t, void*, const void*, void* ctx, uint32_t owned)
{
    return note(ctx, "endConstructed " + std::to_string(type) + " " + std::to_string(owned));
}
int32_t betweenFields(void* ctx) { return note(ctx, ","); }
int32_t chooseAlternative(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    *alternative = recorded ? *recorded : 0;
    return note(ctx, "choose " + std::to_string(choiceId));
}
int32_t beginList(uint32_t nameId, int32_t, int32_t elementType, int32_t count, void* ctx)
{
    return note(ctx, "beginList " + std::to_string(nameId) + " " + std::to_string(elementType) + " " +
                         std::to_string(count));
}
int32_t endList(uint32_t, int32_t, int32_t, void* ctx) { return note(ctx, "endList"); }
int32_t beginElement(uint32_t, int32_t, int32_t, uint32_t* more, int32_t destCount, int32_t index,
                     const BACnetDataType* srcElement, void* ctx)
{
    if (index == static_cast<Recorder*>(ctx)->endListAtIndex) *more = 0;
    return note(ctx, "beginElement " + std::to_string(index) + " " + std::to_string(destCount) +
                         (srcElement ? " src" : ""));
}
int32_t endElement(uint32_t, int32_t, int32_t, uint32_t*, int32_t destCount, int32_t index, const BACnetDataType*,
                   void* ctx)
{
    return note(ctx, "endElement " + std::to_string(index) + " " + std::to_string(destCount));
}
int32_t releaseElements(int32_t one, void*) { return g_release ? note(g_release, "release " + std::to_string(one)) : 0; }
int32_t openWrapped(uint32_t, int32_t tag, int32_t type, void* ctx)
{
    return note(ctx, "openWrapped " + std::to_string(tag) + " " + std::to_string(type));
}
int32_t closeWrapped(uint32_t, int32_t tag, int32_t, void* ctx) { return note(ctx, "closeWrapped " + std::to_string(tag)); }

constexpr BACnetVisitor kRecording = {
    visitNull,     visitBoolean,      visitUnsigned, visitSigned,  visitReal,        visitDouble,
    visitOctetString, visitCharacterString, visitBitString, visitEnumerated, visitDate, visitTime,
    visitObjectIdentifier, beginConstructed, endConstructed, betweenFields, chooseAlternative, beginList,
    endList,       beginElement,      endElement,    releaseElements, openWrapped,   closeWrapped,
    nullptr,
};

BACnetFieldCursor top_cursor()
{
    BACnetFieldCursor c{};
    c.nameId = 3;
    c.tag = -1;
    return c;
}

// Walks source (and/or destination) as type with the recording visitor.
int32_t walk(Recorder& r, const BACnetDataType* source, BACnetDataType* destination, int32_t type,
             const BACnetVisitor& visitor = kRecording)
{
    BACnetFieldCursor c = top_cursor();
    const int32_t status = bind_cursor(&c, source, type, destination, type);
    if (status != 0) return status;
    g_release = &r;
    const int32_t walked = walk_value(&c, &r, &visitor);
    g_release = nullptr;
    return walked;
}

BACnetDataType unsigned_list(std::initializer_list<uint32_t> words)
{
    BACnetDataType list = brace_test::make_list(BACNAPI_TYPE_ListOfUnsigned, {});
    for (uint32_t w : words) {
        BACnetDataType element = brace_test::word(BACNAPI_TYPE_Unsigned, w);
        bacnapi::array_reserve(list.payload.list, 1);
        list.payload.list->elements[list.payload.list->count++] = element;
    }
    return list;
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
        BACnetFieldCursor c = top_cursor();
        c.enumId = 49;
        ASSERT_EQ(bind_cursor(&c, &source, type, nullptr, type), 0);
        ASSERT_EQ(walk_value(&c, &r, &kRecording), 0);
        EXPECT_EQ(r.log, std::vector<std::string>{std::string(slots[type]) + " 3 -1"});
        EXPECT_EQ(r.lastSrc, type == 0 ? nullptr : &source.payload) << type;
        // A slot's own status comes back unchanged.
        r.failSlot = slots[type];
        EXPECT_EQ(walk_value(&c, &r, &kRecording), -7) << type;
    }
}

TEST(WalkEngine, BindCursorRules)
{
    BACnetFieldCursor c = top_cursor();
    BACnetDataType v{};
    EXPECT_EQ(bind_cursor(nullptr, &v, 0, nullptr, 0), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(bind_cursor(&c, nullptr, 0, nullptr, 0), BACNAPI_WALK_E_REFUSED);
    v.type = BACNAPI_TYPE_Signed;
    EXPECT_EQ(bind_cursor(&c, &v, BACNAPI_TYPE_Unsigned, nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);

    // Destinations: the type is stored for application types; constructed ones get a record
    // unless they cannot stand alone or have no descriptor (then the value is left as it was).
    const struct {
        int32_t type;
        int32_t status;
    } cases[] = {
        {BACNAPI_TYPE_Unsigned, 0},
        {BACNAPI_TYPE_BACnetDateTime, 0},
        {BACNAPI_TYPE_ListOfUnsigned, 0},
        {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetError, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_EventParameterChangeOfBitstring, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetEventLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR},
        {13, BACNAPI_WALK_E_NODESCRIPTOR},
        {-5, BACNAPI_WALK_E_NODESCRIPTOR},
    };
    for (const auto& k : cases) {
        BACnetDataType d{};
        BACnetFieldCursor cursor = top_cursor();
        EXPECT_EQ(bind_cursor(&cursor, nullptr, k.type, &d, k.type), k.status) << k.type;
        if (k.status != 0) {
            EXPECT_EQ(d.type, 0) << k.type;
            EXPECT_EQ(d.payload.record, nullptr) << k.type;
            continue;
        }
        EXPECT_EQ(d.type, k.type);
        EXPECT_EQ(cursor.type, k.type);
        if (k.type <= 12) {
            EXPECT_EQ(cursor.dest, &d.payload);
            EXPECT_EQ(cursor.recordOwned, 0u);
        } else {
            ASSERT_NE(d.payload.record, nullptr);
            EXPECT_EQ(cursor.dest, d.payload.record);
            EXPECT_EQ(cursor.recordOwned, 1u);
            // A record that is already there is kept.
            void* record = d.payload.record;
            BACnetFieldCursor again = top_cursor();
            EXPECT_EQ(bind_cursor(&again, nullptr, k.type, &d, k.type), 0);
            EXPECT_EQ(d.payload.record, record);
            EXPECT_EQ(again.dest, record);
        }
        bacnapi_ClearBACnetDataType(&d);
    }
}

TEST(WalkEngine, SourcesThatCannotBeWalked)
{
    uint32_t more = 1;
    BACnetFieldCursor child{};
    EXPECT_EQ(walk_SignedLong(&child, nullptr, nullptr, nullptr, &kRecording, &more, 0), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(more, 0u);
    const struct {
        int32_t held, stated, status;
        std::vector<std::string> log;
    } cases[] = {
        {BACNAPI_TYPE_Signed, BACNAPI_TYPE_Unsigned, BACNAPI_WALK_E_REFUSED, {}}, // refused before any call
        {BACNAPI_TYPE_SignedLong, BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED, {"beginConstructed 20"}},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR, {"beginConstructed 57"}},
        {154, 154, BACNAPI_WALK_E_NODESCRIPTOR, {"beginConstructed 154"}},
    };
    for (const auto& c : cases) {
        BACnetDataType source{};
        source.type = c.held;
        Recorder r;
        EXPECT_EQ(walk(r, &source, nullptr, c.stated), c.status) << c.held;
        EXPECT_EQ(r.log, c.log) << c.held;
    }
}

TEST(WalkEngine, SourceListSlotOrder)
{
    const struct {
        std::initializer_list<uint32_t> words;
        std::vector<std::string> log;
    } cases[] = {
        {{}, {"beginConstructed 75", "beginList 3 2 0", "endList", "endConstructed 75 0"}},
        {{4, 5},
         {"beginConstructed 75", "beginList 3 2 2", "beginElement 0 -1 src", "visitUnsigned 88 -1",
          "endElement 0 -1", ",", "beginElement 1 -1 src", "visitUnsigned 88 -1", "endElement 1 -1", "endList",
          "endConstructed 75 0"}},
    };
    for (const auto& c : cases) {
        BACnetDataType list = unsigned_list(c.words);
        Recorder r;
        EXPECT_EQ(walk(r, &list, nullptr, BACNAPI_TYPE_ListOfUnsigned), 0);
        EXPECT_EQ(r.log, c.log);
        bacnapi_ClearBACnetDataType(&list);
    }
}

TEST(WalkEngine, DestinationListEndsWhereTheVisitorSays)
{
    // Two elements are filled, then beginElement finds none: the destination list, which the
    // walk function had grown to three, is emptied and its elements cleared.
    BACnetDataType d{};
    Recorder r;
    r.endListAtIndex = 2;
    EXPECT_EQ(walk(r, nullptr, &d, BACNAPI_TYPE_ListOfUnsigned), 0);
    const std::vector<std::string> expected = {
        "beginConstructed 75", "beginList 3 2 -1", "beginElement 0 1", "visitUnsigned 88 -1", "endElement 0 1",
        ",", "beginElement 1 2", "visitUnsigned 88 -1", "endElement 1 2", ",", "beginElement 2 3",
        "endList", "release 1", "endConstructed 75 1"};
    EXPECT_EQ(r.log, expected);
    ASSERT_EQ(d.type, BACNAPI_TYPE_ListOfUnsigned);
    EXPECT_EQ(d.payload.list->count, 0u);
    for (uint32_t i = 0; i < d.payload.list->capacity; ++i) EXPECT_EQ(d.payload.list->elements[i].type, 0);
    bacnapi_ClearBACnetDataType(&d);
}

TEST(WalkEngine, SlotResultsBecomeWalkStatuses)
{
    const struct {
        const char* slot;
        int32_t status;
        const char* lastCall; // the walk stops at the failing slot
    } cases[] = {
        {"beginConstructed", -7, "beginConstructed 75"},
        {"beginList", BACNAPI_WALK_E_REFUSED, "beginList 3 2 2"},
        {"beginElement", BACNAPI_WALK_E_REFUSED, "beginElement 0 -1 src"},
        {"visitUnsigned", -7, "visitUnsigned 88 -1"},
        {"endElement", -7, "endElement 0 -1"},
        {",", -7, ","},
        {"endList", 0, "endConstructed 75 0"}, // ignored
        {"endConstructed", -7, "endConstructed 75 0"},
    };
    for (const auto& c : cases) {
        BACnetDataType list = unsigned_list({1, 2});
        Recorder r;
        r.failSlot = c.slot;
        EXPECT_EQ(walk(r, &list, nullptr, BACNAPI_TYPE_ListOfUnsigned), c.status) << c.slot;
        ASSERT_FALSE(r.log.empty());
        EXPECT_EQ(r.log.back(), c.lastCall) << c.slot;
        bacnapi_ClearBACnetDataType(&list);
    }
    // releaseElements is only called with a destination list; its failure is passed on.
    BACnetDataType d{};
    Recorder r;
    r.endListAtIndex = 0;
    r.failSlot = "release";
    EXPECT_EQ(walk(r, nullptr, &d, BACNAPI_TYPE_ListOfUnsigned), -7);
    bacnapi_ClearBACnetDataType(&d);
}

TEST(WalkEngine, VisitorWithoutBeginElement)
{
    BACnetVisitor visitor = kRecording;
    visitor.beginElement = nullptr;
    // With a source the list's own count ends it: every element is walked.
    BACnetDataType list = unsigned_list({1, 2, 3});
    Recorder r;
    EXPECT_EQ(walk(r, &list, nullptr, BACNAPI_TYPE_ListOfUnsigned, visitor), 0);
    size_t visits = 0;
    for (const auto& entry : r.log) visits += entry.rfind("visitUnsigned", 0) == 0;
    EXPECT_EQ(visits, 3u);
    bacnapi_ClearBACnetDataType(&list);
    // Without one nothing could end the list: refused.
    BACnetDataType d{};
    Recorder r2;
    EXPECT_EQ(walk(r2, nullptr, &d, BACNAPI_TYPE_ListOfUnsigned, visitor), BACNAPI_WALK_E_REFUSED);
    bacnapi_ClearBACnetDataType(&d);
}

TEST(WalkEngine, TypedRunEndsAtItsCountOrWhereTheVisitorSays)
{
    // A destination run whose first element the visitor declines ends with count 0.
    BACnetDataType d{};
    Recorder r;
    r.endListAtIndex = 0;
    EXPECT_EQ(walk(r, nullptr, &d, BACNAPI_TYPE_SequenceOfBACnetPropertyReference), 0);
    ASSERT_NE(d.payload.record, nullptr);
    EXPECT_EQ(static_cast<SequenceOfBACnetPropertyReference*>(d.payload.record)->count, 0u);
    const std::vector<std::string> expected = {"beginConstructed 91", "beginList 3 44 -1", "beginElement 0 1",
                                               "endList", "release 1", "endConstructed 91 1"};
    EXPECT_EQ(r.log, expected);

    // A source run with no elements: the list ends before any element.
    Recorder r2;
    EXPECT_EQ(walk(r2, &d, nullptr, BACNAPI_TYPE_SequenceOfBACnetPropertyReference), 0);
    const std::vector<std::string> empty = {"beginConstructed 91", "beginList 3 44 0", "endList",
                                            "endConstructed 91 0"};
    EXPECT_EQ(r2.log, empty);
    bacnapi_ClearBACnetDataType(&d);
}

TEST(WalkEngine, ActionCommandSlotOrderWithWrappedValue)
{
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "{8,-1,0,1,85,-1,1.5,16,0,1,0}", BACNAPI_TYPE_BACnetActionCommand), 0);
    Recorder r;
    EXPECT_EQ(walk(r, &v, nullptr, BACNAPI_TYPE_BACnetActionCommand), 0);
    const std::vector<std::string> expected = {
        "beginConstructed 28", "visitObjectIdentifier 80 0", ",", "visitObjectIdentifier 201 1", ",",
        "visitEnumerated/49 234 2", ",", "visitUnsigned 233 3", ",", "openWrapped 4 4", "visitReal 235 -1",
        "closeWrapped 4", ",", "visitUnsigned 222 5", ",", "visitUnsigned 216 6", ",", "visitBoolean 244 7", ",",
        "visitBoolean 315 8", "endConstructed 28 0"};
    EXPECT_EQ(r.log, expected);

    Recorder refusing;
    refusing.failSlot = "openWrapped";
    EXPECT_EQ(walk(refusing, &v, nullptr, BACNAPI_TYPE_BACnetActionCommand), BACNAPI_WALK_E_REFUSED);
    Recorder closing;
    closing.failSlot = "closeWrapped";
    EXPECT_EQ(walk(closing, &v, nullptr, BACNAPI_TYPE_BACnetActionCommand), -7);
    bacnapi_ClearBACnetDataType(&v);
}

} // namespace
