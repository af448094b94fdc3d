// Releases a value the way a host must: values of the run and service-record codes (91, 150, 151,
// 152) that the brace-text reader gave a record keep that record through a clear, so it is
// released with the record's own Clear and freed first.
#pragma once

#include <bacnapi/bacnapi.h>

#include <cstdlib>

inline void release_value(BACnetDataType* value)
{
    if (value != nullptr && value->payload.record != nullptr) {
        void* record = value->payload.record;
        switch (value->type) {
        case BACNAPI_TYPE_SequenceOfBACnetPropertyReference:
            bacnapi_ClearSequenceOfBACnetPropertyReference(static_cast<SequenceOfBACnetPropertyReference*>(record));
            std::free(record);
            break;
        case BACNAPI_TYPE_ReadAccessResultList:
            bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(static_cast<ReadAccessResultList*>(record));
            std::free(record);
            break;
        case BACNAPI_TYPE_ReadPropertyMultipleAck:
            bacnapi_ClearReadPropertyMultipleAck(static_cast<ReadPropertyMultipleAck*>(record));
            std::free(record);
            break;
        case BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest:
            bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(
                static_cast<BACnetServiceConfirmedEventNotificationRequest*>(record));
            std::free(record);
            break;
        default: break;
        }
    }
    bacnapi_ClearBACnetDataType(value);
}
