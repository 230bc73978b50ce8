// The texts of a form's edits at one moment, to put back what a run wrote
// when the run is called off.
#pragma once

#include "form/form.h"

#include <string>
#include <vector>

namespace vortan {

class TextSnapshot {
public:
    explicit TextSnapshot(const Form& form);
    // Every edit whose text changed since gets its text and source back.
    void restore(Form& form) const;

private:
    struct Kept {
        std::string name, text, source;
    };
    std::vector<Kept> kept_;
};

}  // namespace vortan
