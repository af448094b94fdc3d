// Record copies of the two parameter choices: BACnetEventParameter (51) and
// BACnetNotificationParameters (52). The destination's alternative is released first, then the
// source's alternative is copied member by member: bit strings duplicated, nested values deep
// copied, plain members assigned.
#include "records/owned_records.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

int32_t copy_cov_criteria(BACnetCOVCriteria* dst, const BACnetCOVCriteria* src)
{
    dst->choice = src->choice;
    switch (src->choice) {
    case 0: return copy_bits(&dst->value.bitmask, &src->value.bitmask);
    case 1: dst->value.referencedPropertyIncrement = src->value.referencedPropertyIncrement; return BACNAPI_S_OK;
    default: return BACNAPI_E_NOTSUPPORTED;
    }
}

int32_t copy_changed_value(NotificationChangedValue* dst, const NotificationChangedValue* src)
{
    dst->choice = src->choice;
    switch (src->choice) {
    case 0: return copy_bits(&dst->value.changedBits, &src->value.changedBits);
    case 1: dst->value.changedValue = src->value.changedValue; return BACNAPI_S_OK;
    default: return BACNAPI_S_OK; // an unknown alternative keeps only its number
    }
}

} // namespace

int32_t copy_event_parameter(BACnetEventParameter* dst, const BACnetEventParameter* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetEventParameter(dst);
    dst->choice = src->choice;
    auto& d = dst->parameters;
    const auto& s = src->parameters;
    switch (src->choice) {
    case 0:
        d.changeOfBitstring.timeDelay = s.changeOfBitstring.timeDelay;
        copy_bits(&d.changeOfBitstring.bitmask, &s.changeOfBitstring.bitmask);
        return copy_nested(&d.changeOfBitstring.listOfBitstringValues, &s.changeOfBitstring.listOfBitstringValues,
                           nest);
    case 1:
        d.changeOfState.timeDelay = s.changeOfState.timeDelay;
        return copy_nested(&d.changeOfState.listOfValues, &s.changeOfState.listOfValues, nest);
    case 2:
        d.changeOfValue.timeDelay = s.changeOfValue.timeDelay;
        return copy_cov_criteria(&d.changeOfValue.covCriteria, &s.changeOfValue.covCriteria);
    case 3: d.commandFailure = s.commandFailure; return BACNAPI_S_OK;
    case 4: d.floatingLimit = s.floatingLimit; return BACNAPI_S_OK;
    case 5: d.outOfRange = s.outOfRange; return BACNAPI_S_OK;
    case 6: return BACNAPI_S_OK; // an alternative number without parameters
    case 7: d.bufferReady = s.bufferReady; return BACNAPI_S_OK;
    case 8: {
        d.changeOfLifeSafety.timeDelay = s.changeOfLifeSafety.timeDelay;
        int32_t status = copy_nested(&d.changeOfLifeSafety.listOfLifeSafetyAlarmValues,
                                    &s.changeOfLifeSafety.listOfLifeSafetyAlarmValues, nest);
        if (status != BACNAPI_S_OK) return status;
        status = copy_nested(&d.changeOfLifeSafety.listOfAlarmValues, &s.changeOfLifeSafety.listOfAlarmValues, nest);
        if (status != BACNAPI_S_OK) return status;
        d.changeOfLifeSafety.modePropertyReference = s.changeOfLifeSafety.modePropertyReference;
        return BACNAPI_S_OK;
    }
    case 9: d.extended = s.extended; return BACNAPI_S_OK;
    case 10: d.bufferReady2 = s.bufferReady2; return BACNAPI_S_OK;
    case 11: d.unsignedRange = s.unsignedRange; return BACNAPI_S_OK;
    default:
        // 999 (no alternative), negative and unknown numbers: the number is kept, nothing else.
        return BACNAPI_E_NOTSUPPORTED;
    }
}

