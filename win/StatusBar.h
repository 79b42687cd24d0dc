// A status bar with one simple panel along the bottom of its form.
#pragma once

#include "win/Control.h"

namespace win {

struct StatusBarParams {
    WIN_CONTROL_PARAMS
    bool sizeGrip = true;
};

class StatusBar : public Control {
  public:
    // Placed at the bottom whatever the creation struct says; its height is the control's own.
    bool Create(const StatusBarParams& params);
    // The simple panel's text (the bar keeps no window text).
    std::string Text() const;
    void SetText(std::string_view text) override;

  private:
    std::wstring text_;
};

}  // namespace win
