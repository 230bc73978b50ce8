// The generic view and binder on a small form holding one control of each kind.
#include "gui/form_binder.h"
#include "gui/form_menus.h"
#include "gui/form_view.h"
#include "gui/radio_group_box.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>

using namespace vortan;
using namespace vortan::gui;

namespace {

void build_sample(Form& form) {
    form.add(ControlKind::MenuItem, "File_Menu").caption = "&File";
    form.add(ControlKind::MenuItem, "Open_Option", "File_Menu").caption = "&Open";
    Control& name = form.add(ControlKind::Edit, "Name_Edit");
    name.caption = "Name :";
    name.hint = "The name";
    name.unit_label = "Name_Units_Label";
    form.add(ControlKind::Label, "Name_Units_Label").caption = "m";
    form.add(ControlKind::Edit, "Second_Edit");
    form.add(ControlKind::Edit, "Below_Edit").caption = "Below :";
    form.add(ControlKind::CheckBox, "Flag_CheckBox").caption = "Flag";
    Control& kind = form.add(ControlKind::ComboBox, "Kind_ComboBox");
    kind.caption = "Kind :";
    kind.items = {"Alpha", "Beta", "Gamma"};
    kind.item_index = 0;
    form.add(ControlKind::ListBox, "Names_ListBox").items = {"one", "two"};
    Control& mode = form.add(ControlKind::RadioGroup, "Mode_RadioGroup");
    mode.items = {"Sag", "Check"};
    mode.item_index = 0;
    form.add(ControlKind::PageControl, "Pages_PageControl").active_page = 0;
    form.add(ControlKind::Page, "First_TabSheet", "Pages_PageControl").caption = "First";
    form.add(ControlKind::Page, "Second_TabSheet", "Pages_PageControl").caption = "Second";
    form.add(ControlKind::Edit, "Inner_Edit", "Second_TabSheet").caption = "Inner :";
    form.add(ControlKind::GroupBox, "Box_GroupBox").caption = "Box";
    form.add(ControlKind::Edit, "Boxed_Edit", "Box_GroupBox").caption = "Boxed :";
    form.add(ControlKind::Button, "Go_BitBtn").caption = "&Go";
    Control& scratch = form.add(ControlKind::Edit, "Scratch_Edit");
    scratch.on_screen = false;
    scratch.visible = false;
}

// The sample form on screen, with every handler counting its runs.
struct Sample {
    Sample() {
        build_sample(form);
        for (const Control* c : form.controls()) {
            const std::string name = c->name;
            form.control(name).on_change = [this, name] { ++changes[name]; };
            form.control(name).on_click = [this, name] { ++clicks[name]; };
        }
        build_form_menus(form, window.menuBar());
        window.setCentralWidget(build_form_view(form, &window));
        binder = new FormBinder(form, &window);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class W>
    W* find(const char* name) {
        W* widget = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLabel* caption_of(const char* name) {
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy() && label->buddy()->objectName() == QLatin1String(name)) return label;
        return nullptr;
    }
    QTabWidget* tabs() { return find<QTabWidget>("Pages_PageControl"); }
    void click_tab(int index) {
        QTabBar* bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    Form form;
    QMainWindow window;
    FormBinder* binder = nullptr;
    std::map<std::string, int> changes, clicks;
};

class BinderTest : public testing::Test, public Sample {};

TEST_F(BinderTest, EachControlKindBecomesItsWidget) {
    const struct {
        const char* name;
        const char* widget_class;
    } cases[] = {
        {"File_Menu", "QMenu"},
        {"Open_Option", "QAction"},
        {"Name_Edit", "QLineEdit"},
        {"Name_Units_Label", "QLabel"},
        {"Flag_CheckBox", "QCheckBox"},
        {"Kind_ComboBox", "QComboBox"},
        {"Names_ListBox", "QListWidget"},
        {"Mode_RadioGroup", "vortan::gui::RadioGroupBox"},
        {"Pages_PageControl", "QTabWidget"},
        {"Box_GroupBox", "QGroupBox"},
        {"Go_BitBtn", "QPushButton"},
    };
    for (const auto& c : cases) {
        QObject* object = binder->object(c.name);
        ASSERT_NE(object, nullptr) << c.name;
        EXPECT_STREQ(object->metaObject()->className(), c.widget_class) << c.name;
        EXPECT_EQ(window.findChildren<QObject*>(QString::fromLatin1(c.name)).size(), 1) << c.name;
    }
    EXPECT_EQ(window.findChild<QObject*>("Scratch_Edit"), nullptr);
    EXPECT_EQ(binder->object("Scratch_Edit"), nullptr);
    EXPECT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->tabText(1), "Second");
    EXPECT_EQ(find<RadioGroupBox>("Mode_RadioGroup")->items(), QStringList({"Sag", "Check"}));
}

TEST_F(BinderTest, EditRowsCarryCaptionAndUnitAndContinueWithoutCaption) {
    auto* name = find<QLineEdit>("Name_Edit");
    QLabel* caption = caption_of("Name_Edit");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Name :");
    EXPECT_EQ(caption->toolTip(), "The name");
    auto* unit = find<QLabel>("Name_Units_Label");
    auto* second = find<QLineEdit>("Second_Edit");
    auto* below = find<QLineEdit>("Below_Edit");
    // caption, edit, unit, caption-less edit on one line, left to right
    EXPECT_EQ(caption->geometry().center().y(), name->geometry().center().y());
    EXPECT_EQ(unit->geometry().center().y(), name->geometry().center().y());
    EXPECT_EQ(second->geometry().center().y(), name->geometry().center().y());
    EXPECT_LT(caption->x(), name->x());
    EXPECT_LT(name->x(), unit->x());
    EXPECT_LT(unit->x(), second->x());
    EXPECT_GT(below->y(), name->y() + name->height() - 1);
    EXPECT_EQ(caption_of("Second_Edit"), nullptr);
}

TEST(Binder, ModelChangesReachTheWidgets) {
    const struct {
        const char* what;
        std::function<void(Form&)> change;
        std::function<bool(Sample&)> shown;
    } cases[] = {
        {"hidden edit takes caption and unit along",
         [](Form& f) { f.set_visible("Name_Edit", false); },
         [](Sample& t) {
             return t.find<QLineEdit>("Name_Edit")->isHidden() &&
                    t.caption_of("Name_Edit")->isHidden() &&
                    t.find<QLabel>("Name_Units_Label")->isHidden();
         }},
        {"a unit label hidden by the model stays hidden when its edit shows",
         [](Form& f) {
             f.set_visible("Name_Units_Label", false);
             f.set_visible("Name_Edit", false);
             f.set_visible("Name_Edit", true);
         },
         [](Sample& t) {
             return !t.find<QLineEdit>("Name_Edit")->isHidden() &&
                    t.find<QLabel>("Name_Units_Label")->isHidden();
         }},
        {"disabled edit greys its caption", [](Form& f) { f.set_enabled("Name_Edit", false); },
         [](Sample& t) {
             return !t.find<QLineEdit>("Name_Edit")->isEnabled() &&
                    !t.caption_of("Name_Edit")->isEnabled();
         }},
        {"disabled group", [](Form& f) { f.set_enabled("Box_GroupBox", false); },
         [](Sample& t) { return !t.find<QLineEdit>("Boxed_Edit")->isEnabled(); }},
        {"read-only looks read-only", [](Form& f) { f.set_read_only("Name_Edit", true); },
         [](Sample& t) {
             auto* e = t.find<QLineEdit>("Name_Edit");
             return e->isReadOnly() &&
                    e->palette().color(QPalette::Base) == e->palette().color(QPalette::Window);
         }},
        {"combo items and index",
         [](Form& f) {
             f.set_items("Kind_ComboBox", {"X", "Y"});
             f.set_item_index("Kind_ComboBox", 1);
         },
         [](Sample& t) {
             auto* c = t.find<QComboBox>("Kind_ComboBox");
             return c->count() == 2 && c->currentText() == "Y";
         }},
        {"radio group cleared", [](Form& f) { f.set_item_index("Mode_RadioGroup", -1); },
         [](Sample& t) { return t.find<RadioGroupBox>("Mode_RadioGroup")->index() == -1; }},
        {"page caption and visibility",
         [](Form& f) {
             f.set_caption("First_TabSheet", "Front");
             f.set_visible("Second_TabSheet", false);
         },
         [](Sample& t) { return t.tabs()->tabText(0) == "Front" && !t.tabs()->isTabVisible(1); }},
        {"menu item disabled and hidden",
         [](Form& f) {
             f.set_enabled("Open_Option", false);
             f.set_visible("File_Menu", false);
         },
         [](Sample& t) {
             return !t.find<QAction>("Open_Option")->isEnabled() &&
                    !t.find<QMenu>("File_Menu")->menuAction()->isVisible();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Sample fresh;
        c.change(fresh.form);
        EXPECT_TRUE(c.shown(fresh));
    }
}

TEST_F(BinderTest, ProgramChangesRunNoUserHandler) {
    form.set_active_page("Pages_PageControl", 1);
    form.set_item_index("Kind_ComboBox", 2);
    form.set_item_index("Names_ListBox", 1);
    form.set_checked("Flag_CheckBox", true);
    form.set_item_index("Mode_RadioGroup", 1);  // the model itself runs this one, once
    EXPECT_EQ(changes["Pages_PageControl"], 0);
    EXPECT_EQ(changes["Kind_ComboBox"], 0);
    EXPECT_EQ(changes["Names_ListBox"], 0);
    EXPECT_EQ(changes["Flag_CheckBox"], 0);
    EXPECT_EQ(changes["Mode_RadioGroup"], 1);

    // Refilling a list and hiding the current tab make Qt move the selection
    // itself; the model must not hear that as the user's.
    form.set_items("Names_ListBox", {"one", "two", "three"});
    EXPECT_EQ(form.item_index("Names_ListBox"), 1);
    EXPECT_EQ(find<QListWidget>("Names_ListBox")->currentRow(), 1);
    form.set_visible("Second_TabSheet", false);
    EXPECT_EQ(form.active_page("Pages_PageControl"), 1);
    EXPECT_EQ(changes["Names_ListBox"], 0);
    EXPECT_EQ(changes["Pages_PageControl"], 0);
}

TEST_F(BinderTest, UserActionsReachTheModel) {
    QTest::keyClicks(find<QLineEdit>("Name_Edit"), "42");
    EXPECT_EQ(form.text("Name_Edit"), "42");
    EXPECT_EQ(changes["Name_Edit"], 2);  // one change a keystroke, as typing runs it

    QTest::keyClick(find<QComboBox>("Kind_ComboBox"), Qt::Key_Down);
    EXPECT_EQ(form.item_index("Kind_ComboBox"), 1);
    EXPECT_EQ(changes["Kind_ComboBox"], 1);

    QList<QRadioButton*> radios =
        find<RadioGroupBox>("Mode_RadioGroup")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    // buttons take clicks on their indicator and text only
    const QPoint indicator(6, radios[1]->height() / 2);
    QTest::mouseClick(radios[1], Qt::LeftButton, {}, indicator);
    EXPECT_EQ(form.item_index("Mode_RadioGroup"), 1);
    EXPECT_EQ(changes["Mode_RadioGroup"], 1);

    QTest::mouseClick(find<QCheckBox>("Flag_CheckBox"), Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(form.checked("Flag_CheckBox"));
    EXPECT_EQ(changes["Flag_CheckBox"], 1);

    QListWidget* list = find<QListWidget>("Names_ListBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(form.item_index("Names_ListBox"), 1);

    click_tab(1);
    EXPECT_EQ(form.active_page("Pages_PageControl"), 1);
    EXPECT_EQ(changes["Pages_PageControl"], 1);

    QTest::mouseClick(find<QPushButton>("Go_BitBtn"), Qt::LeftButton);
    EXPECT_EQ(clicks["Go_BitBtn"], 1);

    find<QAction>("Open_Option")->trigger();
    EXPECT_EQ(clicks["Open_Option"], 1);
    EXPECT_FALSE(find<QAction>("Open_Option")->isChecked());
}

TEST_F(BinderTest, RefusedPageChangeKeepsTheTab) {
    form.control("Pages_PageControl").on_changing = [] { return false; };
    click_tab(1);
    EXPECT_EQ(form.active_page("Pages_PageControl"), 0);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(changes["Pages_PageControl"], 0);
}

TEST_F(BinderTest, TypingInTheMiddleKeepsTheCursor) {
    auto* edit = find<QLineEdit>("Name_Edit");
    QTest::keyClicks(edit, "13");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, "xy");
    EXPECT_EQ(edit->text(), "xy13");
    EXPECT_EQ(form.text("Name_Edit"), "xy13");
}

TEST_F(BinderTest, AHandlerRewritingTheTextIsShown) {
    form.control("Name_Edit").on_change = [this] {
        form.set_text("Name_Edit",
                      QString::fromStdString(form.text("Name_Edit")).toUpper().toStdString());
    };
    QTest::keyClicks(find<QLineEdit>("Name_Edit"), "ab");
    EXPECT_EQ(find<QLineEdit>("Name_Edit")->text(), "AB");
}

TEST_F(BinderTest, AFailingHandlerDoesNotUnwindThroughQt) {
    form.control("Go_BitBtn").on_click = [] { throw std::runtime_error("broken handler"); };
    QTest::mouseClick(find<QPushButton>("Go_BitBtn"), Qt::LeftButton);
    QTest::keyClicks(find<QLineEdit>("Name_Edit"), "7");
    EXPECT_EQ(form.text("Name_Edit"), "7");
}

TEST_F(BinderTest, ModelFocusMovesTheKeyboardFocus) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    form.set_focus("Below_Edit");
    EXPECT_TRUE(find<QLineEdit>("Below_Edit")->hasFocus());
}

}  // namespace
