#include "util/Text.h"

std::filesystem::path PathFromUtf8(const std::string& text) {
    // A u8string is taken as UTF-8 on every platform; a plain string would go through the
    // ANSI code page on Windows.
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        if (AsciiLower(text[i]) != lowerPrefix[i]) return false;
    }
    return true;
}
