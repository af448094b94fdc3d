// The Clear operations of records that hold a choice: only the alternative that the record's
// selector names is read and released, since the members of the other alternatives overlay it.
#include "value/clear_internal.h"
#include "value/value_internal.h"

#include <cstring>

using bacnapi::zero_record;

namespace {

// Selector of BACnetEventParameter when it holds no alternative.
constexpr int32_t kNoEventParameter = 999;

} // namespace

namespace bacnapi {

int32_t clear_parts(BACnetPriorityValue* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    if (record->kind == 5) clear_nested(&record->value.constructedValue, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(ReadAccessPropertyValue* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    if (record->choice == 0) clear_nested(&record->result.propertyValue, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

// The status flags always; of the datum, log-status (0) and bitstring-value (6) own bits and
// any-value (10) a nested value.
int32_t clear_parts(BACnetLogRecord* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->statusFlags);
    switch (record->logDatumChoice) {
    case 0: bacnapi_ClearBitString(&record->logDatum.logStatus); break;
    case 6: bacnapi_ClearBitString(&record->logDatum.bitstringValue); break;
    case 10: clear_nested(&record->logDatum.anyValue, scope); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

// A notification datum (1) owns its message text and its event values.
int32_t clear_parts(BACnetEventLogRecord* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->logDatumChoice) {
    case 0: bacnapi_ClearBitString(&record->logDatum.logStatus); break;
    case 1: clear_parts(&record->logDatum.notification, scope); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetLogData* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->choice) {
    case 0: bacnapi_ClearBitString(&record->value.logStatus); break;
    case 1: clear_nested(&record->value.logData, scope); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetLogMultipleRecord* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_parts(&record->logData, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetLogDataElement* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    switch (record->choice) {
    case 5: bacnapi_ClearBitString(&record->value.bitstringValue); break;
    case 8: clear_nested(&record->value.anyValue, scope); break;
    default: break;
    }
    zero_record(record);
    return BACNAPI_S_OK;
}

// Leaves the record zero-filled with the "no alternative" selector, as a fresh one.
int32_t clear_parts(BACnetEventParameter* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    auto& p = record->parameters;
    switch (record->choice) {
    case 0: // change-of-bitstring
        bacnapi_ClearBitString(&p.changeOfBitstring.bitmask);
        clear_nested(&p.changeOfBitstring.listOfBitstringValues, scope);
        break;
    case 1: // change-of-state
        clear_nested(&p.changeOfState.listOfValues, scope);
        break;
    case 2: // change-of-value: only the bitmask criterion owns bits
        if (p.changeOfValue.covCriteria.choice == 0) bacnapi_ClearBitString(&p.changeOfValue.covCriteria.value.bitmask);
        break;
    case 8: // change-of-life-safety
        clear_nested(&p.changeOfLifeSafety.listOfLifeSafetyAlarmValues, scope);
        clear_nested(&p.changeOfLifeSafety.listOfAlarmValues, scope);
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
int32_t clear_parts(BACnetNotificationParameters* record, ClearScope& scope)
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
        clear_nested(&p.commandFailure.commandValue, scope);
        clear_nested(&p.commandFailure.feedbackValue, scope);
        bacnapi_ClearBitString(&p.commandFailure.statusFlags);
        break;
    case 4: bacnapi_ClearBitString(&p.floatingLimit.statusFlags); break;
    case 5: bacnapi_ClearBitString(&p.outOfRange.statusFlags); break;
    case 6: clear_nested(&p.complexEventType, scope); break;
    case 8: bacnapi_ClearBitString(&p.changeOfLifeSafety.statusFlags); break;
    case 9: // extended: only the property-value parameter owns anything
        if (p.extended.parametersChoice == 8) clear_parts(&p.extended.parameters.propertyValue, scope);
        break;
    case 11: bacnapi_ClearBitString(&p.unsignedRange.statusFlags); break;
    default: // 7 and 10 (buffer-ready) own nothing; unknown selectors are not read
        break;
    }
    return BACNAPI_S_OK;
}

} // namespace bacnapi

// ---- The exported forms: each runs its record's Clear as one whole operation ----

BACNAPI_API int32_t bacnapi_ClearBACnetPriorityValue(BACnetPriorityValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearReadAccessPropertyValue(ReadAccessPropertyValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogRecord(BACnetLogRecord* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetEventLogRecord(BACnetEventLogRecord* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogData(BACnetLogData* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogMultipleRecord(BACnetLogMultipleRecord* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetLogDataElement(BACnetLogDataElement* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetEventParameter(BACnetEventParameter* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetNotificationParameters(BACnetNotificationParameters* record)
{
    return bacnapi::clear_scoped(record);
}
