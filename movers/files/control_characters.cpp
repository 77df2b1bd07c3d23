#include "movers/files/control_characters.h"

#include <algorithm>

bool IsControlCharacter(QChar character) {
    return character.category() == QChar::Other_Control;
}

bool HoldsLineBreakOrControl(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar character) {
        return IsControlCharacter(character) || character.category() == QChar::Separator_Line ||
               character.category() == QChar::Separator_Paragraph;
    });
}
