// The report as text in its own window: read-only, monospaced, unwrapped, so
// the report's columns stay lined up.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace vortan::gui {

class ReportWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(QWidget* parent = nullptr);

    void set_lines(const std::vector<std::string>& lines);
    QPlainTextEdit* text() const { return text_; }

private:
    QPlainTextEdit* text_;
};

}  // namespace vortan::gui
