// Equality and order of values: the entry rules, the application types, lists and records.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

int32_t sign(int32_t r) { return r < 0 ? -1 : (r > 0 ? 1 : 0); }
int32_t compare(const BACnetDataType& a, const BACnetDataType& b)
{
    return sign(bacnapi_CompareBACnetDataType(&a, &b));
}

// A value that the test owns and clears.
struct Owned {
    BACnetDataType v{};
    explicit Owned(int32_t type) { EXPECT_EQ(bacnapi_initialize_data(&v, type), 0) << type; }
    explicit Owned(const BACnetDataType& adopted) : v(adopted) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { bacnapi_ClearBACnetDataType(&v); }
    template <typename R> R& rec() { return *static_cast<R*>(v.payload.record); }
};

template <typename T> BACnetDataType inline_value(int32_t type, T payload)
{
    BACnetDataType v{};
    v.type = type;
    std::memcpy(&v.payload, &payload, sizeof payload);
    return v;
}
BACnetDataType U(uint32_t x) { return inline_value(BACNAPI_TYPE_Unsigned, x); }
BACnetDataType S(int32_t x) { return inline_value(BACNAPI_TYPE_Signed, x); }
BACnetDataType R(float x) { return inline_value(BACNAPI_TYPE_Real, x); }
BACnetDataType D(double x) { return inline_value(BACNAPI_TYPE_Double, x); }
BACnetDataType Dt(BACnetDate x) { return inline_value(BACNAPI_TYPE_Date, x); }
BACnetDataType Tm(BACnetTime x) { return inline_value(BACNAPI_TYPE_Time, x); }
BACnetDataType Oid(uint32_t t, uint32_t i) { return inline_value(BACNAPI_TYPE_ObjectIdentifier, BACnetObjectIdentifier{t, i}); }

uint8_t* heap_bytes(const std::string& s)
{
    if (s.empty()) return nullptr;
    auto* p = static_cast<uint8_t*>(std::malloc(s.size()));
    std::memcpy(p, s.data(), s.size());
    return p;
}
BACnetBitString bits(const std::string& octets) { return {octets.size(), octets.size(), heap_bytes(octets)}; }
void append(BACnetDataType& list, const BACnetDataType& element)
{
    ASSERT_LT(list.payload.list->count, list.payload.list->capacity);
    list.payload.list->elements[list.payload.list->count++] = element;
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(CompareTest, EntryRules)
{
    const BACnetDataType five = U(5);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(nullptr, &five), 1);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&five, nullptr), -1);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(nullptr, nullptr), 1);
    EXPECT_EQ(compare(U(5), S(5)), -1);
    EXPECT_EQ(compare(S(5), U(5)), -1);
    // Codes without a comparison, and codes outside the range, are never equal, even to themselves.
    for (int32_t type : {-1, 13, 19, 34, 35, 38, 39, 40, 41, 42, 43, 44, 66, 67, 68, 85, 86, 89, 90, 91, 99, 100,
                         108, 109, 115, 126, 137, 152, 153, 1000}) {
        BACnetDataType v{};
        v.type = type;
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&v, &v), -1) << type;
    }
    Owned a(BACNAPI_TYPE_ReadAccessSpecification), b(BACNAPI_TYPE_ReadAccessSpecification);
    EXPECT_EQ(compare(a.v, b.v), -1);
}

// Every fresh value of a comparable code equals itself, except where its fresh form holds a
// selector or a presence mark that has no comparison.
TEST(CompareTest, FreshValuesEqualThemselves)
{
    const std::vector<int32_t> never = {30, 51, 112, 38, 39, 40, 41, 42, 43, 44, 89, 90};
    int covered = 0;
    for (int32_t type = 0; type <= 125; ++type) {
        BACnetDataType probe{};
        if (bacnapi_initialize_data(&probe, type) != 0) continue;
        bacnapi_ClearBACnetDataType(&probe);
        ++covered;
        Owned a(type), b(type);
        const bool equal = std::find(never.begin(), never.end(), type) == never.end();
        EXPECT_EQ(compare(a.v, b.v), equal ? 0 : -1) << type;
    }
    EXPECT_EQ(covered, 106); // every code from 0 to 125 that has an initial form
}

