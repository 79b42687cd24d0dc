#include "components/ztFormCalculator.h"

#include <windows.h>

#include <optional>

#include "components/ztCalculatorArt.h"
#include "components/ztCalculatorTexts.h"
#include "win/Clipboard.h"

namespace {

// Layout, in the window's pixels.
constexpr int kClientWidth = 246;
constexpr int kClientHeight = 187;
constexpr int kButtonWidth = 36;
constexpr int kButtonHeight = 26;
constexpr int kColumn[] = {6, 48, 86, 124, 166, 204};
constexpr int kRow[] = {34, 67, 96, 125, 154};
constexpr int kNoKeyTag = -1;  // memory buttons, OK and Cancel: no key presses them

const Colour kBlack = MakeColour(0, 0, 0);
const Colour kNavy = MakeColour(0, 0, 0x80);
const Colour kMaroon = MakeColour(0x80, 0, 0);
const Colour kPurple = MakeColour(0x80, 0, 0x80);

// Every button but the digits: its field, name, tag, column and row, caption (for picture
// buttons only the window text, which screen readers read), picture, colour and handler.
struct ButtonDef {
    win::SpeedButton TztFormCalculator::*button;
    const char* name;
    int tag;
    int column;
    int row;
    const char* caption;
    std::optional<CalcPicture> picture;
    Colour colour;
    void (TztFormCalculator::*click)();
};

using F = TztFormCalculator;
const ButtonDef kButtons[] = {
    {&F::OkButton, "OkButton", kNoKeyTag, 1, 0, "OK", CalcPicture::Ok, kBlack, &F::OkButtonClick},
    {&F::CancelButton, "CancelButton", kNoKeyTag, 2, 0, "Cancel", CalcPicture::Cancel, kBlack,
     &F::CancelButtonClick},
    {&F::ButtonBack, "ButtonBack", 20, 4, 0, "Backspace", CalcPicture::Back, kMaroon,
     &F::ButtonBackClick},
    {&F::ButtonC, "ButtonC", 21, 5, 0, "C", std::nullopt, kMaroon, &F::ButtonCClick},
    {&F::ButtonMC, "ButtonMC", kNoKeyTag, 0, 1, "MC", std::nullopt, kNavy, &F::ButtonMCClick},
    {&F::ButtonMR, "ButtonMR", kNoKeyTag, 0, 2, "MR", std::nullopt, kNavy, &F::ButtonMRClick},
    {&F::ButtonMS, "ButtonMS", kNoKeyTag, 0, 3, "MS", std::nullopt, kNavy, &F::ButtonMSClick},
    {&F::ButtonMP, "ButtonMP", kNoKeyTag, 0, 4, "M+", std::nullopt, kNavy, &F::ButtonMPClick},
    {&F::ButtonDiv, "ButtonDiv", 12, 4, 1, "/", std::nullopt, kPurple, &F::ButtonDivClick},
    {&F::ButtonMul, "ButtonMul", 13, 4, 2, "\u00D7", CalcPicture::Mul, kPurple, &F::ButtonMulClick},
    {&F::ButtonSub, "ButtonSub", 14, 4, 3, "\u2212", CalcPicture::Sub, kPurple, &F::ButtonSubClick},
    {&F::ButtonAdd, "ButtonAdd", 15, 4, 4, "+", CalcPicture::Add, kPurple, &F::ButtonAddClick},
    {&F::ButtonSqrt, "ButtonSqrt", 16, 5, 1, "\u221A", CalcPicture::Sqrt, kNavy,
     &F::ButtonSqrtClick},
    {&F::ButtonPercent, "ButtonPercent", 17, 5, 2, "%", std::nullopt, kNavy,
     &F::ButtonPercentClick},
    {&F::ButtonRev, "ButtonRev", 18, 5, 3, "1/x", CalcPicture::Rev, kNavy, &F::ButtonRevClick},
    {&F::ButtonResult, "ButtonResult", 19, 5, 4, "=", std::nullopt, kPurple, &F::ButtonResultClick},
    {&F::ButtonPM, "ButtonPM", 10, 2, 4, "\u00B1", CalcPicture::PlusMinus, kBlack,
     &F::ButtonPMClick},
    {&F::ButtonPnt, "ButtonPnt", 11, 3, 4, ",", std::nullopt, kBlack, &F::ButtonPntClick},
};

// Column and row of Button0 .. Button9.
constexpr int kDigitPlace[10][2] = {{1, 4}, {1, 3}, {2, 3}, {3, 3}, {1, 2},
                                    {2, 2}, {3, 2}, {1, 1}, {2, 1}, {3, 1}};

}  // namespace

