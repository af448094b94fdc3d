// Equality and order of values: the entry rules, the application types, lists and records.
// Every case is compared both ways round: ab is the result for (a, b), ba for (b, a).
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

int32_t compare(const BACnetDataType& a, const BACnetDataType& b)
{
    return std::clamp(bacnapi_CompareBACnetDataType(&a, &b), -1, 1);
}

template <typename T> BACnetDataType inline_value(int32_t type, T payload)
{
    BACnetDataType v{type, {}};
    std::memcpy(&v.payload, &payload, sizeof payload);
    return v;
}
BACnetDataType U(uint32_t x) { return inline_value(BACNAPI_TYPE_Unsigned, x); }
BACnetDataType S(int32_t x) { return inline_value(BACNAPI_TYPE_Signed, x); }
BACnetDataType R(float x) { return inline_value(BACNAPI_TYPE_Real, x); }
BACnetDataType D(double x) { return inline_value(BACNAPI_TYPE_Double, x); }
BACnetDataType Dt(BACnetDate x) { return inline_value(BACNAPI_TYPE_Date, x); }
BACnetDataType Tm(BACnetTime x) { return inline_value(BACNAPI_TYPE_Time, x); }
BACnetDataType Id(uint32_t t, uint32_t i) { return inline_value(12, BACnetObjectIdentifier{t, i}); }
uint8_t* heap(const std::string& s) { return s.empty() ? nullptr : (uint8_t*)memcpy(malloc(s.size()), &s[0], s.size()); }
BACnetBitString bits(const std::string& octets) { return {octets.size(), octets.size(), heap(octets)}; }
BACnetDataType B(const std::string& octets) { return inline_value(BACNAPI_TYPE_BitString, bits(octets)); }
BACnetDataType Oct(const std::string& s, uint64_t n) { return inline_value(6, BACnetOctetString{n, heap(s)}); }
BACnetDataType Txt(const std::string& s, uint64_t n, uint8_t set = 0)
{
    return inline_value(7, BACnetCharacterString{set, {}, (char*)heap(s), n});
}
BACnetDataType fresh(int32_t type, std::vector<BACnetDataType> elements = {}) // a list takes over the elements
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), 0);
    for (const BACnetDataType& e : elements) v.payload.list->elements[v.payload.list->count++] = e;
    return v;
}
// Two fresh records of a code, changed by f.
template <typename Rec, typename F> std::pair<BACnetDataType, BACnetDataType> on(int32_t type, F f)
{
    std::pair<BACnetDataType, BACnetDataType> p{fresh(type), fresh(type)};
    f(*static_cast<Rec*>(p.first.payload.record), *static_cast<Rec*>(p.second.payload.record));
    return p;
}

#define SET(Rec, code, ...) on<Rec>(code, []([[maybe_unused]] auto& a, [[maybe_unused]] auto& b) { __VA_ARGS__; })

struct Case {
    const char* name;
    BACnetDataType a, b; // released by the test
    int32_t ab, ba;
    Case(const char* n, BACnetDataType x, BACnetDataType y, int32_t p, int32_t q) : name(n), a(x), b(y), ab(p), ba(q) {}
    Case(const char* n, std::pair<BACnetDataType, BACnetDataType> xy, int32_t p, int32_t q)
        : Case(n, xy.first, xy.second, p, q) {}
};
void run(std::vector<Case> cases)
{
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(compare(c.a, c.b), c.ab);
        EXPECT_EQ(compare(c.b, c.a), c.ba);
        bacnapi_ClearBACnetDataType(&c.a);
        bacnapi_ClearBACnetDataType(&c.b);
    }
}

