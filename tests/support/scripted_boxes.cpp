#include "support/scripted_boxes.h"

#include <gtest/gtest.h>

void ScriptedBoxes::answer(std::initializer_list<MsgAnswer> next) {
    answers.insert(answers.end(), next);
}

void ScriptedBoxes::type(std::initializer_list<QString> next) {
    typed.insert(typed.end(), next);
}

MsgAnswer ScriptedBoxes::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                const QString& title) {
    boxes.push_back({text, buttons, icon, title, {}, false});
    if (whenShown) {
        whenShown(boxes.back());
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted message box: " << text.toStdString();
        return buttons == MsgButtons::YesNo              ? MsgAnswer::Yes
               : buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Abort
                                                         : MsgAnswer::OK;
    }
    const MsgAnswer next = answers.front();
    answers.pop_front();
    return next;
}

QString ScriptedBoxes::InputBox(const QString& prompt, const QString& title,
                                const QString& defaultText) {
    boxes.push_back({prompt, MsgButtons::OK, MsgIcon::None, title, defaultText, true});
    if (typed.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        return QStringLiteral("0"); // a text every box accepts, so no asking loop runs on
    }
    const QString next = typed.front();
    typed.pop_front();
    return next;
}

QStringList ScriptedBoxes::texts() const {
    QStringList all;
    for (const Shown& box : boxes) {
        all << box.text;
    }
    return all;
}
