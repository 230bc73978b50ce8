// The line overview beside the pages: it follows what is stored at once, and
// a click on a row goes there as Jump to Span does, asking about edits first.
#include "gui/line_overview_model.h"
#include "gui/main_window_view.h"

#include "mainwindow/main_window.h"
#include "project/setup_lists.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFileDialog>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

using namespace vortan;
using namespace vortan::gui;

namespace {

class LineOverviewTest : public testing::Test {
protected:
    void SetUp() override {
        Form& s = setup.form();
        s.set_items(setup_list::Structure_Types, {"Tower"});
        s.set_items(setup_list::Cable_Positions, {"Top", "Earth"});
        s.set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t\t"});
        s.set_items(setup_list::Combinations, {"0\t0\t0\t", "0\t1\t0\t"});
        model.start();
        view = std::make_unique<MainWindowView>(model);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        tree = view->findChild<QTreeView*>(QStringLiteral("lineOverviewTree"));
        ASSERT_NE(tree, nullptr);
        port.set_default_answer(Answer::Yes);
    }
    Form& form() { return model.form(); }
    // A span with a checked pendulum cable sag at the top position, preserved.
    void given_span(const char* near_name, const char* far_name, const char* swing_time) {
        form().user_type("From_Tower_Edit", near_name);
        form().user_type("To_Tower_Edit", far_name);
        form().user_type("Span_Length_Edit", "300");
        form().user_select("Sag_New_or_Existing_RadioGroup", 1);
        for (auto [field, text] : {std::pair{"Upper_Temperature_Degrees_Edit", "20"}, {"Upper_Sag_Edit", "10"},
                                   {"Lower_Temperature_Degrees_Edit", "10"}, {"Lower_Sag_Edit", "9"},
                                   {"Actual_Cable_Temperature_Edit", "15"}})
            form().user_type(field, text);
        form().user_select_page("Calc_Method_PageControl", 8);
        form().user_type("Swing_Number_of_Swings_Edit", "5");
        form().user_type("Swing_Actual_Time_Edit", swing_time);
        form().user_click("Commit_Cable_Bundle_Changes_BitBtn");
        form().user_click("Next_Tower_BitBtn");
    }
    QAbstractItemModel* rows() {
        QApplication::processEvents();  // the overview follows at the next turn of the event loop
        return tree->model();
    }
    QString cell(int span, int cable, int column) {
        QModelIndex parent = rows()->index(span, 0);
        return (cable < 0 ? rows()->index(span, column) : rows()->index(cable, column, parent)).data().toString();
    }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow model{port, setup};
    std::unique_ptr<MainWindowView> view;
    QTreeView* tree = nullptr;
};

TEST_F(LineOverviewTest, FollowsPreserveDeleteAndUnitSwitch) {
    EXPECT_EQ(rows()->rowCount(), 0);
    given_span("T1", "T2", "27.7");  // within the tolerance, but not by the band of 5 swings timed
    given_span("T2", "T3", "29.5");  // some 13 % deep: fails
    ASSERT_EQ(rows()->rowCount(), 2);
    EXPECT_EQ(cell(0, -1, 0), "T1 - T2");
    EXPECT_EQ(cell(0, 0, 0), "Top");
    EXPECT_EQ(cell(0, 0, 2), "INCONCLUSIVE");
    EXPECT_TRUE(cell(0, 0, 4).startsWith(QStringLiteral("\u00B1 0.")));
    EXPECT_TRUE(rows()->index(0, 0, rows()->index(0, 0)).data(LineOverviewModel::Inconclusive_Role).toBool());
    EXPECT_EQ(cell(1, 0, 2), "FAIL");
    EXPECT_TRUE(rows()->index(0, 0, rows()->index(1, 0)).data(LineOverviewModel::Failing_Role).toBool());
    EXPECT_EQ(rows()->headerData(1, Qt::Horizontal).toString(), "Span (m)");
    // Filtering by text keeps a failing cable sag and its span.
    auto* filter = view->findChild<QLineEdit*>(QStringLiteral("lineOverviewFilter"));
    for (const char* verdict : {"fail", "inconc"}) {
        filter->setText(verdict);
        EXPECT_EQ(rows()->rowCount(), 1) << verdict;
    }
    filter->clear();
    // Imperial units: the headings and the lengths at once.
    model.setup_opened();
    setup.form().set_item_index("Units_of_Measure_RadioGroup", 1);
    model.setup_closed();
    EXPECT_EQ(rows()->headerData(1, Qt::Horizontal).toString(), "Span (ft)");
    EXPECT_EQ(cell(0, -1, 1), "984.30");
    // A deleted span goes, with its cable sags.
    model.First_Tower_BitBtnClick();
    rows();
    // The span and cable sag the window shows are the overview's current row.
    EXPECT_EQ(tree->currentIndex(), rows()->index(0, 0, rows()->index(0, 0)));
    form().user_click("Delete_Curr_Span_Details_BitBtn");
    ASSERT_EQ(rows()->rowCount(), 1);
    EXPECT_EQ(cell(0, -1, 0), "T2 - T3");
}

TEST_F(LineOverviewTest, AClickAsksAboutEditsAsJumpToSpanDoes) {
    given_span("T1", "T2", "27.7");
    given_span("T2", "T3", "27.7");
    model.First_Tower_BitBtnClick();
    form().user_type("To_Tower_Edit", "T2A");
    port.clear_transcript();
    port.set_default_answer(Answer::No);
    const QModelIndex second = rows()->index(1, 0);
    tree->scrollTo(second);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(second).center());
    ASSERT_EQ(port.messages().size(), 1u);
    EXPECT_EQ(port.messages()[0], "Preserve Sag-Span data changes ?");
    EXPECT_EQ(model.span_number(), 2);
    EXPECT_EQ(form().text("From_Tower_Edit"), "T2");
    EXPECT_EQ(form().items("Pole_Data_Listbox")[0], "1\tT1\tT2\t300\t-1\t");  // No dropped the edit
    // Enter on a cable sag's row goes to it too.
    tree->setCurrentIndex(rows()->index(0, 0, rows()->index(0, 0)));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(model.span_number(), 1);
    EXPECT_EQ(form().text("Swing_Actual_Time_Edit"), "27.7");
}

