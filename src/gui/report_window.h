// The report window (TResults_Form): the report's text, read-only and
// monospaced, with OK, Print, Copy to Clipboard, and exports to CSV and PDF.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QPlainTextEdit;

namespace vortan::gui {

class ReportWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ReportWindow(QWidget* parent = nullptr);

    // The text area holds these lines; each page title is centred, large, bold and underlined.
    void set_lines(const std::vector<std::string>& lines);
    // The report's data for Export CSV; without it (a listing) that button is off.
    void set_csv(std::string csv);
    QPlainTextEdit* results() const { return results_; }
    // Every line is in the text area (a long report arrives in steps).
    bool fully_loaded() const { return loaded_ == lines_.size(); }
    // Print_BitBtn hands the lines to this (the user port's printing).
    std::function<void(const std::vector<std::string>&)> on_print;

    void Print_BitBtnClick();
    void Copy_To_Clipboard_BitBtnClick();
    void Export_CSV_BitBtnClick();
    void Export_PDF_BitBtnClick();

private:
    QPushButton* add_button(const QString& name, const QString& caption);
    void load_next_chunk(int generation);
    void format_titles(std::size_t first, std::size_t end);

    QPlainTextEdit* results_;
    QPushButton* print_button_ = nullptr;
    QPushButton* csv_button_ = nullptr;
    std::string csv_;
    std::vector<std::string> lines_;
    std::size_t loaded_ = 0;  // lines already in the text area
    int generation_ = 0;
};

}  // namespace vortan::gui
