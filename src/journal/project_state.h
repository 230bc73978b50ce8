// What a project holds that a save writes, and the changes between two of
// its states: the matter of every journal entry.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vortan::journal {

struct ProjectState {
    std::map<std::string, std::string> values;               // texts and marks, by control name
    std::map<std::string, std::vector<std::string>> lists;  // record lists, by control name
    bool operator==(const ProjectState&) const = default;
};

// A state whose lists stand elsewhere (in a form), read where they are.
struct ProjectView {
    std::map<std::string, std::string> values;
    std::map<std::string, const std::vector<std::string>*> lists;
};
ProjectView view_of(const ProjectState& state);
ProjectState copy_of(const ProjectView& view);

// Lines [at, at + removed) of a list replaced by `inserted`.
struct ListEdit {
    std::string list;
    size_t at = 0;
    size_t removed = 0;
    std::vector<std::string> inserted;
};

// The changes of one completed step, and the sag-span shown after it.
struct Entry {
    int span = 0;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<ListEdit> lists;
    bool empty() const { return values.empty() && lists.empty(); }
};

// What turns `before` into `after`, for the names `after` holds; a list
// changes by one edit, from its first differing line to its last.
Entry changes_between(const ProjectState& before, const ProjectView& after);
Entry changes_between(const ProjectState& before, const ProjectState& after);
// Applies the entry; false, and the state unchanged, when an edit does not
// fit its list, which a sound journal never has.
bool apply(const Entry& entry, ProjectState& state);

}  // namespace vortan::journal
