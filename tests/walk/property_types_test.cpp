// The property datatype lookup, checked against the catalogue typed in again here in the shape it
// is maintained in: types grouped by type code, the properties whose type varies by object type,
// and the properties of each object type. The expected answer of every (object type, property)
// pair is derived from these tables, never from the library's own.
#include "bacnapi/bacnapi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <latch>
#include <limits>
#include <map>
#include <set>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kNull = 0;
constexpr int32_t kUnsigned = 2;
constexpr int32_t kConstructed = 97;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
// The array index stored in records when none is given.
const int32_t kAbsentIndex = static_cast<int32_t>(BACNAPI_ARRAY_INDEX_ABSENT);

struct TypeGroup {
    int32_t type;
    std::vector<int32_t> properties;
};

// Properties with the same type in every object type that holds them.
const TypeGroup kSameEverywhere[] = {
    {0, {5, 55, 122, 174}}, // Null
    {1, {9, 13, 24, 47, 81, 99, 133, 144, 193, 205, 1001, 1002, 1007}}, // Boolean
    {2, {10, 11, 15, 17, 33, 42, 62, 63, 64, 66, 67, 73, 74, 88, 98, 113, 118, 120, 124, 126, 128, 134, 137, 139,
        140, 141, 145, 146, 147, 148, 153, 155, 162, 167, 173, 177, 178, 180, 182, 186, 190, 191, 195, 204, 213,
        219, 227, 229, 230, 232}}, // Unsigned
    {3, {119}}, // Signed
    {4, {14, 21, 22, 25, 26, 34, 49, 61, 68, 69, 93, 106, 108, 125, 135, 136, 151, 156, 176, 188, 215}}, // Real
    {7, {4, 12, 28, 29, 31, 43, 44, 46, 48, 58, 70, 77, 91, 121, 168, 207, 1006}}, // CharacterString
    {8, {0, 1, 35, 52, 96, 97, 111}}, // BitString
    {9, {6, 20, 27, 36, 37, 41, 50, 72, 79, 82, 84, 90, 92, 94, 100, 103, 107, 112, 117, 160, 161, 163, 164, 197,
        208, 226, 231, 233, 235}}, // Enumerated
    {10, {56}}, // Date
    {11, {57}}, // Time
    {12, {75, 183}}, // ObjectIdentifier
    {22, {16, 71, 114, 115, 142, 143, 149, 150, 179, 189, 192}}, // BACnetDateTime
    {24, {32}}, // BACnetDateRange
    {27, {157, 196, 203}}, // BACnetTimeStamp
    {33, {19, 60, 181}}, // BACnetObjectPropertyReference
    {36, {78}}, // BACnetDeviceObjectPropertyReference
    {51, {83}}, // BACnetEventParameter
    {54, {127}}, // BACnetClientCOV
    {58, {87}}, // BACnetPriorityArray
    {61, {23}}, // ListOfBACnetCalendarEntry
    {64, {3, 110, 210, 220, 1005}}, // ListOfCharacterString
    {65, {76, 154, 1003, 1004}}, // ListOfObjectIdentifier
    {70, {116, 202, 206}}, // ListOfBACnetRecipient
    {71, {30, 170, 171}}, // ListOfBACnetAddressBinding
    {75, {86, 221}}, // ListOfUnsigned
    {76, {102}}, // ListOfBACnetDestination
    {77, {123}}, // ListOfBACnetDailySchedule
    {78, {38}}, // ListOfBACnetSpecialEvent
    {79, {54}}, // ListOfBACnetDeviceObjectPropertyReference
    {84, {130}}, // ListOfBACnetTimeStamp
    {89, {53}}, // SequenceOfReadAccessSpecification
    {102, {187}}, // BACnetScale
    {103, {185}}, // BACnetPrescale
    {104, {184}}, // BACnetAccumulatorRecord
    {107, {152}}, // ListOfBACnetCOVSubscription
    {111, {166, 175, 234}}, // ListOfEnumerated
    {112, {109}}, // BACnetSetpointReference
    {114, {169, 172}}, // ListOfBoolean
    {123, {212, 214, 218}}, // BACnetShedLevel
    {125, {159, 165, 211, 228}}, // ListOfBACnetDeviceObjectReference
};

