// A form's menu items as a menu bar: a top-level item with children is a QMenu,
// every other item a QAction; each carries its component name as objectName.
#pragma once

#include "form/form.h"

class QMenuBar;

namespace vortan::gui {

void build_form_menus(const Form& form, QMenuBar* bar);

}  // namespace vortan::gui
