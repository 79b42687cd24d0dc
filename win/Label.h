// A static text. A graphic control, painted by its container; with `windowed` a STATIC window
// that carries its text (a screen reader reads it, and the keyboard can name a box by it).
#pragma once

#include "win/Control.h"
#include "win/Edit.h"

namespace win {

struct LabelParams {
    WIN_CONTROL_PARAMS
    std::string text{};
    TextAlign alignment = TextAlign::Left;
    bool transparent = false;  // the parent's background shows through
    bool wordWrap = false;
    bool autoSize = false;  // width and height follow the text
    bool windowed = false;
};

class Label : public Control {
  public:
    bool Create(const LabelParams& params);
    void SetText(std::string_view text) override;
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign alignment);
    bool Transparent() const { return transparent_; }
    bool WordWrap() const { return wordWrap_; }
    bool AutoSize() const { return autoSize_; }
    void SetTransparent(bool transparent);

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void PaintGraphic(HDC dc, const RECT& bounds) override;
    void DpiChanged() override;

  private:
    void Paint(HDC dc, const RECT& r);
    void FitToText();
    TextAlign alignment_ = TextAlign::Left;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = false;
};

}  // namespace win
