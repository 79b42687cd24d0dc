// A small drawing surface for custom-drawn controls. The looks are written once against it:
// the window draws them with GDI (win/GdiCanvas), the tests into a Picture (PictureCanvas).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "util/DpiScale.h"
#include "util/Rect.h"
#include "util/zt_Graph.h"

using CanvasRect = PixelRect;

// The system's push-button frame: raised, flat (a thin frame) or pushed in.
enum class ButtonFrameKind { Raised, Flat, Pushed };

class Canvas {
  public:
    virtual ~Canvas() = default;
    // Colours may be system colours (high byte 0x80).
    virtual void FillRect(const CanvasRect& rect, Colour colour) = 0;
    // The frame with the button face inside it.
    virtual void ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) = 0;
    // One line centred in rect on the given background, in the button-text colour; "&" marks
    // the underlined access key ("&&" is a plain "&").
    virtual void Text(const CanvasRect& rect, std::string_view text, Colour background) = 0;
    // The dotted focus rectangle, drawn by inverting.
    virtual void FocusRect(const CanvasRect& rect) = 0;

    // A line of pen width 1 from one point to another, the end point left out (as GDI's
    // MoveTo/LineTo); horizontal and vertical lines only, others draw nothing.
    void Line(int x0, int y0, int x1, int y1, Colour colour);
    // One-pixel outline just inside rect.
    void FrameRect(const CanvasRect& rect, Colour colour);
};

// Draws on another canvas at a DPI: the looks are given in 96-DPI figures, every rectangle lands
// with its edges scaled.
class ScaledCanvas : public Canvas {
  public:
    ScaledCanvas(Canvas& target, int dpi) : target_(target), dpi_(dpi) {}
    void FillRect(const CanvasRect& rect, Colour colour) override;
    void ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) override;
    void Text(const CanvasRect& rect, std::string_view text, Colour background) override;
    void FocusRect(const CanvasRect& rect) override;

  private:
    Canvas& target_;
    int dpi_;
};

// The system colours of the classic scheme, which PictureCanvas draws with.
Colour ClassicColour(Colour colour);

// Draws into a picture. The system's parts are stood in for: the button frame in the classic
// look, the focus rectangle as every other pixel inverted; texts are only recorded.
class PictureCanvas : public Canvas {
  public:
    struct TextRun {
        CanvasRect rect;
        std::string text;
        Colour background;
    };

    explicit PictureCanvas(Picture& target) : target_(target) {}
    void FillRect(const CanvasRect& rect, Colour colour) override;
    void ButtonFrame(const CanvasRect& rect, ButtonFrameKind kind) override;
    void Text(const CanvasRect& rect, std::string_view text, Colour background) override;
    void FocusRect(const CanvasRect& rect) override;

    const std::vector<TextRun>& Texts() const { return texts_; }

  private:
    Picture& target_;
    std::vector<TextRun> texts_;
};
