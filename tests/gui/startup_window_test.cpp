// The start-up window: gone after its delay when the user asked not to see it
// again, otherwise a welcome dialog whose check box the settings keep.
#include "gui/startup_window.h"

#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vortan;
using namespace vortan::gui;

namespace {

constexpr const char* Dont_Show_Again = "Splash_Screen_Dont_Show_This_Again_CheckBox";

class StartupWindowTest : public testing::Test {
protected:
    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
};

TEST_F(StartupWindowTest, BecomesAWelcomeDialogWhoseCheckBoxTheSettingsKeep) {
    StartupWindow window(model.form());
    window.start();
    auto* check = window.findChild<QCheckBox*>(Dont_Show_Again);
    EXPECT_FALSE(check->isVisible());
    window.timer_fired();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.findChild<QLabel*>("Welcome_Label")->isVisible());
    ASSERT_TRUE(check->isVisible());
    check->click();
    EXPECT_TRUE(model.form().checked(Dont_Show_Again));
    window.findChild<QPushButton*>("Startup_Close_Button")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StartupWindowTest, ClosesByItselfWhenTheUserAskedNotToSeeItAgain) {
    model.form().set_checked(Dont_Show_Again, true);
    StartupWindow window(model.form());
    window.start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

}  // namespace
