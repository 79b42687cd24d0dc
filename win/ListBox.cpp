#include "win/ListBox.h"

#include <cstdlib>

#include "win/Message.h"
#include "win/Text.h"

namespace win {

bool ListBox::Create(const ListBoxParams& params) {
    dragAutomatic_ = params.dragAutomatic;
    ControlParams common = CommonParams(params);
    if (!common.colour) common.colour = clWindow;
    const DWORD style = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        WS_VSCROLL | WS_TABSTOP;
    if (!CreateWindowFor(common, L"LISTBOX", style, WS_EX_CLIENTEDGE)) return false;
    SetItemHeight(params.itemHeight);
    return true;
}

int ListBox::Count() const {
    if (!Exists()) return 0;
    const LRESULT n = ::SendMessageW(Handle(), LB_GETCOUNT, 0, 0);
    return n == LB_ERR ? 0 : static_cast<int>(n);
}

std::string ListBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    const LRESULT length = ::SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length < 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        ::SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    if (got == LB_ERR || got < 0) return {};
    buffer.resize(static_cast<std::size_t>(got));
    return Narrow(buffer);
}

int ListBox::Add(std::string_view text) {
    if (!Exists()) return -1;
    const std::wstring wide = Widen(text);
    const LRESULT index =
        ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

bool ListBox::Insert(int index, std::string_view text) {
    if (!Exists() || index < 0 || index > Count()) return false;
    const std::wstring wide = Widen(text);
    return ::SendMessageW(Handle(), LB_INSERTSTRING, index,
                          reinterpret_cast<LPARAM>(wide.c_str())) >= 0;
}

bool ListBox::Delete(int index) {
    if (index < 0 || index >= Count()) return false;
    return ::SendMessageW(Handle(), LB_DELETESTRING, index, 0) != LB_ERR;
}

bool ListBox::Move(int from, int to) {
    const int count = Count();
    if (from < 0 || from >= count || to < 0 || to >= count) return false;
    if (from == to) return true;
    const std::string text = Item(from);
    if (!Delete(from)) return false;
    return Insert(to, text);
}

void ListBox::Clear() {
    if (Exists()) ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
    if (!Exists()) return -1;
    const LRESULT index = ::SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetItemIndex(int index) {
    if (!Exists()) return;
    if (index < 0 || index >= Count()) index = -1;
    ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::ItemAtPos(int x, int y, bool existing) const {
    if (!Exists()) return -1;
    const int count = Count();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (count > 0 && x >= client.left && x < client.right && y >= client.top && y < client.bottom) {
        const int height = PixelItemHeight();
        if (height > 0) {
            const int index = TopIndex() + y / height;
            if (index < count) return index;
        }
    }
    return existing ? -1 : count;
}

RECT ListBox::ItemRect(int index) const {
    RECT r{};
    if (Exists()) ::SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
}

int ListBox::PixelItemHeight() const {
    if (!Exists()) return 0;
    const LRESULT height = ::SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0);
    return height == LB_ERR ? 0 : static_cast<int>(height);
}

void ListBox::SetItemHeight(int height) {
    if (Exists() && height > 0 && Scaled(height) < 256) {
        itemHeight_ = height;
        ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(Scaled(height), 0));
        Invalidate();
    }
}

void ListBox::DpiChanged() {
    SetItemHeight(itemHeight_);
}

int ListBox::TopIndex() const {
    if (!Exists()) return 0;
    const LRESULT top = ::SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0);
    return top == LB_ERR ? 0 : static_cast<int>(top);
}

std::optional<LRESULT> ListBox::ReflectCommand(int, int code) {
    if (code == LBN_SELCHANGE) {
        if (OnClick) OnClick();
        return 0;
    }
    return std::nullopt;
}

std::optional<LRESULT> ListBox::ReflectDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT rect = item.rcItem;
    const ItemState state{(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0};
    if (item.itemID != static_cast<UINT>(-1)) {
        SelectGuard font(dc, DrawFont());
        const int saved = ::SaveDC(dc);
        if (OnDrawItem) {
            OnDrawItem(static_cast<int>(item.itemID), dc, rect, state);
        } else {
            FillSolid(dc, rect, state.selected ? clHighlight : Background());
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, ToColorRef(state.selected ? clHighlightText : TextColour()));
            const std::wstring text = Widen(Item(static_cast<int>(item.itemID)));
            RECT textRect = rect;
            textRect.left += Scaled(2);
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        ::RestoreDC(dc, saved);
    }
    if (state.focused) ::DrawFocusRect(dc, &rect);
    return TRUE;
}

bool ListBox::DragOver(int x, int y) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    bool accept = ::PtInRect(&client, POINT{x, y}) != FALSE && OnDragDrop != nullptr;
    if (accept && OnDragOver) OnDragOver(x, y, accept);
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(accept ? IDC_ARROW : IDC_NO)));
    return accept;
}

void ListBox::EndDrag(bool drop, int x, int y) {
    dragging_ = false;
    dragCandidate_ = false;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    if (drop && OnDragDrop) OnDragDrop(x, y);
}

std::optional<LRESULT> ListBox::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (!dragAutomatic_) return std::nullopt;
    // A drag starts when the mouse, with the left button down on an item, moves farther than
    // the system's drag distance (what DragDetect measures, without its nested loop); then the
    // list keeps the mouse captured until the button goes up.
    switch (msg) {
        case WM_LBUTTONDOWN: {
            const LRESULT result = DefaultProc(msg, wp, lp);  // selects and captures
            const Point p = MousePoint(lp);
            dragCandidate_ = Exists() && ItemAtPos(p.x, p.y, true) >= 0;
            dragStart_ = {p.x, p.y};
            return result;
        }
        case WM_MOUSEMOVE: {
            const Point p = MousePoint(lp);
            if (dragging_) {
                DragOver(p.x, p.y);
                return 0;
            }
            if (dragCandidate_ && (wp & MK_LBUTTON)) {
                if (std::abs(p.x - dragStart_.x) > ::GetSystemMetrics(SM_CXDRAG) ||
                    std::abs(p.y - dragStart_.y) > ::GetSystemMetrics(SM_CYDRAG)) {
                    dragCandidate_ = false;
                    // Let the list end its own tracking of the press first.
                    DefaultProc(WM_LBUTTONUP, 0, MakePointParam(dragStart_.x, dragStart_.y));
                    dragging_ = true;
                    ::SetCapture(Handle());
                    DragOver(p.x, p.y);
                    return 0;
                }
            }
            return std::nullopt;
        }
        case WM_LBUTTONUP: {
            dragCandidate_ = false;
            if (!dragging_) return std::nullopt;
            const Point p = MousePoint(lp);
            const bool accept = DragOver(p.x, p.y);
            EndDrag(accept, p.x, p.y);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(lp) != Handle()) EndDrag(false, 0, 0);
            return std::nullopt;
        case WM_KEYDOWN:
            if (dragging_ && wp == VK_ESCAPE) {
                EndDrag(false, 0, 0);
                return 0;
            }
            if (OnKeyDown && OnKeyDown(static_cast<unsigned>(wp))) return 0;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace win
