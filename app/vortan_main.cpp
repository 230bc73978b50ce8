// The desktop program: the main window's model on the system's number format,
// shown through the Qt view.
#include "gui/help_window.h"
#include "gui/locale_numbers.h"
#include "gui/main_window_view.h"
#include "gui/qt_user_port.h"
#include "gui/setup_editor_dialog.h"
#include "gui/startup_window.h"
#include "journal/journal_places.h"
#include "mainwindow/main_window.h"
#include "project/program_settings.h"
#include "setup/setup_editor.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace {

std::filesystem::path native_path(const QString& path) {
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdString());
}

vortan::ProgramPlaces program_places() {
    vortan::ProgramPlaces places;
    const auto program_folder = native_path(QCoreApplication::applicationDirPath());
    const auto configuration = native_path(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    places.settings_file = vortan::settings_file_location(program_folder, configuration);
    places.program_folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir(documents).exists()) documents = QDir::homePath();
    places.default_project_folder = native_path(documents);
    return places;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortan"));

    vortan::gui::QtUserPort port;
    vortan::SetupEditor setup;
    vortan::MainWindow window(port, setup);
    window.set_numbers(vortan::gui::number_format_of(QLocale::system()));
    window.set_places(program_places());
    window.start();
    window.keep_recovery_journal(vortan::journal::unsaved_journal_folder());

    vortan::gui::MainWindowView view(window);
    port.set_parent_window(&view);
    const QString program = QCoreApplication::applicationDirPath();
    port.set_help_folder(vortan::gui::find_help_folder(
        {program + QStringLiteral("/help"), program + QStringLiteral("/../share/vortan/help"),
         QStringLiteral(VORTAN_SOURCE_HELP_DIR)}));
    vortan::gui::SetupEditorDialog setup_dialog(setup, &view);
    window.show_setup_editor = [&setup_dialog, &window] {
        vortan::DialogSize size = window.setup_editor_size();
        setup_dialog.run(size);
        window.set_setup_editor_size(size);
    };
    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given.at(i).toStdString());
    window.first_display(arguments);
    view.show_first_time();
    vortan::gui::StartupWindow startup(window.form(), &view);
    startup.start();
    return QApplication::exec();
}
