// A flat button with a glyph and an optional caption ("&Definiëren...": the letter after & is
// the access key); buttons can form exclusive groups or toggle. A graphic control: its container
// paints it and gives it the mouse; its caption is its text even when not drawn (what a screen
// reader would name it by). A click never takes the focus. A button that Tab must reach is made
// a window of its own (tabStop, see SpeedButtonWindow.cpp); a group of exclusive buttons is one
// tab stop as a whole (ButtonGroup.h).
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
    // A window of its own that Tab reaches, named by its caption: Space presses it, Enter too
    // when it is a push button (no group index), and so does its access key.
    bool tabStop = false;
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

    // The focus rectangle inside the button: a tab stop's while it has the focus; a grouped
    // button's as its group's window tells (shown only as the window's keyboard cues allow).
    bool FocusShown() const;
    void SetFocusShown(bool shown);

  protected:
    void PaintGraphic(HDC dc, const RECT& bounds) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool WantsKey(WPARAM vk) const override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(Point p, bool doubleClick) override;
    void MouseMove(Point p) override;
    void MouseUp(Point p) override;
    void MouseCaptureLost() override;

  private:
    void SetHot(bool hot);
    bool Inside(Point p) const;
    // The window of a tab stop (SpeedButtonWindow.cpp).
    bool CreateTabStop(const ControlParams& params, std::string_view caption);
    bool PushLike() const { return groupIndex_ == 0; }
    ScalablePicture glyph_;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = true;
    bool showCaption_ = true;
    bool hot_ = false;
    bool pressed_ = false;  // the mouse button went down on it and is held
    bool focusShown_ = false;
    bool spaceHeld_ = false;      // Space went down on the focused window and is held
    bool trackingLeave_ = false;  // the window asked for WM_MOUSELEAVE
    bool releasingCapture_ = false;
};

}  // namespace win
