#include "components/ztCalculatorEngine.h"

#include <algorithm>
#include <cmath>

#include "util/zt_Misc.h"

namespace {

// Shown digits stop here: the exact expansion is good for 18.
constexpr int kMaxShownDigits = 18;
constexpr int kMinPrecision = 2;
// The longest number SetDisplay writes: sign, 18 digits, a separator of up to three
// characters, "E-4951". A pasted text longer than this and than the typing limit can never be
// a display's number.
constexpr int kLongestFormatted = 1 + kMaxShownDigits + 3 + 6;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CharCount(std::string_view text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The character a one-character UTF-8 text holds, or nothing (0).
char32_t SingleChar(std::string_view text) {
    if (CharCount(text) != 1) return kKeyNone;
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    if (static_cast<int>(text.size()) != extra + 1) return kKeyNone;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return c;
}

char32_t UpperAscii(char32_t c) {
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

int ButtonTagForKey(char32_t key, std::string_view decimalSeparator) {
    if (key == U',' || key == U'.' || key == SingleChar(decimalSeparator)) {
        key = U'.';
    } else if (key == kKeyEnter) {
        key = U'=';
    } else if (key == kKeyEscape) {
        key = U'C';
    }
    key = UpperAscii(key);
    if (key == kKeyNone) return -1;
    const std::size_t at = kKeyCodeTable.find(key);
    return at == std::u32string_view::npos ? -1 : static_cast<int>(at);
}

std::string ReplaceAll(std::string text, std::string_view oldText, std::string_view newText) {
    ReplaceText(text, oldText, newText, rfReplaceAll);
    return text;
}

char32_t CalcEngine::DecimalKey() const {
    const char32_t own = SingleChar(seps_.decimal);
    return own != kKeyNone ? own : U'.';
}

void CalcEngine::Beep() {
    if (BeepOnError && OnBeep) OnBeep();
}

int CalcEngine::TypingLimit() const {
    return std::max<int>(kMinPrecision, Precision);
}

bool CalcEngine::IsDecimalKey(char32_t key) const {
    return key == U',' || key == U'.' || key == SingleChar(seps_.decimal);
}

void CalcEngine::CalcKey(char32_t key) {
    key = UpperAscii(key);
    if (Status == CalcStatus::Error && key != U'C') key = kKeyNone;
    if (OnCalcKey) OnCalcKey(key);
    if (key == kKeyNone) return;
    if (IsDecimalKey(key)) {
        DecimalMark();
        return;
    }
    switch (key) {
        case kKeyBackspace:
            Backspace();
            return;
        case U'_':
            SetDisplay(-GetDisplay());
            return;
        case U'Q':
            if (Status == CalcStatus::Error) return;
            Status = CalcStatus::Fresh;
            if (const long double x = GetDisplay(); x >= 0) {
                SetDisplay(std::sqrt(x));
            } else {
                ShowError();
            }
            return;
        case U'R':
            if (Status == CalcStatus::Error) return;
            Status = CalcStatus::Fresh;
            if (const long double x = GetDisplay(); x != 0) {
                SetDisplay(1 / x);
            } else {
                ShowError();
            }
            return;
        case U'+':
        case U'-':
        case U'*':
        case U'/':
        case U'=':
        case U'%':
        case kKeyEnter:
            Operation(key);
            return;
        case U'C':
        case kKeyEscape:
            Clear();
            return;
        case kKeyCopy:
            if (OnCopy) OnCopy();
            return;
        case kKeyPaste:
            if (OnPaste) OnPaste();
            return;
        default:
            if (key >= U'0' && key <= U'9') Digit(key);
            return;
    }
}

void CalcEngine::DecimalMark() {
    CheckFirst();
    if (display_.find(seps_.decimal) != std::string::npos) return;
    display_ += seps_.decimal;
}

void CalcEngine::Digit(char32_t key) {
    CheckFirst();
    if (display_ == "0") display_.clear();
    if (display_.find('E') != std::string::npos) return;
    const int sign = display_.find('-') != std::string::npos ? 1 : 0;
    if (CharCount(display_) < TypingLimit() + sign) {
        display_ += static_cast<char>(key);
    } else {
        Beep();
    }
}

void CalcEngine::Backspace() {
    CheckFirst();
    // The separator goes as one, as the key typed it: taken a character at a time, the rest of
    // one of several characters would no longer count as the separator and the display could
    // grow without end.
    const std::string& mark = seps_.decimal;
    if (!mark.empty() && display_.size() > mark.size() && display_.ends_with(mark)) {
        display_.resize(display_.size() - mark.size());
        if (display_ == "-") display_.assign(1, '0');
        return;
    }
    const int length = CharCount(display_);
    if (length == 1 || (length == 2 && display_.front() == '-')) {
        // Assigning a literal here trips GCC 12's false -Wrestrict at -O3.
        display_.assign(1, '0');
        return;
    }
    while (!display_.empty() && IsContinuationByte(display_.back())) display_.pop_back();
    if (!display_.empty()) display_.pop_back();
}

void CalcEngine::Operation(char32_t key) {
    if (Status == CalcStatus::Entering) {
        Status = CalcStatus::Fresh;
        long double r = GetDisplay();
        if (key == U'%') {
            if (Operator == U'+' || Operator == U'-') {
                r = Operand * r / 100;
            } else if (Operator == U'*' || Operator == U'/') {
                r = r / 100;
            }
        }
        switch (Operator) {
            case U'+':
                SetDisplay(Operand + r);
                break;
            case U'-':
                SetDisplay(Operand - r);
                break;
            case U'*':
                SetDisplay(Operand * r);
                break;
            case U'/':
                if (r != 0) {
                    SetDisplay(Operand / r);
                } else {
                    ShowError();
                }
                break;
            default:
                break;
        }
    }
    Operator = key;
    Operand = GetDisplay();
    // Only ASCII keys get here; Enter has no visible character.
    operatorText_ = key < U' ' ? std::string() : std::string(1, static_cast<char>(key));
}

void CalcEngine::SetDisplay(long double value) {
    if (!std::isfinite(value)) {
        ShowError();
        return;
    }
    const int shown = std::clamp<int>(Precision, kMinPrecision, kMaxShownDigits);
    std::string text = FormatGeneral(value, seps_, shown);
    if (text == display_) return;
    display_ = std::move(text);
    if (OnDisplayChange) OnDisplayChange();
}

long double CalcEngine::GetDisplay() const {
    if (Status == CalcStatus::Error) return 0;
    return ParseAmount(Trim(display_), seps_).value_or(0);
}

void CalcEngine::CheckFirst() {
    if (Status != CalcStatus::Fresh) return;
    Status = CalcStatus::Entering;
    display_.assign(1, '0');
}

void CalcEngine::ShowError() {
    Status = CalcStatus::Error;
    display_ = ErrorText;
    Beep();
}

void CalcEngine::Clear() {
    Status = CalcStatus::Fresh;
    SetDisplay(0);
    Operator = U'=';
}

void CalcEngine::MemoryClear() {
    Memory = 0;
}

void CalcEngine::MemoryRecall() {
    if (Status == CalcStatus::Error) return;
    Status = CalcStatus::Fresh;
    CheckFirst();
    SetDisplay(Memory);
}

void CalcEngine::MemoryStore() {
    if (Status == CalcStatus::Error) return;
    Status = CalcStatus::Fresh;
    Memory = GetDisplay();
}

void CalcEngine::MemoryAdd() {
    if (Status == CalcStatus::Error) return;
    Status = CalcStatus::Fresh;
    const long double sum = Memory + GetDisplay();
    // An overflowing sum is an error like any other; the memory keeps its number.
    if (std::isfinite(sum)) {
        Memory = sum;
    } else {
        ShowError();
    }
}

bool CalcEngine::Accept() {
    if (Status == CalcStatus::Error) {
        Beep();
        return false;
    }
    SetDisplay(GetDisplay());
    return true;
}

void CalcEngine::Paste(std::string_view text, std::string_view currencySymbol) {
    const std::string cleaned = ReplaceAll(std::string(text), currencySymbol, "");
    const std::string_view number = Trim(cleaned);
    // Room for a thousands separator every three digits, as the program's amounts have them.
    const int longest = std::max(TypingLimit() + 1, kLongestFormatted);
    const int limit = longest + longest / 3 * CharCount(seps_.thousands);
    auto read = [&](std::string_view candidate) -> std::optional<long double> {
        candidate = Trim(candidate);
        if (candidate.empty() || CharCount(candidate) > limit) return std::nullopt;
        return ParseGroupedAmount(candidate, seps_);
    };
    // An amount copied from the result box may carry its currency's code or symbol (a word
    // without digits) after the amount or before it.
    auto noDigits = [](std::string_view word) {
        return std::none_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    std::optional<long double> value = read(number);
    const std::size_t first = number.find(' ');
    const std::size_t last = number.rfind(' ');
    if (!value && last != std::string_view::npos && noDigits(number.substr(last))) {
        value = read(number.substr(0, last));
    }
    if (!value && first != std::string_view::npos && noDigits(number.substr(0, first))) {
        value = read(number.substr(first + 1));
    }
    if (value) {
        SetDisplay(*value);
    } else {
        display_.assign(1, '0');
    }
}
