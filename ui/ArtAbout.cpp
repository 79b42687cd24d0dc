// The About box's pictures: the strip down its left side and the tick on its OK button.
#include <cmath>
#include <numbers>

#include "ui/About.h"
#include "ui/Artwork.h"

Picture AboutPicture(double scale) {
    Picture picture(ScaledSize(kAboutPictureWidth, scale), ScaledSize(kAboutPictureHeight, scale));
    art::Painter p(picture, scale);
    p.VerticalGradient({0, 0, kAboutPictureWidth, kAboutPictureHeight}, MakeColour(8, 36, 112),
                       MakeColour(0, 128, 128));
    // The coin in its ring of stars, with a soft glow, as on the splash.
    const art::Point centre{kAboutPictureWidth / 2.0, 62};
    p.Glow(centre, 48, MakeColour(96, 150, 220), 0.55);
    for (int i = 0; i < 12; ++i) {
        const double angle = i * std::numbers::pi / 6;
        const art::Point at{centre.x + 38 * std::sin(angle), centre.y - 38 * std::cos(angle)};
        p.Star(at, 5.4, 2.2, 5, 0, MakeColour(255, 221, 0));
    }
    art::DrawCoin(p, centre, 25);
    // The twenty flags of the built-in currencies.
    for (int slot = 1; slot <= 20; ++slot) {
        const int row = (slot - 1) / 5;
        const int column = (slot - 1) % 5;
        art::DrawFramedFlag(picture, 6 + column * 22, 124 + row * 20, slot, scale);
    }
    // A small pile of coins below.
    for (int i = 0; i < 3; ++i) {
        art::DrawCoin(p, {34.0 + i * 25, 236.0 - (i % 2) * 8}, 12, i == 1);
    }
    return picture;
}

Picture TickGlyph(double scale) {
    const int side = ScaledSize(16, scale);
    Picture picture(side, side, kPictureKey);
    art::Painter p(picture, scale);
    p.SetKey(kPictureKey);
    p.Line({3, 8.5}, {6.5, 12}, 2.6, MakeColour(0, 120, 0));
    p.Line({6.5, 12}, {13, 4}, 2.6, MakeColour(0, 120, 0));
    return picture;
}
