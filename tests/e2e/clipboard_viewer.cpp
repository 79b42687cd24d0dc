// Another clipboard viewer, as a person's clipboard tool would be: it joins the viewer chain,
// keeps it as the protocol asks and prints each clipboard text it is told of, one per line.
// It prints "joined" once it is in the chain and ends when its window is closed.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

namespace {

HWND next = nullptr;

void PrintClipboardText(HWND window) {
    if (!OpenClipboard(window)) return;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const int size =
                WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
            std::printf("%s\n", utf8.c_str());
            std::fflush(stdout);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
}

LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWCLIPBOARD:
            PrintClipboardText(window);
            if (next) SendMessageW(next, msg, wp, lp);
            return 0;
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wp) == next) {
                next = reinterpret_cast<HWND>(lp);
            } else if (next) {
                SendMessageW(next, msg, wp, lp);
            }
            return 0;
        case WM_DESTROY:
            ChangeClipboardChain(window, next);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, for grep
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ClipboardViewerProbe";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Clipboard viewer probe", WS_OVERLAPPED, 0,
                                  0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    next = SetClipboardViewer(window);
    std::printf("joined\n");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
