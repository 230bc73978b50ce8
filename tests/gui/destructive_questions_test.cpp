// Enter on a question whose Yes would discard or reset work answers No (or
// Cancel): a surveyor who presses Enter out of habit loses nothing.
#include "gui/main_window_view.h"
#include "gui/qt_user_port.h"
#include "journal/durable_file.h"
#include "journal/recovery_journal.h"
#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "storage/project_lock.h"
#include "support/demo_project.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

using namespace vortan;
using namespace vortan::gui;

namespace {

// Presses Enter on every message box as soon as it is up, and keeps its text.
class EnterOnEveryBox {
public:
    // VORTAN_SCREENSHOT=FILE.png keeps a picture of the first box (in
    // `picture` beside FILE, when named).
    explicit EnterOnEveryBox(const char* picture = nullptr) {
        if (const char* file = std::getenv("VORTAN_SCREENSHOT"))
            picture_ = picture ? std::filesystem::path(file).parent_path() / picture : std::filesystem::path(file);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts.push_back(box->text().toStdString());
            if (!picture_.empty() && texts.size() == 1) box->grab().save(QString::fromStdString(picture_.string()));
            QTest::keyClick(box, Qt::Key_Return);
        });
        timer_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
    std::filesystem::path picture_;
};

class DestructiveQuestionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Tower"});
        s.set_items(setup_list::Cable_Positions, {"Top"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t"});
        model.start();
        view = std::make_unique<MainWindowView>(model);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        // One span with a pendulum cable sag, stored, and on screen again.
        Form& f = model.form();
        for (auto [field, text] : {std::pair{"From_Tower_Edit", "T1"}, {"To_Tower_Edit", "T2"},
                                   {"Span_Length_Edit", "300"}, {"Upper_Temperature_Degrees_Edit", "20"},
                                   {"Upper_Sag_Edit", "10"}, {"Lower_Temperature_Degrees_Edit", "10"},
                                   {"Lower_Sag_Edit", "9"}, {"Actual_Cable_Temperature_Edit", "15"}})
            f.user_type(field, text);
        f.user_select_page("Calc_Method_PageControl", 8);
        f.user_type("Swing_Number_of_Swings_Edit", "5");
        f.user_click("Commit_Cable_Bundle_Changes_BitBtn");
        f.user_click("Next_Tower_BitBtn");
        f.user_click("Previous_Tower_BitBtn");
        ASSERT_EQ(stored(), (Stored{1, 1, "T1"}));
    }
    struct Stored {
        size_t spans, cable_sags;
        std::string near_structure;
        bool operator==(const Stored&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Stored& s) {
            return out << s.spans << " spans, " << s.cable_sags << " cable sags, on " << s.near_structure;
        }
    };
    Stored stored() const {
        const Form& f = model.form();
        return {f.items("Pole_Data_Listbox").size(), f.items("Cable_Bundle_Record_Listbox").size(),
                f.text("From_Tower_Edit")};
    }

    SetupEditor setup;
    QtUserPort port;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
};

TEST_F(DestructiveQuestionTest, EnterKeepsTheSpansCableSagsAndFieldsOnScreen) {
    const auto click = [this](const char* button) {
        return [this, button] { view->findChild<QPushButton*>(button)->click(); };
    };
    const auto trigger = [this](const char* action) {
        return [this, action] { view->findChild<QAction*>(action)->trigger(); };
    };
    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"delete the cable sag", click("Delete_Curr_Cable_Details_BitBtn")},
        {"delete the sag-span", click("Delete_Curr_Span_Details_BitBtn")},
        {"reset", click("Reset_BitBtn")},
        {"reset from the menu", trigger("Reset_Option")},
        {"new project", trigger("New_Option")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EnterOnEveryBox enter;
        c.act();
        QApplication::processEvents();
        ASSERT_FALSE(enter.texts.empty()) << "no question asked";
        EXPECT_EQ(enter.texts.front().rfind("Warning", 0), 0u) << enter.texts.front();
        EXPECT_EQ(stored(), (Stored{1, 1, "T1"}));
    }
}

// Enter on the offer to recover a run's lost work takes it back: declining
// is what would lose it.
TEST_F(DestructiveQuestionTest, EnterRecoversTheWorkOfARunThatDied) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("vortan-enter-recovers-" + std::to_string(journal::this_process_id()));
    fs::remove_all(folder);
    model.keep_recovery_journal(folder);
    model.form().user_type("Span_Length_Edit", "301");
    model.form().user_click("Commit_Span_Changes_BitBtn");
    // The run dies: its journal is left without the lock it held.
    fs::rename(model.journal_file(), journal::unsaved_journal(folder, journal::new_run_name()));

    SetupEditor next_setup;
    QtUserPort next_port;
    MainWindow next{next_port, next_setup};
    next.start();
    next.keep_recovery_journal(folder);
    MainWindowView next_view(next);
    next_view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next_view));
    EnterOnEveryBox enter;
    next.offer_unsaved_recovery();
    ASSERT_EQ(enter.texts.size(), 1u);
    EXPECT_NE(enter.texts.front().find("unsaved project"), std::string::npos) << enter.texts.front();
    ASSERT_EQ(next.form().items("Pole_Data_Listbox").size(), 1u);
    EXPECT_NE(next.form().items("Pole_Data_Listbox").front().find("\t301\t"), std::string::npos);
    fs::remove_all(folder);
}

// Enter on the questions an open asks about the files themselves (the
// project is open in another window; its last save did not finish) opens
// nothing and leaves every file as it was.
TEST_F(DestructiveQuestionTest, EnterOnTheQuestionsOfAnOpenLeavesTheFilesAsTheyAre) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("vortan-enter-opens-" + std::to_string(journal::this_process_id()));
    const auto disk = [&] {
        std::map<fs::path, std::string> bytes;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            bytes[entry.path()] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        }
        return bytes;
    };
    storage::ProjectLock elsewhere;
    const struct {
        const char* what;
        std::function<void(const fs::path& master)> given;
        const char* question;
        const char* picture;
    } cases[] = {
        {"open in another window",
         [&](const fs::path& master) { elsewhere.take(storage::lock_file_of(master), "10-Dec-2026 09:00"); },
         "is open in another Vortan window", "open-elsewhere-question.png"},
        {"a save stopped with the master aside",
         [](const fs::path& master) { fs::rename(master, master.parent_path() / "~demo-line.vtn.bak"); }, "did not finish",
         "unfinished-save-question.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path master = vortan::testing::fresh_copy_of_demo(folder);
        c.given(master);
        const auto before = disk();
        EnterOnEveryBox enter(c.picture);
        EXPECT_FALSE(model.open_project(master.string()));
        ASSERT_EQ(enter.texts.size(), 1u);
        EXPECT_NE(enter.texts.front().find(c.question), std::string::npos) << enter.texts.front();
        EXPECT_EQ(stored(), (Stored{1, 1, "T1"}));
        EXPECT_EQ(disk(), before);
        elsewhere.release();
    }
    fs::remove_all(folder);
}

}  // namespace
