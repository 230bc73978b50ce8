#include "gui/design_scale.h"

#include <QScrollArea>
#include <QTimer>

#include <QCoreApplication>
#include <QFontInfo>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace vortan::gui {

namespace {

// Sizes at or beyond these mean "no limit" and are never scaled.
bool unlimited(int size) { return size >= QLAYOUTSIZE_MAX || size >= QWIDGETSIZE_MAX; }

QSize divided(QSize size, double by_width, double by_height) {
    const int width = unlimited(size.width()) ? size.width() : round_half_even(size.width() / by_width);
    const int height = unlimited(size.height()) ? size.height() : round_half_even(size.height() / by_height);
    return {width, height};
}

QSize multiplied(QSize size, const ScaleFactors& factors) {
    const int width = unlimited(size.width()) ? size.width() : round_half_even(size.width() * factors.width);
    const int height = unlimited(size.height()) ? size.height() : round_half_even(size.height() * factors.height);
    return {width, height};
}

// Widgets not yet shown keep their resize pending, and their layouts idle,
// until they are; a layout pass over the whole view delivers it now.
void deliver_pending_resize(QWidget* widget) {
    if (!widget->testAttribute(Qt::WA_PendingResizeEvent)) return;
    QResizeEvent event(widget->size(), QSize());
    QCoreApplication::sendEvent(widget, &event);
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
}

// A stack places only its current page; the others take the same room.
void size_every_page(QStackedWidget* stack) {
    for (int i = 0; i < stack->count(); ++i)
        if (QWidget* page = stack->widget(i); page->geometry() != stack->contentsRect())
            page->setGeometry(stack->contentsRect());
}

// The page control whose page holds the widget, if any.
const QTabWidget* inside_a_page(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<const QTabWidget*>(w)) return tabs;
    return nullptr;
}

}  // namespace

DesignScale::DesignScale(QWidget* view)
    : QObject(view), view_(view), design_font_pixels_(QFontInfo(view->font()).pixelSize()) {
    setObjectName(QStringLiteral("Design_Scale"));
}

void DesignScale::set_factors(const ScaleFactors& factors) {
    factors_ = factors;
    // The font size rounded to the nearest pixel may outgrow the room scaled
    // for its text (12 px at 1.05 rounds to 13): round down instead, so that
    // no caption is cut.
    const int nearest = scale_geometry(DesignGeometry{0, 0, 0, 0, design_font_pixels_}, factors).font_size;
    const int pixels = std::max(1, std::min(nearest, static_cast<int>(design_font_pixels_ * factors.font() + 1e-9)));
    font_ratio_ = design_font_pixels_ > 0 ? static_cast<double>(pixels) / design_font_pixels_ : 1.0;
    QFont font = view_->font();
    if (font.pixelSize() != pixels) {
        font.setPixelSize(pixels);
        view_->setFont(font);
    }
    settle();
}

void DesignScale::settle() {
    // Parents come before their children, so each layout runs in the room its
    // parent has just given it. A pass can change the sizes a parent's layout
    // asked of its children (a page control sizing pages it had not shown), so
    // passes repeat until nothing moves.
    QList<QWidget*> widgets = view_->findChildren<QWidget*>();
    widgets.prepend(view_);
    // The style decides the sizes widgets ask for, and it is applied to a
    // widget only when it is first shown.
    for (QWidget* widget : widgets) widget->ensurePolished();
    constexpr int Most_Passes = 4;
    for (int pass = 0; pass < Most_Passes; ++pass) {
        bool moved = false;
        for (QWidget* widget : widgets)
            if (QLayout* layout = widget->layout()) layout->invalidate();
        for (QWidget* widget : widgets) {
            const QRect before = widget->geometry();
            if (auto* stack = qobject_cast<QStackedWidget*>(widget)) size_every_page(stack);
            deliver_pending_resize(widget);
            if (QLayout* layout = widget->layout()) layout->activate();
            moved = moved || widget->geometry() != before;
        }
        if (!moved) return;
    }
}

void DesignScale::lay_out_every_page() {
    const bool updates = view_->updatesEnabled();
    view_->setUpdatesEnabled(false);
    for (QTabWidget* tabs : view_->findChildren<QTabWidget*>())
        if (tabs->isVisible() && !inside_a_page(tabs)) lay_out_pages_of(tabs);
    settle();
    view_->setUpdatesEnabled(updates);
}