TztFormCalculator::TztFormCalculator(TztCalculator* calculator, TztLanguage language,
                                     Separators seps, std::string currencySymbol)
    : Engine(std::move(seps)),
      Language(language),
      calculator_(calculator),
      currencySymbol_(std::move(currencySymbol)) {
    Engine.OnBeep = [this] {
        if (OnBeep) {
            OnBeep();
        } else {
            ::MessageBeep(0);
        }
    };
    Engine.OnCopy = [this] { CopyItemClick(); };
    Engine.OnPaste = [this] { PasteItemClick(); };
    // The component's events fire only when a component owns the window.
    if (calculator_) {
        Engine.OnCalcKey = [this](char32_t& key) {
            if (calculator_->OnCalcKey) calculator_->OnCalcKey(*calculator_, key);
        };
        Engine.OnDisplayChange = [this] {
            if (calculator_->OnDisplayChange) calculator_->OnDisplayChange(*calculator_);
        };
    }
}

TztFormCalculator::~TztFormCalculator() {
    Destroy();
}

bool TztFormCalculator::CreateCalculator(win::Form* owner) {
    OnCreate = [this] { FormCreate(); };
    OnKeyPress = [this](wchar_t& key) { FormKeyPress(key); };
    return Create({.caption = "Calculator",
                   .clientWidth = kClientWidth,
                   .clientHeight = kClientHeight,
                   .border = win::BorderKind::ToolWindow,
                   .owner = owner,
                   .keyPreview = true,
                   .name = "ztFormCalculator"});
}

void TztFormCalculator::CreateControls() {
    MenuImages.Create(kCalcPictureSize, kCalcPictureSize);
    const int copyImage = MenuImages.Add(Drawn(CalcPictureOf, CalcPicture::Copy), kCalcPictureKey);
    const int pasteImage =
        MenuImages.Add(Drawn(CalcPictureOf, CalcPicture::Paste), kCalcPictureKey);
    PopupMenu.Create(this, &MenuImages);
    CopyItem = PopupMenu.Add({.name = "CopyItem",
                              .caption = "&Copy",
                              .image = copyImage,
                              .onClick = [this] { CopyItemClick(); },
                              .shortcut = "Ctrl+C"});
    PasteItem = PopupMenu.Add({.name = "PasteItem",
                               .caption = "&Paste",
                               .image = pasteImage,
                               .onClick = [this] { PasteItemClick(); },
                               .shortcut = "Ctrl+V"});
    PopupMenu.OnPopup = [this] { PopupMenuPopup(); };

    MainPanel.Create({.parent = this,
                      .name = "MainPanel",
                      .align = win::Align::Client,
                      .font = win::FontSpec{.bold = true},
                      .textColour = kBlack,
                      .popupMenu = &PopupMenu,
                      .bevelOuter = win::BevelKind::None});
    DisplayPanel.Create({.parent = &MainPanel,
                         .name = "DisplayPanel",
                         .x = 6,
                         .y = 6,
                         .width = 195,
                         .height = 23,
                         .colour = win::clWindow,
                         .bevelOuter = win::BevelKind::Lowered});
    LabelPanel.Create({.parent = &DisplayPanel,
                       .name = "LabelPanel",
                       .x = 1,
                       .y = 1,
                       .width = 193,
                       .height = 21,
                       .bevelOuter = win::BevelKind::None});
    DisplayLabel.Create({.parent = &LabelPanel,
                         .name = "DisplayLabel",
                         .x = 7,
                         .y = 3,
                         .width = 180,
                         .height = 15,
                         .textColour = kBlack,
                         .text = "0",
                         .alignment = win::TextAlign::Right});
    LabelOperator.Create({.parent = &MainPanel,
                          .name = "LabelOperator",
                          .x = 208,
                          .y = 7,
                          .width = 31,
                          .height = 17,
                          .font = win::FontSpec{.height = -16, .bold = true},
                          .textColour = kBlack});
    MemoryPanel.Create({.parent = &MainPanel,
                        .name = "MemoryPanel",
                        .x = 7,
                        .y = 35,
                        .width = 34,
                        .height = 24,
                        .bevelOuter = win::BevelKind::None,
                        .bevelInner = win::BevelKind::Lowered});
    MemoryLabel.Create({.parent = &MemoryPanel,
                        .name = "MemoryLabel",
                        .x = 4,
                        .y = 4,
                        .width = 26,
                        .height = 16,
                        .font = win::FontSpec{},
                        .textColour = kBlack,
                        .alignment = win::TextAlign::Centre});
    CreateButtons();
}

