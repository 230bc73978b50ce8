// The journal's bytes: seeded random edits of a project's lists and texts
// written as entries read back and replay to the same state, and a file cut
// at any byte or with any byte changed gives its whole entries before the
// damage and counts the rest as lost.
#include "journal/journal_text.h"

#include <gtest/gtest.h>

#include <random>

namespace vortan::journal {
namespace {

// A random line: printable text, TABs, and now and then the characters the
// journal must escape.
std::string random_line(std::mt19937& random) {
    static const std::string alphabet = "ab1 \t.\\\r\n";
    std::string line;
    for (size_t n = random() % 12; n > 0; --n) line += alphabet[random() % alphabet.size()];
    return line;
}

ProjectState random_change(const ProjectState& state, std::mt19937& random) {
    ProjectState next = state;
    for (const char* list : {"Pole_Data_Listbox", "Cable_Bundle_Record_Listbox"}) {
        std::vector<std::string>& lines = next.lists[list];
        if (random() % 2 == 0) continue;
        const size_t at = lines.empty() ? 0 : random() % lines.size();
        if (random() % 3 == 0 && !lines.empty()) lines.erase(lines.begin() + static_cast<long>(at));
        else lines.insert(lines.begin() + static_cast<long>(at), random_line(random));
    }
    if (random() % 3 == 0) next.values["Contract_Edit"] = random_line(random);
    return next;
}

ProjectState empty_project() {
    return {{{"Contract_Edit", ""}}, {{"Pole_Data_Listbox", {}}, {"Cable_Bundle_Record_Listbox", {}}}};
}

struct Written {
    std::string bytes;
    std::vector<size_t> entry_ends;         // offset after each entry
    std::vector<ProjectState> states;  // [n]: after n entries
};

Written random_journal(unsigned seed) {
    std::mt19937 random(seed);
    Written journal{header_text({"/survey/line \\ 7.vtn", "1A2B", 4242}), {}, {empty_project()}};
    for (int n = 1; n <= 8; ++n) {
        ProjectState next = random_change(journal.states.back(), random);
        Entry entry = changes_between(journal.states.back(), next);
        entry.span = n;
        journal.bytes += entry_text(n, entry);
        journal.entry_ends.push_back(journal.bytes.size());
        journal.states.push_back(next);
    }
    return journal;
}

ProjectState replayed(const JournalContents& contents) {
    ProjectState state = empty_project();
    for (const Entry& entry : contents.entries) EXPECT_TRUE(apply(entry, state));
    return state;
}

TEST(JournalText, WholeEntriesReplayToTheStateWritten) {
    for (unsigned seed = 1; seed <= 50; ++seed) {
        const Written journal = random_journal(seed);
        auto contents = read_journal_text(journal.bytes);
        ASSERT_TRUE(contents) << "seed " << seed;
        EXPECT_EQ(contents->header.project, "/survey/line \\ 7.vtn");
        EXPECT_EQ(contents->lost, 0);
        ASSERT_EQ(contents->entries.size(), 8u);
        EXPECT_TRUE(replayed(*contents) == journal.states.back()) << "seed " << seed;
    }
}

TEST(JournalText, ACutOrDamagedFileKeepsTheEntriesBeforeTheDamage) {
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const Written journal = random_journal(seed);
        const size_t header = header_text({"/survey/line \\ 7.vtn", "1A2B", 4242}).size();
        for (size_t at = header; at < journal.bytes.size(); ++at) {
            size_t whole = 0;  // entries that end at or before `at`
            while (journal.entry_ends[whole] <= at) ++whole;
            const bool on_boundary = at == (whole == 0 ? header : journal.entry_ends[whole - 1]);
            auto cut = read_journal_text(journal.bytes.substr(0, at));
            ASSERT_TRUE(cut);
            ASSERT_EQ(cut->entries.size(), whole) << "seed " << seed << ", cut at " << at;
            EXPECT_EQ(cut->lost, on_boundary ? 0 : 1) << "seed " << seed << ", cut at " << at;
            EXPECT_TRUE(replayed(*cut) == journal.states[whole]);
            // A changed byte: nothing from its entry on is taken, unless the
            // change is harmless (a CRC's hexadecimal letter in the other case).
            std::string bytes = journal.bytes;
            bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
            auto damaged = read_journal_text(bytes);
            ASSERT_TRUE(damaged);
            const size_t kept = damaged->entries.size();
            EXPECT_TRUE(replayed(*damaged) == journal.states[kept]) << "seed " << seed << ", damaged at " << at;
            if (kept == 8) continue;
            EXPECT_EQ(kept, whole) << "seed " << seed << ", damaged at " << at;
            EXPECT_GE(damaged->lost, 1);
            EXPECT_LE(static_cast<size_t>(damaged->lost), 8 - kept);
        }
    }
}

TEST(JournalText, OnlyAWholeSoundHeaderMakesAJournal) {
    const std::string header = header_text({"/lines/a.vtn", "1A2B", 7});
    for (size_t cut = 0; cut < header.size(); ++cut) EXPECT_FALSE(read_journal_text(header.substr(0, cut))) << cut;
    // Any one bit flipped in the header is told from a journal of another save.
    for (size_t at = 0; at < header.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = header;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
            EXPECT_FALSE(read_journal_text(damaged)) << "byte " << at << " bit " << bit;
        }
    auto contents = read_journal_text(header);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->header.base, "1A2B");
    EXPECT_EQ(contents->header.sequence, 7);
    // A journal of the first version still reads, without a sequence.
    auto first = read_journal_text("Vortan Recovery Journal 1\nproject /lines/a.vtn\nbase 1A2B\npid 4242\n" +
                                   entry_text(1, Entry{3, {{"Inspector_Surname_Edit", "Ng"}}, {}}));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->header.sequence, 0);
    EXPECT_EQ(first->entries.size(), 1u);
    EXPECT_EQ(first->lost, 0);
}

}  // namespace
}  // namespace vortan::journal
