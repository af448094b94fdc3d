// Element functions of the head-inline sequences and of value lists: numbering, growth of the
// overflow array in steps of 4, the run limit, ownership of appended elements, and refusals.
#include "access/access_test_util.h"

#include "value/limits.h"

#include <cstdlib>

namespace {

using access_test::text_of;

// The four sequences through one interface: get, append, and the Clear of the record.
template <class Sequence, class Element, Element* (*Get)(Sequence*, int32_t), Element* (*Set)(Sequence*, const Element*),
          int32_t (*Clear)(Sequence*)>
struct Seq {
    using S = Sequence;
    using E = Element;
    static E* get(S* s, int32_t i) { return Get(s, i); }
    static E* set(S* s, const E* e) { return Set(s, e); }
    static void clear(S* s) { Clear(s); }
};
using AllSequences = testing::Types<
    Seq<SequenceOfBACnetPropertyReference, BACnetPropertyReference, bacnapi_get_element_property_reference,
        bacnapi_set_element_property_reference, bacnapi_ClearSequenceOfBACnetPropertyReference>,
    Seq<SequenceOfReadAccessSpecification, ReadAccessSpecification, bacnapi_get_element_read_access_specification,
        bacnapi_set_element_read_access_specification, bacnapi_ClearSequenceOfReadAccessSpecification>,
    Seq<ReadAccessResultList, ReadAccessPropertyValue, bacnapi_get_element_read_access_property_value,
        bacnapi_set_element_read_access_property_value, bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue>,
    Seq<SequenceOfReadAccessResult, ReadAccessResult, bacnapi_get_element_read_access_result,
        bacnapi_set_element_read_access_result, bacnapi_ClearSequenceOfReadAccessResult>>;
template <class T>
class SequenceElements : public testing::Test {};
TYPED_TEST_SUITE(SequenceElements, AllSequences);

TYPED_TEST(SequenceElements, NumberedFromZeroWithTheFirstInTheRecordUpToTheRunLimit)
{
    using E = typename TypeParam::E;
    typename TypeParam::S seq{}, broken{}, full{};
    EXPECT_EQ(TypeParam::get(&seq, 0), nullptr);
    EXPECT_EQ(TypeParam::get(nullptr, 0), nullptr);
    EXPECT_EQ(TypeParam::set(nullptr, nullptr), nullptr);
    for (int32_t n = 0; n < 10; ++n) {
        auto* added = TypeParam::set(&seq, nullptr);
        EXPECT_EQ(seq.count, n + 1);
        EXPECT_EQ(static_cast<void*>(added), n == 0 ? static_cast<void*>(&seq) : static_cast<void*>(&seq.elements[n]));
    }
    for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(TypeParam::get(&seq, i), i == 0 ? &seq.first : &seq.elements[i]);
    for (int32_t i : {-1, 10, INT32_MAX, INT32_MIN}) EXPECT_EQ(TypeParam::get(&seq, i), nullptr) << i;
    TypeParam::clear(&seq);

    broken.count = -3; // a broken count: nothing is reached and nothing is appended
    EXPECT_EQ(TypeParam::get(&broken, 0), nullptr);
    EXPECT_EQ(TypeParam::set(&broken, nullptr), nullptr);
    EXPECT_EQ(broken.count, -3);

    // A run one short of the limit, with the array such a run has (slots in steps of 4).
    constexpr int32_t kLimit = bacnapi::kSequenceMaxCount;
    full.elements = static_cast<E*>(std::calloc((kLimit + 3) / 4 * 4, sizeof(E)));
    full.count = kLimit - 1;
    EXPECT_EQ(TypeParam::set(&full, nullptr), &full.elements[kLimit - 1]);
    EXPECT_EQ(TypeParam::get(&full, kLimit - 1), &full.elements[kLimit - 1]);
    EXPECT_EQ(TypeParam::set(&full, nullptr), nullptr);
    EXPECT_EQ(full.count, kLimit);
    TypeParam::clear(&full);
}

TYPED_TEST(SequenceElements, ARefusedGrowthAppendsNothing)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    typename TypeParam::S seq{};
    for (int n = 0; n < 9; ++n) {
        const bool grows = n == 1 || (n != 0 && n % 4 == 0); // at the second append and at multiples of 4
        auto* before = seq.elements;
        heap_watch::refuse_after(0);
        auto* added = TypeParam::set(&seq, nullptr);
        EXPECT_EQ(heap_watch::disarm(), grows) << n;
        if (grows) {
            EXPECT_EQ(added, nullptr);
            EXPECT_EQ(seq.count, n);
            EXPECT_EQ(seq.elements, before);
            added = TypeParam::set(&seq, nullptr);
        }
        ASSERT_NE(added, nullptr) << n;
        EXPECT_EQ(seq.count, n + 1);
    }
    TypeParam::clear(&seq);
}

