// Equality and order of the two parameter choices: BACnetEventParameter and
// BACnetNotificationParameters.
//
// The selectors are compared first, as unsigned numbers; equal selectors then compare the fields
// of that alternative in a fixed order. Reals use the five-decimal tolerance, bit strings the
// BitString rule, nested values and lists the whole-value comparison; other numbers are unsigned.
// Alternatives without a rule (extended, and selectors above 11) cannot be compared.
#include "compare_internal.h"

namespace bacnapi {
namespace compare {
namespace {

int32_t cov_criteria_value(const BACnetCOVCriteria& a, const BACnetCOVCriteria& b)
{
    switch (a.choice) {
    case 0: return bit_string(a.value.bitmask, b.value.bitmask);
    case 1: return real(a.value.referencedPropertyIncrement, b.value.referencedPropertyIncrement);
    default: return -1;
    }
}

} // namespace

int32_t event_parameter(const BACnetEventParameter& a, const BACnetEventParameter& b, NestingScope& nest)
{
    if (int32_t r = as_unsigned(static_cast<uint32_t>(a.choice), static_cast<uint32_t>(b.choice))) return r;
    const auto& pa = a.parameters;
    const auto& pb = b.parameters;
    int32_t r = 0;
    switch (a.choice) {
    case 0: {
        const auto& ea = pa.changeOfBitstring;
        const auto& eb = pb.changeOfBitstring;
        if ((r = first_difference({bit_string(ea.bitmask, eb.bitmask), as_unsigned(ea.timeDelay, eb.timeDelay)})))
            return r;
        return compare_nested(&ea.listOfBitstringValues, &eb.listOfBitstringValues, nest);
    }
    case 1: {
        const auto& ea = pa.changeOfState;
        const auto& eb = pb.changeOfState;
        if ((r = as_unsigned(ea.timeDelay, eb.timeDelay))) return r;
        return compare_nested(&ea.listOfValues, &eb.listOfValues, nest);
    }
    case 2: {
        const auto& ea = pa.changeOfValue;
        const auto& eb = pb.changeOfValue;
        if ((r = first_difference({as_unsigned(static_cast<uint32_t>(ea.covCriteria.choice),
                                               static_cast<uint32_t>(eb.covCriteria.choice)),
                                   as_unsigned(ea.timeDelay, eb.timeDelay)})))
            return r;
        return cov_criteria_value(ea.covCriteria, eb.covCriteria);
    }
    case 3: {
        const auto& ea = pa.commandFailure;
        const auto& eb = pb.commandFailure;
        return first_difference(
            {device_object_property_reference(ea.feedbackPropertyReference, eb.feedbackPropertyReference),
             as_unsigned(ea.timeDelay, eb.timeDelay)});
    }
    case 4: {
        const auto& ea = pa.floatingLimit;
        const auto& eb = pb.floatingLimit;
        return first_difference({real(ea.deadband, eb.deadband), real(ea.highDiffLimit, eb.highDiffLimit),
                                 real(ea.lowDiffLimit, eb.lowDiffLimit),
                                 device_object_property_reference(ea.setpointReference, eb.setpointReference),
                                 as_unsigned(ea.timeDelay, eb.timeDelay)});
    }
    case 5: {
        const auto& ea = pa.outOfRange;
        const auto& eb = pb.outOfRange;
        return first_difference({real(ea.highLimit, eb.highLimit), real(ea.lowLimit, eb.lowLimit),
                                 real(ea.deadband, eb.deadband), as_unsigned(ea.timeDelay, eb.timeDelay)});
    }
    case 6: return 0; // holds nothing
    case 7:
    case 10: {
        const auto& ea = a.choice == 7 ? pa.bufferReady : pa.bufferReady2;
        const auto& eb = a.choice == 7 ? pb.bufferReady : pb.bufferReady2;
        return first_difference({as_unsigned(ea.notificationThreshold, eb.notificationThreshold),
                                 as_unsigned(ea.previousNotificationCount, eb.previousNotificationCount)});
    }
    case 8: {
        // The time delay is not part of a life-safety parameter's identity.
        const auto& ea = pa.changeOfLifeSafety;
        const auto& eb = pb.changeOfLifeSafety;
        if ((r = compare_nested(&ea.listOfLifeSafetyAlarmValues, &eb.listOfLifeSafetyAlarmValues, nest))) return r;
        if ((r = compare_nested(&ea.listOfAlarmValues, &eb.listOfAlarmValues, nest))) return r;
        return device_object_property_reference(ea.modePropertyReference, eb.modePropertyReference);
    }
    case 11: {
        const auto& ea = pa.unsignedRange;
        const auto& eb = pb.unsignedRange;
        return first_difference({as_unsigned(ea.highLimit, eb.highLimit), as_unsigned(ea.lowLimit, eb.lowLimit),
                                 as_unsigned(ea.timeDelay, eb.timeDelay)});
    }
    default: return -1; // 9 extended, 999 no alternative, anything unknown
    }
}

int32_t notification_parameters(const BACnetNotificationParameters& a, const BACnetNotificationParameters& b,
                                NestingScope& nest)
{
    if (int32_t r = as_unsigned(static_cast<uint32_t>(a.choice), static_cast<uint32_t>(b.choice))) return r;
    const auto& pa = a.parameters;
    const auto& pb = b.parameters;
    int32_t r = 0;
    switch (a.choice) {
    case 0: {
        const auto& na = pa.changeOfBitstring;
        const auto& nb = pb.changeOfBitstring;
        return first_difference({bit_string(na.referencedBitstring, nb.referencedBitstring),
                                 bit_string(na.statusFlags, nb.statusFlags)});
    }
    case 1: {
        // The new state is compared as the octets it is stored in, as the record type does.
        const auto& na = pa.changeOfState;
        const auto& nb = pb.changeOfState;
        return first_difference(
            {bytes(&na.newState, &nb.newState, sizeof na.newState), bit_string(na.statusFlags, nb.statusFlags)});
    }
    case 2: {
        // The selector of the new value is compared as its stored octets. In this record layout
        // the word after it is alignment padding that carries no data, so it is not read.
        const auto& na = pa.changeOfValue;
        const auto& nb = pb.changeOfValue;
        if ((r = bytes(&na.newValue.choice, &nb.newValue.choice, sizeof na.newValue.choice))) return r;
        switch (na.newValue.choice) {
        case 0:
            return first_difference({bit_string(na.newValue.value.changedBits, nb.newValue.value.changedBits),
                                     bit_string(na.statusFlags, nb.statusFlags)});
        case 1: return real(na.newValue.value.changedValue, nb.newValue.value.changedValue);
        default: return bit_string(na.statusFlags, nb.statusFlags);
        }
    }
    case 3: {
        const auto& na = pa.commandFailure;
        const auto& nb = pb.commandFailure;
        if ((r = compare_nested(&na.commandValue, &nb.commandValue, nest))) return r;
        if ((r = compare_nested(&na.feedbackValue, &nb.feedbackValue, nest))) return r;
        return bit_string(na.statusFlags, nb.statusFlags);
    }
    case 4: {
        const auto& na = pa.floatingLimit;
        const auto& nb = pb.floatingLimit;
        return first_difference({real(na.errorLimit, nb.errorLimit), real(na.referenceValue, nb.referenceValue),
                                 real(na.setpointValue, nb.setpointValue),
                                 bit_string(na.statusFlags, nb.statusFlags)});
    }
    case 5: {
        const auto& na = pa.outOfRange;
        const auto& nb = pb.outOfRange;
        return first_difference({real(na.deadband, nb.deadband), real(na.exceededLimit, nb.exceededLimit),
                                 real(na.exceedingValue, nb.exceedingValue),
                                 bit_string(na.statusFlags, nb.statusFlags)});
    }
    case 6: return compare_nested(&pa.complexEventType, &pb.complexEventType, nest);
    case 7: {
        const auto& na = pa.bufferReady;
        const auto& nb = pb.bufferReady;
        return first_difference({object_identifier(na.bufferDevice, nb.bufferDevice),
                                 object_identifier(na.bufferObject, nb.bufferObject),
                                 as_unsigned(na.currentNotification, nb.currentNotification),
                                 as_unsigned(na.previousNotification, nb.previousNotification)});
    }
    case 8: {
        // Status flags and the expected operation are not part of the comparison.
        const auto& na = pa.changeOfLifeSafety;
        const auto& nb = pb.changeOfLifeSafety;
        return first_difference({as_signed(na.newState, nb.newState), as_signed(na.newMode, nb.newMode)});
    }
    case 11: {
        const auto& na = pa.unsignedRange;
        const auto& nb = pb.unsignedRange;
        return first_difference({as_unsigned(na.exceededLimit, nb.exceededLimit),
                                 as_unsigned(na.exceedingValue, nb.exceedingValue),
                                 bit_string(na.statusFlags, nb.statusFlags)});
    }
    default: return -1; // 9 extended, 10 buffer-ready with a property reference, anything unknown
    }
}

} // namespace compare
} // namespace bacnapi
