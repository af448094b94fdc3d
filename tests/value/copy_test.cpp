// Deep copy: the index convention on lists, stores into lists, refused types, a copy of every
// copyable type that must survive the release of its source, and the event notification copies.
#include "value/compare_internal.h"
#include "value/copy_internal.h"
#include "value/list_types.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using bacnapi::copy_value;
using Notification = BACnetServiceConfirmedEventNotificationRequest;

// A value that is cleared when the test leaves its scope.
struct Owned {
    BACnetDataType v{};
    Owned() = default;
    explicit Owned(BACnetDataType value) : v(value) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { bacnapi_ClearBACnetDataType(&v); }
};

// ---- Inputs, built with plain heap calls so that they do not depend on the code under test ----

BACnetDataType make(int32_t type)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), BACNAPI_S_OK) << "type " << type;
    return v;
}
template <class Record>
Record* rec(BACnetDataType& v)
{
    return static_cast<Record*>(v.payload.record);
}
BACnetDataType num(uint32_t u)
{
    BACnetDataType v = make(BACNAPI_TYPE_Unsigned);
    v.payload.unsignedValue = u;
    return v;
}
BACnetDataType real(float f)
{
    BACnetDataType v = make(BACNAPI_TYPE_Real);
    v.payload.real = f;
    return v;
}
template <class T>
T* duplicate(const T* data, size_t count, size_t extra = 0)
{
    auto* block = static_cast<T*>(std::calloc(count + extra, sizeof(T)));
    std::memcpy(block, data, count * sizeof(T));
    return block;
}
BACnetDataType text(const char* s)
{
    BACnetDataType v = make(BACNAPI_TYPE_CharacterString);
    v.payload.characterString.length = std::strlen(s);
    v.payload.characterString.data = duplicate(s, std::strlen(s), 1);
    return v;
}
BACnetBitString bits(std::initializer_list<uint8_t> b) { return {b.size(), b.size(), duplicate(b.begin(), b.size())}; }
BACnetOctetString octets(std::initializer_list<uint8_t> b) { return {b.size(), duplicate(b.begin(), b.size())}; }
// A list of the given code that takes over the given elements.
BACnetDataType list(int32_t type, std::initializer_list<BACnetDataType> elements)
{
    BACnetDataType v = make(type);
    EXPECT_EQ(bacnapi::array_reserve(v.payload.list, static_cast<uint32_t>(elements.size())), BACNAPI_S_OK);
    for (const BACnetDataType& e : elements) v.payload.list->elements[v.payload.list->count++] = e;
    return v;
}
// A record value of type whose record is replaced by the given one (taking over what it owns).
template <class Record>
BACnetDataType record(int32_t type, const Record& content)
{
    BACnetDataType v{};
    v.type = type;
    v.payload.record = duplicate(&content, 1);
    return v;
}
BACnetDataType timestamp(uint32_t sequenceNumber) // filled in place: the unused union bytes stay zero
{
    BACnetDataType v = make(BACNAPI_TYPE_BACnetTimeStamp);
    rec<BACnetTimeStamp>(v)->choice = 1;
    rec<BACnetTimeStamp>(v)->value.sequenceNumber = sequenceNumber;
    return v;
}
BACnetDataType property_value(uint32_t property, BACnetDataType value)
{
    return record(49, BACnetPropertyValue{property, 3, value, 8});
}
BACnetDataType time_value(uint8_t hour, BACnetDataType value) { return record(26, BACnetTimeValue{{hour, 30, 0, 0}, value}); }
void fill_specification(ReadAccessSpecification* r, uint32_t instance, int32_t references)
{
    r->objectIdentifier = {2, instance};
    for (uint32_t i = 0; i < static_cast<uint32_t>(references); ++i)
        *bacnapi::sequence_append(&r->listOfPropertyReferences) = {85 + i, 0xFFFFFFFFu};
}
void fill_result(ReadAccessResult* r, uint32_t instance, int32_t results)
{
    r->objectIdentifier = {0, instance};
    for (int32_t i = 0; i < results; ++i) {
        ReadAccessPropertyValue* e = bacnapi::sequence_append(&r->listOfResults);
        *e = {85u + static_cast<uint32_t>(i), 0xFFFFFFFFu, i % 2, {}};
        if (i % 2 == 0) e->result.propertyValue = text(i == 0 ? "first" : "more");
        else e->result.propertyAccessError = {2, 32};
    }
}
void fill_notification(Notification* n, const char* message)
{
    std::memset(n, 0, sizeof *n); // padding and unused union bytes too: parts are compared byte-wise
    n->processIdentifier = 1;
    n->initiatingDeviceIdentifier = {8, 100};
    n->eventObjectIdentifier = {0, 7};
    n->timestamp.choice = 1;
    n->timestamp.value.sequenceNumber = 55;
    n->notificationClass = 4;
    n->priority = 100;
    n->eventType = 3;
    n->messageText = text(message).payload.characterString;
    n->notifyType = 1;
    n->ackRequired = 1;
    n->fromState = 5;
    n->toState = 2;
    n->eventValues.choice = 3;
    n->eventValues.parameters.commandFailure = {bits({0, 1, 0, 0}), text("command"), real(2.5f)};
}

