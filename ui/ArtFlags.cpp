// The twenty small flags of the currency slots.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "ui/Artwork.h"

namespace art {
namespace {

constexpr Colour kOutline = MakeColour(64, 64, 64);
constexpr Colour kWhite = MakeColour(255, 255, 255);
constexpr Colour kBlack = MakeColour(0, 0, 0);

constexpr int kFlagWidth = 16;  // inside the outline
constexpr int kFlagHeight = 12;
constexpr int kSquareFlag = 12;
constexpr int kSquareSlot = 18;

// Edges of the bands are snapped to whole pixels so stripes stay crisp.
int Along(int start, int length, double fraction) {
    return start + static_cast<int>(std::lround(fraction * length));
}

// Bands of equal or weighted size, left to right or top to bottom.
void Bands(Painter& p, Box a, std::initializer_list<Colour> colours,
           std::initializer_list<int> weights, bool vertical) {
    int total = 0;
    for (int w : weights) total += w;
    int done = 0;
    auto weight = weights.begin();
    for (Colour c : colours) {
        int from = done;
        done += *weight++;
        if (vertical) {
            p.Rect({Along(a.left, a.Width(), static_cast<double>(from) / total), a.top,
                    Along(a.left, a.Width(), static_cast<double>(done) / total), a.bottom},
                   c);
        } else {
            p.Rect({a.left, Along(a.top, a.Height(), static_cast<double>(from) / total), a.right,
                    Along(a.top, a.Height(), static_cast<double>(done) / total)},
                   c);
        }
    }
}

void Vertical3(Painter& p, Box a, Colour left, Colour middle, Colour right) {
    Bands(p, a, {left, middle, right}, {1, 1, 1}, true);
}

void Horizontal3(Painter& p, Box a, Colour top, Colour middle, Colour bottom) {
    Bands(p, a, {top, middle, bottom}, {1, 1, 1}, false);
}

// Bar thickness as a share of the flag's height, kept even so the bar sits in the middle.
int EvenThickness(int height, double share) {
    return std::max(2, 2 * static_cast<int>(std::lround(height * share / 2)));
}

// A Nordic cross: the upright shifted towards the hoist, optionally a narrower one inside.
void NordicCross(Painter& p, Box a, Colour field, Colour cross, double share, Colour inner = 0,
                 double innerShare = 0) {
    p.Rect(a, field);
    int cx = Along(a.left, a.Width(), 0.375);
    int cy = a.top + a.Height() / 2;
    auto bars = [&](int t, Colour c) {
        p.Rect({a.left, cy - t / 2, a.right, cy + t / 2}, c);
        p.Rect({cx - t / 2, a.top, cx + t / 2, a.bottom}, c);
    };
    bars(EvenThickness(a.Height(), share), cross);
    if (innerShare > 0) bars(EvenThickness(a.Height(), innerShare), inner);
}

// One-pixel stripes on small flags, true proportions once there is room.
void Stripes(Painter& p, Box a, int count, Colour first, Colour second) {
    if (a.Height() < 2 * count) {
        for (int y = a.top; y < a.bottom; ++y) {
            p.Rect({a.left, y, a.right, y + 1}, (y - a.top) % 2 == 0 ? first : second);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        p.Rect({a.left, Along(a.top, a.Height(), static_cast<double>(i) / count), a.right,
                Along(a.top, a.Height(), static_cast<double>(i + 1) / count)},
               i % 2 == 0 ? first : second);
    }
}

void Europe(Painter& p, Box a) {
    p.Rect(a, MakeColour(0, 51, 153));
    double cx = a.left + a.Width() / 2.0;
    double cy = a.top + a.Height() / 2.0;
    double ring = a.Height() / 3.0;
    Colour gold = MakeColour(255, 221, 0);
    if (a.Height() < 24) {
        // Too small for stars: twelve single dots, the ring turned half a step so that no dot
        // falls between two pixels and each stays apart from the next.
        double radius = a.Height() * 0.375;
        for (int i = 0; i < 12; ++i) {
            double angle = (i + 0.5) * std::numbers::pi / 6;
            p.Put(static_cast<int>(std::floor(cx + radius * std::sin(angle))),
                  static_cast<int>(std::floor(cy - radius * std::cos(angle))), gold);
        }
        return;
    }
    for (int i = 0; i < 12; ++i) {
        double angle = i * std::numbers::pi / 6;
        Point at{cx + ring * std::sin(angle), cy - ring * std::cos(angle)};
        p.Star(at, a.Height() / 18.0, a.Height() / 45.0, 5, 0, gold);
    }
}

void Portugal(Painter& p, Box a) {
    Bands(p, a, {MakeColour(0, 102, 0), MakeColour(255, 0, 0)}, {2, 3}, true);
    double cx = Along(a.left, a.Width(), 0.4);
    double cy = a.top + a.Height() / 2.0;
    double r = a.Height() * 0.3;
    p.Disc(cx, cy, r, MakeColour(255, 221, 0));
    p.Disc(cx, cy, r * 0.62, MakeColour(230, 0, 0));
    p.Disc(cx, cy, r * 0.32, kWhite);
}

void Spain(Painter& p, Box a) {
    Colour red = MakeColour(198, 11, 30);
    Bands(p, a, {red, MakeColour(255, 196, 0), red}, {1, 2, 1}, false);
    // The arms, towards the hoist: a small crowned shield.
    int x = Along(a.left, a.Width(), 0.25);
    int top = Along(a.top, a.Height(), 0.25) + 1;
    int bottom = Along(a.top, a.Height(), 0.75) - 1;
    p.Rect({x, top, x + std::max(2, a.Width() / 8), bottom}, MakeColour(173, 21, 25));
    p.Rect({x, top, x + std::max(2, a.Width() / 8), top + std::max(1, a.Height() / 12)},
           MakeColour(190, 140, 30));
}

void UnitedKingdom(Painter& p, Box a) {
    Colour blue = MakeColour(1, 33, 105);
    Colour red = MakeColour(200, 16, 46);
    p.Rect(a, blue);
    double unit = a.Height() / 30.0;  // the flag is 60 x 30 units
    double cx = a.left + a.Width() / 2.0;
    double cy = a.top + a.Height() / 2.0;
    double dx = a.Width() / 2.0;
    double dy = a.Height() / 2.0;
    double whiteWidth = std::max(2.2, 6 * unit);
    double redWidth = std::max(1.1, 2 * unit);
    // Each arm of the red saltire lies off the middle of the white one, turning round the flag.
    struct Arm {
        double sx, sy;  // towards the corner
        double ox, oy;  // the red's offset
    };
    double length = std::hypot(dx, dy);
    double nx = dy / length;
    double ny = dx / length;
    const Arm arms[] = {{-1, -1, -nx, ny}, {1, -1, -nx, -ny}, {1, 1, nx, -ny}, {-1, 1, nx, ny}};
    double shift = std::max(0.45, unit);
    for (const Arm& arm : arms) {
        p.Line({cx, cy}, {cx + arm.sx * dx * 1.1, cy + arm.sy * dy * 1.1}, whiteWidth, kWhite);
    }
    for (const Arm& arm : arms) {
        Point from{cx + arm.ox * shift, cy + arm.oy * shift};
        p.Line(from, {from.x + arm.sx * dx * 1.1, from.y + arm.sy * dy * 1.1}, redWidth, red);
    }
    int whiteCross = EvenThickness(a.Height(), 10.0 / 30);
    int redCross = EvenThickness(a.Height(), 6.0 / 30);
    int mx = a.left + a.Width() / 2;
    int my = a.top + a.Height() / 2;
    p.Rect({a.left, my - whiteCross / 2, a.right, my + whiteCross / 2}, kWhite);
    p.Rect({mx - whiteCross / 2, a.top, mx + whiteCross / 2, a.bottom}, kWhite);
    p.Rect({a.left, my - redCross / 2, a.right, my + redCross / 2}, red);
    p.Rect({mx - redCross / 2, a.top, mx + redCross / 2, a.bottom}, red);
}

void Greece(Painter& p, Box a) {
    Colour blue = MakeColour(13, 94, 175);
    Stripes(p, a, 9, blue, kWhite);
    int side = a.Height() < 18 ? 5 : Along(0, a.Height(), 5.0 / 9);
    p.Rect({a.left, a.top, a.left + side, a.top + side}, blue);
    int t = side < 9 ? 1 : EvenThickness(side, 0.2);
    int mid = side / 2;
    p.Rect({a.left, a.top + mid - t / 2, a.left + side, a.top + mid - t / 2 + t}, kWhite);
    p.Rect({a.left + mid - t / 2, a.top, a.left + mid - t / 2 + t, a.top + side}, kWhite);
}

void UnitedStates(Painter& p, Box a) {
    Colour blue = MakeColour(60, 59, 110);
    Stripes(p, a, 13, MakeColour(178, 34, 52), kWhite);
    int cantonWidth = Along(0, a.Width(), 0.44);
    int cantonHeight = a.Height() < 26 ? a.Height() / 2 : Along(0, a.Height(), 7.0 / 13);
    p.Rect({a.left, a.top, a.left + cantonWidth, a.top + cantonHeight}, blue);
    // Stars as dots in a staggered grid with a blue edge round it.
    for (int y = 1; y < cantonHeight - 1; ++y) {
        for (int x = 1; x < cantonWidth - 1; ++x) {
            if ((x + y) % 2 == 0) p.Put(a.left + x, a.top + y, kWhite);
        }
    }
}

void Switzerland(Painter& p, Box a) {
    p.Rect(a, MakeColour(218, 41, 28));
    int arm = EvenThickness(a.Height(), 6.0 / 32 * 1.3);
    int length = EvenThickness(a.Height(), 20.0 / 32);
    int cx = a.left + a.Width() / 2;
    int cy = a.top + a.Height() / 2;
    p.Rect({cx - arm / 2, cy - length / 2, cx + arm / 2, cy + length / 2}, kWhite);
    p.Rect({cx - length / 2, cy - arm / 2, cx + length / 2, cy + arm / 2}, kWhite);
}

void Japan(Painter& p, Box a) {
    p.Rect(a, kWhite);
    p.Disc(a.left + a.Width() / 2.0, a.top + a.Height() / 2.0, a.Height() * 0.3,
           MakeColour(188, 0, 45));
}

}  // namespace

void DrawFlag(Picture& target, Box area, int slot) {
    Painter p(target);
    p.SetClip(area);
    Box a = area;
    switch (slot) {
        case 1:
            Europe(p, a);
            break;
        case 2:
            Vertical3(p, a, kBlack, MakeColour(253, 218, 36), MakeColour(239, 51, 64));
            break;
        case 3:
            Horizontal3(p, a, MakeColour(174, 28, 40), kWhite, MakeColour(33, 70, 139));
            break;
        case 4:
            Horizontal3(p, a, MakeColour(237, 41, 57), kWhite, MakeColour(0, 161, 222));
            break;
        case 5:
            Vertical3(p, a, MakeColour(0, 35, 149), kWhite, MakeColour(237, 41, 57));
            break;
        case 6:
            Horizontal3(p, a, kBlack, MakeColour(221, 0, 0), MakeColour(255, 206, 0));
            break;
        case 7:
            Vertical3(p, a, MakeColour(0, 146, 70), kWhite, MakeColour(206, 43, 55));
            break;
        case 8:
            Portugal(p, a);
            break;
        case 9:
            Spain(p, a);
            break;
        case 10:
            Horizontal3(p, a, MakeColour(200, 16, 46), kWhite, MakeColour(200, 16, 46));
            break;
        case 11:
            NordicCross(p, a, kWhite, MakeColour(0, 53, 128), 3.0 / 11);
            break;
        case 12:
            Vertical3(p, a, MakeColour(22, 155, 98), kWhite, MakeColour(255, 136, 62));
            break;
        case 13:
            UnitedKingdom(p, a);
            break;
        case 14:
            NordicCross(p, a, MakeColour(0, 106, 167), MakeColour(254, 204, 0), 2.0 / 10);
            break;
        case 15:
            NordicCross(p, a, MakeColour(200, 16, 46), kWhite, 4.0 / 28);
            break;
        case 16:
            Greece(p, a);
            break;
        case 17:
            NordicCross(p, a, MakeColour(186, 12, 47), kWhite, 4.0 / 16, MakeColour(0, 32, 91),
                        2.0 / 16);
            break;
        case 18:
            Switzerland(p, a);
            break;
        case 19:
            UnitedStates(p, a);
            break;
        case 20:
            Japan(p, a);
            break;
        default:
            break;
    }
}

namespace {

// The outline in whole pixels, then the flag inside it at the picture's own pixels, with the
// detail that size allows.
void DrawFramedFlagAt(Picture& target, Box pixels, int slot, double scale) {
    Painter p(target);
    const int line = std::max(1, static_cast<int>(scale + 1e-9));
    p.Rect(pixels, kOutline);
    DrawFlag(target,
             {pixels.left + line, pixels.top + line, pixels.right - line, pixels.bottom - line},
             slot);
}

Box FramedSize(int slot) {
    const bool square = slot == kSquareSlot;
    return {0, 0, (square ? kSquareFlag : kFlagWidth) + 2,
            (square ? kSquareFlag : kFlagHeight) + 2};
}

}  // namespace

Box DrawFramedFlag(Picture& target, int left, int top, int slot, double scale) {
    const Box size = FramedSize(slot);
    const Box outer{left, top, left + size.right, top + size.bottom};
    DrawFramedFlagAt(target, Painter(target, scale).Scaled(outer), slot, scale);
    return outer;
}

}  // namespace art

Picture SmallFlag(int slot, double scale) {
    if (slot < 1 || slot > 20) return {};
    const int size = ScaledSize(kFlagSize, scale);
    Picture flag(size, size, kFlagBackground);
    // Centred in whole pixels at every size.
    const art::Box design = art::FramedSize(slot);
    const int width = ScaledSize(design.right, scale);
    const int height = ScaledSize(design.bottom, scale);
    const int left = (size - width) / 2;
    const int top = (size - height) / 2;
    art::DrawFramedFlagAt(flag, {left, top, left + width, top + height}, slot, scale);
    return flag;
}
