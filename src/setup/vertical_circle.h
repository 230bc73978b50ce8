// The vertical circle of the theodolite as the setup editor keeps it: exactly
// one of three radio buttons, and the drawing of each circle's graduation.
#pragma once

#include "calc/angle_entry.h"
#include "form/form.h"

#include <string>
#include <vector>

namespace vortan {

// The radio button of each circle, in the order the page shows them.
inline constexpr const char* Circle_Buttons[] = {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"};

// After a settings or project file set the buttons: exactly one stays chosen,
// the one the calculation would use (Altitude, then Zenith, then Nadir), or
// Zenith when none was set, so that what is computed is what is saved.
void choose_one_vertical_circle(Form& setup);

// The circle's graduation on face left and face right, the telescope level and
// pointing right, for a drawing control (shapes as in diagram/span_diagram.h).
// The half of face left whose readings the angle reader accepts is marked.
std::vector<std::string> circle_graduation_shapes(VerticalCircle circle);

}  // namespace vortan