void address(BACnetAddress* a)
{
    a->networkNumber = 5;
    a->macLength = 4;
    std::memcpy(a->macAddress, "\x0a\x00\x00\x01", 4);
}

// A fully populated value of every single type that copy accepts, and of some lists; the same
// type always gives the same content, so a second build serves as the reference.
BACnetDataType build(int32_t type)
{
    BACnetDataType v = make(type);
    if (bacnapi::is_plain_record(type)) {
        auto* bytes = static_cast<uint8_t*>(v.payload.record);
        for (uint64_t i = 0; i < bacnapi::record_size_of(type); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
        return v;
    }
    auto replace = [&v](BACnetDataType by) { bacnapi_ClearBACnetDataType(&v); v = by; };
    switch (type) {
    case 1: v.payload.boolean = 1; break;
    case 2: v.payload.unsignedValue = 4000000000u; break;
    case 3: v.payload.signedValue = -123456; break;
    case 4: v.payload.real = 21.5f; break;
    case 5: v.payload.doubleValue = 1e300; break;
    case 6: v.payload.octetString = octets({1, 2, 0, 4}); break;
    case 7: replace(text("hello")); break;
    case 8: v.payload.bitString = bits({1, 0, 1, 1, 0}); break;
    case 9: v.payload.enumerated = 77; break;
    case 10: v.payload.date = {121, 12, 31, 5}; break;
    case 11: v.payload.time = {23, 59, 58, 99}; break;
    case 12: v.payload.objectIdentifier = {8, 4194303}; break;
    case 20: v.payload.signedLong = INT64_MIN + 5; break;
    case 26: replace(time_value(6, real(3.25f))); break;
    case 28: replace(record(28, BACnetActionCommand{{8, 1}, {4, 2}, 85, 0xFFFFFFFFu, text("on"), 9, 30, 1, 0})); break;
    // Addresses are written member by member: their padding octet stays zero, as compare reads it.
    case 29: rec<BACnetSessionKey>(v)->sessionKey = octets({9, 8, 7, 6, 5}); address(&rec<BACnetSessionKey>(v)->peerAddress); break;
    case 30: rec<BACnetRecipient>(v)->choice = 1; address(&rec<BACnetRecipient>(v)->value.address); break;
    case 31: replace(record(31, BACnetRecipientProcess{1, {0, {.device = {8, 12}}}, 9})); break;
    case 37:
        replace(record(37, BACnetLogRecord{{{120, 1, 2, 3}, {4, 5, 6, 7}}, 10, {}, bits({0, 0, 1, 0})}));
        rec<BACnetLogRecord>(v)->logDatum.anyValue = text("any");
        break;
    case 38: fill_specification(rec<ReadAccessSpecification>(v), 3, 6); break;
    case 39:
        replace(record(39, WriteAccessSpecification{{1, 5}, list(87, {property_value(85, real(1)), property_value(77, text("n"))})}));
        break;
    case 42: fill_result(rec<ReadAccessResult>(v), 4, 6); break;
    case 45:
        replace(record(45, BACnetDestination{bits({1, 1, 1, 1, 1, 0, 0}), {8, 0, 0, 0}, {17, 0, 0, 0},
                                             {0, {.device = {8, 99}}}, 3, 1, bits({1, 0, 1})}));
        break;
    case 46: replace(record(46, BACnetDailySchedule{list(80, {time_value(7, num(1)), time_value(19, text("night"))})})); break;
    case 47:
        replace(record(47, BACnetSpecialEvent{0, {.calendarEntry = {1, {121, 5, 1, 255}, {}, {}}},
                                              list(80, {time_value(9, real(20))}), {}, 16}));
        break;
    case 48: replace(record(48, BACnetPriorityValue{5, {.constructedValue = build(22)}})); break;
    case 49: replace(property_value(85, real(21.5f))); break;
    case 51: {
        BACnetEventParameter p{8, {}};
        p.parameters.changeOfLifeSafety = {10, list(111, {build(9), build(9)}), list(111, {build(9)}),
                                           {{21, 1}, 87, 0xFFFFFFFFu, {8, 0xFFFFFFFFu}}};
        replace(record(51, p));
        break;
    }
    case 55: replace(record(55, BACnetObjectPropertyValue{{2, 1}, 85, 0xFFFFFFFFu, build(6), 12})); break;
    case 56: rec<BACnetNestedValue>(v)->value = build(49); break;
    case 59: replace(record(59, BACnetActionList{list(63, {build(28), build(28)})})); break;
    case 89:
        for (uint32_t i = 0; i < 6; ++i)
            fill_specification(bacnapi::sequence_append(rec<SequenceOfReadAccessSpecification>(v)), i, i % 3 + 1);
        break;
    case 90:
        for (int32_t i = 0; i < 5; ++i) fill_result(bacnapi::sequence_append(rec<SequenceOfReadAccessResult>(v)), 9, i + 1);
        break;
    case 97: replace(record(97, BACnetConstructed{3, build(8)})); break;
    case 105:
        replace(record(105, EventSummaryElement{{0, 1}, 2, bits({1, 0, 1}), list(84, {timestamp(1), timestamp(2)}), 1,
                                                bits({1, 1, 0}), list(75, {num(3), num(4), num(5)})}));
        break;
    case 110: replace(record(110, BACnetDeviceObjectPropertyValue{{8, 1}, {0, 2}, 85, 4, text("dopv")})); break;
    case 116:
        replace(record(116, BACnetEventLogRecord{{{121, 2, 3, 4}, {5, 6, 7, 8}}, 1, {}}));
        fill_notification(&rec<BACnetEventLogRecord>(v)->logDatum.notification, "logged");
        break;
    case 117: {
        BACnetLogDataElement any{8, {}}, flags{5, {}};
        any.value.anyValue = text("element");
        flags.value.bitstringValue = bits({1, 0});
        replace(record(117, BACnetLogData{1, {.logData = list(120, {record(119, any), record(119, flags)})}}));
        break;
    }
    case 118: replace(record(118, BACnetLogMultipleRecord{{{100, 1, 1, 1}, {}}, {0, {.logStatus = bits({0, 1, 1})}}})); break;
    case 119: replace(record(119, BACnetLogDataElement{8, {.anyValue = build(47)}})); break;
    case 123: replace(record(123, BACnetShedLevel{2, {.amount = 12.5f}})); break;
    case 58: replace(list(58, {build(48), make(48)})); break;
    case 64: replace(list(64, {text("a"), text(""), text("ccc")})); break;
    case 87: replace(list(87, {build(49), property_value(1, build(37))})); break;
    case 98: replace(list(98, {build(97)})); break;
    case 106: replace(list(106, {build(105)})); break;
    case 121: replace(list(121, {build(116)})); break;
    default: break; // Null keeps its empty payload
    }
    return v;
}

// ---- Equality: the comparison function where it has a rule, member by member elsewhere ----

// A value that shows a record it does not own (never cleared).
BACnetDataType view(int32_t type, const void* record)
{
    BACnetDataType v{};
    v.type = type;
    v.payload.record = const_cast<void*>(record);
    return v;
}
void expect_same(const BACnetDataType& a, const BACnetDataType& b);

void expect_same_notification(const Notification& a, const Notification& b)
{
    // The members before messageText, and those after it up to eventValues, are plain.
    EXPECT_EQ(std::memcmp(&a, &b, offsetof(Notification, eventType) + 4), 0);
    EXPECT_EQ(std::memcmp(&a.notifyType, &b.notifyType, offsetof(Notification, eventValues) - offsetof(Notification, notifyType)), 0);
    ASSERT_EQ(a.messageText.length, b.messageText.length);
    EXPECT_EQ(std::memcmp(a.messageText.data, b.messageText.data, a.messageText.length), 0);
    const BACnetNotificationParameters &x = a.eventValues, &y = b.eventValues;
    ASSERT_EQ(x.choice, y.choice);
    if (x.choice == 9) { // the comparison rules have none for the extended alternative...
        const NotificationExtended &e = x.parameters.extended, &f = y.parameters.extended;
        EXPECT_EQ(std::memcmp(&e, &f, offsetof(NotificationExtended, parametersChoice) + 4), 0);
        expect_same(view(110, &e.parameters.propertyValue), view(110, &f.parameters.propertyValue));
    } else if (x.choice == 10) { // ...nor for the buffer-ready alternative with a property reference
        EXPECT_EQ(std::memcmp(&x.parameters.bufferReady2, &y.parameters.bufferReady2, sizeof(NotificationBufferReady2)), 0);
    } else if (x.choice >= 0 && x.choice < 12) {
        EXPECT_EQ(bacnapi::compare::notification_parameters(x, y), 0);
    }
}

// Elements of two head-inline sequences, each shown as a value of elementType.
template <class Sequence>
void expect_same_sequence(int32_t elementType, const Sequence& a, const Sequence& b)
{
    ASSERT_EQ(a.count, b.count);
    for (int32_t i = 0; i < a.count; ++i) {
        const auto *x = bacnapi::sequence_element(&a, i), *y = bacnapi::sequence_element(&b, i);
        ASSERT_TRUE(x != nullptr && y != nullptr);
        if (i > 0) {
            EXPECT_NE(x, y) << "overflow array shared";
        }
        if (elementType == 44) EXPECT_EQ(std::memcmp(x, y, sizeof *x), 0);
        else expect_same(view(elementType, x), view(elementType, y));
    }
}

void expect_same(const BACnetDataType& a, const BACnetDataType& b)
{
    ASSERT_EQ(a.type, b.type);
    const int32_t type = a.type;
    const void *x = a.payload.record, *y = b.payload.record;
    auto as = [](const void* r, auto* typed) { return static_cast<decltype(typed)>(r); };
    if (bacnapi::is_list_type(type)) {
        ASSERT_EQ(a.payload.list->count, b.payload.list->count);
        for (uint32_t i = 0; i < a.payload.list->count; ++i) expect_same(a.payload.list->elements[i], b.payload.list->elements[i]);
    } else if (bacnapi::is_plain_record(type)) {
        EXPECT_EQ(std::memcmp(x, y, bacnapi::record_size_of(type)), 0);
    } else if (type == 38) {
        const auto *p = as(x, (const ReadAccessSpecification*)nullptr), *q = as(y, p);
        EXPECT_EQ(std::memcmp(&p->objectIdentifier, &q->objectIdentifier, 8), 0);
        expect_same_sequence(44, p->listOfPropertyReferences, q->listOfPropertyReferences);
    } else if (type == 39) {
        const auto *p = as(x, (const WriteAccessSpecification*)nullptr), *q = as(y, p);
        EXPECT_EQ(std::memcmp(&p->objectIdentifier, &q->objectIdentifier, 8), 0);
        expect_same(p->listOfProperties, q->listOfProperties);
    } else if (type == 42) {
        const auto *p = as(x, (const ReadAccessResult*)nullptr), *q = as(y, p);
        EXPECT_EQ(std::memcmp(&p->objectIdentifier, &q->objectIdentifier, 8), 0);
        expect_same_sequence(43, p->listOfResults, q->listOfResults);
    } else if (type == 43) {
        const auto *p = as(x, (const ReadAccessPropertyValue*)nullptr), *q = as(y, p);
        EXPECT_EQ(std::memcmp(p, q, offsetof(ReadAccessPropertyValue, choice) + 4), 0);
        if (p->choice == 0) expect_same(p->result.propertyValue, q->result.propertyValue);
        else EXPECT_EQ(std::memcmp(&p->result.propertyAccessError, &q->result.propertyAccessError, 8), 0);
    } else if (type == 89) {
        expect_same_sequence(38, *as(x, (const SequenceOfReadAccessSpecification*)nullptr),
                             *as(y, (const SequenceOfReadAccessSpecification*)nullptr));
    } else if (type == 90) {
        expect_same_sequence(42, *as(x, (const SequenceOfReadAccessResult*)nullptr),
                             *as(y, (const SequenceOfReadAccessResult*)nullptr));
    } else if (type == 116 && as(x, (const BACnetEventLogRecord*)nullptr)->logDatumChoice == 1) {
        const auto *p = as(x, (const BACnetEventLogRecord*)nullptr), *q = as(y, p);
        EXPECT_EQ(std::memcmp(p, q, offsetof(BACnetEventLogRecord, logDatumChoice) + 4), 0);
        expect_same_notification(p->logDatum.notification, q->logDatum.notification);
    } else {
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&a, &b), 0);
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&b, &a), 0);
    }
}

