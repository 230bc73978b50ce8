#include "gui/main_window_view.h"

#include "gui/form_binder.h"
#include "gui/form_menus.h"
#include "gui/form_view.h"

#include <QMenuBar>

namespace vortan::gui {

MainWindowView::MainWindowView(MainWindow& model, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Vortan"));
    build_form_menus(model.form(), menuBar());
    setCentralWidget(build_form_view(model.form(), this));
    binder_ = new FormBinder(model.form(), this);
    // The design size of the client area, below the menu bar; pages that do not
    // fit scroll.
    resize(Design_Client_Size.width(), Design_Client_Size.height() + menuBar()->sizeHint().height());
}

}  // namespace vortan::gui
