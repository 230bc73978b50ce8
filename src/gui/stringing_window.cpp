#include "gui/stringing_window.h"

#include "gui/report_printer.h"
#include "gui/stringing_chart_plot.h"
#include "gui/window_room.h"
#include "mainwindow/main_window.h"
#include "project/record_fields.h"
#include "stringing/conductor_catalogue.h"
#include "stringing/schedule_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vortan::gui {

using namespace stringing;

namespace {

constexpr const char* Code_Names = "Code_Name_ListBox";

QString text_of(const std::string& text) { return QString::fromStdString(text); }

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The pattern of format_number for a number of decimals.
std::string pattern_of(int decimals) { return decimals > 0 ? "##0." + std::string(decimals, '0') : "##0"; }

// Sets a combo's items without the signals of a user's choice, keeping the
// one with `current` as its data.
void fill_combo(QComboBox* combo, const std::vector<std::pair<QString, QString>>& items, const QString& current) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const auto& [text, data] : items) combo->addItem(text, data);
    combo->setCurrentIndex(std::max(0, combo->findData(current)));
}

QFormLayout* compact_form(QWidget* box) {
    auto* form = new QFormLayout(box);
    form->setVerticalSpacing(4);
    return form;
}

}  // namespace

StringingWindow::StringingWindow(MainWindow& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("Stringing_Window"));
    setWindowTitle(tr("Stringing Charts"));
    // The data beside the chart: a small screen scrolls them rather than squeezing the chart.
    auto* entries = new QWidget;
    auto* entries_layout = new QVBoxLayout(entries);
    entries_layout->setContentsMargins(0, 0, 0, 0);
    entries_layout->addWidget(build_conductor_box());
    entries_layout->addWidget(build_design_box());
    entries_layout->addWidget(build_range_box());
    entries_layout->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(entries);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(entries->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    // The three columns scroll sideways on a screen narrower than they are,
    // so that the buttons below them stay in sight.
    auto* body = new QWidget;
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(build_strain_box());
    columns->addWidget(scroll);
    columns->addWidget(build_chart_box(), 1);
    auto* body_scroll = new QScrollArea;
    body_scroll->setWidget(body);
    body_scroll->setWidgetResizable(true);
    body_scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_choices());
    layout->addWidget(body_scroll, 1);
    layout->addWidget(build_buttons());
    resize(1240, 720);
    fit_inside_screen_when_shown(this);
    close_on_escape(this);
    follow_model();
    refresh();
}

QWidget* StringingWindow::build_choices() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sections_ = named(new QComboBox, "Stringing_Section_ComboBox");
    sections_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sections_->setMinimumContentsLength(48);
    connect(sections_, &QComboBox::activated, this, [this](int index) {
        first_structure_ = sections_->itemData(index).toString().toStdString();
        refresh();
    });
    code_names_ = named(new QComboBox, "Stringing_Code_Name_ComboBox");
    code_names_->setMinimumContentsLength(12);
    connect(code_names_, &QComboBox::activated, this, [this](int index) {
        code_name_ = code_names_->itemText(index).toStdString();
        refresh();
    });
    layout->addWidget(new QLabel(tr("Tension section:")));
    layout->addWidget(sections_);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(tr("Conductor code name:")));
    layout->addWidget(code_names_);
    layout->addStretch(1);
    return row;
}

QWidget* StringingWindow::build_strain_box() {
    auto* box = new QGroupBox(tr("Strain structures"));
    auto* layout = new QVBoxLayout(box);
    strains_ = named(new QListWidget, "Stringing_Strain_List");
    strains_->setToolTip(tr("Tick a structure to make it a strain structure: a tension section starts there."));
    connect(strains_, &QListWidget::itemChanged, this, &StringingWindow::strain_toggled);
    layout->addWidget(strains_);
    box->setFixedWidth(120);
    return box;
}

