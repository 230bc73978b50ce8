// A surveyor's day at random: seeded walks through the main window by the
// scenario driver, from the demo line, typing, choosing, calculating,
// preserving, navigating, deleting, resetting, saving, opening and switching
// units and separators, with every record and file checked after each step.
// A failing walk is shrunk by dropping steps and printed as a script.
//
// VORTAN_WALK_STEPS sets the steps of a run (20,000 by default), and
// VORTAN_WALK_SEED runs the one walk of that seed.
#include "mainwindow/main_window.h"
#include "mainwindow/method_page_fields.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "project/text_compare.h"
#include "setup/setup_editor.h"
#include "shell/scenario_script.h"
#include "support/generated_share.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

namespace vortan {
namespace {

namespace fs = std::filesystem;

constexpr int Steps_Per_Walk = 200;
constexpr std::uint64_t First_Seed = 20261209;
constexpr const char* Sag_Spans = "Pole_Data_Listbox";
constexpr const char* Cable_Sags = "Cable_Bundle_Record_Listbox";
constexpr const char* Selection[][2] = {{"Cable_Type_ComboBox", "Cable_Type_ComboBox_Index_SpinEdit"},
                                        {"Cable_Position_ComboBox", "Cable_Position_ComboBox_Index_SpinEdit"},
                                        {"Cable_Code_Name_ComboBox", "Cable_Code_Name_ComboBox_Index_SpinEdit"}};

enum class Check { None, UneditedPreserve, Reopen };

// One user action as scenario lines; "@" stands for the walk's folder.
struct Step {
    std::optional<Answer> answer;  // to every question the action asks
    std::string script;
    Check check = Check::None;
};

std::string as_script(const std::vector<Step>& steps) {
    std::string text;
    for (const Step& step : steps) {
        if (step.answer) text += std::string("# every question: ") + to_string(*step.answer) + "\n";
        if (step.check == Check::UneditedPreserve) text += "# preserve what is shown, unedited\n";
        if (step.check == Check::Reopen) text += "# save, then open and save again\n";
        text += step.script + "\n";
    }
    return text;
}

std::map<std::string, std::string> file_bytes(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// The names the main window's three choice lists offer, as the setup's
// combinations make them: types, positions of a type, code names of both.
std::vector<std::string> offered(const Form& setup, size_t column, const std::vector<std::string>& chosen) {
    std::vector<std::string> names;
    for (const std::string& record : setup.items(setup_list::Combinations)) {
        auto combination = combination_names(setup, record);
        if (!combination) continue;
        bool matches = true;
        for (size_t i = 0; i < chosen.size(); ++i) matches = matches && same_ignoring_case((*combination)[i], chosen[i]);
        bool present = false;
        for (const std::string& name : names) present = present || same_ignoring_case(name, (*combination)[column]);
        if (matches && !present) names.push_back((*combination)[column]);
    }
    return names;
}

// The name at a stored list index, or nothing.
std::optional<std::string> name_at(const std::vector<std::string>& names, std::optional<int> index) {
    if (!index || *index < 0 || *index >= static_cast<int>(names.size())) return std::nullopt;
    return names[static_cast<size_t>(*index)];
}

// What the walks did, so that a run shows it was not idle.
struct Tally {
    long steps = 0, stored = 0, questions = 0, preserves_compared = 0, files_compared = 0;
};
Tally tally;

class Walk {
public:
    Walk() : folder_(fresh_folder()), window_(port_, setup_) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const auto& entry : fs::directory_iterator(VORTAN_EXAMPLES_DIR))
            if (entry.path().stem() == "demo-line") fs::copy_file(entry.path(), folder_ / entry.path().filename());
        window_.start();
        port_.set_default_answer(Answer::Yes);
        run("file @/demo-line.vtn\nclick Open_Option");
        // Two inspectors, so that a sag-span's inspector is a choice too.
        run("setup\nset Inspector_Surname_Edit Hartley\nclick Next_Inspector_BitBtn\nclick Next_Inspector_BitBtn\n"
            "set Inspector_Surname_Edit Okafor\nclick Previous_Inspector_BitBtn\nend");
        // A second conductor with a real mass and diameter, to be shown in both units.
        run("setup\nclick Next_Code_Name_BitBtn\nset Code_Name_Name_Edit Wolf\nset Cable_Mass_Edit 1137\n"
            "set Cable_Diameter_Edit 18.13\nclick Previous_Code_Name_BitBtn\nend");
        for (const std::string& line : setup().items(setup_list::Code_Names))
            conductors_[record_field(line, 1)] = record_field(line, 4) + "|" + record_field(line, 5);
    }
    ~Walk() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    Form& form() { return window_.form(); }
    const Form& setup() { return setup_.form(); }
    const NumberFormat& numbers() const { return window_.numbers(); }

