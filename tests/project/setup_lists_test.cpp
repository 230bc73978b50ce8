#include "project/setup_lists.h"

#include "project/record_fields.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

class SetupListsTest : public ::testing::Test {
protected:
    SetupListsTest() : lists(setup.form(), port) {}

    Form& form() { return setup.form(); }
    const std::vector<std::string>& items(const char* list) { return form().items(list); }
    std::string last_message() { return port.messages().empty() ? "" : port.messages().back(); }
    // Types A and B, positions P1 and P2, code names Wolf and Lynx.
    void given_lists() {
        lists.add_name(NameList::StructureTypes, "A");
        lists.add_name(NameList::StructureTypes, "B");
        lists.add_name(NameList::CablePositions, "P1");
        lists.add_name(NameList::CablePositions, "P2");
        CodeNameEntry wolf{"Wolf", "ACSR", "30/7", "726", "18.1"}, lynx{"Lynx", "", "", "842", ""};
        lists.commit_code_name(1, wolf, false, NumberFormat{});
        lists.commit_code_name(2, lynx, false, NumberFormat{});
    }

    ScriptedPort port;
    SetupEditor setup;
    SetupLists lists;
};

TEST_F(SetupListsTest, NameRulesOfStructureTypesAndPositions) {
    struct Case {
        const char* name;
        NameList list;
        const char* typed;
        bool accepted;
        const char* message;
    };
    const Case cases[] = {
        {"first type", NameList::StructureTypes, "Tower a", true, ""},
        {"other case is another name", NameList::StructureTypes, "Tower A", true, ""},
        {"same name", NameList::StructureTypes, "Tower A", false,
         "Error:  An Structure Type called \"Tower A\" is already in the list !"},
        {"empty type", NameList::StructureTypes, "", false, "Error:  You cannot add a null Structure Type !"},
        {"empty position", NameList::CablePositions, "", false, "Error:  You cannot add a null Cable Position !"},
        {"a tab becomes a blank", NameList::CablePositions, "Top\tLeft", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        auto before = port.messages().size();
        EXPECT_EQ(lists.add_name(c.list, c.typed), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(port.messages().size(), before);
        } else {
            EXPECT_EQ(last_message(), c.message);
        }
    }
    EXPECT_EQ(items(setup_list::Structure_Types), (std::vector<std::string>{"Tower a", "Tower A"}));
    EXPECT_EQ(items(setup_list::Cable_Positions), (std::vector<std::string>{"Top Left"}));
    EXPECT_EQ(lists.find(NameList::StructureTypes, "Tower A"), 1);
    EXPECT_EQ(lists.find(NameList::StructureTypes, "TOWER A"), -1);
}

TEST_F(SetupListsTest, RenameRules) {
    EXPECT_FALSE(lists.rename(NameList::StructureTypes, 0, "X"));
    EXPECT_EQ(last_message(), "Error: There is nothing in the Structure Type list to rename !");
    given_lists();
    EXPECT_FALSE(lists.rename(NameList::StructureTypes, -1, "X"));
    EXPECT_EQ(last_message(), "Error:  No Item Selected !   Please select an Item  in the Structure Type list and then "
                              "press the \"Rename\" button.");
    EXPECT_FALSE(lists.rename(NameList::StructureTypes, 0, ""));
    EXPECT_EQ(last_message(), "Error:  You cannot add a null item !");
    EXPECT_FALSE(lists.rename(NameList::StructureTypes, 0, "B"));
    EXPECT_EQ(last_message(), "Error:  An item called \"B\" is already in the list !");
    EXPECT_TRUE(lists.rename(NameList::StructureTypes, 0, "C"));
    EXPECT_EQ(items(setup_list::Structure_Types), (std::vector<std::string>{"C", "B"}));
}

TEST_F(SetupListsTest, RenamingChangesTheGridButNotTheStoredCombination) {
    given_lists();
    ASSERT_TRUE(lists.add_combination(0, 0, 0));
    lists.rename(NameList::StructureTypes, 0, "Structure 9");
    EXPECT_EQ(items(setup_list::Combinations), (std::vector<std::string>{"0\t0\t0\t"}));
    EXPECT_EQ(items(setup_list::Combination_Grid)[0], "Structure 9\tP1\tWolf\t");
}

TEST_F(SetupListsTest, InspectorRecordsKeepSevenFields) {
    EXPECT_FALSE(lists.commit_inspector(1, {"", "Ann"}));
    EXPECT_EQ(last_message(), "Error : Inspector Surname cannot be null !");
    ASSERT_TRUE(lists.commit_inspector(1, {"Smith", "Ann", "Lines Ltd", "01", "02", "", "a@b"}));
    EXPECT_EQ(items(setup_list::Inspectors)[0], "Smith\tAnn\tLines Ltd\t01\t02\t\ta@b\t");
    ASSERT_TRUE(lists.commit_inspector(2, {"Jones"}));
    ASSERT_TRUE(lists.commit_inspector(1, {"Smyth"}));
    EXPECT_EQ(items(setup_list::Inspectors), (std::vector<std::string>{"Smyth\t\t\t\t\t\t\t", "Jones\t\t\t\t\t\t\t"}));
}

TEST_F(SetupListsTest, CodeNameRules) {
    given_lists();
    CodeNameEntry lynx{"lynx", "", "", "800", ""};
    EXPECT_FALSE(lists.commit_code_name(1, lynx, false, NumberFormat{}));
    EXPECT_EQ(last_message(), "Error: A Cable Code Name with this name already exists !");
    CodeNameEntry renamed{"LYNX", "", "", "842", ""};
    EXPECT_TRUE(lists.commit_code_name(2, renamed, false, NumberFormat{}));  // its own record
    CodeNameEntry nameless{"", "", "", "1", ""};
    EXPECT_FALSE(lists.commit_code_name(3, nameless, false, NumberFormat{}));
    EXPECT_EQ(last_message(), "Error: Code Name cannot be null !");
    EXPECT_EQ(items(setup_list::Code_Names)[0], "Wolf\tACSR\t30/7\t726\t18.1\t");
    EXPECT_EQ(items(setup_list::Code_Name_Names), (std::vector<std::string>{"Wolf", "LYNX"}));
}

TEST_F(SetupListsTest, MissingMassAsksForTheDefault) {
    CodeNameEntry cable{"Bear", "", "", "", ""};
    port.queue_answer(Answer::Cancel);
    EXPECT_FALSE(lists.commit_code_name(1, cable, false, NumberFormat{}));
    EXPECT_TRUE(items(setup_list::Code_Names).empty());
    EXPECT_EQ(form().focused(), "Cable_Mass_Edit");
    port.queue_answer(Answer::Yes);
    EXPECT_TRUE(lists.commit_code_name(1, cable, false, NumberFormat{}));
    EXPECT_EQ(cable.mass, "100");
    EXPECT_EQ(items(setup_list::Code_Names)[0], "Bear\t\t\t100\t\t");
    EXPECT_NE(port.messages()[0].find("default value of 100 ? "), std::string::npos);
}

TEST_F(SetupListsTest, ImperialMassAndDiameterAreStoredInMetric) {
    CodeNameEntry cable{"Wolf", "", "", "3,547.80", "1"};
    ASSERT_TRUE(lists.commit_code_name(1, cable, /*imperial=*/true, NumberFormat{}));
    EXPECT_EQ(record_field(items(setup_list::Code_Names)[0], 4), "1000.00132450");
    EXPECT_EQ(record_field(items(setup_list::Code_Names)[0], 5), "25.39876054");
}

TEST(CodeNameDisplay, MassAndDiameterInTheUnitsInForce) {
    const std::string record = "Wolf\tACSR\t30/7\t1000\t25.4\t";
    CodeNameEntry metric = code_name_entry_of(record, false, NumberFormat{});
    EXPECT_EQ(metric.mass, "1000");
    EXPECT_EQ(metric.stranding, "30/7");
    CodeNameEntry imperial = code_name_entry_of(record, true, NumberFormat{});
    EXPECT_EQ(imperial.mass, "3,547.80");
    EXPECT_EQ(imperial.diameter, "1.00");
    CodeNameEntry german = code_name_entry_of(record, false, NumberFormat{".", ","});
    EXPECT_EQ(german.diameter, "25,4");  // every stored digit, the decimal separator in force
}

TEST_F(SetupListsTest, CombinationChecksInOrder) {
    struct Case {
        const char* name;
        int type, position, code;
        const char* message;
    };
    EXPECT_FALSE(lists.add_combination(0, 0, 0));
    EXPECT_EQ(last_message(), "Error: No Structure Types have been entered !");
    lists.add_name(NameList::StructureTypes, "A");
    EXPECT_FALSE(lists.add_combination(0, 0, 0));
    EXPECT_EQ(last_message(), "Error: No Cable Positions have been entered !");
    lists.add_name(NameList::CablePositions, "P1");
    EXPECT_FALSE(lists.add_combination(0, 0, 0));
    EXPECT_EQ(last_message(),
              "Error: No Cable Code Names have been entered.  Add Code Name details via the \"Cable Data\" tab !");
    given_lists();
    const Case cases[] = {
        {"no type", -1, 0, 0, "Error: No Structure Types have been selected !"},
        {"no position", 0, -1, 0, "Error: No Cable Positions have been selected !"},
        {"no code name", 0, 0, -1, "Error: No Cable Code Names have been selected !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(lists.add_combination(c.type, c.position, c.code));
        EXPECT_EQ(last_message(), c.message);
    }
    EXPECT_TRUE(lists.add_combination(0, 0, 0));
    EXPECT_FALSE(lists.add_combination(0, 0, 0));
    EXPECT_EQ(last_message(), "Error: This combination of items already exists !");
}

TEST_F(SetupListsTest, AtMostOneHundredCombinations) {
    for (int i = 0; i < 100; ++i) lists.add_name(NameList::StructureTypes, "T" + std::to_string(i));
    lists.add_name(NameList::CablePositions, "P");
    CodeNameEntry cable{"C", "", "", "1", ""};
    lists.commit_code_name(1, cable, false, NumberFormat{});
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(lists.add_combination(i, 0, 0)) << i;
    lists.add_name(NameList::CablePositions, "Q");
    EXPECT_FALSE(lists.add_combination(0, 1, 0));
    EXPECT_EQ(last_message(),
              "Error: The maximum number of combinations catered for by this program (100) has been reached !  "
              "Please contact the program author.");
}

TEST_F(SetupListsTest, GridSortsRowsAndKeepsEmptyRowsBelow) {
    given_lists();
    lists.add_combination(1, 0, 0);  // B P1 Wolf
    lists.add_combination(0, 1, 1);  // A P2 Lynx
    lists.add_combination(0, 0, 1);  // A P1 Lynx
    const auto& grid = items(setup_list::Combination_Grid);
    ASSERT_EQ(grid.size(), 100u);
    EXPECT_EQ(grid[0].substr(0, 2), "A\t");
    EXPECT_EQ(grid[2], "B\tP1\tWolf\t");
    EXPECT_EQ(grid[3], "");
    lists.sort_combinations(2);
    EXPECT_EQ(record_field(grid[0], 3), "Lynx");
    EXPECT_EQ(record_field(grid[2], 3), "Wolf");
    EXPECT_EQ(form().item_index("Last_Sorted_By_RadioGroup"), 2);
    lists.sort_combinations(1, "D");
    EXPECT_EQ(record_field(grid[0], 2), "P2");
    EXPECT_EQ(grid[3], "");
    lists.sort_combinations(3);
    EXPECT_EQ(last_message(), "Error: The Sort Column (3) must be >= Fixed Cols (0) and <= ColCount (3) !");
    EXPECT_EQ(items(setup_list::Combinations)[0], "1\t0\t0\t");  // the stored lines never move
}

TEST_F(SetupListsTest, CombinationNamingNoLineIsLeftOutOfTheGrid) {
    given_lists();
    form().set_items(setup_list::Combinations, {"0\t0\t0\t", "7\t0\t0\t", "x\t0\t0\t"});
    lists.refresh_combinations();
    EXPECT_EQ(items(setup_list::Combination_Grid)[0], "A\tP1\tWolf\t");
    EXPECT_EQ(items(setup_list::Combination_Grid)[1], "");
}

TEST_F(SetupListsTest, BasicSettingsOnlyForAnEmptySetup) {
    ASSERT_TRUE(lists.add_basic_settings_data(false, NumberFormat{}));
    EXPECT_EQ(items(setup_list::Code_Names), (std::vector<std::string>{"Cable 1\t\t\t1\t\t"}));
    EXPECT_EQ(items(setup_list::Structure_Types), (std::vector<std::string>{"Structure 1"}));
    EXPECT_EQ(items(setup_list::Cable_Positions), (std::vector<std::string>{"Position 1"}));
    EXPECT_EQ(items(setup_list::Combinations), (std::vector<std::string>{"0\t0\t0\t"}));
    EXPECT_FALSE(lists.add_basic_settings_data(false, NumberFormat{}));
}

TEST_F(SetupListsTest, CountLabels) {
    given_lists();
    lists.add_combination(0, 0, 0);
    lists.update_count_labels(1, 2);
    EXPECT_EQ(form().control("Structure_Type_Count_Label").caption, "(2 stuctures)");
    EXPECT_EQ(form().control("Cable_Positions_Count_Label").caption, "(2 cable positions)");
    EXPECT_EQ(form().control("Cable_Code_Names_Count_Label").caption, "(2 cable code names)");
    EXPECT_EQ(form().control("Valid_Combinations_Count_Label").caption, "(1 combinations)");
    EXPECT_EQ(form().control("Inspector_Data_Count_Label").caption, "No Inspectors Entered Yet.");
    EXPECT_EQ(form().control("Cable_Data_Count_Label").caption, "Cable : 2 of 2.");
}

TEST(FieldExtraction, TheRuleForShortLines) {
    EXPECT_EQ(record_field("abc", 1), "abc");
    EXPECT_EQ(record_field("abc", 2), "abc");
    EXPECT_EQ(record_field("abc", 3), "");
    EXPECT_EQ(record_field("a\tb\tc\t", 2), "b");
    EXPECT_EQ(record_field("a\tb\tc\t", 4), "");
    EXPECT_EQ(record_field("a\tb\t", 0), "");
    EXPECT_EQ(extract_field(2, "", "a\tb"), "");
}

}  // namespace
}  // namespace vortan
