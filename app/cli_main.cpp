// vortan-cli: the headless entry points on the same core as the window.
#include "journal/journal_places.h"
#include "shell/cli_commands.h"
#include "shell/scenario_script.h"
#include "storage/file_system.h"

#include <csignal>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <string>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

vortan::DateTime local_time_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

// VORTAN_KILL_BEFORE_OPERATION=n: the run kills itself just before its n-th
// write, flush, rename or removal of a project file (1 the first), as a
// crash there would stop it; the tests prove a save survives any of them.
class KillingFileSystem : public vortan::storage::SystemFileSystem {
public:
    explicit KillingFileSystem(long operation) : left_(operation) {}
    std::string write_file(const std::filesystem::path& file, const std::string& bytes) override {
        step();
        return SystemFileSystem::write_file(file, bytes);
    }
    std::string flush_file(const std::filesystem::path& file) override {
        step();
        return SystemFileSystem::flush_file(file);
    }
    std::string flush_folder(const std::filesystem::path& folder) override {
        step();
        return SystemFileSystem::flush_folder(folder);
    }
    std::string rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        step();
        return SystemFileSystem::rename(from, to);
    }
    std::string remove(const std::filesystem::path& file) override {
        step();
        return SystemFileSystem::remove(file);
    }

private:
    void step() {
        if (--left_ != 0) return;
#ifdef _WIN32
        std::_Exit(137);  // no handler, no flush: as abrupt as a kill
#else
        std::raise(SIGKILL);
#endif
    }
    long left_;
};

void print(const std::string& line) { std::cout << line << '\n'; }
void print_error(const std::string& line) { std::cerr << line << '\n'; }

void print_synopsis(std::ostream& out) {
    out << "usage: vortan-cli script FILE | check PROJECT.vtn | recalc [--imperial] PROJECT.vtn | "
           "report [--csv] PROJECT.vtn | overview PROJECT.vtn |\n"
           "       check-record [--csv] PROJECT.vtn | schedule PROJECT.vtn [--section N] [--csv]\n"
           "       vortan-cli --help | --version\n";
}

int usage() {
    print_synopsis(std::cerr);
    return 2;
}

int help() {
    print_synopsis(std::cout);
    std::cout << "\nSag surveys of overhead power-line cables without a window.\n\n"
                 "Commands:\n"
                 "  script FILE                   run a scenario script and print what a user would see\n"
                 "  check PROJECT.vtn             verify the master file's own check and the CRC of every side file\n"
                 "  recalc [--imperial] PROJECT.vtn\n"
                 "                                recalculate every stored cable sag, one line each\n"
                 "  report [--csv] PROJECT.vtn    print the sag report (--csv: its data with verdict and band)\n"
                 "  overview PROJECT.vtn          print the line overview as CSV, verdict and band included\n"
                 "  check-record [--csv] PROJECT.vtn\n"
                 "                                print the check record to sign (--csv: as CSV)\n"
                 "  schedule PROJECT.vtn [--section N] [--csv]\n"
                 "                                print the stringing charts (--csv: CSV in SI units)\n"
                 "\nOptions:\n"
                 "  -h, --help                    show this help and exit\n"
                 "  --version                     show the version and exit\n"
                 "\nSee vortan-cli(1).\n";
    return 0;
}

// schedule PROJECT.vtn [--section N] [--csv], the options in any order.
int schedule(int argc, char** argv) {
    std::string master;
    vortan::ScheduleRequest request;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--csv") == 0) {
            request.csv = true;
        } else if (std::strcmp(argv[i], "--section") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const long section = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || section < 1 || section > 1000000) return usage();
            request.section = static_cast<int>(section);
        } else if (master.empty() && argv[i][0] != '-') {
            master = argv[i];
        } else {
            return usage();
        }
    }
    if (master.empty()) return usage();
    return vortan::schedule_project(master, request, print, print_error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) return help();
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "vortan-cli " VORTAN_VERSION "\n";
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "schedule") == 0) return schedule(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "report") == 0 && std::strcmp(argv[2], "--csv") == 0)
        return vortan::report_project(argv[3], local_time_now(), print, print_error, true);
    if (argc == 4 && std::strcmp(argv[1], "check-record") == 0 && std::strcmp(argv[2], "--csv") == 0)
        return vortan::check_record_project(argv[3], local_time_now(), print, print_error, true);
    if (argc == 4 && std::strcmp(argv[1], "recalc") == 0 && std::strcmp(argv[2], "--imperial") == 0)
        return vortan::recalc_project(argv[3], print, true);
    if (argc != 3) return usage();
    if (std::strcmp(argv[1], "script") == 0) {
        std::ifstream script(argv[2], std::ios::binary);
        if (!script) {
            std::cerr << "vortan-cli: cannot read " << argv[2] << "\n";
            return 2;
        }
        // The script's fixture files lie in the folder of its name beside it.
        std::filesystem::path fixtures = argv[2];
        fixtures.replace_extension();
        const char* kill_before = std::getenv("VORTAN_KILL_BEFORE_OPERATION");
        KillingFileSystem killing(kill_before ? std::strtol(kill_before, nullptr, 10) : 0);
        return vortan::run_scenario_script(
            // Each line is out before the next step runs: what a run shows, it has done.
            script, [](const std::string& line) { std::cout << line << std::endl; },
            [](const std::string& error) { std::cerr << "vortan-cli: " << error << '\n'; }, fixtures,
            vortan::journal::unsaved_journal_folder(), kill_before ? &killing : nullptr);
    }
    if (std::strcmp(argv[1], "check") == 0) return vortan::check_project(argv[2], print);
    if (std::strcmp(argv[1], "recalc") == 0) return vortan::recalc_project(argv[2], print);
    if (std::strcmp(argv[1], "report") == 0)
        return vortan::report_project(argv[2], local_time_now(), print, print_error);
    if (std::strcmp(argv[1], "check-record") == 0)
        return vortan::check_record_project(argv[2], local_time_now(), print, print_error);
    if (std::strcmp(argv[1], "overview") == 0) return vortan::overview_project(argv[2], print, print_error);
    return usage();
}
