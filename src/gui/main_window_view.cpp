#include "gui/main_window_view.h"

#include "gui/design_scale.h"
#include "gui/form_binder.h"
#include "gui/form_menus.h"
#include "gui/form_view.h"
#include "gui/line_overview_view.h"
#include "gui/menu_shortcuts.h"
#include "gui/stringing_window.h"
#include "gui/window_room.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vortan::gui {

namespace {

// Wide enough for a row's name, span and check, and a fifth of the screen at
// most (273 px on a 1366-pixel laptop, 204 px on a 1024-pixel one), so that
// the window with both docks still fits the screen.
int line_overview_width() {
    constexpr int Wide_Enough = 300;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::min(Wide_Enough, screen->availableGeometry().width() / 5) : Wide_Enough;
}

std::vector<std::filesystem::path> local_files(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.emplace_back(url.toLocalFile().toStdString());
    return files;
}

// A window remembered on a screen that is no longer there comes back onto the
// primary screen rather than opening out of reach.
QRect on_some_screen(QRect bounds) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(bounds.adjusted(0, 0, 0, -bounds.height() + 40))) return bounds;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return bounds;
    const QRect area = primary->availableGeometry();
    bounds.setSize(bounds.size().boundedTo(area.size()));
    bounds.moveTopLeft(area.topLeft());
    return bounds;
}

// The form's docked panels, each in a dock of its own at the right, beside the
// form's pages. The dock carries the panel's name, so that the panel's
// visibility in the model shows and hides the dock.
std::vector<QDockWidget*> add_docked_panels(const Form& form, QMainWindow* window) {
    std::vector<QDockWidget*> docks;
    for (const Control* control : form.children("")) {
        if (!control->docked || !control->on_screen) continue;
        auto* dock = new QDockWidget(QString::fromStdString(control->caption), window);
        dock->setObjectName(QString::fromStdString(control->name));
        dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        QWidget* panel = build_form_panel(form, control->name, dock);
        // Its notes wrap within the width of its other controls, so that the
        // dock stays as narrow as its widest field row.
        for (auto* label : panel->findChildren<QLabel*>()) {
            const std::string name = label->objectName().toStdString();
            if (form.has(name) && form.control(name).kind == ControlKind::Label) label->setWordWrap(true);
        }
        dock->setWidget(panel);
        dock->setFixedWidth(dock->sizeHint().width());
        window->addDockWidget(Qt::RightDockWidgetArea, dock);
        docks.push_back(dock);
    }
    return docks;
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model, QWidget* parent) : QMainWindow(parent), model_(model) {
    setWindowTitle(QString::fromStdString(model.window_caption()));
    build_form_menus(model.form(), menuBar());
    // The form scrolls as a whole where the window is too small to show it
    // at a legible size; its pages scroll within it.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    form_view_ = build_form_view(model.form(), scroller);
    scroller->setWidget(form_view_);
    setCentralWidget(scroller);
    form_view_->installEventFilter(this);
    new FocusFollower(this);
    new MenuShortcutsFirst(this);
    docks_ = add_docked_panels(model.form(), this);
    place_line_overview(model);
    for (QDockWidget* dock : docks_) dock->installEventFilter(this);
    // The hints of the control under the mouse show on a one-panel status line.
    statusBar()->setObjectName(QStringLiteral("Status_Bar_Panel"));
    binder_ = new FormBinder(model.form(), this);
    // F1 on the window: the help of the control that has the focus.
    auto* context_help = new QAction(this);
    context_help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(context_help, &QAction::triggered, this, [this] { model_.help_key_pressed(focused_control()); });
    addAction(context_help);
    if (auto* stringing = menuBar()->findChild<QAction*>(QStringLiteral("Stringing_Charts_Option")))
        connect(stringing, &QAction::triggered, this, [this] { open_stringing_window(); });
    setAcceptDrops(true);
    // The design size of the client area, below the menu bar; pages that do not
    // fit scroll.
    resize(Design_Client_Size.width() + docks_width(), Design_Client_Size.height() + bars_height());
    fit_inside_screen_when_shown(this);

    model.on_window_bounds_read = [this] { place_window(); };
    model.on_caption_changed = [this] { setWindowTitle(QString::fromStdString(model_.window_caption())); };
    model.on_stay_on_top = [this](bool on_top) {
        if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on_top) return;
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
        if (visible) show();  // changing a window flag hides the window
    };
    model.on_close = [this] {
        close_agreed_ = true;
        close();
    };
}

