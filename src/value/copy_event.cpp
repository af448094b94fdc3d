// The two exported copies of the event notification request record (the record of the Confirmed
// and Unconfirmed EventNotification services). The record is copied member by member, as its
// ownership table says (records/owned_records.h): a copy that fails part way leaves the members
// before the failing one copied and those after it as they were.
#include "records/owned_records.h"
#include "value/copy_internal.h"
#include "value/value_internal.h"

#include <cstring>

namespace bacnapi {
namespace {

// Any failure, a value nested too deep included, is BACNAPI_E_FAIL.
int32_t copy_event_notification(BACnetServiceConfirmedEventNotificationRequest* dst,
                                const BACnetServiceConfirmedEventNotificationRequest* src)
{
    NestingScope nest;
    const int32_t status = copy_members(owned::kEventNotification, dst, src, nest);
    return status == BACNAPI_S_OK && !nest.exceeded ? BACNAPI_S_OK : BACNAPI_E_FAIL;
}

} // namespace
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

extern "C" int32_t
bacnapi_CopyBACnetServiceEventNotificationRequest(BACnetServiceConfirmedEventNotificationRequest* dest,
                                                  const BACnetServiceConfirmedEventNotificationRequest* source)
{
    if (dest == nullptr || source == nullptr) return BACNAPI_E_FAIL;
    if (dest == source) return BACNAPI_S_OK;
    bacnapi_ClearConfirmedEventNotificationRequest(dest);
    return bacnapi::copy_event_notification(dest, source);
}
