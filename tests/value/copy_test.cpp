// Deep copy: a copy of every copyable type that survives the release of its source, the index
// convention on lists, refused types and alternatives, and the event notification copies.
#include "support/heap_watch.h"
#include "value/copy_internal.h"
#include "value/list_types.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace {

using bacnapi::copy_value;
using Notification = BACnetServiceConfirmedEventNotificationRequest;

struct Owned { // a value cleared when the test leaves its scope
    BACnetDataType v{};
    Owned(BACnetDataType value = {}) : v(value) {}
    Owned(const Owned&) = delete;
    ~Owned() { bacnapi_ClearBACnetDataType(&v); }
};

BACnetDataType parse(int32_t type, const char* text)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_asn1_string_set(&v, text, type), 0) << type << ": " << text;
    return v;
}
std::string text_of(const BACnetDataType& v) // empty when the value has no brace text
{
    char* text = nullptr;
    std::string out = bacnapi_asn1_string_get(&text, &v) == 0 && text ? text : "";
    return bacnapi_free(text), out;
}
BACnetDataType num(uint32_t u) { return {BACNAPI_TYPE_Unsigned, {.unsignedValue = u}}; }
BACnetDataType view(int32_t type, const void* record) { return {type, {.record = const_cast<void*>(record)}}; }
template <class R> R* rec(const BACnetDataType& v) { return static_cast<R*>(v.payload.record); }
BACnetDataType make(int32_t type)
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, type), 0) << type;
    return v;
}
template <class R> BACnetDataType record(int32_t type, const R& content) // takes over what content owns
{
    BACnetDataType v = make(type);
    return *rec<R>(v) = content, v;
}
BACnetDataType list(int32_t type, std::initializer_list<BACnetDataType> elements) // takes over the elements
{
    BACnetDataType v = make(type);
    EXPECT_EQ(bacnapi::array_reserve(v.payload.list, static_cast<uint32_t>(elements.size())), 0);
    for (const BACnetDataType& e : elements) v.payload.list->elements[v.payload.list->count++] = e;
    return v;
}

// An event log record holding a notification whose event values are given.
#define LOGGED "{{02/03/2021,05:06 07.08},{1,{1,8,100,0,7,{1,55},4,100,3,logged,1,1,5,2,"
const std::pair<int32_t, const char*> kTexts[] = {
    {0, "null"}, {1, "1"}, {2, "7"}, {3, "-5"}, {4, "21.500000"}, {5, "0.125000"}, {6, "01020004"}, {7, "hello"},
    {8, "10110"}, {9, "77"}, {10, "12/31/2021"}, {11, "23:59 58.99"}, {12, "8,4194303"},
    {26, "{06:30 00.00,4,3.250000}"}, {28, "{8,1,4,2,85,-1,1,9,30,1,0}"}, {29, "{0908070605,{5,0A000001}}"},
    {30, "{1,{5,0A000001}}"}, {31, "{{0,8,12},9}"}, {37, "{{01/02/2020,04:05 06.07},{6,0100},0010}"},
    {38, "{2,3,{{{85,-1}},{{86,-1}},{{87,-1}},{{88,-1}},{{89,-1}},{{90,-1}}}}"}, {39, "{1,5,{{{85,-1,1.000000,8}}}}"},
    {42, "{0,4,{{{85,-1,4,1.500000}},{{86,-1,5,{2,32}}},{{85,-1,4,2.500000}}}}"},
    {45, "{1111100,08:00 00.00,17:00 00.00,{0,8,99},3,1,101}"}, {46, "{{{{07:30 00.00,2,1}},{{19:30 00.00,7,night}}}}"},
    {47, "{{0,{1,{05/01/2021,00/00/1900}}},{{{09:30 00.00,4,20.000000}}},16}"},
    {51, "{8,{10,{{77},{77}},{{77}},{21,1,87,-1,8,-1}}}"}, {55, "{2,1,85,-1,12.500000,12}"},
    {59, "{{{{8,1,4,2,85,-1,1,9,30,1,0}},{{8,2,4,3,85,-1,0,9,0,0,0}}}}"}, {64, "{{a},{},{ccc}}"},
    {87, "{{{85,-1,1.000000,8}},{{85,-1,2.000000,16}}}"},
    {89, "{{{2,0,{{{85,-1}}}}},{{2,1,{{{85,-1}},{{86,-1}}}}},{{2,2,{{{85,-1}},{{86,-1}},{{87,-1}}}}},{{2,3,{}}}}"},
    {90, "{{{0,9,{{{85,-1,4,1.500000}}}}},{{0,9,{{{85,-1,4,2.000000}},{{86,-1,5,{2,32}}}}}}}"},
    {105, "{0,1,2,101,{{{1,1}},{{1,2}}},1,110,{{3},{4},{5}}}"}, {106, "{{{0,1,2,101,{{{1,1}}},1,110,{{3}}}}}"},
    {110, "{8,1,0,2,85,-1,1.500000}"}, {116, LOGGED "{3,{7,command,0100,4,2.500000}}}}}"},
    {117, "{1,{{{5,01}},{{1,3.500000}}}}"}, {118, "{{01/01/2000,00:00 00.00},{0,011}}"}, {119, "{5,01}"},
    {121, "{{" LOGGED "{6,{{{85,-1,1.000000,8}}}}}}}}}"}, {123, "{2,12.500000}"}};
