#include "gui/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vortan::gui {

namespace {

const QString Contents_Page = QStringLiteral("index.html");

QString topic_page(int topic) { return QStringLiteral("topic-%1.html").arg(topic); }

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Help_Window"));
    setWindowTitle(QStringLiteral("Vortan Help"));
    browser_->setObjectName(QStringLiteral("Help_Browser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 600);
}

bool HelpWindow::show_topic(const QString& folder, int topic) {
    const QDir dir(folder);
    QString page = topic > 0 ? dir.filePath(topic_page(topic)) : QString();
    if (page.isEmpty() || !QFileInfo::exists(page)) page = dir.filePath(Contents_Page);
    if (!QFileInfo::exists(page)) return false;
    browser_->setSource(QUrl::fromLocalFile(page));
    show();
    raise();
    activateWindow();
    return true;
}

QString find_help_folder(const QStringList& candidates) {
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QFileInfo::exists(QDir(folder).filePath(Contents_Page))) return folder;
    return {};
}

}  // namespace vortan::gui
