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

#include <cstring>
#include <iostream>
#include <string_view>

namespace {

const char* const Usage = "usage: vortan [OPTION]... [PROJECT.vtn]\n       vortan --help | --version\n";

void print_help() {
    std::cout << Usage
              << "\nSag and check the cables of overhead power lines. PROJECT.vtn opens that\n"
                 "project; without one, the project last used opens.\n"
                 "\nOptions:\n"
                 "  -h, --help          show this help and exit\n"
                 "  --version           show the version and exit\n"
                 "  -platform NAME      the window system (xcb, wayland, offscreen); Qt's other\n"
                 "                      options, such as -style NAME and -reverse, work too\n"
                 "\nSee vortan(1).\n";
}

// Qt's own options, which QApplication takes out of the arguments: they are
// known here only so that they are not refused as unknown. Qt accepts them
// with one dash or two, and a value either as the next argument or after '='.
bool is_qt_option(std::string_view option, bool& takes_value) {
    static constexpr std::string_view With_Value[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "style", "stylesheet", "session", "display", "geometry", "title", "name"};
    static constexpr std::string_view Without_Value[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    option.remove_prefix(option.starts_with("--") ? 2 : 1);
    const auto equals = option.find('=');
    const bool value_given = equals != std::string_view::npos;
    option = option.substr(0, equals);
    for (const auto name : With_Value)
        if (option == name) {
            takes_value = !value_given;
            return true;
        }
    takes_value = false;
    for (const auto name : Without_Value)
        if (option == name && !value_given) return true;
    return false;
}

// Answered before QApplication is made, so that --help and --version work
// without a display. The exit status, or -1 when the window is to start.
int command_line_options(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.size() < 2 || argument[0] != '-') continue;
        if (argument == "--help" || argument == "-h") {
            print_help();
            return 0;
        }
        if (argument == "--version") {
            std::cout << "vortan " VORTAN_VERSION "\n";
            return 0;
        }
        bool takes_value = false;
        if (is_qt_option(argument, takes_value)) {
            if (takes_value) ++i;
            continue;
        }
        std::cerr << "vortan: unknown option " << argument << "\n" << Usage;
        return 2;
    }
    return -1;
}

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
    if (const int status = command_line_options(argc, argv); status >= 0) return status;
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
