// Start-up and end of the program.
#include "ui/Program_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/ExactDecimal.h"
#include "ui/Main_win.h"
#include "ui/OwnCurrency_win.h"
#include "ui/Options_win.h"
#include "ui/Print_win.h"
#include "ui/Splash_win.h"
#include "util/zt_Misc_win.h"
#include "util/zt_Registry_win.h"
#include "win/Application.h"
#include "win/Handle.h"
#include "win/Locale.h"
#include "win/StartupLog.h"

namespace {
struct MutexTraits {
    using Type = HANDLE;
    static void Free(HANDLE h) noexcept { CloseHandle(h); }
};
}  // namespace

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

// Two running copies would both convert every copied text: a second start brings the running
// window to the front and ends without touching the settings.
bool AnotherCopyRuns(win::Handle<MutexTraits>& mutex) {
    mutex.Reset(CreateMutexW(nullptr, FALSE, L"Local\\ZT.Valomat.Running"));
    if (mutex && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    if (!mutex) return false;  // cannot tell: better two copies than none
    AllowSetForegroundWindow(ASFW_ANY);
    PostMessageW(HWND_BROADCAST, TForm_Main::ActivateMessage(), 0, 0);
    return true;
}

int Run() {
    win::StartupMark("program entered");
    EnsureExtendedPrecision();
    win::Handle<MutexTraits> running;
    if (AnotherCopyRuns(running)) return 0;
    if (!win::Application::Initialize("Valomat")) return 1;

    // The splash is painted at once so it shows while the rest is created; it closes at the
    // first tick of its timer, which only the running message loop delivers.
    auto splash = std::make_unique<TForm_Splash>();
    if (splash->CreateSplash()) {
        splash->Show();
        UpdateWindow(splash->Handle());
        // Under Wine what a window drew reaches the screen when the program next waits for
        // messages: it is handed over now, not when the main window is done.
        win::Application::ProcessMessages();
    }
    win::StartupMark("splash shown");

    Win32Registry registry;
    TForm_Main main({.registry = &registry,
                     .separators = win::ReadUserSeparators(),
                     .localeLanguage = LanguageFromLocale(),
                     .cleanupRun = IsCleanupRun(CommandLineArguments())});
    if (!main.CreateMain()) return 1;
    win::StartupMark("main window created");
    // The result list draws with the main window's settings, separators and flags; the
    // options dialog re-captions it; the own-currencies dialog writes the settings and the
    // pictures that the other windows show. Nobody sees them at the start: each window is made
    // when it is first shown, in the language of that moment (the result list keeps the
    // entries that come before).
    TForm_PrintList printList(main);
    TForm_Opties options(main, &printList);
    TFormEigenMunt eigenMunt(main.Rec, main.Pictures);
    options.ShowOwnCurrencies = [&eigenMunt] {
        if (eigenMunt.Exists() || eigenMunt.CreateEigenMunt()) eigenMunt.ShowModal();
    };
    main.SetResultSink(&printList);
    main.ApplyLanguage = [&options] { options.ApplyLanguage(); };
    main.ShowOptions = [&options] {
        if (options.Exists() || options.CreateOpties()) options.ShowModal();
    };
    main.AfterFirstShow = [&options] { options.FetchRatesAtStart(); };
    const int code = win::Application::Run(main);
    // The windows go while every object is whole, the main window last: nothing it does at
    // its end reaches the other windows.
    main.SetResultSink(nullptr);
    main.ApplyLanguage = nullptr;
    main.ShowOptions = nullptr;
    main.AfterFirstShow = nullptr;
    options.ShowOwnCurrencies = nullptr;
    eigenMunt.Destroy();
    printList.Destroy();
    options.Destroy();
    main.Destroy();
    return code;
}

}  // namespace

int RunProgram() {
    try {
        return Run();
    } catch (...) {
        // Starting failed (the window procedures and the message loop catch their own).
        win::Application::HandleException();
        return 1;
    }
}
