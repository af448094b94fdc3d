// The Clear operations of records that hold a choice: only the alternative that the record's
// selector names is read and released, since the members of the other alternatives overlay it.
#include "value/value_internal.h"

#include <cstring>

using bacnapi::zero_record;

namespace {

// Selector of BACnetEventParameter when it holds no alternative.
constexpr int32_t kNoEventParameter = 999;

} // namespace

extern "C" {

BACNAPI_API int32_t bacnapi_ClearBACnetPriorityValue(BACnetPriorityValue* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    if (record->kind == 5) bacnapi::clear_value(&record->value.constructedValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearReadAccessPropertyValue(ReadAccessPropertyValue* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    if (record->choice == 0) bacnapi::clear_value(&record->result.propertyValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

// The status flags always; of the datum, log-status (0) and bitstring-value (6) own bits and
// any-value (10) a nested value.
BACNAPI_API int32_t bacnapi_ClearBACnetLogRecord(BACnetLogRecord* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->statusFlags);
    switch (record->logDatumChoice) {
    case 0: bacnapi_ClearBitString(&record->logDatum.logStatus); break;
    case 6: bacnapi_ClearBitString(&record->logDatum.bitstringValue); break;
    case 10: bacnapi::clear_value(&record->logDatum.anyValue); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

// A notification datum (1) owns its message text and its event values.
BACNAPI_API int32_t bacnapi_ClearBACnetEventLogRecord(BACnetEventLogRecord* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->logDatumChoice) {
    case 0: bacnapi_ClearBitString(&record->logDatum.logStatus); break;
    case 1: bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(&record->logDatum.notification); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogData(BACnetLogData* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->choice) {
    case 0: bacnapi_ClearBitString(&record->value.logStatus); break;
    case 1: bacnapi::clear_value(&record->value.logData); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogMultipleRecord(BACnetLogMultipleRecord* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBACnetLogData(&record->logData);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogDataElement(BACnetLogDataElement* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->choice) {
    case 5: bacnapi_ClearBitString(&record->value.bitstringValue); break;
    case 8: bacnapi::clear_value(&record->value.anyValue); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

// Leaves the record zero-filled with the "no alternative" selector, as a fresh one.
BACNAPI_API int32_t bacnapi_ClearBACnetEventParameter(BACnetEventParameter* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    auto& p = record->parameters;
    switch (record->choice) {
    case 0: // change-of-bitstring
        bacnapi_ClearBitString(&p.changeOfBitstring.bitmask);
        bacnapi::clear_value(&p.changeOfBitstring.listOfBitstringValues);
        break;
    case 1: // change-of-state
        bacnapi::clear_value(&p.changeOfState.listOfValues);
        break;
    case 2: // change-of-value: only the bitmask criterion owns bits
        if (p.changeOfValue.covCriteria.choice == 0) bacnapi_ClearBitString(&p.changeOfValue.covCriteria.value.bitmask);
        break;
    case 8: // change-of-life-safety
        bacnapi::clear_value(&p.changeOfLifeSafety.listOfLifeSafetyAlarmValues);
        bacnapi::clear_value(&p.changeOfLifeSafety.listOfAlarmValues);
        break;
    default:
        break;
    }
    zero_record(record);
    record->choice = kNoEventParameter;
    return BACNAPI_S_OK;
}

// Unlike the other records this one is not zero-filled: the selector and the plain members of
// the alternative stay, and only what was released (strings, nested values) is left empty.
BACNAPI_API int32_t bacnapi_ClearBACnetNotificationParameters(BACnetNotificationParameters* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    auto& p = record->parameters;
    switch (record->choice) {
    case 0: // change-of-bitstring
        bacnapi_ClearBitString(&p.changeOfBitstring.referencedBitstring);
        bacnapi_ClearBitString(&p.changeOfBitstring.statusFlags);
        break;
    case 1: // change-of-state
        bacnapi_ClearBitString(&p.changeOfState.statusFlags);
        zero_record(&p.changeOfState.newState);
        break;
    case 2: // change-of-value
        if (p.changeOfValue.newValue.choice == 0) bacnapi_ClearBitString(&p.changeOfValue.newValue.value.changedBits);
        bacnapi_ClearBitString(&p.changeOfValue.statusFlags);
        break;
    case 3: // command-failure
        bacnapi::clear_value(&p.commandFailure.commandValue);
        bacnapi::clear_value(&p.commandFailure.feedbackValue);
        bacnapi_ClearBitString(&p.commandFailure.statusFlags);
        break;
    case 4: bacnapi_ClearBitString(&p.floatingLimit.statusFlags); break;
    case 5: bacnapi_ClearBitString(&p.outOfRange.statusFlags); break;
    case 6: bacnapi::clear_value(&p.complexEventType); break;
    case 8: bacnapi_ClearBitString(&p.changeOfLifeSafety.statusFlags); break;
    case 9: // extended: only the property-value parameter owns anything
        if (p.extended.parametersChoice == 8) bacnapi_ClearBACnetDeviceObjectPropertyValue(&p.extended.parameters.propertyValue);
        break;
    case 11: bacnapi_ClearBitString(&p.unsignedRange.statusFlags); break;
    default: // 7 and 10 (buffer-ready) own nothing; unknown selectors are not read
        break;
    }
    return BACNAPI_S_OK;
}

} // extern "C"
