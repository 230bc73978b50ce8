// Shows the main window on a script of typed entries and clicks, then saves a
// picture of it: the screenshots of the method pages with their diagrams.
//
//   method_screenshot SCRIPT.vts OUT.png
//
// The script's lines are those of the scenario scripts that act on the main
// window: set NAME TEXT, select NAME INDEX, page NAME INDEX, check NAME 0|1,
// click NAME; lines starting with # are comments. Dialogs are answered as a
// headless run answers them, so the picture is of the window alone.
#include "gui/main_window_view.h"
#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QDockWidget>
#include <QPixmap>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

// The rest of the line after the command and the name.
std::string rest_of(const std::string& line, size_t words) {
    size_t at = 0;
    for (size_t w = 0; w < words && at != std::string::npos; ++w) {
        at = line.find(' ', at);
        if (at != std::string::npos) ++at;
    }
    return at == std::string::npos ? std::string() : line.substr(at);
}

bool run_line(vortan::Form& form, const std::string& line) {
    std::istringstream words(line);
    std::string command, name;
    words >> command >> name;
    if (!form.has(name)) return false;
    if (command == "set") {
        form.user_type(name, rest_of(line, 2));
    } else if (command == "select") {
        form.user_select(name, std::stoi(rest_of(line, 2)));
    } else if (command == "page") {
        form.user_select_page(name, std::stoi(rest_of(line, 2)));
    } else if (command == "check") {
        form.set_checked(name, rest_of(line, 2) == "1");
    } else if (command == "click") {
        form.user_click(name);
    } else {
        return false;
    }
    return true;
}

}  // namespace

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
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (line.empty() || line.front() == '#') continue;
        if (!run_line(window.form(), line)) {
            std::cerr << argv[1] << ":" << number << ": cannot run: " << line << "\n";
            return 1;
        }
    }
    for (const std::string& message : port.messages()) std::cerr << "message: " << message << "\n";
    // Saved once the window has been laid out and painted at its size.
    QTimer::singleShot(500, [&] {
        const bool saved = view.grab().save(QString::fromLocal8Bit(argv[2]));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
