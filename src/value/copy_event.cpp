// Copy of the event notification request record (the record of the Confirmed and Unconfirmed
// EventNotification services), and its two exported entry points.
#include "copy_internal.h"
#include "value_internal.h"

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
    int32_t status = copy_notification_parameters(&dst->eventValues, &src->eventValues, nest);
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
