#include "win/Text.h"

#include <windows.h>

#include <climits>

namespace win {

namespace {

// Lengths beyond int cannot be passed to the conversion calls; such texts are not ours.
bool Fits(std::size_t size) {
    return size <= static_cast<std::size_t>(INT_MAX / 4);
}

std::wstring WidenWith(UINT codePage, DWORD flags, std::string_view text) {
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring result(static_cast<std::size_t>(needed), L'\0');
    const int written =
        ::MultiByteToWideChar(codePage, flags, text.data(), length, result.data(), needed);
    result.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return result;
}

std::string NarrowWith(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
    const int length = static_cast<int>(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string result(static_cast<std::size_t>(needed), '\0');
    const int written = ::WideCharToMultiByte(codePage, flags, text.data(), length, result.data(),
                                              needed, nullptr, usedDefault);
    result.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return result;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty() || !Fits(utf8.size())) return {};
    std::wstring strict = WidenWith(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (!strict.empty()) return strict;
    // Invalid input: convert again letting Windows put U+FFFD for each bad sequence.
    return WidenWith(CP_UTF8, 0, utf8);
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty() || !Fits(utf16.size())) return {};
    std::string strict = NarrowWith(CP_UTF8, WC_ERR_INVALID_CHARS, utf16, nullptr);
    if (!strict.empty()) return strict;
    return NarrowWith(CP_UTF8, 0, utf16, nullptr);
}

std::optional<std::string> ToAnsiExact(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::nullopt;
    const UINT codePage = ::GetACP();
    if (codePage == CP_UTF8) return Narrow(wide);
    // Without WC_NO_BEST_FIT_CHARS Windows writes "l" for "ł"; with it every character that
    // does not come back unchanged becomes the default character, which the flag reports.
    BOOL usedDefault = FALSE;
    std::string ansi = NarrowWith(codePage, WC_NO_BEST_FIT_CHARS, wide, &usedDefault);
    if (usedDefault || ansi.empty()) return std::nullopt;
    return ansi;
}

}  // namespace win