// The types that have no brace text, and the records that own nothing (filled with a pattern).
const int32_t kHandBuilt[] = {20, 48, 49, 56, 58, 97, 98, 21, 22, 23, 24, 25, 27, 32, 33, 36, 44, 50, 54, 101, 102,
                              103, 104, 112, 124};

BACnetDataType build(int32_t type)
{
    for (const auto& [t, text] : kTexts)
        if (t == type) return parse(type, text);
    switch (type) {
    case 20: return {20, {.signedLong = INT64_MIN + 5}};
    case 48: return record(48, BACnetPriorityValue{5, {.constructedValue = parse(11, "10:00 00.00")}});
    case 49: return record(49, BACnetPropertyValue{85, 3, parse(7, "on"), 8});
    case 56: return record(56, BACnetNestedValue{build(49)});
    case 58: return list(58, {build(48), make(48)});
    case 97: return record(97, BACnetConstructed{3, parse(8, "0110")});
    case 98: return list(98, {build(97)});
    }
    BACnetDataType v = make(type);
    for (uint64_t i = 0; i < bacnapi::record_size_of(type); ++i) rec<uint8_t>(v)[i] = static_cast<uint8_t>(i * 7 + 1);
    return v;
}

// Equal by every measure that applies: the bytes of a record that owns nothing, the brace text,
// and the comparison where the value equals itself.
void expect_same(const BACnetDataType& a, const BACnetDataType& b)
{
    ASSERT_EQ(a.type, b.type);
    const size_t size = bacnapi::is_plain_record(a.type) ? bacnapi::record_size_of(a.type) : 0;
    auto bytes = [size](const BACnetDataType& v) { return size ? std::string(rec<char>(v), size) : ""; };
    const std::string text = text_of(b);
    const bool comparable = bacnapi_CompareBACnetDataType(&b, &b) == 0;
    EXPECT_TRUE(size || !text.empty() || comparable) << "type " << a.type << " cannot be checked";
    EXPECT_EQ(bytes(a), bytes(b));
    EXPECT_EQ(text.empty() ? "" : text_of(a), text);
    EXPECT_EQ(comparable ? bacnapi_CompareBACnetDataType(&a, &b) : 0, 0);
}