    // Takes the step; the first invariant it breaks, or nothing.
    std::string take(const Step& step) {
        ++tally.steps;
        port_.clear_queues();
        port_.set_default_answer(step.answer);
        const auto spans = form().items(Sag_Spans), cables = form().items(Cable_Sags);
        const size_t shown = port_.transcript().size();
        const std::string typed_into = typed_field(step);
        const std::string before = typed_into.empty() ? "" : form().text(typed_into);
        std::string broken;
        if (step.check == Check::UneditedPreserve) broken = preserve_unedited(step);
        else if (step.check == Check::Reopen) broken = reopen(step);
        else broken = run(step.script);
        if (broken.empty()) broken = keys_and_selection();
        if (broken.empty()) broken = conductors_kept();
        if (broken.empty()) broken = changes_flagged(step);
        if (broken.empty()) broken = typed_kept(step, typed_into, before, spans, cables, shown);
        return broken;
    }

private:
    static fs::path fresh_folder() {
        static const unsigned run = std::random_device{}();
        static int walks = 0;
        return fs::temp_directory_path() / ("vortan-walk-" + std::to_string(run) + "-" + std::to_string(++walks));
    }

    std::string run(const std::string& script) {
        std::string text = script, errors;
        for (size_t at = text.find("@/"); at != std::string::npos; at = text.find("@/", at))
            text.replace(at, 1, folder_.string());
        std::istringstream in(text);
        const int status = run_scenario_script(in, port_, setup_, window_, [](const std::string&) {},
                                               [&errors](const std::string& e) { errors += e; });
        return status == Script_Completed ? "" : "script stopped: " + errors;
    }

    bool edits_pending() {
        return form().checked("Span_Data_Changed_CheckBox") || form().checked("Cable_Data_Changed_CheckBox");
    }

    // A record shown and preserved without an edit is stored back as it was.
    std::string preserve_unedited(const Step& step) {
        if (edits_pending() || window_.span_number() > window_.span_count()) return run(step.script);
        const auto spans = form().items(Sag_Spans), cables = form().items(Cable_Sags);
        if (std::string broken = run(step.script); !broken.empty()) return broken;
        ++tally.preserves_compared;
        if (form().items(Sag_Spans) != spans) return "unedited preserve changed the sag-spans";
        for (size_t i = 0; i < cables.size(); ++i)
            if (i >= form().items(Cable_Sags).size() || form().items(Cable_Sags)[i] != cables[i])
                return "unedited preserve changed cable sag " + std::to_string(i + 1) + ": " + cables[i] + " became " +
                       (i < form().items(Cable_Sags).size() ? form().items(Cable_Sags)[i] : "nothing");
        return form().items(Cable_Sags) == cables ? "" : "unedited preserve added a cable sag";
    }

    // Saved, opened and saved again: the same records and the same bytes.
    std::string reopen(const Step& step) {
        if (std::string broken = run("file @/walk.vtn\nclick Save_As_Option"); !broken.empty()) return broken;
        if (form().checked("Data_Changed_Since_Load_CheckBox") || edits_pending()) return "";  // not saved
        const auto saved = file_bytes(folder_);
        const auto spans = form().items(Sag_Spans), cables = form().items(Cable_Sags);
        if (std::string broken = run(step.script); !broken.empty()) return broken;
        if (form().items(Sag_Spans) != spans || form().items(Cable_Sags) != cables)
            return "the records read back differ from the records saved";
        if (std::string broken = run("click Save_Option"); !broken.empty()) return broken;
        const auto again = file_bytes(folder_);
        ++tally.files_compared;
        for (const auto& [name, bytes] : saved)
            if (again.at(name) != bytes) return "saving the opened project changed " + name;
        return "";
    }

