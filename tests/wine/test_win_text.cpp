// UTF-8 and UTF-16 at the edge, the ANSI code page, the user's separators and timers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win/Application.h"
#include "win/Form.h"
#include "win/Locale.h"
#include "win/Text.h"
#include "win/Timer.h"

namespace {

struct Utf8Case {
    const char* what;
    std::string utf8;
    std::wstring utf16;
};

class TextRoundTrip : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(TextRoundTrip, WidensAndNarrowsBack) {
    EXPECT_EQ(win::Widen(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(win::Narrow(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextRoundTrip,
    ::testing::Values(Utf8Case{"empty", "", L""}, Utf8Case{"ascii", "VL100", L"VL100"},
                      Utf8Case{"euro", "€ 1,00", L"\u20AC 1,00"},
                      Utf8Case{"accents", "Kopiëren Préférences",
                               L"Kopi\u00EBren Pr\u00E9f\u00E9rences"},
                      Utf8Case{"surrogate pair", "\xF0\x9F\x92\xB6", L"\xD83D\xDCB6"},
                      Utf8Case{"embedded nul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const auto& testCase) {
        std::string name = testCase.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(WinText, InvalidInputBecomesReplacementCharactersNotAFailure) {
    // A lone continuation byte, a truncated sequence and an overlong encoding.
    EXPECT_EQ(win::Widen("a\x80"
                         "b"),
              L"a\uFFFDb");
    EXPECT_EQ(win::Widen("1\xE2\x82"), L"1\uFFFD");
    EXPECT_EQ(win::Widen("\xC0\xAF").find(L'/'), std::wstring::npos) << "overlong '/' rejected";
    EXPECT_EQ(win::Narrow(std::wstring(L"x\xD800y")), "x\xEF\xBF\xBDy") << "lone surrogate";
}

TEST(WinText, AnsiOnlyWhenEveryCharacterFitsExactly) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs code page 1252, have " << GetACP();
    EXPECT_EQ(win::ToAnsiExact("€ 1,00 ë ’"), "\x80 1,00 \xEB \x92");
    EXPECT_EQ(win::ToAnsiExact(""), "");
    // Best fit would give "zloty" and "?"; nothing is changed silently.
    EXPECT_EQ(win::ToAnsiExact("złoty"), std::nullopt);
    EXPECT_EQ(win::ToAnsiExact("1 \u20BD"), std::nullopt);
    EXPECT_EQ(win::ToAnsiExact("\u221E"), std::nullopt) << "infinity has a best fit of 8";
}

TEST(WinLocale, SeparatorsOfTheUserLocale) {
    const Separators seps = win::ReadUserSeparators();
    EXPECT_FALSE(seps.decimal.empty());
    EXPECT_NE(seps.decimal, seps.thousands);
    if (win::UserLcid() == 2067) {  // nl-BE, the default of the test runs
        EXPECT_EQ(seps.decimal, ",");
        EXPECT_EQ(seps.thousands, ".");
        EXPECT_EQ(win::ReadUserCurrencySymbol(), "€");
    }
}

TEST(WinTimer, TicksOnlyWhileEnabledAndDiesWithItsForm) {
    ASSERT_TRUE(win::Application::Initialize("Valomat test"));
    int ticks = 0;
    win::Timer timer;
    {
        win::Form form;
        ASSERT_TRUE(form.Create({.caption = "timer"}));
        ASSERT_TRUE(timer.Create(
            {.owner = &form, .interval = 10, .enabled = false, .onTimer = [&] { ++ticks; }}));
        auto pumpFor = [](DWORD ms) {
            const DWORD end = GetTickCount() + ms;
            while (GetTickCount() < end) {
                win::Application::ProcessMessages();
                Sleep(5);
            }
        };
        pumpFor(60);
        EXPECT_EQ(ticks, 0);
        timer.SetEnabled(true);
        pumpFor(200);
        EXPECT_GT(ticks, 0);
        timer.SetEnabled(false);
        const int stopped = ticks;
        pumpFor(60);
        EXPECT_EQ(ticks, stopped);
        timer.SetEnabled(true);
    }
    // The form is gone while the timer object lives on: nothing ticks, nothing crashes.
    const int atDestruction = ticks;
    win::Application::ProcessMessages();
    Sleep(30);
    win::Application::ProcessMessages();
    EXPECT_EQ(ticks, atDestruction);
    timer.SetEnabled(true);
}

}  // namespace
