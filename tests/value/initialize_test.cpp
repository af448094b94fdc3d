// Initialise of every type code, array reserve and CBACnetArray, with the heap refusing on request.
#include "support/heap_watch.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
constexpr uint32_t kAbsent = BACNAPI_ARRAY_INDEX_ABSENT;
bool all_zero(const void* p, size_t n) { return Bytes(n, 0) == Bytes((const uint8_t*)p, (const uint8_t*)p + n); }

const std::set<int32_t> kNoForm = {13, 14, 15, 16, 17, 18, 19, 34, 35, 66, 67, 68, 85, 86, 91, 99, 100, 108, 109, 115};
const std::set<int32_t> kLists = {57, 58, 60, 61, 62, 63, 64, 65, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81,
                                  82, 83, 84, 87, 88, 92, 93, 94, 95, 96, 98, 106, 107, 111, 113, 114, 120, 121, 122, 125};
bool no_form(int32_t code) { return code < 0 || code > 125 || kNoForm.count(code) != 0; }

// The 32-bit words of a fresh record that are not zero (every other byte is), and the records
// holding a fresh nested list, with the list's code.
struct Word { int32_t code; size_t offset; uint32_t value; };
#define AT(R, member) offsetof(R, member)
using AC = BACnetActionCommand;
using DR = BACnetDeviceObjectPropertyReference;
const Word kInitialWords[] = {
    {28, AT(AC, deviceIdentifier.objectType), 8}, {28, AT(AC, deviceIdentifier.instance), kAbsent},
    {28, AT(AC, objectIdentifier.objectType), 5}, {28, AT(AC, propertyIdentifier), 85},
    {28, AT(AC, propertyArrayIndex), kAbsent}, {28, AT(AC, propertyValue.type), BACNAPI_TYPE_Enumerated},
    {30, AT(BACnetRecipient, choice), kAbsent}, {33, AT(BACnetObjectPropertyReference, propertyArrayIndex), kAbsent},
    {36, AT(DR, objectIdentifier.objectType), 5}, {36, AT(DR, propertyIdentifier), 85},
    {36, AT(DR, propertyArrayIndex), kAbsent}, {36, AT(DR, deviceIdentifier.objectType), 8},
    {36, AT(DR, deviceIdentifier.instance), kAbsent}, {43, AT(ReadAccessPropertyValue, propertyArrayIndex), kAbsent},
    {44, AT(BACnetPropertyReference, propertyArrayIndex), kAbsent}, {49, AT(BACnetPropertyValue, propertyArrayIndex), kAbsent},
    {51, AT(BACnetEventParameter, choice), 999}, {53, AT(BACnetSelectionCriteria, propertyArrayIndex), kAbsent},
    {55, AT(BACnetObjectPropertyValue, propertyArrayIndex), kAbsent}, {97, AT(BACnetConstructed, leadingField), kAbsent},
    {110, AT(BACnetDeviceObjectPropertyValue, deviceIdentifier.objectType), 8}};
const Word kNestedLists[] = {{46, AT(BACnetDailySchedule, daySchedule), 80},
                             {47, AT(BACnetSpecialEvent, listOfTimeValues), 80}, {59, AT(BACnetActionList, action), 63}};

void expect_fresh_list(const BACnetValueList* list)
{
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->capacity, 4u);
    EXPECT_EQ(list->count, 0u);
    EXPECT_TRUE(list->elements != nullptr && all_zero(list->elements, 4 * sizeof(BACnetDataType)));
}

void expect_fresh_bits(const BACnetBitString& bits, uint64_t count)
{
    EXPECT_EQ(bits.bitCount, count);
    EXPECT_EQ(bits.usedCount, count);
    EXPECT_TRUE(bits.bits != nullptr && all_zero(bits.bits, count));
}

