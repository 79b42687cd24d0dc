#include "win/Edit.h"

#include "win/Form.h"
#include "win/Text.h"

namespace win {

bool Edit::Create(const EditParams& params) {
    ControlParams common = CommonParams(params);
    if (!common.colour) common.colour = clWindow;
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (params.readOnly) style |= ES_READONLY;
    if (params.alignment == TextAlign::Centre) style |= ES_CENTER;
    if (params.alignment == TextAlign::Right) style |= ES_RIGHT;
    const DWORD exStyle = params.border ? WS_EX_CLIENTEDGE : 0;
    // The designed text is there before any handler is attached: creation runs no OnChange.
    if (!CreateWindowFor(common, L"EDIT", style, exStyle, params.text)) return false;
    if (params.maxLength > 0) ::SendMessageW(Handle(), EM_SETLIMITTEXT, params.maxLength, 0);
    AutoSelect = params.autoSelect;
    return true;
}

void Edit::SetText(std::string_view text) {
    if (!Exists() || Text() == text) return;
    // Windows sends EN_CHANGE from inside WM_SETTEXT (not on every version and kind of box, so
    // it is ignored here and the handler is run once, explicitly, still inside this call).
    settingText_ = true;
    ::SetWindowTextW(Handle(), Widen(text).c_str());
    settingText_ = false;
    if (OnChange) OnChange();
}

bool Edit::ReadOnly() const {
    return Exists() && (::GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) {
    if (Exists()) ::SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

int Edit::SelStart() const {
    DWORD start = 0;
    DWORD end = 0;
    if (Exists()) {
        ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
    }
    return static_cast<int>(start);
}

int Edit::SelLength() const {
    DWORD start = 0;
    DWORD end = 0;
    if (Exists()) {
        ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
    }
    return static_cast<int>(end - start);
}

void Edit::SetSel(int start, int length) {
    if (!Exists()) return;
    if (start < 0) start = 0;
    if (length < 0) length = 0;
    ::SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start),
                   static_cast<LPARAM>(start + length));
}

void Edit::SelectAll() {
    if (Exists()) ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void Edit::CopyToClipboard() {
    if (Exists()) ::SendMessageW(Handle(), WM_COPY, 0, 0);
}

void Edit::PasteFromClipboard() {
    if (Exists()) ::SendMessageW(Handle(), WM_PASTE, 0, 0);
}

std::optional<LRESULT> Edit::ReflectCommand(int, int code) {
    switch (code) {
        case EN_CHANGE:
            if (!settingText_ && OnChange) OnChange();
            return 0;
        case EN_SETFOCUS:
            // A click puts the caret where it was made.
            if (AutoSelect && !mouseDown_) SelectAll();
            if (OnEnter) OnEnter();
            return 0;
        case EN_KILLFOCUS:
            if (OnExit) OnExit();
            return 0;
        default:
            return std::nullopt;
    }
}

HBRUSH Edit::ReflectCtlColor(HDC dc) {
    // Read-only boxes ask with WM_CTLCOLORSTATIC and would otherwise turn grey on their own;
    // the background is always the one set here.
    return Control::ReflectCtlColor(dc);
}

std::optional<LRESULT> Edit::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        // The box takes the focus inside its own handling of the click.
        mouseDown_ = true;
        const LRESULT result = DefaultProc(msg, wp, lp);
        mouseDown_ = false;
        return result;
    }
    if (msg == WM_CHAR && OnKeyPress) {
        auto key = static_cast<wchar_t>(wp);
        OnKeyPress(key);
        if (key == 0 || !Exists()) return 0;
        return DefaultProc(msg, key, lp);
    }
    return std::nullopt;
}

bool Edit::WantsKey(WPARAM vk) const {
    return (vk == VK_RETURN && OnKeyPress) || Control::WantsKey(vk);
}

}  // namespace win
