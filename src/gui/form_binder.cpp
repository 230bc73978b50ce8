#include "gui/form_binder.h"

#include "gui/form_menus.h"
#include "gui/page_chooser.h"
#include "gui/radio_group_box.h"
#include "gui/span_diagram_view.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtDebug>

#include <exception>

namespace vortan::gui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QStringList qs(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list << qs(item);
    return list;
}

QStringList items_of(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
    return list;
}

QStringList items_of(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

// The tab widget a page widget sits in (through the tab widget's stack).
QTabWidget* tabs_of(QWidget* page) {
    for (QWidget* w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
    return nullptr;
}

// A hint on the window's status line, set off from its edge by one blank.
QString status_text(const std::string& hint) { return hint.empty() ? QString() : QLatin1Char(' ') + qs(hint); }

void show_widget(QWidget* widget, bool visible) {
    if (widget && widget->isHidden() == visible) widget->setVisible(visible);
}

void enable_widget(QWidget* widget, bool enabled) {
    if (widget && widget->testAttribute(Qt::WA_Disabled) == enabled) widget->setEnabled(enabled);
}

// Read-only fields take the window colour, as they did on the original desktop,
// and no tab stop: Tab goes from one field to type in to the next. A click
// still selects their text for copying.
void show_read_only(QLineEdit* edit, bool read_only) {
    if (edit->isReadOnly() == read_only) return;
    edit->setReadOnly(read_only);
    edit->setFocusPolicy(read_only ? Qt::ClickFocus : Qt::StrongFocus);
    if (read_only) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    } else {
        edit->setPalette(QPalette());
    }
}

// The tab of a page: the page itself or the scroll area that holds it.
int tab_of(const QTabWidget* tabs, const QWidget* page) {
    for (int index = 0; index < tabs->count(); ++index) {
        const QWidget* tab = tabs->widget(index);
        if (tab == page || tab->isAncestorOf(page)) return index;
    }
    return -1;
}

void apply_to_page(QWidget* page, const Control& control, Property property) {
    QTabWidget* tabs = tabs_of(page);
    if (!tabs) return;
    const QSignalBlocker blocker(tabs);
    const int index = tab_of(tabs, page);
    if (index < 0) return;
    switch (property) {
    case Property::Caption: tabs->setTabText(index, qs(control.caption)); break;
    case Property::Hint: tabs->setTabToolTip(index, qs(control.hint)); break;
    case Property::Enabled: tabs->setTabEnabled(index, control.enabled); break;
    case Property::Visible: tabs->setTabVisible(index, control.visible); break;
    default: break;
    }
    mirror_page_chooser(tabs);
}

// The setup editor's tab styles: ordinary tabs, flat tabs, or raised buttons.
void apply_tab_style(QTabWidget* tabs, int style) {
    tabs->setDocumentMode(style != 0);
    tabs->tabBar()->setDrawBase(style == 0);
    tabs->setStyleSheet(style == 2 ? QStringLiteral("QTabBar::tab { border: 1px outset palette(mid); border-radius: 3px;"
                                                    " padding: 3px 10px; margin: 2px; background: palette(button); }"
                                                    " QTabBar::tab:selected { border-style: inset;"
                                                    " background: palette(midlight); }")
                                   : QString());
}

void apply_to_menu(QMenu* menu, const Control& control, Property property) {
    QAction* action = menu->menuAction();
    switch (property) {
    case Property::Caption: menu->setTitle(menu_text(control)); break;
    case Property::Hint: action->setStatusTip(status_text(control.hint)); break;
    case Property::Enabled: action->setEnabled(control.enabled); break;
    case Property::Visible: action->setVisible(control.visible); break;
    default: break;
    }
}

void apply_to_action(QAction* action, const Control& control, Property property) {
    switch (property) {
    case Property::Caption:
        if (!action->isSeparator()) action->setText(menu_text(control));
        break;
    case Property::Hint:
        action->setToolTip(qs(control.hint));
        action->setStatusTip(status_text(control.hint));
        break;
    case Property::Enabled: action->setEnabled(control.enabled); break;
    case Property::Visible: action->setVisible(control.visible); break;
    case Property::Checked:
        // Only items that ever carry a check mark show one; a click does not
        // tick an item by itself, the handler decides.
        if (control.checked) action->setCheckable(true);
        action->setChecked(control.checked);
        break;
    default: break;
    }
}

void write_text(QWidget* widget, const Control& control) {
    const QString text = qs(control.text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() == text) return;
        edit->setText(text);
        // A field the user is not typing in shows the start of a long text
        // (a contract's name), not its end.
        if (!edit->hasFocus()) edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        if (combo->currentText() != text) combo->setEditText(text);
    } else if (auto* status = qobject_cast<QStatusBar*>(widget)) {
        status->showMessage(text);
    }
}

