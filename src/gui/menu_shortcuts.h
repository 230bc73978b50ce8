// The window's menu shortcuts win over the text fields: a field that would
// take Ctrl+E (the end of its line, for one) leaves it to the Setup command,
// so that every shortcut the menus list works wherever the focus is.
#pragma once

#include <QObject>

class QMainWindow;

namespace vortan::gui {

class MenuShortcutsFirst final : public QObject {
public:
    explicit MenuShortcutsFirst(QMainWindow* window);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool is_menu_shortcut(const QKeySequence& keys) const;
    QMainWindow* window_;
};

}  // namespace vortan::gui
