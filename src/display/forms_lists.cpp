// Display forms of the lists and sequences: the value lists, which print their elements one
// after another, and the two sequences of read-access records, which keep their first element in
// the record and the others in an overflow array.
#include "display/form.h"

#include <iterator>

namespace bacnapi::display {

namespace {

// Every element in braces, separated by commas; no elements: "{}".
const Form kListForm = list(",", "{}");
// The priority array: every element in braces, nothing between; no elements: nothing.
const Form kPriorityArrayForm = list("", "");

// 89, 90: runs of records one after another.
const Form kSpecificationSequenceForm = custom(print_specification_sequence);
const Form kResultSequenceForm = custom(print_result_sequence);

constexpr TypeForm kRows[] = {
    {57, &kListForm}, {60, &kListForm}, {61, &kListForm}, {62, &kListForm}, {63, &kListForm}, {64, &kListForm},
    {65, &kListForm}, {69, &kListForm}, {70, &kListForm}, {71, &kListForm}, {72, &kListForm}, {73, &kListForm},
    {74, &kListForm}, {75, &kListForm}, {76, &kListForm}, {77, &kListForm}, {78, &kListForm}, {79, &kListForm},
    {80, &kListForm}, {81, &kListForm}, {82, &kListForm}, {83, &kListForm}, {84, &kListForm}, {87, &kListForm},
    {88, &kListForm}, {92, &kListForm}, {93, &kListForm}, {94, &kListForm}, {95, &kListForm}, {96, &kListForm},
    {98, &kListForm}, {106, &kListForm}, {107, &kListForm}, {111, &kListForm}, {113, &kListForm}, {120, &kListForm},
    {121, &kListForm}, {122, &kListForm}, {125, &kListForm},
    {58, &kPriorityArrayForm},
    {89, &kSpecificationSequenceForm},
    {90, &kResultSequenceForm},
};

} // namespace

const TypeFormTable kListTypeForms = {kRows, std::size(kRows)};

} // namespace bacnapi::display
