// The calculator window driven by real messages: typed characters and keys posted to it, button
// clicks, the close box; the component's Execute with its events.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "components/ztCalculator.h"
#include "components/ztFormCalculator.h"
#include "native/locales.h"
#include "ui/Main_win.h"
#include "ui/Options_win.h"
#include "win/Application.h"
#include "win/Clipboard.h"
#include "wine/graphic_mouse.h"
#include "wine/keys.h"

namespace {

using testkeys::Pump;

void Type(const win::Form& form, std::wstring_view text) {
    for (wchar_t c : text) PostMessageW(form.Handle(), WM_CHAR, c, 0);
}

// A key as the keyboard sends it; the message loop turns it into its character.
void PressKey(const win::Form& form, UINT vk) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(form.Handle(), WM_KEYDOWN, vk, scan | 1);
    PostMessageW(form.Handle(), WM_KEYUP, vk, scan | 0xC0000001);
}

void Click(const win::SpeedButton& button) {
    graphicmouse::PostClick(button);
}

TztFormCalculator* ShownCalculator() {
    TztFormCalculator* found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            auto* form = dynamic_cast<TztFormCalculator*>(win::Form::FromHandle(window));
            if (!form || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<TztFormCalculator**>(result) = form;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs steps against the calculator once Execute shows it, each after the messages that the
// steps before it posted have been handled (a timer fires only when the queue is empty).
class Driver {
  public:
    using Step = std::function<void(TztFormCalculator&)>;
    explicit Driver(std::vector<Step> steps) : steps_(std::move(steps)) {
        current = this;
        timer_ = SetTimer(nullptr, 0, 1, &Driver::Tick);
    }
    ~Driver() {
        KillTimer(nullptr, timer_);
        current = nullptr;
    }
    bool Finished() const { return next_ == steps_.size(); }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current || current->Finished()) return;
        if (TztFormCalculator* form = ShownCalculator()) current->steps_[current->next_++](*form);
    }
    static inline Driver* current = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

class CalculatorTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat test"); }
    void SetUp() override {
        calc.Seps = kComma;
        calc.CurrencySymbol = "€";
        calc.OnChange = [this](TztCalculator& sender) {
            EXPECT_EQ(&sender, &calc);
            ++changes;
        };
    }

    // Execute with the steps; the first one routes the beeps to the counter.
    bool Execute(std::vector<Driver::Step> steps) {
        steps.insert(steps.begin(),
                     [this](TztFormCalculator& f) { f.OnBeep = [this] { ++beeps; }; });
        Driver driver(std::move(steps));
        const bool result = calc.Execute();
        EXPECT_TRUE(driver.Finished()) << "the window closed before every step ran";
        return result;
    }

    TztCalculator calc;
    int changes = 0;
    int beeps = 0;
};

// ---- keys and buttons, in a window shown without Execute

class CalculatorWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { win::Application::Initialize("Valomat test"); }
    void SetUp() override {
        ASSERT_TRUE(form.CreateCalculator(nullptr));
        form.OnBeep = [] {};
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }
    TztFormCalculator form{nullptr, lgEnglish, kComma, "€"};
};

