#include "gui/form_view.h"

#include "gui/design_scale.h"
#include "gui/page_chooser.h"
#include "gui/radio_group_box.h"
#include "gui/span_diagram_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>

#include <limits>
#include <set>
#include <vector>

namespace vortan::gui {

namespace {

// A container is laid out in bands, one under the other; a band holds columns
// side by side (controls with the beside hint start them). Each column is a grid
// in which a field takes three grid columns (caption, field, unit), so fields
// that share a row line up with those of the rows above; a last, empty grid
// column takes the spare width, so fields keep their own size.
constexpr int Columns_Per_Field = 3;
constexpr int Fields_In_A_Row = 4;
// Compact spacing: the main window has a fixed design size.
constexpr int Row_Spacing = 3;
constexpr int Field_Spacing = 6;
constexpr int Band_Spacing = 6;
constexpr int Column_Spacing = 8;
constexpr int Page_Margin = 4;
constexpr int Group_Margin = 5;
// Fields are as wide as the longest texts they hold: dates, angles, sums.
constexpr const char* Widest_Field_Text = "00-Dec-0000";
constexpr int Field_Padding = 10;  // the frame and text margins of a line edit
constexpr int Combo_Characters = 14;

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

// Takes spare height, so it does not sit at its preferred size with a gap below.
bool takes_spare_height(ControlKind kind) {
    return kind == ControlKind::PageControl || kind == ControlKind::ListBox ||
           kind == ControlKind::StringGrid;
}

// One column of a band: its grid and where the next field goes.
struct Column {
    QGridLayout* grid = nullptr;
    int row = -1;
    int next_field = 0;     // index of the next field in the row
    bool edit_row = false;  // may the next edit continue this row?
    bool takes_height = false;
    bool takes_width = false;
};

class ViewBuilder {
public:
    ViewBuilder(const Form& form, DesignScale& scale) : form_(form), scale_(scale) {}

    void fill(QWidget* container, const std::string& parent, bool top_aligned);

private:
    bool only_buttons(const std::string& parent) const;
    bool takes_spare_width(const Control& control) const;
    void fill_button_row(QWidget* container, const std::string& parent);
    QWidget* make(const Control& control, QWidget* parent);
    QWidget* make_page_control(const Control& control, QWidget* parent);
    QLabel* caption_label(const Control& control, QWidget* buddy, QWidget* parent);
    void place_edit(Column& column, const Control& control, QWidget* edit, QWidget* container);
    void place_other(Column& column, const Control& control, QWidget* widget, QWidget* container);

    // A widget in a grid, placed by the design scale.
    void add(QGridLayout* grid, QWidget* widget, int row, int column, int columns = 1,
             Qt::Alignment alignment = Qt::Alignment()) {
        grid->addItem(new DesignItem(widget, scale_), row, column, 1, columns, alignment);
    }
    // The container's top layout, run in design coordinates.
    void set_layout(QWidget* container, QLayout* content) { new DesignLayout(container, content, scale_); }

