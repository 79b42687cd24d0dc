// The transparent colour of a picture and its greyed (disabled) look.
#include <gtest/gtest.h>

#include "util/PictureOps.h"

namespace {

const Colour kSilver = MakeColour(192, 192, 192);

TEST(PictureOps, TransparentColourIsTheBottomLeftPixel) {
    Picture p(3, 2, kSilver);
    p.Set(0, 1, MakeColour(1, 2, 3));
    p.Set(0, 0, MakeColour(9, 9, 9));
    EXPECT_EQ(TransparentColour(p), MakeColour(1, 2, 3));
    EXPECT_EQ(TransparentColour(Picture{}), 0u);
    Picture broken(2, 2);
    broken.pixels.clear();  // inconsistent data must not be read
    EXPECT_EQ(TransparentColour(broken), 0u);
}

TEST(PictureOps, GreyedKeepsTransparentPixelsAndShapes) {
    Picture glyph(4, 1, kSilver);
    glyph.Set(1, 0, MakeColour(0, 0, 0));
    glyph.Set(2, 0, MakeColour(255, 255, 255));
    glyph.Set(3, 0, MakeColour(255, 0, 0));
    const Picture grey = Greyed(glyph, kSilver);
    ASSERT_EQ(grey.width, 4);
    EXPECT_EQ(grey.At(0, 0), kSilver) << "transparent stays";
    for (int x = 1; x < 4; ++x) {
        const Colour c = grey.At(x, 0);
        EXPECT_EQ(c & 0xFF, (c >> 8) & 0xFF) << x;
        EXPECT_EQ(c & 0xFF, (c >> 16) & 0xFF) << x;
    }
    EXPECT_LT(grey.At(1, 0) & 0xFF, grey.At(3, 0) & 0xFF) << "black stays darker than red";
    EXPECT_LT(grey.At(3, 0) & 0xFF, grey.At(2, 0) & 0xFF) << "red stays darker than white";
}

TEST(PictureOps, GreyedNeverTurnsAPixelIntoTheTransparentColour) {
    // Every brightness is tried, so some grey lands on the silver of the background.
    Picture ramp(256, 1);
    for (int x = 0; x < 256; ++x) ramp.Set(x, 0, MakeColour(x, x, x));
    const Colour transparent = MakeColour(192, 192, 192);
    ramp.Set(192, 0, MakeColour(10, 20, 30));  // no pixel is transparent to begin with
    const Picture grey = Greyed(ramp, transparent);
    for (int x = 0; x < 256; ++x) EXPECT_NE(grey.At(x, 0), transparent) << x;
}

}  // namespace
