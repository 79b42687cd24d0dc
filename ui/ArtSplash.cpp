// The picture strip of the splash window: the ring of stars round a coin, over a few flags.
#include <cmath>
#include <numbers>

#include "ui/Artwork.h"

Picture SplashPicture(double scale) {
    Picture picture(ScaledSize(kSplashPictureWidth, scale),
                    ScaledSize(kSplashPictureHeight, scale));
    art::Painter p(picture, scale);
    p.VerticalGradient({0, 0, kSplashPictureWidth, kSplashPictureHeight}, MakeColour(8, 36, 112),
                       MakeColour(0, 128, 128));

    const art::Point centre{kSplashPictureWidth / 2.0, 50};
    // A soft glow behind the coin and the stars.
    p.Glow(centre, 48, MakeColour(96, 150, 220), 0.55);
    for (int i = 0; i < 12; ++i) {
        double angle = i * std::numbers::pi / 6;
        art::Point at{centre.x + 38 * std::sin(angle), centre.y - 38 * std::cos(angle)};
        p.Star(at, 5.4, 2.2, 5, 0, MakeColour(255, 221, 0));
    }
    art::DrawCoin(p, centre, 25);

    const int slots[3][5] = {{2, 3, 4, 5, 6}, {7, 8, 9, 10, 11}, {12, 16, 13, 19, 20}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            art::DrawFramedFlag(picture, 6 + column * 22, 101 + row * 18, slots[row][column],
                                scale);
        }
    }
    return picture;
}
