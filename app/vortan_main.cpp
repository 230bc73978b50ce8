// The desktop program: the main window's model on the system's number format,
// shown through the Qt view.
#include "gui/locale_numbers.h"
#include "gui/main_window_view.h"
#include "gui/qt_user_port.h"
#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vortan"));

    vortan::gui::QtUserPort port;
    vortan::SetupEditor setup;
    vortan::MainWindow window(port, setup);
    window.set_numbers(vortan::gui::number_format_of(QLocale::system()));
    window.start();

    vortan::gui::MainWindowView view(window);
    port.set_parent_window(&view);
    view.show();
    // A project named on the command line opens at once.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.form().set_text("Load_Save_File_Edit", arguments.at(1).toStdString());
        window.read_project();
        view.setWindowTitle(QString::fromStdString(window.window_caption()));
    }
    return QApplication::exec();
}
