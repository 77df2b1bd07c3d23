#pragma once

#include <QString>
#include <QWidget>

// Gives a control its tooltip, and tells screen readers its name and, as its description,
// the tooltip (lists would not fall back to the tooltip by themselves).
inline void describeControl(QWidget& control, const QString& name, const QString& toolTip) {
    control.setToolTip(toolTip);
    control.setAccessibleName(name);
    control.setAccessibleDescription(toolTip);
}
