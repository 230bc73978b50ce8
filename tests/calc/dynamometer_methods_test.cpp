#include "calc/calculation_fault.h"
#include "calc/number_text.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

constexpr int Series_Page = 3;
constexpr int Shunt_Page = 9;

const char* const No_Cable_Name_Message =
    "Error : No cable name has been selected.  \n\r\n\rPlease enter Cable Data under Setup.";

// Every case uses span 300 m (984.3 ft) and, unless it says otherwise, a cable of
// 1000 kg/km: w = 9.81 N/m, so w L^2 = 882900 N m and T = 882900 / (8 D 1000) kN.
class DynamometerMethods : public testing::MainWindowTest {
protected:
    void given_cable(const std::string& record = "Wolf\t\t\t1000\t\t", const std::string& name = "Wolf") {
        setup.form().set_items("Code_Name_ListBox", {record});
        form().set_items("Cable_Code_Name_ComboBox", {name});
        form().set_item_index("Cable_Code_Name_ComboBox", 0);
    }
    // Both schedule rows give the sag, so D is that sag at any temperature.
    void given_required_sag(const std::string& sag, const std::string& span = "300") {
        given_header("T1", "T2", span);
        given_schedule();
        type("Upper_Sag_Edit", sag);
        type("Lower_Sag_Edit", sag);
    }
    void given_inputs(const std::vector<std::pair<const char*, const char*>>& inputs) {
        for (auto [field, value] : inputs) type(field, value);
    }
};

const char* const All_Outputs[] = {"Series_Dyn_Required_Tension_Edit", "Series_Dyn_Required_Sag_Edit",
                                   "Series_Dyn_Actual_Sag_Edit",       "Shunt_Dyn_Required_Force_Edit",
                                   "Shunt_Dyn_Required_Tension_Edit",  "Shunt_Dyn_Required_Sag_Edit",
                                   "Shunt_Dyn_Actual_Tension_Edit",    "Shunt_Dyn_Actual_Sag_Edit",
                                   "Actual_Sag_Edit"};

struct DynamometerCase {
    const char* name;
    int page;
    bool checking;
    bool imperial;
    const char* span;
    const char* sag;  // required sag, sagging only
    std::vector<std::pair<const char*, const char*>> inputs;
    std::vector<std::pair<const char*, const char*>> expected;
};

