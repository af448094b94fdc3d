// The records that hold values of run-time type: property values looked up by
// property (BACnetActionCommand, BACnetPropertyValue, BACnetObjectPropertyValue,
// ReadAccessPropertyValue), application values chosen by type code (BACnetTimeValue,
// BACnetPriorityValue), and the two records whose lists inherit their object type.
#include "value/value_internal.h"
#include "walk/field_table.h"
#include "walk/walk_functions.h"
#include "walk/wrapped.h"

#include <cstddef>
#include <cstring>

namespace bacnapi {

namespace {

constexpr uint32_t kPropertyIdentifierEnum = 49;

// Fields of a table that a hand-written walk describes itself stand in it as placeholders, so
// that the generic walk still knows the field count.
constexpr FieldDesc kHandWritten = null_field(0, -1);

uint32_t object_type_at(const void* record, size_t offset)
{
    uint32_t objectType = 0;
    if (record) std::memcpy(&objectType, static_cast<const unsigned char*>(record) + offset, sizeof objectType);
    return objectType;
}

// ---- 26 BACnetTimeValue
constexpr uint32_t kTimeValueChoice = 5;
constexpr FieldDesc kTimeValueTime = member_field(280, -1, BACNAPI_TYPE_Time, offsetof(BACnetTimeValue, time));

// ---- 28 BACnetActionCommand
constexpr FieldDesc kActionCommand[] = {
    member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetActionCommand, deviceIdentifier), 0,
                 Sentinel::DeviceAbsent),
    member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetActionCommand, objectIdentifier)),
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(BACnetActionCommand, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    kHandWritten, // 4 propertyValue
    member_field(222, 5, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, priority)),
    member_field(216, 6, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, postDelay), 0, Sentinel::Zero32),
    member_field(244, 7, BACNAPI_TYPE_Boolean, offsetof(BACnetActionCommand, quitOnFailure)),
    member_field(315, 8, BACNAPI_TYPE_Boolean, offsetof(BACnetActionCommand, writeSuccessful)),
};
constexpr int32_t kActionCommandValueIndex = 4;
constexpr PropertyValueDesc kActionCommandValue{
    235,
    4,
    static_cast<int32_t>(offsetof(BACnetActionCommand, objectIdentifier.objectType)),
    offsetof(BACnetActionCommand, propertyIdentifier),
    offsetof(BACnetActionCommand, propertyArrayIndex),
    offsetof(BACnetActionCommand, propertyValue),
    false,
};

// ---- 39 WriteAccessSpecification and 42 ReadAccessResult
constexpr FieldDesc kWriteAccessSpecification[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(WriteAccessSpecification, objectIdentifier)),
    nested_field(144, 1, BACNAPI_TYPE_ListOfBACnetPropertyValue, offsetof(WriteAccessSpecification, listOfProperties)),
};
constexpr FieldDesc kReadAccessResult[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(ReadAccessResult, objectIdentifier)),
    member_field(147, 1, BACNAPI_TYPE_ReadAccessResultList, offsetof(ReadAccessResult, listOfResults)),
};

