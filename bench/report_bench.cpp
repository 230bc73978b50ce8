// Builds the sag report of a project of 10,000 sag-spans with 10 cable sags
// each, as the Report command does, and times it. With the Qt layer it also
// times the report window taking the text.
#include "bench_clock.h"
#include "synthetic_line.h"
#include "project/setup_lists.h"
#include "report/sag_report.h"
#include "report/report_text.h"
#include "setup/setup_editor.h"

#ifdef VORTAN_BENCH_GUI
#include "gui/report_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace vortan;
using namespace vortan::bench;

int main(int argc, char** argv) {
    SetupEditor setup;
    given_setup(setup.form());
    Form main_window;
    main_window.add(ControlKind::ListBox, "Pole_Data_Listbox");
    main_window.add(ControlKind::ListBox, "Cable_Bundle_Record_Listbox");
    given_line(main_window);

    SagReport report;
    const std::string stamp = report_time_stamp(DateTime{});
    const double metric = bench::seconds_of([&] { report = build_sag_report(main_window, setup.form(), {}, stamp); });
    std::printf("report of %d sag-spans, %zu data lines, %zu text lines\n", Sag_Spans, report.data_lines.size(),
                report.text.size());
    std::printf("lines built, metric: %.3f s\n", metric);
    setup.form().set_item_index("Sort_Report_Data_RadioGroup", 1);
    setup.form().set_item_index("Units_of_Measure_RadioGroup", 1);
    const double imperial = bench::seconds_of([&] { report = build_sag_report(main_window, setup.form(), {}, stamp); });
    std::printf("lines built, imperial and sorted: %.3f s\n", imperial);

#ifdef VORTAN_BENCH_GUI
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    gui::ReportWindow window;
    const double taken = bench::seconds_of([&] { window.set_lines(report.text); });
    const double shown = bench::seconds_of([&] {
        window.show();
        QApplication::processEvents();
    });
    // The rest arrives between window events: the longest step is the longest
    // the window cannot answer.
    double longest_step = 0;
    const double complete = bench::seconds_of([&] {
        while (!window.fully_loaded())
            longest_step = std::max(longest_step, bench::seconds_of([] { QApplication::processEvents(); }));
    });
    std::printf("report window takes the first pages: %.3f s\nreport window shown: %.3f s\n", taken, shown);
    std::printf("rest of the text loaded in %.3f s, longest step %.3f s\n", complete, longest_step);
    return window.results()->document()->blockCount() == static_cast<int>(report.text.size()) ? 0 : 1;
#else
    (void)argc;
    (void)argv;
    return report.data_lines.size() == static_cast<std::size_t>(Sag_Spans * Cable_Sags_Per_Span) ? 0 : 1;
#endif
}
