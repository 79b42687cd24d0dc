// Start-up and end of the program. Until the main window exists this is a plain window that
// loads the settings at start and writes them back when it is closed.
#include "ui/Program_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/ExactDecimal.h"
#include "core/SettingsStore.h"
#include "util/zt_Misc_win.h"
#include "util/zt_Registry_win.h"

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

bool IsCleanupRun(const std::vector<std::wstring>& args) {
    return !args.empty() && args.front() == L"R";
}

namespace {

constexpr int kWindowWidth = 340;
constexpr int kWindowHeight = 200;

struct PlainWindow {
    RecRec rec;
    OwnPictures pictures;
    bool cleanup = false;
};

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<PlainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
            break;
        }
        case WM_CLOSE:
            if (state && !state->cleanup) {
                RECT r{};
                GetWindowRect(hwnd, &r);
                Win32Registry registry;
                SaveSettings(state->rec, registry, {.top = r.top, .left = r.left});
            }
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int RunProgram() {
    EnsureExtendedPrecision();
    const auto args = CommandLineArguments();
    PlainWindow state;
    state.cleanup = IsCleanupRun(args);

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ValomatMain";
    if (!RegisterClassExW(&wc)) return 1;

    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Valomat",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, kWindowHeight,
                                nullptr, nullptr, instance, &state);
    if (!hwnd) return 1;

    Win32Registry registry;
    const SettingsEnvironment env{.localeLanguage = LanguageFromLocale(),
                                  .screenWidth = GetSystemMetrics(SM_CXSCREEN),
                                  .screenHeight = GetSystemMetrics(SM_CYSCREEN),
                                  .windowWidth = kWindowWidth,
                                  .windowHeight = kWindowHeight};
    const LoadResult loaded = LoadSettings(state.rec, registry, env, state.pictures);
    SetWindowPos(hwnd, nullptr, loaded.position.left, loaded.position.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (state.cleanup) DeleteLegacyKey(registry);

    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
