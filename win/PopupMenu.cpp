#include "win/PopupMenu.h"

#include <algorithm>

#include "win/Dpi.h"
#include "win/Form.h"
#include "win/Gdi.h"
#include "win/Text.h"

namespace win {

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kPictureMargin = 4;
constexpr int kTextGap = 6;

bool IsSeparator(std::string_view caption) {
    return caption == "-";
}

// The item's text as the system keeps it, what a screen reader reads: the caption and, after a
// tab, the shortcut, as standard menus carry them.
std::wstring ItemText(const std::string& caption, const std::string& shortcut) {
    return Widen(shortcut.empty() ? caption : caption + "\t" + shortcut);
}

}  // namespace

bool PopupMenu::Create(Form* owner, ImageList* images) {
    owner_ = owner;
    measuredDpi_ = Dpi();
    images_ = images;
    menu_.Reset(::CreatePopupMenu());
    return static_cast<bool>(menu_);
}

MenuItem PopupMenu::Add(const MenuItemParams& params) {
    if (!menu_) return {};
    auto entry = std::make_unique<Entry>(Entry{nextId_++, params.name, params.caption, params.image,
                                               params.enabled, params.onClick, params.shortcut});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    info.wID = static_cast<UINT>(entry->id);
    std::wstring text = ItemText(params.caption, params.shortcut);
    if (!IsSeparator(params.caption)) {
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
    }
    // Owner-drawn (our pictures) and still a separator for the system when it is one.
    info.fType = MFT_OWNERDRAW | (IsSeparator(params.caption) ? MFT_SEPARATOR : 0);
    info.fState = params.enabled ? MFS_ENABLED : MFS_DISABLED;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    const UINT position = static_cast<UINT>(::GetMenuItemCount(menu_.Get()));
    if (!::InsertMenuItemW(menu_.Get(), position, TRUE, &info)) return {};
    const int id = entry->id;
    items_.push_back(std::move(entry));
    return MenuItem(this, id);
}

MenuItem PopupMenu::Item(std::string_view name) const {
    for (const auto& e : items_) {
        if (e->name == name) return MenuItem(const_cast<PopupMenu*>(this), e->id);
    }
    return {};
}

PopupMenu::Entry* PopupMenu::Find(int id) {
    for (auto& e : items_) {
        if (e->id == id) return e.get();
    }
    return nullptr;
}

bool PopupMenu::Popup(int screenX, int screenY) {
    if (!menu_ || !owner_ || !owner_->Handle()) return false;
    if (OnPopup) OnPopup();
    HWND owner = owner_->Handle();
    if (images_) images_->SetDpi(owner_->Dpi());
    if (measuredDpi_ != owner_->Dpi()) {
        // The items measured at another DPI are measured again (setting their type asks that).
        measuredDpi_ = owner_->Dpi();
        for (const auto& e : items_) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_OWNERDRAW | (IsSeparator(e->caption) ? MFT_SEPARATOR : 0);
            ::SetMenuItemInfoW(menu_.Get(), static_cast<UINT>(e->id), FALSE, &info);
        }
    }
    // A popup menu closes properly only when its owner is the foreground window.
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(::TrackPopupMenuEx(
        menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenX, screenY, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0) return false;
    if (Entry* e = Find(chosen)) {
        auto handler = e->onClick;
        if (handler) handler();
    }
    return true;
}

std::optional<LRESULT> PopupMenu::HandleMeasureItem(MEASUREITEMSTRUCT& item) {
    auto* menu = reinterpret_cast<PopupMenu*>(item.itemData);
    if (!menu) return std::nullopt;
    menu->Measure(item);
    return TRUE;
}

std::optional<LRESULT> PopupMenu::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    auto* menu = reinterpret_cast<PopupMenu*>(item.itemData);
    if (!menu) return std::nullopt;
    menu->Draw(item);
    return TRUE;
}

int PopupMenu::Dpi() const {
    return owner_ ? owner_->Dpi() : kDesignDpi;
}

