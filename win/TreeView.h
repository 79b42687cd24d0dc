// A tree of captioned nodes with pictures from an image list (the common tree-view control).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "win/Control.h"
#include "win/ImageList.h"

namespace win {

using TreeNode = HTREEITEM;

struct TreeViewParams {
    WIN_CONTROL_PARAMS
    ImageList* images = nullptr;  // must outlive the tree, which makes it for its DPI
    int indent = 0;               // pixels per level; 0 keeps the control's own
    bool hotTrack = false;        // the node under the mouse is underlined
    bool toolTips = false;        // captions too long to show pop up
};

class TreeView : public Control {
  public:
    bool Create(const TreeViewParams& params);

    void Clear();
    // Adds a node as the last child of parent (null: at the top level), with the caller's
    // number; null on failure.
    TreeNode Add(TreeNode parent, std::string_view caption, int picture, int selectedPicture,
                 long long data = 0);
    int Count() const;
    void Expand(TreeNode node);

    TreeNode FirstRoot() const;
    TreeNode FirstChild(TreeNode node) const;
    TreeNode NextSibling(TreeNode node) const;
    TreeNode ParentOf(TreeNode node) const;
    // 0 for a top-level node.
    int Level(TreeNode node) const;
    std::string Caption(TreeNode node) const;
    long long Data(TreeNode node) const;
    int Picture(TreeNode node) const;
    int SelectedPicture(TreeNode node) const;
    // The node's caption area in client coordinates (empty when not shown).
    RECT CaptionRect(TreeNode node) const;

    TreeNode Selected() const;
    void Select(TreeNode node);  // null: no node is selected
    // The node whose picture or caption lies at the client point, or null.
    TreeNode NodeAt(int x, int y) const;

    // A mouse click on a node's picture or caption, before the tree selects it; returning true
    // keeps the tree from selecting it.
    std::function<bool(TreeNode node)> OnNodeClick;
    // Enter on the selected node.
    std::function<void(TreeNode node)> OnNodeReturn;
    std::function<void(int x, int y)> OnMouseMove;

  protected:
    std::optional<LRESULT> ReflectNotify(NMHDR& header) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool WantsKey(WPARAM vk) const override;
    void DpiChanged() override;

  private:
    ImageList* images_ = nullptr;
    int indent_ = 0;
    POINT lastDown_{-1, -1};  // where the left button went down (NM_CLICK carries no point)
};

}  // namespace win
