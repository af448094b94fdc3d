// The Clear operations of the production records that hold strings and nested values in plain
// members (no choice between alternatives): each releases what the record owns, in the caller's
// memory, and leaves the record as the comment of each group says. Null records are ignored.
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

using bacnapi::zero_record;

extern "C" {

// ---- String records: release the buffer, zero the record ----

BACNAPI_API int32_t bacnapi_ClearBitString(BACnetBitString* bits)
{
    if (bits == nullptr) return BACNAPI_S_OK;
    std::free(bits->bits);
    zero_record(bits);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearOctet(BACnetOctetString* octets)
{
    if (octets == nullptr) return BACNAPI_S_OK;
    std::free(octets->data);
    zero_record(octets);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBuffer(BACnetByteBuffer* buffer)
{
    if (buffer == nullptr) return BACNAPI_S_OK;
    std::free(buffer->data);
    zero_record(buffer);
    return BACNAPI_S_OK;
}

// ---- Records that own nothing: zero-filled ----

BACNAPI_API int32_t bacnapi_ClearBACnetAddress(BACnetAddress* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetRecipient(BACnetRecipient* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetRecipientProcess(BACnetRecipientProcess* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetCOVSubscription(BACnetCOVSubscription* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearEnrolmentSummaryAckElement(EnrolmentSummaryAckElement* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetAccumulatorRecord(BACnetAccumulatorRecord* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetAddressBinding(BACnetAddressBinding* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

// Two-word records: both 32-bit members become 0.
BACNAPI_API int32_t bacnapi_ClearDateTime(BACnetDateTime* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetPrescale(BACnetPrescale* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetPropertyStates(BACnetPropertyStates* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetScale(BACnetScale* record)
{
    if (record != nullptr) zero_record(record);
    return BACNAPI_S_OK;
}

// ---- Records with one nested value ----

// The leading member goes back to its "absent" mark, as in a fresh record.
BACNAPI_API int32_t bacnapi_ClearBACnetConstructed(BACnetConstructed* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    record->leadingField = BACNAPI_ARRAY_INDEX_ABSENT;
    bacnapi::clear_value(&record->value);
    return BACNAPI_S_OK;
}

// The time is kept; only the value goes.
BACNAPI_API int32_t bacnapi_ClearBACnetTimeValue(BACnetTimeValue* record)
{
    if (record != nullptr) bacnapi::clear_value(&record->value);
    return BACNAPI_S_OK;
}

// The identifiers and the priority are kept; only the value goes.
BACNAPI_API int32_t bacnapi_ClearBACnetObjectPropertyValue(BACnetObjectPropertyValue* record)
{
    if (record != nullptr) bacnapi::clear_value(&record->value);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetActionCommand(BACnetActionCommand* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->propertyValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetDeviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->value);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetPropertyValue(BACnetPropertyValue* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->value);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetSelectionCriteria(BACnetSelectionCriteria* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->comparisonValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetDailySchedule(BACnetDailySchedule* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->daySchedule);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetActionList(BACnetActionList* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->action);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearWriteAccessSpecification(WriteAccessSpecification* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->listOfProperties);
    zero_record(record);
    return BACNAPI_S_OK;
}

// Both nested values: the list of time values and the second value held after it.
BACNAPI_API int32_t bacnapi_ClearBACnetSpecialEvent(BACnetSpecialEvent* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi::clear_value(&record->listOfTimeValues);
    bacnapi::clear_value(&record->extraValue);
    zero_record(record);
    return BACNAPI_S_OK;
}

// ---- Records with string members ----

BACNAPI_API int32_t bacnapi_ClearBACnetSessionKey(BACnetSessionKey* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearOctet(&record->sessionKey);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearAlarmSummaryAckElement(AlarmSummaryAckElement* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->acknowledgedTransitions);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetDestination(BACnetDestination* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->validDays);
    bacnapi_ClearBitString(&record->transitions);
    zero_record(record);
    return BACNAPI_S_OK;
}

BACNAPI_API int32_t bacnapi_ClearBACnetEventSummaryElement(EventSummaryElement* record)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->acknowledgedTransitions);
    bacnapi_ClearBitString(&record->eventEnable);
    bacnapi::clear_value(&record->eventTimeStamps);
    bacnapi::clear_value(&record->eventPriorities);
    zero_record(record);
    return BACNAPI_S_OK;
}

} // extern "C"
