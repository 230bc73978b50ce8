#include "project/record_splitter.h"

namespace vortan {

void RecordSplitter::assign(std::string_view record) {
    record_ = record;
    pieces_.clear();
    std::size_t start = 0;
    for (std::size_t tab = record.find('\t'); tab != std::string_view::npos; tab = record.find('\t', start)) {
        pieces_.push_back(record.substr(start, tab - start));
        start = tab + 1;
    }
    pieces_.push_back(record.substr(start));
}

std::string_view RecordSplitter::field(int n) const {
    if (n <= 0 || record_.empty()) return {};
    // Without a TAB, field 2 is the whole line too.
    if (pieces_.size() == 1) return n <= 2 ? record_ : std::string_view{};
    const auto index = static_cast<std::size_t>(n - 1);
    return index < pieces_.size() ? pieces_[index] : std::string_view{};
}

}  // namespace vortan
