// The vertical circle of the theodolite as the setup editor keeps it: exactly
// one of three radio buttons.
#pragma once

#include "form/form.h"

namespace vortan {

// The radio button of each circle, in the order the page shows them.
inline constexpr const char* Circle_Buttons[] = {"Zenith_RadioButton", "Altitude_RadioButton", "Nadir_RadioButton"};

// After a settings or project file set the buttons: exactly one stays chosen,
// the one the calculation would use (Altitude, then Zenith, then Nadir), or
// Zenith when none was set, so that what is computed is what is saved.
void choose_one_vertical_circle(Form& setup);

}  // namespace vortan
