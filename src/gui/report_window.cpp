#include "gui/report_window.h"

#include "gui/window_room.h"

#include "gui/message_box.h"
#include "gui/report_font.h"
#include "gui/report_export.h"
#include "gui/report_printer.h"
#include "report/report_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace vortan::gui {

namespace {
constexpr int Text_Pixel_Size = 12;
constexpr int Title_Point_Size = 22;

// A long report goes into the text area a few pages at a time, between window
// events, so that the window answers at once however long the report is.
constexpr std::size_t Lines_Per_Chunk = 3000;

QString joined(const std::vector<std::string>& lines, std::size_t first = 0, std::size_t end = SIZE_MAX) {
    end = std::min(end, lines.size());
    QStringList text;
    text.reserve(static_cast<qsizetype>(end - std::min(first, end)));
    for (std::size_t i = first; i < end; ++i) text << QString::fromStdString(lines[i]);
    return text.join(QLatin1Char('\n'));
}
}  // namespace

ReportWindow::ReportWindow(QWidget* parent) : QDialog(parent), results_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TResults_Form"));
    setWindowTitle(QStringLiteral("Vortan Report :"));
    setModal(true);
    results_->setObjectName(QStringLiteral("Results"));
    results_->setReadOnly(true);
    results_->setLineWrapMode(QPlainTextEdit::NoWrap);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setFont(report_font(Text_Pixel_Size));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = add_button(QStringLiteral("OKBtn"), QStringLiteral("OK"));
    buttons->addWidget(ok);
    print_button_ = add_button(QStringLiteral("Print_BitBtn"), QStringLiteral("Print"));
    buttons->addWidget(print_button_);
    buttons->addWidget(add_button(QStringLiteral("Copy_To_Clipboard_BitBtn"), QStringLiteral("Copy to Clipboard")));
    csv_button_ = add_button(QStringLiteral("Export_CSV_BitBtn"), QStringLiteral("Export CSV..."));
    csv_button_->setEnabled(false);
    buttons->addWidget(csv_button_);
    QPushButton* pdf = add_button(QStringLiteral("Export_PDF_BitBtn"), QStringLiteral("Export PDF..."));
    buttons->addWidget(pdf);
    buttons->addStretch();
    if (!printing_available()) {
        for (QPushButton* button : {print_button_, pdf}) {
            button->setEnabled(false);
            button->setToolTip(why_printing_unavailable());
        }
    }
    connect(csv_button_, &QPushButton::clicked, this, &ReportWindow::Export_CSV_BitBtnClick);
    connect(pdf, &QPushButton::clicked, this, &ReportWindow::Export_PDF_BitBtnClick);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_button_, &QPushButton::clicked, this, &ReportWindow::Print_BitBtnClick);
    connect(findChild<QPushButton*>(QStringLiteral("Copy_To_Clipboard_BitBtn")), &QPushButton::clicked, this,
            &ReportWindow::Copy_To_Clipboard_BitBtnClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results_);
    layout->addLayout(buttons);
    // Wide enough for the 135 columns of a report line where the screen has
    // room; on a smaller one it opens inside the screen and the text scrolls.
    resize(1040, 680);
    fit_inside_screen_when_shown(this);
}

QPushButton* ReportWindow::add_button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void ReportWindow::set_lines(const std::vector<std::string>& lines) {
    lines_ = lines;
    loaded_ = 0;
    ++generation_;
    results_->clear();
    load_next_chunk(generation_);
}

void ReportWindow::load_next_chunk(int generation) {
    if (generation != generation_) return;  // a newer report replaced this one
    const std::size_t end = std::min(lines_.size(), loaded_ + Lines_Per_Chunk);
    QTextCursor cursor(results_->document());
    cursor.movePosition(QTextCursor::End);
    if (loaded_ > 0) cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(joined(lines_, loaded_, end));
    format_titles(loaded_, end);
    loaded_ = end;
    if (loaded_ < lines_.size())
        QTimer::singleShot(0, this, [this, generation] { load_next_chunk(generation); });
}

void ReportWindow::format_titles(std::size_t first, std::size_t end) {
    QTextCharFormat title;
    title.setFontPointSize(Title_Point_Size);
    title.setFontWeight(QFont::Bold);
    title.setFontUnderline(true);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor cursor(results_->document());
    cursor.beginEditBlock();
    QTextBlock block = results_->document()->findBlockByNumber(static_cast<int>(first));
    for (std::size_t i = first; i < end && block.isValid(); ++i, block = block.next()) {
        if (!is_report_title(lines_, i)) continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.mergeBlockFormat(centred);
        cursor.mergeCharFormat(title);
    }
    cursor.endEditBlock();
}

void ReportWindow::set_csv(std::string csv) {
    csv_ = std::move(csv);
    csv_button_->setEnabled(!csv_.empty());
}


void ReportWindow::Export_CSV_BitBtnClick() {
    export_to(this, QStringLiteral("Export Report Data"), QStringLiteral("sag-report.csv"),
              QStringLiteral("CSV File (*.csv)"), QStringLiteral("csv"),
              [this](const QString& path) { return export_report_csv(path, csv_); });
}

void ReportWindow::Export_PDF_BitBtnClick() {
    export_to(this, QStringLiteral("Export Report as PDF"), QStringLiteral("sag-report.pdf"),
              QStringLiteral("PDF File (*.pdf)"), QStringLiteral("pdf"),
              [this](const QString& path) { return export_report_pdf(path, lines_); });
}

void ReportWindow::Print_BitBtnClick() {
    if (on_print) on_print(lines_);
}

void ReportWindow::Copy_To_Clipboard_BitBtnClick() {
    // The whole text as plain text, form feeds included, and no selection left behind.
    QGuiApplication::clipboard()->setText(joined(lines_));
    QTextCursor cursor = results_->textCursor();
    cursor.clearSelection();
    results_->setTextCursor(cursor);
}

}  // namespace vortan::gui