// ---- Whole values ----

const int32_t kCopyableTypes[] = {0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  20,  21,  22,  23,
                                  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  36,  37,  38,  39,  42,  44,  45,
                                  46,  47,  48,  49,  50,  51,  54,  55,  56,  59,  89,  90,  97,  101, 102, 103, 104,
                                  105, 110, 112, 116, 117, 118, 119, 123, 124, 58,  64,  87,  98,  106, 121};

TEST(Copy, EveryCopyableTypeSurvivesTheReleaseOfItsSource)
{
    for (int32_t type : kCopyableTypes) {
        SCOPED_TRACE("type " + std::to_string(type));
        Owned source(build(type)), copy, reference(build(type));
        ASSERT_EQ(copy_value(&copy.v, &source.v, -1), BACNAPI_S_OK);
        expect_same(copy.v, source.v);
        // Copying again over a filled destination releases what it held and copies afresh.
        ASSERT_EQ(copy_value(&copy.v, &source.v, -1), BACNAPI_S_OK);
        bacnapi_ClearBACnetDataType(&source.v);
        expect_same(copy.v, reference.v);
        // A record code whose record is missing is refused on either side.
        Owned broken;
        broken.v.type = type;
        if (type > 20 && !bacnapi::is_list_type(type)) {
            EXPECT_EQ(copy_value(&broken.v, &reference.v, -1), BACNAPI_E_INVALIDARG);
            EXPECT_EQ(copy_value(&copy.v, &broken.v, -1), BACNAPI_E_INVALIDARG);
            EXPECT_EQ(bacnapi::copy_record(type, nullptr, reference.v.payload.record), BACNAPI_E_INVALIDARG);
        }
    }
}

