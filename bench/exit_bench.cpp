// Start-up and exit of the desktop program on the demo project, each exit
// path timed from the request to the end of the process (the target: under
// 0.2 s). Each run is a process of its own, so the teardown is measured too.
//
//   exit_bench [PROJECT.vtn] [RUNS]
//
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include "gui/main_window_view.h"
#include "gui/qt_user_port.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const Exit_Paths[] = {"exit-button", "file-menu", "close-box", "quit-shortcut"};

// Monotonic and shared by every process of the machine, so that parent and
// child can compare their readings.
double now_seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void ask_to_exit(vortan::gui::MainWindowView& view, const std::string& path) {
    if (path == "exit-button") {
        view.findChild<QPushButton*>(QStringLiteral("Exit_BitBtn"))->click();
    } else if (path == "file-menu") {
        for (QAction* action : view.findChildren<QAction*>())
            if (action->objectName() == QStringLiteral("Exit_Option")) action->trigger();
    } else if (path == "close-box") {
        view.close();
    } else {
        // A shortcut reaches the active window only.
        view.activateWindow();
        if (!QTest::qWaitForWindowActive(&view)) QApplication::exit(98);
        QTest::keyClick(&view, Qt::Key_Q, Qt::ControlModifier);
    }
}

// The program as the desktop program starts it, settings in a folder of the run's own.
int run_program(int argc, char** argv, const std::string& path, const fs::path& project, const fs::path& times) {
    QApplication app(argc, argv);
    vortan::gui::QtUserPort port;
    vortan::SetupEditor setup;
    vortan::MainWindow window(port, setup);
    vortan::ProgramPlaces places;
    places.settings_file = times.parent_path() / "vortan.ini";
    places.default_project_folder = times.parent_path();
    window.set_places(places);
    window.start();
    vortan::gui::MainWindowView view(window);
    port.set_parent_window(&view);
    window.first_display({project.string()});
    view.show_first_time();
    std::ofstream out(times);
    out.precision(17);
    QTimer::singleShot(0, [&] { out << now_seconds() << "\n" << std::flush; });
    // Once the window has settled, as a user would ask.
    QTimer::singleShot(300, [&] {
        out << now_seconds() << "\n" << std::flush;
        ask_to_exit(view, path);
    });
    // A question nobody answers would hang the run.
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    return QApplication::exec();
}

struct Run {
    double start_up = 0;
    double exit = 0;
    bool ok = false;
};

Run measure(const char* self, const std::string& path, const fs::path& project, const fs::path& folder) {
    const fs::path times = folder / "times.txt";
    fs::remove(times);
    const double spawned = now_seconds();
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--run", path.c_str(), project.c_str(), times.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const double ended = now_seconds();
    std::ifstream in(times);
    double shown = 0, requested = 0;
    in >> shown >> requested;
    Run run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && requested > 0;
    run.start_up = shown - spawned;
    run.exit = ended - requested;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--run") return run_program(1, argv, argv[2], argv[3], argv[4]);
    const fs::path project = argc > 1 ? fs::path(argv[1]) : fs::path(VORTAN_SOURCE_DIR) / "examples/demo-line.vtn";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const fs::path folder = fs::temp_directory_path() / ("vortan-exit-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::printf("%-14s %12s %12s %12s\n", "exit path", "start-up s", "exit s", "worst exit s");
    bool all_ok = true;
    for (const char* path : Exit_Paths) {
        std::vector<double> start_ups, exits;
        for (int i = 0; i < runs; ++i) {
            const Run run = measure("/proc/self/exe", path, fs::absolute(project), folder);
            if (!run.ok) {
                std::printf("%-14s the program did not exit by itself\n", path);
                all_ok = false;
                break;
            }
            start_ups.push_back(run.start_up);
            exits.push_back(run.exit);
        }
        if (exits.empty()) continue;
        const double worst = *std::max_element(exits.begin(), exits.end());
        std::printf("%-14s %12.3f %12.3f %12.3f%s\n", path, median(start_ups), median(exits), worst,
                    worst < 0.2 ? "" : "  over 0.2 s");
        all_ok = all_ok && worst < 0.2;
    }
    fs::remove_all(folder);
    return all_ok ? 0 : 1;
}
