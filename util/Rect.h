// A rectangle of pixels, shared by the portable code (pictures, canvases, screen areas).
#pragma once

// Right and bottom are exclusive, as in GDI.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};
