#include "gui/report_export.h"

#include "gui/message_box.h"
#include "gui/report_printer.h"

#include <QDir>
#include <QFileDialog>
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

QString chosen_export_file(QWidget* parent, const QString& title, const QString& name, const QString& filter,
                           const QString& suffix) {
    QFileDialog dialog(parent, title, QDir::home().filePath(name), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void report_export_failure(QWidget* parent, const QString& failure) {
    if (failure.isEmpty()) return;
    show_message_box(parent, MessageKind::Error, Buttons::OK, "Error : " + failure.toStdString());
}

}  // namespace vortan::gui
