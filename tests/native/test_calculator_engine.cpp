// The calculator engine driven by key scripts: keys separated by blanks as a person types them
// ("200 + 10 %"), and the memory buttons, backspace, Enter, Esc and OK by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "components/ztCalculatorArt.h"
#include "components/ztCalculatorEngine.h"
#include "native/locales.h"

namespace {

// A calculator with recording hooks.
struct Calc {
    explicit Calc(const Separators& seps, int precision = 15) : engine(seps) {
        engine.Precision = static_cast<std::uint8_t>(precision);
        engine.ErrorText = "Error";
        engine.OnBeep = [this] { ++beeps; };
        engine.OnDisplayChange = [this] { ++displayChanges; };
        engine.OnCopy = [this] { copied = engine.Display(); };
        engine.OnPaste = [this] { engine.Paste(clipboard, "€"); };
    }

    // Runs a script; gives false when OK refused to close.
    bool Run(const std::string& script) {
        std::istringstream tokens(script);
        bool accepted = true;
        for (std::string t; tokens >> t;) {
            if (t == "MC") {
                engine.MemoryClear();
            } else if (t == "MR") {
                engine.MemoryRecall();
            } else if (t == "MS") {
                engine.MemoryStore();
            } else if (t == "M+") {
                engine.MemoryAdd();
            } else if (t == "BS") {
                engine.CalcKey(kKeyBackspace);
            } else if (t == "Enter") {
                engine.CalcKey(kKeyEnter);
            } else if (t == "Esc") {
                engine.CalcKey(kKeyEscape);
            } else if (t == "Ctrl+C") {
                engine.CalcKey(kKeyCopy);
            } else if (t == "Ctrl+V") {
                engine.CalcKey(kKeyPaste);
            } else if (t == "OK") {
                accepted = engine.Accept();
            } else {
                for (char c : t) engine.CalcKey(static_cast<unsigned char>(c));
            }
        }
        return accepted;
    }

