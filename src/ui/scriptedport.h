// The headless UserPort: answers come from queues, and everything a user would
// have seen is written to a transcript as it happens.
#pragma once

#include "ui/userport.h"

#include <deque>
#include <functional>
#include <stdexcept>

namespace vortan {

// A question reached the port with no answer queued for it.
class UnansweredQuestion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptedPort final : public UserPort {
public:
    // Each transcript line is also handed to this sink (the CLI prints it).
    std::function<void(const std::string&)> sink;

    void queue_answer(Answer answer) { answers_.push_back(answer); }
    void queue_input(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void queue_files(std::vector<std::filesystem::path> files) { files_.push_back(std::move(files)); }
    void queue_pick(int index) { picks_.push_back(index); }
    void set_clock(DateTime clock) { clock_ = clock; }
    // The answer to every question that finds the queue empty (none: the question stops the script).
    void set_default_answer(std::optional<Answer> answer) { default_answer_ = answer; }

    const std::vector<std::string>& transcript() const { return transcript_; }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
    // Forgets the transcript and the message texts shown so far.
    void clear_transcript() {
        transcript_.clear();
        message_texts_.clear();
    }
    bool all_answers_used() const;
    // Forgets every queued answer, input, file and pick.
    void clear_queues();
    const std::string& clipboard() const { return clipboard_; }
    // The spreadsheet data of the last report shown.
    const std::string& last_report_csv() const { return last_report_csv_; }
    const std::vector<std::string>& last_report_lines() const { return last_report_lines_; }
    // The CSV of the last check record shown.
    const std::string& last_check_record_csv() const { return last_check_record_csv_; }

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
    void process_events() override {}
    DateTime now() override { return clock_; }

private:
    void record(const std::string& line);

    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::vector<std::filesystem::path>> files_;
    std::deque<int> picks_;
    std::vector<std::string> transcript_;
    std::vector<std::string> message_texts_;
    std::string clipboard_;
    std::string last_report_csv_;
    std::vector<std::string> last_report_lines_;
    std::string last_check_record_csv_;
    DateTime clock_;
    std::optional<Answer> default_answer_;
};

// A message text as one transcript line: LF, CR, TAB and backslash escaped.
std::string escape_message_text(const std::string& text);

}  // namespace vortan
