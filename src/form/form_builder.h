// Short-hand for declaring a form's controls.
#pragma once

#include "form/form.h"

#include <string>
#include <vector>

namespace vortan {

class FormBuilder {
public:
    explicit FormBuilder(Form& form) : form_(form) {}
    Form& form() { return form_; }

    // An edit with its leading caption and, optionally, a unit label control
    // (a label of that name is added after it). An empty caption puts the
    // edit on the same row as the one before it.
    Control& edit(const std::string& parent, const std::string& name, const std::string& caption,
                  const std::string& hint, const std::string& unit_label = "");
    Control& read_only(const std::string& parent, const std::string& name, const std::string& caption,
                       const std::string& hint, const std::string& unit_label = "");
    Control& label(const std::string& parent, const std::string& name, const std::string& caption);
    Control& button(const std::string& parent, const std::string& name, const std::string& caption,
                    const std::string& hint);
    Control& container(ControlKind kind, const std::string& parent, const std::string& name,
                       const std::string& caption);
    Control& radio_group(const std::string& parent, const std::string& name, const std::string& caption,
                         std::vector<std::string> items, int index);
    Control& combo_box(const std::string& parent, const std::string& name, const std::string& caption);
    // Hidden state: never on screen.
    Control& hidden(ControlKind kind, const std::string& name);

    // A unit label of a family, numbered so that every name stays unique.
    std::string unit(const std::string& family);

private:
    Form& form_;
    int unit_labels_ = 0;
};

}  // namespace vortan
