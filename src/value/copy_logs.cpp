// Record copies of the trend-log and event-log records (codes 37, 116, 117, 118, 119). Each is
// a choice whose alternative lives in a union; the selector is written before an alternative
// that owns storage is filled, so that a failure part way leaves a record whose selector names
// what the union holds (and which its Clear therefore releases correctly).
#include "copy_internal.h"
#include "value_internal.h"

#include <cstring>

namespace bacnapi {

int32_t copy_log_record(BACnetLogRecord* dst, const BACnetLogRecord* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetLogRecord(dst);
    const int32_t choice = src->logDatumChoice;
    switch (choice) {
    case 0: // log-status
        dst->logDatumChoice = choice;
        copy_bits(&dst->logDatum.logStatus, &src->logDatum.logStatus);
        break;
    case 6: // bitstring-value
        dst->logDatumChoice = choice;
        copy_bits(&dst->logDatum.bitstringValue, &src->logDatum.bitstringValue);
        break;
    case 1:
        dst->logDatum.booleanValue = src->logDatum.booleanValue;
        break;
    case 2: case 3: case 4: case 5: case 7: case 9: // real, enum, unsigned, signed, null, time-change
        std::memcpy(&dst->logDatum, &src->logDatum, 4);
        break;
    case 8:
        dst->logDatum.failure = src->logDatum.failure;
        break;
    case 10: { // any-value
        dst->logDatumChoice = choice;
        const int32_t status = copy_nested(&dst->logDatum.anyValue, &src->logDatum.anyValue, nest);
        if (status != BACNAPI_S_OK) return status;
        break;
    }
    default:
        return BACNAPI_E_INVALIDARG;
    }
    dst->logDatumChoice = choice;
    dst->timestamp = src->timestamp;
    copy_bits(&dst->statusFlags, &src->statusFlags);
    return BACNAPI_S_OK;
}

int32_t copy_event_log_record(BACnetEventLogRecord* dst, const BACnetEventLogRecord* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetEventLogRecord(dst);
    const int32_t choice = src->logDatumChoice;
    switch (choice) {
    case 0: // log-status
        dst->logDatumChoice = choice;
        copy_bits(&dst->logDatum.logStatus, &src->logDatum.logStatus);
        break;
    case 1: { // notification
        dst->logDatumChoice = choice;
        std::memset(&dst->logDatum.notification, 0, sizeof(dst->logDatum.notification));
        const int32_t status = copy_event_notification_fields(&dst->logDatum.notification,
                                                              &src->logDatum.notification, nest);
        if (status != BACNAPI_S_OK) return status;
        break;
    }
    case 2: // time-change
        dst->logDatum.timeChange = src->logDatum.timeChange;
        break;
    default:
        return BACNAPI_E_INVALIDARG;
    }
    dst->logDatumChoice = choice;
    dst->timestamp = src->timestamp;
    return BACNAPI_S_OK;
}

int32_t copy_log_data(BACnetLogData* dst, const BACnetLogData* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetLogData(dst);
    dst->choice = src->choice;
    switch (src->choice) {
    case 0: copy_bits(&dst->value.logStatus, &src->value.logStatus); break;
    case 1: return copy_nested(&dst->value.logData, &src->value.logData, nest);
    case 2: dst->value.timeChange = src->value.timeChange; break;
    default: break; // an unknown alternative keeps only its number
    }
    return BACNAPI_S_OK;
}

int32_t copy_log_multiple_record(BACnetLogMultipleRecord* dst, const BACnetLogMultipleRecord* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetLogMultipleRecord(dst);
    dst->timestamp = src->timestamp;
    return copy_log_data(&dst->logData, &src->logData, nest);
}

int32_t copy_log_data_element(BACnetLogDataElement* dst, const BACnetLogDataElement* src, NestingScope& nest)
{
    if (dst == nullptr || src == nullptr) return BACNAPI_E_INVALIDARG;
    if (dst == src) return BACNAPI_S_OK;
    bacnapi_ClearBACnetLogDataElement(dst);
    const int32_t choice = src->choice;
    switch (choice) {
    case 0:
        dst->value.booleanValue = src->value.booleanValue;
        break;
    case 1: case 2: case 3: case 4: case 6: // real, enum, unsigned, signed, null
        std::memcpy(&dst->value, &src->value, 4);
        break;
    case 5: // bitstring-value
        dst->choice = choice;
        copy_bits(&dst->value.bitstringValue, &src->value.bitstringValue);
        break;
    case 7:
        dst->value.failure = src->value.failure;
        break;
    case 8: { // any-value
        dst->choice = choice;
        const int32_t status = copy_nested(&dst->value.anyValue, &src->value.anyValue, nest);
        if (status != BACNAPI_S_OK) return status;
        break;
    }
    default:
        return BACNAPI_E_INVALIDARG;
    }
    dst->choice = choice;
    return BACNAPI_S_OK;
}

} // namespace bacnapi