void StringingWindow::add_number_row(QFormLayout* form, const QString& label, Field field, const char* name) {
    auto* edit = named(new QLineEdit, name);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(84);
    auto* unit = new QLabel;
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(unit, 1);
    form->addRow(label, row);
    const size_t index = numbers_.size();
    numbers_.push_back({field, edit, unit, {}});
    connect(edit, &QLineEdit::editingFinished, this, [this, index] { number_edited(index); });
}

QWidget* StringingWindow::build_conductor_box() {
    auto* box = new QGroupBox(tr("Conductor"));
    conductor_box_ = box;
    auto* form = compact_form(box);
    mass_ = named(new QLabel, "Stringing_Mass_Label");
    diameter_ = named(new QLabel, "Stringing_Diameter_Label");
    form->addRow(tr("Mass:"), mass_);
    form->addRow(tr("Diameter:"), diameter_);
    add_number_row(form, tr("Area:"), Field::Area, "Stringing_Area_Edit");
    add_number_row(form, tr("Final modulus:"), Field::Modulus, "Stringing_Modulus_Edit");
    add_number_row(form, tr("Expansion:"), Field::Expansion, "Stringing_Expansion_Edit");
    add_number_row(form, tr("Rated strength:"), Field::Rated_Strength, "Stringing_Strength_Edit");
    catalogue_ = named(new QComboBox, "Stringing_Catalogue_ComboBox");
    auto* fill = named(new QPushButton(tr("Fill from catalogue")), "Stringing_Catalogue_Fill_Button");
    fill->setToolTip(tr("Area, modulus, expansion and rated strength of the catalogue conductor chosen."));
    connect(fill, &QPushButton::clicked, this, &StringingWindow::fill_from_catalogue);
    form->addRow(tr("Catalogue:"), catalogue_);
    form->addRow(QString(), fill);
    return box;
}

QWidget* StringingWindow::build_design_box() {
    auto* box = new QGroupBox(tr("Design condition of the section"));
    design_box_ = box;
    auto* form = compact_form(box);
    tension_kind_ = named(new QComboBox, "Stringing_Tension_Kind_ComboBox");
    tension_kind_->addItems({tr("Horizontal tension"), tr("% of rated strength")});
    connect(tension_kind_, &QComboBox::activated, this, &StringingWindow::tension_kind_chosen);
    form->addRow(tr("Tension as:"), tension_kind_);
    add_number_row(form, tr("Tension:"), Field::Design_Tension, "Stringing_Tension_Edit");
    add_number_row(form, tr("at temperature:"), Field::Design_Temperature, "Stringing_Design_Temperature_Edit");
    add_number_row(form, tr("Wind load:"), Field::Wind, "Stringing_Wind_Edit");
    add_number_row(form, tr("Ice load:"), Field::Ice, "Stringing_Ice_Edit");
    add_number_row(form, tr("Creep allowance:"), Field::Creep, "Stringing_Creep_Edit");
    design_age_ = named(new QComboBox, "Stringing_Design_State_ComboBox");
    design_age_->addItems({tr("Initial"), tr("Final")});
    connect(design_age_, &QComboBox::activated, this, &StringingWindow::design_age_chosen);
    form->addRow(tr("State:"), design_age_);
    return box;
}

QWidget* StringingWindow::build_range_box() {
    auto* box = new QGroupBox(tr("Chart temperatures (whole line)"));
    auto* form = compact_form(box);
    add_number_row(form, tr("From:"), Field::Chart_From, "Stringing_Chart_From_Edit");
    add_number_row(form, tr("To:"), Field::Chart_To, "Stringing_Chart_To_Edit");
    add_number_row(form, tr("In steps of:"), Field::Chart_Step, "Stringing_Chart_Step_Edit");
    return box;
}

