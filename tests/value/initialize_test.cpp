// Initialise of every type code, array reserve, CBACnetArray, and the heap-refusal outcomes.
//
// This file also holds the test binary's heap watch: malloc, calloc, realloc and free are
// interposed to count live blocks on the calling thread and to refuse the k-th allocation on
// request. Where the process already has its own allocator interposition (AddressSanitizer,
// valgrind) the watch is not active; heap_watch_active() tells, and the checks that need it are
// skipped there (those tools check leaks themselves).
#include "value/list_types.h"
#include "value/record_size.h"
#include "value/value_internal.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

// ---- Heap watch ------------------------------------------------------------------------------

#if defined(__SANITIZE_ADDRESS__)
#define VALUES_TEST_NO_HEAP_WATCH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define VALUES_TEST_NO_HEAP_WATCH 1
#endif
#endif

#if !defined(VALUES_TEST_NO_HEAP_WATCH)
namespace {
thread_local long tLiveBlocks = 0;
thread_local long tRefuseCountdown = -1; // -1: allocate normally
thread_local bool tRefused = false;

bool refuse_this_allocation()
{
    if (tRefuseCountdown < 0) return false;
    if (tRefuseCountdown > 0) {
        --tRefuseCountdown;
        return false;
    }
    tRefuseCountdown = -1;
    tRefused = true;
    return true;
}
} // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void __libc_free(void* block);

void* malloc(size_t size) noexcept
{
    if (refuse_this_allocation()) return nullptr;
    void* block = __libc_malloc(size);
    if (block != nullptr) ++tLiveBlocks;
    return block;
}

void* calloc(size_t count, size_t size) noexcept
{
    if (refuse_this_allocation()) return nullptr;
    void* block = __libc_calloc(count, size);
    if (block != nullptr) ++tLiveBlocks;
    return block;
}

void* realloc(void* block, size_t size) noexcept
{
    if (refuse_this_allocation()) return nullptr;
    void* moved = __libc_realloc(block, size);
    if (block == nullptr && moved != nullptr) ++tLiveBlocks;
    if (block != nullptr && size == 0 && moved == nullptr) --tLiveBlocks;
    return moved;
}

void free(void* block) noexcept
{
    if (block != nullptr) --tLiveBlocks;
    __libc_free(block);
}
} // extern "C"
#endif

namespace values_test {

#if !defined(VALUES_TEST_NO_HEAP_WATCH)
// True when the interposed functions above are the ones the process calls.
bool heap_watch_active()
{
    static const bool active = [] {
        const long before = tLiveBlocks;
        void* block = std::malloc(8);
        const bool counted = tLiveBlocks == before + 1;
        std::free(block);
        tRefuseCountdown = 0;
        tRefused = false;
        void* refused = std::malloc(8);
        tRefuseCountdown = -1;
        std::free(refused);
        return counted && refused == nullptr;
    }();
    return active;
}

long heap_live_blocks()
{
    // GoogleTest keeps the SCOPED_TRACE stack of a thread in a vector that grows on first use and
    // is never shrunk; grow it here so that a trace inside a counted region is not a "leak".
    {
        SCOPED_TRACE(1);
        SCOPED_TRACE(2);
        SCOPED_TRACE(3);
        SCOPED_TRACE(4);
    }
    return tLiveBlocks;
}

// The allocation after k successful ones is refused (once).
void refuse_allocation_after(long k)
{
    tRefused = false;
    tRefuseCountdown = k;
}

// Disarms a pending refusal; true when a refusal happened since it was armed.
bool allow_allocations()
{
    tRefuseCountdown = -1;
    return tRefused;
}
#else
bool heap_watch_active() { return false; }
long heap_live_blocks() { return 0; }
void refuse_allocation_after(long) {}
bool allow_allocations() { return false; }
#endif

} // namespace values_test

// ---- Tests -----------------------------------------------------------------------------------

namespace {

using namespace values_test;

bool all_zero(const void* bytes, size_t size)
{
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i)
        if (p[i] != 0) return false;
    return true;
}

