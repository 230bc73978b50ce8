// The line's sag-spans grouped into tension sections: a section runs from a
// strain structure to the next, over consecutive spans. A section also starts
// at the first span and wherever the line has a gap (a span whose near
// structure is not the far structure of the span before).
#pragma once

#include <string>
#include <vector>

namespace vortan::stringing {

struct LineSpan {
    std::string near_structure, far_structure;
    double length_m = 0;
};

// "T01 - T02", as charts and their texts name a span.
inline std::string span_name(const LineSpan& span) { return span.near_structure + " - " + span.far_structure; }

struct TensionSection {
    std::vector<int> spans;  // positions in the line's span list, in order
    double ruling_span_m = 0;
};

std::vector<TensionSection> tension_sections(const std::vector<LineSpan>& spans,
                                             const std::vector<std::string>& strain_structures);

// The section's name: its first span's near structure, which keys its
// design conditions.
std::string section_first_structure(const TensionSection& section, const std::vector<LineSpan>& spans);

// The structures along the line in order: the near structure of each span and
// the far structure of the last; any of them may be made a strain structure.
std::vector<std::string> line_structures(const std::vector<LineSpan>& spans);

}  // namespace vortan::stringing
