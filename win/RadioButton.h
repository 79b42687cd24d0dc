// A radio button: a real BUTTON window carrying its caption. The radio buttons of one parent
// are one group: checking one clears the others. The arrow keys move the check inside the
// group as in any dialog, and Tab stops only at the checked one.
#pragma once

#include <functional>

#include "win/Control.h"

namespace win {

struct RadioButtonParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
    bool checked = false;
};

class RadioButton : public Control {
  public:
    bool Create(const RadioButtonParams& params);

    bool Checked() const;
    // Code checking it clears the others of the group and runs no OnClick.
    void SetChecked(bool checked);
    // What the user does (the mouse, the arrow keys, the access key): checks it and, when it
    // was not checked yet, runs OnClick.
    void Click();
    std::function<void()> OnClick;

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void UpdateTabStops();
};

}  // namespace win
