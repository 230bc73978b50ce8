#include "gui/item_selection_dialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace vortan::gui {

ItemSelectionDialog::ItemSelectionDialog(const QString& caption,
                                         const std::vector<std::string>& items, bool sorted,
                                         QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(caption);
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    if (sorted)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return QString::fromStdString(items[static_cast<size_t>(a)])
                       .compare(QString::fromStdString(items[static_cast<size_t>(b)]),
                                Qt::CaseInsensitive) < 0;
        });
    for (int index : order) {
        auto* item =
            new QListWidgetItem(QString::fromStdString(items[static_cast<size_t>(index)]), list_);
        item->setData(Qt::UserRole, index);
    }
    if (list_->count() > 0) list_->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(list_->currentItem() != nullptr);
    connect(list_, &QListWidget::currentItemChanged, ok,
            [ok](QListWidgetItem* current) { ok->setEnabled(current != nullptr); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(360, 320);
}

int ItemSelectionDialog::chosen_index() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

int select_item(QWidget* parent, const std::string& caption, const std::vector<std::string>& items,
                bool sorted) {
    ItemSelectionDialog dialog(QString::fromStdString(caption), items, sorted, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen_index() : -1;
}

}  // namespace vortan::gui
