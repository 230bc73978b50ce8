// The report written to files without a printer: its data as CSV for a
// spreadsheet, and its pages as a PDF laid out as a printout would be.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace vortan::gui {

// Each returns an empty text on success, otherwise what went wrong.
QString export_report_csv(const QString& path, const std::string& csv);
QString export_report_pdf(const QString& path, const std::vector<std::string>& lines);

}  // namespace vortan::gui
