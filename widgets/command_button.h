#pragma once

#include <QPushButton>

// A command button with its caption and tooltip, placed on `parent`.
inline QPushButton* makeCommandButton(const QString& caption, const QString& toolTip,
                                      QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(toolTip);
    return button;
}
