#include "setup/vertical_circle.h"

#include "calc/angle_entry.h"

namespace vortan {

void choose_one_vertical_circle(Form& setup) {
    const VerticalCircle used = vertical_circle(setup);
    const char* chosen = used == VerticalCircle::Altitude ? "Altitude_RadioButton"
                         : used == VerticalCircle::Nadir  ? "Nadir_RadioButton"
                                                          : "Zenith_RadioButton";
    for (const char* button : Circle_Buttons) setup.set_checked(button, std::string(button) == chosen);
}

}  // namespace vortan
