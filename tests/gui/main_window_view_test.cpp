// The main window on screen, driven as a user would, with a scripted port so no
// real box can appear.
#include "gui/main_window_view.h"

#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vortan;
using namespace vortan::gui;

namespace {

constexpr int Cable_Sag_Details = 1;
constexpr int Pendulum_Swing = 8;

class MainViewTest : public testing::Test {
protected:
    MainViewTest() {
        model.start();
        view = std::make_unique<MainWindowView>(model);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    template <class W>
    W* find(const char* name) const {
        W* widget = view->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLabel* caption_of(const char* name) const {
        for (QLabel* label : view->findChildren<QLabel*>())
            if (label->buddy() && label->buddy()->objectName() == QLatin1String(name)) return label;
        return nullptr;
    }
    void click_tab(const char* page_control, int index) {
        QTabBar* bar = find<QTabWidget>(page_control)->tabBar();
        ASSERT_TRUE(bar->rect().contains(bar->tabRect(index)))
            << "tab " << index << " is out of sight";
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Replaces the field's text from the keyboard, as a user would.
    void type(const char* name, const char* text) {
        auto* edit = find<QLineEdit>(name);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(text));
        EXPECT_EQ(model.form().text(name), text) << name;
    }
    // Shown once its page is: the pages of other tabs are hidden as a whole.
    bool shown(const char* name) const { return !find<QWidget>(name)->isHidden(); }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
};

TEST_F(MainViewTest, WidgetsAndOnScreenControlsMatchOneToOne) {
    for (const Control* control : model.form().controls()) {
        const auto named = view->findChildren<QObject*>(QString::fromStdString(control->name));
        EXPECT_EQ(named.size(), control->on_screen ? 1 : 0) << control->name;
    }
    QList<QObject*> bound;
    for (QWidget* widget : view->findChildren<QWidget*>()) bound << widget;
    for (QAction* action : view->findChildren<QAction*>()) bound << action;
    for (const QObject* object : bound) {
        const QString name = object->objectName();
        if (!name.contains(QLatin1Char('_')) || name.startsWith(QLatin1String("qt_"))) continue;
        const std::string component = name.toStdString();
        EXPECT_TRUE(model.form().has(component) && model.form().control(component).on_screen)
            << "a widget named " << component << " has no on-screen control";
    }
}

TEST_F(MainViewTest, StartShowsTheFirstPageWithTheCursorInTheFirstField) {
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    EXPECT_EQ(find<QTabWidget>("Transmission_Line_PageControl")->currentIndex(), 0);
    EXPECT_TRUE(find<QLineEdit>("From_Tower_Edit")->hasFocus());
    EXPECT_EQ(find<QLineEdit>("Actual_Cable_Temperature_Edit")->text(), "0");
    EXPECT_FALSE(find<QLineEdit>("Sag_Date_Edit")->text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("Compensated_Sag_Edit")->isReadOnly());
}

TEST_F(MainViewTest, APendulumSagCalculatedFromTheKeyboard) {
    type("From_Tower_Edit", "T1");
    type("To_Tower_Edit", "T2");
    type("Span_Length_Edit", "300");
    click_tab("Transmission_Line_PageControl", Cable_Sag_Details);
    EXPECT_EQ(model.form().active_page("Transmission_Line_PageControl"), Cable_Sag_Details);
    type("Actual_Cable_Temperature_Edit", "15");
    type("Temperature_Compensation_Edit", "0");
    type("Hours_Since_Cable_Runout_Edit", "0");
    type("Upper_Temperature_Degrees_Edit", "20");
    type("Upper_Sag_Edit", "10");
    type("Lower_Temperature_Degrees_Edit", "10");
    type("Lower_Sag_Edit", "9");
    click_tab("Calc_Method_PageControl", Pendulum_Swing);
    EXPECT_EQ(model.form().active_page("Calc_Method_PageControl"), Pendulum_Swing);
    type("Swing_Number_of_Swings_Edit", "5");

    QTest::mouseClick(find<QPushButton>("Calculate_Sag_BitBtn"), Qt::LeftButton);

    EXPECT_TRUE(port.messages().empty()) << port.messages().front();
    // 9.5 m between 9 and 10 m at 15 degrees; T = 5 x 4 pi sqrt(9.5 / 2g) = 27.65 s
    EXPECT_EQ(find<QLineEdit>("Compensated_Sag_Edit")->text(), "9.50");
    EXPECT_EQ(find<QLineEdit>("Swing_Required_Time_Edit")->text(), "27.7");
}

TEST_F(MainViewTest, CheckingModeShowsActualFieldsAndLocksTheSchedule) {
    EXPECT_TRUE(find<QGroupBox>("Check_or_Sag_GroupBox")->isEnabled());
    EXPECT_FALSE(shown("Swing_Actual_Time_Edit"));
    EXPECT_FALSE(!caption_of("Swing_Actual_Time_Edit")->isHidden());
    EXPECT_FALSE(shown("Swing_Actual_Time_Units_Label"));

    model.form().user_select("Sag_New_or_Existing_RadioGroup", 1);

    EXPECT_FALSE(find<QGroupBox>("Check_or_Sag_GroupBox")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("Upper_Sag_Edit")->isEnabled());
    EXPECT_TRUE(shown("Swing_Actual_Time_Edit"));
    EXPECT_TRUE(!caption_of("Swing_Actual_Time_Edit")->isHidden());
    EXPECT_TRUE(shown("Swing_Actual_Time_Units_Label"));
    EXPECT_FALSE(shown("Swing_Required_Time_Edit"));
    EXPECT_FALSE(!caption_of("Swing_Required_Time_Edit")->isHidden());
    EXPECT_FALSE(shown("Swing_Required_Time_Units_Label"));
}

TEST_F(MainViewTest, HiddenRowsLeaveNoGap) {
    model.form().set_active_page("Transmission_Line_PageControl", Cable_Sag_Details);
    model.form().set_active_page("Calc_Method_PageControl", Pendulum_Swing);
    QApplication::processEvents();
    // Sagging: number, required time, required sag; the actual rows are hidden.
    const int number = find<QLineEdit>("Swing_Number_of_Swings_Edit")->y();
    const int required_time = find<QLineEdit>("Swing_Required_Time_Edit")->y();
    const int required_sag = find<QLineEdit>("Swing_Required_Sag_Edit")->y();
    EXPECT_GT(required_time, number);
    EXPECT_EQ(required_sag - required_time, required_time - number);
}

TEST_F(MainViewTest, TheWholeFormFitsTheWindow) {
    model.form().set_active_page("Transmission_Line_PageControl", Cable_Sag_Details);
    QApplication::processEvents();
    for (const char* tabs : {"Transmission_Line_PageControl", "Calc_Method_PageControl"}) {
        QTabBar* bar = find<QTabWidget>(tabs)->tabBar();
        EXPECT_GE(bar->width(), bar->sizeHint().width()) << tabs << ": tab texts cut short";
    }
    const QSize needed = view->minimumSizeHint();
    EXPECT_GE(view->width(), needed.width());
    EXPECT_GE(view->height(), needed.height());
}

}  // namespace
