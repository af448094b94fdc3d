// The records that hold values of run-time type, as field tables: property values looked up by
// property (BACnetActionCommand, BACnetPropertyValue, BACnetObjectPropertyValue,
// BACnetDeviceObjectPropertyValue), an application value chosen by its type code
// (BACnetTimeValue), and the two records whose lists inherit their object type
// (WriteAccessSpecification, ReadAccessResult).
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_desc.h"

#include <cstddef>

namespace bacnapi {

namespace value_records {

// ---- 26 BACnetTimeValue: the value is written as a choice whose alternative is its type code.
inline constexpr uint32_t kTimeValueChoice = 5;
inline constexpr FieldDesc kTimeValue[] = {
    member_field(280, -1, BACNAPI_TYPE_Time, offsetof(BACnetTimeValue, time)),
    application_value_field(301, -1, offsetof(BACnetTimeValue, value), kTimeValueChoice),
};

// ---- 28 BACnetActionCommand: the value is looked up with the command's own object type.
inline constexpr PropertyValueDesc kActionCommandValue{
    235,
    4,
    static_cast<int32_t>(offsetof(BACnetActionCommand, objectIdentifier.objectType)),
    offsetof(BACnetActionCommand, propertyIdentifier),
    offsetof(BACnetActionCommand, propertyArrayIndex),
    offsetof(BACnetActionCommand, propertyValue),
    false,
};
inline constexpr FieldDesc kActionCommand[] = {
    member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetActionCommand, deviceIdentifier), 0,
                 Sentinel::DeviceAbsent),
    member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetActionCommand, objectIdentifier)),
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(BACnetActionCommand, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    property_value_field(kActionCommandValue),
    member_field(222, 5, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, priority)),
    member_field(216, 6, BACNAPI_TYPE_Unsigned, offsetof(BACnetActionCommand, postDelay), 0, Sentinel::Zero32),
    member_field(244, 7, BACNAPI_TYPE_Boolean, offsetof(BACnetActionCommand, quitOnFailure)),
    member_field(315, 8, BACNAPI_TYPE_Boolean, offsetof(BACnetActionCommand, writeSuccessful)),
};

// ---- 39 WriteAccessSpecification and 42 ReadAccessResult: the property values of the list are
// looked up under this record's object identifier.
inline constexpr FieldDesc kWriteAccessSpecification[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(WriteAccessSpecification, objectIdentifier)),
    inheriting_object_type(nested_field(144, 1, BACNAPI_TYPE_ListOfBACnetPropertyValue,
                                        offsetof(WriteAccessSpecification, listOfProperties)),
                           offsetof(WriteAccessSpecification, objectIdentifier.objectType)),
};
inline constexpr FieldDesc kReadAccessResult[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(ReadAccessResult, objectIdentifier)),
    inheriting_object_type(
        member_field(147, 1, BACNAPI_TYPE_ReadAccessResultList, offsetof(ReadAccessResult, listOfResults)),
        offsetof(ReadAccessResult, objectIdentifier.objectType)),
};

// ---- 49 BACnetPropertyValue: the value is looked up with the inherited object type; a source
// value that is not empty keeps its own type.
inline constexpr PropertyValueDesc kPropertyValueValue{
    301,
    2,
    -1,
    offsetof(BACnetPropertyValue, propertyIdentifier),
    offsetof(BACnetPropertyValue, propertyArrayIndex),
    offsetof(BACnetPropertyValue, value),
    true,
};
inline constexpr FieldDesc kPropertyValue[] = {
    member_field(234, 0, BACNAPI_TYPE_Enumerated, offsetof(BACnetPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 1, BACNAPI_TYPE_Unsigned, offsetof(BACnetPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    property_value_field(kPropertyValueValue),
    member_field(222, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetPropertyValue, priority)),
};

// ---- 55 BACnetObjectPropertyValue: the value is looked up with the record's own object type.
inline constexpr PropertyValueDesc kObjectPropertyValueValue{
    301,
    3,
    static_cast<int32_t>(offsetof(BACnetObjectPropertyValue, objectIdentifier.objectType)),
    offsetof(BACnetObjectPropertyValue, propertyIdentifier),
    offsetof(BACnetObjectPropertyValue, propertyArrayIndex),
    offsetof(BACnetObjectPropertyValue, value),
    false,
};
inline constexpr FieldDesc kObjectPropertyValue[] = {
    member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetObjectPropertyValue, objectIdentifier)),
    member_field(234, 1, BACNAPI_TYPE_Enumerated, offsetof(BACnetObjectPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 2, BACNAPI_TYPE_Unsigned, offsetof(BACnetObjectPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    property_value_field(kObjectPropertyValueValue),
    member_field(222, 4, BACNAPI_TYPE_Unsigned, offsetof(BACnetObjectPropertyValue, priority)),
};

// ---- 110 BACnetDeviceObjectPropertyValue: the value's type comes from each side's own object
// identifier, property and array index; the source value's own type code is not consulted.
inline constexpr PropertyValueDesc kDeviceObjectPropertyValueValue{
    301,
    4,
    static_cast<int32_t>(offsetof(BACnetDeviceObjectPropertyValue, objectIdentifier.objectType)),
    offsetof(BACnetDeviceObjectPropertyValue, propertyIdentifier),
    offsetof(BACnetDeviceObjectPropertyValue, propertyArrayIndex),
    offsetof(BACnetDeviceObjectPropertyValue, value),
    false,
};
inline constexpr FieldDesc kDeviceObjectPropertyValue[] = {
    member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectPropertyValue, deviceIdentifier)),
    member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, offsetof(BACnetDeviceObjectPropertyValue, objectIdentifier)),
    member_field(234, 2, BACNAPI_TYPE_Enumerated, offsetof(BACnetDeviceObjectPropertyValue, propertyIdentifier),
                 kPropertyIdentifierEnum),
    member_field(233, 3, BACNAPI_TYPE_Unsigned, offsetof(BACnetDeviceObjectPropertyValue, propertyArrayIndex), 0,
                 Sentinel::AllOnes32),
    property_value_field(kDeviceObjectPropertyValueValue),
};

} // namespace value_records

} // namespace bacnapi
