// Every case of the brace-text round-trip table also goes value -> JSON -> value, with names and
// with numbers: the value read back compares equal and writes the same brace text.
#include <bacnapi/bacnapi.h>

#include "support/release_value.h"
#include "walk/brace_round_trip.h"
#include "walk/round_trip_rows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bacnapi {
namespace {

std::string to_json(const BACnetDataType& value, uint32_t flags, int32_t* status)
{
    char* text = nullptr;
    *status = bacnapi_json_get(&text, &value, flags);
    std::string out = text ? text : "";
    bacnapi_free(text);
    return out;
}

// Reads json as type, then expects the same brace text, and a value equal to `original` where
// the comparison can tell (`comparable`: two brace readings of the case compare equal).
void expect_reads_back(const std::string& json, int32_t type, const BACnetDataType& original,
                       const std::string& brace, bool comparable)
{
    BACnetDataType back{};
    uint64_t offset = 0;
    const char* reason = nullptr;
    const int32_t status = bacnapi_json_set(&back, json.c_str(), type, &offset, &reason);
    EXPECT_EQ(status, 0) << "at " << offset << ": " << (reason ? reason : "") << " in " << json;
    if (status == 0) {
        if (comparable) {
            EXPECT_EQ(bacnapi_CompareBACnetDataType(&original, &back), 0) << json;
        }
        std::string again;
        EXPECT_EQ(brace_test::write_text(back, &again), 0);
        EXPECT_EQ(again, brace) << json;
    }
    release_value(&back);
}

// With BACNAPI_JSON_CASES naming a file, every JSON text written here is also kept there, one
// "TYPE<TAB>FLAGS<TAB>JSON" line each, for the check of each text against its type's schema
// (tests/json/validate_cases.py).
struct CaseFile {
    std::FILE* file = nullptr;
    CaseFile()
    {
        if (const char* path = std::getenv("BACNAPI_JSON_CASES")) file = std::fopen(path, "w");
    }
    ~CaseFile()
    {
        if (file) std::fclose(file);
    }
    void add(int32_t type, uint32_t flags, const std::string& json) const
    {
        if (file) std::fprintf(file, "%d\t%u\t%s\n", static_cast<int>(type), static_cast<unsigned>(flags), json.c_str());
    }
};

TEST(JsonRoundTrip, EveryBraceCaseReadsBackWithNamesAndWithNumbers)
{
    const CaseFile caseFile;
    size_t cases = 0, comparableCases = 0;
    for (const RoundTripRow& row : round_trip_rows()) {
        for (const std::string& brace : row.texts) {
            SCOPED_TRACE("type " + std::to_string(row.type) + ": " + brace);
            BACnetDataType value{}, twin{};
            ASSERT_EQ(bacnapi_asn1_string_set(&value, brace.c_str(), row.type), 0);
            ASSERT_EQ(bacnapi_asn1_string_set(&twin, brace.c_str(), row.type), 0);
            const bool comparable = bacnapi_CompareBACnetDataType(&value, &twin) == 0;
            comparableCases += comparable;
            release_value(&twin);
            for (uint32_t flags : {0u, BACNAPI_JSON_NAMES}) {
                int32_t status;
                const std::string json = to_json(value, flags, &status);
                ASSERT_EQ(status, 0) << json;
                caseFile.add(row.type, flags, json);
                expect_reads_back(json, -1, value, brace, comparable);
                // The bare value, without its envelope, reads as the given type.
                const std::string head = std::string("{\"type\":\"") + bacnapi_type_name(row.type) + "\",\"value\":";
                ASSERT_EQ(json.compare(0, head.size(), head), 0) << json;
                expect_reads_back(json.substr(head.size(), json.size() - head.size() - 1), row.type, value, brace, comparable);
                ++cases;
            }
            release_value(&value);
        }
    }
    EXPECT_GT(cases, 400u);
    EXPECT_GT(comparableCases, 100u);
}

} // namespace
} // namespace bacnapi
