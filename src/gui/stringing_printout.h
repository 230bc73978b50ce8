// A section's stringing chart on paper: the heading lines, the table of each
// state and the plot, on landscape sheets, for the printer or a PDF file.
#pragma once

#include "gui/stringing_chart_plot.h"
#include "stringing/chart_table.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace vortan::gui {

struct StringingPrintout {
    std::vector<std::string> heading;
    stringing::ChartTable initial, final;
    SagPlot initial_plot, final_plot;
};

// Shows the printer set-up dialog; false when declined or nothing printed.
bool print_stringing_chart(QWidget* parent, const StringingPrintout& printout);
// Empty on success, otherwise what went wrong.
QString export_stringing_pdf(const QString& path, const StringingPrintout& printout);

}  // namespace vortan::gui
