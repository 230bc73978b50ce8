// The report written to files without a printer: its data as CSV for a
// spreadsheet, and its pages as a PDF laid out as a printout would be.
#pragma once

#include <QString>

class QWidget;

#include <functional>
#include <string>
#include <vector>

namespace vortan::gui {

// Each returns an empty text on success, otherwise what went wrong.
QString export_report_csv(const QString& path, const std::string& csv);
QString export_report_pdf(const QString& path, const std::vector<std::string>& lines);

// Asks where to write (first in the folder of the project open, `name`
// offered), writes with `write`, which returns what went wrong or nothing,
// and shows the failure or puts what was written where on the status line.
void export_to(QWidget* parent, const QString& title, const QString& name, const QString& filter,
               const QString& suffix, const std::function<QString(const QString& path)>& write);

}  // namespace vortan::gui
