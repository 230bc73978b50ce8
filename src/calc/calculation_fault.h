// The one rule for arithmetic a method cannot complete: a value that is not
// finite, a root of a negative, a negative sag. The run ends with the standard
// message, writes nothing, and is not successful.
#pragma once

#include "calc/calc_context.h"

#include <initializer_list>

namespace vortan {

extern const char* const Calculation_Error_Message;

bool all_finite(std::initializer_list<double> values);

// Shows the calculation-error message (also while quiet) and returns false, so a
// method can write `return calculation_fault(context);`.
bool calculation_fault(CalcContext& context);

}  // namespace vortan
