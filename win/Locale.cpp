#include "win/Locale.h"

#include <windows.h>

#include "win/Text.h"

namespace win {

namespace {

std::string UserLocaleText(LCTYPE type) {
    wchar_t buffer[16] = {};
    const int got = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer,
                                      static_cast<int>(std::size(buffer)));
    if (got <= 1) return {};
    return Narrow(std::wstring_view(buffer, static_cast<std::size_t>(got - 1)));
}

}  // namespace

Separators ReadUserSeparators() {
    Separators result;
    if (std::string decimal = UserLocaleText(LOCALE_SDECIMAL); !decimal.empty()) {
        result.decimal = decimal;
    }
    // A locale may group with nothing at all; only a failed read keeps the default.
    wchar_t buffer[16] = {};
    const int got = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, buffer,
                                      static_cast<int>(std::size(buffer)));
    if (got >= 1)
        result.thousands = Narrow(std::wstring_view(buffer, static_cast<std::size_t>(got - 1)));
    return result;
}

std::string ReadUserCurrencySymbol() {
    return UserLocaleText(LOCALE_SCURRENCY);
}

std::uint32_t UserLcid() {
    return ::GetUserDefaultLCID();
}

std::string FormatShortDate(int year, int month, int day) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    wchar_t buffer[80] = {};
    const int got = ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr,
                                      buffer, static_cast<int>(std::size(buffer)), nullptr);
    if (got <= 1) return {};
    return Narrow(std::wstring_view(buffer, static_cast<std::size_t>(got - 1)));
}

}  // namespace win
