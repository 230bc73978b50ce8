// The main window without a screen, for a vortan-cli command on a project:
// every question answered Yes (a changed project is still reported), every
// message passed on.
#pragma once

#include "mainwindow/main_window.h"
#include "setup/setup_editor.h"
#include "ui/scriptedport.h"

#include <functional>
#include <string>

namespace vortan {

struct HeadlessWindow {
    explicit HeadlessWindow(const std::function<void(const std::string&)>& messages) {
        port.sink = messages;
        port.set_default_answer(Answer::Yes);
        window.start();
    }
    // Read-only: a command never writes the project, nor takes it from a window that holds it.
    bool open_read_only(const std::string& master) {
        window.open_projects_read_only();
        return window.open_project(master);
    }

    ScriptedPort port;
    SetupEditor setup;
    MainWindow window{port, setup};
};

}  // namespace vortan
