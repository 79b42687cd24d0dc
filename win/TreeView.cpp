#include "win/TreeView.h"

#include "win/Message.h"
#include "win/Text.h"

namespace win {

bool TreeView::Create(const TreeViewParams& params) {
    DWORD style = WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                  TVS_SHOWSELALWAYS;
    if (params.hotTrack) style |= TVS_TRACKSELECT;
    if (!params.toolTips) style |= TVS_NOTOOLTIPS;
    if (!CreateWindowFor(CommonParams(params), WC_TREEVIEWW, style, 0)) return false;
    images_ = params.images;
    indent_ = params.indent;
    DpiChanged();
    return true;
}

void TreeView::DpiChanged() {
    if (images_ && images_->Handle()) {
        images_->SetDpi(Dpi());
        TreeView_SetImageList(Handle(), images_->Handle(), TVSIL_NORMAL);
    }
    if (indent_ > 0) TreeView_SetIndent(Handle(), Scaled(indent_));
}

void TreeView::Clear() {
    if (Exists()) TreeView_DeleteAllItems(Handle());
}

TreeNode TreeView::Add(TreeNode parent, std::string_view caption, int picture, int selectedPicture,
                       long long data) {
    if (!Exists()) return nullptr;
    std::wstring text = Widen(caption);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = picture;
    insert.item.iSelectedImage = selectedPicture;
    insert.item.lParam = static_cast<LPARAM>(data);
    return reinterpret_cast<TreeNode>(
        ::SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

int TreeView::Count() const {
    return Exists() ? static_cast<int>(TreeView_GetCount(Handle())) : 0;
}

void TreeView::Expand(TreeNode node) {
    if (Exists() && node) TreeView_Expand(Handle(), node, TVE_EXPAND);
}

TreeNode TreeView::FirstRoot() const {
    return Exists() ? TreeView_GetRoot(Handle()) : nullptr;
}
TreeNode TreeView::FirstChild(TreeNode node) const {
    return Exists() && node ? TreeView_GetChild(Handle(), node) : nullptr;
}
TreeNode TreeView::NextSibling(TreeNode node) const {
    return Exists() && node ? TreeView_GetNextSibling(Handle(), node) : nullptr;
}
TreeNode TreeView::ParentOf(TreeNode node) const {
    return Exists() && node ? TreeView_GetParent(Handle(), node) : nullptr;
}

int TreeView::Level(TreeNode node) const {
    int level = -1;
    for (TreeNode n = node; n; n = ParentOf(n)) ++level;
    return level;
}

namespace {

TVITEMW QueryItem(HWND tree, TreeNode node, UINT mask, wchar_t* text = nullptr, int size = 0) {
    TVITEMW item{};
    item.mask = mask | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = size;
    if (!tree || !node || !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) {
        item.lParam = 0;
        item.iImage = -1;
        item.iSelectedImage = -1;
    }
    return item;
}

}  // namespace

std::string TreeView::Caption(TreeNode node) const {
    wchar_t buffer[1024]{};
    QueryItem(Handle(), node, TVIF_TEXT, buffer, static_cast<int>(std::size(buffer)));
    return Narrow(buffer);
}

long long TreeView::Data(TreeNode node) const {
    return static_cast<long long>(QueryItem(Handle(), node, TVIF_PARAM).lParam);
}

int TreeView::Picture(TreeNode node) const {
    return QueryItem(Handle(), node, TVIF_IMAGE).iImage;
}

int TreeView::SelectedPicture(TreeNode node) const {
    return QueryItem(Handle(), node, TVIF_SELECTEDIMAGE).iSelectedImage;
}

RECT TreeView::CaptionRect(TreeNode node) const {
    RECT r{};
    if (Exists() && node && !TreeView_GetItemRect(Handle(), node, &r, TRUE)) r = {};
    return r;
}

TreeNode TreeView::Selected() const {
    return Exists() ? TreeView_GetSelection(Handle()) : nullptr;
}

void TreeView::Select(TreeNode node) {
    if (Exists()) TreeView_SelectItem(Handle(), node);
}

TreeNode TreeView::NodeAt(int x, int y) const {
    if (!Exists()) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    TreeNode node = TreeView_HitTest(Handle(), &hit);
    return node && (hit.flags & TVHT_ONITEM) ? node : nullptr;
}

std::optional<LRESULT> TreeView::ReflectNotify(NMHDR& header) {
    switch (header.code) {
        case NM_CLICK: {
            TreeNode node = NodeAt(lastDown_.x, lastDown_.y);
            if (node && OnNodeClick && OnNodeClick(node)) return 1;
            return 0;
        }
        case NM_RETURN:
            if (TreeNode node = Selected(); node && OnNodeReturn) OnNodeReturn(node);
            return 1;
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> TreeView::WindowMessage(UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) {
        const Point p = MousePoint(lp);
        lastDown_ = {p.x, p.y};
    } else if (msg == WM_MOUSEMOVE && OnMouseMove) {
        const Point p = MousePoint(lp);
        OnMouseMove(p.x, p.y);
    }
    return std::nullopt;
}

bool TreeView::WantsKey(WPARAM vk) const {
    return vk == VK_RETURN || Control::WantsKey(vk);
}

}  // namespace win
