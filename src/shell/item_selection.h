// The item selection dialog's model: a list to pick one text from, sorted on
// request, with OK and Cancel.
#pragma once

#include "form/form.h"
#include "ui/userport.h"

#include <string>
#include <vector>

namespace vortan {

class ItemSelectionDialog {
public:
    explicit ItemSelectionDialog(UserPort& port);

    Form& form() { return form_; }
    // Fills the list (sorted alphabetically, letter case ignored, when asked)
    // and clears the result, as the dialog does when it is shown.
    void show(const std::string& caption, std::vector<std::string> items, bool sorted);
    // OK (or a double click): true when the dialog may close.
    bool OK_ButtonClick();
    void Cancel_ButtonClick();
    // The index in the list as shown, or -1.
    int result() const { return form_.value("Selected_Item_SpinEdit"); }
    const std::string& caption() const { return caption_; }
    bool closed() const { return closed_; }

private:
    UserPort& port_;
    Form form_;
    std::string caption_;
    bool closed_ = false;
};

// Sorts texts alphabetically with letter case ignored; equal texts keep their order.
void sort_ignoring_case(std::vector<std::string>& texts);

}  // namespace vortan
