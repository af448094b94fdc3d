// The compiled-in name tables against the lists they are generated from, and the lookups' refusals.
#include <bacnapi/bacnapi.h>

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <string>

namespace {

std::map<int32_t, std::string> read_list(const char* file)
{
    std::map<int32_t, std::string> rows;
    std::ifstream in(std::string(BACNAPI_DATA_DIR) + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        rows[std::stoi(line.substr(0, tab))] = line.substr(tab + 1);
    }
    return rows;
}

struct ListCase {
    const char* file;
    const char* (*name)(int32_t);
    int32_t (*code)(const char*);
};

TEST(StandardNames, EveryListedNameBothWays)
{
    const ListCase lists[] = {
        {"object-types.tsv", bacnapi_object_type_name, bacnapi_object_type_code},
        {"property-identifiers.tsv", bacnapi_property_name, bacnapi_property_code},
    };
    for (const ListCase& list : lists) {
        SCOPED_TRACE(list.file);
        const auto rows = read_list(list.file);
        ASSERT_GT(rows.size(), 50u);
        int32_t last = rows.rbegin()->first;
        for (int32_t n = 0; n <= last + 2; ++n) {
            const auto row = rows.find(n);
            const char* got = list.name(n);
            if (row == rows.end() || row->second.front() == '(') {
                EXPECT_EQ(got, nullptr) << n;  // gaps and notes have no name
                continue;
            }
            ASSERT_NE(got, nullptr) << n;
            EXPECT_EQ(row->second, got);
            EXPECT_EQ(list.code(got), n);
            std::string upper = row->second;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(list.code(upper.c_str()), n) << upper;
        }
    }
}

TEST(StandardNames, KnownNamesAndRefusals)
{
    EXPECT_STREQ(bacnapi_object_type_name(0), "analog-input");
    EXPECT_STREQ(bacnapi_property_name(85), "present-value");
    EXPECT_EQ(bacnapi_property_code("Present-Value"), 85);
    EXPECT_EQ(bacnapi_object_type_code("device"), 8);
    for (int32_t n : {-1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(bacnapi_object_type_name(n), nullptr);
        EXPECT_EQ(bacnapi_property_name(n), nullptr);
    }
    for (const char* bad : {(const char*)nullptr, "", "analog", "analog-input ", "present_value", "85",
                            "present-value-", "-"}) {
        EXPECT_EQ(bacnapi_object_type_code(bad), BACNAPI_E_INVALIDARG) << (bad ? bad : "null");
        EXPECT_EQ(bacnapi_property_code(bad), BACNAPI_E_INVALIDARG) << (bad ? bad : "null");
    }
}

} // namespace