TEST(Copy, EveryCopyableTypeSurvivesTheReleaseOfItsSource)
{
    std::vector<int32_t> types(std::begin(kHandBuilt), std::end(kHandBuilt));
    for (const auto& entry : kTexts) types.push_back(entry.first);
    const long before = heap_watch::live_blocks();
    for (int32_t type : types) {
        SCOPED_TRACE("type " + std::to_string(type));
        Owned source(build(type)), copy, reference(build(type)), broken;
        ASSERT_EQ(copy_value(&copy.v, &source.v, -1), BACNAPI_S_OK);
        ASSERT_EQ(copy_value(&copy.v, &source.v, -1), BACNAPI_S_OK); // what the copy held is released
        bacnapi_ClearBACnetDataType(&source.v);
        expect_same(copy.v, reference.v);
        ASSERT_EQ(copy_value(&copy.v, &copy.v, -1), BACNAPI_S_OK);
        expect_same(copy.v, reference.v);
        if (type <= 20 || bacnapi::is_list_type(type)) continue;
        broken.v.type = type; // a record code without its record is refused on either side
        EXPECT_EQ(copy_value(&broken.v, &reference.v, -1), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(copy_value(&copy.v, &broken.v, -1), BACNAPI_E_INVALIDARG);
    }
    EXPECT_EQ(heap_watch::live_blocks(), before);
}

BACnetDataType choice(int32_t type, int32_t selector) // a fresh record with its selector set
{
    BACnetDataType v = make(type);
    if (type == 37 || type == 116) rec<BACnetLogRecord>(v)->logDatumChoice = selector; // at the same place in both
    else *rec<int32_t>(v) = selector; // the other choice records lead with it
    return v;
}

// The index on lists (-1 whole, 0 count, k element k, or a single value stored as element k),
// mismatched and refused types and alternatives: the status, and the destination's text after.
TEST(Copy, IndexAndTypeDecideTheStatusAndTheResult)
{
    auto numbers = [] { return list(75, {num(10), num(20), num(30)}); };
    auto held = [] { return parse(7, "held"); }; // released on success, untouched on failure
    const char* const kNumbers = "{{10},{20},{30}}";
    struct Case { BACnetDataType source, dest; int32_t index, status; const char* after = nullptr; } cases[] = {
        {numbers(), held(), 3, BACNAPI_S_OK, "30"}, {numbers(), held(), -2, BACNAPI_E_NOTSUPPORTED, "held"},
        {numbers(), held(), -1, BACNAPI_E_NOTSUPPORTED, "held"}, // a whole list goes into Null or its own type
        {{75, {}}, {}, 0, BACNAPI_S_OK, "0"}, {{75, {}}, {}, 1, BACNAPI_E_BADINDEX, "null"}, // a list without its record
        {num(9), numbers(), 1, BACNAPI_S_OK, "{{9},{20},{30}}"}, {num(9), numbers(), 0, BACNAPI_E_INVALIDARG, kNumbers},
        {num(9), numbers(), -1, BACNAPI_E_INVALIDARG, kNumbers}, {parse(4, "1.5"), numbers(), 1, BACNAPI_E_INVALIDARG, kNumbers},
        {num(9), parse(4, "1.5"), -1, BACNAPI_E_INVALIDARG, "1.500000"}, {make(0), num(4), -1, BACNAPI_E_INVALIDARG, "4"},
        {build(49), list(87, {}), 1, BACNAPI_E_INVALIDARG, "{}"}, // a list without element store...
        {build(87), {}, 7, BACNAPI_S_OK, "{{{85,-1,1.000000,8}},{{85,-1,2.000000,16}}}"}, // ...is copied whole
        {numbers(), list(113, {}), -1, BACNAPI_E_NOTSUPPORTED, "{}"},
        {list(57, {num(1), make(40)}), {}, -1, BACNAPI_E_NOTSUPPORTED, "null"}, // an element without a copy
        {list(57, {num(1), make(40)}), {}, 1, BACNAPI_S_OK, "1"}, {list(57, {make(40)}), {}, 1, BACNAPI_E_NOTSUPPORTED},
        {make(40), num(4), -1, BACNAPI_E_NOTSUPPORTED, "4"}, {make(43), num(4), -1, BACNAPI_E_NOTSUPPORTED, "4"},
        {make(52), num(4), -1, BACNAPI_E_NOTSUPPORTED, "4"}, {make(53), num(4), -1, BACNAPI_E_NOTSUPPORTED, "4"},
        {{-1, {}}, {}, -1, BACNAPI_E_NOTSUPPORTED, "null"}, {{13, {}}, {}, -1, BACNAPI_E_NOTSUPPORTED, "null"},
        {{67, {}}, {}, -1, BACNAPI_E_NOTSUPPORTED, "null"}, {{91, {}}, {}, -1, BACNAPI_E_NOTSUPPORTED, "null"},
        {{126, {}}, {}, -1, BACNAPI_E_NOTSUPPORTED, "null"}, {choice(30, 5), {}, -1, BACNAPI_S_OK},
        {choice(37, 11), {}, -1, BACNAPI_E_INVALIDARG}, {choice(37, -1), {}, -1, BACNAPI_E_INVALIDARG},
        {choice(116, 3), {}, -1, BACNAPI_E_INVALIDARG}, {choice(119, 9), {}, -1, BACNAPI_E_INVALIDARG},
        {choice(48, 6), {}, -1, BACNAPI_E_INVALIDARG}, {choice(47, 2), {}, -1, BACNAPI_E_NOTSUPPORTED},
        {choice(51, 12), {}, -1, BACNAPI_E_NOTSUPPORTED}, {choice(123, 3), {}, -1, BACNAPI_S_OK},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.source.type << " into " << c.dest.type << " at " << c.index);
        Owned source(c.source), dest(c.dest);
        EXPECT_EQ(copy_value(&dest.v, &source.v, c.index), c.status);
        EXPECT_EQ(c.after ? text_of(dest.v) : "", c.after ? c.after : ""); // a failed record copy is left as it is
    }
    Owned full(parse(64, "{{a},{b},{c},{d}}")), e(parse(7, "e")); // appending grows by the slots needed plus one
    ASSERT_EQ(copy_value(&full.v, &e.v, 5), BACNAPI_S_OK);
    EXPECT_EQ(full.v.payload.list->capacity, 6u);
    EXPECT_EQ(copy_value(nullptr, &e.v, -1), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(copy_value(&e.v, nullptr, -1), BACNAPI_E_INVALIDARG);
}

// A failure part way leaves the selector naming what the record holds, and the fields after it.
TEST(Copy, AFailedRecordCopyKeepsItsSelector)
{
    Owned log(choice(37, 10)), dest(build(37));
    rec<BACnetLogRecord>(log.v)->logDatum.anyValue = list(57, {make(40)}); // an any-value without a copy
    EXPECT_EQ(copy_value(&dest.v, &log.v, -1), BACNAPI_E_NOTSUPPORTED);
    EXPECT_EQ(rec<BACnetLogRecord>(dest.v)->logDatumChoice, 10);
    EXPECT_EQ(rec<BACnetLogRecord>(dest.v)->statusFlags.bits, nullptr); // the fields after it are not copied
    BACnetEventParameter source{2, {}}, parameter{}; // a change-of-value criterion other than 0 or 1
    source.parameters.changeOfValue.covCriteria.choice = 2;
    EXPECT_EQ(bacnapi::copy_record(BACNAPI_TYPE_BACnetEventParameter, &parameter, &source), BACNAPI_E_NOTSUPPORTED);
    EXPECT_EQ(parameter.choice, 2);
    EXPECT_EQ(parameter.parameters.changeOfValue.covCriteria.choice, 2);
}

TEST(Copy, StringsAreDuplicatedWithTheirTerminatorAndEqualCounts)
{
    Owned abc({7, {.characterString = {0, {}, strdup("abc"), 3}}}), text, partial(parse(8, "110")), bits;
    ASSERT_EQ(copy_value(&text.v, &abc.v, -1), BACNAPI_S_OK);
    EXPECT_EQ(text.v.payload.characterString.length, 3u);
    EXPECT_EQ(text.v.payload.characterString.data[3], '\0'); // a fourth octet holds the NUL
    partial.v.payload.bitString.usedCount = 1;               // all bits are copied, counts made equal
    ASSERT_EQ(copy_value(&bits.v, &partial.v, -1), BACNAPI_S_OK);
    EXPECT_EQ(bits.v.payload.bitString.usedCount, 3u);
    EXPECT_EQ(text_of(bits.v), "110");
}

TEST(Copy, AnElementStoredIntoItsOwnFullListIsTakenAsideFirst) // a stale read shows under the memory checkers
{
    Owned list(parse(75, "{{1},{2},{3},{4}}"));
    ASSERT_EQ(list.v.payload.list->capacity, 4u);
    ASSERT_EQ(bacnapi_access_BACnetData(&list.v.payload.list->elements[1], &list.v, 5, 0), BACNAPI_S_OK);
    EXPECT_EQ(text_of(list.v), "{{1},{2},{3},{4},{2}}");
}

TEST(Copy, CopiedSequencesKeepRoomForFurtherAppends) // overruns show under the sanitizers and valgrind
{
    for (int32_t count : {1, 2, 4, 5, 8}) {
        ReadAccessSpecification source{}, copy{};
        for (int32_t i = 0; i < count; ++i) *bacnapi::sequence_append(&source.listOfPropertyReferences) = {uint32_t(i), 0};
        ASSERT_EQ(bacnapi::copy_read_access_specification(&copy, &source), BACNAPI_S_OK);
        for (int32_t i = 0; i < 5; ++i) ASSERT_NE(bacnapi::sequence_append(&copy.listOfPropertyReferences), nullptr);
        EXPECT_EQ(bacnapi::sequence_element(&copy.listOfPropertyReferences, count - 1)->propertyIdentifier, count - 1u);
        bacnapi_ClearReadAccessSpecification(&source);
        bacnapi_ClearReadAccessSpecification(&copy);
    }
}

// ---- Event notification request ----

// The notification of an event log record, written with the given notification in its place.
std::string text_with(BACnetDataType& log, const Notification& n)
{
    BACnetEventLogRecord shown = *rec<BACnetEventLogRecord>(log);
    shown.logDatum.notification = n;
    return text_of(view(116, &shown));
}

TEST(CopyEventNotification, BothCopiesDuplicateEveryField)
{
    const char* values[] = {"{0,{011,10}}", "{1,{{2,3},1}}", "{2,{{1,2.500000},0001}}", "{3,{7,cmd,1,2,7}}",
                            "{4,{1.500000,0,2.500000,3.500000}}", "{5,{9.000000,11,1.000000,8.000000}}",
                            "{6,{{{85,-1,1.000000,8}}}}", "{7,{8,1,20,2,3,4}}", "{8,{1,2,01,3}}", "{9,{5,6,null}}",
                            "{10,{{20,1,131,-1,8,2},5,6}}", "{11,{001,70,60}}"};
    for (const char* eventValues : values) {
        SCOPED_TRACE(eventValues);
        Owned log(parse(116, (LOGGED + std::string(eventValues) + "}}}").c_str())), other(build(116)), x(parse(7, "x"));
        Notification& source = rec<BACnetEventLogRecord>(log.v)->logDatum.notification;
        Notification zeroed{}, &released = rec<BACnetEventLogRecord>(other.v)->logDatum.notification;
        auto& extended = source.eventValues.parameters.extended; // holds a value the text does not show
        if (source.eventValues.choice == 9) extended = {5, 6, 8, {{{8, 1}, {0, 2}, 85, 4, parse(7, "x")}}};
        const std::string text = text_of(log.v);
        ASSERT_EQ(bacnapi_copy_event_notification_request(&zeroed, &source), BACNAPI_S_OK);
        ASSERT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&released, &source), BACNAPI_S_OK);
        EXPECT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&released, &released), BACNAPI_S_OK);
        bacnapi_ClearConfirmedEventNotificationRequest(&source);
        for (const Notification* copy : {&zeroed, &released}) {
            EXPECT_EQ(text_with(log.v, *copy), text);
            const BACnetDataType& value = copy->eventValues.parameters.extended.parameters.propertyValue.value;
            EXPECT_EQ(copy->eventValues.choice == 9 ? bacnapi_CompareBACnetDataType(&value, &x.v) : 0, 0);
        }
        bacnapi_ClearConfirmedEventNotificationRequest(&zeroed);
    }
    Notification any{};
    EXPECT_EQ(bacnapi_copy_event_notification_request(nullptr, &any), BACNAPI_E_FAIL);
    EXPECT_EQ(bacnapi_CopyBACnetServiceEventNotificationRequest(&any, nullptr), BACNAPI_E_FAIL);
}

