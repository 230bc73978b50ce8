// The user port of the desktop program: real dialogs, the report window, the
// clipboard and the clock.
#pragma once

#include "ui/userport.h"

#include <QPointer>
#include <QWidget>

namespace vortan::gui {

class CheckRecordWindow;
class HelpWindow;

class QtUserPort final : public UserPort {
public:
    // The window dialogs are centred on and modal to; none until it exists.
    void set_parent_window(QWidget* window) { parent_ = window; }
    // The folder of the help pages (index.html and topic-N.html).
    void set_help_folder(const QString& folder) { help_folder_ = folder; }

    using UserPort::message;
    Answer show_message(MessageKind kind, Buttons buttons, const std::string& text,
                        DefaultButton default_button) override;
    std::vector<std::filesystem::path> open_files(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> save_file(const FileDialogRequest& request) override;
    std::optional<std::string> input_box(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    int select_item(const std::string& caption, const std::vector<std::string>& items,
                    bool sorted) override;
    void show_report(const std::vector<std::string>& lines, const std::string& csv = "") override;
    void show_check_record(const std::vector<std::string>& lines, const std::string& csv) override;
    void set_clipboard(const std::string& text) override;
    bool print(const std::vector<std::string>& lines) override;
    void show_help(int topic) override;
    void process_events() override;
    DateTime now() override;

private:
    // Dialogs sit over the window the user is working in: an open modal
    // window (the setup editor, the report) or else the main window.
    QWidget* dialog_parent() const;

    QPointer<QWidget> parent_;
    QPointer<HelpWindow> help_;
    QPointer<CheckRecordWindow> check_record_;
    QString help_folder_;
};

}  // namespace vortan::gui
