// The measures the main window shows, and their conversion when the unit
// setting changes.
#pragma once

#include "calc/calc_context.h"
#include "calc/unit_conversion.h"

#include <utility>
#include <vector>

namespace vortan {

struct DisplayedMeasure {
    const char* field;
    Quantity kind;
};

// Every displayed measure, in conversion order.
const std::vector<DisplayedMeasure>& displayed_measures();

// Re-expresses every displayed measure, taken as in the old unit system, in
// the new one; the change flags keep their state.
void convert_displayed_fields(CalcContext& context, bool from_imperial, bool to_imperial);

// The displayed measures hold metric values: show them in the units in force.
void Convert_Fields_To_New_Units_Of_Measure(CalcContext& context);

// The unit labels of both windows for the units in force.
void Set_Units_Labels(Form& main, Form& setup, bool imperial);

}  // namespace vortan
