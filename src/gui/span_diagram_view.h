// Paints the shapes of a span diagram (see diagram/span_diagram.h). It knows
// nothing of spans: what to draw and where comes with the shapes.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace vortan::gui {

class SpanDiagramView final : public QWidget {
    Q_OBJECT

public:
    explicit SpanDiagramView(QWidget* parent = nullptr);

    // Lines it cannot read are left out; none at all shows a note instead.
    void set_shapes(const std::vector<std::string>& shapes);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // As tall as the design area is for the width: no blank bands around it.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    struct Shape {
        QString kind;   // line, mark or text
        QString style;  // a line's or mark's style, a text's anchor
        std::vector<QPointF> points;  // normalised, y down
        QString text;
    };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Shape> shapes_;
};

}  // namespace vortan::gui
