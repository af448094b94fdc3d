// Element functions of the head-inline sequences and of value lists: numbering, growth of the
// overflow array in steps of 4, the run limit, ownership of appended elements, and refusals.
#include <bacnapi/bacnapi.h>

#include "support/heap_watch.h"
#include "support/release_value.h"
#include "value/limits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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
using PropertyReferences = Seq<SequenceOfBACnetPropertyReference, BACnetPropertyReference,
                               bacnapi_get_element_property_reference, bacnapi_set_element_property_reference,
                               bacnapi_ClearSequenceOfBACnetPropertyReference>;
using Specifications = Seq<SequenceOfReadAccessSpecification, ReadAccessSpecification,
                           bacnapi_get_element_read_access_specification,
                           bacnapi_set_element_read_access_specification, bacnapi_ClearSequenceOfReadAccessSpecification>;
using PropertyValues = Seq<ReadAccessResultList, ReadAccessPropertyValue, bacnapi_get_element_read_access_property_value,
                           bacnapi_set_element_read_access_property_value,
                           bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue>;
using Results = Seq<SequenceOfReadAccessResult, ReadAccessResult, bacnapi_get_element_read_access_result,
                    bacnapi_set_element_read_access_result, bacnapi_ClearSequenceOfReadAccessResult>;

template <class T>
class SequenceElements : public testing::Test {};
using AllSequences = testing::Types<PropertyReferences, Specifications, PropertyValues, Results>;
TYPED_TEST_SUITE(SequenceElements, AllSequences);

TYPED_TEST(SequenceElements, ElementsAreNumberedFromZeroWithTheFirstInTheRecord)
{
    using S = typename TypeParam::S;
    S seq{};
    for (int32_t i : {-1, 0, 1}) EXPECT_EQ(TypeParam::get(&seq, i), nullptr) << i;
    EXPECT_EQ(TypeParam::get(nullptr, 0), nullptr);
    EXPECT_EQ(TypeParam::set(nullptr, nullptr), nullptr);
    // Ten appends: the first lies at the start of the record, element i in overflow slot i.
    for (int32_t n = 0; n < 10; ++n) {
        auto* added = TypeParam::set(&seq, nullptr);
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(seq.count, n + 1);
        EXPECT_EQ(static_cast<void*>(added), n == 0 ? static_cast<void*>(&seq) : static_cast<void*>(&seq.elements[n]));
    }
    for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(TypeParam::get(&seq, i), i == 0 ? &seq.first : &seq.elements[i]);
    for (int32_t i : {-1, 10, INT32_MAX, INT32_MIN}) EXPECT_EQ(TypeParam::get(&seq, i), nullptr) << i;
    TypeParam::clear(&seq);

    // A broken count: nothing is reached and nothing is appended.
    S broken{};
    broken.count = -3;
    EXPECT_EQ(TypeParam::get(&broken, 0), nullptr);
    EXPECT_EQ(TypeParam::set(&broken, nullptr), nullptr);
    EXPECT_EQ(broken.count, -3);
}

TYPED_TEST(SequenceElements, TheRunLimitRefusesTheElementAfterTheLast)
{
    using S = typename TypeParam::S;
    using E = typename TypeParam::E;
    constexpr int32_t kLimit = bacnapi::kSequenceMaxCount;
    S seq{};
    // A run one short of the limit, with the array such a run has (slots in steps of 4).
    seq.elements = static_cast<E*>(std::calloc((kLimit + 3) / 4 * 4, sizeof(E)));
    ASSERT_NE(seq.elements, nullptr);
    seq.count = kLimit - 1;
    EXPECT_EQ(TypeParam::set(&seq, nullptr), &seq.elements[kLimit - 1]);
    EXPECT_EQ(seq.count, kLimit);
    EXPECT_EQ(TypeParam::get(&seq, kLimit - 1), &seq.elements[kLimit - 1]);
    EXPECT_EQ(TypeParam::set(&seq, nullptr), nullptr);
    EXPECT_EQ(seq.count, kLimit);
    TypeParam::clear(&seq);
}

