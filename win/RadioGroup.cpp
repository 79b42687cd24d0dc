#include "win/RadioGroup.h"

#include <algorithm>

#include "win/Gdi.h"

namespace win {

bool RadioGroup::Create(const RadioGroupParams& params) {
    columns_ = std::max(1, params.columns);
    if (!CreateContainer(CommonParams(params), 0, 0, params.caption)) return false;
    SetItems(params.items);
    SetItemIndex(params.itemIndex);
    return true;
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
    if (!Exists()) return;
    // Windows that stay keep their place; only a changed count is laid out again.
    const bool sameCount = buttons_.size() == items.size();
    if (buttons_.size() > items.size()) buttons_.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == buttons_.size()) {
            auto button = std::make_unique<RadioButton>();
            if (!button->Create({.parent = this, .tag = static_cast<int>(i)})) return;
            RadioButton* self = button.get();
            button->OnClick = [this, self] {
                if (self->Checked() && OnClick) OnClick();
            };
            buttons_.push_back(std::move(button));
        }
        if (buttons_[i]->Text() != items[i]) buttons_[i]->SetText(items[i]);
        buttons_[i]->SetChecked(false);
    }
    if (!sameCount) Arrange();
}

std::string RadioGroup::ItemText(int index) const {
    const RadioButton* b = Item(index);
    return b ? b->Text() : std::string();
}

RadioButton* RadioGroup::Item(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    return buttons_[static_cast<std::size_t>(index)].get();
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < ItemCount(); ++i) {
        if (buttons_[static_cast<std::size_t>(i)]->Checked()) return i;
    }
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    if (RadioButton* b = Item(index)) {
        b->SetChecked(true);
    } else {
        for (auto& button : buttons_) button->SetChecked(false);
    }
}

void RadioGroup::Arrange() {
    if (buttons_.empty()) return;
    WindowDc screen(Handle());
    int textHeight = Scaled(13);
    if (screen) {
        SelectGuard font(screen.Get(), DrawFont());
        TEXTMETRICW metrics{};
        if (::GetTextMetricsW(screen.Get(), &metrics)) textHeight = metrics.tmHeight;
    }
    // In pixels: below the caption the height is shared evenly by the rows, the width by the
    // columns.
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int count = ItemCount();
    const int perColumn = (count + columns_ - 1) / columns_;
    const int columnWidth = (client.right - Scaled(10)) / columns_;
    const int free = client.bottom - textHeight - Scaled(5);
    const int rowHeight = std::max(1, free / perColumn);
    const int topMargin = textHeight + Scaled(1) + (free % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        const int left = Scaled(8) + (i / perColumn) * columnWidth;
        const int top = topMargin + (i % perColumn) * rowHeight;
        buttons_[static_cast<std::size_t>(i)]->SetPixelBounds(
            {left, top, left + columnWidth - Scaled(4), top + rowHeight});
    }
}

void RadioGroup::DpiChanged() {
    Arrange();
}

std::optional<LRESULT> RadioGroup::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE) Arrange();
    return GroupBox::WindowMessage(msg, wp, lp);
}

}  // namespace win
