// The instrument precisions of the setup editor, kept with the project: saved
// and opened in either unit system and decimal mark, defaults for a project
// written before they existed, a typed value refused, the units switched, and
// a precision typed and not saved recovered after a crash.
#include "journal/durable_file.h"
#include "journal/recovery_journal.h"
#include "mainwindow/main_window.h"
#include "project/profile_file.h"
#include "project/project_file_set.h"
#include "setup/setup_editor.h"
#include "support/demo_project.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace vortan {
namespace {

namespace fs = std::filesystem;

struct Row {
    const char* field;
    const char* fallback;       // shown in metric when nothing is stored
    const char* metric_typed;   // typed in metric, and stored as such
    const char* imperial_typed;
    const char* imperial_kept;  // the metric text the imperial value is kept as
    const char* fallback_imperial;
};

// The seven settings, in layout order.
constexpr Row Rows[] = {
    {"Angle_Precision_Edit", "10", "5", "7.5", "7.5", "10"},
    {"Time_Precision_Edit", "0.2", "0.35", "0.15", "0.15", "0.2"},
    {"Length_Precision_Edit", "0.02", "0.015", "0.07", "0.02133495885", "0.0656"},
    {"Span_Precision_Edit", "0.1", "0.25", "1.5", "0.4571776897", "0.3281"},
    {"Force_Precision_Edit", "1", "2.5", "0.5", "0.5", "1"},
    {"Gradient_Precision_Edit", "0.1", "0.05", "0.2", "0.2", "0.1"},
    {"Temperature_Precision_Edit", "1", "0.5", "1.8", "1", "1.8"},
};

std::string with_decimal(std::string text, const std::string& decimal) {
    if (const size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, decimal);
    return text;
}

// One run of the program, on the folder's projects.
struct ProgramRun {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
    ProgramRun(const fs::path& folder, bool imperial, const NumberFormat& numbers = {}) {
        window.set_numbers(numbers);
        window.start();
        window.keep_recovery_journal(folder / "unsaved");
        setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
        port.set_default_answer(Answer::Yes);
    }
    Form& settings() { return setup.form(); }
    const std::string& shown(const Row& row) { return settings().text(row.field); }
    // Typed in the setup editor as a user would, closed with OK.
    void type_in_setup(const std::string& field, const std::string& text) {
        window.setup_opened();
        settings().user_type(field, text);
        ASSERT_TRUE(setup.close_requested());
        window.setup_closed();
    }
};

class PrecisionSettings : public ::testing::Test {
protected:
    PrecisionSettings()
        : folder(fs::temp_directory_path() / ("vortan-precision-" + std::to_string(journal::this_process_id()))) {
        master = testing::fresh_copy_of_demo(folder);
    }
    ~PrecisionSettings() override { fs::remove_all(folder); }

    std::unique_ptr<ProgramRun> opened(bool imperial, const NumberFormat& numbers = {}) {
        auto run = std::make_unique<ProgramRun>(folder, imperial, numbers);
        EXPECT_TRUE(run->window.open_project(master.string()));
        return run;
    }
    // The master file without the keys of the precisions, as an earlier
    // version wrote it (its check goes with them).
    void drop_precision_keys() {
        std::ifstream in(master, std::ios::binary);
        std::string line, kept;
        while (std::getline(in, line))
            if (line.find("_Precision_Edit=") == std::string::npos && line.rfind("Master_CRC", 0) != 0)
                kept += line + "\n";
        in.close();
        std::ofstream(master, std::ios::binary) << kept;
    }