// The fields are copied in the order ackRequired, eventObjectIdentifier, eventType, eventValues,
// fromState, initiatingDeviceIdentifier, messageText, then the rest: a failure leaves the first ones.
void expect_copied_before(const Notification& d, const Notification& s, bool eventValuesCopied)
{
    const uint32_t after = eventValuesCopied; // the fields after eventValues, up to messageText
    const uint32_t device = d.initiatingDeviceIdentifier.instance;
    EXPECT_EQ(std::tuple(d.ackRequired, d.eventType, d.eventValues.choice, d.fromState, device),
              std::tuple(s.ackRequired, s.eventType, s.eventValues.choice, after * s.fromState,
                         after * s.initiatingDeviceIdentifier.instance));
    EXPECT_EQ(std::tuple((void*)d.messageText.data, d.notificationClass, d.toState), std::tuple(nullptr, 0u, 0u));
}

TEST(CopyEventNotification, AFailureStopsTheCopyAtItsField)
{
    Owned log(parse(116, LOGGED "{4,{1.500000,0,2.500000,3.500000}}}}}")); // a refused bit buffer is no error
    Notification& source = rec<BACnetEventLogRecord>(log.v)->logDatum.notification;
    int32_t status = BACNAPI_S_OK; // the heap refuses one allocation after another until the copy fails
    for (long k = 0; heap_watch::active() && status == BACNAPI_S_OK && k < 8; ++k) {
        Notification dest{};
        heap_watch::refuse_after(k);
        status = bacnapi_copy_event_notification_request(&dest, &source);
        EXPECT_TRUE(heap_watch::disarm()) << "no allocation after " << k;
        if (status != BACNAPI_S_OK) expect_copied_before(dest, source, true);
        bacnapi_ClearConfirmedEventNotificationRequest(&dest);
    }
    EXPECT_EQ(status, heap_watch::active() ? BACNAPI_E_FAIL : BACNAPI_S_OK) << "the refused messageText";
    Notification dest{};
    bacnapi_ClearBACnetNotificationParameters(&source.eventValues);
    source.eventValues = {6, {.complexEventType = list(57, {make(40)})}}; // holds a value without a copy
    EXPECT_EQ(bacnapi_copy_event_notification_request(&dest, &source), BACNAPI_E_FAIL);
    expect_copied_before(dest, source, false);
    bacnapi_ClearConfirmedEventNotificationRequest(&dest);
}

} // namespace

