// The program's pixel figures are 96-DPI figures; these turn them into the pixels of a screen of
// another DPI and back. Rounded to the nearest pixel, halves away from zero (as MulDiv), so a
// figure scaled up and back is the figure again at every DPI of 96 and above.
#pragma once

#include "util/Rect.h"

inline constexpr int kDesignDpi = 96;

constexpr int ScaleToDpi(int figure, int dpi) {
    const long long product = static_cast<long long>(figure) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                         : -((-product + half) / kDesignDpi));
}

constexpr int ScaleFromDpi(int pixels, int dpi) {
    if (dpi <= 0) return pixels;
    const long long product = static_cast<long long>(pixels) * kDesignDpi;
    const long long half = dpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / dpi : -((-product + half) / dpi));
}

// Each edge on its own: controls that touch at 96 DPI still touch.
constexpr PixelRect ScaleToDpi(const PixelRect& r, int dpi) {
    return {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.right, dpi),
            ScaleToDpi(r.bottom, dpi)};
}
constexpr PixelRect ScaleFromDpi(const PixelRect& r, int dpi) {
    return {ScaleFromDpi(r.left, dpi), ScaleFromDpi(r.top, dpi), ScaleFromDpi(r.right, dpi),
            ScaleFromDpi(r.bottom, dpi)};
}

// The width of a drawn line: one pixel up to 191 DPI, two from 192 (200 %), and so on; lines
// stay whole pixels, so they stay sharp.
constexpr int LineWidthAt(int dpi) {
    return dpi < 2 * kDesignDpi ? 1 : dpi / kDesignDpi;
}

// The factor of a DPI against 96, for pictures drawn by code.
constexpr double ScaleFactor(int dpi) {
    return static_cast<double>(dpi) / kDesignDpi;
}
