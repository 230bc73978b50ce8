// A stored cable sag shown and calculated again gives the results it was
// stored with, whatever the units and separators it is shown in: the run uses
// the stored values behind rounded displays, a preserve writes them back byte
// for byte, and switching units there and back changes nothing.
#include "calc/calculation_run.h"
#include "mainwindow/choice_fills.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "support/generated_share.h"
#include "support/main_window_fixture.h"
#include "units/displayed_fields.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <set>

namespace vortan {
namespace {

constexpr size_t Nudges_Per_Record = 4;
constexpr std::uint64_t Seed = 20261210;
constexpr int Required_Sag_Field = 17;
constexpr int Actual_Sag_Field = 18;

struct Display {
    const char* name;
    bool imperial;
    NumberFormat numbers;
};

const Display Metric = {"metric", false, {",", "."}};
const Display Imperial = {"imperial", true, {",", "."}};
const Display Displays[] = {
    Metric,
    {"metric, point thousands and comma decimals", false, {".", ","}},
    Imperial,
    {"imperial, point thousands and comma decimals", true, {".", ","}},
};

// What a run leaves: its values (sags in metres, tension in kilonewtons) and
// the texts of the fields a record and its results are shown in.
struct Outcome {
    std::vector<double> run;
    std::map<std::string, std::string> texts;
};

std::string eight_decimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.8f", value);
    return text;
}

std::string with_fields(const std::string& record, int count, const std::map<int, std::string>& replaced) {
    std::vector<std::string> fields;
    for (int n = 1; n <= count; ++n) {
        auto found = replaced.find(n);
        fields.emplace_back(found != replaced.end() ? found->second : std::string(record_field(record, n)));
    }
    return join_record(fields);
}

// Every stored measure of a record moved by up to 2% and written with eight
// decimals, as an imperial entry is stored.
std::map<int, std::string> nudged_measures(const std::string& record, const std::vector<RecordField>& layout,
                                           std::mt19937_64& random) {
    std::uniform_real_distribution<double> nudge(0.98, 1.02);
    std::map<int, std::string> fields;
    for (int n = 1; n <= static_cast<int>(layout.size()); ++n) {
        const double value = Text_To_Number(std::string(record_field(record, n)), NumberFormat{});
        if (layout[static_cast<size_t>(n - 1)].kind == FieldKind::Measure && value != Abort_Value && value != 0)
            fields[n] = eight_decimals(value * nudge(random));
    }
    return fields;
}

// The cable temperature and the creep allowance still add up to a whole
// degree: the run shows the required temperature to a tenth of a degree and
// reads it back, and only a whole degree Celsius is a tenth of a degree
// Fahrenheit too.
std::string nudged_cable_sag(const std::string& record, std::mt19937_64& random) {
    auto fields = nudged_measures(record, cable_sag_layout(), random);
    const double actual = Text_To_Number(std::string(record_field(record, 11)), NumberFormat{});
    const double creep = Text_To_Number(std::string(record_field(record, 12)), NumberFormat{});
    fields[12] = eight_decimals(std::round(actual + creep) - Text_To_Number(fields[11], NumberFormat{}));
    return with_fields(record, Cable_Sag_Field_Count, fields);
}

// A record as a user with other separators typed it: measures are stored in
// the file's format, other numbers as typed.
std::string typed_with(const std::string& record, const std::vector<RecordField>& layout,
                       const NumberFormat& numbers) {
    const NumberFormat file;
    std::map<int, std::string> fields;
    for (int n = 1; n <= static_cast<int>(layout.size()); ++n) {
        std::string text(record_field(record, n));
        if (layout[static_cast<size_t>(n - 1)].kind != FieldKind::TypedText ||
            Text_To_Number(text, file) == Abort_Value)
            continue;
        for (char& c : text) {
            if (c == file.decimal[0])
                c = numbers.decimal[0];
            else if (c == file.thousands[0])
                c = numbers.thousands[0];
        }
        fields[n] = text;
    }
    return with_fields(record, static_cast<int>(layout.size()), fields);
}

std::vector<std::string> typed_with(std::vector<std::string> records, const std::vector<RecordField>& layout,
                                    const NumberFormat& numbers) {
    for (std::string& record : records) record = typed_with(record, layout, numbers);
    return records;
}

// The quantity a field shows, from its conversion or from its unit label.
std::optional<Quantity> quantity_of(const Form& form, const std::string& field) {
    for (const DisplayedMeasure& measure : displayed_measures())
        if (field == measure.field) return measure.kind;
    const std::pair<const char*, Quantity> families[] = {{"UNITS_LENGTH", Quantity::Length},
                                                         {"UNITS_SMALL_LENGTH", Quantity::SmallLength},
                                                         {"UNITS_SMALL_Force", Quantity::Force},
                                                         {"UNITS_Force", Quantity::LargeForce}};
    for (const auto& [prefix, kind] : families)
        if (form.control(field).unit_label.rfind(prefix, 0) == 0) return kind;
    return std::nullopt;
}

// Half a unit in the last place a number is shown with.
double half_last_place(const std::string& text, const NumberFormat& numbers) {
    const size_t point = text.find(numbers.decimal);
    const size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

// The required and actual sags a sagging run writes: stored with two decimals
// in metres, written again with two in feet, they may come back closer to the run.
bool same_sag(std::string_view stored, std::string_view now) {
    const double a = Text_To_Number(std::string(stored), NumberFormat{});
    const double b = Text_To_Number(std::string(now), NumberFormat{});
    return stored == now || std::fabs(a - b) <= 0.005 + imperial_to_metric(Quantity::Length, 0.005) + 1e-9;
}

// Where two record lists first differ, field by field; empty when they agree.
std::string first_difference(const std::vector<std::string>& stored, const std::vector<std::string>& now) {
    if (stored.size() != now.size()) return "the lists hold different counts";
    for (size_t r = 0; r < stored.size(); ++r) {
        if (stored[r] == now[r]) continue;
        for (int n = 1; n <= Cable_Sag_Field_Count; ++n)
            if (n == Required_Sag_Field || n == Actual_Sag_Field
                    ? !same_sag(record_field(stored[r], n), record_field(now[r], n))
                    : record_field(stored[r], n) != record_field(now[r], n))
                return "record " + std::to_string(r) + " field " + std::to_string(n) + ": stored '" +
                       std::string(record_field(stored[r], n)) + "', now '" + std::string(record_field(now[r], n)) +
                       "'";
    }
    return "";
}

class StoredValues : public testing::MainWindowTest {
protected:
    StoredValues() {
        port.set_default_answer(Answer::Yes);
        // The demo in the source tree is only read, by many tests at once.
        window.open_projects_read_only();
        form().set_text("Load_Save_File_Edit", VORTAN_EXAMPLES_DIR "/demo-line.vtn");
        window.read_project();
        // Every record shown on fresh fields: no result of another record stays on screen.
        setup.form().set_checked("Reset_All_Input_Fields_CheckBox", true);
        for (const char* parent : {"Calc_Method_PageControl", "Check_or_Sag_GroupBox", "Sag_Tolerance_GroupBox"})
            collect_edits(parent);
        for (const auto* layout : {&sag_span_layout(), &cable_sag_layout()})
            for (const RecordField& field : *layout)
                if (field.kind == FieldKind::Measure || field.kind == FieldKind::TypedText)
                    compared_.insert(field.name);
    }

    // The units switched as the setup editor does, with whatever is on screen.
    void given_display(const Display& display) {
        window.setup_opened();
        setup.form().set_item_index("Units_of_Measure_RadioGroup", display.imperial ? 1 : 0);
        window.setup_closed();
        window.set_numbers(display.numbers);
    }

    void given_records(const Display& display, const std::vector<std::string>& cable_sags,
                       const std::vector<std::string>& spans) {
        form().set_items("Cable_Bundle_Record_Listbox", typed_with(cable_sags, cable_sag_layout(), display.numbers));
        form().set_items("Pole_Data_Listbox", typed_with(spans, sag_span_layout(), display.numbers));
    }

    // The selection of a record, as a user would pick it, and its display.
    void show(const std::string& record) {
        form().set_value("Pole_Number_SpinEdit", record_integer(record, 1).value_or(1));
        for (int n = 2; n <= 4; ++n) {
            const char* index_field = cable_sag_layout()[static_cast<size_t>(n - 1)].name;
            form().set_value(index_field, record_integer(record, n).value_or(-1));
        }
        fill_structure_types(form(), setup.form());
        fill_cable_positions(form(), setup.form());
        fill_code_names(form(), setup.form());
        window.display();
    }

    // Calculate pressed.
    Outcome calculate() {
        CalcContext c = context();
        const RunValues run = Calculate_Sag_BitBtnClick(c);
        window.show_sag_aids(c, run);
        port.clear_transcript();
        auto metres = [&](double sag) { return c.imperial() ? imperial_to_metric(Quantity::Length, sag) : sag; };
        Outcome outcome{{flag("Data_Calc_Successful_CheckBox") ? 1.0 : 0.0, metres(run.required_sag),
                         metres(run.actual_sag), run.horizontal_tension},
                        {}};
        for (const std::string& field : compared_) outcome.texts[field] = text(field);
        return outcome;
    }

    // The outcome of the metric run with the file's separators, in `display`:
    // run values to the last bits, every number shown to its rounding.
    void expect_same(const Outcome& metric, const Outcome& now, const Display& display) {
        for (size_t i = 0; i < metric.run.size(); ++i)
            EXPECT_NEAR(now.run[i], metric.run[i], 1e-9 * (std::fabs(metric.run[i]) + 1)) << "run value " << i;
        for (const auto& [field, reference] : metric.texts) {
            const std::string& shown = now.texts.at(field);
            const double stored = Text_To_Number(reference, NumberFormat{});
            const double value = Text_To_Number(shown, display.numbers);
            if (stored == Abort_Value && value == Abort_Value) continue;
            const auto kind = quantity_of(form(), field);
            const bool converted = kind && display.imperial;
            const double expected = converted ? metric_to_imperial(*kind, stored) : stored;
            const double factor = converted ? metric_to_imperial(*kind, 1) - metric_to_imperial(*kind, 0) : 1;
            const double rounding =
                kind ? half_last_place(shown, display.numbers) + factor * half_last_place(reference, NumberFormat{})
                     : 0;
            EXPECT_NEAR(value, expected, rounding + 1e-9 * (std::fabs(expected) + 1))
                << field << ": metric '" << reference << "', shown '" << shown << "'";
        }
    }

    // Preserved unedited, the records are stored exactly as they were.
    void expect_preserved(const Display& display, const std::vector<std::string>& cable_sags,
                          const std::vector<std::string>& spans) {
        window.Commit_Cable_Bundle_Changes_BitBtnClick();
        port.clear_transcript();
        EXPECT_EQ(first_difference(typed_with(cable_sags, cable_sag_layout(), display.numbers),
                                   form().items("Cable_Bundle_Record_Listbox")),
                  "");
        EXPECT_EQ(form().items("Pole_Data_Listbox"), typed_with(spans, sag_span_layout(), display.numbers));
    }

    // The record `k` of `cable_sags` shown and calculated in every display,
    // and with its units switched on screen.
    void expect_stored_results(std::vector<std::string> cable_sags, std::vector<std::string> spans, size_t k) {
        // Preserved once in metric, the record holds the sags its schedule gives.
        given_display(Metric);
        given_records(Metric, cable_sags, spans);
        show(cable_sags[k]);
        window.Commit_Cable_Bundle_Changes_BitBtnClick();
        cable_sags = form().items("Cable_Bundle_Record_Listbox");
        spans = form().items("Pole_Data_Listbox");
        const Outcome metric = calculate();
        EXPECT_EQ(metric.run[0], 1.0) << "the record calculates";
        for (const Display& display : Displays) {
            SCOPED_TRACE(display.name);
            given_display(display);
            given_records(display, cable_sags, spans);
            show(cable_sags[k]);
            expect_same(metric, calculate(), display);
            expect_preserved(display, cable_sags, spans);
        }
        SCOPED_TRACE("units switched there and back with the record on screen");
        given_display(Metric);
        given_records(Metric, cable_sags, spans);
        show(cable_sags[k]);
        for (const Display& display : {Imperial, Metric, Imperial}) {
            given_display(display);
            expect_same(metric, calculate(), display);
        }
        expect_preserved(Imperial, cable_sags, spans);
    }

    std::set<std::string> compared_;

private:
    void collect_edits(const std::string& parent) {
        for (const Control* child : form().children(parent)) {
            if (child->kind == ControlKind::Edit) compared_.insert(child->name);
            collect_edits(child->name);
        }
    }
};

// Dynamometer records with round figures, over the demo line's first cable sag.
// The shunt dynamometer's fulcrum separation and deflection, shown in inches to
// two decimals (39.37 and 1.97), once moved the tension and force a run gives.
struct NamedRecord {
    const char* what_the_user_did;
    std::map<int, std::string> fields;  // by field number
};

const NamedRecord Named_Records[] = {
    {"checked a sag with a shunt dynamometer: 1000 mm between fulcrums, 50 mm deflection, 4392.59 N",
     {{8, "1"}, {19, "9"}, {28, "1000"}, {29, "50"}, {30, "4392.59"}}},
    {"sagged a cable with that shunt dynamometer", {{8, "0"}, {19, "9"}, {28, "1000"}, {29, "50"}}},
    {"checked a sag with a series dynamometer reading 20 kN through a 2:1 advantage",
     {{8, "1"}, {19, "3"}, {31, "2"}, {32, "20"}}},
    {"sagged a cable with a series dynamometer", {{8, "0"}, {19, "3"}, {31, "2"}}},
};

TEST_F(StoredValues, NamedRecordsGiveTheirStoredResultsInEveryDisplay) {
    const std::vector<std::string> demo = form().items("Cable_Bundle_Record_Listbox");
    const std::vector<std::string> spans = form().items("Pole_Data_Listbox");
    for (const NamedRecord& row : Named_Records) {
        SCOPED_TRACE(row.what_the_user_did);
        std::vector<std::string> cable_sags = demo;
        cable_sags[0] = with_fields(demo[0], Cable_Sag_Field_Count, row.fields);
        expect_stored_results(cable_sags, spans, 0);
    }
}

// Every record of the demo line and every named record in turn, its measures nudged.
TEST_F(StoredValues, SeededRecordsGiveTheirStoredResultsInEveryDisplay) {
    const std::vector<std::string> demo = form().items("Cable_Bundle_Record_Listbox");
    const std::vector<std::string> demo_spans = form().items("Pole_Data_Listbox");
    std::vector<std::pair<size_t, std::string>> originals;  // a record and its place in the list
    for (size_t k = 0; k < demo.size(); ++k) originals.emplace_back(k, demo[k]);
    for (const NamedRecord& row : Named_Records)
        originals.emplace_back(0, with_fields(demo[0], Cable_Sag_Field_Count, row.fields));
    std::mt19937_64 random(Seed);
    const auto nudges = static_cast<size_t>(vortan::testing::generated(static_cast<int>(Nudges_Per_Record * originals.size())));
    for (size_t i = 0; i < nudges; ++i) {
        const auto& [k, original] = originals[i % originals.size()];
        std::vector<std::string> cable_sags = demo, spans = demo_spans;
        cable_sags[k] = nudged_cable_sag(original, random);
        const size_t span = static_cast<size_t>(record_integer(original, 1).value_or(1) - 1);
        spans[span] = with_fields(spans[span], Sag_Span_Field_Count,
                                  nudged_measures(spans[span], sag_span_layout(), random));
        SCOPED_TRACE("seed " + std::to_string(Seed) + ", record " + std::to_string(i) + ": " + cable_sags[k] +
                     " on " + spans[span]);
        expect_stored_results(cable_sags, spans, k);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace vortan
