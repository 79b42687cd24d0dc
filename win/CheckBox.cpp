#include "win/CheckBox.h"

#include "win/Gdi.h"
#include "win/Message.h"

namespace win {

bool CheckBox::Create(const CheckBoxParams& params) {
    // Not BS_AUTOCHECKBOX: the state changes in Click, so the mouse, the keys and code agree.
    boxOnly_ = params.boxOnly;
    DWORD style = BS_CHECKBOX;
    if (params.tabStop) style |= WS_TABSTOP;
    if (params.wordWrap) style |= BS_MULTILINE;
    if (!CreateWindowFor(CommonParams(params), L"BUTTON", style, 0, params.caption)) return false;
    if (params.checked) SetChecked(true);
    return true;
}

bool CheckBox::Checked() const {
    return Exists() && ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (Exists() && Checked() != checked) {
        ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CheckBox::Click() {
    if (!Exists() || !Enabled()) return;
    SetChecked(!Checked());
    if (OnClick) OnClick();
}

std::optional<LRESULT> CheckBox::ReflectCommand(int, int code) {
    if (code != BN_CLICKED) return std::nullopt;
    Click();
    return 0;
}

std::optional<LRESULT> CheckBox::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (!boxOnly_) return std::nullopt;
    switch (msg) {
        case WM_PAINT: {
            // The button draws its focus round the caption, which lies outside the window.
            const LRESULT result = DefaultProc(msg, wp, lp);
            if (Focused() && KeyboardCue(Handle(), UISF_HIDEFOCUS)) {
                WindowDc dc(Handle());
                RECT client{};
                ::GetClientRect(Handle(), &client);
                if (dc) ::DrawFocusRect(dc.Get(), &client);
            }
            return result;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            return std::nullopt;  // the form notes its focused control
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_UPDATEUISTATE: {
            // The button redraws its box at once, over a part of the mark.
            const LRESULT result = DefaultProc(msg, wp, lp);
            Invalidate();
            return result;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace win
