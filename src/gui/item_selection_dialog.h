// The item selection dialog (TDialog_Item_Select_Form): a window over the
// core's item selection model, built and bound like every other form.
#pragma once

#include "shell/item_selection.h"
#include "ui/userport.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace vortan::gui {

class FormBinder;

class ItemSelectionWindow final : public QDialog {
    Q_OBJECT
public:
    ItemSelectionWindow(UserPort& port, const std::string& caption, const std::vector<std::string>& items,
                        bool sorted, QWidget* parent = nullptr);

    QListWidget* list() const;
    vortan::ItemSelectionDialog& model() { return model_; }
    // The index in the list as shown, -1 when nothing was chosen.
    int chosen_index() const { return result() == Accepted ? model_.result() : -1; }

private:
    vortan::ItemSelectionDialog model_;
    FormBinder* binder_;
};

// Shows the dialog modally: the index in the list as shown, or -1.
int select_item(QWidget* parent, UserPort& port, const std::string& caption, const std::vector<std::string>& items,
                bool sorted);

}  // namespace vortan::gui
