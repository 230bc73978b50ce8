#include "gui/stringing_chart_plot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vortan::gui {

namespace {

// Distinct on screen; the markers tell the spans apart on a grey printout.
const QColor Span_Colours[] = {QColor(0, 90, 181),   QColor(220, 50, 32),  QColor(0, 140, 70),
                               QColor(150, 60, 170), QColor(230, 130, 0),  QColor(0, 150, 160),
                               QColor(120, 80, 40),  QColor(200, 40, 130), QColor(90, 90, 90),
                               QColor(130, 150, 0)};
constexpr int Marker_Shapes = 5;

struct Range {
    double low = 0, high = 1;
};

// Ticks at 1, 2 or 5 times a power of ten, about `wanted` of them; the range
// widens to whole ticks unless it is to stay as it is.
std::vector<double> ticks_of(Range& range, int wanted, bool widen) {
    const double raw = (range.high - range.low) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = raw / power < 1.5 ? power : raw / power < 3.5 ? 2 * power : raw / power < 7.5 ? 5 * power
                                                                                                    : 10 * power;
    if (widen) {
        range.low = std::floor(range.low / step + 1e-9) * step;
        range.high = std::ceil(range.high / step - 1e-9) * step;
    }
    std::vector<double> ticks;
    for (double t = std::ceil(range.low / step - 1e-9) * step; t <= range.high + step * 1e-6; t += step) ticks.push_back(std::abs(t) < step * 1e-9 ? 0 : t);
    return ticks;
}

QString tick_text(double value, const std::vector<double>& ticks) {
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1;
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

void draw_marker(QPainter& painter, QPointF at, int shape, qreal size) {
    const QRectF box(at.x() - size, at.y() - size, 2 * size, 2 * size);
    switch (shape % Marker_Shapes) {
    case 0: painter.drawEllipse(box); break;
    case 1: painter.drawRect(box); break;
    case 2: painter.drawPolygon(QPolygonF{{at.x(), box.top()}, box.bottomRight(), box.bottomLeft()}); break;
    case 3:
        painter.drawPolygon(QPolygonF{{at.x(), box.top()}, {box.right(), at.y()}, {at.x(), box.bottom()},
                                      {box.left(), at.y()}});
        break;
    default:
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
}

struct Frame {
    QRectF box;
    Range x, y;
    QPointF at(double temperature, double sag) const {
        return {box.left() + (temperature - x.low) / (x.high - x.low) * box.width(),
                box.bottom() - (sag - y.low) / (y.high - y.low) * box.height()};
    }
};

void draw_axes(QPainter& painter, const Frame& frame, const std::vector<double>& x_ticks,
               const std::vector<double>& y_ticks, const SagPlot& plot) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal tick = metrics.height() / 3;
    painter.setPen(QPen(QColor(215, 215, 215), 0));
    for (double x : x_ticks) painter.drawLine(frame.at(x, frame.y.low), frame.at(x, frame.y.high));
    for (double y : y_ticks) painter.drawLine(frame.at(frame.x.low, y), frame.at(frame.x.high, y));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(frame.box);
    for (double x : x_ticks) {
        const QPointF p = frame.at(x, frame.y.low);
        painter.drawLine(p, p + QPointF(0, tick));
        const QString text = tick_text(x, x_ticks);
        painter.drawText(QPointF(p.x() - metrics.horizontalAdvance(text) / 2, p.y() + tick + metrics.ascent()), text);
    }
    for (double y : y_ticks) {
        const QPointF p = frame.at(frame.x.low, y);
        painter.drawLine(p, p - QPointF(tick, 0));
        const QString text = tick_text(y, y_ticks);
        painter.drawText(QPointF(p.x() - tick * 1.5 - metrics.horizontalAdvance(text), p.y() + metrics.ascent() / 2 - 1),
                         text);
    }
    const QString x_title = QStringLiteral("Conductor temperature (%1)").arg(plot.temperature_unit);
    painter.drawText(QPointF(frame.box.center().x() - metrics.horizontalAdvance(x_title) / 2,
                             frame.box.bottom() + tick + 2 * metrics.lineSpacing()),
                     x_title);
    painter.save();
    const QString y_title = QStringLiteral("Sag (%1)").arg(plot.length_unit);
    painter.translate(frame.box.left() - metrics.horizontalAdvance(QStringLiteral("000.00")) - 2 * tick,
                      frame.box.center().y() + metrics.horizontalAdvance(y_title) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), y_title);
    painter.restore();
}

void draw_curves(QPainter& painter, const Frame& frame, const SagPlot& plot, qreal marker) {
    painter.save();
    painter.setClipRect(frame.box.adjusted(-marker, -marker, marker, marker));
    for (size_t i = 0; i < plot.curves.size(); ++i) {
        const stringing::SagCurve& curve = plot.curves[i];
        const QColor colour = Span_Colours[i % std::size(Span_Colours)];
        painter.setPen(QPen(colour, marker / 2));
        painter.setBrush(Qt::NoBrush);
        QPolygonF line;
        for (size_t p = 0; p < curve.sags.size(); ++p) line << frame.at(curve.temperatures[p], curve.sags[p]);
        painter.drawPolyline(line);
        painter.setBrush(colour);
        painter.setPen(QPen(colour, marker / 3));
        for (const QPointF& point : line) draw_marker(painter, point, static_cast<int>(i), marker);
    }
    painter.restore();
}

// The key at the right: a marker and the span's name per line.
void draw_key(QPainter& painter, const QRectF& area, const SagPlot& plot, qreal marker) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal y = area.top() + metrics.lineSpacing();
    for (size_t i = 0; i < plot.curves.size() && y < area.bottom(); ++i, y += metrics.lineSpacing()) {
        const QColor colour = Span_Colours[i % std::size(Span_Colours)];
        painter.setPen(QPen(colour, marker / 2));
        painter.drawLine(QPointF(area.left(), y - metrics.ascent() / 3), QPointF(area.left() + 4 * marker, y - metrics.ascent() / 3));
        painter.setBrush(colour);
        draw_marker(painter, QPointF(area.left() + 2 * marker, y - metrics.ascent() / 3), static_cast<int>(i), marker);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(area.left() + 6 * marker, y), QString::fromStdString(plot.curves[i].span));
    }
}

