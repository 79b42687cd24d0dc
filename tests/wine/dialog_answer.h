// Answers the next system dialog (file chooser, colour dialog) from inside its own modal loop:
// a thread timer waits until the dialog is the active window, then runs the action once.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace dialog_answer {

inline std::function<void(HWND)>& Pending() {
    static std::function<void(HWND)> action;
    return action;
}

inline void CALLBACK Poll(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetActiveWindow();
    wchar_t name[32] = {};
    GetClassNameW(dialog, name, 32);
    if (std::wstring(name) != L"#32770") return;  // not up yet
    KillTimer(nullptr, timer);
    std::function<void(HWND)> action = std::exchange(Pending(), nullptr);
    if (action) action(dialog);
}

// Runs the action on the next dialog that comes up; it must end the dialog.
inline void AnswerNext(std::function<void(HWND dialog)> action) {
    Pending() = std::move(action);
    SetTimer(nullptr, 0, 50, Poll);
}

// True while an answer waits for its dialog (none came up).
inline bool Waiting() {
    return static_cast<bool>(Pending());
}

inline void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// The text of a file dialog's file-name box.
inline std::wstring FileNameBox(HWND dialog) {
    wchar_t text[1024] = {};
    // The explorer-style dialog has a combo box (cmb13), the old style an edit (edt1).
    if (!GetDlgItemTextW(dialog, 0x47C, text, 1024)) GetDlgItemTextW(dialog, 0x480, text, 1024);
    return text;
}

// Types a path into a file dialog's file-name box and presses OK.
inline void ChooseFile(HWND dialog, const std::wstring& path) {
    if (!SetDlgItemTextW(dialog, 0x47C, path.c_str())) SetDlgItemTextW(dialog, 0x480, path.c_str());
    Press(dialog, IDOK);
}

}  // namespace dialog_answer
