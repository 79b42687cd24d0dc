// The main window's tool-bar commands from the keyboard: one shortcut each, for keys typed
// anywhere in the window (see MainShortcuts.h).
#include "ui/Main_win.h"

void TForm_Main::RunCommand(MainCommand command) {
    // As the buttons do, a disabled one (paste) included.
    switch (command) {
        case MainCommand::Copy:
            ToolButton_Copy.Click();
            break;
        case MainCommand::Paste:
            ToolButton_Paste.Click();
            break;
        case MainCommand::Convert:
            ToolButton_Convert.Click();
            break;
        case MainCommand::List:
            ToolButton_List.Click();
            break;
        case MainCommand::StayOnTop:
            ToolButton_StayOnTop.Click();
            break;
        case MainCommand::PrintList:
            ToolButton_PrintList.Click();
            break;
        case MainCommand::Options:
            ToolButton_Options.Click();
            break;
        case MainCommand::Info:
            ToolButton_Info.Click();
            break;
        case MainCommand::Exit:
            ToolButton_Exit.Click();
            break;
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