TEST(SequenceElementsDetail, ElementsAreCopiedInAndTheirPartsPassToTheSequence)
{
    // References are copied in whole, the first into the record, the others into the overflow array.
    SequenceOfBACnetPropertyReference seq{};
    for (uint32_t n = 1; n <= 5; ++n) {
        const BACnetPropertyReference ref{84 + n, n == 3 ? 2u : BACNAPI_ARRAY_INDEX_ABSENT};
        ASSERT_NE(bacnapi_set_element_property_reference(&seq, &ref), nullptr);
    }
    EXPECT_EQ(seq.first.propertyIdentifier, 85u);
    for (uint32_t i = 1; i < 5; ++i) {
        EXPECT_EQ(seq.elements[i].propertyIdentifier, 85u + i);
        EXPECT_EQ(seq.elements[i].propertyArrayIndex, i == 2 ? 2u : BACNAPI_ARRAY_INDEX_ABSENT);
    }
    const BACnetPropertyReference* fresh = bacnapi_set_element_property_reference(&seq, nullptr);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->propertyIdentifier, 0u);
    EXPECT_EQ(fresh->propertyArrayIndex, BACNAPI_ARRAY_INDEX_ABSENT); // a fresh reference has no index
    for (int k = 0; k < 2; ++k) ASSERT_NE(bacnapi_set_element_property_reference(&seq, &seq.elements[2]), nullptr);
    // One of the sequence's own elements, stored while the array moves (count 8).
    ASSERT_NE(bacnapi_set_element_property_reference(&seq, bacnapi_get_element_property_reference(&seq, 2)), nullptr);
    EXPECT_EQ(seq.elements[8].propertyIdentifier, 87u);
    EXPECT_EQ(seq.elements[8].propertyArrayIndex, 2u);
    bacnapi_ClearSequenceOfBACnetPropertyReference(&seq);

    // A result whose property value holds text: clearing the sequence releases it.
    SequenceOfReadAccessResult results{};
    for (uint32_t n = 0; n < 3; ++n) {
        ReadAccessResult result{};
        result.objectIdentifier = {0, n};
        ReadAccessPropertyValue* pv = bacnapi_set_element_read_access_property_value(&result.listOfResults, nullptr);
        ASSERT_NE(pv, nullptr);
        *pv = {77, BACNAPI_ARRAY_INDEX_ABSENT, 0, {}};
        ASSERT_EQ(bacnapi_asn1_string_set(&pv->result.propertyValue, "Zone", BACNAPI_TYPE_CharacterString), 0);
        ASSERT_NE(bacnapi_set_element_read_access_result(&results, &result), nullptr);
    }
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_access_sequenceOfReadAccessResult(&results, &value, 0), 0);
    EXPECT_EQ(text_of(value), "{{{0,0,{{{77,-1,4,Zone}}}}},{{0,1,{{{77,-1,4,Zone}}}}},{{0,2,{{{77,-1,4,Zone}}}}}}");
    release_value(&value);
    bacnapi_ClearSequenceOfReadAccessResult(&results);
}

