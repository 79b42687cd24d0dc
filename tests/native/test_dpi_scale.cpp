// 96-DPI figures at other DPIs: the rounding, the way back, line widths, and pictures made for a
// DPI (drawn again, or resampled).
#include <gtest/gtest.h>

#include "util/DpiScale.h"
#include "util/PictureOps.h"
#include "util/ScalablePicture.h"

namespace {

TEST(DpiScale, RoundsHalvesAwayFromZeroAndComesBack) {
    struct Row {
        int figure, dpi, pixels;
    };
    const Row rows[] = {
        {20, 144, 30},    // a flag
        {5, 144, 8},      // 7.5 rounds up
        {-4, 144, -6},    // a picture bleeding off the corner
        {427, 144, 641},  // the main window's height
        {1, 120, 1},      // 1.25
        {326, 192, 652}, {0, 240, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ScaleToDpi(r.figure, r.dpi), r.pixels) << r.figure << " at " << r.dpi;
    }
    // Scaled up and back, every figure is itself again at every DPI from 96 on.
    for (const int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        for (int figure = -50; figure <= 1000; ++figure) {
            ASSERT_EQ(ScaleFromDpi(ScaleToDpi(figure, dpi), dpi), figure) << dpi;
        }
    }
    // Rectangles scale edge by edge: two that touch still touch.
    const PixelRect left = ScaleToDpi(PixelRect{3, 0, 7, 5}, 144);
    const PixelRect right = ScaleToDpi(PixelRect{7, 0, 11, 5}, 144);
    EXPECT_EQ(left.right, right.left);
    for (const auto& [dpi, width] : {std::pair{96, 1}, {144, 1}, {191, 1}, {192, 2}, {288, 3}}) {
        EXPECT_EQ(LineWidthAt(dpi), width) << dpi;
    }
}

TEST(ScaledPictures, DrawnOnesAreDrawnAgainOthersResampled) {
    const Colour red = MakeColour(255, 0, 0);
    const Colour blue = MakeColour(0, 0, 255);
    Picture pair(2, 1, red);
    pair.Set(1, 0, blue);
    // Doubled, every pixel is doubled; at 150 % only the middle pixel mixes its neighbours.
    Picture doubled = ResampleArea(pair, 4, 2);
    EXPECT_EQ(doubled.pixels, (std::vector<Colour>{red, red, blue, blue, red, red, blue, blue}));
    const Picture third = ResampleArea(pair, 3, 1);
    EXPECT_EQ(third.At(0, 0), red);
    EXPECT_NEAR(static_cast<double>(third.At(1, 0) & 0xFF), 127.5, 1) << "half red";
    EXPECT_NEAR(static_cast<double>(third.At(1, 0) >> 16), 127.5, 1) << "half blue";
    EXPECT_EQ(third.At(2, 0), blue);
    EXPECT_TRUE(ResampleArea(Picture{}, 3, 3).Empty());
    // Pixel art keeps its colours at every scale.
    EXPECT_EQ(ScalePixelArt(pair, 2).pixels, doubled.pixels);
    for (const Colour c : ScalePixelArt(pair, 1.5).pixels) EXPECT_TRUE(c == red || c == blue);

    int draws = 0;
    const ScalablePicture drawn(PictureDrawer([&draws](double scale) {
        ++draws;
        return Picture(ScaledSize(10, scale), ScaledSize(10, scale), red);
    }));
    EXPECT_EQ(drawn.At(144).width, 15);
    EXPECT_EQ(drawn.At(144).width, 15);
    EXPECT_EQ(draws, 2) << "the design, then once for 144 DPI";
    EXPECT_EQ(drawn.At(96).width, 10);
    const ScalablePicture resampled(pair);
    EXPECT_EQ(resampled.At(192).pixels, doubled.pixels);
}

}  // namespace