    fs::path folder, master;
};

TEST_F(PrecisionSettings, SavedValuesOpenAsTypedInTheUnitsInForce) {
    struct System {
        bool imperial;
        NumberFormat numbers;
    };
    for (const System& system : {System{false, {}}, System{true, {}}, System{false, {".", ","}}}) {
        const std::string label = std::string(system.imperial ? "imperial" : "metric") + " " + system.numbers.decimal;
        master = testing::fresh_copy_of_demo(folder);
        {
            auto run = opened(system.imperial, system.numbers);
            for (const Row& row : Rows) {
                const std::string typed =
                    with_decimal(system.imperial ? row.imperial_typed : row.metric_typed, system.numbers.decimal);
                run->type_in_setup(row.field, typed);
                EXPECT_TRUE(run->window.form().checked("Data_Changed_Since_Load_CheckBox")) << label << row.field;
            }
            ASSERT_TRUE(run->window.save_project()) << label;
        }
        const ProfileFile profile = ProfileFile::read(master);
        auto run = opened(system.imperial, system.numbers);
        for (const Row& row : Rows) {
            EXPECT_EQ(profile.text(Master_Section, row.field), system.imperial ? row.imperial_kept : row.metric_typed)
                << label << " " << row.field;
            EXPECT_EQ(run->shown(row),
                      with_decimal(system.imperial ? row.imperial_typed : row.metric_typed, system.numbers.decimal))
                << label << " " << row.field;
        }
        EXPECT_FALSE(run->window.form().checked("Data_Changed_Since_Load_CheckBox")) << label;
        // New with "Yes to All" empties the setup: the defaults again.
        run->port.queue_answer(Answer::YesToAll);
        run->window.form().user_click("Reset_BitBtn");
        for (const Row& row : Rows)
            EXPECT_EQ(run->shown(row), with_decimal(system.imperial ? row.fallback_imperial : row.fallback,
                                                    system.numbers.decimal))
                << label << " " << row.field;
    }
}

TEST_F(PrecisionSettings, AProjectOfAnEarlierVersionOpensWithTheDefaults) {
    {
        auto run = opened(false);
        for (const Row& row : Rows) run->type_in_setup(row.field, row.metric_typed);
        ASSERT_TRUE(run->window.save_project());
    }
    drop_precision_keys();
    for (bool imperial : {false, true}) {
        auto run = opened(imperial);
        for (const Row& row : Rows)
            EXPECT_EQ(run->shown(row), imperial ? row.fallback_imperial : row.fallback) << row.field;
    }
}

TEST_F(PrecisionSettings, AValueThatIsNoPrecisionIsRefusedAndSetBack) {
    auto run = opened(false);
    for (const Row& row : Rows) run->type_in_setup(row.field, row.metric_typed);
    for (const char* bad : {"abc", "-0.5", "", "1e999", "1,5"}) {
        for (const Row& row : Rows) {
            run->window.setup_opened();
            run->settings().user_type(row.field, bad);
            const size_t before = run->port.messages().size();
            EXPECT_FALSE(run->setup.close_requested()) << bad << " " << row.field;
            const std::vector<std::string> shown = run->port.messages();
            ASSERT_EQ(shown.size(), before + 1) << bad << " " << row.field;
            EXPECT_EQ(shown.back().rfind("Error : The Instrument Precision for ", 0), 0u) << shown.back();
            EXPECT_EQ(run->shown(row), row.metric_typed) << bad << " " << row.field;
            EXPECT_EQ(run->settings().active_page("Settings_PageControl"), setup_page::Theodolite_Settings);
            // Set back, the window closes; the value it held is kept.
            EXPECT_TRUE(run->setup.close_requested()) << bad << " " << row.field;
            run->window.setup_closed();
            EXPECT_EQ(run->setup.precisions().stored(*precision_setting_of(row.field)), row.metric_typed);
        }
    }
    run->window.setup_opened();
    run->settings().user_type("Length_Precision_Edit", "abc");
    run->settings().user_select_page("Settings_PageControl", setup_page::Project_Details);
    EXPECT_EQ(run->port.messages().back(),
              "Error : The Instrument Precision for Lengths and Heights must be a number of 0 or more; \"abc\" cannot "
              "be used.\n\r\n\rIt is set back to 0.015 m, the value it held.  Type the 95 % bound of one reading, in "
              "the unit shown beside the field.");
}

TEST_F(PrecisionSettings, TheUnitSwitchConvertsLengthsAndTemperatureOnly) {
    ProgramRun run(folder, false);
    run.type_in_setup("Span_Precision_Edit", "0.25");
    for (int round = 0; round < 2; ++round) {
        run.settings().user_select("Units_of_Measure_RadioGroup", 1);
        for (const Row& row : Rows) {
            const bool span = std::string(row.field) == "Span_Precision_Edit";
            EXPECT_EQ(run.shown(row), span ? "0.8203" : row.fallback_imperial) << row.field;
        }
        EXPECT_EQ(run.settings().control("Length_Precision_Units_Label").caption, "ft");
        EXPECT_EQ(run.settings().control("Temperature_Precision_Units_Label").caption, "\xC2\xB0" "F");
        // The calculation reads the metric values, not their rounded display.
        const InstrumentPrecision read = instrument_precision(run.settings(), NumberFormat{});
        EXPECT_EQ(read.length_metres, 0.02);
        EXPECT_EQ(read.span_metres, 0.25);
        // Back in metric, what was typed, not a value rounded through feet.
        run.settings().user_select("Units_of_Measure_RadioGroup", 0);
        for (const Row& row : Rows) {
            const bool span = std::string(row.field) == "Span_Precision_Edit";
            EXPECT_EQ(run.shown(row), span ? "0.25" : row.fallback) << row.field;
        }
        EXPECT_EQ(run.settings().control("Length_Precision_Units_Label").caption, "m");
        EXPECT_EQ(run.setup.precisions().stored(*precision_setting_of("Length_Precision_Edit")), "0.02");
    }
}

TEST_F(PrecisionSettings, APrecisionTypedAndNotSavedComesBackAfterACrash) {
    {
        auto run = opened(true);
        run->window.setup_opened();
        run->settings().user_type("Length_Precision_Edit", "0.07");
        run->settings().user_type("Angle_Precision_Edit", "4");
        ASSERT_TRUE(fs::exists(journal::journal_of(master)));
    }  // the run dies with the setup editor open
    auto next = opened(false);
    EXPECT_EQ(next->settings().text("Length_Precision_Edit"), "0.0213");
    EXPECT_EQ(next->setup.precisions().stored(*precision_setting_of("Length_Precision_Edit")), "0.02133495885");
    EXPECT_EQ(next->settings().text("Angle_Precision_Edit"), "4");
    EXPECT_TRUE(next->window.form().checked("Data_Changed_Since_Load_CheckBox"));
}

}  // namespace
}  // namespace vortan
