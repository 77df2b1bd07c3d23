// The real message and input boxes, driven as a user would: find the modal box, read it,
// press a button.
#include "platform/qt_message_boxes.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// Runs `user` on the modal box as soon as it is shown; the box must be a `Box`.
template <class Box> void whenShown(std::function<void(Box*)> user) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, user] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            auto* box = qobject_cast<Box*>(modal);
            ASSERT_NE(box, nullptr) << modal->metaObject()->className();
            user(box);
        }
    });
    poll->start();
}

QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) {
        texts << button->text().remove(u'&');
    }
    texts.sort();
    return texts;
}

} // namespace

TEST(QtMessageBoxes, ShowsTextButtonsIconAndTheDefaultTitleAndReturnsTheButtonPressed) {
    QtMessageBoxes boxes;
    QString text, title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        title = box->windowTitle();
        buttons = buttonTexts(box);
        icon = box->icon();
        box->button(QMessageBox::Retry)->click();
    });
    const MsgAnswer answer = boxes.MsgBox(QStringLiteral("Error 61: Disk full"),
                                          MsgButtons::AbortRetryIgnore, MsgIcon::None, QString());
    EXPECT_EQ(answer, MsgAnswer::Retry);
    EXPECT_EQ(text, QStringLiteral("Error 61: Disk full"));
    EXPECT_EQ(title, QStringLiteral("Zandrift"));
    EXPECT_EQ(buttons, QStringList({"Abort", "Ignore", "Retry"}));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

TEST(QtMessageBoxes, ACriticalYesNoBoxAnswersNoWhenClosedWithoutAButton) {
    QtMessageBoxes boxes;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        box->reject();
    });
    EXPECT_EQ(boxes.MsgBox(QStringLiteral("Replace?"), MsgButtons::YesNo, MsgIcon::Critical,
                           QStringLiteral("Own title")),
              MsgAnswer::No);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtMessageBoxes, TheInputBoxShowsItsPromptOnTwoLinesAndReturnsTheTypedText) {
    QtMessageBoxes boxes;
    QString label, title;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        label = dialog->findChild<QLabel*>()->text();
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("http://new.example"));
        dialog->accept();
    });
    EXPECT_EQ(boxes.InputBox(QStringLiteral("first\nsecond"), QString(), QString()),
              QStringLiteral("http://new.example"));
    EXPECT_EQ(label, QStringLiteral("first\nsecond"));
    EXPECT_EQ(title, QStringLiteral("Zandrift"));
}

TEST(QtMessageBoxes, CancellingTheInputBoxReturnsTheEmptyTextAndItsTitleShowsExactly) {
    QtMessageBoxes boxes;
    QString shownDefault, shownTitle;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        shownDefault = dialog->textValue();
        shownTitle = dialog->windowHandle()->title();
        dialog->reject();
    });
    EXPECT_EQ(boxes.InputBox(QStringLiteral("prompt"), QStringLiteral("http://x/[*]"),
                             QStringLiteral("preset")),
              QString());
    EXPECT_EQ(shownDefault, QStringLiteral("preset"));
    EXPECT_EQ(shownTitle, QStringLiteral("http://x/[*]"));
}
