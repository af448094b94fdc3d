// The accessors of the constructed types: the protocol for every accessor of the catalogue, and
// their payloads through a full round trip host record -> value -> brace text, with the host's
// copies independent of the value's and heap refusal at every allocation of the deep ones.
#include "access/access_test_util.h"

#include "value/record_size.h"
#include "value/value_internal.h"

#include <vector>

namespace {

using namespace access_test;

const std::string kDT = "{05/17/2024,13:45 30.25}";
const std::string kCommand = "{8,1234,2,3,85,-1,-1.250000,16,100,1,0}";
const std::string kNotification = "{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3,{5,{30.000000,1000,1.000000,25.000000}}}";

struct Row {
    int32_t type;
    Accessor access;
    bool deep;                      // the record owns parts: heap refusal is checked on it
    std::vector<std::string> texts; // values to carry through (BACnetConstructed has no brace text)
};

template <auto F>
Row row(int32_t type, bool deep, std::vector<std::string> texts)
{
    return {type, Erased<F>::call, deep, std::move(texts)};
}

// Records that own nothing are copied whole, so one value each shows the accessor reaches its
// type; the deep ones carry a value of every alternative that owns parts.
const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        row<bacnapi_access_address>(21, false, {"{5,0A000001BAC0}"}),
        row<bacnapi_access_dateTime>(22, false, {kDT}),
        row<bacnapi_access_calendarEntry>(23, false, {"{1,{05/01/2024,05/31/2024}}"}),
        row<bacnapi_access_dateRange>(24, false, {"{01/01/2024,*/*/* *}"}),
        row<bacnapi_access_weekNDay>(25, false, {"{010203}"}),
        row<bacnapi_access_timeStamp>(27, false, {"{2," + kDT + "}"}),
        row<bacnapi_access_recipient>(30, false, {"{1,{2,0A}}"}),
        row<bacnapi_access_recipientProcess>(31, false, {"{{1,{5,0A0B}},9}"}),
        row<bacnapi_access_addressBinding>(32, false, {"{8,1,{2,C0A8}}"}),
        row<bacnapi_access_objectPropertyReference>(33, false, {"{0,3,87,2}"}),
        row<bacnapi_access_deviceObjectPropertyReference>(36, false, {"{0,3,87,2,8,100}"}),
        row<bacnapi_access_propertyReference>(44, false, {"{87,3}"}),
        row<bacnapi_access_propertyStates>(50, false, {"{11,5}"}),
        row<bacnapi_access_clientCOV>(54, false, {"{0,0.500000}"}),
        row<bacnapi_access_COVSubscription>(101, false, {"{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}"}),
        row<bacnapi_access_scale>(102, false, {"{0,1.500000}"}),
        row<bacnapi_access_prescale>(103, false, {"{1,2}"}),
        row<bacnapi_access_accumulatorRecord>(104, false, {"{" + kDT + ",100,200,1}"}),
        row<bacnapi_access_setpointReference>(112, false, {"{{0,1,85,-1}}"}),
        row<bacnapi_access_shedLevel>(123, false, {"{2,12.500000}"}),
        row<bacnapi_access_deviceObjectReference>(124, false, {"{8,1234,0,1}"}),