void DesignScale::lay_out_pages_of(QTabWidget* tabs) {
    const QSignalBlocker quiet(tabs);
    const int shown = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        settle();
        // Page controls on this page, now on show themselves.
        for (QTabWidget* inner : tabs->widget(i)->findChildren<QTabWidget*>())
            if (inner->isVisible() && inside_a_page(inner) == tabs) lay_out_pages_of(inner);
    }
    tabs->setCurrentIndex(shown);
}

QRect DesignScale::to_screen(const QRect& design) const {
    const DesignGeometry g =
        scale_geometry(DesignGeometry{design.x(), design.width(), design.y(), design.height(), 1}, factors_);
    return {g.left, g.top, g.width, g.height};
}

QSize DesignScale::to_screen(const QSize& design) const { return multiplied(design, factors_); }

QRect DesignScale::to_design(const QRect& screen) const {
    const QSize origin = divided(QSize(screen.x(), screen.y()), factors_.width, factors_.height);
    return {QPoint(origin.width(), origin.height()), to_design(screen.size())};
}

QSize DesignScale::to_design(const QSize& screen) const {
    return divided(screen, factors_.width, factors_.height);
}

std::optional<QRect> DesignScale::design_geometry(const QWidget* widget) const {
    const auto found = items_.find(widget);
    if (found == items_.end()) return std::nullopt;
    return found->second->geometry();
}

QRect DesignScale::design_content_rect(const QWidget* container, const QRect& screen) const {
    const QSize origin = divided(QSize(screen.x(), screen.y()), font_ratio_, font_ratio_);
    for (const QWidget* anchor = container; anchor && anchor != view_; anchor = anchor->parentWidget()) {
        const auto design = design_geometry(anchor);
        if (!design) continue;
        const QSize frames = divided(anchor->size() - screen.size(), font_ratio_, font_ratio_);
        return {QPoint(origin.width(), origin.height()), (design->size() - frames).expandedTo(QSize(0, 0))};
    }
    return {QPoint(origin.width(), origin.height()), to_design(screen.size())};
}

