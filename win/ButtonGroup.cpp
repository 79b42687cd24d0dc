#include "win/ButtonGroup.h"

#include "win/Form.h"

namespace win {

// ---- ButtonGroupKeys

std::vector<SpeedButton*> ButtonGroupKeys::Buttons() const {
    std::vector<SpeedButton*> buttons;
    const Form* form = host_.OwnerForm();
    if (!form) return buttons;
    for (Control* c : form->Controls()) {
        auto* b = dynamic_cast<SpeedButton*>(c);
        if (b && b->Parent() == &host_ && b->Visible() && b->Enabled()) buttons.push_back(b);
    }
    return buttons;
}

SpeedButton* ButtonGroupKeys::Current() const {
    const std::vector<SpeedButton*> buttons = Buttons();
    for (SpeedButton* b : buttons) {
        if (b->Down()) return b;
    }
    return buttons.empty() ? nullptr : buttons.front();
}

void ButtonGroupKeys::ShowFocus() {
    const Form* form = host_.OwnerForm();
    if (!form) return;
    const bool focused = host_.Handle() && ::GetFocus() == host_.Handle();
    SpeedButton* current = focused ? Current() : nullptr;
    for (Control* c : form->Controls()) {
        auto* b = dynamic_cast<SpeedButton*>(c);
        if (b && b->Parent() == &host_) b->SetFocusShown(b == current);
    }
}

void ButtonGroupKeys::Select(SpeedButton* button) {
    if (!button || button->Down()) return;
    button->Click();
    ShowFocus();
}

void ButtonGroupKeys::Move(int step) {
    const std::vector<SpeedButton*> buttons = Buttons();
    if (buttons.empty()) return;
    const int count = static_cast<int>(buttons.size());
    int at = -1;
    for (int i = 0; i < count; ++i) {
        if (buttons[static_cast<std::size_t>(i)]->Down()) at = i;
    }
    const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    Select(buttons[static_cast<std::size_t>(next)]);
}

std::optional<LRESULT> ButtonGroupKeys::Message(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_KEYDOWN: {
            const std::vector<SpeedButton*> buttons = Buttons();
            switch (wp) {
                case VK_UP:
                case VK_LEFT:
                    Move(-1);
                    return 0;
                case VK_DOWN:
                case VK_RIGHT:
                    Move(1);
                    return 0;
                case VK_HOME:
                    if (!buttons.empty()) Select(buttons.front());
                    return 0;
                case VK_END:
                    if (!buttons.empty()) Select(buttons.back());
                    return 0;
                case VK_SPACE:
                    Select(Current());
                    return 0;
                default:
                    return std::nullopt;
            }
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_PAINT:  // a selection made by the mouse moves the rectangle with it
            ShowFocus();
            return std::nullopt;
        case WM_UPDATEUISTATE:
            host_.Invalidate();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

// ---- ButtonGroupBox

// A tab stop itself, not a container Tab walks into: it holds no windows.
bool ButtonGroupBox::Create(const GroupBoxParams& params) {
    return CreateContainer(CommonParams(params), WS_TABSTOP, 0, params.caption, false);
}

std::optional<LRESULT> ButtonGroupBox::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (auto handled = keys_.Message(msg, wp, lp)) return handled;
    return GroupBox::WindowMessage(msg, wp, lp);
}

// ---- ButtonColumn

bool ButtonColumn::Create(const ButtonColumnParams& params) {
    return CreateContainer(CommonParams(params), WS_TABSTOP, 0, params.caption, false);
}

void ButtonColumn::PaintContainer(HDC dc) {
    PaintParentBackground(dc);
}

std::optional<LRESULT> ButtonColumn::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (auto handled = keys_.Message(msg, wp, lp)) return handled;
    return ContainerControl::WindowMessage(msg, wp, lp);
}

}  // namespace win
