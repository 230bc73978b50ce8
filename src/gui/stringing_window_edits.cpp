// The edits of the Stringing Charts window, each stored with the project at
// once, and its printing and export.
#include "gui/report_export.h"
#include "gui/stringing_window.h"
#include "mainwindow/main_window.h"
#include "stringing/conductor_catalogue.h"
#include "stringing/schedule_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace vortan::gui {

using namespace stringing;

void StringingWindow::store(const StringingData& data) {
    model_.set_stringing_data(data);
    refresh_soon();  // also when nothing changed: the fields show the stored values again
}

void StringingWindow::complain(const std::string& text) {
    model_.port().message(MessageKind::Error, Buttons::OK, "Error : " + text);
}

void StringingWindow::number_edited(size_t index) {
    NumberField& number = numbers_[index];
    const QString typed = number.edit->text().trimmed();
    if (typed == number.shown) return;
    const double shown = Text_To_Number(typed.toStdString(), model_.numbers());
    StringingData data = model_.stringing_data();
    // The field shows the kept value again before the message, so that the
    // message's focus change does not take the refused text a second time.
    number.edit->setText(number.shown);
    if (shown == Abort_Value) {
        complain("'" + typed.toStdString() + "' is not a number.  " + field_name(number.field) + " is kept as it was.");
        return;
    }
    const double stored = stored_value(quantity_of(number.field, data, target()), shown, imperial());
    if (const std::string why = set_field(data, target(), number.field, stored); !why.empty()) {
        complain(why + "  The value is kept as it was.");
        return;
    }
    number.edit->setText(typed);
    store(data);
}

void StringingWindow::strain_toggled(QListWidgetItem* item) {
    StringingData data = model_.stringing_data();
    data.set_strain(item->text().toStdString(), item->checkState() == Qt::Checked);
    store(data);
}

void StringingWindow::fill_from_catalogue() {
    const CatalogueConductor* entry = catalogue_conductor(catalogue_->currentData().toString().toStdString());
    if (!entry || code_name_.empty()) return;
    StringingData data = model_.stringing_data();
    fill_mechanics(data, code_name_, entry->data);
    store(data);
}

void StringingWindow::tension_kind_chosen(int index) {
    StringingData data = model_.stringing_data();
    set_tension_kind(data, target(),
                     index == 0 ? DesignCondition::Tension::Newtons : DesignCondition::Tension::Percent_Of_Rated_Strength);
    store(data);
}

void StringingWindow::design_age_chosen(int index) {
    StringingData data = model_.stringing_data();
    set_design_age(data, target(), index == 0 ? CableAge::Initial : CableAge::Final);
    store(data);
}

StringingPrintout StringingWindow::printout() const {
    const SectionChart* chart = current_chart();
    if (!chart || !chart->problem.empty()) return {};
    const ChartUnits units{imperial()};
    const auto plot = [&](const QString& title, CableAge age) {
        return SagPlot{title, QString::fromUtf8(units.temperature_unit()), QString::fromUtf8(units.length_unit()),
                       sag_curves(schedule_, *chart, age, units)};
    };
    return {chart_heading(schedule_, *chart, units), chart_table(schedule_, *chart, CableAge::Initial, units),
            chart_table(schedule_, *chart, CableAge::Final, units), plot(tr("Initial state"), CableAge::Initial),
            plot(tr("Final state"), CableAge::Final)};
}

QString StringingWindow::export_csv(const QString& path) const {
    const SectionChart* chart = current_chart();
    if (!chart || !chart->problem.empty()) return tr("There is no chart of this section to export.");
    std::string text;
    for (const std::string& line : schedule_csv(schedule_, chart->section)) text += line + "\n";
    return export_report_csv(path, text);
}

QString StringingWindow::export_pdf(const QString& path) const {
    const StringingPrintout sheets = printout();
    if (sheets.heading.empty()) return tr("There is no chart of this section to export.");
    return export_stringing_pdf(path, sheets);
}

void StringingWindow::print() {
    const StringingPrintout sheets = printout();
    if (sheets.heading.empty()) complain("There is no chart of this section to print.");
    else print_stringing_chart(this, sheets);
}

void StringingWindow::choose_pdf() {
    export_to(this, tr("Export PDF"), QStringLiteral("stringing-chart.pdf"), tr("PDF files (*.pdf)"),
              QStringLiteral("pdf"), [this](const QString& path) { return export_pdf(path); });
}

void StringingWindow::choose_csv() {
    export_to(this, tr("Export CSV"), QStringLiteral("stringing-chart.csv"), tr("CSV files (*.csv)"),
              QStringLiteral("csv"), [this](const QString& path) { return export_csv(path); });
}

}  // namespace vortan::gui
