#include "gui/span_diagram_view.h"

#include "diagram/span_diagram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vortan::gui {

namespace {

using Shape = SpanDiagramView::Shape;

constexpr double Station_Size = 5;  // pixels, half the triangle's base
constexpr double Low_Point_Radius = 3.5;

std::optional<QPointF> point_at(const QStringList& words, qsizetype index) {
    bool x_ok = false;
    bool y_ok = false;
    const double x = words[index].toDouble(&x_ok);  // QString reads numbers in the C locale
    const double y = words[index + 1].toDouble(&y_ok);
    if (!x_ok || !y_ok || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    return QPointF(x, y);
}

bool read_points(Shape& shape, const QStringList& words, qsizetype first, qsizetype last) {
    if ((last - first) % 2 != 0) return false;
    for (qsizetype i = first; i < last; i += 2) {
        const auto point = point_at(words, i);
        if (!point) return false;
        shape.points.push_back(*point);
    }
    return true;
}

bool known_anchor(const QString& anchor) {
    return anchor == QLatin1String("left") || anchor == QLatin1String("centre") || anchor == QLatin1String("right");
}

std::optional<Shape> parse(const std::string& text) {
    const QString line = QString::fromStdString(text);
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4) return std::nullopt;
    Shape shape{words[0], words[1], {}, {}};
    bool ok = false;
    if (shape.kind == QLatin1String("line")) {
        ok = words.size() >= 6 && read_points(shape, words, 2, words.size());
    } else if (shape.kind == QLatin1String("mark")) {
        ok = words.size() == 4 && read_points(shape, words, 2, 4);
    } else if (shape.kind == QLatin1String("text")) {
        ok = known_anchor(shape.style) && read_points(shape, words, 2, 4);
        shape.text = line.section(QLatin1Char(' '), 4, -1, QString::SectionSkipEmpty);
    }
    return ok ? std::optional<Shape>(shape) : std::nullopt;
}

std::optional<QPen> pen_for(const QString& style) {
    struct Look {
        const char* style;
        QColor colour;
        double width;
        Qt::PenStyle line;
    };
    static const Look looks[] = {
        {"cable", QColor(0x1a, 0x3a, 0x8c), 2.5, Qt::SolidLine},
        {"support", QColor(0x50, 0x50, 0x50), 3, Qt::SolidLine},
        {"ground", QColor(0x8b, 0x64, 0x3c), 1.5, Qt::DashLine},
        {"sight", QColor(0xc8, 0x1e, 0x1e), 1.2, Qt::DashLine},
        {"stick", QColor(0x1e, 0x8c, 0x32), 2, Qt::SolidLine},
        {"chord", QColor(0x96, 0x96, 0x96), 1, Qt::DotLine},
        {"station", QColor(0x3c, 0x3c, 0x3c), 1, Qt::SolidLine},
        {"low_point", QColor(0xc8, 0x64, 0x00), 1.5, Qt::SolidLine},
    };
    for (const Look& look : looks)
        if (style == QLatin1String(look.style)) return QPen(look.colour, look.width, look.line, Qt::RoundCap, Qt::RoundJoin);
    return std::nullopt;
}

// The design area at the largest size the widget holds without distorting it.
QRectF letterbox(const QRectF& room) {
    const double scale = std::min(room.width() / Diagram_Design_Width, room.height() / Diagram_Design_Height);
    const QSizeF size(Diagram_Design_Width * scale, Diagram_Design_Height * scale);
    return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// A font set in pixels has no point size to scale.
QFont scaled(QFont font, double factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
    return font;
}

// Texts are laid out for the design size: smaller with the drawing, and never
// wider than it.
QFont fitted_font(const QFont& base, const QString& text, const QRectF& area) {
    const QFont font = scaled(base, std::min(1.0, area.width() / Diagram_Design_Width));
    const double wide = QFontMetricsF(font).horizontalAdvance(text);
    return wide > area.width() ? scaled(font, area.width() / wide) : font;
}

class ShapePainter {
public:
    ShapePainter(QPainter& painter, const QRectF& area, const QFont& font)
        : painter_(painter), area_(area), font_(font) {}

    void paint(const Shape& shape) {
        if (shape.kind == QLatin1String("text")) {
            paint_text(shape);
            return;
        }
        const auto pen = pen_for(shape.style);
        if (!pen) return;
        painter_.setPen(*pen);
        if (shape.kind == QLatin1String("line"))
            paint_line(shape);
        else
            paint_mark(shape.style, to_widget(shape.points.front()));
    }

private:
    QPointF to_widget(QPointF p) const {
        return {area_.left() + p.x() * area_.width(), area_.top() + p.y() * area_.height()};
    }

    void paint_line(const Shape& shape) {
        QPolygonF polyline;
        for (QPointF point : shape.points) polyline << to_widget(point);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(polyline);
    }

    void paint_mark(const QString& style, QPointF at) {
        if (style == QLatin1String("station")) {
            // The instrument stands on the point: the triangle's apex.
            painter_.setBrush(painter_.pen().color());
            painter_.drawPolygon(QPolygonF{at, at + QPointF(-Station_Size, 2 * Station_Size),
                                           at + QPointF(Station_Size, 2 * Station_Size)});
        } else {
            painter_.setBrush(Qt::NoBrush);
            painter_.drawEllipse(at, Low_Point_Radius, Low_Point_Radius);
        }
    }

    void paint_text(const Shape& shape) {
        const QFont font = fitted_font(font_, shape.text, area_);
        const QFontMetricsF metrics(font);
        const double wide = metrics.horizontalAdvance(shape.text);
        const QPointF at = to_widget(shape.points.front());
        const double left = shape.style == QLatin1String("left")    ? at.x()
                            : shape.style == QLatin1String("right") ? at.x() - wide
                                                                    : at.x() - wide / 2;
        painter_.setFont(font);
        painter_.setPen(QColor(0x28, 0x28, 0x28));
        painter_.drawText(QPointF(left, at.y() + (metrics.ascent() - metrics.descent()) / 2), shape.text);
    }

    QPainter& painter_;
    QRectF area_;
    QFont font_;
};

}  // namespace

SpanDiagramView::SpanDiagramView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SpanDiagramView::set_shapes(const std::vector<std::string>& shapes) {
    shapes_.clear();
    for (const std::string& line : shapes)
        if (auto shape = parse(line)) shapes_.push_back(*shape);
    update();
}

QSize SpanDiagramView::sizeHint() const { return {300, 170}; }

QSize SpanDiagramView::minimumSizeHint() const { return {150, 85}; }

int SpanDiagramView::heightForWidth(int width) const {
    return static_cast<int>(std::lround(width * Diagram_Design_Height / Diagram_Design_Width));
}

void SpanDiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (shapes_.empty()) {
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("No diagram: calculate to draw the span"));
        return;
    }
    ShapePainter shapes(painter, letterbox(QRectF(rect())), font());
    for (const Shape& shape : shapes_) shapes.paint(shape);
}

}  // namespace vortan::gui