QWidget* StringingWindow::build_chart_box() {
    auto* box = new QGroupBox(tr("Chart"));
    auto* layout = new QVBoxLayout(box);
    heading_ = named(new QLabel, "Stringing_Heading_Label");
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_age_ = named(new QComboBox, "Stringing_State_ComboBox");
    table_age_->addItems({tr("Initial (new conductor)"), tr("Final (after creep)")});
    connect(table_age_, &QComboBox::activated, this, [this] { show_chart(); });
    auto* state_row = new QHBoxLayout;
    state_row->addWidget(new QLabel(tr("State:")));
    state_row->addWidget(table_age_);
    state_row->addStretch(1);
    table_ = named(new QTableWidget, "Stringing_Table");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    plot_ = new StringingChartPlot;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(table_);
    split->addWidget(plot_);
    split->setSizes({330, 300});
    auto* chart = new QWidget;
    auto* chart_layout = new QVBoxLayout(chart);
    chart_layout->setContentsMargins(0, 0, 0, 0);
    chart_layout->addLayout(state_row);
    chart_layout->addWidget(split, 1);
    problem_ = named(new QLabel, "Stringing_Problem_Label");
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setWordWrap(true);
    chart_pages_ = new QStackedWidget;
    chart_pages_->addWidget(chart);
    chart_pages_->addWidget(problem_);
    layout->addWidget(heading_);
    layout->addWidget(chart_pages_, 1);
    return box;
}

QWidget* StringingWindow::build_buttons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const QString& text, const char* name, void (StringingWindow::*slot)()) {
        auto* b = named(new QPushButton(text), name);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b);
        return b;
    };
    for (QPushButton* b : {button(tr("Print..."), "Stringing_Print_Button", &StringingWindow::print),
                           button(tr("Export PDF..."), "Stringing_Export_Pdf_Button", &StringingWindow::choose_pdf)})
        if (!printing_available()) {
            b->setEnabled(false);
            b->setToolTip(why_printing_unavailable());
        }
    button(tr("Export CSV..."), "Stringing_Export_Csv_Button", &StringingWindow::choose_csv);
    layout->addStretch(1);
    auto* help_button = named(new QPushButton(tr("Help")), "Stringing_Help_Button");
    connect(help_button, &QPushButton::clicked, this, [this] { model_.show_stringing_help(); });
    layout->addWidget(help_button);
    auto* close_button = named(new QPushButton(tr("Close")), "Stringing_Close_Button");
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close_button);
    return row;
}

void StringingWindow::follow_model() {
    // Only the lists the charts are made of; an open or a reset changes several at once.
    QPointer<StringingWindow> self(this);
    auto listener = [self](const Control& control, Property) {
        static const char* const watched[] = {"Pole_Data_Listbox", "Stringing_Data_Listbox", Code_Names,
                                              "Units_of_Measure_RadioGroup"};
        if (!self) return;
        for (const char* name : watched)
            if (control.name == name) self->refresh_soon();
    };
    model_.form().add_listener(listener);
    model_.setup().form().add_listener(listener);
}

void StringingWindow::refresh_soon() {
    if (refresh_pending_ || !isVisible()) return;  // a hidden window rereads when shown
    refresh_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (refresh_pending_) refresh();
    });
}

void StringingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void StringingWindow::refresh() {
    refresh_pending_ = false;
    schedule_ = model_.line_schedule();
    data_ = model_.stringing_data();
    show_sections();
    show_strain_structures();
    show_code_names();
    show_conductor();
    show_numbers();
    show_chart();
}

bool StringingWindow::imperial() const { return model_.imperial(); }

EditTarget StringingWindow::target() const { return {code_name_, first_structure_}; }

void StringingWindow::show_sections() {
    std::vector<std::pair<QString, QString>> items;
    for (size_t s = 0; s < schedule_.sections.size(); ++s)
        items.emplace_back(text_of(section_heading(schedule_, static_cast<int>(s), ChartUnits{imperial()})),
                           text_of(section_first_structure(schedule_.sections[s], schedule_.spans)));
    fill_combo(sections_, items, text_of(first_structure_));
    first_structure_ = sections_->currentData().toString().toStdString();
}

