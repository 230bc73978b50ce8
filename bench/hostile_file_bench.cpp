// Opening projects whose side files are beyond anything a line holds: a
// 100 MB file of line ends and a 600 MiB file (sparse), against the benchmark
// line (10,000 sag-spans, 100,000 cable sags) and a line ten times larger,
// which must open. Each open runs in a child process of its own, so that its
// time and its peak memory (ru_maxrss) are its own.
#include "bench_clock.h"
#include "mainwindow/main_window.h"
#include "project/crc32.h"
#include "project/project_file_set.h"
#include "project/side_file.h"
#include "setup/setup_editor.h"
#include "shell/cli_commands.h"
#include "synthetic_line.h"
#include "ui/scriptedport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;
using namespace vortan;

namespace {

long peak_kib() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs `work` in a child and prints its time and the memory it added to the
// child's peak; the work's own line of figures follows.
template <typename Work>
void in_child(const char* what, Work&& work) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const long before = peak_kib();
        std::string said;
        const double seconds = bench::seconds_of([&] { said = work(); });
        std::printf("%-52s %8.3f s  peak %7.1f MiB (%+7.1f MiB)  %s\n", what, seconds, peak_kib() / 1024.0,
                    (peak_kib() - before) / 1024.0, said.c_str());
        std::fflush(stdout);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

// The master's CRC keys made to fit its side files as they are.
void recompute_crcs(const fs::path& master) {
    ProfileFile profile = ProfileFile::read(master);
    for (const SideFile& side : side_files())
        profile.set(Master_Section, side.crc_key, file_crc(side_file_path(master, side.extension)));
    std::ofstream(master, std::ios::binary) << profile.to_text();
}

// The benchmark line, saved as a user would save it.
void save_line(const fs::path& master) {
    ScriptedPort port;
    SetupEditor setup;
    bench::given_setup(setup.form());
    MainWindow window(port, setup);
    window.start();
    bench::given_line(window.form());
    port.queue_files({master});
    window.form().user_click("Save_As_Option");
}

// A copy of the line with `times` as many sag-spans, written straight to its files.
void copy_larger(const fs::path& from, const fs::path& to, int times) {
    for (const SideFile& side : side_files())
        if (fs::exists(side_file_path(from, side.extension)))
            fs::copy_file(side_file_path(from, side.extension), side_file_to_write(to, side.extension));
    fs::copy_file(from, to);
    std::ofstream spans(side_file_to_write(to, ".spd"), std::ios::binary);
    std::ofstream cables(side_file_to_write(to, ".scb"), std::ios::binary);
    for (int n = 1; n <= bench::Sag_Spans * times; ++n) {
        spans << n << "\tT" << n << "\tT" << n + 1 << "\t" << 250 + n % 150 << "\t-1\t\r\n";
        for (int p = 0; p < bench::Cable_Sags_Per_Span; ++p) cables << bench::cable_sag(n, p) << "\r\n";
    }
    spans.close();
    cables.close();
    recompute_crcs(to);
}

std::string open_in_window(const fs::path& master) {
    ScriptedPort port;
    port.set_default_answer(Answer::Yes);
    SetupEditor setup;
    MainWindow window(port, setup);
    window.start();
    const bool opened = window.open_project(master.string());
    if (opened)
        return "opened, " + std::to_string(window.form().items("Cable_Bundle_Record_Listbox").size()) + " cable sags";
    const std::string message = port.messages().empty() ? "" : port.messages().front();
    const size_t why = message.find("is not read.  ");
    return "refused: " + (why == std::string::npos ? message : message.substr(why + 14, message.find('.', why + 14) - why - 13));
}

std::string check_in_cli(const fs::path& master) {
    int changed = 0;
    const int status = check_project(master.string(), [&](const std::string& line) {
        changed += line.find("CHANGED") != std::string::npos;
    });
    return "check exit " + std::to_string(status) + ", " + std::to_string(changed) + " changed";
}

}  // namespace

int main() {
    const fs::path folder = fs::temp_directory_path() / ("vortan-hostile-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path line = folder / "line.vtn", larger = folder / "larger.vtn";
    const fs::path line_ends = folder / "line-ends.vtn", huge = folder / "huge.vtn";
    // Written in a child too, so that the opens start from a small process.
    in_child("write the projects", [&] {
        save_line(line);
        copy_larger(line, larger, 10);
        return std::string();
    });
    for (const fs::path& hostile : {line_ends, huge}) {
        for (const SideFile& side : side_files())
            if (fs::exists(side_file_path(line, side.extension)))
                fs::copy_file(side_file_path(line, side.extension), side_file_to_write(hostile, side.extension));
        fs::copy_file(line, hostile);
    }
    // 100 MB of CR LF in place of the cable sags; 600 MiB of nothing (sparse).
    {
        std::ofstream cables(side_file_to_write(line_ends, ".scb"), std::ios::binary);
        std::string mebibyte;
        while (mebibyte.size() < (1u << 20)) mebibyte += "\r\n";
        for (int m = 0; m < 100; ++m) cables << mebibyte;
    }
    fs::resize_file(side_file_to_write(huge, ".scb"), std::uintmax_t{600} << 20);
    recompute_crcs(line_ends);
    recompute_crcs(huge);
    std::printf("largest side files: line %.1f MiB, larger %.1f MiB, line ends %.1f MiB, huge %.1f MiB\n",
                fs::file_size(side_file_to_write(line, ".scb")) / 1048576.0,
                fs::file_size(side_file_to_write(larger, ".scb")) / 1048576.0,
                fs::file_size(side_file_to_write(line_ends, ".scb")) / 1048576.0,
                fs::file_size(side_file_to_write(huge, ".scb")) / 1048576.0);
    in_child("open the benchmark line", [&] { return open_in_window(line); });
    in_child("open a line ten times larger", [&] { return open_in_window(larger); });
    in_child("open with 100 MiB of line ends as cable sags", [&] { return open_in_window(line_ends); });
    in_child("open with a 600 MiB file of cable sags", [&] { return open_in_window(huge); });
    in_child("vortan-cli check, 100 MiB of line ends", [&] { return check_in_cli(line_ends); });
    in_child("vortan-cli check, 600 MiB", [&] { return check_in_cli(huge); });
    fs::remove_all(folder);
    return 0;
}
