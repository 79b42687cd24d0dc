// The options dialog's pictures.
#include "ui/Artwork.h"
#include "ui/OptionsArt.h"

namespace {

constexpr Colour kInk = MakeColour(48, 52, 64);
constexpr Colour kPaper = MakeColour(255, 255, 255);
constexpr Colour kLine = MakeColour(128, 140, 164);
constexpr Colour kTick = MakeColour(24, 150, 48);
constexpr Colour kTickEdge = MakeColour(8, 88, 24);
constexpr Colour kBubbleA = MakeColour(255, 236, 150);
constexpr Colour kBubbleB = MakeColour(196, 226, 255);
constexpr Colour kBoard = MakeColour(176, 112, 52);
constexpr Colour kClip = MakeColour(200, 206, 218);
constexpr Colour kArrow = MakeColour(52, 112, 214);

Picture Blank(int width, int height, double scale) {
    return Picture(ScaledSize(width, scale), ScaledSize(height, scale), kPictureKey);
}

art::Painter Keyed(Picture& picture, double scale) {
    art::Painter p(picture, scale);
    p.SetKey(kPictureKey);
    return p;
}

// A rounded speech bubble with its tail at the bottom left or right.
void Bubble(art::Painter& p, art::Box b, bool tailLeft, Colour fill) {
    const double tx = tailLeft ? b.left + 4 : b.right - 4;
    const art::Point tail[] = {{tx - 2, b.bottom - 1.0},
                               {tx + 2, b.bottom - 1.0},
                               {tailLeft ? tx - 3 : tx + 3, b.bottom + 4.0}};
    p.Polygon(tail, kInk);
    p.Rect({b.left + 1, b.top, b.right - 1, b.bottom}, kInk);
    p.Rect({b.left, b.top + 1, b.right, b.bottom - 1}, kInk);
    p.Rect({b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, fill);
    const art::Point inner[] = {{tx - 1, b.bottom - 1.5},
                                {tx + 1, b.bottom - 1.5},
                                {tailLeft ? tx - 2 : tx + 2, b.bottom + 2.5}};
    p.Polygon(inner, fill);
}

// Lines of "text" in a box.
void TextLines(art::Painter& p, art::Box b, int pitch) {
    for (int y = b.top; y + 1 <= b.bottom; y += pitch) {
        const int right = b.right - ((y / pitch) % 2 == 0 ? 0 : 3);
        p.Rect({b.left, y, right, y + 1}, kLine);
    }
}

}  // namespace

Picture SymbolPositionPicture(double scale) {
    Picture picture = Blank(16, 16, scale);
    art::Painter p = Keyed(picture, scale);
    art::DrawCoin(p, {4.5, 8}, 4.5, true);
    // Three digits as short upright strokes.
    for (int x : {10, 12, 14}) p.Rect({x, 5, x + 1, 12}, kInk);
    p.Rect({9, 13, 16, 14}, kLine);
    return picture;
}

Picture OkPicture(double scale) {
    Picture picture = Blank(16, 16, scale);
    art::Painter p = Keyed(picture, scale);
    p.Line({2.5, 8.5}, {6, 12}, 3.2, kTickEdge);
    p.Line({6, 12}, {13.5, 3.5}, 3.2, kTickEdge);
    p.Line({2.5, 8.5}, {6, 12}, 1.8, kTick);
    p.Line({6, 12}, {13.5, 3.5}, 1.8, kTick);
    return picture;
}

Picture LanguagesPicture(double scale) {
    Picture picture = Blank(32, 32, scale);
    art::Painter p = Keyed(picture, scale);
    Bubble(p, {1, 2, 21, 14}, true, kBubbleA);
    TextLines(p, {4, 5, 18, 12}, 3);
    Bubble(p, {10, 16, 31, 27}, false, kBubbleB);
    TextLines(p, {13, 19, 28, 25}, 3);
    return picture;
}

Picture ClipboardCoinPicture(double scale) {
    Picture picture = Blank(32, 32, scale);
    art::Painter p = Keyed(picture, scale);
    p.Rect({3, 4, 23, 31}, kInk);
    p.Rect({4, 5, 22, 30}, kBoard);
    p.Rect({6, 8, 20, 28}, kPaper);
    TextLines(p, {8, 11, 18, 26}, 3);
    p.Rect({8, 2, 18, 7}, kInk);
    p.Rect({9, 3, 17, 6}, kClip);
    art::DrawCoin(p, {24, 22}, 7, true);
    return picture;
}

Picture ResultsPicture(double scale) {
    Picture picture = Blank(32, 32, scale);
    art::Painter p = Keyed(picture, scale);
    p.Rect({2, 3, 28, 29}, kInk);
    p.Rect({3, 4, 27, 28}, kPaper);
    for (int row = 0; row < 5; ++row) {
        const int y = 6 + row * 4;
        art::DrawFlag(picture, p.Scaled({5, y, 9, y + 3}), row % 2 == 0 ? 3 : 13);
        p.Rect({11, y + 1, 25 - (row % 3) * 3, y + 2}, kLine);
    }
    art::DrawCoin(p, {25, 25}, 6, true);
    return picture;
}

Picture PointerPicture(double scale) {
    Picture picture = Blank(16, 16, scale);
    art::Painter p = Keyed(picture, scale);
    const art::Point arrow[] = {{2, 6}, {9, 6}, {9, 2}, {15, 8}, {9, 14}, {9, 10}, {2, 10}};
    p.Polygon(arrow, kInk);
    const art::Point inner[] = {{3, 7}, {10, 7}, {10, 4.5}, {13.5, 8}, {10, 11.5}, {10, 9}, {3, 9}};
    p.Polygon(inner, kArrow);
    return picture;
}
