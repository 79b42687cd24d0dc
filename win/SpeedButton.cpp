#include "win/SpeedButton.h"

#include "util/PictureOps.h"
#include "win/Form.h"
#include "win/Message.h"
#include "win/Text.h"

namespace win {

bool SpeedButton::Create(const SpeedButtonParams& params) {
    glyph_ = params.glyph;
    flat_ = params.flat;
    groupIndex_ = params.groupIndex;
    allowAllUp_ = params.allowAllUp;
    showCaption_ = params.showCaption;
    // Like a tool button it leaves the focus where it is when clicked; only the keyboard
    // brings the focus to a tab stop.
    const bool created = params.tabStop ? CreateTabStop(CommonParams(params), params.caption)
                                        : CreateGraphic(CommonParams(params), params.caption);
    if (!created) return false;
    if (params.down) SetDown(true);
    return true;
}

void SpeedButton::SetGlyph(const ScalablePicture& glyph) {
    if (glyph == glyph_) return;
    glyph_ = glyph;
    Invalidate();
}

void SpeedButton::SetDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    if (down && groupIndex_ != 0 && OwnerForm()) {
        for (Control* c : OwnerForm()->Controls()) {
            auto* other = dynamic_cast<SpeedButton*>(c);
            if (other && other != this && other->groupIndex_ == groupIndex_ &&
                other->Parent() == Parent() && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        }
    }
    Invalidate();
}

void SpeedButton::Click() {
    if (!Exists()) return;
    if (groupIndex_ != 0) {
        if (down_ && allowAllUp_) {
            SetDown(false);
        } else {
            SetDown(true);
        }
    }
    if (OnClick) OnClick();
}

bool SpeedButton::FocusShown() const {
    return Handle() ? Focused() : focusShown_;
}

void SpeedButton::SetFocusShown(bool shown) {
    if (focusShown_ == shown) return;
    focusShown_ = shown;
    Invalidate();
}

void SpeedButton::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    Invalidate();
}

bool SpeedButton::Inside(Point p) const {
    const RECT r = PixelBounds();
    return p.x >= 0 && p.y >= 0 && p.x < r.right - r.left && p.y < r.bottom - r.top;
}

void SpeedButton::MouseEnter() {
    SetHot(true);
}

void SpeedButton::MouseLeave() {
    SetHot(false);
}

// A speed button never takes the focus: clicking it runs no exit handler of the focused box.
void SpeedButton::MouseDown(Point, bool) {
    if (!Enabled()) return;
    pressed_ = true;
    hot_ = true;
    Invalidate();
}

void SpeedButton::MouseMove(Point p) {
    if (pressed_) SetHot(Inside(p));
}

void SpeedButton::MouseUp(Point p) {
    if (!pressed_) return;
    pressed_ = false;
    Invalidate();
    if (Inside(p) && Enabled()) Click();
}

void SpeedButton::MouseCaptureLost() {
    if (!pressed_) return;
    pressed_ = false;
    Invalidate();
}

void SpeedButton::PaintGraphic(HDC dc, const RECT& bounds) {
    const RECT r = bounds;
    const bool enabled = Enabled();
    const bool sunken = down_ || (pressed_ && hot_);
    Colour face = Background();
    FillSolid(dc, r, face);
    if (down_ && !pressed_) {
        // A latched button shows a lighter face, as flat buttons that stay down do.
        const COLORREF base = ToColorRef(face);
        const Colour light = MakeColour((GetRValue(base) + 255) / 2, (GetGValue(base) + 255) / 2,
                                        (GetBValue(base) + 255) / 2);
        RECT inner = r;
        ::InflateRect(&inner, -LineWidthAt(Dpi()), -LineWidthAt(Dpi()));
        FillSolid(dc, inner, light);
    }
    const int line = LineWidthAt(Dpi());
    if (sunken) {
        DrawBevel(dc, r, BevelKind::Lowered, line);
    } else if (!flat_ || (hot_ && enabled)) {
        DrawBevel(dc, r, BevelKind::Raised, line);
    }
    // Under the glyph, which a small button's focus rectangle would cross.
    HWND window = Handle() ? Handle() : (Parent() ? Parent()->ContainerHandle() : nullptr);
    if (FocusShown() && window && KeyboardCue(window, UISF_HIDEFOCUS)) {
        RECT focus = r;
        ::InflateRect(&focus, -2, -2);
        ::SetTextColor(dc, ToColorRef(clWindowText));
        ::SetBkColor(dc, ToColorRef(clWindow));
        ::DrawFocusRect(dc, &focus);
    }

    // A button without ShowCaption still carries its text, for screen readers. The letter after
    // "&" is underlined while the window shows its access keys.
    const std::wstring caption = showCaption_ ? Widen(Text()) : std::wstring();
    const UINT prefix = window && KeyboardCue(window, UISF_HIDEACCEL) ? 0 : DT_HIDEPREFIX;
    SelectGuard font(dc, DrawFont());
    SIZE textSize{};
    if (!caption.empty()) {
        RECT measure{0, 0, 0, 0};
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measure,
                    DT_SINGLELINE | DT_CALCRECT | prefix);
        textSize = {measure.right - measure.left, measure.bottom - measure.top};
    }
    const Picture& glyph = glyph_.At(Dpi());
    const int gap = (!glyph.Empty() && !caption.empty()) ? Scaled(4) : 0;
    const int glyphWidth = glyph.Empty() ? 0 : glyph.width;
    const int total = glyphWidth + gap + textSize.cx;
    const int offset = sunken ? line : 0;
    int x = r.left + (r.right - r.left - total) / 2 + offset;
    if (!glyph.Empty()) {
        const int y = r.top + (r.bottom - r.top - glyph.height) / 2 + offset;
        const Colour transparent = TransparentColour(glyph);
        DrawPicture(dc, enabled ? glyph : Greyed(glyph, transparent), x, y, transparent);
        x += glyphWidth + gap;
    }
    if (!caption.empty()) {
        ::SetBkMode(dc, TRANSPARENT);
        RECT text{x, r.top + offset, x + textSize.cx, r.bottom + offset};
        ::SetTextColor(dc, ToColorRef(enabled ? TextColour() : clGrayText));
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | prefix);
    }
}

}  // namespace win
