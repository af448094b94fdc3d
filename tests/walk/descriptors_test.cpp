// The descriptor table as data: what each row points at agrees with the type catalogue, the field
// tables stay inside their records, and the field modes that look a value's type up, pass an
// object type on or choose an application value by its type code describe the right field.
#include <bacnapi/bacnapi.h>

#include "value/list_types.h"
#include "value/type_catalogue.h"
#include "walk/field_table.h"
#include "walk/wrapped.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace bacnapi;

constexpr uint32_t kPresentValue = 85;
constexpr uint32_t kWholeProperty = 0xFFFFFFFFu;
constexpr uint32_t kAnalogValue = 2;
constexpr uint32_t kBinaryValue = 5;

TEST(Descriptors, RowsAgreeWithTheCatalogueAndTablesStayInsideTheirRecords)
{
    // The typed runs and the types whose fields fit no table.
    const std::set<int32_t> byHand = {20, 21, 25, 43, 48, 89, 90, 91, 101, 112, 150};
    for (int32_t type = kFirstDescribedType; type < kFirstDescribedType + kDescriptorCount; ++type) {
        SCOPED_TRACE(type);
        const BACnetTypeDescriptor* descriptor = find_descriptor(type);
        const ListTypeInfo* list = list_type_info(type);
        const bool valueList = list && list->walkable && byHand.count(type) == 0;
        // Every record has a walk but the selection criteria, the nested value and the
        // constructed value, which have no text form of their own.
        const bool record = storage_of(type) == Storage::Record || storage_of(type) == Storage::Described;
        EXPECT_EQ(record && descriptor == nullptr, type == 53 || type == 56 || type == 97);
        if (!descriptor) {
            EXPECT_FALSE(valueList);
            continue;
        }
        const TypeWalk& walk = descriptor->walk;
        EXPECT_EQ(descriptor->type, type);
        EXPECT_EQ(walk.kind == DescriptorKind::ByHand, byHand.count(type) == 1);
        EXPECT_EQ(walk.kind == DescriptorKind::ValueList, valueList);
        if (valueList) {
            EXPECT_EQ(walk.elementType, list_element_type(type));
        }
        if (walk.kind == DescriptorKind::Choice) {
            ASSERT_NE(walk.choice, nullptr);
        }
        // A record is walked by the table its catalogue row names, and every plain record's row
        // names one but those walked by hand.
        const TypeRow* row = type_row(type);
        if (row->walk == WalkTable::Fields) {
            EXPECT_EQ(walk.kind, DescriptorKind::Fields);
            EXPECT_EQ(walk.fields, row->fields);
            EXPECT_EQ(walk.fieldCount, row->fieldCount);
        }
        if (row->walk == WalkTable::Choice) {
            EXPECT_EQ(walk.kind, DescriptorKind::Choice);
            EXPECT_EQ(walk.choice, row->choice);
        }
        if (has_flag(type, kPlain)) { EXPECT_EQ(row->walk == WalkTable::None, byHand.count(type) == 1); }
        if (walk.kind != DescriptorKind::Fields) continue;
        ASSERT_NE(walk.fields, nullptr);
        ASSERT_GT(walk.fieldCount, 0u);
        for (size_t i = 0; i < walk.fieldCount; ++i) {
            const FieldDesc& field = walk.fields[i];
            EXPECT_EQ(field.mode == FieldMode::PropertyValue, field.property != nullptr) << "field " << i;
            // Alternatives of the parameter choices have no record of their own to measure.
            if (descriptor->recordSize == 0) continue;
            const uint64_t offset = field.mode == FieldMode::PropertyValue ? field.property->valueOffset : field.offset;
            EXPECT_LT(offset, descriptor->recordSize) << "field " << i;
            if (field.objectTypeOffset >= 0) {
                EXPECT_LE(static_cast<uint64_t>(field.objectTypeOffset) + 4, descriptor->recordSize) << "field " << i;
            }
        }
    }
}

