#include "gui/item_selection_dialog.h"

#include "gui/form_binder.h"
#include "gui/form_view.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace vortan::gui {

ItemSelectionWindow::ItemSelectionWindow(UserPort& port, const std::string& caption,
                                         const std::vector<std::string>& items, bool sorted, QWidget* parent)
    : QDialog(parent), model_(port) {
    setObjectName(QStringLiteral("TDialog_Item_Select_Form"));
    setWindowTitle(QString::fromStdString(caption));
    model_.show(caption, items, sorted);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_form_view(model_.form(), this));
    binder_ = new FormBinder(model_.form(), this);
    // The model decides whether the dialog may close; the window only closes it.
    model_.form().control("OK_Button").on_click = [this] {
        if (model_.OK_ButtonClick()) accept();
    };
    model_.form().control("Cancel_Button").on_click = [this] {
        model_.Cancel_ButtonClick();
        reject();
    };
    connect(list(), &QListWidget::itemDoubleClicked, this, [this] { model_.form().user_click("OK_Button"); });
    setFixedSize(sizeHint());
}

QListWidget* ItemSelectionWindow::list() const { return findChild<QListWidget*>(QStringLiteral("Item_ListBox")); }

int select_item(QWidget* parent, UserPort& port, const std::string& caption, const std::vector<std::string>& items,
                bool sorted) {
    ItemSelectionWindow dialog(port, caption, items, sorted, parent);
    dialog.exec();
    return dialog.chosen_index();
}

}  // namespace vortan::gui
