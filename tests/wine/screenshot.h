// Pictures of windows the program never shows alone (for docs/): when the environment variable
// VALOMAT_SCREENSHOT_DIR names a Linux folder, a test can save a window as it is on the screen.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "win/Application.h"
#include "wine/local_http.h"

namespace testshot {

// Saves the window's area of the screen as DIR/name.png; does nothing without the variable.
inline void Save(HWND window, const std::string& name) {
    const char* dir = std::getenv("VALOMAT_SCREENSHOT_DIR");
    if (!dir || !*dir || !window) return;
    for (int i = 0; i < 20; ++i) {
        win::Application::ProcessMessages();
        ::Sleep(25);
    }
    RECT r{};
    ::GetWindowRect(window, &r);
    const std::string folder(dir);
    const std::string png = folder + "/" + name + ".png";
    const std::string geometry = std::to_string(r.right - r.left) + "x" +
                                 std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
                                 "+" + std::to_string(r.top);
    ::DeleteFileW((L"Z:" + win::Widen(folder) + L"/" + win::Widen(name) + L".done").c_str());
    testhttp::RunShell("import -window root '" + png + "' && convert '" + png + "' -crop " +
                       geometry + " +repage -strip '" + png + "'; echo done > '" + folder + "/" +
                       name + ".done'");
    testhttp::WaitForLine(L"Z:" + win::Widen(folder) + L"/" + win::Widen(name) + L".done", "done");
}

}  // namespace testshot
