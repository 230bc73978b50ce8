#include "form/form.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

struct Heard {
    std::string name;
    Property property;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.add(ControlKind::Edit, "Span_Length_Edit").on_change = [this] { ++changes; };
        form.add(ControlKind::RadioGroup, "Sag_New_or_Existing_RadioGroup").items = {"Sag Cable", "Check Cable Sag"};
        form.control("Sag_New_or_Existing_RadioGroup").on_change = [this] { ++changes; };
        form.add(ControlKind::ComboBox, "Cable_Type_ComboBox").items = {"A", "B"};
        form.control("Cable_Type_ComboBox").on_change = [this] { ++changes; };
        form.add(ControlKind::PageControl, "Calc_Method_PageControl");
        form.add(ControlKind::Page, "First_TabSheet", "Calc_Method_PageControl");
        form.add(ControlKind::Page, "Second_TabSheet", "Calc_Method_PageControl");
        form.control("Calc_Method_PageControl").on_change = [this] { ++changes; };
        form.add(ControlKind::Button, "Calc_BitBtn").on_click = [this] { ++clicks; };
        form.add_listener([this](const Control& c, Property p) { heard.push_back({c.name, p}); });
    }

    Form form;
    int changes = 0;
    int clicks = 0;
    std::vector<Heard> heard;
};

TEST_F(FormTest, ChangeHandlerRunsOnlyWhenTheTextReallyChanges) {
    form.set_text("Span_Length_Edit", "250");
    form.set_text("Span_Length_Edit", "250");
    form.user_type("Span_Length_Edit", "250");
    EXPECT_EQ(changes, 1);
    form.set_text("Span_Length_Edit", "");
    EXPECT_EQ(changes, 2);
}

TEST_F(FormTest, ListenersHearEveryPropertyChange) {
    form.set_text("Span_Length_Edit", "1");
    form.set_visible("Span_Length_Edit", false);
    form.set_enabled("Calc_BitBtn", false);
    form.set_caption("Calc_BitBtn", "Calc");
    form.set_item_index("Cable_Type_ComboBox", 1);
    form.set_active_page("Calc_Method_PageControl", 1);
    form.set_focus("Span_Length_Edit");
    std::vector<Property> properties;
    for (const Heard& h : heard) properties.push_back(h.property);
    // A pick-only combo box's text follows its selection.
    EXPECT_EQ(properties, (std::vector<Property>{Property::Text, Property::Visible, Property::Enabled,
                                                 Property::Caption, Property::ItemIndex, Property::Text,
                                                 Property::ActivePage, Property::Focus}));
    EXPECT_EQ(form.text("Cable_Type_ComboBox"), "B");
    EXPECT_EQ(heard.back().name, "Span_Length_Edit");
}

TEST_F(FormTest, NoNotificationForAnUnchangedProperty) {
    form.set_visible("Span_Length_Edit", true);
    form.set_checked("Calc_BitBtn", false);
    EXPECT_TRUE(heard.empty());
}

TEST_F(FormTest, RadioGroupReportsProgramChangesButComboBoxOnlyUserChoices) {
    form.set_item_index("Sag_New_or_Existing_RadioGroup", 1);
    EXPECT_EQ(changes, 1);
    form.set_item_index("Cable_Type_ComboBox", 1);
    EXPECT_EQ(changes, 1);
    form.user_select("Cable_Type_ComboBox", 0);
    EXPECT_EQ(changes, 2);
}

TEST_F(FormTest, PageChangeCanBeRefused) {
    bool allow = false;
    form.control("Calc_Method_PageControl").on_changing = [&allow] { return allow; };
    form.user_select_page("Calc_Method_PageControl", 1);
    EXPECT_EQ(form.active_page("Calc_Method_PageControl"), -1);
    allow = true;
    form.user_select_page("Calc_Method_PageControl", 1);
    EXPECT_EQ(form.active_page("Calc_Method_PageControl"), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(FormTest, OutOfRangeSelectionsMeanNone) {
    form.set_item_index("Cable_Type_ComboBox", 5);
    EXPECT_EQ(form.item_index("Cable_Type_ComboBox"), -1);
    form.set_active_page("Calc_Method_PageControl", 7);
    EXPECT_EQ(form.active_page("Calc_Method_PageControl"), -1);
}

TEST_F(FormTest, DisabledButtonIgnoresClicks) {
    form.user_click("Calc_BitBtn");
    form.set_enabled("Calc_BitBtn", false);
    form.user_click("Calc_BitBtn");
    EXPECT_EQ(clicks, 1);
}

// A shown text stands for the stored text it was made from until the text changes.
TEST_F(FormTest, AShownTextKeepsItsSourceOnlyWhileUnchanged) {
    struct Row {
        const char* what_happened;
        std::function<void(Form&)> act;
        std::string source;
    };
    const Row rows[] = {
        {"the user typed the shown text again", [](Form& f) { f.user_type("Span_Length_Edit", "1,230.45"); },
         "375.1234"},
        {"the user typed another length", [](Form& f) { f.user_type("Span_Length_Edit", "1,230.5"); }, ""},
        {"the user emptied the field", [](Form& f) { f.user_type("Span_Length_Edit", ""); }, ""},
        {"another record showed the same text",
         [](Form& f) { f.set_shown("Span_Length_Edit", "1,230.45", "375.1235"); }, "375.1235"},
        {"another record showed another text", [](Form& f) { f.set_shown("Span_Length_Edit", "3.28", "1"); }, "1"},
    };
    for (const Row& row : rows) {
        form.set_shown("Span_Length_Edit", "1,230.45", "375.1234");
        row.act(form);
        EXPECT_EQ(form.source("Span_Length_Edit"), row.source) << row.what_happened;
    }
    // A change handler already reads the value the new text stands for.
    std::string read;
    form.control("Span_Length_Edit").on_change = [&] { read = form.source("Span_Length_Edit"); };
    form.set_shown("Span_Length_Edit", "820.25", "250");
    EXPECT_EQ(read, "250");
}

TEST(ShownCaption, MnemonicMarksAreHiddenWhereTheyMarkAKey) {
    const struct {
        ControlKind kind;
        const char* caption;
        bool plain;
        const char* shown;
    } cases[] = {
        {ControlKind::MenuItem, "&Open", false, "Open"},
        {ControlKind::MenuItem, "Rese&t", false, "Reset"},
        {ControlKind::Button, "Fish && Chips", false, "Fish & Chips"},
        {ControlKind::Button, "Trailing&", false, "Trailing"},
        {ControlKind::MenuItem, "-", false, ""},                         // a separator line
        {ControlKind::MenuItem, "/lines/R&&D/A&B.vtn", true, "/lines/R&&D/A&B.vtn"},  // a path
        {ControlKind::Label, "Span && Sag", false, "Span && Sag"},       // a label has no key
    };
    for (const auto& c : cases) {
        Control control;
        control.kind = c.kind;
        control.caption = c.caption;
        control.plain_caption = c.plain;
        EXPECT_EQ(shown_caption(control), c.shown) << c.caption;
    }
}

TEST_F(FormTest, UnknownNamesAreProgrammingErrors) {
    EXPECT_THROW(form.text("Nothing_Edit"), UnknownControl);
    EXPECT_THROW(form.add(ControlKind::Edit, "Span_Length_Edit"), std::logic_error);
    EXPECT_THROW(form.add(ControlKind::Edit, "Orphan_Edit", "No_Parent"), UnknownControl);
}

}  // namespace
}  // namespace vortan