// False for a field, whose caption is the text of its labels.
bool write_caption(QWidget* widget, const Control& control) {
    const QString caption = qs(control.caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != caption) button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title() != caption) group->setTitle(caption);
    } else {
        return false;
    }
    return true;
}

// A grid's rows hold their cells each followed by a TAB.
void write_grid(QTableWidget* grid, const std::vector<std::string>& rows) {
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QStringList cells = QString::fromStdString(rows[static_cast<size_t>(r)]).split(QLatin1Char('\t'));
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(c < cells.size() ? cells[c] : QString()));
    }
}

void write_items(QWidget* widget, const Control& control) {
    const QStringList items = qs(control.items);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (items_of(combo) == items) return;
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(control.item_index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (items_of(list) == items) return;
        list->clear();
        list->addItems(items);
        list->setCurrentRow(control.item_index);
    } else if (auto* group = qobject_cast<RadioGroupBox*>(widget)) {
        group->set_items(items);
        group->set_index(control.item_index);
    } else if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
        write_grid(grid, control.items);
    } else if (auto* diagram = qobject_cast<SpanDiagramView*>(widget)) {
        diagram->set_shapes(control.items);
    }
}

void write_item_index(QWidget* widget, const Control& control) {
    const int index = control.item_index;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->currentIndex() != index) combo->setCurrentIndex(index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (list->currentRow() != index) list->setCurrentRow(index);
    } else if (auto* group = qobject_cast<RadioGroupBox*>(widget)) {
        group->set_index(index);
    }
}

// The order a control's state is put into a fresh widget: items before the
// index into them.
constexpr Property Sync_Order[] = {
    Property::Items,    Property::ItemIndex, Property::Text,    Property::Caption,
    Property::Hint,     Property::Checked,   Property::Value,   Property::ActivePage,
    Property::ReadOnly, Property::Enabled,   Property::Visible,
};

}  // namespace

FormBinder::FormBinder(Form& form, QWidget* root) : QObject(root), form_(form) {
    QList<QObject*> found = root->findChildren<QObject*>();
    found.prepend(root);
    for (QObject* object : found) {
        const std::string name = object->objectName().toStdString();
        if (!name.empty() && form_.has(name)) objects_[name] = object;
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy) continue;
        const std::string name = buddy->objectName().toStdString();
        if (objects_.count(name) != 0) caption_labels_[name].push_back(label);
    }
    for (const Control* control : form_.controls())
        if (!control->unit_label.empty()) unit_owner_[control->unit_label] = control->name;

    for (const auto& [name, object] : objects_) connect_user_signals(object, name);
    for (const Control* control : form_.controls()) sync(*control);
    if (!form_.focused().empty()) apply(form_.control(form_.focused()), Property::Focus);

    // The form outlives no view in the program, but a listener must never
    // reach a binder that is gone.
    QPointer<FormBinder> self(this);
    form_.add_listener([self](const Control& control, Property property) {
        if (self) self->apply(control, property);
    });
}

QObject* FormBinder::object(const std::string& name) const {
    auto found = objects_.find(name);
    return found == objects_.end() ? nullptr : found->second.data();
}

QWidget* FormBinder::widget(const std::string& name) const {
    return qobject_cast<QWidget*>(object(name));
}

void FormBinder::connect_user_signals(QObject* object, const std::string& name) {
    auto act = [this, name](std::function<void()> action) { user_action(name, action); };

    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        connect(edit, &QLineEdit::textEdited, this, [this, act, name](const QString& text) {
            act([&] { form_.user_type(name, text.toStdString()); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
        connect(combo, &QComboBox::activated, this,
                [this, act, name](int index) { act([&] { form_.user_select(name, index); }); });
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, act, name](int row) { act([&] { form_.user_select(name, row); }); });
    } else if (auto* group = qobject_cast<RadioGroupBox*>(object)) {
        connect(group, &RadioGroupBox::picked, this,
                [this, act, name](int index) { act([&] { form_.user_select(name, index); }); });
    } else if (auto* button = qobject_cast<QPushButton*>(object)) {
        connect(button, &QPushButton::clicked, this,
                [this, act, name] { act([&] { form_.user_click(name); }); });
    } else if (auto* check = qobject_cast<QAbstractButton*>(object)) {
        connect(check, &QAbstractButton::clicked, this,
                [this, act, name](bool checked) { act([&] { form_.user_check(name, checked); }); });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        connect(tabs, &QTabWidget::currentChanged, this, [this, act, name](int index) {
            act([&] { form_.user_select_page(name, index); });
        });
    } else if (auto* spin = qobject_cast<QSpinBox*>(object)) {
        connect(spin, &QSpinBox::valueChanged, this,
                [this, act, name](int value) { act([&] { form_.set_value(name, value); }); });
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        connect(action, &QAction::triggered, this,
                [this, act, name] { act([&] { form_.user_click(name); }); });
    }
}

void FormBinder::user_action(const std::string& name, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        // An exception must not unwind through Qt's event loop.
        qCritical("vortan: %s: %s", name.c_str(), error.what());
    }
    if (form_.has(name)) sync(form_.control(name));
}

