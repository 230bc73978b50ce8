// The main window on screen: the menu bar and the widgets of the main form,
// bound to the main window's model, with the window-level behaviour the model
// asks for (bounds, stacking, title, close, dropped files).
#pragma once

#include "mainwindow/main_window.h"

#include <QMainWindow>

#include <vector>

class QDockWidget;

namespace vortan::gui {

class FormBinder;
class StringingWindow;

class MainWindowView final : public QMainWindow {
    Q_OBJECT
public:
    // The client area at first start.
    static constexpr QSize Design_Client_Size{713, 551};

    explicit MainWindowView(MainWindow& model, QWidget* parent = nullptr);
    MainWindow& model() const { return model_; }

    FormBinder& binder() const { return *binder_; }
    // Shows the window, maximized once when it was maximized at the last exit.
    void show_first_time();
    // The view of the main form, within the window's scrolled centre.
    QWidget* form_view() const { return form_view_; }
    // The widget of a control of the main form.
    QWidget* control_widget(const std::string& name) const;
    // The Stringing Charts window: one, opened or raised.
    StringingWindow* open_stringing_window();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void place_window();
    // The line overview fills its dock, at the left of the pages.
    void place_line_overview(MainWindow& model);
    void report_bounds();
    // The height the window adds to its client area: the menu bar above and
    // the status line below.
    int bars_height() const;
    // The width the docks beside the pages add to it, and one dock's share.
    int docks_width() const;
    int dock_width(const QDockWidget* dock) const;
    // The room a dock just shown takes beside the pages, or one just hidden
    // gave back: none for one of docks tabbed together.
    int room_taken_by_shown(QDockWidget* dock) const;
    int room_given_by_hidden();
    // The design geometry of every component of the main form, in its order.
    std::vector<DesignComponent> design_components() const;
    void scale_to_window();
    // Tabs the side panels together, then folds them away, while the form's
    // text would be below a legible size; sets the size below which it scrolls.
    void make_room();
    // The form's text size at the room the window gives it now.
    double form_font_pixels() const;
    std::string focused_control() const;

    MainWindow& model_;
    FormBinder* binder_;
    QWidget* form_view_ = nullptr;
    std::vector<QDockWidget*> docks_;
    StringingWindow* stringing_window_ = nullptr;
    bool close_agreed_ = false;
    bool design_captured_ = false;
    bool arranging_docks_ = false;
};

}  // namespace vortan::gui
