#include "shell/scenario_script.h"

#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "shell/scenario_stringing.h"
#include "shell/scratch_folder.h"
#include "ui/scriptedport.h"

#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

namespace vortan {

namespace {

class BadLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::optional<int> parse_int(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Paths separated by blanks; a path in double quotes may hold blanks.
std::vector<std::filesystem::path> quoted_paths(const std::string& text) {
    std::vector<std::filesystem::path> paths;
    for (size_t at = text.find_first_not_of(' '); at != std::string::npos; at = text.find_first_not_of(' ', at)) {
        const bool quoted = text[at] == '"';
        const size_t end = quoted ? text.find('"', at + 1) : text.find(' ', at);
        if (quoted && end == std::string::npos) throw BadLine("no closing quote: " + text);
        paths.emplace_back(text.substr(at + quoted, (end == std::string::npos ? text.size() : end) - at - quoted));
        at = end == std::string::npos ? text.size() : end + quoted;
    }
    return paths;
}

std::optional<DateTime> parse_clock(const std::string& date, const std::string& time) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (date.size() != 11 || date[2] != '-' || date[6] != '-' || time.size() != 5 || time[2] != ':')
        return std::nullopt;
    DateTime clock;
    auto day = parse_int(date.substr(0, 2)), year = parse_int(date.substr(7));
    auto hour = parse_int(time.substr(0, 2)), minute = parse_int(time.substr(3));
    if (!day || !year || !hour || !minute) return std::nullopt;
    clock.month = 0;
    for (int m = 0; m < 12; ++m)
        if (date.substr(3, 3) == months[m]) clock.month = m + 1;
    if (clock.month == 0) return std::nullopt;
    clock.day = *day;
    clock.year = *year;
    clock.hour = *hour;
    clock.minute = *minute;
    return clock;
}

std::string printed_value(const Control& c) {
    switch (c.kind) {
    case ControlKind::Edit: return c.text;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::MenuItem: return c.checked ? "1" : "0";
    case ControlKind::SpinEdit: return std::to_string(c.value);
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::RadioGroup: {
        bool selected = c.item_index >= 0 && c.item_index < static_cast<int>(c.items.size());
        return std::to_string(c.item_index) + "|" +
               (selected ? c.items[static_cast<size_t>(c.item_index)] : c.text);
    }
    case ControlKind::PageControl: return std::to_string(c.active_page);
    default: return c.caption;
    }
}

class ScenarioRunner {
public:
    ScenarioRunner(ScriptedPort& port, SetupEditor& setup, MainWindow& main,
                   const std::function<void(const std::string&)>& out, ScratchFolder& scratch)
        : out_(out), port_(port), setup_(setup), main_(main), scratch_(scratch) {
        port_.sink = out;
    }

    void run_line(const std::string& script_line);

private:
    Form& form() { return in_setup_ ? setup_.form() : main_.form(); }
    const Control& named(const std::string& name) {
        if (!form().has(name)) throw BadLine("no control named " + name);
        return form().control(name);
    }
    int index_argument(const std::string& text) {
        auto value = parse_int(text);
        if (!value) throw BadLine("not a number: " + text);
        return *value;
    }

