// Name tables of object types and property identifiers. The rows come from the lists in data/
// (generated at configure time, sorted by number there); a second index sorted by name is built
// at compile time, so both lookups are binary searches over constant data and nothing is
// initialised at run time.
#include "names/standard_names.h"

#include <bacnapi/bacnapi.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace bacnapi {

namespace {

struct NameRow {
    uint32_t number;
    const char* name;
};

constexpr NameRow kObjectTypeRows[] = {
#include "object_type_names.inc"
};

constexpr NameRow kPropertyRows[] = {
#include "property_names.inc"
};

constexpr char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Orders (a, alen) against (b, blen) without regard to ASCII case: <0, 0 or >0.
constexpr int compare_names(const char* a, size_t alen, const char* b, size_t blen)
{
    const size_t n = alen < blen ? alen : blen;
    for (size_t i = 0; i < n; ++i) {
        const char x = ascii_lower(a[i]), y = ascii_lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return alen == blen ? 0 : (alen < blen ? -1 : 1);
}

constexpr size_t name_length(const char* s)
{
    size_t n = 0;
    while (s[n]) ++n;
    return n;
}

template <size_t N>
constexpr bool sorted_by_number(const NameRow (&rows)[N])
{
    for (size_t i = 1; i < N; ++i) {
        if (rows[i - 1].number >= rows[i].number) return false;
    }
    return true;
}

// Positions of the rows ordered by name; two names equal without regard to case are refused at
// compile time, since a reader could not tell them apart.
template <size_t N>
constexpr std::array<uint16_t, N> name_index(const NameRow (&rows)[N])
{
    std::array<uint16_t, N> index{};
    for (size_t i = 0; i < N; ++i) index[i] = static_cast<uint16_t>(i);
    std::sort(index.begin(), index.end(), [&rows](uint16_t a, uint16_t b) {
        return compare_names(rows[a].name, name_length(rows[a].name), rows[b].name, name_length(rows[b].name)) < 0;
    });
    for (size_t i = 1; i < N; ++i) {
        const NameRow& x = rows[index[i - 1]];
        const NameRow& y = rows[index[i]];
        if (compare_names(x.name, name_length(x.name), y.name, name_length(y.name)) == 0) throw "duplicate name";
    }
    return index;
}

static_assert(sorted_by_number(kObjectTypeRows) && sorted_by_number(kPropertyRows));

constexpr auto kObjectTypeIndex = name_index(kObjectTypeRows);
constexpr auto kPropertyIndex = name_index(kPropertyRows);

struct Table {
    const NameRow* rows;
    size_t count;
    const uint16_t* byName;
};

constexpr Table table_of(NameList list)
{
    return list == NameList::ObjectTypes
               ? Table{kObjectTypeRows, std::size(kObjectTypeRows), kObjectTypeIndex.data()}
               : Table{kPropertyRows, std::size(kPropertyRows), kPropertyIndex.data()};
}

} // namespace

const char* standard_name(NameList list, uint32_t number)
{
    const Table t = table_of(list);
    const NameRow* end = t.rows + t.count;
    const NameRow* row =
        std::lower_bound(t.rows, end, number, [](const NameRow& r, uint32_t n) { return r.number < n; });
    return row != end && row->number == number ? row->name : nullptr;
}

bool standard_number(NameList list, const char* name, size_t length, uint32_t* number)
{
    if (!name) return false;
    const Table t = table_of(list);
    const uint16_t* end = t.byName + t.count;
    const uint16_t* at = std::lower_bound(t.byName, end, 0, [&](uint16_t i, int) {
        return compare_names(t.rows[i].name, std::strlen(t.rows[i].name), name, length) < 0;
    });
    if (at == end || compare_names(t.rows[*at].name, std::strlen(t.rows[*at].name), name, length) != 0) return false;
    *number = t.rows[*at].number;
    return true;
}

} // namespace bacnapi

namespace {

const char* name_of(bacnapi::NameList list, int32_t number)
{
    return number < 0 ? nullptr : bacnapi::standard_name(list, static_cast<uint32_t>(number));
}

int32_t number_of(bacnapi::NameList list, const char* name)
{
    uint32_t number = 0;
    if (!name || !bacnapi::standard_number(list, name, std::strlen(name), &number)) return BACNAPI_E_INVALIDARG;
    return static_cast<int32_t>(number);
}

} // namespace

extern "C" BACNAPI_API const char* bacnapi_object_type_name(int32_t objectType)
{
    return name_of(bacnapi::NameList::ObjectTypes, objectType);
}

extern "C" BACNAPI_API int32_t bacnapi_object_type_code(const char* name)
{
    return number_of(bacnapi::NameList::ObjectTypes, name);
}

extern "C" BACNAPI_API const char* bacnapi_property_name(int32_t propertyIdentifier)
{
    return name_of(bacnapi::NameList::PropertyIdentifiers, propertyIdentifier);
}

extern "C" BACNAPI_API int32_t bacnapi_property_code(const char* name)
{
    return number_of(bacnapi::NameList::PropertyIdentifiers, name);
}