    const Form& form_;
    DesignScale& scale_;
    std::set<std::string> placed_units_;
};

QLabel* ViewBuilder::caption_label(const Control& control, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(qs(control.caption), parent);
    label->setBuddy(buddy);
    return label;
}

QWidget* ViewBuilder::make(const Control& control, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Edit: {
        auto* edit = named(new QLineEdit(parent), control);
        // A field is as wide as the texts it holds, at the design font: a
        // number or date, or the characters asked for free text.
        const QFontMetrics metrics = edit->fontMetrics();
        const int text_width = control.characters > 0 ? metrics.averageCharWidth() * control.characters
                                                      : metrics.horizontalAdvance(QLatin1String(Widest_Field_Text));
        edit->setProperty(DesignItem::Design_Width, text_width + Field_Padding);
        return edit;
    }
    case ControlKind::CheckBox: return named(new QCheckBox(qs(control.caption), parent), control);
    case ControlKind::RadioButton:
        return named(new QRadioButton(qs(control.caption), parent), control);
    case ControlKind::ComboBox: {
        auto* combo = named(new QComboBox(parent), control);
        // Sized by a fixed length, so the layout does not change with the setup lists.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(Combo_Characters);
        return combo;
    }
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
    case ControlKind::PageControl: return make_page_control(control, parent);
    case ControlKind::GroupBox: {
        auto* group = named(new QGroupBox(qs(control.caption), parent), control);
        fill(group, control.name, false);
        return group;
    }
    case ControlKind::Panel: {
        auto* panel = named(new QFrame(parent), control);
        if (control.covers_parent) {
            panel->setAutoFillBackground(true);
            panel->setFrameShape(QFrame::StyledPanel);
            new CoverKeeper(panel, parent);
        }
        if (only_buttons(control.name)) {
            fill_button_row(panel, control.name);
        } else {
            fill(panel, control.name, false);
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
    case ControlKind::Drawing: return named(new SpanDiagramView(parent), control);
    case ControlKind::Page:      // built by its page control
    case ControlKind::MenuItem:  // built into the menu bar
    case ControlKind::StatusBar:  // built by the window
        break;
    }
    return nullptr;
}

// Each page scrolls where the window is too small for it; the tab bar scrolls
// where its tabs do not fit.
QWidget* ViewBuilder::make_page_control(const Control& control, QWidget* parent) {
    QWidget* pane = control.pages_chosen_by_name ? page_chooser_pane(parent) : nullptr;
    auto* tabs = named(new QTabWidget(pane ? pane : parent), control);
    tabs->setUsesScrollButtons(true);
    tabs->setElideMode(Qt::ElideNone);
    for (const Control* page : form_.children(control.name)) {
        if (page->kind != ControlKind::Page || !page->on_screen) continue;
        auto* scroller = new QScrollArea(tabs);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidgetResizable(true);
        scroller->viewport()->setAutoFillBackground(false);
        scroller->setFocusPolicy(Qt::NoFocus);  // its fields take the Tab stops, not the page
        auto* widget = named(new QWidget(scroller), *page);
        fill(widget, page->name, true);
        scroller->setWidget(widget);
        tabs->addTab(scroller, qs(page->caption));
    }
    if (!pane) return tabs;
    choose_pages_above(tabs);
    return pane;
}

// A drawing grows with the window, and so does a frame that holds one.
bool ViewBuilder::takes_spare_width(const Control& control) const {
    if (!control.on_screen) return false;
    if (control.kind == ControlKind::Drawing) return true;
    if (control.kind != ControlKind::GroupBox && control.kind != ControlKind::Panel) return false;
    for (const Control* child : form_.children(control.name))
        if (takes_spare_width(*child)) return true;
    return false;
}

bool ViewBuilder::only_buttons(const std::string& parent) const {
    auto children = form_.children(parent);
    for (const Control* child : children)
        if (child->kind != ControlKind::Button) return false;
    return !children.empty();
}

// A panel of buttons is a row of them, as a toolbar would be.
// A panel of buttons is a row of them, as a toolbar would be, wrapped into
// rows of equal buttons when the panel asks for it.
void ViewBuilder::fill_button_row(QWidget* container, const std::string& parent) {
    auto* grid = new QGridLayout;
    set_layout(container, grid);
    grid->setContentsMargins(0, 0, 0, 0);
    const int per_row = form_.control(parent).buttons_per_row;
    int placed = 0;
    for (const Control* control : form_.children(parent)) {
        if (!control->on_screen) continue;
        const int row = per_row > 0 ? placed / per_row : 0;
        const int column = per_row > 0 ? placed % per_row : placed;
        add(grid, make(*control, container), row, column);
        ++placed;
    }
    grid->setColumnStretch(per_row > 0 ? per_row : placed, 1);
}

void ViewBuilder::place_edit(Column& column, const Control& control, QWidget* edit,
                             QWidget* container) {
    // A caption-less edit continues its row (a second value of the same
    // caption); a captioned one does when it has the beside hint.
    const bool continues = column.edit_row && column.next_field < Fields_In_A_Row &&
                           (control.caption.empty() || control.beside_previous);
    if (!continues) {
        ++column.row;
        column.next_field = 0;
    }
    const int first = column.next_field++ * Columns_Per_Field;
    QGridLayout* grid = column.grid;
    if (!control.caption.empty())
        add(grid, caption_label(control, edit, container), column.row, first);
    add(grid, edit, column.row, first + 1);
    if (!control.unit_label.empty() && form_.has(control.unit_label)) {
        const Control& unit = form_.control(control.unit_label);
        add(grid, make(unit, container), column.row, first + 2);
        placed_units_.insert(unit.name);
    }
    column.edit_row = true;
}

void ViewBuilder::place_other(Column& column, const Control& control, QWidget* widget,
                              QWidget* container) {
    const int row = ++column.row;
    column.edit_row = false;
    column.takes_height = column.takes_height || takes_spare_height(control.kind);
    const bool takes_width = takes_spare_width(control);
    column.takes_width = column.takes_width || takes_width;
    QGridLayout* grid = column.grid;
    const bool captioned_list =
        control.kind == ControlKind::ComboBox || control.kind == ControlKind::ListBox;
    if (control.heads_field >= 0) {
        // A column heading: over the edits of that field in the rows below.
        add(grid, widget, row, control.heads_field * Columns_Per_Field + 1);
    } else if (captioned_list && !control.caption.empty()) {
        add(grid, caption_label(control, widget, container), row, 0);
        add(grid, widget, row, 1, -1, Qt::AlignLeft);
    } else if (!takes_width && (control.kind == ControlKind::Button || control.kind == ControlKind::GroupBox ||
                                control.kind == ControlKind::RadioGroup)) {
        // Frames as wide as their content keep related choices together.
        add(grid, widget, row, 0, -1, Qt::AlignLeft);
    } else {
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(true);
        add(grid, widget, row, 0, -1);
    }
}

void ViewBuilder::fill(QWidget* container, const std::string& parent, bool top_aligned) {
    auto* bands = new QVBoxLayout;
    set_layout(container, bands);
    bands->setSpacing(Band_Spacing);
    // A frameless panel is only a holder: its controls line up with its neighbours.
    auto* frame = qobject_cast<QFrame*>(container);
    const bool bare = !top_aligned && frame && frame->frameShape() == QFrame::NoFrame;
    const int margin = top_aligned ? Page_Margin : bare ? 0 : Group_Margin;
    bands->setContentsMargins(margin, margin, margin, margin);

    QHBoxLayout* band = nullptr;
    std::vector<Column> columns;  // of the band being filled
    bool band_ends = false;       // did a column beside the others just end?
    bool any_takes_height = false;

    auto finish_band = [&] {
        bool any_takes_width = false;
        for (Column& column : columns) {
            // Empty grid columns still take spacing: the stretch comes right after the last.
            if (column.takes_width)
                band->setStretchFactor(column.grid, 1);
            else
                column.grid->setColumnStretch(column.grid->columnCount(), 1);
            if (!column.takes_height) column.grid->setRowStretch(column.row + 1, 1);
            any_takes_width = any_takes_width || column.takes_width;
        }
        // Columns that grow share the spare width of the band; else the last takes it.
        if (band && !columns.empty() && !any_takes_width) band->setStretchFactor(columns.back().grid, 1);
        bool takes_height = false;
        for (const Column& column : columns) takes_height = takes_height || column.takes_height;
        if (band && takes_height) bands->setStretchFactor(band, 1);
        any_takes_height = any_takes_height || takes_height;
        columns.clear();
    };
    auto add_column = [&] {
        auto* grid = new QGridLayout;
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setVerticalSpacing(Row_Spacing);
        grid->setHorizontalSpacing(Field_Spacing);
        band->addLayout(grid);
        columns.push_back(Column{grid});
    };
    auto add_band = [&] {
        finish_band();
        band = new QHBoxLayout;
        band->setSpacing(Column_Spacing);
        bands->addLayout(band);
        add_column();
        band_ends = false;
    };

    for (const Control* control : form_.children(parent)) {
        if (!control->on_screen || control->docked || placed_units_.count(control->name) != 0) continue;
        if (control->kind == ControlKind::Page || control->kind == ControlKind::MenuItem ||
            control->kind == ControlKind::StatusBar)
            continue;
        QWidget* widget = make(*control, container);
        if (control->covers_parent) continue;  // laid over the container, not in its grid

        const bool new_column = control->beside_previous && control->kind != ControlKind::Edit;
        // A drawing shows what the control before it stands for: it stays in its column.
        const bool illustrates = control->kind == ControlKind::Drawing && !new_column && band;
        if (!band || (band_ends && !new_column && !illustrates)) {
            add_band();
        } else if (new_column) {
            add_column();
        }
        if (new_column) band_ends = true;

        if (control->kind == ControlKind::Edit) {
            place_edit(columns.back(), *control, widget, container);
        } else {
            place_other(columns.back(), *control, widget, container);
        }
    }
    finish_band();
    if (top_aligned && !any_takes_height) bands->addStretch(1);
}

}  // namespace

QWidget* build_form_panel(const Form& form, const std::string& panel, QWidget* parent) {
    auto* view = new QWidget(parent);
    auto* scale = new DesignScale(view);
    ViewBuilder(form, *scale).fill(view, panel, true);
    // Deleted after the widgets whose layouts it serves: children go in order.
    scale->setParent(nullptr);
    scale->setParent(view);
    return view;
}

QWidget* build_form_view(const Form& form, QWidget* parent) { return build_form_panel(form, "", parent); }

}  // namespace vortan::gui
