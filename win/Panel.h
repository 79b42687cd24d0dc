// Containers (our own window class, which hands child notifications back to the children):
// Panel and GroupBox; and Bevel, a line or frame.
#pragma once

#include <functional>

#include "win/Control.h"

namespace win {

// A container control: children created with .parent = &panel live inside it.
class ContainerControl : public Control, public Container {
  public:
    HWND ContainerHandle() const override { return Handle(); }
    Form* ContainerForm() override { return OwnerForm(); }
    const FontSpec& ContainerFont() const override { return Font(); }
    Colour ContainerBackground() const override { return Background(); }

    // Drawn after the background (and bevel or frame), under the children.
    std::function<void(HDC dc, const RECT& client)> OnPaint;

  protected:
    // controlParent: Tab walks into its windows; without, it may be a tab stop itself.
    bool CreateContainer(const ControlParams& params, DWORD style, DWORD exStyle,
                         std::string_view text, bool controlParent = true);
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // Paints background and decoration into dc (WM_PAINT and WM_PRINTCLIENT).
    virtual void PaintContainer(HDC dc);
};

struct PanelParams {
    WIN_CONTROL_PARAMS
    BevelKind bevelOuter = BevelKind::Raised;
    BevelKind bevelInner = BevelKind::None;
    int bevelWidth = 1;
    std::string caption{};  // drawn centred, as a panel shows it
};

class Panel : public ContainerControl {
  public:
    bool Create(const PanelParams& params);
    void SetBevel(BevelKind outer, BevelKind inner, int width);
    RECT AlignRect() const override;

  protected:
    void PaintContainer(HDC dc) override;

  private:
    BevelKind outer_ = BevelKind::Raised;
    BevelKind inner_ = BevelKind::None;
    int bevelWidth_ = 1;
};

struct GroupBoxParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
};

// An etched frame with its caption at the top left; the caption is the window text.
class GroupBox : public ContainerControl {
  public:
    bool Create(const GroupBoxParams& params);
    void SetText(std::string_view text) override;
    // Where a caption of this size goes, in pixels of the client area (its gap in the frame).
    RECT CaptionRect(int textWidth, int textHeight) const;

  protected:
    void PaintContainer(HDC dc) override;
};

enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine };

struct BevelParams {
    WIN_CONTROL_PARAMS
    BevelShape shape = BevelShape::Box;
    BevelKind style = BevelKind::Lowered;
};

// A graphic control that paints only its lines, so what lies inside its frame shows; the mouse
// goes through it.
class Bevel : public Control {
  public:
    bool Create(const BevelParams& params);

  protected:
    void PaintGraphic(HDC dc, const RECT& bounds) override;
    bool TakesMouse(Point p) const override;

  private:
    BevelShape shape_ = BevelShape::Box;
    BevelKind style_ = BevelKind::Lowered;
};

}  // namespace win
