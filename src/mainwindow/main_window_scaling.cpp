// Proportional scaling of the main window from its design geometry.
#include "mainwindow/main_window.h"
#include "units/displayed_fields.h"

namespace vortan {

void MainWindow::capture_design_geometry(int client_width, int client_height,
                                         const std::vector<DesignComponent>& components) {
    if (!form_.items("Scaling_ListBox").empty()) return;
    form_.set_items("Scaling_ListBox", design_geometry_lines(client_width, client_height, components));
}

std::optional<ScaleFactors> MainWindow::window_resized(int client_width, int client_height) {
    const auto factors = scale_factors(form_.items("Scaling_ListBox"), client_width, client_height);
    if (!closing_) Set_Units_Labels(form_, setup_.form(), setup_.imperial());
    return factors;
}

}  // namespace vortan
