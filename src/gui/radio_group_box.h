// A captioned frame of radio buttons, one per item, that reports the index a
// user clicks (never a programmatic change).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace vortan::gui {

class RadioGroupBox final : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroupBox(QWidget* parent = nullptr);

    QStringList items() const;
    void set_items(const QStringList& items);
    int index() const;
    // -1 clears the selection.
    void set_index(int index);

signals:
    void picked(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Buttons made after the form's other fields would come last in the Tab
    // order: they are put after the field before the group.
    void place_buttons_in_tab_order();
    QButtonGroup* group_;
    QGridLayout* grid_;
};

}  // namespace vortan::gui
