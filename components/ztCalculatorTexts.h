// The calculator's texts per language.
#pragma once

#include "util/zt_Misc.h"

struct CalculatorTexts {
    const char* caption;
    const char* copy;   // CopyItem
    const char* paste;  // PasteItem
    const char* error;  // the display in the error state
    // Names of the picture-only buttons, for screen readers (never drawn).
    const char* ok;
    const char* cancel;
    const char* backspace;
};

// German and Spanish get the English texts; an unknown language too.
const CalculatorTexts& CalcTexts(TztLanguage language);