TEST(CompareTest, EntryRulesAndValuesWithoutAComparison)
{
    const BACnetDataType five = U(5);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(nullptr, &five), 1);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(&five, nullptr), -1);
    EXPECT_EQ(bacnapi_CompareBACnetDataType(nullptr, nullptr), 1);
    EXPECT_EQ(compare(U(5), S(5)), -1);
    EXPECT_EQ(compare(S(5), U(5)), -1);
    // Codes without a comparison, and those outside the range, are never equal, even to themselves.
    for (int32_t type : {-1, 13, 19, 34, 35, 38, 39, 40, 41, 42, 43, 44, 66, 67, 68, 85, 86, 89, 90, 91, 99, 100,
                         108, 109, 115, 126, 137, 152, 153, 1000}) {
        const BACnetDataType v{type, {}};
        EXPECT_EQ(bacnapi_CompareBACnetDataType(&v, &v), -1) << type;
    }
    // Fresh values of a code are equal, but where the code has no comparison or the fresh form
    // holds a selector or a presence mark that has none.
    const std::set<int32_t> never = {30, 38, 39, 40, 41, 42, 43, 44, 51, 89, 90, 112};
    for (int32_t type = 0; type <= 125; ++type) {
        BACnetDataType a{}, b{};
        if (bacnapi_initialize_data(&a, type) != 0 || bacnapi_initialize_data(&b, type) != 0) continue;
        EXPECT_EQ(compare(a, b), never.count(type) ? -1 : 0) << type;
        bacnapi_ClearBACnetDataType(&a);
        bacnapi_ClearBACnetDataType(&b);
    }
}

TEST(CompareTest, ApplicationTypesAndStrings)
{
    const std::string abc00("abc\0\0", 5);
    run({
        {"null", BACnetDataType{}, BACnetDataType{}, 0, 0},
        {"boolean octets differ", inline_value<uint8_t>(1, 1), inline_value<uint8_t>(1, 2), -1, 1},
        {"unsigned order", U(0xFFFFFFFFu), U(1), 1, -1}, {"signed order", S(-1), S(1), -1, 1},
        {"signed long", inline_value<int64_t>(20, INT64_MIN), inline_value<int64_t>(20, 0), -1, 1},
        {"double within tolerance", D(1.000001), D(1.000004), 0, 0},
        {"double one step apart", D(1.0), D(1.00001), -1, 1},
        {"double just under half a step", D(0.0), D(0.0000049), 0, 0}, {"double NaN", D(std::nan("")), D(3.0), 0, 0},
        {"real one step apart", R(1.0f), R(1.00001f), -1, 1},
        // Exactly, these differ by 5.0000001e-6; in single precision by 4.9999999e-6.
        {"real difference taken in single precision", R(0x1.5cf754p-19f), R(-0x1.421f5ep-19f), 0, 0},
        {"real above half a step", R(0.0f), R(6e-6f), -1, 1}, {"real NaN", R(NAN), R(-7.0f), 0, 0},
        {"date ignores day of week", Dt({124, 5, 6, 1}), Dt({124, 5, 6, 255}), 0, 0},
        {"date 255 is no wildcard", Dt({255, 5, 6, 0}), Dt({124, 5, 6, 0}), 1, -1},
        {"time hour 255 in the first only", Tm({255, 0, 0, 0}), Tm({9, 0, 0, 0}), 0, -1},
        {"time minute 255 is a number", Tm({9, 255, 0, 0}), Tm({9, 1, 0, 0}), 1, -1},
        {"object id signed instance", Id(8, 0xFFFFFFFFu), Id(8, 0), -1, 1},
        {"octets: shorter first", Oct("\xff", 1), Oct("\x01\x01", 2), -1, 1},
        {"octets: length beyond its buffer", Oct("", 2), Oct("ab", 2), -1, -1},
        {"text: trailing NULs ignored", Txt("abc", 3), Txt(abc00, 5), 0, 0},
        {"text: prefix first", Txt("ab", 2), Txt("abc", 3), -1, 1},
        {"text: character set ignored", Txt("abc", 3), Txt("abc", 3, 5), 0, 0},
        {"text: all NULs is empty", Txt(std::string(2, '\0'), 2), Txt("", 0), 0, 0},
        {"text: unsigned bytes", Txt("\xc3", 1), Txt("a", 1), 1, -1},
        {"text: negative length", Txt("abc", 0x80000003u), Txt("abc", 3), -1, -1},
        {"text: length beyond its buffer", Txt("", 3), Txt("abc", 3), -1, -1},
        {"bits: used counts first", B(std::string(3, '\0')), B("\1\1"), 1, -1},
        {"bits: only octets both hold", inline_value(8, BACnetBitString{3, 2, heap("\1\1\1")}), B("\1\1"), 0, 0},
        {"bits: count without bits", inline_value(8, BACnetBitString{2, 2, nullptr}), B("\1\1"), -1, -1},
    });
}

