// The tool-bar and menu pictures and the program's icon.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "ui/Artwork.h"

namespace art {
namespace {

constexpr Colour kInk = MakeColour(48, 52, 64);
constexpr Colour kPaper = MakeColour(255, 255, 255);
constexpr Colour kFold = MakeColour(214, 220, 232);
constexpr Colour kText = MakeColour(128, 140, 164);
constexpr Colour kBlue = MakeColour(52, 112, 214);
constexpr Colour kGreen = MakeColour(40, 160, 64);
constexpr Colour kRed = MakeColour(222, 44, 44);
constexpr Colour kDarkRed = MakeColour(128, 16, 16);
constexpr Colour kSteel = MakeColour(178, 184, 196);
constexpr Colour kLightSteel = MakeColour(222, 226, 234);
constexpr Colour kBrown = MakeColour(176, 112, 52);
constexpr Colour kGold = MakeColour(246, 194, 44);
constexpr Colour kDarkGold = MakeColour(150, 98, 0);
constexpr Colour kEuroInk = MakeColour(124, 76, 0);

Picture Blank(int size, double scale = 1.0) {
    const int side = ScaledSize(size, scale);
    return Picture(side, side, kPictureKey);
}

Painter KeyedPainter(Picture& picture, double scale = 1.0) {
    Painter p(picture, scale);
    p.SetKey(kPictureKey);
    return p;
}

void OutlinedBox(Painter& p, Box b, Colour fill) {
    p.Rect(b, fill);
    p.Frame(b, kInk);
}

// A filled polygon with a one-pixel ink edge; corners on pixel centres keep straight edges crisp.
void OutlinedPolygon(Painter& p, const std::vector<Point>& points, Colour fill) {
    p.Polygon(points, fill);
    for (std::size_t i = 0; i < points.size(); ++i) {
        p.Line(points[i], points[(i + 1) % points.size()], 1.0, kInk);
    }
}

// A sheet of paper with a folded corner and, if asked, lines of text.
void Sheet(Painter& p, Box b, int fold, bool lines) {
    double l = b.left, t = b.top, r = b.right, bt = b.bottom, f = fold;
    const Point outer[] = {{l, t}, {r - f, t}, {r, t + f}, {r, bt}, {l, bt}};
    p.Polygon(outer, kInk);
    const Point inner[] = {{l + 1, t + 1},
                           {r - f - 0.41, t + 1},
                           {r - 1, t + f + 0.41},
                           {r - 1, bt - 1},
                           {l + 1, bt - 1}};
    p.Polygon(inner, kPaper);
    const Point flap[] = {{r - f, t}, {r - f, t + f}, {r, t + f}};
    p.Polygon(flap, kFold);
    p.Rect({b.right - fold - 1, b.top, b.right - fold, b.top + fold + 1}, kInk);
    p.Rect({b.right - fold - 1, b.top + fold, b.right, b.top + fold + 1}, kInk);
    if (!lines) return;
    for (int y = b.top + fold + 2; y < b.bottom - 2; y += 2) {
        int right = b.right - 2 - ((y / 2) % 3 == 0 ? 2 : 0);
        p.Rect({b.left + 2, y, right, y + 1}, kText);
    }
}

void Clipboard(Painter& p, Box board, Box clip) {
    OutlinedBox(p, board, kBrown);
    p.Rect({board.left + 1, board.top + 1, board.right - 1, board.top + 2},
           MakeColour(206, 150, 92));
    OutlinedBox(p, clip, kLightSteel);
    p.Rect({clip.left + 1, clip.bottom - 2, clip.right - 1, clip.bottom - 1}, kSteel);
}

// An arrow along x: the shaft from x0, the head from xh to the point at x1 (x1 < x0 points left).
void HorizontalArrow(Painter& p, double y, double x0, double xh, double x1, double shaft,
                     double head, Colour fill) {
    OutlinedPolygon(p,
                    {{x0, y - shaft},
                     {xh, y - shaft},
                     {xh, y - head},
                     {x1, y},
                     {xh, y + head},
                     {xh, y + shaft},
                     {x0, y + shaft}},
                    fill);
}

void VerticalArrow(Painter& p, double x, double y0, double yh, double y1, double shaft, double head,
                   Colour fill) {
    OutlinedPolygon(p,
                    {{x - shaft, y0},
                     {x - shaft, yh},
                     {x - head, yh},
                     {x, y1},
                     {x + head, yh},
                     {x + shaft, yh},
                     {x + shaft, y0}},
                    fill);
}

void Printer(Painter& p, Box paperIn, Box body, Box paperOut) {
    OutlinedBox(p, paperIn, kPaper);
    OutlinedBox(p, body, kSteel);
    p.Rect({body.left + 1, body.top + 1, body.right - 1, body.top + 2}, kLightSteel);
    int slot = paperOut.top;
    p.Rect({body.left + 2, slot - 1, body.right - 2, slot}, kInk);
    p.Put(body.right - 3, body.top + 2, kGreen);
    p.Put(body.right - 4, body.top + 2, kGreen);
    OutlinedBox(p, paperOut, kPaper);
    for (int y = paperOut.top + 2; y < paperOut.bottom - 1; y += 2) {
        p.Rect({paperOut.left + 2, y, paperOut.right - 2, y + 1}, kText);
    }
}

// A cog wheel: teeth round the rim and a hole in the middle.
void Gear(Painter& p, double cx, double cy, double outer, double root, double hole, int teeth) {
    auto wheel = [=](double inset) {
        return [=](double x, double y) {
            double dx = x - cx;
            double dy = y - cy;
            double r = std::hypot(dx, dy);
            double turn = std::atan2(dy, dx) / (2 * std::numbers::pi) * teeth + 0.5;
            double phase = turn - std::floor(turn);
            double d = std::min(phase, 1 - phase);  // 0 in the middle of a tooth
            double edge = std::clamp((0.34 - d) / 0.12, 0.0, 1.0);
            double rim = root + (outer - root) * edge;
            return r <= rim - inset && r >= hole + inset;
        };
    };
    double reach = outer + 1;
    p.Shape(cx - reach, cy - reach, cx + reach, cy + reach, wheel(0), kInk);
    p.Shape(cx - reach, cy - reach, cx + reach, cy + reach, wheel(1.1), kSteel);
    p.Ring(cx, cy, hole + 2.6, hole + 1.6, kLightSteel);
}

// A drawing pin seen from the side, leaning right: needle, collar, neck and head, each a
// rectangle across the pin's axis.
void Pushpin(Painter& p) {
    const Point tip{3.5, 20.5};
    const double c = std::sqrt(0.5);
    auto part = [&](double from, double to, double half, double grow) {
        auto at = [&](double along, double across) {
            return Point{tip.x + (along + across) * c, tip.y + (-along + across) * c};
        };
        return std::vector<Point>{at(from - grow, -half - grow), at(to + grow, -half - grow),
                                  at(to + grow, half + grow), at(from - grow, half + grow)};
    };
    p.Line(tip, {tip.x + 8 * c, tip.y - 8 * c}, 1.6, MakeColour(96, 96, 104));
    const double parts[][3] = {{8, 10, 5}, {10, 14.5, 2.2}, {14.5, 19, 4.6}};
    for (const auto& [from, to, half] : parts) {
        p.Polygon(part(from, to, half, 0.9), kDarkRed);
        p.Polygon(part(from, to, half, 0), kRed);
    }
    p.Polygon(part(15.6, 16.8, 3, 0), MakeColour(255, 150, 150));
}

void InfoSign(Painter& p, double cx, double cy, double r) {
    p.Disc(cx, cy, r, MakeColour(20, 60, 150));
    p.Disc(cx, cy, r - 1, kBlue);
    p.Disc(cx - r * 0.25, cy - r * 0.3, r * 0.45, MakeColour(88, 146, 232));
    p.Disc(cx, cy - r * 0.48, r * 0.17, kPaper);
    double w = r * 0.2;
    const Point stem[] = {{cx - w - r * 0.12, cy - r * 0.18},
                          {cx + w, cy - r * 0.18},
                          {cx + w, cy + r * 0.5},
                          {cx + w + r * 0.12, cy + r * 0.58},
                          {cx - w - r * 0.12, cy + r * 0.58},
                          {cx - w, cy + r * 0.5},
                          {cx - w, cy - r * 0.05},
                          {cx - w - r * 0.12, cy - r * 0.05}};
    p.Polygon(stem, kPaper);
}

void Door(Painter& p) {
    OutlinedBox(p, {4, 2, 15, 23}, MakeColour(56, 44, 40));
    OutlinedPolygon(p, {{4.5, 2.5}, {10.5, 5.5}, {10.5, 23.5}, {4.5, 22.5}}, kBrown);
    p.Disc(9.2, 13.5, 0.8, kGold);
    HorizontalArrow(p, 12.5, 11.5, 17.5, 22.5, 1.5, 4.5, kGreen);
}

void Floppy(Painter& p, Box b) {
    int w = b.Width();
    OutlinedBox(p, b, MakeColour(52, 84, 168));
    Box shutter{b.left + w / 4, b.top, b.right - w / 4, b.top + b.Height() * 3 / 8};
    OutlinedBox(p, shutter, kLightSteel);
    p.Rect({shutter.right - 3, shutter.top + 1, shutter.right - 2, shutter.bottom - 1}, kInk);
    Box label{b.left + 2, b.bottom - b.Height() / 2, b.right - 2, b.bottom};
    OutlinedBox(p, label, kPaper);
    for (int y = label.top + 2; y < label.bottom - 1; y += 2) {
        p.Rect({label.left + 2, y, label.right - 2, y + 1}, kText);
    }
}

void Globe(Painter& p, double cx, double cy, double r) {
    p.Disc(cx, cy, r, kInk);
    p.Disc(cx, cy, r - 1, MakeColour(64, 140, 226));
    p.Ellipse(cx - r * 0.35, cy - r * 0.3, r * 0.35, r * 0.4, kGreen);
    p.Ellipse(cx + r * 0.35, cy + r * 0.35, r * 0.3, r * 0.35, kGreen);
    // A meridian and the equator.
    p.Shape(
        cx - r, cy - r, cx + r, cy + r,
        [=](double x, double y) {
            if (std::hypot(x - cx, y - cy) >= r - 1) return false;
            double dx = (x - cx) / (r * 0.45);
            double dy = (y - cy) / (r - 1);
            double e = dx * dx + dy * dy;
            return (e <= 1.0 && e >= 0.6) || std::abs(y - cy) < 0.45;
        },
        MakeColour(220, 236, 255));
}

void Cross(Painter& p, double from, double to, double width) {
    p.Line({from, from}, {to, to}, width + 1.6, kDarkRed);
    p.Line({from, to}, {to, from}, width + 1.6, kDarkRed);
    p.Line({from, from}, {to, to}, width, kRed);
    p.Line({from, to}, {to, from}, width, kRed);
}

void TrashCan(Painter& p) {
    OutlinedBox(p, {6, 0, 10, 3}, kSteel);
    OutlinedPolygon(p, {{3.5, 4.5}, {12.5, 4.5}, {11.5, 15.5}, {4.5, 15.5}}, kLightSteel);
    for (double x : {6.0, 8.0, 10.0})
        p.Rect({static_cast<int>(x), 6, static_cast<int>(x) + 1, 14}, kSteel);
    OutlinedBox(p, {1, 2, 15, 5}, kSteel);
}

}  // namespace

void EuroSign(Painter& p, Point centre, double radius, double stroke, Colour c) {
    double cx = centre.x;
    double cy = centre.y;
    double open = std::numbers::pi / 4.2;  // half the opening on the right
    double bar = stroke * 0.8;
    double gap = radius * 0.22 + bar / 2;
    double barLeft = cx - radius - stroke * 0.6;
    double barRight = cx + radius * 0.35;
    p.Shape(
        cx - radius - stroke, cy - radius, cx + radius, cy + radius,
        [=](double x, double y) {
            double d = std::hypot(x - cx, y - cy);
            bool arc =
                d <= radius && d >= radius - stroke && std::abs(std::atan2(y - cy, x - cx)) >= open;
            bool bars =
                x >= barLeft && x <= barRight &&
                (std::abs(y - (cy - gap)) <= bar / 2 || std::abs(y - (cy + gap)) <= bar / 2);
            return arc || bars;
        },
        c);
}

void DrawCoin(Painter& p, Point centre, double radius, bool withSign) {
    double rim = std::max(1.0, radius / 8);
    p.Disc(centre.x, centre.y, radius, kDarkGold);
    p.Disc(centre.x, centre.y, radius - rim, MakeColour(226, 166, 20));
    p.Disc(centre.x - radius * 0.08, centre.y - radius * 0.08, radius - rim * 1.6, kGold);
    if (radius >= 12) {
        p.Ring(centre.x, centre.y, radius * 0.8, radius * 0.8 - rim * 0.6,
               MakeColour(214, 150, 16));
        p.Ellipse(centre.x - radius * 0.35, centre.y - radius * 0.45, radius * 0.3, radius * 0.16,
                  MakeColour(252, 226, 140));
    }
    if (!withSign) return;
    double sign = radius * 0.58;
    double stroke = std::max(1.25, radius * 0.17);
    EuroSign(p, {centre.x + radius * 0.1, centre.y}, sign, stroke, kEuroInk);
}

}  // namespace art

