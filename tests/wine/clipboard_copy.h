// What the clipboard tests share: another program's copy, and letting its notices arrive.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "win/Application.h"
#include "win/Text.h"

namespace testing_clipboard {

// Handles the waiting messages a few times over, giving Wine's clipboard notices time to come.
inline void Pump() {
    for (int i = 0; i < 5; ++i) {
        win::Application::ProcessMessages();
        Sleep(20);
    }
}

// Another program's copy: the text, optionally marked with a private format (by its name).
inline bool CopyFromAnotherProgram(const std::wstring& text, const char* privateFormat = nullptr) {
    HWND other =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!OpenClipboard(other)) {
        DestroyWindow(other);
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    if (privateFormat) {
        HGLOBAL mark = GlobalAlloc(GMEM_MOVEABLE, 4);
        SetClipboardData(RegisterClipboardFormatW(win::Widen(privateFormat).c_str()), mark);
    }
    CloseClipboard();
    DestroyWindow(other);
    Pump();
    return true;
}

}  // namespace testing_clipboard
