// The program's own help opens the page of a topic, or the contents for a
// topic without a page, from the help shipped in the source tree.
#include "gui/help_window.h"

#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vortan::gui;

namespace {

TEST(HelpWindow, TopicsOpenTheirPageOrTheContents) {
    const QString folder = find_help_folder({QStringLiteral("/no/such/folder"), QStringLiteral(VORTAN_HELP_DIR)});
    ASSERT_EQ(folder, QStringLiteral(VORTAN_HELP_DIR));
    HelpWindow window;
    struct Case {
        int topic;
        const char* page;
    };
    for (const Case& c : {Case{23, "topic-23.html"}, Case{0, "index.html"}, Case{9999, "index.html"}}) {
        ASSERT_TRUE(window.show_topic(folder, c.topic)) << c.topic;
        EXPECT_EQ(window.browser()->source().fileName(), QString::fromLatin1(c.page)) << c.topic;
        EXPECT_FALSE(window.browser()->toPlainText().isEmpty());
    }
    EXPECT_FALSE(window.show_topic(QStringLiteral("/no/such/folder"), 23));
}

}  // namespace
