#include "gui/page_chooser.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vortan::gui {

namespace {

// The page names flow left to right and wrap; the chooser is exactly as tall
// as its rows, so no name is ever scrolled out of sight. One tab stop, and
// the arrow keys move between names.
class PageChooser final : public QListWidget {
public:
    explicit PageChooser(QWidget* parent) : QListWidget(parent) {
        setFlow(QListView::LeftToRight);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setSpacing(1);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

protected:
    // Called after every layout of the names: the rows may have changed.
    void updateGeometries() override {
        QListWidget::updateGeometries();
        const int rows_height = contentsSize().height() + 2 * frameWidth();
        if (count() > 0 && rows_height != height()) setFixedHeight(rows_height);
    }
};

// PageChooser has no meta-object of its own, so qobject_cast would take any
// list for one (a list box beside an ordinary page control): dynamic_cast.
PageChooser* chooser_of(QTabWidget* tabs) {
    QWidget* pane = tabs->parentWidget();
    if (!pane) return nullptr;
    for (QListWidget* list : pane->findChildren<QListWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (auto* chooser = dynamic_cast<PageChooser*>(list)) return chooser;
    return nullptr;
}

}  // namespace

QWidget* page_chooser_pane(QWidget* parent) {
    auto* pane = new QWidget(parent);
    // Made before the pages, so that Tab reaches the names before their fields.
    new PageChooser(pane);
    return pane;
}

void choose_pages_above(QTabWidget* tabs) {
    QWidget* pane = tabs->parentWidget();
    PageChooser* chooser = chooser_of(tabs);
    tabs->tabBar()->hide();
    // The hidden tab bar is the page control's focus proxy: a Tab stop on it
    // would lead nowhere, and keep the focus from the page's fields.
    tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    tabs->setFocusPolicy(Qt::NoFocus);
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(chooser);
    column->addWidget(tabs, 1);
    mirror_page_chooser(tabs);
    QObject::connect(chooser, &QListWidget::currentRowChanged, tabs, [tabs](int row) {
        if (row >= 0 && row != tabs->currentIndex()) tabs->setCurrentIndex(row);
    });
    // The model may refuse or redirect a page change: show what is current.
    QObject::connect(tabs, &QTabWidget::currentChanged, chooser, [tabs] { mirror_page_chooser(tabs); });
}

void mirror_page_chooser(QTabWidget* tabs) {
    PageChooser* chooser = chooser_of(tabs);
    if (!chooser) return;
    const QSignalBlocker blocker(chooser);
    while (chooser->count() < tabs->count()) chooser->addItem(QString());
    for (int index = 0; index < tabs->count(); ++index) {
        QListWidgetItem* item = chooser->item(index);
        item->setText(tabs->tabText(index));
        item->setToolTip(tabs->tabToolTip(index));
        item->setHidden(!tabs->isTabVisible(index));
        const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        item->setFlags(tabs->isTabEnabled(index) ? flags : Qt::NoItemFlags);
    }
    chooser->setCurrentRow(tabs->currentIndex());
}

}  // namespace vortan::gui
