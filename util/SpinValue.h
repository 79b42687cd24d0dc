// The value of a numeric spin edit from its text.
#pragma once

#include <optional>
#include <string_view>

// A whole number: blanks around it, an optional sign, decimal digits. Values far beyond any
// int saturate (at about a trillion) rather than wrap. Anything else gives nothing.
std::optional<long long> ParseWholeNumber(std::string_view text);

// The whole number clamped to min..max; any other text, an empty one included, counts as min.
int SpinValueFromText(std::string_view text, int min, int max);
