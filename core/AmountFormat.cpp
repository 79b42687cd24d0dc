#include "core/AmountFormat.h"

#include <algorithm>
#include <cmath>

#include "core/ExactDecimal.h"

namespace {

// The first rounding step: the extended value as 18 significant digits.
constexpr int kExpandedDigits = 18;
constexpr int kMaxDecimals = 255;  // what a currency's one-byte decimals setting can hold
// Fixed notation of the general format starts at 0.0001.
constexpr int kGeneralMinExponent = -3;
// An exponent beyond this only says overflow or zero, whatever the digit counts of a text that
// fits in memory; saturating there keeps the sums with those counts in range.
constexpr long long kExponentLimit = 100'000'000'000'000'000;

// Texts for values no amount should reach, kept readable rather than crashing.
std::optional<std::string> NonFiniteText(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

// Keeps `keep` leading digits of 0.digits * 10^exponent, adding one when the first dropped
// digit is 5 or more (halves away from zero; the sign is handled apart).
void RoundHalfUp(std::string& digits, int& exponent, int keep) {
    if (keep >= static_cast<int>(digits.size())) return;
    if (keep < 0) {
        digits.clear();
        return;
    }
    bool up = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
        ++digits[i - 1];
    } else {
        digits.insert(digits.begin(), '1');
        ++exponent;
    }
}

bool AllZero(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// The digit at decimal position `index` of 0.digits (index 0 is the first digit).
char DigitAt(const std::string& digits, long long index) {
    if (index < 0 || index >= static_cast<long long>(digits.size())) return '0';
    return digits[static_cast<std::size_t>(index)];
}

std::string IntegerDigits(const std::string& digits, int exponent) {
    if (exponent <= 0) return "0";
    std::string result(static_cast<std::size_t>(exponent), '0');
    std::copy_n(digits.begin(), std::min(digits.size(), result.size()), result.begin());
    return result;
}

void AppendGrouped(std::string& out, const std::string& integer, const std::string& separator) {
    std::size_t firstGroup = integer.size() % 3;
    if (firstGroup == 0) firstGroup = 3;
    out.append(integer, 0, firstGroup);
    for (std::size_t pos = firstGroup; pos < integer.size(); pos += 3) {
        out += separator;
        out.append(integer, pos, 3);
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string AmountMask(int decimals) {
    return "#,###,###,###,###0." +
           std::string(static_cast<std::size_t>(std::max(decimals, 0)), '0');
}

std::string FormatMasked(long double value, int decimals, const Separators& seps) {
    if (auto text = NonFiniteText(value)) return *text;
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    DecimalDigits expanded = ExpandExtended(value, kExpandedDigits);
    RoundHalfUp(expanded.digits, expanded.exponent, expanded.exponent + decimals);

    std::string out;
    out.reserve(static_cast<std::size_t>(decimals) + 32);
    // A value that rounds to zero shows no minus sign.
    if (expanded.negative && !AllZero(expanded.digits)) out += '-';
    AppendGrouped(out, IntegerDigits(expanded.digits, expanded.exponent), seps.thousands);
    if (decimals > 0) {
        out += seps.decimal;
        for (int i = 0; i < decimals; ++i) {
            out += DigitAt(expanded.digits, static_cast<long long>(expanded.exponent) + i);
        }
    }
    return out;
}

std::string FormatGeneral(long double value, const Separators& seps, int significant) {
    if (auto text = NonFiniteText(value)) return *text;
    significant = std::clamp(significant, 1, kExpandedDigits);
    DecimalDigits expanded = ExpandExtended(value, kExpandedDigits);
    std::string& digits = expanded.digits;
    RoundHalfUp(digits, expanded.exponent, significant);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) return "0";

    std::string out;
    if (expanded.negative) out += '-';
    int exponent = expanded.exponent;
    if (exponent >= kGeneralMinExponent && exponent <= significant) {
        out += IntegerDigits(digits, exponent);
        if (static_cast<int>(digits.size()) > exponent) {
            out += seps.decimal;
            for (int i = std::min(exponent, 0); i < 0; ++i) out += '0';
            out.append(digits, static_cast<std::size_t>(std::max(exponent, 0)));
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += seps.decimal;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    }
    return out;
}

std::optional<long double> ParseAmount(std::string_view text, const Separators& seps) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    std::string digits;  // without leading zeros
    long long fractionDigits = 0;
    bool anyDigit = false;
    bool afterSeparator = false;
    while (pos < text.size()) {
        char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (!digits.empty() || c != '0') digits += c;
            if (afterSeparator) ++fractionDigits;
            ++pos;
        } else if (!afterSeparator && !seps.decimal.empty() &&
                   text.substr(pos).starts_with(seps.decimal)) {
            afterSeparator = true;
            pos += seps.decimal.size();
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;

    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        if (pos == text.size() || !IsDigit(text[pos])) return std::nullopt;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentLimit);
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (pos != text.size()) return std::nullopt;

    // The digit counts are folded in exactly; the reader caps only what it cannot represent.
    return DecimalToExtended(negative, digits, exponent - fractionDigits);
}

std::optional<long double> ParseGroupedAmount(std::string_view text, const Separators& seps) {
    if (std::optional<long double> plain = ParseAmount(text, seps)) return plain;
    const std::string_view mark = seps.thousands;
    if (mark.empty() || mark == seps.decimal || text.find(mark) == std::string_view::npos) {
        return std::nullopt;
    }
    // The integer digits end at the decimal separator or the exponent.
    std::size_t end = seps.decimal.empty() ? text.size() : text.find(seps.decimal);
    end = std::min({end, text.find('e'), text.find('E'), text.size()});
    std::string ungrouped;
    std::size_t group = 0;  // digits since the last mark
    bool marked = false;    // a mark has been seen
    for (std::size_t at = 0; at < end;) {
        if (text.substr(at, mark.size()) == mark) {
            // A mark follows one to three digits, or a whole group of three.
            if (group == 0 || group > 3 || (marked && group != 3)) return std::nullopt;
            marked = true;
            group = 0;
            at += mark.size();
            continue;
        }
        if (IsDigit(text[at])) ++group;
        ungrouped += text[at++];
    }
    if (group != 3) return std::nullopt;
    ungrouped += text.substr(end);
    return ParseAmount(ungrouped, seps);
}

std::optional<SeparatorFix> ReplaceForeignSeparator(std::string_view text, int caret,
                                                    const Separators& seps) {
    char foreign = 0;
    char own = 0;
    if (seps.decimal == ",") {
        foreign = '.';
        own = ',';
    } else if (seps.decimal == ".") {
        foreign = ',';
        own = '.';
    } else {
        return std::nullopt;
    }
    std::size_t at = text.find(foreign);
    if (at == std::string_view::npos) return std::nullopt;
    SeparatorFix fix{std::string(text), caret};
    fix.text[at] = own;
    return fix;
}
