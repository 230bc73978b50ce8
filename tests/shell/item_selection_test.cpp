#include "shell/item_selection.h"

#include "ui/scriptedport.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

TEST(ItemSelectionDialog, SortedListReturnsTheIndexAsShown) {
    ScriptedPort port;
    ItemSelectionDialog dialog(port);
    dialog.show("Select a Near or Left Structure :", {"tower 9", "Tower 10", "Apple"}, /*sorted=*/true);
    EXPECT_EQ(dialog.form().items("Item_ListBox"), (std::vector<std::string>{"Apple", "Tower 10", "tower 9"}));
    EXPECT_EQ(dialog.form().control("Sorted_Label").caption, "(The list is sorted alphabetically)");
    dialog.form().user_select("Item_ListBox", 1);
    EXPECT_TRUE(dialog.OK_ButtonClick());
    EXPECT_EQ(dialog.result(), 1);
}

TEST(ItemSelectionDialog, OkWithoutASelectionStaysOpen) {
    ScriptedPort port;
    ItemSelectionDialog dialog(port);
    dialog.show("Pick", {"b", "a"}, /*sorted=*/false);
    EXPECT_EQ(dialog.form().control("Sorted_Label").caption, "(The list is not sorted)");
    EXPECT_FALSE(dialog.OK_ButtonClick());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(port.messages(), std::vector<std::string>{"You need to select an item in the list !"});
    dialog.form().user_select("Item_ListBox", 0);
    dialog.Cancel_ButtonClick();
    EXPECT_EQ(dialog.result(), -1);
    EXPECT_TRUE(dialog.closed());
}

}  // namespace
}  // namespace vortan
