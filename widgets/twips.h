#pragma once

#include <QRect>
#include <QSize>

// Window measures are designed in twips: 15 twips make one device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

inline QSize sizeFromTwips(int width, int height) {
    return {pixelsFromTwips(width), pixelsFromTwips(height)};
}