TEST(Copy, IndexReadsCountElementOrWholeList)
{
    struct Case {
        int32_t index, status, type; // type of the destination afterwards
        uint32_t number;             // its value, for an Unsigned result
    } cases[] = {
        {0, BACNAPI_S_OK, 2, 3},          {1, BACNAPI_S_OK, 2, 10},          {3, BACNAPI_S_OK, 2, 30},
        {4, BACNAPI_E_BADINDEX, 7, 0},    {-2, BACNAPI_E_NOTSUPPORTED, 7, 0},
        {-1, BACNAPI_E_NOTSUPPORTED, 7, 0}, // a whole list goes only into Null or the same list type
    };
    Owned numbers(list(75, {num(10), num(20), num(30)}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Owned dest(text("held before")); // released on success, untouched on failure
        EXPECT_EQ(copy_value(&dest.v, &numbers.v, c.index), c.status);
        ASSERT_EQ(dest.v.type, c.type);
        if (c.type == 2) EXPECT_EQ(dest.v.payload.unsignedValue, c.number);
        else EXPECT_STREQ(dest.v.payload.characterString.data, "held before");
    }
    // A list value without its list record has no elements.
    Owned bare, count;
    bare.v.type = 75;
    EXPECT_EQ(copy_value(&count.v, &bare.v, 0), BACNAPI_S_OK);
    EXPECT_EQ(count.v.payload.unsignedValue, 0u);
    EXPECT_EQ(copy_value(&count.v, &bare.v, 1), BACNAPI_E_BADINDEX);
}

TEST(Copy, PlainValueIsStoredAsListElement)
{
    struct Case {
        int32_t index, status;
        std::vector<uint32_t> after;
    } cases[] = {
        {1, BACNAPI_S_OK, {99, 2}},        {2, BACNAPI_S_OK, {1, 99}},        {3, BACNAPI_S_OK, {1, 2, 99}},
        {4, BACNAPI_E_INVALIDARG, {1, 2}}, {0, BACNAPI_E_INVALIDARG, {1, 2}}, {-1, BACNAPI_E_INVALIDARG, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Owned numbers(list(75, {num(1), num(2)})), value(num(99));
        EXPECT_EQ(copy_value(&numbers.v, &value.v, c.index), c.status);
        std::vector<uint32_t> after;
        for (uint32_t i = 0; i < numbers.v.payload.list->count; ++i) after.push_back(numbers.v.payload.list->elements[i].payload.unsignedValue);
        EXPECT_EQ(after, c.after);
    }
    // Appending to a full list grows it by the slots the element needs plus one.
    Owned full(list(64, {text("a"), text("b"), text("c"), text("d")})), e(text("e"));
    ASSERT_EQ(copy_value(&full.v, &e.v, 5), BACNAPI_S_OK);
    EXPECT_EQ(full.v.payload.list->capacity, 6u);
    EXPECT_STREQ(full.v.payload.list->elements[4].payload.characterString.data, "e");
    EXPECT_NE(full.v.payload.list->elements[4].payload.characterString.data, e.v.payload.characterString.data);
}

TEST(Copy, MismatchedAndRefusedTypesChangeNothing)
{
    auto raw = [](int32_t type) { return view(type, nullptr); };
    struct Case {
        const char* what;
        BACnetDataType source, dest;
        int32_t index, status;
    } cases[] = {
        {"Real into ListOfUnsigned", real(1), list(75, {}), 1, BACNAPI_E_INVALIDARG},
        {"ListOfUnsigned into ListOfReal", list(75, {num(1)}), list(113, {}), -1, BACNAPI_E_NOTSUPPORTED},
        {"Null into Unsigned", make(0), num(4), -1, BACNAPI_E_INVALIDARG},
        {"Unsigned into Real", num(4), real(1), 1, BACNAPI_E_INVALIDARG},
        {"into a list without element store", build(49), list(87, {}), 1, BACNAPI_E_INVALIDARG},
        {"AlarmSummaryAckElement", make(40), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"NotificationParameters", make(52), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"ReadAccessPropertyValue", make(43), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"unassigned 13", raw(13), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"reserved 67", raw(67), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"sequence 91", raw(91), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"negative code", raw(-1), make(0), -1, BACNAPI_E_NOTSUPPORTED},
        {"alternative 126", raw(126), make(0), -1, BACNAPI_E_NOTSUPPORTED},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        Owned source(c.source), dest(c.dest), before;
        ASSERT_EQ(copy_value(&before.v, &dest.v, -1), BACNAPI_S_OK);
        EXPECT_EQ(copy_value(&dest.v, &source.v, c.index), c.status);
        expect_same(dest.v, before.v);
    }
    Owned any(num(1));
    EXPECT_EQ(copy_value(nullptr, &any.v, -1), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(copy_value(&any.v, nullptr, -1), BACNAPI_E_INVALIDARG);
}

TEST(Copy, FailedCopiesLeaveDestinationsSafeToClear)
{
    // An array holding an element without a value copy: the whole copy fails and leaves Null,
    // the copyable element can still be read by index.
    Owned array(list(57, {num(1), make(40)})), whole, element;
    EXPECT_EQ(copy_value(&whole.v, &array.v, -1), BACNAPI_E_NOTSUPPORTED);
    EXPECT_EQ(whole.v.type, 0);
    EXPECT_EQ(whole.v.payload.record, nullptr);
    EXPECT_EQ(copy_value(&element.v, &array.v, 1), BACNAPI_S_OK);
    EXPECT_EQ(copy_value(&element.v, &array.v, 2), BACNAPI_E_NOTSUPPORTED);
    // Lists without element access ignore the index and copy whole.
    Owned properties(build(87)), copy;
    EXPECT_EQ(copy_value(&copy.v, &properties.v, 7), BACNAPI_S_OK);
    expect_same(copy.v, properties.v);
    // A log record whose any-value cannot be copied keeps the selector naming what it holds.
    Owned log(make(37)), dest(build(37));
    rec<BACnetLogRecord>(log.v)->logDatumChoice = 10;
    rec<BACnetLogRecord>(log.v)->logDatum.anyValue = list(57, {make(40)});
    EXPECT_EQ(copy_value(&dest.v, &log.v, -1), BACNAPI_E_NOTSUPPORTED);
    EXPECT_EQ(rec<BACnetLogRecord>(dest.v)->logDatumChoice, 10);
    EXPECT_EQ(rec<BACnetLogRecord>(dest.v)->statusFlags.bits, nullptr); // fields after it are not copied
}

TEST(Copy, ValueCopiedOntoItselfStaysIntact)
{
    for (int32_t type : {7, 38, 49, 64, 89}) {
        Owned value(build(type)), reference(build(type));
        EXPECT_EQ(copy_value(&value.v, &value.v, -1), BACNAPI_S_OK);
        expect_same(value.v, reference.v);
    }
    Owned numbers(list(75, {num(5), num(6)}));
    EXPECT_EQ(copy_value(&numbers.v, &numbers.v, 2), BACNAPI_S_OK);
    EXPECT_EQ(numbers.v.type, 2);
    EXPECT_EQ(numbers.v.payload.unsignedValue, 6u);
}

TEST(Copy, StringsAreDuplicatedWithTheirTerminator)
{
    Owned abc(text("abc")), copy, empty(make(6)), octetCopy, partial(make(8)), bitCopy;
    ASSERT_EQ(copy_value(&copy.v, &abc.v, -1), BACNAPI_S_OK);
    EXPECT_EQ(copy.v.payload.characterString.length, 3u);
    EXPECT_EQ(copy.v.payload.characterString.data[3], '\0'); // a fourth octet holds the NUL
    ASSERT_EQ(copy_value(&octetCopy.v, &empty.v, -1), BACNAPI_S_OK);
    EXPECT_EQ(octetCopy.v.payload.octetString.data, nullptr);
    // A bit string whose used count lags its bit count copies all its bits, counts made equal.
    partial.v.payload.bitString = bits({1, 1, 0});
    partial.v.payload.bitString.usedCount = 1;
    ASSERT_EQ(copy_value(&bitCopy.v, &partial.v, -1), BACNAPI_S_OK);
    EXPECT_EQ(bitCopy.v.payload.bitString.usedCount, 3u);
    EXPECT_EQ(bitCopy.v.payload.bitString.bits[1], 1);
}

TEST(Copy, UnknownAlternativesGiveTheirStatus)
{
    struct Case {
        int32_t type, selector, status;
    } cases[] = {
        {37, 11, BACNAPI_E_INVALIDARG},   {37, -1, BACNAPI_E_INVALIDARG},    {119, 9, BACNAPI_E_INVALIDARG},
        {116, 3, BACNAPI_E_INVALIDARG},   {48, 6, BACNAPI_E_INVALIDARG},     {47, 2, BACNAPI_E_NOTSUPPORTED},
        {51, 12, BACNAPI_E_NOTSUPPORTED}, {51, 999, BACNAPI_E_NOTSUPPORTED}, {30, 5, BACNAPI_S_OK},
        {123, 3, BACNAPI_S_OK},           {117, 4, BACNAPI_S_OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.selector));
        Owned source(make(c.type)), dest;
        int32_t* selector = static_cast<int32_t*>(source.v.payload.record); // most lead with it
        if (c.type == 37) selector = &rec<BACnetLogRecord>(source.v)->logDatumChoice;
        if (c.type == 116) selector = &rec<BACnetEventLogRecord>(source.v)->logDatumChoice;
        *selector = c.selector;
        EXPECT_EQ(copy_value(&dest.v, &source.v, -1), c.status);
    }
    // A change-of-value criterion other than 0 or 1 is refused with both selectors kept.
    BACnetEventParameter source{2, {}}, dest{};
    source.parameters.changeOfValue.covCriteria.choice = 2;
    EXPECT_EQ(bacnapi::copy_event_parameter(&dest, &source), BACNAPI_E_NOTSUPPORTED);
    EXPECT_EQ(dest.choice, 2);
    EXPECT_EQ(dest.parameters.changeOfValue.covCriteria.choice, 2);
}

// ---- Head-inline sequences ----

TEST(Copy, SequenceCopiesKeepRoomForFurtherAppends)
{
    // A copied sequence holds the overflow slots that the growth rule expects, so appending to
    // the copy stays inside its array (checked by the sanitizers).
    for (int32_t count : {1, 2, 4, 5, 8}) {
        ReadAccessSpecification source{}, copy{};
        fill_specification(&source, 1, count);
        ASSERT_EQ(bacnapi::copy_read_access_specification(&copy, &source), BACNAPI_S_OK);
        for (int32_t i = 0; i < 5; ++i) ASSERT_NE(bacnapi::sequence_append(&copy.listOfPropertyReferences), nullptr);
        EXPECT_EQ(bacnapi::sequence_element(&copy.listOfPropertyReferences, count - 1)->propertyIdentifier,
                  84u + static_cast<uint32_t>(count));
        bacnapi_ClearReadAccessSpecification(&source);
        bacnapi_ClearReadAccessSpecification(&copy);
    }
}

TEST(Copy, OverflowArrayGrowsInStepsOfFour)
{
    SequenceOfBACnetPropertyReference seq{};
    std::vector<const void*> arrays;
    for (int32_t i = 0; i < 9; ++i) {
        ASSERT_NE(bacnapi::sequence_append(&seq), nullptr);
        arrays.push_back(seq.elements);
    }
    // Inline first; 4 slots at the second append; new arrays at the fifth and the ninth.
    EXPECT_EQ(arrays[0], nullptr);
    EXPECT_NE(arrays[1], nullptr);
    EXPECT_EQ(arrays[3], arrays[1]);
    EXPECT_NE(arrays[4], arrays[3]);
    EXPECT_EQ(arrays[7], arrays[4]);
    EXPECT_NE(arrays[8], arrays[7]);
    bacnapi_ClearSequenceOfBACnetPropertyReference(&seq);
    void* array = nullptr;
    EXPECT_FALSE(bacnapi::overflow_grow(&array, -1, 8));
    EXPECT_FALSE(bacnapi::overflow_grow(&array, 65536, 8));
    seq.count = -3; // a corrupt count appends nothing
    EXPECT_EQ(bacnapi::sequence_append(&seq), nullptr);
}

// ---- Event notification request ----

// Parameters of each alternative, with something owned wherever the alternative can own it.
BACnetNotificationParameters parameters(int32_t choice)
{
    BACnetNotificationParameters p{choice, {}};
    auto& a = p.parameters;
    switch (choice) {
    case 0: a.changeOfBitstring = {bits({1, 0}), bits({0, 1, 1})}; break;
    case 1: a.changeOfState = {bits({1}), {2, {.enumerated = 3}}}; break;
    case 2: a.changeOfValue = {bits({0, 0, 0, 1}), {0, {.changedBits = bits({1, 1})}}}; break;
    case 3: a.commandFailure = {bits({1}), text("cmd"), num(7)}; break;
    case 4: a.floatingLimit = {bits({0}), 1.5f, 2.5f, 3.5f}; break;
    case 5: a.outOfRange = {bits({1, 1}), 9.0f, 1.0f, 8.0f}; break;
    case 6: a.complexEventType = build(87); break;
    case 7: a.bufferReady = {{8, 1}, {20, 2}, 3, 4}; break;
    case 8: a.changeOfLifeSafety = {1, 2, bits({0, 1}), 3}; break;
    case 9: a.extended = {5, 6, 8, {{{8, 1}, {0, 1}, 85, 0xFFFFFFFFu, real(4)}}}; break;
    case 10: a.bufferReady2 = {{{20, 1}, 131, 0xFFFFFFFFu, {8, 2}}, 5, 6}; break;
    case 11: a.unsignedRange = {bits({0, 0, 1}), 70, 60}; break;
    default: break;
    }
    return p;
}

TEST(CopyEventNotification, BothCopiesDuplicateEveryField)
{
    for (int32_t choice = 0; choice <= 12; ++choice) {
        SCOPED_TRACE(choice);
        Notification source{}, reference{}, zeroed{}, released{};
        for (Notification* n : {&source, &reference}) {
            fill_notification(n, "source text");
            bacnapi_ClearBACnetNotificationParameters(&n->eventValues);
            n->eventValues = parameters(choice);
        }
        fill_notification(&released, "old text, released by the copy");
        ASSERT_EQ(bacnapi_copy_event_notification_request(&zeroed, &source), BACNAPI_S_OK);
        ASSERT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&released, &source), BACNAPI_S_OK);
        EXPECT_NE(zeroed.messageText.data, source.messageText.data);
        bacnapi_ClearConfirmedEventNotificationRequest(&source);
        expect_same_notification(zeroed, reference);
        expect_same_notification(released, reference);
        EXPECT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&released, &released), BACNAPI_S_OK);
        expect_same_notification(released, reference);
        for (Notification* n : {&reference, &zeroed, &released}) bacnapi_ClearConfirmedEventNotificationRequest(n);
    }
    Notification any{};
    EXPECT_EQ(bacnapi_copy_event_notification_request(nullptr, &any), BACNAPI_E_FAIL);
    EXPECT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&any, nullptr), BACNAPI_E_FAIL);
}

