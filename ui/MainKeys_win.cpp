// The main window's tool-bar commands from the keyboard: one shortcut each, for keys typed
// anywhere in the window (see MainShortcuts.h).
#include "ui/Main_win.h"

#include <utility>

void TForm_Main::RunCommand(MainCommand command) {
    // As the buttons do, a disabled one (paste) included.
    const std::pair<MainCommand, win::ToolButton TForm_Main::*> buttons[] = {
        {MainCommand::Copy, &TForm_Main::ToolButton_Copy},
        {MainCommand::Paste, &TForm_Main::ToolButton_Paste},
        {MainCommand::Convert, &TForm_Main::ToolButton_Convert},
        {MainCommand::List, &TForm_Main::ToolButton_List},
        {MainCommand::StayOnTop, &TForm_Main::ToolButton_StayOnTop},
        {MainCommand::PrintList, &TForm_Main::ToolButton_PrintList},
        {MainCommand::Options, &TForm_Main::ToolButton_Options},
        {MainCommand::Info, &TForm_Main::ToolButton_Info},
        {MainCommand::Exit, &TForm_Main::ToolButton_Exit},
    };
    for (const auto& [which, button] : buttons) {
        if (which == command) (this->*button).Click();
    }
}

bool TForm_Main::ShortcutKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (!msg.hwnd || GetAncestor(msg.hwnd, GA_ROOT) != Handle() || !IsWindowEnabled(Handle())) {
        return false;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    for (const CommandShortcut& entry : kMainShortcuts) {
        const Shortcut& s = entry.shortcut;
        if (msg.wParam == s.key && ctrl == s.ctrl && shift == s.shift && alt == s.alt) {
            RunCommand(entry.command);
            return true;
        }
    }
    return false;
}
