// The main window's frame as the settings and the project shape it: bounds,
// title, the close box and files dropped on the window.
#include "gui/main_window_view.h"

#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>

using namespace vortan;
using namespace vortan::gui;

namespace {

namespace fs = std::filesystem;

class WindowSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-gui-" + std::to_string(::getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        model.set_places({folder / "vortan.ini", folder, ""});
        setup.form().set_items(setup_list::Structure_Types, {"Tower"});
        setup.form().set_items(setup_list::Cable_Positions, {"Top"});
        model.start();
        view = std::make_unique<MainWindowView>(model);
    }
    void TearDown() override {
        view.reset();
        fs::remove_all(folder);
    }
    void start(const std::string& settings = "") {
        if (!settings.empty()) std::ofstream(folder / "vortan.ini", std::ios::binary) << settings;
        model.first_display({});
        view->show_first_time();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
    fs::path saved_project() {
        const fs::path master = folder / "Line South.vtn";
        Form& form = model.form();
        form.user_type("From_Tower_Edit", "T1");
        form.user_type("To_Tower_Edit", "T2");
        form.user_type("Span_Length_Edit", "300");
        form.user_click("Commit_Span_Changes_BitBtn");
        port.queue_files({master});
        form.user_click("Save_As_Option");
        return master;
    }

    fs::path folder;
    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
};

TEST_F(WindowSettingsTest, StoredBoundsAndTabStyleShapeTheWindow) {
    start("[vortan]\r\nwindow_top_posn=40\r\nwindow_left_posn=30\r\nwindow_Width=690\r\nwindow_Height=480\r\n"
          "Tab_Style_RadioGroup=1\r\n");
    EXPECT_EQ(view->centralWidget()->size(), QSize(690, 480));
    EXPECT_TRUE(view->findChild<QTabWidget*>("Calc_Method_PageControl")->documentMode());
    // What the window reports is what the next exit writes.
    EXPECT_EQ(model.window_bounds().width, 690);
    EXPECT_EQ(model.window_bounds().height, 480);
}

TEST_F(WindowSettingsTest, TheTitleNamesTheOpenProject) {
    start();
    EXPECT_EQ(view->windowTitle(), "Vortan");
    saved_project();
    EXPECT_EQ(view->windowTitle(), "Vortan 3.3 - Line South");
}

TEST_F(WindowSettingsTest, AProjectNamedOnTheCommandLineOpensAtStart) {
    start();
    saved_project();
    // The next run, started as "vortan <folder>/Line South.spd": the arguments
    // are joined with blanks and the master file is opened whatever the extension.
    ScriptedPort next_port;
    SetupEditor next_setup;
    MainWindow next{next_port, next_setup};
    next.set_places({folder / "vortan.ini", folder, ""});
    next.start();
    MainWindowView next_view(next);
    next.first_display({(folder / "Line").string(), "South.spd"});
    next_view.show_first_time();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next_view));
    EXPECT_EQ(next_view.windowTitle(), "Vortan 3.3 - Line South");
    EXPECT_EQ(qobject_cast<QLineEdit*>(next_view.control_widget("From_Tower_Edit"))->text(), "T1");
    EXPECT_TRUE(next_port.messages().empty());
}

TEST_F(WindowSettingsTest, CloseBoxWithUnsavedChangesAnsweredCancelKeepsEverything) {
    start();
    model.form().user_type("Contract_Edit", "changed");
    port.queue_answer(Answer::Cancel);
    EXPECT_FALSE(view->close());
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(fs::exists(folder / "vortan.ini"));

    port.queue_answer(Answer::No);
    EXPECT_TRUE(view->close());
    EXPECT_TRUE(fs::exists(folder / "vortan.ini"));
}

// With nothing to ask, every way out closes the window at once and keeps the
// settings (bench/exit_bench times each of them to the end of the process).
TEST_F(WindowSettingsTest, EveryExitPathClosesWithoutAQuestion) {
    const std::function<void(MainWindowView&)> paths[] = {
        [](MainWindowView& view) { view.findChild<QPushButton*>("Exit_BitBtn")->click(); },
        [](MainWindowView& view) { view.findChild<QAction*>("Exit_Option")->trigger(); },
        [](MainWindowView& view) { view.close(); },
        [](MainWindowView& view) {
            view.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
            QTest::keyClick(&view, Qt::Key_Q, Qt::ControlModifier);
        },
    };
    for (size_t path = 0; path < std::size(paths); ++path) {
        fs::remove(folder / "vortan.ini");
        ScriptedPort own_port;
        SetupEditor own_setup;
        MainWindow own_model{own_port, own_setup};
        own_model.set_places({folder / "vortan.ini", folder, ""});
        own_model.start();
        MainWindowView own_view(own_model);
        own_model.first_display({});
        own_view.show_first_time();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&own_view));
        paths[path](own_view);
        QApplication::processEvents();
        EXPECT_FALSE(own_view.isVisible()) << path;
        EXPECT_TRUE(own_port.transcript().empty()) << path;
        EXPECT_TRUE(fs::exists(folder / "vortan.ini")) << path;
    }
}

// A folder in the settings file's place: the window starts on the defaults
// with one warning, closes with one more, and the folder stays.
TEST_F(WindowSettingsTest, TheWindowStartsAndClosesWithAFolderAsItsSettingsFile) {
    fs::create_directories(folder / "vortan.ini" / "kept");
    start();
    EXPECT_EQ(view->centralWidget()->size(), QSize(713, 551));
    ASSERT_EQ(port.messages().size(), 1u);
    EXPECT_NE(port.messages()[0].find("It is a folder, not a file."), std::string::npos);
    EXPECT_TRUE(view->close());
    ASSERT_EQ(port.messages().size(), 2u);
    EXPECT_NE(port.messages()[1].find("could not be kept"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder / "vortan.ini" / "kept"));
}

TEST_F(WindowSettingsTest, AProjectDroppedOnTheWindowOpens) {
    start();
    const fs::path master = saved_project();
    model.form().user_click("New_Option");
    ASSERT_TRUE(model.form().items("Pole_Data_Listbox").empty());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(master.string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &drop);
    EXPECT_EQ(model.form().items("Pole_Data_Listbox").size(), 1u);
    EXPECT_EQ(view->windowTitle(), "Vortan 3.3 - Line South");
}

}  // namespace
