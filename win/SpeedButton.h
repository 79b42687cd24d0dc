// A flat button that never takes the focus, with a glyph and an optional caption; buttons can
// form exclusive groups or toggle. A graphic control: its container paints it and gives it the
// mouse; its caption is its text even when not drawn (what a screen reader would name it by).
#pragma once

#include <functional>

#include "util/ScalablePicture.h"
#include "win/Control.h"

namespace win {

struct SpeedButtonParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
    ScalablePicture glyph{};
    bool flat = true;
    int groupIndex = 0;
    bool down = false;
    bool allowAllUp = false;
    bool showCaption = true;  // off: the caption is the window's text only, not drawn
};

class SpeedButton : public Control {
  public:
    bool Create(const SpeedButtonParams& params);

    // The glyph is drawn transparent in the colour of its bottom-left pixel, greyed when
    // the button is disabled, at the form's DPI; an empty glyph shows nothing. Glyph gives the
    // 96-DPI picture.
    const Picture& Glyph() const { return glyph_.Design(); }
    void SetGlyph(const ScalablePicture& glyph);

    // Buttons on the same parent with the same non-zero GroupIndex are exclusive: setting one
    // down releases the others. Setting Down runs no OnClick.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool Down() const { return down_; }
    void SetDown(bool down);
    // With AllowAllUp a grouped button that is down goes up when clicked (a toggle).
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Flat() const { return flat_; }
    bool ShowsCaption() const { return showCaption_; }

    // A click: a grouped button goes down first (or toggles), then OnClick runs.
    void Click();
    std::function<void()> OnClick;

    // Under the mouse, and held down by it: the looks of hover and press.
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }

  protected:
    void PaintGraphic(HDC dc, const RECT& bounds) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(Point p, bool doubleClick) override;
    void MouseMove(Point p) override;
    void MouseUp(Point p) override;
    void MouseCaptureLost() override;

  private:
    void SetHot(bool hot);
    bool Inside(Point p) const;
    ScalablePicture glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = true;
    bool showCaption_ = true;
    bool hot_ = false;
    bool pressed_ = false;  // the mouse button went down on it and is held
};

}  // namespace win
