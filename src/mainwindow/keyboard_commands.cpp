#include "mainwindow/keyboard_commands.h"

namespace vortan {

void add_keyboard_commands(Form& form) {
    // Each runs as the user's own click or choice would, and only while that
    // control can be used.
    form.control("Preserve_Option").on_click = [&form] {
        const Control& preserve = form.control("Commit_Cable_Bundle_Changes_BitBtn");
        if (preserve.enabled && preserve.visible) form.user_click(preserve.name);
    };
    form.control("Switch_Sag_Mode_Option").on_click = [&form] {
        const Control& mode = form.control("Sag_New_or_Existing_RadioGroup");
        if (mode.enabled) form.user_select(mode.name, form.item_index(mode.name) == 0 ? 1 : 0);
    };
}

}  // namespace vortan
