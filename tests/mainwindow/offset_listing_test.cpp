// The offset method lists its working after every successful run; with
// "Offset listing only after Calc" set, not for a stored cable sag shown on
// the way through the line.
#include "project/record_fields.h"
#include "support/demo_project.h"
#include "support/main_window_fixture.h"

#include <algorithm>
#include <filesystem>

namespace vortan {
namespace {

constexpr int Offset_Page = 5;
constexpr int Span_Number_Field = 1, Method_Field = 19;

class OffsetListing : public testing::MainWindowTest {
protected:
    OffsetListing() { port.set_default_answer(Answer::Yes); }
    long listings() const {
        const auto& shown = port.transcript();
        return std::count(shown.begin(), shown.end(), std::string("REPORT BEGIN"));
    }
};

TEST_F(OffsetListing, OnlyAfterCalcLeavesTheWayThroughTheLineQuiet) {
    const auto folder = std::filesystem::temp_directory_path() / "vortan-offset-listing";
    ASSERT_TRUE(window.open_project(testing::fresh_copy_of_demo(folder).string()));
    const std::vector<std::string>& cable_sags = form().items("Cable_Bundle_Record_Listbox");
    const auto offset = std::find_if(cable_sags.begin(), cable_sags.end(), [](const std::string& record) {
        return record_field(record, Method_Field) == std::to_string(Offset_Page);
    });
    ASSERT_NE(offset, cable_sags.end());
    const int span = std::stoi(record_field(*offset, Span_Number_Field));
    const int index = static_cast<int>(offset - cable_sags.begin());
    struct Case {
        bool only_after_calc;
        bool calculate;  // Calc pressed after the cable sag is shown
        long listed;
    };
    for (const Case c : {Case{false, false, 1}, Case{true, false, 0}, Case{true, true, 1}}) {
        setup.form().set_checked("Offset_Listing_Only_After_Calc_CheckBox", c.only_after_calc);
        window.show_from_overview(1, -1);
        port.clear_transcript();
        window.show_from_overview(span, index);
        ASSERT_EQ(form().active_page("Calc_Method_PageControl"), Offset_Page);
        if (c.calculate) calculate();
        EXPECT_EQ(listings(), c.listed) << c.only_after_calc << c.calculate;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vortan
