// What screen readers call the controls of a window that Tab reaches, walked as the dialog
// manager walks them (GetNextDlgTabItem).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "win/Text.h"

namespace readernames {

inline std::wstring WindowText(HWND w) {
    wchar_t text[512]{};
    GetWindowTextW(w, text, 512);
    return text;
}

inline std::wstring ClassOf(HWND w) {
    wchar_t name[64]{};
    GetClassNameW(w, name, 64);
    return name;
}

// "&Definiëren..." is read "Definiëren...".
inline std::wstring WithoutAccessKey(const std::wstring& text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

// What a screen reader names a control by: its text, but an edit box's or a list's text is its
// content, and a control without text takes the static right before it in the window order; a
// tab control is named by its selected tab.
inline std::string ReaderName(HWND w) {
    const std::wstring kind = ClassOf(w);
    if (kind == WC_TABCONTROLW) {
        wchar_t text[256]{};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(w, TCM_GETITEMW, SendMessageW(w, TCM_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(&item));
        return win::Narrow(WithoutAccessKey(text));
    }
    const bool contentIsText =
        _wcsicmp(kind.c_str(), L"Edit") == 0 || _wcsicmp(kind.c_str(), L"ListBox") == 0;
    std::wstring name = contentIsText ? L"" : WindowText(w);
    HWND before = GetWindow(w, GW_HWNDPREV);
    if (name.empty() && before && _wcsicmp(ClassOf(before).c_str(), L"Static") == 0) {
        name = WindowText(before);
    }
    return win::Narrow(WithoutAccessKey(name));
}

// The names of the controls that Tab reaches, from the first, in order.
inline std::vector<std::string> TabStopNames(HWND root) {
    std::vector<std::string> names;
    const HWND first = GetNextDlgTabItem(root, nullptr, FALSE);
    for (HWND w = first; w && names.size() < 200;) {
        names.push_back(ReaderName(w));
        w = GetNextDlgTabItem(root, w, FALSE);
        if (w == first) break;
    }
    return names;
}

// Every stop named, no name twice, as many stops as expected and, when given, these first.
inline void ExpectNamed(const std::vector<std::string>& names, std::size_t count,
                        const std::vector<std::string>& first = {}) {
    EXPECT_EQ(names.size(), count);
    std::set<std::string> seen;
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty()) << "a control without a name";
        EXPECT_TRUE(seen.insert(name).second) << "two controls named " << name;
    }
    for (std::size_t i = 0; i < first.size() && i < names.size(); ++i)
        EXPECT_EQ(names[i], first[i]);
}

}  // namespace readernames
