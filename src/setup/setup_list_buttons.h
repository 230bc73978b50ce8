// The setup editor's buttons that edit the structure types, cable positions
// and combinations, and fill in the basic settings.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "ui/userport.h"

#include <functional>

namespace vortan {

// Gives the buttons of the setup form their handlers; `show_code_name` shows
// the current code-name record again.
void add_setup_list_buttons(Form& setup, UserPort& port, const NumberFormat& numbers,
                            std::function<void()> show_code_name);

}  // namespace vortan
