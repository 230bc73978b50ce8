// The Stringing Charts window over a three-span line: what is typed or filled
// is kept with the project, the table is the core's chart, strain structures
// split sections, bad entries are refused with the stored value kept.
#include "gui/main_window_view.h"
#include "gui/stringing_window.h"

#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "stringing/schedule_text.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vortan;
using namespace vortan::gui;
using namespace vortan::stringing;

namespace {

class StringingWindowTest : public testing::Test {
protected:
    void SetUp() override {
        setup.form().set_items(setup_list::Code_Names, {"Drake\t\t\t1627\t28.14\t"});
        model.start();
        model.form().set_items("Pole_Data_Listbox",
                               {"1\tT1\tT2\t300\t-1\t", "2\tT2\tT3\t420\t-1\t", "3\tT3\tT4\t260\t-1\t"});
        model.form().set_checked("Data_Changed_Since_Load_CheckBox", false);
        view = std::make_unique<MainWindowView>(model);
        window = view->open_stringing_window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    template <typename Widget>
    Widget* find(const char* name) {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void type(const char* field, const char* text) {
        QLineEdit* edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();  // the window rereads the project at the next turn
    }
    void drake_designed_at(const char* tension) {
        find<QPushButton>("Stringing_Catalogue_Fill_Button")->click();
        QApplication::processEvents();
        type("Stringing_Tension_Edit", tension);
        type("Stringing_Design_Temperature_Edit", "15");
        type("Stringing_Creep_Edit", "10");
    }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
    StringingWindow* window = nullptr;
};

TEST_F(StringingWindowTest, WhatIsTypedIsKeptAndTheTableIsTheCoresChart) {
    // The catalogue conductor of the code name's own name comes first.
    EXPECT_EQ(find<QComboBox>("Stringing_Catalogue_ComboBox")->currentData().toString(), "Drake");
    drake_designed_at("30");
    const StringingData data = model.stringing_data();
    ASSERT_NE(data.mechanics("Drake"), nullptr);
    EXPECT_DOUBLE_EQ(data.mechanics("Drake")->area_mm2, 468.5);
    ASSERT_NE(data.design("T1", "Drake"), nullptr);
    EXPECT_DOUBLE_EQ(data.design("T1", "Drake")->condition.tension, 30000);
    EXPECT_DOUBLE_EQ(data.design("T1", "Drake")->condition.creep_c, 10);
    EXPECT_TRUE(model.form().checked("Data_Changed_Since_Load_CheckBox"));

    const LineSchedule schedule = model.line_schedule();
    const SectionChart* chart = chart_for(schedule, 0, "Drake");
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(chart->problem.empty());
    auto* table = find<QTableWidget>("Stringing_Table");
    auto* state = find<QComboBox>("Stringing_State_ComboBox");
    for (const CableAge age : {CableAge::Initial, CableAge::Final}) {
        state->setCurrentIndex(age == CableAge::Initial ? 0 : 1);
        emit state->activated(state->currentIndex());
        ASSERT_EQ(table->rowCount(), 4);  // the tension row and three spans
        int column = 1;
        for (const ChartPoint& point : chart->chart.points) {
            if (point.age != age) continue;
            EXPECT_EQ(table->item(0, column)->text(), QString::number(point.tension_n / 1000, 'f', 2));
            for (int span = 0; span < 3; ++span)
                EXPECT_TRUE(table->item(span + 1, column)->text().startsWith(QString::number(point.sag_m[span], 'f', 2)))
                    << table->item(span + 1, column)->text().toStdString();
            ++column;
        }
        EXPECT_EQ(column, table->columnCount());
    }
}

TEST_F(StringingWindowTest, BadEntriesAreRefusedAndTheStoredValueKept) {
    drake_designed_at("30");
    const StringingData before = model.stringing_data();
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"Stringing_Area_Edit", "abc", "'abc' is not a number"},
        {"Stringing_Tension_Edit", "-3", "The design tension must be more than 0."},
        {"Stringing_Chart_Step_Edit", "0", "The temperature step must be more than 0."},
        {"Stringing_Chart_To_Edit", "-20", "from a lower to a higher temperature"},
        {"Stringing_Chart_Step_Edit", "0.5", "more than 61 temperatures"},
        {"Stringing_Expansion_Edit", "0.0000189", "type 18.9 for 18.9 x 10^-6"},
        {"Stringing_Modulus_Edit", "74000", "between 20 and 250 GPa"},
    };
    for (const auto& c : cases) {
        const size_t messages = port.messages().size();
        const QString shown = find<QLineEdit>(c.field)->text();
        type(c.field, c.text);
        ASSERT_EQ(port.messages().size(), messages + 1) << c.field;
        EXPECT_NE(port.messages().back().find(c.message), std::string::npos) << port.messages().back();
        EXPECT_EQ(find<QLineEdit>(c.field)->text(), shown);
        EXPECT_EQ(stringing_data_lines(model.stringing_data()), stringing_data_lines(before));
    }
}

TEST_F(StringingWindowTest, ImperialEntriesAreStoredSi) {
    model.setup_opened();
    setup.form().set_item_index("Units_of_Measure_RadioGroup", 1);
    model.setup_closed();
    QApplication::processEvents();
    drake_designed_at("6000");  // lbf, at 15 °F, creep 10 °F
    const DesignCondition design = model.stringing_data().design("T1", "Drake")->condition;
    EXPECT_NEAR(design.tension, 6000 * 4.4482216152605, 1e-6);
    EXPECT_NEAR(design.temperature_c, (15 - 32) / 1.8, 1e-9);
    EXPECT_NEAR(design.creep_c, 10 / 1.8, 1e-9);
    EXPECT_EQ(find<QLineEdit>("Stringing_Area_Edit")->text(), "0.7262");  // in²
}

TEST_F(StringingWindowTest, AStrainStructureSplitsTheSectionAndCsvHasTheCoresLines) {
    drake_designed_at("30");
    auto* strains = find<QListWidget>("Stringing_Strain_List");
    ASSERT_EQ(strains->count(), 4);  // T1 to T4
    strains->item(2)->setCheckState(Qt::Checked);  // T3
    QApplication::processEvents();
    EXPECT_TRUE(model.stringing_data().is_strain("T3"));
    EXPECT_EQ(model.line_schedule().sections.size(), 2u);
    EXPECT_EQ(find<QComboBox>("Stringing_Section_ComboBox")->count(), 2);

    QTemporaryDir folder;
    const QString path = folder.filePath("chart.csv");
    EXPECT_EQ(window->export_csv(path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains('\r'));
    QStringList expected;
    for (const std::string& line : schedule_csv(model.line_schedule(), 1)) expected << QString::fromStdString(line);
    EXPECT_TRUE(expected.front().startsWith("section,code_name,span,"));
    EXPECT_EQ(text, expected.join('\n') + '\n');
    EXPECT_EQ(expected.size(), 1 + 2 * 13 * 2);  // two spans, 13 temperatures, both states
}

}  // namespace