bool in(const std::set<int32_t>& set, int32_t code) { return set.count(code) != 0; }

// Codes that have no initial form.
const std::set<int32_t> kInvalid = {13, 14, 15, 16, 17, 18, 19, 34, 35, 66, 67, 68, 85, 86, 91, 99, 100, 108, 109, 115};
// Codes whose payload is a value list.
const std::set<int32_t> kLists = {57, 58, 60, 61, 62, 63, 64, 65, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81,
                                  82, 83, 84, 87, 88, 92, 93, 94, 95, 96, 98, 106, 107, 111, 113, 114, 120, 121, 122, 125};
// Records that hold a fresh nested list, and the list's type code.
struct NestedList {
    int32_t code;
    size_t offset;
    int32_t listType;
};
const NestedList kNestedLists[] = {
    {46, offsetof(BACnetDailySchedule, daySchedule), 80},
    {47, offsetof(BACnetSpecialEvent, listOfTimeValues), 80},
    {59, offsetof(BACnetActionList, action), 63},
};

bool is_inline(int32_t code) { return (code >= 0 && code <= 12) || code == 20; }
bool is_invalid(int32_t code) { return code < 0 || code > 125 || in(kInvalid, code); }

// The expected fresh record of the codes whose initial content is not all zero (the nested lists
// and the destination's bit strings are checked on their own below). Returns false for a code
// whose fresh record is all zero.
bool expected_record(int32_t code, void* r)
{
    constexpr uint32_t absent = 0xFFFFFFFFu;
    switch (code) {
    case 28: {
        auto* a = static_cast<BACnetActionCommand*>(r);
        a->deviceIdentifier = {8, absent};
        a->objectIdentifier = {5, 0};
        a->propertyIdentifier = 85;
        a->propertyArrayIndex = absent;
        a->propertyValue.type = 9;
        return true;
    }
    case 30: static_cast<BACnetRecipient*>(r)->choice = -1; return true;
    case 33: static_cast<BACnetObjectPropertyReference*>(r)->propertyArrayIndex = absent; return true;
    case 36: {
        auto* d = static_cast<BACnetDeviceObjectPropertyReference*>(r);
        d->objectIdentifier = {5, 0};
        d->propertyIdentifier = 85;
        d->propertyArrayIndex = absent;
        d->deviceIdentifier = {8, absent};
        return true;
    }
    case 43: static_cast<ReadAccessPropertyValue*>(r)->propertyArrayIndex = absent; return true;
    case 44: static_cast<BACnetPropertyReference*>(r)->propertyArrayIndex = absent; return true;
    case 49: static_cast<BACnetPropertyValue*>(r)->propertyArrayIndex = absent; return true;
    case 51: static_cast<BACnetEventParameter*>(r)->choice = 999; return true;
    case 53: static_cast<BACnetSelectionCriteria*>(r)->propertyArrayIndex = absent; return true;
    case 55: static_cast<BACnetObjectPropertyValue*>(r)->propertyArrayIndex = absent; return true;
    case 97: static_cast<BACnetConstructed*>(r)->leadingField = absent; return true;
    case 110: static_cast<BACnetDeviceObjectPropertyValue*>(r)->deviceIdentifier.objectType = 8; return true;
    default: return false;
    }
}

void expect_fresh_list(const BACnetValueList* list)
{
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->capacity, 4u);
    EXPECT_EQ(list->count, 0u);
    ASSERT_NE(list->elements, nullptr);
    EXPECT_TRUE(all_zero(list->elements, 4 * sizeof(BACnetDataType)));
}

void expect_fresh_bits(const BACnetBitString& bits, uint64_t count)
{
    EXPECT_EQ(bits.bitCount, count);
    EXPECT_EQ(bits.usedCount, count);
    ASSERT_NE(bits.bits, nullptr);
    EXPECT_TRUE(all_zero(bits.bits, count));
}

