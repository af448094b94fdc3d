// Brace-text round trips over every type code that has a walk function: one table keyed by type
// code, with every alternative of every choice, optional fields present and absent, lists and
// typed runs of none, one and several elements, and nested and Wrapped values whose types are
// looked up. Types that cannot stand alone are reached through the values that hold them.
#include <bacnapi/bacnapi.h>

#include "walk/walk.h"

#include "walk/brace_round_trip.h"
#include "walk/round_trip_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace bacnapi {
namespace {

using namespace bacnapi::brace_test;
using Texts = std::vector<std::string>;

const std::string kDateTime = "{05/17/2024,13:45 30.25}";
const std::string kCommand1 = "{8,-1,0,1,85,-1,21.500000,8,0,0,1}"; // optional fields absent
const std::string kCommand2 = "{8,1234,2,3,85,-1,-1.250000,16,100,1,0}";
const std::string kOutOfRange = "{5,{30.000000,1000,1.000000,25.000000}}";

std::string notification(const std::string& eventValues)
{
    return "{1,8,1234,0,1,{1,42},5,100,5,High temp,0,1,0,3," + eventValues + "}";
}

// "{}", one element, every element.
Texts lists(const Texts& elements)
{
    return {"{}", list_text({elements.front()}), list_text(elements)};
}

// One text per application type code, from its number and a literal of that type.
Texts per_application_type(const std::function<std::string(const std::string&, const std::string&)>& text)
{
    static const char* const literals[] = {"null", "1",    "7",   "-5",         "1.500000",    "2.250000", "0A0B",
                                           "Setpoint", "101", "3", "05/17/2024", "13:45 30.25", "8,1"};
    Texts out;
    for (int type = 0; type <= 12; ++type) out.push_back(text(std::to_string(type), literals[type]));
    return out;
}

Texts operator+(Texts a, const Texts& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Row {
    int32_t type;
    Texts texts;
};

std::vector<Row> build_rows()
{
    Texts logRecords, propertyStates;
    const char* const datums[] = {"{0,0110}", "{1,1}",  "{2,1.500000}", "{3,4}",      "{4,40000}",
                                  "{5,-40}",  "{6,101}", "{7,null}",    "{8,{2,32}}", "{9,-3600.000000}"};
    for (int i = 0; i < 10; ++i) logRecords.push_back("{" + kDateTime + "," + datums[i] + (i % 2 ? ",}" : ",0100}"));
    for (int i = 0; i <= 15; ++i) propertyStates.push_back("{" + std::to_string(i) + ",1}");

    return {
        {21, {"{5,0A000001BAC0}", "{0,C0A8}", "{7,}"}},
        {22, {kDateTime}},
        {23, {"{0,05/17/2024}", "{1,{05/01/2024,05/31/2024}}", "{2,{0CFF07}}"}},
        {24, {"{05/01/2024,05/31/2024}", "{01/01/2024,*/*/* *}"}},
        {25, {"{010203}"}},
        {26, per_application_type([](auto& n, auto& v) { return "{08:00 00.00," + n + "," + v + "}"; })},
        {27, {"{0,01:02 03.04}", "{1,42}", "{2," + kDateTime + "}"}},
        {28, {kCommand1, kCommand2, "{8,-1,19,4,85,-1,3,16,0,0,0}", "{8,5,1,1,87,3,{4,21.500000},16,0,0,0}"}},
        {29, {"{01AB,{1,FF}}"}},
        {30, {"{0,8,1234}", "{1,{2,0A}}", "{-1,null}"}},
        {31, {"{{0,8,1},7}"}},
        {32, {"{8,1,{2,C0A8}}"}},
        {33, {"{0,3,85,-1}", "{0,3,87,2}"}},
        {36, {"{0,3,87,2,8,100}", "{0,1,85,-1,8,-1}"}},
        {37, logRecords},
        {38, {"{0,1,{}}", "{0,1,{{{85,-1}}}}", "{0,1,{{{85,-1}},{{77,2}}}}"}},
        {39, {"{0,1,{{{85,-1,21.500000,8}},{{77,-1,Room 12,0}}}}", "{3,1,{{{85,-1,1,8}}}}", "{0,1,null}"}},
        {40, {"{0,1,3,110}"}},
        {41, {"{0,1,5,2,100,7}"}},
        {42, {"{0,1,{{{85,-1,4,1.500000}},{{77,-1,4,Sensor}},{{28,-1,5,{2,32}}}}}", "{8,7,{{{77,-1,4,Ctl}}}}"}},
        {43, {"{85,-1,4,21.500000}", "{85,-1,5,{2,32}}"}},
        {44, {"{87,3}", "{85,-1}"}},
        {45, {"{0111110,00:00 00.00,23:59 59.99,{0,8,1},3,1,111}", "{0000011,*:* *.*,12:00 00.00,{1,{0,0A}},2,0,100}"}},
        {46, {"{{{{08:00 00.00,4,21.000000}},{{17:00 00.00,0,null}}}}", "{{}}", "{null}"}},
        {47, {"{{0,{1,{12/24/2024,12/26/2024}}},{{{00:00 00.00,4,18.000000}}},16}", "{{1,6,1},{},16}",
              "{{1,6,1},null,1}"}},
        {48, {"{0,null}", "{4,21.500000}", "{9,1}", "{2,7}"}},
        {49, {"{85,-1,21.500000,8}", "{77,-1,Lobby,0}"}},
        {50, propertyStates},
        {51, {"{0,{10,1100,{{1000},{0100}}}}", "{0,{10,,{}}}", "{1,{5,{{{0,1}},{{8,3}},{{11,42}}}}}", "{1,{5,null}}",
              "{2,{3,{0,01}}}", "{2,{3,{1,0.500000}}}", "{3,{10,{0,1,85,-1,8,5}}}",
              "{4,{10,{0,1,85,-1,8,5},1.000000,2.000000,0.500000}}", "{5,{10,-5.000000,100.000000,1.000000}}",
              "{7,{5,6}}", "{8,{10,{{1},{2}},{{3}},{0,1,85,-1,8,5}}}", "{9,{260,7,null}}", "{10,{5,6}}",
              "{11,{10,1,100}}"}},
        {52, Texts{"{0,{0110,1000}}", "{1,{{8,3},0001}}", "{2,{{0,11},0100}}", "{2,{{1,2.500000},0100}}",
                   "{3,{0,null,,0,null}}", "{4,{1.000000,0100,2.000000,3.000000}}", kOutOfRange,
                   "{6,{{{85,-1,21.500000,8}},{{77,-1,Zone,0}}}}", "{6,{}}", "{7,{8,1,20,1,3,4}}",
                   "{8,{3,1,0100,2}}", "{9,{260,7,null}}", "{10,{{20,1,131,-1,8,1},3,4}}", "{11,{0100,5,3}}"} +
                 per_application_type(
                     [](auto& n, auto& v) { return "{3,{" + n + "," + v + ",0100," + n + "," + v + "}}"; })},
        {54, {"{0,0.500000}", "{1,null}"}},
        {55, {"{0,1,85,-1,19.500000,8}", "{3,2,85,-1,1,8}"}},
        {58, lists({"{0,null}", "{4,21.500000}", "{9,1}", "{2,7}"})},
        {59, {"{{}}", "{" + list_text({kCommand1}) + "}", "{" + list_text({kCommand1, kCommand2}) + "}"}},
        {60, lists({"{" + kDateTime + ",{2,21.500000},0100}", "{" + kDateTime + ",{7,null},1000}",
                    "{" + kDateTime + ",{8,{1,2}},}"})},
        {61, lists({"{0,05/17/2024}", "{1,{05/01/2024,05/31/2024}}", "{2,{05FF07}}"})},
        {62, lists({"{" + list_text({kCommand1, kCommand2}) + "}", "{" + list_text({kCommand2}) + "}"})},
        {63, lists({kCommand1, kCommand2})},
        {64, lists({"abc", "", "Zone 1"})},
        {65, lists({"0,1", "8,1234", "1023,4194303"})},
        {70, lists({"{0,8,1234}", "{1,{5,0A0B0C}}", "{-1,null}", "{1,{0,}}"})},
        {71, lists({"{8,1,{0,C0A80001BAC0}}", "{8,2,{5,01}}"})},
        {72, lists({"{0,1,{{{85,-1}},{{77,3}}}}", "{8,5,{{{120,-1}}}}"})},
        {73, lists({"{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone temp}}}}", "{0,2,{{{85,-1,5,{2,32}}}}}"})},
        {74, lists({"{85,-1,4,21.500000}", "{111,-1,4,0100}", "{85,-1,5,{2,32}}"})},
        {75, lists({"1", "2", "3"})}, // "{{1},{2},{3}}"
        {76, lists({"{1111111,00:00 00.00,23:59 59.99,{0,8,1},1,1,111}",
                    "{0000011,*:* *.*,12:00 00.00,{1,{0,0A}},2,0,100}"})},
        {77, lists({"{" + list_text({"{08:00 00.00,4,21.500000}", "{17:00 00.00,0,null}"}) + "}", "{{}}"})},
        {78, lists({"{{0,{0,05/17/2024}}," + list_text({"{08:00 00.00,4,21.500000}"}) + ",16}", "{{1,6,1},{},1}"})},
        {79, lists({"{0,1,85,-1,8,1234}", "{2,3,87,4,8,1}"})},
        {80, lists({"{08:00 00.00,4,21.500000}", "{17:00 00.00,0,null}", "{12:00 00.00,7,Occupied}"})},
        {81, lists({"0101", "", "1"})},
        {82, lists({"{0,1}", "{11,5}", "{15,2}"})},
        {83, lists({"{0,1,85,-1,21.500000,8}", "{8,5,77,-1,Device,16}"})},
        {84, lists({"{0,13:45 30.25}", "{1,42}", "{2," + kDateTime + "}"})},
        {87, lists({"{85,-1,21.500000,8}", "{77,-1,Room,16}", "{111,-1,0100,0}"})},
        {88, lists({"{0,1," + list_text({"{85,-1,21.500000,8}"}) + "}",
                    "{8,5," + list_text({"{77,-1,Dev,16}", "{120,-1,260,16}"}) + "}"})},
        {89, lists({"{0,1,{{{85,-1}},{{77,3}}}}", "{8,5,{{{120,-1}}}}", "{2,2,{}}"})},
        {90, lists({"{0,1,{{{85,-1,4,21.500000}},{{77,-1,4,Zone temp}}}}", "{8,5,{{{120,-1,4,260}}}}", "{0,2,{}}"})},
        {91, lists({"{85,-1}", "{77,3}", "{111,-1}"})},
        {93, lists({"{0,1,3,110}", "{3,2,0,000}"})},
        {94, lists({"{0,1,2,3,100,5}", "{5,5,0,1,1,6}"})},
        {101, {"{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}", "{{{1,{5,0A0B}},1},{8,5,77,3},0,0,0.000000}",
               "{{{-1,null},0},{0,1,85,2},0,4294,-2.500000}"}},
        {102, {"{0,1.500000}", "{1,10}"}},
        {103, {"{1,2}"}},
        {104, {"{" + kDateTime + ",100,200,1}"}},
        {105, {"{0,1,3,110," + list_text({"{0,13:45 30.25}", "{1,42}", "{2," + kDateTime + "}"}) + ",1,111," +
                   list_text({"1", "2", "3"}) + "}",
               "{3,4,0,,{},0,,{}}"}},
        {106, lists({"{0,1,3,110," + list_text({"{1,42}"}) + ",1,111," + list_text({"1"}) + "}",
                     "{3,4,0,000,{},0,000,{}}"})},
        {107, lists({"{{{0,8,1},7},{0,1,85,-1},1,300,0.500000}", "{{{1,{5,0A}},1},{8,5,77,3},0,0,0.000000}"})},
        // The value's type follows object type, property and index.
        {110, {"{8,1234,0,1,85,-1,21.500000}", "{8,1,8,1,77,-1,Device}", "{8,1,0,1,111,-1,0100}",
               "{8,1,1,1,87,3,{4,21.500000}}", "{8,1,1,1,87,0,16}"}},
        {111, lists({"0", "5", "-1"})},
        {112, {"{{0,1,85,-1}}"}},
        {113, lists({"1.500000", "-0.250000", "0.000000"})},
        {114, lists({"1", "0"})},
        {116, {"{" + kDateTime + ",{0,0100}}", "{" + kDateTime + ",{1," + notification(kOutOfRange) + "}}",
               "{" + kDateTime + ",{2,1.500000}}"}},
        {117, {"{0,0100}", "{1,{}}", "{1," + list_text({"{0,1}", "{3,4}", "{7,{1,2}}"}) + "}", "{2,1.500000}"}},
        {118, {"{" + kDateTime + ",{0,0100}}",
               "{" + kDateTime + ",{1," + list_text({"{1,21.500000}", "{6,null}"}) + "}}",
               "{" + kDateTime + ",{2,-0.500000}}"}},
        {119, {"{0,1}", "{1,21.500000}", "{2,3}", "{3,4}", "{4,-5}", "{5,0101}", "{6,null}", "{7,{1,2}}"}},
        {120, lists({"{0,1}", "{1,21.500000}", "{6,null}", "{7,{1,2}}"})},
        {121, lists({"{" + kDateTime + ",{0,0100}}", "{" + kDateTime + ",{2,1.500000}}"})},
        {122, lists({"{" + kDateTime + ",{0,0100}}", "{" + kDateTime + ",{1," + list_text({"{0,1}"}) + "}}"})},
        {123, {"{0,50}", "{1,2}", "{2,12.500000}"}},
        {124, {"{8,1234,0,1}"}},
        {125, lists({"{8,1234,0,1}", "{8,1,2,3}"})},
        {150, lists({"{85,-1,4,21.500000}", "{77,-1,4,Room}", "{85,-1,5,{2,32}}"})},
        {151, {"{{}}", "{" + list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}"}) + "}",
               "{" + list_text({"{8,5," + list_text({"{120,-1,4,260}"}) + "}",
                                "{0,1," + list_text({"{85,-1,4,21.500000}", "{77,-1,4,Zone}", "{111,-1,4,0100}"}) +
                                    "}"}) +
                   "}"}},
        {152, {notification(kOutOfRange), notification("{0,{0101,1000}}"),
               notification("{6," + list_text({"{85,-1,21.500000,8}"}) + "}"),
               "{0,8,1,0,1,{0,13:45 30.25},0,0,0,,0,0,0,0,{11,{0000,5,9}}}"}},
    };
}

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = build_rows();
    return table;
}

