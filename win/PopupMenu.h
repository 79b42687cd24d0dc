// A popup menu, owner-drawn with pictures from an image list.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/Handle.h"
#include "win/ImageList.h"

namespace win {

class PopupMenu;
class Form;

struct MenuItemParams {
    std::string name{};
    std::string caption{};  // "-" makes a separator
    int image = -1;         // index in the menu's image list
    bool enabled = true;
    int tag = 0;
    std::function<void()> onClick{};
    std::string shortcut{};  // shown at the right, as "Ctrl+C" (the window handles the key)
};

// A light reference to one item (owns nothing, may be copied); a default-constructed one
// ignores every call. It must not outlive its menu.
class MenuItem {
  public:
    MenuItem() = default;
    std::string Caption() const;
    void SetCaption(std::string_view caption);
    // The key that runs the command, as shown at the right ("Ctrl+R"); empty for none.
    std::string Shortcut() const;
    void SetShortcut(std::string_view shortcut);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetImage(int image);
    void SetOnClick(std::function<void()> handler);
    explicit operator bool() const { return menu_ != nullptr; }

  private:
    friend class PopupMenu;
    MenuItem(PopupMenu* menu, int id) : menu_(menu), id_(id) {}
    PopupMenu* menu_ = nullptr;
    int id_ = 0;
};

class PopupMenu {
  public:
    PopupMenu() = default;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // owner receives the menu's drawing messages while it is shown; images must outlive it.
    bool Create(Form* owner, ImageList* images = nullptr);
    MenuItem Add(const MenuItemParams& params);
    MenuItem Item(std::string_view name) const;
    int Count() const { return static_cast<int>(items_.size()); }

    // Shows the menu at a screen point and runs the chosen item's handler after it closes.
    // Returns whether an item was chosen.
    bool Popup(int screenX, int screenY);
    std::function<void()> OnPopup;  // just before it shows (to enable items)

    HMENU Handle() const { return menu_.Get(); }

    // Drawing of the owner-drawn items, called by the owner window.
    static std::optional<LRESULT> HandleMeasureItem(MEASUREITEMSTRUCT& item);
    static std::optional<LRESULT> HandleDrawItem(const DRAWITEMSTRUCT& item);

  private:
    friend class MenuItem;
    struct Entry {
        int id;
        std::string name;
        std::string caption;
        int image;
        bool enabled;
        std::function<void()> onClick;
        std::string shortcut;
    };
    Entry* Find(int id);
    // The item's text and size anew, after its caption or shortcut changed.
    void Refresh(const Entry& e);
    int Dpi() const;  // the owner's: the menu shows on its monitor
    void Measure(MEASUREITEMSTRUCT& item);
    void Draw(const DRAWITEMSTRUCT& item);

    MenuHandle menu_;
    Form* owner_ = nullptr;
    ImageList* images_ = nullptr;
    int measuredDpi_ = 0;  // the items' sizes are for this DPI
    std::vector<std::unique_ptr<Entry>> items_;
    int nextId_ = 1;
};

}  // namespace win
