// The JSON Schema export: statuses, the text it appends to, every type that brace text can read,
// and refused allocations. What the schemas accept and reject is checked against a JSON Schema
// validator by tests/json/schema_check.py.
#include "support/heap_watch.h"
#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// The schema of type as a string; the status goes to *status.
std::string schema(int32_t type, uint32_t flags, int32_t* status)
{
    char* text = nullptr;
    *status = bacnapi_json_schema(&text, type, flags);
    std::string out = text ? text : "";
    bacnapi_free(text);
    return out;
}

size_t occurrences(const std::string& text, const std::string& piece)
{
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(JsonSchema, RefusalsLeaveTheTextAsItWas)
{
    struct Case {
        int32_t type;
        uint32_t flags;
        int32_t status;
    };
    const Case cases[] = {
        {BACNAPI_TYPE_BACnetDateTime, 2u, BACNAPI_E_INVALIDARG},                 // unknown flag
        {BACNAPI_TYPE_BACnetDateTime, 0x80000000u, BACNAPI_E_INVALIDARG},
        {13, 0, BACNAPI_WALK_E_NODESCRIPTOR},                                    // unassigned code
        {-1, 0, BACNAPI_WALK_E_NODESCRIPTOR},
        {154, BACNAPI_JSON_NAMES, BACNAPI_WALK_E_NODESCRIPTOR},
        {BACNAPI_TYPE_BACnetConstructed, 0, BACNAPI_WALK_E_NODESCRIPTOR},        // no walk
        {BACNAPI_TYPE_BACnetError, 0, BACNAPI_WALK_E_REFUSED},                   // only inside a record
        {BACNAPI_TYPE_EventParameterOutOfRange, 0, BACNAPI_WALK_E_REFUSED},
    };
    for (const Case& c : cases) {
        char* text = static_cast<char*>(std::malloc(5));
        std::memcpy(text, "keep", 5);
        EXPECT_EQ(bacnapi_json_schema(&text, c.type, c.flags), c.status) << "type " << c.type;
        EXPECT_STREQ(text, "keep") << "type " << c.type;
        bacnapi_free(text);
    }
    EXPECT_EQ(bacnapi_json_schema(nullptr, BACNAPI_TYPE_Real, 0), BACNAPI_E_INVALIDARG);
}

TEST(JsonSchema, AppendsOneCompactDocumentTheSameEveryTime)
{
    int32_t status = 0;
    const std::string once = schema(BACNAPI_TYPE_BACnetCOVSubscription, BACNAPI_JSON_NAMES, &status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(schema(BACNAPI_TYPE_BACnetCOVSubscription, BACNAPI_JSON_NAMES, &status), once);
    EXPECT_EQ(once.find('\n'), std::string::npos);
    EXPECT_EQ(once.find("\": "), std::string::npos);
    EXPECT_EQ(once.rfind("{\"$schema\":\"https://json-schema.org/draft/2020-12/schema\"", 0), 0u);

    char* text = static_cast<char*>(std::malloc(7));
    std::memcpy(text, "before", 7);
    ASSERT_EQ(bacnapi_json_schema(&text, BACNAPI_TYPE_BACnetCOVSubscription, BACNAPI_JSON_NAMES), 0);
    EXPECT_EQ(std::string(text), "before" + once);
    bacnapi_free(text);
}

// The shapes come from the descriptors: each constructed type once in $defs, a choice as
// single-key alternatives, optional fields not required, names only when asked for.
TEST(JsonSchema, ShapesFollowTheDescriptors)
{
    struct Case {
        int32_t type;
        uint32_t flags;
        const char* piece;
        size_t count;
    };
    const Case cases[] = {
        // The recipient is reached through the recipient process and defined once.
        {BACNAPI_TYPE_BACnetCOVSubscription, 0, "\"BACnetRecipient\":{", 1},
        {BACNAPI_TYPE_BACnetCOVSubscription, 0, "{\"$ref\":\"#/$defs/BACnetRecipient\"}", 1},
        {BACNAPI_TYPE_BACnetCOVSubscription, 0,
         "\"required\":[\"recipient\",\"monitoredPropertyReference\",\"issueConfirmedNotifications\",\"timeRemaining\"]",
         1},
        {BACNAPI_TYPE_BACnetTimeStamp, 0,
         "\"BACnetTimeStamp\":{\"oneOf\":[{\"type\":\"object\",\"properties\":{\"time\":{\"$ref\":\"#/$defs/Time\"}},"
         "\"required\":[\"time\"],\"additionalProperties\":false}",
         1},
        // Two alternatives of the log datum share an identifier and take their member names.
        {BACNAPI_TYPE_BACnetLogRecord, 0, "\"logStatus\":", 1},
        {BACNAPI_TYPE_BACnetLogRecord, 0, "\"bitstringValue\":", 1},
        // A nested list may be empty (null).
        {BACNAPI_TYPE_BACnetDailySchedule, 0,
         "\"day-schedule\":{\"anyOf\":[{\"$ref\":\"#/$defs/ListOfBACnetTimeValue\"},{\"type\":\"null\"}]}", 1},
        // The value of a time value is one of the 13 application types, in the envelope (and the
        // top level is one more envelope).
        {BACNAPI_TYPE_BACnetTimeValue, 0, "\"type\":{\"enum\":[", 14},
        // A property value's value varies with the property: any envelope.
        {BACNAPI_TYPE_BACnetPropertyValue, 0, "\"value\":{\"$ref\":\"#/$defs/anyValue\"}", 1},
        {BACNAPI_TYPE_BACnetPropertyValue, BACNAPI_JSON_NAMES, "\"present-value\"", 1},
        {BACNAPI_TYPE_BACnetPropertyValue, 0, "\"present-value\"", 0},
        {BACNAPI_TYPE_ObjectIdentifier, BACNAPI_JSON_NAMES, "\"analog-input\"", 1},
        {BACNAPI_TYPE_ObjectIdentifier, 0, "\"analog-input\"", 0},
        // A record whose field is one of two alternatives requires exactly one of them.
        {BACNAPI_TYPE_ReadAccessPropertyValue, 0,
         "\"allOf\":[{\"oneOf\":[{\"required\":[\"propertyValue\"]},{\"required\":[\"propertyAccessError\"]}]}]", 1},
        {BACNAPI_TYPE_SequenceOfBACnetPropertyReference, 0,
         "\"SequenceOfBACnetPropertyReference\":{\"type\":\"array\",\"items\":{\"$ref\":\"#/$defs/"
         "BACnetPropertyReference\"}}",
         1},
    };
    for (const Case& c : cases) {
        int32_t status = 0;
        const std::string text = schema(c.type, c.flags, &status);
        ASSERT_EQ(status, 0) << "type " << c.type;
        EXPECT_EQ(occurrences(text, c.piece), c.count) << "type " << c.type << ": " << c.piece;
    }
}

// Brace text can read a type exactly when it is a destination of its own; each such type has a
// schema, and walking it for the schema leaves nothing behind (the sanitizer builds check that).
TEST(JsonSchema, EveryTypeThatBraceTextReadsHasOne)
{
    int described = 0;
    for (int32_t type = 0; type <= 153; ++type) {
        BACnetDataType value{};
        const int32_t brace = bacnapi_asn1_string_set(&value, "", type);
        release_value(&value);
        if (brace != BACNAPI_S_OK && brace != BACNAPI_E_FAIL) continue;
        int32_t status = 0;
        const std::string text = schema(type, BACNAPI_JSON_NAMES, &status);
        EXPECT_EQ(status, 0) << "type " << type;
        EXPECT_NE(text.find(std::string("\"title\":\"") + bacnapi_type_name(type) + "\""), std::string::npos);
        ++described;
    }
    EXPECT_GT(described, 90);
}

// The export keeps no state: threads asking at once get the schema one thread gets alone (and the
// ThreadSanitizer run of the *Threads* tests sees no race).
TEST(JsonSchema, ThreadsGetTheSameSchemas)
{
    const int32_t types[] = {BACNAPI_TYPE_BACnetEventParameter, BACNAPI_TYPE_BACnetLogRecord,
                             BACNAPI_TYPE_ReadAccessResultList, BACNAPI_TYPE_ObjectIdentifier};
    std::vector<std::string> alone;
    for (int32_t type : types) {
        int32_t status = 0;
        alone.push_back(schema(type, BACNAPI_JSON_NAMES, &status));
        ASSERT_EQ(status, 0);
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                const size_t i = static_cast<size_t>(round + t) % std::size(types);
                int32_t status = 0;
                if (schema(types[i], BACNAPI_JSON_NAMES, &status) != alone[i] || status != 0) ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 4; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

TEST(JsonSchema, RefusedAllocationsFailCleanly)
{
    if (!heap_watch::active()) GTEST_SKIP() << "allocation refusal needs the heap watch";
    const int32_t types[] = {BACNAPI_TYPE_BACnetNotificationParameters, BACNAPI_TYPE_ReadAccessResultList,
                             BACNAPI_TYPE_BACnetCOVSubscription};
    for (int32_t type : types) {
        int32_t status = 0;
        const std::string whole = schema(type, 0, &status);
        ASSERT_EQ(status, 0);
        const long baseline = heap_watch::live_blocks();
        bool completed = false;
        for (long k = 0; !completed && k < 100000; ++k) {
            char* text = nullptr;
            heap_watch::refuse_after(k);
            status = bacnapi_json_schema(&text, type, 0);
            const bool refused = heap_watch::disarm();
            // A refusal may hit a walk whose result is not used; whatever succeeds is whole.
            if (status == 0) {
                const std::string got = text ? text : "";
                const size_t at = std::mismatch(got.begin(), got.end(), whole.begin(), whole.end()).first - got.begin();
                EXPECT_EQ(at, whole.size()) << "type " << type << ", allocation " << k << ": "
                                            << got.substr(at < 40 ? 0 : at - 40, 120);
            } else {
                EXPECT_TRUE(refused) << "allocation " << k;
                EXPECT_EQ(text, nullptr) << "allocation " << k;
            }
            completed = !refused;
            bacnapi_free(text);
            const long live = heap_watch::live_blocks();
            EXPECT_EQ(live, baseline) << "type " << type << ", allocation " << k;
            if (live != baseline) break; // later counts would only repeat this failure
        }
        EXPECT_TRUE(completed) << "type " << type;
    }
}

} // namespace