void MainWindowView::place_line_overview(MainWindow& model) {
    for (QDockWidget* dock : docks_) {
        if (dock->objectName() != QStringLiteral("Line_Overview_Panel")) continue;
        delete dock->widget();
        dock->setWidget(new LineOverviewView(model, dock));
        // On the left of the pages, wide enough for the structures, the
        // cable and the sags; the user may widen it once the window is up.
        addDockWidget(Qt::LeftDockWidgetArea, dock);
        const int width = line_overview_width();
        dock->setFixedWidth(width);
        QTimer::singleShot(0, dock, [this, dock, width] {
            dock->setMinimumWidth(width / 2);
            dock->setMaximumWidth(QWIDGETSIZE_MAX);
            resizeDocks({dock}, {width}, Qt::Horizontal);
        });
    }
}

void MainWindowView::place_window() {
    const WindowBounds& b = model_.window_bounds();
    // The stored size is the client area below the menu bar, as at design time.
    const QRect bounds = on_some_screen(QRect(b.left, b.top, b.width + docks_width(), b.height + bars_height()));
    if (isMaximized()) showNormal();
    move(bounds.topLeft());
    resize(bounds.size());
    fit_inside_screen_when_shown(this);
}

int MainWindowView::bars_height() const {
    return menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
}

int MainWindowView::docks_width() const {
    // Docks tabbed together take the room of the widest of them.
    int width = 0;
    std::vector<const QDockWidget*> counted;
    for (const QDockWidget* dock : docks_) {
        if (dock->isHidden() || dock->isFloating()) continue;
        if (std::find(counted.begin(), counted.end(), dock) != counted.end()) continue;
        int group = dock_width(dock);
        for (const QDockWidget* tabbed : tabifiedDockWidgets(const_cast<QDockWidget*>(dock))) {
            if (tabbed->isHidden()) continue;
            group = std::max(group, dock_width(tabbed));
            counted.push_back(tabbed);
        }
        width += group;
    }
    return width;
}

int MainWindowView::room_taken_by_shown(QDockWidget* dock) const {
    const QList<QDockWidget*> tabbed = tabifiedDockWidgets(dock);
    const bool shares = std::any_of(tabbed.begin(), tabbed.end(), [](const QDockWidget* other) { return !other->isHidden(); });
    return shares ? 0 : dock_width(dock);
}

int MainWindowView::room_given_by_hidden() {
    // A hidden dock is no longer among the tabbed ones: what it gave back
    // shows in the pages' width once the window is laid out again.
    const int pages_width = centralWidget()->width();
    layout()->invalidate();
    layout()->activate();
    return centralWidget()->width() - pages_width;
}

