// A numeric spin edit: an edit box with an up-down buddy at its right edge (inside the given
// width). The arrows and the Up and Down keys step the value inside min..max; typed characters
// are limited to digits, signs and the locale's decimal separator (a text like "2,5" can still
// be typed and reads as the minimum). Leaving the box puts a number outside the range back
// inside it.
#pragma once

#include "win/Edit.h"

namespace win {

struct SpinEditParams {
    WIN_CONTROL_PARAMS
    int minValue = 0;
    int maxValue = 100;
    int value = 0;
};

class SpinEdit : public Edit {
  public:
    ~SpinEdit() override;
    bool Create(const SpinEditParams& params);

    // The text as a whole number clamped to the range; any other text gives the minimum.
    int Value() const;
    // Sets the text to the value clamped to the range (OnChange runs when the text changes).
    void SetValue(int value);
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    HWND UpDown() const { return upDown_; }

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

  private:
    bool AcceptsChar(wchar_t c) const;
    HWND upDown_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    std::wstring decimal_;
};

}  // namespace win
