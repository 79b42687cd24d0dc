// The colour picker: a small focusable button showing a colour swatch and a drop-down arrow.
// A click, Space or Enter opens TztColorForm under it: twenty fixed colours, the current one
// in a preview square and a button for the system colour dialog. Choosing a different colour
// sets Color and runs OnChangeColor.
//
//   ztColorPickerEuro.Create({.parent = &GroupBox_Colors, .name = "ztColorPickerEuro",
//                             .x = 8, .y = 16, .color = Rec.KleurEuro, .flat = true});
//   ztColorPickerEuro.OnChangeColor = [this] { ... };
#pragma once

#include <functional>
#include <memory>

#include "components/ztColorPick.h"
#include "util/zt_Misc.h"
#include "win/Control.h"
#include "win/Form.h"

struct TztColorPickerParams {
    WIN_CONTROL_PARAMS  // width and height 0 give the picker's 42 x 21
        Colour color = 0;
    bool flat = false;  // a flat frame when not pressed
    TztLanguage language = lgNederlands;
    bool tabStop = true;
};

// The drop-down, created for each opening: borderless, on top, 78 x 120.
class TztColorForm : public win::Form {
  public:
    TztColorForm() = default;
    ~TztColorForm() override;

    // Creates it hidden with its top-left corner at the screen point, owned by owner.
    bool CreateDropDown(win::Form* owner, int left, int top);

    Colour CurrentColor = 0;  // the picker's colour when opened
    TztLanguage Language = lgNederlands;
    colorpick::HotCell HotCell() const { return hot_; }
    // A colour was chosen (from the grid, the preview or the colour dialog).
    std::function<void(Colour newColor)> OnSelectColor;

    void FormShow();
    // Hides the drop-down and gives the activation back to its owner.
    void CloseUp();

  protected:
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id) override;

  private:
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);
    // Arrows, Home, End, Enter, Space and Esc; false for any other key.
    bool KeyDown(WPARAM key);
    void Act(colorpick::DropDownAction action);
    void SetHot(colorpick::HotCell hot);
    void Select(Colour colour);

    win::Form* owner_ = nullptr;
    colorpick::HotCell hot_ = colorpick::kNoCell;
};

class TztColorPicker : public win::Control {
  public:
    TztColorPicker() = default;
    ~TztColorPicker() override;

    bool Create(const TztColorPickerParams& params);

    // Setting a different colour repaints; it runs no event.
    Colour Color() const { return color_; }
    void SetColor(Colour color);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // The language of the drop-down's other button.
    TztLanguage Language() const { return language_; }
    void SetLanguage(TztLanguage language) { language_ = language; }

    // The click action: opens a new drop-down under the picker, then runs OnClick.
    void OpenDropDown();
    // The drop-down's choice: a colour other than Color becomes Color and runs OnChangeColor.
    void ColorSelected(Colour newColor);
    // The drop-down of the latest opening (hidden once closed), or null.
    TztColorForm* DropDown() const { return dropDown_.get(); }
    // Whether the pressed look shows.
    bool PressedLook() const { return state_.PressedLook(); }

    std::function<void()> OnChangeColor;
    std::function<void()> OnClick;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

  protected:
    std::optional<LRESULT> WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool WantsKey(WPARAM vk) const override;

  private:
    void Changed();  // repaint after a change of the look
    void PointerAt(LPARAM lp);

    Colour color_ = 0;
    bool flat_ = false;
    TztLanguage language_ = lgNederlands;
    colorpick::PickerState state_;
    bool trackingLeave_ = false;
    // A closed drop-down is released at the next opening or with the picker.
    std::unique_ptr<TztColorForm> dropDown_;
};
