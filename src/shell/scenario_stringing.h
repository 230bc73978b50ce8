// The scenario language's `stringing` command: the stringing data a user
// enters in the Stringing Charts window, and the charts printed.
#pragma once

#include "mainwindow/main_window.h"

#include <functional>
#include <stdexcept>
#include <string>

namespace vortan {

class BadStringingLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `words`: the line after "stringing ".
void run_stringing_command(MainWindow& main, const std::string& words,
                           const std::function<void(const std::string&)>& out);

}  // namespace vortan
