#include "stringing/tension_sections.h"

#include "stringing/change_of_state.h"

#include <algorithm>

namespace vortan::stringing {

namespace {

bool starts_section(const std::vector<LineSpan>& spans, size_t n, const std::vector<std::string>& strains) {
    if (n == 0 || spans[n].near_structure != spans[n - 1].far_structure) return true;
    return std::find(strains.begin(), strains.end(), spans[n].near_structure) != strains.end();
}

}  // namespace

std::vector<TensionSection> tension_sections(const std::vector<LineSpan>& spans,
                                             const std::vector<std::string>& strain_structures) {
    std::vector<TensionSection> sections;
    for (size_t n = 0; n < spans.size(); ++n) {
        if (starts_section(spans, n, strain_structures)) sections.emplace_back();
        sections.back().spans.push_back(static_cast<int>(n));
    }
    for (TensionSection& section : sections) {
        std::vector<double> lengths;
        for (int n : section.spans) lengths.push_back(spans[static_cast<size_t>(n)].length_m);
        section.ruling_span_m = ruling_span(lengths.data(), static_cast<int>(lengths.size()));
    }
    return sections;
}

std::string section_first_structure(const TensionSection& section, const std::vector<LineSpan>& spans) {
    return section.spans.empty() ? std::string() : spans[static_cast<size_t>(section.spans.front())].near_structure;
}

std::vector<std::string> line_structures(const std::vector<LineSpan>& spans) {
    std::vector<std::string> structures;
    for (const LineSpan& span : spans) structures.push_back(span.near_structure);
    if (!spans.empty()) structures.push_back(spans.back().far_structure);
    return structures;
}

}  // namespace vortan::stringing
