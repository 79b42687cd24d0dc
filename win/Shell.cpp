#include "win/Shell.h"

#include <objbase.h>
#include <shellapi.h>

#include <fstream>

#include "win/Text.h"

namespace win {

namespace {

ShellCatcher& Catcher() {
    static ShellCatcher catcher;
    return catcher;
}

std::wstring LogPath() {
    wchar_t path[MAX_PATH]{};
    const DWORD n = ::GetEnvironmentVariableW(L"VALOMAT_SHELL_LOG", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

void SetShellCatcher(ShellCatcher catcher) {
    Catcher() = std::move(catcher);
}

void ShellOpen(HWND owner, const ShellRequest& request) {
    if (Catcher()) {
        Catcher()(owner, request);
        return;
    }
    if (const std::wstring log = LogPath(); !log.empty()) {
        std::ofstream out(log.c_str(), std::ios::binary | std::ios::app);
        out << DescribeShellRequest(request) << '\n';
        return;
    }
    // Some shell extensions need COM on the calling thread; once is enough for the run.
    static const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    (void)com;
    const std::wstring verb = Widen(request.verb);
    const std::wstring file = Widen(request.file);
    const std::wstring parameters = Widen(request.parameters);
    const std::wstring folder = Widen(request.folder);
    ::ShellExecuteW(owner, OrNull(verb), file.c_str(), OrNull(parameters), OrNull(folder),
                    request.show == ShowKind::Normal ? SW_SHOWNORMAL : SW_SHOW);
}

}  // namespace win