int MainWindowView::dock_width(const QDockWidget* dock) const {
    // A dock's width is fixed when it is made, so it holds before the window is laid out.
    return dock->width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

void MainWindowView::show_first_time() {
    // Maximized once, at the first activation: after the user restores the
    // window it stays restored.
    if (model_.form().checked("Is_App_Maximised_CheckBox")) {
        model_.form().set_checked("Is_App_Maximised_CheckBox", false);
        showMaximized();
    } else {
        show();
    }
    // The layouts work in design coordinates, so the design geometry can be
    // read at whatever size the window opened, once they have run at the
    // window's factors (which the list, still empty, cannot give yet).
    DesignScale* scale = design_scale_of(form_view_);
    const QSize client = form_view_->size();
    scale->set_factors(ScaleFactors{static_cast<double>(client.width()) / Design_Client_Size.width(),
                                    static_cast<double>(client.height()) / Design_Client_Size.height()});
    scale->lay_out_every_page();
    model_.capture_design_geometry(Design_Client_Size.width(), Design_Client_Size.height(), design_components());
    design_captured_ = true;
    scale_to_window();
    make_room();
}

double MainWindowView::form_font_pixels() const {
    const DesignScale* scale = design_scale_of(form_view_);
    const QSize room = centralWidget()->size();
    const double factor = std::min(static_cast<double>(room.width()) / Design_Client_Size.width(),
                                   static_cast<double>(room.height()) / Design_Client_Size.height());
    return scale->design_font_pixels() * factor;
}

void MainWindowView::make_room() {
    // The panels share one column, then fold away, before the form's text
    // would shrink below a legible size; below that the form scrolls.
    const int legible = legible_font_pixels();
    const DesignScale* scale = design_scale_of(form_view_);
    const double smallest = std::min(1.0, static_cast<double>(legible) / scale->design_font_pixels());
    form_view_->setMinimumSize(static_cast<int>(std::ceil(Design_Client_Size.width() * smallest)),
                               static_cast<int>(std::ceil(Design_Client_Size.height() * smallest)));
    arranging_docks_ = true;
    if (form_font_pixels() < legible && docks_width() > 0) {
        tabify_docks(this, docks_);
        QApplication::processEvents();
    }
    for (const char* panel : {"Show_Sag_Aids_Option", "Line_Overview_Option"}) {
        if (form_font_pixels() >= legible || docks_width() == 0) break;
        if (model_.form().checked(panel)) model_.form().user_click(panel);
        QApplication::processEvents();
    }
    arranging_docks_ = false;
}

QWidget* MainWindowView::control_widget(const std::string& name) const {
    return form_view_->findChild<QWidget*>(QString::fromStdString(name));
}

StringingWindow* MainWindowView::open_stringing_window() {
    // Kept when closed, so that it opens again where the user left it.
    if (!stringing_window_) stringing_window_ = new StringingWindow(model_, this);
    stringing_window_->show();
    stringing_window_->raise();
    stringing_window_->activateWindow();
    return stringing_window_;
}

std::vector<DesignComponent> MainWindowView::design_components() const {
    const DesignScale* scale = design_scale_of(form_view_);
    std::vector<DesignComponent> components;
    for (const Control* control : model_.form().controls()) {
        DesignComponent component{control->name, std::nullopt};
        const QWidget* widget = control->on_screen ? control_widget(control->name) : nullptr;
        // Pages chosen by name are placed together with their names.
        if (widget && control->pages_chosen_by_name) widget = widget->parentWidget();
        if (widget) {
            const QRect design = scale->design_geometry(widget).value_or(scale->to_design(widget->geometry()));
            component.geometry =
                DesignGeometry{design.x(), design.width(), design.y(), design.height(), scale->design_font_pixels()};
        }
        components.push_back(component);
    }
    return components;
}

void MainWindowView::scale_to_window() {
    const QSize client = form_view_->size();
    const auto factors = model_.window_resized(client.width(), client.height());
    if (!design_captured_ || !factors) return;
    DesignScale* scale = design_scale_of(form_view_);
    if (scale->factors().width == factors->width && scale->factors().height == factors->height) return;
    // Drawn once, when every control has its new place.
    form_view_->setUpdatesEnabled(false);
    scale->set_factors(*factors);
    form_view_->setUpdatesEnabled(true);
}

std::string MainWindowView::focused_control() const {
    // The focus may sit inside a control (the edit of a combo box).
    for (const QWidget* widget = QApplication::focusWidget(); widget && widget != this;
         widget = widget->parentWidget()) {
        const std::string name = widget->objectName().toStdString();
        if (!name.empty() && model_.form().has(name)) return name;
    }
    return "";
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_view_ && event->type() == QEvent::Resize && design_captured_) scale_to_window();
    // A dock shown or hidden beside the pages widens or narrows the window by
    // the room it takes or gives back (none for one of docks tabbed
    // together), so that the pages keep their size and scale.
    auto* dock = qobject_cast<QDockWidget*>(watched);
    const bool shown = event->type() == QEvent::Show, hidden = event->type() == QEvent::Hide;
    if (dock && (shown || hidden) && design_captured_ && !arranging_docks_ && !dock->isFloating() && !isMaximized() &&
        !isFullScreen() && isVisible())
        resize(width() + (shown ? room_taken_by_shown(dock) : -room_given_by_hidden()), height());
    return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::report_bounds() {
    // The normal bounds are kept while maximized, so that the next start can
    // restore the window to them.
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    model_.set_window_state(
        WindowBounds{normal.y(), normal.x(), normal.width() - docks_width(), normal.height() - bars_height()},
        isMaximized());
}

void MainWindowView::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    report_bounds();
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    report_bounds();
}

void MainWindowView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) report_bounds();
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) model_.window_activated();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    report_bounds();
    if (close_agreed_ || model_.exit_requested()) {
        close_agreed_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindowView::dragEnterEvent(QDragEnterEvent* event) {
    if (!local_files(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindowView::dropEvent(QDropEvent* event) {
    const auto files = local_files(event->mimeData());
    if (files.empty()) return;
    event->acceptProposedAction();
    model_.files_dropped(files);
}

}  // namespace vortan::gui
