#include "form/form_builder.h"

namespace vortan {

Control& FormBuilder::edit(const std::string& parent, const std::string& name,
                           const std::string& caption, const std::string& hint,
                           const std::string& unit_label) {
    Control& c = form_.add(ControlKind::Edit, name, parent);
    c.caption = caption;
    c.hint = hint;
    c.unit_label = unit_label;
    if (!unit_label.empty()) form_.add(ControlKind::Label, unit_label, parent);
    return c;
}

Control& FormBuilder::read_only(const std::string& parent, const std::string& name,
                                const std::string& caption, const std::string& hint,
                                const std::string& unit_label) {
    Control& c = edit(parent, name, caption, hint, unit_label);
    c.read_only = true;
    return c;
}

Control& FormBuilder::label(const std::string& parent, const std::string& name,
                            const std::string& caption) {
    Control& c = form_.add(ControlKind::Label, name, parent);
    c.caption = caption;
    return c;
}

Control& FormBuilder::button(const std::string& parent, const std::string& name,
                             const std::string& caption, const std::string& hint) {
    Control& c = form_.add(ControlKind::Button, name, parent);
    c.caption = caption;
    c.hint = hint;
    return c;
}

Control& FormBuilder::container(ControlKind kind, const std::string& parent, const std::string& name,
                                const std::string& caption) {
    Control& c = form_.add(kind, name, parent);
    c.caption = caption;
    return c;
}

Control& FormBuilder::radio_group(const std::string& parent, const std::string& name,
                                  const std::string& caption, std::vector<std::string> items,
                                  int index) {
    Control& c = form_.add(ControlKind::RadioGroup, name, parent);
    c.caption = caption;
    c.items = std::move(items);
    c.item_index = index;
    return c;
}

Control& FormBuilder::combo_box(const std::string& parent, const std::string& name,
                                const std::string& caption) {
    Control& c = form_.add(ControlKind::ComboBox, name, parent);
    c.caption = caption;
    return c;
}

Control& FormBuilder::hidden(ControlKind kind, const std::string& name) {
    Control& c = form_.add(kind, name);
    c.on_screen = false;
    c.visible = false;
    return c;
}

std::string FormBuilder::unit(const std::string& family) {
    return family + std::to_string(++unit_labels_);
}

}  // namespace vortan
