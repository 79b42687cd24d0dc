#include "win/Button.h"

#include <commctrl.h>

#include "win/Form.h"

namespace win {

bool Button::Create(const ButtonParams& params) {
    isDefault_ = params.isDefault;
    isCancel_ = params.isCancel;
    modalResult_ = params.modalResult;
    DWORD style = params.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (params.tabStop) style |= WS_TABSTOP;
    if (!CreateWindowFor(CommonParams(params), L"BUTTON", style, 0, params.caption)) return false;
    if (!params.glyph.Empty()) SetGlyph(params.glyph);
    return true;
}

void Button::SetGlyph(const ScalablePicture& glyph) {
    glyph_ = glyph;
    if (!Exists()) return;
    BUTTON_IMAGELIST info{};
    info.himl = nullptr;
    const Picture& design = glyph.Design();
    if (!design.Empty() && images_.Create(design.width, design.height)) {
        images_.SetDpi(Dpi());
        if (images_.Add(glyph) >= 0) info.himl = images_.Handle();
    }
    info.margin = {Scaled(2), 0, 0, 0};
    info.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    ::SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&info));
    Invalidate();
}

void Button::Click() {
    if (!Exists() || !IsShowing() || !Enabled()) return;
    Form* form = OwnerForm();
    HWND self = Handle();
    if (OnClick) OnClick();
    // The handler may have closed or destroyed the form.
    if (modalResult_ != 0 && form && ::IsWindow(self) && form->IsModal()) {
        form->SetModalResult(modalResult_);
    }
}

void Button::DpiChanged() {
    if (!glyph_.Empty()) SetGlyph(ScalablePicture(glyph_));
}

std::optional<LRESULT> Button::ReflectCommand(int, int code) {
    if (code != BN_CLICKED) return std::nullopt;
    Click();
    return 0;
}

namespace {

Button* FindRole(const Form& form, bool Button::*role) {
    for (Control* c : form.Controls()) {
        auto* b = dynamic_cast<Button*>(c);
        if (b && b->*role && b->IsShowing() && b->Enabled()) return b;
    }
    return nullptr;
}

}  // namespace

Button* Button::DefaultOf(const Form& form) {
    return FindRole(form, &Button::isDefault_);
}

Button* Button::CancelOf(const Form& form) {
    return FindRole(form, &Button::isCancel_);
}

}  // namespace win
