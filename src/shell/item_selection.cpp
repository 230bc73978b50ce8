#include "shell/item_selection.h"

#include <algorithm>
#include <cctype>

namespace vortan {

void sort_ignoring_case(std::vector<std::string>& texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
}

ItemSelectionDialog::ItemSelectionDialog(UserPort& port) : port_(port) {
    form_.add(ControlKind::Label, "Sorted_Label");
    form_.add(ControlKind::ListBox, "Item_ListBox");
    Control& result = form_.add(ControlKind::SpinEdit, "Selected_Item_SpinEdit");
    result.on_screen = false;
    result.visible = false;
    result.value = -1;
    Control& ok = form_.add(ControlKind::Button, "OK_Button");
    ok.caption = "OK";
    ok.hint = "Exit and use the selected item";
    ok.on_click = [this] { OK_ButtonClick(); };
    Control& cancel = form_.add(ControlKind::Button, "Cancel_Button");
    cancel.caption = "Cancel";
    cancel.hint = "Exit without selecting an item";
    cancel.on_click = [this] { Cancel_ButtonClick(); };
}

void ItemSelectionDialog::show(const std::string& caption, std::vector<std::string> items, bool sorted) {
    caption_ = caption;
    closed_ = false;
    if (sorted) sort_ignoring_case(items);
    form_.control("Item_ListBox").sorted = sorted;
    form_.set_items("Item_ListBox", {});
    form_.set_items("Item_ListBox", std::move(items));
    form_.set_value("Selected_Item_SpinEdit", -1);
    form_.set_caption("Sorted_Label", sorted ? "(The list is sorted alphabetically)" : "(The list is not sorted)");
}

bool ItemSelectionDialog::OK_ButtonClick() {
    form_.set_value("Selected_Item_SpinEdit", form_.item_index("Item_ListBox"));
    if (result() < 0) {
        port_.message(MessageKind::Information, Buttons::OK, "You need to select an item in the list !");
        return false;
    }
    closed_ = true;
    return true;
}

void ItemSelectionDialog::Cancel_ButtonClick() {
    form_.set_value("Selected_Item_SpinEdit", -1);
    closed_ = true;
}

}  // namespace vortan
