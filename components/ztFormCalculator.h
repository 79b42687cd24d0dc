// The calculator window: display, operator and memory indicator, 28 buttons and a menu with
// copy and paste. The keys go to the engine; the window shows what it holds.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "components/ztCalculator.h"
#include "components/ztCalculatorEngine.h"
#include "win/Form.h"
#include "win/ImageList.h"
#include "win/Label.h"
#include "win/Panel.h"
#include "win/PopupMenu.h"
#include "win/SpeedButton.h"

class TztFormCalculator : public win::Form {
  public:
    // calculator: the component whose events the window fires; null for none.
    TztFormCalculator(TztCalculator* calculator, TztLanguage language, Separators seps,
                      std::string currencySymbol);
    ~TztFormCalculator() override;

    // Creates the window hidden, above owner (may be null); FormCreate runs inside.
    bool CreateCalculator(win::Form* owner);

    CalcEngine Engine;  // Status, Operator, Operand, Memory, Precision, BeepOnError
    bool EnterEscapeClosesForm = false;
    TztLanguage Language = lgNederlands;
    // Switches the 3-D look: lowered bevels on, none off.
    void SetCtl3D(bool on);
    // Replaces the system beep, for tests.
    std::function<void()> OnBeep;

    // Handlers.
    void FormCreate();
    void FormKeyPress(wchar_t& key);
    void NumButtonClick(win::SpeedButton& sender) {
        CalcKey(static_cast<char32_t>(U'0' + sender.Tag));
    }
    void ButtonPntClick() { CalcKey(Engine.DecimalKey()); }
    void ButtonDivClick() { CalcKey(U'/'); }
    void ButtonMulClick() { CalcKey(U'*'); }
    void ButtonSubClick() { CalcKey(U'-'); }
    void ButtonAddClick() { CalcKey(U'+'); }
    void ButtonResultClick() { CalcKey(U'='); }
    void ButtonCClick() { CalcKey(U'C'); }
    void ButtonBackClick() { CalcKey(kKeyBackspace); }
    void ButtonPMClick() { CalcKey(U'_'); }
    void ButtonPercentClick() { CalcKey(U'%'); }
    void ButtonRevClick() { CalcKey(U'R'); }
    void ButtonSqrtClick() { CalcKey(U'Q'); }
    void ButtonMCClick();
    void ButtonMRClick();
    void ButtonMSClick();
    void ButtonMPClick();
    void OkButtonClick();
    void CancelButtonClick();
    void CopyItemClick();
    void PasteItemClick();
    void PopupMenuPopup();

    // Routines.
    void CalcKey(char32_t key);
    void SetDisplay(long double value);
    long double GetDisplay() const { return Engine.GetDisplay(); }
    void UpdateMemoryLabel();
    // The button on MainPanel that a typed character presses, or null.
    win::SpeedButton* FindButton(char32_t key);

    // Controls.
    win::Panel MainPanel, DisplayPanel, LabelPanel, MemoryPanel;
    win::Label DisplayLabel, LabelOperator, MemoryLabel;
    win::SpeedButton OkButton, CancelButton, ButtonBack, ButtonC;
    win::SpeedButton ButtonMC, ButtonMR, ButtonMS, ButtonMP;
    std::array<win::SpeedButton, 10> Button;  // Button0 .. Button9
    win::SpeedButton ButtonDiv, ButtonMul, ButtonSub, ButtonAdd, ButtonResult;
    win::SpeedButton ButtonSqrt, ButtonPercent, ButtonRev, ButtonPM, ButtonPnt;
    win::ImageList MenuImages;
    win::PopupMenu PopupMenu;
    win::MenuItem CopyItem, PasteItem;

  protected:
    void CreateControls() override;

  private:
    void CreateButtons();
    void ShowState();  // the display, operator and memory indicator as the engine has them

    TztCalculator* calculator_ = nullptr;
    std::string currencySymbol_;
    bool ctl3D_ = true;
};
