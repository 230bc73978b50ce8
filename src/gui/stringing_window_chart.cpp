// The chart side of the Stringing Charts window: its heading, the table of
// the state chosen and the plot, or why there is no chart.
#include "gui/stringing_chart_plot.h"
#include "gui/stringing_window.h"
#include "stringing/schedule_text.h"

#include <QHeaderView>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>

namespace vortan::gui {

using namespace stringing;

namespace {

const QColor Catenary_Shade(255, 236, 190);

QTableWidgetItem* item_of(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

const SectionChart* StringingWindow::current_chart() const {
    for (size_t s = 0; s < schedule_.sections.size(); ++s)
        if (section_first_structure(schedule_.sections[s], schedule_.spans) == first_structure_)
            return chart_for(schedule_, static_cast<int>(s), code_name_);
    return nullptr;
}

void StringingWindow::show_chart() {
    const SectionChart* chart = current_chart();
    const ChartUnits units{imperial()};
    QString problem;
    if (schedule_.sections.empty()) problem = tr("The line has no sag-spans yet: preserve some on the main window.");
    else if (code_name_.empty()) problem = tr("Add a conductor code name in Setup first.");
    else if (!chart) problem = tr("No design condition for %1 in this section yet: type its design tension.")
                                   .arg(QString::fromStdString(code_name_));
    else if (!chart->problem.empty())
        problem = tr("No chart for %1: %2.").arg(QString::fromStdString(code_name_), QString::fromStdString(chart->problem));
    QStringList heading;
    if (chart)
        for (const std::string& line : chart_heading(schedule_, *chart, units)) heading << QString::fromStdString(line);
    heading_->setText(heading.join(QLatin1Char('\n')));
    if (!problem.isEmpty()) {
        problem_->setText(problem);
        chart_pages_->setCurrentWidget(problem_);
        table_->clear();
        plot_->set_plot({});
        return;
    }
    const CableAge age = table_age_->currentIndex() == 0 ? CableAge::Initial : CableAge::Final;
    show_table(chart_table(schedule_, *chart, age, units));
    plot_->set_plot({table_age_->currentText(), QString::fromUtf8(units.temperature_unit()),
                     QString::fromUtf8(units.length_unit()), sag_curves(schedule_, *chart, age, units)});
    chart_pages_->setCurrentIndex(0);
}

void StringingWindow::show_table(const ChartTable& table) {
    table_->clear();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setRowCount(static_cast<int>(table.rows.size()));
    table_->setColumnCount(static_cast<int>(table.temperatures.size()) + 1);
    QStringList columns{QString::fromStdString(table.length_heading)};
    for (const std::string& t : table.temperatures) columns << QString::fromStdString(t);
    table_->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const ChartRow& row = table.rows[r];
        const int at = static_cast<int>(r);
        rows << QString::fromStdString(row.name);
        table_->setItem(at, 0, item_of(row.length));
        for (size_t c = 0; c < row.cells.size(); ++c) {
            QTableWidgetItem* item = item_of(row.cells[c].text);
            if (r == 0) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (row.cells[c].catenary_differs) {
                item->setBackground(Catenary_Shade);
                item->setToolTip(tr("The catenary sag, in brackets, differs from the parabolic sag by more than 0.3 %."));
            }
            table_->setItem(at, static_cast<int>(c) + 1, item);
        }
    }
    table_->setVerticalHeaderLabels(rows);
}

}  // namespace vortan::gui
