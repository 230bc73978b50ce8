// What a user types that the run used to take wrongly: a decimal comma read as
// a thousands separator, a declined range question that did not end the run,
// a creep allowance converted as a temperature instead of a difference.
#include "support/main_window_fixture.h"

#include <utility>
#include <vector>

namespace vortan {
namespace {

constexpr int Pendulum_Page = 8;

const char* const Creep_Question =
    "Warning : Use a value outside of the expected range ?\n\r\n\rThe Creep Allowance (Temperature Compensation) "
    "should be a number between -20.00 and 80.00.   \n\r\n\rAre you sure you want to use a number outside of this "
    "range ?";
const char* const Temperature_Question =
    "Warning : Use a value outside of the expected range ?\n\r\n\rThe Actual Cable Temperature should be a number "
    "between -20.00 and 80.00.   \n\r\n\rAre you sure you want to use a number outside of this range ?";

struct EntryCase {
    const char* name;  // what the user did
    bool imperial;
    bool checking;
    std::vector<std::pair<const char*, const char*>> typed;
    std::vector<Answer> answers;
    std::vector<std::string> messages;
    bool success;
    std::vector<std::pair<const char*, const char*>> shown;  // fields after the run
};

const EntryCase Entry_Cases[] = {
    {"types 7,7 seconds for the swings under a point-decimal locale", false, true,
     {{"Swing_Actual_Time_Edit", "7,7"}}, {},
     {"Error : The Actual Time should be a number between 1.00 and 300.00."}, false, {{"Actual_Sag_Edit", "old"}}},
    {"types 1,234.5 for a grouped number that is out of range and declines it", false, true,
     {{"Swing_Actual_Time_Edit", "1,234.5"}}, {Answer::No},
     {"Warning : Use a value outside of the expected range ?\n\r\n\rThe Actual Time should be a number between 1.00 "
      "and 300.00.   \n\r\n\rAre you sure you want to use a number outside of this range ?"},
     false, {{"Actual_Sag_Edit", "old"}}},
    {"declines a creep allowance of 90", false, false, {{"Temperature_Compensation_Edit", "90"}}, {Answer::No},
     {Creep_Question}, false, {{"Swing_Required_Time_Edit", "old"}, {"Compensated_Sag_Edit", "old"}}},
    {"declines an actual temperature of 95", false, false, {{"Actual_Cable_Temperature_Edit", "95"}}, {Answer::No},
     {Temperature_Question}, false, {{"Swing_Required_Time_Edit", "old"}, {"Compensated_Sag_Edit", "old"}}},
    {"accepts a creep allowance of 90 once", false, false,
     {{"Actual_Cable_Temperature_Edit", "-15"}, {"Temperature_Compensation_Edit", "90"}}, {Answer::Yes},
     {Creep_Question}, true, {{"Compensated_Temperature_Degrees_Edit", "75.0"}}},
    {"types a creep allowance of -18 F in imperial units", true, false,
     {{"Actual_Cable_Temperature_Edit", "59"}, {"Temperature_Compensation_Edit", "-18"},
      {"Upper_Temperature_Degrees_Edit", "50"}, {"Lower_Temperature_Degrees_Edit", "32"}},
     {}, {}, true, {{"Compensated_Temperature_Degrees_Edit", "41.0"}, {"Compensated_Sag_Edit", "9.50"}}},
};

class EntryFaults : public testing::MainWindowTest {};

TEST_F(EntryFaults, TypedEntriesAreReadAsTheUserMeantThem) {
    for (const EntryCase& c : Entry_Cases) {
        SCOPED_TRACE(c.name);
        setup.form().set_item_index("Units_of_Measure_RadioGroup", c.imperial ? 1 : 0);
        given_header();
        given_schedule();
        form().user_select("Sag_New_or_Existing_RadioGroup", c.checking ? 1 : 0);
        given_method_page(Pendulum_Page);
        type("Swing_Number_of_Swings_Edit", "5");
        type("Swing_Actual_Time_Edit", "12.7");
        for (const auto& [field, text] : c.typed) type(field, text);
        for (const auto& [field, text] : c.shown) form().set_text(field, "old");
        form().set_text("Actual_Sag_Edit", "old");
        for (Answer answer : c.answers) port.queue_answer(answer);
        const size_t before = messages().size();
        calculate();
        EXPECT_EQ(messages_since(before), c.messages);
        EXPECT_EQ(flag("Data_Calc_Successful_CheckBox"), c.success);
        for (const auto& [field, text] : c.shown) EXPECT_EQ(this->text(field), text) << field;
        EXPECT_TRUE(port.all_answers_used());
    }
}

}  // namespace
}  // namespace vortan
