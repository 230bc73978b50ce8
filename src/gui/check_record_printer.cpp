#include "gui/check_record_printer.h"

#include "gui/report_font.h"
#include "gui/report_printer.h"
#include "report/print_sheets.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

#ifdef VORTAN_PRINT_SUPPORT
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#endif

namespace vortan::gui {

#ifdef VORTAN_PRINT_SUPPORT

namespace {

using Sheets = std::vector<std::vector<std::string>>;

// The report font at the largest size at which every line and every sheet fit the page.
QFont font_fitting(QPrinter& printer, const Sheets& sheets, const QRectF& page) {
    int columns = 1, lines = 1;
    for (const auto& sheet : sheets) {
        lines = std::max(lines, static_cast<int>(sheet.size()));
        for (const std::string& line : sheet)
            columns = std::max(columns, static_cast<int>(QString::fromStdString(line).size()));
    }
    QFont font = report_font(100);
    const QFontMetricsF metrics(font, &printer);
    const qreal across = page.width() / metrics.horizontalAdvance(QString(columns, QLatin1Char('M')));
    const qreal down = page.height() / (metrics.lineSpacing() * lines);
    font.setPixelSize(std::max(1, static_cast<int>(100 * std::min(across, down))));
    return font;
}

// The first line of each sheet is the title, in bold.
void print_sheet(QPainter& painter, const std::vector<std::string>& sheet, const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    QFont title = font;
    title.setBold(true);
    qreal y = metrics.ascent();
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        painter.setFont(i == 0 ? title : font);
        painter.drawText(QPointF(0, y), QString::fromStdString(sheet[i]));
        y += metrics.lineSpacing();
    }
}

bool print_on(QPrinter& printer, const std::vector<std::string>& lines) {
    // The core cut the sheets: only its form feeds start a new one.
    const Sheets sheets = print_sheets(lines, INT_MAX);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont font = font_fitting(printer, sheets, page);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (s > 0) printer.newPage();
        print_sheet(painter, sheets[s], font);
    }
    return painter.end();
}

void set_up(QPrinter& printer) {
    set_up_report_sheets(printer);
    printer.setDocName(QStringLiteral("Vortan Check Record"));
}

}  // namespace

bool print_check_record(QWidget* parent, const std::vector<std::string>& lines) {
    QPrinter printer(QPrinter::HighResolution);
    set_up(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return print_on(printer, lines);
}

QString export_check_record_pdf(const QString& path, const std::vector<std::string>& lines) {
    // Written beside the file and put in its place once whole, so that a
    // failed export leaves neither a half file nor a damaged older one.
    const QString part = path + QStringLiteral(".part");
    QPrinter printer(QPrinter::HighResolution);
    set_up(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    std::error_code error;
    if (print_on(printer, lines))
        std::filesystem::rename(std::filesystem::path(part.toStdU16String()),
                                std::filesystem::path(path.toStdU16String()), error);
    else
        error = std::make_error_code(std::errc::io_error);
    if (!error) return {};
    QFile::remove(part);
    return QStringLiteral("The file '%1' could not be written.").arg(path);
}

#else

bool print_check_record(QWidget*, const std::vector<std::string>&) { return false; }

QString export_check_record_pdf(const QString& path, const std::vector<std::string>&) {
    return QStringLiteral("The file '%1' could not be written: %2").arg(path, why_printing_unavailable());
}

#endif

}  // namespace vortan::gui
