// A Canvas on a GDI device context, and an off-screen bitmap to paint a whole window in one
// piece (no flicker: the window is covered by one copy).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "util/Canvas.h"
#include "win/Handle.h"

namespace win {

class GdiCanvas : public Canvas {
  public:
    // Texts are written in font (the DC's own when null).
    GdiCanvas(HDC dc, HFONT font) : dc_(dc), font_(font) {}
    void FillRect(const CanvasRect& rect, Colour colour) override;
    void ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) override;
    void Text(const CanvasRect& rect, std::string_view text, Colour background) override;
    void FocusRect(const CanvasRect& rect) override;

  private:
    HDC dc_;
    HFONT font_;
};

// A memory DC with a bitmap of the given size; Copy puts it on the target at (0, 0).
class Offscreen {
  public:
    Offscreen(HDC target, int width, int height);
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;
    ~Offscreen();
    // Null when the bitmap could not be made: the caller paints on the target directly.
    HDC Dc() const { return bitmap_ ? memory_.Get() : nullptr; }
    void Copy();

  private:
    HDC target_;
    int width_;
    int height_;
    DcHandle memory_;
    BitmapHandle bitmap_;
    HGDIOBJ old_ = nullptr;
};

// Answers the painting messages of a window that draws all of its client area through a Canvas
// (WM_PAINT and WM_PRINTCLIENT through an off-screen bitmap, WM_ERASEBKGND as done); nothing for
// other messages. With a DPI the painter draws in 96-DPI figures (width and height too), scaled;
// without, in the window's pixels.
using CanvasPainter = std::function<void(Canvas& canvas, int width, int height)>;
std::optional<LRESULT> PaintMessage(HWND window, UINT msg, WPARAM wp, HFONT font,
                                    const CanvasPainter& paint, int dpi = 0);

}  // namespace win
