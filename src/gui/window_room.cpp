#include "gui/window_room.h"

#include <QApplication>
#include <QDockWidget>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>

namespace vortan::gui {

int legible_font_pixels() {
    constexpr int At_Most = 10;
    const QFont small = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    return std::min(At_Most, QFontInfo(small).pixelSize());
}

namespace {

// The screen area a window may take: that of its screen, or the primary one.
QRect available_area(const QWidget* window) {
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Fits a window again once it is shown, when the frame the window manager
// gives it is known.
class FitWhenShown final : public QObject {
public:
    explicit FitWhenShown(QWidget* window) : QObject(window) { window->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [window = static_cast<QWidget*>(watched)] { fit_inside_screen(window); });
        return false;
    }
};

}  // namespace

void fit_inside_screen_when_shown(QWidget* window) {
    fit_inside_screen(window);
    if (window->property("vortan_fits_when_shown").toBool()) return;
    window->setProperty("vortan_fits_when_shown", true);
    new FitWhenShown(window);
}

void fit_inside_screen(QWidget* window) { fit_inside(window, available_area(window)); }

void fit_inside(QWidget* window, const QRect& area) {
    if (area.isEmpty()) return;
    // The frame the window manager adds is outside the size asked for.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = area.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    QRect placed = window->frameGeometry();
    placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height() + 1)));
    window->move(placed.topLeft());
}

namespace {

// Hears Escape pressed anywhere in the window, before a control (a table,
// say) takes it; a list that pops up is a window of its own and keeps it.
class CloseOnEscape final : public QObject {
public:
    explicit CloseOnEscape(QWidget* window) : QObject(window), window_(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window_ || !window_->isVisible()) return false;
        window_->close();
        return true;
    }

private:
    QWidget* window_;
};

}  // namespace

void close_on_escape(QWidget* window) { new CloseOnEscape(window); }

void tabify_docks(QMainWindow* window, const std::vector<QDockWidget*>& docks) {
    std::vector<QDockWidget*> docked;
    for (QDockWidget* dock : docks)
        if (!dock->isFloating()) docked.push_back(dock);
    if (docked.empty()) return;
    for (QDockWidget* dock : docked) window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    for (size_t n = 1; n < docked.size(); ++n) window->tabifyDockWidget(docked.front(), docked[n]);
    // Tabbed docks share one width: none keeps a fixed one, so that the user can still widen them.
    for (QDockWidget* dock : docked) {
        dock->setMinimumWidth(std::min(dock->minimumWidth(), dock->width()));
        dock->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    docked.front()->raise();
}

FocusFollower::FocusFollower(QWidget* root) : QObject(root), root_(root) {
    // Once the layouts the focus change set off have run.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        QTimer::singleShot(0, this, [this, focused = QPointer<QWidget>(now)] { follow(focused); });
    });
}

void FocusFollower::follow(QWidget* focused) {
    if (!focused || !root_->isAncestorOf(focused)) return;
    // The innermost area first, so that the outer ones see the control where
    // it ends up.
    for (QWidget* parent = focused->parentWidget(); parent != root_; parent = parent->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(parent);
        if (area && area->widget() && area->widget()->isAncestorOf(focused)) area->ensureWidgetVisible(focused, 8, 8);
    }
}

}  // namespace vortan::gui