TEST_F(DynamometerMethods, ReadingsForTheRequiredSagAndSagsFromReadings) {
    const DynamometerCase cases[] = {
        // T = 882900 / 40000 = 22.0725 kN; through a tackle of 4: 5.518125.
        {"series sagging", Series_Page, false, false, "300", "5", {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}},
         {{"Series_Dyn_Required_Tension_Edit", "5.52"}, {"Series_Dyn_Required_Sag_Edit", "5.00"},
          {"Actual_Sag_Edit", "old"}}},
        {"series sagging, direct", Series_Page, false, false, "300", "5", {{"Series_Dyn_Mechanical_Advantage_Edit", "1"}},
         {{"Series_Dyn_Required_Tension_Edit", "22.07"}}},
        // S = 882900 / (8 * 5.52 * 4 * 1000) = 4.99830.
        {"series checking", Series_Page, true, false, "300", "",
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "5.52"}},
         {{"Series_Dyn_Actual_Sag_Edit", "5.00"}, {"Actual_Sag_Edit", "5.00"}, {"Series_Dyn_Actual_Tension_Edit", "5.52"}}},
        // q = (1000/100)^2 + 1 = 101; F = 2 * 22.0725 * 1000 / 10.0498756 = 4392.5917 N.
        {"shunt sagging", Shunt_Page, false, false, "300", "5",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"}},
         {{"Shunt_Dyn_Required_Force_Edit", "4,392.59"}, {"Shunt_Dyn_Required_Tension_Edit", "22.07"},
          {"Shunt_Dyn_Required_Sag_Edit", "5.00"}, {"Actual_Sag_Edit", "old"}}},
        // T = 10.0498756 * 4392.58 / 2000 = 22.07244; S = 882900 / 22072.44 / 8 = 5.000013.
        {"shunt checking", Shunt_Page, true, false, "300", "",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
          {"Shunt_Dyn_Actual_Force_Edit", "4392.58"}},
         {{"Shunt_Dyn_Actual_Tension_Edit", "22.07"}, {"Shunt_Dyn_Actual_Sag_Edit", "5.00"},
          {"Actual_Sag_Edit", "5.00"}}},
        // Imperial: 984.3 ft = 300 m and 16.4 ft = 4.9984761 m, so T = 882900 / 39987.81 =
        // 22.079229 kN = 22079.229 / 4.4482216 = 4963.608 lbf; through a tackle of 4: 1240.902 lbf.
        {"series sagging, imperial", Series_Page, false, true, "984.3", "16.4",
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}},
         {{"Series_Dyn_Required_Tension_Edit", "1,240.90"}, {"Series_Dyn_Required_Sag_Edit", "16.40"}}},
        // 1240.90 lbf = 5.519816 kN; S = 882900 / (8 * 5.519816 * 4 * 1000) = 4.998484 m = 16.40003 ft.
        {"series checking, imperial", Series_Page, true, true, "984.3", "",
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "1240.90"}},
         {{"Series_Dyn_Actual_Sag_Edit", "16.40"}, {"Actual_Sag_Edit", "16.40"}}},
        // 39.372 in / 1.9686 in is 1000 mm / 50 mm: q = 101; F = 2 * 22079.229 / 10.0498756 = 4393.93 N
        // = 987.795 lbf.
        {"shunt sagging, imperial", Shunt_Page, false, true, "984.3", "16.4",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "39.372"}, {"Shunt_Dyn_Deflection_Edit", "1.9686"}},
         {{"Shunt_Dyn_Required_Force_Edit", "987.79"}, {"Shunt_Dyn_Required_Tension_Edit", "4,963.61"},
          {"Shunt_Dyn_Required_Sag_Edit", "16.40"}}},
        // 987.79 lbf = 4393.9058 N; T = 10.0498756 * 4393.9058 / 2000 = 22.079118 kN = 4963.583 lbf;
        // S = 882900 / 22079.118 / 8 = 4.998501 m = 16.40008 ft.
        {"shunt checking, imperial", Shunt_Page, true, true, "984.3", "",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "39.372"}, {"Shunt_Dyn_Deflection_Edit", "1.9686"},
          {"Shunt_Dyn_Actual_Force_Edit", "987.79"}},
         {{"Shunt_Dyn_Actual_Tension_Edit", "4,963.58"}, {"Shunt_Dyn_Actual_Sag_Edit", "16.40"}}},
    };
    given_cable();
    for (const DynamometerCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        const size_t before = messages().size();
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag(c.checking ? "9" : c.sag, c.span);
        given_method_page(c.page);
        given_inputs(c.inputs);
        form().set_text("Actual_Sag_Edit", "old");
        calculate();
        EXPECT_TRUE(flag("Data_Calc_Successful_CheckBox"));
        for (auto [field, value] : c.expected) EXPECT_EQ(text(field), value) << field;
        EXPECT_TRUE(messages_since(before).empty());
    }
}

