#include "mainwindow/choice_fills.h"

#include "project/setup_lists.h"
#include "support/main_window_fixture.h"

namespace vortan {
namespace {

class ChoiceFills : public testing::MainWindowTest {
protected:
    void given_setup(std::vector<std::string> types, std::vector<std::string> positions,
                     std::vector<std::string> code_names, std::vector<std::string> combinations) {
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, std::move(types));
        s.set_items(setup_list::Cable_Positions, std::move(positions));
        s.set_items(setup_list::Code_Names, std::move(code_names));
        s.set_items(setup_list::Combinations, std::move(combinations));
    }
    std::vector<std::string> items(const char* combo) { return form().items(combo); }
    void fill() { fill_all_choices(form(), setup.form()); }
};

TEST_F(ChoiceFills, ChoicesFollowTheValidCombinations) {
    given_setup({"Tower", "Pole"}, {"Top", "Left", "Right"}, {"Wolf\t\t\t726\t\t", "Lynx\t\t\t842\t\t"},
                {"0\t0\t0\t", "0\t1\t0\t", "0\t1\t1\t", "1\t2\t1\t"});
    fill();
    EXPECT_EQ(items("Cable_Type_ComboBox"), (std::vector<std::string>{"Tower", "Pole"}));  // Tower once
    EXPECT_EQ(text("Cable_Type_ComboBox"), "Tower");
    EXPECT_EQ(items("Cable_Position_ComboBox"), (std::vector<std::string>{"Top", "Left"}));
    EXPECT_EQ(items("Cable_Code_Name_ComboBox"), (std::vector<std::string>{"Wolf"}));

    form().set_value("Cable_Position_ComboBox_Index_SpinEdit", 1);
    fill_cable_positions(form(), setup.form());
    fill_code_names(form(), setup.form());
    EXPECT_EQ(text("Cable_Position_ComboBox"), "Left");
    EXPECT_EQ(items("Cable_Code_Name_ComboBox"), (std::vector<std::string>{"Wolf", "Lynx"}));

    form().set_value("Cable_Type_ComboBox_Index_SpinEdit", 1);
    fill();
    EXPECT_EQ(items("Cable_Position_ComboBox"), (std::vector<std::string>{"Right"}));
    EXPECT_EQ(text("Cable_Position_ComboBox"), "Right");  // index 1 lies beyond: item 0
}

TEST_F(ChoiceFills, SpellingsThatDifferInCaseStayReachable) {
    given_setup({"Tower A", "tower a"}, {"Top", "Bottom"}, {"Wolf\t\t\t1\t\t"}, {"0\t0\t0\t", "1\t1\t0\t"});
    fill();
    EXPECT_EQ(items("Cable_Type_ComboBox"), (std::vector<std::string>{"Tower A"}));
    EXPECT_EQ(items("Cable_Position_ComboBox"), (std::vector<std::string>{"Top", "Bottom"}));
}

TEST_F(ChoiceFills, CombinationsNamingNoLineAndEmptyListsOfferNothing) {
    given_setup({"Tower"}, {"Top"}, {"Wolf\t\t\t1\t\t"}, {"0\t5\t0\t", "zero\t0\t0\t"});
    fill();
    EXPECT_TRUE(items("Cable_Type_ComboBox").empty());
    EXPECT_EQ(form().item_index("Cable_Position_ComboBox"), -1);
    EXPECT_EQ(text("Cable_Code_Name_ComboBox"), "");
}

TEST_F(ChoiceFills, InspectorAndProjectDetails) {
    setup.form().set_items(setup_list::Inspectors, {"Smith\tAnn\t\t\t\t\t\t", "Jones\tBob\t\t\t\t\t\t"});
    setup.form().set_text("Contract_Edit", "C-17");
    fill();
    EXPECT_EQ(text("Inspector_Surname_ComboBox"), "Smith");
    EXPECT_EQ(text("Inspector_Given_Name_Edit"), "Ann");
    EXPECT_EQ(text("Contract_Edit"), "C-17");
    form().user_select("Inspector_Surname_ComboBox", 1);
    EXPECT_EQ(text("Inspector_Given_Name_Edit"), "Bob");
    setup.form().set_items(setup_list::Inspectors, {"Smith\tAnn\t\t\t\t\t\t"});
    fill();  // the remembered second inspector is gone: the first is shown
    EXPECT_EQ(text("Inspector_Surname_ComboBox"), "Smith");
}

}  // namespace
}  // namespace vortan
