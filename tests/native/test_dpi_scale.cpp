// 96-DPI figures at other DPIs (the rounding, the way back, line widths), and pictures made for a
// DPI: drawn again, resampled, or scaled as pixel art.
#include <gtest/gtest.h>

#include <tuple>

#include "util/DpiScale.h"
#include "util/PictureOps.h"
#include "util/ScalablePicture.h"

namespace {

TEST(DpiScale, RoundsHalvesAwayFromZeroAndComesBack) {
    // A flag, a half rounded up, a picture bleeding off a corner, the main window's height.
    for (const auto& [figure, dpi, pixels] :
         {std::tuple{20, 144, 30}, {5, 144, 8}, {-4, 144, -6}, {427, 144, 641}, {1, 120, 1}}) {
        EXPECT_EQ(ScaleToDpi(figure, dpi), pixels) << figure << " at " << dpi;
    }
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int figure = -50; figure <= 1000; ++figure) {
            ASSERT_EQ(ScaleFromDpi(ScaleToDpi(figure, dpi), dpi), figure) << dpi;
        }
    }
    // Edge by edge: rectangles that touch still touch.
    EXPECT_EQ(ScaleToDpi(PixelRect{3, 0, 7, 5}, 144).right,
              ScaleToDpi(PixelRect{7, 0, 11, 5}, 144).left);
    for (const auto& [dpi, width] : {std::pair{144, 1}, {191, 1}, {192, 2}, {288, 3}}) {
        EXPECT_EQ(LineWidthAt(dpi), width) << dpi;
    }
}

TEST(ScaledPictures, DrawnOnceAtEachDpiOthersResampled) {
    const Colour red = MakeColour(255, 0, 0);
    const Colour blue = MakeColour(0, 0, 255);
    Picture pair(2, 1, red);
    pair.Set(1, 0, blue);
    // Doubled, every pixel is doubled; at 150 % only the middle pixel mixes its neighbours.
    const Picture doubled = ResampleArea(pair, 4, 2);
    EXPECT_EQ(doubled.pixels, (std::vector<Colour>{red, red, blue, blue, red, red, blue, blue}));
    const Picture third = ResampleArea(pair, 3, 1);
    EXPECT_EQ(third.At(0, 0), red);
    EXPECT_NEAR(static_cast<double>(third.At(1, 0) & 0xFF), 127.5, 1);
    EXPECT_EQ(third.At(2, 0), blue);
    // Pixel art keeps its colours; a picture drawn by code is drawn once for each DPI asked.
    EXPECT_EQ(ScalePixelArt(pair, 2).pixels, doubled.pixels);
    for (const Colour c : ScalePixelArt(pair, 1.5).pixels) EXPECT_TRUE(c == red || c == blue);
    EXPECT_EQ(ScalablePicture(pair).At(192).pixels, doubled.pixels);
    int draws = 0;
    const ScalablePicture drawn(PictureDrawer([&draws](double scale) {
        ++draws;
        return Picture(ScaledSize(10, scale), ScaledSize(10, scale), red);
    }));
    EXPECT_EQ(drawn.At(144).width, 15);
    EXPECT_EQ(drawn.At(144).width, 15);
    EXPECT_EQ(drawn.At(96).width, 10);
    EXPECT_EQ(draws, 2) << "the design, then 144 DPI";
}

}  // namespace
