// Opening documents, web and mail addresses through the shell, with a seam for tests.
#pragma once

#include <windows.h>

#include <functional>

#include "util/ShellRequest.h"

namespace win {

// Asks the shell to open (ShellExecute); its result is not examined. When the environment
// variable VALOMAT_SHELL_LOG names a file, the request is appended to it as one line
// (DescribeShellRequest, UTF-8) instead, so end-to-end tests see it without a browser.
void ShellOpen(HWND owner, const ShellRequest& request);

// In-process tests catch the requests here instead; an empty function ends that.
using ShellCatcher = std::function<void(HWND owner, const ShellRequest& request)>;
void SetShellCatcher(ShellCatcher catcher);

}  // namespace win