        row<bacnapi_access_timeValue>(26, true, {"{08:00 00.00,7,Setpoint}", "{08:00 00.00,6,0A0B}"}),
        row<bacnapi_access_actionCommand>(28, true, {kCommand, "{8,-1,0,1,77,-1,Room,16,0,0,0}"}),
        row<bacnapi_access_sessionKey>(29, true, {"{01AB,{1,FF}}"}),
        row<bacnapi_access_logRecord>(37, true, {"{" + kDT + ",{0,0110},0100}", "{" + kDT + ",{8,{2,32}},1000}"}),
        row<bacnapi_access_readAccessSpecification>(38, true, {"{0,1,{{{85,-1}},{{77,2}},{{1,3}},{{4,4}},{{5,5}}}}", "{0,1,{}}"}),
        row<bacnapi_access_readAccessResult>(42, true, {"{0,1,{{{85,-1,4,1.500000}},{{77,-1,4,Sensor}},{{28,-1,5,{2,32}}}}}"}),
        row<bacnapi_access_readAccessPropertyValue>(43, true, {"{77,-1,4,Sensor}", "{85,-1,5,{2,32}}"}),
        row<bacnapi_access_destination>(45, true, {"{0111110,00:00 00.00,23:59 59.99,{0,8,1},3,1,111}"}),
        row<bacnapi_access_dailySchedule>(46, true, {"{{{{08:00 00.00,4,21.000000}},{{17:00 00.00,7,Off}}}}"}),
        row<bacnapi_access_specialEvent>(47, true, {"{{0,{1,{12/24/2024,12/26/2024}}},{{{00:00 00.00,4,18.000000}}},16}"}),
        row<bacnapi_access_priorityValue>(48, true, {"{4,21.500000}", "{2,7}", "{0,null}"}),
        row<bacnapi_access_propertyValue>(49, true, {"{77,-1,Lobby,0}", "{85,-1,21.500000,8}"}),
        row<bacnapi_access_eventParameter>(51, true, {"{0,{10,1100,{{1000},{0100}}}}", "{8,{10,{{1},{2}},{{3}},{0,1,85,-1,8,5}}}", "{2,{3,{0,01}}}"}),
        row<bacnapi_access_notificationParameters>(52, true, {"{0,{0110,1000}}", "{6,{{{85,-1,21.500000,8}},{{77,-1,Zone,0}}}}", "{3,{7,Text,0100,6,0A}}"}),
        row<bacnapi_access_objectPropertyValue>(55, true, {"{8,5,77,-1,Device,16}"}),
        row<bacnapi_access_actionList>(59, true, {"{{{" + kCommand + "},{" + kCommand + "}}}"}),
        row<bacnapi_access_sequenceOfReadAccessSpecification>(89, true, {"{{{0,1,{{{85,-1}},{{77,3}}}}},{{8,5,{{{120,-1}}}}},{{2,2,{}}}}"}),
        row<bacnapi_access_sequenceOfReadAccessResult>(90, true, {"{{{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone temp}}}}},{{8,5,{{{120,-1,4,260}}}}}}"}),
        row<bacnapi_access_constructed>(97, true, {}),
        row<bacnapi_access_eventSummaryElement>(105, true, {"{0,1,3,110,{{{1,42}},{{2," + kDT + "}}},1,111,{{1},{2},{3}}}"}),
        row<bacnapi_access_deviceObjectPropertyValue>(110, true, {"{8,1,8,1,77,-1,Device}"}),
        row<bacnapi_access_eventLogRecord>(116, true, {"{" + kDT + ",{0,0100}}", "{" + kDT + ",{1," + kNotification + "}}"}),
        row<bacnapi_access_logData>(117, true, {"{0,0100}", "{1,{{{0,1}},{{3,4}},{{7,{1,2}}}}}", "{2,1.500000}"}),
        row<bacnapi_access_logMultipleRecord>(118, true, {"{" + kDT + ",{1,{{{1,21.500000}},{{5,0101}}}}}"}),
        row<bacnapi_access_logDataElement>(119, true, {"{5,0101}", "{7,{1,2}}", "{2,3}"}),
    };
    return table;
}

void release_host(int32_t type, void* host) { bacnapi::release_record_parts(type, host); }

