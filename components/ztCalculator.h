// TztCalculator: a pocket calculator offered as a modal dialog. The owner puts a number into
// Value, calls Execute and, when it gives true, reads the number the user left back from Value.
// Each call creates a fresh window (TztFormCalculator) and destroys it afterwards; only the
// memory lives on between calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/AmountFormat.h"
#include "util/zt_Misc.h"

namespace win {
class Form;
}

class TztCalculator {
  public:
    // owner: the window the dialog stays above (may be null). The separators and the currency
    // symbol start as the user's locale has them.
    explicit TztCalculator(win::Form* owner = nullptr);
    virtual ~TztCalculator() = default;
    TztCalculator(const TztCalculator&) = delete;
    TztCalculator& operator=(const TztCalculator&) = delete;

    bool BeepOnError = true;             // beep on errors and refused keys
    bool Ctl3D = true;                   // the 3-D look of the window's panels
    std::uint8_t Precision = 15;         // digits shown and typed; below 2 acts as 2
    long double Value = 0;               // the number in and out of the dialog
    bool EnterEscapeClosesForm = false;  // Enter also acts as OK, Esc as Cancel
    TztLanguage Language = lgNederlands;
    // Events, with the component as sender.
    std::function<void(TztCalculator& sender, char32_t& key)> OnCalcKey;  // may change the key
    std::function<void(TztCalculator& sender)> OnChange;         // after OK when Value changed
    std::function<void(TztCalculator& sender)> OnDisplayChange;  // a computed number is shown

    long double Memory = 0;  // the memory register, kept between calls

    Separators Seps;             // the decimal separator of display and keys
    std::string CurrencySymbol;  // removed from pasted text

    // Shows the calculator modally; true when the user closed it with OK.
    bool Execute();
    // Fires OnChange.
    virtual void Change();

    win::Form* Owner() const { return owner_; }

  private:
    win::Form* owner_ = nullptr;
};