DesignScale* design_scale_of(QWidget* view) {
    return view ? view->findChild<DesignScale*>(QStringLiteral("Design_Scale"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

// ---- DesignLayout ----

DesignLayout::DesignLayout(QWidget* container, QLayout* content, const DesignScale& scale)
    : QLayout(container), content_(content), scale_(scale) {
    setContentsMargins(0, 0, 0, 0);
    addChildLayout(content_);
}

DesignLayout::~DesignLayout() { delete content_; }

void DesignLayout::addItem(QLayoutItem* item) { content_->addItem(item); }

QLayoutItem* DesignLayout::itemAt(int index) const { return index == 0 ? content_ : nullptr; }

QLayoutItem* DesignLayout::takeAt(int index) {
    if (index != 0 || !content_) return nullptr;
    QLayout* taken = content_;
    content_ = nullptr;
    return taken;
}

QSize DesignLayout::sizeHint() const { return content_ ? scale_.to_screen(content_->sizeHint()) : QSize(); }

QSize DesignLayout::minimumSize() const {
    if (!content_) return {};
    // The view as a whole shrinks to half its design minimum, whatever its
    // scale: its controls shrink with it, and a minimum that grew with the
    // window would keep it from ever coming back.
    if (parentWidget() == scale_.view()) return content_->minimumSize() / 2;
    return scale_.to_screen(content_->minimumSize()) + QSize(0, overflow_);
}

bool DesignLayout::is_scrolled_page() const {
    const QWidget* viewport = parentWidget() ? parentWidget()->parentWidget() : nullptr;
    const auto* area = viewport ? qobject_cast<const QScrollArea*>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == parentWidget();
}

QSize DesignLayout::maximumSize() const {
    return content_ ? scale_.to_screen(content_->maximumSize()) : QLayout::maximumSize();
}

bool DesignLayout::hasHeightForWidth() const { return content_ && content_->hasHeightForWidth(); }

int DesignLayout::heightForWidth(int width) const {
    const int design_width = scale_.to_design(QSize(width, 0)).width();
    const int height = content_->heightForWidth(design_width);
    return height < 0 ? height : scale_.to_screen(QSize(0, height)).height();
}

Qt::Orientations DesignLayout::expandingDirections() const {
    return content_ ? content_->expandingDirections() : Qt::Orientations();
}

void DesignLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (!content_) return;
    const QRect room = rect.adjusted(0, 0, 0, -overflow_);
    content_->setGeometry(scale_.design_content_rect(parentWidget(), room));
    if (!is_scrolled_page()) return;
    int bottom = room.bottom();
    for (const QWidget* child : parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden()) bottom = std::max(bottom, child->geometry().bottom());
    const int overflow = bottom - room.bottom();
    if (overflow == overflow_) return;
    overflow_ = overflow;
    // Laid out again with the new room, once this layout pass is over.
    QTimer::singleShot(0, parentWidget(), [this] { invalidate(); });
}

void DesignLayout::invalidate() {
    if (content_) content_->invalidate();
    QLayout::invalidate();
}

// ---- DesignItem ----

DesignItem::DesignItem(QWidget* widget, DesignScale& scale) : QWidgetItem(widget), scale_(scale) {
    scale_.items_[widget] = this;
}

DesignItem::~DesignItem() {
    if (auto found = scale_.items_.find(widget()); found != scale_.items_.end() && found->second == this)
        scale_.items_.erase(found);
}

QSize DesignItem::design_size(QSize screen, QSize (QLayoutItem::*measure)() const) const {
    if (auto* layout = dynamic_cast<DesignLayout*>(widget()->layout())) {
        // A container: its content's design size, and its frame and title,
        // which follow the font.
        const QSize content = (layout->content()->*measure)();
        const QSize frame = (screen - (layout->*measure)()).expandedTo(QSize(0, 0));
        return content + divided(frame, scale_.font_ratio(), scale_.font_ratio());
    }
    // A page control is as big as its pages, which follow the factors.
    if (qobject_cast<QTabWidget*>(widget())) return scale_.to_design(screen);
    return divided(screen, scale_.font_ratio(), scale_.font_ratio());
}

QSize DesignItem::with_design_width(QSize size) const {
    const QVariant width = widget()->property(Design_Width);
    if (width.isValid() && !size.isEmpty()) size.setWidth(width.toInt());
    return size;
}

QSize DesignItem::sizeHint() const {
    if (isEmpty()) return {0, 0};
    return with_design_width(design_size(QWidgetItem::sizeHint(), &QLayoutItem::sizeHint));
}

QSize DesignItem::minimumSize() const {
    if (isEmpty()) return {0, 0};
    return with_design_width(design_size(QWidgetItem::minimumSize(), &QLayoutItem::minimumSize));
}

QSize DesignItem::maximumSize() const {
    if (isEmpty()) return {0, 0};
    QSize size = QWidgetItem::maximumSize();
    size = divided(size, scale_.factors().width, scale_.factors().height);
    const QVariant width = widget()->property(Design_Width);
    if (width.isValid()) size.setWidth(width.toInt());
    return size;
}

int DesignItem::heightForWidth(int width) const {
    // Text wraps as it does at the design width with the design font, so a
    // wider window does not make wrapped texts shorter.
    const double ratio = scale_.font_ratio();
    const int height = widget()->heightForWidth(round_half_even(width * ratio));
    return height < 0 ? height : round_half_even(height / ratio);
}

void DesignItem::setGeometry(const QRect& rect) {
    if (isEmpty()) return;
    // As a plain widget item does it, in design coordinates: within the
    // maximum size, and no bigger than the size hint where it is aligned.
    QSize size = rect.size().boundedTo(maximumSize());
    const Qt::Alignment align = alignment();
    if (align & Qt::AlignHorizontal_Mask) size.setWidth(qMin(size.width(), sizeHint().width()));
    if (align & Qt::AlignVertical_Mask) {
        const int wanted = hasHeightForWidth() ? heightForWidth(size.width()) : sizeHint().height();
        size.setHeight(qMin(size.height(), wanted));
    }
    int x = rect.x();
    int y = rect.y();
    const Qt::Alignment horizontal = QStyle::visualAlignment(widget()->layoutDirection(), align);
    if (horizontal & Qt::AlignRight) {
        x += rect.width() - size.width();
    } else if (!(horizontal & Qt::AlignLeft)) {
        x += (rect.width() - size.width()) / 2;
    }
    if (align & Qt::AlignBottom) {
        y += rect.height() - size.height();
    } else if (!(align & Qt::AlignTop)) {
        y += (rect.height() - size.height()) / 2;
    }
    design_ = QRect(QPoint(x, y), size);
    widget()->setGeometry(scale_.to_screen(design_));
}

}  // namespace vortan::gui