    // Every cable sag is stored under names its list indexes reach, of a
    // stored sag-span, and the index fields name what the lists show.
    std::string keys_and_selection() {
        for (const auto& [combo, spin] : Selection)
            if (form().item_index(combo) != form().value(spin))
                return std::string(combo) + " shows item " + std::to_string(form().item_index(combo)) + " but " +
                       spin + " holds " + std::to_string(form().value(spin));
        for (const std::string& record : form().items(Cable_Sags)) {
            auto span = record_integer(record, 1);
            if (!span || *span < 1 || *span > window_.span_count()) return "cable sag of no sag-span: " + record;
            auto type = name_at(offered(setup(), 0, {}), record_integer(record, 2));
            auto position = type ? name_at(offered(setup(), 1, {*type}), record_integer(record, 3)) : std::nullopt;
            auto code = position ? name_at(offered(setup(), 2, {*type, *position}), record_integer(record, 4)) : std::nullopt;
            if (!code) return "cable sag no choice list reaches: " + record;
            std::vector<std::string> codes;
            for (const std::string& line : setup().items(setup_list::Code_Names)) codes.push_back(record_field(line, 1));
            auto stored_type = name_at(setup().items(setup_list::Structure_Types), record_integer(record, 5));
            auto stored_position = name_at(setup().items(setup_list::Cable_Positions), record_integer(record, 6));
            auto stored_code = name_at(codes, record_integer(record, 7));
            if (stored_type != type || stored_position != position || stored_code != code)
                return "cable sag stored as " + *type + "/" + *position + "/" + *code + " names " +
                       stored_type.value_or("?") + "/" + stored_position.value_or("?") + "/" + stored_code.value_or("?") +
                       ": " + record;
        }
        return "";
    }

    // Records that differ from those last opened or saved are flagged as
    // changed, so that nothing opened over them goes unasked.
    std::string changes_flagged(const Step& step) {
        const bool new_project = step.check == Check::Reopen || step.script.find("Open_Option") != std::string::npos ||
                                 step.script.find("New_Option") != std::string::npos;
        if (form().checked("Data_Changed_Since_Load_CheckBox")) {
            clean_.reset();
            return "";
        }
        const auto now = std::make_pair(form().items(Sag_Spans), form().items(Cable_Sags));
        if (!clean_ || new_project) clean_ = now;
        return *clean_ == now ? "" : "the records changed but the project is not flagged as changed";
    }

    // No conductor's mass or diameter changes: the walk never types them.
    std::string conductors_kept() {
        for (const std::string& line : setup().items(setup_list::Code_Names)) {
            auto known = conductors_.find(record_field(line, 1));
            const std::string now = record_field(line, 4) + "|" + record_field(line, 5);
            if (known != conductors_.end() && known->second != now)
                return "conductor " + known->first + " stored as " + known->second + " became " + now;
        }
        return "";
    }

    // What was typed stays on screen or in a record, unless a question was answered.
    static std::string typed_field(const Step& step) {
        if (step.script.rfind("set ", 0) != 0) return "";
        std::istringstream words(step.script);
        std::string command, field;
        words >> command >> field;
        return field;
    }

    std::string typed_kept(const Step& step, const std::string& field, const std::string& before,
                           const std::vector<std::string>& spans, const std::vector<std::string>& cables, size_t shown) {
        if (!field.empty()) {
            // Only a text that changed and stayed is an edit to keep.
            if (form().text(field) != before && form().text(field) == step.script.substr(5 + field.size()))
                typed_[field] = form().text(field);
            return "";
        }
        bool asked = false;
        for (size_t i = shown; i < port_.transcript().size(); ++i)
            asked = asked || (port_.transcript()[i].rfind("MESSAGE ", 0) == 0 &&
                              port_.transcript()[i].find(" OK ") == std::string::npos);
        const bool stored = form().items(Sag_Spans) != spans || form().items(Cable_Sags) != cables;
        const bool converted = step.script.rfind("setup", 0) == 0 || step.script.rfind("locale", 0) == 0;
        tally.stored += stored;
        tally.questions += asked;
        if (asked || stored || converted) {
            typed_.clear();
            return "";
        }
        for (const auto& [field, text] : typed_)
            if (form().text(field) != text)
                return "typed \"" + text + "\" in " + field + ", now \"" + form().text(field) + "\" without a question";
        return "";
    }

    fs::path folder_;
    ScriptedPort port_;
    SetupEditor setup_;
    MainWindow window_;
    std::map<std::string, std::string> typed_;
    std::map<std::string, std::string> conductors_;  // mass|diameter by code name
    std::optional<std::pair<std::vector<std::string>, std::vector<std::string>>> clean_;  // as opened or saved
};

// ---- the steps a surveyor takes ----

class StepMaker {
public:
    explicit StepMaker(std::uint64_t seed) : random_(seed) {}

