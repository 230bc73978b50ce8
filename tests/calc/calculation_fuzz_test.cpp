// Random entries in every input of every method page, in both sag modes, with
// messages on (every question answered Yes, so out-of-range values go through)
// and quiet: no run may crash or leave a value that is not finite in a field.
#include "mainwindow/method_page_fields.h"

#include "support/main_window_fixture.h"

#include <random>

namespace vortan {
namespace {

const char* const Entries[] = {
    "",       "0",       "-0",      "1",        "-1",     "5",       "12.5",   "90",      "89.5959", "100",
    "179.59", "270",     "359.5959", "360",     "361",    "-45",     "0.0001", "1e-300",  "1e300",   "1e308",
    "-1e308", "9999999", "-9999999", "12.6000", "2,000",  "1.2.3",   "abc",    "+",       "E5",      "20",
    "300",    "0.5",     "1000",    "15000",    "-20",    "80",      "504",    "3.14159", "45.3030", "135",
};

class CalculationFuzz : public testing::MainWindowTest {
protected:
    std::vector<std::string> inputs() {
        std::vector<std::string> fields = {"Span_Length_Edit", "Actual_Cable_Temperature_Edit",
                                           "Temperature_Compensation_Edit", "Hours_Since_Cable_Runout_Edit",
                                           "Upper_Temperature_Degrees_Edit", "Upper_Sag_Edit",
                                           "Lower_Temperature_Degrees_Edit", "Lower_Sag_Edit"};
        for (const std::string& f : method_input_fields()) fields.push_back(f);
        return fields;
    }
    void expect_every_field_finite(int round) {
        for (const Control* c : form().controls()) {
            if (c->kind != ControlKind::Edit) continue;
            for (const char* bad : {"nan", "inf", "?"}) {
                std::string lower = c->text;
                for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
                ASSERT_EQ(lower.find(bad), std::string::npos) << "round " << round << ": " << c->name << "=" << c->text;
            }
        }
    }
};

TEST_F(CalculationFuzz, NoEntryLeavesAValueThatIsNotFinite) {
    setup.form().set_items("Code_Name_ListBox", {"Wolf\t\t\t1000\t\t"});
    form().set_items("Cable_Code_Name_ComboBox", {"Wolf"});
    form().set_item_index("Cable_Code_Name_ComboBox", 0);
    port.set_default_answer(Answer::Yes);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<size_t> pick(0, std::size(Entries) - 1);
    const std::vector<std::string> fields = inputs();
    for (int round = 0; round < 1500; ++round) {
        given_header("T1", "T2", "300");
        for (const std::string& field : fields) type(field, Entries[pick(random)]);
        form().user_select("Sag_New_or_Existing_RadioGroup", round % 2);
        given_method_page(round % 12);
        if (round % 3 == 0) given_quiet();
        ASSERT_NO_THROW(calculate()) << "round " << round;
        form().set_checked("Calcualte_Without_Messages_CheckBox", false);
        expect_every_field_finite(round);
        if (HasFatalFailure()) return;
        port.clear_transcript();
    }
}

}  // namespace
}  // namespace vortan