TEST(CompareTest, ApplicationTypes)
{
    struct Case { const char* name; BACnetDataType a, b; int32_t ab, ba; };
    const Case cases[] = {
        {"null", BACnetDataType{}, BACnetDataType{}, 0, 0},
        {"boolean octets differ", inline_value<uint8_t>(1, 1), inline_value<uint8_t>(1, 2), -1, 1},
        {"unsigned order", U(0xFFFFFFFFu), U(1), 1, -1},
        {"signed order", S(-1), S(1), -1, 1},
        {"signed long", inline_value<int64_t>(20, INT64_MIN), inline_value<int64_t>(20, 0), -1, 1},
        {"double within tolerance", D(1.000001), D(1.000004), 0, 0},
        {"double one step apart", D(1.0), D(1.00001), -1, 1},
        {"double just under half a step", D(0.0), D(0.0000049), 0, 0},
        {"double NaN", D(std::nan("")), D(3.0), 0, 0},
        {"double infinity", D(kInf), D(1e300), 1, -1},
        {"real one step apart", R(1.0f), R(1.00001f), -1, 1},
        // Exactly, these differ by 5.0000001e-6; in single precision by 4.9999999e-6.
        {"real difference taken in single precision", R(0x1.5cf754p-19f), R(-0x1.421f5ep-19f), 0, 0},
        {"real above half a step", R(0.0f), R(6e-6f), -1, 1},
        {"real NaN", R(kNaN), R(-7.0f), 0, 0},
        {"date ignores day of week", Dt({124, 5, 6, 1}), Dt({124, 5, 6, 255}), 0, 0},
        {"date year before month", Dt({123, 12, 31, 0}), Dt({124, 1, 1, 0}), -1, 1},
        {"date 255 is no wildcard", Dt({255, 5, 6, 0}), Dt({124, 5, 6, 0}), 1, -1},
        {"time hour 255 first only", Tm({255, 0, 0, 0}), Tm({9, 0, 0, 0}), 0, -1},
        {"time minute 255 is a number", Tm({9, 255, 0, 0}), Tm({9, 1, 0, 0}), 1, -1},
        {"object id signed instance", Oid(8, 0xFFFFFFFFu), Oid(8, 0), -1, 1},
        {"object id type first", Oid(1, 9), Oid(2, 0), -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(compare(c.a, c.b), c.ab);
        EXPECT_EQ(compare(c.b, c.a), c.ba);
    }
}

TEST(CompareTest, StringsCompareTheirBytes)
{
    struct Side { std::string text; uint64_t length; uint8_t charset; };
    struct Case { const char* name; int32_t type; Side a, b; int32_t ab, ba; };
    const std::string abc00("abc\0\0", 5);
    const Case cases[] = {
        {"octets: shorter first", 6, {"\xff", 1, 0}, {"\x01\x01", 2, 0}, -1, 1},
        {"octets: unsigned bytes", 6, {"\x80", 1, 0}, {"\x7f", 1, 0}, 1, -1},
        {"text: trailing NULs ignored", 7, {"abc", 3, 0}, {abc00, 5, 0}, 0, 0},
        {"text: prefix first", 7, {"ab", 2, 0}, {"abc", 3, 0}, -1, 1},
        {"text: bytes before length", 7, {"b", 1, 0}, {"abc", 3, 0}, 1, -1},
        {"text: character set ignored", 7, {"abc", 3, 0}, {"abc", 3, 5}, 0, 0},
        {"text: all NULs is empty", 7, {std::string(2, '\0'), 2, 0}, {"", 0, 0}, 0, 0},
        {"text: empty first", 7, {"", 0, 0}, {"a", 1, 0}, -1, 1},
        {"text: unsigned bytes", 7, {"\xc3", 1, 0}, {"a", 1, 0}, 1, -1},
        {"text: negative length", 7, {"abc", 0x80000003u, 0}, {"abc", 3, 0}, -1, -1},
        {"text: length beyond its buffer", 7, {"", 3, 0}, {"abc", 3, 0}, -1, -1},
        {"octets: length beyond its buffer", 6, {"", 2, 0}, {"ab", 2, 0}, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto make = [&](const Side& s) {
            BACnetDataType v{};
            v.type = c.type;
            if (c.type == 6) v.payload.octetString = {s.length, heap_bytes(s.text)};
            else v.payload.characterString = {s.charset, {}, reinterpret_cast<char*>(heap_bytes(s.text)), s.length};
            return v;
        };
        Owned a(make(c.a)), b(make(c.b));
        EXPECT_EQ(compare(a.v, b.v), c.ab);
        EXPECT_EQ(compare(b.v, a.v), c.ba);
    }
}

TEST(CompareTest, BitStrings)
{
    struct Case { const char* name; BACnetBitString a, b; int32_t ab, ba; };
    const Case cases[] = {
        {"equal", bits(std::string("\1\0\1", 3)), bits(std::string("\1\0\1", 3)), 0, 0},
        {"used counts first", bits(std::string("\0\0\0", 3)), bits("\1\1"), 1, -1},
        {"octets as stored", bits("\1\2"), bits("\1\1"), 1, -1},
        {"first difference decides", bits(std::string("\0\1", 2)), bits(std::string("\1\0", 2)), -1, 1},
        // Only octets both sides hold are read: a longer allocation is compared over the shorter.
        {"unused tail", {3, 2, heap_bytes("\1\1\1")}, {2, 2, heap_bytes("\1\1")}, 0, 0},
        {"count without bits", {2, 2, nullptr}, bits("\1\1"), -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Owned a(inline_value(BACNAPI_TYPE_BitString, c.a)), b(inline_value(BACNAPI_TYPE_BitString, c.b));
        EXPECT_EQ(compare(a.v, b.v), c.ab);
        EXPECT_EQ(compare(b.v, a.v), c.ba);
    }
}

TEST(CompareTest, ListsCompareCountsThenElements)
{
    struct Case { const char* name; int32_t type; std::vector<BACnetDataType> a, b; int32_t ab, ba; };
    const Case cases[] = {
        {"shorter first", 75, {U(1), U(2)}, {U(1), U(2), U(0)}, -1, 1},
        {"element decides", 75, {U(1), U(3)}, {U(1), U(2)}, 1, -1},
        {"equal", 75, {U(1), U(2)}, {U(1), U(2)}, 0, 0},
        {"empty", 65, {}, {}, 0, 0},
        {"reals by tolerance", 113, {R(1.0f), R(2.0f)}, {R(1.000001f), R(2.000002f)}, 0, 0},
        {"element types differ", 57, {U(1)}, {S(1)}, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Owned a(c.type), b(c.type);
        for (const auto& e : c.a) append(a.v, e);
        for (const auto& e : c.b) append(b.v, e);
        EXPECT_EQ(compare(a.v, b.v), c.ab);
        EXPECT_EQ(compare(b.v, a.v), c.ba);
    }
    Owned present(75);
    BACnetDataType missing{};
    missing.type = 75;
    EXPECT_EQ(compare(missing, present.v), -1);
    EXPECT_EQ(compare(present.v, missing), -1);
}

TEST(CompareTest, NestedValuesAndMissingRecords)
{
    BACnetDataType nested_missing{}, range_missing{}, address_missing{};
    nested_missing.type = BACNAPI_TYPE_BACnetNestedValue;
    range_missing.type = BACNAPI_TYPE_BACnetDateRange;
    address_missing.type = BACNAPI_TYPE_BACnetAddress;
    Owned nested(BACNAPI_TYPE_BACnetNestedValue), inner(BACNAPI_TYPE_BACnetNestedValue), deep(56);
    nested.rec<BACnetNestedValue>().value = U(4);
    inner.rec<BACnetNestedValue>().value = U(4);
    deep.rec<BACnetNestedValue>().value = inner.v; // a nested value that wraps another
    inner.v = BACnetDataType{};                     // now owned by deep
    Owned range(BACNAPI_TYPE_BACnetDateRange), address(BACNAPI_TYPE_BACnetAddress);
    EXPECT_EQ(compare(nested_missing, nested.v), 1);
    EXPECT_EQ(compare(nested.v, nested_missing), -1);
    EXPECT_EQ(compare(nested.v, deep.v), -1); // Unsigned against BACnetNestedValue
    EXPECT_EQ(compare(deep.v, deep.v), 0);
    EXPECT_EQ(compare(range_missing, range.v), 0);
    EXPECT_EQ(compare(range.v, range_missing), 0);
    EXPECT_EQ(compare(address_missing, address.v), -1);
    EXPECT_EQ(compare(address.v, address_missing), -1);
}

// Records: each case starts from two fresh values of its type and changes them before comparing.
struct RecordCase {
    const char* name;
    int32_t type;
    std::function<void(void*, void*)> setup;
    int32_t ab, ba;
};
template <typename Rec, typename F> std::function<void(void*, void*)> on(F f)
{
    return [f](void* a, void* b) { f(*static_cast<Rec*>(a), *static_cast<Rec*>(b)); };
}
void run(const std::vector<RecordCase>& cases)
{
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        Owned a(c.type), b(c.type);
        c.setup(a.v.payload.record, b.v.payload.record);
        EXPECT_EQ(compare(a.v, b.v), c.ab);
        EXPECT_EQ(compare(b.v, a.v), c.ba);
    }
}

// A fresh value of type appended to a list value; returns its record.
void* add(BACnetDataType& list, int32_t type)
{
    BACnetDataType element{};
    EXPECT_EQ(bacnapi_initialize_data(&element, type), 0);
    append(list, element);
    return element.payload.record;
}
BACnetDataType fresh(int32_t type)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), 0);
    return v;
}

