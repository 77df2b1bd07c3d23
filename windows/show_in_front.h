#pragma once

#include <QWidget>

// Shows a window modeless, or brings it to the front when it is shown already.
inline void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
