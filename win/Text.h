// UTF-8 inside, UTF-16 at the Win32 edge: the one place that converts between them. The
// conversions portable code needs too (a UTF-8 path) are in util/Text.h.
#pragma once

#include <string>
#include <string_view>

namespace win {

// UTF-8 to UTF-16. Invalid sequences never fail the call: each becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

// UTF-8 to the system's ANSI code page, for the files that must be written in it. Characters
// that code page lacks become its default character ("?") and set *lossy when given.
std::string ToAnsi(std::string_view utf8, bool* lossy = nullptr);

}  // namespace win
