#include "gui/stringing_printout.h"

#include "gui/report_printer.h"

#ifdef VORTAN_PRINT_SUPPORT
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#endif

#include <algorithm>

namespace vortan::gui {

#ifdef VORTAN_PRINT_SUPPORT

namespace {

// Lays the printout down the sheets, starting a new one when what comes next
// does not fit.
class SheetWriter {
public:
    SheetWriter(QPrinter& printer, QPainter& painter)
        : printer_(printer), painter_(painter), page_(printer.pageLayout().paintRectPixels(printer.resolution())) {
        QFont font(QStringLiteral("Sans Serif"));
        font.setPixelSize(std::max(1, static_cast<int>(page_.height() / 48)));  // some 4 mm on A4
        painter_.setFont(font);
        line_ = QFontMetricsF(font, &printer).lineSpacing();
    }
    qreal line() const { return line_; }
    qreal room() const { return page_.bottom() - y_; }
    void new_sheet() {
        printer_.newPage();
        y_ = page_.top();
    }
    void text(const QString& text, bool bold = false) {
        if (room() < line_) new_sheet();
        QFont font = painter_.font();
        font.setBold(bold);
        painter_.setFont(font);
        painter_.drawText(QPointF(page_.left(), y_ + line_ * 0.8), text);
        font.setBold(false);
        painter_.setFont(font);
        y_ += line_;
    }
    void table(const QString& title, const stringing::ChartTable& table);
    // Two plots side by side.
    void plots(const SagPlot& left, const SagPlot& right, qreal height) {
        if (room() < height) new_sheet();
        const qreal half = page_.width() / 2;
        draw_sag_plot(painter_, QRectF(page_.left(), y_ + line_, half - line_, height - line_), left);
        draw_sag_plot(painter_, QRectF(page_.left() + half + line_, y_ + line_, half - line_, height - line_), right);
        y_ += height;
    }
    qreal page_height() const { return page_.height(); }

private:
    void row(const QString& name, const QString& length, const std::vector<QString>& cells, bool rule);

    QPrinter& printer_;
    QPainter& painter_;
    QRectF page_;
    qreal line_ = 0, y_ = 0;
    qreal name_width_ = 0, length_width_ = 0, cell_width_ = 0;
};

void SheetWriter::row(const QString& name, const QString& length, const std::vector<QString>& cells, bool rule) {
    if (room() < line_) new_sheet();
    const qreal base = y_ + line_ * 0.8;
    painter_.drawText(QPointF(page_.left(), base), name);
    const auto right = [&](qreal x, const QString& text) {
        painter_.drawText(QRectF(x, y_, cell_width_ - line_ / 3, line_), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    painter_.drawText(QRectF(page_.left() + name_width_, y_, length_width_ - line_ / 3, line_),
                      Qt::AlignRight | Qt::AlignVCenter, length);
    for (size_t c = 0; c < cells.size(); ++c) right(page_.left() + name_width_ + length_width_ + cell_width_ * c, cells[c]);
    y_ += line_;
    if (rule) painter_.drawLine(QPointF(page_.left(), y_), QPointF(page_.right(), y_));
}

void SheetWriter::table(const QString& title, const stringing::ChartTable& table) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    name_width_ = metrics.horizontalAdvance(QStringLiteral("Tension (kN)  "));
    for (const stringing::ChartRow& r : table.rows)
        name_width_ = std::max(name_width_, metrics.horizontalAdvance(QString::fromStdString(r.name) + "  "));
    length_width_ = metrics.horizontalAdvance(QString::fromStdString(table.length_heading)) + line_;
    cell_width_ = (page_.width() - name_width_ - length_width_) / static_cast<qreal>(std::max<size_t>(1, table.temperatures.size()));
    if (room() < 4 * line_) new_sheet();
    y_ += line_ / 2;
    text(title, true);
    std::vector<QString> headings;
    for (const std::string& t : table.temperatures) headings.push_back(QString::fromStdString(t));
    row(QStringLiteral("Span"), QString::fromStdString(table.length_heading), headings, true);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        std::vector<QString> cells;
        for (const stringing::ChartCell& cell : table.rows[r].cells) cells.push_back(QString::fromStdString(cell.text));
        row(QString::fromStdString(table.rows[r].name), QString::fromStdString(table.rows[r].length), cells, r == 0);
    }
}

bool print_on(QPrinter& printer, const StringingPrintout& printout) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    SheetWriter sheets(printer, painter);
    for (size_t i = 0; i < printout.heading.size(); ++i) sheets.text(QString::fromStdString(printout.heading[i]), i == 0);
    sheets.table(QStringLiteral("Initial state (new conductor) - sags; catenary sags in brackets where they differ"),
                 printout.initial);
    sheets.table(QStringLiteral("Final state (after creep)"), printout.final);
    // Under the tables when there is room for a readable plot, else on a sheet of their own.
    const qreal height = sheets.room() >= sheets.page_height() * 0.4 ? sheets.room() : sheets.page_height() * 0.6;
    sheets.plots(printout.initial_plot, printout.final_plot, height);
    return painter.end();
}

void set_up_sheets(QPrinter& printer) {
    set_up_report_sheets(printer);
    printer.setDocName(QStringLiteral("Vortan Stringing Chart"));
}

}  // namespace

bool print_stringing_chart(QWidget* parent, const StringingPrintout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    set_up_sheets(printer);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return print_on(printer, printout);
}

QString export_stringing_pdf(const QString& path, const StringingPrintout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    set_up_sheets(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!print_on(printer, printout)) return QStringLiteral("The file '%1' could not be written.").arg(path);
    return {};
}

#else

bool print_stringing_chart(QWidget*, const StringingPrintout&) { return false; }

QString export_stringing_pdf(const QString& path, const StringingPrintout&) {
    return QStringLiteral("The file '%1' could not be written: %2").arg(path, why_printing_unavailable());
}

#endif

}  // namespace vortan::gui