int32_t copy_notification_parameters(BACnetNotificationParameters* dst, const BACnetNotificationParameters* src,
                                     NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetNotificationParameters(dst);
    std::memset(&dst->parameters, 0, sizeof(dst->parameters));
    dst->choice = src->choice;
    auto& d = dst->parameters;
    const auto& s = src->parameters;
    switch (src->choice) {
    case 0:
        copy_bits(&d.changeOfBitstring.referencedBitstring, &s.changeOfBitstring.referencedBitstring);
        return copy_bits(&d.changeOfBitstring.statusFlags, &s.changeOfBitstring.statusFlags);
    case 1:
        copy_bits(&d.changeOfState.statusFlags, &s.changeOfState.statusFlags);
        d.changeOfState.newState = s.changeOfState.newState;
        return BACNAPI_S_OK;
    case 2:
        copy_bits(&d.changeOfValue.statusFlags, &s.changeOfValue.statusFlags);
        return copy_changed_value(&d.changeOfValue.newValue, &s.changeOfValue.newValue);
    case 3: {
        copy_bits(&d.commandFailure.statusFlags, &s.commandFailure.statusFlags);
        const int32_t status = copy_nested(&d.commandFailure.commandValue, &s.commandFailure.commandValue, nest);
        if (status != BACNAPI_S_OK) return status;
        return copy_nested(&d.commandFailure.feedbackValue, &s.commandFailure.feedbackValue, nest);
    }
    case 4:
        copy_bits(&d.floatingLimit.statusFlags, &s.floatingLimit.statusFlags);
        d.floatingLimit.referenceValue = s.floatingLimit.referenceValue;
        d.floatingLimit.setpointValue = s.floatingLimit.setpointValue;
        d.floatingLimit.errorLimit = s.floatingLimit.errorLimit;
        return BACNAPI_S_OK;
    case 5:
        copy_bits(&d.outOfRange.statusFlags, &s.outOfRange.statusFlags);
        d.outOfRange.exceedingValue = s.outOfRange.exceedingValue;
        d.outOfRange.deadband = s.outOfRange.deadband;
        d.outOfRange.exceededLimit = s.outOfRange.exceededLimit;
        return BACNAPI_S_OK;
    case 6:
        return copy_nested(&d.complexEventType, &s.complexEventType, nest);
    case 7:
        d.bufferReady = s.bufferReady;
        return BACNAPI_S_OK;
    case 8:
        d.changeOfLifeSafety.newState = s.changeOfLifeSafety.newState;
        d.changeOfLifeSafety.newMode = s.changeOfLifeSafety.newMode;
        copy_bits(&d.changeOfLifeSafety.statusFlags, &s.changeOfLifeSafety.statusFlags);
        d.changeOfLifeSafety.operationExpected = s.changeOfLifeSafety.operationExpected;
        return BACNAPI_S_OK;
    case 9:
        d.extended.vendorId = s.extended.vendorId;
        d.extended.extendedEventType = s.extended.extendedEventType;
        d.extended.parametersChoice = s.extended.parametersChoice;
        // Only parameters alternative 8 holds a value (a BACnetDeviceObjectPropertyValue).
        if (s.extended.parametersChoice != 8) return BACNAPI_S_OK;
        return copy_owned(owned::kDeviceObjectPropertyValue, &d.extended.parameters.propertyValue,
                          &s.extended.parameters.propertyValue, nest);
    case 10:
        d.bufferReady2 = s.bufferReady2;
        return BACNAPI_S_OK;
    case 11:
        copy_bits(&d.unsignedRange.statusFlags, &s.unsignedRange.statusFlags);
        d.unsignedRange.exceedingValue = s.unsignedRange.exceedingValue;
        d.unsignedRange.exceededLimit = s.unsignedRange.exceededLimit;
        return BACNAPI_S_OK;
    default:
        return BACNAPI_S_OK; // an unknown alternative keeps only its number
    }
}

} // namespace bacnapi
