// The setup editor's controls: six pages of Settings_PageControl, the buttons
// below them, and the hidden lists and flags.
#pragma once

#include "form/form.h"

namespace vortan {

void build_setup_form(Form& form);

}  // namespace vortan
