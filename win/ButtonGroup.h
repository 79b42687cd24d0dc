// One tab stop for a group of exclusive speed buttons (a column of currencies, a column of
// default flags). The buttons stay graphic controls of the group's window, which takes the focus
// as a radio group does: Up and Left select the previous button, Down and Right the next (round
// the ends), Home the first and End the last, each at once, as a click on it would; Space
// selects the button that shows the focus when none is selected. While the window has the focus
// its selected button (else its first) shows a focus rectangle. The window's text names the
// group; a click on a button leaves the focus where it is.
#pragma once

#include <optional>
#include <vector>

#include "win/Panel.h"
#include "win/SpeedButton.h"

namespace win {

// The keys and the focus of a group's window; the buttons are the visible, enabled speed
// buttons whose parent it is, in creation order.
class ButtonGroupKeys {
  public:
    explicit ButtonGroupKeys(ContainerControl& host) : host_(host) {}
    std::optional<LRESULT> Message(UINT msg, WPARAM wp, LPARAM lp);
    // The button that shows the focus: the selected one, else the first; null when none.
    SpeedButton* Current() const;

  private:
    std::vector<SpeedButton*> Buttons() const;
    void Move(int step);
    void Select(SpeedButton* button);
    void ShowFocus();

    ContainerControl& host_;
};

// A group box whose buttons are one group (the main window's currency columns).
class ButtonGroupBox : public GroupBox {
  public:
    bool Create(const GroupBoxParams& params);
    SpeedButton* Current() const { return keys_.Current(); }

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    ButtonGroupKeys keys_{*this};
};

struct ButtonColumnParams {
    WIN_CONTROL_PARAMS
    std::string caption{};  // names the group; not drawn
};

// A group without a frame or a caption of its own (a column of an options page): what its
// parent paints under it shows through.
class ButtonColumn : public ContainerControl {
  public:
    bool Create(const ButtonColumnParams& params);
    SpeedButton* Current() const { return keys_.Current(); }

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void PaintContainer(HDC dc) override;

  private:
    ButtonGroupKeys keys_{*this};
};

}  // namespace win
