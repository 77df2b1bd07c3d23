// The size a window gives its one control: outer size in twips less the margins.
#include "support/qstring_printer.h"
#include "windows/outer_size_fit.h"

#include <gtest/gtest.h>

TEST(OuterSizeFit, TakesTheMarginsInTwipsFromTheOuterSizeToTheNearestPixel) {
    // 400 × 300 pixels are 6000 × 4500 twips.
    EXPECT_EQ(sizeWithinOuterSize({400, 300}, 50.0F, 200.0F), QSize(397, 287));
    EXPECT_EQ(sizeWithinOuterSize({400, 300}, 70.0F, 350.0F), QSize(395, 277));
    EXPECT_EQ(sizeWithinOuterSize({400, 300}, 0.0F, 0.0F), QSize(400, 300));
}

TEST(OuterSizeFit, GivesZeroForAWindowSmallerThanTheMargins) {
    EXPECT_EQ(sizeWithinOuterSize({3, 13}, 50.0F, 200.0F), QSize(0, 0));
    EXPECT_EQ(sizeWithinOuterSize({0, 0}, 70.0F, 350.0F), QSize(0, 0));
    EXPECT_EQ(sizeWithinOuterSize({4, 23}, 70.0F, 350.0F), QSize(0, 0));
    // 75 - 70 twips are a third of a pixel; 360 - 350 twips are two thirds.
    EXPECT_EQ(sizeWithinOuterSize({5, 24}, 70.0F, 350.0F), QSize(0, 1));
}
