#include "shell/window_scaling.h"

#include <cmath>
#include <sstream>

namespace vortan {

namespace {

constexpr const char* Design_Size_Label = "W/H Mainform1";

std::optional<std::vector<int>> leading_integers(const std::string& line, size_t count, std::string* rest) {
    std::istringstream in(line);
    std::vector<int> values(count);
    for (int& value : values)
        if (!(in >> value)) return std::nullopt;
    if (rest) {
        std::getline(in >> std::ws, *rest);
    }
    return values;
}

}  // namespace

int round_half_even(double value) {
    const double nearest = std::nearbyint(value);  // the default rounding mode rounds halves to even
    return static_cast<int>(nearest);
}

std::vector<std::string> design_geometry_lines(int client_width, int client_height,
                                               const std::vector<DesignComponent>& components) {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(client_width) + " " + std::to_string(client_height) + " " + Design_Size_Label);
    for (const DesignComponent& component : components) {
        if (!component.geometry) {
            lines.push_back("0");
            continue;
        }
        const DesignGeometry& g = *component.geometry;
        lines.push_back(std::to_string(g.left) + " " + std::to_string(g.width) + " " + std::to_string(g.top) + " " +
                        std::to_string(g.height) + " " + std::to_string(g.font_size) + " " + component.name);
    }
    return lines;
}

std::optional<ScaleFactors> scale_factors(const std::vector<std::string>& lines, int client_width,
                                          int client_height) {
    if (lines.empty()) return std::nullopt;
    const auto design = leading_integers(lines[0], 2, nullptr);
    // A design size of 0 would divide by zero.
    if (!design || (*design)[0] <= 0 || (*design)[1] <= 0) return std::nullopt;
    return ScaleFactors{static_cast<double>(client_width) / (*design)[0],
                        static_cast<double>(client_height) / (*design)[1]};
}

DesignGeometry scale_geometry(const DesignGeometry& design, const ScaleFactors& factors) {
    DesignGeometry scaled;
    scaled.left = round_half_even(design.left * factors.width);
    scaled.width = round_half_even(design.width * factors.width);
    scaled.top = round_half_even(design.top * factors.height);
    scaled.height = round_half_even(design.height * factors.height);
    const int font = round_half_even(design.font_size * factors.font());
    scaled.font_size = font < 1 ? 1 : font;
    return scaled;
}

std::vector<ScaledComponent> scaled_components(const std::vector<std::string>& lines, int client_width,
                                               int client_height) {
    std::vector<ScaledComponent> scaled;
    const auto factors = scale_factors(lines, client_width, client_height);
    if (!factors) return scaled;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].size() <= 1) continue;  // "0": not a control
        std::string name;
        const auto values = leading_integers(lines[i], 5, &name);
        if (!values) continue;  // a damaged line leaves its control alone
        const auto& v = *values;
        const DesignGeometry design{v[0], v[1], v[2], v[3], v[4]};
        scaled.push_back(ScaledComponent{i - 1, name, scale_geometry(design, *factors)});
    }
    return scaled;
}

}  // namespace vortan
