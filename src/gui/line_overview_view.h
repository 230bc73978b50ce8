// The line overview panel: a filter field over the tree of sag-spans and
// cable sags, sortable by any column. A click or Enter on a row goes there
// as the navigation buttons go, asking first about unpreserved edits. A
// button beside the filter exports the rows as CSV.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;
class QSortFilterProxyModel;
class QTreeView;

namespace vortan {
class MainWindow;
}

namespace vortan::gui {

class LineOverviewModel;

class LineOverviewView final : public QWidget {
    Q_OBJECT
public:
    explicit LineOverviewView(MainWindow& window, QWidget* parent = nullptr);

    LineOverviewModel* model() const { return model_; }
    QTreeView* tree() const { return tree_; }

private:
    void go_to(const QModelIndex& index);
    // The row of the span and cable sag the window shows is the current row.
    void show_current_soon();
    void show_current();
    // Writes every row, verdict and band included, to a CSV file the user names.
    void export_csv();
    // Which columns show at first, and a menu on the headings to choose them.
    void offer_columns();

    MainWindow& window_;
    LineOverviewModel* model_;
    QSortFilterProxyModel* sorted_;
    QLineEdit* filter_;
    QTreeView* tree_;
    QToolButton* export_;
    bool show_current_pending_ = false;
};

}  // namespace vortan::gui
