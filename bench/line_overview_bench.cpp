// The line overview of 10,000 sag-spans and 100,000 cable sags, offscreen:
// the first display, the refresh after a cable sag is preserved or added, a
// sort by the check column, a filter and a preserve under both. Each is a
// pause the user would see. Then the same for a line whose every cable sag was checked, where each verdict
// needs the sag's band.
#include "bench_clock.h"
#include "synthetic_line.h"

#include "gui/line_overview_model.h"
#include "gui/line_overview_view.h"
#include "mainwindow/main_window.h"
#include "mainwindow/record_transfer.h"
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
    // A preserve stores its record as the program does: in place when the
    // cable sag is known, at the end when it is new.
    // The overview's own part, the refresh, is timed apart from the store.
    double stored = 0;
    auto preserved = [&](const std::string& record) {
        stored += seconds_of([&] { store_cable_sag_record(window.form(), record); });
        return seconds_of([] { QApplication::processEvents(); });
    };
    auto record = [&](int span, int position) {
        return checked ? checked_cable_sag(span, position) : cable_sag(span, position);
    };
    std::string edited = record(Sag_Spans / 2, 1);
    edited.replace(edited.find("07-Dec-2026"), 11, "08-Dec-2026");
    const double refreshed = preserved(edited);
    const double added = preserved(record(Sag_Spans / 3, Cable_Sags_Per_Span));
    const double sorted = seconds_of([&] {
        view.tree()->sortByColumn(2, Qt::DescendingOrder);
        QApplication::processEvents();
    });
    auto* filter = view.findChild<QLineEdit*>(QStringLiteral("lineOverviewFilter"));
    const double filtered = seconds_of([&] {
        filter->setText(QStringLiteral("T9999"));
        QApplication::processEvents();
    });
    // Preserved again with the sort and the filter on: the one row moves into place.
    edited.replace(edited.find("08-Dec-2026"), 11, "09-Dec-2026");
    const double resorted = preserved(edited);
    std::printf("line overview of %d sag-spans and %d %s cable sags\n", Sag_Spans, Sag_Spans * Cable_Sags_Per_Span,
                checked ? "checked" : "sagged");
    std::printf("first shown: %.3f s\nrefreshed after a preserve: %.3f s\n", shown, refreshed);
    std::printf("refreshed after a new cable sag: %.3f s\n", added);
    std::printf("sorted by the check: %.3f s\nfiltered: %.3f s\n", sorted, filtered);
    std::printf("preserved again, sorted and filtered: %.3f s\n", resorted);
    std::printf("the three records stored: %.3f s\n", stored);
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
