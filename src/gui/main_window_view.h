// The main window on screen: the menu bar and the widgets of the main form,
// bound to the main window's model, with the window-level behaviour the model
// asks for (bounds, stacking, title, close, dropped files).
#pragma once

#include "mainwindow/main_window.h"

#include <QMainWindow>

namespace vortan::gui {

class FormBinder;

class MainWindowView final : public QMainWindow {
    Q_OBJECT
public:
    // The client area at first start.
    static constexpr QSize Design_Client_Size{713, 551};

    explicit MainWindowView(MainWindow& model, QWidget* parent = nullptr);

    FormBinder& binder() const { return *binder_; }
    // Shows the window, maximized once when it was maximized at the last exit.
    void show_first_time();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void place_window();
    void report_bounds();
    int menu_height() const;

    MainWindow& model_;
    FormBinder* binder_;
    bool close_agreed_ = false;
};

}  // namespace vortan::gui
