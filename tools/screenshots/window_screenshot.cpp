// Shows the main window on a scenario script, then saves a picture of it, of
// the setup editor or of the last report: the screenshots in docs/screenshots.
//
//   window_screenshot [--size WxH] [--grab window|setup|report|stringing] SCRIPT.vts OUT.png
//
// The script is in the language of the scenario scripts; dialogs are answered
// as a headless run answers them (its transcript goes to the error stream),
// so the picture is of the window alone. --size gives the main window's size
// (a laptop's screen); --grab setup shows the setup editor over the window as
// the Setup button opens it, --grab report the report the script showed last,
// --grab stringing the Stringing Charts window over the project.
// QT_SCALE_FACTOR=2 gives the picture at 200 %.
#include "gui/main_window_view.h"
#include "gui/report_window.h"
#include "gui/setup_editor_dialog.h"
#include "gui/stringing_window.h"
#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "shell/scenario_script.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>

namespace {

struct Options {
    QSize size;
    std::string grab = "window";
    std::string script;
    std::string out;
};

bool read_options(int argc, char** argv, Options& options) {
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--size" && i + 1 < argc) {
            int width = 0, height = 0;
            if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2) return false;
            options.size = QSize(width, height);
        } else if (argument == "--grab" && i + 1 < argc) {
            options.grab = argv[++i];
        } else {
            rest.push_back(argument);
        }
    }
    const bool known = options.grab == "window" || options.grab == "setup" || options.grab == "report" ||
                       options.grab == "stringing";
    if (rest.size() != 2 || !known) return false;
    options.script = rest[0];
    options.out = rest[1];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Options options;
    if (!read_options(argc, argv, options)) {
        std::cerr << "usage: window_screenshot [--size WxH] [--grab window|setup|report|stringing] SCRIPT.vts OUT.png\n";
        return 2;
    }
    vortan::ScriptedPort port;
    vortan::SetupEditor setup;
    vortan::MainWindow window(port, setup);
    window.start();
    // A cable (Wolf, 726 kg/km), a structure type and a position to choose.
    window.setup_opened();
    setup.form().set_items(vortan::setup_list::Structure_Types, {"Suspension"});
    setup.form().set_items(vortan::setup_list::Cable_Positions, {"Top Phase"});
    setup.form().set_items(vortan::setup_list::Code_Names, {"Wolf\t\t\t726\t18.1\t"});
    setup.form().set_items(vortan::setup_list::Combinations, {"0\t0\t0\t"});
    window.setup_closed();
    vortan::gui::MainWindowView view(window);
    view.show_first_time();
    if (options.size.isValid()) {
        view.move(0, 0);
        view.resize(options.size);
    }

    std::ifstream script(options.script);
    auto to_errors = [](const std::string& line) { std::cerr << line << "\n"; };
    if (vortan::run_scenario_script(script, port, setup, window, to_errors, to_errors) != vortan::Script_Completed)
        return 1;

    QWidget* shown = &view;
    std::unique_ptr<QDialog> dialog;
    if (options.grab == "setup") {
        auto setup_dialog = std::make_unique<vortan::gui::SetupEditorDialog>(setup, &view);
        setup_dialog->size_for_opening(std::nullopt);
        dialog = std::move(setup_dialog);
    } else if (options.grab == "report") {
        auto report = std::make_unique<vortan::gui::ReportWindow>(&view);
        report->set_lines(port.last_report_lines());
        dialog = std::move(report);
    }
    if (dialog) {
        dialog->show();
        shown = dialog.get();
    }
    if (options.grab == "stringing") {
        shown = view.open_stringing_window();
        shown->move(0, 0);
    }
    // Saved once the window has been laid out and painted at its size.
    QTimer::singleShot(800, [&] {
        const bool saved = shown->grab().save(QString::fromStdString(options.out));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
