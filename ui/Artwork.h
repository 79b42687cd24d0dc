// The program's own pictures (flags, tool-bar and menu pictures, splash strip, icon), drawn
// by code at start-up, and the small painter they are drawn with. Each is drawn at a scale: 1
// gives its design size (96 DPI), 1.5 a picture half as large again, drawn anew, not stretched.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/RecRec.h"
#include "util/Rect.h"
#include "util/ScalablePicture.h"
#include "util/zt_Graph.h"

// Background of the small flags.
inline constexpr Colour kFlagBackground = MakeColour(192, 192, 192);
// Background of the tool-bar, menu and icon pictures; the image lists mask it out.
inline constexpr Colour kPictureKey = MakeColour(255, 0, 255);

inline constexpr int kFlagSize = 20;
inline constexpr int kToolPictureSize = 24;
inline constexpr int kMenuPictureSize = 16;
inline constexpr int kSplashPictureWidth = 118;
inline constexpr int kSplashPictureHeight = 156;

// The flag of slot 1..20 on a silver 20 x 20 square; any other slot gives an empty picture.
Picture SmallFlag(int slot, double scale = 1.0);

enum class ToolPicture { Copy, Paste, Convert, List, StayOnTop, PrintList, Options, Info, Exit };
// 24 x 24 on kPictureKey.
Picture ToolbarPicture(ToolPicture which, double scale = 1.0);

enum class MenuPicture {
    Copy,
    Paste,
    PrintList,
    Options,
    Convert,
    MoveUp,
    MoveDown,
    RemoveOne,
    RemoveAll,
    SaveText,
    SaveWeb,
    Calculator
};
// 16 x 16 on kPictureKey.
Picture MenuPictureOf(MenuPicture which, double scale = 1.0);

// The disabled look of a picture: light grey tones, pixels of the key colour left as they are.
Picture GreyedPicture(const Picture& picture, Colour key);

// The 118 x 156 strip on the left of the splash window.
Picture SplashPicture(double scale = 1.0);

// The program's icon, size x size (16, 32 and 48 are designed for; 1..256 work) on kPictureKey.
Picture AppIcon(int size);

// An icon file holding the given pictures as 32-bit images with AND masks, pixels of the key
// colour transparent. Gives nothing when the list is empty or a picture is empty or larger than
// 256 x 256.
std::vector<std::uint8_t> EncodeIcon(const std::vector<Picture>& sizes, Colour key);

namespace art {

struct Point {
    double x = 0;
    double y = 0;
};

using Box = PixelRect;

// a at t = 0, b at t = 1.
Colour Mix(Colour a, Colour b, double t);

// Draws into a picture in design coordinates: design pixel (x, y) covers [x, x + 1) x [y, y + 1),
// and the picture holds the design at a scale (1 for 96 DPI), so that one drawing gives a sharp
// picture at every DPI: shapes are sampled at the picture's own pixels, rectangles keep their
// edges on whole pixels. Shapes are anti-aliased by 4 x 4 sampling. With a key colour set, a
// shape's edge over pixels of that colour is not blended but either drawn or left, so a mask made
// from the key stays clean.
class Painter {
  public:
    explicit Painter(Picture& target, double scale = 1.0);

    void SetKey(Colour key);
    void SetClip(Box clip);  // limited to the picture
    double Scale() const { return scale_; }
    // A design box in the picture's pixels.
    Box Scaled(Box box) const;

    void Put(int x, int y, Colour c);  // a design pixel
    void Blend(int x, int y, Colour c, double coverage);
    void Rect(Box box, Colour c);
    void Frame(Box box, Colour c);  // one design pixel wide, inside the box
    void VerticalGradient(Box box, Colour top, Colour bottom);
    // A soft round light: strength at the centre, fading to nothing at the radius, squared.
    void Glow(Point centre, double radius, Colour c, double strength);

    // Fills every part of [left, right) x [top, bottom) where inside(x, y) holds.
    template <typename Inside>
    void Shape(double left, double top, double right, double bottom, const Inside& inside,
               Colour c) {
        const Box pixels = Covering(left, top, right, bottom);
        for (int y = pixels.top; y < pixels.bottom; ++y) {
            for (int x = pixels.left; x < pixels.right; ++x) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        double px = (x + (sx + 0.5) / kSamples) / scale_;
                        double py = (y + (sy + 0.5) / kSamples) / scale_;
                        if (px >= left && px < right && py >= top && py < bottom &&
                            inside(px, py)) {
                            ++hits;
                        }
                    }
                }
                BlendPixel(x, y, c, static_cast<double>(hits) / (kSamples * kSamples));
            }
        }
    }
    void Ellipse(double cx, double cy, double rx, double ry, Colour c);
    void Disc(double cx, double cy, double r, Colour c) { Ellipse(cx, cy, r, r, c); }
    void Ring(double cx, double cy, double outer, double inner, Colour c);
    void Polygon(std::span<const Point> points, Colour c);  // even-odd rule
    void Line(Point a, Point b, double width, Colour c);    // round ends
    void Star(Point centre, double outer, double inner, int points, double turn, Colour c);

  private:
    static constexpr int kSamples = 4;  // per axis: 16 samples a pixel
    // The pixels, inside the clip, that the design area [left, right) x [top, bottom) touches.
    Box Covering(double left, double top, double right, double bottom) const;
    // One pixel of the picture.
    void BlendPixel(int x, int y, Colour c, double coverage);
    void FillPixels(Box pixels, Colour c);

    Picture& target_;
    double scale_ = 1.0;
    Box clip_;
    bool hasKey_ = false;
    Colour key_ = 0;
};

// A gold coin bearing a euro sign.
void DrawCoin(Painter& p, Point centre, double radius, bool withSign = true);
void EuroSign(Painter& p, Point centre, double radius, double stroke, Colour c);

// The flag of slot 1..20 filling the area (no outline); other slots draw nothing.
void DrawFlag(Picture& target, Box area, int slot);
// The flag of slot 1..20 with its dark outline, its top left outline pixel at the design point
// (left, top) of a picture drawn at a scale; gives the outer design size drawn (18 x 14, or
// 14 x 14 for the square flag).
Box DrawFramedFlag(Picture& target, int left, int top, int slot, double scale = 1.0);

}  // namespace art