// Describes field `index` of a destination-only walk of `record`, whose cursor inherited
// `inherited` as its object type.
int32_t describe_destination(int32_t type, void* record, uint32_t inherited, int32_t index, BACnetFieldCursor* child)
{
    *child = BACnetFieldCursor{};
    child->srcObjectType = inherited;
    child->destObjectType = inherited;
    uint32_t more = 1;
    return find_descriptor(type)->walk(child, nullptr, record, nullptr, nullptr, &more, index);
}

TEST(Descriptors, PropertyValuesAreLookedUpWithTheirOwnOrTheInheritedObjectType)
{
    const int32_t analog = lookup_property_type(kAnalogValue, kPresentValue, kWholeProperty);
    const int32_t binary = lookup_property_type(kBinaryValue, kPresentValue, kWholeProperty);
    ASSERT_NE(analog, binary); // otherwise the cases below could not tell the object types apart

    BACnetPropertyValue propertyValue{};
    propertyValue.propertyIdentifier = kPresentValue;
    propertyValue.propertyArrayIndex = kWholeProperty;
    BACnetObjectPropertyValue objectPropertyValue{};
    objectPropertyValue.objectIdentifier.objectType = kAnalogValue;
    objectPropertyValue.propertyIdentifier = kPresentValue;
    objectPropertyValue.propertyArrayIndex = kWholeProperty;
    BACnetActionCommand actionCommand{};
    actionCommand.objectIdentifier.objectType = kAnalogValue;
    actionCommand.propertyIdentifier = kPresentValue;
    actionCommand.propertyArrayIndex = kWholeProperty;
    BACnetDeviceObjectPropertyValue deviceValue{};
    deviceValue.objectIdentifier.objectType = kAnalogValue;
    deviceValue.propertyIdentifier = kPresentValue;
    deviceValue.propertyArrayIndex = kWholeProperty;

    // Every cursor inherits a binary value; only the property value itself goes by it.
    const struct {
        int32_t type;
        void* record;
        BACnetDataType* value;
        int32_t index;
        uint32_t nameId;
        int32_t expected;
    } cases[] = {
        {BACNAPI_TYPE_BACnetPropertyValue, &propertyValue, &propertyValue.value, 2, 301, binary},
        {BACNAPI_TYPE_BACnetObjectPropertyValue, &objectPropertyValue, &objectPropertyValue.value, 3, 301, analog},
        {BACNAPI_TYPE_BACnetActionCommand, &actionCommand, &actionCommand.propertyValue, 4, 235, analog},
        {BACNAPI_TYPE_BACnetDeviceObjectPropertyValue, &deviceValue, &deviceValue.value, 4, 301, analog},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        BACnetFieldCursor child;
        ASSERT_EQ(describe_destination(c.type, c.record, kBinaryValue, c.index, &child), 0);
        EXPECT_EQ(child.kind, kFieldWrapped);
        EXPECT_EQ(child.nameId, c.nameId);
        EXPECT_EQ(child.tag, c.index);
        EXPECT_EQ(child.type, c.expected);
        EXPECT_EQ(c.value->type, c.expected);
        EXPECT_EQ(child.dest, static_cast<void*>(&c.value->payload));
        bacnapi_ClearBACnetDataType(c.value);
    }
}