void TztFormCalculator::CreateButtons() {
    // OK and Cancel are the window's tab stops (Space presses them); every other button has
    // its key.
    auto place = [this](win::SpeedButton& button, const std::string& name, int tag, int column,
                        int row, const char* caption, const ScalablePicture& glyph, Colour colour) {
        const bool tabStop = &button == &OkButton || &button == &CancelButton;
        button.Create({.parent = &MainPanel,
                       .name = name,
                       .x = kColumn[column],
                       .y = kRow[row],
                       .width = kButtonWidth,
                       .height = kButtonHeight,
                       .tag = tag,
                       .textColour = colour,
                       .caption = caption,
                       .glyph = glyph,
                       .flat = false,
                       .showCaption = glyph.Empty(),
                       .tabStop = tabStop});
    };
    for (const ButtonDef& def : kButtons) {
        win::SpeedButton& button = this->*def.button;
        place(button, def.name, def.tag, def.column, def.row, def.caption,
              def.picture ? Drawn(CalcPictureOf, *def.picture) : ScalablePicture(), def.colour);
        button.OnClick = [this, click = def.click] { (this->*click)(); };
    }
    for (int digit = 0; digit <= 9; ++digit) {
        win::SpeedButton& button = Button[static_cast<std::size_t>(digit)];
        const std::string text = std::to_string(digit);
        place(button, "Button" + text, digit, kDigitPlace[digit][0], kDigitPlace[digit][1],
              text.c_str(), ScalablePicture(), kBlack);
        button.OnClick = [this, &button] { NumButtonClick(button); };
    }
}

void TztFormCalculator::FormCreate() {
    Engine.Memory = 0;
    Engine.Precision = 15;
    Engine.BeepOnError = true;
    const CalculatorTexts& texts = CalcTexts(Language);
    SetCaption(texts.caption);
    CopyItem.SetCaption(texts.copy);
    PasteItem.SetCaption(texts.paste);
    Engine.ErrorText = texts.error;
    OkButton.SetText(texts.ok);
    CancelButton.SetText(texts.cancel);
    ButtonBack.SetText(texts.backspace);
}

void TztFormCalculator::SetCtl3D(bool on) {
    if (on == ctl3D_) return;
    ctl3D_ = on;
    const win::BevelKind bevel = on ? win::BevelKind::Lowered : win::BevelKind::None;
    MemoryPanel.SetBevel(win::BevelKind::None, bevel, 1);
    DisplayPanel.SetBevel(bevel, win::BevelKind::None, 1);
    MainPanel.SetBevel(bevel, win::BevelKind::None, 1);
}

void TztFormCalculator::ShowState() {
    DisplayLabel.SetText(Engine.Display());
    LabelOperator.SetText(Engine.OperatorText());
    UpdateMemoryLabel();
}

void TztFormCalculator::CalcKey(char32_t key) {
    Engine.CalcKey(key);
    ShowState();
}

void TztFormCalculator::SetDisplay(long double value) {
    Engine.SetDisplay(value);
    ShowState();
}

void TztFormCalculator::UpdateMemoryLabel() {
    MemoryLabel.SetText(Engine.MemoryText());
}

void TztFormCalculator::ButtonMCClick() {
    Engine.MemoryClear();
    ShowState();
}

void TztFormCalculator::ButtonMRClick() {
    Engine.MemoryRecall();
    ShowState();
}

void TztFormCalculator::ButtonMSClick() {
    Engine.MemoryStore();
    ShowState();
}

void TztFormCalculator::ButtonMPClick() {
    Engine.MemoryAdd();
    ShowState();
}

void TztFormCalculator::OkButtonClick() {
    const bool accepted = Engine.Accept();
    ShowState();
    if (accepted) SetModalResult(win::mrOk);
}

void TztFormCalculator::CancelButtonClick() {
    SetModalResult(win::mrCancel);
}

void TztFormCalculator::CopyItemClick() {
    win::clipboard::WriteText(Engine.Display());
}

void TztFormCalculator::PasteItemClick() {
    const std::optional<std::string> text = win::clipboard::ReadText();
    if (!text) return;
    Engine.Paste(*text, currencySymbol_);
    ShowState();
}

void TztFormCalculator::PopupMenuPopup() {
    PasteItem.SetEnabled(win::clipboard::HasText());
}

win::SpeedButton* TztFormCalculator::FindButton(char32_t key) {
    const int tag = ButtonTagForKey(key, Engine.Seps().decimal);
    if (tag < 0) return nullptr;
    for (win::Control* control : Controls()) {
        auto* button = dynamic_cast<win::SpeedButton*>(control);
        if (button && button->Parent() == &MainPanel && button->Tag == tag) return button;
    }
    return nullptr;
}

void TztFormCalculator::FormKeyPress(wchar_t& key) {
    const char32_t typed = key;
    key = 0;
    if (EnterEscapeClosesForm) {
        if (typed == kKeyEnter) OkButtonClick();
        if (typed == kKeyEscape) CancelButtonClick();
    }
    if (win::SpeedButton* button = FindButton(typed)) {
        button->Click();
    } else {
        CalcKey(typed);
    }
}
