#pragma once

#include <QSize>

class QWidget;

// The size in pixels of a control that a window of `outerSize` pixels (frame and title bar
// included) gives its one control: the outer size in twips (at the application's font) less
// the margins, worked out in single precision. A window smaller than the margins gives 0, not a
// negative size.
QSize sizeWithinOuterSize(QSize outerSize, float widthMarginTwips, float heightMarginTwips);

// Puts `control` at the top-left corner of its window, sized as above from the window's
// outer size.
void fitToOuterSize(const QWidget& window, QWidget& control, float widthMarginTwips,
                    float heightMarginTwips);