void expect_fresh(const BACnetDataType& v, int32_t code)
{
    ASSERT_EQ(v.type, code);
    if (kLists.count(code)) return expect_fresh_list(v.payload.list);
    if (code <= 12 || code == 20) {
        EXPECT_TRUE(all_zero(&v.payload, sizeof v.payload));
        return;
    }
    ASSERT_NE(v.payload.record, nullptr);
    const auto* record = static_cast<const unsigned char*>(v.payload.record);
    Bytes actual(record, record + bacnapi::record_size_of(code)), expected(actual.size(), 0);
    for (const Word& w : kInitialWords)
        if (w.code == code) std::memcpy(&expected[w.offset], &w.value, sizeof w.value);
    for (const Word& n : kNestedLists) {
        if (n.code != code) continue;
        auto* nested = reinterpret_cast<BACnetDataType*>(&actual[n.offset]);
        EXPECT_EQ(nested->type, static_cast<int32_t>(n.value));
        expect_fresh_list(nested->payload.list);
        *nested = {}; // checked: blanked for the compare
    }
    if (code == BACNAPI_TYPE_BACnetDestination) {
        auto* d = reinterpret_cast<BACnetDestination*>(actual.data());
        expect_fresh_bits(d->validDays, 7);
        expect_fresh_bits(d->transitions, 3);
        d->validDays = d->transitions = BACnetBitString{};
    }
    EXPECT_EQ(actual, expected);
}

TEST(ValuesInitialize, EveryCodeGetsItsStatusTypeAndContentAndClearsToZero)
{
    const long before = heap_watch::live_blocks();
    for (int32_t code = -5; code <= 160; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType v;
        std::memset(&v, 0xA5, sizeof v); // old content is dropped, not read
        EXPECT_EQ(bacnapi_initialize_data(&v, code), no_form(code) ? BACNAPI_E_INVALIDARG : BACNAPI_S_OK);
        expect_fresh(v, no_form(code) ? 0 : code);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
        EXPECT_EQ(heap_watch::live_blocks(), before);
    }
    EXPECT_EQ(bacnapi_initialize_data(nullptr, 80), BACNAPI_E_INVALIDARG);
}

TEST(ValuesInitialize, HeapRefusalAtEveryAllocationLeavesAClearableValue)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    for (int32_t code = 21; code <= 125; ++code) {
        for (long k = 0; !no_form(code); ++k) {
            SCOPED_TRACE(testing::Message() << "code " << code << ", refused after " << k << " allocations");
            const long before = heap_watch::live_blocks();
            BACnetDataType v{};
            heap_watch::refuse_after(k);
            const int32_t status = bacnapi_initialize_data(&v, code);
            const bool refused = heap_watch::disarm();
            const auto* d = static_cast<const BACnetDestination*>(v.payload.record);
            EXPECT_EQ(v.type, code);
            if (!refused) {
                EXPECT_EQ(status, BACNAPI_S_OK);
            } else if (code == BACNAPI_TYPE_BACnetDestination && k > 0) { // that bit string is left empty
                EXPECT_EQ(status, BACNAPI_S_OK);
                EXPECT_TRUE(all_zero(k == 1 ? &d->validDays : &d->transitions, sizeof(BACnetBitString)));
                expect_fresh_bits(k == 1 ? d->transitions : d->validDays, k == 1 ? 3 : 7);
            } else if (kLists.count(code) && k == 1) { // the list exists, its slots do not
                EXPECT_EQ(status, BACNAPI_E_OUTOFMEMORY);
                EXPECT_TRUE(v.payload.list != nullptr && all_zero(v.payload.list, sizeof(BACnetValueList)));
            } else {
                EXPECT_EQ(status, BACNAPI_E_OUTOFMEMORY);
                EXPECT_EQ(v.payload.record, nullptr);
                EXPECT_LE(k, 2) << "more allocations than a record and one nested list need";
            }
            bacnapi_ClearBACnetDataType(&v);
            EXPECT_TRUE(all_zero(&v, sizeof v));
            EXPECT_EQ(heap_watch::live_blocks(), before);
            if (!refused) break;
        }
    }
}

