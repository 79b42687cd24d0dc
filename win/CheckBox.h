// A check box: a real BUTTON window carrying its caption ("&Vlag": the letter after & is the
// access key). The mouse, the space bar and the access key toggle it and run OnClick.
#pragma once

#include <functional>

#include "win/Control.h"

namespace win {

struct CheckBoxParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
    bool checked = false;
    bool tabStop = true;
    bool wordWrap = false;  // a caption longer than the box goes on over more lines
    // Only the box shows, in a window too narrow for the caption, which names it for screen
    // readers; the focus mark goes round the box.
    bool boxOnly = false;
};

class CheckBox : public Control {
  public:
    bool Create(const CheckBoxParams& params);

    bool Checked() const;
    // Code setting the state runs no OnClick; only the user's toggles do.
    void SetChecked(bool checked);
    // What the user's click does: toggles, then OnClick.
    void Click();
    std::function<void()> OnClick;
    bool BoxOnly() const { return boxOnly_; }

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    bool boxOnly_ = false;
};

}  // namespace win
