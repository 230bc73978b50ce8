// The main window on screen: the menu bar and the widgets of the main form,
// bound to the main window's model.
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

private:
    FormBinder* binder_;
};

}  // namespace vortan::gui
