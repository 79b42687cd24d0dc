#include "win/Clipboard.h"

#include <windows.h>

#include <cwchar>

#include "win/Application.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace win {

ClipboardGuard::ClipboardGuard(HWND owner) noexcept {
    if (owner && ::GetOpenClipboardWindow() == owner) {
        open_ = nested_ = true;
        return;
    }
    // Another program (or Wine's X11 bridge) may hold the clipboard for a moment.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (::OpenClipboard(owner)) {
            open_ = true;
            return;
        }
        ::Sleep(10);
    }
}

namespace clipboard {

namespace {

// SetClipboardData needs an owner window after EmptyClipboard; a hidden message-only window
// serves for the whole run.
HWND OwnerWindow() {
    static HWND window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           Application::Instance(), nullptr);
    return window;
}

}  // namespace

std::optional<std::string> ReadText() {
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    ClipboardGuard open(OwnerWindow());
    if (!open.IsOpen()) return std::nullopt;
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (!data) return std::nullopt;
    const SIZE_T bytes = ::GlobalSize(data);
    const std::size_t maxChars = bytes / sizeof(wchar_t);
    if (maxChars > kMaxTextChars) return std::nullopt;
    GlobalLockGuard<const wchar_t> lock(data);
    if (!lock.Get()) return std::nullopt;
    // Up to the first NUL, but never past the block: the terminator may be missing.
    const std::size_t length = ::wcsnlen(lock.Get(), maxChars);
    return Narrow(std::wstring_view(lock.Get(), length));
}

bool WriteText(std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    if (text.empty() && !utf8.empty()) return false;  // too long to convert
    if (text.size() > kMaxTextChars) return false;
    GlobalHandle memory(::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return false;
    {
        GlobalLockGuard<wchar_t> lock(memory.Get());
        if (!lock.Get()) return false;
        std::wmemcpy(lock.Get(), text.c_str(), text.size() + 1);
    }
    ClipboardGuard open(OwnerWindow());
    if (!open.IsOpen() || !::EmptyClipboard()) return false;
    if (!::SetClipboardData(CF_UNICODETEXT, memory.Get())) return false;
    memory.Release();  // the clipboard owns it now
    return true;
}

bool HasText() {
    return ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
}

bool IsFormatAvailable(std::string_view formatName) {
    if (formatName.empty()) return false;
    const UINT format = ::RegisterClipboardFormatW(Widen(formatName).c_str());
    return format != 0 && ::IsClipboardFormatAvailable(format);
}

std::uint32_t SequenceNumber() {
    return ::GetClipboardSequenceNumber();
}

}  // namespace clipboard
}  // namespace win
