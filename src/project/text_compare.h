// Text comparisons of names: exact (code points), and with the letter case of
// A to Z ignored.
#pragma once

#include <string>

namespace vortan {

bool same_ignoring_case(const std::string& a, const std::string& b);

// TAB, CR and LF would split a record or a list line: each becomes a blank.
std::string record_safe(std::string text);

}  // namespace vortan
