// The check record window: the record's sheets, read-only and monospaced,
// with Print..., Export PDF..., Export CSV... and Close. It stays open beside
// the main window (not modal); Escape closes it.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace vortan::gui {

class CheckRecordWindow final : public QDialog {
    Q_OBJECT
public:
    explicit CheckRecordWindow(QWidget* parent = nullptr);

    // The record's lines, sheet after sheet each ended by a form-feed line, and its CSV.
    void set_record(const std::vector<std::string>& lines, std::string csv);

    // Sized and placed within a screen's available area, however small; the
    // window opens within that of its own screen.
    void fit_into(const QRect& available);

    void Print_BitBtnClick();
    void Export_PDF_BitBtnClick();
    void Export_CSV_BitBtnClick();

private:
    QPushButton* add_button(const QString& name, const QString& caption);

    QPlainTextEdit* text_;
    std::vector<std::string> lines_;
    std::string csv_;
};

}  // namespace vortan::gui
