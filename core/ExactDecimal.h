// Exact conversion between 80-bit extended values and decimal digits, independent of the C
// runtime (MinGW's cannot print long double) and of the C locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// value = (negative ? -1 : 1) * 0.d1 d2 d3 ... * 10^exponent; digits has no leading zero and is
// empty for zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The value rounded to the given number of significant digits (1..40), to nearest with ties to
// even, computed exactly; trailing zeros are kept so that digits has exactly that length
// (unless the value is zero). NaN and infinities give an empty result with exponent 0.
DecimalDigits ExpandExtended(long double value, int significant);

// The extended value nearest to digits * 10^exponent10 (digits: decimal digits, leading zeros
// allowed), ties to even. Nothing when the result overflows the extended range.
std::optional<long double> DecimalToExtended(bool negative, std::string_view digits,
                                             long long exponent10);

// Makes the x87 unit round to 64-bit mantissas, as the exact parsing relies on. Windows may
// start a process with 53-bit precision control.
void EnsureExtendedPrecision();
