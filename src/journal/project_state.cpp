#include "journal/project_state.h"

#include <algorithm>

namespace vortan::journal {

namespace {

const std::vector<std::string>& list_or_empty(const ProjectState& state, const std::string& name) {
    static const std::vector<std::string> none;
    auto found = state.lists.find(name);
    return found == state.lists.end() ? none : found->second;
}

ListEdit edit_between(const std::string& name, const std::vector<std::string>& before,
                      const std::vector<std::string>& after) {
    const size_t shorter = std::min(before.size(), after.size());
    size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    size_t tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    ListEdit edit{name, head, before.size() - head - tail, {}};
    edit.inserted.assign(after.begin() + static_cast<std::ptrdiff_t>(head),
                         after.end() - static_cast<std::ptrdiff_t>(tail));
    return edit;
}

}  // namespace

ProjectView view_of(const ProjectState& state) {
    ProjectView view{state.values, {}};
    for (const auto& [name, lines] : state.lists) view.lists[name] = &lines;
    return view;
}

ProjectState copy_of(const ProjectView& view) {
    ProjectState state{view.values, {}};
    for (const auto& [name, lines] : view.lists) state.lists[name] = *lines;
    return state;
}

Entry changes_between(const ProjectState& before, const ProjectView& after) {
    Entry entry;
    for (const auto& [name, value] : after.values) {
        auto found = before.values.find(name);
        if (found == before.values.end() || found->second != value) entry.values.emplace_back(name, value);
    }
    for (const auto& [name, lines] : after.lists) {
        const std::vector<std::string>& old = list_or_empty(before, name);
        if (old != *lines) entry.lists.push_back(edit_between(name, old, *lines));
    }
    return entry;
}

Entry changes_between(const ProjectState& before, const ProjectState& after) {
    return changes_between(before, view_of(after));
}

namespace {

// Whether every list edit of the entry fits the lists of `state`.
bool fits(const Entry& entry, const ProjectState& state) {
    for (const ListEdit& edit : entry.lists) {
        const size_t size = list_or_empty(state, edit.list).size();
        if (edit.at > size || edit.removed > size - edit.at) return false;
    }
    return true;
}

}  // namespace

bool apply(const Entry& entry, ProjectState& state) {
    if (!fits(entry, state)) return false;
    for (const auto& [name, value] : entry.values) state.values[name] = value;
    for (const ListEdit& edit : entry.lists) {
        std::vector<std::string>& lines = state.lists[edit.list];
        auto at = lines.begin() + static_cast<std::ptrdiff_t>(edit.at);
        at = lines.erase(at, at + static_cast<std::ptrdiff_t>(edit.removed));
        lines.insert(at, edit.inserted.begin(), edit.inserted.end());
    }
    return true;
}

}  // namespace vortan::journal