struct ObjectGroup {
    int32_t type;
    std::vector<int32_t> objectTypes;
};

struct VaryingProperty {
    int32_t property;
    std::vector<ObjectGroup> types;
};

// Properties whose type depends on the object type.
const VaryingProperty kByObjectType[] = {
    {2, {{0, {12}}, {62, {7}}}},                                // action
    {7, {{75, {13, 19}}, {111, {21, 22, 30}}}},                 // alarm-values
    {39, {{75, {13, 19}}, {111, {21, 22, 30}}}},                // fault-values
    {40, {{2, {14}}, {9, {4}}}},                                // feedback-value
    {45, {{2, {23}}, {4, {0, 1, 2, 24}}}},                      // high-limit
    {59, {{2, {23}}, {4, {0, 1, 2, 24}}}},                      // low-limit
    {65, {{2, {23}}, {4, {0, 1}}}},                             // max-pres-value
    {85,                                                        // present-value
     {{0, {17}}, {1, {6}}, {2, {7, 13, 14, 19, 23}}, {4, {0, 1, 2, 12, 24}},
      {9, {3, 4, 5, 21, 22, 28, 30}}, {73, {11}}}},
    {104, {{2, {14, 19}}, {4, {1, 2}}, {9, {4, 5, 30}}}},       // relinquish-default
    {131, {{60, {20}}, {121, {25}}, {122, {27}}}},              // log-buffer
    {132, {{36, {20}}, {79, {27}}}},                            // log-device-object-property
    {158, {{1, {22}}, {9, {21, 30}}}},                          // maintenance-required
};

struct ObjectMembers {
    int32_t objectType;
    std::size_t count;
    std::vector<int32_t> properties;
};

