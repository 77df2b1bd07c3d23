#pragma once

#include "platform/message_boxes.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Message and input boxes that answer from a script and record every box shown.
class ScriptedBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text; // the message, or the input box's prompt
        MsgButtons buttons = MsgButtons::OK;
        MsgIcon icon = MsgIcon::None;
        QString title;
        QString defaultText;
        bool input = false;
    };

    // Answers for the next message boxes, in order. A box with no scripted answer left
    // fails the test and answers its first button.
    void answer(std::initializer_list<MsgAnswer> answers);
    // Texts for the next input boxes, in order; the empty text stands for Cancel.
    void type(std::initializer_list<QString> texts);

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

    // Runs as each box shows, before it is answered: a look at the program while it waits.
    std::function<void(const Shown&)> whenShown;

    const std::vector<Shown>& shown() const { return boxes; }
    QStringList texts() const;
    bool scriptUsedUp() const { return answers.empty() && typed.empty(); }

private:
    std::deque<MsgAnswer> answers;
    std::deque<QString> typed;
    std::vector<Shown> boxes;
};