TEST(AccessRecords, EveryAccessorFollowsTheProtocol)
{
    for (const Row& r : rows()) {
        SCOPED_TRACE("type " + std::to_string(r.type));
        // Get from a value of another type: success, nothing written, value unchanged.
        HostBuffer untouched(0x5A), pattern(0x5A), host;
        BACnetDataType other{}, fresh{}, broken{}, list = some_list();
        ASSERT_EQ(bacnapi_initialize_data(&other, BACNAPI_TYPE_Unsigned), 0);
        other.payload.unsignedValue = 7;
        EXPECT_EQ(r.access(untouched.get(), &other, kGet), BACNAPI_S_OK);
        EXPECT_EQ(std::memcmp(untouched.bytes, pattern.bytes, sizeof pattern.bytes), 0);
        EXPECT_EQ(text_of(other), "7");
        // A null host gets nothing from a matching value; a value of the type without its record
        // (a broken value) or a missing value give a status, not a crash.
        ASSERT_EQ(bacnapi_initialize_data(&fresh, r.type), 0);
        EXPECT_EQ(r.access(nullptr, &fresh, kGet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(r.access(nullptr, &other, kGet), BACNAPI_S_OK);
        broken.type = r.type;
        EXPECT_EQ(r.access(host.get(), &broken, kGet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(r.access(host.get(), nullptr, kGet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(r.access(host.get(), nullptr, kSet), BACNAPI_E_INVALIDARG);
        // Set with a null host over a list: the list goes, a fresh record stays.
        EXPECT_EQ(r.access(nullptr, &list, kSet), BACNAPI_E_INVALIDARG);
        EXPECT_EQ(list.type, r.type);
        EXPECT_NE(list.payload.record, nullptr);
        // Set over the broken value makes it whole (a zero-filled host record is a valid record of
        // every type: alternative 0 of the choices, Null nested values).
        EXPECT_EQ(r.access(host.get(), &broken, kSet), BACNAPI_S_OK);
        EXPECT_EQ(broken.type, r.type);
        EXPECT_NE(broken.payload.record, nullptr);
        for (BACnetDataType* v : {&other, &fresh, &list, &broken}) release_value(v);
    }
}

TEST(AccessRecords, SetGetAndBackGiveTheSameValueAndTheHostOwnsItsCopies)
{
    for (const Row& r : rows()) {
        for (const std::string& text : r.texts) {
            SCOPED_TRACE("type " + std::to_string(r.type) + ": " + text);
            const long baseline = heap_watch::live_blocks();
            BACnetDataType source = parse(r.type, text);
            ASSERT_EQ(text_of(source), text);
            HostBuffer host;
            ASSERT_EQ(r.access(host.get(), &source, kGet), BACNAPI_S_OK);
            const long afterFirst = heap_watch::live_blocks();
            // A second get into the filled host record releases what the first left there.
            ASSERT_EQ(r.access(host.get(), &source, kGet), BACNAPI_S_OK);
            EXPECT_EQ(heap_watch::live_blocks(), afterFirst);
            release_value(&source); // the host's copy must not depend on it
            BACnetDataType target = some_list();
            ASSERT_EQ(r.access(host.get(), &target, kSet), BACNAPI_S_OK);
            EXPECT_EQ(text_of(target), text);
            EXPECT_NE(target.payload.record, host.get()); // the value's record is its own
            release_host(r.type, host.get());
            EXPECT_EQ(text_of(target), text);
            release_value(&target);
            EXPECT_EQ(heap_watch::live_blocks(), baseline);
        }
    }
}

TEST(AccessRecords, ChoicesCopyOnlyTheAlternativesTheyKnowAndOwnRecordsStay)
{
    // An unknown alternative whose member bytes are all set: the recipients and the shed level
    // keep only its number (member zero, status 0); the priority value refuses it.
    const struct { Accessor access; int32_t type, choice, status; } cases[] = {
        {Erased<bacnapi_access_recipient>::call, 30, 7, 0},
        {Erased<bacnapi_access_shedLevel>::call, 123, 3, 0},
        {Erased<bacnapi_access_priorityValue>::call, 48, 6, BACNAPI_E_INVALIDARG},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        HostBuffer host(0x33), expected;
        std::memcpy(host.bytes, &c.choice, sizeof c.choice);
        std::memcpy(expected.bytes, &c.choice, sizeof c.choice);
        BACnetDataType v{};
        EXPECT_EQ(c.access(host.get(), &v, kSet), c.status);
        ASSERT_NE(v.payload.record, nullptr);
        if (c.status == 0) { EXPECT_EQ(std::memcmp(v.payload.record, expected.bytes, bacnapi::record_size_of(c.type)), 0); }
        release_value(&v);
    }
    // Storing a value's own record into it leaves it as it is.
    BACnetDataType v = parse(BACNAPI_TYPE_BACnetPropertyValue, "{77,-1,Lobby,0}");
    EXPECT_EQ(bacnapi_access_propertyValue(static_cast<BACnetPropertyValue*>(v.payload.record), &v, kSet), 0);
    EXPECT_EQ(text_of(v), "{77,-1,Lobby,0}");
    release_value(&v);

    // BACnetConstructed has no brace text: its nested value is checked directly.
    BACnetConstructed host{}, back{};
    host.leadingField = 12;
    ASSERT_EQ(bacnapi_asn1_string_set(&host.value, "{{{08:00 00.00,7,Room}}}", BACNAPI_TYPE_ListOfBACnetTimeValue), 0);
    v = some_list();
    ASSERT_EQ(bacnapi_access_constructed(&host, &v, kSet), BACNAPI_S_OK);
    bacnapi_ClearBACnetConstructed(&host);
    ASSERT_EQ(bacnapi_access_constructed(&back, &v, kGet), BACNAPI_S_OK);
    release_value(&v);
    EXPECT_EQ(back.leadingField, 12u);
    EXPECT_EQ(text_of(back.value), "{{{08:00 00.00,7,Room}}}");
    bacnapi_ClearBACnetConstructed(&back);
}

// Refuses each allocation of a deep accessor in turn, in both directions: whatever the status,
// the value and the host record clear without a leak, and a run without a refusal is whole.
TEST(AccessRecords, HeapRefusalAtEveryAllocationOfADeepAccessor)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    auto allowed = [](int32_t s) {
        return s == BACNAPI_S_OK || s == BACNAPI_E_INVALIDARG || s == BACNAPI_E_NOTSUPPORTED || s == BACNAPI_E_OUTOFMEMORY;
    };
    for (const Row& r : rows()) {
        for (const std::string& text : r.deep ? r.texts : std::vector<std::string>{}) {
            SCOPED_TRACE("type " + std::to_string(r.type) + ": " + text);
            BACnetDataType source = parse(r.type, text);
            HostBuffer filled;
            ASSERT_EQ(r.access(filled.get(), &source, kGet), 0);
            const long baseline = heap_watch::live_blocks();
            bool refused = true;
            for (long k = 0; refused; ++k) {
                BACnetDataType target{};
                heap_watch::refuse_after(k);
                const int32_t setStatus = r.access(filled.get(), &target, kSet);
                refused = heap_watch::disarm();
                EXPECT_TRUE(allowed(setStatus)) << "set, refusal " << k << ": " << setStatus;
                if (k == 0) { // the record itself: initialisation fails
                    EXPECT_EQ(setStatus, BACNAPI_E_INVALIDARG);
                    EXPECT_EQ(target.type, r.type);
                    EXPECT_EQ(target.payload.record, nullptr);
                }
                if (!refused) { EXPECT_EQ(text_of(target), text); }
                release_value(&target);

                HostBuffer host;
                heap_watch::refuse_after(k);
                const int32_t getStatus = r.access(host.get(), &source, kGet);
                if (!heap_watch::disarm()) { EXPECT_EQ(getStatus, BACNAPI_S_OK); }
                EXPECT_TRUE(allowed(getStatus)) << "get, refusal " << k << ": " << getStatus;
                release_host(r.type, host.get());
                EXPECT_EQ(heap_watch::live_blocks(), baseline) << "refusal " << k;
                ASSERT_LT(k, 200);
            }
            release_host(r.type, filled.get());
            release_value(&source);
        }
    }
}

} // namespace