Range range_of(const SagPlot& plot, bool temperatures) {
    Range range{1e300, -1e300};
    for (const stringing::SagCurve& curve : plot.curves)
        for (double v : temperatures ? curve.temperatures : curve.sags) {
            range.low = std::min(range.low, v);
            range.high = std::max(range.high, v);
        }
    if (range.low > range.high) return {};
    if (range.high - range.low < 1e-9) range = {range.low - 1, range.high + 1};
    return range;
}

}  // namespace

void draw_sag_plot(QPainter& painter, const QRectF& area, const SagPlot& plot) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal line = metrics.lineSpacing();
    qreal key_width = 0;
    for (const stringing::SagCurve& curve : plot.curves)
        key_width = std::max(key_width, metrics.horizontalAdvance(QString::fromStdString(curve.span)));
    const qreal marker = std::max<qreal>(2, line / 5);
    key_width += 7 * marker;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignHCenter, plot.title);
    Frame frame;
    frame.box = QRectF(area.left() + metrics.horizontalAdvance(QStringLiteral("000.00")) + 3 * line, area.top() + 1.5 * line,
                       0, 0);
    frame.box.setRight(area.right() - key_width - line);
    frame.box.setBottom(area.bottom() - 3 * line);
    if (frame.box.width() < 4 * line || frame.box.height() < 4 * line || plot.curves.empty()) {
        painter.restore();
        return;
    }
    frame.x = range_of(plot, true);
    frame.y = range_of(plot, false);
    frame.y.low = std::min(frame.y.low, frame.y.high - (frame.y.high - frame.y.low) * 1.2);  // room below the lowest sag
    // The chart's temperatures end the axis; the sags get whole ticks around them.
    const auto x_ticks = ticks_of(frame.x, std::max(2, static_cast<int>(frame.box.width() / (3.5 * line))), false);
    const auto y_ticks = ticks_of(frame.y, std::max(2, static_cast<int>(frame.box.height() / (2.5 * line))), true);
    draw_axes(painter, frame, x_ticks, y_ticks, plot);
    draw_curves(painter, frame, plot, marker);
    draw_key(painter, QRectF(frame.box.right() + line, frame.box.top(), key_width, frame.box.height()), plot, marker);
    painter.restore();
}

StringingChartPlot::StringingChartPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Stringing_Plot"));
    setMinimumHeight(220);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void StringingChartPlot::set_plot(SagPlot plot) {
    plot_ = std::move(plot);
    update();
}

void StringingChartPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    draw_sag_plot(painter, QRectF(rect()).adjusted(8, 8, -8, -8), plot_);
}

}  // namespace vortan::gui
