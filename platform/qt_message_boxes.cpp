#include "platform/qt_message_boxes.h"

#include "platform/exact_caption.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QString titleOrDefault(const QString& title) {
    return ExactCaption(title.isEmpty() ? kApplicationTitle : title);
}

QMessageBox::StandardButtons standardButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The answer for a box closed without a button (Escape or the close box): the safe one.
MsgAnswer answerOf(int button, MsgButtons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Abort:
        return MsgAnswer::Abort;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Ignore:
        return MsgAnswer::Ignore;
    default:
        break;
    }
    switch (buttons) {
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Abort;
    case MsgButtons::OK:
        break;
    }
    return MsgAnswer::OK;
}

} // namespace

MsgAnswer QtMessageBoxes::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& title) {
    QMessageBox box(standardIcon(icon), titleOrDefault(title), text, standardButtons(buttons),
                    parent);
    box.setTextFormat(Qt::PlainText);
    return answerOf(exec(box), buttons);
}

QString QtMessageBoxes::InputBox(const QString& prompt, const QString& title,
                                 const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(titleOrDefault(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setInputMode(QInputDialog::TextInput);
    if (exec(dialog) != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}

void QtMessageBoxes::dismissAll() {
    MessageBoxes::dismissAll();
    if (openBox) {
        openBox->reject();
    }
}

int QtMessageBoxes::exec(QDialog& box) {
    if (allDismissed()) {
        return QDialog::Rejected;
    }
    openBox = &box;
    return box.exec();
}
