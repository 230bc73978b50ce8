#include "calc/calculation_fault.h"

#include "calc/field_readers.h"

#include <cmath>

namespace vortan {

const char* const Calculation_Error_Message =
    "Error: Unable to obtain the Sag based on the data you have entered.  The calculation has been "
    "aborted because the input data has led to a Square Root of a negative number, or division by "
    "zero, or similar error.  Please check your input data and try again.";

bool all_finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool calculation_fault(CalcContext& context) {
    show_error(context, Calculation_Error_Message);
    return false;
}

}  // namespace vortan
