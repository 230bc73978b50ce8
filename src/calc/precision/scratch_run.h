// A method run on a scratch copy of the main window's fields: what the band
// works out by running a method again on changed readings must never touch
// the fields on screen, ask the user or run a change handler.
#pragma once

#include "calc/calc_context.h"
#include "calc/run_values.h"
#include "ui/userport.h"

#include <memory>
#include <optional>
#include <string>

namespace vortan {

// A port nobody sees: every message goes unheard and every question gets the
// same answer (Yes: use a value out of a reader's range; No: refuse it).
class SilentPort final : public UserPort {
public:
    explicit SilentPort(Answer answer) : answer_(answer) {}
    std::vector<std::filesystem::path> open_files(const FileDialogRequest&) override { return {}; }
    std::optional<std::filesystem::path> save_file(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> input_box(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    int select_item(const std::string&, const std::vector<std::string>&, bool) override { return -1; }
    void show_report(const std::vector<std::string>&, const std::string&) override {}
    void show_check_record(const std::vector<std::string>&, const std::string&) override {}
    void set_clipboard(const std::string&) override {}
    bool print(const std::vector<std::string>&) override { return false; }
    void show_help(int) override {}
    void process_events() override {}
    DateTime now() override { return {}; }

protected:
    Answer show_message(MessageKind, Buttons, const std::string&, DefaultButton) override { return answer_; }

private:
    Answer answer_;
};

// What one method run on the scratch fields found.
struct ScratchOutcome {
    double sag = 0;
    std::optional<double> touch;  // where its sight line touches, from the near support
};

class ScratchRun {
public:
    // The scratch fields get every field, choice and flag of `live` (not its
    // lists, which may hold a whole line); copy() brings their state over again.
    explicit ScratchRun(const Form& live);
    void copy(const Form& live);
    Form& form() { return *form_; }

    // The method of `page`, checking a sag from what the scratch fields hold.
    // `strict`: a reading out of its range is refused, as a user answering No
    // would; otherwise it is used.
    std::optional<ScratchOutcome> check(const CalcContext& live, int page, const RunValues& run, bool strict);

private:
    std::unique_ptr<Form> form_;
};

}  // namespace vortan
