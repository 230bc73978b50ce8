// The program's own help: HTML topics shipped with the program, one page per
// help topic number, shown in a browser window of its own.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vortan::gui {

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page of the topic, or the contents when the topic has none;
    // false when the help folder holds no contents page.
    bool show_topic(const QString& folder, int topic);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The first folder that holds the help's contents page, or an empty string.
QString find_help_folder(const QStringList& candidates);

}  // namespace vortan::gui
