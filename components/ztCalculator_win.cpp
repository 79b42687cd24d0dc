#include "components/ztCalculator.h"

#include <algorithm>
#include <memory>

#include "components/ztFormCalculator.h"
#include "win/Locale.h"

TztCalculator::TztCalculator(win::Form* owner)
    : Seps(win::ReadUserSeparators()),
      CurrencySymbol(win::ReadUserCurrencySymbol()),
      owner_(owner) {}

void TztCalculator::Change() {
    if (OnChange) OnChange(*this);
}

bool TztCalculator::Execute() {
    // The window goes with the unique_ptr, also when an exception passes.
    auto form = std::make_unique<TztFormCalculator>(this, Language, Seps, CurrencySymbol);
    form->EnterEscapeClosesForm = EnterEscapeClosesForm;
    if (!form->CreateCalculator(owner_)) return false;
    form->SetCtl3D(Ctl3D);
    form->Engine.Memory = Memory;
    form->UpdateMemoryLabel();
    form->Engine.Precision = std::max<std::uint8_t>(2, Precision);
    form->Engine.BeepOnError = BeepOnError;
    if (Value != 0) {
        // The number is shown as a result: the first digit typed starts a new one. (A value
        // beyond the extended range shows the error instead.)
        form->SetDisplay(Value);
        form->Engine.Operator = U'=';
    }
    if (form->ShowModal() != win::mrOk) return false;
    Memory = form->Engine.Memory;
    const long double shown = form->GetDisplay();
    if (shown != Value) {
        Value = shown;
        Change();
    }
    return true;
}
