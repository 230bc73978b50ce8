// The main window on screen, driven as a user would, with a scripted port so no
// real box can appear.
#include "gui/main_window_view.h"

#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace vortan;
using namespace vortan::gui;

namespace {

constexpr int Sag_Span_Details = 0;
constexpr int Cable_Sag_Details = 1;
constexpr int Pendulum_Swing = 8;

constexpr int Sagging = 0;
constexpr int Checking = 1;

// Can the user bring the widget into sight? It lies within its window, or within
// the content of a scroll area that does, so scrolling shows it.
bool reachable(const QWidget* widget) {
    const QWidget* window = widget->window();
    QRect rect = widget->rect();
    for (const QWidget* current = widget; current != window;) {
        const QWidget* parent = current->parentWidget();
        const auto* area = parent ? qobject_cast<const QScrollArea*>(parent->parentWidget()) : nullptr;
        if (area && area->widget() == current) {
            if (!current->rect().contains(rect)) return false;
            rect = area->rect();
            current = area;
            continue;
        }
        rect.translate(current->pos());
        if (!parent || !parent->rect().contains(rect)) return false;
        current = parent;
    }
    return true;
}

// Its text is shown whole: at least its smallest size, and tall enough for its
// lines when it wraps them.
bool cut_off(const QWidget* widget) {
    const QSize least = widget->minimumSizeHint();
    if (widget->width() < least.width() || widget->height() < least.height()) return true;
    return widget->hasHeightForWidth() && widget->height() < widget->heightForWidth(widget->width());
}

class MainViewTest : public testing::Test {
protected:
    void SetUp() override { open(); }
    void open() {
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
    // Clicks the page's tab, or its name where the pages are chosen by name;
    // either must be in sight without scrolling.
    void click_tab(const char* page_control, int index) {
        QTabWidget* tabs = find<QTabWidget>(page_control);
        if (tabs->tabBar()->isVisible()) {
            QTabBar* bar = tabs->tabBar();
            ASSERT_TRUE(bar->rect().contains(bar->tabRect(index))) << "tab " << index << " out of sight";
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
            return;
        }
        auto* names = tabs->parentWidget()->findChild<QListWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(names, nullptr) << page_control;
        const QRect name = names->visualItemRect(names->item(index));
        ASSERT_TRUE(names->viewport()->rect().contains(name)) << "page name " << index << " out of sight";
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, name.center());
    }
    void press(const char* name) {
        auto* button = find<QPushButton>(name);
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name << " cannot be pressed";
        QTest::mouseClick(button, Qt::LeftButton);
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

// Tab walks the fields in the order they are read: down the page, and along
// a row of the schedule before the next row.
TEST_F(MainViewTest, TabWalksTheFieldsInReadingOrder) {
    const auto tab_stops_from = [&](const char* first, int steps) {
        std::vector<QWidget*> stops;
        QWidget* widget = find<QWidget>(first);
        for (int i = 0; i < steps; ++i) {
            do {
                widget = widget->nextInFocusChain();
            } while ((widget->focusPolicy() & Qt::TabFocus) == 0 || !widget->isVisibleTo(view.get()) ||
                     !widget->isEnabled());
            stops.push_back(widget);
        }
        return stops;
    };
    const auto tab_order_from = [&](const char* first, int steps) {
        std::vector<std::string> names;
        for (QWidget* stop : tab_stops_from(first, steps)) names.push_back(stop->objectName().toStdString());
        return names;
    };
    EXPECT_EQ(tab_order_from("From_Tower_Edit", 3),
              (std::vector<std::string>{"To_Tower_Edit", "Span_Length_Edit", "Inspector_Surname_ComboBox"}));
    click_tab("Transmission_Line_PageControl", Cable_Sag_Details);
    EXPECT_EQ(tab_order_from("Upper_Temperature_Degrees_Edit", 3),
              (std::vector<std::string>{"Upper_Sag_Edit", "Lower_Temperature_Degrees_Edit", "Lower_Sag_Edit"}));
    // On every method page, in both sag modes: no read-only field takes a tab
    // stop, and each stop (the method names included) is below the one before
    // or to its right.
    for (int mode : {0, 1}) {
        model.form().user_select("Sag_New_or_Existing_RadioGroup", mode);
        for (int method = 0; method < find<QTabWidget>("Calc_Method_PageControl")->count(); ++method) {
            find<QTabWidget>("Calc_Method_PageControl")->setCurrentIndex(method);
            QApplication::processEvents();
            QWidget* widget = find<QWidget>("Cable_Type_ComboBox");
            QPoint before = widget->mapTo(view.get(), QPoint());
            QWidget* page = find<QWidget>("Transmission_Line_PageControl");
            for (QWidget* stop : tab_stops_from("Cable_Type_ComboBox", 20)) {
                if (!page->isAncestorOf(stop)) break;  // past the page's last stop
                const std::string name = stop->objectName().toStdString() + " " + stop->metaObject()->className();
                const auto* edit = qobject_cast<QLineEdit*>(stop);
                EXPECT_FALSE(edit && edit->isReadOnly()) << name << " on method " << method;
                const QPoint at = stop->mapTo(view.get(), QPoint());
                EXPECT_TRUE(at.y() > before.y() || at.x() > before.x())
                    << name << " comes before what precedes it, on method " << method << " mode " << mode << " at "
                    << at.x() << "," << at.y() << " after " << before.x() << "," << before.y();
                before = at;
            }
        }
    }
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

TEST_F(MainViewTest, CheckingModeShowsActualFieldsAndKeepsTheScheduleForTheTolerance) {
    EXPECT_TRUE(find<QGroupBox>("Check_or_Sag_GroupBox")->isEnabled());
    EXPECT_FALSE(shown("Swing_Actual_Time_Edit"));
    EXPECT_FALSE(!caption_of("Swing_Actual_Time_Edit")->isHidden());
    EXPECT_FALSE(shown("Swing_Actual_Time_Units_Label"));

    model.form().user_select("Sag_New_or_Existing_RadioGroup", 1);

    EXPECT_TRUE(find<QGroupBox>("Check_or_Sag_GroupBox")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>("Upper_Sag_Edit")->isEnabled());
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

// ---- the layout at the design size ----

TEST_F(MainViewTest, RecentProjectsShowTheirPathsAsTheyAre) {
    const std::string path = "/survey/Smith & Sons/line.vtn";
    model.form().set_text("Load_Save_File_Edit", path);
    model.update_recent_projects();
    QAction* entry = find<QAction>("Last_Used_File_1");
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->text().toStdString(), "/survey/Smith && Sons/line.vtn");  // Qt shows "&&" as one "&"
    EXPECT_EQ(entry->iconText().toStdString(), path);
    // The line above the entries is only a line: some styles show a separator's text.
    QAction* separator = find<QAction>("Last_Used_File_Separator");
    EXPECT_TRUE(separator->isSeparator() && separator->isVisible());
    EXPECT_TRUE(separator->text().isEmpty());
    // The entry opens the path itself (here gone, so the open says so).
    entry->trigger();
    ASSERT_FALSE(port.messages().empty());
    EXPECT_EQ(port.messages().back(), "Error : The Project :\n\r\n\r" + path + "\n\r\n\rdoes NOT Exist !");
}

TEST_F(MainViewTest, TheClientAreaHasTheDesignSizeAtFirstStart) {
    EXPECT_EQ(view->centralWidget()->size(), QSize(713, 551));
    EXPECT_EQ(MainWindowView::Design_Client_Size, QSize(713, 551));
}

// Every combination of pages and sag mode: each control on screen can be
// brought into sight, shows its whole text and covers no other control.
class PageLayoutTest : public MainViewTest {
protected:
    // The widgets of shown controls, with the caption labels of their fields.
    std::vector<QWidget*> shown_widgets() const {
        std::vector<QWidget*> widgets;
        for (const Control* control : model.form().controls()) {
            if (!control->on_screen || control->kind == ControlKind::MenuItem) continue;
            auto* widget = view->findChild<QWidget*>(QString::fromStdString(control->name));
            if (widget && widget->isVisible()) widgets.push_back(widget);
            if (QLabel* caption = caption_of(control->name.c_str()); caption && caption->isVisible())
                widgets.push_back(caption);
        }
        return widgets;
    }
    bool covers_its_page(const QWidget* widget) const {
        const std::string name = widget->objectName().toStdString();
        return model.form().has(name) && model.form().control(name).covers_parent;
    }
    void expect_usable(const std::string& where) {
        QApplication::processEvents();
        const std::vector<QWidget*> widgets = shown_widgets();
        ASSERT_GT(widgets.size(), 10u) << where;
        for (QWidget* widget : widgets) {
            const std::string name = widget->objectName().isEmpty()
                                         ? "caption " + qobject_cast<QLabel*>(widget)->text().toStdString()
                                         : widget->objectName().toStdString();
            EXPECT_TRUE(reachable(widget)) << where << ": " << name << " is out of reach";
            EXPECT_FALSE(cut_off(widget)) << where << ": " << name << " is cut off";
            if (covers_its_page(widget)) continue;
            for (QWidget* other : widgets) {
                if (other == widget || other->parentWidget() != widget->parentWidget() ||
                    covers_its_page(other))
                    continue;
                EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                    << where << ": " << name << " overlaps " << other->objectName().toStdString();
            }
        }
    }
};

TEST_F(PageLayoutTest, TheSagSpanPageIsUsable) { expect_usable("Sag-Span Details"); }

TEST_F(PageLayoutTest, EveryMethodPageIsUsableInBothSagModes) {
    Form& form = model.form();
    form.set_active_page("Transmission_Line_PageControl", Cable_Sag_Details);
    for (int mode : {Sagging, Checking}) {
        form.user_select("Sag_New_or_Existing_RadioGroup", mode);
        const auto pages = form.pages_of("Calc_Method_PageControl");
        for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
            form.set_active_page("Calc_Method_PageControl", page);
            expect_usable(pages[static_cast<size_t>(page)] + (mode == Sagging ? " sagging" : " checking"));
        }
    }
}

TEST_F(PageLayoutTest, EveryTabTextIsShownWhole) {
    model.form().set_active_page("Transmission_Line_PageControl", Cable_Sag_Details);
    QApplication::processEvents();
    for (const char* name : {"Transmission_Line_PageControl", "Calc_Method_PageControl"}) {
        QTabBar* bar = find<QTabWidget>(name)->tabBar();
        for (int tab = 0; tab < bar->count(); ++tab)
            EXPECT_GE(bar->tabRect(tab).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(tab)))
                << name << " tab " << tab;
    }
}

// ---- a sag-span walked through with the mouse and the keyboard ----

class WalkTest : public MainViewTest {
protected:
    void SetUp() override {
        Form& lists = setup.form();
        lists.set_items(setup_list::Structure_Types, {"Tower"});
        lists.set_items(setup_list::Cable_Positions, {"Top"});
        lists.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        lists.set_items(setup_list::Combinations, {"0\t0\t0\t"});
        open();
    }
    size_t records(const char* list) const { return model.form().items(list).size(); }
};

TEST_F(WalkTest, OneSagSpanEnteredPreservedAndLeftForTheNext) {
    type("From_Tower_Edit", "T1");
    type("To_Tower_Edit", "T2");
    type("Span_Length_Edit", "300");
    click_tab("Transmission_Line_PageControl", Cable_Sag_Details);
    EXPECT_EQ(records("Pole_Data_Listbox"), 0u) << "leaving the Sag-Span Details page runs nothing";

    type("Actual_Cable_Temperature_Edit", "15");
    type("Temperature_Compensation_Edit", "0");
    type("Hours_Since_Cable_Runout_Edit", "0");
    type("Upper_Temperature_Degrees_Edit", "20");
    type("Upper_Sag_Edit", "10");
    type("Lower_Temperature_Degrees_Edit", "10");
    type("Lower_Sag_Edit", "9");
    click_tab("Calc_Method_PageControl", Pendulum_Swing);
    type("Swing_Number_of_Swings_Edit", "5");
    press("Calculate_Sag_BitBtn");
    EXPECT_EQ(find<QLineEdit>("Swing_Required_Time_Edit")->text(), "27.7");
    press("Commit_Cable_Bundle_Changes_BitBtn");
    EXPECT_EQ(records("Cable_Bundle_Record_Listbox"), 1u);

    click_tab("Transmission_Line_PageControl", Sag_Span_Details);
    EXPECT_EQ(records("Pole_Data_Listbox"), 1u) << "leaving the Cable Sag Details page commits the sag-span";
    press("Next_Tower_BitBtn");

    EXPECT_TRUE(port.messages().empty()) << port.messages().front();
    EXPECT_EQ(records("Pole_Data_Listbox"), 1u);
    EXPECT_EQ(find<QLabel>("Span_Count_Label")->text(), "Span 2 of 1.");
    EXPECT_EQ(find<QLineEdit>("From_Tower_Edit")->text(), "");
}

}  // namespace
