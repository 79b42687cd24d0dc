// The base of every child control, and the containers that hold them (forms, panels, group
// boxes). A control is a thin object: it owns its HWND and nothing else; the form keeps a list
// of its controls by name so windows can reach "Label_Munt" + n.
//
// Child notifications (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*) arrive
// at the parent window, which is always one of our containers; the container hands each back
// to the control that owns the child (ReflectToControl), so controls handle themselves.
//
// Two kinds of control. What takes the focus or text input is a window of its own. What only
// paints and takes the mouse (Label, Image, Bevel, SpeedButton) is a graphic control: no window,
// bounds in its container's client coordinates, painted by the container in its WM_PAINT (in
// creation order, below the container's child windows) and given the mouse by the container's
// hit testing. Under Wine every window is a round trip to its server; under Windows a kernel
// object. Both kinds share this interface: name, Tag, bounds, text, visibility, hints, menus.
//
// Figures are 96-DPI figures. The bounds a control is given (its creation struct, SetBounds and
// the rest) and reports are the 96-DPI bounds the window code works with; the control stands at
// them scaled to its form's DPI (win/Dpi.h), with its font made for that DPI, and is placed
// again from them when the form's DPI changes. Painting, the mouse and PixelBounds are in the
// pixels of the screen.
//
// Control kinds: Edit, Label, SpeedButton, Image, Panel, GroupBox, Bevel, ToolBar, ListBox,
// Button, CheckBox, RadioGroup, PageControl/TabSheet, SpinEdit (each in its own header); a
// TabSheet is a container like Panel.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/Colour.h"
#include "win/Dpi.h"
#include "win/Gdi.h"
#include "win/Message.h"

namespace win {

class Form;
class Control;
class PopupMenu;

// Where a control is placed inside its parent when the parent is resized (Delphi's Align):
// Top/Bottom take the full width at the edge, Left/Right the full remaining height, Client
// fills what is left. Aligned controls are placed in creation order.
enum class Align { None, Top, Bottom, Left, Right, Client };

// A window that can hold controls: a Form, a Panel, a GroupBox, a TabSheet.
class Container {
  public:
    virtual HWND ContainerHandle() const = 0;
    virtual Form* ContainerForm() = 0;
    // Font and background that children start from.
    virtual const FontSpec& ContainerFont() const = 0;
    virtual Colour ContainerBackground() const = 0;
    // Lays out the aligned children again (called on resize).
    void Realign();
    // The part of the client area that aligned children share.
    virtual RECT AlignRect() const;

    // Paints the visible graphic children that meet `area` (client coordinates) into dc, in
    // creation order; the container's own painting comes first.
    void PaintGraphics(HDC dc, const RECT& area);
    // The mouse, hints and menus of the graphic children, for the container's window procedure
    // to call before its own handling; nothing when the message is not theirs.
    std::optional<LRESULT> GraphicMessage(UINT msg, WPARAM wp, LPARAM lp);
    // The graphic child that takes the mouse at a client point: the last created, or null.
    Control* GraphicAt(Point p) const;
    // The container's window is going: its graphic children go with it, as child windows do.
    void DetachGraphics();

  protected:
    // Graphic children outliving the container forget it.
    ~Container();

  private:
    friend class Control;
    void SetHot(Control* control);
    std::vector<Control*> graphics_;
    Control* hot_ = nullptr;       // under the mouse
    Control* captured_ = nullptr;  // pressed, holding the mouse
};

// The part of a window's client area that a WM_PRINTCLIENT's dc lets through (a transparent
// child asks for the part under it only), or the whole client area.
RECT PrintArea(HWND window, HDC dc);

// Answers a child notification for the control that owns the child, or nothing when the
// message is not one or the child is not ours. Every container's window procedure calls it.
std::optional<LRESULT> ReflectToControl(HWND parent, UINT msg, WPARAM wp, LPARAM lp);

// The fields every control's creation struct starts with. C++20 designated initializers cannot
// name members of a base struct, so each kind's struct begins with these and adds its own;
// fill them in this order: {.parent = this, .name = "Edit_Van", .x = 8, .y = 6, .width = 125}.
#define WIN_CONTROL_PARAMS                                                   \
    ::win::Container* parent = nullptr;                                      \
    std::string name{};                                                      \
    int x = 0;                                                               \
    int y = 0;                                                               \
    int width = 0;                                                           \
    int height = 0;                                                          \
    int tag = 0;                                                             \
    bool visible = true;                                                     \
    bool enabled = true;                                                     \
    ::win::Align align = ::win::Align::None;                                 \
    std::string hint{};                                                      \
    std::optional<::win::FontSpec> font{}; /* the parent's when not given */ \
    std::optional<Colour> textColour{};                                      \
    std::optional<Colour> colour{}; /* background */                         \
    ::win::PopupMenu* popupMenu = nullptr;

struct ControlParams {
    WIN_CONTROL_PARAMS
};

template <typename P>
ControlParams CommonParams(const P& p) {
    return {p.parent,  p.name,  p.x,    p.y,    p.width,      p.height, p.tag,      p.visible,
            p.enabled, p.align, p.hint, p.font, p.textColour, p.colour, p.popupMenu};
}

class Control {
  public:
    Control() = default;
    // Destroys the window when it still exists and leaves the form's list.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control's window; null for a graphic control.
    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr || graphic_; }
    bool Graphic() const { return graphic_; }
    const std::string& Name() const { return name_; }
    Form* OwnerForm() const { return form_; }
    Container* Parent() const { return parent_; }
    // The control that owns a window, or null.
    static Control* FromHandle(HWND window);

