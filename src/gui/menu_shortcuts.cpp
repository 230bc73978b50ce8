#include "gui/menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace vortan::gui {

MenuShortcutsFirst::MenuShortcutsFirst(QMainWindow* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool MenuShortcutsFirst::is_menu_shortcut(const QKeySequence& keys) const {
    for (const QAction* action : window_->menuBar()->findChildren<QAction*>())
        if (action->isEnabled() && action->shortcuts().contains(keys)) return true;
    return false;
}

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Left unaccepted, the override lets the shortcut run.
    return is_menu_shortcut(QKeySequence(key->keyCombination()));
}

}  // namespace vortan::gui
