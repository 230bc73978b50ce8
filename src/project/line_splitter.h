// Cuts text that arrives in blocks into lines; CR LF, a lone CR and a lone LF
// all end a line, also when a block ends between the CR and the LF.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vortan {

class LineSplitter {
public:
    // Beyond `most_lines` lines the splitter stops keeping them: what follows
    // is not read, and over_limit() tells.
    explicit LineSplitter(size_t most_lines = static_cast<size_t>(-1)) : most_lines_(most_lines) {}
    void feed(const char* data, size_t size);
    bool over_limit() const { return lines_.size() > most_lines_; }
    // Room for the lines of `total` bytes, judged from the lines of the bytes
    // fed so far, so that a large file's list is not copied as it grows.
    void reserve_for(size_t total);
    // The lines, with a last line that has no line end.
    std::vector<std::string> finish();

private:
    void end_line(const char* start, const char* end);

    size_t most_lines_;
    std::vector<std::string> lines_;
    std::string partial_;  // the start of a line that continues in the next block
    size_t fed_ = 0;
    bool after_cr_ = false;  // a block ended in CR: an LF opening the next belongs to it
};

}  // namespace vortan