// The CSV export offers the folder of the project open, writes every row
// with its verdict, and the status line says what was written where.
TEST_F(LineOverviewTest, ExportsToTheProjectsFolderAndSaysWhere) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "vortan-overview-export";
    fs::remove_all(folder);
    fs::create_directories(folder);
    given_span("T1", "T2", "29.5");
    form().set_text("Load_Save_File_Edit", (folder / "line.vtn").string());
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->directory().absolutePath();
        dialog->selectFile(QString::fromStdString((folder / "overview.csv").string()));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    view->findChild<QToolButton*>(QStringLiteral("lineOverviewExport"))->click();
    EXPECT_EQ(offered.toStdString(), folder.string());
    std::ifstream written(folder / "overview.csv");
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_NE(text.str().find(",FAIL,"), std::string::npos) << text.str();
    EXPECT_EQ(form().text("Status_Bar_Panel"), "Written: " + (folder / "overview.csv").string());
    fs::remove_all(folder);
}

// Seeded edits of the records, alone or several before one refresh: the
// overview follows them row by row (or resets, for what it cannot follow),
// the model's signals stay sound for a sorted, filtered proxy, and every
// cell equals that of an overview built afresh. A failure prints the seed and
// the edits up to the first wrong refresh.
TEST(LineOverviewFollowing, EveryEditEndsAsAFreshOverview) {
    constexpr const char* Spans = "Pole_Data_Listbox";
    constexpr const char* Cables = "Cable_Bundle_Record_Listbox";
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        auto below = [&](size_t n) { return static_cast<size_t>(random() % std::max<size_t>(n, 1)); };
        ScriptedPort port;
        SetupEditor setup;
        setup.form().set_items(setup_list::Cable_Positions, {"Top", "Middle", "Bottom"});
        setup.form().set_items(setup_list::Code_Names, {"Wolf\t\t\t726\t18.1\t"});
        MainWindow window(port, setup);
        window.start();
        Form& form = window.form();
        LineOverviewModel model(window);
        QAbstractItemModelTester model_tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.setRecursiveFilteringEnabled(true);
        sorted.setFilterKeyColumn(static_cast<int>(OverviewColumn::Date));
        sorted.setFilterFixedString(QStringLiteral("5"));
        sorted.sort(static_cast<int>(OverviewColumn::Actual_Sag));
        QAbstractItemModelTester sorted_tester(&sorted, QAbstractItemModelTester::FailureReportingMode::Fatal);
        int stamp = 0;
        // A span number past the end or 0 belongs to no sag-span.
        auto cable_sag = [&](size_t span) {
            std::string record = std::to_string(span) + "\t0\t0\t0\t" + std::to_string(span % 2) + "\t" +
                                 std::to_string(below(3)) + "\t0\t0\t" + std::to_string(++stamp) + "-Dec-2026\t";
            for (int field = 10; field <= 17; ++field) record += field == 17 ? "9.50\t" : "0\t";
            return record + std::to_string(8 + below(300) / 100.0) + "\t8\t";
        };
        auto sag_span = [&](size_t n) {
            return std::to_string(n) + "\tT" + std::to_string(n) + "\tT" + std::to_string(n + 1) + "\t" +
                   std::to_string(200 + below(200)) + "\t-1\t";
        };
        auto any_span = [&] { return below(form.items(Spans).size() + 2); };
        std::vector<std::string> log;
        auto edit = [&] {
            std::vector<std::string> cables = form.items(Cables), spans = form.items(Spans);
            const size_t at = below(cables.size() + 1), count = 1 + below(4);
            switch (below(9)) {
            case 0:  // a cable sag preserved again, or a new one
                form.set_item(Cables, below(cables.size()), cable_sag(cables.empty() ? 1 : below(spans.size()) + 1));
                return "cable sag " + std::to_string(at) + " preserved";
            case 1: form.set_item(Cables, cables.size(), cable_sag(any_span())); return std::string("cable sag added");
            case 2:  // moved under another sag-span
                if (!cables.empty()) form.set_item(Cables, at % cables.size(), cable_sag(any_span()));
                return "cable sag " + std::to_string(at) + " moved";
            case 3:
                cables.erase(cables.begin() + static_cast<long>(at), cables.begin() + static_cast<long>(std::min(at + count, cables.size())));
                form.set_items(Cables, cables);
                return "cable sags " + std::to_string(at) + "+" + std::to_string(count) + " deleted";
            case 4:
                for (size_t n = 0; n < count; ++n) cables.insert(cables.begin() + static_cast<long>(at), cable_sag(any_span()));
                form.set_items(Cables, cables);
                return "cable sags " + std::to_string(at) + "+" + std::to_string(count) + " inserted";
            case 5:
                form.set_item(Spans, below(spans.size()), sag_span(below(spans.size()) + 1));
                return std::string("sag-span preserved");
            case 6: form.set_item(Spans, spans.size(), sag_span(spans.size() + 1)); return std::string("sag-span added");
            case 7:
                if (!spans.empty()) spans.erase(spans.begin() + static_cast<long>(below(spans.size())));
                form.set_items(Spans, spans);
                return std::string("sag-span deleted");
            default:
                setup.form().set_text("Sag_Tolerance_Percent_Edit", std::to_string(1 + below(5)));
                return std::string("tolerance changed");
            }
        };
        for (int step = 0; step < 120; ++step) {
            for (size_t n = 0, edits = 1 + below(3); n < edits; ++n) log.push_back(edit());
            model.refresh();
            const LineOverview fresh(form, setup.form(), window.numbers());
            std::string wrong;
            if (model.rowCount() != fresh.span_count()) wrong = "sag-span rows";
            for (int span = 0; wrong.empty() && span < fresh.span_count(); ++span) {
                const QModelIndex parent = model.index(span, 0);
                if (model.rowCount(parent) != fresh.cable_sag_count(span)) wrong = "rows of sag-span " + std::to_string(span);
                for (int cable = -1; wrong.empty() && cable < fresh.cable_sag_count(span); ++cable)
                    for (int column = 0; wrong.empty() && column < Overview_Column_Count; ++column) {
                        const QModelIndex cell = cable < 0 ? model.index(span, column) : model.index(cable, column, parent);
                        if (cell.data().toString().toStdString() != fresh.text(span, cable, static_cast<OverviewColumn>(column)))
                            wrong = "cell " + std::to_string(span) + "/" + std::to_string(cable) + "/" +
                                    std::to_string(column) + " \"" + cell.data().toString().toStdString() + "\" not \"" +
                                    fresh.text(span, cable, static_cast<OverviewColumn>(column)) + "\"";
                    }
            }
            if (!wrong.empty()) {
                std::string edits;
                for (const std::string& line : log) edits += "\n  " + line;
                FAIL() << "seed " << seed << ": " << wrong << " wrong after" << edits;
            }
            log.push_back("-- refreshed");
        }
    }
}

}  // namespace
