#include "gui/radio_group_box.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace vortan::gui {

namespace {

// Short items sit side by side in one row (up to four); long ones (whole
// sentences) one per line.
int columns_for(const QStringList& items) {
    constexpr qsizetype Short_Item = 24;
    constexpr int Most_In_A_Row = 4;
    if (items.size() < 2) return 1;
    for (const QString& item : items)
        if (item.size() > Short_Item) return 1;
    return static_cast<int>(std::min<qsizetype>(items.size(), Most_In_A_Row));
}

}  // namespace

RadioGroupBox::RadioGroupBox(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupBox::picked);
}

QStringList RadioGroupBox::items() const {
    QStringList list;
    for (QAbstractButton* button : group_->buttons()) list << button->text();
    return list;
}

void RadioGroupBox::set_items(const QStringList& items) {
    if (items == this->items()) return;
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    // Filled column by column, the way the item order reads.
    const int columns = columns_for(items);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        grid_->addWidget(button, i % rows, i / rows);
    }
    if (isVisible()) place_buttons_in_tab_order();
}

void RadioGroupBox::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    place_buttons_in_tab_order();
}

void RadioGroupBox::place_buttons_in_tab_order() {
    QWidget* before = previousInFocusChain();
    while (before != this && (isAncestorOf(before) || !(before->focusPolicy() & Qt::TabFocus)))
        before = before->previousInFocusChain();
    if (before == this) return;
    for (QAbstractButton* button : group_->buttons()) {
        QWidget::setTabOrder(before, button);
        before = button;
    }
}

int RadioGroupBox::index() const { return group_->checkedId(); }

void RadioGroupBox::set_index(int index) {
    if (index == group_->checkedId()) return;
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last checked button.
    group_->setExclusive(false);
    if (QAbstractButton* checked = group_->checkedButton()) checked->setChecked(false);
    group_->setExclusive(true);
}

}  // namespace vortan::gui
