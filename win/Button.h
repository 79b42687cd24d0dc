// A push button (Delphi's TButton and TBitBtn): a real BUTTON window carrying its caption, with
// an optional picture left of the caption, and the default (Enter) and cancel (Esc) roles of a
// dialog.
#pragma once

#include <functional>

#include "util/ScalablePicture.h"
#include "win/Control.h"
#include "win/ImageList.h"

namespace win {

struct ButtonParams {
    WIN_CONTROL_PARAMS
    std::string caption{};    // "&OK": the letter after & is the access key
    ScalablePicture glyph{};  // drawn left of the caption, transparent in its bottom-left colour
    bool isDefault = false;   // Enter anywhere in the form clicks it
    bool isCancel = false;    // Esc anywhere in the form clicks it
    int modalResult = 0;      // after OnClick, a modal form ends with this result (when not 0)
    bool tabStop = true;
};

class Button : public Control {
  public:
    bool Create(const ButtonParams& params);

    const Picture& Glyph() const { return glyph_.Design(); }  // the 96-DPI picture
    void SetGlyph(const ScalablePicture& glyph);
    bool IsDefault() const { return isDefault_; }
    bool IsCancel() const { return isCancel_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // What a mouse click or the keyboard does: OnClick, then the modal result (if any) is
    // handed to the form. Does nothing while the button is disabled or hidden.
    void Click();
    std::function<void()> OnClick;

    // The enabled, visible default (or cancel) button of a form, or null.
    static Button* DefaultOf(const Form& form);
    static Button* CancelOf(const Form& form);

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    void DpiChanged() override;

  private:
    ScalablePicture glyph_;
    ImageList images_;
    bool isDefault_ = false;
    bool isCancel_ = false;
    int modalResult_ = 0;
};

}  // namespace win
