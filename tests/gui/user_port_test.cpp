// The Qt user port: what its message boxes show and answer, the item selection
// dialog's indexes and the locale's separators.
#include "gui/item_selection_dialog.h"
#include "gui/locale_numbers.h"
#include "gui/message_box.h"
#include "gui/qt_user_port.h"
#include "ui/scriptedport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vortan;
using namespace vortan::gui;

namespace {

TEST(MessageText, EachLineFeedCarriageReturnPairIsOneLineBreak) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Span missing.\n\rPlease enter it.", "Span missing.\nPlease enter it."},
        {"a\n\r\n\rb", "a\n\nb"},
        {"a\nb", "a\nb"},
        {"a\r\nb", "a\r\nb"},  // only the program's own pair order
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(message_display_text(c.text), QString::fromLatin1(c.shown)) << c.text;
}

// Acts on the next modal message box as soon as it is up.
void when_box_shows(std::function<void(QMessageBox*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        timer->stop();
        timer->deleteLater();
        act(box);
    });
    timer->start();
}

TEST(QtUserPortMessage, TitlesIconsButtonsAndEscape) {
    const auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
    const auto enter = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); };
    const auto yes_to_all = [](QMessageBox* box) { box->button(QMessageBox::YesToAll)->click(); };
    const struct {
        MessageKind kind;
        Buttons buttons;
        std::function<void(QMessageBox*)> act;
        const char* title;
        QMessageBox::Icon icon;
        int button_count;
        Answer answer;
        DefaultButton default_button = DefaultButton::Yes;
    } cases[] = {
        {MessageKind::Confirmation, Buttons::YesNo, escape, "Confirmation", QMessageBox::Question,
         2, Answer::No},
        {MessageKind::Confirmation, Buttons::YesNoCancel, escape, "Confirmation",
         QMessageBox::Question, 3, Answer::Cancel},
        {MessageKind::Warning, Buttons::YesCancel, enter, "Warning", QMessageBox::Warning, 2,
         Answer::Yes},
        {MessageKind::Confirmation, Buttons::YesCancelYesToAll, yes_to_all, "Confirmation",
         QMessageBox::Question, 3, Answer::YesToAll},
        {MessageKind::Error, Buttons::OK, escape, "Error", QMessageBox::Critical, 1, Answer::OK},
        {MessageKind::Information, Buttons::OK, enter, "Information", QMessageBox::Information, 1,
         Answer::OK},
        // Where Yes would destroy work, Enter answers the safe button.
        {MessageKind::Warning, Buttons::YesNo, enter, "Warning", QMessageBox::Warning, 2, Answer::No,
         DefaultButton::Safe},
        {MessageKind::Warning, Buttons::YesCancelYesToAll, enter, "Warning", QMessageBox::Warning, 3,
         Answer::Cancel, DefaultButton::Safe},
    };
    QtUserPort port;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title + std::string(" ") + to_string(c.buttons));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        when_box_shows([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            c.act(box);
        });
        EXPECT_EQ(port.message(c.kind, c.buttons, "First line.\n\rSecond line.", c.default_button), c.answer);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(text, "First line.\nSecond line.");
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, c.button_count);
    }
}

TEST(ItemSelection, TheIndexIsIntoTheListAsShown) {
    const std::vector<std::string> items = {"Zulu", "alpha", "Mike"};
    const struct {
        bool sorted;
        int row;
        const char* shown;
    } cases[] = {
        {true, 0, "alpha"},
        {true, 2, "Zulu"},
        {false, 2, "Mike"},
        {false, 0, "Zulu"},
    };
    for (const auto& c : cases) {
        ScriptedPort port;
        ItemSelectionWindow dialog(port, "Pick", items, c.sorted);
        EXPECT_EQ(dialog.objectName(), QStringLiteral("TDialog_Item_Select_Form"));
        dialog.list()->setCurrentRow(c.row);
        EXPECT_EQ(dialog.list()->currentItem()->text(), c.shown);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OK_Button")), Qt::LeftButton);
        EXPECT_EQ(dialog.chosen_index(), c.row) << c.shown;
    }
}

TEST(ItemSelection, OkWithoutASelectionStaysOpenAndCancelGivesNone) {
    ScriptedPort port;
    ItemSelectionWindow dialog(port, "Pick", {"a", "b"}, false);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OK_Button")), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(port.messages(), std::vector<std::string>{"You need to select an item in the list !"});
    dialog.list()->setCurrentRow(1);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Cancel_Button")), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.chosen_index(), -1);
}

TEST(LocaleNumbers, SeparatorsOfTheSystemLocale) {
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* thousands;
        const char* decimal;
    } cases[] = {
        {QLocale::English, QLocale::UnitedStates, ",", "."},
        {QLocale::German, QLocale::Germany, ".", ","},
        {QLocale::French, QLocale::France, "\xC2\xA0", ","},  // never U+202F
    };
    for (const auto& c : cases) {
        const NumberFormat numbers = number_format_of(QLocale(c.language, c.territory));
        EXPECT_EQ(numbers.thousands, c.thousands)
            << QLocale::languageToString(c.language).toStdString();
        EXPECT_EQ(numbers.decimal, c.decimal);
    }
}

}  // namespace

// Help asked for from a modal window opens above it and is not blocked by it.
TEST(Help, OpensAboveTheModalWindowItWasAskedFrom) {
    QtUserPort port;
    port.set_help_folder(QStringLiteral(VORTAN_HELP_DIR));
    QDialog editor;
    editor.setWindowModality(Qt::ApplicationModal);
    editor.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &editor);
    port.show_help(0);
    auto* help = editor.findChild<QWidget*>(QStringLiteral("Help_Window"));
    ASSERT_NE(help, nullptr) << "the help window belongs to the modal window";
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    editor.hide();
    port.show_help(0);  // once the modal window is gone, it is the main window's again
    EXPECT_EQ(editor.findChild<QWidget*>(QStringLiteral("Help_Window")), nullptr);
}
