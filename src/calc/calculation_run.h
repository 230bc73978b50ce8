// The calculation run: check the sag-span and cable-sag fields, derive the
// required sag, run the survey method of the active page, and mark success.
#pragma once

#include "calc/calc_context.h"

namespace vortan {

void Calculate_Sag_BitBtnClick(CalcContext& context);

}  // namespace vortan
