#include "widgets/twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr double kReferencePixelsPerEm = 12.0; // 9 point at 96 dots per inch
constexpr double kPointsPerInch = 72.0;

double pixelsPerEm(const QFont& font) {
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return font.pointSizeF() * dotsPerInch / kPointsPerInch;
}

} // namespace

double fontScale() {
    return pixelsPerEm(QGuiApplication::font()) / kReferencePixelsPerEm;
}

double twipsPerPixel() {
    return kTwipsPerPixel / fontScale();
}

int pixelsFromTwips(int twips) {
    return qRound(twips / twipsPerPixel());
}

QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

QSize sizeFromTwips(int width, int height) {
    return {pixelsFromTwips(width), pixelsFromTwips(height)};
}

void setDesignSize(QWidget& window, int widthTwips, int heightTwips) {
    window.resize(sizeFromTwips(widthTwips, heightTwips));
    window.setMinimumSize(window.size());
}
