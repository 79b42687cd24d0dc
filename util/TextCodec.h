// UTF-8 and Windows-1252, the two encodings the program's text meets: UTF-8 inside, and files
// written by older programs in the ANSI code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character of a Windows-1252 byte; the five unassigned bytes map to the C1 control of the
// same value, as Windows itself does.
char32_t Windows1252ToUnicode(unsigned char byte);
// Whether Windows-1252 holds the character.
bool IsWindows1252Char(char32_t c);

struct Decoded {
    char32_t c;
    std::size_t length;  // bytes taken, at least 1
    bool valid;          // false: one byte that is no UTF-8, taken as Windows-1252
};
// The character that starts at `at` (which must be inside the text).
Decoded DecodeUtf8At(std::string_view text, std::size_t at);
void AppendUtf8(std::string& out, char32_t c);

// Text of unknown encoding as UTF-8: valid UTF-8 stays, a leading byte-order mark goes, and
// every byte that is no UTF-8 is taken as Windows-1252. NUL characters are dropped.
std::string LenientUtf8(std::string_view text);