// Checks that v is a fresh value of code (a code that has an initial form).
void expect_fresh_value(const BACnetDataType& v, int32_t code)
{
    ASSERT_EQ(v.type, code);
    if (is_inline(code)) {
        EXPECT_TRUE(all_zero(&v.payload, sizeof v.payload));
        return;
    }
    if (in(kLists, code)) {
        expect_fresh_list(v.payload.list);
        return;
    }
    const size_t size = bacnapi::record_size_of(code);
    ASSERT_GT(size, 0u);
    ASSERT_NE(v.payload.record, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(v.payload.record);
    std::vector<unsigned char> actual(bytes, bytes + size);
    // Nested lists and bit buffers are checked here, then blanked for the byte compare.
    for (const NestedList& n : kNestedLists) {
        if (n.code != code) continue;
        const auto* nested = reinterpret_cast<const BACnetDataType*>(actual.data() + n.offset);
        EXPECT_EQ(nested->type, n.listType);
        expect_fresh_list(nested->payload.list);
        std::memset(actual.data() + n.offset, 0, sizeof(BACnetDataType));
    }
    if (code == 45) {
        auto* d = reinterpret_cast<BACnetDestination*>(actual.data());
        expect_fresh_bits(d->validDays, 7);
        expect_fresh_bits(d->transitions, 3);
        std::memset(&d->validDays, 0, sizeof d->validDays);
        std::memset(&d->transitions, 0, sizeof d->transitions);
    }
    std::vector<unsigned char> expected(size, 0);
    expected_record(code, expected.data());
    EXPECT_EQ(actual, expected);
}

TEST(ValuesInitialize, EveryCodeGetsItsStatusTypeAndInitialContent)
{
    for (int32_t code = -5; code <= 160; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType v;
        std::memset(&v, 0xA5, sizeof v); // old content is dropped, not read
        const int32_t status = bacnapi_initialize_data(&v, code);
        if (is_invalid(code)) {
            EXPECT_EQ(status, BACNAPI_E_INVALIDARG);
            EXPECT_TRUE(all_zero(&v, sizeof v));
            continue;
        }
        EXPECT_EQ(status, BACNAPI_S_OK);
        expect_fresh_value(v, code);
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&v), 0);
        EXPECT_TRUE(all_zero(&v, sizeof v));
    }
}

TEST(ValuesInitialize, NullValueIsRefused)
{
    EXPECT_EQ(bacnapi_initialize_data(nullptr, 2), BACNAPI_E_INVALIDARG);
    EXPECT_EQ(bacnapi_initialize_data(nullptr, 80), BACNAPI_E_INVALIDARG);
}

