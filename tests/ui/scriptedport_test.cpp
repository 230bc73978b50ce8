#include "ui/scriptedport.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

TEST(ScriptedPort, RecordsMessagesWithEscapedLineBreaks) {
    ScriptedPort port;
    port.message(MessageKind::Error, Buttons::OK, "a\n\rb\tc\\d");
    ASSERT_EQ(port.transcript().size(), 1u);
    EXPECT_EQ(port.transcript()[0], "MESSAGE error OK a\\n\\rb\\tc\\\\d");
}

TEST(ScriptedPort, AnswersInQueueOrderAndOkBoxesAnswerThemselves) {
    ScriptedPort port;
    port.queue_answer(Answer::No);
    port.queue_answer(Answer::YesToAll);
    EXPECT_EQ(port.message(MessageKind::Warning, Buttons::YesNo, "q1"), Answer::No);
    EXPECT_EQ(port.message(MessageKind::Warning, Buttons::YesCancelYesToAll, "q2"), Answer::YesToAll);
    EXPECT_EQ(port.message(MessageKind::Error, Buttons::OK, "e"), Answer::OK);
    EXPECT_TRUE(port.all_answers_used());
}

TEST(ScriptedPort, AQuestionWithoutAnswerStopsTheScript) {
    ScriptedPort port;
    EXPECT_THROW(port.message(MessageKind::Warning, Buttons::YesNo, "q"), UnansweredQuestion);
    EXPECT_THROW(port.input_box("Caption", "prompt", ""), UnansweredQuestion);
    EXPECT_THROW(port.select_item("Pick", {"a"}, false), UnansweredQuestion);
}

TEST(ScriptedPort, ReportLinesAreWrittenBetweenMarkers) {
    ScriptedPort port;
    std::vector<std::string> seen;
    port.sink = [&seen](const std::string& line) { seen.push_back(line); };
    port.show_report({"Title", "", "\f"});
    EXPECT_EQ(seen, (std::vector<std::string>{"REPORT BEGIN", "Title", "", "\f", "REPORT END"}));
}

}  // namespace
}  // namespace vortan
