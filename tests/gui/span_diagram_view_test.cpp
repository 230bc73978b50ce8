// The span diagram on screen: painted where its shapes say, at any size, and
// built and fed by the generic form view and binder.
#include "diagram/span_diagram.h"
#include "gui/form_binder.h"
#include "gui/form_view.h"
#include "gui/span_diagram_view.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace vortan;
using namespace vortan::gui;

namespace {

// The cable's dark blue, and nothing else the diagram paints.
bool cable_blue(QRgb pixel) { return qBlue(pixel) > 100 && qRed(pixel) < 80 && qGreen(pixel) < 100; }

QImage rendered(SpanDiagramView& view, QSize size) {
    view.resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    view.render(&image);
    return image;
}

int cable_pixels(const QImage& image, QRect where) {
    int count = 0;
    where &= image.rect();
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x) count += cable_blue(image.pixel(x, y));
    return count;
}

std::vector<std::string> level_span_shapes() {
    return diagram_shapes(span_diagram(300, 6, true, SpanSketch{}), Diagram_Design_Width, Diagram_Design_Height,
                          "m");
}

// Where a shape's first point lands in a widget of that size, letterboxed.
QPoint first_point(const std::vector<std::string>& shapes, const std::string& prefix, QSize size) {
    for (const std::string& shape : shapes) {
        if (shape.rfind(prefix, 0) != 0) continue;
        std::istringstream in(shape.substr(prefix.size()));
        double x = 0, y = 0;
        in >> x >> y;
        const double scale = std::min(size.width() / Diagram_Design_Width, size.height() / Diagram_Design_Height);
        const double left = (size.width() - Diagram_Design_Width * scale) / 2;
        const double top = (size.height() - Diagram_Design_Height * scale) / 2;
        return QPoint(int(left + x * Diagram_Design_Width * scale), int(top + y * Diagram_Design_Height * scale));
    }
    ADD_FAILURE() << "no " << prefix;
    return {};
}

}  // namespace

TEST(SpanDiagramView, CableIsPaintedWhereItsShapesSayAtAnySize) {
    const auto shapes = level_span_shapes();
    SpanDiagramView view;
    view.set_shapes(shapes);
    for (QSize size : {QSize(300, 170), QSize(600, 200), QSize(200, 400)}) {
        SCOPED_TRACE(size.width() * 1000 + size.height());
        const QImage image = rendered(view, size);
        for (const char* prefix : {"mark low_point ", "line cable "}) {
            const QPoint at = first_point(shapes, prefix, size);
            EXPECT_GT(cable_pixels(image, QRect(at - QPoint(4, 4), QSize(9, 9))), 0) << prefix;
        }
        EXPECT_EQ(image.pixel(size.width() / 2, 0) & 0xffffff, 0xa0a0a0u);  // the frame
    }
    // 600x200 holds the 300x170 design at 353x200, undistorted: the sides stay empty.
    const QImage wide = rendered(view, QSize(600, 200));
    EXPECT_EQ(cable_pixels(wide, QRect(0, 0, 120, 200)) + cable_pixels(wide, QRect(480, 0, 120, 200)), 0);
}

TEST(SpanDiagramView, NothingReadableShowsOnlyTheNote) {
    for (const auto& shapes : std::vector<std::vector<std::string>>{
             {},
             {"line cable 0.1 0.5", "line cable 0.1 0.5 nan 0.6", "mark cable 0.5", "curve cable 0 0 1 1",
              "line wire 0.1 0.5 0.9 0.5", "text middle 0.5 0.5 x"}}) {
        SpanDiagramView view;
        view.set_shapes(shapes);
        const QImage image = rendered(view, QSize(300, 170));
        EXPECT_EQ(cable_pixels(image, image.rect()), 0);
        EXPECT_EQ(image.pixel(5, 5) & 0xffffff, 0xffffffu);
        int grey = 0;  // the note, across the middle
        for (int x = 0; x < 300; ++x) grey += qGray(image.pixel(x, 85)) < 200;
        EXPECT_GT(grey, 0);
    }
}

TEST(SpanDiagramView, FormDrawingControlBecomesAViewFedByItsItems) {
    Form form;
    form.add(ControlKind::Drawing, "Span_Diagram_Drawing");
    QWidget window;
    build_form_view(form, &window);
    new FormBinder(form, &window);
    auto* view = window.findChild<SpanDiagramView*>(QStringLiteral("Span_Diagram_Drawing"));
    ASSERT_NE(view, nullptr);
    auto painted = [&] { return cable_pixels(rendered(*view, QSize(300, 170)), QRect(0, 0, 300, 170)); };
    EXPECT_EQ(painted(), 0);
    form.set_items("Span_Diagram_Drawing", level_span_shapes());
    EXPECT_GT(painted(), 0);
    form.set_items("Span_Diagram_Drawing", {});
    EXPECT_EQ(painted(), 0);
}
