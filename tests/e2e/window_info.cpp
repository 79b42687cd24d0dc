// Tells an end-to-end script what a window shows: window_info.exe TITLE prints the window's
// client size and where the client area starts on the screen ("client 430x271 at 425 376"), then
// one line per visible child window with text (an edit box's too), then one per showing
// windowless control with text (labels, speed buttons: the window tells them when asked by its
// registered message): the text (UTF-8) and the centre on the screen, "text|x|y". Exits with 1
// when no such window exists. A "?" in TITLE stands for any one character: the command line
// reaches Wine in the machine's locale, which may not carry "ë".
#include <windows.h>

#include <cstdio>
#include <string>

static void Print(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

static BOOL CALLBACK Child(HWND child, LPARAM) {
    wchar_t text[512]{};
    // Asked of the control itself: for another process's window GetWindowText gives only the
    // window's own title, never an edit box's text.
    DWORD_PTR got = 0;
    if (!IsWindowVisible(child) ||
        !SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &got) ||
        got == 0) {
        return TRUE;
    }
    RECT r{};
    GetWindowRect(child, &r);
    Print(std::wstring(text) + L"|" + std::to_wstring((r.left + r.right) / 2) + L"|" +
          std::to_wstring((r.top + r.bottom) / 2) + L"\n");
    return TRUE;
}

struct Search {
    std::wstring pattern;
    HWND found = nullptr;
};

static bool Matches(const std::wstring& pattern, const std::wstring& text) {
    if (pattern.size() != text.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (pattern[i] != L'?' && pattern[i] != text[i]) return false;
    }
    return true;
}

static BOOL CALLBACK TopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t text[512]{};
    if (!IsWindowVisible(window) || GetWindowTextW(window, text, 512) <= 0) return TRUE;
    if (!Matches(search->pattern, text)) return TRUE;
    search->found = window;
    return FALSE;
}

// Receives the lines of the windowless controls.
static LRESULT CALLBACK Receiver(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (data && data->dwData == 1) {
            Print(std::wstring(static_cast<const wchar_t*>(data->lpData),
                               data->cbData / sizeof(wchar_t)) +
                  L"\n");
        }
        return TRUE;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

static void DescribeGraphics(HWND window) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Receiver;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"WindowInfoReceiver";
    RegisterClassW(&wc);
    HWND receiver = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    if (!receiver) return;
    DWORD_PTR count = 0;
    // The answers come as sent messages, taken while this call waits.
    SendMessageTimeoutW(window, RegisterWindowMessageW(L"Valomat.DescribeGraphics"),
                        reinterpret_cast<WPARAM>(receiver), 0, SMTO_ABORTIFHUNG, 5000, &count);
    DestroyWindow(receiver);
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    Search search{argv[1]};
    EnumWindows(TopLevel, reinterpret_cast<LPARAM>(&search));
    HWND window = search.found;
    if (!window) return 1;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Print(L"client " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom) +
          L" at " + std::to_wstring(origin.x) + L" " + std::to_wstring(origin.y) + L"\n");
    EnumChildWindows(window, Child, 0);
    DescribeGraphics(window);
    return 0;
}
