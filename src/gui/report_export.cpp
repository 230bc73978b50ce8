#include "gui/report_export.h"

#include "gui/report_printer.h"

#include <QSaveFile>

namespace vortan::gui {

QString export_report_csv(const QString& path, const std::string& csv) {
    // Written whole or not at all: a failed export leaves no half file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !file.commit())
        return QStringLiteral("The file '%1' could not be written: %2").arg(path, file.errorString());
    return {};
}

QString export_report_pdf(const QString& path, const std::vector<std::string>& lines) {
#ifdef VORTAN_PRINT_SUPPORT
    QPrinter printer(QPrinter::HighResolution);
    set_up_report_sheets(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!print_lines(printer, lines)) return QStringLiteral("The file '%1' could not be written.").arg(path);
    return {};
#else
    (void)lines;
    return QStringLiteral("The file '%1' could not be written: %2").arg(path, why_printing_unavailable());
#endif
}

}  // namespace vortan::gui
