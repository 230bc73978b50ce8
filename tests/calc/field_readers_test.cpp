#include "calc/field_readers.h"

#include "support/main_window_fixture.h"

namespace vortan {
namespace {

using testing::MainWindowTest;

const std::string Not_A_Number = "Error : The Span Length should be a number between 10.00 and 2,000.00.";
const std::string Out_Of_Range =
    "Warning : Use a value outside of the expected range ?\n\r\n\rThe Span Length should be a number "
    "between 10.00 and 2,000.00.   \n\r\n\rAre you sure you want to use a number outside of this range ?";

struct ReadCase {
    const char* name;
    const char* text;
    bool quiet;
    std::optional<Answer> answer;  // to the range question
    double expected;
    std::vector<std::string> shown;
};

class ReadNumberField : public MainWindowTest {};

TEST_F(ReadNumberField, MessagesAndResults) {
    const ReadCase cases[] = {
        {"inside", "250", false, {}, 250, {}},
        {"exactly the lower bound", "10", false, {}, 10, {}},
        {"exactly the upper bound", "2,000", false, {}, 2000, {}},
        {"empty", "", false, {}, Abort_Value, {Not_A_Number}},
        {"blanks only", "   ", false, {}, Abort_Value, {Not_A_Number}},
        {"typed abort value", "-9999999", false, {}, Abort_Value, {Not_A_Number}},
        {"not a number", "12x", false, {}, Abort_Value, {Not_A_Number}},
        {"too large, accepted", "5000", false, Answer::Yes, 5000, {Out_Of_Range}},
        {"too small, declined", "5", false, Answer::No, Abort_Value, {Out_Of_Range}},
        {"quiet and empty", "", true, {}, Abort_Value, {}},
        {"quiet and out of range reads 0", "5", true, {}, 0, {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.clear_transcript();
        form().set_checked("Calcualte_Without_Messages_CheckBox", c.quiet);
        form().set_active_page("Transmission_Line_PageControl", 1);
        type("Span_Length_Edit", c.text);
        if (c.answer) port.queue_answer(*c.answer);
        auto before = port.messages().size();
        CalcContext ctx = context();
        EXPECT_EQ(Read_Number_Field(ctx, "Span_Length_Edit", "Span Length", Sag_Span_Page, 10, 2000), c.expected);
        EXPECT_EQ(messages_since(before), c.shown);
        if (!c.shown.empty()) {
            EXPECT_EQ(form().active_page("Transmission_Line_PageControl"), Sag_Span_Page);
            EXPECT_EQ(form().focused(), "Span_Length_Edit");
        }
    }
}

class ReadRequiredText : public MainWindowTest {};

TEST_F(ReadRequiredText, BlanksAreNotEmpty) {
    type("Sag_Date_Edit", "  ");
    CalcContext ctx = context();
    EXPECT_EQ(Read_Required_Text(ctx, "Sag_Date_Edit", "SAG Date", Cable_Sag_Page), "  ");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReadRequiredText, EmptyShowsTheNullMessageUnlessQuiet) {
    type("Sag_Date_Edit", "");
    CalcContext ctx = context();
    EXPECT_EQ(Read_Required_Text(ctx, "Sag_Date_Edit", "SAG Date", Cable_Sag_Page), "");
    given_quiet();
    EXPECT_EQ(Read_Required_Text(ctx, "Sag_Date_Edit", "SAG Date", Cable_Sag_Page), "");
    EXPECT_EQ(messages(), std::vector<std::string>{"Error : The SAG Date cannot be null."});
}

struct HeaderCase {
    const char* name;
    const char* near_name;
    const char* far_name;
    const char* span;
    bool allow_blank;
    const char* expected;
    std::vector<std::string> shown;
};

class CheckSagSpanEntry : public MainWindowTest {};

TEST_F(CheckSagSpanEntry, Results) {
    const std::string same = "Error : The near / left structure cannot have the same name as the far / right structure !";
    const HeaderCase cases[] = {
        {"valid", "T1", "T2", "250", false, "T", {}},
        {"same name ignoring case", "P12", "p12", "250", false, "F", {same}},
        {"all blank, allowed", "", "", "", true, "B", {}},
        {"all blank, not allowed", "", "", "", false, "B",
         {"Error : The near or left structure cannot be null."}},
        {"far missing", "T1", "", "250", false, "F", {"Error : The far or right structure cannot be null."}},
        {"span not a number", "T1", "T2", "x", false, "F", {Not_A_Number}},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto before = port.messages().size();
        given_header(c.near_name, c.far_name, c.span);
        CalcContext ctx = context();
        EXPECT_EQ(Check_Sag_Span_Entry(ctx, c.allow_blank), c.expected);
        EXPECT_EQ(messages_since(before), c.shown);
    }
}

TEST_F(CheckSagSpanEntry, SameNameIsShownEvenWhenQuietAndSwitchesToTheSpanPage) {
    given_quiet();
    given_header("P12", "p12");
    form().set_active_page("Transmission_Line_PageControl", 1);
    CalcContext ctx = context();
    EXPECT_EQ(Check_Sag_Span_Entry(ctx, false), "F");
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(form().active_page("Transmission_Line_PageControl"), Sag_Span_Page);
    EXPECT_EQ(form().focused(), "To_Tower_Edit");
}

TEST_F(CheckSagSpanEntry, ImperialKeepsTheFixedBounds) {
    given_imperial_units();
    given_header("T1", "T2", "3000");  // 3000 ft is a fine span, but above the fixed 2000
    port.queue_answer(Answer::Yes);
    CalcContext ctx = context();
    EXPECT_EQ(Check_Sag_Span_Entry(ctx, false), "T");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("between 10.00 and 2,000.00"), std::string::npos);
}

}  // namespace
}  // namespace vortan