// A weightless cable has no sag a dynamometer could show: both methods refuse
// it in both modes instead of reporting sags and tensions of 0.
TEST_F(DynamometerMethods, ACodeNameWithoutARecordIsRefused) {
    given_cable("Other\t\t\t1000\t\t", "Wolf");
    for (int page : {Series_Page, Shunt_Page})
        for (bool checking : {false, true}) {
            SCOPED_TRACE(std::to_string(page) + (checking ? " checking" : " sagging"));
            form().user_select("Sag_New_or_Existing_RadioGroup", checking ? 1 : 0);
            given_required_sag("5");
            given_method_page(page);
            given_inputs({{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "5"},
                          {"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
                          {"Shunt_Dyn_Actual_Force_Edit", "4000"}});
            const size_t before = messages().size();
            calculate();
            EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
            EXPECT_EQ(messages_since(before),
                      std::vector<std::string>{"Error : The cable \"Wolf\" has no mass on record, so no dynamometer "
                                               "reading can tell its sag.\n\r\n\rEnter the cable's mass under Setup, "
                                               "Cable Details, or use another method."});
        }
}

TEST_F(DynamometerMethods, NoCableNameStopsBeforeAnyFieldIsReadEvenWhenQuiet) {
    // The record exists, but the combo box offers no name: the list is what counts.
    setup.form().set_items("Code_Name_ListBox", {"Wolf\t\t\t1000\t\t"});
    form().set_items("Cable_Code_Name_ComboBox", {});
    for (int page : {Series_Page, Shunt_Page}) {
        for (bool checking : {false, true}) {
            for (bool quiet : {false, true}) {
                SCOPED_TRACE(std::to_string(page) + (checking ? " checking" : " sagging") + (quiet ? " quiet" : ""));
                port.clear_transcript();
                const size_t before = messages().size();
                form().user_select("Sag_New_or_Existing_RadioGroup", checking ? 1 : 0);
                given_required_sag("5");
                given_method_page(page);
                // Every input empty: a read would have said so first.
                for (const char* f : {"Series_Dyn_Mechanical_Advantage_Edit", "Series_Dyn_Actual_Tension_Edit",
                                      "Shunt_Dyn_Fulcrum_Seperation_Edit", "Shunt_Dyn_Deflection_Edit",
                                      "Shunt_Dyn_Actual_Force_Edit"})
                    type(f, "");
                for (const char* f : All_Outputs) form().set_text(f, "old");
                if (quiet) given_quiet();
                calculate();
                form().set_checked("Calcualte_Without_Messages_CheckBox", false);
                EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
                ASSERT_EQ(port.transcript().size(), 1u);
                EXPECT_EQ(port.transcript()[0].rfind("MESSAGE error OK ", 0), 0u);
                EXPECT_EQ(messages_since(before), std::vector<std::string>{No_Cable_Name_Message});
                for (const char* f : All_Outputs) EXPECT_EQ(text(f), "old") << f;
            }
        }
    }
}

TEST_F(DynamometerMethods, EntriesNameTheirCaptionAndConvertedBounds) {
    struct Entry {
        int page;
        bool checking;
        bool imperial;
        const char* empty;
        const char* message;
    };
    const Entry entries[] = {
        {Series_Page, false, false, "Series_Dyn_Mechanical_Advantage_Edit",
         "Error : The Mechanical Advantage should be a number between 1.00 and 100.00."},
        {Series_Page, false, true, "Series_Dyn_Mechanical_Advantage_Edit",
         "Error : The Mechanical Advantage should be a number between 1.00 and 100.00."},
        {Series_Page, true, false, "Series_Dyn_Actual_Tension_Edit",
         "Error : The Actual Tension should be a number between 0.00 and 100.00."},
        // 100 kN = 100000 / 4.4482216 = 22480.894 lbf.
        {Series_Page, true, true, "Series_Dyn_Actual_Tension_Edit",
         "Error : The Actual Tension should be a number between 0.00 and 22,480.89."},
        {Shunt_Page, false, false, "Shunt_Dyn_Fulcrum_Seperation_Edit",
         "Error : The Fulcrum Seperation should be a number between 100.00 and 5,000.00."},
        // 100 mm * 0.039372 = 3.9372 in, 5000 mm = 196.86 in.
        {Shunt_Page, false, true, "Shunt_Dyn_Fulcrum_Seperation_Edit",
         "Error : The Fulcrum Seperation should be a number between 3.94 and 196.86."},
        {Shunt_Page, false, false, "Shunt_Dyn_Deflection_Edit",
         "Error : The Deflection should be a number between 1.00 and 1,000.00."},
        // 1 mm = 0.039372 in, 1000 mm = 39.372 in.
        {Shunt_Page, false, true, "Shunt_Dyn_Deflection_Edit",
         "Error : The Deflection should be a number between 0.04 and 39.37."},
        {Shunt_Page, true, false, "Shunt_Dyn_Actual_Force_Edit",
         "Error : The Actual Force should be a number between 1.00 and 5,000.00."},
        // 1 N = 0.2248089 lbf, 5000 N = 1124.0447 lbf.
        {Shunt_Page, true, true, "Shunt_Dyn_Actual_Force_Edit",
         "Error : The Actual Force should be a number between 0.22 and 1,124.04."},
    };
    given_cable();
    for (const Entry& e : entries) {
        SCOPED_TRACE(std::string(e.empty) + (e.imperial ? " imperial" : ""));
        port.clear_transcript();
        const size_t before = messages().size();
        setup.form().set_item_index("Units_of_Measure_RadioGroup", e.imperial ? 1 : 0);
        form().user_select("Sag_New_or_Existing_RadioGroup", e.checking ? 1 : 0);
        given_required_sag("5", e.imperial ? "984.3" : "300");
        given_method_page(e.page);
        given_inputs({{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "5"},
                      {"Shunt_Dyn_Fulcrum_Seperation_Edit", e.imperial ? "39.372" : "1000"},
                      {"Shunt_Dyn_Deflection_Edit", e.imperial ? "1.9686" : "50"},
                      {"Shunt_Dyn_Actual_Force_Edit", e.imperial ? "900" : "4000"}});
        type(e.empty, "");
        calculate();
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        EXPECT_EQ(messages_since(before), std::vector<std::string>{e.message});
    }
}

struct FaultCase {
    const char* name;
    int page;
    bool checking;
    bool quiet;
    const char* record;  // the code-name record of "Wolf"
    std::vector<std::pair<const char*, const char*>> inputs;
    int yes_answers;
};

TEST_F(DynamometerMethods, ImpossibleReadingsAreACalculationErrorThatWritesNothing) {
    const char* wolf = "Wolf\t\t\t1000\t\t";
    const FaultCase cases[] = {
        // 0 is below the range: a quiet read gives 0.
        {"series advantage 0, quiet", Series_Page, false, true, wolf, {{"Series_Dyn_Mechanical_Advantage_Edit", "0"}}, 0},
        {"series advantage 0 accepted", Series_Page, true, false, wolf,
         {{"Series_Dyn_Mechanical_Advantage_Edit", "0"}, {"Series_Dyn_Actual_Tension_Edit", "5"}}, 1},
        {"series reading 0", Series_Page, true, false, wolf,
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "0"}}, 0},
        {"series reading 0, quiet", Series_Page, true, true, wolf,
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}, {"Series_Dyn_Actual_Tension_Edit", "0"}}, 0},
        // A negative tackle gives a negative reading, or a negative sag.
        {"series advantage -4, sagging", Series_Page, false, false, wolf,
         {{"Series_Dyn_Mechanical_Advantage_Edit", "-4"}}, 1},
        {"series advantage -4, checking", Series_Page, true, false, wolf,
         {{"Series_Dyn_Mechanical_Advantage_Edit", "-4"}, {"Series_Dyn_Actual_Tension_Edit", "5"}}, 1},
        {"series mass not a number", Series_Page, false, false, "Wolf\t\t\theavy\t\t",
         {{"Series_Dyn_Mechanical_Advantage_Edit", "4"}}, 0},
        {"shunt deflection 0, quiet", Shunt_Page, false, true, wolf,
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "0"}}, 0},
        // F = 0 gives T = sqrt(q) * 0 / 2000 = 0.
        {"shunt force 0, quiet", Shunt_Page, true, true, wolf,
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
          {"Shunt_Dyn_Actual_Force_Edit", "0"}}, 0},
        {"shunt force 0 accepted", Shunt_Page, true, false, wolf,
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
          {"Shunt_Dyn_Actual_Force_Edit", "0"}}, 1},
        {"shunt negative force", Shunt_Page, true, false, wolf,
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
          {"Shunt_Dyn_Actual_Force_Edit", "-100"}}, 1},
        // A negative mass gives a negative tension.
        {"shunt negative mass", Shunt_Page, false, false, "Wolf\t\t\t-1000\t\t",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"}}, 0},
        {"shunt mass not a number", Shunt_Page, true, false, "Wolf\t\t\t\t\t",
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "50"},
          {"Shunt_Dyn_Actual_Force_Edit", "4000"}}, 0},
        // 1e-300 mm accepted: (1000 / 2e-300)^2 overflows.
        {"shunt deflection vanishing", Shunt_Page, false, false, wolf,
         {{"Shunt_Dyn_Fulcrum_Seperation_Edit", "1000"}, {"Shunt_Dyn_Deflection_Edit", "1e-300"}}, 1},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        const size_t before = messages().size();
        given_cable(c.record);
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_required_sag("5");
        given_method_page(c.page);
        given_inputs(c.inputs);
        for (const char* f : All_Outputs) form().set_text(f, "old");
        form().set_checked("Data_Calc_Successful_CheckBox", true);
        for (int i = 0; i < c.yes_answers; ++i) port.queue_answer(Answer::Yes);
        if (c.quiet) given_quiet();
        calculate();
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        EXPECT_FALSE(flag("Data_Calc_Successful_CheckBox"));
        ASSERT_FALSE(messages_since(before).empty());
        EXPECT_EQ(messages().back(), Calculation_Error_Message);
        EXPECT_EQ(port.transcript().back().rfind("MESSAGE error OK ", 0), 0u);
        if (c.quiet) {
            EXPECT_EQ(messages_since(before).size(), 1u);
        }
        for (const char* f : All_Outputs) EXPECT_EQ(text(f), "old") << f;
    }
}