TEST_F(CalculatorWindow, TypedKeysClickTheSameButtonsAsTheMouse) {
    std::vector<std::string> clicked;
    int buttons = 0;
    for (win::Control* control : form.Controls()) {
        auto* button = dynamic_cast<win::SpeedButton*>(control);
        if (!button) continue;
        ++buttons;
        button->OnClick = [&clicked, button, click = button->OnClick] {
            clicked.push_back(button->Name());
            click();
        };
    }
    EXPECT_EQ(buttons, 28);
    EXPECT_EQ(GetFocus(), form.Handle()) << "typed keys reach the window";

    struct Case {
        std::wstring chars;  // typed
        UINT key;            // or pressed
        const char* button;  // "" for none
    };
    const Case cases[] = {
        {L"0", 0, "Button0"},
        {L"5", 0, "Button5"},
        {L"9", 0, "Button9"},
        {L",", 0, "ButtonPnt"},
        {L".", 0, "ButtonPnt"},
        {L"_", 0, "ButtonPM"},
        {L"/", 0, "ButtonDiv"},
        {L"*", 0, "ButtonMul"},
        {L"-", 0, "ButtonSub"},
        {L"+", 0, "ButtonAdd"},
        {L"q", 0, "ButtonSqrt"},
        {L"Q", 0, "ButtonSqrt"},
        {L"%", 0, "ButtonPercent"},
        {L"r", 0, "ButtonRev"},
        {L"=", 0, "ButtonResult"},
        {L"", VK_RETURN, "ButtonResult"},
        {L"", VK_BACK, "ButtonBack"},
        {L"c", 0, "ButtonC"},
        {L"", VK_ESCAPE, "ButtonC"},
        {L"x", 0, ""},
        {L"\x03", 0, ""},
        {L"m", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        clicked.clear();
        if (c.key) {
            PressKey(form, c.key);
        } else {
            Type(form, c.chars);
        }
        Pump();
        EXPECT_EQ(clicked,
                  c.button[0] ? std::vector<std::string>{c.button} : std::vector<std::string>{});
    }

    // Mouse and keyboard lead to the same display.
    Type(form, L"c12*3=");
    Pump();
    const std::string typed = form.DisplayLabel.Text();
    for (const char* name :
         {"ButtonC", "Button1", "Button2", "ButtonMul", "Button3", "ButtonResult"}) {
        Click(*form.Find<win::SpeedButton>(name));
    }
    Pump();
    EXPECT_EQ(typed, "36");
    EXPECT_EQ(form.DisplayLabel.Text(), "36");
    EXPECT_EQ(form.LabelOperator.Text(), "=");
}

TEST_F(CalculatorWindow, MemoryIndicatorOperatorLabelAndErrorShowWhatTheEngineHolds) {
    Type(form, L"12");
    Click(form.ButtonMS);
    Type(form, L"+");
    Pump();
    EXPECT_EQ(form.MemoryLabel.Text(), "M");
    EXPECT_EQ(form.LabelOperator.Text(), "+");
    Click(form.ButtonMR);
    Type(form, L"3=");
    Pump();
    EXPECT_EQ(form.DisplayLabel.Text(), "135") << "12 + 123";
    Type(form, L"/0=");
    Click(form.ButtonMC);
    Pump();
    EXPECT_EQ(form.DisplayLabel.Text(), "Error");
    EXPECT_EQ(form.MemoryLabel.Text(), "") << "MC works in the error state";
}

TEST_F(CalculatorWindow, CopyAndPasteGoThroughTheClipboard) {
    Type(form, L"12,5\x03");  // Ctrl+C
    Pump();
    EXPECT_EQ(win::clipboard::ReadText(), "12,5");

    ASSERT_TRUE(win::clipboard::WriteText("€ 7,50"));
    Type(form, L"+\x16=");  // Ctrl+V while fresh: shown, but not yet an operand
    Pump();
    EXPECT_EQ(form.DisplayLabel.Text(), "7,5");
    form.PopupMenuPopup();
    EXPECT_TRUE(form.PasteItem.Enabled());

    ASSERT_TRUE(win::clipboard::WriteText("no number"));
    form.PasteItemClick();
    EXPECT_EQ(form.DisplayLabel.Text(), "0");
}

struct TextsCase {
    TztLanguage language;
    const char* caption;
    const char* copy;
    const char* paste;
    const char* error;
    const char* cancel;
};

TEST(CalculatorTexts, FollowTheLanguageAndEveryButtonHasAName) {
    win::Application::Initialize("Valomat test");
    const TextsCase cases[] = {
        {lgNederlands, "Rekenmachine", "Kopiëren", "Plakken", "Fout", "Annuleren"},
        {lgEnglish, "Calculator", "Copy", "Paste", "Error", "Cancel"},
        {lgFrancais, "Calculateur", "Copier", "Coller", "Erreur", "Annuler"},
        {lgDeutsch, "Calculator", "Copy", "Paste", "Error", "Cancel"},
        {lgEspagnol, "Calculator", "Copy", "Paste", "Error", "Cancel"},
    };
    for (const TextsCase& c : cases) {
        SCOPED_TRACE(c.caption);
        TztFormCalculator form(nullptr, c.language, kComma, "€");
        ASSERT_TRUE(form.CreateCalculator(nullptr));
        form.OnBeep = [] {};
        EXPECT_EQ(form.Caption(), c.caption);
        EXPECT_EQ(form.CopyItem.Caption(), c.copy);
        EXPECT_EQ(form.PasteItem.Caption(), c.paste);
        EXPECT_EQ(form.CancelButton.Text(), c.cancel);
        form.CalcKey(U'1');
        form.ButtonDivClick();
        form.CalcKey(U'0');
        form.ButtonResultClick();
        EXPECT_EQ(form.DisplayLabel.Text(), c.error);
        for (win::Control* control : form.Controls()) {
            if (dynamic_cast<win::SpeedButton*>(control)) {
                EXPECT_FALSE(control->Text().empty()) << control->Name();
            }
        }
    }
}

// ---- the component

TEST_F(CalculatorTest, CancelAndTheCloseBoxLeaveValueAndMemory) {
    calc.Value = 100;
    calc.Memory = 5;
    auto change = [](TztFormCalculator& f) {
        Type(f, L"9");
        Click(f.ButtonMS);
    };
    EXPECT_FALSE(Execute({change, [](TztFormCalculator& f) { Click(f.CancelButton); }}));
    EXPECT_FALSE(Execute({change, [](TztFormCalculator& f) {
                              PostMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                          }}));
    EXPECT_FALSE(Execute({change, [](TztFormCalculator& f) { PressKey(f, VK_ESCAPE); },
                          [](TztFormCalculator& f) {
                              EXPECT_TRUE(f.Visible()) << "Esc alone only clears";
                              Click(f.CancelButton);
                          }}));
    EXPECT_EQ(calc.Value, 100);
    EXPECT_EQ(calc.Memory, 5);
    EXPECT_EQ(changes, 0);
}

TEST_F(CalculatorTest, OkFiresOnChangeOnlyWhenTheNumberChanged) {
    calc.Value = 100;
    EXPECT_TRUE(Execute({[](TztFormCalculator& f) {
        EXPECT_EQ(f.DisplayLabel.Text(), "100");
        Click(f.OkButton);
    }}));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(calc.Value, 100);

    EXPECT_TRUE(Execute({[](TztFormCalculator& f) {
        Type(f, L"*3=");
        Click(f.ButtonMS);
        Click(f.OkButton);
    }}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(calc.Value, 300);
    EXPECT_EQ(calc.Memory, 300) << "OK takes the memory back";

    EXPECT_FALSE(Execute({[](TztFormCalculator& f) {
        EXPECT_EQ(f.MemoryLabel.Text(), "M") << "the memory lives on";
        Click(f.ButtonMR);
        Click(f.CancelButton);
    }}));
}

TEST_F(CalculatorTest, OkInTheErrorStateBeepsAndStaysOpen) {
    calc.Value = 7;
    EXPECT_TRUE(Execute({[](TztFormCalculator& f) {
                             Type(f, L"/0=");
                             Click(f.OkButton);
                         },
                         [this](TztFormCalculator& f) {
                             EXPECT_TRUE(f.Visible());
                             EXPECT_EQ(beeps, 2) << "the division and OK";
                             Type(f, L"c");
                             Click(f.OkButton);
                         }}));
    EXPECT_EQ(calc.Value, 0);
    EXPECT_EQ(changes, 1);

    calc.BeepOnError = false;
    beeps = 0;
    EXPECT_FALSE(Execute({[](TztFormCalculator& f) {
                              Type(f, L"/0=");
                              Click(f.OkButton);
                          },
                          [](TztFormCalculator& f) { Click(f.CancelButton); }}));
    EXPECT_EQ(beeps, 0);
}

TEST_F(CalculatorTest, EnterEscapeClosesForm) {
    calc.EnterEscapeClosesForm = true;
    EXPECT_TRUE(Execute({[](TztFormCalculator& f) {
        Type(f, L"12+3");
        PressKey(f, VK_RETURN);
    }}));
    EXPECT_EQ(calc.Value, 15) << "OK runs first, then the equals button";

    EXPECT_TRUE(Execute({[](TztFormCalculator& f) {
        Type(f, L"12+3");
        Click(f.OkButton);
    }}));
    EXPECT_EQ(calc.Value, 3);

    EXPECT_FALSE(Execute({[](TztFormCalculator& f) {
        Type(f, L"99");
        PressKey(f, VK_ESCAPE);
    }}));
    EXPECT_EQ(calc.Value, 3);
}

TEST_F(CalculatorTest, TheValueIsShownAsAResultAndTheEventsHaveTheComponentAsSender) {
    std::u32string keys;
    int displayChanges = 0;
    calc.OnCalcKey = [&](TztCalculator& sender, char32_t& key) {
        EXPECT_EQ(&sender, &calc);
        keys += key;
        if (key == U'9') key = U'8';
    };
    calc.OnDisplayChange = [&](TztCalculator& sender) {
        EXPECT_EQ(&sender, &calc);
        ++displayChanges;
    };
    calc.Value = 1234.5L;
    EXPECT_TRUE(Execute({[&](TztFormCalculator& f) {
        EXPECT_EQ(f.DisplayLabel.Text(), "1234,5");
        EXPECT_EQ(displayChanges, 1);
        Type(f, L"9");
        Click(f.ButtonMR);  // memory buttons pass no key
        Type(f, L"7");
        Click(f.OkButton);
    }}));
    EXPECT_EQ(keys, U"97");
    EXPECT_EQ(calc.Value, 7) << "the 8 started a new number, MR showed 0, then 7";
    EXPECT_EQ(displayChanges, 1) << "only the value shown at the start was computed";

    calc.Value = 0;
    keys.clear();
    EXPECT_FALSE(Execute({[](TztFormCalculator& f) {
        EXPECT_EQ(f.DisplayLabel.Text(), "0");
        EXPECT_EQ(f.Engine.Operator, kKeyNone);
        Click(f.CancelButton);
    }}));
}

// ---- the main window's calculator button

TEST(MainWindowCalculator, OpensWithTheAmountAndOkPutsTheNumberBackAndConverts) {
    win::Application::Initialize("Valomat");
    TForm_Main main(MainWindowEnvironment{.separators = kComma, .localeLanguage = lgFrancais});
    ASSERT_TRUE(main.CreateMain());
    // The language comes from the options dialog's language routine, as in the program.
    TForm_Opties options(main, nullptr);
    ASSERT_TRUE(options.CreateOpties());
    main.ApplyLanguage = [&options] { options.ApplyLanguage(); };
    main.Show();
    Pump();
    EXPECT_EQ(main.SpeedButtonCalculator.Text(), "Calculateur") << "its name for screen readers";
    auto open = [&main](std::vector<Driver::Step> steps) {
        Driver driver(std::move(steps));
        Click(main.SpeedButtonCalculator);
        Pump();
        EXPECT_TRUE(driver.Finished());
    };

    main.Edit_Van.SetText("12abc");
    open({[](TztFormCalculator& f) {
        EXPECT_EQ(f.Caption(), "Calculateur") << "the language of the main window";
        EXPECT_EQ(f.DisplayLabel.Text(), "0") << "an unreadable amount gives 0";
        Type(f, L"40");
        Click(f.OkButton);
    }});
    EXPECT_EQ(main.Edit_Van.Text(), "40");
    EXPECT_EQ(main.Edit_Naar.Text(), "0,99") << "40 BEF in euro, converted live";

    open({[](TztFormCalculator& f) {
        EXPECT_EQ(f.DisplayLabel.Text(), "40");
        Type(f, L"/3=");
        Click(f.OkButton);
    }});
    EXPECT_EQ(main.Edit_Van.Text(), "13,3333333333333") << "in the general number format";

    open({[](TztFormCalculator& f) {
        Type(f, L"7");
        Click(f.CancelButton);
    }});
    EXPECT_EQ(main.Edit_Van.Text(), "13,3333333333333");
}

}  // namespace
