#include "win/RadioButton.h"

#include <vector>

#include "win/Form.h"

namespace win {

bool RadioButton::Create(const RadioButtonParams& params) {
    // Not BS_AUTORADIOBUTTON: the group is ours (the buttons of one parent), and Windows still
    // reports a focus moved by the arrow keys onto an unchecked button as a click.
    if (!CreateWindowFor(CommonParams(params), L"BUTTON", BS_RADIOBUTTON, 0, params.caption)) {
        return false;
    }
    if (params.checked) {
        SetChecked(true);
    } else {
        UpdateTabStops();
    }
    return true;
}

bool RadioButton::Checked() const {
    return Exists() && ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
    if (!Exists() || Checked() == checked) return;
    ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (checked && OwnerForm()) {
        for (Control* c : OwnerForm()->Controls()) {
            auto* other = dynamic_cast<RadioButton*>(c);
            if (other && other != this && other->Parent() == Parent() && other->Checked()) {
                ::SendMessageW(other->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    UpdateTabStops();
}

void RadioButton::Click() {
    if (!Exists() || !Enabled() || Checked()) return;
    SetChecked(true);
    if (OnClick) OnClick();
}

void RadioButton::UpdateTabStops() {
    // Tab reaches a group at its checked button, or at its first one when none is checked;
    // the first carries WS_GROUP so the arrow keys stay inside the group.
    if (!OwnerForm()) return;
    std::vector<RadioButton*> group;
    for (Control* c : OwnerForm()->Controls()) {
        auto* b = dynamic_cast<RadioButton*>(c);
        if (b && b->Parent() == Parent()) group.push_back(b);
    }
    RadioButton* stop = nullptr;
    for (RadioButton* b : group) {
        if (b->Checked()) stop = b;
    }
    if (!stop && !group.empty()) stop = group.front();
    for (RadioButton* b : group) {
        const LONG_PTR old = ::GetWindowLongPtrW(b->Handle(), GWL_STYLE);
        LONG_PTR style = old & ~static_cast<LONG_PTR>(WS_TABSTOP | WS_GROUP);
        if (b == stop) style |= WS_TABSTOP;
        if (b == group.front()) style |= WS_GROUP;
        if (style != old) ::SetWindowLongPtrW(b->Handle(), GWL_STYLE, style);
    }
}

std::optional<LRESULT> RadioButton::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETFOCUS || Checked() || ::GetKeyState(VK_LBUTTON) < 0) return std::nullopt;
    // Windows checks an unchecked radio button that the keyboard (an arrow key) moves the focus
    // to, reporting it as a click; not every version does, so it is done here once.
    const LRESULT result = DefaultProc(msg, wp, lp);
    Click();
    return result;
}

std::optional<LRESULT> RadioButton::ReflectCommand(int, int code) {
    if (code != BN_CLICKED) return std::nullopt;
    Click();
    return 0;
}

}  // namespace win