using art::Box;

Picture ToolbarPicture(ToolPicture which, double scale) {
    Picture picture = art::Blank(kToolPictureSize, scale);
    art::Painter p = art::KeyedPainter(picture, scale);
    switch (which) {
        case ToolPicture::Copy:
            art::Sheet(p, {2, 1, 15, 17}, 4, true);
            art::Sheet(p, {9, 7, 22, 23}, 4, true);
            break;
        case ToolPicture::Paste:
            art::Clipboard(p, {2, 3, 17, 23}, {6, 1, 13, 6});
            art::Sheet(p, {9, 8, 22, 23}, 4, true);
            break;
        case ToolPicture::Convert:
            art::HorizontalArrow(p, 7.5, 2.5, 13.5, 21.5, 2, 5.5, art::kBlue);
            art::HorizontalArrow(p, 16.5, 21.5, 10.5, 2.5, 2, 5.5, art::kGreen);
            break;
        case ToolPicture::List: {
            art::OutlinedBox(p, {2, 2, 22, 22}, art::kPaper);
            p.Rect({3, 3, 21, 5}, art::kBlue);
            const int flags[] = {6, 5, 3, 7};
            for (int row = 0; row < 4; ++row) {
                int y = 6 + row * 4;
                art::DrawFlag(picture, p.Scaled({4, y, 10, y + 3}), flags[row]);
                p.Rect({12, y + 1, row % 2 == 0 ? 20 : 18, y + 2}, art::kText);
            }
            break;
        }
        case ToolPicture::StayOnTop:
            art::Pushpin(p);
            break;
        case ToolPicture::PrintList:
            art::Printer(p, {6, 2, 18, 10}, {2, 9, 22, 18}, {5, 16, 19, 23});
            break;
        case ToolPicture::Options:
            art::Gear(p, 12, 12, 11, 8, 3.2, 8);
            break;
        case ToolPicture::Info:
            art::InfoSign(p, 12, 12, 10.8);
            break;
        case ToolPicture::Exit:
            art::Door(p);
            break;
    }
    return picture;
}

