// Message boxes answered from inside their own loop, as a person would click OK, keeping what
// each one said.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/Text.h"

namespace testing_message_box {

struct Seen {
    std::string caption;
    std::string text;
};

inline std::vector<Seen>& Answered() {
    static std::vector<Seen> answered;
    return answered;
}

inline BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

inline BOOL CALLBACK ReadText(HWND child, LPARAM seen) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (_wcsicmp(name, L"Static") != 0 || (style & SS_TYPEMASK) == SS_ICON) return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    if (text[0]) reinterpret_cast<Seen*>(seen)->text = win::Narrow(text);
    return TRUE;
}

inline void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;  // not up yet
    Seen seen;
    wchar_t caption[256] = {};
    GetWindowTextW(box, caption, 256);
    seen.caption = win::Narrow(caption);
    EnumChildWindows(box, ReadText, reinterpret_cast<LPARAM>(&seen));
    Answered().push_back(seen);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// While it lives, every message box of this thread is answered with OK.
class Answerer {
  public:
    Answerer() : timer_(SetTimer(nullptr, 0, 50, Answer)) { Answered().clear(); }
    ~Answerer() { KillTimer(nullptr, timer_); }
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;
    const std::vector<Seen>& Boxes() const { return Answered(); }

  private:
    UINT_PTR timer_;
};

}  // namespace testing_message_box
