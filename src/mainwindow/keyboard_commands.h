// Menu commands that do from the keyboard what a button or a choice of the
// form does with the mouse: Preserve, and the switch between Sag Cable and
// Check Cable Sag.
#pragma once

#include "form/form.h"

namespace vortan {

void add_keyboard_commands(Form& form);

}  // namespace vortan