    CalcEngine engine;
    int beeps = 0;
    int displayChanges = 0;
    std::string clipboard;
    std::string copied;
};

struct ScriptCase {
    const char* what;
    const char* script;
    const char* display;  // in the comma locale
    CalcStatus status;
    int beeps = 0;
    long double memory = 0;
    int precision = 15;
};

constexpr auto F = CalcStatus::Fresh;
constexpr auto E = CalcStatus::Entering;
constexpr auto X = CalcStatus::Error;

const ScriptCase kScripts[] = {
    // Operations
    {"equals once", "2 + 3 =", "5", F},
    {"a second equals does not repeat", "2 + 3 = =", "5", F},
    {"percent of a sum", "200 + 10 %", "220", F},
    {"percent of a difference", "200 - 10 %", "180", F},
    {"percent of a product", "200 * 10 %", "20", F},
    {"percent of a quotient", "200 / 10 %", "2000", F},
    {"percent without operator computes nothing", "50 %", "50", F},
    {"second operator replaces the first", "5 * + 3 =", "8", F},
    {"after a root the pending sum is not applied", "2 + 9 Q =", "3", F},
    {"after a reciprocal likewise", "2 + 4 R =", "0,25", F},
    {"sign change keeps entering", "5 + 3 _ =", "2", F},
    {"chained operators compute as they go", "2 + 3 * 4 =", "20", F},
    {"Enter computes like equals", "7 - 2 Enter", "5", F},
    {"a fresh number after a result", "2 + 3 = 4", "4", E},
    {"C clears but keeps nothing pending", "2 + 3 C 4 =", "4", F},
    {"Esc clears like C", "2 + 3 Esc", "0", F},
    // Errors
    {"division by zero", "5 / 0 =", "Error", X, 1},
    {"digits are ignored in the error state", "5 / 0 = 7 8 , BS", "Error", X, 1},
    {"C leaves the error", "5 / 0 = C", "0", F, 1},
    {"lower-case c too", "5 / 0 = c 4", "4", E, 1},
    {"Esc itself is ignored in the error state", "5 / 0 = Esc", "Error", X, 1},
    {"root of a negative", "4 _ Q", "Error", X, 1},
    {"lower-case q is the root", "9 q", "3", F},
    {"reciprocal of zero", "0 R", "Error", X, 1},
    {"lower-case r is the reciprocal", "8 r", "0,125", F},
    {"OK in the error state beeps", "1 / 0 = OK", "Error", X, 2},
    // Typing
    {"fifteen characters at most", "1234567890123456", "123456789012345", E, 1},
    {"a minus allows one more", "1 _ 23456789012345 6", "-123456789012345", E, 1},
    {"the separator counts", "1,2345678901234 5", "1,2345678901234", E, 1},
    {"a second separator is ignored silently", "1,,5.", "1,5", E},
    {"a separator first gives 0,", ".5", "0,5", E},
    {"leading zeros go", "007", "7", E},
    {"backspace removes the last character", "123 BS", "12", E},
    {"backspace of the last digit leaves 0", "5 BS", "0", E},
    {"backspace of minus and digit leaves 0", "5 _ BS", "0", E},
    {"backspace on a result starts over", "2 + 3 = BS", "0", E},
    {"OK drops a trailing separator", "12, OK", "12", E},
    // Memory
    {"MS keeps the display", "12 MS C", "0", F, 0, 12},
    {"MR extended by typing", "12 MS C MR 3", "123", E, 0, 12},
    {"MR takes part in the pending operation", "12 MS C 5 + MR =", "17", F, 0, 12},
    {"M+ adds", "5 M+ 3 M+ C MR", "8", E, 0, 8},
    {"MC clears", "5 MS MC MR", "0", E},
    {"memory buttons are ignored in the error state", "5 MS 1 / 0 = MR MS M+", "Error", X, 1, 5},
    {"but MC works there", "5 MS 1 / 0 = MC", "Error", X, 1, 0},
    {"a recalled exponent takes no digits, silently", "10000000000 * 10000000000 = MS MR 5", "1E20",
     E, 0, 1e20L},
    {"backspace into an exponent", "10000000000 * 10000000000 = MS MR BS", "1E2", E, 0, 1e20L},
    {"a text that is no number reads as 0", "10000000000 * 10000000000 = MS MR BS BS + 1 =", "1", F,
     0, 1e20L},
    // The display format
    {"a third to fifteen digits", "3 R", "0,333333333333333", F},
    {"two thirds rounded", "2 / 3 =", "0,666666666666667", F},
    {"0.0001 is fixed", "1 / 10000 =", "0,0001", F},
    {"0.00001 is scientific", "1 / 100000 =", "1E-5", F},
    {"fifteen integer digits are fixed", "99999999 * 10000000 =", "999999990000000", F},
    {"sixteen are scientific", "100000000 * 10000000 =", "1E15", F},
    {"10^20", "10000000000 * 10000000000 =", "1E20", F},
    {"scientific with decimals", "15 * 10000000000 * 10000000000 =", "1,5E21", F},
    {"negative scientific", "1 _ / 100000 =", "-1E-5", F},
    {"precision 18", "3 R", "0,333333333333333333", F, 0, 0, 18},
    {"precision above 18 shows 18", "3 R", "0,333333333333333333", F, 0, 0, 40},
    {"precision 1 acts as 2", "3 R", "0,33", F, 0, 0, 1},
    {"precision 0 types two digits", "123", "12", E, 1, 0, 0},
    {"precision 2 is scientific above 99", "12 * 10 =", "1,2E2", F, 0, 0, 2},
};

TEST(CalculatorScripts, DisplayStateBeepsAndMemoryInCommaAndPointLocales) {
    for (const ScriptCase& c : kScripts) {
        for (bool point : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (point ? " (point locale)" : " (comma locale)"));
            Calc calc(point ? kPoint : kComma, c.precision);
            calc.Run(point ? ForPointLocale(c.script) : c.script);
            EXPECT_EQ(calc.engine.Display(), point ? ForPointLocale(c.display) : c.display);
            EXPECT_EQ(calc.engine.Status, c.status);
            EXPECT_EQ(calc.beeps, c.beeps);
            EXPECT_EQ(calc.engine.Memory, c.memory);
        }
    }
}

TEST(CalculatorScripts, WithoutBeepOnErrorNothingBeeps) {
    Calc calc(kComma);
    calc.engine.BeepOnError = false;
    EXPECT_FALSE(calc.Run("1234567890123456 / 0 = OK"));
    EXPECT_EQ(calc.engine.Status, CalcStatus::Error);
    EXPECT_EQ(calc.beeps, 0);
}

