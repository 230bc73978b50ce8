// The calculation run: check the sag-span and cable-sag fields, derive the
// required sag, run the survey method of the active page, and mark success.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"

namespace vortan {

// What the run found; Data_Calc_Successful_CheckBox tells whether it ended well.
RunValues Calculate_Sag_BitBtnClick(CalcContext& context);

}  // namespace vortan
