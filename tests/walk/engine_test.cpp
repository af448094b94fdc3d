// The walker engine: binding, slot order, list and run endings, and how slot results become
// walk statuses. A recording visitor logs every slot call; it can be told to fail one slot or
// to end a list at a given element.
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
    std::string failSlot;       // the slot that answers failStatus
    int32_t failStatus = -7;
    int32_t endListAtIndex = -1; // beginElement clears more at this index (-1: never)
    std::vector<const void*> dests;
    std::vector<const void*> srcs;
};

Recorder& rec(void* ctx) { return *static_cast<Recorder*>(ctx); }

int32_t note(void* ctx, const std::string& entry, const std::string& slot)
{
    Recorder& r = rec(ctx);
    r.log.push_back(entry);
    return r.failSlot == slot ? r.failStatus : 0;
}

int32_t note_value(const char* slot, uint32_t nameId, int32_t tag, void* dest, const void* src, void* ctx)
{
    rec(ctx).dests.push_back(dest);
    rec(ctx).srcs.push_back(src);
    return note(ctx, std::string(slot) + " " + std::to_string(nameId) + " " + std::to_string(tag), slot);
}

#define VALUE_SLOT(name)                                                                        \
    int32_t name(uint32_t nameId, int32_t tag, void* dest, const void* src, void* ctx)         \
    {                                                                                           \
        return note_value(#name, nameId, tag, dest, src, ctx);                                  \
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

int32_t visitNull(uint32_t nameId, int32_t tag, void* ctx)
{
    return note_value("visitNull", nameId, tag, nullptr, nullptr, ctx);
}

int32_t visitEnumerated(uint32_t nameId, int32_t tag, uint32_t enumId, void* dest, const void* src, void* ctx)
{
    return note_value(("visitEnumerated/" + std::to_string(enumId)).c_str(), nameId, tag, dest, src, ctx);
}

int32_t beginConstructed(uint32_t, int32_t type, int32_t, void*, const void*, void* ctx)
{
    return note(ctx, "beginConstructed " + std::to_string(type), "beginConstructed");
}

int32_t endConstructed(uint32_t, int32_t type, int32_t, void*, const void*, void* ctx, uint32_t owned)
{
    return note(ctx, "endConstructed " + std::to_string(type) + " " + std::to_string(owned), "endConstructed");
}

int32_t betweenFields(void* ctx) { return note(ctx, ",", "betweenFields"); }

int32_t chooseAlternative(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    *alternative = recorded ? *recorded : 0;
    return note(ctx, "choose " + std::to_string(choiceId), "chooseAlternative");
}

int32_t beginList(uint32_t nameId, int32_t, int32_t elementType, int32_t count, void* ctx)
{
    return note(ctx, "beginList " + std::to_string(nameId) + " " + std::to_string(elementType) + " " +
                         std::to_string(count),
                "beginList");
}

int32_t endList(uint32_t, int32_t, int32_t, void* ctx) { return note(ctx, "endList", "endList"); }

int32_t beginElement(uint32_t, int32_t, int32_t, uint32_t* more, int32_t destCount, int32_t index,
                     const BACnetDataType* srcElement, void* ctx)
{
    if (index == rec(ctx).endListAtIndex) *more = 0;
    return note(ctx,
                "beginElement " + std::to_string(index) + " " + std::to_string(destCount) +
                    (srcElement ? " src" : ""),
                "beginElement");
}

int32_t endElement(uint32_t, int32_t, int32_t, uint32_t*, int32_t destCount, int32_t index, const BACnetDataType*,
                   void* ctx)
{
    return note(ctx, "endElement " + std::to_string(index) + " " + std::to_string(destCount), "endElement");
}

Recorder* g_releaseTarget = nullptr; // releaseElements has no ctx; one test at a time sets it

int32_t releaseElements(int32_t one, void*)
{
    if (!g_releaseTarget) return 0;
    return note(g_releaseTarget, "release " + std::to_string(one), "releaseElements");
}

int32_t openWrapped(uint32_t, int32_t tag, int32_t type, void* ctx)
{
    return note(ctx, "openWrapped " + std::to_string(tag) + " " + std::to_string(type), "openWrapped");
}

int32_t closeWrapped(uint32_t, int32_t tag, int32_t, void* ctx)
{
    return note(ctx, "closeWrapped " + std::to_string(tag), "closeWrapped");
}

constexpr BACnetVisitor kRecording = {
    visitNull,        visitBoolean,      visitUnsigned,    visitSigned,     visitReal,
    visitDouble,      visitOctetString,  visitCharacterString, visitBitString, visitEnumerated,
    visitDate,        visitTime,         visitObjectIdentifier, beginConstructed, endConstructed,
    betweenFields,    chooseAlternative, beginList,        endList,         beginElement,
    endElement,       releaseElements,   openWrapped,      closeWrapped,    nullptr,
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
    g_releaseTarget = &r;
    const int32_t walked = walk_value(&c, &r, &visitor);
    g_releaseTarget = nullptr;
    return walked;
}

BACnetDataType unsigned_list(std::initializer_list<uint32_t> words)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_ListOfUnsigned;
    auto* list = static_cast<BACnetValueList*>(std::calloc(1, sizeof(BACnetValueList)));
    list->capacity = list->count = static_cast<uint32_t>(words.size());
    list->elements = static_cast<BACnetDataType*>(std::calloc(words.size() + 1, sizeof(BACnetDataType)));
    uint32_t i = 0;
    for (uint32_t w : words) {
        list->elements[i].type = BACNAPI_TYPE_Unsigned;
        list->elements[i++].payload.unsignedValue = w;
    }
    v.payload.list = list;
    return v;
}

TEST(WalkEngine, ApplicationValuesCallTheirOwnSlot)
{
    const char* slots[] = {"visitNull",       "visitBoolean",    "visitUnsigned",        "visitSigned",
                           "visitReal",       "visitDouble",     "visitOctetString",     "visitCharacterString",
                           "visitBitString",  "visitEnumerated/49", "visitDate",         "visitTime",
                           "visitObjectIdentifier"};
    for (int32_t type = 0; type <= 12; ++type) {
        BACnetDataType source{};
        source.type = type;
        Recorder r;
        BACnetFieldCursor c = top_cursor();
        c.enumId = 49;
        ASSERT_EQ(bind_cursor(&c, &source, type, nullptr, type), 0);
        ASSERT_EQ(walk_value(&c, &r, &kRecording), 0);
        ASSERT_EQ(r.log.size(), 1u) << type;
        EXPECT_EQ(r.log[0], std::string(slots[type]) + " 3 -1");
        if (type != 0) {
            EXPECT_EQ(r.srcs[0], &source.payload) << type;
            EXPECT_EQ(r.dests[0], nullptr) << type;
        }
        // A slot's own status comes back unchanged.
        Recorder failing;
        failing.failSlot = std::string(slots[type]);
        EXPECT_EQ(walk_value(&c, &failing, &kRecording), -7) << type;
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
        {BACNAPI_TYPE_ObjectIdentifier, 0},
        {BACNAPI_TYPE_BACnetDateTime, 0},
        {BACNAPI_TYPE_ListOfUnsigned, 0},
        {BACNAPI_TYPE_SignedLong, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetError, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetSpecialEventPeriod, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_EventParameterChangeOfBitstring, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_NotificationChangedValue, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetEventLogDatum, BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetArray, BACNAPI_WALK_E_NODESCRIPTOR},
        {BACNAPI_TYPE_Reserved67, BACNAPI_WALK_E_NODESCRIPTOR},
        {13, BACNAPI_WALK_E_NODESCRIPTOR},
        {19, BACNAPI_WALK_E_NODESCRIPTOR},
        {154, BACNAPI_WALK_E_NODESCRIPTOR},
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

TEST(WalkEngine, RefusalsBeforeAnyVisitorCall)
{
    BACnetDataType source{};
    source.type = BACNAPI_TYPE_Signed;
    Recorder r;
    EXPECT_EQ(walk(r, &source, nullptr, BACNAPI_TYPE_Unsigned), BACNAPI_WALK_E_REFUSED);
    EXPECT_TRUE(r.log.empty());

    // A source without a descriptor gets as far as its first field.
    BACnetDataType array{};
    array.type = BACNAPI_TYPE_BACnetArray;
    EXPECT_EQ(walk(r, &array, nullptr, BACNAPI_TYPE_BACnetArray), BACNAPI_WALK_E_NODESCRIPTOR);
    EXPECT_EQ(r.log, std::vector<std::string>{"beginConstructed 57"});
}

TEST(WalkEngine, SignedLongHasNoFields)
{
    uint32_t more = 1;
    BACnetFieldCursor child{};
    EXPECT_EQ(walk_SignedLong(&child, nullptr, nullptr, nullptr, &kRecording, &more, 0), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(more, 0u);
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_SignedLong;
    Recorder r;
    EXPECT_EQ(walk(r, &v, nullptr, BACNAPI_TYPE_SignedLong), BACNAPI_WALK_E_REFUSED);
    EXPECT_EQ(r.log, std::vector<std::string>{"beginConstructed 20"});
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
        {"betweenFields", -7, ","},
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
    r.failSlot = "releaseElements";
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
    // The value layer treats this run type as embedded-only and does not release a stand-alone
    // record of it, so the test releases the record itself.
    bacnapi_ClearSequenceOfBACnetPropertyReference(static_cast<SequenceOfBACnetPropertyReference*>(d.payload.record));
    std::free(d.payload.record);
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

TEST(WalkEngine, FinishFieldRunsAfterFields)
{
    // BACnetAddress reads its MAC address through a temporary string that only the finish
    // function copies into the record.
    BACnetDataType v{};
    ASSERT_EQ(bacnapi_asn1_string_set(&v, "{5,0A0B0C}", BACNAPI_TYPE_BACnetAddress), 0);
    const auto* address = static_cast<const BACnetAddress*>(v.payload.record);
    EXPECT_EQ(address->networkNumber, 5u);
    ASSERT_EQ(address->macLength, 3u);
    EXPECT_EQ(address->macAddress[2], 0x0C);
    bacnapi_ClearBACnetDataType(&v);
}

} // namespace
