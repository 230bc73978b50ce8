// Printing the check record: its sheets as the core laid them out, one to a
// landscape sheet of paper, in the report's font scaled so that the widest
// line and the longest sheet both fit.
#pragma once

#include <QString>

class QWidget;

#include <string>
#include <vector>

namespace vortan::gui {

// Shows the printer set-up dialog; false when it was declined or nothing printed.
bool print_check_record(QWidget* parent, const std::vector<std::string>& lines);
// An empty text on success, otherwise what went wrong.
QString export_check_record_pdf(const QString& path, const std::vector<std::string>& lines);

}  // namespace vortan::gui
