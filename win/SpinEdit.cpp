#include "win/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "util/SpinValue.h"
#include "win/Application.h"
#include "win/Locale.h"
#include "win/Text.h"

namespace win {

SpinEdit::~SpinEdit() {
    if (upDown_ && ::IsWindow(upDown_)) ::DestroyWindow(upDown_);
}

bool SpinEdit::Create(const SpinEditParams& params) {
    min_ = std::min(params.minValue, params.maxValue);
    max_ = std::max(params.minValue, params.maxValue);
    decimal_ = Widen(ReadUserSeparators().decimal);
    const int value = std::clamp(params.value, min_, max_);
    if (!Edit::Create({.parent = params.parent,
                       .name = params.name,
                       .x = params.x,
                       .y = params.y,
                       .width = params.width,
                       .height = params.height,
                       .tag = params.tag,
                       .visible = params.visible,
                       .enabled = params.enabled,
                       .align = params.align,
                       .hint = params.hint,
                       .font = params.font,
                       .textColour = params.textColour,
                       .colour = params.colour,
                       .popupMenu = params.popupMenu,
                       .text = std::to_string(value)})) {
        return false;
    }
    // The buddy is the edit's sibling; UDS_ALIGNRIGHT narrows the edit to make room for it.
    DWORD style = WS_CHILD | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (params.visible) style |= WS_VISIBLE;
    if (!params.enabled) style |= WS_DISABLED;
    upDown_ = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, style, 0, 0, 0, 0, ::GetParent(Handle()),
                                nullptr, Application::Instance(), nullptr);
    if (!upDown_) return false;
    ::SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    ::SendMessageW(upDown_, UDM_SETRANGE32, min_, max_);
    ::SendMessageW(upDown_, UDM_SETPOS32, 0, value);
    return true;
}

void SpinEdit::DpiChanged() {
    // The edit stands at its whole width again: the buddy takes its part of it anew.
    if (upDown_) ::SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
}

int SpinEdit::Value() const {
    return SpinValueFromText(Text(), min_, max_);
}

void SpinEdit::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    SetText(std::to_string(value));
    if (upDown_) ::SendMessageW(upDown_, UDM_SETPOS32, 0, value);
}

bool SpinEdit::AcceptsChar(wchar_t c) const {
    if (c < L' ') return c != L'\r';  // editing keys such as Backspace
    if ((c >= L'0' && c <= L'9') || c == L'+' || c == L'-') return true;
    return decimal_.size() == 1 && c == decimal_.front();
}

std::optional<LRESULT> SpinEdit::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CHAR:
            if (!AcceptsChar(static_cast<wchar_t>(wp))) {
                ::MessageBeep(0);
                return 0;
            }
            break;
        case WM_KILLFOCUS: {
            // A whole number outside the range goes back inside it as the box is left.
            const std::optional<long long> typed = ParseWholeNumber(Text());
            if (typed && (*typed < min_ || *typed > max_)) SetValue(Value());
            break;
        }
        case WM_SHOWWINDOW:
            if (upDown_) ::ShowWindow(upDown_, wp ? SW_SHOWNA : SW_HIDE);
            break;
        case WM_ENABLE:
            if (upDown_) ::EnableWindow(upDown_, static_cast<BOOL>(wp));
            break;
        default:
            break;
    }
    return Edit::WindowMessage(msg, wp, lp);
}

}  // namespace win
