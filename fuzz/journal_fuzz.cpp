// The recovery journal reader on arbitrary bytes.
//
// Whatever it takes from the bytes must be what a writer would have written:
// the header and the complete entries written again read back the same, with
// nothing lost, and replaying them never goes outside a list.
#include "journal/journal_text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vortan::journal;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool same(const Entry& a, const Entry& b) {
    if (a.span != b.span || a.values != b.values || a.lists.size() != b.lists.size()) return false;
    for (size_t n = 0; n < a.lists.size(); ++n) {
        const ListEdit &x = a.lists[n], &y = b.lists[n];
        if (x.list != y.list || x.at != y.at || x.removed != y.removed || x.inserted != y.inserted) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto contents = read_journal_text(bytes);
    if (!contents) return 0;
    if (contents->lost < 0) fail("negative lost count");
    std::string again = header_text(contents->header);
    for (size_t n = 0; n < contents->entries.size(); ++n) again += entry_text(static_cast<int>(n) + 1, contents->entries[n]);
    auto reread = read_journal_text(again);
    if (!reread || reread->lost != 0 || reread->entries.size() != contents->entries.size())
        fail("the entries written again do not read back whole");
    if (reread->header.project != contents->header.project || reread->header.base != contents->header.base ||
        reread->header.sequence != contents->header.sequence)
        fail("the header written again reads back otherwise");
    for (size_t n = 0; n < contents->entries.size(); ++n)
        if (!same(reread->entries[n], contents->entries[n])) fail("an entry written again reads back otherwise");
    ProjectState state;
    for (const Entry& entry : contents->entries)
        if (!apply(entry, state)) break;
    return 0;
}
