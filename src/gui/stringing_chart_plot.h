// Sag against temperature, one line per span of a tension section: on screen
// as a widget, and drawn the same way onto a printed page.
#pragma once

#include "stringing/chart_table.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace vortan::gui {

struct SagPlot {
    QString title;
    QString temperature_unit, length_unit;
    std::vector<stringing::SagCurve> curves;
};

// The plot within `area`, with its axes, ticks, units and a key of the spans.
void draw_sag_plot(QPainter& painter, const QRectF& area, const SagPlot& plot);

class StringingChartPlot final : public QWidget {
    Q_OBJECT
public:
    explicit StringingChartPlot(QWidget* parent = nullptr);
    void set_plot(SagPlot plot);
    const SagPlot& plot() const { return plot_; }
    QSize sizeHint() const override { return {600, 340}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SagPlot plot_;
};

}  // namespace vortan::gui
