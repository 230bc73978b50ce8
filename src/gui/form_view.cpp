#include "gui/form_view.h"

#include "gui/radio_group_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>

#include <limits>
#include <set>

namespace vortan::gui {

namespace {

// Grid of a container: the caption label, then edits each followed by their
// unit label; the last column takes the spare width so edits keep their size.
constexpr int Caption_Column = 0;
constexpr int First_Field_Column = 1;
constexpr int Stretch_Column = 9;
constexpr int Field_Span = Stretch_Column - First_Field_Column;

QString qs(const std::string& text) { return QString::fromStdString(text); }

template <class W>
W* named(W* widget, const Control& control) {
    widget->setObjectName(qs(control.name));
    return widget;
}

// Keeps a cover panel over the whole of its container, in front of its fields.
class CoverKeeper final : public QObject {
public:
    CoverKeeper(QWidget* cover, QWidget* container) : QObject(cover), cover_(cover) {
        container->installEventFilter(this);
        cover_->setGeometry(container->rect());
        cover_->raise();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            cover_->setGeometry(static_cast<QWidget*>(watched)->rect());
            cover_->raise();
        }
        return false;
    }

private:
    QWidget* cover_;
};

class ViewBuilder {
public:
    explicit ViewBuilder(const Form& form) : form_(form) {}

    void fill(QWidget* container, const std::string& parent, bool top_aligned);

private:
    bool only_buttons(const std::string& parent) const;
    void fill_button_row(QWidget* container, const std::string& parent);
    QWidget* make(const Control& control, QWidget* parent);
    QLabel* caption_label(const Control& control, QWidget* buddy, QWidget* parent);

    const Form& form_;
    std::set<std::string> placed_units_;
};

QLabel* ViewBuilder::caption_label(const Control& control, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(qs(control.caption), parent);
    label->setBuddy(buddy);
    return label;
}

QWidget* ViewBuilder::make(const Control& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Edit: return named(new QLineEdit(parent), control);
    case ControlKind::CheckBox: return named(new QCheckBox(qs(control.caption), parent), control);
    case ControlKind::RadioButton:
        return named(new QRadioButton(qs(control.caption), parent), control);
    case ControlKind::ComboBox: return named(new QComboBox(parent), control);
    case ControlKind::ListBox: return named(new QListWidget(parent), control);
    case ControlKind::RadioGroup: {
        auto* group = named(new RadioGroupBox(parent), control);
        group->setTitle(qs(control.caption));
        return group;
    }
    case ControlKind::SpinEdit: {
        auto* spin = named(new QSpinBox(parent), control);
        spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        return spin;
    }
    case ControlKind::PageControl: {
        auto* tabs = named(new QTabWidget(parent), control);
        // Every tab stays in sight: the window is sized to the whole tab bar.
        tabs->setUsesScrollButtons(false);
        for (const Control* page : form_.children(control.name)) {
            if (page->kind != ControlKind::Page || !page->on_screen) continue;
            auto* widget = named(new QWidget(tabs), *page);
            fill(widget, page->name, true);
            tabs->addTab(widget, qs(page->caption));
        }
        return tabs;
    }
    case ControlKind::GroupBox: {
        auto* group = named(new QGroupBox(qs(control.caption), parent), control);
        fill(group, control.name, false);
        return group;
    }
    case ControlKind::Panel: {
        auto* panel = named(new QFrame(parent), control);
        if (only_buttons(control.name)) {
            fill_button_row(panel, control.name);
        } else {
            fill(panel, control.name, false);
        }
        if (control.covers_parent) {
            panel->setAutoFillBackground(true);
            panel->setFrameShape(QFrame::StyledPanel);
            new CoverKeeper(panel, parent);
        }
        return panel;
    }
    case ControlKind::StringGrid: {
        auto* grid = named(new QTableWidget(0, 3, parent), control);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        return grid;
    }
    case ControlKind::Label: return named(new QLabel(qs(control.caption), parent), control);
    case ControlKind::Button: return named(new QPushButton(qs(control.caption), parent), control);
    case ControlKind::Page:      // built by its page control
    case ControlKind::MenuItem:  // built into the menu bar
        break;
    }
    return nullptr;
}

bool ViewBuilder::only_buttons(const std::string& parent) const {
    auto children = form_.children(parent);
    for (const Control* child : children)
        if (child->kind != ControlKind::Button) return false;
    return !children.empty();
}

// A panel of buttons is a row of them, as a toolbar would be.
void ViewBuilder::fill_button_row(QWidget* container, const std::string& parent) {
    auto* row = new QHBoxLayout(container);
    row->setContentsMargins(0, 0, 0, 0);
    for (const Control* control : form_.children(parent))
        if (control->on_screen) row->addWidget(make(*control, container));
    row->addStretch(1);
}

void ViewBuilder::fill(QWidget* container, const std::string& parent, bool top_aligned) {
    auto* grid = new QGridLayout(container);
    int row = -1;
    int column = First_Field_Column;
    bool edit_row = false;  // may the next caption-less edit continue this row?

    for (const Control* control : form_.children(parent)) {
        if (!control->on_screen || placed_units_.count(control->name) != 0) continue;
        if (control->kind == ControlKind::Page || control->kind == ControlKind::MenuItem) continue;
        QWidget* widget = make(*control, container);
        if (control->covers_parent) continue;  // laid over the container, not in its grid

        if (control->kind == ControlKind::Edit) {
            if (!control->caption.empty() || !edit_row) {
                ++row;
                column = First_Field_Column;
                if (!control->caption.empty())
                    grid->addWidget(caption_label(*control, widget, container), row,
                                    Caption_Column);
            }
            grid->addWidget(widget, row, column++);
            if (!control->unit_label.empty() && form_.has(control->unit_label)) {
                const Control& unit = form_.control(control->unit_label);
                grid->addWidget(make(unit, container), row, column);
                placed_units_.insert(unit.name);
            }
            ++column;  // a unit column even without a unit keeps rows aligned
            edit_row = true;
            continue;
        }

        ++row;
        edit_row = false;
        const bool captioned_list =
            control->kind == ControlKind::ComboBox || control->kind == ControlKind::ListBox;
        if (captioned_list && !control->caption.empty()) {
            grid->addWidget(caption_label(*control, widget, container), row, Caption_Column);
            grid->addWidget(widget, row, First_Field_Column, 1, Field_Span - 1);
        } else if (control->kind == ControlKind::Button || control->kind == ControlKind::GroupBox ||
                   control->kind == ControlKind::RadioGroup) {
            // Frames as wide as their content keep related choices together.
            grid->addWidget(widget, row, Caption_Column, 1, -1, Qt::AlignLeft);
        } else {
            grid->addWidget(widget, row, Caption_Column, 1, -1);
        }
    }
    grid->setColumnStretch(Stretch_Column, 1);
    if (top_aligned) grid->setRowStretch(row + 1, 1);
}

}  // namespace

QWidget* build_form_view(const Form& form, QWidget* parent) {
    auto* view = new QWidget(parent);
    ViewBuilder(form).fill(view, "", true);
    return view;
}

}  // namespace vortan::gui
