#include "mainwindow/record_transfer.h"

#include "mainwindow/choice_fills.h"
#include "project/record_fields.h"
#include "project/record_layout.h"
#include "project/setup_lists.h"
#include "support/main_window_fixture.h"

#include <algorithm>

namespace vortan {
namespace {

class RecordTransfer : public testing::MainWindowTest {
protected:
    void given_setup_lists() {
        Form& s = setup.form();
        s.set_items(setup_list::Inspectors, {"Smith\tAnn\t\t\t\t\t\t", "Jones\tBob\t\t\t\t\t\t"});
        s.set_items(setup_list::Structure_Types, {"Tower", "Pole"});
        s.set_items(setup_list::Cable_Positions, {"Top", "Left"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t", "Lynx\t\t\t842\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t", "0\t0\t1\t", "1\t1\t1\t"});
        fill_all_choices(form(), s);
    }
    std::string span_record() {
        CalcContext c = context();
        return build_sag_span_record(c);
    }
    std::string cable_record() {
        CalcContext c = context();
        return build_cable_sag_record(c);
    }
    // One text per cable-sag field that holds a text, in the record's order.
    std::vector<std::string> cable_texts() {
        std::vector<std::string> texts;
        for (const RecordField& f : cable_sag_layout())
            if (f.kind == FieldKind::TypedText || f.kind == FieldKind::Measure) texts.push_back(text(f.name));
        return texts;
    }
    void given_every_cable_field_typed() {
        int n = 0;
        for (const RecordField& f : cable_sag_layout()) {
            ++n;
            if (f.kind == FieldKind::TypedText) type(f.name, "t" + std::to_string(n));
            if (f.kind == FieldKind::Measure) form().set_text(f.name, std::to_string(n) + ".25");
        }
    }
};

TEST_F(RecordTransfer, SagSpanRecordAsTyped) {
    given_setup_lists();
    form().set_value("Pole_Number_SpinEdit", 3);
    given_header("T12", "T13", "250.5");
    form().user_select("Inspector_Surname_ComboBox", 1);
    EXPECT_EQ(span_record(), "3\tT12\tT13\t250.5\t1\t");
}

TEST_F(RecordTransfer, ImperialLengthsAreStoredInMetric) {
    given_imperial_units();
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (const Case& c : {Case{"820", "249.92380372"}, Case{"4000", "1219.14050594"}, Case{"", ""},
                          Case{"abc", "abc"}}) {
        type("Span_Length_Edit", c.typed);
        EXPECT_EQ(record_field(span_record(), 4), c.stored) << c.typed;
    }
}

TEST_F(RecordTransfer, StoringSagSpansReplacesOrAppends) {
    for (int n = 1; n <= 3; ++n) store_sag_span_record(form(), n, std::to_string(n) + "\tA\tB\t100\t0\t");
    store_sag_span_record(form(), 4, "4\tD\tE\t100\t0\t");
    store_sag_span_record(form(), 2, "2\tX\tY\t100\t0\t");
    const auto& spans = form().items("Pole_Data_Listbox");
    ASSERT_EQ(spans.size(), 4u);
    EXPECT_EQ(spans[1], "2\tX\tY\t100\t0\t");
    EXPECT_EQ(spans[3], "4\tD\tE\t100\t0\t");
}

TEST_F(RecordTransfer, CableSagRecordHasSeventyFourFields) {
    given_setup_lists();
    type("Upper_Sag_Edit", "");
    std::string record = cable_record();
    EXPECT_EQ(std::count(record.begin(), record.end(), '\t'), 74);
    EXPECT_EQ(record.back(), '\t');
    EXPECT_EQ(record_field(record, 15), "");
    EXPECT_EQ(record_field(record, 75), "");
    EXPECT_EQ(record_field(record, 9), "07-Dec-2026");
}

TEST_F(RecordTransfer, ListIndexesAreTheLastEqualLineOrZero) {
    given_setup_lists();
    form().set_item_index("Cable_Code_Name_ComboBox", 1);  // Lynx, line 1 of the code names
    std::string record = cable_record();
    EXPECT_EQ(record_field(record, 5), "0");
    EXPECT_EQ(record_field(record, 7), "1");
    setup.form().set_items(setup_list::Structure_Types, {"Other", "Pole"});  // Tower is no line now
    EXPECT_EQ(record_field(cable_record(), 5), "0");
}

TEST_F(RecordTransfer, StoringCableSagsReplacesTheLastKeyMatchInPlace) {
    store_cable_sag_record(form(), join_record({"1", "0", "0", "0", "first"}));
    store_cable_sag_record(form(), join_record({"1", "0", "0", "1", "other code name"}));
    store_cable_sag_record(form(), join_record({"1", "0", "0", "0", "again"}));
    const auto& records = form().items("Cable_Bundle_Record_Listbox");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(record_field(records[0], 5), "again");
    EXPECT_EQ(record_field(records[1], 5), "other code name");
}

TEST_F(RecordTransfer, FindsTheLastRecordOfTheCurrentSelection) {
    given_setup_lists();
    form().set_items("Cable_Bundle_Record_Listbox", {join_record({"1", "0", "0", "0", "a"}),
                                                     join_record({"2", "0", "0", "0", "b"}),
                                                     join_record({"1", "0", "0", "0", "c"})});
    EXPECT_EQ(find_cable_sag_record(form()), 2);
    form().set_item_index("Cable_Code_Name_ComboBox", 1);
    EXPECT_EQ(find_cable_sag_record(form()), -1);
}

TEST_F(RecordTransfer, MetricRoundTripGivesTheSameTexts) {
    given_setup_lists();
    given_every_cable_field_typed();
    form().set_item_index("Cable_Code_Name_ComboBox", 1);
    form().set_value("Cable_Code_Name_ComboBox_Index_SpinEdit", 1);
    form().user_select("Sag_New_or_Existing_RadioGroup", 1);
    form().set_active_page("Calc_Method_PageControl", 8);
    auto typed = cable_texts();
    std::string record = cable_record();
    for (const RecordField& f : cable_sag_layout())
        if (f.kind != FieldKind::Integer && f.kind != FieldKind::ListIndex) form().set_text(f.name, "");
    form().user_select("Sag_New_or_Existing_RadioGroup", 0);
    form().set_active_page("Calc_Method_PageControl", 0);
    CalcContext c = context();
    load_cable_sag_record(c, record);
    EXPECT_EQ(cable_texts(), typed);
    EXPECT_EQ(form().item_index("Sag_New_or_Existing_RadioGroup"), 1);
    EXPECT_EQ(form().active_page("Calc_Method_PageControl"), 8);
    EXPECT_EQ(text("Cable_Code_Name_ComboBox"), "Lynx");
    EXPECT_EQ(cable_record(), record);
}

TEST_F(RecordTransfer, ImperialRoundTripDiffersOnlyByDisplayRounding) {
    given_imperial_units();
    given_every_cable_field_typed();
    auto typed = cable_texts();
    std::string record = cable_record();
    CalcContext c = context();
    load_cable_sag_record(c, record);
    auto shown = cable_texts();
    ASSERT_EQ(shown.size(), typed.size());
    for (size_t i = 0; i < typed.size(); ++i) {
        double before = Text_To_Number(typed[i], NumberFormat{}), after = Text_To_Number(shown[i], NumberFormat{});
        if (before == Abort_Value) {
            EXPECT_EQ(shown[i], typed[i]);
        } else {
            EXPECT_NEAR(after, before, 0.005 + 1e-9) << i;
        }
    }
}

TEST_F(RecordTransfer, UntrustedIntegersLoadAsNoSelection) {
    given_setup_lists();
    form().set_active_page("Calc_Method_PageControl", 4);
    std::vector<std::string> fields(74, "");
    fields[0] = "1";
    fields[1] = "x";   // structure type: not an integer
    fields[7] = "2";   // sag mode other than 1: sagging
    fields[18] = "12"; // no such method page
    CalcContext c = context();
    load_cable_sag_record(c, join_record(fields));
    EXPECT_EQ(form().item_index("Cable_Type_ComboBox"), -1);
    EXPECT_EQ(form().item_index("Sag_New_or_Existing_RadioGroup"), 0);
    EXPECT_EQ(form().active_page("Calc_Method_PageControl"), 4);
}

}  // namespace
}  // namespace vortan
