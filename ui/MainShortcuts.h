// The main window's keyboard shortcuts, one for every tool-bar command: keys a Windows user
// would guess and that no edit box needs (copy and paste of the whole box take Shift beside
// Ctrl, since Ctrl+C and Ctrl+V belong to the box's selection).
#pragma once

#include <array>
#include <string>

enum class MainCommand { Copy, Paste, Convert, List, StayOnTop, PrintList, Options, Info, Exit };

// A key with its modifiers; the key is a Windows virtual-key code ('A'..'Z', F1 is 0x70).
struct Shortcut {
    unsigned key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

inline constexpr unsigned kKeyF1 = 0x70;

struct CommandShortcut {
    MainCommand command;
    Shortcut shortcut;
};

inline constexpr std::array<CommandShortcut, 9> kMainShortcuts{{
    {MainCommand::Copy, {'C', true, true, false}},
    {MainCommand::Paste, {'V', true, true, false}},
    {MainCommand::Convert, {kKeyF1 + 4, false, false, false}},  // F5, as a refresh
    {MainCommand::List, {'L', true, false, false}},
    {MainCommand::StayOnTop, {'T', true, false, false}},
    {MainCommand::PrintList, {'R', true, false, false}},  // the list of results
    {MainCommand::Options, {'O', true, false, false}},
    {MainCommand::Info, {kKeyF1, false, false, false}},
    {MainCommand::Exit, {kKeyF1 + 3, false, false, true}},  // Alt+F4, as every window
}};

Shortcut ShortcutOf(MainCommand command);

// As menus show it: "Ctrl+Shift+C", "F5", "Alt+F4"; shiftName is the Shift key's name in the
// interface language ("Maj" in French).
std::string ShortcutText(const Shortcut& shortcut, const std::string& shiftName);

// A hint with its shortcut after it: "Kopiëren (Ctrl+Shift+C)".
std::string HintWithShortcut(const std::string& hint, const Shortcut& shortcut,
                             const std::string& shiftName);