Picture MenuPictureOf(MenuPicture which, double scale) {
    Picture picture = art::Blank(kMenuPictureSize, scale);
    art::Painter p = art::KeyedPainter(picture, scale);
    switch (which) {
        case MenuPicture::Copy:
            art::Sheet(p, {1, 0, 10, 11}, 3, true);
            art::Sheet(p, {6, 5, 15, 16}, 3, true);
            break;
        case MenuPicture::Paste:
            art::Clipboard(p, {1, 2, 12, 16}, {4, 0, 9, 4});
            art::Sheet(p, {6, 5, 15, 16}, 3, true);
            break;
        case MenuPicture::PrintList:
            art::Printer(p, {4, 0, 12, 6}, {1, 5, 15, 12}, {3, 10, 13, 16});
            break;
        case MenuPicture::Options:
            art::Gear(p, 8, 8, 7.6, 5.6, 2.0, 8);
            break;
        case MenuPicture::Convert:
            art::HorizontalArrow(p, 4.5, 1.5, 9.5, 14.5, 2, 4, art::kBlue);
            art::HorizontalArrow(p, 11.5, 14.5, 6.5, 1.5, 2, 4, art::kGreen);
            break;
        case MenuPicture::MoveUp:
            art::VerticalArrow(p, 8, 14.5, 7.5, 1.5, 2.5, 6, art::kBlue);
            break;
        case MenuPicture::MoveDown:
            art::VerticalArrow(p, 8, 1.5, 8.5, 14.5, 2.5, 6, art::kBlue);
            break;
        case MenuPicture::RemoveOne:
            art::Cross(p, 3.5, 12.5, 2.2);
            break;
        case MenuPicture::RemoveAll:
            art::TrashCan(p);
            break;
        case MenuPicture::SaveText:
            art::Floppy(p, {1, 1, 15, 15});
            break;
        case MenuPicture::SaveWeb:
            art::Globe(p, 7, 7, 6.8);
            art::Floppy(p, {8, 8, 15, 15});
            break;
        case MenuPicture::Calculator: {
            // A pocket calculator: dark body, green display, a grid of keys.
            p.Rect({2, 0, 14, 16}, MakeColour(64, 64, 72));
            p.Rect({4, 2, 12, 6}, MakeColour(170, 214, 160));
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < 3; ++col) {
                    const int x = 4 + col * 3;
                    const int y = 8 + row * 3;
                    const Colour key =
                        col == 2 && row == 2 ? MakeColour(230, 140, 40) : MakeColour(235, 235, 235);
                    p.Rect({x, y, x + 2, y + 2}, key);
                }
            }
            break;
        }
    }
    return picture;
}

Picture AppIcon(int size) {
    if (size < 1 || size > 256) return {};
    Picture picture = art::Blank(size);
    art::Painter p = art::KeyedPainter(picture);
    bool small = size < 24;
    art::DrawCoin(p, {size / 2.0, size / 2.0}, size / 2.0 - 0.25, !small);
    if (small) {
        // Drawn pixel by pixel: a smooth sign blurs into the coin at this size.
        static const char* const kSmallEuro[] = {"...####.", "..#....#", ".#......",
                                                 "#####...", ".#......", "#####...",
                                                 ".#......", "..#....#", "...####."};
        double scale = size / 16.0;
        int left = static_cast<int>(std::lround(4 * scale));
        int top = static_cast<int>(std::lround(3.5 * scale));
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (kSmallEuro[y][x] == '#') p.Put(left + x, top + y, art::kEuroInk);
            }
        }
    }
    return picture;
}
