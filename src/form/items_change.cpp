#include "form/items_change.h"

#include <algorithm>

namespace vortan {

void ItemsChanges::add(const ItemsChange& change, size_t size_after) {
    // What stayed through every edit is what stayed through each.
    same_start_ = std::min(same_start_, change.first);
    same_end_ = std::min(same_end_, size_after - change.first - change.inserted);
}

ItemsChange ItemsChanges::since(size_t size_before, size_t size_now) const {
    const size_t start = std::min({same_start_, size_before, size_now});
    const size_t end = std::min({same_end_, size_before - start, size_now - start});
    return {start, size_before - start - end, size_now - start - end};
}

}  // namespace vortan
