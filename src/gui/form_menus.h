// A form's menu items as a menu bar: a top-level item with children is a QMenu,
// every other item a QAction; each carries its component name as objectName.
#pragma once

#include "form/form.h"

#include <QString>

class QMenuBar;

namespace vortan::gui {

void build_form_menus(const Form& form, QMenuBar* bar);
// The text a menu shows for the item: a plain caption (a path) has each "&"
// doubled, so Qt shows it instead of taking it for a mnemonic.
QString menu_text(const Control& item);

}  // namespace vortan::gui
