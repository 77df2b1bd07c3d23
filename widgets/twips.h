#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Window measures are designed in twips. At the reference font, 15 twips make one
// device-independent pixel; the application's font sets the size of a twip, so that a
// larger font makes every window and control larger in proportion and the captions keep
// fitting. The reference font is Qt's own default where no desktop sets one: 9 point at
// 96 dots per inch, 12 pixels to the em.
inline constexpr int kTwipsPerPixel = 15; // at the reference font

// The application font's size against the reference font's, both in pixels to the em:
// 1 at the reference font.
double fontScale();
// How many twips make one device-independent pixel at the application's font.
double twipsPerPixel();

int pixelsFromTwips(int twips);
QRect rectFromTwips(int left, int top, int width, int height);
QSize sizeFromTwips(int width, int height);

// Gives `window` its designed size, below which it cannot be shrunk, so that no control
// placed in it is cut off.
void setDesignSize(QWidget& window, int widthTwips, int heightTwips);