// The properties each covered object type holds, with the count each list must have.
const ObjectMembers kMembers[] = {
    {0, 31, {0, 17, 22, 25, 28, 31, 35, 36, 45, 52, 59, 65, 69, 72, 75, 77, 79, 81, 85, 103, 106, 111, 113, 117,
        118, 130, 168, 1001, 1002, 1006, 1007}}, // analog-input
    {1, 32, {0, 17, 22, 25, 28, 31, 35, 36, 45, 52, 59, 65, 69, 72, 75, 77, 79, 81, 85, 87, 103, 104, 106, 111,
        113, 117, 130, 168, 1001, 1002, 1006, 1007}}, // analog-output
    {2, 28, {0, 17, 22, 25, 28, 35, 36, 45, 52, 59, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113, 117, 130, 168,
        1001, 1002, 1006, 1007}}, // analog-value
    {3, 30, {0, 4, 6, 15, 16, 17, 28, 31, 33, 35, 36, 46, 72, 75, 77, 79, 81, 84, 85, 103, 111, 113, 114, 115, 130,
        168, 1001, 1002, 1006, 1007}}, // binary-input
    {4, 34, {0, 4, 15, 16, 17, 28, 31, 33, 35, 36, 40, 46, 66, 67, 72, 75, 77, 79, 81, 84, 85, 87, 103, 104, 111,
        113, 114, 115, 130, 168, 1001, 1002, 1006, 1007}}, // binary-output
    {5, 32, {0, 4, 6, 15, 16, 17, 28, 33, 35, 36, 46, 66, 67, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113, 114,
        115, 130, 168, 1001, 1002, 1006, 1007}}, // binary-value
    {6, 11, {23, 28, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007}}, // calendar
    {7, 14, {2, 3, 9, 28, 47, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007}}, // command
    {8, 53, {5, 10, 11, 12, 24, 28, 30, 44, 55, 56, 57, 58, 62, 63, 64, 70, 73, 75, 76, 77, 79, 96, 97, 98, 107,
        112, 116, 119, 120, 121, 122, 139, 152, 153, 154, 155, 157, 167, 168, 169, 170, 171, 172, 193, 195, 196,
        202, 203, 204, 206, 1003, 1004, 1005}}, // device
    {9, 18, {0, 17, 28, 35, 36, 37, 72, 75, 77, 78, 79, 83, 130, 168, 1001, 1002, 1006, 1007}}, // event-enrollment
    {10, 16, {13, 28, 41, 42, 43, 71, 75, 77, 79, 99, 141, 168, 1001, 1002, 1006, 1007}}, // file
    {11, 11, {28, 53, 75, 77, 79, 85, 168, 1001, 1002, 1006, 1007}}, // group
    {12, 42, {0, 2, 14, 17, 19, 20, 21, 22, 25, 26, 27, 28, 34, 35, 36, 49, 50, 60, 61, 68, 72, 75, 77, 79, 81, 82,
        85, 88, 93, 94, 103, 108, 109, 111, 113, 118, 130, 168, 1001, 1002, 1006, 1007}}, // loop
    {13, 25, {0, 7, 17, 28, 31, 35, 36, 39, 72, 74, 75, 77, 79, 81, 85, 103, 110, 111, 113, 130, 168, 1001, 1002,
        1006, 1007}}, // multi-state-input
    {14, 26, {0, 17, 28, 31, 35, 36, 40, 72, 74, 75, 77, 79, 81, 85, 87, 103, 104, 110, 111, 113, 130, 168, 1001,
        1002, 1006, 1007}}, // multi-state-output
    {15, 9, {1, 17, 28, 75, 77, 79, 86, 102, 168}}, // notification-class
    {16, 18, {28, 29, 48, 75, 77, 79, 81, 90, 91, 92, 100, 103, 111, 168, 1001, 1002, 1006, 1007}}, // program
    {17, 19, {28, 32, 38, 54, 75, 77, 79, 81, 85, 88, 103, 111, 123, 168, 174, 1001, 1002, 1006, 1007}}, // schedule
    {18, 20, {28, 75, 77, 78, 79, 124, 125, 135, 136, 146, 147, 148, 149, 150, 151, 168, 1001, 1002, 1006, 1007}},
        // averaging
    {19, 26, {0, 7, 17, 28, 35, 36, 39, 72, 74, 75, 77, 79, 81, 85, 87, 103, 104, 110, 111, 113, 130, 168, 1001,
        1002, 1006, 1007}}, // multi-state-value
    {20, 33, {0, 17, 28, 35, 36, 72, 75, 77, 79, 126, 127, 128, 130, 131, 132, 133, 134, 137, 140, 141, 142, 143,
        144, 145, 168, 173, 193, 195, 197, 1001, 1002, 1006, 1007}}, // trend-log
    {21, 34, {0, 7, 17, 28, 31, 35, 36, 39, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 156, 158, 159, 160,
        161, 162, 163, 164, 166, 168, 175, 1001, 1002, 1006, 1007}}, // life-safety-point
    {22, 32, {0, 7, 17, 28, 31, 35, 36, 39, 72, 75, 77, 79, 81, 85, 103, 111, 113, 130, 158, 159, 160, 161, 163,
        164, 165, 166, 168, 175, 1001, 1002, 1006, 1007}}, // life-safety-zone
    {23, 35, {0, 17, 28, 31, 35, 36, 45, 52, 59, 65, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 168, 182,
        183, 184, 185, 186, 187, 190, 191, 192, 1001, 1002, 1006, 1007}}, // accumulator
    {24, 34, {0, 17, 22, 25, 28, 35, 36, 45, 52, 59, 72, 75, 77, 79, 81, 85, 103, 111, 113, 117, 130, 168, 176,
        177, 178, 179, 180, 181, 188, 189, 1001, 1002, 1006, 1007}}, // pulse-converter
    {25, 24, {0, 17, 28, 35, 36, 72, 75, 77, 79, 103, 111, 126, 130, 131, 133, 137, 140, 141, 142, 143, 144, 145,
        168, 173}}, // event-log
    {27, 30, {0, 17, 28, 35, 36, 72, 75, 77, 79, 103, 111, 126, 130, 131, 132, 133, 134, 137, 140, 141, 142, 143,
        144, 145, 168, 173, 193, 195, 197, 205}}, // trend-log-multiple
    {28, 25, {0, 17, 28, 35, 36, 72, 75, 77, 79, 85, 103, 111, 113, 130, 133, 142, 168, 212, 213, 214, 215, 218,
        219, 220, 221}}, // load-control
    {29, 9, {28, 75, 77, 79, 168, 207, 208, 210, 211}}, // structured-view
    {30, 32, {0, 7, 17, 28, 35, 36, 39, 72, 75, 77, 79, 81, 85, 87, 103, 104, 111, 113, 130, 158, 168, 226, 227,
        228, 229, 230, 231, 232, 233, 234, 235, 1006}}, // access-door
};

