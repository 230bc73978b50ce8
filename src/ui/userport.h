// Every place where the program waits for the user, as one interface. The Qt
// window answers with real dialogs; headless runs answer from a script.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vortan {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class Buttons { OK, YesNo, YesCancel, YesNoCancel, YesCancelYesToAll };
enum class Answer { OK, Yes, No, Cancel, YesToAll };

struct FileDialogRequest {
    std::string title;
    std::string filter;           // e.g. "Vortan Project File (*.vtn *.VTN)"
    std::filesystem::path folder; // initial folder
    std::string ok_caption;       // empty: the dialog's own
    bool multi_select = false;
};

struct DateTime {
    int year = 2026, month = 12, day = 7, hour = 10, minute = 30, second = 0;
};

// The button Enter presses in a message box.
enum class DefaultButton {
    Yes,   // Yes, or OK
    Safe,  // No, or Cancel: for questions whose Yes discards or resets work
};

class UserPort {
public:
    virtual ~UserPort() = default;

    // A modal message box; returns the button pressed. The window behind it
    // shows what is done so far, so before_message hears it first.
    Answer message(MessageKind kind, Buttons buttons, const std::string& text, DefaultButton default_button) {
        if (before_message) before_message();
        return show_message(kind, buttons, text, default_button);
    }
    Answer message(MessageKind kind, Buttons buttons, const std::string& text) {
        return message(kind, buttons, text, DefaultButton::Yes);
    }
    // A warning whose Yes discards or resets work, or goes on with a doubtful
    // value: Enter answers No (or Cancel), so that it never destroys work.
    Answer warn(Buttons buttons, const std::string& text) {
        return message(MessageKind::Warning, buttons, text, DefaultButton::Safe);
    }
    // Open dialog; empty when cancelled (several paths for multi-select).
    virtual std::vector<std::filesystem::path> open_files(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> save_file(const FileDialogRequest& request) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<std::string> input_box(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& initial) = 0;
    // Item selection dialog; the index picked, or -1 when cancelled.
    virtual int select_item(const std::string& caption, const std::vector<std::string>& items,
                            bool sorted) = 0;
    // The report window with its lines of text.
    // csv: the report's data for export, empty for a listing that has none.
    virtual void show_report(const std::vector<std::string>& lines, const std::string& csv = "") = 0;
    // The check record window, beside the main window (not modal): the
    // record's sheets, each ended by a form-feed line, and its CSV.
    virtual void show_check_record(const std::vector<std::string>& lines, const std::string& csv) = 0;
    virtual void set_clipboard(const std::string& text) = 0;
    virtual bool print(const std::vector<std::string>& lines) = 0;
    virtual void show_help(int topic) = 0;
    // Lets pending window events run (without user input) during a long operation.
    virtual void process_events() = 0;
    virtual DateTime now() = 0;

    std::function<void()> before_message;

protected:
    virtual Answer show_message(MessageKind kind, Buttons buttons, const std::string& text,
                                DefaultButton default_button) = 0;
};

const char* to_string(MessageKind kind);
const char* to_string(Buttons buttons);
const char* to_string(Answer answer);
std::optional<Answer> answer_from_string(const std::string& word);

}  // namespace vortan
