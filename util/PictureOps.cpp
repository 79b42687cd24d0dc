#include "util/PictureOps.h"

#include <algorithm>
#include <cmath>

Colour TransparentColour(const Picture& picture) {
    if (picture.Empty() || picture.pixels.size() < static_cast<std::size_t>(picture.width) *
                                                       static_cast<std::size_t>(picture.height)) {
        return 0;
    }
    return picture.At(0, picture.height - 1);
}

Picture Greyed(const Picture& picture, Colour transparent) {
    Picture result = picture;
    for (Colour& pixel : result.pixels) {
        if (pixel == transparent) continue;
        const int red = static_cast<int>(pixel & 0xFF);
        const int green = static_cast<int>((pixel >> 8) & 0xFF);
        const int blue = static_cast<int>((pixel >> 16) & 0xFF);
        // Brightness by the usual weights, then lifted towards white so the shape reads as
        // disabled; dark pixels stay darker than light ones.
        const int brightness = (red * 299 + green * 587 + blue * 114) / 1000;
        const int grey = 128 + brightness / 2;
        pixel = MakeColour(grey, grey, grey);
        // A grey that happens to equal the transparent colour would vanish.
        if (pixel == transparent) pixel = MakeColour(grey - 1, grey - 1, grey - 1);
    }
    return result;
}

namespace {

// How much of source pixel i the new pixel [from, to) (in source units) covers.
double Overlap(int i, double from, double to) {
    const double left = std::max(from, static_cast<double>(i));
    const double right = std::min(to, static_cast<double>(i + 1));
    return right > left ? right - left : 0.0;
}

}  // namespace

Picture ResampleArea(const Picture& picture, int width, int height) {
    if (picture.Empty() || width <= 0 || height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
        return {};
    }
    if (width == picture.width && height == picture.height) return picture;
    Picture result(width, height);
    const double sx = static_cast<double>(picture.width) / width;
    const double sy = static_cast<double>(picture.height) / height;
    for (int y = 0; y < height; ++y) {
        const double top = y * sy;
        const double bottom = top + sy;
        for (int x = 0; x < width; ++x) {
            const double left = x * sx;
            const double right = left + sx;
            double sum[3] = {0, 0, 0};
            double total = 0;
            for (int py = static_cast<int>(top); py < picture.height && py < bottom; ++py) {
                const double wy = Overlap(py, top, bottom);
                for (int px = static_cast<int>(left); px < picture.width && px < right; ++px) {
                    const double w = wy * Overlap(px, left, right);
                    if (w <= 0) continue;
                    const Colour c = picture.At(px, py);
                    for (int k = 0; k < 3; ++k) sum[k] += w * ((c >> (8 * k)) & 0xFF);
                    total += w;
                }
            }
            Colour c = 0;
            for (int k = 0; k < 3; ++k) {
                const auto channel = static_cast<Colour>(std::lround(sum[k] / total));
                c |= std::min<Colour>(channel, 255) << (8 * k);
            }
            result.Set(x, y, c);
        }
    }
    return result;
}

Picture ScalePixelArt(const Picture& picture, double scale) {
    if (picture.Empty() || scale == 1.0) return picture;
    const int width = std::max(1, static_cast<int>(std::lround(picture.width * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.height * scale)));
    Picture result(width, height);
    for (int y = 0; y < height; ++y) {
        const int sy = std::min(picture.height - 1, static_cast<int>((y + 0.5) / scale));
        for (int x = 0; x < width; ++x) {
            const int sx = std::min(picture.width - 1, static_cast<int>((x + 0.5) / scale));
            result.Set(x, y, picture.At(sx, sy));
        }
    }
    return result;
}
