// Hand-written walk functions of records whose fields do not fit a table: the COV subscription
// (an increment with a separate absence flag), the setpoint reference (a presence octet in front
// of the reference), the read-access property value (a choice whose alternative numbers differ
// from what the record stores) and the priority value (alternatives numbered by type code, the
// record keeping kind numbers of its own).
#include <bacnapi/bacnapi.h>

#include "value/value_internal.h"
#include "walk/field_table.h"
#include "walk/walk_functions.h"
#include "walk/wrapped.h"

#include <cstddef>
#include <cstring>
#include <iterator>

namespace bacnapi {

namespace {

// 101, fields 0 to 3; field 4, the COV increment, is described by hand below.
constexpr FieldDesc kCOVSubscription[] = {
    member_field(250, 0, BACNAPI_TYPE_BACnetRecipientProcess, offsetof(BACnetCOVSubscription, recipient)),
    member_field(188, 1, BACNAPI_TYPE_BACnetObjectPropertyReference,
                 offsetof(BACnetCOVSubscription, monitoredPropertyReference)),
    member_field(130, 2, BACNAPI_TYPE_Boolean, offsetof(BACnetCOVSubscription, issueConfirmedNotifications)),
    member_field(285, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetCOVSubscription, timeRemaining)),
};
constexpr int32_t kCOVIncrementIndex = 4;

// 112
constexpr FieldDesc kSetpointReference = member_field(204, 0, BACNAPI_TYPE_BACnetObjectPropertyReference,
                                                      offsetof(BACnetSetpointReference, setpointReference));

// ---- 43 ReadAccessPropertyValue: the choice's alternative numbers are the context tags 4 and 5
// (0 also selects the property value); the record stores 0 and 1.
constexpr uint32_t kReadAccessResultChoice = 52;
constexpr FieldDesc kReadAccessPropertyValue[] = {
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(ReadAccessPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(ReadAccessPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    null_field(0, -1), // 2 the result choice, described by hand
};
constexpr FieldDesc kPropertyAccessError =
    member_field(232, 5, BACNAPI_TYPE_BACnetError, offsetof(ReadAccessPropertyValue, result.propertyAccessError),
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

} // namespace

int32_t walk_BACnetCOVSubscription(BACnetFieldCursor* child, const void* src, void* dest, void*, const BACnetVisitor*,
                                   uint32_t* more, int32_t index)
{
    if (index >= 0 && static_cast<size_t>(index) < std::size(kCOVSubscription)) {
        // Until the increment itself is reached the destination holds none: a text that stops
        // before it leaves the increment marked absent.
        if (index == 0 && dest) static_cast<BACnetCOVSubscription*>(dest)->covIncrementAbsent = 1;
        return describe_field(kCOVSubscription[index], child, src, dest);
    }
    if (index != kCOVIncrementIndex) return BACNAPI_WALK_E_NODESCRIPTOR;

    const auto* source = static_cast<const BACnetCOVSubscription*>(src);
    auto* destination = static_cast<BACnetCOVSubscription*>(dest);
    child->nameId = 59;
    child->kind = kFieldSingle;
    child->tag = 4;
    child->type = BACNAPI_TYPE_Real;
    child->optional = 1;
    child->absent = source && source->covIncrementAbsent != 0 ? 1 : 0;
    child->src = source ? &source->covIncrement : nullptr;
    if (destination) {
        // The increment counts as present once read; the finish function marks it absent when
        // the source had none.
        destination->covIncrementAbsent = 0;
        child->dest = &destination->covIncrement;
    }
    if (more) *more = 0;
    return BACNAPI_S_OK;
}

int32_t finish_BACnetCOVSubscription(BACnetFieldCursor* child, void* dest, int32_t index)
{
    if (index == kCOVIncrementIndex && child && child->absent && dest)
        static_cast<BACnetCOVSubscription*>(dest)->covIncrementAbsent = 1;
    return BACNAPI_S_OK;
}

int32_t walk_BACnetSetpointReference(BACnetFieldCursor* child, const void* src, void* dest, void*, const BACnetVisitor*,
                                     uint32_t* more, int32_t index)
{
    if (index != 0) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (more) *more = 0;
    // The reference is described whether or not the source marks it present; the source record
    // is only read. A destination reference that the walk describes is marked present.
    if (dest) static_cast<BACnetSetpointReference*>(dest)->present = 1;
    return describe_field(kSetpointReference, child, src, dest);
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

} // namespace bacnapi
