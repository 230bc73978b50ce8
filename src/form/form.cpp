#include "form/form.h"

#include <algorithm>
#include <exception>

#include <utility>

namespace vortan {

std::string shown_caption(const Control& control) {
    if (control.plain_caption || control.kind == ControlKind::Label) return control.caption;
    if (control.kind == ControlKind::MenuItem && control.caption == "-") return "";  // a separator line
    std::string shown;
    for (size_t i = 0; i < control.caption.size(); ++i) {
        if (control.caption[i] == '&' && ++i == control.caption.size()) break;
        shown += control.caption[i];
    }
    return shown;
}

Control& Form::add(ControlKind kind, const std::string& name, const std::string& parent) {
    if (by_name_.count(name) != 0) throw std::logic_error("control added twice: " + name);
    if (!parent.empty() && !has(parent)) throw UnknownControl(parent);
    auto control = std::make_unique<Control>();
    control->name = name;
    control->kind = kind;
    control->parent = parent;
    Control& added = *control;
    by_name_.emplace(name, std::move(control));
    order_.push_back(&added);
    return added;
}

bool Form::has(const std::string& name) const { return by_name_.count(name) != 0; }

const Control& Form::control(const std::string& name) const {
    auto found = by_name_.find(name);
    if (found == by_name_.end()) throw UnknownControl(name);
    return *found->second;
}

Control& Form::control(const std::string& name) {
    return const_cast<Control&>(std::as_const(*this).control(name));
}

std::vector<const Control*> Form::children(const std::string& parent) const {
    std::vector<const Control*> result;
    for (const Control* c : order_)
        if (c->parent == parent) result.push_back(c);
    return result;
}

std::vector<std::string> Form::pages_of(const std::string& page_control) const {
    std::vector<std::string> pages;
    for (const Control* c : children(page_control))
        if (c->kind == ControlKind::Page) pages.push_back(c->name);
    return pages;
}

void Form::add_listener(Listener listener) { listeners_.push_back(std::move(listener)); }

template <typename T>
bool Form::assign(const std::string& name, T Control::*member, T value, Property property) {
    Control& c = control(name);
    if (c.*member == value) return false;
    c.*member = std::move(value);
    notify(c, property);
    return true;
}

void Form::notify(const Control& control, Property property) {
    for (const Listener& listener : listeners_) listener(control, property);
}

void Form::run(const std::function<void()>& handler) {
    if (handler) handler();
}

const std::string& Form::text(const std::string& name) const { return control(name).text; }

void Form::set_text(const std::string& name, const std::string& text) {
    Control& c = control(name);
    if (c.text != text) replace_text(c, text, "");
}

void Form::set_shown(const std::string& name, const std::string& text, const std::string& source) {
    Control& c = control(name);
    if (c.text == text)
        c.source = source;
    else
        replace_text(c, text, source);
}

// The source is in place before the change handler runs, so a handler that
// reads the field already reads the value the text stands for.
void Form::replace_text(Control& c, const std::string& text, const std::string& source) {
    c.text = text;
    c.source = source;
    notify(c, Property::Text);
    run(c.on_change);
}

bool Form::checked(const std::string& name) const { return control(name).checked; }

void Form::set_checked(const std::string& name, bool checked) {
    assign<bool>(name, &Control::checked, checked, Property::Checked);
}

int Form::item_index(const std::string& name) const { return control(name).item_index; }

// A pick-only combo box shows the text of its selected item, or nothing.
void Form::follow_selection(Control& c) {
    if (c.kind != ControlKind::ComboBox) return;
    bool selected = c.item_index >= 0 && c.item_index < static_cast<int>(c.items.size());
    std::string shown = selected ? c.items[static_cast<size_t>(c.item_index)] : "";
    if (c.text == shown) return;
    c.text = std::move(shown);
    notify(c, Property::Text);
}

bool Form::select(Control& c, int index) {
    if (index < -1 || index >= static_cast<int>(c.items.size())) index = -1;
    if (c.item_index == index) return false;
    c.item_index = index;
    notify(c, Property::ItemIndex);
    follow_selection(c);
    return true;
}

void Form::set_item_index(const std::string& name, int index) {
    Control& c = control(name);
    if (select(c, index) && c.kind == ControlKind::RadioGroup) run(c.on_change);
}

const std::vector<std::string>& Form::items(const std::string& name) const {
    return control(name).items;
}

namespace {

// The entries of `after` that differ from `before`: all but the longest
// common beginning and end.
ItemsChange change_between(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    const size_t shorter = std::min(before.size(), after.size());
    size_t first = 0;
    while (first < shorter && before[first] == after[first]) ++first;
    size_t same_end = 0;
    while (same_end < shorter - first && before[before.size() - 1 - same_end] == after[after.size() - 1 - same_end])
        ++same_end;
    return {first, before.size() - first - same_end, after.size() - first - same_end};
}

}  // namespace

void Form::set_items(const std::string& name, std::vector<std::string> items) {
    Control& c = control(name);
    c.items_change = change_between(c.items, items);
    c.items = std::move(items);
    if (c.item_index >= static_cast<int>(c.items.size())) c.item_index = -1;
    notify(c, Property::Items);
    follow_selection(c);
}

void Form::set_item(const std::string& name, size_t index, std::string item) {
    Control& c = control(name);
    if (index > c.items.size()) throw std::out_of_range("no entry " + std::to_string(index) + " in " + name);
    const bool added = index == c.items.size();
    if (added)
        c.items.push_back(std::move(item));
    else
        c.items[index] = std::move(item);
    c.items_change = {index, added ? 0u : 1u, 1};
    notify(c, Property::Items);
    follow_selection(c);
}

std::string Form::selected_text(const std::string& name) const {
    const Control& c = control(name);
    if (c.item_index < 0 || c.item_index >= static_cast<int>(c.items.size())) return c.text;
    return c.items[static_cast<size_t>(c.item_index)];
}

int Form::value(const std::string& name) const { return control(name).value; }

void Form::set_value(const std::string& name, int value) {
    if (assign<int>(name, &Control::value, value, Property::Value)) run(control(name).on_change);
}

int Form::active_page(const std::string& name) const { return control(name).active_page; }

void Form::set_active_page(const std::string& name, int index) {
    Control& c = control(name);
    if (index < -1 || index >= static_cast<int>(pages_of(name).size())) index = -1;
    if (c.active_page == index) return;
    c.active_page = index;
    notify(c, Property::ActivePage);
}

void Form::set_caption(const std::string& name, const std::string& caption) {
    assign<std::string>(name, &Control::caption, std::string(caption), Property::Caption);
}

void Form::set_enabled(const std::string& name, bool enabled) {
    assign<bool>(name, &Control::enabled, enabled, Property::Enabled);
}

void Form::set_visible(const std::string& name, bool visible) {
    assign<bool>(name, &Control::visible, visible, Property::Visible);
}

void Form::set_read_only(const std::string& name, bool read_only) {
    assign<bool>(name, &Control::read_only, read_only, Property::ReadOnly);
}

void Form::set_focus(const std::string& name) {
    const Control& c = control(name);
    focused_ = name;
    notify(c, Property::Focus);
}

template <typename Action>
void Form::act(Action&& action) {
    struct Depth {
        Form& form;
        explicit Depth(Form& f) : form(f) { ++form.actions_running_; }
        ~Depth() {
            // A script stopped by an unanswered question ends here: nothing more runs.
            if (--form.actions_running_ == 0 && form.after_user_action && std::uncaught_exceptions() == 0)
                form.after_user_action();
        }
    } depth(*this);
    action();
}

void Form::user_type(const std::string& name, const std::string& text) {
    act([&] { set_text(name, text); });
}

void Form::user_select(const std::string& name, int index) {
    act([&] {
        Control& c = control(name);
        if (select(c, index)) run(c.on_change);
    });
}

void Form::user_select_page(const std::string& name, int index) {
    act([&] {
        Control& c = control(name);
        if (index == c.active_page) return;
        if (c.on_changing && !c.on_changing()) return;
        set_active_page(name, index);
        run(c.on_change);
    });
}

void Form::user_check(const std::string& name, bool checked) {
    act([&] {
        Control& c = control(name);
        if (c.checked == checked) return;
        set_checked(name, checked);
        run(c.on_change);
    });
}

void Form::user_click(const std::string& name) {
    act([&] {
        Control& c = control(name);
        if (!c.enabled) return;
        run(c.on_click);
    });
}

}  // namespace vortan
