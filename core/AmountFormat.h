// Formatting and reading amounts by the user's decimal and thousands separators.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The user's separators, read once at start from the Windows user locale (UTF-8).
struct Separators {
    std::string decimal = ",";
    std::string thousands = ".";
};

// The amount mask of a currency with the given decimals: "#,###,###,###,###0." plus one "0"
// per decimal.
std::string AmountMask(int decimals);

// value through the amount mask: grouped integer digits, the decimal separator and exactly
// `decimals` digits (none and no separator for 0), halves rounded away from zero after the
// value is first expanded to 18 significant digits.
std::string FormatMasked(long double value, int decimals, const Separators& seps);

// The general number format: `significant` digits (1..18, 15 unless told), no trailing zeros, no
// grouping; scientific ("1E-5", "1,5E20") below 0.0001 or above that many integer digits.
std::string FormatGeneral(long double value, const Separators& seps, int significant = 15);

// Reads a decimal number in the locale's format: blanks around it, an optional sign, digits with
// at most one decimal separator, an optional exponent. Anything else gives nothing.
std::optional<long double> ParseAmount(std::string_view text, const Separators& seps);

// Reads a number as the amount mask writes it: like ParseAmount, and also with the locale's
// thousands separator between the integer digits, in groups of three after the first ("1.234,5"
// in a comma locale, "-12,345,678.9" in a point locale). Misplaced separators give nothing.
std::optional<long double> ParseGroupedAmount(std::string_view text, const Separators& seps);

// The amount box's separator replacement: in a comma locale the first "." becomes ",", in a
// point locale the first "," becomes "."; other locales never change. Nothing when the text
// stays as it is. The caret stays where it was.
struct SeparatorFix {
    std::string text;
    int caret = 0;
};
std::optional<SeparatorFix> ReplaceForeignSeparator(std::string_view text, int caret,
                                                    const Separators& seps);