void PopupMenu::Measure(MEASUREITEMSTRUCT& item) {
    const Entry* e = Find(static_cast<int>(item.itemID));
    const int dpi = Dpi();
    if (!e || IsSeparator(e->caption)) {
        item.itemWidth = static_cast<UINT>(ScaleToDpi(20, dpi));
        item.itemHeight = static_cast<UINT>(ScaleToDpi(kSeparatorHeight, dpi));
        return;
    }
    const int pictureSide =
        images_ ? std::max(images_->Width(), images_->Height()) : ScaleToDpi(16, dpi);
    const LOGFONTW menuFont = MenuFontAt(dpi);
    FontHandle font(::CreateFontIndirectW(&menuFont));
    WindowDc screen(nullptr);
    SIZE extent{};
    if (screen) {
        SelectGuard select(screen.Get(), font.Get());
        const std::wstring text =
            Widen(e->shortcut.empty() ? e->caption : e->caption + "   " + e->shortcut);
        ::GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    item.itemWidth =
        static_cast<UINT>(ScaleToDpi(kPictureMargin * 2 + kTextGap, dpi) + pictureSide + extent.cx);
    item.itemHeight = static_cast<UINT>(
        std::max<LONG>(pictureSide + ScaleToDpi(4, dpi), extent.cy + ScaleToDpi(4, dpi)));
}

void PopupMenu::Draw(const DRAWITEMSTRUCT& item) {
    const Entry* e = Find(static_cast<int>(item.itemID));
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillSolid(dc, r, clBtnFace);
    if (!e) return;
    const int dpi = Dpi();
    const int margin = ScaleToDpi(kPictureMargin, dpi);
    if (IsSeparator(e->caption)) {
        const int inset = ScaleToDpi(2, dpi);
        RECT line{r.left + inset, (r.top + r.bottom) / 2 - 1, r.right - inset,
                  (r.top + r.bottom) / 2 + 1};
        ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected && !disabled) FillSolid(dc, r, clHighlight);
    const int pictureSide =
        images_ ? std::max(images_->Width(), images_->Height()) : ScaleToDpi(16, dpi);
    if (images_ && e->image >= 0) {
        const int y = r.top + (r.bottom - r.top - images_->Height()) / 2;
        if (disabled) {
            ::ImageList_DrawEx(images_->Handle(), e->image, dc, r.left + margin, y, 0, 0, CLR_NONE,
                               CLR_NONE, ILD_TRANSPARENT | ILD_BLEND50);
        } else {
            images_->Draw(e->image, dc, r.left + margin, y, true);
        }
    }
    const LOGFONTW menuFont = MenuFontAt(dpi);
    FontHandle font(::CreateFontIndirectW(&menuFont));
    SelectGuard select(dc, font.Get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ToColorRef(disabled ? clGrayText : selected ? clHighlightText : clBtnText));
    RECT text = r;
    text.left += margin + pictureSide + ScaleToDpi(kTextGap, dpi);
    const std::wstring caption = Widen(e->caption);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_SINGLELINE | DT_VCENTER | (item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0));
    if (!e->shortcut.empty()) {
        const std::wstring shortcut = Widen(e->shortcut);
        text.right -= margin;
        ::DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
}

// ---- MenuItem

std::string MenuItem::Caption() const {
    if (!menu_) return {};
    const PopupMenu::Entry* e = menu_->Find(id_);
    return e ? e->caption : std::string();
}

void MenuItem::SetCaption(std::string_view caption) {
    if (!menu_) return;
    PopupMenu::Entry* e = menu_->Find(id_);
    if (!e) return;
    e->caption = std::string(caption);
    menu_->Refresh(*e);
}

void MenuItem::SetShortcut(std::string_view shortcut) {
    if (!menu_) return;
    PopupMenu::Entry* e = menu_->Find(id_);
    if (!e) return;
    e->shortcut = std::string(shortcut);
    menu_->Refresh(*e);
}

std::string MenuItem::Shortcut() const {
    if (!menu_) return {};
    const PopupMenu::Entry* e = menu_->Find(id_);
    return e ? e->shortcut : std::string();
}

void PopupMenu::Refresh(const Entry& e) {
    // Setting the type again makes the menu measure the item anew.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_OWNERDRAW | (IsSeparator(e.caption) ? MFT_SEPARATOR : 0);
    std::wstring text = ItemText(e.caption, e.shortcut);
    if (!IsSeparator(e.caption)) {
        info.fMask |= MIIM_STRING;
        info.dwTypeData = text.data();
    }
    ::SetMenuItemInfoW(menu_.Get(), static_cast<UINT>(e.id), FALSE, &info);
}

bool MenuItem::Enabled() const {
    if (!menu_) return false;
    const PopupMenu::Entry* e = menu_->Find(id_);
    return e && e->enabled;
}

void MenuItem::SetEnabled(bool enabled) {
    if (!menu_) return;
    PopupMenu::Entry* e = menu_->Find(id_);
    if (!e) return;
    e->enabled = enabled;
    ::EnableMenuItem(menu_->Handle(), static_cast<UINT>(id_),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MenuItem::SetImage(int image) {
    if (!menu_) return;
    if (PopupMenu::Entry* e = menu_->Find(id_)) e->image = image;
}

void MenuItem::SetOnClick(std::function<void()> handler) {
    if (!menu_) return;
    if (PopupMenu::Entry* e = menu_->Find(id_)) e->onClick = std::move(handler);
}

}  // namespace win
