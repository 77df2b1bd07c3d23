#pragma once

#include <QChar>
#include <QString>

// Whether the character is a control character: C0, DEL or C1 (Unicode's Other_Control).
bool IsControlCharacter(QChar character);

// Whether the text holds a control character or a line or paragraph separator (U+2028,
// U+2029): anything that breaks a text meant to stand on one line, or that a program showing
// or reading it may act on.
bool HoldsLineBreakOrControl(const QString& text);
