// Shows the main window on a scenario script, then saves a picture of it: the
// screenshots of the method pages with their diagrams.
//
//   method_screenshot SCRIPT.vts OUT.png
//
// The script is in the language of the scenario scripts; dialogs are answered
// as a headless run answers them (its transcript goes to the error stream),
// so the picture is of the window alone.
#include "gui/main_window_view.h"
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: method_screenshot SCRIPT.vts OUT.png\n";
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

    std::ifstream script(argv[1]);
    auto to_errors = [](const std::string& line) { std::cerr << line << "\n"; };
    if (vortan::run_scenario_script(script, port, setup, window, to_errors, to_errors) != vortan::Script_Completed)
        return 1;
    // Saved once the window has been laid out and painted at its size.
    QTimer::singleShot(500, [&] {
        const bool saved = view.grab().save(QString::fromLocal8Bit(argv[2]));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
