#include "gui/qt_user_port.h"

#include "gui/check_record_window.h"
#include "gui/item_selection_dialog.h"
#include "gui/message_box.h"
#include "gui/report_printer.h"
#include "gui/help_window.h"
#include "gui/report_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>

namespace vortan::gui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Through UTF-16, so no path is mangled by the narrow encoding of either side.
QString to_qstring(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}
std::filesystem::path to_path(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(qs(request.title));
    if (!request.filter.empty())
        dialog.setNameFilters(qs(request.filter).split(QStringLiteral(";;")));
    if (!request.folder.empty()) dialog.setDirectory(to_qstring(request.folder));
    if (!request.ok_caption.empty()) {
        // The platform dialogs cannot relabel their accept button.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setLabelText(QFileDialog::Accept, qs(request.ok_caption));
    }
}

}  // namespace

QWidget* QtUserPort::dialog_parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_.data();
}

Answer QtUserPort::show_message(MessageKind kind, Buttons buttons, const std::string& text, DefaultButton default_button) {
    return show_message_box(dialog_parent(), kind, buttons, text, default_button);
}

std::vector<std::filesystem::path> QtUserPort::open_files(const FileDialogRequest& request) {
    QFileDialog dialog(dialog_parent());
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multi_select ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
    std::vector<std::filesystem::path> files;
    if (dialog.exec() != QDialog::Accepted) return files;
    for (const QString& file : dialog.selectedFiles()) files.push_back(to_path(file));
    return files;
}

std::optional<std::filesystem::path> QtUserPort::save_file(const FileDialogRequest& request) {
    QFileDialog dialog(dialog_parent());
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Whether to replace an existing file is the program's own question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return to_path(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtUserPort::input_box(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(dialog_parent(), qs(caption), qs(prompt), QLineEdit::Normal,
                                               qs(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

int QtUserPort::select_item(const std::string& caption, const std::vector<std::string>& items,
                            bool sorted) {
    return gui::select_item(dialog_parent(), *this, caption, items, sorted);
}

void QtUserPort::show_report(const std::vector<std::string>& lines, const std::string& csv) {
    ReportWindow window(dialog_parent());
    window.on_print = [this](const std::vector<std::string>& text) { print(text); };
    window.set_lines(lines);
    window.set_csv(csv);
    window.exec();
}

void QtUserPort::show_check_record(const std::vector<std::string>& lines, const std::string& csv) {
    // One window beside the main window, whose exports start in the project's
    // folder; a new record replaces what it shows.
    if (!check_record_) check_record_ = new CheckRecordWindow(parent_);
    check_record_->set_record(lines, csv);
    check_record_->show();
    check_record_->raise();
    check_record_->activateWindow();
}

void QtUserPort::set_clipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(qs(text));
}

bool QtUserPort::print(const std::vector<std::string>& lines) {
    if (!printing_available()) {
        show_message_box(dialog_parent(), MessageKind::Information, Buttons::OK, why_printing_unavailable().toStdString());
        return false;
    }
    return print_report(dialog_parent(),
                        lines);
}

void QtUserPort::show_help(int topic) {
    if (!help_) help_ = new HelpWindow(parent_);
    // Above a modal window, such as the setup editor, and usable beside it: a
    // modal window blocks every window but its own.
    QWidget* owner = dialog_parent();
    if (help_->parentWidget() != owner) help_->setParent(owner, Qt::Window);
    if (help_->show_topic(help_folder_, topic)) return;
    // No folder at all means none of the places the program looks in has it.
    const std::string where = help_folder_.isEmpty()
                                  ? "the folder \"help\" beside the program, or \"share/vortan/help\" above it"
                                  : "the folder \"" + help_folder_.toStdString() + "\"";
    show_message_box(dialog_parent(), MessageKind::Error, Buttons::OK,
                     "Error: The help for this program is not installed.\n\r\n\rIt was expected in " + where + ".");
}

void QtUserPort::process_events() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

DateTime QtUserPort::now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return DateTime{date.year(), date.month(),  date.day(),
                    time.hour(), time.minute(), time.second()};
}

}  // namespace vortan::gui
