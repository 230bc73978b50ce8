#include "gui/report_printer.h"

#include "gui/report_font.h"
#include "report/print_sheets.h"
#include "report/report_text.h"

#include <algorithm>

#ifdef VORTAN_PRINT_SUPPORT
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#endif

namespace vortan::gui {

namespace {
// A leading blank and 134 characters: the widest report line.
constexpr int Printed_Columns = 135;
}  // namespace

bool printing_available() {
#ifdef VORTAN_PRINT_SUPPORT
    return true;
#else
    return false;
#endif
}

QString why_printing_unavailable() {
    return QStringLiteral("This version of the program was built without print support.");
}

#ifdef VORTAN_PRINT_SUPPORT

namespace {

// The report font scaled so that Printed_Columns fill the printable width.
QFont font_fitting(QPrinter& printer, qreal width) {
    QFont font = report_font(100);
    const qreal advance = QFontMetricsF(font, &printer).horizontalAdvance(QString(Printed_Columns, QLatin1Char('M')));
    font.setPixelSize(std::max(1, static_cast<int>(100 * width / advance)));
    return font;
}

void print_sheet(QPainter& painter, const std::vector<std::string>& sheet, const QFont& font, qreal width) {
    const QFontMetricsF metrics(font, painter.device());
    QFont title = font;
    title.setBold(true);
    qreal y = metrics.ascent();
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const QString line = QString::fromStdString(sheet[i]);
        if (i == 0 && sheet[i] == Report_Title) {
            painter.setFont(title);
            const qreal title_width = QFontMetricsF(title, painter.device()).horizontalAdvance(line);
            painter.drawText(QPointF((width - title_width) / 2, y), line);
        } else {
            painter.setFont(font);
            painter.drawText(QPointF(0, y), line);
        }
        y += metrics.lineSpacing();
    }
}

}  // namespace

void set_up_report_sheets(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Vortan Report"));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

bool print_report(QWidget* parent, const std::vector<std::string>& lines) {
    QPrinter printer(QPrinter::HighResolution);
    set_up_report_sheets(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return print_lines(printer, lines);
}

bool print_lines(QPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont font = font_fitting(printer, page.width());
    const int lines_per_sheet = static_cast<int>(page.height() / QFontMetricsF(font, &printer).lineSpacing());
    const auto sheets = print_sheets(lines, lines_per_sheet);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (s > 0) printer.newPage();
        print_sheet(painter, sheets[s], font, page.width());
    }
    return painter.end();
}

#else

bool print_report(QWidget*, const std::vector<std::string>&) { return false; }

#endif

}  // namespace vortan::gui