using Addr = BACnetAddress;
using Cal = BACnetCalendarEntry;
using TS = BACnetTimeStamp;
using AC = BACnetActionCommand;
using Rcp = BACnetRecipient;
using RP = BACnetRecipientProcess;
using Dest = BACnetDestination;
using SE = BACnetSpecialEvent;
using PV = BACnetPriorityValue;
using Prop = BACnetPropertyValue;
using LDE = BACnetLogDataElement;
using ELR = BACnetEventLogRecord;

TEST(CompareTest, RecordsCompareTheirIdentifyingFields)
{
    run({
        {"address octets unsigned", 21, on<Addr>([](auto& a, auto& b) { a.macAddress[0] = 0x80; b.macAddress[0] = 0x7f; }), 1, -1},
        {"address unused MAC octets count", 21, on<Addr>([](auto& a, auto&) { a.macAddress[5] = 1; }), 1, -1},
        {"date-time hour 255 first only", 22, on<BACnetDateTime>([](auto& a, auto& b) {
             a.date = {124, 5, 6, 1}; b.date = {124, 5, 6, 2}; a.time = {255, 0, 0, 0}; b.time = {9, 30, 0, 0}; }), 0, -1},
        {"calendar selectors signed", 23, on<Cal>([](auto& a, auto&) { a.choice = -1; }), -1, 1},
        {"calendar date without day of week", 23, on<Cal>([](auto& a, auto& b) { a.date = {124, 1, 2, 3}; b.date = {124, 1, 2, 4}; }), 0, 0},
        {"calendar range end", 23, on<Cal>([](auto& a, auto& b) { a.choice = b.choice = 1; a.dateRange.endDate.month = 2; b.dateRange.endDate.month = 3; }), -1, 1},
        {"calendar week-n-day", 23, on<Cal>([](auto& a, auto& b) { a.choice = b.choice = 2; a.weekNDay.dayOfWeek = 7; b.weekNDay.dayOfWeek = 1; }), 1, -1},
        {"calendar unknown selector", 23, on<Cal>([](auto& a, auto& b) { a.choice = b.choice = 3; }), -1, -1},
        {"date range start first", 24, on<BACnetDateRange>([](auto& a, auto& b) { a.startDate.year = 100; b.startDate.year = 101; a.endDate.year = 200; }), -1, 1},
        {"time value: wildcard, then value", 26, on<BACnetTimeValue>([](auto& a, auto& b) {
             a.time.hour = 255; b.time.hour = 8; a.value = U(2); b.value = U(1); }), 1, -1},
        {"time value: reals by tolerance", 26, on<BACnetTimeValue>([](auto& a, auto& b) { a.value = R(1.0f); b.value = R(1.000001f); }), 0, 0},
        {"timestamp selectors unsigned", 27, on<TS>([](auto& a, auto& b) { a.choice = -1; b.choice = 2; }), 1, -1},
        {"timestamp sequence", 27, on<TS>([](auto& a, auto& b) { a.choice = b.choice = 1; a.value.sequenceNumber = 5; b.value.sequenceNumber = 4; }), 1, -1},
        {"timestamp unknown selector", 27, on<TS>([](auto& a, auto& b) { a.choice = b.choice = 3; }), -1, -1},
        {"timestamp date-time", 27, on<TS>([](auto& a, auto& b) { a.choice = b.choice = 2; a.value.dateTime.time.hour = 255; b.value.dateTime.time.hour = 10; }), 0, -1},
        {"action command ignores value and priority", 28, on<AC>([](auto& a, auto& b) { a.propertyValue.payload.enumerated = 5; a.priority = 1; b.priority = 16; }), 0, 0},
        {"action command device signed", 28, on<AC>([](auto&, auto& b) { b.deviceIdentifier.instance = 0; }), -1, 1},
        {"session key length first", 29, on<BACnetSessionKey>([](auto& a, auto& b) {
             a.sessionKey = {1, heap_bytes("\xff")}; b.sessionKey = {2, heap_bytes(std::string(2, '\0'))}; }), -1, 1},
        {"session key peer address", 29, on<BACnetSessionKey>([](auto& a, auto&) { a.peerAddress.macAddress[0] = 9; }), 1, -1},
        {"recipient: none", 30, on<Rcp>([](auto&, auto&) {}), -1, -1},
        {"recipient: device before address", 30, on<Rcp>([](auto& a, auto& b) { a.choice = 0; b.choice = 1; }), -1, 1},
        {"recipient: address octets", 30, on<Rcp>([](auto& a, auto& b) { a.choice = b.choice = 1; b.value.address.macLength = 6; }), -1, 1},
        {"recipient process leading octet", 31, on<RP>([](auto& a, auto&) { a.present = 1; }), 1, -1},
        {"recipient process identifier unsigned", 31, on<RP>([](auto& a, auto& b) { a.processIdentifier = 0xFFFFFFFFu; b.processIdentifier = 1; }), 1, -1},
        {"address binding: instance only", 32, on<BACnetAddressBinding>([](auto& a, auto& b) {
             a.deviceObjectIdentifier = {8, 1}; b.deviceObjectIdentifier = {9, 1}; a.deviceAddress.networkNumber = 5; }), 0, 0},
        {"address binding: instance signed", 32, on<BACnetAddressBinding>([](auto& a, auto& b) {
             a.deviceObjectIdentifier.instance = 0xFFFFFFFFu; b.deviceObjectIdentifier.instance = 1; }), -1, 1},
        {"property reference index signed", 33, on<BACnetObjectPropertyReference>([](auto&, auto& b) { b.propertyArrayIndex = 0; }), -1, 1},
        {"device reference: device first", 36, on<BACnetDeviceObjectPropertyReference>([](auto& a, auto& b) {
             a.deviceIdentifier.instance = 1; b.deviceIdentifier.instance = 2; a.objectIdentifier.instance = 9; }), -1, 1},
        {"log record: timestamp only", 37, on<BACnetLogRecord>([](auto& a, auto& b) {
             a.logDatumChoice = 3; a.logDatum.enumValue = 4; b.logDatumChoice = 4; }), 0, 0},
        {"destination: no recipient", 45, on<Dest>([](auto& a, auto& b) { a.recipient.choice = b.recipient.choice = -1; }), -1, -1},
        {"destination: days and times not compared", 45, on<Dest>([](auto& a, auto& b) {
             a.recipient.choice = b.recipient.choice = 0; a.validDays.bits[0] = 1; a.fromTime.hour = 3; a.issueConfirmedNotifications = 1; }), 0, 0},
        {"destination: process", 45, on<Dest>([](auto& a, auto& b) { a.recipient.choice = b.recipient.choice = 0; a.processIdentifier = 2; b.processIdentifier = 1; }), 1, -1},
        {"daily schedule list", 46, on<BACnetDailySchedule>([](auto& a, auto&) { add(a.daySchedule, 26); }), 1, -1},
        {"special event: day of week of the period ignored", 47, on<SE>([](auto& a, auto& b) {
             a.period.calendarEntry.date = {124, 1, 2, 3}; b.period.calendarEntry.date = {124, 1, 2, 4}; }), 0, 0},
        {"special event: time values before priority", 47, on<SE>([](auto& a, auto& b) { add(a.listOfTimeValues, 26); b.eventPriority = 9; }), 1, -1},
        {"special event: priority", 47, on<SE>([](auto& a, auto& b) { a.eventPriority = 1; b.eventPriority = 2; }), -1, 1},
        {"special event: reference", 47, on<SE>([](auto& a, auto& b) {
             a.periodChoice = b.periodChoice = 1; a.period.calendarReference = {6, 1}; b.period.calendarReference = {6, 2}; }), -1, 1},
        {"special event: unknown period", 47, on<SE>([](auto& a, auto& b) { a.periodChoice = b.periodChoice = 2; }), -1, -1},
        {"priority value: null", 48, on<PV>([](auto& a, auto&) { a.value.unsignedValue = 1; }), 0, 0},
        {"priority value: real", 48, on<PV>([](auto& a, auto& b) { a.kind = b.kind = 1; a.value.real = 20.0f; b.value.real = 20.000004f; }), 0, 0},
        {"priority value: unsigned", 48, on<PV>([](auto& a, auto& b) { a.kind = b.kind = 3; a.value.unsignedValue = 0xFFFFFFFFu; b.value.unsignedValue = 2; }), 1, -1},
        {"priority value: constructed", 48, on<PV>([](auto& a, auto& b) { a.kind = b.kind = 5; a.value.constructedValue = U(1); b.value.constructedValue = S(1); }), -1, -1},
        {"priority value: unknown", 48, on<PV>([](auto& a, auto& b) { a.kind = b.kind = 6; }), -1, -1},
        {"property value: priority first", 49, on<Prop>([](auto& a, auto& b) { a.priority = 1; b.priority = 2; a.value = U(9); b.value = U(1); }), -1, 1},
        {"property value: index before identifier", 49, on<Prop>([](auto& a, auto& b) { b.propertyArrayIndex = 0; a.propertyIdentifier = 100; }), -1, 1},
        {"property value: nested real", 49, on<Prop>([](auto& a, auto& b) { a.value = R(21.5f); b.value = R(21.500001f); }), 0, 0},
        {"property states octets", 50, on<BACnetPropertyStates>([](auto& a, auto&) { a.value.booleanValue = 1; }), 1, -1},
        {"property states selector", 50, on<BACnetPropertyStates>([](auto& a, auto& b) { a.choice = 1; b.choice = 2; }), -1, 1},
        {"selection criteria relation", 53, on<BACnetSelectionCriteria>([](auto& a, auto& b) {
             a.relationSpecifier = 1; b.relationSpecifier = 2; a.comparisonValue = U(3); }), -1, 1},
        {"selection criteria value", 53, on<BACnetSelectionCriteria>([](auto& a, auto& b) { a.comparisonValue = U(3); b.comparisonValue = U(2); }), 1, -1},
        {"client COV increment", 54, on<BACnetClientCOV>([](auto& a, auto& b) { a.value.realIncrement = 1.0f; b.value.realIncrement = 1.000001f; }), 0, 0},
        {"client COV default word", 54, on<BACnetClientCOV>([](auto& a, auto&) { a.choice = 1; }), 1, -1},
        {"client COV unknown", 54, on<BACnetClientCOV>([](auto& a, auto& b) { a.choice = b.choice = 2; }), -1, -1},
        {"object property value: value and priority ignored", 55, on<BACnetObjectPropertyValue>([](auto& a, auto& b) {
             a.value = U(1); b.value = U(2); a.priority = 3; }), 0, 0},
        {"object property value: identifier signed", 55, on<BACnetObjectPropertyValue>([](auto& a, auto&) { a.propertyIdentifier = 0x80000000u; }), -1, 1},
        {"action list", 59, on<BACnetActionList>([](auto& a, auto&) { add(a.action, 28); }), 1, -1},
        {"constructed nested", 97, on<BACnetConstructed>([](auto& a, auto& b) { a.value = U(1); b.value = U(2); }), -1, 1},
        {"COV subscription: the rest ignored", 101, on<BACnetCOVSubscription>([](auto& a, auto&) {
             a.timeRemaining = 5; a.covIncrement = 2; a.issueConfirmedNotifications = 1; }), 0, 0},
        {"COV subscription: recipient before reference", 101, on<BACnetCOVSubscription>([](auto& a, auto& b) {
             a.recipient.processIdentifier = 1; b.monitoredPropertyReference.propertyIdentifier = 1; }), 1, -1},
        {"scale: first selector decides", 102, on<BACnetScale>([](auto& a, auto& b) { a.value.floatScale = 1.0f; b.choice = 1; b.value.integerScale = 1; }), 1, -1},
        {"scale: unknown selector first", 102, on<BACnetScale>([](auto& a, auto&) { a.choice = 2; }), -1, 0},
        {"prescale", 103, on<BACnetPrescale>([](auto& a, auto& b) { a.multiplier = b.multiplier = 1; a.moduloDivide = 3; b.moduloDivide = 2; }), 1, -1},
        {"accumulator: status ignored", 104, on<BACnetAccumulatorRecord>([](auto& a, auto&) { a.accumulatorStatus = 1; }), 0, 0},
        {"event summary: identifier only", 105, on<EventSummaryElement>([](auto& a, auto&) { a.eventState = 2; a.notifyType = 1; }), 0, 0},
        {"event summary: instance signed", 105, on<EventSummaryElement>([](auto& a, auto&) { a.objectIdentifier.instance = 0x80000000u; }), -1, 1},
        {"device property value: nested", 110, on<BACnetDeviceObjectPropertyValue>([](auto& a, auto& b) { a.value = D(1.0); b.value = D(1.00001); }), -1, 1},
        {"setpoint reference: absent", 112, on<BACnetSetpointReference>([](auto& a, auto&) { a.present = 1; }), -1, -1},
        {"setpoint reference: index", 112, on<BACnetSetpointReference>([](auto& a, auto& b) {
             a.present = b.present = 1; a.setpointReference.propertyArrayIndex = 1; }), 1, -1},
        {"event log: log status", 116, on<ELR>([](auto& a, auto& b) { a.logDatum.logStatus = bits("\1"); b.logDatum.logStatus = bits("\2"); }), -1, 1},
        {"event log: notification", 116, on<ELR>([](auto& a, auto& b) { a.logDatumChoice = b.logDatumChoice = 1; }), -1, -1},
        {"event log: time change", 116, on<ELR>([](auto& a, auto& b) { a.logDatumChoice = b.logDatumChoice = 2; a.logDatum.timeChange = 1.5f; b.logDatum.timeChange = 1.6f; }), -1, 1},
        {"event log: timestamp first", 116, on<ELR>([](auto& a, auto& b) { a.timestamp.date.month = 2; b.logDatumChoice = 9; }), 1, -1},
        {"log data: nested list", 117, on<BACnetLogData>([](auto& a, auto& b) {
             a.choice = b.choice = 1; a.value.logData = fresh(120); b.value.logData = fresh(120); add(a.value.logData, 119); }), 1, -1},
        {"log multiple record", 118, on<BACnetLogMultipleRecord>([](auto& a, auto& b) {
             a.logData.choice = b.logData.choice = 2; a.logData.value.timeChange = 1.0f; b.logData.value.timeChange = 1.000001f; }), 0, 0},
        {"log element: boolean octet", 119, on<LDE>([](auto& a, auto& b) { a.value.booleanValue = 1; b.value.booleanValue = 2; }), -1, 1},
        {"log element: signed", 119, on<LDE>([](auto& a, auto& b) { a.choice = b.choice = 4; a.value.signedValue = -1; b.value.signedValue = 1; }), -1, 1},
        {"log element: failure code signed", 119, on<LDE>([](auto& a, auto& b) {
             a.choice = b.choice = 7; a.value.failure = {1, 0x80000000u}; b.value.failure = {1, 0}; }), -1, 1},
        {"log element: any value", 119, on<LDE>([](auto& a, auto& b) { a.choice = b.choice = 8; a.value.anyValue = D(2.0); b.value.anyValue = D(2.000001); }), 0, 0},
        {"log element: selectors signed", 119, on<LDE>([](auto& a, auto&) { a.choice = -1; }), -1, 1},
        {"log element: unknown", 119, on<LDE>([](auto& a, auto& b) { a.choice = b.choice = 9; }), -1, -1},
        {"shed level amount", 123, on<BACnetShedLevel>([](auto& a, auto& b) { a.choice = b.choice = 2; a.value.amount = 1.0f; b.value.amount = 1.00001f; }), -1, 1},
        {"shed level percent", 123, on<BACnetShedLevel>([](auto& a, auto&) { a.value.percent = 1; }), 1, -1},
        {"device object reference", 124, on<BACnetDeviceObjectReference>([](auto& a, auto&) { a.objectIdentifier.objectType = 1; }), 1, -1},
    });
}

