// A form: the registry of a window's named controls, with their change handlers
// and the listeners that let a view follow every property change.
#pragma once

#include "form/control.h"

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vortan {

class UnknownControl : public std::runtime_error {
public:
    explicit UnknownControl(const std::string& name)
        : std::runtime_error("no control named " + name) {}
};

class Form {
public:
    using Listener = std::function<void(const Control&, Property)>;

    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // ---- building ----
    Control& add(ControlKind kind, const std::string& name, const std::string& parent = "");
    bool has(const std::string& name) const;
    const Control& control(const std::string& name) const;
    Control& control(const std::string& name);
    // Controls in the order they were added (the order a view lays them out).
    const std::vector<Control*>& controls() const { return order_; }
    std::vector<const Control*> children(const std::string& parent) const;
    std::vector<std::string> pages_of(const std::string& page_control) const;

    void add_listener(Listener listener);

    // ---- edits ----
    const std::string& text(const std::string& name) const;
    // Runs the change handler only when the text really changes; a change
    // drops the text's source.
    void set_text(const std::string& name, const std::string& text);
    // Shows `text` made from the stored `source`, which the text then stands for.
    void set_shown(const std::string& name, const std::string& text, const std::string& source);
    const std::string& source(const std::string& name) const { return control(name).source; }

    // ---- check boxes, radio buttons, menu check marks ----
    bool checked(const std::string& name) const;
    void set_checked(const std::string& name, bool checked);

    // ---- lists, combo boxes, radio groups ----
    int item_index(const std::string& name) const;
    // Program change: runs the change handler only for radio groups, which
    // report every change of their selection.
    void set_item_index(const std::string& name, int index);
    const std::vector<std::string>& items(const std::string& name) const;
    void set_items(const std::string& name, std::vector<std::string> items);
    // Replaces one entry, or adds one at the end (`index` the size): no copy of the others.
    void set_item(const std::string& name, size_t index, std::string item);
    std::string selected_text(const std::string& name) const;

    // ---- spin edits ----
    int value(const std::string& name) const;
    void set_value(const std::string& name, int value);

    // ---- page controls ----
    int active_page(const std::string& name) const;
    // Program change: no handler runs.
    void set_active_page(const std::string& name, int index);

    // ---- common properties ----
    void set_caption(const std::string& name, const std::string& caption);
    void set_enabled(const std::string& name, bool enabled);
    void set_visible(const std::string& name, bool visible);
    void set_read_only(const std::string& name, bool read_only);
    void set_focus(const std::string& name);
    const std::string& focused() const { return focused_; }

    // ---- what a user does ----
    void user_type(const std::string& name, const std::string& text);
    void user_select(const std::string& name, int index);
    // Asks the page control's changing handler first; a refusal keeps the page.
    void user_select_page(const std::string& name, int index);
    void user_check(const std::string& name, bool checked);
    void user_click(const std::string& name);
    // Hears the end of every user action above (not of one a handler runs
    // within another): the moment a change is done.
    std::function<void()> after_user_action;

private:
    // Runs one user action, telling after_user_action when the outermost ends.
    template <typename Action>
    void act(Action&& action);
    // Sets one property and tells the listeners, when it really changes.
    template <typename T>
    bool assign(const std::string& name, T Control::*member, T value, Property property);
    void notify(const Control& control, Property property);
    void replace_text(Control& control, const std::string& text, const std::string& source);
    bool select(Control& control, int index);
    void follow_selection(Control& control);
    static void run(const std::function<void()>& handler);

    std::map<std::string, std::unique_ptr<Control>> by_name_;
    std::vector<Control*> order_;
    std::vector<Listener> listeners_;
    std::string focused_;
    int actions_running_ = 0;
};

}  // namespace vortan
