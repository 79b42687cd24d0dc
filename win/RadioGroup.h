// A group box of radio buttons, one per item, spread evenly over its height (and columns).
// The items can be replaced at any time, as a language switch does.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/Panel.h"
#include "win/RadioButton.h"

namespace win {

struct RadioGroupParams {
    WIN_CONTROL_PARAMS
    std::string caption{};
    std::vector<std::string> items{};
    int itemIndex = -1;
    int columns = 1;
};

class RadioGroup : public GroupBox {
  public:
    bool Create(const RadioGroupParams& params);

    // Replaces the items, reusing their windows; afterwards no item is selected.
    void SetItems(const std::vector<std::string>& items);
    int ItemCount() const { return static_cast<int>(buttons_.size()); }
    std::string ItemText(int index) const;
    RadioButton* Item(int index) const;

    // -1 when no item is selected. Code selecting an item runs no OnClick.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The user chose another item (by mouse, arrow keys or access key).
    std::function<void()> OnClick;

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

  private:
    void Arrange();
    std::vector<std::unique_ptr<RadioButton>> buttons_;
    int columns_ = 1;
};

}  // namespace win
