#pragma once

#include <QPushButton>

// A command button with its caption and tooltip, placed on `parent`. Enter clicks it while
// it has the focus, as Space does, in every window (Qt does so only in dialogs). Screen
// readers name it by its caption, also when the caption changes, and describe it by its
// tooltip.
inline QPushButton* makeCommandButton(const QString& caption, const QString& toolTip,
                                      QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(toolTip);
    button->setAutoDefault(true);
    return button;
}
