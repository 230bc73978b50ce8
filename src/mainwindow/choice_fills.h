// The main window's choices rebuilt from the setup lists: project details,
// inspectors, and the structure types, cable positions and code names that
// the valid combinations allow.
#pragma once

#include "form/form.h"

namespace vortan {

void fill_project_details(Form& main, const Form& setup);
// The inspectors' surnames, the chosen one kept; `keep_none` keeps no choice
// as none (a stored sag-span that names no inspector).
void fill_inspector_choices(Form& main, const Form& setup, bool keep_none = false);
// The chosen inspector's given name; with no inspector chosen, the first is
// chosen unless a stored sag-span named none (which it keeps, unedited).
void fill_current_inspector(Form& main, const Form& setup, bool choose_first = true);
void fill_structure_types(Form& main, const Form& setup);
void fill_cable_positions(Form& main, const Form& setup);
void fill_code_names(Form& main, const Form& setup);

// Inspector choices, current inspector, structure types, cable positions, code
// names, then the project details: the order after the setup editor closes.
// The cable sags no choice of the lists reaches: those of no stored sag-span
// (a cut-short sag-span file), and those with a structure type, cable position
// or code name index beyond its list (setup entries missing).
struct UnreachableCableSags {
    int without_sag_span = 0;
    int without_setup_entry = 0;
};
UnreachableCableSags unreachable_cable_sags(const Form& main, const Form& setup);

// Every choice list; `stored_span_shown` keeps the shown sag-span's inspector,
// even none, as the record has it.
void fill_all_choices(Form& main, const Form& setup, bool stored_span_shown = false);

}  // namespace vortan
