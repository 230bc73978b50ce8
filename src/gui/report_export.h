// The report written to files without a printer: its data as CSV for a
// spreadsheet, and its pages as a PDF laid out as a printout would be.
#pragma once

#include <QString>

class QWidget;

#include <string>
#include <vector>

namespace vortan::gui {

// Each returns an empty text on success, otherwise what went wrong.
QString export_report_csv(const QString& path, const std::string& csv);
QString export_report_pdf(const QString& path, const std::vector<std::string>& lines);

// Asks where to write, offering `name` in the home folder; empty when the user cancels.
QString chosen_export_file(QWidget* parent, const QString& title, const QString& name, const QString& filter,
                           const QString& suffix);
// Shows what went wrong, when something did.
void report_export_failure(QWidget* parent, const QString& failure);

}  // namespace vortan::gui
