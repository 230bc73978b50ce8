// The report window: its named controls, the title formatting, and Copy to
// Clipboard putting the whole text on the clipboard.
#include "gui/report_window.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace vortan::gui;

namespace {

const std::vector<std::string> Two_Pages = {"Vortan Report.", "", " T1  T2", "\f",
                                            "Vortan Report.", " Vortan Report.", "\f"};

QPushButton* button(ReportWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

TEST(ReportWindow, HasItsNamedControlsAndCaptions) {
    ReportWindow window;
    EXPECT_EQ(window.objectName(), "TResults_Form");
    EXPECT_EQ(window.windowTitle(), "Vortan Report :");
    EXPECT_TRUE(window.isModal());
    QPlainTextEdit* results = window.findChild<QPlainTextEdit*>(QStringLiteral("Results"));
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isReadOnly());
    EXPECT_EQ(results->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(results->font()).fixedPitch());
    const std::pair<const char*, const char*> buttons[] = {
        {"OKBtn", "OK"}, {"Print_BitBtn", "Print"}, {"Copy_To_Clipboard_BitBtn", "Copy to Clipboard"}};
    for (const auto& [name, caption] : buttons) {
        ASSERT_NE(button(window, name), nullptr) << name;
        EXPECT_EQ(button(window, name)->text(), caption);
    }
}

TEST(ReportWindow, CopyToClipboardPutsTheWholeTextFormFeedsIncluded) {
    ReportWindow window;
    window.set_lines(Two_Pages);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(button(window, "Copy_To_Clipboard_BitBtn"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Vortan Report.\n\n T1  T2\n\f\nVortan Report.\n Vortan Report.\n\f");
    EXPECT_FALSE(window.results()->textCursor().hasSelection());
}

TEST(ReportWindow, OnlyTheFirstLineOfEachPageIsATitle) {
    ReportWindow window;
    window.set_lines(Two_Pages);
    QTextBlock block = window.results()->document()->begin();
    for (std::size_t i = 0; i < Two_Pages.size(); ++i, block = block.next()) {
        ASSERT_TRUE(block.isValid()) << "line " << i;
        const bool title = i == 0 || i == 4;
        EXPECT_EQ(block.text().toStdString(), Two_Pages[i]);
        EXPECT_EQ(block.blockFormat().alignment() == Qt::AlignHCenter, title) << "line " << i;
        EXPECT_EQ(block.begin().fragment().charFormat().fontUnderline(), title) << "line " << i;
    }
}

TEST(ReportWindow, PrintHandsTheLinesToThePortAndOkCloses) {
    ReportWindow window;
    std::vector<std::string> printed;
    window.on_print = [&](const std::vector<std::string>& lines) { printed = lines; };
    window.set_lines(Two_Pages);
    window.show();
    if (button(window, "Print_BitBtn")->isEnabled()) {
        QTest::mouseClick(button(window, "Print_BitBtn"), Qt::LeftButton);
        EXPECT_EQ(printed, Two_Pages);
    } else {
        EXPECT_FALSE(button(window, "Print_BitBtn")->toolTip().isEmpty());
    }
    QTest::mouseClick(button(window, "OKBtn"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