TEST(ValuesArrayReserve, GrowsByExactlyNWhenFewerAreFreeAndFailsWithoutChange)
{
    struct Case { uint32_t capacity, count, n, expected; } const cases[] = {
        {0, 0, 0, 0}, {0, 0, 4, 4}, {4, 0, 4, 4}, {4, 0, 5, 9}, {4, 4, 1, 5}, {4, 3, 1, 4}, {4, 2, 3, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.capacity << "/" << c.count << " reserve " << c.n);
        BACnetValueList list{c.capacity, c.count, nullptr};
        if (c.capacity) list.elements = static_cast<BACnetDataType*>(std::calloc(c.capacity, sizeof(BACnetDataType)));
        for (uint32_t i = 0; i < c.count; ++i) list.elements[i] = {BACNAPI_TYPE_Unsigned, {.unsignedValue = 100 + i}};
        BACnetDataType* const old = list.elements;
        EXPECT_EQ(bacnapi::array_reserve(&list, c.n), BACNAPI_S_OK);
        EXPECT_EQ(list.capacity, c.expected);
        EXPECT_EQ(list.count, c.count);
        EXPECT_TRUE(list.elements == old || c.expected != c.capacity) << "moved without growing";
        for (uint32_t i = 0; i < c.count; ++i) EXPECT_EQ(list.elements[i].payload.unsignedValue, 100 + i);
        EXPECT_TRUE(all_zero(list.elements + c.count, (list.capacity - c.count) * sizeof(BACnetDataType)));
        std::free(list.elements);
    }
    EXPECT_EQ(bacnapi::array_reserve(nullptr, 1), BACNAPI_E_FAIL);
    BACnetValueList full{4, 4, static_cast<BACnetDataType*>(std::calloc(4, sizeof(BACnetDataType)))};
    const BACnetValueList before = full;
    EXPECT_EQ(bacnapi::array_reserve(&full, UINT32_MAX), BACNAPI_E_OUTOFMEMORY); // beyond a 32-bit capacity
    heap_watch::refuse_after(0);
    EXPECT_EQ(bacnapi::array_reserve(&full, 1), heap_watch::active() ? BACNAPI_E_OUTOFMEMORY : BACNAPI_S_OK);
    EXPECT_EQ(heap_watch::disarm(), heap_watch::active());
    EXPECT_TRUE(!heap_watch::active() || std::memcmp(&full, &before, sizeof before) == 0) << "changed by a refusal";
    std::free(full.elements);
}

class ArrayView : public CBACnetArray {
public:
    explicit ArrayView(BACnetDataType* value) { m_value = value; }
    int initialize(int32_t code) { return Initialize(static_cast<BACnetApplicationTagNumber>(code)); }
};

BACnetDataType held_value(int32_t code = 80) // a list of code 80 holds two time values
{
    BACnetDataType v{};
    EXPECT_EQ(bacnapi_initialize_data(&v, code), 0);
    for (uint32_t i = 0; code == 80 && i < 2; ++i, ++v.payload.list->count)
        EXPECT_EQ(bacnapi_initialize_data(&v.payload.list->elements[i], BACNAPI_TYPE_BACnetTimeValue), 0);
    return v;
}

TEST(ValuesCBACnetArray, MakesAFreshListOfAnArrayCodeAndKeepsOneOfThatCode)
{
    const std::set<int32_t> accepted = {58, 59, 60, 61, 62, 63, 64, 65, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                                        81, 82, 83, 84, 87, 88, 89, 93, 94, 95, 106, 111, 114, 120, 121, 122, 125};
    const long before = heap_watch::live_blocks();
    for (int32_t code = -5; code <= 160; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType v = held_value();
        const BACnetDataType held = v;
        const BACnetValueList list = *v.payload.list;
        const int result = ArrayView(&v).initialize(code);
        EXPECT_EQ(result, accepted.count(code) ? 0 : BACNAPI_E_FAIL);
        if (code == 80 || !accepted.count(code)) { // kept as it was, elements and all
            EXPECT_EQ(std::memcmp(&v, &held, sizeof v), 0);
            EXPECT_EQ(std::memcmp(v.payload.list, &list, sizeof list), 0);
        } else {
            expect_fresh(v, code);
        }
        bacnapi_ClearBACnetDataType(&v);
    }
    for (int32_t start : {BACNAPI_TYPE_Null, BACNAPI_TYPE_Real, BACNAPI_TYPE_BACnetSpecialEvent}) {
        BACnetDataType v = held_value(start);
        EXPECT_EQ(ArrayView(&v).initialize(64), 0);
        expect_fresh(v, 64);
        bacnapi_ClearBACnetDataType(&v);
    }
    EXPECT_EQ(ArrayView(nullptr).initialize(80), BACNAPI_E_FAIL);
    EXPECT_EQ(heap_watch::live_blocks(), before) << "replaced values are released";
    if (!heap_watch::active()) return;
    BACnetDataType v = held_value();
    heap_watch::refuse_after(0);
    EXPECT_EQ(ArrayView(&v).initialize(64), BACNAPI_E_FAIL);
    EXPECT_TRUE(heap_watch::disarm());
    EXPECT_EQ(v.type, 64); // the old list is gone; the new code without a list clears normally
    EXPECT_EQ(v.payload.list, nullptr);
    bacnapi_ClearBACnetDataType(&v);
    EXPECT_EQ(heap_watch::live_blocks(), before);
}

} // namespace
