// The survey method of each page of Calc_Method_PageControl.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

// Reads its fields, writes its outputs and, when checking a sag, sets
// run.actual_sag; false ends the run.
using SurveyMethod = bool (*)(CalcContext& context, RunValues& run);

inline constexpr int Method_Page_Count = 12;

// The method of a page index, or nullptr for an index that has none.
SurveyMethod method_for_page(int page);

}  // namespace vortan
