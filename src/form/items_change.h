// What an edit of a list replaced, so that a view of a long list follows the
// rows that changed rather than reading them all again.
#pragma once

#include <cstddef>

namespace vortan {

// `removed` entries from `first` gave way to `inserted` new ones; the rest
// stayed as they were.
struct ItemsChange {
    size_t first = 0;
    size_t removed = 0;
    size_t inserted = 0;
};

// Several edits of one list as one: what they replaced together, from the
// list before the first of them to the list after the last.
class ItemsChanges {
public:
    // One more edit, leaving the list `size_after` entries long.
    void add(const ItemsChange& change, size_t size_after);
    // Everything replaced since the list was `size_before` entries long and
    // is now `size_now`.
    ItemsChange since(size_t size_before, size_t size_now) const;
    void clear() { *this = {}; }

private:
    // The longest beginning and end no edit has touched.
    size_t same_start_ = static_cast<size_t>(-1);
    size_t same_end_ = static_cast<size_t>(-1);
};

}  // namespace vortan
