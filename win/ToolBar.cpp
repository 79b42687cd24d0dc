#include "win/ToolBar.h"

#include "win/Text.h"

namespace win {

ToolBar::~ToolBar() {
    // Destroy the window while this object's data is still there to answer it.
    if (Exists()) ::DestroyWindow(Handle());
}

bool ToolBar::Create(const ToolBarParams& params) {
    buttonWidth_ = params.buttonWidth;
    buttonHeight_ = params.buttonHeight;
    ControlParams common = CommonParams(params);
    // We place it ourselves (CCS_NORESIZE | CCS_NOPARENTALIGN): its height is what was asked.
    const DWORD style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                        CCS_NOPARENTALIGN | WS_CLIPSIBLINGS;
    if (common.height <= 0) common.height = params.buttonHeight + 6;
    if (!CreateWindowFor(common, TOOLBARCLASSNAMEW, style, 0)) return false;
    ::SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetImages(params.images, params.disabledImages);
    SetButtonSize(buttonWidth_, buttonHeight_);
    return true;
}

void ToolBar::SetImages(ImageList* images, ImageList* disabledImages) {
    images_ = images;
    disabledImages_ = disabledImages;
    if (!Exists()) return;
    if (images) {
        images->SetDpi(Dpi());
        ::SendMessageW(Handle(), TB_SETBITMAPSIZE, 0,
                       MAKELPARAM(images->Width(), images->Height()));
    }
    if (disabledImages) disabledImages->SetDpi(Dpi());
    ::SendMessageW(Handle(), TB_SETIMAGELIST, 0,
                   reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
    ::SendMessageW(Handle(), TB_SETDISABLEDIMAGELIST, 0,
                   reinterpret_cast<LPARAM>(disabledImages ? disabledImages->Handle() : nullptr));
}

void ToolBar::SetButtonSize(int width, int height) {
    buttonWidth_ = width;
    buttonHeight_ = height;
    if (!Exists()) return;
    ::SendMessageW(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(Scaled(width), Scaled(height)));
    ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ToolBar::DpiChanged() {
    SetImages(images_, disabledImages_);
    SetButtonSize(buttonWidth_, buttonHeight_);
}

ToolButton ToolBar::Add(const ToolButtonParams& params) {
    if (!Exists()) return {};
    auto item = std::make_unique<Item>();
    item->id = nextId_++;
    item->name = params.name;
    item->hint = params.hint;
    item->style = params.style;
    item->onClick = params.onClick;

    TBBUTTON button{};
    button.idCommand = item->id;
    button.iBitmap = params.style == ToolButtonStyle::Separator ? 6 : params.image;
    button.fsState = static_cast<BYTE>((params.enabled ? TBSTATE_ENABLED : 0) |
                                       (params.down ? TBSTATE_CHECKED : 0));
    button.fsStyle = params.style == ToolButtonStyle::Separator ? BTNS_SEP
                     : params.style == ToolButtonStyle::Check   ? BTNS_CHECK
                                                                : BTNS_BUTTON;
    button.dwData = static_cast<DWORD_PTR>(params.tag);
    button.iString = -1;
    if (!::SendMessageW(Handle(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button))) {
        return {};
    }
    const int id = item->id;
    buttons_.push_back(std::move(item));
    // Adding a button can reset the size to the pictures' size.
    ::SendMessageW(Handle(), TB_SETBUTTONSIZE, 0,
                   MAKELPARAM(Scaled(buttonWidth_), Scaled(buttonHeight_)));
    return ToolButton(this, id);
}

ToolButton ToolBar::Button(std::string_view name) const {
    for (const auto& item : buttons_) {
        if (item->name == name) return ToolButton(const_cast<ToolBar*>(this), item->id);
    }
    return {};
}

ToolBar::Item* ToolBar::FindItem(int id) {
    for (auto& item : buttons_) {
        if (item->id == id) return item.get();
    }
    return nullptr;
}

void ToolBar::Clicked(int id) {
    Item* item = FindItem(id);
    if (!item || item->style == ToolButtonStyle::Separator) return;
    // Copy: the handler may replace itself.
    auto handler = item->onClick;
    if (handler) handler();
}

std::optional<LRESULT> ToolBar::ReflectCommand(int id, int) {
    Clicked(id);
    return 0;
}

std::optional<LRESULT> ToolBar::ReflectNotify(NMHDR& header) {
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        Item* item = FindItem(static_cast<int>(header.idFrom));
        hintBuffer_ = item ? Widen(item->hint) : std::wstring();
        info.lpszText = hintBuffer_.data();
        info.hinst = nullptr;
        return 0;
    }
    return std::nullopt;
}

std::optional<LRESULT> ToolBar::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // A flat tool bar asks its parent to erase for it, which our containers leave to their
    // WM_PAINT: fill it here in the parent's colour.
    if (msg == WM_ERASEBKGND && wp) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        FillSolid(reinterpret_cast<HDC>(wp), client,
                  Parent() ? Parent()->ContainerBackground() : clBtnFace);
        return 1;
    }
    // The tool bar forwards its tool tip's questions to its parent; answer them here so the
    // hint can change at run time.
    if (msg == WM_NOTIFY && lp) {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (header->code == TTN_GETDISPINFOW) return ReflectNotify(*header);
    }
    return std::nullopt;
}

// ---- ToolButton

bool ToolButton::Down() const {
    return bar_ && bar_->Exists() &&
           ::SendMessageW(bar_->Handle(), TB_ISBUTTONCHECKED, id_, 0) != 0;
}

void ToolButton::SetDown(bool down) {
    if (bar_ && bar_->Exists()) {
        ::SendMessageW(bar_->Handle(), TB_CHECKBUTTON, id_, MAKELPARAM(down ? TRUE : FALSE, 0));
    }
}

bool ToolButton::Enabled() const {
    return bar_ && bar_->Exists() &&
           ::SendMessageW(bar_->Handle(), TB_ISBUTTONENABLED, id_, 0) != 0;
}

void ToolButton::SetEnabled(bool enabled) {
    if (bar_ && bar_->Exists()) {
        ::SendMessageW(bar_->Handle(), TB_ENABLEBUTTON, id_, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    }
}

std::string ToolButton::Hint() const {
    if (!bar_) return {};
    const ToolBar::Item* item = bar_->FindItem(id_);
    return item ? item->hint : std::string();
}

void ToolButton::SetHint(std::string_view hint) {
    if (!bar_) return;
    if (ToolBar::Item* item = bar_->FindItem(id_)) item->hint = std::string(hint);
}

void ToolButton::SetImage(int image) {
    if (bar_ && bar_->Exists()) ::SendMessageW(bar_->Handle(), TB_CHANGEBITMAP, id_, image);
}

void ToolButton::Click() {
    if (!bar_ || !bar_->Exists() || !Enabled()) return;
    const ToolBar::Item* item = bar_->FindItem(id_);
    if (item && item->style == ToolButtonStyle::Check) SetDown(!Down());
    bar_->Clicked(id_);
}

void ToolButton::SetOnClick(std::function<void()> handler) {
    if (!bar_) return;
    if (ToolBar::Item* item = bar_->FindItem(id_)) item->onClick = std::move(handler);
}

}  // namespace win