// ---- 43 ReadAccessPropertyValue: the choice's alternative numbers are the context tags 4 and 5
// (0 also selects the property value); the record stores 0 and 1.
constexpr uint32_t kReadAccessResultChoice = 52;
constexpr FieldDesc kReadAccessPropertyValue[] = {
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(ReadAccessPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(ReadAccessPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    kHandWritten, // 2 the result choice
};
constexpr FieldDesc kPropertyAccessError = member_field(
    232, 5, BACNAPI_TYPE_BACnetError, offsetof(ReadAccessPropertyValue, result.propertyAccessError),
    kReadAccessResultChoice);
constexpr PropertyValueDesc kReadAccessValue{
    235,
    4,
    -1,
    offsetof(ReadAccessPropertyValue, propertyIdentifier),
    offsetof(ReadAccessPropertyValue, propertyArrayIndex),
    offsetof(ReadAccessPropertyValue, result.propertyValue),
    true,
};

// ---- 48 BACnetPriorityValue: the alternative numbers are application type codes; the record
// keeps its own kind numbers.
constexpr uint32_t kPriorityValueChoice = 44;
constexpr int32_t kPriorityKindConstructed = 5;

int32_t priority_alternative_of_kind(int32_t kind)
{
    switch (kind) {
    case 1: return BACNAPI_TYPE_Real;
    case 2:
    case 4: return BACNAPI_TYPE_Enumerated;
    case 3: return BACNAPI_TYPE_Unsigned;
    case kPriorityKindConstructed: return 56; // a constructed value: no alternative accepts it
    default: return BACNAPI_TYPE_Null;
    }
}

struct PriorityAlternative {
    int32_t number;
    int32_t kind;
    FieldDesc field;
};
constexpr PriorityAlternative kPriorityAlternatives[] = {
    {BACNAPI_TYPE_Null, 0, null_field(197, -1, kPriorityValueChoice)},
    {BACNAPI_TYPE_Unsigned, 3,
     member_field(293, -1, BACNAPI_TYPE_Unsigned, offsetof(BACnetPriorityValue, value.unsignedValue),
                  kPriorityValueChoice)},
    {BACNAPI_TYPE_Real, 1,
     member_field(246, -1, BACNAPI_TYPE_Real, offsetof(BACnetPriorityValue, value.real), kPriorityValueChoice)},
    {BACNAPI_TYPE_Enumerated, 2,
     member_field(27, -1, BACNAPI_TYPE_Enumerated, offsetof(BACnetPriorityValue, value.enumerated),
                  kPriorityValueChoice)},
};

// ---- 49 BACnetPropertyValue: the value is looked up with the inherited object type.
constexpr FieldDesc kPropertyValue[] = {
    member_field(234, 0, BACNAPI_TYPE_Enumerated, offsetof(BACnetPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    kHandWritten, // 2 value
    member_field(222, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetPropertyValue, priority)),
};
constexpr int32_t kPropertyValueValueIndex = 2;
constexpr PropertyValueDesc kPropertyValueValue{
    301,
    2,
    -1,
    offsetof(BACnetPropertyValue, propertyIdentifier),
    offsetof(BACnetPropertyValue, propertyArrayIndex),
    offsetof(BACnetPropertyValue, value),
    true,
};

// ---- 55 BACnetObjectPropertyValue: the value is looked up with the record's own object type.
constexpr FieldDesc kObjectPropertyValue[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetObjectPropertyValue, objectIdentifier)),
    member_field(234, 1, BACNAPI_TYPE_Enumerated, offsetof(BACnetObjectPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 2, BACNAPI_TYPE_Unsigned, offsetof(BACnetObjectPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    kHandWritten, // 3 value
    member_field(222, 4, BACNAPI_TYPE_Unsigned, offsetof(BACnetObjectPropertyValue, priority)),
};
constexpr int32_t kObjectPropertyValueValueIndex = 3;
constexpr PropertyValueDesc kObjectPropertyValueValue{
    301,
    3,
    static_cast<int32_t>(offsetof(BACnetObjectPropertyValue, objectIdentifier.objectType)),
    offsetof(BACnetObjectPropertyValue, propertyIdentifier),
    offsetof(BACnetObjectPropertyValue, propertyArrayIndex),
    offsetof(BACnetObjectPropertyValue, value),
    false,
};

template <size_t N>
int32_t walk_with_property_value(const FieldDesc (&fields)[N], int32_t valueIndex, const PropertyValueDesc& value,
                                 BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                 const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index == valueIndex) {
        if (static_cast<size_t>(index) + 1 == N) *more = 0;
        return describe_property_value(value, child, src, dest);
    }
    return walk_field_table(fields, N, child, src, dest, ctx, visitor, more, index);
}

} // namespace

int32_t walk_BACnetTimeValue(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                             const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index == 0) return describe_field(kTimeValueTime, child, src, dest);
    if (index != 1) return BACNAPI_WALK_E_NODESCRIPTOR;
    *more = 0;
    const auto* source = static_cast<const BACnetTimeValue*>(src);
    auto* destination = static_cast<BACnetTimeValue*>(dest);
    return describe_application_choice(301, -1, kTimeValueChoice, child, source ? &source->value : nullptr,
                                       destination ? &destination->value : nullptr, ctx, visitor);
}

int32_t walk_BACnetActionCommand(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                 const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    return walk_with_property_value(kActionCommand, kActionCommandValueIndex, kActionCommandValue, child, src, dest,
                                    ctx, visitor, more, index);
}

int32_t walk_WriteAccessSpecification(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                      const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index == 1) {
        // The property values of the list are looked up under this record's object identifier.
        child->srcObjectType = object_type_at(src, offsetof(WriteAccessSpecification, objectIdentifier.objectType));
        child->destObjectType = object_type_at(dest, offsetof(WriteAccessSpecification, objectIdentifier.objectType));
    }
    return walk_field_table(kWriteAccessSpecification, 2, child, src, dest, ctx, visitor, more, index);
}