BACnetDataType unsigned_value(uint32_t n)
{
    BACnetDataType v{};
    v.type = BACNAPI_TYPE_Unsigned;
    v.payload.unsignedValue = n;
    return v;
}

TEST(ValueListElements, AppendKeepsFourSlotsFreeAndGetNumbersFromZero)
{
    const struct { uint32_t countBefore, capacityBefore, capacityAfter; } steps[] = {
        {0, 4, 4}, {1, 4, 8}, {2, 8, 8}, {3, 8, 8}, {4, 8, 8}, {5, 8, 12}};
    BACnetDataType list{};
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetValueList* l = list.payload.list;
    for (const auto& s : steps) {
        ASSERT_EQ(l->count, s.countBefore);
        ASSERT_EQ(l->capacity, s.capacityBefore);
        const BACnetDataType element = unsigned_value(100 + s.countBefore);
        BACnetDataType* stored = bacnapi_set_element_in_bacnet_array(l, &element);
        EXPECT_EQ(stored, &l->elements[s.countBefore]);
        EXPECT_EQ(l->capacity, s.capacityAfter);
    }
    for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, i), &l->elements[i]);
    for (int32_t i : {-1, 6, 11, INT32_MIN}) EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, i), nullptr) << i;
    EXPECT_EQ(bacnapi_get_element_from_bacnet_array(nullptr, 0), nullptr);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(nullptr, l->elements), nullptr);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(l, nullptr), nullptr);
    // One of the list's own elements, stored while the list grows (count 9 of 12 needs room).
    for (int k = 0; k < 3; ++k) ASSERT_NE(bacnapi_set_element_in_bacnet_array(l, l->elements), nullptr);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(l, &l->elements[3])->payload.unsignedValue, 103u);
    EXPECT_EQ(l->capacity, 16u);
    EXPECT_EQ(text_of(list), "{{100},{101},{102},{103},{104},{105},{100},{100},{100},{103}}");
    const uint32_t count = l->count; // a count running past the slots is not read beyond them
    l->count = l->capacity + 5;
    EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, static_cast<int32_t>(l->capacity)), nullptr);
    l->count = count;
    bacnapi_ClearBACnetDataType(&list);

    // Appended values belong to the list: the texts are not cleared here, the list releases them.
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfCharacterString), 0);
    for (const char* word : {"one", "two"}) {
        BACnetDataType s{};
        ASSERT_EQ(bacnapi_asn1_string_set(&s, word, BACNAPI_TYPE_CharacterString), 0);
        ASSERT_NE(bacnapi_set_element_in_bacnet_array(list.payload.list, &s), nullptr);
    }
    EXPECT_EQ(text_of(list), "{{one},{two}}");
    bacnapi_ClearBACnetDataType(&list);
}

TEST(ValueListElements, ARefusedReserveStoresInAFreeSlotOrReturnsNull)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const struct { uint32_t count, capacity; bool stored; } cases[] = {{1, 4, true}, {3, 4, true}, {4, 4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " of " << c.capacity);
        BACnetValueList l{};
        l.capacity = c.capacity;
        l.count = c.count;
        l.elements = static_cast<BACnetDataType*>(std::calloc(c.capacity, sizeof(BACnetDataType)));
        const BACnetDataType element = unsigned_value(9);
        heap_watch::refuse_after(0);
        BACnetDataType* result = bacnapi_set_element_in_bacnet_array(&l, &element);
        EXPECT_TRUE(heap_watch::disarm());
        EXPECT_EQ(l.capacity, c.capacity);
        EXPECT_EQ(l.count, c.stored ? c.count + 1 : c.count);
        EXPECT_EQ(result, c.stored ? &l.elements[c.count] : nullptr);
        bacnapi_ClearArray(&l);
    }
}

} // namespace
