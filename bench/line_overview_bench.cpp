// The line overview of 10,000 sag-spans and 100,000 cable sags, offscreen:
// the first display, the refresh after a cable sag is preserved, a sort by
// the check column and a filter. Each is a pause the user would see. Then
// the same for a line whose every cable sag was checked, where each verdict
// needs the sag's band.
#include "bench_clock.h"
#include "synthetic_line.h"

#include "gui/line_overview_model.h"
#include "gui/line_overview_view.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>

using namespace vortan;
using namespace vortan::bench;

namespace {

// The four pauses on a line of sagged or of checked cable sags.
bool run(bool checked) {
    ScriptedPort port;
    SetupEditor setup;
    MainWindow window(port, setup);
    window.start();
    given_setup(setup.form());
    given_line(window.form(), checked);

    gui::LineOverviewView view(window);
    view.resize(300, 700);
    const double shown = seconds_of([&] {
        view.show();
        QApplication::processEvents();
    });
    std::vector<std::string> cables = window.form().items("Cable_Bundle_Record_Listbox");
    cables.back() = checked ? checked_cable_sag(Sag_Spans, 0) : cable_sag(Sag_Spans, 0);
    const double refreshed = seconds_of([&] {
        window.form().set_items("Cable_Bundle_Record_Listbox", std::move(cables));
        QApplication::processEvents();
    });
    const double sorted = seconds_of([&] {
        view.tree()->sortByColumn(2, Qt::DescendingOrder);
        QApplication::processEvents();
    });
    auto* filter = view.findChild<QLineEdit*>(QStringLiteral("lineOverviewFilter"));
    const double filtered = seconds_of([&] {
        filter->setText(QStringLiteral("T9999"));
        QApplication::processEvents();
    });
    // One cable sag preserved again: only its verdict is worked out anew.
    cables = window.form().items("Cable_Bundle_Record_Listbox");
    cables[cables.size() / 2] = checked ? checked_cable_sag(Sag_Spans / 2, 1) : cable_sag(Sag_Spans / 2, 1);
    const double resorted = seconds_of([&] {
        window.form().set_items("Cable_Bundle_Record_Listbox", std::move(cables));
        QApplication::processEvents();
        view.tree()->sortByColumn(2, Qt::AscendingOrder);
        QApplication::processEvents();
    });
    std::printf("line overview of %d sag-spans and %d %s cable sags\n", Sag_Spans, Sag_Spans * Cable_Sags_Per_Span,
                checked ? "checked" : "sagged");
    std::printf("first shown: %.3f s\nrefreshed after a preserve: %.3f s\n", shown, refreshed);
    std::printf("sorted by the check: %.3f s\nfiltered: %.3f s\n", sorted, filtered);
    std::printf("preserved again and sorted by the check: %.3f s\n", resorted);
    return view.model()->rowCount() == Sag_Spans;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const bool sagged = run(false);
    const bool checked = run(true);
    return sagged && checked ? 0 : 1;
}
