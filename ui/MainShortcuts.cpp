#include "ui/MainShortcuts.h"

Shortcut ShortcutOf(MainCommand command) {
    for (const CommandShortcut& entry : kMainShortcuts) {
        if (entry.command == command) return entry.shortcut;
    }
    return {};
}

std::string ShortcutText(const Shortcut& shortcut, const std::string& shiftName) {
    std::string text;
    if (shortcut.ctrl) text += "Ctrl+";
    if (shortcut.shift) text += shiftName + "+";
    if (shortcut.alt) text += "Alt+";
    if (shortcut.key >= kKeyF1 && shortcut.key < kKeyF1 + 24) {
        // Appended apart: GCC 12's optimiser warns of an impossible length on "F" + string.
        text += 'F';
        text += std::to_string(shortcut.key - kKeyF1 + 1);
    } else {
        text += static_cast<char>(shortcut.key);
    }
    return text;
}

std::string HintWithShortcut(const std::string& hint, const Shortcut& shortcut,
                             const std::string& shiftName) {
    return hint + " (" + ShortcutText(shortcut, shiftName) + ")";
}
