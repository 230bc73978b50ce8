// Proportional scaling of a form view. The view's layouts work in design
// coordinates, the geometry the window was designed at; each widget is then
// placed at its design geometry times the window's scale factors, and the
// view's font grows with the smaller factor. Fields shown or hidden later
// still reflow, because the layouts keep running (in design coordinates).
#pragma once

#include "shell/window_scaling.h"

#include <QLayout>
#include <QObject>
#include <QPointer>
#include <QWidgetItem>

#include <map>
#include <optional>

class QTabWidget;
class QWidget;

namespace vortan::gui {

class DesignItem;

class DesignScale final : public QObject {
public:
    // Belongs to the view it scales; the view's font is the design font.
    explicit DesignScale(QWidget* view);

    const ScaleFactors& factors() const { return factors_; }
    // The view's font pixel size now over the design one.
    double font_ratio() const { return font_ratio_; }
    // Rescales the view and lays it out again at once.
    void set_factors(const ScaleFactors& factors);
    // Runs every layout of the view from the top down, pages not on show
    // included, so that every widget has its geometry before it is first shown.
    void settle();
    // Lays out every page of every page control in turn, as it would be
    // when shown, and goes back to the pages on show. Neither the user nor the
    // model sees the pages change.
    void lay_out_every_page();

    QRect to_screen(const QRect& design) const;
    QSize to_screen(const QSize& design) const;
    QRect to_design(const QRect& screen) const;
    QSize to_design(const QSize& screen) const;
    int design_font_pixels() const { return design_font_pixels_; }
    const QWidget* view() const { return view_; }
    // Where the layouts put the widget, in design coordinates: none for a
    // widget no design layout places.
    std::optional<QRect> design_geometry(const QWidget* widget) const;
    // The design room for a container's content, given its room on screen:
    // the design size of the nearest widget a design layout placed (the
    // container or a page control holding it), less the frames, titles and
    // tab bars between the two, which follow the font rather than the factors.
    QRect design_content_rect(const QWidget* container, const QRect& screen) const;

private:
    friend class DesignItem;
    void lay_out_pages_of(QTabWidget* tabs);
    QWidget* view_;
    ScaleFactors factors_;
    int design_font_pixels_;
    double font_ratio_ = 1;
    std::map<const QWidget*, const DesignItem*> items_;
};

// The top layout of a container: lays out its content in design coordinates.
class DesignLayout final : public QLayout {
public:
    DesignLayout(QWidget* container, QLayout* content, const DesignScale& scale);
    ~DesignLayout() override;

    QLayout* content() const { return content_; }

    void addItem(QLayoutItem* item) override;
    int count() const override { return content_ ? 1 : 0; }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    // A scrolled page's controls kept at their smallest size on screen may
    // reach below their scaled places: the pixels they reach below the room,
    // which the page keeps free so that its last row can be scrolled to.
    bool is_scrolled_page() const;
    int overflow_ = 0;
    QLayout* content_;
    const DesignScale& scale_;
};

// A widget in a design layout: its sizes are reported in design coordinates,
// and it is placed at its scaled design geometry. An edit may carry a design
// width of its own (the widest text it holds at the design font).
class DesignItem final : public QWidgetItem {
public:
    DesignItem(QWidget* widget, DesignScale& scale);
    ~DesignItem() override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;
    QRect geometry() const override { return design_; }

    static constexpr const char* Design_Width = "vortan_design_width";

private:
    // A size the widget reports on screen, in design coordinates; measure
    // names which of its sizes it is (the hint or the minimum).
    QSize design_size(QSize screen, QSize (QLayoutItem::*measure)() const) const;
    QSize with_design_width(QSize size) const;

    DesignScale& scale_;
    QRect design_;
};

// The scale of a view built by build_form_view.
DesignScale* design_scale_of(QWidget* view);

}  // namespace vortan::gui