    const std::function<void(const std::string&)>& out_;
    ScriptedPort& port_;
    SetupEditor& setup_;
    MainWindow& main_;
    ScratchFolder& scratch_;
    bool in_setup_ = false;
};

void ScenarioRunner::run_line(const std::string& script_line) {
    std::string line;
    try {
        line = scratch_.expand(script_line);
    } catch (const std::exception& error) {
        throw BadLine(std::string("{scratch}: ") + error.what());
    }
    std::istringstream words(line);
    std::string command, name, argument;
    words >> command;
    // The rest of the line after one blank: `set` may type an empty text or blanks.
    auto rest_after = [&line](size_t words_before) {
        size_t at = 0;
        for (size_t w = 0; w < words_before; ++w) {
            at = line.find(' ', at);
            if (at == std::string::npos) return std::string();
            ++at;
        }
        return line.substr(at);
    };
    if (command == "set") {
        words >> name;
        if (named(name).kind != ControlKind::Edit) throw BadLine(name + " is not an edit field");
        form().user_type(name, rest_after(2));
    } else if (command == "select") {
        words >> name >> argument;
        named(name);
        form().user_select(name, index_argument(argument));
    } else if (command == "page") {
        words >> name >> argument;
        if (named(name).kind != ControlKind::PageControl) throw BadLine(name + " is not a page control");
        form().user_select_page(name, index_argument(argument));
    } else if (command == "check") {
        words >> name >> argument;
        named(name);
        if (argument != "0" && argument != "1") throw BadLine("check takes 0 or 1");
        form().user_check(name, argument == "1");
    } else if (command == "click") {
        words >> name;
        named(name);
        form().user_click(name);
    } else if (command == "answer") {
        words >> argument;
        auto answer = answer_from_string(argument);
        if (!answer) throw BadLine("unknown answer " + argument);
        port_.queue_answer(*answer);
    } else if (command == "input") {
        if (line == "input") port_.queue_input(std::nullopt);
        else port_.queue_input(rest_after(1));
    } else if (command == "file") {
        port_.queue_files(quoted_paths(rest_after(1)));
    } else if (command == "pick") {
        words >> argument;
        port_.queue_pick(index_argument(argument));
    } else if (command == "clock") {
        std::string date, time;
        words >> date >> time;
        auto clock = parse_clock(date, time);
        if (!clock) throw BadLine("clock takes DD-MMM-YYYY HH:MM");
        port_.set_clock(*clock);
    } else if (command == "locale") {
        std::string thousands, decimal;
        words >> thousands >> decimal;
        if (thousands.empty() || decimal.empty()) throw BadLine("locale takes two separators");
        main_.set_numbers(NumberFormat{thousands, decimal});
    } else if (command == "setup") {
        if (in_setup_) throw BadLine("the setup editor is already open");
        main_.setup_opened();
        in_setup_ = true;
    } else if (command == "end") {
        if (!in_setup_) throw BadLine("end without setup");
        // As the OK button: a changed record that cannot be kept holds the editor open.
        if (!setup_.close_requested()) return;
        in_setup_ = false;
        main_.setup_closed();
    } else if (command == "recover") {
        // As at the window's start: the unsaved project of a run that died.
        main_.offer_unsaved_recovery();
    } else if (command == "print") {
        words >> name;
        out_(name + "=" + printed_value(named(name)));
    } else if (command == "caption") {
        words >> name;
        out_(name + "=" + shown_caption(named(name)));
    } else if (command == "items") {
        words >> name;
        const Control& c = named(name);
        for (size_t i = 0; i < c.items.size(); ++i) out_(name + "[" + std::to_string(i) + "]=" + c.items[i]);
    } else if (command == "stringing") {
        try {
            run_stringing_command(main_, rest_after(1), out_);
        } catch (const BadStringingLine& bad) {
            throw BadLine(bad.what());
        }
    } else {
        throw BadLine("unknown command " + command);
    }
}

}  // namespace

int run_scenario_script(std::istream& script, const std::function<void(const std::string&)>& out,
                        const std::function<void(const std::string&)>& errors,
                        const std::filesystem::path& fixtures,
                        const std::optional<std::filesystem::path>& journal_folder, storage::FileSystem* files) {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow main(port, setup);
    if (files) main.set_file_system(*files);
    main.start();
    if (journal_folder) main.keep_recovery_journal(*journal_folder);
    const int status = run_scenario_script(script, port, setup, main, out, errors, fixtures);
    // A script that reaches its end ends as a clean exit does: only a run
    // that dies leaves a journal.
    if (status == Script_Completed) main.end_without_saving();
    return status;
}

int run_scenario_script(std::istream& script, ScriptedPort& port, SetupEditor& setup, MainWindow& main,
                        const std::function<void(const std::string&)>& out,
                        const std::function<void(const std::string&)>& errors,
                        const std::filesystem::path& fixtures) {
    ScratchFolder scratch(fixtures);
    const std::function<void(const std::string&)> shown = [&](const std::string& text) {
        out(scratch.written_back(text));
    };
    ScenarioRunner runner(port, setup, main, shown, scratch);
    // The port may outlive the run (a window on screen): it then writes to
    // the caller's output again, not through the scratch folder ending here.
    struct SinkBack {
        ScriptedPort& port;
        const std::function<void(const std::string&)>& out;
        ~SinkBack() { port.sink = out; }
    } sink_back{port, out};
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#' || line.find_first_not_of(' ') == std::string::npos) continue;
        try {
            runner.run_line(line);
        } catch (const BadLine& bad) {
            errors("line " + std::to_string(number) + ": " + scratch.written_back(bad.what()));
            return Script_Bad_Line;
        } catch (const UnansweredQuestion& question) {
            errors("line " + std::to_string(number) + ": unanswered question: " + scratch.written_back(question.what()));
            return Script_Unanswered;
        }
    }
    return Script_Completed;
}

}  // namespace vortan