TEST(CompareTest, ListsCompareCountsThenElements)
{
    run({
        {"shorter first", fresh(75, {U(1), U(2)}), fresh(75, {U(1), U(2), U(0)}), -1, 1},
        {"element decides", fresh(75, {U(1), U(3)}), fresh(75, {U(1), U(2)}), 1, -1},
        {"equal", fresh(75, {U(1), U(2)}), fresh(75, {U(1), U(2)}), 0, 0}, {"empty", fresh(65), fresh(65), 0, 0},
        {"reals by tolerance", fresh(113, {R(1.0f), R(2.0f)}), fresh(113, {R(1.000001f), R(2.000002f)}), 0, 0},
        {"element types differ", fresh(57, {U(1)}), fresh(57, {S(1)}), -1, -1},
        {"a missing list", fresh(75), BACnetDataType{75, {}}, -1, -1},
        {"a missing nested value", fresh(56), BACnetDataType{56, {}}, -1, 1},
        {"a missing date range is equal", fresh(24), BACnetDataType{24, {}}, 0, 0},
        {"a missing address", fresh(21), BACnetDataType{21, {}}, -1, -1},
        {"a nested value is unwrapped", SET(BACnetNestedValue, 56, a.value = U(4), b.value = U(5)), -1, 1},
        {"unwrapped once only", SET(BACnetNestedValue, 56, a.value = U(4), b.value = fresh(56)), -1, -1},
    });
}

using LDE = BACnetLogDataElement;
using EP = BACnetEventParameter;
using NP = BACnetNotificationParameters;

