#include "gui/report_export.h"

#include "gui/main_window_view.h"
#include "gui/message_box.h"
#include "gui/report_printer.h"

#include "mainwindow/export_place.h"
#include "mainwindow/main_window.h"

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

namespace {

// The model of the main window a widget lies in (its docks, dialogs and tool windows included).
MainWindow* main_window_of(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* view = qobject_cast<MainWindowView*>(w)) return &view->model();
    return nullptr;
}

}  // namespace

void export_to(QWidget* parent, const QString& title, const QString& name, const QString& filter,
               const QString& suffix, const std::function<QString(const QString& path)>& write) {
    MainWindow* window = main_window_of(parent);
    const std::filesystem::path project_folder = window ? export_folder(window->form()) : std::filesystem::path();
    const QDir folder = project_folder.empty() ? QDir::home() : QDir(QString::fromStdString(project_folder.string()));
    QFileDialog dialog(parent, title, folder.filePath(name), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    if (const QString failure = write(path); !failure.isEmpty()) {
        show_message_box(parent, MessageKind::Error, Buttons::OK, "Error : " + failure.toStdString());
        return;
    }
    if (window) note_export(window->form(), QDir::toNativeSeparators(path).toStdString());
}

}  // namespace vortan::gui
