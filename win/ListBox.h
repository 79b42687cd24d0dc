// An owner-drawn list box of text items, with drag and drop inside the list.
#pragma once

#include <functional>
#include <string>

#include "win/Control.h"

namespace win {

struct ListBoxParams {
    WIN_CONTROL_PARAMS
    int itemHeight = 16;
    bool dragAutomatic = false;  // a left-button drag starts a drag of the selected item
};

struct ItemState {
    bool selected = false;
    bool focused = false;
};

class ListBox : public Control {
  public:
    bool Create(const ListBoxParams& params);

    int Count() const;
    std::string Item(int index) const;  // empty for a bad index
    // Add returns the new index, -1 when the list cannot take it.
    int Add(std::string_view text);
    bool Insert(int index, std::string_view text);
    bool Delete(int index);
    // Moves the item at `from` to index `to` (both existing); the selection is not moved.
    bool Move(int from, int to);
    void Clear();

    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The item at a point in client pixels: with existing, only a real item counts (else -1);
    // without, a point below the last item gives Count().
    int ItemAtPos(int x, int y, bool existing = true) const;
    RECT ItemRect(int index) const;  // in client pixels
    // The height of every item, a 96-DPI figure; the items stand at its scaled height.
    int ItemHeight() const { return Exists() ? itemHeight_ : 0; }
    void SetItemHeight(int height);
    int PixelItemHeight() const;
    int TopIndex() const;

    // Draws one item; the DC has the list's font, and the focus rectangle is drawn after.
    std::function<void(int index, HDC dc, const RECT& rect, ItemState state)> OnDrawItem;
    std::function<void()> OnClick;  // the selection changed by the user
    // A key went down on the list (a virtual-key code); true when it was handled.
    std::function<bool(unsigned key)> OnKeyDown;
    // While an item is dragged over the list; set accept to false to refuse the drop there.
    std::function<void(int x, int y, bool& accept)> OnDragOver;
    // The drag ended on an accepting point of the list (client coordinates).
    std::function<void(int x, int y)> OnDragDrop;

    bool Dragging() const { return dragging_; }

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    std::optional<LRESULT> ReflectDrawItem(const DRAWITEMSTRUCT& item) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

  private:
    bool DragOver(int x, int y);
    void EndDrag(bool drop, int x, int y);
    int itemHeight_ = 16;
    bool dragAutomatic_ = false;
    bool dragging_ = false;
    bool dragCandidate_ = false;  // left button down on an item, not yet moved far enough
    POINT dragStart_{};
};

}  // namespace win