    Step next(Walk& walk) {
        Step step;
        const Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
        step.answer = answers[pick(3)];
        const int roll = pick(100);
        if (roll < 40) step.script = typing(walk);
        else if (roll < 50) step.script = choosing(walk.form());
        else if (roll < 56) step.script = one_of({"click Calculate_Sag_BitBtn", "click Commit_Span_Changes_BitBtn",
                                                  "click Commit_Cable_Bundle_Changes_BitBtn"});
        else if (roll < 68) step.script = one_of({"click First_Tower_BitBtn", "click Previous_Tower_BitBtn",
                                                  "click Next_Tower_BitBtn", "click Last_Tower_BitBtn",
                                                  "pick " + std::to_string(pick(4)) + "\nclick Jump_to_Span_BitBtn"});
        else if (roll < 76) step.script = "page Transmission_Line_PageControl " + std::to_string(pick(2));
        else if (roll < 80) step.script = one_of({"click Delete_Curr_Cable_Details_BitBtn",
                                                  "click Delete_Curr_Span_Details_BitBtn"});
        else if (roll < 82) step.script = one_of({"click Reset_BitBtn", "click New_Option"});
        else if (roll < 84) step.script = "file @/demo-line.vtn\nclick Open_Option";
        else if (roll < 88) step.script = "setup\nselect Units_of_Measure_RadioGroup " + std::to_string(pick(2)) +
                                          one_of({"", "\nclick Next_Code_Name_BitBtn"}) +
                                          one_of({"", "\nset Cable_Construction_Type_Edit ACSR " + std::to_string(pick(99))}) +
                                          "\nend";
        else if (roll < 91) step.script = one_of({"locale , .", "locale . ,"});
        else if (roll < 97) {
            step.check = Check::UneditedPreserve;
            step.script = "click Commit_Span_Changes_BitBtn\nclick Commit_Cable_Bundle_Changes_BitBtn";
        } else {
            step.check = Check::Reopen;
            step.answer = Answer::Yes;
            // Read back on this machine or on one with the other separators.
            step.script = one_of({"locale , .", "locale . ,"}) + "\nfile @/walk.vtn\nclick Open_Option";
        }
        return step;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    std::string one_of(const std::vector<std::string>& choices) { return choices[static_cast<size_t>(pick(static_cast<int>(choices.size())))]; }

    // A number as the surveyor types it, with the separators in force.
    std::string number(double low, double high, int decimals, const NumberFormat& numbers) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", decimals, std::uniform_real_distribution<double>(low, high)(random_));
        std::string typed = text;
        if (auto point = typed.find('.'); point != std::string::npos) typed.replace(point, 1, numbers.decimal);
        return typed;
    }

    std::string typing(Walk& walk) {
        Form& form = walk.form();
        const NumberFormat& numbers = walk.numbers();
        if (pick(20) == 0) return "set " + one_of({"Span_Length_Edit", "Upper_Sag_Edit", "Actual_Cable_Temperature_Edit"}) + " " + one_of({"", "x", "1e999"});
        if (form.active_page("Transmission_Line_PageControl") == 0) {
            const std::string field = one_of({"From_Tower_Edit", "To_Tower_Edit", "Span_Length_Edit"});
            if (field == "Span_Length_Edit") return "set " + field + " " + number(150, 450, pick(3), numbers);
            return "set " + field + " T" + std::to_string(pick(9) + 1);
        }
        switch (pick(4)) {
        case 0: return "set " + one_of({"Actual_Cable_Temperature_Edit", "Upper_Temperature_Degrees_Edit",
                                        "Lower_Temperature_Degrees_Edit"}) + " " + number(0, 40, pick(2), numbers);
        case 1: return "set " + one_of({"Upper_Sag_Edit", "Lower_Sag_Edit"}) + " " + number(3, 12, pick(3), numbers);
        case 2: return "set " + one_of({"Temperature_Compensation_Edit", "Hours_Since_Cable_Runout_Edit"}) + " " +
                       number(0, 10, pick(2), numbers);
        default: return method_field(form, numbers);
        }
    }

