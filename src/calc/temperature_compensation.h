// The creep-compensated temperature and the required sag interpolated from two
// rows of the sagging schedule.
#pragma once

#include "calc/calc_context.h"

#include <optional>

namespace vortan {

// Writes the compensated temperature and the Sag_Label heading from the creep
// allowance and the actual cable temperature.
void Calc_Required_Temp_BitBtnClick(CalcContext& context);

// The temperature block of a run in sag mode "Sag Cable": the required sag D,
// or nothing when the run must end.
std::optional<double> compensated_sag(CalcContext& context);

}  // namespace vortan