namespace {

// The two sequences of read-access records answer any failed copy with BACNAPI_E_INVALIDARG, a
// refused overflow array or element included; the record copy of one such element never fails.
TEST(CopyReadAccessRuns, EveryRefusalIsAnInvalidArgumentAndLeavesAClearableRun)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const struct {
        int32_t type;
        const char* text;
    } cases[] = {
        {89, "{{{2,0,{{{85,-1}}}}},{{2,1,{{{85,-1}},{{86,-1}}}}},{{2,2,{{{85,-1}}}}}}"},
        {90, "{{{0,9,{{{85,-1,4,1.500000}}}}},{{0,9,{{{85,-1,4,2.000000}},{{86,-1,5,{2,32}}}}}}}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Owned source(parse(c.type, c.text));
        std::vector<int32_t> failures;
        bool refused = true;
        for (long k = 0; refused && k < 64; ++k) {
            Owned target(make(c.type));
            heap_watch::refuse_after(k);
            const int32_t status = bacnapi::copy_record(c.type, target.v.payload.record, source.v.payload.record);
            refused = heap_watch::disarm();
            if (status != BACNAPI_S_OK) failures.push_back(status);
            if (!refused) {
                EXPECT_EQ(text_of(target.v), c.text);
            }
        }
        EXPECT_FALSE(failures.empty()) << "the overflow array is refused at some point";
        for (int32_t status : failures) {
            EXPECT_EQ(status, BACNAPI_E_INVALIDARG);
        }
    }
}

} // namespace