// Element type answered for array index 1 or more, by the property's whole type.
const std::map<int32_t, int32_t> kElementOf = {
    {58, 48}, {60, 37}, {61, 23}, {62, 59}, {64, 7}, {65, 12}, {70, 30}, {71, 32}, {73, 42},
    {75, 2}, {76, 45}, {77, 46}, {78, 47}, {79, 33}, {84, 22}, {111, 9}, {114, 1}, {121, 116},
    {122, 118}, {125, 124},
};

struct Case {
    int32_t objectType;
    int32_t property;
    int32_t whole;   // answer for the whole property
    int32_t element; // answer for one element
};

int32_t element_answer(int32_t wholeType)
{
    const auto it = kElementOf.find(wholeType);
    return it == kElementOf.end() ? kConstructed : it->second;
}

// One case per row of every covered object type; a property that neither type table can type is
// reported as a failure of the test data itself.
std::vector<Case> expected_cases()
{
    std::map<int32_t, int32_t> sameEverywhere;
    for (const TypeGroup& g : kSameEverywhere)
        for (int32_t p : g.properties) EXPECT_TRUE(sameEverywhere.emplace(p, g.type).second) << p;

    std::map<std::pair<int32_t, int32_t>, int32_t> byObject;
    for (const VaryingProperty& v : kByObjectType)
        for (const ObjectGroup& g : v.types)
            for (int32_t o : g.objectTypes) byObject[{o, v.property}] = g.type;

    std::vector<Case> cases;
    for (const ObjectMembers& m : kMembers) {
        EXPECT_EQ(m.properties.size(), m.count) << "object type " << m.objectType;
        for (int32_t p : m.properties) {
            int32_t whole = -1;
            if (const auto it = byObject.find({m.objectType, p}); it != byObject.end())
                whole = it->second;
            else if (const auto c = sameEverywhere.find(p); c != sameEverywhere.end())
                whole = c->second;
            EXPECT_NE(whole, -1) << "untyped property " << p << " of object type " << m.objectType;
            cases.push_back({m.objectType, p, whole, element_answer(whole)});
        }
    }
    return cases;
}

TEST(PropertyTypes, EveryListedPropertyAtEveryKindOfIndex)
{
    const std::vector<Case> cases = expected_cases();
    ASSERT_EQ(cases.size(), 783u);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "object type " << c.objectType << ", property " << c.property);
        for (int32_t whole : {-1, kAbsentIndex, -2, kMin})
            EXPECT_EQ(bacnapi_get_data_type(c.objectType, c.property, whole), c.whole);
        EXPECT_EQ(bacnapi_get_data_type(c.objectType, c.property, 0), kUnsigned);
        for (int32_t element : {1, 3, kMax})
            EXPECT_EQ(bacnapi_get_data_type(c.objectType, c.property, element), c.element);
    }
}

// Rows that a list does not hold must not be found, whether the identifier lies between, before or
// after the listed ones; the length question is still answered.
TEST(PropertyTypes, UnlistedPropertiesOfCoveredObjectTypes)
{
    std::vector<int32_t> probes = {kMin, -1000, kMax};
    for (int32_t p = -2; p <= 1100; ++p) probes.push_back(p);

    int checked = 0;
    for (const ObjectMembers& m : kMembers) {
        const std::set<int32_t> listed(m.properties.begin(), m.properties.end());
        for (int32_t p : probes) {
            if (listed.count(p) != 0) continue;
            ++checked;
            SCOPED_TRACE(testing::Message() << "object type " << m.objectType << ", property " << p);
            ASSERT_EQ(bacnapi_get_data_type(m.objectType, p, -1), kConstructed);
            ASSERT_EQ(bacnapi_get_data_type(m.objectType, p, 2), kConstructed);
            ASSERT_EQ(bacnapi_get_data_type(m.objectType, p, 0), kUnsigned);
        }
    }
    EXPECT_EQ(checked, 30 * 1106 - 783);
}

