// Conversion through the euro and the result texts of the display modes.
#pragma once

#include <string>

#include "core/AmountFormat.h"
#include "core/RecRec.h"

struct ConversionResult {
    long double value = 0;  // not rounded
    std::string text;  // as the current display mode shows it
};

// Converts amount from rec.VanMunt to rec.NaarMunt: (amount / Koers[from]) * Koers[to] in
// extended precision, 0 when the from-rate is 0; the text follows rec.Weergave (0..3, anything
// else gives an empty text).
ConversionResult FormatResult(const RecRec& rec, long double amount, const Separators& seps);

// The result entry of a committed conversion: "*" from amount "*" from slot "*" result "*" to
// slot "*", both amounts through the amount mask of their currency.
std::string MakeResultEntry(const RecRec& rec, long double amount, long double result,
                            const Separators& seps);
