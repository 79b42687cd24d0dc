// The calculator's engine: keys in, display text and state out. It knows nothing of windows:
// the calculator window feeds it the keys of its buttons and keyboard, shows its display,
// operator and memory indicator, and beeps when it asks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/AmountFormat.h"

enum class CalcStatus : std::uint8_t { Fresh = 0, Entering = 1, Error = 2 };

// Keys that are control characters.
inline constexpr char32_t kKeyNone = 0;  // does nothing
inline constexpr char32_t kKeyCopy = 3;  // Ctrl+C
inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;
inline constexpr char32_t kKeyPaste = 22;  // Ctrl+V
inline constexpr char32_t kKeyEscape = 27;

// The 0-based position of a key in this table is the tag of the button that it presses.
inline constexpr std::u32string_view kKeyCodeTable = U"0123456789_./*-+Q%R=\bC";

// FindButton's lookup: the tag of the button that a typed character presses, or -1 when the
// character goes to CalcKey as typed. The decimal marks press the point button, Enter the
// equals button and Esc the C button.
int ButtonTagForKey(char32_t key, std::string_view decimalSeparator);

// Every occurrence of oldText replaced by newText, left to right; an empty oldText changes
// nothing.
std::string ReplaceAll(std::string text, std::string_view oldText, std::string_view newText);

class CalcEngine {
  public:
    explicit CalcEngine(Separators seps) : seps_(std::move(seps)) {}

    CalcStatus Status = CalcStatus::Fresh;
    char32_t Operator = kKeyNone;  // the pending operator; none at the start
    long double Operand = 0;       // left operand of the pending operator
    long double Memory = 0;
    std::uint8_t Precision = 15;  // digits shown and typed; below 2 acts as 2
    bool BeepOnError = true;
    std::string ErrorText = "Error";  // the display in the error state

    const Separators& Seps() const { return seps_; }
    const std::string& Display() const { return display_; }
    const std::string& OperatorText() const { return operatorText_; }  // the last operator key
    std::string MemoryText() const { return Memory != 0 ? "M" : ""; }  // the memory indicator
    // The key that the decimal point button passes: the locale's separator when it is one
    // character, else ".".
    char32_t DecimalKey() const;

    // Runs one key: a digit, a decimal mark, backspace, "_", "Q", "R", an operator, "=", "%",
    // Enter, "C", Esc, Ctrl+C or Ctrl+V. Lower-case letters count as upper-case.
    void CalcKey(char32_t key);

    // Shows a number in the display format; a changed text fires OnDisplayChange. A number
    // beyond the extended range shows the error instead.
    void SetDisplay(long double value);
    // The display read as a number: 0 in the error state and for text that is not a number.
    long double GetDisplay() const;
    void CheckFirst();  // a fresh display starts a new number: entering, "0"
    void ShowError();
    void Clear();

    // The memory buttons; all but MC do nothing in the error state.
    void MemoryClear();
    void MemoryRecall();
    void MemoryStore();
    void MemoryAdd();

    // OK: normalises the display and gives true; in the error state beeps and gives false.
    bool Accept();
    // Shows pasted text: the currency symbol removed and blanks trimmed, read as a number with
    // or without the locale's thousands separators, and with or without a currency's code or
    // symbol before or after it; "0" when it is not one. The state does not change.
    void Paste(std::string_view text, std::string_view currencySymbol);

    std::function<void(char32_t& key)> OnCalcKey;  // sees and may change every key first
    std::function<void()> OnDisplayChange;         // a computed number replaced the display
    std::function<void()> OnBeep;                  // an error or a refused key, with BeepOnError
    std::function<void()> OnCopy;                  // Ctrl+C
    std::function<void()> OnPaste;                 // Ctrl+V

  private:
    void Beep();
    bool IsDecimalKey(char32_t key) const;
    void DecimalMark();
    void Digit(char32_t key);
    void Backspace();
    void Operation(char32_t key);
    int TypingLimit() const;

    Separators seps_;
    std::string display_ = "0";
    std::string operatorText_;
};
