// The widgets of a form's on-screen controls (menu items aside), laid out in the
// form's order, below or (with the beside hint) to the right of each other; every
// page scrolls where it does not fit. A widget that stands for a control carries
// the component name as its objectName; an edit's caption label has the edit as
// its buddy.
#pragma once

#include "form/form.h"

class QWidget;

namespace vortan::gui {

// Builds the structure only; a FormBinder puts the model's state into it.
QWidget* build_form_view(const Form& form, QWidget* parent = nullptr);
// The controls inside one panel, for a window that shows the panel on its own
// (a docked panel, which build_form_view leaves out).
QWidget* build_form_panel(const Form& form, const std::string& panel, QWidget* parent = nullptr);

}  // namespace vortan::gui
