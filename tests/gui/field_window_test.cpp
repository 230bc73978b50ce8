// The window in the field: on the screen the test runs on (a desk, and in
// ctest also 1024x600, 1280x800 and 1920x1080 at 200 %), every window opens
// inside the screen, every control of the main form comes into sight when it
// takes the focus, the form's text stays legible, and a whole cable sag can
// be typed and preserved with key events alone.
#include "gui/check_record_window.h"
#include "gui/design_scale.h"
#include "gui/help_window.h"
#include "gui/main_window_view.h"
#include "gui/report_window.h"
#include "gui/setup_editor_dialog.h"
#include "gui/stringing_window.h"
#include "gui/window_room.h"

#include "mainwindow/main_window.h"
#include "project/record_fields.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

using namespace vortan;
using namespace vortan::gui;
namespace fs = std::filesystem;

namespace {

QRect global_rect(const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint()), widget->size()); }

// In sight: inside the screen, its window and the viewport of every scroll
// area that holds it.
std::string out_of_sight(const QWidget* widget) {
    // A pixel of rounding between design and screen places is not a cut.
    const QRect rect = global_rect(widget).adjusted(0, 0, 0, -1);
    const QRect screen = widget->screen()->availableGeometry();
    if (!screen.contains(rect)) return "off the screen";
    if (!global_rect(widget->window()).contains(rect)) return "outside its window";
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent);
            area && area->viewport()->isAncestorOf(widget) && !global_rect(area->viewport()).contains(rect))
            return "scrolled out of sight";
    return "";
}

class FieldWindowTest : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vortan-field-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(VORTAN_EXAMPLES_DIR))
            if (entry.path().stem() == "demo-line") fs::copy_file(entry.path(), folder / entry.path().filename());
        port.set_default_answer(Answer::Yes);
        model.start();
        model.first_display({});
        view = std::make_unique<MainWindowView>(model);
        view->show_first_time();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        ASSERT_TRUE(model.open_project((folder / "demo-line.vtn").string()));
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        QApplication::processEvents();
    }
    void TearDown() override {
        view.reset();
        fs::remove_all(folder);
    }
    Form& form() { return model.form(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), k, modifiers);
        QApplication::processEvents();
    }
    // Tab until the focus is where `here` says, as a user would; each stop
    // must be in sight.
    void tab_to(const std::function<bool(QWidget*)>& here, const std::string& what) {
        for (int presses = 0; presses < 60; ++presses) {
            if (focus() && here(focus())) return;
            key(Qt::Key_Tab);
            ASSERT_NE(focus(), nullptr);
            EXPECT_EQ(out_of_sight(focus()), "") << focus()->objectName().toStdString() << " on the way to " << what;
        }
        FAIL() << "60 presses of Tab never reached " << what;
    }
    void tab_to(const char* name) {
        tab_to([name](QWidget* widget) { return widget->objectName() == QLatin1String(name); }, name);
    }
    void type(const char* name, const char* text) {
        tab_to(name);
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus(), QString::fromLatin1(text));
        EXPECT_EQ(form().text(name), text);
    }

    fs::path folder;
    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
};

TEST_F(FieldWindowTest, EveryControlComesIntoSightOnTheScreenAtALegibleSize) {
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(view->frameGeometry()))
        << "the main window is larger than the screen: " << view->frameGeometry().width() << "x"
        << view->frameGeometry().height() << " at " << view->frameGeometry().x() << "," << view->frameGeometry().y()
        << ", at least " << view->minimumSizeHint().width() << "x" << view->minimumSizeHint().height();
    EXPECT_GE(QFontInfo(view->form_view()->font()).pixelSize(), legible_font_pixels());
    auto* pages = view->findChild<QTabWidget*>(QStringLiteral("Transmission_Line_PageControl"));
    auto* methods = view->findChild<QTabWidget*>(QStringLiteral("Calc_Method_PageControl"));
    const auto every_control_in_sight = [&](const std::string& where) {
        for (const Control* control : form().controls()) {
            QWidget* widget = control->on_screen ? view->control_widget(control->name) : nullptr;
            if (!widget || !widget->isVisible() || !widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus)
                continue;
            widget->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            EXPECT_EQ(out_of_sight(widget), "") << where << ": " << control->name;
        }
    };
    form().user_select_page("Transmission_Line_PageControl", 0);
    every_control_in_sight("Sag-Span Details");
    for (int mode : {0, 1}) {
        form().user_select("Sag_New_or_Existing_RadioGroup", mode);
        for (int method = 0; method < methods->count(); ++method) {
            form().user_select_page("Transmission_Line_PageControl", 1);
            form().user_select_page("Calc_Method_PageControl", method);
            ASSERT_EQ(pages->currentIndex(), 1);
            every_control_in_sight("mode " + std::to_string(mode) + ", method " + std::to_string(method));
        }
    }
}

