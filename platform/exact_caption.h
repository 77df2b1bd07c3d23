#pragma once

#include <QString>

// A window title that shows `text` exactly. Qt reads "[*]" in a title as the place of its
// modified mark and leaves it out of the title shown; a doubled "[*][*]" shows as "[*]".
inline QString ExactCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}
