// The help context of each control of the main window: the number of the help
// topic that F1 opens while the control has the focus.
#pragma once

#include "form/form.h"
#include "shell/help_launcher.h"

#include <string>

namespace vortan {

// The topic of the nearest container of the control (the control itself
// first) that has one; the contents for a control outside them all.
int help_context(const Form& form, const std::string& control);

}  // namespace vortan
