// The catalogue of display forms by type code: the application types, whose forms read the
// value's payload, and the rows of the tables of records, choices, parameters and lists. A code
// without a row has no display form, and printing a value of it fails.
#include "display/form.h"

#include <array>
#include <iterator>

namespace bacnapi::display {

namespace {

const Form kNullForm = single(literal("null"));
const Form kBooleanForm = single(Kind::Octet, 0);
const Form kWordForm = single(Kind::Word, 0);
const Form kRealForm = single(Kind::Real, 0);
const Form kDoubleForm = single(Kind::Double, 0);
const Form kOctetStringForm = single(Kind::Octets, 0);
const Form kCharacterStringForm = single(Kind::Characters, 0);
const Form kBitStringForm = single(Kind::Bits, 0);
const Form kDateForm = single(Kind::Date, 0);
const Form kTimeForm = single(Kind::Time, 0);
const Form kObjectIdForm = single(Kind::ObjectId, 0);

constexpr TypeForm kRows[] = {
    {0, &kNullForm},         {1, &kBooleanForm},        {2, &kWordForm},
    {3, &kWordForm},         {4, &kRealForm},           {5, &kDoubleForm},
    {6, &kOctetStringForm},  {7, &kCharacterStringForm}, {8, &kBitStringForm},
    {9, &kWordForm},         {10, &kDateForm},          {11, &kTimeForm},
    {12, &kObjectIdForm},
};

// Codes from here on never print on their own: the parameter alternatives and service records
// print only inside the records that hold them.
constexpr int32_t kFirstCodeWithoutForm = 126;

using Catalogue = std::array<const Form*, kFirstCodeWithoutForm>;

Catalogue build_catalogue()
{
    Catalogue catalogue{};
    for (const TypeFormTable& table :
         {kApplicationTypeForms, kRecordTypeForms, kChoiceTypeForms, kParameterTypeForms, kListTypeForms})
        for (size_t i = 0; i < table.count; ++i) catalogue[static_cast<size_t>(table.rows[i].type)] = table.rows[i].form;
    return catalogue;
}

} // namespace

const TypeFormTable kApplicationTypeForms = {kRows, std::size(kRows)};

const Form* form_of_type(int32_t type)
{
    static const Catalogue catalogue = build_catalogue();
    if (type < 0 || type >= kFirstCodeWithoutForm) return nullptr;
    return catalogue[static_cast<size_t>(type)];
}

} // namespace bacnapi::display