void StringingWindow::show_strain_structures() {
    const QSignalBlocker quiet(strains_);
    const int scrolled = strains_->verticalScrollBar()->value();
    strains_->clear();
    for (const std::string& structure : line_structures(schedule_.spans)) {
        auto* item = new QListWidgetItem(text_of(structure), strains_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(data_.is_strain(structure) ? Qt::Checked : Qt::Unchecked);
    }
    strains_->verticalScrollBar()->setValue(scrolled);
}

void StringingWindow::show_code_names() {
    code_name_list_.clear();
    for (const std::string& record : model_.setup().form().items(Code_Names)) {
        const std::string name = record_field(record, 1);
        if (!name.empty() && std::find(code_name_list_.begin(), code_name_list_.end(), name) == code_name_list_.end())
            code_name_list_.push_back(name);
    }
    std::vector<std::pair<QString, QString>> items;
    for (const std::string& name : code_name_list_) items.emplace_back(text_of(name), text_of(name));
    fill_combo(code_names_, items, text_of(code_name_));
    code_name_ = code_names_->currentText().toStdString();
    conductor_box_->setEnabled(!code_name_.empty());
    design_box_->setEnabled(!code_name_.empty() && !first_structure_.empty());
}

void StringingWindow::show_conductor() {
    const Conductor conductor = conductor_of(code_name_, model_.setup().form().items(Code_Names), data_);
    const auto shown = [this](stringing::Quantity quantity, double value) {
        if (value <= 0) return tr("none: set it in Setup");
        return text_of(format_number(shown_value(quantity, value, imperial()),
                                     pattern_of(decimals_of(quantity, imperial())), model_.numbers()) +
                       " " + unit_of(quantity, imperial()));
    };
    mass_->setText(code_name_.empty() ? QString() : shown(stringing::Quantity::Mass, conductor.mass_kg_per_km));
    diameter_->setText(code_name_.empty() ? QString() : shown(stringing::Quantity::Diameter, conductor.diameter_mm));
    // The catalogue entry of the code name's own name first.
    const CatalogueConductor* same = catalogue_conductor(code_name_);
    std::vector<std::pair<QString, QString>> items;
    const auto& catalogue = conductor_catalogue();
    for (const CatalogueConductor& entry : catalogue)
        if (&entry != same) items.emplace_back(text_of(entry.data.code_name + "  (" + entry.construction + ")"),
                                               text_of(entry.data.code_name));
    if (same) items.insert(items.begin(), {text_of(same->data.code_name + "  (" + same->construction + ")"),
                                           text_of(same->data.code_name)});
    fill_combo(catalogue_, items, same ? text_of(same->data.code_name) : QString());
}

void StringingWindow::show_numbers() {
    const SectionDesign* kept_design = data_.design(first_structure_, code_name_);
    const DesignCondition design = kept_design ? kept_design->condition : DesignCondition{};
    for (NumberField& number : numbers_) {
        const stringing::Quantity quantity = quantity_of(number.field, data_, target());
        const double value = field_value(data_, target(), number.field);
        // What is not kept yet shows empty rather than as a 0 that looks typed.
        const bool kept = number.field >= Field::Chart_From ||
                          (number.field <= Field::Rated_Strength ? data_.mechanics(code_name_) != nullptr
                                                                 : kept_design != nullptr);
        number.shown = kept ? text_of(format_number(shown_value(quantity, value, imperial()),
                                                    pattern_of(decimals_of(quantity, imperial())), model_.numbers()))
                            : QString();
        number.edit->setText(number.shown);
        number.edit->setCursorPosition(0);
        number.unit->setText(QString::fromUtf8(unit_of(quantity, imperial())));
    }
    const QSignalBlocker quiet_kind(tension_kind_), quiet_age(design_age_);
    tension_kind_->setCurrentIndex(design.tension_kind == DesignCondition::Tension::Newtons ? 0 : 1);
    design_age_->setCurrentIndex(design.age == CableAge::Initial ? 0 : 1);
}

}  // namespace vortan::gui
