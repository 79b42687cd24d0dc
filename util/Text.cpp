#include "util/Text.h"

std::filesystem::path PathFromUtf8(const std::string& text) {
    // A u8string is taken as UTF-8 on every platform; a plain string would go through the
    // ANSI code page on Windows.
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}
