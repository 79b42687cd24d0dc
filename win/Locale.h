// The user's locale settings.
#pragma once

#include <cstdint>
#include <string>

#include "core/AmountFormat.h"

namespace win {

// The user default locale's decimal and thousands separators (UTF-8); a separator that cannot
// be read keeps the default of Separators.
Separators ReadUserSeparators();
// The user default locale's currency symbol (UTF-8), empty when unknown.
std::string ReadUserCurrencySymbol();
// The user default locale identifier (LCID).
std::uint32_t UserLcid();
// A day in the user's short date format ("4/12/2026", "04/12/2026"); empty when Windows
// cannot write it.
std::string FormatShortDate(int year, int month, int day);

}  // namespace win
