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

private:
    QButtonGroup* group_;
    QGridLayout* grid_;
};

}  // namespace vortan::gui
