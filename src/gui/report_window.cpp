#include "gui/report_window.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vortan::gui {

ReportWindow::ReportWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Sag Report"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    text_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(820, 640);
}

void ReportWindow::set_lines(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) text << QString::fromStdString(line);
    text_->setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace vortan::gui
