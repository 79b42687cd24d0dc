// A single-line edit box.
#pragma once

#include <functional>

#include "win/Control.h"

namespace win {

enum class TextAlign { Left, Centre, Right };

struct EditParams {
    WIN_CONTROL_PARAMS
    std::string text{};
    bool readOnly = false;
    TextAlign alignment = TextAlign::Left;
    bool border = true;
    int maxLength = 0;  // 0: no limit of ours
    // Selects the whole text whenever the box gets the focus other than by a mouse click, as
    // a dialog's box tabbed into does, so typing replaces it.
    bool autoSelect = false;
};

class Edit : public Control {
  public:
    bool Create(const EditParams& params);

    // Setting a different text runs OnChange at once, inside this call, as Windows does for
    // WM_SETTEXT (EN_CHANGE is sent, not posted), and exactly once; the same text changes
    // nothing and runs nothing. The caret goes to the start.
    void SetText(std::string_view text) override;

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    // Caret and selection in UTF-16 positions, as the box counts them.
    int SelStart() const;
    int SelLength() const;
    void SetSel(int start, int length);
    void SelectAll();
    void SetCaret(int position) { SetSel(position, 0); }

    void CopyToClipboard();
    void PasteFromClipboard();

    std::function<void()> OnChange;  // text changed, by the user or by SetText
    bool AutoSelect = false;
    std::function<void()> OnEnter;  // got the focus (after AutoSelect's selection)
    std::function<void()> OnExit;   // lost the focus
    // Every typed character (after the form's key preview); set key to 0 to swallow it.
    // Enter (13) arrives here too, even inside the dialog navigation of the message loop.
    std::function<void(wchar_t& key)> OnKeyPress;

  protected:
    std::optional<LRESULT> ReflectCommand(int id, int code) override;
    HBRUSH ReflectCtlColor(HDC dc) override;
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool WantsKey(WPARAM vk) const override;

  private:
    bool settingText_ = false;
    bool mouseDown_ = false;  // a mouse button is going down on the box
};

}  // namespace win
