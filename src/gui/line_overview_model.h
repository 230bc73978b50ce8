// The line overview as a Qt tree: sag-spans at the top, their cable sags
// under them, read from the records when the view asks (no copy of them).
// It follows every change of the records, the setup lists and the units: an
// edit of the records row by row, anything else by reading all again.
#pragma once

#include "overview/line_overview.h"

#include <QAbstractItemModel>

namespace vortan {
class MainWindow;
}

namespace vortan::gui {

class LineOverviewModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    // The value a column sorts by: a number for measures, the text otherwise.
    static constexpr int Sort_Role = Qt::UserRole;
    // True on the cells of a cable sag whose check fails.
    static constexpr int Failing_Role = Qt::UserRole + 1;
    // True on the cells of a cable sag whose band straddles a tolerance limit.
    static constexpr int Inconclusive_Role = Qt::UserRole + 2;

    explicit LineOverviewModel(MainWindow& window, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The sag-span (1-based) and the cable-sag list position (-1 for none) of a row.
    std::pair<int, int> record_of(const QModelIndex& index) const;
    // The row of a sag-span (1-based) or of one of its cable sags (its list
    // position; -1 or a position not under that span: the span's row).
    QModelIndex index_of(int span, int cable_sag) const;
    bool matches(const QModelIndex& index, const QString& text) const;
    // Every row as CSV, in the order of the line.
    std::string csv() const;
    // Rereads the records now (changes are otherwise taken at the next event loop turn).
    void refresh();

private:
    class RowSignals;
    void hear(const Control& control, Property property);
    void refresh_soon();
    // Follows the record edits since the last refresh row by row; false when only a reset can.
    bool follow_edits();

    MainWindow& window_;
    LineOverview overview_;
    bool refresh_pending_ = false;
    // The record edits since the last refresh, and whether anything else changed.
    ItemsChanges sag_span_edits_, cable_sag_edits_;
    bool reset_needed_ = false;
};

}  // namespace vortan::gui
