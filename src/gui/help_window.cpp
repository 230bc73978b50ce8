#include "gui/help_window.h"

#include "gui/window_room.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
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
    // Back, forward and the contents, as in any help viewer.
    auto* back = new QPushButton(QStringLiteral("< Back"), this);
    back->setObjectName(QStringLiteral("Help_Back_Button"));
    back->setEnabled(false);
    auto* forward = new QPushButton(QStringLiteral("Forward >"), this);
    forward->setObjectName(QStringLiteral("Help_Forward_Button"));
    forward->setEnabled(false);
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    contents->setObjectName(QStringLiteral("Help_Contents_Button"));
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] {
        const QString page = QFileInfo(browser_->source().toLocalFile()).dir().filePath(Contents_Page);
        if (QFileInfo::exists(page)) browser_->setSource(QUrl::fromLocalFile(page));
    });
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 0);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(760, 600);
    fit_inside_screen_when_shown(this);
    close_on_escape(this);
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
