// The program's entry point.
#include <windows.h>

#include "ui/Program_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return RunProgram(); }