// Every point at which the heap can refuse an allocation gives the documented outcome, and the
// value left behind clears without a leak.
TEST(ValuesInitialize, HeapRefusalAtEveryAllocationLeavesAClearableValue)
{
    if (!heap_watch_active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    for (int32_t code = 21; code <= 125; ++code) {
        if (is_invalid(code)) continue;
        for (long k = 0;; ++k) {
            SCOPED_TRACE(testing::Message() << "code " << code << ", refusal after " << k << " allocations");
            const long before = heap_live_blocks();
            BACnetDataType v{};
            refuse_allocation_after(k);
            const int32_t status = bacnapi_initialize_data(&v, code);
            const bool refused = allow_allocations();
            if (!refused) {
                EXPECT_EQ(status, BACNAPI_S_OK);
                bacnapi_ClearBACnetDataType(&v);
                EXPECT_EQ(heap_live_blocks(), before);
                break;
            }
            EXPECT_EQ(v.type, code);
            if (code == 45 && k > 0) {
                // A refused bit buffer leaves that bit string empty; the value is still good.
                EXPECT_EQ(status, BACNAPI_S_OK);
                const auto* d = static_cast<const BACnetDestination*>(v.payload.record);
                ASSERT_NE(d, nullptr);
                const BACnetBitString& lost = k == 1 ? d->validDays : d->transitions;
                const BACnetBitString& kept = k == 1 ? d->transitions : d->validDays;
                EXPECT_TRUE(all_zero(&lost, sizeof lost));
                expect_fresh_bits(kept, k == 1 ? 3 : 7);
            } else if (in(kLists, code) && k == 1) {
                // The list exists but its slots do not: an empty list is attached.
                EXPECT_EQ(status, BACNAPI_E_OUTOFMEMORY);
                ASSERT_NE(v.payload.list, nullptr);
                EXPECT_TRUE(all_zero(v.payload.list, sizeof(BACnetValueList)));
            } else {
                EXPECT_EQ(status, BACNAPI_E_OUTOFMEMORY);
                EXPECT_EQ(v.payload.record, nullptr);
                EXPECT_LE(k, 2) << "more allocations than the record and one nested list need";
            }
            bacnapi_ClearBACnetDataType(&v);
            EXPECT_TRUE(all_zero(&v, sizeof v));
            EXPECT_EQ(heap_live_blocks(), before);
        }
    }
}

// ---- Array reserve ----

TEST(ValuesArrayReserve, GrowsByExactlyNWhenFewerAreFree)
{
    struct Case {
        uint32_t capacity, count, n;
        uint32_t expectedCapacity;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 0, 4, 4}, {4, 0, 4, 4}, {4, 0, 5, 9}, {4, 4, 1, 5},
        {4, 3, 1, 4}, {4, 2, 3, 7}, {9, 9, 2, 11}, {3, 1, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.capacity << "/" << c.count << " reserve " << c.n);
        BACnetValueList list{};
        if (c.capacity > 0) {
            list.elements = static_cast<BACnetDataType*>(std::calloc(c.capacity, sizeof(BACnetDataType)));
            list.capacity = c.capacity;
        }
        for (uint32_t i = 0; i < c.count; ++i) {
            list.elements[i].type = BACNAPI_TYPE_Unsigned;
            list.elements[i].payload.unsignedValue = 100 + i;
        }
        list.count = c.count;
        BACnetDataType* const oldElements = list.elements;

        EXPECT_EQ(bacnapi::array_reserve(&list, c.n), BACNAPI_S_OK);
        EXPECT_EQ(list.capacity, c.expectedCapacity);
        EXPECT_EQ(list.count, c.count);
        if (c.expectedCapacity == c.capacity) {
            EXPECT_EQ(list.elements, oldElements);
        }
        for (uint32_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(list.elements[i].type, BACNAPI_TYPE_Unsigned);
            EXPECT_EQ(list.elements[i].payload.unsignedValue, 100 + i);
        }
        if (list.capacity > c.count) {
            EXPECT_TRUE(all_zero(list.elements + c.count, (list.capacity - c.count) * sizeof(BACnetDataType)));
        }
        std::free(list.elements);
    }
}

TEST(ValuesArrayReserve, FailuresLeaveTheListUnchanged)
{
    EXPECT_EQ(bacnapi::array_reserve(nullptr, 1), BACNAPI_E_FAIL);

    BACnetDataType v{};
    ASSERT_EQ(bacnapi_initialize_data(&v, BACNAPI_TYPE_ListOfUnsigned), BACNAPI_S_OK);
    BACnetValueList* list = v.payload.list;
    list->count = 4;
    const BACnetValueList before = *list;
    // A capacity that a 32-bit count cannot hold is refused before the heap is asked.
    EXPECT_EQ(bacnapi::array_reserve(list, UINT32_MAX), BACNAPI_E_OUTOFMEMORY);
    EXPECT_EQ(std::memcmp(list, &before, sizeof before), 0);

    if (heap_watch_active()) {
        refuse_allocation_after(0);
        EXPECT_EQ(bacnapi::array_reserve(list, 1), BACNAPI_E_OUTOFMEMORY);
        EXPECT_TRUE(allow_allocations());
        EXPECT_EQ(std::memcmp(list, &before, sizeof before), 0);

        BACnetValueList empty{};
        refuse_allocation_after(0);
        EXPECT_EQ(bacnapi::array_reserve(&empty, 4), BACNAPI_E_OUTOFMEMORY);
        EXPECT_TRUE(allow_allocations());
        EXPECT_TRUE(all_zero(&empty, sizeof empty));
    }
    list->count = 0;
    bacnapi_ClearBACnetDataType(&v);
}

