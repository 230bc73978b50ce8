// The check record window as the Qt port opens it: beside the main window
// (not modal), with every button on a small screen, and closed by Escape.
#include "gui/check_record_window.h"
#include "gui/qt_user_port.h"

#include <QApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace vortan::gui;

namespace {

CheckRecordWindow* shown_check_record() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<CheckRecordWindow*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

TEST(CheckRecordWindow, OpensBesideTheMainWindowWithItsButtonsOnScreenAndEscapeClosesIt) {
    QtUserPort port;
    port.show_check_record({"Vortan Check Record", "", " T1  T2", "\f"}, "Vortan Check Record\r\n");
    CheckRecordWindow* window = shown_check_record();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->findChild<QPlainTextEdit*>(QStringLiteral("Check_Record_Text"))->toPlainText(),
              "Vortan Check Record\n\n T1  T2\n");
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
    // On a netbook's 1024 x 600 screen, every button is on it.
    const QRect small_screen(0, 0, 1024, 600);
    window->fit_into(small_screen);
    window->layout()->activate();
    EXPECT_TRUE(small_screen.contains(window->frameGeometry())) << window->frameGeometry().width() << "x"
                                                               << window->frameGeometry().height();
    const std::pair<const char*, const char*> buttons[] = {{"Check_Record_Print_BitBtn", "Print..."},
                                                           {"Check_Record_Export_PDF_BitBtn", "Export PDF..."},
                                                           {"Check_Record_Export_CSV_BitBtn", "Export CSV..."},
                                                           {"Check_Record_Close_BitBtn", "Close"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        EXPECT_TRUE(button->isVisible()) << name;
        const QRect on_screen(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(small_screen.contains(on_screen)) << name;
    }
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    delete window;
}

}  // namespace
