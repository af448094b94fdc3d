// The rows of the type catalogue agree with one another, with the name lookups and with the
// display printer's forms. A row that contradicts itself would send initialise, clear or copy
// down the wrong path for that code.
#include "display/form.h"
#include "value/list_types.h"
#include "value/type_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using bacnapi::Copy;
using bacnapi::kTypeCatalogue;
using bacnapi::Storage;
using bacnapi::TypeRow;

bool flagged(const TypeRow& row, bacnapi::TypeFlag flag) { return (row.flags & flag) != 0; }

TEST(TypeCatalogue, NamesRoundTripAndOnlyTheGapIsNameless)
{
    for (const TypeRow& row : kTypeCatalogue) {
        SCOPED_TRACE(row.code);
        const bool gap = row.code >= 13 && row.code <= 19;
        ASSERT_EQ(row.name == nullptr, gap);
        EXPECT_EQ(bacnapi_type_name(row.code), row.name);
        if (gap) continue;
        // Each name leads back to its own code, so no two rows share a name.
        EXPECT_EQ(bacnapi_type_code(row.name), row.code);
        std::string upper(row.name);
        for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        EXPECT_EQ(bacnapi_type_code(upper.c_str()), row.code);
    }
    EXPECT_EQ(bacnapi_type_name(bacnapi::kTypeCodeCount), nullptr);
    EXPECT_EQ(bacnapi_type_name(-1), nullptr);
    EXPECT_EQ(bacnapi::type_row(bacnapi::kTypeCodeCount), nullptr);
}

// What each kind of storage implies for the rest of the row.
TEST(TypeCatalogue, EachRowIsConsistentWithItsStorage)
{
    for (const TypeRow& row : kTypeCatalogue) {
        SCOPED_TRACE(row.code);
        const bool list = row.storage == Storage::List;
        const bool record = row.storage == Storage::Record;
        const bool owned = list || record || row.storage == Storage::Inline;

        // Only values that point at a record or list have a record size, and all of them do.
        const bool pointed = list || record || row.storage == Storage::Described;
        EXPECT_EQ(row.recordSize != 0, pointed);
        if (list) { EXPECT_EQ(row.recordSize, sizeof(BACnetValueList)); }

        // A value initialise cannot make is never copied or compared.
        if (!owned) {
            EXPECT_EQ(row.copy, Copy::Refused);
            EXPECT_FALSE(flagged(row, bacnapi::kComparable));
            EXPECT_FALSE(flagged(row, bacnapi::kDisplayed));
        }
        // Only lists are copied by index or whole, and every list is one or the other.
        EXPECT_EQ(row.copy == Copy::ByIndex || row.copy == Copy::WholeList, list);
        // Plain records own nothing, so only a record can be plain.
        if (flagged(row, bacnapi::kPlain)) { EXPECT_TRUE(record); }
        if (flagged(row, bacnapi::kArrayView)) { EXPECT_TRUE(list || record); }

        // A list's element type is any type, or one that initialise can make.
        const bacnapi::ListTypeInfo* info = bacnapi::list_type_info(row.code);
        EXPECT_EQ(info != nullptr, list);
        if (info != nullptr && info->elementType >= 0) { EXPECT_TRUE(bacnapi::has_initial_form(info->elementType)); }
        if (info != nullptr && info->elementType < 0) { EXPECT_FALSE(info->elementStore); }
        if (!list) { EXPECT_EQ(bacnapi::list_element_type(row.code), -1); }
    }
}

TEST(TypeCatalogue, DisplayedFlagMatchesThePrintersForms)
{
    for (const TypeRow& row : kTypeCatalogue) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(flagged(row, bacnapi::kDisplayed), bacnapi::display::form_of_type(row.code) != nullptr);
    }
}

// Initialise makes exactly the codes whose storage says a value holds them, of that storage.
TEST(TypeCatalogue, InitialiseFollowsTheStorage)
{
    for (int32_t code = -1; code <= bacnapi::kTypeCodeCount; ++code) {
        SCOPED_TRACE(code);
        BACnetDataType value{};
        const int32_t status = bacnapi_initialize_data(&value, code);
        const Storage storage = bacnapi::storage_of(code);
        ASSERT_EQ(status == BACNAPI_S_OK, bacnapi::has_initial_form(code));
        if (storage == Storage::List) { EXPECT_NE(value.payload.list, nullptr); }
        if (storage == Storage::Record) { EXPECT_NE(value.payload.record, nullptr); }
        EXPECT_EQ(bacnapi_ClearBACnetDataType(&value), BACNAPI_S_OK);
        EXPECT_EQ(value.type, BACNAPI_TYPE_Null);
    }
}

} // namespace
