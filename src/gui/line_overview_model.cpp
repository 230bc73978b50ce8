#include "gui/line_overview_model.h"

#include "mainwindow/main_window.h"
#include "overview/overview_csv.h"
#include "setup/precision_fields.h"

#include <QBrush>
#include <QColor>
#include <QTimer>

namespace vortan::gui {

namespace {

// A sag-span row carries 0; a cable-sag row its sag-span's row + 1.
constexpr quintptr Span_Row = 0;

constexpr const char* Sag_Spans = "Pole_Data_Listbox";
constexpr const char* Cable_Sags = "Cable_Bundle_Record_Listbox";

bool follows(const Control& control) {
    static const char* const watched[] = {Sag_Spans, Cable_Sags, "Cable_Types_ListBox",
                                          "Cable_Positions_ListBox", "Code_Name_ListBox",
                                          "Units_of_Measure_RadioGroup", "Sag_Tolerance_Percent_Edit"};
    for (const char* name : watched)
        if (control.name == name) return true;
    // The bands follow the instrument precision and the angle circle the readings are taken in.
    return precision_setting_of(control.name) != nullptr || control.name == "Zenith_RadioButton" ||
           control.name == "Altitude_RadioButton" || control.name == "Nadir_RadioButton";
}

}  // namespace

// Tells the views of each row the overview changes, as it changes it.
class LineOverviewModel::RowSignals final : public OverviewRowListener {
public:
    explicit RowSignals(LineOverviewModel& model) : model_(model) {}
    void changed(int parent, int row) override {
        const QModelIndex above = parent_index(parent);
        model_.dataChanged(model_.index(row, 0, above), model_.index(row, Overview_Column_Count - 1, above));
    }
    void removing(int parent, int row) override { model_.beginRemoveRows(parent_index(parent), row, row); }
    void removed() override { model_.endRemoveRows(); }
    void inserting(int parent, int row) override { model_.beginInsertRows(parent_index(parent), row, row); }
    void inserted() override { model_.endInsertRows(); }

private:
    QModelIndex parent_index(int parent) const { return parent < 0 ? QModelIndex() : model_.index(parent, 0); }
    LineOverviewModel& model_;
};

LineOverviewModel::LineOverviewModel(MainWindow& window, QObject* parent)
    : QAbstractItemModel(parent), window_(window),
      overview_(window.form(), window.setup().form(), window.numbers()) {
    auto listener = [this](const Control& control, Property property) { hear(control, property); };
    window.form().add_listener(listener);
    window.setup().form().add_listener(listener);
}

void LineOverviewModel::hear(const Control& control, Property property) {
    if (!follows(control)) return;
    const bool sag_spans = control.name == Sag_Spans, cable_sags = control.name == Cable_Sags;
    if (property == Property::Items && sag_spans)
        sag_span_edits_.add(control.items_change, control.items.size());
    else if (property == Property::Items && cable_sags)
        cable_sag_edits_.add(control.items_change, control.items.size());
    else if (!sag_spans && !cable_sags)
        reset_needed_ = true;
    else
        return;  // a selection in a record list shows nothing new
    refresh_soon();
}

void LineOverviewModel::refresh_soon() {
    // An open or a reset changes several lists at once: one refresh for them all.
    if (refresh_pending_) return;
    refresh_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (refresh_pending_) refresh();
    });
}

void LineOverviewModel::refresh() {
    refresh_pending_ = false;
    if (!follow_edits()) {
        beginResetModel();
        overview_.refresh();
        endResetModel();
    }
    sag_span_edits_.clear();
    cable_sag_edits_.clear();
    reset_needed_ = false;
}

bool LineOverviewModel::follow_edits() {
    if (reset_needed_) return false;
    const Form& form = window_.form();
    const ItemsChange sag_spans = sag_span_edits_.since(static_cast<size_t>(overview_.span_count()),
                                                        form.items(Sag_Spans).size());
    const ItemsChange cable_sags = cable_sag_edits_.since(static_cast<size_t>(overview_.known_cable_sags()),
                                                          form.items(Cable_Sags).size());
    RowSignals rows(*this);
    return overview_.follow(sag_spans, cable_sags, rows);
}

std::string LineOverviewModel::csv() const { return overview_csv(overview_, window_.setup().imperial()); }

QModelIndex LineOverviewModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, Span_Row);
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex LineOverviewModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == Span_Row) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, Span_Row);
}

int LineOverviewModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return overview_.span_count();
    if (parent.internalId() != Span_Row || parent.column() != 0) return 0;
    return overview_.cable_sag_count(parent.row());
}

int LineOverviewModel::columnCount(const QModelIndex&) const { return Overview_Column_Count; }

std::pair<int, int> LineOverviewModel::record_of(const QModelIndex& index) const {
    if (!index.isValid()) return {0, -1};
    if (index.internalId() == Span_Row) return {index.row() + 1, -1};
    const int span = static_cast<int>(index.internalId() - 1);
    return {span + 1, overview_.cable_sag_index(span, index.row())};
}

QModelIndex LineOverviewModel::index_of(int span, int cable_sag) const {
    if (span < 1 || span > overview_.span_count()) return {};
    const QModelIndex span_row = index(span - 1, 0);
    for (int n = 0; n < overview_.cable_sag_count(span - 1); ++n)
        if (overview_.cable_sag_index(span - 1, n) == cable_sag) return index(n, 0, span_row);
    return span_row;
}

QVariant LineOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int span = index.internalId() == Span_Row ? index.row() : static_cast<int>(index.internalId() - 1);
    const int cable = index.internalId() == Span_Row ? -1 : index.row();
    const auto column = static_cast<OverviewColumn>(index.column());
    const auto check = overview_.check(span, cable);
    const bool failing = check && check->verdict == Verdict::Fail;
    const bool unsure = check && check->verdict == Verdict::Inconclusive;
    const bool verdict_column = column == OverviewColumn::Check || column == OverviewColumn::Difference_Percent ||
                                column == OverviewColumn::Band;
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(overview_.text(span, cable, column));
    case Sort_Role:
        if (auto value = overview_.number(span, cable, column)) return *value;
        return QString::fromStdString(overview_.text(span, cable, column));
    case Failing_Role: return failing;
    case Inconclusive_Role: return unsure;
    // Red for a sag outside its tolerance, amber for one the band cannot decide.
    case Qt::BackgroundRole:
        if (failing) return QBrush(QColor(255, 214, 214));
        if (unsure) return QBrush(QColor(255, 236, 196));
        return {};
    case Qt::ForegroundRole:
        if (failing && verdict_column) return QBrush(QColor(170, 0, 0));
        if (unsure && verdict_column) return QBrush(QColor(140, 80, 0));
        return {};
    case Qt::TextAlignmentRole:
        if (overview_.number(span, cable, column)) return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

bool LineOverviewModel::matches(const QModelIndex& index, const QString& text) const {
    const bool span_row = index.internalId() == Span_Row;
    const int span = span_row ? index.row() : static_cast<int>(index.internalId() - 1);
    return overview_.matches(span, span_row ? -1 : index.row(), text.toLower().toStdString());
}

QVariant LineOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Overview_Column_Count)
        return {};
    return QString::fromStdString(overview_heading(static_cast<OverviewColumn>(section), window_.setup().imperial()));
}

}  // namespace vortan::gui