TEST_F(DynamometerMethods, ReadingForTheRequiredSagChecksBackToIt) {
    // D = 9.5 (m or ft) from the schedule; the reading shown is typed back.
    // Metric: series T = 882900 / 76000 = 11.6171 kN, shown 11.62, back 9.4976 m;
    // shunt F = 2 * 11617.1 / 10.0498756 = 2311.89 N, back 9.5000 m.
    struct RoundTrip {
        int page;
        const char* required;
        const char* measured;
    };
    const RoundTrip trips[] = {
        {Series_Page, "Series_Dyn_Required_Tension_Edit", "Series_Dyn_Actual_Tension_Edit"},
        {Shunt_Page, "Shunt_Dyn_Required_Force_Edit", "Shunt_Dyn_Actual_Force_Edit"},
    };
    given_cable();
    for (bool imperial : {false, true}) {
        for (const RoundTrip& t : trips) {
            SCOPED_TRACE(std::string(t.required) + (imperial ? " imperial" : ""));
            setup.form().set_item_index("Units_of_Measure_RadioGroup", imperial ? 1 : 0);
            form().user_select("Sag_New_or_Existing_RadioGroup", 0);
            given_header();
            given_schedule();
            given_method_page(t.page);
            given_inputs({{"Series_Dyn_Mechanical_Advantage_Edit", "1"},
                          {"Shunt_Dyn_Fulcrum_Seperation_Edit", imperial ? "39.372" : "1000"},
                          {"Shunt_Dyn_Deflection_Edit", imperial ? "1.9686" : "50"}});
            expect_round_trip(t.required, t.measured, 9.5, 0.01 + 1e-9);
            EXPECT_TRUE(messages().empty());
        }
    }
}

}  // namespace
}  // namespace vortan