TEST(Descriptors, ListsOfAccessRecordsInheritTheRecordsObjectTypeOnEachSide)
{
    ReadAccessResult source{};
    source.objectIdentifier.objectType = kAnalogValue;
    ReadAccessResult destination{};
    destination.objectIdentifier.objectType = kBinaryValue;
    WriteAccessSpecification writeAccess{};
    writeAccess.objectIdentifier.objectType = kAnalogValue;
    const struct {
        int32_t type;
        const void* src;
        void* dest;
        int32_t index;
        uint32_t srcObjectType;
        uint32_t destObjectType;
    } cases[] = {
        {BACNAPI_TYPE_ReadAccessResult, &source, &destination, 1, kAnalogValue, kBinaryValue},
        {BACNAPI_TYPE_ReadAccessResult, nullptr, &destination, 1, 0, kBinaryValue},
        {BACNAPI_TYPE_WriteAccessSpecification, &writeAccess, nullptr, 1, kAnalogValue, 0},
        // The object identifier itself passes on what the cursor inherited.
        {BACNAPI_TYPE_ReadAccessResult, &source, &destination, 0, 9, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " field " << c.index);
        BACnetFieldCursor child{};
        child.srcObjectType = 9;
        child.destObjectType = 9;
        uint32_t more = 1;
        (void)find_descriptor(c.type)->walk(&child, c.src, c.dest, nullptr, nullptr, &more, c.index);
        EXPECT_EQ(child.srcObjectType, c.srcObjectType);
        EXPECT_EQ(child.destObjectType, c.destObjectType);
    }
}

struct ChoiceProbe {
    uint32_t choiceId = 0;
    int32_t recorded = -1;
    int32_t answer = 0;
};

int32_t answer_choice(uint32_t choiceId, int32_t* alternative, const int32_t* recorded, void* ctx)
{
    auto* probe = static_cast<ChoiceProbe*>(ctx);
    probe->choiceId = choiceId;
    probe->recorded = *recorded;
    *alternative = probe->answer;
    return 0;
}

TEST(Descriptors, ApplicationValuesAreChosenByTheirTypeCode)
{
    const BACnetVisitor visitor{.chooseAlternative = answer_choice};
    BACnetTimeValue timeValue{};
    timeValue.value.type = BACNAPI_TYPE_Unsigned;
    timeValue.value.payload.unsignedValue = 7;
    NotificationCommandFailure failure{};
    failure.commandValue.type = BACNAPI_TYPE_Real;
    failure.feedbackValue.type = BACNAPI_TYPE_Enumerated;
    const struct {
        int32_t type;
        const void* record;
        const BACnetDataType* value;
        int32_t index;
        uint32_t nameId;
        int32_t tag;
        int32_t answer;
        int32_t status;
    } cases[] = {
        {BACNAPI_TYPE_BACnetTimeValue, &timeValue, &timeValue.value, 1, 301, -1, BACNAPI_TYPE_Unsigned, 0},
        {BACNAPI_TYPE_NotificationCommandFailure, &failure, &failure.commandValue, 0, 49, 0, BACNAPI_TYPE_Real, 0},
        {BACNAPI_TYPE_NotificationCommandFailure, &failure, &failure.feedbackValue, 2, 112, 2, BACNAPI_TYPE_Enumerated,
         0},
        // A source is read only as the type it holds, and only application types are chosen.
        {BACNAPI_TYPE_BACnetTimeValue, &timeValue, &timeValue.value, 1, 301, -1, BACNAPI_TYPE_Real,
         BACNAPI_WALK_E_REFUSED},
        {BACNAPI_TYPE_BACnetTimeValue, &timeValue, &timeValue.value, 1, 301, -1, BACNAPI_TYPE_SignedLong,
         BACNAPI_WALK_E_REFUSED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " field " << c.index << " answer " << c.answer);
        ChoiceProbe probe;
        probe.answer = c.answer;
        BACnetFieldCursor child{};
        uint32_t more = 1;
        EXPECT_EQ(find_descriptor(c.type)->walk(&child, c.record, nullptr, &probe, &visitor, &more, c.index), c.status);
        EXPECT_EQ(probe.recorded, c.value->type);
        EXPECT_NE(probe.choiceId, 0u);
        if (c.status != 0) continue;
        EXPECT_EQ(child.type, c.answer);
        EXPECT_EQ(child.nameId, c.nameId);
        EXPECT_EQ(child.tag, c.tag);
        EXPECT_EQ(child.src, static_cast<const void*>(&c.value->payload));
    }
}

} // namespace