void FormBinder::sync(const Control& control) {
    if (!object(control.name)) return;
    for (Property property : Sync_Order) apply(control, property);
}

bool FormBinder::shown(const Control& control) const {
    if (!control.visible) return false;
    auto owner = unit_owner_.find(control.name);
    return owner == unit_owner_.end() || form_.control(owner->second).visible;
}

bool FormBinder::usable(const Control& control) const {
    if (!control.enabled) return false;
    auto owner = unit_owner_.find(control.name);
    return owner == unit_owner_.end() || form_.control(owner->second).enabled;
}

std::vector<QWidget*> FormBinder::companions(const Control& control) const {
    std::vector<QWidget*> widgets;
    if (auto labels = caption_labels_.find(control.name); labels != caption_labels_.end())
        for (const QPointer<QLabel>& label : labels->second)
            if (label) widgets.push_back(label);
    return widgets;
}

void FormBinder::apply(const Control& control, Property property) {
    QObject* object = this->object(control.name);
    if (!object) return;
    const QSignalBlocker blocker(object);
    if (control.kind == ControlKind::Page)
        apply_to_page(qobject_cast<QWidget*>(object), control, property);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        apply_to_menu(menu, control, property);
    else if (auto* action = qobject_cast<QAction*>(object))
        apply_to_action(action, control, property);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        apply_to_widget(widget, control, property);
}

void FormBinder::apply_to_widget(QWidget* widget, const Control& control, Property property) {
    switch (property) {
    case Property::Text: write_text(widget, control); break;
    case Property::Caption:
        if (!write_caption(widget, control))
            for (QWidget* label : companions(control))
                static_cast<QLabel*>(label)->setText(qs(control.caption));
        break;
    case Property::Hint:
        widget->setToolTip(qs(control.hint));
        widget->setStatusTip(status_text(control.hint));
        for (QWidget* label : companions(control)) {
            label->setToolTip(qs(control.hint));
            label->setStatusTip(status_text(control.hint));
        }
        break;
    case Property::Enabled:
        enable_widget(widget, usable(control));
        for (QWidget* label : companions(control)) enable_widget(label, control.enabled);
        if (!control.unit_label.empty() && form_.has(control.unit_label))
            enable_widget(this->widget(control.unit_label),
                          usable(form_.control(control.unit_label)));
        break;
    case Property::Visible:
        show_widget(widget, shown(control));
        for (QWidget* label : companions(control)) show_widget(label, control.visible);
        if (!control.unit_label.empty() && form_.has(control.unit_label))
            show_widget(this->widget(control.unit_label), shown(form_.control(control.unit_label)));
        break;
    case Property::ReadOnly:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) show_read_only(edit, control.read_only);
        break;
    case Property::Checked:
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && button->isCheckable() && button->isChecked() != control.checked)
            button->setChecked(control.checked);
        break;
    case Property::Items: write_items(widget, control); break;
    case Property::ItemIndex: write_item_index(widget, control); break;
    case Property::Value:
        if (auto* spin = qobject_cast<QSpinBox*>(widget); spin && spin->value() != control.value)
            spin->setValue(control.value);
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            apply_tab_style(tabs, control.value);
        break;
    case Property::ActivePage:
        if (auto* tabs = qobject_cast<QTabWidget*>(widget);
            tabs && control.active_page >= 0 && control.active_page < tabs->count() &&
            tabs->currentIndex() != control.active_page) {
            tabs->setCurrentIndex(control.active_page);
            mirror_page_chooser(tabs);
        }
        break;
    case Property::Focus: widget->setFocus(Qt::OtherFocusReason); break;
    }
}

}  // namespace vortan::gui
