// The help commands keep their classic texts, and each opens its topic.
#include "shell/help_launcher.h"

#include <gtest/gtest.h>

namespace vortan {
namespace {

TEST(HelpLauncher, CommandTextsAndTheirTopics) {
    struct Case {
        std::string command;
        std::string text;
        int topic;
    };
    const Case cases[] = {
        {help_contents_command("/opt/vortan/"), "winhelp /opt/vortan/vortan.hlp", 0},
        {help_context_command(57, "/opt/vortan/"), "winhelp -n 57 /opt/vortan/vortan.hlp", 57},
        {help_topic_command(23, "/opt/vortan/"), "winhelp  -n 23 /opt/vortan/vortan.hlp", 23},
        {help_topic_command(108, "C:\\Program Files\\Vortan\\"), "winhelp  -n 108 C:\\Program Files\\Vortan\\vortan.hlp",
         108},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.command, c.text);
        EXPECT_EQ(help_topic_of(c.command), c.topic) << c.text;
    }
    EXPECT_EQ(help_topic_of("winhelp -n x vortan.hlp"), 0);
}

}  // namespace
}  // namespace vortan
