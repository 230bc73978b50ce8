// Printing the report: the printer set-up dialog, then the report's text on
// landscape sheets, a new sheet at every form feed and wherever one is full.
#pragma once

#include <QString>
#ifdef VORTAN_PRINT_SUPPORT
#include <QPrinter>
#endif
#include <QWidget>

#include <string>
#include <vector>

namespace vortan::gui {

// Whether this build can print at all; when not, why_not says why.
bool printing_available();
QString why_printing_unavailable();

// Shows the printer set-up dialog; false when it was declined or nothing printed.
bool print_report(QWidget* parent, const std::vector<std::string>& lines);

#ifdef VORTAN_PRINT_SUPPORT
// Landscape sheets with 10 mm margins, as every copy of the report is printed.
void set_up_report_sheets(QPrinter& printer);
// The lines on the printer as it is set up: sheets cut at form feeds and
// wherever a sheet is full.
bool print_lines(QPrinter& printer, const std::vector<std::string>& lines);
#endif

}  // namespace vortan::gui
