// The journal's bytes. A header names the project and the save it starts
// from; every entry after it carries its length and CRC, so that a reader
// takes the complete entries of a file the program died while writing and
// knows how many it could not take.
//
//   Vortan Recovery Journal 2
//   project <master file, empty for an unsaved project>
//   base <CRC of the master file as saved, "none" for an unsaved project>
//   sequence <one more than the highest of the journals it was begun beside>
//   check <CRC of the header's bytes before this line>
//   entry <sequence> <bytes> <CRC>
//   span <n>
//   value <control> <text>
//   list <control> <at> <removed> <inserted>
//   <inserted line>...
//
// Texts and lines are escaped ("\\", "\n", "\r") so that each is one line.
// Journals of version 1 (a "pid" line in place of "sequence", no "check")
// are still read; their sequence is 0.
#pragma once

#include "journal/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortan::journal {

inline constexpr const char* No_Base = "none";

struct JournalHeader {
    std::string project;
    std::string base;
    long sequence = 0;
};

struct JournalContents {
    JournalHeader header;
    std::vector<Entry> entries;  // the complete entries, in order
    int lost = 0;                // entries begun after them that cannot be read
};

std::string header_text(const JournalHeader& header);
std::string entry_text(int sequence, const Entry& entry);
// Nothing when the bytes do not start with a whole, sound journal header
// (one that is damaged, or of a version this program does not know).
std::optional<JournalContents> read_journal_text(std::string_view bytes);

}  // namespace vortan::journal
