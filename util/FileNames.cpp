#include "util/FileNames.h"

#include <string>

bool IsBadFileNameChar(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("\\/:*?\"<>|#%").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsDeviceName(std::string_view stem) {
    stem = stem.substr(0, stem.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    std::string upper(stem);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL" || upper == "CONIN$" ||
        upper == "CONOUT$") {
        return true;
    }
    const std::string_view name(upper);
    if (!name.starts_with("COM") && !name.starts_with("LPT")) return false;
    const std::string_view number = name.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\u00B9" ||
           number == "\u00B2" || number == "\u00B3";
}

std::string SafeFileName(std::string_view name, std::string_view fallback) {
    std::string safe;
    safe.reserve(name.size());
    for (const char c : name) safe += IsBadFileNameChar(static_cast<unsigned char>(c)) ? '_' : c;
    if (safe.find_first_not_of(". ") == std::string::npos) return std::string(fallback);
    return IsDeviceName(safe) ? "_" + safe : safe;
}
