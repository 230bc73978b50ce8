// The setup editor as a user meets it: opened from the main window, a
// structure type added through the real input box, closed with OK.
#include "gui/main_window_view.h"
#include "gui/qt_user_port.h"
#include "gui/setup_editor_dialog.h"

#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "setup/vertical_circle.h"
#include "calc/angle_entry.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

using namespace vortan;
using namespace vortan::gui;

namespace {

// Runs `step` once the modal widget of the given type is up, from inside its event loop.
template <class Modal>
void when_shown(std::function<void(Modal*)> step) {
    QTimer::singleShot(20, [step] {
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget()))
            step(modal);
        else
            when_shown<Modal>(step);
    });
}

class SetupEditorDialogTest : public testing::Test {
protected:
    void SetUp() override {
        port.set_parent_window(&view);
        model.show_setup_editor = [this] {
            DialogSize size = model.setup_editor_size();
            dialog.run(size);
            model.set_setup_editor_size(size);
        };
        setup.form().set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        setup.form().set_items(setup_list::Cable_Positions, {"Top"});
        model.start();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    template <class W>
    W* in_dialog(const char* name) {
        W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QtUserPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    MainWindowView view{model};
    SetupEditorDialog dialog{setup, &view};
};

TEST_F(SetupEditorDialogTest, AStructureTypeAddedThroughTheInputBoxReachesTheMainWindow) {
    bool typed = false;
    when_shown<SetupEditorDialog>([&](SetupEditorDialog*) {
        auto* tabs = in_dialog<QTabWidget>("Settings_PageControl");
        EXPECT_EQ(tabs->count(), 6);
        EXPECT_EQ(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(setup_page::Structure_Details);
        when_shown<QInputDialog>([&](QInputDialog* input) {
            EXPECT_EQ(input->windowTitle(), "Add new Structure Type :");
            input->setTextValue(QStringLiteral("Suspension"));
            input->accept();
            typed = true;
        });
        QTest::mouseClick(in_dialog<QPushButton>("Add_Structure_Type_BitBtn"), Qt::LeftButton);
        auto* list = in_dialog<QListWidget>(setup_list::Structure_Types);
        EXPECT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), "Suspension");
        // The main window offers what a combination allows: Suspension, Top, Wolf.
        for (const char* name : {setup_list::Structure_Types, setup_list::Cable_Positions, setup_list::Code_Name_Names})
            in_dialog<QListWidget>(name)->setCurrentRow(0);
        QTest::mouseClick(in_dialog<QPushButton>("Add_Combination_BitBtn"), Qt::LeftButton);
        EXPECT_EQ(setup.form().items(setup_list::Combinations), std::vector<std::string>{"0\t0\t0\t"});
        QTest::mouseClick(in_dialog<QPushButton>("Setup_OK_BitBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(view.findChild<QPushButton*>("Settings_BitBtn"), Qt::LeftButton);
    EXPECT_TRUE(typed);
    EXPECT_FALSE(dialog.isVisible());
    auto* types = view.findChild<QComboBox*>("Cable_Type_ComboBox");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 1);
    EXPECT_EQ(types->itemText(0), "Suspension");
    EXPECT_TRUE(model.form().checked("Data_Changed_Since_Load_CheckBox"));
}

TEST_F(SetupEditorDialogTest, TheTabStyleReachesEveryTabSetAtOnce) {
    when_shown<SetupEditorDialog>([&](SetupEditorDialog*) {
        setup.form().user_select("Tab_Style_RadioGroup", 1);
        EXPECT_TRUE(in_dialog<QTabWidget>("Settings_PageControl")->documentMode());
        QTest::mouseClick(in_dialog<QPushButton>("Setup_OK_BitBtn"), Qt::LeftButton);
    });
    model.form().user_click("Settings_BitBtn");
    EXPECT_TRUE(view.findChild<QTabWidget*>("Transmission_Line_PageControl")->documentMode());
}

// The first opening shows every page whole; later ones open at the size the
// user left, which the settings keep between runs.
TEST_F(SetupEditorDialogTest, OpensShowingEveryPageThenAtTheSizeLeft) {
    when_shown<SetupEditorDialog>([&](SetupEditorDialog* shown) {
        auto* tabs = in_dialog<QTabWidget>("Settings_PageControl");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            auto* scroller = qobject_cast<QScrollArea*>(tabs->currentWidget());
            EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << page;
            EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << page;
        }
        shown->resize(shown->size() - QSize(40, 30));
        QTest::mouseClick(in_dialog<QPushButton>("Setup_OK_BitBtn"), Qt::LeftButton);
    });
    model.form().user_click("Settings_BitBtn");
    const DialogSize left = model.setup_editor_size();
    when_shown<SetupEditorDialog>([&](SetupEditorDialog* shown) {
        EXPECT_EQ(shown->size(), QSize(left.width, left.height));
        QTest::mouseClick(in_dialog<QPushButton>("Setup_OK_BitBtn"), Qt::LeftButton);
    });
    model.form().user_click("Settings_BitBtn");
}

// The three vertical circles share one frame, so that Qt keeps one chosen as
// the model does; each circle's graduation is painted under its button and
// grows with the window. VORTAN_SCREENSHOT=FILE.png saves the page as the
// program shows it, VORTAN_SCREENSHOT_LARGE=FILE.png enlarged by half.
TEST_F(SetupEditorDialogTest, TheTheodolitePageKeepsOneCircleAndDrawsEach) {
    when_shown<SetupEditorDialog>([&](SetupEditorDialog* shown) {
        shown->size_for_opening(std::nullopt);
        in_dialog<QTabWidget>("Settings_PageControl")->setCurrentIndex(setup_page::Theodolite_Settings);
        auto* zenith = in_dialog<QRadioButton>("Zenith_RadioButton");
        auto* nadir = in_dialog<QRadioButton>("Nadir_RadioButton");
        EXPECT_EQ(zenith->parentWidget(), in_dialog<QRadioButton>("Altitude_RadioButton")->parentWidget());
        EXPECT_EQ(zenith->parentWidget(), nadir->parentWidget());
        const QPoint indicator(8, nadir->height() / 2);
        QTest::mouseClick(nadir, Qt::LeftButton, {}, indicator);
        QTest::mouseClick(nadir, Qt::LeftButton, {}, indicator);  // clicking the chosen one keeps it
        EXPECT_TRUE(nadir->isChecked());
        EXPECT_FALSE(zenith->isChecked());
        EXPECT_EQ(vertical_circle(setup.form()), VerticalCircle::Nadir);
        const char* drawings[] = {"Zenith_Graduation_Drawing", "Altitude_Graduation_Drawing", "Nadir_Graduation_Drawing"};
        auto widths = [&] {
            std::vector<int> found;
            for (const char* drawing : drawings) found.push_back(in_dialog<QWidget>(drawing)->width());
            return found;
        };
        QApplication::processEvents();
        if (const char* file = std::getenv("VORTAN_SCREENSHOT")) shown->grab().save(QString::fromLocal8Bit(file));
        const std::vector<int> shown_widths = widths();
        for (size_t i = 0; i < 3; ++i) {
            // The accepted half of face left is painted: the shapes were read.
            const QImage image = in_dialog<QWidget>(drawings[i])->grab().toImage();
            int blue = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    blue += qBlue(image.pixel(x, y)) > 100 && qRed(image.pixel(x, y)) < 80;
            EXPECT_GT(blue, 50) << drawings[i];
            EXPECT_GE(shown_widths[i], shown->width() / 4) << drawings[i];
            const QRect button = in_dialog<QWidget>(Circle_Buttons[i])->geometry();
            const QRect drawing = in_dialog<QWidget>(drawings[i])->geometry();
            EXPECT_TRUE(drawing.left() == button.left() && drawing.top() > button.bottom()) << drawings[i];
        }
        shown->setFixedSize(shown->size() * 3 / 2);
        QApplication::processEvents();
        for (size_t i = 0; i < 3; ++i) EXPECT_GT(widths()[i], shown_widths[i] * 5 / 4) << drawings[i];
        if (const char* large = std::getenv("VORTAN_SCREENSHOT_LARGE")) shown->grab().save(QString::fromLocal8Bit(large));
        QTest::mouseClick(in_dialog<QPushButton>("Setup_OK_BitBtn"), Qt::LeftButton);
    });
    model.form().user_click("Settings_BitBtn");
}

}  // namespace
