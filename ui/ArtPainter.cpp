// The small painter the artwork is drawn with.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "ui/Artwork.h"

namespace art {
namespace {

int Channel(Colour c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

}  // namespace

Colour Mix(Colour a, Colour b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    Colour result = 0;
    for (int shift : {0, 8, 16}) {
        double from = Channel(a, shift);
        double to = Channel(b, shift);
        result |= static_cast<Colour>(std::lround(from + (to - from) * t)) << shift;
    }
    return result;
}

Painter::Painter(Picture& target, double scale)
    : target_(target), scale_(scale), clip_{0, 0, target.width, target.height} {}

Box Painter::Scaled(Box box) const {
    if (scale_ == 1.0) return box;
    return {ScaledSize(box.left, scale_), ScaledSize(box.top, scale_),
            ScaledSize(box.right, scale_), ScaledSize(box.bottom, scale_)};
}

void Painter::SetKey(Colour key) {
    hasKey_ = true;
    key_ = key;
}

void Painter::SetClip(Box clip) {
    clip = Scaled(clip);
    clip_.left = std::clamp(clip.left, 0, target_.width);
    clip_.top = std::clamp(clip.top, 0, target_.height);
    clip_.right = std::clamp(clip.right, clip_.left, target_.width);
    clip_.bottom = std::clamp(clip.bottom, clip_.top, target_.height);
}

void Painter::FillPixels(Box box, Colour c) {
    for (int y = std::max(box.top, clip_.top); y < std::min(box.bottom, clip_.bottom); ++y) {
        for (int x = std::max(box.left, clip_.left); x < std::min(box.right, clip_.right); ++x) {
            target_.Set(x, y, c);
        }
    }
}

void Painter::Put(int x, int y, Colour c) {
    FillPixels(Scaled({x, y, x + 1, y + 1}), c);
}

void Painter::BlendPixel(int x, int y, Colour c, double coverage) {
    if (coverage <= 0 || x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) {
        return;
    }
    Colour below = target_.At(x, y);
    if (hasKey_ && below == key_) {
        if (coverage >= 0.5) target_.Set(x, y, c);
        return;
    }
    target_.Set(x, y, Mix(below, c, coverage));
}

void Painter::Blend(int x, int y, Colour c, double coverage) {
    const Box pixels = Scaled({x, y, x + 1, y + 1});
    for (int py = pixels.top; py < pixels.bottom; ++py) {
        for (int px = pixels.left; px < pixels.right; ++px) BlendPixel(px, py, c, coverage);
    }
}

void Painter::Rect(Box box, Colour c) {
    FillPixels(Scaled(box), c);
}

void Painter::Frame(Box box, Colour c) {
    if (box.Width() <= 0 || box.Height() <= 0) return;
    // Lines of whole pixels, the same on every side: one up to twice the size, then more.
    const Box b = Scaled(box);
    const int line = std::max(1, static_cast<int>(scale_ + 1e-9));
    FillPixels({b.left, b.top, b.right, b.top + line}, c);
    FillPixels({b.left, b.bottom - line, b.right, b.bottom}, c);
    FillPixels({b.left, b.top, b.left + line, b.bottom}, c);
    FillPixels({b.right - line, b.top, b.right, b.bottom}, c);
}

void Painter::VerticalGradient(Box box, Colour top, Colour bottom) {
    const Box b = Scaled(box);
    int rows = b.Height();
    for (int y = b.top; y < b.bottom; ++y) {
        double t = rows > 1 ? static_cast<double>(y - b.top) / (rows - 1) : 0.0;
        FillPixels({b.left, y, b.right, y + 1}, Mix(top, bottom, t));
    }
}

void Painter::Glow(Point centre, double radius, Colour c, double strength) {
    const Box pixels =
        Covering(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
    for (int y = pixels.top; y < pixels.bottom; ++y) {
        for (int x = pixels.left; x < pixels.right; ++x) {
            const double d =
                std::hypot((x + 0.5) / scale_ - centre.x, (y + 0.5) / scale_ - centre.y) / radius;
            if (d < 1) BlendPixel(x, y, c, strength * (1 - d * d));
        }
    }
}

Box Painter::Covering(double left, double top, double right, double bottom) const {
    return {std::max(clip_.left, static_cast<int>(std::floor(left * scale_))),
            std::max(clip_.top, static_cast<int>(std::floor(top * scale_))),
            std::min(clip_.right, static_cast<int>(std::ceil(right * scale_))),
            std::min(clip_.bottom, static_cast<int>(std::ceil(bottom * scale_)))};
}

void Painter::Ellipse(double cx, double cy, double rx, double ry, Colour c) {
    if (rx <= 0 || ry <= 0) return;
    Shape(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [=](double x, double y) {
            double dx = (x - cx) / rx;
            double dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        },
        c);
}

void Painter::Ring(double cx, double cy, double outer, double inner, Colour c) {
    Shape(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [=](double x, double y) {
            double d = std::hypot(x - cx, y - cy);
            return d <= outer && d >= inner;
        },
        c);
}

void Painter::Polygon(std::span<const Point> design, Colour c) {
    if (design.size() < 3) return;
    // In the picture's pixels from here on.
    std::vector<Point> scaled;
    if (scale_ != 1.0) {
        for (const Point& p : design) scaled.push_back({p.x * scale_, p.y * scale_});
    }
    const std::span<const Point> points = scale_ != 1.0 ? std::span<const Point>(scaled) : design;
    double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // The even-odd test of a sample point counts the edges crossing its row left of it. Where
    // each edge crosses depends on the row only: it is worked out once per row of samples, by
    // the same expression, and the samples of the row are counted against it.
    const Box pixels = Covering(left / scale_, top / scale_, right / scale_, bottom / scale_);
    const int width = std::max(0, pixels.right - pixels.left);
    std::vector<int> hits(static_cast<std::size_t>(width));
    std::vector<double> crossings;
    for (int y = pixels.top; y < pixels.bottom; ++y) {
        std::fill(hits.begin(), hits.end(), 0);
        for (int sy = 0; sy < kSamples; ++sy) {
            const double py = y + (sy + 0.5) / kSamples;
            if (py < top || py >= bottom) continue;
            crossings.clear();
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const Point& a = points[i];
                const Point& b = points[j];
                if ((a.y > py) != (b.y > py)) {
                    crossings.push_back((b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x);
                }
            }
            for (int x = pixels.left; x < pixels.right; ++x) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    if (px < left || px >= right) continue;
                    bool inside = false;
                    for (const double cross : crossings) inside ^= px < cross;
                    if (inside) ++hits[static_cast<std::size_t>(x - pixels.left)];
                }
            }
        }
        for (int x = pixels.left; x < pixels.right; ++x) {
            BlendPixel(x, y, c,
                       static_cast<double>(hits[static_cast<std::size_t>(x - pixels.left)]) /
                           (kSamples * kSamples));
        }
    }
}

void Painter::Line(Point a, Point b, double width, Colour c) {
    double half = width / 2;
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    Shape(
        std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
        std::max(a.y, b.y) + half,
        [=](double x, double y) {
            double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)) <= half;
        },
        c);
}

void Painter::Star(Point centre, double outer, double inner, int points, double turn, Colour c) {
    if (points < 2) return;
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        double r = i % 2 == 0 ? outer : inner;
        double angle = turn + i * std::numbers::pi / points;
        corners.push_back({centre.x + r * std::sin(angle), centre.y - r * std::cos(angle)});
    }
    Polygon(corners, c);
}

}  // namespace art