TEST(CalculatorScripts, OperatorLabelShowsTheLastOperatorKeyAndClearKeepsIt) {
    Calc calc(kComma);
    calc.Run("2 + 3 *");
    EXPECT_EQ(calc.engine.OperatorText(), "*");
    calc.Run("4 =");
    EXPECT_EQ(calc.engine.OperatorText(), "=");
    calc.Run("C");
    EXPECT_EQ(calc.engine.OperatorText(), "=");
    EXPECT_EQ(calc.engine.Operator, U'=');
    calc.Run("5 Enter");
    EXPECT_EQ(calc.engine.OperatorText(), "") << "Enter has no visible character";
}

TEST(CalculatorScripts, OnlyComputedNumbersFireTheDisplayChange) {
    struct Case {
        const char* script;
        int changes;
    };
    const Case cases[] = {
        {"123 BS , 4", 0},  // typing, backspace and separators
        {"12 + 3 =", 1},    // the sum
        {"2 + 3 = =", 1},   // the same text again fires nothing
        {"5 / 0 =", 0},     // the error text
        {"5 / 0 = C", 1},   // Clear shows 0 through SetDisplay
        {"C", 0},           // 0 already
        {"5 MS C MR", 2},   // C, then the recalled 5
        {"12, OK", 1},      // OK normalises "12," to "12"
        {"12 OK", 0},       // nothing to normalise
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Calc calc(kComma);
        calc.Run(c.script);
        EXPECT_EQ(calc.displayChanges, c.changes);
    }
}

TEST(CalculatorScripts, OnCalcKeySeesEveryKeyAndMayReplaceIt) {
    Calc calc(kComma);
    std::u32string seen;
    calc.engine.OnCalcKey = [&](char32_t& key) {
        seen += key;
        if (key == U'+') key = U'*';
        if (key == U'9') key = kKeyNone;
    };
    calc.Run("2 + 39 = q");
    EXPECT_EQ(calc.engine.Display(), "2,44948974278318");  // root of 2 * 3
    EXPECT_EQ(seen, U"2+39=Q") << "upper-cased before the handler";

    seen.clear();
    calc.Run("1 / 0 = 5 C");
    EXPECT_EQ(seen, std::u32string(U"1/0=") + kKeyNone + U"C")
        << "in the error state the handler sees 0 for every key but C";
}

TEST(CalculatorScripts, CopyAndPasteKeysGoToTheirHandlersButNotInTheErrorState) {
    Calc calc(kComma);
    calc.clipboard = "7,5";
    calc.Run("12,5 Ctrl+C");
    EXPECT_EQ(calc.copied, "12,5");
    calc.Run("+ 1 Ctrl+V =");
    EXPECT_EQ(calc.engine.Display(), "20") << "pasted while entering, it takes part";
    calc.copied.clear();
    calc.Run("/ 0 = Ctrl+C Ctrl+V");
    EXPECT_EQ(calc.copied, "");
    EXPECT_EQ(calc.engine.Display(), "Error");
}