TEST(CompareTest, RecordsCompareTheirIdentifyingFields)
{
    run({
        {"address octets unsigned", SET(BACnetAddress, 21, a.macAddress[0] = 0x80, b.macAddress[0] = 0x7f), 1, -1},
        {"address unused MAC octets count", SET(BACnetAddress, 21, a.macAddress[5] = 1), 1, -1},
        {"date-time hour 255 in the first only", SET(BACnetDateTime, 22, a.time = {255, 0, 0, 0}, b.time.hour = 9), 0, -1},
        {"calendar date without day of week", SET(BACnetCalendarEntry, 23, a.date.dayOfWeek = 3, b.date.dayOfWeek = 4), 0, 0},
        {"calendar unknown selector", SET(BACnetCalendarEntry, 23, a.choice = b.choice = 3), -1, -1},
        {"time value: wildcard, then value", SET(BACnetTimeValue, 26, a.time.hour = 255, a.value = U(2), b.value = U(1)), 1, -1},
        {"timestamp selectors unsigned", SET(BACnetTimeStamp, 27, a.choice = -1, b.choice = 2), 1, -1},
        {"action command: value and priority ignored", SET(BACnetActionCommand, 28, a.propertyValue = U(5), a.priority = 1), 0, 0},
        {"action command: device signed", SET(BACnetActionCommand, 28, b.deviceIdentifier.instance = 0), -1, 1},
        {"recipient: none", SET(BACnetRecipient, 30, ), -1, -1},
        {"address binding: instance only", SET(BACnetAddressBinding, 32, a.deviceObjectIdentifier.objectType = 9), 0, 0},
        {"address binding: instance signed",
         SET(BACnetAddressBinding, 32, a.deviceObjectIdentifier.instance = 0x80000000u, b.deviceObjectIdentifier.instance = 1), -1, 1},
        {"property reference: array index signed", SET(BACnetObjectPropertyReference, 33, a.propertyArrayIndex = 0xFFFFFFFFu, b.propertyArrayIndex = 0), -1, 1},
        {"property reference: index after property", SET(BACnetObjectPropertyReference, 33, a.propertyIdentifier = 2, b.propertyArrayIndex = 7), 1, -1},
        {"device property reference: device first, though written last",
         SET(BACnetDeviceObjectPropertyReference, 36, a.deviceIdentifier.instance = 1, b.objectIdentifier.instance = 1), 1, -1},
        {"prescale: modulo after multiplier", SET(BACnetPrescale, 103, a.multiplier = 1, b.moduloDivide = 5), 1, -1},
        {"accumulator: status ignored", SET(BACnetAccumulatorRecord, 104, a.accumulatorStatus = 2), 0, 0},
        {"accumulator: time before values", SET(BACnetAccumulatorRecord, 104, a.timestamp.time.hour = 1, b.presentValue = 9), 1, -1},
        {"accumulator: unspecified hour in the first only",
         SET(BACnetAccumulatorRecord, 104, a.timestamp.time.hour = 255, b.timestamp.time.hour = 3), 0, -1},
        {"device reference: object after device", SET(BACnetDeviceObjectReference, 124, a.objectIdentifier.objectType = 3), 1, -1},
        {"log record: timestamp only", SET(BACnetLogRecord, 37, a.logDatumChoice = 3, b.logDatumChoice = 4), 0, 0},
        {"destination: days and times ignored",
         SET(BACnetDestination, 45, a.recipient.choice = b.recipient.choice = 0, a.validDays.bits[0] = 1, a.fromTime.hour = 3), 0, 0},
        {"priority value: real", SET(BACnetPriorityValue, 48, a.kind = b.kind = 1, b.value.real = 0.000004f), 0, 0},
        {"property value: priority first", SET(BACnetPropertyValue, 49, a.priority = 1, b.priority = 2, a.value = U(9)), -1, 1},
        {"object property value: value ignored", SET(BACnetObjectPropertyValue, 55, a.value = U(1), a.priority = 3), 0, 0},
        {"COV subscription: the rest ignored", SET(BACnetCOVSubscription, 101, a.timeRemaining = 5, a.covIncrement = 2), 0, 0},
        {"scale: unknown selector first", SET(BACnetScale, 102, a.choice = 2), -1, 0},
        {"event summary: identifier only", SET(EventSummaryElement, 105, a.eventState = 2), 0, 0},
        {"setpoint reference: absent", SET(BACnetSetpointReference, 112, a.present = 1), -1, -1},
        {"event log: notification", SET(BACnetEventLogRecord, 116, a.logDatumChoice = b.logDatumChoice = 1), -1, -1},
        {"log element: any value", SET(LDE, 119, a.choice = b.choice = 8, a.value.anyValue = D(2), b.value.anyValue = D(2.000001)),
         0, 0},
        {"event parameters: selectors unsigned", SET(EP, 51, a.choice = 0), -1, 1},
        {"event parameters: increment", SET(EP, 51, a.choice = b.choice = 2, a.parameters.changeOfValue.covCriteria = {1, {}},
                                              b.parameters.changeOfValue.covCriteria = {1, {.referencedPropertyIncrement = 1e-6f}}),
         0, 0},
        {"event parameters: alternative 6 always equal",
         SET(EP, 51, a.choice = b.choice = 6, a.parameters.unsignedRange.timeDelay = 3), 0, 0},
        {"notification: changed value only", SET(NP, 52, a.choice = b.choice = 2, a.parameters.changeOfValue.newValue = {1, {}},
                                                  b.parameters.changeOfValue.newValue = {1, {.changedValue = 1e-6f}},
                                                  a.parameters.changeOfValue.statusFlags = bits("\1")), 0, 0},
        {"notification: command failure nested types", SET(NP, 52, a.choice = b.choice = 3,
                                                             a.parameters.commandFailure.commandValue = U(1),
                                                             b.parameters.commandFailure.commandValue = S(1)), -1, -1},
        {"notification: life safety flags ignored",
         SET(NP, 52, a.choice = b.choice = 8, a.parameters.changeOfLifeSafety.statusFlags = bits("\1")), 0, 0},
        {"notification: extended", SET(NP, 52, a.choice = b.choice = 9), -1, -1},
    });
}

} // namespace