using EP = BACnetEventParameter;
TEST(CompareTest, EventParameters)
{
    run({
        {"selectors unsigned", 51, on<EP>([](auto& a, auto&) { a.choice = 0; }), -1, 1},
        {"change of bitstring: bitmask before delay", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 0; a.parameters.changeOfBitstring.bitmask = bits("\1"); b.parameters.changeOfBitstring.bitmask = bits(std::string(1, '\0'));
             b.parameters.changeOfBitstring.timeDelay = 5; }), 1, -1},
        {"change of bitstring: list", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 0; auto& la = a.parameters.changeOfBitstring.listOfBitstringValues; la = fresh(81);
             b.parameters.changeOfBitstring.listOfBitstringValues = fresh(81); append(la, inline_value(8, bits("\1"))); }), 1, -1},
        {"change of state: delay", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 1; a.parameters.changeOfState.timeDelay = 1; b.parameters.changeOfState.timeDelay = 2; }), -1, 1},
        {"change of value: criteria selector first", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; b.parameters.changeOfValue.covCriteria.choice = 1; a.parameters.changeOfValue.timeDelay = 9; }), -1, 1},
        {"change of value: increment", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; a.parameters.changeOfValue.covCriteria = b.parameters.changeOfValue.covCriteria = {1, {}};
             a.parameters.changeOfValue.covCriteria.value.referencedPropertyIncrement = 0.5f; b.parameters.changeOfValue.covCriteria.value.referencedPropertyIncrement = 0.500001f; }), 0, 0},
        {"change of value: bitmask", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; a.parameters.changeOfValue.covCriteria.value.bitmask = bits("\2"); b.parameters.changeOfValue.covCriteria.value.bitmask = bits("\1"); }), 1, -1},
        {"change of value: unknown criteria", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; a.parameters.changeOfValue.covCriteria.choice = b.parameters.changeOfValue.covCriteria.choice = 2; }), -1, -1},
        {"command failure", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 3; a.parameters.commandFailure.feedbackPropertyReference.deviceIdentifier.instance = 1; }), 1, -1},
        {"floating limit: deadband first", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 4; a.parameters.floatingLimit.deadband = 1.0f; b.parameters.floatingLimit.deadband = 2.0f; a.parameters.floatingLimit.timeDelay = 9; }), -1, 1},
        {"floating limit: reference before delay", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 4; a.parameters.floatingLimit.setpointReference.propertyIdentifier = 1; b.parameters.floatingLimit.timeDelay = 5; }), 1, -1},
        {"out of range: tolerance then low limit", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 5; a.parameters.outOfRange.highLimit = 10.0f; b.parameters.outOfRange.highLimit = 10.000001f; a.parameters.outOfRange.lowLimit = 1.0f; }), 1, -1},
        {"alternative 6 always equal", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 6; a.parameters.unsignedRange.timeDelay = 3; }), 0, 0},
        {"buffer ready", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 7; b.parameters.bufferReady.previousNotificationCount = 1; }), -1, 1},
        {"buffer ready 10", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 10; a.parameters.bufferReady2.notificationThreshold = 3; }), 1, -1},
        {"life safety: delay ignored", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 8; a.parameters.changeOfLifeSafety.timeDelay = 5; }), 0, 0},
        {"life safety: mode reference", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 8; a.parameters.changeOfLifeSafety.modePropertyReference.objectIdentifier.instance = 1; }), 1, -1},
        {"extended", 51, on<EP>([](auto& a, auto& b) { a.choice = b.choice = 9; }), -1, -1},
        {"unsigned range: low before delay", 51, on<EP>([](auto& a, auto& b) {
             a.choice = b.choice = 11; a.parameters.unsignedRange.lowLimit = 1; b.parameters.unsignedRange.lowLimit = 2; a.parameters.unsignedRange.timeDelay = 7; }), -1, 1},
    });
}

