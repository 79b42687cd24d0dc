// UTF-8 inside, UTF-16 at the Win32 edge: the one place that converts between them. The
// conversions portable code needs too (a UTF-8 path) are in util/Text.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace win {

// UTF-8 to UTF-16. Invalid sequences never fail the call: each becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

// UTF-8 in the system's ANSI code page when every character has its own place there; nothing
// when any character is missing from it (it is never replaced by a look-alike or by "?").
std::optional<std::string> ToAnsiExact(std::string_view utf8);

}  // namespace win
