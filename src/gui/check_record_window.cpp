#include "gui/check_record_window.h"

#include "gui/check_record_printer.h"
#include "gui/report_export.h"
#include "gui/report_font.h"
#include "gui/report_printer.h"
#include "gui/window_room.h"
#include "report/report_text.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace vortan::gui {

namespace {
constexpr int Text_Pixel_Size = 12;
const QSize Wanted_Size(1040, 680);
}  // namespace

CheckRecordWindow::CheckRecordWindow(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Check_Record_Form"));
    setWindowTitle(QStringLiteral("Vortan Check Record"));
    setModal(false);
    text_->setObjectName(QStringLiteral("Check_Record_Text"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(report_font(Text_Pixel_Size));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* print = add_button(QStringLiteral("Check_Record_Print_BitBtn"), QStringLiteral("Print..."));
    QPushButton* pdf = add_button(QStringLiteral("Check_Record_Export_PDF_BitBtn"), QStringLiteral("Export PDF..."));
    QPushButton* csv = add_button(QStringLiteral("Check_Record_Export_CSV_BitBtn"), QStringLiteral("Export CSV..."));
    QPushButton* close = add_button(QStringLiteral("Check_Record_Close_BitBtn"), QStringLiteral("Close"));
    for (QPushButton* button : {print, pdf, csv, close}) buttons->addWidget(button);
    buttons->addStretch();
    if (!printing_available()) {
        for (QPushButton* button : {print, pdf}) {
            button->setEnabled(false);
            button->setToolTip(why_printing_unavailable());
        }
    }
    connect(print, &QPushButton::clicked, this, &CheckRecordWindow::Print_BitBtnClick);
    connect(pdf, &QPushButton::clicked, this, &CheckRecordWindow::Export_PDF_BitBtnClick);
    connect(csv, &QPushButton::clicked, this, &CheckRecordWindow::Export_CSV_BitBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(Wanted_Size);
    fit_inside_screen_when_shown(this);
}

QPushButton* CheckRecordWindow::add_button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void CheckRecordWindow::fit_into(const QRect& available) {
    resize(Wanted_Size);
    fit_inside(this, available);
}

void CheckRecordWindow::set_record(const std::vector<std::string>& lines, std::string csv) {
    lines_ = lines;
    csv_ = std::move(csv);
    QStringList text;
    // A sheet ends with a form feed: on screen an empty line parts the sheets.
    for (const std::string& line : lines) text << (line == Report_Form_Feed ? QString() : QString::fromStdString(line));
    text_->setPlainText(text.join(QLatin1Char('\n')));
}

void CheckRecordWindow::Print_BitBtnClick() { print_check_record(this, lines_); }

void CheckRecordWindow::Export_PDF_BitBtnClick() {
    export_to(this, QStringLiteral("Export Check Record as PDF"), QStringLiteral("check-record.pdf"),
              QStringLiteral("PDF File (*.pdf)"), QStringLiteral("pdf"),
              [this](const QString& path) { return export_check_record_pdf(path, lines_); });
}

void CheckRecordWindow::Export_CSV_BitBtnClick() {
    export_to(this, QStringLiteral("Export Check Record"), QStringLiteral("check-record.csv"),
              QStringLiteral("CSV File (*.csv)"), QStringLiteral("csv"),
              [this](const QString& path) { return export_report_csv(path, csv_); });
}

}  // namespace vortan::gui