using NP = BACnetNotificationParameters;
TEST(CompareTest, NotificationParameters)
{
    run({
        {"selectors", 52, on<NP>([](auto& a, auto&) { a.choice = 1; }), 1, -1},
        {"change of bitstring: referenced before flags", 52, on<NP>([](auto& a, auto& b) {
             a.parameters.changeOfBitstring.referencedBitstring = bits("\1"); b.parameters.changeOfBitstring.referencedBitstring = bits(std::string(1, '\0'));
             b.parameters.changeOfBitstring.statusFlags = bits("\1"); }), 1, -1},
        {"change of state: state octets", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 1; a.parameters.changeOfState.newState.value.booleanValue = 1; }), 1, -1},
        {"change of value: changed value only", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; a.parameters.changeOfValue.newValue.choice = b.parameters.changeOfValue.newValue.choice = 1;
             a.parameters.changeOfValue.newValue.value.changedValue = 2.0f; b.parameters.changeOfValue.newValue.value.changedValue = 2.000001f;
             a.parameters.changeOfValue.statusFlags = bits("\1"); }), 0, 0},
        {"change of value: bits then flags", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 2; a.parameters.changeOfValue.statusFlags = bits("\1"); }), 1, -1},
        {"change of value: selector", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 2; a.parameters.changeOfValue.newValue.choice = 1; }), 1, -1},
        {"change of value: other selector compares flags", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 2; a.parameters.changeOfValue.newValue.choice = b.parameters.changeOfValue.newValue.choice = 5;
             b.parameters.changeOfValue.statusFlags = bits("\1"); }), -1, 1},
        {"command failure: feedback", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 3; a.parameters.commandFailure.commandValue = b.parameters.commandFailure.commandValue = U(1);
             a.parameters.commandFailure.feedbackValue = U(2); b.parameters.commandFailure.feedbackValue = U(1); }), 1, -1},
        {"command failure: nested types", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 3; a.parameters.commandFailure.commandValue = U(1); b.parameters.commandFailure.commandValue = S(1); }), -1, -1},
        {"floating limit: tolerance then reference", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 4; a.parameters.floatingLimit.errorLimit = 1.0f; b.parameters.floatingLimit.errorLimit = 1.000001f;
             a.parameters.floatingLimit.referenceValue = 5.0f; b.parameters.floatingLimit.referenceValue = 4.0f; }), 1, -1},
        {"complex event: nested list", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 6; a.parameters.complexEventType = fresh(87); b.parameters.complexEventType = fresh(87); add(b.parameters.complexEventType, 49); }), -1, 1},
        {"buffer ready: current before previous", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 7; a.parameters.bufferReady.currentNotification = 2; b.parameters.bufferReady.currentNotification = 1;
             b.parameters.bufferReady.previousNotification = 9; }), 1, -1},
        {"life safety: signed pair", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 8; a.parameters.changeOfLifeSafety.newState = 0xFFFFFFFFu; }), -1, 1},
        {"life safety: flags and operation ignored", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 8; a.parameters.changeOfLifeSafety.operationExpected = 3; a.parameters.changeOfLifeSafety.statusFlags = bits("\1"); }), 0, 0},
        {"extended", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 9; }), -1, -1},
        {"alternative 10", 52, on<NP>([](auto& a, auto& b) { a.choice = b.choice = 10; }), -1, -1},
        {"unsigned range: exceeding value", 52, on<NP>([](auto& a, auto& b) {
             a.choice = b.choice = 11; a.parameters.unsignedRange.exceedingValue = 5; b.parameters.unsignedRange.exceedingValue = 6; }), -1, 1},
    });
}

} // namespace
