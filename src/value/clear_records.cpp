// The Clear operations of the production records that hold strings and nested values in plain
// members (no choice between alternatives): each releases what the record owns, in the caller's
// memory, and leaves the record as the comment of each group says. Null records are ignored.
#include "value/clear_internal.h"
#include "value/value_internal.h"

#include <cstdlib>
#include <cstring>

using bacnapi::zero_record;

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

namespace bacnapi {

// The leading member goes back to its "absent" mark, as in a fresh record.
int32_t clear_parts(BACnetConstructed* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    record->leadingField = BACNAPI_ARRAY_INDEX_ABSENT;
    clear_nested(&record->value, scope);
    return BACNAPI_S_OK;
}

// The time is kept; only the value goes.
int32_t clear_parts(BACnetTimeValue* record, ClearScope& scope)
{
    if (record != nullptr) clear_nested(&record->value, scope);
    return BACNAPI_S_OK;
}

// The identifiers and the priority are kept; only the value goes.
int32_t clear_parts(BACnetObjectPropertyValue* record, ClearScope& scope)
{
    if (record != nullptr) clear_nested(&record->value, scope);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetActionCommand* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->propertyValue, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetDeviceObjectPropertyValue* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->value, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetPropertyValue* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->value, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetSelectionCriteria* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->comparisonValue, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetDailySchedule* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->daySchedule, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(BACnetActionList* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->action, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

int32_t clear_parts(WriteAccessSpecification* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->listOfProperties, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

// Both nested values: the list of time values and the second value held after it.
int32_t clear_parts(BACnetSpecialEvent* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    clear_nested(&record->listOfTimeValues, scope);
    clear_nested(&record->extraValue, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

} // namespace bacnapi

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

namespace bacnapi {

int32_t clear_parts(EventSummaryElement* record, ClearScope& scope)
{
    if (record == nullptr) return BACNAPI_S_OK;
    bacnapi_ClearBitString(&record->acknowledgedTransitions);
    bacnapi_ClearBitString(&record->eventEnable);
    clear_nested(&record->eventTimeStamps, scope);
    clear_nested(&record->eventPriorities, scope);
    zero_record(record);
    return BACNAPI_S_OK;
}

} // namespace bacnapi

// ---- The exported forms: each runs its record's Clear as one whole operation ----

BACNAPI_API int32_t bacnapi_ClearBACnetConstructed(BACnetConstructed* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetTimeValue(BACnetTimeValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetObjectPropertyValue(BACnetObjectPropertyValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetActionCommand(BACnetActionCommand* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetDeviceObjectPropertyValue(BACnetDeviceObjectPropertyValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetPropertyValue(BACnetPropertyValue* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetSelectionCriteria(BACnetSelectionCriteria* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetDailySchedule(BACnetDailySchedule* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetActionList(BACnetActionList* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearWriteAccessSpecification(WriteAccessSpecification* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetSpecialEvent(BACnetSpecialEvent* record)
{
    return bacnapi::clear_scoped(record);
}

BACNAPI_API int32_t bacnapi_ClearBACnetEventSummaryElement(EventSummaryElement* record)
{
    return bacnapi::clear_scoped(record);
}