TEST(CopyEventNotification, ParametersThatCannotBeCopiedStopTheCopy)
{
    Notification source{}, dest{};
    fill_notification(&source, "text");
    bacnapi_ClearBACnetNotificationParameters(&source.eventValues);
    source.eventValues = {6, {.complexEventType = list(57, {make(40)})}}; // holds a value without a copy
    EXPECT_EQ(bacnapi_copy_event_notification_request(&dest, &source), BACNAPI_E_FAIL);
    EXPECT_EQ(dest.ackRequired, 1);
    EXPECT_EQ(dest.eventObjectIdentifier.instance, 7u);
    EXPECT_EQ(dest.eventType, 3u);
    EXPECT_EQ(dest.eventValues.choice, 6);
    EXPECT_EQ(dest.fromState, 0u); // fields after eventValues are not reached
    EXPECT_EQ(dest.messageText.data, nullptr);
    bacnapi_ClearConfirmedEventNotificationRequest(&source);
    bacnapi_ClearConfirmedEventNotificationRequest(&dest);
}

#if !defined(__SANITIZE_ADDRESS__)
// The heap is made to refuse the messageText block by a cap on the address space, in a child
// process; exit code 0 when every check holds.
[[noreturn]] void copy_with_refused_message_text()
{
    const size_t size = size_t{64} << 20;
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (block == MAP_FAILED) _exit(10);
    static_cast<char*>(block)[size - 1] = 'x';
    Notification source{}, dest{};
    fill_notification(&source, "replaced");
    std::free(source.messageText.data);
    source.messageText.data = static_cast<char*>(block);
    source.messageText.length = size;
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    const rlim_t cap = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{16} << 20);
    const rlimit limit{cap, cap};
    if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0) _exit(11);
    if (bacnapi_copy_event_notification_request(&dest, &source) != BACNAPI_E_FAIL) _exit(1);
    if (dest.eventValues.choice != 3 || dest.fromState != 5 || dest.initiatingDeviceIdentifier.instance != 100) _exit(2);
    if (dest.messageText.data != nullptr || dest.messageText.length != 0) _exit(3);
    if (dest.notificationClass != 0 || dest.toState != 0) _exit(4); // nothing after messageText
    _exit(0);
}
#endif

TEST(CopyEventNotification, RefusedMessageTextStopsTheCopy)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator does not refuse under an address-space cap";
#else
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload != nullptr && std::strstr(preload, "vgpreload") != nullptr)
        GTEST_SKIP() << "valgrind's allocator does not refuse under an address-space cap";
    EXPECT_EXIT(copy_with_refused_message_text(), testing::ExitedWithCode(0), "");
#endif
}

} // namespace
