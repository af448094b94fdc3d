// Helpers for brace-text tests of list and record types: text builders, a round trip, and the
// release of stand-alone values whose record clearing by type does not reach.
#pragma once

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bacnapi::brace_test {

// "{a,b,c}"
inline std::string braces(const std::vector<std::string>& fields)
{
    std::string out = "{";
    for (size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
    return out + "}";
}

// A list or run: every element in its own braces, "{{a},{b}}".
inline std::string list_text(const std::vector<std::string>& elements)
{
    std::vector<std::string> wrapped;
    for (const auto& e : elements) wrapped.push_back("{" + e + "}");
    return braces(wrapped);
}

// Releases a value. Clearing by type does not release the records of the run and service record
// types, so a stand-alone value of one of them has its record cleared and freed here, as a host
// would do.
inline void release(BACnetDataType* value)
{
    void* record = value->payload.record;
    switch (value->type) {
    case BACNAPI_TYPE_SequenceOfBACnetPropertyReference:
        bacnapi_ClearSequenceOfBACnetPropertyReference(static_cast<SequenceOfBACnetPropertyReference*>(record));
        break;
    case BACNAPI_TYPE_ReadAccessResultList:
        bacnapi_ClearSequenceOfBACnetReadAccessPropertyValue(static_cast<ReadAccessResultList*>(record));
        break;
    case BACNAPI_TYPE_ReadPropertyMultipleAck:
        bacnapi_ClearReadPropertyMultipleAck(static_cast<ReadPropertyMultipleAck*>(record));
        break;
    case BACNAPI_TYPE_BACnetServiceConfirmedEventNotificationRequest:
        bacnapi_ClearBACnetServiceConfirmedEventNotificationRequest(
            static_cast<BACnetServiceConfirmedEventNotificationRequest*>(record));
        break;
    default: bacnapi_ClearBACnetDataType(value); return;
    }
    bacnapi_free(record);
    *value = BACnetDataType{};
}

inline int32_t write_text(const BACnetDataType& value, std::string* out)
{
    char* text = nullptr;
    const int32_t status = bacnapi_asn1_string_get(&text, &value);
    *out = text ? text : "";
    bacnapi_free(text);
    return status;
}

// Parses canonical text as `type`, writes it (it must come back unchanged), parses that and
// writes again (byte-identical).
inline void expect_round_trip(int32_t type, const std::string& text)
{
    SCOPED_TRACE("type " + std::to_string(type) + ": " + text);
    BACnetDataType first{}, second{};
    std::string written, rewritten;
    EXPECT_EQ(bacnapi_asn1_string_set(&first, text.c_str(), type), 0);
    EXPECT_EQ(write_text(first, &written), 0);
    EXPECT_EQ(written, text);
    EXPECT_EQ(bacnapi_asn1_string_set(&second, written.c_str(), type), 0);
    EXPECT_EQ(write_text(second, &rewritten), 0);
    EXPECT_EQ(rewritten, written);
    release(&first);
    release(&second);
}

} // namespace bacnapi::brace_test