TEST_F(FieldWindowTest, EveryOtherWindowOpensInsideTheScreenWithItsButtonsInSight) {
    ReportWindow report(view.get());
    report.set_lines(std::vector<std::string>(80, std::string(135, 'x')));
    CheckRecordWindow record(view.get());
    record.set_record({"Vortan Check Record"}, "");
    SetupEditorDialog setup_dialog(setup, view.get());
    HelpWindow help(view.get());
    help.setWindowFlag(Qt::Window);
    StringingWindow* stringing = view->open_stringing_window();
    struct Shown {
        QWidget* window;
        bool escape_closes;
    } windows[] = {{&report, true}, {&record, true}, {&setup_dialog, false}, {&help, true}, {stringing, true}};
    for (const Shown& shown : windows) {
        const std::string name = shown.window->metaObject()->className();
        shown.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.window)) << name;
        QApplication::processEvents();
        EXPECT_TRUE(shown.window->screen()->availableGeometry().contains(shown.window->frameGeometry()))
            << name << " " << shown.window->frameGeometry().x() << "," << shown.window->frameGeometry().y() << " "
            << shown.window->frameGeometry().width() << "x" << shown.window->frameGeometry().height() << " min "
            << shown.window->minimumSizeHint().width() << "x" << shown.window->minimumSizeHint().height();
        for (QPushButton* button : shown.window->findChildren<QPushButton*>())
            if (button->isVisibleTo(shown.window) && button->window() == shown.window) {
                EXPECT_EQ(out_of_sight(button), "") << name << ": " << button->text().toStdString();
            }
        if (!shown.escape_closes) {
            shown.window->close();
            continue;
        }
        shown.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window)) << name;
        QTest::keyClick(shown.window->focusWidget() ? shown.window->focusWidget() : shown.window, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(shown.window->isVisible()) << name << " stays open on Escape";
    }
}

TEST_F(FieldWindowTest, ACableSagTypedAndPreservedByKeyboardAlone) {
    const size_t stored = form().items("Cable_Bundle_Record_Listbox").size();
    // The first span, T01-T02, holds its top phase and earth wire: its middle
    // phase is typed here, by sightboard.
    ASSERT_EQ(view->form_view()->isAncestorOf(focus()), true);
    key(Qt::Key_Tab, Qt::ControlModifier);  // to the Cable Sag page
    ASSERT_EQ(form().active_page("Transmission_Line_PageControl"), 1);
    tab_to("Cable_Type_ComboBox");
    key(Qt::Key_Home);
    tab_to("Cable_Position_ComboBox");
    key(Qt::Key_Down);
    EXPECT_EQ(form().text("Cable_Position_ComboBox"), "Middle Phase");
    tab_to("Cable_Code_Name_ComboBox");
    // The sag mode by its shortcut, there and back; the date and the rest by Tab.
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(form().item_index("Sag_New_or_Existing_RadioGroup"), 1);
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(form().item_index("Sag_New_or_Existing_RadioGroup"), 0);
    type("Sag_Date_Edit", "14-Nov-2026");
    type("Actual_Cable_Temperature_Edit", "14");
    type("Temperature_Compensation_Edit", "-10");
    type("Upper_Temperature_Degrees_Edit", "5");
    type("Upper_Sag_Edit", "3.94");
    type("Lower_Temperature_Degrees_Edit", "0");
    type("Lower_Sag_Edit", "3.86");
    // The method by its name in the list of methods: Sightboard is the first.
    tab_to([](QWidget* widget) { return qobject_cast<QListWidget*>(widget) != nullptr; }, "the method names");
    key(Qt::Key_Home);
    EXPECT_EQ(form().active_page("Calc_Method_PageControl"), 0);
    type("SBM_Actual_Sag_Height_Far_Edit", "3.5");
    tab_to("Calculate_Sag_BitBtn");
    key(Qt::Key_Space);
    EXPECT_EQ(form().text("Required_Sag_Edit"), "3.92");
    key(Qt::Key_Return, Qt::ControlModifier);  // Preserve
    EXPECT_TRUE(port.messages().empty()) << port.messages().front();
    const auto& records = form().items("Cable_Bundle_Record_Listbox");
    ASSERT_EQ(records.size(), stored + 1);
    EXPECT_FALSE(form().checked("Cable_Data_Changed_CheckBox"));
    // On to the next span, from the Sag-Span page.
    key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    tab_to("Next_Tower_BitBtn");
    key(Qt::Key_Space);
    EXPECT_EQ(model.span_number(), 2);
}

// The line overview keeps the width the user gave it while the window goes
// from span to span, page to page and method to method, and a side panel
// folded away and shown again moves neither it nor the pages.
TEST_F(FieldWindowTest, TheOverviewKeepsItsWidthAndThePagesTheirs) {
    auto* overview = view->findChild<QDockWidget*>(QStringLiteral("Line_Overview_Panel"));
    ASSERT_NE(overview, nullptr);
    overview->raise();  // the tab shown, where the panels share one column
    view->resizeDocks({overview}, {overview->width() + 60}, Qt::Horizontal);
    QApplication::processEvents();
    const int overview_width = overview->width(), pages_width = view->centralWidget()->width();
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"next span", [&] { model.Next_Tower_BitBtnClick(); }},
        {"Cable Sag page", [&] { form().user_select_page("Transmission_Line_PageControl", 1); }},
        {"another method", [&] { form().user_select_page("Calc_Method_PageControl", 3); }},
        {"another cable", [&] { form().user_select("Cable_Position_ComboBox", 1); }},
        {"the other sag mode", [&] { form().user_select("Sag_New_or_Existing_RadioGroup", 1); }},
        {"Calc", [&] { form().user_click("Calculate_Sag_BitBtn"); }},
        {"aids folded", [&] { form().user_click("Show_Sag_Aids_Option"); }},
        {"aids shown", [&] { form().user_click("Show_Sag_Aids_Option"); }},
        {"Sag-Span page", [&] { form().user_select_page("Transmission_Line_PageControl", 0); }},
    };
    for (const auto& [step, act] : steps) {
        act();
        QApplication::processEvents();
        EXPECT_EQ(overview->width(), overview_width) << "after " << step;
        EXPECT_EQ(view->centralWidget()->width(), pages_width) << "after " << step;
    }
}

}  // namespace
