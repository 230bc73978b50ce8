#include "ui/userport.h"

namespace vortan {

const char* to_string(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Information: return "information";
    case MessageKind::Confirmation: return "confirmation";
    }
    return "?";
}

const char* to_string(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK: return "OK";
    case Buttons::YesNo: return "YesNo";
    case Buttons::YesCancel: return "YesCancel";
    case Buttons::YesNoCancel: return "YesNoCancel";
    case Buttons::YesCancelYesToAll: return "YesCancelYesToAll";
    }
    return "?";
}

const char* to_string(Answer answer) {
    switch (answer) {
    case Answer::OK: return "OK";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Cancel: return "Cancel";
    case Answer::YesToAll: return "YesToAll";
    }
    return "?";
}

std::optional<Answer> answer_from_string(const std::string& word) {
    for (Answer a : {Answer::OK, Answer::Yes, Answer::No, Answer::Cancel, Answer::YesToAll})
        if (word == to_string(a)) return a;
    return std::nullopt;
}

}  // namespace vortan
