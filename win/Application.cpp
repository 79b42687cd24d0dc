#include "win/Application.h"

#include <commctrl.h>

#include <exception>
#include <new>
#include <utility>
#include <vector>

#include "win/Form.h"
#include "win/Text.h"
#include "win/WindowClasses.h"

namespace win {

namespace {

std::string& TitleText() {
    static std::string title;
    return title;
}
Form* mainForm = nullptr;
bool terminated = false;
ATOM formAtom = 0;
ATOM containerAtom = 0;
std::vector<std::pair<int, Application::KeyFilter>> keyFilters;
int nextKeyFilter = 1;

}  // namespace

namespace detail {

bool EnsureCommonControls() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                 ICC_UPDOWN_CLASS | ICC_COOL_CLASSES};
        return ::InitCommonControlsEx(&icc) != FALSE;
    }();
    return loaded;
}

bool EnsureClasses() {
    if (formAtom && containerAtom) return true;
    const HINSTANCE instance = Application::Instance();
    if (!formAtom) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormWindowProc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kFormClass;
        formAtom = ::RegisterClassExW(&wc);
    }
    if (!containerAtom) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ContainerWindowProc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = kContainerClass;
        containerAtom = ::RegisterClassExW(&wc);
    }
    return formAtom && containerAtom;
}

ATOM FormAtom() {
    return formAtom;
}
ATOM ContainerAtom() {
    return containerAtom;
}

}  // namespace detail

bool Application::Initialize(std::string_view title) {
    SetTitle(title);
    return detail::EnsureClasses();
}

HINSTANCE Application::Instance() {
    return ::GetModuleHandleW(nullptr);
}

const std::string& Application::Title() {
    return TitleText();
}

void Application::SetTitle(std::string_view title) {
    TitleText() = std::string(title);
}

Form* Application::MainForm() {
    return mainForm;
}

int Application::AddKeyFilter(KeyFilter filter) {
    keyFilters.emplace_back(nextKeyFilter, std::move(filter));
    return nextKeyFilter++;
}

void Application::RemoveKeyFilter(int id) {
    std::erase_if(keyFilters, [id](const auto& entry) { return entry.first == id; });
}

void Application::Dispatch(MSG& msg) {
    try {
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && !keyFilters.empty()) {
            // A filter may remove filters (its window may close): work on a copy.
            const auto filters = keyFilters;
            for (const auto& [id, filter] : filters) {
                if (filter(msg)) return;
            }
        }
        // Dialog navigation (Tab, Shift+Tab, arrows between buttons, default button) works in
        // the form that holds the message's window.
        if (msg.hwnd) {
            HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
            if (root && Form::FromHandle(root) && ::IsDialogMessageW(root, &msg)) return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    } catch (...) {
        // Our window procedures catch their own; this is the last place before the loop.
        HandleException();
    }
}

int Application::Run(Form& form) {
    mainForm = &form;
    terminated = false;
    form.Show();
    MSG msg{};
    int exitCode = 0;
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) break;
        Dispatch(msg);
    }
    terminated = true;
    mainForm = nullptr;
    return exitCode;
}

void Application::ProcessMessages() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the loop that owns it.
            terminated = true;
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

void Application::Terminate() {
    terminated = true;
    ::PostQuitMessage(0);
}

bool Application::Terminated() {
    return terminated;
}

void Application::HandleException() noexcept {
    // The box runs a message loop of its own; an error that follows from the one on screen
    // (a paint that fails every time) would open box after box: one is shown at a time.
    static bool showing = false;
    if (showing) return;
    showing = true;
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            ShowError("Out of memory.");
        } catch (const std::exception& e) {
            ShowError(e.what());
        } catch (...) {
            ShowError("Unknown error.");
        }
    } catch (...) {
        // Showing the text failed too (no memory for it): a box that needs nothing of ours.
        ::MessageBoxW(nullptr, L"Error", nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    showing = false;
}

void Application::ShowError(std::string_view message) {
    const std::wstring text = Widen(message);
    const std::wstring caption = Widen(TitleText());
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win
