// Text conversions that portable code needs; those at the Win32 edge are in win/Text.h.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Turns a UTF-8 path text into a filesystem path (wide on Windows).
std::filesystem::path PathFromUtf8(const std::string& text);

// ASCII letters to lower case, every other byte as it is.
char AsciiLower(char c);
// Whether the text begins with the prefix, ASCII letters in any case; the prefix is lower case.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix);