TEST(CalculatorPaste, CurrencySymbolAndBlanksGoAndNonNumbersShowZero) {
    struct Case {
        const char* text;
        const char* display;
        const Separators* seps = &kComma;
    };
    const Case cases[] = {
        {"€ 12,50", "12,5"},
        {"12,50 €\r\n", "12,5"},
        {"€€1€2", "12"},
        {"  -3 ", "-3"},
        {"1E4000", "1E4000"},
        {"1.234,5", "1234,5"},  // as the result box shows amounts
        {"1,234.5", "1234.5", &kPoint},
        {"1.234,56 BEF", "1234,56"},  // the result box with the code
        {"£ 1.234,56", "1234,56"},    // ... or a symbol before
        {"1.23,4", "0"},              // misplaced thousands separator
        {"12 34", "0"},
        {"abc", "0"},
        {"", "0"},
        {"1E99999", "0"},  // beyond the extended range
        {"0000000000000000000000000000000000000000000000000000000000001", "0"},  // too long
        {"0000000000000000000000001", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Calc calc(*c.seps);
        calc.Run("9 +");
        calc.engine.Paste(c.text, "€");
        EXPECT_EQ(calc.engine.Display(), c.display);
        EXPECT_EQ(calc.engine.Status, CalcStatus::Fresh) << "paste leaves the state";
    }
}

TEST(CalculatorOverflow, ResultsBeyondTheExtendedRangeAreErrors) {
    Calc calc(kComma);
    calc.clipboard = "1E4000";
    calc.Run("1 Ctrl+V * 1 Ctrl+V =");
    EXPECT_EQ(calc.engine.Status, CalcStatus::Error);
    EXPECT_EQ(calc.beeps, 1);

    Calc memory(kComma);
    memory.clipboard = "9E4931";
    memory.Run("Ctrl+V MS Ctrl+V M+");
    EXPECT_EQ(memory.engine.Status, CalcStatus::Error);
    EXPECT_EQ(memory.engine.Memory, 9e4931L) << "the memory keeps its number";
}

TEST(CalculatorKeys, TypedCharactersPressTheButtonOfTheirTag) {
    struct Case {
        char32_t key;
        int tag;
    };
    const Case cases[] = {
        {U'0', 0},  {U'7', 7},  {U'9', 9},  {U'_', 10}, {U',', 11},      {U'.', 11}, {U'/', 12},
        {U'*', 13}, {U'-', 14}, {U'+', 15}, {U'Q', 16}, {U'q', 16},      {U'%', 17}, {U'r', 18},
        {U'=', 19}, {13, 19},   {8, 20},    {U'C', 21}, {U'c', 21},      {27, 21},   {3, -1},
        {22, -1},   {U'x', -1}, {U'M', -1}, {0, -1},    {U'\u066B', -1},  // another locale's
                                                                          // separator
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonTagForKey(c.key, ","), c.tag) << static_cast<int>(c.key);
    }
    EXPECT_EQ(ButtonTagForKey(U'\u066B', "\u066B"), 11) << "the locale's own separator";
}

TEST(CalculatorKeys, TheDecimalButtonPassesTheLocalesSeparator) {
    EXPECT_EQ(CalcEngine(kComma).DecimalKey(), U',');
    EXPECT_EQ(CalcEngine(kPoint).DecimalKey(), U'.');
    CalcEngine arabic({"\u066B", "\u066C"});
    EXPECT_EQ(arabic.DecimalKey(), U'\u066B');
    arabic.CalcKey(U'1');
    arabic.CalcKey(arabic.DecimalKey());
    arabic.CalcKey(U'5');
    EXPECT_EQ(arabic.Display(), "1\u066B5");
    arabic.CalcKey(U'6');
    arabic.CalcKey(kKeyBackspace);
    arabic.CalcKey(kKeyBackspace);
    EXPECT_EQ(arabic.Display(), "1\u066B") << "backspace removes whole characters";
    CalcEngine twoCharacters({"ab", "."});
    EXPECT_EQ(twoCharacters.DecimalKey(), U'.') << "a separator of two characters";
    for (int i = 0; i < 30; ++i) {
        twoCharacters.CalcKey(twoCharacters.DecimalKey());
        twoCharacters.CalcKey(kKeyBackspace);
    }
    EXPECT_EQ(twoCharacters.Display(), "0") << "it goes as a whole, so nothing piles up";
}

TEST(CalculatorArt, PicturesAreDistinctAndTransparentAtTheirCorner) {
    std::set<std::vector<Colour>> seen;
    for (int i = 0; i <= static_cast<int>(CalcPicture::Paste); ++i) {
        const Picture p = CalcPictureOf(static_cast<CalcPicture>(i));
        ASSERT_EQ(p.width, kCalcPictureSize);
        ASSERT_EQ(p.height, kCalcPictureSize);
        // Buttons and menus are transparent in the bottom-left pixel's colour.
        EXPECT_EQ(p.At(0, kCalcPictureSize - 1), kCalcPictureKey) << i;
        const auto drawn = std::count_if(p.pixels.begin(), p.pixels.end(),
                                         [](Colour c) { return c != kCalcPictureKey; });
        EXPECT_GT(drawn, 10) << i;
        EXPECT_TRUE(seen.insert(p.pixels).second) << i << " looks like another picture";
    }
}

}  // namespace
