// Hand-written walk functions of records whose fields do not fit a plain table:
// the COV subscription (an increment with a separate absence flag), the device-object property
// value (a property value whose type is looked up) and the setpoint reference (a presence octet
// in front of the reference).
#include "walk/field_table.h"
#include "walk/walk_functions.h"
#include "walk/wrapped.h"

#include <bacnapi/bacnapi.h>

#include <cstddef>
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

// 110, fields 0 to 3; field 4 is the property value.
constexpr FieldDesc kDeviceObjectPropertyValue[] = {
    member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectPropertyValue, deviceIdentifier)),
    member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectPropertyValue, objectIdentifier)),
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(BACnetDeviceObjectPropertyValue, propertyIdentifier), 49),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetDeviceObjectPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
};

// The value's type comes from each side's own object identifier, property and array index; the
// source value's own type code is not consulted.
constexpr PropertyValueDesc kDeviceObjectPropertyValueValue{
    301,
    4,
    static_cast<int32_t>(offsetof(BACnetDeviceObjectPropertyValue, objectIdentifier) +
                         offsetof(BACnetObjectIdentifier, objectType)),
    offsetof(BACnetDeviceObjectPropertyValue, propertyIdentifier),
    offsetof(BACnetDeviceObjectPropertyValue, propertyArrayIndex),
    offsetof(BACnetDeviceObjectPropertyValue, value),
    false,
};

// 112
constexpr FieldDesc kSetpointReference =
    member_field(204, 0, BACNAPI_TYPE_BACnetObjectPropertyReference, offsetof(BACnetSetpointReference, setpointReference));

} // namespace

int32_t walk_BACnetCOVSubscription(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                   const BACnetVisitor*, uint32_t* more, int32_t index)
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

int32_t walk_BACnetDeviceObjectPropertyValue(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                             const BACnetVisitor*, uint32_t* more, int32_t index)
{
    if (index >= 0 && static_cast<size_t>(index) < std::size(kDeviceObjectPropertyValue))
        return describe_field(kDeviceObjectPropertyValue[index], child, src, dest);
    if (index != 4) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (more) *more = 0;
    return describe_property_value(kDeviceObjectPropertyValueValue, child, src, dest);
}

int32_t walk_BACnetSetpointReference(BACnetFieldCursor* child, const void* src, void* dest, void*,
                                     const BACnetVisitor*, uint32_t* more, int32_t index)
{
    if (index != 0) return BACNAPI_WALK_E_NODESCRIPTOR;
    if (more) *more = 0;
    // The reference is described whether or not the source marks it present; the source record
    // is only read. A destination reference that the walk describes is marked present.
    if (dest) static_cast<BACnetSetpointReference*>(dest)->present = 1;
    return describe_field(kSetpointReference, child, src, dest);
}

} // namespace bacnapi