int32_t walk_ReadAccessResult(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                              const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index == 1) {
        child->srcObjectType = object_type_at(src, offsetof(ReadAccessResult, objectIdentifier.objectType));
        child->destObjectType = object_type_at(dest, offsetof(ReadAccessResult, objectIdentifier.objectType));
    }
    return walk_field_table(kReadAccessResult, 2, child, src, dest, ctx, visitor, more, index);
}

int32_t walk_ReadAccessPropertyValue(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                     const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index != 2) return walk_field_table(kReadAccessPropertyValue, 3, child, src, dest, ctx, visitor, more, index);
    *more = 0;
    const auto* source = static_cast<const ReadAccessPropertyValue*>(src);
    auto* destination = static_cast<ReadAccessPropertyValue*>(dest);

    int32_t recorded = 0;
    if (source) recorded = source->choice == 0 ? 4 : source->choice == 1 ? 5 : -1;
    const int32_t status = choose_alternative(kReadAccessResultChoice, recorded, child, ctx, visitor);
    if (status != 0) return status;
    int32_t stored;
    switch (child->tag) {
    case 0:
    case 4: stored = 0; break;
    case 5: stored = 1; break;
    default: return BACNAPI_WALK_E_NODESCRIPTOR;
    }
    if (source && source->choice != stored) return BACNAPI_WALK_E_REFUSED;
    if (destination && destination->choice != stored) {
        // The union changes meaning: release the value it held, or forget the error codes.
        if (destination->choice == 0) clear_value(&destination->result.propertyValue);
        std::memset(&destination->result, 0, sizeof destination->result);
    }
    if (destination) destination->choice = stored;
    if (stored == 1) return describe_field(kPropertyAccessError, child, src, dest);
    return describe_property_value(kReadAccessValue, child, src, dest);
}

int32_t walk_BACnetPriorityValue(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                 const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    if (index != 0) return BACNAPI_WALK_E_NODESCRIPTOR;
    *more = 0;
    const auto* source = static_cast<const BACnetPriorityValue*>(src);
    auto* destination = static_cast<BACnetPriorityValue*>(dest);
    const int32_t recorded = source ? priority_alternative_of_kind(source->kind) : BACNAPI_TYPE_Null;
    const int32_t status = choose_alternative(kPriorityValueChoice, recorded, child, ctx, visitor);
    if (status != 0) return status;
    const PriorityAlternative* chosen = nullptr;
    for (const PriorityAlternative& alternative : kPriorityAlternatives)
        if (alternative.number == child->tag) chosen = &alternative;
    if (!chosen) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (source && recorded != chosen->number) return BACNAPI_WALK_E_REFUSED;
    if (destination) {
        if (destination->kind == kPriorityKindConstructed) {
            clear_value(&destination->value.constructedValue);
            std::memset(&destination->value, 0, sizeof destination->value);
        }
        destination->kind = chosen->kind;
    }
    return describe_field(chosen->field, child, src, dest);
}

int32_t walk_BACnetPropertyValue(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                 const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    return walk_with_property_value(kPropertyValue, kPropertyValueValueIndex, kPropertyValueValue, child, src, dest,
                                    ctx, visitor, more, index);
}

int32_t walk_BACnetObjectPropertyValue(BACnetFieldCursor* child, const void* src, void* dest, void* ctx,
                                       const BACnetVisitor* visitor, uint32_t* more, int32_t index)
{
    return walk_with_property_value(kObjectPropertyValue, kObjectPropertyValueValueIndex, kObjectPropertyValueValue,
                                    child, src, dest, ctx, visitor, more, index);
}

} // namespace bacnapi
