#pragma once

#include "platform/message_box_types.h"

#include <QString>

// The program's modal message boxes and input boxes. The program uses the Qt boxes; tests
// may script the answers.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows `text` with the given buttons and icon, and returns the button chosen. A box
    // without a title shows the application's title, "Zandrift".
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                             MsgIcon icon = MsgIcon::None, const QString& title = {}) = 0;

    // Asks for a text; a line feed in the prompt starts a second line. Returns the text
    // typed, or the empty text when the user cancels.
    virtual QString InputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;

    // Ends all boxes for good, because the program is ending: a box that is open closes as
    // if cancelled, and every later box answers at once, unseen, as if cancelled.
    virtual void dismissAll() { dismissed = true; }
    // Whether the boxes were dismissed; a loop that asks until it gets an answer stops then.
    bool allDismissed() const { return dismissed; }

private:
    bool dismissed = false;
};

// The title every box shows when it is given none.
inline const QString kApplicationTitle = QStringLiteral("Zandrift");
