// The plain records: fixed sequences of members that own nothing (no strings, lists or nested
// values). Each table lists the fields in walk order; a keyed field is also part of the record's
// identity, compared in its rank's place by its rule. The type catalogue names these tables in
// the records' rows, and the walker's descriptors and the comparisons are derived from them.
#pragma once

#include <bacnapi/bacnapi.h>

#include "records/field_comparison.h"

#include <cstddef>

namespace bacnapi::plain_fields {

#define AT(Record, member) offsetof(Record, member)

// clang-format off

// 22: compared as a date, then a time.
inline constexpr PlainField kDateTime[] = {
    keyed(1, Key::Date, member_field(65, -1, BACNAPI_TYPE_Date, AT(BACnetDateTime, date))),
    keyed(2, Key::Time, member_field(280, -1, BACNAPI_TYPE_Time, AT(BACnetDateTime, time))),
};

// 24
inline constexpr PlainField kDateRange[] = {
    keyed(1, Key::Date, member_field(272, -1, BACNAPI_TYPE_Date, AT(BACnetDateRange, startDate))),
    keyed(2, Key::Date, member_field(90, -1, BACNAPI_TYPE_Date, AT(BACnetDateRange, endDate))),
};

// 32: a binding is identified by its device's instance number alone.
inline constexpr PlainField kAddressBinding[] = {
    keyed(1, Key::Signed, member_field(81, -1, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetAddressBinding, deviceObjectIdentifier)),
          offsetof(BACnetObjectIdentifier, instance)),
    unkeyed(member_field(78, -1, BACNAPI_TYPE_BACnetAddress, AT(BACnetAddressBinding, deviceAddress))),
};

// 33: the property and its array index are ordered as signed numbers.
inline constexpr PlainField kObjectPropertyReference[] = {
    keyed(1, Key::ObjectIdentifier, member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetObjectPropertyReference, objectIdentifier))),
    keyed(2, Key::Signed, member_field(231, 1, BACNAPI_TYPE_Enumerated, AT(BACnetObjectPropertyReference, propertyIdentifier), kPropertyIdentifierEnum)),
    keyed(3, Key::Signed, member_field(233, 2, BACNAPI_TYPE_Unsigned, AT(BACnetObjectPropertyReference, propertyArrayIndex), 0, Sentinel::AllOnes32)),
};

// 36: the device identifier is always present here; it is walked last but compared first.
inline constexpr PlainField kDeviceObjectPropertyReference[] = {
    keyed(2, Key::ObjectIdentifier, member_field(201, 0, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetDeviceObjectPropertyReference, objectIdentifier))),
    keyed(3, Key::Signed, member_field(231, 1, BACNAPI_TYPE_Enumerated, AT(BACnetDeviceObjectPropertyReference, propertyIdentifier), kPropertyIdentifierEnum)),
    keyed(4, Key::Signed, member_field(233, 2, BACNAPI_TYPE_Unsigned, AT(BACnetDeviceObjectPropertyReference, propertyArrayIndex), 0, Sentinel::AllOnes32)),
    keyed(1, Key::ObjectIdentifier, member_field(80, 3, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetDeviceObjectPropertyReference, deviceIdentifier))),
};

// 44: not comparable.
inline constexpr PlainField kPropertyReference[] = {
    unkeyed(member_field(234, 0, BACNAPI_TYPE_Enumerated, AT(BACnetPropertyReference, propertyIdentifier), kPropertyIdentifierEnum)),
    unkeyed(member_field(233, 1, BACNAPI_TYPE_Unsigned, AT(BACnetPropertyReference, propertyArrayIndex), 0, Sentinel::AllOnes32)),
};

// 103
inline constexpr PlainField kPrescale[] = {
    keyed(1, Key::Unsigned, member_field(189, 0, BACNAPI_TYPE_Unsigned, AT(BACnetPrescale, multiplier))),
    keyed(2, Key::Unsigned, member_field(187, 1, BACNAPI_TYPE_Unsigned, AT(BACnetPrescale, moduloDivide))),
};

// 104: the status is not part of the record's identity.
inline constexpr PlainField kAccumulatorRecord[] = {
    keyed(1, Key::DateTime, member_field(286, 0, BACNAPI_TYPE_BACnetDateTime, AT(BACnetAccumulatorRecord, timestamp))),
    keyed(2, Key::Unsigned, member_field(218, 1, BACNAPI_TYPE_Unsigned, AT(BACnetAccumulatorRecord, presentValue))),
    keyed(3, Key::Unsigned, member_field(1, 2, BACNAPI_TYPE_Unsigned, AT(BACnetAccumulatorRecord, accumulatedValue))),
    unkeyed(member_field(2, 3, BACNAPI_TYPE_Enumerated, AT(BACnetAccumulatorRecord, accumulatorStatus), 2)),
};

// 124: the device identifier is always present here.
inline constexpr PlainField kDeviceObjectReference[] = {
    keyed(1, Key::ObjectIdentifier, member_field(80, 0, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetDeviceObjectReference, deviceIdentifier))),
    keyed(2, Key::ObjectIdentifier, member_field(201, 1, BACNAPI_TYPE_ObjectIdentifier, AT(BACnetDeviceObjectReference, objectIdentifier))),
};

// clang-format on

#undef AT

} // namespace bacnapi::plain_fields
