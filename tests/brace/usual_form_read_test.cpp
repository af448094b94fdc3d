// Dates, times and bit strings in the form the writer gives them are read in one step; any other
// form takes the general scans. A field that starts with a digit reads the same with a blank in
// front of it (the scans skip leading blanks), and the blank keeps it off the one-step road, so
// both roads can be compared through the interface: the same status and reason, the same value.
#include "support/release_value.h"

#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Outcome {
    int32_t status;
    std::string reason;
    BACnetDataType value;
};

Outcome read(const std::string& text, int32_t type)
{
    Outcome out{0, "", {}};
    uint64_t offset = 0;
    const char* reason = nullptr;
    out.status = bacnapi_asn1_string_set_position(&out.value, text.c_str(), type, &offset, &reason);
    out.reason = reason ? reason : "";
    return out;
}

TEST(UsualFormRead, DatesAndTimesReadAsTheGeneralScansReadThem)
{
    // Each character of one field replaced in turn; the field's first character must stay a
    // digit for the blank to leave the general reading unchanged.
    const std::string base = "{05/17/2024,13:45 30.25}";
    struct Field {
        const char* what;
        size_t start;
        size_t length;
    };
    const Field fields[] = {{"date", 1, 10}, {"time", 12, 11}};
    const std::string replacements = "0479 /:.*,}{x-+";
    int oneStep = 0; // texts that read, the untouched usual ones among them
    for (const Field& f : fields) {
        SCOPED_TRACE(f.what);
        for (size_t i = f.start; i <= f.start + f.length; ++i) {
            for (const char c : replacements) {
                std::string text = base;
                if (i == f.start + f.length) text.insert(i, 1, c); // a character behind the field
                else if (text[i] == c) continue;
                else text[i] = c;
                if (text[f.start] < '0' || text[f.start] > '9') continue;
                std::string blanked = text;
                blanked.insert(f.start, 1, ' ');
                SCOPED_TRACE(text);
                Outcome direct = read(text, BACNAPI_TYPE_BACnetDateTime);
                Outcome general = read(blanked, BACNAPI_TYPE_BACnetDateTime);
                EXPECT_EQ(direct.status, general.status);
                EXPECT_EQ(direct.reason, general.reason);
                EXPECT_EQ(bacnapi_CompareBACnetDataType(&direct.value, &general.value), 0);
                if (direct.status == 0) ++oneStep;
                release_value(&direct.value);
                release_value(&general.value);
            }
        }
    }
    EXPECT_GT(oneStep, 20); // the comparison met texts that read
}

TEST(UsualFormRead, UnchangedDateAndTimeGiveTheirOctets)
{
    Outcome out = read("{05/17/2024,13:45 30.25}", BACNAPI_TYPE_BACnetDateTime);
    ASSERT_EQ(out.status, 0);
    const auto* dt = static_cast<const BACnetDateTime*>(out.value.payload.record);
    EXPECT_EQ(dt->date.month, 5);
    EXPECT_EQ(dt->date.day, 17);
    EXPECT_EQ(dt->date.year, 124);
    EXPECT_EQ(dt->date.dayOfWeek, 255);
    EXPECT_EQ(dt->time.hour, 13);
    EXPECT_EQ(dt->time.minute, 45);
    EXPECT_EQ(dt->time.second, 30);
    EXPECT_EQ(dt->time.hundredths, 25);
    release_value(&out.value);
}

TEST(UsualFormRead, BitStringsEndAtTheFirstCommaOrBrace)
{
    // The bits of a log record's status flags, then of a bit string alone: one bit per character
    // up to the first "," "}" or "{", "1" set and anything else clear.
    struct Case {
        std::string bits;
        std::string expected; // "" with ok false: the read fails
        bool ok;
    };
    const Case cases[] = {
        {"0100", "0100", true},   {"", "", true},         {"1", "1", true},       {"0000000011", "0000000011", true},
        {"01a1", "0101", true},   {"0 1", "001", true},   {"10*", "100", true},   {"1\t", "10", true},
        {"11{", "11", true},       {"2", "0", true},
        // Longer than the few flags looked at one by one.
        {std::string(100, '1') + "0", std::string(100, '1') + "0", true},
        {std::string(70, '0') + "a1", std::string(71, '0') + "1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::string record = "{{{{05/17/2024,13:45 30.25},{2,1.5}," + c.bits + "}}}";
        Outcome inRecord = read(record, BACNAPI_TYPE_ListOfBACnetLogRecord);
        ASSERT_EQ(inRecord.status == 0, c.ok);
        if (c.ok) {
            const auto* r =
                static_cast<const BACnetLogRecord*>(inRecord.value.payload.list->elements[0].payload.record);
            std::string got;
            for (uint64_t k = 0; k < r->statusFlags.bitCount; ++k) got += r->statusFlags.bits[k] ? '1' : '0';
            EXPECT_EQ(got, c.expected);
        }
        release_value(&inRecord.value);

        Outcome alone = read(c.bits, BACNAPI_TYPE_BitString);
        if (c.ok) {
            ASSERT_EQ(alone.status, 0);
            std::string got;
            for (uint64_t k = 0; k < alone.value.payload.bitString.bitCount; ++k)
                got += alone.value.payload.bitString.bits[k] ? '1' : '0';
            EXPECT_EQ(got, c.expected);
        }
        release_value(&alone.value);
    }
}

} // namespace
