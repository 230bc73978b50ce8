// The main window scales its controls with its size, from the geometry they
// had at the design size, and F1 opens the help of the focused control.
#include "gui/design_scale.h"
#include "gui/main_window_view.h"

#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QDockWidget>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace vortan;
using namespace vortan::gui;

namespace {

class WindowScalingTest : public testing::Test {
protected:
    void SetUp() override {
        model.start();
        model.first_display({});
        view.show_first_time();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        set_client_size(MainWindowView::Design_Client_Size);
    }
    void set_client_size(QSize client) {
        // The dock beside the pages keeps its width; the pages take the rest.
        const int docks = view.width() - view.centralWidget()->width();
        view.resize(client.width() + docks, client.height() + view.menuBar()->sizeHint().height() +
                                                view.statusBar()->sizeHint().height());
        QApplication::processEvents();
        ASSERT_EQ(view.centralWidget()->size(), client);
    }
    // Every control the layouts place (the pages follow their page controls),
    // on every page, at its place within its parent.
    std::map<std::string, QRect> control_geometry() {
        design_scale_of(view.form_view())->lay_out_every_page();
        std::map<std::string, QRect> geometry;
        for (const Control* control : model.form().controls()) {
            if (!control->on_screen || !control->visible || control->kind == ControlKind::Page ||
                control->covers_parent)
                continue;
            QWidget* widget = view.control_widget(control->name);
            // Pages chosen by name are placed with their names as one box; the
            // names rewrap within it as it widens.
            if (widget && control->pages_chosen_by_name) widget = widget->parentWidget();
            if (widget && !widget->isHidden()) geometry[control->name] = widget->geometry();
        }
        return geometry;
    }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    MainWindowView view{model};
};

TEST_F(WindowScalingTest, TheDesignGeometryOfEveryComponentIsKept) {
    const auto& lines = model.form().items("Scaling_ListBox");
    ASSERT_EQ(lines.size(), model.form().controls().size() + 1);
    EXPECT_EQ(lines[0], "713 551 W/H Mainform1");
    const auto design = control_geometry();
    size_t index = 1;
    for (const Control* control : model.form().controls()) {
        const std::string& line = lines[index++];
        if (!control->on_screen) {
            EXPECT_EQ(line, "0") << control->name;
            continue;
        }
        if (auto found = design.find(control->name); found != design.end()) {
            const QRect& r = found->second;
            const int font = QFontInfo(view.form_view()->font()).pixelSize();
            EXPECT_EQ(line, QStringLiteral("%1 %2 %3 %4 %5 ")
                                    .arg(r.x()).arg(r.width()).arg(r.y()).arg(r.height()).arg(font)
                                    .toStdString() + control->name);
        }
    }
}

TEST_F(WindowScalingTest, DoublingTheWidthDoublesEveryLeftAndWidthAndNothingElse) {
    const auto design = control_geometry();
    ASSERT_GT(design.size(), 200u);
    const int font = QFontInfo(view.form_view()->font()).pixelSize();

    set_client_size({2 * MainWindowView::Design_Client_Size.width(), MainWindowView::Design_Client_Size.height()});
    const auto scaled = control_geometry();
    // The frames of page controls are drawn by the style, not scaled: a control
    // on a page may sit a pixel or two off the exact double.
    constexpr int Frame_Slack = 3;
    for (const auto& [name, before] : design) {
        const QRect after = scaled.at(name);
        EXPECT_NEAR(after.x(), 2 * before.x(), Frame_Slack) << name;
        EXPECT_NEAR(after.width(), 2 * before.width(), Frame_Slack) << name;
        EXPECT_EQ(after.y(), before.y()) << name;
        EXPECT_EQ(after.height(), before.height()) << name;
    }
    EXPECT_EQ(QFontInfo(view.form_view()->font()).pixelSize(), font);

    // Back at the design size, every control is where it started.
    set_client_size(MainWindowView::Design_Client_Size);
    EXPECT_EQ(control_geometry(), design);
}

TEST_F(WindowScalingTest, GrowingBothWaysGrowsTheFont) {
    const int font = QFontInfo(view.form_view()->font()).pixelSize();
    set_client_size(MainWindowView::Design_Client_Size * 2);
    EXPECT_EQ(QFontInfo(view.form_view()->font()).pixelSize(), 2 * font);
    auto* span = qobject_cast<QLineEdit*>(view.control_widget("Span_Length_Edit"));
    EXPECT_GE(span->height(), span->fontMetrics().height());
}

TEST_F(WindowScalingTest, F1OpensTheHelpOfTheFocusedControl) {
    model.form().user_select_page("Transmission_Line_PageControl", 1);
    model.form().user_select_page("Calc_Method_PageControl", 8);
    QWidget* field = view.control_widget("Swing_Required_Time_Edit");
    view.activateWindow();
    field->setFocus();
    QApplication::processEvents();
    port.clear_transcript();
    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_FALSE(port.transcript().empty());
    EXPECT_EQ(port.transcript().back(), "DIALOG help 108");
}

// The aids dock sits beside the pages: showing and hiding it (F6) widens and
// narrows the window by its width, and the pages keep their design size.
TEST_F(WindowScalingTest, TheAidsDockComesAndGoesWithoutScalingThePages) {
    auto* dock = view.findChild<QDockWidget*>(QStringLiteral("Sag_Aids_Panel"));
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(dock->isVisible());
    EXPECT_GE(dock->x(), view.centralWidget()->geometry().right());
    EXPECT_NE(dock->findChild<QWidget*>(QStringLiteral("Span_Diagram_Drawing")), nullptr);
    const int with_dock = view.width();
    view.activateWindow();
    for (bool shown : {false, true}) {
        QTest::keyClick(&view, Qt::Key_F6);
        QApplication::processEvents();
        EXPECT_EQ(dock->isVisible(), shown);
        EXPECT_EQ(model.form().checked("Show_Sag_Aids_Option"), shown);
        EXPECT_EQ(view.centralWidget()->size(), MainWindowView::Design_Client_Size) << shown;
        EXPECT_EQ(view.width() < with_dock, !shown);
    }
    // F1 in the notes or the check opens their help.
    for (auto [control, topic] : {std::pair{"Tolerance_Result_Edit", "302"}, {"Span_Diagram_Drawing", "300"}}) {
        QWidget* widget = view.findChild<QWidget*>(QString::fromLatin1(control));
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->setFocus();
        QApplication::processEvents();
        port.clear_transcript();
        QTest::keyClick(widget, Qt::Key_F1);
        ASSERT_FALSE(port.transcript().empty()) << control;
        EXPECT_EQ(port.transcript().back(), std::string("DIALOG help ") + topic) << control;
    }
}

}  // namespace