TYPED_TEST(SequenceElements, ARefusedGrowthAppendsNothing)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    using S = typename TypeParam::S;
    S seq{};
    for (int n = 0; n < 9; ++n) {
        // Growth happens at the second append and whenever the count is a multiple of 4.
        const bool grows = n == 1 || (n != 0 && n % 4 == 0);
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

TEST(SequenceElementsDetail, FivePropertyReferencesGrowTheOverflowArrayAtTheSecondAndFifth)
{
    SequenceOfBACnetPropertyReference seq{};
    BACnetPropertyReference* arrays[6] = {};
    for (uint32_t n = 1; n <= 5; ++n) {
        const BACnetPropertyReference ref{84 + n, n == 3 ? 2u : BACNAPI_ARRAY_INDEX_ABSENT};
        ASSERT_NE(bacnapi_set_element_property_reference(&seq, &ref), nullptr);
        arrays[n] = seq.elements;
    }
    EXPECT_EQ(arrays[1], nullptr);
    ASSERT_NE(arrays[2], nullptr);
    EXPECT_EQ(arrays[3], arrays[2]); // slots 1..3 of the first four
    EXPECT_EQ(arrays[4], arrays[2]);
    EXPECT_NE(arrays[5], arrays[4]); // count 4 was full: 8 slots, the first 4 moved over
    EXPECT_EQ(seq.first.propertyIdentifier, 85u);
    for (int32_t i = 1; i < 5; ++i) {
        EXPECT_EQ(seq.elements[i].propertyIdentifier, 85u + static_cast<uint32_t>(i));
        EXPECT_EQ(seq.elements[i].propertyArrayIndex, i == 2 ? 2u : BACNAPI_ARRAY_INDEX_ABSENT);
    }
    // A fresh reference has no array index; one of the sequence's own is copied before growth.
    const BACnetPropertyReference* fresh = bacnapi_set_element_property_reference(&seq, nullptr);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->propertyIdentifier, 0u);
    EXPECT_EQ(fresh->propertyArrayIndex, BACNAPI_ARRAY_INDEX_ABSENT);
    for (int k = 0; k < 2; ++k) ASSERT_NE(bacnapi_set_element_property_reference(&seq, &seq.elements[2]), nullptr);
    EXPECT_EQ(seq.count, 8);
    ASSERT_NE(bacnapi_set_element_property_reference(&seq, bacnapi_get_element_property_reference(&seq, 2)), nullptr);
    EXPECT_EQ(seq.elements[8].propertyIdentifier, 87u); // written after the array moved (count 8)
    EXPECT_EQ(seq.elements[8].propertyArrayIndex, 2u);
    bacnapi_ClearSequenceOfBACnetPropertyReference(&seq);
}

