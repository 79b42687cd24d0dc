#include "win/CheckBox.h"

namespace win {

bool CheckBox::Create(const CheckBoxParams& params) {
    // Not BS_AUTOCHECKBOX: the state changes in Click, so the mouse, the keys and code agree.
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

}  // namespace win