// ---- CBACnetArray ----

class ArrayView : public CBACnetArray {
public:
    explicit ArrayView(BACnetDataType* value) { m_value = value; }
    int initialize(int32_t code) { return Initialize(static_cast<BACnetApplicationTagNumber>(code)); }
};

// A list of code 80 holding two time values, to see whether a call kept or replaced it.
void make_filled_list(BACnetDataType* v)
{
    ASSERT_EQ(bacnapi_initialize_data(v, 80), BACNAPI_S_OK);
    for (uint32_t i = 0; i < 2; ++i)
        ASSERT_EQ(bacnapi_initialize_data(&v->payload.list->elements[i], BACNAPI_TYPE_BACnetTimeValue), BACNAPI_S_OK);
    v->payload.list->count = 2;
}

TEST(ValuesCBACnetArray, AcceptsOnlyTheArrayCodes)
{
    const std::set<int32_t> accepted = {58, 59, 60, 61, 62, 63, 64, 65, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                                        81, 82, 83, 84, 87, 88, 89, 93, 94, 95, 106, 111, 114, 120, 121, 122, 125};
    for (int32_t code = -5; code <= 160; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType v{};
        make_filled_list(&v);
        const BACnetDataType before = v;
        const BACnetValueList listBefore = *v.payload.list;
        ArrayView view(&v);
        const int result = view.initialize(code);
        if (code == 80) {
            // The value already is of that type: its elements stay.
            EXPECT_EQ(result, 0);
            EXPECT_EQ(std::memcmp(&v, &before, sizeof v), 0);
            EXPECT_EQ(v.payload.list->count, 2u);
        } else if (in(accepted, code)) {
            EXPECT_EQ(result, 0);
            expect_fresh_value(v, code);
        } else {
            EXPECT_EQ(result, BACNAPI_E_FAIL);
            EXPECT_EQ(std::memcmp(&v, &before, sizeof v), 0);
            EXPECT_EQ(std::memcmp(v.payload.list, &listBefore, sizeof listBefore), 0);
        }
        bacnapi_ClearBACnetDataType(&v);
    }
}

TEST(ValuesCBACnetArray, ReplacesOtherValuesAndRefusesAMissingValue)
{
    const long before = heap_live_blocks();
    ArrayView none(nullptr);
    EXPECT_EQ(none.initialize(80), BACNAPI_E_FAIL);

    struct Case {
        const char* name;
        int32_t startCode; // -1: a filled list of code 80
        int32_t requested;
    };
    const Case cases[] = {
        {"null value", 0, 80},
        {"filled list of another list type", -1, 75},
        {"constructed value", BACNAPI_TYPE_BACnetSpecialEvent, 63},
        {"inline value", BACNAPI_TYPE_Real, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BACnetDataType v{};
        if (c.startCode < 0) make_filled_list(&v);
        else ASSERT_EQ(bacnapi_initialize_data(&v, c.startCode), BACNAPI_S_OK);
        ArrayView view(&v);
        EXPECT_EQ(view.initialize(c.requested), 0);
        EXPECT_EQ(v.type, c.requested);
        expect_fresh_list(v.payload.list);
        bacnapi_ClearBACnetDataType(&v);
    }
    if (heap_watch_active()) {
        EXPECT_EQ(heap_live_blocks(), before) << "the replaced values were released";
    }
}

TEST(ValuesCBACnetArray, HeapRefusalReportsFailure)
{
    if (!heap_watch_active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const long before = heap_live_blocks();
    BACnetDataType v{};
    make_filled_list(&v);
    ArrayView view(&v);
    refuse_allocation_after(0);
    EXPECT_EQ(view.initialize(64), BACNAPI_E_FAIL);
    EXPECT_TRUE(allow_allocations());
    // The old list is gone; the value carries the new code without a list and clears normally.
    EXPECT_EQ(v.type, 64);
    EXPECT_EQ(v.payload.list, nullptr);
    bacnapi_ClearBACnetDataType(&v);
    EXPECT_EQ(heap_live_blocks(), before);
}

} // namespace
