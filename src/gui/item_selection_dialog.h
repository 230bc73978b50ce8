// Picking one entry of a list: the list (sorted for display when asked), OK and
// Cancel. The index returned is always into the caller's own item order.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace vortan::gui {

class ItemSelectionDialog final : public QDialog {
    Q_OBJECT
public:
    ItemSelectionDialog(const QString& caption, const std::vector<std::string>& items, bool sorted,
                        QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    // The chosen item's index in the caller's order, -1 when none.
    int chosen_index() const;

private:
    QListWidget* list_;
};

// Shows the dialog modally: the chosen index, or -1 when cancelled.
int select_item(QWidget* parent, const std::string& caption, const std::vector<std::string>& items,
                bool sorted);

}  // namespace vortan::gui
