#include "gui/line_overview_view.h"

#include "gui/line_overview_model.h"
#include "gui/report_export.h"
#include "mainwindow/main_window.h"
#include "mainwindow/record_transfer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vortan::gui {

namespace {

// The filter asks the overview whether a row holds the text, which is much
// quicker than the text of every cell of every row.
class OverviewFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void set_text(const QString& text) {
        text_ = text;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (text_.isEmpty()) return true;
        const auto* overview = static_cast<const LineOverviewModel*>(sourceModel());
        return overview->matches(overview->index(row, 0, parent), text_);
    }

private:
    QString text_;
};

}  // namespace

LineOverviewView::LineOverviewView(MainWindow& window, QWidget* parent)
    : QWidget(parent), window_(window), model_(new LineOverviewModel(window, this)),
      sorted_(new OverviewFilter(this)), filter_(new QLineEdit(this)), tree_(new QTreeView(this)),
      export_(new QToolButton(this)) {
    // Names of the view's own, not of the window's components.
    setObjectName(QStringLiteral("lineOverview"));
    filter_->setObjectName(QStringLiteral("lineOverviewFilter"));
    filter_->setPlaceholderText(tr("Filter: structure, cable, method, FAIL, INCONCLUSIVE ..."));
    export_->setObjectName(QStringLiteral("lineOverviewExport"));
    export_->setText(tr("CSV..."));
    export_->setToolTip(tr("Export the line overview, verdicts and bands included, as a CSV file"));
    connect(export_, &QToolButton::clicked, this, &LineOverviewView::export_csv);
    tree_->setObjectName(QStringLiteral("lineOverviewTree"));

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(LineOverviewModel::Sort_Role);
    // A sag-span stays when one of its cable sags matches.
    sorted_->setRecursiveFilteringEnabled(true);
    sorted_->setAutoAcceptChildRows(true);  // and a matching sag-span shows all of its cable sags
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // A tree keeps its open rows one by one through a filter, which takes
        // minutes on a long line: they are closed for it and opened after.
        tree_->collapseAll();
        static_cast<OverviewFilter*>(sorted_)->set_text(text);
        tree_->expandAll();  // every match shows under its sag-span
    });

    tree_->setModel(sorted_);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(-1, Qt::AscendingOrder);  // the order of the line until a heading is clicked
    tree_->setUniformRowHeights(true);            // large lines scroll without measuring every row
    tree_->setAlternatingRowColors(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Widths from the headings, not from every row: a line of 100,000 cable
    // sags would be measured at each change.
    tree_->header()->setSectionResizeMode(QHeaderView::Interactive);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setMinimumSectionSize(40);
    connect(tree_, &QTreeView::clicked, this, &LineOverviewView::go_to);
    connect(tree_, &QTreeView::activated, this, &LineOverviewView::go_to);
    // Everything shown again: the cable sags under their spans stay open.
    connect(model_, &QAbstractItemModel::modelReset, tree_, &QTreeView::expandAll);
    // The same through a sort of the whole line (a sort under one sag-span,
    // after one of its rows changed, keeps the rows as they are).
    connect(sorted_, &QAbstractItemModel::layoutAboutToBeChanged, tree_,
            [this](const QList<QPersistentModelIndex>& parents) {
                if (parents.isEmpty()) tree_->collapseAll();
            });
    connect(sorted_, &QAbstractItemModel::layoutChanged, tree_, [this](const QList<QPersistentModelIndex>& parents) {
        if (parents.isEmpty()) tree_->expandAll();
    });
    // A sag-span added, or brought back by the filter, opens like the others.
    connect(sorted_, &QAbstractItemModel::rowsInserted, tree_, [this](const QModelIndex& parent, int first, int last) {
        if (parent.isValid()) return;
        for (int row = first; row <= last; ++row) tree_->expand(sorted_->index(row, 0));
    });

    // The window moved to another span or cable sag, or the rows changed.
    window.form().add_listener([this](const Control& control, Property) {
        static const char* const moves[] = {"Pole_Number_SpinEdit", "Cable_Bundle_Record_Listbox",
                                            "Cable_Type_ComboBox", "Cable_Position_ComboBox",
                                            "Cable_Code_Name_ComboBox"};
        for (const char* name : moves)
            if (control.name == name) show_current_soon();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, &LineOverviewView::show_current_soon);
    connect(sorted_, &QAbstractItemModel::layoutChanged, this, &LineOverviewView::show_current_soon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(export_);
    layout->addLayout(top);
    layout->addWidget(tree_);
    model_->refresh();
    tree_->header()->resizeSections(QHeaderView::ResizeToContents);
    // A cable position whole beside its indentation; a span's length as shown.
    const QFontMetrics metrics = tree_->fontMetrics();
    tree_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("Bottom Phase  ")) + 2 * tree_->indentation());
    tree_->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("0,000.00  ")));
    tree_->setColumnWidth(static_cast<int>(OverviewColumn::Check), metrics.horizontalAdvance(QStringLiteral("INCONCLUSIVE  ")));
    offer_columns();
}

void LineOverviewView::offer_columns() {
    // The cable, its verdict and its difference fit a narrow panel; the span
    // length comes back from the headings' menu, the other columns scroll.
    QHeaderView* header = tree_->header();
    header->setSectionHidden(static_cast<int>(OverviewColumn::Span_Length), true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, [this, header](const QPoint& at) {
        QMenu menu(this);
        for (int column = 1; column < model_->columnCount(); ++column) {
            QAction* shown = menu.addAction(model_->headerData(column, Qt::Horizontal).toString());
            shown->setCheckable(true);
            shown->setChecked(!header->isSectionHidden(column));
            connect(shown, &QAction::toggled, header, [header, column](bool on) { header->setSectionHidden(column, !on); });
        }
        menu.exec(header->mapToGlobal(at));
    });
}

void LineOverviewView::go_to(const QModelIndex& index) {
    const auto [span, cable_sag] = model_->record_of(sorted_->mapToSource(index));
    if (span > 0) window_.show_from_overview(span, cable_sag);
}

void LineOverviewView::show_current_soon() {
    // A move sets several fields: the row is found once they all stand.
    if (show_current_pending_) return;
    show_current_pending_ = true;
    QTimer::singleShot(0, this, &LineOverviewView::show_current);
}

void LineOverviewView::show_current() {
    show_current_pending_ = false;
    const QModelIndex row =
        sorted_->mapFromSource(model_->index_of(window_.span_number(), find_cable_sag_record(window_.form())));
    if (!row.isValid() || row == tree_->currentIndex()) return;
    // Made current without a click: nothing moves the window back.
    tree_->setCurrentIndex(row);
    tree_->scrollTo(row);
}

void LineOverviewView::export_csv() {
    export_to(this, tr("Export Line Overview"), QStringLiteral("line-overview.csv"), tr("CSV File (*.csv)"),
              QStringLiteral("csv"), [this](const QString& path) { return export_report_csv(path, model_->csv()); });
}

}  // namespace vortan::gui
