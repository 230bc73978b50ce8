#include "gui/startup_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vortan::gui {

namespace {

constexpr const char* Dont_Show_Again = "Splash_Screen_Dont_Show_This_Again_CheckBox";

}  // namespace

StartupWindow::StartupWindow(Form& main_form, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), main_form_(main_form) {
    setObjectName(QStringLiteral("Startup_Window"));
    setWindowTitle(QStringLiteral("Welcome to Vortan"));
    auto* title = new QLabel(QStringLiteral("<h1>Vortan</h1><p>Version 3.3</p>"
                                            "<p>Cable sags for stringing and checking overhead power lines</p>"),
                             this);
    title->setAlignment(Qt::AlignCenter);
    welcome_ = new QLabel(QStringLiteral(
                              "<p>Type two rows of the sagging schedule, the cable temperature and what the "
                              "surveyor observed.<br>Vortan tells the crew what to observe to hang a new cable "
                              "at its sag (<b>Sag Cable</b>),<br>or turns observations of an existing cable "
                              "into its actual sag (<b>Check Cable Sag</b>).</p>"
                              "<p>Start in <b>Setup</b> (Ctrl+E) with the inspectors and cables of the line; "
                              "press F1 on any field for its help.</p>"),
                          this);
    welcome_->setObjectName(QStringLiteral("Welcome_Label"));
    welcome_->setWordWrap(true);
    welcome_->hide();
    dont_show_again_ = new QCheckBox(QStringLiteral("Don't show this again"), this);
    dont_show_again_->setObjectName(QString::fromLatin1(Dont_Show_Again));
    dont_show_again_->setChecked(main_form_.checked(Dont_Show_Again));
    dont_show_again_->hide();
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("Startup_Close_Button"));
    close_->hide();
    connect(dont_show_again_, &QCheckBox::toggled, this,
            [this](bool checked) { main_form_.set_checked(Dont_Show_Again, checked); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(dont_show_again_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(title);
    layout->addWidget(welcome_);
    layout->addLayout(buttons);
}

void StartupWindow::start() {
    dont_show_again_->setChecked(main_form_.checked(Dont_Show_Again));  // as the settings left it
    show();
    QTimer::singleShot(Delay_Milliseconds, this, &StartupWindow::timer_fired);
}

void StartupWindow::timer_fired() {
    if (main_form_.checked(Dont_Show_Again)) {
        close();
        return;
    }
    const bool was_visible = isVisible();
    // A frame of its own, so it can be moved and closed like any dialog.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    welcome_->show();
    dont_show_again_->show();
    close_->show();
    if (was_visible) show();
    close_->setFocus();
}

}  // namespace vortan::gui
