// Guards of opening, saving and deleting: a side file beyond any line's size
// is refused.
#include "mainwindow/main_window.h"

namespace vortan {

namespace fs = std::filesystem;

void MainWindow::refuse_side_file(const fs::path& master, const fs::path& file, const std::string& why) {
    port_.message(MessageKind::Error, Buttons::OK,
                  "Error : The project\n\r\n\r" + master.string() + "\n\r\n\rcannot be opened: its file\n\r\n\r" +
                      file.string() + "\n\r\n\ris not read.  " + why +
                      "\n\r\n\rNothing has been loaded and the project on screen is as it was.  Restore the file from "
                      "a copy of the project.");
}

}  // namespace vortan
