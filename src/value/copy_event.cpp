// Copy of the event notification request record (the record of the Confirmed and Unconfirmed
// EventNotification services), its two exported entry points, and the event-log record whose
// notification alternative holds one. The selector of an event-log record is written before an
// alternative that owns storage is filled, so that a failure part way leaves a record whose
// selector names what the union holds (and which its Clear therefore releases correctly).
#include "records/owned_records.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstring>

namespace bacnapi {

int32_t copy_event_notification_fields(BACnetServiceConfirmedEventNotificationRequest* dst,
                                       const BACnetServiceConfirmedEventNotificationRequest* src, NestingScope& nest)
{
    // Field order matters to callers: after a failure the fields before the failing one are
    // already in the destination.
    dst->ackRequired = src->ackRequired;
    dst->eventObjectIdentifier = src->eventObjectIdentifier;
    dst->eventType = src->eventType;
    int32_t status = copy_owned(owned::kNotificationParameters, &dst->eventValues, &src->eventValues, nest);
    if (status != BACNAPI_S_OK) return status;
    dst->fromState = src->fromState;
    dst->initiatingDeviceIdentifier = src->initiatingDeviceIdentifier;
    status = copy_characters(&dst->messageText, &src->messageText);
    if (status != BACNAPI_S_OK) return status;
    dst->notificationClass = src->notificationClass;
    dst->notifyType = src->notifyType;
    dst->priority = src->priority;
    dst->processIdentifier = src->processIdentifier;
    dst->timestamp = src->timestamp;
    dst->toState = src->toState;
    return BACNAPI_S_OK;
}

// The exported copies: any failure, a value nested too deep included, is BACNAPI_E_FAIL.
int32_t copy_event_notification(BACnetServiceConfirmedEventNotificationRequest* dst,
                                const BACnetServiceConfirmedEventNotificationRequest* src)
{
    NestingScope nest;
    const int32_t status = copy_event_notification_fields(dst, src, nest);
    return status == BACNAPI_S_OK && !nest.exceeded ? BACNAPI_S_OK : BACNAPI_E_FAIL;
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

} // namespace bacnapi

extern "C" int32_t bacnapi_copy_event_notification_request(BACnetServiceConfirmedEventNotificationRequest* dest,
                                                           const BACnetServiceConfirmedEventNotificationRequest* source)
{
    if (dest == nullptr || source == nullptr) return BACNAPI_E_FAIL;
    if (dest == source) return BACNAPI_S_OK;
    // The destination is taken to be empty: it is zero-filled, not released.
    std::memset(dest, 0, sizeof(*dest));
    return bacnapi::copy_event_notification(dest, source);
}

extern "C" int32_t bacnapi_CopyBACnetServiceEventNotificationRequest(
    BACnetServiceConfirmedEventNotificationRequest* dest, const BACnetServiceConfirmedEventNotificationRequest* source)
{
    if (dest == nullptr || source == nullptr) return BACNAPI_E_FAIL;
    if (dest == source) return BACNAPI_S_OK;
    bacnapi_ClearConfirmedEventNotificationRequest(dest);
    return bacnapi::copy_event_notification(dest, source);
}
