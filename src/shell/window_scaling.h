// Proportional scaling of the main window. The design geometry is kept as the
// lines of a list: first the client width and height the window was designed
// at, then one line per component in creation order, either its left, width,
// top, height, font size and name, or "0" for a component that is not a
// control. A resized window scales every control from these design values.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vortan {

struct DesignGeometry {
    int left = 0;
    int width = 0;
    int top = 0;
    int height = 0;
    int font_size = 0;
};

// One component of the window; no geometry for one that is not a control.
struct DesignComponent {
    std::string name;
    std::optional<DesignGeometry> geometry;
};

// The window's size over its design size, each way.
struct ScaleFactors {
    double width = 1;
    double height = 1;
    // Fonts grow with the smaller of the two, so texts still fit.
    double font() const { return width < height ? width : height; }
};

// Rounds to the nearest integer, halves to the even neighbour.
int round_half_even(double value);

std::vector<std::string> design_geometry_lines(int client_width, int client_height,
                                               const std::vector<DesignComponent>& components);

// The factors for a client area, or none when the list holds no usable design
// size (empty, no first line, or a width or height that is not above 0): the
// layout then stays as it is.
std::optional<ScaleFactors> scale_factors(const std::vector<std::string>& lines, int client_width,
                                          int client_height);

// A design geometry at the given factors; a font never shrinks below 1.
DesignGeometry scale_geometry(const DesignGeometry& design, const ScaleFactors& factors);

struct ScaledComponent {
    size_t component = 0;  // index in creation order
    std::string name;
    DesignGeometry geometry;
};

// Every control of the list at the given client size; nothing when the list
// holds no usable design size.
std::vector<ScaledComponent> scaled_components(const std::vector<std::string>& lines, int client_width,
                                               int client_height);

}  // namespace vortan
