// Room on small screens: windows open inside the screen, the main window's
// side panels share one column or fold away before the form's text would
// shrink below a legible size, and a control that takes the focus is
// scrolled into view, however deep in scrolled pages it lies.
#pragma once

#include <QObject>
#include <QRect>

#include <vector>

class QDockWidget;
class QMainWindow;
class QWidget;

namespace vortan::gui {

// The smallest text the form is shown with: the platform's smallest readable
// font, but never more than 10 pixels (some platforms name their normal font).
int legible_font_pixels();

// Shrinks a top-level window, frame included, to an area and moves it inside.
void fit_inside(QWidget* window, const QRect& area);
// The same within the available area of the window's screen.
void fit_inside_screen(QWidget* window);
// The same now, and again whenever the window is shown, frame included.
void fit_inside_screen_when_shown(QWidget* window);

// Escape closes a window of its own (a dialog closes on Escape already).
void close_on_escape(QWidget* window);

// Puts the docks of `window` together at the left, one tab each, the first
// in front. Hidden docks stay hidden; docks the user floated are left alone.
void tabify_docks(QMainWindow* window, const std::vector<QDockWidget*>& docks);

// Scrolls every scroll area that holds a control into view when the control
// takes the focus.
class FocusFollower final : public QObject {
public:
    explicit FocusFollower(QWidget* root);

private:
    void follow(QWidget* focused);
    QWidget* root_;
};

}  // namespace vortan::gui
