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

}  // namespace win
