#include "windows/outer_size_fit.h"

#include "widgets/twips.h"

#include <QWidget>

#include <algorithm>

namespace {

int pixelsLessMargin(int outerPixels, float marginTwips) {
    const auto twipsInPixel = static_cast<float>(twipsPerPixel());
    const float twips = static_cast<float>(outerPixels) * twipsInPixel;
    const float remaining = std::max(twips - marginTwips, 0.0F);
    return qRound(remaining / twipsInPixel);
}

} // namespace

QSize sizeWithinOuterSize(QSize outerSize, float widthMarginTwips, float heightMarginTwips) {
    return {pixelsLessMargin(outerSize.width(), widthMarginTwips),
            pixelsLessMargin(outerSize.height(), heightMarginTwips)};
}

void fitToOuterSize(const QWidget& window, QWidget& control, float widthMarginTwips,
                    float heightMarginTwips) {
    control.setGeometry(
        QRect(QPoint(0, 0), sizeWithinOuterSize(window.frameGeometry().size(), widthMarginTwips,
                                                heightMarginTwips)));
}