    std::string method_field(Form& form, const NumberFormat& numbers) {
        const std::string page = form.pages_of("Calc_Method_PageControl")[static_cast<size_t>(
            std::max(form.active_page("Calc_Method_PageControl"), 0))];
        std::vector<std::string> fields;
        for (const std::string& name : method_input_fields())
            if (on_page(form, name, page) && !form.control(name).read_only) fields.push_back(name);
        if (fields.empty()) return "click Calculate_Sag_BitBtn";
        const std::string field = one_of(fields);
        if (stored_quantity(field)) return "set " + field + " " + number(1, 60, pick(3), numbers);
        return "set " + field + " " + one_of({"3", "5", number(4, 30, 1, numbers), "88" + numbers.decimal + "3015",
                                              "89" + numbers.decimal + "1222", "91" + numbers.decimal + "053"});
    }

    static bool on_page(const Form& form, std::string name, const std::string& page) {
        while (!name.empty() && name != page) name = form.control(name).parent;
        return name == page;
    }

    std::string choosing(Form& form) {
        if (pick(5) == 0) return "page Calc_Method_PageControl " + std::to_string(pick(12));
        if (pick(6) == 0) return "select Sag_New_or_Existing_RadioGroup " + std::to_string(pick(2));
        const std::string combo = one_of({"Cable_Type_ComboBox", "Cable_Position_ComboBox", "Cable_Code_Name_ComboBox",
                                          "Inspector_Surname_ComboBox"});
        const int count = static_cast<int>(form.items(combo).size());
        return "select " + combo + " " + std::to_string(count == 0 ? 0 : pick(count));
    }

    std::mt19937_64 random_;
};

// ---- running, shrinking and reporting ----

// The step at which a replay of the steps breaks an invariant, and what broke.
std::optional<std::pair<size_t, std::string>> replay(const std::vector<Step>& steps) {
    Walk walk;
    for (size_t i = 0; i < steps.size(); ++i)
        if (std::string broken = walk.take(steps[i]); !broken.empty()) return std::make_pair(i, broken);
    return std::nullopt;
}

std::string kind_of(const std::string& broken) { return broken.substr(0, broken.find_first_of(":\"0123456789")); }

// Drops steps, larger runs first, while the same kind of fault remains.
std::vector<Step> shrink(std::vector<Step> steps, const std::string& kind) {
    for (size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t start = 0; start + chunk <= steps.size();) {
            std::vector<Step> fewer(steps.begin(), steps.begin() + static_cast<long>(start));
            fewer.insert(fewer.end(), steps.begin() + static_cast<long>(start + chunk), steps.end());
            auto failure = replay(fewer);
            if (failure && kind_of(failure->second) == kind) {
                fewer.resize(failure->first + 1);
                steps = std::move(fewer);
            } else {
                start += chunk;
            }
        }
    }
    return steps;
}

std::uint64_t environment_number(const char* name, std::uint64_t otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : otherwise;
}

TEST(RandomWalk, RecordsStayWhereTheyWerePutAndFilesReadBackByteForByte) {
    const std::uint64_t total = environment_number("VORTAN_WALK_STEPS", static_cast<std::uint64_t>(vortan::testing::generated(20000)));
    const std::uint64_t only = environment_number("VORTAN_WALK_SEED", 0);
    const std::uint64_t walks = only ? 1 : (total + Steps_Per_Walk - 1) / Steps_Per_Walk;
    for (std::uint64_t w = 0; w < walks; ++w) {
        const std::uint64_t seed = only ? only : First_Seed + w;
        StepMaker maker(seed);
        Walk walk;
        std::vector<Step> steps;
        for (int i = 0; i < Steps_Per_Walk; ++i) {
            steps.push_back(maker.next(walk));
            const std::string broken = walk.take(steps.back());
            if (broken.empty()) continue;
            const std::vector<Step> shortest = shrink(steps, kind_of(broken));
            const auto failure = replay(shortest);
            FAIL() << "walk " << seed << " (VORTAN_WALK_SEED=" << seed << "), step " << i + 1 << ": " << broken
                   << "\nshortest sequence, from the demo line opened (" << shortest.size() << " steps):\n"
                   << as_script(shortest) << "-> " << (failure ? failure->second : std::string("(not reproduced)"));
        }
    }
    std::printf("%ld steps: %ld stored records, %ld asked, %ld unedited preserves and %ld save-open-saves compared\n",
                tally.steps, tally.stored, tally.questions, tally.preserves_compared, tally.files_compared);
    EXPECT_GT(tally.stored, static_cast<long>(walks)) << "the walks stored too little to prove anything";
}

}  // namespace
}  // namespace vortan