TEST(SequenceElementsDetail, AnAppendedElementsPartsPassToTheSequence)
{
    // A result whose first property value holds text: after the append, clearing the sequence
    // releases it (the host does not clear its own copy).
    SequenceOfReadAccessResult results{};
    for (int n = 0; n < 3; ++n) {
        ReadAccessResult result{};
        result.objectIdentifier = {0, static_cast<uint32_t>(n)};
        ReadAccessPropertyValue* pv = bacnapi_set_element_read_access_property_value(&result.listOfResults, nullptr);
        ASSERT_NE(pv, nullptr);
        pv->propertyIdentifier = 77;
        pv->propertyArrayIndex = BACNAPI_ARRAY_INDEX_ABSENT;
        ASSERT_EQ(bacnapi_asn1_string_set(&pv->result.propertyValue, "Zone", BACNAPI_TYPE_CharacterString), 0);
        ASSERT_NE(bacnapi_set_element_read_access_result(&results, &result), nullptr);
    }
    BACnetDataType value{};
    ASSERT_EQ(bacnapi_access_sequenceOfReadAccessResult(&results, &value, 0), 0);
    char* text = nullptr;
    ASSERT_EQ(bacnapi_asn1_string_get(&text, &value), 0);
    EXPECT_STREQ(text, "{{{0,0,{{{77,-1,4,Zone}}}}},{{0,1,{{{77,-1,4,Zone}}}}},{{0,2,{{{77,-1,4,Zone}}}}}}");
    bacnapi_free(text);
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
    struct Step { uint32_t countBefore, capacityBefore, capacityAfter; } const steps[] = {
        {0, 4, 4}, {1, 4, 8}, {2, 8, 8}, {3, 8, 8}, {4, 8, 8}, {5, 8, 12}};
    BACnetDataType list{};
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfUnsigned), 0);
    BACnetValueList* l = list.payload.list;
    for (const Step& s : steps) {
        ASSERT_EQ(l->count, s.countBefore);
        ASSERT_EQ(l->capacity, s.capacityBefore);
        const BACnetDataType element = unsigned_value(100 + s.countBefore);
        BACnetDataType* stored = bacnapi_set_element_in_bacnet_array(l, &element);
        EXPECT_EQ(l->capacity, s.capacityAfter);
        EXPECT_EQ(stored, &l->elements[s.countBefore]);
        EXPECT_EQ(l->count, s.countBefore + 1);
    }
    for (int32_t i = 0; i < 6; ++i) {
        ASSERT_NE(bacnapi_get_element_from_bacnet_array(l, i), nullptr);
        EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, i)->payload.unsignedValue, 100u + static_cast<uint32_t>(i));
    }
    for (int32_t i : {-1, 6, 11, INT32_MIN}) EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, i), nullptr) << i;
    EXPECT_EQ(bacnapi_get_element_from_bacnet_array(nullptr, 0), nullptr);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(nullptr, l->elements), nullptr);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(l, nullptr), nullptr);
    EXPECT_EQ(l->count, 6u);
    // One of the list's own elements, stored while the list grows (count 9 of 12 needs room).
    for (int k = 0; k < 3; ++k) ASSERT_NE(bacnapi_set_element_in_bacnet_array(l, l->elements), nullptr);
    EXPECT_EQ(l->capacity, 12u);
    EXPECT_EQ(bacnapi_set_element_in_bacnet_array(l, &l->elements[3])->payload.unsignedValue, 103u);
    EXPECT_EQ(l->capacity, 16u);
    char* text = nullptr;
    ASSERT_EQ(bacnapi_asn1_string_get(&text, &list), 0);
    EXPECT_STREQ(text, "{{100},{101},{102},{103},{104},{105},{100},{100},{100},{103}}");
    bacnapi_free(text);
    // A list whose count runs past its slots is not read beyond them.
    const uint32_t count = l->count;
    l->count = l->capacity + 5;
    EXPECT_EQ(bacnapi_get_element_from_bacnet_array(l, static_cast<int32_t>(l->capacity)), nullptr);
    l->count = count;
    bacnapi_ClearBACnetDataType(&list);
}

TEST(ValueListElements, AppendedValuesBelongToTheList)
{
    BACnetDataType list{};
    ASSERT_EQ(bacnapi_initialize_data(&list, BACNAPI_TYPE_ListOfCharacterString), 0);
    for (const char* word : {"one", "two"}) {
        BACnetDataType s{};
        ASSERT_EQ(bacnapi_asn1_string_set(&s, word, BACNAPI_TYPE_CharacterString), 0);
        ASSERT_NE(bacnapi_set_element_in_bacnet_array(list.payload.list, &s), nullptr); // s is not cleared
    }
    char* text = nullptr;
    ASSERT_EQ(bacnapi_asn1_string_get(&text, &list), 0);
    EXPECT_STREQ(text, "{{one},{two}}");
    bacnapi_free(text);
    bacnapi_ClearBACnetDataType(&list);
}

TEST(ValueListElements, ARefusedReserveStoresInAFreeSlotOrReturnsNull)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    struct Case { uint32_t count, capacity; bool stored; } const cases[] = {{1, 4, true}, {3, 4, true}, {4, 4, false}};
    for (const Case& c : cases) {
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
