// Keys pressed as the keyboard delivers them: posted to the focused window and taken through the
// message loop (so the dialog navigation and the key filters see them), with modifiers held in
// the thread's key state meanwhile.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "win/Application.h"

namespace testkeys {

inline void Pump() {
    for (int i = 0; i < 3; ++i) win::Application::ProcessMessages();
}

// Handles messages as they come until the condition holds (true) or the time is up (false).
template <typename Condition>
bool PumpUntil(Condition condition, DWORD limitMs = 20000) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    while (!condition()) {
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        win::Application::ProcessMessages();
    }
    return true;
}

// Holds the given keys down in the key state that GetKeyState reads, until destroyed.
class Held {
  public:
    explicit Held(std::initializer_list<int> keys) : keys_(keys) { Set(0x80); }
    explicit Held(std::vector<int> keys) : keys_(std::move(keys)) { Set(0x80); }
    ~Held() { Set(0); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

  private:
    void Set(BYTE state) {
        BYTE all[256]{};
        GetKeyboardState(all);
        for (int k : keys_) all[k] = state;
        SetKeyboardState(all);
    }
    std::vector<int> keys_;
};

// Key down and key up on the focused window; the loop's TranslateMessage makes the character
// a key types, as it does for the keyboard.
inline void Press(int vk) {
    HWND target = GetFocus();
    PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    PostMessageW(target, WM_KEYUP, static_cast<WPARAM>(vk), 0xC0000001);
    Pump();
}

// Alt with a letter key ('A'..'Z'), as an access key.
inline void PressAlt(char letter) {
    HWND target = GetFocus();
    Held alt({VK_MENU});
    PostMessageW(target, WM_SYSKEYDOWN, static_cast<WPARAM>(letter), 0x20000001);
    PostMessageW(target, WM_SYSKEYUP, static_cast<WPARAM>(letter), 0xE0000001);
    Pump();
}

}  // namespace testkeys
