// The program's own help opens the page of a topic, or the contents for a
// topic without a page, from the help shipped in the source tree.
#include "gui/help_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
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

// Every topic a help command can open has a page of its own, and every link
// of every page leads to a page that is there.
TEST(HelpWindow, EveryTopicHasItsPageAndEveryLinkResolves) {
    const QDir folder(QStringLiteral(VORTAN_HELP_DIR));
    std::vector<int> topics = {20, 21, 22, 23, 24, 25, 26, 27, 300, 301, 302};
    for (int method = 0; method < 12; ++method) topics.push_back(100 + method);
    for (int page = 0; page < 6; ++page) topics.push_back(200 + page);
    for (int topic : topics)
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("topic-%1.html").arg(topic)))) << topic;

    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
    for (const QFileInfo& page : folder.entryInfoList({QStringLiteral("*.html")})) {
        QFile file(page.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            if (target.startsWith(QStringLiteral("http"))) continue;
            EXPECT_TRUE(QFileInfo::exists(folder.filePath(target))) << page.fileName().toStdString() << " -> "
                                                                    << target.toStdString();
        }
    }
}

TEST(HelpWindow, BackAndContentsMoveThroughThePages) {
    HelpWindow window;
    ASSERT_TRUE(window.show_topic(QStringLiteral(VORTAN_HELP_DIR), 108));
    auto* back = window.findChild<QPushButton*>(QStringLiteral("Help_Back_Button"));
    EXPECT_FALSE(back->isEnabled());
    window.findChild<QPushButton*>(QStringLiteral("Help_Contents_Button"))->click();
    EXPECT_EQ(window.browser()->source().fileName(), QStringLiteral("index.html"));
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window.browser()->source().fileName(), QStringLiteral("topic-108.html"));
}

}  // namespace