    int Tag = 0;

    // Visible is the control's own flag; IsShowing also needs every parent visible.
    bool Visible() const;
    void SetVisible(bool visible);
    bool IsShowing() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // Bounds in the parent's client coordinates, as 96-DPI figures.
    RECT Bounds() const { return design_; }
    void SetBounds(int x, int y, int width, int height);
    int Left() const { return design_.left; }
    int Top() const { return design_.top; }
    int Width() const { return design_.right - design_.left; }
    int Height() const { return design_.bottom - design_.top; }
    void SetLeft(int x);
    void SetTop(int y);
    void SetWidth(int width);
    void SetHeight(int height);
    Align GetAlign() const { return align_; }

    // The DPI the control is shown at: its form's.
    int Dpi() const;
    // A 96-DPI figure in the pixels of that DPI.
    int Scaled(int figure) const { return ScaleToDpi(figure, Dpi()); }
    // The bounds in the pixels of the parent's client area, as the screen shows them; setting
    // them sets the 96-DPI bounds to what they are at this DPI.
    RECT PixelBounds() const;
    void SetPixelBounds(const RECT& r);

    // The window text (caption) in UTF-8.
    std::string Text() const;
    virtual void SetText(std::string_view text);

    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    // The font made for the control's DPI, to draw with.
    HFONT DrawFont() const;
    Colour TextColour() const { return textColour_; }
    void SetTextColour(Colour colour);
    Colour Background() const { return background_; }
    void SetBackground(Colour colour);

    // Tool-tip text; empty shows none.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint);
    // Shown by right click, the menu key or Shift+F10 on the control (the menu must outlive it).
    void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
    PopupMenu* GetPopupMenu() const { return popupMenu_; }

    // Visible and enabled, and so are all its parents up to the form.
    bool CanFocus() const;
    bool Focused() const;
    // Moves the focus here; the old control's exit and this one's enter handlers run inside.
    bool SetFocus();

    void Invalidate();
    void Repaint();

  protected:
    // Creates the window from the common fields; registers the control on its form.
    bool CreateWindowFor(const ControlParams& params, const wchar_t* className, DWORD style,
                         DWORD exStyle = 0, std::string_view text = {});
    // Creates a graphic control (no window) from the common fields; registers it on its form.
    bool CreateGraphic(const ControlParams& params, std::string_view text = {});

    // ---- graphic controls, called by their container
    // Paints the control into the container's dc; bounds in the container's coordinates.
    virtual void PaintGraphic(HDC dc, const RECT& bounds);
    // Whether a point of the container (inside the bounds) is the control's: by default it is.
    virtual bool TakesMouse(Point p) const;
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Points in the control's own coordinates (its top left is 0, 0). A press holds the mouse
    // until the release, which comes wherever the pointer is then, or the capture is lost.
    virtual void MouseDown(Point, bool /*doubleClick*/) {}
    virtual void MouseMove(Point) {}
    virtual void MouseUp(Point) {}
    virtual void MouseCaptureLost() {}

    // Reflected notifications; each returns nothing when it does not handle the message.
    virtual std::optional<LRESULT> ReflectCommand(int id, int code);
    virtual std::optional<LRESULT> ReflectNotify(NMHDR& header);
    virtual std::optional<LRESULT> ReflectDrawItem(const DRAWITEMSTRUCT& item);
    virtual std::optional<LRESULT> ReflectMeasureItem(MEASUREITEMSTRUCT& item);
    // Colours for WM_CTLCOLOR*: sets the DC's colours and returns the background brush.
    virtual HBRUSH ReflectCtlColor(HDC dc);
    // Every message to the control's own window (through subclassing) comes here first.
    virtual std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Whether the control wants a key that the dialog navigation would take (Enter, Escape).
    virtual bool WantsKey(WPARAM vk) const;
    // The form's DPI changed, and every control stands at its new place with its new font: what
    // a control sizes or draws by itself (item heights, pictures, buddies, arrangements) is made
    // anew here.
    virtual void DpiChanged() {}

    // The default processing of a message by the control's window class.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Paints the parent's background into dc (for controls that look transparent).
    void PaintParentBackground(HDC dc);

  private:
    friend std::optional<LRESULT> ReflectToControl(HWND, UINT, WPARAM, LPARAM);
    friend class Form;
    friend class Container;
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT HandleSubclassed(UINT msg, WPARAM wp, LPARAM lp);
    // The common fields of a creation; both kinds start with them.
    void TakeParams(const ControlParams& params, Form& form);
    void Detach();
    void ShowContextMenu(LPARAM lp);
    void InvalidateGraphic();
    // Aligned placement (Container::Realign), in pixels.
    void Place(const RECT& r);
    // Moves the control to a rectangle of pixels; the 96-DPI bounds stay.
    void ApplyBounds(const RECT& r);
    // At the form's new DPI: placed from the 96-DPI bounds (unless aligned), the font made anew.
    void ApplyDpi();

    HWND hwnd_ = nullptr;
    // A graphic control keeps what a window would: bounds, text, state flags, a hint id.
    bool graphic_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    RECT bounds_{};  // in pixels
    RECT design_{};  // the 96-DPI bounds, of both kinds
    std::string text_;
    int id_ = 0;
    Form* form_ = nullptr;
    Container* parent_ = nullptr;
    std::string name_;
    std::string hint_;
    FontSpec font_;
    Colour textColour_ = clWindowText;
    Colour background_ = clBtnFace;
    Align align_ = Align::None;
    PopupMenu* popupMenu_ = nullptr;
};

}  // namespace win
