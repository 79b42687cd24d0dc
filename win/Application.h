// The program's start, its message loop and its title.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace win {

class Form;

class Application {
  public:
    // Registers the common controls and our window classes; call once before any window.
    static bool Initialize(std::string_view title);
    static HINSTANCE Instance();
    static const std::string& Title();
    static void SetTitle(std::string_view title);

    // Shows the main form and runs the message loop until the main form closes or Terminate
    // is called. Tab and Shift+Tab move the focus inside the active form (IsDialogMessage).
    static int Run(Form& mainForm);
    static Form* MainForm();
    // Handles every message that is waiting, then returns (also inside modal loops and tests).
    static void ProcessMessages();
    // Ends the message loop (posts WM_QUIT); modal loops end too.
    static void Terminate();
    static bool Terminated();

    // Translates and dispatches one message the way every loop of ours does.
    static void Dispatch(MSG& msg);

    // Sees every key message before the dialog keys of its form do (a page control takes
    // Ctrl+Tab there); true when it handled the message. Removed by the id it was given.
    using KeyFilter = std::function<bool(const MSG& msg)>;
    static int AddKeyFilter(KeyFilter filter);
    static void RemoveKeyFilter(int id);

    // The general error message box, captioned with the title.
    static void ShowError(std::string_view message);
    // Shows the exception being handled (call it in a catch block) with ShowError. The window
    // procedures and the message loops catch every exception with it, so the program goes on.
    static void HandleException() noexcept;
};

}  // namespace win
