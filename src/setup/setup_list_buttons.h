// The setup editor's buttons that edit the structure types, cable positions
// and combinations, and fill in the basic settings.
#pragma once

#include "calc/number_text.h"
#include "form/form.h"
#include "ui/userport.h"

#include <functional>

namespace vortan {

// Adds the buttons to the setup form and gives them their handlers.
void add_setup_list_buttons(Form& setup, UserPort& port, const NumberFormat& numbers);

}  // namespace vortan