// Object types without a list: global-group and the types above 30 answer 97 (the length question
// still Unsigned); negative object types are answered Null before anything else.
TEST(PropertyTypes, ObjectTypesWithoutAList)
{
    for (int32_t objectType : {26, 31, 32, 1023, 5000, kMax, -1, -26, -5000, kMin})
        for (int32_t p : {0, 28, 75, 77, 85, 1000, 1006}) {
            SCOPED_TRACE(testing::Message() << "object type " << objectType << ", property " << p);
            const bool negative = objectType < 0;
            EXPECT_EQ(bacnapi_get_data_type(objectType, p, -1), negative ? kNull : kConstructed);
            EXPECT_EQ(bacnapi_get_data_type(objectType, p, 0), negative ? kNull : kUnsigned);
            EXPECT_EQ(bacnapi_get_data_type(objectType, p, 1), negative ? kNull : kConstructed);
        }
}

// Worked examples a host would rely on, written out by hand.
TEST(PropertyTypes, WorkedExamples)
{
    struct Row {
        int32_t objectType, property, index, answer;
    };
    const Row rows[] = {
        {8, 85, -1, 97},   // device has no present-value
        {0, 85, -1, 4},    // analog-input present-value: Real
        {0, 85, 1, 97},    // ... which has no elements
        {0, 85, 0, 2},     // ... but the length question is answered
        {7, 2, 3, 59},     // command action element: BACnetActionList
        {7, 2, -1, 62},    // command action: ListOfBACnetActionList
        {12, 2, -1, 0},    // loop action: Null
        {20, 197, -1, 9},  // trend-log logging-type: Enumerated
        {27, 132, 1, 33},  // trend-log-multiple log-device-object-property element
        {20, 132, 1, 97},  // trend-log's is a single BACnetDeviceObjectPropertyReference
        {5, 130, 2, 22},   // event-time-stamps element: BACnetDateTime, not BACnetTimeStamp
        {5, 130, -1, 84},  // event-time-stamps: ListOfBACnetTimeStamp
        {17, 54, 4, 33},   // schedule list-of-object-property-references element
        {8, 152, -1, 107}, // device active-cov-subscriptions
        {8, 152, 1, 97},   // ... has no element row
        {11, 53, -1, 89},  // group list-of-group-members
        {11, 53, 1, 97},   // ... has no element row
        {11, 85, 1, 42},   // group present-value element: ReadAccessResult
        {1, 87, 16, 48},   // priority-array element: BACnetPriorityValue
        {8, 76, 5, 12},    // device object-list element: ObjectIdentifier
        {22, 158, -1, 1},  // life-safety-zone maintenance-required: Boolean
        {21, 158, -1, 9},  // life-safety-point maintenance-required: Enumerated
        {0, 1006, -1, 7},  // proprietary property that the list holds
        {0, 1000, -1, 97}, // proprietary property that no list holds
        {30, 1007, -1, 97}, // access-door holds 1006 only
        {26, 28, -1, 97},  // global-group is not covered
        {-1, 28, -1, 0},   // negative object type
        {5000, 28, 0, 2},  // length of anything
    };
    for (const Row& r : rows)
        EXPECT_EQ(bacnapi_get_data_type(r.objectType, r.property, r.index), r.answer)
            << r.objectType << "/" << r.property << "[" << r.index << "]";
}

int mismatches_from_threads(const std::vector<Case>& cases, int threadCount)
{
    std::latch start(threadCount);
    std::vector<int> mismatches(static_cast<std::size_t>(threadCount), 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            // Each thread walks the cases from a different starting point.
            for (std::size_t i = 0; i < cases.size(); ++i) {
                const Case& c = cases[(i + t * 97) % cases.size()];
                if (bacnapi_get_data_type(c.objectType, c.property, -1) != c.whole) ++mismatches[t];
                if (bacnapi_get_data_type(c.objectType, c.property, 1) != c.element) ++mismatches[t];
            }
        });
    for (std::thread& th : threads) th.join();
    int total = 0;
    for (int m : mismatches) total += m;
    return total;
}

// The very first lookups of a process may come from several threads at once. The check runs in a
// fresh process so that it really is the first use of the lookup there.
TEST(PropertyTypes, FirstCallsFromSeveralThreads)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<Case> cases = expected_cases();
    EXPECT_EXIT(std::exit(mismatches_from_threads(cases, 8) == 0 ? 0 : 1), testing::ExitedWithCode(0),
                "");
    EXPECT_EQ(mismatches_from_threads(cases, 4), 0);
}

} // namespace