TEST(WalkRoundTrip, EveryCaseWritesBackByteIdentical)
{
    for (const Row& row : rows())
        for (const std::string& text : row.texts) expect_round_trip(row.type, text);
}

// A visitor that notes the type code of every constructed value walked.
int32_t note_type(uint32_t, int32_t type, void* ctx)
{
    static_cast<std::set<int32_t>*>(ctx)->insert(type);
    return 0;
}

TEST(WalkRoundTrip, EveryTypeWithAWalkFunctionIsWalkedByTheTable)
{
    BACnetVisitor visitor{};
    visitor.beginConstructed = note_type;
    std::set<int32_t> walked;
    std::map<int32_t, int> rowsOf;
    for (const Row& row : rows()) {
        ++rowsOf[row.type];
        for (const std::string& text : row.texts) {
            BACnetDataType value{};
            ASSERT_EQ(bacnapi_asn1_string_set(&value, text.c_str(), row.type), 0) << text;
            BACnetFieldCursor cursor{};
            ASSERT_EQ(bind_cursor(&cursor, &value, row.type, nullptr, row.type), 0);
            EXPECT_EQ(walk_value(&cursor, &walked, &visitor), 0) << text;
            release_value(&value);
        }
    }
    for (int32_t type = kFirstDescribedType; type < kFirstDescribedType + kDescriptorCount; ++type) {
        const BACnetTypeDescriptor* descriptor = find_descriptor(type);
        if (!descriptor || type == BACNAPI_TYPE_SignedLong) continue;
        EXPECT_EQ(walked.count(type), 1u) << "type " << type << " is never walked";
        // Every type that can stand alone has its own row.
        if (descriptor->recordSize != 0) {
            EXPECT_EQ(rowsOf[type], 1) << "type " << type;
        }
    }
}

} // namespace

const std::vector<RoundTripRow>& round_trip_rows()
{
    static const std::vector<RoundTripRow> table = [] {
        std::vector<RoundTripRow> out;
        for (const Row& row : rows()) out.push_back({row.type, row.texts});
        return out;
    }();
    return table;
}

} // namespace bacnapi
