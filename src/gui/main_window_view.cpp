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
    // The tab widgets size to their largest page, so the whole form fits.
    resize(sizeHint());
}

}  // namespace vortan::gui
