#include "gui/line_overview_view.h"

#include "gui/line_overview_model.h"
#include "mainwindow/main_window.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace vortan::gui {

LineOverviewView::LineOverviewView(MainWindow& window, QWidget* parent)
    : QWidget(parent), window_(window), model_(new LineOverviewModel(window, this)),
      sorted_(new QSortFilterProxyModel(this)), filter_(new QLineEdit(this)), tree_(new QTreeView(this)) {
    // Names of the view's own, not of the window's components.
    setObjectName(QStringLiteral("lineOverview"));
    filter_->setObjectName(QStringLiteral("lineOverviewFilter"));
    filter_->setPlaceholderText(tr("Filter: structure, cable, method, FAIL ..."));
    filter_->setClearButtonEnabled(true);
    tree_->setObjectName(QStringLiteral("lineOverviewTree"));

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(LineOverviewModel::Sort_Role);
    sorted_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    sorted_->setFilterKeyColumn(-1);
    // A sag-span stays when one of its cable sags matches.
    sorted_->setRecursiveFilteringEnabled(true);
    sorted_->setAutoAcceptChildRows(true);  // and a matching sag-span shows all of its cable sags
    connect(filter_, &QLineEdit::textChanged, sorted_, &QSortFilterProxyModel::setFilterFixedString);

    tree_->setModel(sorted_);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(-1, Qt::AscendingOrder);  // the order of the line until a heading is clicked
    tree_->setUniformRowHeights(true);            // large lines scroll without measuring every row
    tree_->setAlternatingRowColors(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    connect(tree_, &QTreeView::clicked, this, &LineOverviewView::go_to);
    connect(tree_, &QTreeView::activated, this, &LineOverviewView::go_to);
    // Everything shown again: the cable sags under their spans stay open.
    connect(model_, &QAbstractItemModel::modelReset, tree_, &QTreeView::expandAll);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter_);
    layout->addWidget(tree_);
    model_->refresh();
}

void LineOverviewView::go_to(const QModelIndex& index) {
    const auto [span, cable_sag] = model_->record_of(sorted_->mapToSource(index));
    if (span > 0) window_.show_from_overview(span, cable_sag);
}

}  // namespace vortan::gui
