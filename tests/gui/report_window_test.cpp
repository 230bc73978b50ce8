// The report window: its named controls, the title formatting, and Copy to
// Clipboard putting the whole text on the clipboard.
#include "gui/report_window.h"

#include "gui/report_export.h"
#include "gui/report_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace vortan::gui;

namespace {

const std::vector<std::string> Two_Pages = {"Vortan Report.", "", " T1  T2", "\f",
                                            "Vortan Report.", " Vortan Report.", "\f"};

QPushButton* button(ReportWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

TEST(ReportWindow, HasItsNamedControlsAndCaptions) {
    ReportWindow window;
    EXPECT_EQ(window.objectName(), "TResults_Form");
    EXPECT_EQ(window.windowTitle(), "Vortan Report :");
    EXPECT_TRUE(window.isModal());
    QPlainTextEdit* results = window.findChild<QPlainTextEdit*>(QStringLiteral("Results"));
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isReadOnly());
    EXPECT_EQ(results->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(results->font()).fixedPitch());
    const std::pair<const char*, const char*> buttons[] = {
        {"OKBtn", "OK"}, {"Print_BitBtn", "Print"}, {"Copy_To_Clipboard_BitBtn", "Copy to Clipboard"}};
    for (const auto& [name, caption] : buttons) {
        ASSERT_NE(button(window, name), nullptr) << name;
        EXPECT_EQ(button(window, name)->text(), caption);
    }
}

TEST(ReportWindow, CopyToClipboardPutsTheWholeTextFormFeedsIncluded) {
    ReportWindow window;
    window.set_lines(Two_Pages);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(button(window, "Copy_To_Clipboard_BitBtn"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Vortan Report.\n\n T1  T2\n\f\nVortan Report.\n Vortan Report.\n\f");
    EXPECT_FALSE(window.results()->textCursor().hasSelection());
}

TEST(ReportWindow, OnlyTheFirstLineOfEachPageIsATitle) {
    ReportWindow window;
    window.set_lines(Two_Pages);
    QTextBlock block = window.results()->document()->begin();
    for (std::size_t i = 0; i < Two_Pages.size(); ++i, block = block.next()) {
        ASSERT_TRUE(block.isValid()) << "line " << i;
        const bool title = i == 0 || i == 4;
        EXPECT_EQ(block.text().toStdString(), Two_Pages[i]);
        EXPECT_EQ(block.blockFormat().alignment() == Qt::AlignHCenter, title) << "line " << i;
        EXPECT_EQ(block.begin().fragment().charFormat().fontUnderline(), title) << "line " << i;
    }
}

TEST(ReportWindow, PrintHandsTheLinesToThePortAndOkCloses) {
    ReportWindow window;
    std::vector<std::string> printed;
    window.on_print = [&](const std::vector<std::string>& lines) { printed = lines; };
    window.set_lines(Two_Pages);
    window.show();
    if (button(window, "Print_BitBtn")->isEnabled()) {
        QTest::mouseClick(button(window, "Print_BitBtn"), Qt::LeftButton);
        EXPECT_EQ(printed, Two_Pages);
    } else {
        EXPECT_FALSE(button(window, "Print_BitBtn")->toolTip().isEmpty());
    }
    QTest::mouseClick(button(window, "OKBtn"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace

#ifdef VORTAN_PRINT_SUPPORT
// Printed to a PDF file, as the print dialog's "Print to File (PDF)" does: one
// sheet per report page, and more where a page does not fit one sheet.
int pdf_pages(const std::vector<std::string>& lines) {
    const QString file = QDir::temp().filePath(QStringLiteral("vortan-report-%1.pdf").arg(QCoreApplication::applicationPid()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    if (!print_lines(printer, lines)) return -1;
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = pdf.readAll();
    pdf.close();
    QFile::remove(file);
    if (!bytes.startsWith("%PDF")) return -1;
    return static_cast<int>(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

// Exported without a printer: the data as CSV exactly as given, and the pages
// as a PDF of as many landscape sheets as a printout has.
TEST(ReportExport, CsvAndPdfReadBack) {
    const QDir temp = QDir::temp();
    const QString csv_file = temp.filePath(QStringLiteral("vortan-export-%1.csv").arg(QCoreApplication::applicationPid()));
    const QString pdf_file = temp.filePath(QStringLiteral("vortan-export-%1.pdf").arg(QCoreApplication::applicationPid()));
    const std::string csv = "Near / Left Structure,Far / Right Structure\r\n\"A,1\",T2\r\n";
    ASSERT_EQ(export_report_csv(csv_file, csv), QString());
    QFile written(csv_file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), csv);
    written.close();
    QFile::remove(csv_file);

    ASSERT_EQ(export_report_pdf(pdf_file, Two_Pages), QString());
    QFile pdf(pdf_file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    pdf.close();
    QFile::remove(pdf_file);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 2);

    // A listing with no data to export leaves Export CSV off.
    ReportWindow window;
    window.set_lines(Two_Pages);
    auto* export_csv = window.findChild<QPushButton*>(QStringLiteral("Export_CSV_BitBtn"));
    ASSERT_NE(export_csv, nullptr);
    EXPECT_FALSE(export_csv->isEnabled());
    window.set_csv(csv);
    EXPECT_TRUE(export_csv->isEnabled());

    // A folder that is not there: a message, and no file.
    const QString nowhere = temp.filePath(QStringLiteral("no-such-folder/report.csv"));
    EXPECT_FALSE(export_report_csv(nowhere, csv).isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(ReportPrinting, SheetsFollowTheFormFeedsAndThePaper) {
    EXPECT_EQ(pdf_pages(Two_Pages), 2);
    // 300 lines with no form feed do not fit one landscape sheet.
    const std::vector<std::string> long_page(300, std::string(135, 'x'));
    EXPECT_GE(pdf_pages(long_page), 2);
}
#endif
