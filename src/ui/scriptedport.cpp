#include "ui/scriptedport.h"

namespace vortan {

std::string escape_message_text(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

void ScriptedPort::record(const std::string& line) {
    transcript_.push_back(line);
    if (sink) sink(line);
}

std::vector<std::string> ScriptedPort::messages() const { return message_texts_; }

bool ScriptedPort::all_answers_used() const {
    return answers_.empty() && inputs_.empty() && files_.empty() && picks_.empty();
}

void ScriptedPort::clear_queues() {
    answers_.clear();
    inputs_.clear();
    files_.clear();
    picks_.clear();
}

Answer ScriptedPort::show_message(MessageKind kind, Buttons buttons, const std::string& text, DefaultButton) {
    record(std::string("MESSAGE ") + to_string(kind) + " " + to_string(buttons) + " " +
           escape_message_text(text));
    message_texts_.push_back(text);
    if (!answers_.empty()) {
        Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (buttons == Buttons::OK) return Answer::OK;
    if (default_answer_) return *default_answer_;
    throw UnansweredQuestion("no answer queued for: " + escape_message_text(text));
}

std::vector<std::filesystem::path> ScriptedPort::open_files(const FileDialogRequest& request) {
    record("DIALOG open " + request.title);
    if (files_.empty()) throw UnansweredQuestion("no file queued for: " + request.title);
    auto files = files_.front();
    files_.pop_front();
    return files;
}

std::optional<std::filesystem::path> ScriptedPort::save_file(const FileDialogRequest& request) {
    record("DIALOG save " + request.title);
    if (files_.empty()) throw UnansweredQuestion("no file queued for: " + request.title);
    auto files = files_.front();
    files_.pop_front();
    if (files.empty()) return std::nullopt;
    return files.front();
}

std::optional<std::string> ScriptedPort::input_box(const std::string& caption,
                                                   const std::string& /*prompt*/,
                                                   const std::string& /*initial*/) {
    record("DIALOG input " + caption);
    if (inputs_.empty()) throw UnansweredQuestion("no input queued for: " + caption);
    auto text = inputs_.front();
    inputs_.pop_front();
    return text;
}

int ScriptedPort::select_item(const std::string& caption, const std::vector<std::string>& /*items*/,
                              bool /*sorted*/) {
    record("DIALOG select " + caption);
    if (picks_.empty()) throw UnansweredQuestion("no pick queued for: " + caption);
    int pick = picks_.front();
    picks_.pop_front();
    return pick;
}

void ScriptedPort::show_report(const std::vector<std::string>& lines, const std::string& csv) {
    last_report_csv_ = csv;
    last_report_lines_ = lines;
    record("REPORT BEGIN");
    for (const std::string& line : lines) record(line);
    record("REPORT END");
}

void ScriptedPort::show_check_record(const std::vector<std::string>& lines, const std::string& csv) {
    last_check_record_csv_ = csv;
    record("CHECK RECORD BEGIN");
    for (const std::string& line : lines) record(line);
    record("CHECK RECORD END");
}

void ScriptedPort::set_clipboard(const std::string& text) {
    clipboard_ = text;
    record("DIALOG clipboard");
}

bool ScriptedPort::print(const std::vector<std::string>& /*lines*/) {
    record("DIALOG print");
    return true;
}

void ScriptedPort::show_help(int topic) { record("DIALOG help " + std::to_string(topic)); }

}  // namespace vortan
