#include "project/line_splitter.h"

#include <cstring>
#include <functional>

namespace vortan {

namespace {

// The first CR or LF in [at, end), or end. Two library searches beat a byte
// loop: lines of a project run to a hundred bytes and more. `next_cr` keeps
// the CR found last, so that text with no CR is searched for one only once,
// not again from every line (which made a file of LF line ends quadratic).
const char* line_end(const char* at, const char* end, const char*& next_cr) {
    if (std::less<const char*>{}(next_cr, at)) {  // none found yet, or one passed
        auto cr = static_cast<const char*>(std::memchr(at, '\r', static_cast<size_t>(end - at)));
        next_cr = cr ? cr : end;
    }
    auto lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(next_cr - at)));
    return lf ? lf : next_cr;
}

}  // namespace

void LineSplitter::end_line(const char* start, const char* end) {
    if (partial_.empty()) {
        lines_.emplace_back(start, end);
        return;
    }
    partial_.append(start, end);
    lines_.push_back(std::move(partial_));
    partial_.clear();
}

void LineSplitter::feed(const char* data, size_t size) {
    const char* at = data;
    const char* end = data + size;
    fed_ += size;
    if (after_cr_ && at < end) {
        if (*at == '\n') ++at;
        after_cr_ = false;
    }
    const char* next_cr = nullptr;
    while (at < end && !over_limit()) {
        const char* stop = line_end(at, end, next_cr);
        if (stop == end) {
            partial_.append(at, end);
            return;
        }
        end_line(at, stop);
        at = stop + 1;
        if (*stop == '\r') {
            if (at == end)
                after_cr_ = true;
            else if (*at == '\n')
                ++at;
        }
    }
}

void LineSplitter::reserve_for(size_t total) {
    if (fed_ == 0 || lines_.empty() || total <= fed_) return;
    const double per_byte = static_cast<double>(lines_.size()) / static_cast<double>(fed_);
    const double expected = per_byte * static_cast<double>(total) * 1.05 + 16;
    // Never more room than the limit allows: a file of nothing but line ends
    // would otherwise ask for a slot per byte.
    const double most = static_cast<double>(most_lines_) + 1;
    lines_.reserve(static_cast<size_t>(expected < most ? expected : most));
}

std::vector<std::string> LineSplitter::finish() {
    if (!partial_.empty() && !over_limit()) lines_.push_back(std::move(partial_));
    partial_.clear();
    after_cr_ = false;
    fed_ = 0;
    std::vector<std::string> lines = std::move(lines_);
    lines_.clear();
    return lines;
}

}  // namespace vortan
