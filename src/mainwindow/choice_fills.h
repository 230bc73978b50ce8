// The main window's choices rebuilt from the setup lists: project details,
// inspectors, and the structure types, cable positions and code names that
// the valid combinations allow.
#pragma once

#include "form/form.h"

namespace vortan {

void fill_project_details(Form& main, const Form& setup);
void fill_inspector_choices(Form& main, const Form& setup);
void fill_current_inspector(Form& main, const Form& setup);
void fill_structure_types(Form& main, const Form& setup);
void fill_cable_positions(Form& main, const Form& setup);
void fill_code_names(Form& main, const Form& setup);

// Inspector choices, current inspector, structure types, cable positions, code
// names, then the project details: the order after the setup editor closes.
void fill_all_choices(Form& main, const Form& setup);

}  // namespace vortan
